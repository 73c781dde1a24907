#pragma once
#include "model/CEnvelopeElement.h"

// A wall at a building joint (table GapWall, parent Room, construction library GapWall_Lib).
class CGapWall : public CEnvelopeElement
{
public:
    static constexpr int TypeCode = 24;

    CGapWall();

    int GapWallType = 0; // 0 expansion joint, 1 settlement joint, 2 seismic joint
    double Height = 0;   // m; a new gap wall does not take the storey height

    // Name empty, the default construction, everything else 0, Status 1. A missing or
    // non-numeric default raises.
    bool SetDefaults() override;
    void ExchangeAttrs(CEleAttrs& attrs) override;
};
