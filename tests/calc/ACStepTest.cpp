// The monthly (design type 4) and daily (design type 5) air-conditioning loads: what their element
// passes hand the calculation library month by month and day by day, how the days are built from
// the winter and summer passes, and their physical sense through the real library.
#include "tests/calc/OfficeRoomFixture.h"

#include "calc/CCalculate_Manager_ACStep.h"
#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"
#include "calc/CDizedozevLibrary.h"
#include "calc/CRunTimeSchemeSourceBase.h"
#include "calc/ResultByType.h"
#include "climate/CLIB_WeatherData.h"
#include "model/CGround.h"
#include "model/CLighting.h"
#include "model/COutsideWall.h"
#include "model/COutsideWindow.h"
#include "model/CPeople.h"
#include "model/CRoof.h"
#include "model/CRoom.h"
#include "tests/support/CSyntheticWeatherYear.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using StepRecord = CCalculate_Result_IsACLoadStepCalculation;
constexpr int kHours = 24;
constexpr int kDays = 365;
constexpr double kKcal = 0.8598452;

using SYear = CSyntheticWeatherYear;

// A schedule whose fraction names its day type: 0.1 the design day, 0.2 the monthly design day,
// 0.3 to 0.9 Monday to Sunday, 1.0 holidays.
const QString kDayTypeSchedule = QStringLiteral("按日类型");

int PeakHour(const float* values)
{
    return static_cast<int>(std::max_element(values, values + kHours) - values);
}

class FakeSchemes : public CRunTimeSchemeSourceBase
{
public:
    const unsigned char* SchemeFlagsOfRoom(int roomNodeId) const override
    {
        return roomNodeId == RoomId ? Flags.data() : nullptr;
    }
    int RoomId = -1;
    std::vector<unsigned char> Flags = std::vector<unsigned char>(Days * Hours, 1);
};

// Room R4 (40 m²; 26 ℃ / 60 % in summer, 20 ℃ / 40 % in winter) with a south wall (K_S 1, K_W 3)
// holding a window, a ground slab, people and outdoor air, on the day-type schedule; the recording
// library in place of the real one.
class ACStepTest : public RoomEngineFixture
{
protected:
    void SetUp() override
    {
        RoomEngineFixture::SetUp();
        InsertDayTypeSchedule();
        m_project.ExecSQL({"insert into OutsideWall_Lib (ID, Name, K_S, K_W, Beta, Kesi_S, Kesi_W) "
                           "values (601, '墙', 1.0, 3.0, 0.25, 8, 9)"});
        m_project.ExecSQL({"insert into OutsideWindow_Lib (ID, Name, K_S, K_W, g, Inside_Sunshade, "
                           "Outside_Sunshade, Glass_Revise) values (602, '窗', 2.0, 4.0, 0.5, 1, 1, 1)"});
        m_project.ExecSQL({"insert into Ground_Lib (ID, Name, K_S, K_W) values (603, '地面', 0.25, 0.5)"});
        for (int m = 0; m < 12; ++m)
            m_weather.GroundTemperature[m] = m + 0.5;

        EditRoom(R4, [](CRoom& room) {
            room.ACRoomQuantity = 1;
            room.ACHRoomQuantity = 1;
            room.Height = 3;
            room.SummerACTemperature = 26;
            room.SummerACRH = 60;
            room.WinterACTemperature = 20;
            room.WinterACRH = 40;
            room.InputTypeofPeopleDensity = 2;
            room.PeopleDensity = 4;
            room.InputTypeofOutsideAirSupply = 2;
            room.OutsideAirSupply = 120;
            room.ScheduleName = kDayTypeSchedule;
            room.NewWind_Type = 0;
        });
        CNodeData* wallNode = Make(R4, COutsideWall::TypeCode);
        auto* wall = dynamic_cast<COutsideWall*>(wallNode->LoadElement());
        wall->material_id = 601;
        wall->Direction = 1;
        wall->IsLWInputArea = 0;
        wall->Length = 5;
        wall->Height = 3;
        EXPECT_EQ(wall->UpdateRecord(), 1);
        auto* window = dynamic_cast<COutsideWindow*>(Make(wallNode, COutsideWindow::TypeCode)->LoadElement());
        window->material_id = 602;
        window->IsLWInputArea = 0;
        window->Length = 2;
        window->Height = 1.5;
        window->Quantity = 1;
        EXPECT_EQ(window->UpdateRecord(), 1);
        auto* ground = dynamic_cast<CGround*>(Make(R4, CGround::TypeCode)->LoadElement());
        ground->material_id = 603;
        ground->IsLWInputArea = 2;
        EXPECT_EQ(ground->UpdateRecord(), 1);
        auto* people = dynamic_cast<CPeople*>(Make(R4, 4)->LoadElement());
        people->ScheduleName = kDayTypeSchedule;
        people->PeopleClassifyCoeffient = 1;
        EXPECT_EQ(people->UpdateRecord(), 1);
        Show();
    }

