#include "tests/data/GeneratedDatabase.h"

#include "calclib/dizedozev.h"
#include "platform/core/CDbQuery.h"

#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
const QString SysData = QStringLiteral("System/SysData.dat");
const QString IssueData = QStringLiteral("IssueData/SysData.dat");
const QString ScheduleNew = QStringLiteral("System/Schedule_New.dat");
const QString ProjectModule = QStringLiteral("Project/ProjectModule.dat");

QStringList Numbered(const QString& format, int first, int last)
{
    QStringList names;
    for (int i = first; i <= last; ++i)
        names << format.arg(i);
    return names;
}

// The 29 design values that the project weather and a weather library row carry.
const QStringList& DesignValues()
{
    static const QStringList names{"Latitude",
                                   "Longitude",
                                   "Altitude",
                                   "WinterBarometric",
                                   "SummerBarometric",
                                   "WinterWindSpeed",
                                   "SummerWindSpeed",
                                   "WinterAirConditioningDesignDrybulbTemperature",
                                   "SummerAirConditioningDesignDrybulbTemperature",
                                   "WinterVentilationDesignDrybulbTemperature",
                                   "SummerVentilationDesignDrybulbTemperature",
                                   "WinterHeatingDesignDrybulbTemperature",
                                   "SummerAirConditioningDesignWetbulbTemperature",
                                   "WinterAirConditioningDesignRelativeHumidity",
                                   "MaximumFrozenEarthDepth",
                                   "YearlyAverageTemperature",
                                   "WinterLowestDesignDrybulbTemperature",
                                   "SummerAirConditioningDailyAverageDesignDrybulbTemperature",
                                   "SummerTemperatueRange",
                                   "HottestMonthAverageTemperature",
                                   "HottestMonthAverageRelativeHumidity",
                                   "HottestMonth14hAverageRelativeaHumidity",
                                   "WinterMajorAverageWindSpeed",
                                   "WinterSunlight",
                                   "ExtremelyLowTemperature",
                                   "ExtremelyHighTemperature",
                                   "AverageExtremelyLowTemperature",
                                   "AverageExtremelyHighTemperature",
                                   "AtmosphereClarity"};
    return names;
}

const QStringList& DayColumns()
{
    static const QStringList names{
        "DaySchedule_DesignDay", "DaySchedule_WinterDesignDay", "DaySchedule_Monday", "DaySchedule_Tuesday",
        "DaySchedule_Wednesday", "DaySchedule_Thursday",        "DaySchedule_Friday", "DaySchedule_Saturday",
        "DaySchedule_Sunday",    "DaySchedule_Holiday"};
    return names;
}

// Members 1 to 26 of a room use, shared with the storey use.
const QStringList& UseMembers()
{
    static const QStringList names{"SummerACTemperature",
                                   "WinterACTemperature",
                                   "WinterHeatingTemperature",
                                   "TemperatureVariation",
                                   "TemperatureVariation_Heating",
                                   "SummerACRH",
                                   "WinterACRH",
                                   "WinterHeatingRH",
                                   "RHVariation",
                                   "RHVariation_Heating",
                                   "PeopleDensity",
                                   "LightingPower",
                                   "Noise",
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
                                   "LaborType"};
    return names;
}

const QStringList& RoomUseScheduleColumns()
{
    static const QStringList names{"NewWindScheduleName",
                                   "PeopleScheduleName",
                                   "LightScheduleName",
                                   "ElectricEquipmentScheduleName",
                                   "HeatingEquipmentScheduleName",
                                   "ElectronicEquipmentScheduleName",
                                   "Fan_Time",
                                   "Chemistry_Time",
                                   "Maintenance_Time"};
    return names;
}

