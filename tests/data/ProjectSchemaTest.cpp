#include "tests/data/GeneratedDatabase.h"

#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/Exception.h"
#include "tests/support/CTestProgramFolder.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
const QString ProjectModule = QStringLiteral("Project/ProjectModule.dat");
const QString SysParam = QStringLiteral("System/SysParam.dat");

QStringList Positioned(const QStringList& own)
{
    return QStringList{"Name", "Status", "X0", "Y0", "Z0", "X", "Y", "Z"} + own;
}

// Every column each element class exchanges with its table, by table.
struct SElementTable
{
    QString table;
    QStringList columns;
};

const QVector<SElementTable>& ExchangedColumns()
{
    static const QStringList shading{"ShieldType",      "InsideShieldMaterials", "OutsideShield_B",
                                     "OutsideShield_H", "OutsideShield_l",       "OutsideShield_m",
                                     "OutsideShield_f", "OutsideShield_g"};
    static const QStringList slab{"AdjacentRoomStatus",
                                  "AdjacentRoomStatus_Heating",
                                  "AdjacentRoomName",
                                  "IsLWInputArea",
                                  "Length",
                                  "Width",
                                  "Area",
                                  "TransHeat_Between",
                                  "Temperature_Range",
                                  "NearRoomDeltaT_Sum",
                                  "NearRoomDeltaT_Win",
                                  "Coefficient_Value",
                                  "AdjacentRoomID",
                                  "bWinter_Heat_Transfer"};
    static const QVector<SElementTable> tables{
        {"Building",
         Positioned({"GroundArea", "OverGroundBuildingArea", "BelowGroundBuildingArea", "BuildingHeight",
                     "IsOutputIndoorParameter", "IsOutputLoadCalculationParameter",
                     "IsOutputLoadStatisticsData", "IsOutputLoadHourlyData", "SiloTemperature",
                     "Direction_Angle", "IsWinterHeatRebateCoefficient", "IsWinter_Heat_Transfer",
                     "IsHeating_Flood_Solar", "figure_area", "figure_coff", "figure_cubage", "WaterYield",
                     "WaterPumpTemRise", "WaterPipeTemRise", "Water_Time", "bOutputHL",
                     "HIsOutputLoadStatisticsData", "HIsOutputLoadHourlyData",
                     // Read and written by the energy-saving checks.
                     "seltype_area", "seltype_cubage", "wd_data0_0", "wd_data1_9", "outsidewall_data6",
                     "outsidewindow_data1_9"})},
        {"Storey", Positioned({"StoreyGroupName", "IsACStorey", "IsHeatingStorey", "IsBelowGroundStorey",
                               "StoreyHeight", "StoreyArea", "StoreyUse", "IsOutputIndoorParameter",
                               "IsOutputLoadCalculationParameter", "IsOutputLoadStatisticsData",
                               "IsOutputLoadHourlyData", "IsWinterHeatRebateCoefficient",
                               "IsWinter_Heat_Transfer", "IsHeating_Flood_Solar", "bOutputHL",
                               "HIsOutputLoadStatisticsData", "HIsOutputLoadHourlyData"})},
        {"Room", Positioned({"ACRoomQuantity",
                             "HLRoomQuantity",
                             "PrimaryAirSystemName",
                             "OutsideAirSystemName",
                             "ScheduleName",
                             "IsOutputIndoorParameter",
                             "IsOutputLoadCalculationParameter",
                             "IsOutputLoadStatisticsData",
                             "IsOutputLoadHourlyData",
                             "IsLWInputArea",
                             "Length",
                             "Width",
                             "Area",
                             "RoomUse",
                             "RoomType",
                             "SummerACTemperature",
                             "WinterACTemperature",
                             "WinterHeatingTemperature",
                             "TemperatureVariation",
                             "TemperatureVariation_Heating",
                             "SummerACRH",
                             "WinterACRH",
                             "WinterHeatingRH",
                             "RHVariation",
                             "RHVariation_Heating",
                             "InputTypeofPeopleDensity",
                             "PeopleDensity",
                             "LightingPower",
                             "Noise",
                             "InputTypeofOutsideAirSupply",
                             "OutsideAirSupply",
                             "MaximumAirVelocity",
                             "TotalCoolIndex",
                             "TotalHeatIndex",
                             "EnclosureCoolIndex",
                             "EnclosureHeatIndex",
                             "PeopleCoolIndex",
                             "PeopleHeatIndex",
                             "OutsideAirCoolIndex",
                             "OutsideAirHeatIndex",
                             "OthersCoolIndex",
                             "PthersHeatIndex",
                             "BuildingType",
                             "PartitionType",
                             "IsIndustryBuilding",
                             "TemperatureGradient",
                             "WinterHeatRebateCoefficient",
                             "IsWinterHeatRebateCoefficient",
                             "IsWinter_Heat_Transfer",
                             "IsHeating_Flood_Solar",
                             "WinterHeatGainCoefficient",
                             "WindQuantity",
                             "WindFanTemRise",
                             "WindPipeTemRise",
                             "Fan_Time",
                             "Maintenance_Gain",
                             "Maintenance_Time",
                             "IsFenCengAir",
                             "FenCengAir",
                             "Comfort",
                             "IsHouseholdMetering",
                             "Is_WinterHeatGainCoefficient",
                             "NewWind_Type",
                             "NewWind_Temp_St",
                             "NewWind_Temp_Wt",
                             "NewWind_Humidity_Sh",
                             "NewWind_Humidity_Wh",
                             "bOutputHL",
                             "HIsOutputLoadStatisticsData",
                             "HIsOutputLoadHourlyData",
                             "Height",
                             "ACHRoomQuantity"})},
        {"People", Positioned({"LaborType", "PeopleClassifyCoeffient", "ScheduleName"})},
        {"Lighting", Positioned({"SimultaneousUseCoefficient", "LampPower", "ConcealedFluorescencePower",
                                 "ExposedFluorescencePower_Inside", "ExposedFluorescencePower_Outside",
                                 "LampshadeType", "ScheduleName"})},
        {"HeatingEquipment",
         Positioned({"TypeP", "Power", "SimultaneousUseCoefficient", "UsageCoefficient", "LoadCoefficient",
                     "VentilationCoefficient", "HumidityLoad", "ScheduleName"})},
        {"ElectronicEquipment",
         Positioned({"TypeP", "Power", "SimultaneousUseCoefficient", "UsageCoefficient", "LoadCoefficient",
                     "ScheduleName", "HeatRelease", "HeatReleaseUnit", "EleCatMethod", "PowerDensity",
                     "NormalSimUseCoefficient", "NormalUsageCoefficient", "NormalLoadCoefficient"})},
        {"ElectricEquipment",
         Positioned({"TypeP", "Power", "EquipmentLocation", "SimultaneousUseCoefficient",
                     "ElectromotorEfficient", "HumidityLoad", "ScheduleName", "LoadMultiple_Move",
                     "InputPowerMultiple_Move", "InputPowerCoefficient"})},
        {"Food", Positioned({"PeopleQuantity", "PeopleClassifyCoeffient", "ScheduleName", "Chemistry_NoRatio",
                             "Chemistry_Ratio", "Chemistry_Max_Value", "Chemistry_Heat_Value",
                             "Chemistry_Moisure_Gain", "Chemistry_Time"})},
        {"Evaporating", Positioned({"SurfaceArea", "WaterTemperature", "ScheduleName"})},
        {"Infiltration", Positioned({"PeopleQUantity", "DoorType", "ScheduleName", "n_data"})},
        {"Others", Positioned({"HeatConsumption_Water", "HeatConsumption_ColdObject",
                               "HeatConsumption_Ventilation", "HeatConsumption_Other",
                               "HeatEmission_Equipment", "HeatEmission_HotDuct", "HeatEmission_HotObject",
                               "HeatEmission_Other", "Humidity_Other", "DeHumidity_Other", "ScheduleName"})},
        {"OutsideWall", Positioned({"material_id", "OutsideWallName", "Direction", "IsLWInputArea", "Length",
                                    "Height", "Area", "Direction_Angle"})},
        {"OutsideWindow",
         Positioned(QStringList{"material_id", "OutsideWindowName", "Quantity", "AirSupplyType",
                                "ApertureLength", "IsLWInputArea", "Length", "Height", "Area"} +
                    shading)},
        {"OutsideDoor", Positioned(QStringList{"material_id", "OutsideDoorName", "Quantity", "AirSupplyType",
                                               "ApertureLength", "IsColdAir", "DoorType", "IsLWInputArea",
                                               "Length", "Height", "Area"} +
                                   shading)},
        {"GlassCurtainWall",
         Positioned({"material_id", "GlassCurtainWallName", "Direction", "IsLWInputArea", "Length", "Height",
                     "Area", "AirSupplyType", "ShieldType", "InsideShieldMaterials", "Direction_Angle"})},
        {"InsideWall",
         Positioned({"material_id", "InsideWallName", "AdjacentRoomStatus", "AdjacentRoomStatus_Heating",
                     "AdjacentRoomName", "IsLWInputArea", "Length", "Height", "Area", "Winter_NearRoomDeltaT",
                     "Summer_NearRoomDeltaT", "Coefficient", "Winter_Heat_Transfer", "TransHeat_Between",
                     "AdjacentRoomID"})},
        {"InsideWindow", Positioned({"material_id", "InsideWindowName", "Quantity", "IsLWInputArea", "Length",
                                     "Width", "Area"})},
        {"InsideDoor", Positioned({"material_id", "InsideDoorName", "Quantity", "IsLWInputArea", "Length",
                                   "Width", "Area"})},
        {"GapWall", Positioned({"material_id", "GapWallName", "GapWallType", "IsLWInputArea", "Length",
                                "Height", "Area"})},
        {"BasementWall",
         Positioned({"BasementWallName", "IsLWInputArea", "Length", "Width", "Area", "material_id"})},
        {"Ceiling", Positioned(QStringList{"material_id", "CeilingName", "AdjacentRoomStoreyName"} + slab)},
        {"Floor", Positioned(QStringList{"material_id", "FloorName", "AdjacentRoomStoryName"} + slab)},
        {"Roof", Positioned({"material_id", "RoofName", "Direction", "Color", "Obliquity", "IsLWInputArea",
                             "Length", "Width", "Area", "Direction_Angle"})},
        {"SkyWindow", Positioned({"material_id", "SkyWindowName", "Quantity", "IsLWInputArea", "Length",
                                  "Width", "Area", "Shield"})},
        {"BlindStorey", Positioned({"BlindStoreyName", "RibHeight", "RibDistance", "IsLWInputArea", "Length",
                                    "Width", "Area", "Color", "material_id"})},
        {"GlassRoof", Positioned({"material_id", "GlassRoofName", "Direction", "Obliquity", "IsLWInputArea",
                                  "Length", "Width", "Area", "Direction_Angle", "Shield"})},
        {"Ground",
         Positioned({"material_id", "GroundName", "IsLWInputArea", "Length", "Width", "Area", "GroundType"})},
        {"ProjectionFloor",
         Positioned({"material_id", "ProjectionFloorName", "IsLWInputArea", "Length", "Width", "Area"})},
        // A folder has no name and no position beyond its origin.
        {"SubTree", {"Status", "X0", "Y0", "Z0"}},
    };
    return tables;
}

