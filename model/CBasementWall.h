#pragma once
#include "model/CEnvelopeElement.h"

// A basement wall of a room (table BasementWall, parent Room, construction library
// BasementWall_Lib). Unlike the other walls its name column comes first and material_id last.
class CBasementWall : public CEnvelopeElement
{
public:
    static constexpr int TypeCode = 29;

    CBasementWall();

    double Width = 0; // m

    // Name empty, the default construction, the size 0, Status 1. A missing or non-numeric
    // default raises.
    bool SetDefaults() override;
    void ExchangeAttrs(CEleAttrs& attrs) override;
};
