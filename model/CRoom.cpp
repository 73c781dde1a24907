#include "model/CRoom.h"

#include "model/CDefaultValue.h"
#include "model/CEleAttrs.h"
#include "model/CElectricEquipment.h"
#include "model/CElectronicEquipment.h"
#include "model/CFood.h"
#include "model/CHeatingEquipment.h"
#include "model/CLIB_RoomOccupation.h"
#include "model/CLighting.h"
#include "model/COccupationFields.h"
#include "model/CPeople.h"
#include "model/CRoomOccupationCache.h"
#include "model/CStorey.h"

namespace {
// Hands the room's use to a load element of the types that take one; false for any other element.
bool ApplyToLoad(CElementBase& element, const CRoom& room, const CLIB_RoomOccupation& use,
                 const COccupationFields& fields)
{
    if (auto* e = dynamic_cast<CPeople*>(&element))
        e->ApplyOccupation(room, use, fields);
    else if (auto* e = dynamic_cast<CLighting*>(&element))
        e->ApplyOccupation(room, use, fields);
    else if (auto* e = dynamic_cast<CHeatingEquipment*>(&element))
        e->ApplyOccupation(room, use, fields);
    else if (auto* e = dynamic_cast<CElectronicEquipment*>(&element))
        e->ApplyOccupation(room, use, fields);
    else if (auto* e = dynamic_cast<CElectricEquipment*>(&element))
        e->ApplyOccupation(room, use, fields);
    else if (auto* e = dynamic_cast<CFood*>(&element))
        e->ApplyOccupation(room, use, fields);
    else
        return false;
    return true;
}
} // namespace

bool CRoom::SetDefaults()
{
    Name.clear();
    ACRoomQuantity = 1;
    HLRoomQuantity = 1;
    PrimaryAirSystemName.clear();
    OutsideAirSystemName.clear();
    IsLWInputArea = 0;
    Length = Width = Area = 0;
    ACHRoomQuantity = 1;
    InputTypeofPeopleDensity = 0;
    InputTypeofOutsideAirSupply = 0;

    ApplyOccupation(CDefaultValue::Int(QStringLiteral("RoomUse")), true, COccupationFields());

    RoomType = 1;
    Status = 1;
    BuildingType = 0; // the room category is not the use's kind of work
    PartitionType = 0;
    IsIndustryBuilding = 0;
    IsOutputIndoorParameter = 1;
    IsOutputLoadCalculationParameter = 1;
    IsOutputLoadStatisticsData = 1;
    IsOutputLoadHourlyData = 1;
    TemperatureGradient = 0;
    WinterHeatGainCoefficient = CDefaultValue::Real(QStringLiteral("WinterHeatGainCoefficient"));

    if (const auto* storey =
            Node ? dynamic_cast<const CStorey*>(Node->AncestorElement(CStorey::TypeCode)) : nullptr) {
        IsWinterHeatRebateCoefficient = storey->IsWinterHeatRebateCoefficient;
        IsWinter_Heat_Transfer = storey->IsWinter_Heat_Transfer;
        IsHeating_Flood_Solar = storey->IsHeating_Flood_Solar;
        Height = storey->StoreyHeight;
    } else {
        IsWinterHeatRebateCoefficient = 0;
        IsWinter_Heat_Transfer = 1;
        IsHeating_Flood_Solar = 0;
        Height = 0;
    }

    WinterHeatRebateCoefficient = 1;
    IsFenCengAir = 0;
    FenCengAir = 100;
    WindQuantity = WindPipeTemRise = WindFanTemRise = 0;
    Maintenance_Gain = 0;
    IsHouseholdMetering = 0;
    Is_WinterHeatGainCoefficient = 0;
    NewWind_Type = 0;
    NewWind_Temp_St = SummerACTemperature;
    NewWind_Temp_Wt = WinterACTemperature;
    NewWind_Humidity_Sh = SummerACRH;
    NewWind_Humidity_Wh = WinterACRH;
    bOutputHL = 1;
    HIsOutputLoadStatisticsData = 1;
    HIsOutputLoadHourlyData = 1;
    return true;
}

void CRoom::GetCoordinates(double& x, double& y, double& z, double& x0, double& y0, double& z0) const
{
    Coord.Get(x, y, z, x0, y0, z0);
}

