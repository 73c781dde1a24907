#pragma once
#include "model/CSlabElement.h"

// An enclosed roof space with a ribbed slab (table BlindStorey, parent Room, construction library
// BlindStorey_Lib). Its name column comes first and material_id last.
class CBlindStorey : public CSlabElement
{
public:
    static constexpr int TypeCode = 19;

    CBlindStorey();

    double RibHeight = 0;   // m
    double RibDistance = 0; // clear distance between the ribs, m
    int Color = 0;          // 0 dark, 1 medium, 2 light

    // Name empty, the default construction, ribs and size 0, Color the default "RoofColor",
    // Status 1. A missing or non-numeric default raises.
    bool SetDefaults() override;
    void ExchangeAttrs(CEleAttrs& attrs) override;
};
