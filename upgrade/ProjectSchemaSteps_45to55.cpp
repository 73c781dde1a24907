#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "upgrade/CSQLMaker.h"
#include "upgrade/CStandardScheduleFile.h"
#include "upgrade/CTableDefinition.h"
#include "upgrade/CVersionControl.h"
#include "upgrade/ProjectSchemaSteps.h"
#include "upgrade/SchemaStatements.h"

using namespace SchemaStatements;

namespace {
// The column of every row takes the name of the schedule that the default value holds; it stays
// as it is when the default names no schedule.
void SetScheduleFromDefault(CDbQuery& query, int defaultId, const QString& table, const QString& column)
{
    OpenQueryGuarded(query, {"select Name from Schedule where ID = (select cast(I_Value as integer) from "
                             "Initialization where ID = ?)",
                             {defaultId}});
    if (query.Eof())
        return;
    const QString name = query.Field(0).toString();
    ExecQueryGuarded(query, {QStringLiteral("update %1 set %2 = ?").arg(table, column), {name}});
}

// The room column takes the schedule of the room's people, where the room has people.
void SetRoomScheduleFromPeople(CDbQuery& query, const QString& column)
{
    ExecQueryGuarded(query, QStringLiteral("update Room set %1 = ScheduleName").arg(column));
    ExecQueryGuarded(query,
                     QStringLiteral("update Room set %1 = (select b.ScheduleName from People b where "
                                    "b.parent_id = Room.ID order by b.ID limit 1) where exists (select 1 "
                                    "from People b where b.parent_id = Room.ID)")
                         .arg(column));
}

// The adjacent room of a slab: the room of that name in the storey of that name in the slab's own
// building. A slab whose names find no room keeps -1.
void ResolveSlabAdjacentRooms(CDbQuery& query, const QString& table, const QString& storeyColumn)
{
    ExecQueryGuarded(
        query,
        QStringLiteral("update %1 set AdjacentRoomID = coalesce((select c.ID from Room c join Storey s on "
                       "c.parent_id = s.ID where s.Name = %1.%2 and c.Name = %1.AdjacentRoomName and "
                       "s.parent_id = (select st.parent_id from Room r join Storey st on r.parent_id = st.ID "
                       "where r.ID = %1.parent_id) order by c.ID limit 1), AdjacentRoomID) "
                       "where %2 is not null and AdjacentRoomName is not null")
            .arg(table, storeyColumn));
}

} // namespace

