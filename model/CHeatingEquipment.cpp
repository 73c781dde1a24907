#include "model/CHeatingEquipment.h"

#include "model/CEleAttrs.h"
#include "model/CLIB_RoomOccupation.h"
#include "model/CRoom.h"

bool CHeatingEquipment::SetDefaults()
{
    Name.clear();
    Coord.Clear();
    TypeP = 0;
    Power = 0;
    SimultaneousUseCoefficient = 1.0;
    UsageCoefficient = 0.8;
    LoadCoefficient = 0.5;
    VentilationCoefficient = 1.0;
    HumidityLoad = 0;
    if (CRoom* room = Room()) {
        ApplyOccupation(*room, room->GetOccupation(), QString());
    } else {
        ScheduleName = DefaultScheduleName(QStringLiteral("ScheduleName_HeatingEquipment"));
        Power = 0;
    }
    Status = 1;
    return true;
}

void CHeatingEquipment::ExchangeAttrs(CEleAttrs& attrs)
{
    CLoadElement::ExchangeAttrs(attrs);
    EleAttrsExchangeInt(attrs, QStringLiteral("TypeP"), TypeP);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Power"), Power);
    EleAttrsExchangeDouble(attrs, QStringLiteral("SimultaneousUseCoefficient"), SimultaneousUseCoefficient);
    EleAttrsExchangeDouble(attrs, QStringLiteral("UsageCoefficient"), UsageCoefficient);
    EleAttrsExchangeDouble(attrs, QStringLiteral("LoadCoefficient"), LoadCoefficient);
    EleAttrsExchangeDouble(attrs, QStringLiteral("VentilationCoefficient"), VentilationCoefficient);
    EleAttrsExchangeDouble(attrs, QStringLiteral("HumidityLoad"), HumidityLoad);
    EleAttrsExchangeString(attrs, QStringLiteral("ScheduleName"), ScheduleName);
}

void CHeatingEquipment::ApplyOccupation(const CRoom&, const CLIB_RoomOccupation& use, const QString& filter)
{
    if (Applies(filter, QStringLiteral("HeatingEquipmentScheduleName")))
        ScheduleName = use.HeatingEquipmentScheduleName;
    if (Applies(filter, QStringLiteral("HeatingEquipmentPower")))
        Power = use.HeatingEquipmentPower;
    if (Applies(filter, QStringLiteral("SimultaneousUseCoefficient")))
        SimultaneousUseCoefficient = use.HeatingUseCoefficient;
    if (Applies(filter, QStringLiteral("HeatingEquipmentPower")))
        TypeP = use.ElecHeatUnit;
}

double CHeatingEquipment::GetPower(float area) const
{
    return TypeP != 0 ? Power * area : Power;
}
