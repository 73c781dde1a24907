#include "model/CElectronicEquipment.h"

#include "model/CEleAttrs.h"
#include "model/CLIB_RoomOccupation.h"
#include "model/COccupationFields.h"
#include "model/CRoom.h"

bool CElectronicEquipment::SetDefaults()
{
    Name.clear();
    Coord.Clear();
    TypeP = 0;
    Power = 0;
    SimultaneousUseCoefficient = 1.0;
    UsageCoefficient = 0.8;
    LoadCoefficient = 0.5;
    HeatRelease = 0;
    HeatReleaseUnit = 0;
    EleCatMethod = 0;
    PowerDensity = 0;
    NormalSimUseCoefficient = 1.0;
    NormalUsageCoefficient = 0.8;
    NormalLoadCoefficient = 0.5;
    if (CRoom* room = Room()) {
        ApplyOccupation(*room, room->GetOccupation(), COccupationFields());
    } else {
        ScheduleName = DefaultScheduleName(QStringLiteral("ScheduleName_ElectronicEquipment"));
        Power = 0;
    }
    Status = 1;
    return true;
}

void CElectronicEquipment::ExchangeAttrs(CEleAttrs& attrs)
{
    CLoadElement::ExchangeAttrs(attrs);
    EleAttrsExchangeInt(attrs, QStringLiteral("TypeP"), TypeP);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Power"), Power);
    EleAttrsExchangeDouble(attrs, QStringLiteral("SimultaneousUseCoefficient"), SimultaneousUseCoefficient);
    EleAttrsExchangeDouble(attrs, QStringLiteral("UsageCoefficient"), UsageCoefficient);
    EleAttrsExchangeDouble(attrs, QStringLiteral("LoadCoefficient"), LoadCoefficient);
    EleAttrsExchangeString(attrs, QStringLiteral("ScheduleName"), ScheduleName);
    EleAttrsExchangeDouble(attrs, QStringLiteral("HeatRelease"), HeatRelease);
    EleAttrsExchangeInt(attrs, QStringLiteral("HeatReleaseUnit"), HeatReleaseUnit);
    EleAttrsExchangeInt(attrs, QStringLiteral("EleCatMethod"), EleCatMethod);
    EleAttrsExchangeDouble(attrs, QStringLiteral("PowerDensity"), PowerDensity);
    EleAttrsExchangeDouble(attrs, QStringLiteral("NormalSimUseCoefficient"), NormalSimUseCoefficient);
    EleAttrsExchangeDouble(attrs, QStringLiteral("NormalUsageCoefficient"), NormalUsageCoefficient);
    EleAttrsExchangeDouble(attrs, QStringLiteral("NormalLoadCoefficient"), NormalLoadCoefficient);
}

void CElectronicEquipment::ApplyOccupation(const CRoom&, const CLIB_RoomOccupation& use,
                                           const COccupationFields& fields)
{
    if (fields.Has(QStringLiteral("ElectronicEquipmentScheduleName")))
        ScheduleName = use.ElectronicEquipmentScheduleName;
    if (fields.Has(QStringLiteral("ElectronicEquipmentPower")))
        Power = use.ElectronicEquipmentPower;
    if (fields.Has(QStringLiteral("ElectronicUseCoefficient")))
        SimultaneousUseCoefficient = use.ElectronicUseCoefficient;
    if (fields.Has(QStringLiteral("ElectronicEquipmentPower")))
        TypeP = use.ElecUnit;
}

double CElectronicEquipment::GetPower(float area) const
{
    return TypeP != 0 ? Power * area : Power;
}