QStringList RoomUseColumns()
{
    return QStringList{"ID", "Name"} + UseMembers() + RoomUseScheduleColumns() +
           QStringList{"LightPower",
                       "ElectricEquipmentPower",
                       "HeatingEquipmentPower",
                       "ElectronicEquipmentPower",
                       "ElectricUseCoefficient",
                       "HeatingUseCoefficient",
                       "ElectronicUseCoefficient",
                       "ElecUnit",
                       "ElecPowerUnit",
                       "ElecHeatUnit",
                       "NewWindUnit",
                       "PeopleDensityUnit",
                       "SimultaneousUseCoefficient",
                       "FoodPeopleDensity"};
}

QStringList ScheduleColumns()
{
    return QStringList{"ID", "Name", "ScheduleType"} + Numbered("WeekSchedule_%1", 1, 12);
}

struct STableColumns
{
    QString database;
    QString table;
    QStringList columns;
};

const QVector<STableColumns>& ExpectedColumns()
{
    static const QStringList weatherRow =
        QStringList{"Country", "Area", "City"} + DesignValues() +
        QStringList{"SoilHeatConductivity", "TimeZone", "RIZARIR_WeatherName", "RIZARIR_WeatherData"} +
        Numbered("GroundTemperature_%1", 1, 12);
    static const QStringList day = QStringList{"DayScheduleName"} + Numbered("Value_%1", 0, 23);
    static const QStringList week = QStringList{"ID"} + DayColumns();
    static const QVector<STableColumns> tables{
        {SysData, "WeatherData", QStringList{"ID", "Lib_name"} + weatherRow},
        {SysData, "DaySchedule", day},
        {SysData, "WeekSchedule", week},
        {SysData, "Schedule", ScheduleColumns()},
        {SysData, "RoomOccupation", RoomUseColumns()},
        {SysData, "StoreyOccupation", QStringList{"ID", "Name"} + UseMembers()},
        {IssueData, "WeatherData", QStringList{"ID", "Lib_name"} + weatherRow},
        {ScheduleNew, "DaySchedule", day},
        {ScheduleNew, "WeekSchedule", week},
        {ScheduleNew, "Schedule", ScheduleColumns()},
        // The library export reads Lib_name from the project weather as well.
        {ProjectModule, "WeatherParameter", QStringList{"Lib_name", "GroundGrade"} + weatherRow},
        {ProjectModule, "TemperatureParameter",
         QStringList{"Month", "DrybulbOrWetbulb"} + Numbered("Temperature_%1", 0, 23)},
        {ProjectModule,
         "SolarRadiation",
         {"Month", "Multiple", "Radiation_East", "Radiation_SouthEast", "Radiation_South",
          "Radiation_SouthWest", "Radiation_West", "Radiation_NorthWest", "Radiation_North",
          "Radiation_NorthEast", "Radiation_Level"}},
        {ProjectModule, "DaySchedule", day},
        {ProjectModule, "WeekSchedule", week + QStringList{"Old_ID"}},
        {ProjectModule, "Schedule", ScheduleColumns() + QStringList{"Old_ID"}},
        {ProjectModule, "StoreyGroup", {"StoreyGroupName", "BaseStorey", "Old_ID"}},
        {ProjectModule, "OutsideAirSystem", {"OutsideAirSystemName", "Old_ID"}},
        {ProjectModule, "PrimaryAirSystem", {"PrimaryAirSystemName", "Old_ID"}},
        {ProjectModule, "RoomOccupation", RoomUseColumns() + QStringList{"Old_ID"}},
        {ProjectModule, "StoreyOccupation", QStringList{"ID", "Name", "Old_ID"} + UseMembers()},
    };
    return tables;
}

const QStringList StandardSchedules{
    "商场人员-公共建筑节能标准", "商场设备-公共建筑节能标准", "商场照明-公共建筑节能标准",
    "办公人员-公共建筑节能标准", "办公设备-公共建筑节能标准", "办公照明-公共建筑节能标准",
    "宾馆人员-公共建筑节能标准", "宾馆设备-公共建筑节能标准", "宾馆照明-公共建筑节能标准"};
