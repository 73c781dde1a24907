#include "tests/data/GeneratedDatabase.h"

#include "platform/core/CDbQuery.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {
const QString SysData = QStringLiteral("System/SysData.dat");
const QString IssueSysData = QStringLiteral("IssueData/SysData.dat");
const QString ProjectModule = QStringLiteral("Project/ProjectModule.dat");
const QStringList SystemDatabases{SysData, IssueSysData};
const QStringList DefaultValueDatabases{SysData, IssueSysData, ProjectModule};

// Library table of each library kind code, the number after the "I" of a choice list.
const QStringList KindTables{"OutsideWall_Lib",   "InsideWall_Lib",   "Ceiling_Lib",
                             "Floor_Lib",         "Roof_Lib",         "BlindStorey_Lib",
                             "OutsideWindow_Lib", "OutsideDoor_Lib",  "GlassCurtainWall_Lib",
                             "GlassRoof_Lib",     "InsideWindow_Lib", "InsideDoor_Lib",
                             "SkyWindow_Lib",     "Ground_Lib",       "ProjectionFloor_Lib",
                             "GapWall_Lib",       "RoomOccupation",   "Schedule",
                             "StoreyOccupation",  "BasementWall_Lib"};

struct SDefault
{
    int id = 0;
    QString name, group, remark;
    int valueType = 0, editType = 0;
    QString value, list, maxValue, minValue;
};

QVector<SDefault> Defaults(const GeneratedDatabase& db)
{
    QVector<SDefault> rows;
    CDbQuery query(db.ConnectionName());
    query.SetSQL(CSQLStatement("select * from Initialization order by ID"));
    query.Open();
    for (query.First(); !query.Eof(); query.Next())
        rows.append({query.AsInt("ID"), query.AsString("I_Name"), query.AsString("I_NameType"),
                     query.AsString("I_Remark"), query.AsInt("I_ValueType"), query.AsInt("I_EditType"),
                     query.AsString("I_Value"), query.AsString("I_ValueList"), query.AsString("I_MaxValue"),
                     query.AsString("I_MinValue")});
    return rows;
}

SDefault Named(const QVector<SDefault>& rows, const QString& name)
{
    for (const SDefault& row : rows)
        if (row.name == name)
            return row;
    return {};
}

SDefault WithId(const QVector<SDefault>& rows, int id)
{
    for (const SDefault& row : rows)
        if (row.id == id)
            return row;
    return {};
}

// Kind code of a record choice list "I<digits>", -1 otherwise.
int ListKind(const QString& list)
{
    static const QRegularExpression pattern(QStringLiteral("^I(\\d+)$"));
    const auto match = pattern.match(list);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QList<int> Ids(const QString& ranges)
{
    QList<int> ids;
    for (const QString& part : ranges.split(',', Qt::SkipEmptyParts)) {
        const QStringList ends = part.trimmed().split('-');
        for (int id = ends.first().toInt(); id <= ends.last().toInt(); ++id)
            ids << id;
    }
    return ids;
}

const QStringList FlagColumns{
    "IsACLoadSimpleEstimation_Output",      "IsACLoadItemsEstimation_Output",
    "IsACLoadIntelligentEstimation_Output", "IsACLoadCalculation_Output",
    "IsACLoadMonthlyCalculation_Output",    "IsACLoadDailyCalculation_Output",
    "IsHeatingLoadCalculation_Output",      "IsHeatingLoadMonthlyCalculation_Output",
    "IsHeatingLoadDailyCalculation_Output"};

struct SOption
{
    QString name;
    int father = -1;
    int firstLines = 0, secondLines = 0;
    QList<int> flags;
};

QMap<int, SOption> Options(const GeneratedDatabase& db)
{
    QMap<int, SOption> options;
    CDbQuery query(db.ConnectionName());
    query.SetSQL(CSQLStatement("select * from OutputOption order by ID"));
    query.Open();
    for (query.First(); !query.Eof(); query.Next()) {
        SOption option{query.AsString("OutputOptionName"),
                       query.AsInt("FatherID"),
                       query.AsInt("FirstLine_Count"),
                       query.AsInt("SecondLine_Count"),
                       {}};
        for (const QString& column : FlagColumns)
            option.flags << query.AsInt(column);
        options.insert(query.AsInt("ID"), option);
    }
    return options;
}
} // namespace

