#pragma once
#include "model/CEnvelopeElement.h"

// An inside window of an inside wall (table InsideWindow, parent InsideWall, construction library
// InsideWindow_Lib). Area is the area of one window; Quantity identical windows are counted.
class CInsideWindow : public CEnvelopeElement
{
public:
    static constexpr int TypeCode = 14;

    CInsideWindow();

    int Quantity = 0;
    double Width = 0; // m

    // Name empty, the default construction, Quantity 1, the size 0, Status 1. A missing or
    // non-numeric default raises.
    bool SetDefaults() override;
    void ExchangeAttrs(CEleAttrs& attrs) override;
};
