#pragma once
#include "model/CLoadElement.h"

class CLIB_RoomOccupation;
class COccupationFields;

// Electronic equipment of a room (type 7, table ElectronicEquipment). HeatReleaseUnit and the
// second coefficient set are stored for the page and the calculation, which give them meaning.
class CElectronicEquipment : public CLoadElement
{
public:
    CElectronicEquipment() : CLoadElement(7) {}

    int TypeP = 0; // unit of Power: 0 total W, non-zero W per m² of floor
    double Power = 0;
    double SimultaneousUseCoefficient = 0;
    double UsageCoefficient = 0;
    double LoadCoefficient = 0;
    double HeatRelease = 0; // load entered directly
    int HeatReleaseUnit = 0;
    int EleCatMethod = 0;    // 0 as heating equipment, 1 as motor equipment, 2 direct load, 3 office
    double PowerDensity = 0; // W/m²
    double NormalSimUseCoefficient = 0;
    double NormalUsageCoefficient = 0;
    double NormalLoadCoefficient = 0;

    // Coefficients 1.0, 0.8, 0.5 (both sets), nothing entered directly; with a room above, power,
    // unit, coefficient and schedule of the room's use, else no power and the default schedule.
    // Status 1.
    bool SetDefaults() override;
    void ExchangeAttrs(CEleAttrs& attrs) override;

    // Schedule ("ElectronicEquipmentScheduleName"), Power and TypeP ("ElectronicEquipmentPower"),
    // coefficient ("ElectronicUseCoefficient"), as the fields ask. Changes only the object.
    void ApplyOccupation(const CRoom& room, const CLIB_RoomOccupation& use, const COccupationFields& fields);

    // Power × area when TypeP is non-zero, else Power.
    double GetPower(float area) const;
};
