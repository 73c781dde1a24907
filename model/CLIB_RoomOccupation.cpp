#include "model/CLIB_RoomOccupation.h"

#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

void CLIB_RoomOccupation::LoadById(int id)
{
    // -1 stands for "no record": it is never looked up, so no stale row of the data set is taken.
    const int count =
        DataSet && id != -1
            ? CTool::OpenQuery(*DataSet,
                               {QStringLiteral(" select * from RoomOccupation where ID = ? "), {id}})
            : 0;
    if (count <= 0)
        throw Exception(QStringLiteral("材料[ID:%1]不存在，请重新指定材料").arg(id));
    DataSet->First();
    ReadFields();
}

void CLIB_RoomOccupation::ReadFields()
{
    const CDbQuery& q = *DataSet;
    auto real = [&q](const char* name) { return q.AsDouble(QLatin1String(name)); };
    auto integer = [&q](const char* name) { return q.AsInt(QLatin1String(name)); };
    auto text = [&q](const char* name) { return q.AsString(QLatin1String(name)); };

    Name = text("Name");
    SummerACTemperature = real("SummerACTemperature");
    WinterACTemperature = real("WinterACTemperature");
    WinterHeatingTemperature = real("WinterHeatingTemperature");
    TemperatureVariation = real("TemperatureVariation");
    TemperatureVariation_Heating = real("TemperatureVariation_Heating");
    SummerACRH = real("SummerACRH");
    WinterACRH = real("WinterACRH");
    WinterHeatingRH = real("WinterHeatingRH");
    RHVariation = real("RHVariation");
    RHVariation_Heating = real("RHVariation_Heating");
    PeopleDensity = real("PeopleDensity");
    LightingPower = real("LightingPower");
    Noise = real("Noise");
    OutsideAirSupply = real("OutsideAirSupply");
    MaximumAirVelocity = real("MaximumAirVelocity");
    TotalCoolIndex = real("TotalCoolIndex");
    TotalHeatIndex = real("TotalHeatIndex");
    EnclosureCoolIndex = real("EnclosureCoolIndex");
    EnclosureHeatIndex = real("EnclosureHeatIndex");
    PeopleCoolIndex = real("PeopleCoolIndex");
    PeopleHeatIndex = real("PeopleHeatIndex");
    OutsideAirCoolIndex = real("OutsideAirCoolIndex");
    OutsideAirHeatIndex = real("OutsideAirHeatIndex");
    OthersCoolIndex = real("OthersCoolIndex");
    PthersHeatIndex = real("PthersHeatIndex");
    LaborType = integer("LaborType");
    NewWindScheduleName = text("NewWindScheduleName");
    PeopleScheduleName = text("PeopleScheduleName");
    LightScheduleName = text("LightScheduleName");
    ElectricEquipmentScheduleName = text("ElectricEquipmentScheduleName");
    HeatingEquipmentScheduleName = text("HeatingEquipmentScheduleName");
    ElectronicEquipmentScheduleName = text("ElectronicEquipmentScheduleName");
    LightPower = real("LightPower");
    ElectricEquipmentPower = real("ElectricEquipmentPower");
    HeatingEquipmentPower = real("HeatingEquipmentPower");
    ElectronicEquipmentPower = real("ElectronicEquipmentPower");
    ElectricUseCoefficient = real("ElectricUseCoefficient");
    HeatingUseCoefficient = real("HeatingUseCoefficient");
    ElectronicUseCoefficient = real("ElectronicUseCoefficient");
    Fan_Time = text("Fan_Time");
    Chemistry_Time = text("Chemistry_Time");
    Maintenance_Time = text("Maintenance_Time");
    ElecUnit = integer("ElecUnit");
    ElecPowerUnit = integer("ElecPowerUnit");
    ElecHeatUnit = integer("ElecHeatUnit");
    NewWindUnit = integer("NewWindUnit");
    PeopleDensityUnit = integer("PeopleDensityUnit");
    SimultaneousUseCoefficient = real("SimultaneousUseCoefficient");
    FoodPeopleDensity = real("FoodPeopleDensity");
}
