#pragma once
#include "model/CLoadElement.h"

class CLIB_RoomOccupation;
class COccupationFields;

// Electric motor equipment of a room (type 8, table ElectricEquipment).
class CElectricEquipment : public CLoadElement
{
public:
    CElectricEquipment() : CLoadElement(8) {}

    int EquipmentLocation = 0; // 0 motor and machine in the room, 1 motor only, 2 machine only
    int TypeP = 0;             // unit of Power: 0 total W, non-zero W per m² of floor
    double Power = 0;
    double SimultaneousUseCoefficient = 0;
    double ElectromotorEfficient = 0;
    double HumidityLoad = 0; // g/h
    double InputPowerCoefficient = 0;
    double LoadMultiple_Move = 0;       // load coefficient
    double InputPowerMultiple_Move = 0; // usage coefficient

    // Coefficient 1.0, efficiency 0.8, load 0.5, usage 0.8, input power 0.25; with a room above,
    // power, unit, coefficient and schedule of the room's use, else no power and the default
    // schedule. Status 1.
    bool SetDefaults() override;
    void ExchangeAttrs(CEleAttrs& attrs) override;

    // Schedule ("ElectricEquipmentScheduleName"), Power and TypeP ("ElectricEquipmentPower"),
    // coefficient ("ElectricUseCoefficient"), as the fields ask. Changes only the object.
    void ApplyOccupation(const CRoom& room, const CLIB_RoomOccupation& use, const COccupationFields& fields);

    // Power × area when TypeP is non-zero, else Power.
    double GetPower(float area) const;
};