    void InsertDayTypeSchedule()
    {
        QStringList names;
        for (int type = 1; type <= 10; ++type) {
            const QString name = QStringLiteral("日类型%1").arg(type);
            names << name;
            QStringList columns{QStringLiteral("DayScheduleName")};
            QVariantList values{name};
            for (int h = 0; h < kHours; ++h) {
                columns << QStringLiteral("Value_%1").arg(h);
                values << type * 10.0;
            }
            m_project.ExecSQL(
                {QStringLiteral("insert into DaySchedule (%1) values (%2)")
                     .arg(columns.join(','), QStringList(columns.size(), QStringLiteral("?")).join(',')),
                 values});
        }
        QVariantList week(names.begin(), names.end());
        m_project.ExecSQL(
            {"insert into WeekSchedule (DaySchedule_DesignDay, DaySchedule_WinterDesignDay, "
             "DaySchedule_Monday, DaySchedule_Tuesday, DaySchedule_Wednesday, DaySchedule_Thursday, "
             "DaySchedule_Friday, DaySchedule_Saturday, DaySchedule_Sunday, DaySchedule_Holiday) "
             "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
             week});
        const int weekId = m_project.QueryInt(CSQLStatement("select max(ID) from WeekSchedule"));
        QVariantList schedule{kDayTypeSchedule};
        for (int m = 0; m < 12; ++m)
            schedule << weekId;
        m_project.ExecSQL({"insert into Schedule (Name, WeekSchedule_1, WeekSchedule_2, WeekSchedule_3, "
                           "WeekSchedule_4, WeekSchedule_5, WeekSchedule_6, WeekSchedule_7, WeekSchedule_8, "
                           "WeekSchedule_9, WeekSchedule_10, WeekSchedule_11, WeekSchedule_12, ScheduleType) "
                           "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0)",
                           schedule});
    }

    StepRecord* Days() { return &Total<StepRecord>(); }
};