// The table each element table's parent_id refers to; Building's -1 refers to nothing.
struct SParentLink
{
    const char* table;
    const char* parent;
};

const SParentLink ParentLinks[] = {
    {"Storey", "Building"},
    {"Room", "Storey"},
    {"People", "Room"},
    {"Lighting", "Room"},
    {"HeatingEquipment", "Room"},
    {"ElectronicEquipment", "Room"},
    {"ElectricEquipment", "Room"},
    {"Food", "Room"},
    {"Evaporating", "Room"},
    {"Infiltration", "Room"},
    {"Others", "Room"},
    {"OutsideWall", "Room"},
    {"OutsideWindow", "OutsideWall"},
    {"OutsideDoor", "OutsideWall"},
    {"GlassCurtainWall", "Room"},
    {"InsideWall", "Room"},
    {"InsideWindow", "InsideWall"},
    {"InsideDoor", "InsideWall"},
    {"GapWall", "Room"},
    {"BasementWall", "Room"},
    {"Ceiling", "Room"},
    {"Floor", "Room"},
    {"Roof", "Room"},
    {"SkyWindow", "Roof"},
    {"BlindStorey", "Room"},
    {"GlassRoof", "Room"},
    {"Ground", "Room"},
    {"ProjectionFloor", "Room"},
};

