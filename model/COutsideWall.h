#pragma once
#include "model/CEnvelopeElement.h"

// An outside wall of a room (table OutsideWall, parent Room, construction library OutsideWall_Lib).
// Its windows and doors are its children; Area is the gross area, openings included.
class COutsideWall : public CEnvelopeElement
{
public:
    static constexpr int TypeCode = 9;

    COutsideWall();

    int Direction = 0;          // orientation 0 horizontal, 1 south ... 8 south-east
    double Height = 0;          // m
    double Direction_Angle = 0; // deviation from the orientation, 0..45 degrees

    // Name empty, Height the storey's height (0 without a tree node), the default construction,
    // Direction 1 (south), the size 0, Status 1. A missing or non-numeric default raises.
    bool SetDefaults() override;
    void ExchangeAttrs(CEleAttrs& attrs) override;

    // Area × Quantity summed over the outside windows and outside doors whose parent_id is wallId,
    // m²; 0 for a wall without openings. Runs on the element's data set, replacing its result.
    double GetOpeningArea(int wallId);
};
