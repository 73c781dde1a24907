#pragma once
#include "model/CLIB_OccupationBase.h"

// One record of the storey-use library (table StoreyOccupation): the design conditions, occupancy
// and load indexes a storey takes over; the columns after Name are those the room use starts with.
class CLIB_StoreyOccupation : public CLIB_OccupationBase
{
public:
    static constexpr int Kind = 18;
    CLIB_StoreyOccupation() : CLIB_OccupationBase(Kind) {}
};
