#pragma once
#include "model/CLoadElement.h"

class CLIB_RoomOccupation;
class COccupationFields;

// The lighting of a room (type 5, table Lighting). Lamp powers in W.
class CLighting : public CLoadElement
{
public:
    CLighting() : CLoadElement(5) {}

    double SimultaneousUseCoefficient = 0;
    double LampPower = 0;                        // incandescent
    double ConcealedFluorescencePower = 0;       // fluorescent in a ceiling glass cover
    double ExposedFluorescencePower_Inside = 0;  // exposed, ballast inside the room
    double ExposedFluorescencePower_Outside = 0; // exposed, ballast outside the room
    int LampshadeType = 0;                       // 0 with holes, 1 without

    // Coefficient 0.65, no lamps, lampshade 0; with a room above, the lamp power, schedule and
    // coefficient of the room's use, else the default lighting schedule. Status 1.
    bool SetDefaults() override;
    void ExchangeAttrs(CEleAttrs& attrs) override;

    // "LightingPower": the use's W/m² times the room's floor area (Area when IsLWInputArea is 1,
    // else Length × Width) goes into the lamp column chosen by the default LightingPowerTo
    // (0 LampPower, 1 concealed, 2 exposed inside, 3 exposed outside) and the other three become 0;
    // any other choice leaves the four unchanged. "LightScheduleName": the schedule.
    // "SimultaneousUseCoefficient": the coefficient. The names are the record columns the fields
    // ask for. Changes only the object.
    void ApplyOccupation(const CRoom& room, const CLIB_RoomOccupation& use, const COccupationFields& fields);

    // Stores the page's columns and then the position of this element's row (found by ID) on the
    // element's data set; hides the generic update on purpose, as the room page and bulk editing
    // write lighting this way. Returns the rows changed: 0 (and no position written) when the row
    // is gone or the element has no data set. A failing statement raises
    // "执行数据发生异常:\n%s\n执行的语句:%s".
    int UpdateRecord();
};
