#include "tests/upgrade/COldSchema.h"

#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "upgrade/CTableDefinition.h"
#include "upgrade/ProjectSchemaSteps.h"

#include <functional>
#include <utility>

namespace {
// The statements that take a step back.
class CUndo
{
public:
    explicit CUndo(CDbConnection& connection) : m_query(connection) {}
    CDbQuery& Query() { return m_query; }

    void Exec(const CSQLStatement& statement) { ExecQueryGuarded(m_query, statement); }
    void DropColumns(const QString& table, const QStringList& columns)
    {
        for (const QString& column : columns)
            Exec(QStringLiteral("alter table %1 drop column %2").arg(table, column));
    }
    void DropColumnsOf(const QStringList& tables, const QStringList& columns)
    {
        for (const QString& table : tables)
            DropColumns(table, columns);
    }
    void DeleteOptions(int first, int last)
    {
        Exec({"delete from OutputOption where ID between ? and ?", {first, last}});
    }
    void DeleteDefaults(const QVariantList& ids)
    {
        for (const QVariant& id : ids)
            Exec({"delete from Initialization where ID = ?", {id}});
    }
    void DeleteRegistryRows(const QStringList& keys)
    {
        for (const QString& key : keys)
            Exec({"delete from tbl_registry where f_key = ?", {key}});
    }
    void SetColumnTypes(const QString& table, const QStringList& columns, const QString& type)
    {
        CTableDefinition definition = CTableDefinition::Read(m_query, table);
        for (const QString& column : columns)
            definition.SetColumnType(column, type);
        definition.Rebuild(m_query);
    }

private:
    CDbQuery m_query;
};

const QStringList BuildingStoreyRoom{"Building", "Storey", "Room"};

const QStringList RoomElements = ProjectSchemaSteps::RoomElementTables() + QStringList{"Others"};

const QList<std::pair<QString, QString>> Openings{{"SkyWindow", "Roof"},
                                                  {"OutsideWindow", "OutsideWall"},
                                                  {"OutsideDoor", "OutsideWall"},
                                                  {"InsideWindow", "InsideWall"},
                                                  {"InsideDoor", "InsideWall"}};

const QStringList DefaultSchedules{
    "People",      "Lighting",     "HeatingEquipment", "ElectronicEquipment", "ElectricEquipment", "Food",
    "Evaporating", "Infiltration", "Others",           "OutsideAir"};

// The library record's name in place of its ID, in default values and use columns.
void IdToName(CUndo& undo, const QString& table, const QString& column, const QString& library,
              const QString& condition = QString())
{
    undo.Exec(
        QStringLiteral("update %1 set %2 = (select l.Name from %3 l where cast(l.ID as text) = %1.%2) %4")
            .arg(table, column, library, condition));
}

// Elements name their owners instead of linking to the parent; the libraries, room uses and
// schedules are keyed by name.
void UndoStep25(CUndo& undo)
{
    for (const QString& kind : ProjectSchemaSteps::ConstructionKinds())
        IdToName(undo, "Initialization", "I_Value", kind + "_Lib",
                 QStringLiteral("where I_Name = '%1Name'").arg(kind));
    IdToName(undo, "Initialization", "I_Value", "RoomOccupation", "where I_Name = 'RoomUse'");
    IdToName(undo, "Initialization", "I_Value", "StoreyOccupation", "where I_Name = 'StoreyUse'");
    for (const QString& schedule : DefaultSchedules)
        IdToName(undo, "Initialization", "I_Value", "Schedule",
                 QStringLiteral("where I_Name = 'ScheduleName_%1'").arg(schedule));
    IdToName(undo, "Room", "RoomUse", "RoomOccupation");
    IdToName(undo, "Storey", "StoreyUse", "StoreyOccupation");

    const auto addName = [&undo](const QString& table, const QString& column, const QString& value) {
        undo.Exec(QStringLiteral("alter table %1 add column %2 TEXT").arg(table, column));
        undo.Exec(QStringLiteral("update %1 set %2 = (%3)").arg(table, column, value));
    };
    addName("Storey", "BuildingName", "select b.Name from Building b where b.ID = Storey.parent_id");
    addName("Room", "StoreyName", "select s.Name from Storey s where s.ID = Room.parent_id");
    addName("Room", "BuildingName", "select s.BuildingName from Storey s where s.ID = Room.parent_id");
    const auto addOwners = [&addName](const QString& table, const QString& parent) {
        const bool inRoom = parent == QStringLiteral("Room");
        const QString from = QStringLiteral(" from %1 p where p.ID = %2.parent_id").arg(parent, table);
        addName(table, "RoomName", QStringLiteral("select p.%1").arg(inRoom ? "Name" : "RoomName") + from);
        addName(table, "StoreyName", "select p.StoreyName" + from);
        addName(table, "BuildingName", "select p.BuildingName" + from);
        if (!inRoom)
            addName(table, parent + "Name", "select p.Name" + from);
    };
    for (const QString& element : RoomElements)
        addOwners(element, "Room");
    for (const auto& [opening, wall] : Openings)
        addOwners(opening, wall);
    QStringList children{"Room", "Storey"};
    children << RoomElements;
    for (const auto& [opening, wall] : Openings)
        children << opening;
    for (const QString& table : children) {
        CTableDefinition definition = CTableDefinition::Read(undo.Query(), table);
        definition.DropColumn("parent_id");
        definition.Rebuild(undo.Query());
    }
    undo.DropColumns("Building", {"parent_id"});

    for (const QString& kind : ProjectSchemaSteps::ConstructionKinds()) {
        undo.DropColumns(kind, {"material_id"});
        CTableDefinition library = CTableDefinition::Read(undo.Query(), kind + "_Lib");
        library.DropColumn("ID");
        library.DropColumn("catergory");
        library.SetColumnDefinition("Name", "TEXT COLLATE NOCASE PRIMARY KEY");
        library.Rebuild(undo.Query());
    }
    for (const char* table : {"RoomOccupation", "StoreyOccupation", "Schedule"}) {
        CTableDefinition definition = CTableDefinition::Read(undo.Query(), table);
        definition.DropColumn("ID");
        if (QString::fromUtf8(table) != QStringLiteral("StoreyOccupation"))
            definition.SetColumnDefinition("Name", "TEXT COLLATE NOCASE PRIMARY KEY");
        definition.Rebuild(undo.Query());
    }
    undo.Exec("drop table MaterialEdit");
    undo.Exec("drop table Material_detail");
}

void UndoStep21(CUndo& undo)
{
    undo.DeleteRegistryRows({"curbuildingid", "stdtypeindex"});
    undo.DropColumns("Building",
                     {"seltype_area", "figure_area", "seltype_cubage", "figure_cubage", "figure_coff"});
    QStringList numbered;
    for (int first = 0; first <= 1; ++first) {
        for (int second = 0; second <= 9; ++second)
            numbered << QStringLiteral("wd_data%1_%2").arg(first).arg(second)
                     << QStringLiteral("outsidewindow_data%1_%2").arg(first).arg(second);
    }
    for (int i = 0; i <= 6; ++i)
        numbered << QStringLiteral("outsidewall_data%1").arg(i);
    undo.DropColumns("Building", numbered);
    undo.DeleteDefaults({56});
}

// The oldest format: the tree in TreeData, no registry.
void UndoTreeConversion(CUndo& undo)
{
    undo.Exec("create table TreeData (NodeIndex INTEGER,ParentIndex INTEGER,NodeName TEXT,ImageIndex INTEGER,"
              "ElementID TEXT)");
    undo.Exec(
        "insert into TreeData select f_nodeid,f_parentid,f_caption,f_imageindex,cast(f_elementid as text) "
        "from tbl_tree");
    undo.Exec("drop table tbl_tree");
    undo.Exec("drop table tbl_registry");
    undo.Exec({"update OutputOption set OutputOptionName = ? where ID = 310", {QStringLiteral("逐时负荷")}});
}

// Step 46, alike in both databases.
void UndoChemistryOptionsAndWindowFactors(CUndo& undo)
{
    undo.DeleteOptions(645, 652);
    undo.DropColumns("OutsideWindow_Lib", {"Inside_Sunshade", "Outside_Sunshade", "Glass_Revise"});
}

using UndoStep = std::function<void(CUndo&)>;

// The project steps in chain order, each with the first stored version that enters it.
const QList<std::pair<int, UndoStep>>& ProjectUndoSteps()
{
    static const QList<std::pair<int, UndoStep>> steps{
        {-1, UndoTreeConversion},
        {21, UndoStep21},
        {22, [](CUndo& u) { u.DeleteRegistryRows({"maxtime"}); }},
        {23,
         [](CUndo& u) {
             u.DropColumns("ProjectParameter",
                           {"yeartotal_fromtime", "yeartotal_totime", "yeartotal_output"});
         }},
        {24, [](CUndo& u) { u.Exec("drop table tbl_config"); }},
        {25, UndoStep25},
        {26,
         [](CUndo& u) {
             u.DropColumns("InsideWall", {"Winter_NearRoomDeltaT", "Summer_NearRoomDeltaT", "Coefficient"});
         }},
        {27, [](CUndo& u) { u.DropColumns("Room", {"HLRoomQuantity"}); }},
        {28, [](CUndo& u) { u.DropColumns("Material_detail", {"Multiplier"}); }},
        {29,
         [](CUndo& u) {
             u.DropColumnsOf({"GlassCurtainWall", "GlassRoof", "OutsideWall", "Roof"}, {"Direction_Angle"});
         }},
        {30, [](CUndo& u) { u.DropColumns("Building", {"Direction_Angle"}); }},
        {31,
         [](CUndo& u) {
             u.DropColumnsOf({"ElectricEquipment", "ElectronicEquipment", "HeatingEquipment"}, {"TypeP"});
         }},
        {32, [](CUndo& u) { u.DeleteOptions(607, 610); }},
        {33, [](CUndo& u) { u.DeleteOptions(611, 612); }},
        {34, [](CUndo& u) { u.DeleteRegistryRows({"ShowZeroRow"}); }},
        {35, [](CUndo& u) { u.DeleteRegistryRows({"DetailedPrintStype"}); }},
        {36, [](CUndo& u) { u.DeleteRegistryRows({"PrintAllBuilding"}); }},
        {37, [](CUndo& u) { u.DropColumns("InsideWall", {"Winter_Heat_Transfer"}); }},
        {38,
         [](CUndo& u) {
             u.DropColumnsOf({"OutsideWindow", "OutsideDoor"},
                             {"ShieldType", "InsideShieldMaterials", "OutsideShield_B", "OutsideShield_H",
                              "OutsideShield_l", "OutsideShield_m", "OutsideShield_f", "OutsideShield_g"});
             u.DropColumnsOf({"GlassRoof", "SkyWindow"}, {"Shield"});
         }},
        {39,
         [](CUndo& u) {
             u.DropColumnsOf(ProjectSchemaSteps::OldIdTables(), {"Old_ID"});
             u.DropColumns("RoomOccupation",
                           {"NewWindScheduleName", "PeopleScheduleName", "LightScheduleName",
                            "ElectricEquipmentScheduleName", "HeatingEquipmentScheduleName",
                            "ElectronicEquipmentScheduleName", "LightPower", "ElectricEquipmentPower",
                            "HeatingEquipmentPower", "ElectronicEquipmentPower", "ElectricUseCoefficient",
                            "HeatingUseCoefficient", "ElectronicUseCoefficient"});
             u.DropColumns("Room", {"WinterHeatGainCoefficient", "WinterHeatRebateCoefficient"});
             u.DropColumns("Infiltration", {"n_data"});
             u.DropColumnsOf(BuildingStoreyRoom, {"IsWinterHeatRebateCoefficient", "IsWinter_Heat_Transfer",
                                                  "IsHeating_Flood_Solar"});
         }},
        {40,
         [](CUndo& u) {
             u.Exec("update OutputOption set "
                    "IsACLoadMonthlyCalculation_Output=0,IsACLoadDailyCalculation_Output=0 "
                    "where ID in "
                    "(193,194,195,196,199,202,203,204,205,208,311,312,313,314,317,319,320,321,322,325)");
         }},
        {41, [](CUndo&) {}},
        {42,
         [](CUndo& u) {
             u.SetColumnTypes("RoomOccupation",
                              {"ElectricUseCoefficient", "HeatingUseCoefficient", "ElectronicUseCoefficient",
                               "LightPower", "ElectricEquipmentPower", "HeatingEquipmentPower",
                               "ElectronicEquipmentPower"},
                              "FLOAT");
         }},
        {43, [](CUndo& u) { u.DeleteDefaults({57}); }},
        {44,
         [](CUndo& u) {
             u.Exec("update OutputOption set OutputOptionName = OutputOptionName || '(W/m2)' "
                    "where OutputOptionName like '%指标'");
         }},
        {45,
         [](CUndo& u) {
             u.DeleteOptions(617, 644);
             u.DropColumns("Building", {"WaterYield", "WaterPumpTemRise", "WaterPipeTemRise", "Water_Time"});
             u.DeleteDefaults({60, 61});
             u.DropColumns("Room",
                           {"WindQuantity", "WindPipeTemRise", "WindFanTemRise", "Fan_Time",
                            "Maintenance_Gain", "Maintenance_Time", "IsFenCengAir", "FenCengAir", "Comfort"});
             u.DropColumns("Food", {"Chemistry_NoRatio", "Chemistry_Ratio", "Chemistry_Max_Value",
                                    "Chemistry_Heat_Value", "Chemistry_Moisure_Gain", "Chemistry_Time"});
             u.DropColumns("RoomOccupation", {"Fan_Time", "Chemistry_Time", "Maintenance_Time"});
         }},
        {46, UndoChemistryOptionsAndWindowFactors},
        {47,
         [](CUndo& u) {
             u.DeleteOptions(653, 654);
             u.DropColumns("Room",
                           {"IsHouseholdMetering", "Is_WinterHeatGainCoefficient", "NewWind_Temp_St",
                            "NewWind_Humidity_Sh", "NewWind_Temp_Wt", "NewWind_Humidity_Wh", "NewWind_Type"});
             u.DropColumnsOf({"Ceiling", "Floor"},
                             {"TransHeat_Between", "Temperature_Range", "NearRoomDeltaT_Sum",
                              "NearRoomDeltaT_Win", "Coefficient_Value"});
             u.DropColumns("InsideWall", {"TransHeat_Between"});
             u.DropColumns("Ground", {"GroundType"});
             u.DropColumnsOf(BuildingStoreyRoom, {"bOutputHL"});
             u.DeleteDefaults({62});
         }},
        {48,
         [](CUndo& u) {
             u.Exec({"update Initialization set I_ValueList = ? where I_Name = 'AreaTypeForCalIndex'",
                     {QStringLiteral("空调面积|建筑面积")}});
         }},
        {49,
         [](CUndo& u) {
             u.DropColumnsOf(BuildingStoreyRoom, {"HIsOutputLoadStatisticsData", "HIsOutputLoadHourlyData"});
         }},
        {50,
         [](CUndo& u) {
             u.DeleteRegistryRows({"BeOpenLowVersion"});
             u.DropColumns("RoomOccupation",
                           {"ElecUnit", "ElecPowerUnit", "ElecHeatUnit", "NewWindUnit", "PeopleDensityUnit",
                            "SimultaneousUseCoefficient", "FoodPeopleDensity"});
         }},
        {51,
         [](CUndo& u) {
             u.DropColumns("Room", {"Height", "ACHRoomQuantity"});
             u.DropColumns("ElectronicEquipment", {"HeatRelease", "HeatReleaseUnit", "EleCatMethod"});
             u.DropColumns("ElectricEquipment", {"LoadMultiple_Move", "InputPowerMultiple_Move"});
             u.DeleteOptions(655, 662);
         }},
        {52,
         [](CUndo& u) {
             u.DropColumns("ElectronicEquipment", {"PowerDensity", "NormalSimUseCoefficient",
                                                   "NormalUsageCoefficient", "NormalLoadCoefficient"});
             u.DropColumnsOf({"Ceiling", "Floor", "InsideWall"}, {"AdjacentRoomID"});
         }},
        {53, [](CUndo& u) { u.DeleteDefaults({64}); }},
        {55,
         [](CUndo& u) {
             u.DropColumnsOf({"Ceiling", "Floor"}, {"bWinter_Heat_Transfer"});
             u.DeleteOptions(663, 680);
             u.SetColumnTypes("Room", {"IsFenCengAir"}, "REAL");
         }},
    };
    return steps;
}

const QList<std::pair<int, UndoStep>>& SystemUndoSteps()
{
    static const QList<std::pair<int, UndoStep>> steps{
        {45,
         [](CUndo& u) {
             u.DeleteOptions(617, 644);
             u.DropColumns("RoomOccupation", {"Fan_Time", "Chemistry_Time", "Maintenance_Time"});
             u.DeleteDefaults({60, 61});
         }},
        {46, UndoChemistryOptionsAndWindowFactors},
        {47,
         [](CUndo& u) {
             u.DeleteOptions(653, 653);
             u.DeleteDefaults({62});
             u.Exec("update Initialization set I_Value = '0' where I_Name = 'AreaTypeForCalIndex'");
         }},
        {48,
         [](CUndo& u) {
             u.Exec({"update Initialization set I_ValueList = ? where I_Name = 'AreaTypeForCalIndex'",
                     {QStringLiteral("空调面积|建筑面积")}});
         }},
        {49, [](CUndo& u) { u.DeleteOptions(655, 662); }},
        {52,
         [](CUndo& u) {
             u.DropColumns("RoomOccupation",
                           {"ElecUnit", "ElecPowerUnit", "ElecHeatUnit", "NewWindUnit", "PeopleDensityUnit",
                            "SimultaneousUseCoefficient", "FoodPeopleDensity"});
         }},
        {53, [](CUndo&) {}},
        {54, [](CUndo& u) { u.DeleteDefaults({64}); }},
        {55,
         [](CUndo& u) {
             u.Exec("update RoomOccupation set LightingPower = 0 where Name in "
                    "('办公室','百货商场','旅馆客房')");
         }},
        {56, [](CUndo& u) { u.DeleteOptions(663, 680); }},
    };
    return steps;
}

// Undoes every step entered at or after the version, the last first, in one transaction with
// foreign keys off (tables are rebuilt).
void Downgrade(CDbConnection& connection, const QList<std::pair<int, UndoStep>>& steps, int version,
               const std::function<void(CUndo&)>& extra = {})
{
    CUndo undo(connection);
    undo.Exec("PRAGMA foreign_keys=OFF");
    {
        CDbTransaction transaction(connection);
        for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
            const int first = it->first;
            const auto next = it.base();
            // A step is entered at its own version and at those up to the next step's.
            const int last = next == steps.end() ? 56 : next->first - 1;
            it->second(undo);
            if (first <= version && version <= last)
                break;
        }
        if (extra)
            extra(undo);
        transaction.Commit();
    }
    undo.Exec("PRAGMA foreign_keys=ON");
}
} // namespace

void COldSchema::DowngradeProject(CDbConnection& project, int version)
{
    Downgrade(project, ProjectUndoSteps(), version, [version](CUndo& undo) {
        if (version >= 21)
            undo.Exec({"update tbl_registry set f_value = ? where f_key = 'prjversion'",
                       {QString::number(version)}});
    });
}

void COldSchema::DowngradeSystem(CDbConnection& sysData, CDbConnection& sysParam, int version)
{
    Downgrade(sysData, SystemUndoSteps(), version, [version](CUndo& undo) {
        undo.Exec(
            {"update tbl_sysversion set f_value = ? where f_key = 'sysversion'", {QString::number(version)}});
    });
    if (version <= 46) {
        CDbQuery query(sysParam);
        ExecQueryGuarded(query, "update ElementBasePerformance set Remark = '食物' where Name = 'Food'");
    }
}