TEST_F(ACStepTest, MonthlyCallsCarryEachMonthsClimateScheduleAndSeasonColumns)
{
    SetDesignType(4);
    // Month m of the library's design days rises to 10 + m + 2.3 ℃ at 23:00, January from −12 ℃
    // to −9.7 ℃; the library calls every month a winter month and puts the room at 22 ℃ / 45 %.
    const auto monthStart = [](int m) { return m == 0 ? -12.0 : 10.0 + m; };
    m_library.Fill = [&](const RecordedCall& call, int output, int i) -> double {
        if (call.Name == QLatin1String("GetDB12"))
            return monthStart(i / kHours) + (i % kHours) * 0.1;
        if (call.Name == QLatin1String("GetWB12"))
            return 5;
        if (call.Name == QLatin1String("GetpMonthly"))
            return 100000 + i;
        if (call.Name == QLatin1String("GetIsUsingepsilon"))
            return 1;
        if (call.Name == QLatin1String("GetIndoortRH"))
            return output == 0 ? 22 : 45;
        return output + 1;
    };
    ASSERT_EQ(Run(R4), 3);
    ASSERT_TRUE(m_calcHost.Messages.isEmpty()) << m_calcHost.Messages.join('\n').toStdString();

    const QList<RecordedCall> walls = m_library.CallsOf(QStringLiteral("GetCL_OutEnclose_Wall_v2005_Angle"));
    const QList<RecordedCall> people = m_library.CallsOf(QStringLiteral("GetCL_Person"));
    const QList<RecordedCall> grounds = m_library.CallsOf(QStringLiteral("GetCL_Ground"));
    const QList<RecordedCall> air = m_library.CallsOf(QStringLiteral("GetCL_FreshAir_D"));
    const QList<RecordedCall> solar = m_library.CallsOf(QStringLiteral("GetCL_OutEnclose_Solar_Angle"));
    ASSERT_EQ(walls.size(), 12);
    ASSERT_EQ(people.size(), 12);
    ASSERT_EQ(grounds.size(), 12);
    ASSERT_EQ(air.size(), 12);
    ASSERT_EQ(solar.size(), 12);
    EXPECT_TRUE(m_library.CallsOf(QStringLiteral("GetCL_OutEnclose_Solar_Daily_Angle")).isEmpty());
    const StepRecord* months = Days();
    for (int m = 0; m < 12; ++m) {
        SCOPED_TRACE(m);
        const bool summerMonth = m >= 3 && m <= 8;
        const RecordedCall& wall = walls[m];
        EXPECT_FLOAT_EQ(wall.Real(4), 33.5f) << "summer design dry bulb";
        EXPECT_FLOAT_EQ(wall.Real(5), static_cast<float>(monthStart(m) + 2.3)) << "the month's warmest hour";
        EXPECT_FLOAT_EQ(wall.Real(7), 22) << "the month's indoor state";
        EXPECT_FLOAT_EQ(wall.Real(9), summerMonth ? 1.0 : 3.0) << "K by the summer months, not the climate";
        EXPECT_EQ(wall.Int(13), 0) << "steady";
        EXPECT_EQ(wall.Int(19), m + 1);
        EXPECT_EQ(solar[m].Int(13), 1) << "winter flag of the month";
        EXPECT_EQ(solar[m].Int(15), m + 1);
        EXPECT_EQ(solar[m].Int(16), 21);

        EXPECT_FLOAT_EQ(people[m].Real(4), 22);
        EXPECT_EQ(people[m].Int(7), 0);
        EXPECT_EQ(people[m].Int(8), 1);
        EXPECT_NEAR(people[m].Input(10)[9], 0.2, 1e-6) << "the monthly design day";

        EXPECT_FLOAT_EQ(air[m].Real(2), 100000 + m);
        EXPECT_FLOAT_EQ(air[m].Real(3), 22);
        EXPECT_FLOAT_EQ(air[m].Real(4), 45);
        EXPECT_FLOAT_EQ(air[m].Input(5)[14], static_cast<float>(monthStart(m) + 1.4));
        // The outdoor-air total (library output 2) stands for the month's load in April to
        // September, its sensible part (output 3) in the other months.
        EXPECT_EQ(months[m].Hourly[12][9], summerMonth ? 2.0f : 3.0f);
        EXPECT_EQ(months[m].Hourly[13][9], 3.0f);
        EXPECT_EQ(months[m].Hourly[51][9], 1.0f);
    }
    // The ground sees the mean of the month's ground temperature and the design table's peak
    // hour of the month (largest magnitude): July 6.5 ℃ with 31.75 ℃ at 23:00, January 0.5 ℃
    // with −12 ℃ at 00:00.
    EXPECT_FLOAT_EQ(grounds[6].Real(2), (6.5f + 31.75f) * 0.5f);
    EXPECT_FLOAT_EQ(grounds[0].Real(2), (0.5f - 12.0f) * 0.5f);
    EXPECT_FLOAT_EQ(grounds[0].Real(3), 0.5f);
    EXPECT_FLOAT_EQ(grounds[6].Real(3), 0.25f);

    // A room with its own supply state keeps it in every month.
    EditRoom(R4, [](CRoom& room) {
        room.NewWind_Type = 1;
        room.NewWind_Temp_St = 18;
        room.NewWind_Humidity_Sh = 55;
        room.NewWind_Temp_Wt = 30;
        room.NewWind_Humidity_Wh = 20;
    });
    m_library.Calls.clear();
    ASSERT_EQ(Run(R4), 3);
    for (const RecordedCall& call : m_library.CallsOf(QStringLiteral("GetCL_FreshAir_D"))) {
        EXPECT_FLOAT_EQ(call.Real(3), 18);
        EXPECT_FLOAT_EQ(call.Real(4), 55);
    }
}

