#pragma once
#include "model/CEnvelopeElement.h"

// A glass curtain wall of a room (table GlassCurtainWall, parent Room, construction library
// GlassCurtainWall_Lib).
class CGlassCurtainWall : public CEnvelopeElement
{
public:
    static constexpr int TypeCode = 12;

    CGlassCurtainWall();

    int Direction = 0;             // orientation 1 south ... 8 south-east (never horizontal)
    double Height = 0;             // m
    int AirSupplyType = 0;         // 0 air supplied along the curtain wall, 1 not
    int ShieldType = 0;            // 0 none, 1 inner shading
    int InsideShieldMaterials = 0; // inner shading material and colour, 0..7
    double Direction_Angle = 0;    // deviation from the orientation, 0..45 degrees

    // Name empty, Height the storey's height (0 without a tree node), the default construction,
    // Direction 1 (south), AirSupplyType the default "AirSupplyType", the rest 0, Status 1.
    bool SetDefaults() override;
    void ExchangeAttrs(CEleAttrs& attrs) override;
};
