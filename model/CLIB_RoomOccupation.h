#pragma once
#include "model/CLIB_OccupationBase.h"

// One record of the room-use library (table RoomOccupation): the indoor design conditions,
// occupancy, equipment, load indexes and schedule names a room takes over. Members are named after
// their columns and read in column order after Name (the shared use columns first); texts start
// empty, numbers at 0. Load and Save as every library record.
class CLIB_RoomOccupation : public CLIB_OccupationBase
{
public:
    static constexpr int Kind = 16;
    CLIB_RoomOccupation() : CLIB_OccupationBase(Kind) {}

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

protected:
    void AddColumns(CColumns& columns) override;
};
