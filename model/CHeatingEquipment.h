#pragma once
#include "model/CLoadElement.h"

class CLIB_RoomOccupation;
class COccupationFields;

// Electric heating equipment of a room (type 6, table HeatingEquipment).
class CHeatingEquipment : public CLoadElement
{
public:
    CHeatingEquipment() : CLoadElement(6) {}

    int TypeP = 0; // unit of Power: 0 total W, non-zero W per m² of floor
    double Power = 0;
    double SimultaneousUseCoefficient = 0;
    double UsageCoefficient = 0;
    double LoadCoefficient = 0;
    double VentilationCoefficient = 0;
    double HumidityLoad = 0; // g/h

    // Coefficients 1.0, 0.8, 0.5, 1.0; with a room above, power, unit, coefficient and schedule of
    // the room's use, else no power and the default schedule. Status 1.
    bool SetDefaults() override;
    void ExchangeAttrs(CEleAttrs& attrs) override;

    // Schedule ("HeatingEquipmentScheduleName"), Power and TypeP ("HeatingEquipmentPower"),
    // coefficient ("HeatingUseCoefficient"), as the fields ask. Changes only the object.
    void ApplyOccupation(const CRoom& room, const CLIB_RoomOccupation& use, const COccupationFields& fields);

    // Power × area when TypeP is non-zero, else Power.
    double GetPower(float area) const;
};