const QString AlwaysOn = QStringLiteral("全天运行");

double Real(const GeneratedDatabase& db, const QString& sql, const QVariantList& values = {})
{
    const QVariant value = db.Scalar(sql, values);
    EXPECT_TRUE(value.isValid() && !value.isNull()) << sql.toStdString();
    return value.toDouble();
}

std::vector<double> DayValues(const GeneratedDatabase& db, const QString& name)
{
    std::vector<double> values;
    for (int h = 0; h < 24; ++h)
        values.push_back(
            Real(db, QString("SELECT Value_%1 FROM DaySchedule WHERE DayScheduleName = ?").arg(h), {name}));
    return values;
}
} // namespace

TEST(WeatherScheduleData, TablesHoldEveryColumnTheProgramReadsAndWrites)
{
    for (const STableColumns& expected : ExpectedColumns()) {
        GeneratedDatabase db(expected.database);
        ASSERT_TRUE(db.HasTable(expected.table))
            << expected.database.toStdString() << ' ' << expected.table.toStdString();
        EXPECT_EQ(db.MissingColumns(expected.table, expected.columns), QStringList())
            << expected.database.toStdString() << ' ' << expected.table.toStdString();
    }
}

// The upgrades read the standard-schedule database by field position; New copies every column of the
// system schedule tables into the project's, so the project must have them all.
TEST(WeatherScheduleData, ScheduleTablesKeepTheColumnOrderAndFitTheProject)
{
    GeneratedDatabase standard(ScheduleNew);
    const QStringList schedule = standard.Columns("Schedule");
    ASSERT_GE(schedule.size(), 14);
    EXPECT_EQ(schedule[1], "Name");
    EXPECT_EQ(schedule.mid(2, 12), Numbered("WeekSchedule_%1", 1, 12));
    EXPECT_EQ(standard.Columns("WeekSchedule").mid(0, 11), QStringList{"ID"} + DayColumns());
    EXPECT_EQ(standard.Columns("DaySchedule").mid(0, 25),
              QStringList{"DayScheduleName"} + Numbered("Value_%1", 0, 23));

    GeneratedDatabase system(SysData);
    GeneratedDatabase project(ProjectModule);
    for (const QString& table :
         QStringList{"Schedule", "WeekSchedule", "DaySchedule", "RoomOccupation", "StoreyOccupation"})
        EXPECT_EQ(project.MissingColumns(table, system.Columns(table)), QStringList()) << table.toStdString();
}

TEST(WeatherScheduleData, WeatherLibraryHoldsEveryStationOfGB50736)
{
    GeneratedDatabase db(SysData);
    // Stations per province as the header of GB 50736-2012 表A declares them.
    const QVector<QPair<QString, int>> provinces{
        {"北京", 1},    {"天津", 2},  {"河北", 10}, {"山西", 10}, {"内蒙古", 12}, {"辽宁", 12}, {"吉林", 8},
        {"黑龙江", 12}, {"上海", 1},  {"江苏", 9},  {"浙江", 10}, {"安徽", 12},   {"福建", 7},  {"江西", 9},
        {"山东", 14},   {"河南", 12}, {"湖北", 11}, {"湖南", 12}, {"广东", 15},   {"广西", 13}, {"海南", 2},
        {"重庆", 3},    {"四川", 16}, {"贵州", 9},  {"云南", 16}, {"西藏", 7},    {"陕西", 9},  {"甘肃", 13},
        {"青海", 8},    {"宁夏", 5},  {"新疆", 14}};
    for (const auto& [area, stations] : provinces)
        EXPECT_EQ(
            db.Scalar("SELECT COUNT(*) FROM WeatherData WHERE Lib_name = 'GB50736-2012' AND Area = ?", {area})
                .toInt(),
            stations)
            << area.toStdString();
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM WeatherData WHERE Lib_name = 'GB50736-2012'").toInt(), 294);
    // The four texts key a location: no two rows may share them.
    EXPECT_EQ(
        db.Scalar("SELECT COUNT(*) FROM (SELECT 1 FROM WeatherData GROUP BY Lib_name, Country, Area, City "
                  "HAVING COUNT(*) > 1)")
            .toInt(),
        0);
    // Pressures in Pa, not hPa: from about 58 kPa on the Tibetan plateau to sea level.
    EXPECT_EQ(
        db.Scalar("SELECT COUNT(*) FROM WeatherData WHERE WinterBarometric NOT BETWEEN 50000 AND 105000 "
                  "OR SummerBarometric NOT BETWEEN 50000 AND 105000")
            .toInt(),
        0);
    // The release copy carries the same library.
    GeneratedDatabase issue(IssueData);
    EXPECT_EQ(issue.Scalar("SELECT COUNT(*) FROM WeatherData WHERE Lib_name = 'GB50736-2012'").toInt(), 294);
}

