#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "upgrade/CSQLMaker.h"
#include "upgrade/CTableDefinition.h"
#include "upgrade/CVersionControl.h"
#include "upgrade/ProjectSchemaSteps.h"
#include "upgrade/SchemaStatements.h"

using namespace SchemaStatements;

namespace {
// The columns that step 42 declares as reals in the room-use library.
const QStringList RoomUseRealColumns{
    "ElectricUseCoefficient", "HeatingUseCoefficient", "ElectronicUseCoefficient", "LightPower",
    "ElectricEquipmentPower", "HeatingEquipmentPower", "ElectronicEquipmentPower"};

} // namespace

namespace ProjectSchemaSteps {
const QStringList& OldIdTables()
{
    static const QStringList tables{"Building",
                                    "BasementWall",
                                    "BasementWall_Lib",
                                    "BlindStorey",
                                    "BlindStorey_Lib",
                                    "Ceiling",
                                    "Ceiling_Lib",
                                    "ElectricEquipment",
                                    "ElectronicEquipment",
                                    "Evaporating",
                                    "Floor",
                                    "Floor_Lib",
                                    "Food",
                                    "GapWall",
                                    "GapWall_Lib",
                                    "GlassCurtainWall",
                                    "GlassCurtainWall_Lib",
                                    "GlassRoof",
                                    "GlassRoof_Lib",
                                    "Ground",
                                    "Ground_Lib",
                                    "HeatingEquipment",
                                    "Infiltration",
                                    "InsideDoor",
                                    "InsideDoor_Lib",
                                    "InsideWall",
                                    "InsideWall_Lib",
                                    "InsideWindow",
                                    "InsideWindow_Lib",
                                    "Lighting",
                                    "Others",
                                    "OutsideAirSystem",
                                    "OutsideDoor",
                                    "OutsideDoor_Lib",
                                    "OutsideWall",
                                    "OutsideWall_Lib",
                                    "OutsideWindow",
                                    "OutsideWindow_Lib",
                                    "People",
                                    "PrimaryAirSystem",
                                    "ProjectionFloor",
                                    "ProjectionFloor_Lib",
                                    "Roof",
                                    "Roof_Lib",
                                    "Room",
                                    "RoomOccupation",
                                    "SkyWindow",
                                    "SkyWindow_Lib",
                                    "Storey",
                                    "StoreyGroup",
                                    "StoreyOccupation",
                                    "SubTree",
                                    "tbl_tree",
                                    "Material_detail",
                                    "WeekSchedule",
                                    "Schedule"};
    return tables;
}

void Step21(CVersionControl& context)
{
    CDbQuery& query = context.Query;
    InsertRegistryRow(query, QStringLiteral("curbuildingid"), QStringLiteral("-1"));
    InsertRegistryRow(query, QStringLiteral("stdtypeindex"), QStringLiteral("0"));
    AddColumn(query, "Building", "seltype_area", Int0);
    AddColumn(query, "Building", "figure_area", Real0);
    AddColumn(query, "Building", "seltype_cubage", Int0);
    AddColumn(query, "Building", "figure_cubage", Real0);
    AddColumn(query, "Building", "figure_coff", Real0);
    ExecQueryGuarded(query,
                     "update Building set seltype_area = 0,figure_area = 0,seltype_cubage=0,figure_cubage=0,"
                     "figure_coff=0");
    InsertChoiceDefault(query, 56, QStringLiteral("autorefresh"), QStringLiteral("节能计算"),
                        QStringLiteral("是否根据工程数据自动刷新节能计算参数"), QStringLiteral("1"));
    for (int first = 0; first <= 1; ++first) {
        for (int second = 0; second <= 9; ++second)
            AddColumnSet(query, "Building", QStringLiteral("wd_data%1_%2").arg(first).arg(second), Real0, 0);
    }
    for (int i = 0; i <= 6; ++i)
        AddColumnSet(query, "Building", QStringLiteral("outsidewall_data%1").arg(i), Real0, 0);
    for (int first = 0; first <= 1; ++first) {
        for (int second = 0; second <= 9; ++second)
            AddColumnSet(query, "Building", QStringLiteral("outsidewindow_data%1_%2").arg(first).arg(second),
                         Real0, 0);
    }
}

void Step22(CVersionControl& context)
{
    InsertRegistryRow(context.Query, QStringLiteral("maxtime"), QStringLiteral("10"));
}

void Step23(CVersionControl& context)
{
    CDbQuery& query = context.Query;
    AddColumn(query, "ProjectParameter", "yeartotal_fromtime", "INTEGER DEFAULT 7");
    AddColumn(query, "ProjectParameter", "yeartotal_totime", "INTEGER DEFAULT 16");
    AddColumn(query, "ProjectParameter", "yeartotal_output", "INTEGER DEFAULT 1");
    ExecQueryGuarded(
        query, "update ProjectParameter set yeartotal_fromtime = 7,yeartotal_totime=16,yeartotal_output =1");
}

void Step24(CVersionControl& context)
{
    CDbQuery& query = context.Query;
    ExecQueryGuarded(query,
                     "create table tbl_config (paramkey TEXT NOT NULL COLLATE NOCASE,paramname TEXT NOT NULL,"
                     "paramvalue TEXT DEFAULT '',remark TEXT DEFAULT '')");
    const QList<std::pair<const char*, const char*>> rows{
        {"cool_beginmonth", "制冷季节起始月份"}, {"cool_endmonth", "制冷季节终止月份"},
        {"heat_beginmonth", "制热季节起始月份"}, {"heat_endmonth", "制热季节终止月份"},
        {"cool_beginday", "制冷季节起始日"},     {"cool_endday", "制冷季节终止日"},
        {"heat_beginday", "制热季节起始日"},     {"heat_endday", "制热季节终止日"},
    };
    const QStringList values{"5", "10", "10", "5", "1", "1", "1", "1"};
    for (int i = 0; i < rows.size(); ++i)
        ExecQueryGuarded(query,
                         {"insert into tbl_config(paramkey,paramname,paramvalue,remark) values(?,?,?,?)",
                          {QString::fromUtf8(rows[i].first), QString::fromUtf8(rows[i].second), values[i],
                           QStringLiteral("供冷供热季节起止日期")}});
}

void Step26(CVersionControl& context)
{
    for (const char* column : {"Winter_NearRoomDeltaT", "Summer_NearRoomDeltaT", "Coefficient"})
        AddColumn(context.Query, "InsideWall", column, "REAL");
}

void Step27(CVersionControl& context)
{
    CDbQuery& query = context.Query;
    SetColumn(query, "Room", "ACRoomQuantity", 1);
    AddColumnSet(query, "Room", "HLRoomQuantity", "INTEGER", 1);
}

void Step28(CVersionControl& context)
{
    AddColumnSet(context.Query, "Material_detail", "Multiplier", "REAL", 1);
}

void Step29(CVersionControl& context)
{
    for (const char* table : {"GlassCurtainWall", "GlassRoof", "OutsideWall", "Roof"})
        AddColumnSet(context.Query, table, "Direction_Angle", "REAL", 0);
}

void Step30(CVersionControl& context)
{
    AddColumn(context.Query, "Building", "Direction_Angle", "REAL");
}

void Step31(CVersionControl& context)
{
    for (const char* table : {"ElectricEquipment", "ElectronicEquipment", "HeatingEquipment"})
        AddColumnSet(context.Query, table, "TypeP", "INTEGER", 0);
}

void Step32(CVersionControl& context)
{
    CDbQuery& query = context.Query;
    InsertDetailOutputOption(query, 607, QStringLiteral("玻璃幕墙冷负荷"), 192);
    InsertDetailOutputOption(query, 608, QStringLiteral("玻璃幕墙热负荷"), 192);
    InsertDetailOutputOption(query, 609, QStringLiteral("玻璃幕墙冷负荷"), 310);
    InsertDetailOutputOption(query, 610, QStringLiteral("玻璃幕墙热负荷"), 310);
}

void Step33(CVersionControl& context)
{
    InsertDetailOutputOption(context.Query, 611, QStringLiteral("外墙冷负荷详细输出"), 310);
    InsertDetailOutputOption(context.Query, 612, QStringLiteral("外墙热负荷详细输出"), 310);
}

void Step34(CVersionControl& context)
{
    InsertRegistryRow(context.Query, QStringLiteral("ShowZeroRow"), QStringLiteral("1"));
}

void Step35(CVersionControl& context)
{
    InsertRegistryRow(context.Query, QStringLiteral("DetailedPrintStype"), QStringLiteral("0"));
}

void Step36(CVersionControl& context)
{
    InsertRegistryRow(context.Query, QStringLiteral("PrintAllBuilding"), QStringLiteral("0"));
}

void Step37(CVersionControl& context)
{
    AddColumnSet(context.Query, "InsideWall", "Winter_Heat_Transfer", Int1, 1);
}

void Step38(CVersionControl& context)
{
    CDbQuery& query = context.Query;
    const QStringList shading{"OutsideShield_B", "OutsideShield_H", "OutsideShield_l",
                              "OutsideShield_m", "OutsideShield_f", "OutsideShield_g"};
    for (const QString table : {"OutsideWindow", "OutsideDoor"}) {
        AddColumn(query, table, "ShieldType", Int0);
        AddColumn(query, table, "InsideShieldMaterials", Int0);
        for (const QString& column : shading)
            AddColumn(query, table, column, Real0);
        // The opening takes the shading of the construction it is made of.
        QStringList assignments;
        for (const QString& column : QStringList{"ShieldType", "InsideShieldMaterials"} + shading)
            assignments << QStringLiteral("%1 = l.%1").arg(column);
        ExecQueryGuarded(query, QStringLiteral("update %1 set %2 from %1_Lib l where l.ID = %1.material_id")
                                    .arg(table, assignments.join(',')));
    }
    for (const char* table : {"GlassRoof", "SkyWindow"})
        AddColumnSet(query, table, "Shield", "REAL DEFAULT 1", 1);
}

void Step39(CVersionControl& context)
{
    CDbQuery& query = context.Query;
    for (const QString& table : OldIdTables())
        AddColumn(query, table, "Old_ID", Int0);
    for (const char* column :
         {"NewWindScheduleName", "PeopleScheduleName", "LightScheduleName", "ElectricEquipmentScheduleName",
          "HeatingEquipmentScheduleName", "ElectronicEquipmentScheduleName"})
        AddColumn(query, "RoomOccupation", column, Text);
    for (const char* column :
         {"LightPower", "ElectricEquipmentPower", "HeatingEquipmentPower", "ElectronicEquipmentPower"})
        AddColumn(query, "RoomOccupation", column, Real0);
    for (const char* column : {"ElectricUseCoefficient", "HeatingUseCoefficient", "ElectronicUseCoefficient"})
        AddColumn(query, "RoomOccupation", column, "REAL DEFAULT 1.0");
    ExecQueryGuarded(query, "update RoomOccupation set ElectricUseCoefficient=1,HeatingUseCoefficient=1,"
                            "ElectronicUseCoefficient=1");
    AddColumn(query, "Room", "WinterHeatGainCoefficient", Real0);
    AddColumnSet(query, "Infiltration", "n_data", "REAL DEFAULT -1", -1);
    for (const char* table : {"Building", "Storey", "Room"})
        AddColumn(query, table, "IsWinterHeatRebateCoefficient", Int0);
    AddColumnSet(query, "Room", "WinterHeatRebateCoefficient", "REAL DEFAULT 1", 1);
    for (const char* table : {"Building", "Storey", "Room"}) {
        AddColumn(query, table, "IsWinter_Heat_Transfer", Int1);
        AddColumn(query, table, "IsHeating_Flood_Solar", Int0);
    }
    for (const char* table : {"Building", "Storey", "Room"})
        SetColumn(query, table, "IsWinter_Heat_Transfer", 1);

    // Every room use takes the schedules of the default values; a default without a schedule
    // gives "0". The fresh-air schedule follows the fresh-air default.
    const QHash<QString, QString> names = DefaultScheduleNames(query);
    const auto name = [&names](const char* key) { return DefaultScheduleName(names, key); };
    CSQLMaker maker(QStringLiteral("RoomOccupation"));
    maker.AddSQLField(QStringLiteral("NewWindScheduleName"), name("ScheduleName_OutsideAir"), true)
        .AddSQLField(QStringLiteral("PeopleScheduleName"), name("ScheduleName_People"), true)
        .AddSQLField(QStringLiteral("LightScheduleName"), name("ScheduleName_Lighting"), true)
        .AddSQLField(QStringLiteral("ElectricEquipmentScheduleName"), name("ScheduleName_ElectricEquipment"),
                     true)
        .AddSQLField(QStringLiteral("HeatingEquipmentScheduleName"), name("ScheduleName_HeatingEquipment"),
                     true)
        .AddSQLField(QStringLiteral("ElectronicEquipmentScheduleName"),
                     name("ScheduleName_ElectronicEquipment"), true);
    ExecQueryGuarded(query, maker.MakeUpdateSQL());
}

void Step40(CVersionControl& context)
{
    ExecQueryGuarded(
        context.Query,
        "update OutputOption set IsACLoadMonthlyCalculation_Output=1,IsACLoadDailyCalculation_Output=1 "
        "where ID in (193, 194, 195, 196, 199, 202, 203, 204, 205, 208, 311, 312, 313, 314, 317, 319, "
        "320, 321, 322, 325)");
    ExecQueryGuarded(
        context.Query,
        "update OutputOption set IsACLoadMonthlyCalculation_Output=-1,IsACLoadDailyCalculation_Output=-1 "
        "where ID in (477, 478, 479, 480, 482, 516, 517, 518, 519, 521)");
}

void Step41(CVersionControl& context)
{
    if (!HasColumn(context.Query, QStringLiteral("Building"), QStringLiteral("Old_ID")))
        Step39(context);
}

void Step42(CVersionControl& context)
{
    CTableDefinition definition = CTableDefinition::Read(context.Query, QStringLiteral("RoomOccupation"));
    bool changed = false;
    for (const QString& column : RoomUseRealColumns) {
        if (definition.ColumnType(column).compare(QStringLiteral("REAL"), Qt::CaseInsensitive) == 0)
            continue;
        definition.SetColumnType(column, QStringLiteral("REAL"));
        changed = true;
    }
    if (changed)
        definition.Rebuild(context.Query);
}

void Step43(CVersionControl& context)
{
    InsertChoiceDefault(context.Query, 57, QStringLiteral("newwind_steadystate"),
                        QStringLiteral("空调负荷计算"), QStringLiteral("新风负荷是否采用稳态算法"),
                        QStringLiteral("1"));
}

void Step44(CVersionControl& context)
{
    // A name keeps what it says up to and including 指标; what follows is dropped.
    CDbQuery& query = context.Query;
    OpenQueryGuarded(query,
                     "select ID,OutputOptionName from OutputOption where OutputOptionName like '%指标%' "
                     "order by ID");
    const QString word = QStringLiteral("指标");
    QList<std::pair<int, QString>> renamed;
    for (query.First(); !query.Eof(); query.Next()) {
        const QString name = query.Field(1).toString();
        const QString shortened = name.left(name.indexOf(word) + word.size());
        if (shortened != name)
            renamed.append({query.Field(0).toInt(), shortened});
    }
    for (const auto& [id, name] : renamed)
        ExecQueryGuarded(query, {"update OutputOption set OutputOptionName=? where ID =?", {name, id}});
}
} // namespace ProjectSchemaSteps