// A writable copy of the blank project, opened with foreign keys enforced.
class BlankProjectCopy
{
public:
    BlankProjectCopy() : m_connection(QStringLiteral("blank_project_copy"))
    {
        const QString path = m_dir.filePath(QStringLiteral("Copy.VLZ"));
        if (QFile::copy(GeneratedProgramFolder() + '/' + ProjectModule, path))
            m_connection.Open(path);
    }
    int Exec(const QString& sql, const QVariantList& values = {})
    {
        CDbQuery query(m_connection);
        query.SetSQL({sql, values});
        return query.ExecSQL();
    }
    int Count(const QString& table)
    {
        CDbQuery query(m_connection);
        query.SetSQL(QStringLiteral("select count(*) from %1").arg(table));
        query.Open();
        return query.Field(0).toInt();
    }

private:
    QTemporaryDir m_dir;
    CDbConnection m_connection;
};
} // namespace

TEST(ProjectSchema, EveryExchangedColumnExists)
{
    GeneratedDatabase db(ProjectModule);
    for (const SElementTable& element : ExchangedColumns()) {
        ASSERT_TRUE(db.HasTable(element.table)) << element.table.toStdString();
        EXPECT_EQ(db.MissingColumns(element.table, element.columns), QStringList())
            << element.table.toStdString();
        // The row key, and the column the element classes never write.
        EXPECT_EQ(db.MissingColumns(element.table, {"ID", "Old_ID"}), QStringList())
            << element.table.toStdString();
    }
}