TEST(DefaultValues, TablesHaveTheColumnsTheProgramReads)
{
    const QStringList columns{"ID",         "I_Name",  "I_NameType",  "I_Remark",   "I_ValueType",
                              "I_EditType", "I_Value", "I_ValueList", "I_MaxValue", "I_MinValue"};
    for (const QString& file : DefaultValueDatabases) {
        GeneratedDatabase db(file);
        EXPECT_EQ(db.MissingColumns("Initialization", columns), QStringList()) << file.toStdString();
    }
}

// Every name another part of the program looks up, including the schedules New copies and the
// values the exchange file writes.
TEST(DefaultValues, EveryNameTheProgramReadsIsThereOnce)
{
    const QStringList names{"ACLoadPlusFullYearPercent",
                            "ACLoadPlusPercent",
                            "AirSupplyType",
                            "AreaTypeForCalIndex",
                            "BasementWallName",
                            "BlindStoreyName",
                            "CeilingName",
                            "Chemistry_Time",
                            "ContainSunSolarWinter",
                            "DesignerName",
                            "DoorWindowHeatPressure",
                            "DoorWindowWindInfiltration",
                            "DoorWindowWindPressure",
                            "FloorName",
                            "GapWallName",
                            "GlassCurtainWallName",
                            "GlassRoofName",
                            "GroundName",
                            "HeatingLoadCoefficient_East",
                            "HeatingLoadCoefficient_North",
                            "HeatingLoadCoefficient_South",
                            "HeatingLoadCoefficient_SouthEast",
                            "HeatingLoadPlusPercent",
                            "HeatingLoadWindPlus",
                            "InsideDoorName",
                            "InsideWallName",
                            "InsideWindowName",
                            "IntermittentHeating_LoadRate",
                            "IsCalculateAirInfiltration",
                            "IsDWLEstimation",
                            "IsDWLSimplified",
                            "IsGetNetWallArea",
                            "IsWinterACLoadSteady",
                            "LightingPowerTo",
                            "OutDoorWindowWindCoefficent",
                            "OutsideDoorName",
                            "OutsideWallName",
                            "OutsideWindowName",
                            "PeopleClassifyCoeffient",
                            "ProjectionFloorName",
                            "RoofColor",
                            "RoofName",
                            "RoomUse",
                            "ScheduleName_ElectricEquipment",
                            "ScheduleName_ElectronicEquipment",
                            "ScheduleName_Evaporating",
                            "ScheduleName_Food",
                            "ScheduleName_HeatingEquipment",
                            "ScheduleName_Infiltration",
                            "ScheduleName_Lighting",
                            "ScheduleName_Others",
                            "ScheduleName_OutsideAir",
                            "ScheduleName_People",
                            "ScheduleName_Water",
                            "SkyWindowName",
                            "StoreyUse",
                            "WinterHeatGainCoefficient",
                            "autorefresh",
                            "newwind_steadystate",
                            "Fan_Time",
                            "Maintenance_Time",
                            "Water_Time"};
    for (const QString& file : DefaultValueDatabases) {
        GeneratedDatabase db(file);
        for (const QString& name : names)
            EXPECT_EQ(db.Scalar("select count(*) from Initialization where I_Name = ?", {name}).toInt(), 1)
                << file.toStdString() << ": " << name.toStdString();
    }
}