TEST_F(ACStepTest, MonthlyTotalsSplitEachPartBySignWithoutPlusFactors)
{
    SetDesignType(4);
    SetDefault(QStringLiteral("ACLoadPlusPercent"), QStringLiteral("10"));
    EditRoom(R4, [](CRoom& room) { room.ACHRoomQuantity = 0; });
    // Indoors only the people, +300 W; the outdoor air −100 W; 120 m³/h.
    m_library.Fill = [](const RecordedCall& call, int output, int) -> double {
        if (call.Name == QLatin1String("GetCL_Person"))
            return output == 0 ? 300 : 250;
        if (call.Name == QLatin1String("GetCL_FreshAir_D"))
            return output == 0 ? 120 : output < 3 ? -100 : 0;
        if (call.Name == QLatin1String("GetIndoortRH"))
            return output == 0 ? 26 : 60;
        return 0;
    };
    const struct
    {
        int Unit;
        double Factor;
    } units[] = {{0, 1.0}, {1, kKcal}};
    for (const auto& unit : units) {
        SCOPED_TRACE(unit.Unit);
        m_parameters.Unit = unit.Unit;
        ASSERT_EQ(Run(R4), 3);
        for (int m : {0, 6}) {
            SCOPED_TRACE(m);
            const auto& h = Days()[m].Hourly;
            const auto expect = [&](int array, double watts) {
                EXPECT_NEAR(h[array][10], watts * unit.Factor, 1e-3) << "array " << array;
            };
            // Every part goes to the cooling or the heating total by its own sign, as the daily
            // type's records sum them: the indoor gain is not netted against the outdoor air.
            expect(14, 300);
            expect(10, 200);
            expect(0, 300);
            expect(2, -100);
            expect(1, 250);
            expect(3, -100);
            expect(6, 300);
            expect(4, -100);
            expect(5, 0);
            EXPECT_EQ(h[51][10], 120.0f) << "airflow is not converted";
        }
    }
}

TEST_F(ACStepTest, DailyTypeWithoutAnnualWeatherStopsWithItsMessage)
{
    SetDesignType(5);
    ASSERT_TRUE(m_weather.HourlyBlob.isEmpty());
    EXPECT_EQ(Run(R4), -1);
    EXPECT_TRUE(m_stopped);
    ASSERT_EQ(m_calcHost.Messages.size(), 1);
    EXPECT_TRUE(m_calcHost.Messages[0].endsWith(QStringLiteral("错误信息:缺少全年气象参数")))
        << m_calcHost.Messages[0].toStdString();
    ASSERT_FALSE(Dialogs().MessageBoxes.isEmpty());
    EXPECT_EQ(Dialogs().MessageBoxes.last().caption, QStringLiteral("注意"));
    EXPECT_EQ(Dialogs().MessageBoxes.last().message, QStringLiteral("缺少全年气象参数"));
    for (const QString& name : m_library.Names())
        EXPECT_FALSE(name.startsWith(QLatin1String("GetCL"))) << name.toStdString();
}