TEST(ProjectSchema, ParentLinksCascadeToTheParentTable)
{
    GeneratedDatabase db(ProjectModule);
    EXPECT_EQ(db.MissingColumns("Building", {"parent_id"}), QStringList());
    EXPECT_TRUE(db.Column("select \"table\" from pragma_foreign_key_list('Building')").isEmpty());
    EXPECT_EQ(db.MissingColumns("SubTree", {"parent_id"}), QStringList{"parent_id"});
    for (const SParentLink& link : ParentLinks) {
        const QString table = QString::fromUtf8(link.table);
        const QString rule =
            db.Scalar("select \"table\" || ' ' || \"from\" || '->' || \"to\" || ' ' || on_update || "
                      "' ' || on_delete from pragma_foreign_key_list(?)",
                      {table})
                .toString();
        EXPECT_EQ(rule, QString::fromUtf8(link.parent) + " parent_id->ID CASCADE CASCADE") << link.table;
    }
}

TEST(ProjectSchema, DeletingAStoreyRowDeletesEverythingBelowIt)
{
    BlankProjectCopy project;
    const QStringList rows{
        "insert into Building (ID, Name, parent_id) values (2, 'B', -1)",
        "insert into Storey (ID, Name, parent_id) values (2, 'S1', 2)",
        "insert into Storey (ID, Name, parent_id) values (3, 'S2', 2)",
        "insert into Room (ID, Name, parent_id) values (2, 'R1', 2)",
        "insert into Room (ID, Name, parent_id) values (3, 'R2', 3)",
        "insert into People (ID, Name, parent_id) values (2, 'P', 2)",
        "insert into OutsideWall (ID, Name, parent_id) values (2, 'W', 2)",
        "insert into OutsideWindow (ID, Name, parent_id) values (2, 'Win', 2)",
        "insert into InsideWall (ID, Name, parent_id) values (2, 'IW', 2)",
        "insert into InsideDoor (ID, Name, parent_id) values (2, 'ID', 2)",
        "insert into Roof (ID, Name, parent_id) values (2, 'Rf', 2)",
        "insert into SkyWindow (ID, Name, parent_id) values (2, 'Sky', 2)",
    };
    for (const QString& sql : rows)
        ASSERT_EQ(project.Exec(sql), 1) << sql.toStdString();

    EXPECT_EQ(project.Exec("delete from Storey where ID = 2"), 1);
    EXPECT_EQ(project.Count("Room"), 1); // the other storey's room stays
    for (const char* table :
         {"People", "OutsideWall", "OutsideWindow", "InsideWall", "InsideDoor", "Roof", "SkyWindow"})
        EXPECT_EQ(project.Count(table), 0) << table;

    // A row may not name a parent that does not exist, nor reuse an element ID.
    EXPECT_THROW(project.Exec("insert into Room (ID, Name, parent_id) values (9, 'R9', 99)"), Exception);
    EXPECT_THROW(project.Exec("insert into Room (ID, Name, parent_id) values (3, 'R3', 3)"), Exception);
}