void CRoom::ExchangeAttrs(CEleAttrs& attrs)
{
    CElementBase::ExchangeAttrs(attrs);
    Coord.Exchange(attrs);
    EleAttrsExchangeInt(attrs, QStringLiteral("ACRoomQuantity"), ACRoomQuantity);
    EleAttrsExchangeInt(attrs, QStringLiteral("HLRoomQuantity"), HLRoomQuantity);
    EleAttrsExchangeString(attrs, QStringLiteral("PrimaryAirSystemName"), PrimaryAirSystemName);
    EleAttrsExchangeString(attrs, QStringLiteral("OutsideAirSystemName"), OutsideAirSystemName);
    EleAttrsExchangeString(attrs, QStringLiteral("ScheduleName"), ScheduleName);
    EleAttrsExchangeInt(attrs, QStringLiteral("IsOutputIndoorParameter"), IsOutputIndoorParameter);
    EleAttrsExchangeInt(attrs, QStringLiteral("IsOutputLoadCalculationParameter"),
                        IsOutputLoadCalculationParameter);
    EleAttrsExchangeInt(attrs, QStringLiteral("IsOutputLoadStatisticsData"), IsOutputLoadStatisticsData);
    EleAttrsExchangeInt(attrs, QStringLiteral("IsOutputLoadHourlyData"), IsOutputLoadHourlyData);
    EleAttrsExchangeInt(attrs, QStringLiteral("IsLWInputArea"), IsLWInputArea);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Length"), Length);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Width"), Width);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Area"), Area);
    EleAttrsExchangeIntText(attrs, QStringLiteral("RoomUse"), RoomUse);
    EleAttrsExchangeInt(attrs, QStringLiteral("RoomType"), RoomType);
    EleAttrsExchangeDouble(attrs, QStringLiteral("SummerACTemperature"), SummerACTemperature);
    EleAttrsExchangeDouble(attrs, QStringLiteral("WinterACTemperature"), WinterACTemperature);
    EleAttrsExchangeDouble(attrs, QStringLiteral("WinterHeatingTemperature"), WinterHeatingTemperature);
    EleAttrsExchangeDouble(attrs, QStringLiteral("TemperatureVariation"), TemperatureVariation);
    EleAttrsExchangeDouble(attrs, QStringLiteral("TemperatureVariation_Heating"),
                           TemperatureVariation_Heating);
    EleAttrsExchangeDouble(attrs, QStringLiteral("SummerACRH"), SummerACRH);
    EleAttrsExchangeDouble(attrs, QStringLiteral("WinterACRH"), WinterACRH);
    EleAttrsExchangeDouble(attrs, QStringLiteral("WinterHeatingRH"), WinterHeatingRH);
    EleAttrsExchangeDouble(attrs, QStringLiteral("RHVariation"), RHVariation);
    EleAttrsExchangeDouble(attrs, QStringLiteral("RHVariation_Heating"), RHVariation_Heating);
    EleAttrsExchangeInt(attrs, QStringLiteral("InputTypeofPeopleDensity"), InputTypeofPeopleDensity);
    EleAttrsExchangeDouble(attrs, QStringLiteral("PeopleDensity"), PeopleDensity);
    EleAttrsExchangeDouble(attrs, QStringLiteral("LightingPower"), LightingPower);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Noise"), Noise);
    EleAttrsExchangeInt(attrs, QStringLiteral("InputTypeofOutsideAirSupply"), InputTypeofOutsideAirSupply);
    EleAttrsExchangeDouble(attrs, QStringLiteral("OutsideAirSupply"), OutsideAirSupply);
    EleAttrsExchangeDouble(attrs, QStringLiteral("MaximumAirVelocity"), MaximumAirVelocity);
    EleAttrsExchangeDouble(attrs, QStringLiteral("TotalCoolIndex"), TotalCoolIndex);
    EleAttrsExchangeDouble(attrs, QStringLiteral("TotalHeatIndex"), TotalHeatIndex);
    EleAttrsExchangeDouble(attrs, QStringLiteral("EnclosureCoolIndex"), EnclosureCoolIndex);
    EleAttrsExchangeDouble(attrs, QStringLiteral("EnclosureHeatIndex"), EnclosureHeatIndex);
    EleAttrsExchangeDouble(attrs, QStringLiteral("PeopleCoolIndex"), PeopleCoolIndex);
    EleAttrsExchangeDouble(attrs, QStringLiteral("PeopleHeatIndex"), PeopleHeatIndex);
    EleAttrsExchangeDouble(attrs, QStringLiteral("OutsideAirCoolIndex"), OutsideAirCoolIndex);
    EleAttrsExchangeDouble(attrs, QStringLiteral("OutsideAirHeatIndex"), OutsideAirHeatIndex);
    EleAttrsExchangeDouble(attrs, QStringLiteral("OthersCoolIndex"), OthersCoolIndex);
    EleAttrsExchangeDouble(attrs, QStringLiteral("PthersHeatIndex"), PthersHeatIndex);
    EleAttrsExchangeInt(attrs, QStringLiteral("BuildingType"), BuildingType);
    EleAttrsExchangeInt(attrs, QStringLiteral("PartitionType"), PartitionType);
    EleAttrsExchangeInt(attrs, QStringLiteral("IsIndustryBuilding"), IsIndustryBuilding);
    EleAttrsExchangeDouble(attrs, QStringLiteral("TemperatureGradient"), TemperatureGradient);
    EleAttrsExchangeDouble(attrs, QStringLiteral("WinterHeatRebateCoefficient"), WinterHeatRebateCoefficient);
    EleAttrsExchangeInt(attrs, QStringLiteral("IsWinterHeatRebateCoefficient"),
                        IsWinterHeatRebateCoefficient);
    EleAttrsExchangeInt(attrs, QStringLiteral("IsWinter_Heat_Transfer"), IsWinter_Heat_Transfer);
    EleAttrsExchangeInt(attrs, QStringLiteral("IsHeating_Flood_Solar"), IsHeating_Flood_Solar);
    EleAttrsExchangeDouble(attrs, QStringLiteral("WinterHeatGainCoefficient"), WinterHeatGainCoefficient);
    EleAttrsExchangeDouble(attrs, QStringLiteral("WindQuantity"), WindQuantity);
    EleAttrsExchangeDouble(attrs, QStringLiteral("WindFanTemRise"), WindFanTemRise);
    EleAttrsExchangeDouble(attrs, QStringLiteral("WindPipeTemRise"), WindPipeTemRise);
    EleAttrsExchangeString(attrs, QStringLiteral("Fan_Time"), Fan_Time);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Maintenance_Gain"), Maintenance_Gain);
    EleAttrsExchangeString(attrs, QStringLiteral("Maintenance_Time"), Maintenance_Time);
    EleAttrsExchangeInt(attrs, QStringLiteral("IsFenCengAir"), IsFenCengAir);
    EleAttrsExchangeDouble(attrs, QStringLiteral("FenCengAir"), FenCengAir);
    EleAttrsExchangeString(attrs, QStringLiteral("Comfort"), Comfort);
    EleAttrsExchangeInt(attrs, QStringLiteral("IsHouseholdMetering"), IsHouseholdMetering);
    EleAttrsExchangeInt(attrs, QStringLiteral("Is_WinterHeatGainCoefficient"), Is_WinterHeatGainCoefficient);
    EleAttrsExchangeInt(attrs, QStringLiteral("NewWind_Type"), NewWind_Type);
    EleAttrsExchangeDouble(attrs, QStringLiteral("NewWind_Temp_St"), NewWind_Temp_St);
    EleAttrsExchangeDouble(attrs, QStringLiteral("NewWind_Temp_Wt"), NewWind_Temp_Wt);
    EleAttrsExchangeDouble(attrs, QStringLiteral("NewWind_Humidity_Sh"), NewWind_Humidity_Sh);
    EleAttrsExchangeDouble(attrs, QStringLiteral("NewWind_Humidity_Wh"), NewWind_Humidity_Wh);
    EleAttrsExchangeInt(attrs, QStringLiteral("bOutputHL"), bOutputHL);
    EleAttrsExchangeInt(attrs, QStringLiteral("HIsOutputLoadStatisticsData"), HIsOutputLoadStatisticsData);
    EleAttrsExchangeInt(attrs, QStringLiteral("HIsOutputLoadHourlyData"), HIsOutputLoadHourlyData);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Height"), Height);
    EleAttrsExchangeInt(attrs, QStringLiteral("ACHRoomQuantity"), ACHRoomQuantity);
}

