#pragma once
#include "model/CSlabElement.h"

// A roof of a room (table Roof, parent Room, construction library Roof_Lib); its sky windows are
// its children.
class CRoof : public CSlabElement
{
public:
    static constexpr int TypeCode = 17;

    CRoof();

    int Direction = 0;          // orientation 0 horizontal, 1 south ... 8 south-east
    int Color = 0;              // outer surface 0 dark, 1 medium, 2 light
    double Obliquity = 0;       // tilt, degrees
    double Direction_Angle = 0; // deviation from the orientation, 0..45 degrees

    // Name empty, the default construction, horizontal, Color the default "RoofColor", the size of
    // the room, Status 1. A missing or non-numeric default raises.
    bool SetDefaults() override;
    void ExchangeAttrs(CEleAttrs& attrs) override;
};