TEST(ProjectSchema, TreeParameterAndSeasonTables)
{
    GeneratedDatabase db(ProjectModule);
    EXPECT_EQ(db.MissingColumns("tbl_tree", {"f_level", "f_index", "f_nodeid", "f_parentid", "f_caption",
                                             "f_imageindex", "f_elementid", "Old_ID"}),
              QStringList());
    EXPECT_EQ(db.Scalar("select count(*) from tbl_tree").toInt(), 0);
    EXPECT_EQ(db.MissingColumns("ProjectParameter", {"ProjectName",
                                                     "ProjectNumber",
                                                     "Owner",
                                                     "Designer",
                                                     "Checker",
                                                     "Examiner",
                                                     "DesignDate",
                                                     "Unit",
                                                     "Coordinate",
                                                     "OutputTo",
                                                     "StatisticsType",
                                                     "TimePeriodType",
                                                     "TimeBeginning",
                                                     "TimeEnd",
                                                     "HourfromMaximumLoad",
                                                     "HourInterval",
                                                     "InRoomDesignParamType",
                                                     "NodeFullPath",
                                                     "DesignType",
                                                     "StatisticalStyle",
                                                     "yeartotal_fromtime",
                                                     "yeartotal_totime",
                                                     "yeartotal_output",
                                                     "X",
                                                     "Y",
                                                     "Z",
                                                     "X0",
                                                     "Y0",
                                                     "Z0",
                                                     "MonthCheck",
                                                     "DayCheck",
                                                     "MonthCheck_Total",
                                                     "DayCheck_Total",
                                                     "CurrentCoordinateCol",
                                                     "CurrentCoordinateRow"}),
              QStringList());
    const QVariantList seasons =
        db.Column("select paramkey || '=' || paramvalue from tbl_config order by paramkey");
    EXPECT_EQ(seasons,
              (QVariantList{"cool_beginday=1", "cool_beginmonth=5", "cool_endday=1", "cool_endmonth=10",
                            "heat_beginday=1", "heat_beginmonth=10", "heat_endday=1", "heat_endmonth=5"}));
}

TEST(ProjectSchema, BlankProjectIsCurrentAndOpensInOlderProgramsFrom51)
{
    GeneratedDatabase db(ProjectModule);
    EXPECT_EQ(db.Column("select f_value from tbl_registry where f_key = 'prjversion'"), QVariantList{"57"});
    EXPECT_EQ(db.Column("select f_value from tbl_registry where f_key = 'BeOpenLowVersion'"),
              QVariantList{"51"});
}