TEST_F(ACStepTest, DailyCallsCarryEachDaysWeatherScheduleAndSeasonColumns)
{
    SetDesignType(5);
    const SYear year;
    m_weather.HourlyBlob = year.FileText();
    // Daily maximum 30 + d/100, mean 20 + d/100, pressure 100000 + d.
    m_library.Fill = [](const RecordedCall& call, int output, int i) -> double {
        if (call.Name == QLatin1String("GetAverageWD"))
            return (output == 0 ? 30 : output == 1 ? 20 : 0) + i / 100.0;
        if (call.Name == QLatin1String("GetpDaily"))
            return 100000 + i;
        return output + 1;
    };
    ASSERT_EQ(Run(R4), 3);
    ASSERT_TRUE(m_calcHost.Messages.isEmpty()) << m_calcHost.Messages.join('\n').toStdString();

    const QList<RecordedCall> walls = m_library.CallsOf(QStringLiteral("GetCL_OutEnclose_Wall_v2005_Angle"));
    const QList<RecordedCall> solar = m_library.CallsOf(QStringLiteral("GetCL_OutEnclose_Solar_Daily_Angle"));
    const QList<RecordedCall> people = m_library.CallsOf(QStringLiteral("GetCL_Person"));
    const QList<RecordedCall> grounds = m_library.CallsOf(QStringLiteral("GetCL_Ground"));
    ASSERT_EQ(walls.size(), 2 * kDays) << "a winter and a summer pass";
    ASSERT_EQ(solar.size(), 2 * kDays);
    ASSERT_EQ(people.size(), 2 * kDays);
    ASSERT_EQ(grounds.size(), 2 * kDays);
    EXPECT_TRUE(m_library.CallsOf(QStringLiteral("GetCL_OutEnclose_Solar_Angle")).isEmpty());

    // 1 March (day 59) is a winter day, 18 July (day 198) a summer day: the day's warmest hour
    // below or above the middle of 20 ℃ and 26 ℃.
    struct SDay
    {
        int Day, Month, DayOfMonth;
        double K;
        double Schedule; // day type / 10: Monday 0.3 ... Saturday 0.8, Sunday 0.9
    };
    const SDay days[] = {
        {0, 1, 1, 3.0, 0.9},  {1, 1, 2, 3.0, 0.3},    {6, 1, 7, 3.0, 0.8},
        {59, 3, 1, 3.0, 0.5}, {198, 7, 18, 1.0, 0.4}, {364, 12, 31, 3.0, 0.9},
    };
    for (const SDay& c : days) {
        for (int pass = 0; pass < 2; ++pass) {
            SCOPED_TRACE(QStringLiteral("day %1 pass %2").arg(c.Day).arg(pass).toStdString());
            const int i = pass * kDays + c.Day;
            const float room = pass == 0 ? 20.0f : 26.0f;
            const RecordedCall& wall = walls[i];
            EXPECT_FLOAT_EQ(wall.Real(4), 30 + c.Day / 100.0f) << "the day's maximum";
            EXPECT_FLOAT_EQ(wall.Real(5), 30 + c.Day / 100.0f);
            EXPECT_FLOAT_EQ(wall.Real(7), room) << "the pass's indoor state";
            EXPECT_DOUBLE_EQ(wall.Real(9), c.K) << "K by the day, in both passes";
            EXPECT_EQ(wall.Int(19), c.Month);

            const RecordedCall& sun = solar[i];
            EXPECT_EQ(sun.Int(13), c.K == 3.0 ? 1 : 0) << "winter flag";
            EXPECT_EQ(sun.Int(15), c.Month);
            EXPECT_EQ(sun.Int(16), c.DayOfMonth);
            const std::vector<double> global = sun.Input(27);
            for (int h = 0; h < kHours; ++h)
                EXPECT_FLOAT_EQ(global[static_cast<size_t>(h)], year.Global[c.Day][h]);

            EXPECT_NEAR(people[i].Input(10)[9], c.Schedule, 1e-6);
            EXPECT_FLOAT_EQ(people[i].Real(4), room);

            // The day's peak hour is that of the largest magnitude: the cold morning of a frosty day.
            const float* dry = year.DryBulb[c.Day];
            const float peak = *std::max_element(
                dry, dry + kHours, [](float a, float b) { return std::fabs(a) < std::fabs(b); });
            EXPECT_FLOAT_EQ(grounds[i].Real(2), (c.Month - 0.5f + peak) * 0.5f);
        }
    }
}