TEST(WeatherScheduleData, WeatherValuesFollowTheStandardsTable)
{
    GeneratedDatabase db(SysData);
    struct SCase
    {
        QString city;
        QString column;
        double value;
    };
    // Values of GB 50736-2012 表A (pressures there in hPa).
    const QVector<SCase> cases{
        {"北京", "SummerAirConditioningDesignDrybulbTemperature", 33.5},
        {"北京", "SummerAirConditioningDesignWetbulbTemperature", 26.4},
        {"北京", "WinterAirConditioningDesignDrybulbTemperature", -9.9},
        {"北京", "WinterAirConditioningDesignRelativeHumidity", 44},
        {"北京", "WinterHeatingDesignDrybulbTemperature", -7.6},
        {"北京", "WinterBarometric", 1021.7 * 100},
        {"北京", "SummerBarometric", 1000.2 * 100},
        {"北京", "SummerAirConditioningDailyAverageDesignDrybulbTemperature", 29.6},
        {"北京", "HottestMonth14hAverageRelativeaHumidity", 61},
        {"北京", "WinterMajorAverageWindSpeed", 4.7},
        {"北京", "MaximumFrozenEarthDepth", 66},
        // (33.5 - 29.6) / 0.52, GB 50736-2012 4.1.11
        {"北京", "SummerTemperatueRange", 7.5},
        {"上海徐家汇", "SummerAirConditioningDesignDrybulbTemperature", 34.4},
        {"上海徐家汇", "WinterBarometric", 1025.4 * 100},
        {"长沙", "SummerAirConditioningDesignWetbulbTemperature", 27.7},
        {"拉萨", "WinterBarometric", 650.6 * 100},
        {"哈尔滨", "WinterHeatingDesignDrybulbTemperature", -24.2},
    };
    for (const SCase& c : cases)
        EXPECT_NEAR(Real(db, QString("SELECT %1 FROM WeatherData WHERE City = ?").arg(c.column), {c.city}),
                    c.value, 1e-6)
            << c.city.toStdString() << ' ' << c.column.toStdString();
    // Every provincial capital can be chosen, Changsha under its city name.
    for (const QString& city :
         QStringList{"石家庄", "太原", "呼和浩特", "沈阳", "长春", "哈尔滨", "南京", "杭州", "合肥",
                     "福州",   "南昌", "济南",     "郑州", "武汉", "长沙",   "广州", "南宁", "海口",
                     "成都",   "贵阳", "昆明",     "拉萨", "西安", "兰州",   "西宁", "银川", "乌鲁木齐"})
        EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM WeatherData WHERE City = ?", {city}).toInt(), 1)
            << city.toStdString();
    // A value the table marks as missing stays empty, never 0.
    EXPECT_TRUE(
        db.Scalar("SELECT SummerAirConditioningDesignWetbulbTemperature FROM WeatherData WHERE City = '精河'")
            .isNull());
}

