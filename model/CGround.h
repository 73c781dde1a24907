#pragma once
#include "model/CSlabElement.h"

// The ground slab of a room (table Ground, parent Room, construction library Ground_Lib).
class CGround : public CSlabElement
{
public:
    static constexpr int TypeCode = 22;

    CGround();

    int GroundType = 0; // kind of ground slab

    // Name empty, the default construction, the size of the room, GroundType 0, Status 1. A
    // missing or non-numeric default raises.
    bool SetDefaults() override;
    void ExchangeAttrs(CEleAttrs& attrs) override;
};