CLIB_RoomOccupation& CRoom::GetOccupation() const
{
    return GetRoomOccupation(RoomUse);
}

bool CRoom::ApplyOccupation(int roomUseId, bool roomOnly, const COccupationFields& fields)
{
    RoomUse = roomUseId;
    const CLIB_RoomOccupation& use = GetRoomOccupation(roomUseId);

    struct RealField
    {
        const char* name;
        double CRoom::*room;
        double CLIB_RoomOccupation::*use;
    };
    static const RealField reals[] = {
        {"SummerACTemperature", &CRoom::SummerACTemperature, &CLIB_RoomOccupation::SummerACTemperature},
        {"WinterACTemperature", &CRoom::WinterACTemperature, &CLIB_RoomOccupation::WinterACTemperature},
        {"WinterHeatingTemperature", &CRoom::WinterHeatingTemperature,
         &CLIB_RoomOccupation::WinterHeatingTemperature},
        {"TemperatureVariation", &CRoom::TemperatureVariation, &CLIB_RoomOccupation::TemperatureVariation},
        {"TemperatureVariation_Heating", &CRoom::TemperatureVariation_Heating,
         &CLIB_RoomOccupation::TemperatureVariation_Heating},
        {"SummerACRH", &CRoom::SummerACRH, &CLIB_RoomOccupation::SummerACRH},
        {"WinterACRH", &CRoom::WinterACRH, &CLIB_RoomOccupation::WinterACRH},
        {"WinterHeatingRH", &CRoom::WinterHeatingRH, &CLIB_RoomOccupation::WinterHeatingRH},
        {"RHVariation", &CRoom::RHVariation, &CLIB_RoomOccupation::RHVariation},
        {"RHVariation_Heating", &CRoom::RHVariation_Heating, &CLIB_RoomOccupation::RHVariation_Heating},
        {"PeopleDensity", &CRoom::PeopleDensity, &CLIB_RoomOccupation::PeopleDensity},
        {"LightingPower", &CRoom::LightingPower, &CLIB_RoomOccupation::LightingPower},
        {"Noise", &CRoom::Noise, &CLIB_RoomOccupation::Noise},
        {"OutsideAirSupply", &CRoom::OutsideAirSupply, &CLIB_RoomOccupation::OutsideAirSupply},
        {"MaximumAirVelocity", &CRoom::MaximumAirVelocity, &CLIB_RoomOccupation::MaximumAirVelocity},
        {"TotalCoolIndex", &CRoom::TotalCoolIndex, &CLIB_RoomOccupation::TotalCoolIndex},
        {"TotalHeatIndex", &CRoom::TotalHeatIndex, &CLIB_RoomOccupation::TotalHeatIndex},
        {"EnclosureCoolIndex", &CRoom::EnclosureCoolIndex, &CLIB_RoomOccupation::EnclosureCoolIndex},
        {"EnclosureHeatIndex", &CRoom::EnclosureHeatIndex, &CLIB_RoomOccupation::EnclosureHeatIndex},
        {"PeopleCoolIndex", &CRoom::PeopleCoolIndex, &CLIB_RoomOccupation::PeopleCoolIndex},
        {"PeopleHeatIndex", &CRoom::PeopleHeatIndex, &CLIB_RoomOccupation::PeopleHeatIndex},
        {"OutsideAirCoolIndex", &CRoom::OutsideAirCoolIndex, &CLIB_RoomOccupation::OutsideAirCoolIndex},
        {"OutsideAirHeatIndex", &CRoom::OutsideAirHeatIndex, &CLIB_RoomOccupation::OutsideAirHeatIndex},
        {"OthersCoolIndex", &CRoom::OthersCoolIndex, &CLIB_RoomOccupation::OthersCoolIndex},
        {"PthersHeatIndex", &CRoom::PthersHeatIndex, &CLIB_RoomOccupation::PthersHeatIndex},
    };
    for (const RealField& field : reals)
        if (fields.Has(QLatin1String(field.name)))
            this->*field.room = use.*field.use;
    if (fields.Has(QStringLiteral("NewWindScheduleName")))
        ScheduleName = use.NewWindScheduleName;
    // The use's kind of work is the people's; the room category takes it only with the whole record.
    if (fields.IsAll())
        BuildingType = use.LaborType;
    // A density or supply without its unit would be read in the room's old unit.
    if (fields.Has(QStringLiteral("PeopleDensity")))
        InputTypeofPeopleDensity = use.PeopleDensityUnit;
    if (fields.Has(QStringLiteral("OutsideAirSupply")))
        InputTypeofOutsideAirSupply = use.NewWindUnit;
    if (fields.Has(QStringLiteral("Fan_Time")))
        Fan_Time = use.Fan_Time;
    if (fields.Has(QStringLiteral("Maintenance_Time")))
        Maintenance_Time = use.Maintenance_Time;

    bool written = true;
    if (Node && !roomOnly) {
        // Selected by type, not by state: disabled loads take the use as well.
        for (CElementBase* element : Node->DescendantElements())
            if (element && ApplyToLoad(*element, *this, use, fields) && element->UpdateRecord() != 1)
                written = false;
    }
    return written;
}