TEST(WeatherScheduleData, TwelveMonthWeekRowsNameExistingDaySchedules)
{
    for (const QString& file : {SysData, ScheduleNew, ProjectModule}) {
        GeneratedDatabase db(file);
        QStringList names = StandardSchedules;
        if (file != ScheduleNew)
            names << AlwaysOn;
        for (const QString& name : names) {
            const QVariant id = db.Scalar("SELECT ID FROM Schedule WHERE Name = ?", {name});
            ASSERT_TRUE(id.isValid()) << file.toStdString() << ' ' << name.toStdString();
            for (int m = 1; m <= 12; ++m) {
                const QVariant week =
                    db.Scalar(QString("SELECT WeekSchedule_%1 FROM Schedule WHERE ID = ?").arg(m), {id});
                for (const QString& column : DayColumns()) {
                    const QString day =
                        db.Scalar(QString("SELECT %1 FROM WeekSchedule WHERE ID = ?").arg(column), {week})
                            .toString();
                    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM DaySchedule WHERE DayScheduleName = ?", {day})
                                  .toInt(),
                              1)
                        << file.toStdString() << ' ' << name.toStdString() << " month " << m << ' '
                        << column.toStdString() << " '" << day.toStdString() << "'";
                }
            }
        }
        // Percentages of the hour: 0 to 100.
        for (int h = 0; h < 24; ++h)
            EXPECT_EQ(
                db.Scalar(QString("SELECT COUNT(*) FROM DaySchedule WHERE Value_%1 NOT BETWEEN 0 AND 100 "
                                  "OR Value_%1 IS NULL")
                              .arg(h))
                    .toInt(),
                0)
                << file.toStdString() << " hour " << h;
    }
}

// The upgrades copy "<standard name>_<n>" for n = 0 to 7 from the standard-schedule database.
TEST(WeatherScheduleData, StandardDaySchedulesAreComplete)
{
    for (const QString& file : {ScheduleNew, SysData}) {
        GeneratedDatabase db(file);
        for (const QString& name : StandardSchedules)
            for (int n = 0; n <= 7; ++n)
                EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM DaySchedule WHERE DayScheduleName = ?",
                                    {QString("%1_%2").arg(name).arg(n)})
                              .toInt(),
                          1)
                    << file.toStdString() << ' ' << name.toStdString() << '_' << n;
    }
}

TEST(WeatherScheduleData, StandardProfilesFollowGB50189)
{
    GeneratedDatabase db(SysData);
    struct SCase
    {
        QString day;
        int hour;
        double percent;
    };
    // GB 50189-2015 附录B profiles (as GB 55015-2021 附录C carries them), fractions as percentages.
    const QVector<SCase> cases{
        {"办公人员-公共建筑节能标准_1", 8, 95},  {"办公人员-公共建筑节能标准_1", 5, 10},
        {"办公人员-公共建筑节能标准_1", 16, 30}, {"办公人员-公共建筑节能标准_7", 10, 0},
        {"办公设备-公共建筑节能标准_3", 10, 50}, {"办公照明-公共建筑节能标准_0", 12, 95},
        {"商场人员-公共建筑节能标准_0", 18, 70}, {"商场照明-公共建筑节能标准_6", 17, 100},
        {"宾馆人员-公共建筑节能标准_2", 0, 70},  {"宾馆照明-公共建筑节能标准_7", 16, 90},
        {"宾馆设备-公共建筑节能标准_0", 20, 80}, {AlwaysOn, 3, 100},
    };
    for (const SCase& c : cases)
        EXPECT_NEAR(DayValues(db, c.day)[c.hour], c.percent, 1e-9) << c.day.toStdString() << ' ' << c.hour;
    // Offices stand empty at the weekend; the design day is a working day.
    EXPECT_EQ(DayValues(db, "办公人员-公共建筑节能标准_6"), std::vector<double>(24, 0.0));
    EXPECT_EQ(DayValues(db, "办公人员-公共建筑节能标准_0"), DayValues(db, "办公人员-公共建筑节能标准_1"));
}

