#include "model/CLIB_RoomOccupation.h"

#include "platform/core/Exception.h"

void CLIB_RoomOccupation::LoadById(int id)
{
    // -1 stands for "no record": it is never looked up, so no stale row of the data set is taken.
    if (!DataSet || id == -1)
        throw Exception(QStringLiteral("材料[ID:%1]不存在，请重新指定材料").arg(id));
    OpenById(TableName(), id);
    ReadFields();
}

void CLIB_RoomOccupation::ReadFields()
{
    ReadColumns();
}

void CLIB_RoomOccupation::AddColumns(CColumns& columns)
{
    CLIB_OccupationBase::AddColumns(columns);
    columns.insert(columns.end(), {{"NewWindScheduleName", &NewWindScheduleName},
                                   {"PeopleScheduleName", &PeopleScheduleName},
                                   {"LightScheduleName", &LightScheduleName},
                                   {"ElectricEquipmentScheduleName", &ElectricEquipmentScheduleName},
                                   {"HeatingEquipmentScheduleName", &HeatingEquipmentScheduleName},
                                   {"ElectronicEquipmentScheduleName", &ElectronicEquipmentScheduleName},
                                   {"LightPower", &LightPower},
                                   {"ElectricEquipmentPower", &ElectricEquipmentPower},
                                   {"HeatingEquipmentPower", &HeatingEquipmentPower},
                                   {"ElectronicEquipmentPower", &ElectronicEquipmentPower},
                                   {"ElectricUseCoefficient", &ElectricUseCoefficient},
                                   {"HeatingUseCoefficient", &HeatingUseCoefficient},
                                   {"ElectronicUseCoefficient", &ElectronicUseCoefficient},
                                   {"Fan_Time", &Fan_Time},
                                   {"Chemistry_Time", &Chemistry_Time},
                                   {"Maintenance_Time", &Maintenance_Time},
                                   {"ElecUnit", &ElecUnit},
                                   {"ElecPowerUnit", &ElecPowerUnit},
                                   {"ElecHeatUnit", &ElecHeatUnit},
                                   {"NewWindUnit", &NewWindUnit},
                                   {"PeopleDensityUnit", &PeopleDensityUnit},
                                   {"SimultaneousUseCoefficient", &SimultaneousUseCoefficient},
                                   {"FoodPeopleDensity", &FoodPeopleDensity}});
}
