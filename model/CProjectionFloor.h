#pragma once
#include "model/CSlabElement.h"

// A floor of a room above outdoor air (table ProjectionFloor, parent Room, construction library
// ProjectionFloor_Lib).
class CProjectionFloor : public CSlabElement
{
public:
    static constexpr int TypeCode = 23;

    CProjectionFloor();

    // Name empty, the default construction, the size 0, Status 1. A missing or non-numeric
    // default raises.
    bool SetDefaults() override;
    void ExchangeAttrs(CEleAttrs& attrs) override;
};