// The rows that the schema steps add and correct, as a database brought to the current version
// holds them.
TEST(DefaultValues, RowsOfTheSchemaStepsHoldTheirCurrentValues)
{
    const QVector<SDefault> expected{
        {56, "autorefresh", "节能计算", "是否根据工程数据自动刷新节能计算参数", 0, 1, "1", "否|是", "", ""},
        {57, "newwind_steadystate", "空调负荷计算", "新风负荷是否采用稳态算法", 0, 1, "1", "否|是", "", ""},
        {58, "AreaTypeForCalIndex", "总体信息", "计算负荷单位面积指标依据", 0, 1, "1",
         "空调/采暖面积|建筑面积", "", ""},
        {59, "ContainSunSolarWinter", "空调负荷计算", "冬季空调是否考虑太阳辐射", 0, 1, "0", "否|是", "", ""},
        {62, "IntermittentHeating_LoadRate", "", "间歇供暖附加负荷率%", -1, -1, "20", "", "", ""},
        {64, "ACLoadPlusFullYearPercent", "空调负荷计算", "空调负荷逐日计算中不可预见因素附加百分比%", 1, 0,
         "0", "", "", ""},
    };
    for (const QString& file : DefaultValueDatabases) {
        GeneratedDatabase db(file);
        const QVector<SDefault> rows = Defaults(db);
        for (const SDefault& want : expected) {
            const SDefault row = WithId(rows, want.id);
            SCOPED_TRACE(QStringLiteral("%1 row %2").arg(file).arg(want.id).toStdString());
            EXPECT_EQ(row.name, want.name);
            EXPECT_EQ(row.remark, want.remark);
            EXPECT_EQ(row.value, want.value);
            if (want.valueType >= 0) {
                EXPECT_EQ(row.group, want.group);
                EXPECT_EQ(row.valueType, want.valueType);
                EXPECT_EQ(row.editType, want.editType);
                EXPECT_EQ(row.list, want.list);
                EXPECT_EQ(row.maxValue, want.maxValue);
                EXPECT_EQ(row.minValue, want.minValue);
            }
        }
        // Rows 60 and 61 are made from row 20, row 62 from row 40: same group, types, choices, bounds.
        const QList<std::pair<int, int>> copies{{60, 20}, {61, 20}, {62, 40}};
        for (const auto& [copy, source] : copies) {
            const SDefault a = WithId(rows, copy);
            const SDefault b = WithId(rows, source);
            EXPECT_EQ(QStringList({a.group, a.list, a.maxValue, a.minValue}),
                      QStringList({b.group, b.list, b.maxValue, b.minValue}))
                << copy;
            EXPECT_EQ(a.valueType, b.valueType) << copy;
            EXPECT_EQ(a.editType, b.editType) << copy;
        }
        EXPECT_EQ(WithId(rows, 60).name, "ScheduleName_Water");
        EXPECT_EQ(WithId(rows, 61).name, "Chemistry_Time");
        // The refresh step removes the operating-plan switch again.
        EXPECT_TRUE(Named(rows, "IsLoad_FollowOperationPlan").name.isEmpty());
    }
}

TEST(DefaultValues, ValuesFitTheirTypesChoicesAndBounds)
{
    GeneratedDatabase db(SysData);
    const QVector<SDefault> rows = Defaults(db);
    ASSERT_FALSE(rows.isEmpty());
    for (const SDefault& row : rows) {
        SCOPED_TRACE(row.name.toStdString());
        ASSERT_TRUE(row.editType == 0 || row.editType == 1);
        if (row.editType == 1) {
            EXPECT_TRUE(row.maxValue.isEmpty() && row.minValue.isEmpty());
            if (row.valueType == 0) {
                // Position among literal choices.
                const QStringList choices = row.list.split('|');
                EXPECT_GE(choices.size(), 2);
                bool ok = false;
                const int position = row.value.toInt(&ok);
                EXPECT_TRUE(ok && position >= 0 && position < choices.size()) << row.value.toStdString();
            } else {
                // Record choice: shown by record name only outside the general group, and schedules
                // are offered only in the schedule group.
                ASSERT_EQ(row.valueType, 2);
                const int kind = ListKind(row.list);
                EXPECT_TRUE(kind >= 0 && kind < 20) << row.list.toStdString();
                EXPECT_NE(row.group, "总体信息");
                EXPECT_EQ(kind == 17, row.group == "工作时间表");
            }
            continue;
        }
        EXPECT_TRUE(row.list.isEmpty());
        ASSERT_TRUE(row.valueType >= 0 && row.valueType <= 3);
        if (row.valueType == 2)
            continue;
        bool ok = false;
        const double value = row.valueType == 1 ? row.value.toDouble(&ok) : row.value.toInt(&ok);
        EXPECT_TRUE(ok) << row.value.toStdString();
        const double low = row.minValue.isEmpty() ? value : row.minValue.toDouble();
        const double high = row.maxValue.isEmpty() ? value : row.maxValue.toDouble();
        EXPECT_TRUE(low <= value && value <= high) << row.value.toStdString();
    }
}