TEST(ProjectSchema, OneParameterRowWithTheConstructedDefaults)
{
    GeneratedDatabase db(ProjectModule);
    ASSERT_EQ(db.Scalar("select count(*) from ProjectParameter").toInt(), 1);
    struct
    {
        const char* column;
        QVariant expected;
    } const cases[] = {
        {"DesignType", 3},
        {"yeartotal_fromtime", 7},
        {"yeartotal_totime", 16},
        {"yeartotal_output", 1},
        {"TimeBeginning", 0},
        {"TimeEnd", 23},
        {"HourfromMaximumLoad", 12},
        {"HourInterval", 2},
        {"Unit", 0},
        {"Coordinate", 0},
        {"ProjectName", ""},
        {"NodeFullPath", ""},
        {"length(MonthCheck)", 12},
        {"length(DayCheck)", 365},
        {"length(MonthCheck_Total)", 12},
        {"length(DayCheck_Total)", 365},
        // Nothing chosen: the texts hold only zeros.
        {"length(replace(MonthCheck || DayCheck || MonthCheck_Total || DayCheck_Total, '0', ''))", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(db.Scalar(QStringLiteral("select %1 from ProjectParameter").arg(c.column)).toString(),
                  c.expected.toString())
            << c.column;
}

// Rows written before a column existed, and rows written by other code than the element
// classes, get these values from the database.
TEST(ProjectSchema, ColumnDefaultsOfLaterColumns)
{
    GeneratedDatabase db(ProjectModule);
    struct
    {
        const char* table;
        const char* column;
        double expected;
    } const cases[] = {
        {"Infiltration", "n_data", -1},
        {"ElectronicEquipment", "NormalSimUseCoefficient", 0.5},
        {"ElectronicEquipment", "NormalUsageCoefficient", 0.8},
        {"ElectronicEquipment", "NormalLoadCoefficient", 0.5},
        {"ElectricEquipment", "LoadMultiple_Move", 0.5},
        {"ElectricEquipment", "InputPowerMultiple_Move", 0.8},
        {"Food", "Chemistry_NoRatio", 0},
        {"Room", "Height", 3},
        {"Room", "ACHRoomQuantity", 1},
        {"Room", "WinterHeatRebateCoefficient", 1},
        {"InsideWall", "Winter_Heat_Transfer", 1},
        {"InsideWall", "AdjacentRoomID", -1},
        {"Ceiling", "Coefficient_Value", 1},
        {"Floor", "AdjacentRoomID", -1},
        {"Floor", "bWinter_Heat_Transfer", 1},
        {"GlassRoof", "Shield", 1},
        {"SkyWindow", "Shield", 1},
        {"Building", "bOutputHL", 1},
        {"Storey", "IsWinter_Heat_Transfer", 1},
        {"People", "Old_ID", 0},
        {"SubTree", "Old_ID", 0},
        {"ProjectParameter", "yeartotal_totime", 16},
    };
    for (const auto& c : cases) {
        const QVariant value = db.Scalar("select dflt_value from pragma_table_info(?) where name = ?",
                                         {QString::fromUtf8(c.table), QString::fromUtf8(c.column)});
        ASSERT_FALSE(value.isNull()) << c.table << "." << c.column;
        EXPECT_DOUBLE_EQ(value.toDouble(), c.expected) << c.table << "." << c.column;
    }
}

TEST(ElementRegistry, ThirtyOneTypesWithTheirTablesNamesAndParents)
{
    struct
    {
        const char* table;
        const char* remark;
        int parent;
    } const types[] = {
        {"Project", "工程", -1},
        {"Building", "大楼", 0},
        {"Storey", "楼层", 1},
        {"Room", "房间", 2},
        {"People", "人员", 3},
        {"Lighting", "照明", 3},
        {"HeatingEquipment", "电热设备", 3},
        {"ElectronicEquipment", "电子设备", 3},
        {"ElectricEquipment", "电动设备", 3},
        {"OutsideWall", "外墙", 3},
        {"OutsideWindow", "外窗", 9},
        {"OutsideDoor", "外门", 9},
        {"GlassCurtainWall", "玻璃幕墙", 3},
        {"InsideWall", "内墙", 3},
        {"InsideWindow", "内窗", 13},
        {"InsideDoor", "内门", 13},
        {"Ceiling", "楼板", 3},
        {"Roof", "屋顶", 3},
        {"SkyWindow", "天窗", 17},
        {"BlindStorey", "闷顶", 3},
        {"GlassRoof", "玻璃屋顶", 3},
        {"Floor", "地板", 3},
        {"Ground", "地面", 3},
        {"ProjectionFloor", "悬空地板", 3},
        {"GapWall", "缝墙", 3},
        {"Food", "食物及其它", 3},
        {"Evaporating", "水面蒸发", 3},
        {"Infiltration", "空气渗透", 3},
        {"Others", "其它", 3},
        {"BasementWall", "地下室外墙", 3},
        {"SubTree", "子树", -1},
    };
    GeneratedDatabase db(SysParam);
    ASSERT_EQ(db.Scalar("select count(*) from ElementBasePerformance").toInt(), 31);
    for (int type = 0; type < 31; ++type) {
        const QString row = db.Scalar("select Name || '|' || Remark || '|' || ParentTypeIndex || '|' || "
                                      "DisEnabledImageIndex from ElementBasePerformance where TypeIndex = ?",
                                      {type})
                                .toString();
        EXPECT_EQ(row, QStringLiteral("%1|%2|%3|%4")
                           .arg(QString::fromUtf8(types[type].table), QString::fromUtf8(types[type].remark))
                           .arg(types[type].parent)
                           .arg(type + 30))
            << type;
    }
}

TEST(ElementRegistry, DesignTypeFlags)
{
    GeneratedDatabase db(SysParam);
    const char* const flags[] = {"IsACLoadSimpleEstimation",      "IsACLoadItemsEstimation",
                                 "IsACLoadIntelligentEstimation", "IsACLoadCalculation",
                                 "IsACLoadMonthlyCalculation",    "IsACLoadDailyCalculation",
                                 "IsHeatingLoadCalculation"};
    auto used = [&](int type, int flag) {
        return db.Scalar(QStringLiteral("select %1 from ElementBasePerformance where TypeIndex = ?")
                             .arg(flags[flag]),
                         {type})
                   .toInt() != 0;
    };
    // A type hidden in a design type hides its whole subtree there, so a type can only be used
    // where its parent type is used; the levels down to the room and the folder are used everywhere.
    for (int type = 0; type < 31; ++type) {
        const int parent =
            db.Scalar("select ParentTypeIndex from ElementBasePerformance where TypeIndex = ?", {type})
                .toInt();
        for (int flag = 0; flag < 7; ++flag) {
            if (type <= 3 || type == 30) {
                EXPECT_TRUE(used(type, flag)) << type << " " << flags[flag];
            }
            if (parent >= 0 && used(type, flag)) {
                EXPECT_TRUE(used(parent, flag)) << type << " " << flags[flag];
            }
        }
    }
    struct
    {
        int type;
        int flag;
        bool expected;
    } const cases[] = {
        {9, 0, false}, // the quick estimates work from the room's indexes alone
        {4, 1, false},
        {4, 2, true},  // the intelligent estimate calculates internal loads...
        {9, 2, false}, // ...and estimates the envelope from the room
        {18, 3, true}, // detailed air conditioning: every envelope element
        {27, 5, true},
        {28, 3, false}, // other heat gains and losses count for heating only
        {28, 6, true},
        {4, 6, false}, // heating ignores people, lighting, equipment, food, water and infiltration
        {27, 6, false},
        {29, 6, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(used(c.type, c.flag), c.expected) << c.type << " " << flags[c.flag];
}
