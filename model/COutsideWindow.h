#pragma once
#include "model/CEnvelopeElement.h"

// A window of an outside wall (table OutsideWindow, parent OutsideWall, construction library
// OutsideWindow_Lib). Area is the area of one window; Quantity identical windows are counted.
class COutsideWindow : public CEnvelopeElement
{
public:
    static constexpr int TypeCode = 10;

    COutsideWindow();

    int Quantity = 0;
    int AirSupplyType = 0;         // 0 air supplied along the window, 1 not
    double ApertureLength = 0;     // length of the openable gaps, m
    double Height = 0;             // m
    int ShieldType = 0;            // 0 none, 1 inner only, 2 outer only, 3 inner and outer
    int InsideShieldMaterials = 0; // inner shading material and colour, 0..7
    SOutsideShield OutsideShield;

    // Name empty, the default construction, Quantity 1, AirSupplyType the default "AirSupplyType",
    // everything else 0, Status 1. A missing or non-numeric default raises.
    bool SetDefaults() override;
    void ExchangeAttrs(CEleAttrs& attrs) override;
};