// Default records are stored as IDs. Constructions of the blank project are filled from the
// system records by New; its schedules and uses are its own copies and must hold the IDs already.
TEST(DefaultValues, DefaultRecordsExist)
{
    for (const QString& file : DefaultValueDatabases) {
        GeneratedDatabase db(file);
        const bool project = file == ProjectModule;
        for (const SDefault& row : Defaults(db)) {
            const int kind = ListKind(row.list);
            if (row.editType != 1 || kind < 0)
                continue;
            if (project && kind != 16 && kind != 17 && kind != 18)
                continue;
            const QString table = KindTables.value(kind);
            EXPECT_EQ(db.Scalar(QStringLiteral("select count(*) from %1 where ID = ?").arg(table),
                                {row.value.toInt()})
                          .toInt(),
                      1)
                << file.toStdString() << ": " << row.name.toStdString() << " -> " << table.toStdString()
                << " " << row.value.toStdString();
        }
    }
}

TEST(DefaultValues, BlankProjectCarriesTheSystemRows)
{
    GeneratedDatabase system(SysData);
    GeneratedDatabase project(ProjectModule);
    const QVector<SDefault> a = Defaults(system);
    const QVector<SDefault> b = Defaults(project);
    ASSERT_EQ(a.size(), b.size());
    for (int i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].id, b[i].id);
        EXPECT_EQ(a[i].name, b[i].name);
        EXPECT_EQ(a[i].value, b[i].value);
    }
}

// The name lists read "select Name,ID" from the library table of a kind and from Schedule.
TEST(MaterialParamNames, EveryLibraryListsNamesWithIds)
{
    for (const QString& file : DefaultValueDatabases) {
        GeneratedDatabase db(file);
        // Kinds 0 to 19; the weather (20) is chosen by location, never through the name lists.
        for (int kind = 0; kind < 20; ++kind) {
            EXPECT_EQ(db.MissingColumns(KindTables[kind], {"Name", "ID"}), QStringList())
                << file.toStdString() << ": " << KindTables[kind].toStdString();
        }
    }
}

TEST(SystemDataVersion, SystemDatabasesAreAtTheCurrentVersion)
{
    for (const QString& file : SystemDatabases) {
        GeneratedDatabase db(file);
        EXPECT_EQ(db.Column("select f_key || '=' || f_value from tbl_sysversion"),
                  QVariantList{"sysversion=57"})
            << file.toStdString();
    }
}

TEST(OutputOptions, ColumnsKeepTheOrderPositionalInsertsRelyOn)
{
    const QStringList expected =
        QStringList{"ID", "OutputOptionName", "FirstLine_Count", "SecondLine_Count", "FatherID"} +
        FlagColumns + QStringList{"Comments"};
    for (const QString& file : DefaultValueDatabases) {
        GeneratedDatabase db(file);
        EXPECT_EQ(db.Columns("OutputOption"), expected) << file.toStdString();
    }
}

TEST(OutputOptions, TreeHangsTogetherAndFlagsAreKnown)
{
    for (const QString& file : DefaultValueDatabases) {
        GeneratedDatabase db(file);
        const QMap<int, SOption> options = Options(db);
        ASSERT_FALSE(options.isEmpty());
        for (auto it = options.begin(); it != options.end(); ++it) {
            EXPECT_TRUE(it->father == 0 || options.contains(it->father)) << it.key();
            for (int flag : it->flags)
                EXPECT_TRUE(flag >= -1 && flag <= 2) << it.key();
        }
    }
}