TEST_F(ACStepTest, DailyLoadsTakeThePlusFactorLeaveWinterSunOutAndFollowTheScheme)
{
    SetDesignType(5);
    m_weather.HourlyBlob = SYear().FileText();
    SetDefault(QStringLiteral("ContainSunSolarWinter"), QStringLiteral("0"));
    SetDefault(QStringLiteral("ACLoadPlusFullYearPercent"), QStringLiteral("20"));
    SetDefault(QStringLiteral("ACLoadPlusPercent"), QStringLiteral("50"));
    FakeSchemes schemes;
    schemes.RoomId = R4->NodeId();
    for (int h = 0; h < 8; ++h)
        schemes.Flags[static_cast<size_t>(100 * kHours + h)] = 0;
    // Every output of the library 1 (the first), 2, 3, ...
    ASSERT_EQ(Run(R4), 3);
    const StepRecord* days = Days();

    // Day 0 is a winter day, day 198 a summer day; every hour is a cooling hour of the summer pass.
    const auto& winter = days[0].Hourly;
    const auto& summer = days[198].Hourly;
    for (int h : {3, 12}) {
        SCOPED_TRACE(h);
        EXPECT_FLOAT_EQ(summer[50][h], 1.2f) << "solar";
        EXPECT_FLOAT_EQ(summer[34][h], 2.4f) << "window: conduction and solar";
        EXPECT_FLOAT_EQ(winter[50][h], 0.0f) << "no winter sun";
        EXPECT_FLOAT_EQ(winter[34][h], 1.2f) << "window conduction alone";
        for (const auto* day : {&winter, &summer}) {
            EXPECT_FLOAT_EQ((*day)[17][h], 1.2f);
            EXPECT_FLOAT_EQ((*day)[18][h], 2.4f);
            EXPECT_FLOAT_EQ((*day)[19][h], 1.2f);
            EXPECT_FLOAT_EQ((*day)[12][h], 2.4f);
            EXPECT_FLOAT_EQ((*day)[51][h], 1.0f) << "the airflow takes no plus factor";
        }
    }
    // The scheme switches day 100 off before 08:00.
    for (int k = 0; k < StepRecord::ArrayCount; ++k) {
        EXPECT_EQ(days[100].Hourly[k][7], 0.0f) << "array " << k;
        EXPECT_EQ(days[99].Hourly[k][7], days[101].Hourly[k][7]) << "array " << k;
    }
    EXPECT_NE(days[100].Hourly[10][8], 0.0f);
}