TEST(WeatherScheduleData, RoomUsesNameExistingSchedules)
{
    for (const QString& file : {SysData, ProjectModule}) {
        GeneratedDatabase db(file);
        EXPECT_GE(db.Scalar("SELECT COUNT(*) FROM RoomOccupation").toInt(), 15) << file.toStdString();
        EXPECT_GE(db.Scalar("SELECT COUNT(*) FROM StoreyOccupation").toInt(), 1) << file.toStdString();
        for (const QString& column : RoomUseScheduleColumns()) {
            const QVariantList dangling = db.Column(QString("SELECT Name FROM RoomOccupation WHERE %1 IS "
                                                            "NULL OR %1 NOT IN (SELECT Name FROM Schedule)")
                                                        .arg(column));
            EXPECT_TRUE(dangling.isEmpty()) << file.toStdString() << ' ' << column.toStdString() << ": "
                                            << dangling.value(0).toString().toStdString();
        }
    }
}

TEST(WeatherScheduleData, RoomUsesCarryTheReferenceValues)
{
    GeneratedDatabase db(SysData);
    struct SCase
    {
        QString use;
        QString column;
        double value;
    };
    const QVector<SCase> cases{
        // GB 50736-2012 comfort class I and the reference room-use table.
        {"办公室", "SummerACTemperature", 26},
        {"办公室", "SummerACRH", 60},
        {"办公室", "WinterACTemperature", 22},
        {"办公室", "WinterACRH", 30},
        {"办公室", "OutsideAirSupply", 30},
        {"办公室", "NewWindUnit", 0},
        {"办公室", "PeopleDensity", 0.1},
        {"办公室", "PeopleDensityUnit", 0},
        {"办公室", "LightingPower", 9},
        {"办公室", "ElectronicEquipmentPower", 15},
        {"办公室", "ElecUnit", 1},
        {"旅馆客房", "PeopleDensity", 0.04},
        {"旅馆客房", "LightingPower", 7},
        {"百货商场", "OutsideAirSupply", 19},
        {"百货商场", "ElectronicEquipmentPower", 13},
        {"教室", "PeopleDensity", 0.167},
        // Two air changes per hour of a 3 m high room, per square metre of floor.
        {"病房", "OutsideAirSupply", 6},
        {"病房", "NewWindUnit", 1},
    };
    for (const SCase& c : cases)
        EXPECT_NEAR(Real(db, QString("SELECT %1 FROM RoomOccupation WHERE Name = ?").arg(c.column), {c.use}),
                    c.value, 1e-9)
            << c.use.toStdString() << ' ' << c.column.toStdString();
    // The three room uses the program updates by name, with their standard schedules.
    const QVector<QPair<QString, QString>> people{{"百货商场", StandardSchedules[0]},
                                                  {"办公室", StandardSchedules[3]},
                                                  {"旅馆客房", StandardSchedules[6]}};
    for (const auto& [use, schedule] : people)
        EXPECT_EQ(db.Scalar("SELECT PeopleScheduleName FROM RoomOccupation WHERE Name = ?", {use}).toString(),
                  schedule)
            << use.toStdString();
}