// Each section is found by the dialog through the first of its captions that an option's caption
// contains.
TEST(OutputOptions, SectionsCarryTheDialogCaptions)
{
    const QStringList dialogCaptions{"设计参数",       "详细计算参数", "统计数据",     "逐时数据",
                                     "封面",           "建筑概况",     "气象资料",     "围护结构参数",
                                     "计算方法及公式", "工况分析结果", "设备选择结果", "楼层组管理",
                                     "回风系统划分",   "新风系统划分"};
    const QList<std::pair<int, int>> sections{{38, 0},   {80, 1},   {192, 2}, {310, 3}, {1, 4},
                                              {10, 5},   {19, 6},   {67, 7},  {79, 8},  {457, 9},
                                              {467, 11}, {468, 12}, {469, 13}};
    GeneratedDatabase db(SysData);
    const QMap<int, SOption> options = Options(db);
    for (const auto& [id, section] : sections) {
        const QString caption = options.value(id).name;
        int found = -1;
        for (int i = 0; i < dialogCaptions.size() && found < 0; ++i)
            if (caption.contains(dialogCaptions[i]))
                found = i;
        EXPECT_EQ(found, section) << id << " " << caption.toStdString();
        EXPECT_EQ(options.value(id).father, 0) << id;
    }
}

// The options the calculation book asks for by ID, each under the option the builder walks and
// offered for the design types that print it.
TEST(OutputOptions, BookOptionsExistWhereTheBuildersLook)
{
    struct SCase
    {
        QString ids;
        int father;
        QList<int> designTypes;
    };
    const QList<SCase> cases{
        {"2, 3, 5, 6-9", 1, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
        {"11-18", 10, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
        {"20-37", 19, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
        {"39, 40, 51", 38, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
        {"68-78", 67, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
        {"81, 87, 470-472, 112, 117, 122, 126, 137, 645", 80, {3}},
        {"82, 85, 86", 81, {3}},
        {"127-136", 126, {3}},
        {"138, 150, 159, 167, 172, 177, 180, 183, 186, 591, 602-606", 137, {3}},
        {"646-652", 645, {3}},
        // Load statistics columns, per design type.
        {"193, 195, 201, 202, 204, 210, 267-282", 192, {0, 1}},
        {"193-236, 267-270", 192, {2}},
        {"193-266, 473, 474, 283, 284, 578, 583, 585, 586, 594, 595, 607, 608, 617-630, 659-662, 667-670, "
         "675-678",
         192,
         {3}},
        {"193-196, 199, 202-205, 208, 481, 483-513, 579, 589, 599", 192, {4, 5}},
        {"287-309, 596, 653", 192, {6, 7, 8}},
        // Hourly load rows, per design type.
        {"311-337, 339-355, 387, 389, 514, 515", 310, {2}},
        {"311-337, 339-385, 387, 389, 402, 403, 475, 476, 514, 515, 580, 581, 587, 588, 597, 598, 609-612, "
         "631-644, "
         "655-658, "
         "663-666, 671-674, 679, 680",
         310,
         {3}},
        {"311-314, 317, 319-322, 325, 520, 522-554, 582, 590, 600", 310, {4, 5}},
        {"555-576, 601", 310, {7, 8}},
        {"614", 613, {3}},
        {"615, 616", 613, {2, 3}},
    };
    GeneratedDatabase db(SysData);
    const QMap<int, SOption> options = Options(db);
    for (const SCase& c : cases)
        for (int id : Ids(c.ids)) {
            ASSERT_TRUE(options.contains(id)) << id;
            EXPECT_EQ(options[id].father, c.father) << id;
            for (int type : c.designTypes)
                EXPECT_GE(options[id].flags[type], 0) << id << " design type " << type;
        }
    for (int id : Ids("1, 10, 19, 38, 67, 79, 80, 467, 613"))
        EXPECT_EQ(options.value(id).flags, QList<int>(9, 1)) << id;
}

// Rows as the schema steps and the corrections of every start leave them.
TEST(OutputOptions, RowsOfTheSchemaStepsHoldTheirCurrentValues)
{
    const QList<int> A{-1, -1, -1, 0, -1, -1, -1, -1, -1};
    const QList<int> B{-1, -1, -1, -1, -1, -1, 0, 0, 0};
    struct SCase
    {
        int id;
        QString name;
        int father;
        QList<int> flags; // empty: not fixed by the steps
        int firstLines = 0, secondLines = 0;
    };
    const QList<SCase> cases{
        {310, "负荷逐时数据", 0, {}},
        {385, "屋顶热负荷", 310, {}},
        {197, "夏季室内湿负荷(g/h)", 192, {}},
        {206, "冬季室内湿负荷(g/h)", 192, {}},
        {315, "夏季室内湿负荷(g/h)", 310, {}},
        {323, "冬季室内湿负荷(g/h)", 310, {}},
        {481, "室内湿负荷(g/h)", 192, {}},
        {520, "室内湿负荷(g/h)", 310, {}},
        {607, "玻璃幕墙冷负荷", 192, A, 8, 6},
        {610, "玻璃幕墙热负荷", 310, A, 8, 6},
        {611, "外墙冷负荷详细输出", 310, A, 8, 6},
        {612, "外墙热负荷详细输出", 310, A, 8, 6},
        {613, "计算书说明", 0, {1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {614, "冬季得热修正系数", 613, {-1, -1, -1, 1, -1, -1, -1, -1, -1}},
        {615, "冬季空调负荷是否采用稳态计算法", 613, {-1, -1, 1, 1, -1, -1, -1, -1, -1}},
        {616, "新风负荷是否采用稳态计算法 ", 613, {-1, -1, 1, 1, -1, -1, -1, -1, -1}},
        {617, "夏季风机温升和风管温升冷负荷", 192, A},
        {630, "冬季水泵温升和水管温升冷负荷", 192, A},
        {631, "夏季风机温升和风管温升冷负荷", 310, A},
        {644, "冬季水泵温升和水管温升冷负荷", 310, A},
        {645, "化学反应负荷", 80, A},
        {652, "化学反应结束时刻", 645, A},
        {653, "户内采暖设备容量", 192, B},
        {654, "采暖负荷计算书", 0, {-1, -1, -1, -1, -1, -1, -1, 0, 0}},
        {655, "外窗传热冷负荷", 310, A},
        {662, "外窗辐射热负荷", 192, A},
        {663, "天窗传热冷负荷", 310, A},
        {670, "天窗辐射热负荷", 192, A},
        {671, "玻璃屋顶传热冷负荷", 310, A},
        {678, "玻璃屋顶辐射热负荷", 192, A},
        {679, "外窗冷负荷详细输出", 310, A, 8, 6},
        {680, "外窗热负荷详细输出", 310, A, 8, 6},
    };
    for (const QString& file : DefaultValueDatabases) {
        GeneratedDatabase db(file);
        const QMap<int, SOption> options = Options(db);
        for (const SCase& c : cases) {
            SCOPED_TRACE(QStringLiteral("%1 option %2").arg(file).arg(c.id).toStdString());
            ASSERT_TRUE(options.contains(c.id));
            const SOption& option = options[c.id];
            EXPECT_EQ(option.name, c.name);
            EXPECT_EQ(option.father, c.father);
            if (!c.flags.isEmpty()) {
                EXPECT_EQ(option.flags, c.flags);
            }
            if (c.firstLines) {
                EXPECT_EQ(std::pair(option.firstLines, option.secondLines),
                          std::pair(c.firstLines, c.secondLines));
            }
        }
        // Standing corrections: no statistics for the monthly and daily types, no air systems and no
        // detailed heating book for the heating types.
        for (int type : {4, 5, 7, 8})
            EXPECT_EQ(options[192].flags[type], -1);
        for (int id : {468, 469})
            EXPECT_EQ(options[id].flags.mid(6), QList<int>({-1, -1, -1})) << id;
    }
}