// Days built by hand: the winter pass loses heat through its wall, the summer pass gains it, each
// with its outdoor air.
TEST(ACDailyMerge, EachHourComesFromThePassThatNeedsConditioning)
{
    void* winterPass = nullptr;
    void* summerPass = nullptr;
    void* roomDays = nullptr;
    AllocResultByType(winterPass, 5);
    AllocResultByType(summerPass, 5);
    AllocResultByType(roomDays, 5);
    auto* w = static_cast<StepRecord*>(winterPass);
    auto* s = static_cast<StepRecord*>(summerPass);
    auto* r = static_cast<StepRecord*>(roomDays);

    struct SCase
    {
        bool WinterDay;
        float WinterWall, SummerWall; // the indoor load of each pass at the hour
        const char* From;             // "W", "S" or "W cleared"
    };
    const SCase cases[] = {
        {true, -500, 400, "W"},         // a winter day's heating hour, even with summer cooling
        {true, 50, 400, "S"},           // winter state not heating: summer cooling
        {true, 50, -100, "W cleared"},  // neither conditions
        {false, -500, 400, "S"},        // a summer day's cooling hour
        {false, -500, -100, "W"},       // summer state not cooling: winter heating
        {false, 50, -100, "S cleared"}, // neither conditions
    };
    std::vector<int> winterDay(kDays, 0);
    for (int d = 0; d < static_cast<int>(std::size(cases)); ++d) {
        winterDay[static_cast<size_t>(d)] = cases[d].WinterDay ? 1 : 0;
        for (int h = 0; h < kHours; ++h) {
            w[d].Hourly[45][h] = cases[d].WinterWall;
            w[d].Hourly[12][h] = -300;
            w[d].Hourly[19][h] = 11;
            s[d].Hourly[45][h] = cases[d].SummerWall;
            s[d].Hourly[12][h] = 200;
            s[d].Hourly[19][h] = 22;
        }
        w[d].SumLoads();
        s[d].SumLoads();
    }
    CCalculate_Manager::MergeACDailyPasses(winterDay.data(), w, s, r);

    for (int d = 0; d < static_cast<int>(std::size(cases)); ++d) {
        const SCase& c = cases[d];
        SCOPED_TRACE(c.From + std::string(c.WinterDay ? " on a winter day" : " on a summer day"));
        const bool fromWinter = c.From[0] == 'W';
        const bool cleared = std::string(c.From).find("cleared") != std::string::npos;
        const float wall = cleared ? 0.0f : fromWinter ? c.WinterWall : c.SummerWall;
        const float air = fromWinter ? -300.0f : 200.0f;
        const auto& h = r[d].Hourly;
        EXPECT_EQ(h[45][8], wall);
        EXPECT_EQ(h[14][8], wall);
        EXPECT_EQ(h[12][8], air) << "the outdoor air of the chosen pass stays";
        EXPECT_EQ(h[19][8], fromWinter ? 11.0f : 22.0f) << "and its moisture";
        EXPECT_EQ(h[10][8], wall + air);
        EXPECT_EQ(h[0][8], std::max(wall, 0.0f) + std::max(air, 0.0f));
    }
    FreeResultByType(winterPass);
    FreeResultByType(summerPass);
    FreeResultByType(roomDays);
}

// The office room of the end-to-end test of the detailed calculation (one room in Beijing, 4 x 5
// x 3 m, a south wall with a 2 x 1.5 m window, a roof, 4 people, 200 W of lamps, 30 m³/h of
// outdoor air per person), calculated with the real library.
class ACStepPhysicsTest : public OfficeRoomFixture
{
};