// The quick and itemised estimates multiply these indexes by the area; every shipped use carries
// them, its parts adding up to its totals.
TEST(WeatherScheduleData, RoomAndStoreyUsesCarryLoadIndexesWhosePartsAddUp)
{
    for (const QString& file : {SysData, ProjectModule}) {
        GeneratedDatabase db(file);
        for (const QString table : {"RoomOccupation", "StoreyOccupation"}) {
            const QString columns = "Name, TotalCoolIndex, EnclosureCoolIndex, PeopleCoolIndex, "
                                    "OutsideAirCoolIndex, OthersCoolIndex, TotalHeatIndex, EnclosureHeatIndex, "
                                    "PeopleHeatIndex, OutsideAirHeatIndex, PthersHeatIndex";
            CDbQuery query(db.ConnectionName());
            query.SetSQL(CSQLStatement(QString("SELECT %1 FROM %2").arg(columns, table)));
            query.Open();
            int rows = 0;
            for (query.First(); !query.Eof(); query.Next(), ++rows) {
                const std::string use = (file + ' ' + table + ' ' + query.Field(0).toString()).toStdString();
                const auto value = [&](int i) { return query.Field(i).toDouble(); };
                // Published estimate ranges reach from about 75 to 350 W/m2 of cooling.
                EXPECT_GE(value(1), 75) << use;
                EXPECT_LE(value(1), 350) << use;
                EXPECT_NEAR(value(2) + value(3) + value(4) + value(5), value(1), 1e-9) << use;
                for (int i : {2, 3, 4, 5})
                    EXPECT_GT(value(i), 0) << use << " cooling part " << i;
                EXPECT_GT(value(6), 0) << use;
                EXPECT_NEAR(value(7) + value(8) + value(9) + value(10), value(6), 1e-9) << use;
                EXPECT_GT(value(7), 0) << use << " envelope heating";
                EXPECT_GT(value(9), 0) << use << " outdoor-air heating";
                // Internal gains are not credited against a heating load.
                EXPECT_EQ(value(8), 0) << use;
                EXPECT_EQ(value(10), 0) << use;
            }
            EXPECT_GT(rows, 0) << file.toStdString() << ' ' << table.toStdString();
        }
    }
    // The office: the middle of the handbook's 办公 90~120 W/m2; envelope heating the middle of
    // 办公楼、教室 58~81 W/m2; outdoor air 4 m3/(h.m2) heated by 30 K at 0.335 W.h/(m3.K).
    GeneratedDatabase db(SysData);
    const auto office = [&](const QString& column) {
        return Real(db, QString("SELECT %1 FROM RoomOccupation WHERE Name = ?").arg(column), {"办公室"});
    };
    EXPECT_DOUBLE_EQ(office("TotalCoolIndex"), 105);
    EXPECT_DOUBLE_EQ(office("EnclosureHeatIndex"), 69.5);
    EXPECT_NEAR(office("OutsideAirHeatIndex"), 4 * 1.2 * 1.005 / 3.6 * 30, 0.5);
}