namespace ProjectSchemaSteps {
void Step45(CVersionControl& context)
{
    CDbQuery& query = context.Query;
    InsertFanAndChemistryOptions(query);
    for (const char* column : {"WaterYield", "WaterPumpTemRise", "WaterPipeTemRise"})
        AddColumn(query, "Building", column, Real0);
    AddColumn(query, "Building", "Water_Time", Text);
    AddPumpAndChemistryScheduleDefaults(query);
    SetScheduleFromDefault(query, 60, "Building", "Water_Time");
    for (const char* column : {"WindQuantity", "WindPipeTemRise", "WindFanTemRise"})
        AddColumn(query, "Room", column, Real0);
    AddColumn(query, "Room", "Fan_Time", Text);
    const QStringList chemistry{"Chemistry_NoRatio", "Chemistry_Ratio", "Chemistry_Max_Value",
                                "Chemistry_Heat_Value", "Chemistry_Moisure_Gain"};
    for (const QString& column : chemistry)
        AddColumn(query, "Food", column, Real0);
    AddColumn(query, "Food", "Chemistry_Time", Text);
    for (const QString& column : chemistry)
        SetColumn(query, "Food", column, column == QStringLiteral("Chemistry_NoRatio") ? 0.95 : 0.0);
    SetScheduleFromDefault(query, 61, "Food", "Chemistry_Time");
    AddColumn(query, "Room", "Maintenance_Gain", Real0);
    AddColumn(query, "Room", "Maintenance_Time", Text);
    AddColumn(query, "Room", "IsFenCengAir", Int0);
    AddColumn(query, "Room", "FenCengAir", Real0);
    AddColumn(query, "Room", "Comfort", Text);
    for (const char* column : {"Fan_Time", "Chemistry_Time", "Maintenance_Time"})
        AddColumn(query, "RoomOccupation", column, Text);
    for (const char* column : {"WaterYield", "WaterPumpTemRise", "WaterPipeTemRise"})
        SetColumn(query, "Building", column, 0);
    for (const char* column :
         {"WindQuantity", "WindPipeTemRise", "WindFanTemRise", "Maintenance_Gain", "IsFenCengAir"})
        SetColumn(query, "Room", column, 0);
    SetColumn(query, "Room", "FenCengAir", 100);
    SetRoomScheduleFromPeople(query, "Fan_Time");
    SetRoomScheduleFromPeople(query, "Maintenance_Time");
    ExecQueryGuarded(query, "update RoomOccupation set Fan_Time = PeopleScheduleName");
    ExecQueryGuarded(query, "update Food set Chemistry_Time = ScheduleName");
    ExecQueryGuarded(query, "update RoomOccupation set Chemistry_Time = PeopleScheduleName");
    ExecQueryGuarded(query, "update RoomOccupation set Maintenance_Time = PeopleScheduleName");

    const QString people = DefaultScheduleName(DefaultScheduleNames(query), "ScheduleName_People");
    CSQLMaker maker(QStringLiteral("RoomOccupation"));
    maker.AddSQLField(QStringLiteral("Fan_Time"), people, true)
        .AddSQLField(QStringLiteral("Chemistry_Time"), people, true)
        .AddSQLField(QStringLiteral("Maintenance_Time"), people, true);
    ExecQueryGuarded(query, maker.MakeUpdateSQL());
}

void Step46(CVersionControl& context)
{
    InsertChemistryParameterOptions(context.Query);
    AddWindowFactorColumns(context.Query);
}

void Step47(CVersionControl& context)
{
    CDbQuery& query = context.Query;
    InsertOutputOption(query, 653, QStringLiteral("户内采暖设备容量"), 192, PatternB);
    for (const char* column : {"IsHouseholdMetering", "Is_WinterHeatGainCoefficient"})
        AddColumn(query, "Room", column, Int0);
    for (const char* column : {"IsHouseholdMetering", "Is_WinterHeatGainCoefficient"})
        SetColumn(query, "Room", column, 0);
    for (const char* table : {"Ceiling", "Floor"}) {
        AddColumn(query, table, "TransHeat_Between", Int0);
        for (const char* column : {"Temperature_Range", "NearRoomDeltaT_Sum", "NearRoomDeltaT_Win"})
            AddColumn(query, table, column, Real0);
        AddColumn(query, table, "Coefficient_Value", "REAL DEFAULT 1");
        for (const char* column :
             {"TransHeat_Between", "Temperature_Range", "NearRoomDeltaT_Sum", "NearRoomDeltaT_Win"})
            SetColumn(query, table, column, 0);
        SetColumn(query, table, "Coefficient_Value", 1);
    }
    AddColumnSet(query, "InsideWall", "TransHeat_Between", Int0, 0);
    AddColumnSet(query, "Ground", "GroundType", Int0, 0);
    InsertOutputOption(query, 654, QStringLiteral("采暖负荷计算书"), 0, PatternB);
    // An older project's heating loads stay as they were: no intermittent-heating addition.
    CopyDefault(query, 40, 62, QStringLiteral("IntermittentHeating_LoadRate"),
                QStringLiteral("间歇供暖附加负荷率%"), QStringLiteral("0"));
    const QStringList freshAir{"NewWind_Temp_St", "NewWind_Humidity_Sh", "NewWind_Temp_Wt",
                               "NewWind_Humidity_Wh"};
    for (const QString& column : freshAir)
        AddColumn(query, "Room", column, Real0);
    AddColumn(query, "Room", "NewWind_Type", Int0);
    for (const QString& column : freshAir + QStringList{"NewWind_Type"})
        SetColumn(query, "Room", column, 0);
    for (const char* table : {"Room", "Building", "Storey"})
        AddColumnSet(query, table, "bOutputHL", Int1, 1);
}

void Step48(CVersionControl& context)
{
    UpdateAreaTypeAndAddFollowPlanDefault(context.Query);
}

void Step49(CVersionControl& context)
{
    for (const char* table : {"Building", "Storey", "Room"}) {
        AddColumnSet(context.Query, table, "HIsOutputLoadStatisticsData", Int1, 1);
        AddColumnSet(context.Query, table, "HIsOutputLoadHourlyData", Int1, 1);
    }
}

void Step50(CVersionControl& context)
{
    CDbQuery& query = context.Query;
    InsertRegistryRow(query, QStringLiteral("BeOpenLowVersion"), QStringLiteral("51"));
    AddRoomUseUnitColumns(query);
    // Rooms without fresh-air conditions take their design conditions.
    const QList<std::pair<const char*, const char*>> conditions{{"NewWind_Temp_St", "SummerACTemperature"},
                                                                {"NewWind_Temp_Wt", "WinterACTemperature"},
                                                                {"NewWind_Humidity_Sh", "SummerACRH"},
                                                                {"NewWind_Humidity_Wh", "WinterACRH"}};
    for (const auto& [freshAir, design] : conditions)
        ExecQueryGuarded(query, QStringLiteral("update Room set %1 = %2 where %1 = 0").arg(freshAir, design));
}

void Step51(CVersionControl& context)
{
    CDbQuery& query = context.Query;
    AddColumn(query, "Room", "Height", "REAL DEFAULT 3");
    ExecQueryGuarded(
        query, "update Room set Height = (select b.StoreyHeight from Storey b where b.ID = Room.parent_id) "
               "where exists (select 1 from Storey b where b.ID = Room.parent_id)");
    AddColumn(query, "Room", "ACHRoomQuantity", Int1);
    ExecQueryGuarded(query, "update Room set ACHRoomQuantity = ACRoomQuantity");
    AddColumnSet(query, "ElectronicEquipment", "HeatRelease", Real0, 0);
    AddColumnSet(query, "ElectronicEquipment", "HeatReleaseUnit", Int0, 0);
    AddColumnSet(query, "ElectronicEquipment", "EleCatMethod", Int0, 0);
    AddColumnSet(query, "ElectricEquipment", "LoadMultiple_Move", "REAL DEFAULT 0.5", 0.5);
    AddColumnSet(query, "ElectricEquipment", "InputPowerMultiple_Move", "REAL DEFAULT 0.8", 0.8);
    InsertWindowLoadOptions(query);
}

void Step52(CVersionControl& context)
{
    CDbQuery& query = context.Query;
    AddColumnSet(query, "ElectronicEquipment", "PowerDensity", Real0, 0);
    AddColumn(query, "ElectronicEquipment", "NormalSimUseCoefficient", "REAL DEFAULT 0.5");
    ExecQueryGuarded(query,
                     "update ElectronicEquipment set NormalSimUseCoefficient = SimultaneousUseCoefficient");
    AddColumn(query, "ElectronicEquipment", "NormalUsageCoefficient", "REAL DEFAULT 0.8");
    AddColumn(query, "ElectronicEquipment", "NormalLoadCoefficient", "REAL DEFAULT 0.5");
    if (context.NewProject) {
        SetColumn(query, "ElectronicEquipment", "NormalUsageCoefficient", 0.8);
        SetColumn(query, "ElectronicEquipment", "NormalLoadCoefficient", 0.5);
    }
    ExecQueryGuarded(query, "update ElectronicEquipment set NormalUsageCoefficient = UsageCoefficient");
    ExecQueryGuarded(query, "update ElectronicEquipment set NormalLoadCoefficient = LoadCoefficient");
    for (const char* table : {"Ceiling", "Floor", "InsideWall"})
        AddColumnSet(query, table, "AdjacentRoomID", "INTEGER DEFAULT -1", -1);

    ResolveSlabAdjacentRooms(query, QStringLiteral("Ceiling"), QStringLiteral("AdjacentRoomStoreyName"));
    ResolveSlabAdjacentRooms(query, QStringLiteral("Floor"), QStringLiteral("AdjacentRoomStoryName"));
    // The adjacent room of an inside wall is looked up by name in the wall's own storey.
    ExecQueryGuarded(query,
                     "update InsideWall set AdjacentRoomID = coalesce((select c.ID from Room c where "
                     "c.Name = InsideWall.AdjacentRoomName and c.parent_id = (select r.parent_id from Room r "
                     "where r.ID = InsideWall.parent_id) order by c.ID limit 1), AdjacentRoomID)");
}

void Step53(CVersionControl& context)
{
    InsertFullYearPercentDefault(context.Query);
}

void Step55(CVersionControl& context)
{
    CDbQuery& query = context.Query;
    CTableDefinition room = CTableDefinition::Read(query, QStringLiteral("Room"));
    if (room.ColumnType(QStringLiteral("IsFenCengAir"))
            .compare(QStringLiteral("INTEGER"), Qt::CaseInsensitive) != 0) {
        room.SetColumnType(QStringLiteral("IsFenCengAir"), QStringLiteral("INTEGER"));
        room.Rebuild(query);
    }
    for (const char* table : {"Ceiling", "Floor"})
        AddColumnSet(query, table, "bWinter_Heat_Transfer", Int1, 1);
    InsertSkyWindowAndGlassRoofOptions(query);
}
} // namespace ProjectSchemaSteps

void RefreshProjectDatabase(CVersionControl& context)
{
    const int stored = context.StoredVersion;
    if (stored >= 53)
        return;
    CStandardScheduleFile file;
    CDbQuery& query = context.Query;
    if (stored == 47) {
        for (const char* column : {"Inside_Sunshade", "Outside_Sunshade", "Glass_Revise"})
            SetColumn(query, "OutsideWindow_Lib", column, 1);
    }
    if (stored <= 50) {
        DeleteUnusedStandardDaySchedules(query, 1, 7);
        RefreshOutputsOfVersion50(query);
    }
    // The office schedules' working days; a project that has them keeps its own.
    for (int index = 3; index <= 5; ++index)
        file.CopyMissingDaySchedule(query, StandardDayScheduleName(index, 1));
}
