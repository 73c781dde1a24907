#pragma once
#include "model/CSlabElement.h"

// Identical sky windows in a roof (table SkyWindow, parent Roof, construction library
// SkyWindow_Lib). Area is the area of one window.
class CSkyWindow : public CSlabElement
{
public:
    static constexpr int TypeCode = 18;

    CSkyWindow();

    int Quantity = 1;
    double Shield = 1; // shading coefficient 0..1

    // Name empty, the default construction, one window of size 0, Shield 1, Status 1. A missing or
    // non-numeric default raises.
    bool SetDefaults() override;
    void ExchangeAttrs(CEleAttrs& attrs) override;
};
