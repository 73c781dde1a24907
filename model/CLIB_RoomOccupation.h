#pragma once
#include <QString>

class CDbQuery;

// One record of the room-use library (table RoomOccupation): the indoor design conditions,
// occupancy, equipment, load indexes and schedule names a room takes over. Members are named after
// their columns and read in column order after Name; texts start empty, numbers at 0.
class CLIB_RoomOccupation
{
public:
    QString Name;
    CDbQuery* DataSet = nullptr; // not owned

    double SummerACTemperature = 0;      // ℃
    double WinterACTemperature = 0;      // ℃
    double WinterHeatingTemperature = 0; // ℃
    double TemperatureVariation = 0;     // ℃
    double TemperatureVariation_Heating = 0;
    double SummerACRH = 0; // %
    double WinterACRH = 0;
    double WinterHeatingRH = 0;
    double RHVariation = 0;
    double RHVariation_Heating = 0;
    double PeopleDensity = 0;      // unit by PeopleDensityUnit
    double LightingPower = 0;      // W/m²
    double Noise = 0;              // dB(A)
    double OutsideAirSupply = 0;   // unit by NewWindUnit
    double MaximumAirVelocity = 0; // m/s
    double TotalCoolIndex = 0;     // W/m², as the other indexes
    double TotalHeatIndex = 0;
    double EnclosureCoolIndex = 0;
    double EnclosureHeatIndex = 0;
    double PeopleCoolIndex = 0;
    double PeopleHeatIndex = 0;
    double OutsideAirCoolIndex = 0;
    double OutsideAirHeatIndex = 0;
    double OthersCoolIndex = 0;
    double PthersHeatIndex = 0; // spelled so in the table
    int LaborType = 0;          // 0 静坐 .. 4 重劳动
    QString NewWindScheduleName;
    QString PeopleScheduleName;
    QString LightScheduleName;
    QString ElectricEquipmentScheduleName;
    QString HeatingEquipmentScheduleName;
    QString ElectronicEquipmentScheduleName;
    double LightPower = 0;               // W
    double ElectricEquipmentPower = 0;   // unit by ElecPowerUnit
    double HeatingEquipmentPower = 0;    // unit by ElecHeatUnit
    double ElectronicEquipmentPower = 0; // unit by ElecUnit
    double ElectricUseCoefficient = 0;
    double HeatingUseCoefficient = 0;
    double ElectronicUseCoefficient = 0;
    QString Fan_Time;
    QString Chemistry_Time;
    QString Maintenance_Time;
    int ElecUnit = 0; // 0 W, 1 W/m²
    int ElecPowerUnit = 0;
    int ElecHeatUnit = 0;
    int NewWindUnit = 0;       // 0 m³/p.h, 1 m³/h.m², 2 m³/h
    int PeopleDensityUnit = 0; // 0 人/m², 1 m²/人, 2 人
    double SimultaneousUseCoefficient = 0;
    double FoodPeopleDensity = 0; // persons/m²

    // Reads the record with the ID from table RoomOccupation through DataSet. No such row (also for
    // ID -1, and after a failed select, which CTool has shown) raises
    // "材料[ID:%d]不存在，请重新指定材料"; a missing column raises as well.
    void LoadById(int id);
    // Name and every member from the current row of DataSet; null texts read as empty.
    void ReadFields();
};