// The blank project starts on one location with the monthly data the weather form would derive.
TEST(WeatherScheduleData, BlankProjectCarriesOneWeatherLocationWithItsMonthlyData)
{
    GeneratedDatabase db(ProjectModule);
    ASSERT_EQ(db.Scalar("SELECT COUNT(*) FROM WeatherParameter").toInt(), 1);
    EXPECT_EQ(db.Scalar("SELECT City FROM WeatherParameter").toString(), "北京");
    const auto value = [&](const QString& column) {
        return static_cast<float>(Real(db, QString("SELECT %1 FROM WeatherParameter").arg(column)));
    };
    const float twg = value("SummerAirConditioningDesignDrybulbTemperature");
    const float range = value("SummerTemperatueRange");
    const float twk = value("WinterAirConditioningDesignDrybulbTemperature");
    EXPECT_NEAR(range, 7.5, 1e-5);

    // The stored profiles are those the weather form derives from the row; an empty clarity reads as 0,
    // as the form reads it.
    std::vector<float> db12(12 * 24), wb12(12 * 24), shg(12 * 9);
    GetDB12(twg, range, twk, db12.data());
    GetWB12(value("SummerBarometric"), value("WinterBarometric"), twg,
            value("SummerAirConditioningDesignWetbulbTemperature"), range, twk,
            value("WinterAirConditioningDesignRelativeHumidity"), wb12.data());
    GetMaxSHG12(value("Latitude"), value("Longitude"), value("TimeZone"),
                db.Scalar("SELECT GroundGrade FROM WeatherParameter").toInt(), shg.data(),
                db.Scalar("SELECT AtmosphereClarity FROM WeatherParameter").toFloat(), 0, 2003);

    ASSERT_EQ(db.Scalar("SELECT COUNT(*) FROM TemperatureParameter").toInt(), 24);
    const auto hour = [&](int month, int kind, int h) {
        return Real(
            db,
            QString(
                "SELECT Temperature_%1 FROM TemperatureParameter WHERE Month = ? AND DrybulbOrWetbulb = ?")
                .arg(h),
            {month, kind});
    };
    for (int m = 0; m < 12; ++m)
        for (int h = 0; h < 24; ++h) {
            EXPECT_NEAR(hour(m, 0, h), db12[m * 24 + h], 1e-4) << "dry bulb month " << m << " hour " << h;
            EXPECT_NEAR(hour(m, 1, h), wb12[m * 24 + h], 1e-4) << "wet bulb month " << m << " hour " << h;
        }
    // GB 50736-2012 4.1.11: the July design day peaks at the design dry bulb 33.5 and averages the
    // daily mean 29.6; the wet bulb peaks at the design wet bulb 26.4.
    double julyMax = -100, julySum = 0, julyWetMax = -100;
    for (int h = 0; h < 24; ++h) {
        julyMax = std::max(julyMax, hour(6, 0, h));
        julySum += hour(6, 0, h);
        julyWetMax = std::max(julyWetMax, hour(6, 1, h));
    }
    EXPECT_NEAR(julyMax, 33.5, 0.01);
    EXPECT_NEAR(julySum / 24, 29.6, 0.05);
    EXPECT_NEAR(julyWetMax, 26.4, 0.01);

    // Library order per month: horizontal, S, SW, W, NW, N, NE, E, SE.
    const QVector<QPair<QString, int>> faces{
        {"Radiation_Level", 0},     {"Radiation_South", 1},     {"Radiation_SouthWest", 2},
        {"Radiation_West", 3},      {"Radiation_NorthWest", 4}, {"Radiation_North", 5},
        {"Radiation_NorthEast", 6}, {"Radiation_East", 7},      {"Radiation_SouthEast", 8}};
    ASSERT_EQ(db.Scalar("SELECT COUNT(*) FROM SolarRadiation").toInt(), 12);
    const auto solar = [&](int month, const QString& column) {
        return Real(db, QString("SELECT %1 FROM SolarRadiation WHERE Month = ?").arg(column), {month});
    };
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(solar(m, "Multiple"), 1.0);
        for (const auto& [column, index] : faces)
            EXPECT_NEAR(solar(m, column), shg[(m - 1) * 9 + index], 1e-3)
                << column.toStdString() << " month " << m;
    }
    // At 40 degrees north the low December sun favours the south face, the high June sun the roof.
    EXPECT_GT(solar(12, "Radiation_South"), solar(12, "Radiation_East"));
    EXPECT_GT(solar(12, "Radiation_South"), solar(12, "Radiation_North"));
    EXPECT_GT(solar(6, "Radiation_Level"), solar(6, "Radiation_South"));
}

// New copies schedules and room uses again by name and relies on the IDs the default values hold.
TEST(WeatherScheduleData, BlankProjectCopiesMatchTheSystemData)
{
    GeneratedDatabase system(SysData);
    GeneratedDatabase project(ProjectModule);
    for (const QString& sql :
         QStringList{"SELECT ID || ':' || Name FROM Schedule ORDER BY ID",
                     "SELECT ID || ':' || Name FROM RoomOccupation ORDER BY ID",
                     "SELECT ID || ':' || Name FROM StoreyOccupation ORDER BY ID",
                     "SELECT ID || ':' || DaySchedule_Monday FROM WeekSchedule ORDER BY ID",
                     "SELECT DayScheduleName || ':' || Value_9 FROM DaySchedule ORDER BY DayScheduleName"})
        EXPECT_EQ(project.Column(sql), system.Column(sql)) << sql.toStdString();
}
