#pragma once
#include "model/CLoadElement.h"

class CLIB_RoomOccupation;
class COccupationFields;

// The people of a room (type 4, table People). The number of people is the room's density, not a
// column here.
class CPeople : public CLoadElement
{
public:
    CPeople() : CLoadElement(4) {}

    int LaborType = 0; // 0 "静坐" ... 4 "重劳动"
    double PeopleClassifyCoeffient = 0;

    // LaborType 0 and the default group coefficient; with a room above, the kind of work and the
    // schedule of the room's use, else the default people schedule. Status 1.
    bool SetDefaults() override;
    void ExchangeAttrs(CEleAttrs& attrs) override;

    // Takes LaborType (record column "LaborType") and the schedule ("PeopleScheduleName") from the
    // use, as far as the fields ask. Changes only the object.
    void ApplyOccupation(const CRoom& room, const CLIB_RoomOccupation& use, const COccupationFields& fields);
};
