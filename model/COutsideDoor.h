#pragma once
#include "model/CEnvelopeElement.h"

// A door of an outside wall (table OutsideDoor, parent OutsideWall, construction library
// OutsideDoor_Lib). Area is the area of one door; Quantity identical doors are counted.
class COutsideDoor : public CEnvelopeElement
{
public:
    static constexpr int TypeCode = 11;

    COutsideDoor();

    int Quantity = 0;
    int AirSupplyType = 0;     // 0 air supplied along the door, 1 not
    double ApertureLength = 0; // length of the openable gaps, m
    int IsColdAir = 0;         // count the heat for cold air rushing in through the opened door
    // 0 one door, 1 two doors (one vestibule), 2 three doors (two vestibules), 3 main entrance of a
    // public or industrial building
    int DoorType = 0;
    double Height = 0; // m
    int ShieldType = 0;
    int InsideShieldMaterials = 0;
    SOutsideShield OutsideShield;

    // Name empty, the default construction, Quantity 1, AirSupplyType the default "AirSupplyType",
    // everything else 0, Status 1. A missing or non-numeric default raises.
    bool SetDefaults() override;
    void ExchangeAttrs(CEleAttrs& attrs) override;
};
