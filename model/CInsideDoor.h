#pragma once
#include "model/CEnvelopeElement.h"

// An inside door of an inside wall (table InsideDoor, parent InsideWall, construction library
// InsideDoor_Lib). Area is the area of one door; Quantity identical doors are counted.
class CInsideDoor : public CEnvelopeElement
{
public:
    static constexpr int TypeCode = 15;

    CInsideDoor();

    int Quantity = 0;
    double Width = 0; // m

    // Name empty, the default construction, Quantity 1, the size 0, Status 1. A missing or
    // non-numeric default raises.
    bool SetDefaults() override;
    void ExchangeAttrs(CEleAttrs& attrs) override;
};
