#pragma once
#include "model/CLoadElement.h"

// Air entering a room through its outer doors (type 27, table Infiltration).
class CInfiltration : public CLoadElement
{
public:
    CInfiltration() : CLoadElement(27) {}

    int PeopleQUantity = 0; // people passing the outer door per hour
    int DoorType = 0;       // 0..5, single or several ordinary, vestibule or revolving doors
    double n_data = 0;      // air changes per hour; -1 lets the calculation work them out

    // Door type 0, n_data -1, the default infiltration schedule, people from the room's density
    // (0 without a room above). Status 1.
    bool SetDefaults() override;
    void ExchangeAttrs(CEleAttrs& attrs) override;
};