TEST_F(ACStepPhysicsTest, MonthlyJulyAgreesWithTheDetailedSummerDesignDay)
{
    // July's design day of the monthly type is the summer design day of the detailed calculation:
    // the same outdoor day, the same 26 ℃ room, the same office schedule. Each envelope and
    // internal load is therefore the detailed one.
    struct SDetailed
    {
        float Total[kHours], Wall[kHours], Window[kHours], Roof[kHours], People[kHours], Lamps[kHours],
            OutdoorAir[kHours];
    };
    const auto runDetailed = [&](SDetailed& d) {
        SwitchDesignType(3);
        ASSERT_EQ(RunReal(), 3);
        const auto& h = Total<CCalculate_Result_IsACLoadCalculation>().Hourly;
        std::copy_n(h[0], kHours, d.Total);
        std::copy_n(h[84], kHours, d.Wall);
        std::copy_n(h[54], kHours, d.Window);
        std::copy_n(h[88], kHours, d.Roof);
        std::copy_n(h[20], kHours, d.People);
        std::copy_n(h[26], kHours, d.Lamps);
        std::copy_n(h[6], kHours, d.OutdoorAir);
    };
    SDetailed steady{}, hourly{};
    runDetailed(steady);
    SetDefault(QStringLiteral("newwind_steadystate"), QStringLiteral("0"));
    runDetailed(hourly);

    SwitchDesignType(4);
    ASSERT_EQ(RunReal(), 3);
    const auto& m = (&Total<StepRecord>())[6].Hourly; // record 0 is January
    for (int h = 0; h < kHours; ++h) {
        SCOPED_TRACE(h);
        const auto near = [](float a, float b) {
            return std::fabs(a - b) <= 1e-3f * std::max(1.0f, std::fabs(b));
        };
        EXPECT_PRED2(near, m[45][h], hourly.Wall[h]);
        EXPECT_PRED2(near, m[34][h], hourly.Window[h]);
        EXPECT_PRED2(near, m[47][h], hourly.Roof[h]);
        EXPECT_PRED2(near, m[17][h], hourly.People[h]);
        EXPECT_PRED2(near, m[20][h], hourly.Lamps[h]);
        // The detailed calculation takes the outdoor air hour by hour on request; so does every month.
        EXPECT_PRED2(near, m[12][h], hourly.OutdoorAir[h]);
        EXPECT_PRED2(near, m[10][h], hourly.Total[h]);
    }

    // Against the project's default steady outdoor air, which holds the day's peak through the
    // working hours: the same afternoon peak within two hours, within 10 %, and the same working
    // day: every night hour below every working hour in both.
    const float* monthly = m[10];
    const int monthlyPeak = PeakHour(monthly);
    const int detailedPeak = PeakHour(steady.Total);
    EXPECT_LE(std::abs(monthlyPeak - detailedPeak), 2) << monthlyPeak << " " << detailedPeak;
    EXPECT_NEAR(monthly[monthlyPeak], steady.Total[detailedPeak], 0.10 * steady.Total[detailedPeak]);
    EXPECT_LE(monthly[monthlyPeak], steady.Total[detailedPeak] + 1e-3f) << "the steady air holds the peak";
    for (const float* day : {monthly, static_cast<const float*>(steady.Total)}) {
        const float nightMax = std::max({day[0], day[1], day[2], day[3], day[4], day[21], day[22], day[23]});
        EXPECT_LT(nightMax, *std::min_element(day + 9, day + 16));
    }
}

TEST_F(ACStepPhysicsTest, TheHottestDayOfTheYearHasTheLargestCoolingPeak)
{
    SetDesignType(5);
    const SYear year;
    m_weather.HourlyBlob = year.FileText();
    ASSERT_EQ(RunReal(), 3);
    const StepRecord* days = &Total<StepRecord>();

    // The hottest day by its warmest hour, and the largest total cooling load of each day.
    int hottest = 0;
    int largest = 0;
    for (int d = 0; d < kDays; ++d) {
        if (*std::max_element(year.DryBulb[d], year.DryBulb[d] + kHours) >
            *std::max_element(year.DryBulb[hottest], year.DryBulb[hottest] + kHours))
            hottest = d;
        if (*std::max_element(days[d].Hourly[0], days[d].Hourly[0] + kHours) >
            *std::max_element(days[largest].Hourly[0], days[largest].Hourly[0] + kHours))
            largest = d;
    }
    ASSERT_EQ(hottest, SYear::HottestDay);
    ASSERT_EQ(hottest % 7, 2) << "a Tuesday: the office is in use";
    EXPECT_EQ(largest, hottest);

    // The year's sense: the hottest day cools in the afternoon, a January working day heats in the
    // morning, and a Saturday in July (day 195) has neither people nor outdoor air.
    const auto& hot = days[hottest].Hourly;
    EXPECT_GE(PeakHour(hot[0]), 12);
    EXPECT_LE(PeakHour(hot[0]), 17);
    EXPECT_LT(*std::min_element(days[16].Hourly[2], days[16].Hourly[2] + kHours), 0.0f);
    ASSERT_EQ(195 % 7, 6);
    for (int h = 0; h < kHours; ++h) {
        EXPECT_EQ(days[195].Hourly[17][h], 0.0f) << h;
        EXPECT_EQ(days[195].Hourly[51][h], 0.0f) << h;
    }
}

} // namespace
