#pragma once
#include "model/CSlabElement.h"

// A glazed roof of a room (table GlassRoof, parent Room, construction library GlassRoof_Lib).
class CGlassRoof : public CSlabElement
{
public:
    static constexpr int TypeCode = 20;

    CGlassRoof();

    int Direction = 0;          // orientation 0 horizontal, 1 south ... 8 south-east
    double Obliquity = 0;       // tilt, degrees
    double Direction_Angle = 0; // deviation from the orientation, 0..45 degrees
    double Shield = 1;          // shading coefficient 0..1

    // Name empty, the default construction, horizontal, the size of the room, Shield 1, Status 1.
    // A missing or non-numeric default raises.
    bool SetDefaults() override;
    void ExchangeAttrs(CEleAttrs& attrs) override;
};
