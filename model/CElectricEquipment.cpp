#include "model/CElectricEquipment.h"

#include "model/CEleAttrs.h"
#include "model/CLIB_RoomOccupation.h"
#include "model/COccupationFields.h"
#include "model/CRoom.h"

bool CElectricEquipment::SetDefaults()
{
    Name.clear();
    Coord.Clear();
    TypeP = 0;
    Power = 0;
    EquipmentLocation = 0;
    SimultaneousUseCoefficient = 1.0;
    ElectromotorEfficient = 0.8;
    HumidityLoad = 0;
    LoadMultiple_Move = 0.5;
    InputPowerMultiple_Move = 0.8;
    InputPowerCoefficient = 0.25;
    if (CRoom* room = Room()) {
        ApplyOccupation(*room, room->GetOccupation(), COccupationFields());
    } else {
        ScheduleName = DefaultScheduleName(QStringLiteral("ScheduleName_ElectricEquipment"));
        Power = 0;
    }
    Status = 1;
    return true;
}

void CElectricEquipment::ExchangeAttrs(CEleAttrs& attrs)
{
    CLoadElement::ExchangeAttrs(attrs);
    EleAttrsExchangeInt(attrs, QStringLiteral("TypeP"), TypeP);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Power"), Power);
    EleAttrsExchangeInt(attrs, QStringLiteral("EquipmentLocation"), EquipmentLocation);
    EleAttrsExchangeDouble(attrs, QStringLiteral("SimultaneousUseCoefficient"), SimultaneousUseCoefficient);
    EleAttrsExchangeDouble(attrs, QStringLiteral("ElectromotorEfficient"), ElectromotorEfficient);
    EleAttrsExchangeDouble(attrs, QStringLiteral("HumidityLoad"), HumidityLoad);
    EleAttrsExchangeString(attrs, QStringLiteral("ScheduleName"), ScheduleName);
    EleAttrsExchangeDouble(attrs, QStringLiteral("LoadMultiple_Move"), LoadMultiple_Move);
    EleAttrsExchangeDouble(attrs, QStringLiteral("InputPowerMultiple_Move"), InputPowerMultiple_Move);
    EleAttrsExchangeDouble(attrs, QStringLiteral("InputPowerCoefficient"), InputPowerCoefficient);
}

void CElectricEquipment::ApplyOccupation(const CRoom&, const CLIB_RoomOccupation& use, const COccupationFields& fields)
{
    if (fields.Has(QStringLiteral("ElectricEquipmentScheduleName")))
        ScheduleName = use.ElectricEquipmentScheduleName;
    if (fields.Has(QStringLiteral("ElectricEquipmentPower")))
        Power = use.ElectricEquipmentPower;
    if (fields.Has(QStringLiteral("ElectricUseCoefficient")))
        SimultaneousUseCoefficient = use.ElectricUseCoefficient;
    // The unit goes with the power: a power in W/m² read as W (or back) would be plainly wrong.
    if (fields.Has(QStringLiteral("ElectricEquipmentPower")))
        TypeP = use.ElecPowerUnit;
}

double CElectricEquipment::GetPower(float area) const
{
    return TypeP != 0 ? Power * area : Power;
}
