#include "model/CHeatingEquipment.h"

#include "model/CEleAttrs.h"
#include "model/CLIB_RoomOccupation.h"
#include "model/COccupationFields.h"
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
        ApplyOccupation(*room, room->GetOccupation(), COccupationFields());
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

void CHeatingEquipment::ApplyOccupation(const CRoom&, const CLIB_RoomOccupation& use, const COccupationFields& fields)
{
    if (fields.Has(QStringLiteral("HeatingEquipmentScheduleName")))
        ScheduleName = use.HeatingEquipmentScheduleName;
    if (fields.Has(QStringLiteral("HeatingEquipmentPower")))
        Power = use.HeatingEquipmentPower;
    if (fields.Has(QStringLiteral("HeatingUseCoefficient")))
        SimultaneousUseCoefficient = use.HeatingUseCoefficient;
    if (fields.Has(QStringLiteral("HeatingEquipmentPower")))
        TypeP = use.ElecHeatUnit;
}

double CHeatingEquipment::GetPower(float area) const
{
    return TypeP != 0 ? Power * area : Power;
}
