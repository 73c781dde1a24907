// The load summary of the command "最大负荷": the lines written into message category 3 for every
// design type and node kind, their values, hours and indexes, the calendar of the daily types, the
// heat exchanged between rooms under detailed heating, and a stopped or failing run.
#include "tests/calc/OfficeRoomFixture.h"

#include "calc/CCalResultBuffer.h"
#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "calc/CCalculate_Result_IsACLoadIntelligentEstimation.h"
#include "calc/CCalculate_Result_IsACLoadItemizedEstimation.h"
#include "calc/CCalculate_Result_IsACLoadSimpleEstimation.h"
#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"
#include "calc/CCalculate_Result_IsHeatingLoadStepCalculation.h"
#include "calc/CIndexArea.h"
#include "calc/CNodeDataBuffer.h"
#include "calc/ResultByType.h"
#include "calc/SeriesStatistics.h"
#include "platform/core/Exception.h"
#include "tests/support/CSyntheticWeatherYear.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr int kHours = 24;
constexpr double kKcal = 0.8598452;
const QString kHeaderW = QStringLiteral("====================国际单位制[W]====================");
const QString kHeaderKcal = QStringLiteral("====================工程单位制[kcal/h]====================");

// The command handler's part, headless: the node buffer, result pool and progress window, the
// header naming the project's unit, the summary, and on a stop the load category cleared. Returns
// the lines of category 3.
QStringList RunLoadSummaryCommand(FakeCalcHost& host, CTreeItem* item, CRoomLoadEngineBase* engine)
{
    host.OutputLines.clear();
    CNodeDataBuffer nodes;
    CCalResultBuffer pool;
    CCalMsgOutput progress(QStringLiteral("正在计算最大负荷"), nullptr);
    {
        CCalculate_Manager manager;
        manager.SetRoomEngine(engine);
        const bool kcal = CProjectData::Current().Unit != 0;
        CCalculateHostBase::PostOutputLine(
            3, QStringLiteral("====================%1====================")
                   .arg(kcal ? QStringLiteral("工程单位制[kcal/h]") : QStringLiteral("国际单位制[W]")));
        manager.OutputLoadSummary(item);
        if (progress.IsStopped())
            host.OutputLines.removeIf(
                [](const QString& line) { return line.startsWith(QStringLiteral("3:")); });
    }
    QStringList lines;
    for (const QString& line : host.OutputLines)
        if (line.startsWith(QStringLiteral("3:")))
            lines << line.mid(2);
    return lines;
}

// The numbers of a line ("%f" prints two decimals; hours such as 14:00 are no numbers).
QList<double> NumbersOf(const QString& line)
{
    static const QRegularExpression number(QStringLiteral("-?\\d+\\.\\d\\d"));
    QList<double> numbers;
    for (auto it = number.globalMatch(line); it.hasNext();)
        numbers << it.next().captured().toDouble();
    return numbers;
}

// The value of the first line that starts with the label, after the line index from.
double ValueAfter(const QStringList& lines, const QString& label, qsizetype from = 0)
{
    for (qsizetype i = from; i < lines.size(); ++i)
        if (lines[i].startsWith(label))
            return NumbersOf(lines[i]).value(0);
    ADD_FAILURE() << "no line " << label.toStdString();
    return 0;
}

// Stands in for the room engine: gives each room a record from the pool and lets the test fill
// it; can stop the run or raise at the first room.
class SummaryRoomEngine : public CRoomLoadEngineBase
{
public:
    bool CalculateRoomLoads(CCalculate_Manager&, CCalculate_Room& room,
                            const CElementDetailCallback&) override
    {
        if (Raise)
            throw Exception(QStringLiteral("房间计算失败"));
        CCalResultBuffer::Current().AcquireResult(room.Result);
        if (Fill)
            Fill(room.Result);
        if (Stop) {
            CCalMsgOutput::Current().Stop();
            return false;
        }
        return true;
    }
    void CalculatePumpAndPipeLoad(CCalculate_Manager&, CCalculate_Building& building) override
    {
        if (FillBuilding)
            FillBuilding(building.Result);
    }

    std::function<void(void*)> Fill;
    std::function<void(void*)> FillBuilding;
    bool Stop = false;
    bool Raise = false;
};

template <typename Record> Record& As(void* result)
{
    return *static_cast<Record*>(result);
}

void FillHours(float* values, float value)
{
    std::fill(values, values + kHours, value);
}

// The calculation tree of the fixture (R1 holds every element kind) with the fake room engine.
class LoadSummaryTest : public CalcFixture
{
protected:
    QStringList Summary(CNodeData* node) { return RunLoadSummaryCommand(m_calcHost, Item(node), &m_engine); }

    // The first child of R1 of the kind.
    CNodeData* R1Child(int kind) const
    {
        for (int i = 0; i < R1->ChildCount(); ++i)
            if (R1->Child(i)->Type() == kind)
                return R1->Child(i);
        ADD_FAILURE() << "R1 has no child of kind " << kind;
        return nullptr;
    }

    SummaryRoomEngine m_engine;
};

TEST_F(LoadSummaryTest, EstimatesPrintTheirLoadsWithTwoDecimalsForAnyNode)
{
    SetDesignType(0);
    m_engine.Fill = [](void* result) {
        auto& estimate = As<CCalculate_Result_IsACLoadSimpleEstimation>(result);
        estimate.Value[0] = 12.5f;
        estimate.Value[1] = 99; // an index: never printed
        estimate.Value[3] = 7;
    };
    // An element node calculates its room alone.
    EXPECT_EQ(Summary(Window1), QStringList({kHeaderW, QStringLiteral("总冷负荷：\t12.50 "),
                                             QStringLiteral("总热负荷：\t7.00 ")}));

    SetDesignType(1);
    m_engine.Fill = [](void* result) {
        auto& estimate = As<CCalculate_Result_IsACLoadItemizedEstimation>(result);
        for (int k = 0; k < CCalculate_Result_IsACLoadItemizedEstimation::ValueCount; ++k)
            estimate.Value[k] = static_cast<float>(k) + 0.25f;
    };
    // Loads only, in the estimate's order; no index.
    EXPECT_EQ(Summary(R1),
              QStringList({kHeaderW, QStringLiteral("总冷 负 荷: 0.25 "), QStringLiteral("总热 负 荷: 3.25 "),
                           QStringLiteral("室内冷负荷: 4.25 "), QStringLiteral("室内热负荷: 5.25 "),
                           QStringLiteral("围护冷负荷: 8.25 "), QStringLiteral("围护热负荷: 9.25 "),
                           QStringLiteral("人员冷负荷: 10.25 "), QStringLiteral("人员热负荷: 11.25 "),
                           QStringLiteral("新风冷负荷: 14.25 "), QStringLiteral("新风热负荷: 15.25 "),
                           QStringLiteral("其他冷负荷: 18.25 "), QStringLiteral("其他热负荷: 19.25 ")}));
}

TEST_F(LoadSummaryTest, EachNodeKindPrintsItsOwnBlocks)
{
    CNodeData* people = R1Child(4);
    CNodeData* lighting = R1Child(5);
    CNodeData* infiltration = R1Child(27);
    CNodeData* others = R1Child(28);
    CNodeData* roof = R1Child(17);
    struct SCase
    {
        int type;
        const char* what;
        CNodeData* node;
        int lines; // after the header
        const char* first;
    };
    const SCase cases[] = {
        {2, "room", R1, 46, "总冷负荷(全热): 0.00 发生时刻 : "},
        {2, "people: people to infiltration", people, 30, "夏季人员冷负荷(全热): 0.00 "},
        {2, "lighting", lighting, 24, "夏季照明冷负荷: 0.00 "},
        {2, "infiltration", infiltration, 4, "空气渗透冷负荷: 0.00 "},
        {2, "outside wall", Wall1, 0, nullptr},
        {2, "others", others, 0, nullptr},
        {3, "project", &Root(), 113, "总冷负荷(全热): 0.00 发生时刻:-  总冷(全热)指标(W/m^2):0.00"},
        {3, "building: with the pump lines", B1, 115, nullptr},
        {3, "storey", S1, 113, nullptr},
        {3, "room", R1, 113, nullptr},
        {3, "roof", roof, 4, "屋顶冷负荷(含天窗): 0.00 "},
        {3, "people", people, 6, "夏季人员冷负荷(全热): 0.00 "},
        {3, "others", others, 0, nullptr},
        {4, "room: twelve months", R1, 12 * 45, "一月份 "},
        {4, "roof", roof, 12 * 3, "一月份 "},
        {6, "room: with the heating equipment", R1, 27, "总采暖负荷: 0.00 "},
        {6, "storey", S1, 26, nullptr},
        {6, "building", B1, 26, nullptr},
        {6, "project", &Root(), 26, nullptr},
        {6, "people", people, 0, nullptr},
        {6, "lighting", lighting, 0, nullptr},
        {6, "others", others, 1, "其他采暖负荷: 0.00 "},
        {7, "room: twelve months", R1, 12 * 28, "一月份 "},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.type) + " " + c.what);
        SetDesignType(c.type);
        const QStringList lines = Summary(c.node);
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_EQ(lines[0], kHeaderW);
        EXPECT_EQ(lines.size() - 1, c.lines);
        if (c.first && lines.size() > 1) {
            EXPECT_TRUE(lines[1].startsWith(QString::fromUtf8(c.first))) << lines[1].toStdString();
        }
    }

    // What tells the blocks apart: the building's pump lines, the room's heating equipment, the
    // heating infiltration line of the totals, the outside windows and the outside doors.
    SetDesignType(3);
    const QStringList building = Summary(B1);
    EXPECT_TRUE(building[3].startsWith(QStringLiteral("夏季水泵温升和水管温升冷负荷: ")));
    EXPECT_TRUE(building[4].startsWith(QStringLiteral("冬季水泵温升和水管温升冷负荷: ")));
    SetDesignType(6);
    const QStringList room = Summary(R1);
    EXPECT_EQ(room[2], QStringLiteral("户内采暖设备容量: 0.00 "));
    EXPECT_EQ(room.count(QStringLiteral("门窗空气渗透采暖负荷: 0.00 ")), 3);
    SetDesignType(4);
    const QStringList roofMonths = Summary(roof);
    EXPECT_EQ(roofMonths.mid(34, 3),
              QStringList({QStringLiteral("十二月份 "), QStringLiteral("屋顶负荷(含天窗): 0.00 "),
                           QStringLiteral("屋顶负荷: 0.00 ")}));
}

TEST_F(LoadSummaryTest, DetailedTotalsShowPeakHoursAndIndexesPerAreaInWatts)
{
    // Only the heating area counts: the room carries no cooling load.
    SetDefault(QStringLiteral("AreaTypeForCalIndex"), QStringLiteral("0"));
    SetDesignType(3);
    m_engine.Fill = [](void* result) {
        auto& r = As<CCalculate_Result_IsACLoadCalculation>(result);
        const auto peakAt = [&](int array, float base, int hour, float peak) {
            FillHours(r.Hourly[array], base);
            r.Hourly[array][hour] = peak;
        };
        peakAt(2, 100, 14, 300);  // indoor cooling
        peakAt(6, 0, 15, 50);     // outdoor-air cooling
        peakAt(9, -200, 6, -500); // total heating
        peakAt(11, -100, 6, -400);
        peakAt(13, 0, 3, 20); // winter indoor cooling: only values >= 0 count
        r.Hourly[13][5] = -80;
        peakAt(15, -30, 7, -60);
        FillHours(r.Hourly[12], -123); // arrays whose peaks the totals keep in other fields
        FillHours(r.Hourly[60], 77);
        FillHours(r.Hourly[110], 5);
        // As the room calculation adds the room to the index areas.
        CIndexArea::AddRoomArea(FindPeakValue(r.Hourly[0], kHours, 0), FindPeakValue(r.Hourly[9], kHours, 0),
                                10);
    };
    m_engine.FillBuilding = [](void* result) {
        auto& r = As<CCalculate_Result_IsACLoadCalculation>(result);
        FillHours(r.Hourly[106], 1000);
        FillHours(r.Hourly[107], -250);
    };

    const QStringList lines = Summary(R1);
    ASSERT_EQ(lines.size(), 114);
    const QStringList indexLines = {
        QStringLiteral("总冷负荷(全热): 0.00 发生时刻:-  总冷(全热)指标(W/m^2):0.00"),
        QStringLiteral("室内冷负荷(全热): 300.00 发生时刻:14:00  室内冷(全热)指标(W/m^2): 0.00"),
        QStringLiteral("新风冷负荷: 50.00  发生时刻:15:00  新风冷指标(W/m^2): 0.00"),
        QStringLiteral("冬季总热负荷(全热): -500.00 发生时刻:06:00 冬季总热(全热)指标(W/m^2): -50.00 "),
        QStringLiteral("冬季室内热负荷(全热): -400.00 发生时刻:06:00 冬季室内热(全热)指标(W/m^2): -40.00 "),
        QStringLiteral("冬季室内冷负荷(全热): 20.00 发生时刻:03:00  冬季室内冷(全热)指标(W/m^2): 0.00 "),
        QStringLiteral("新风热负荷: -60.00  发生时刻:07:00 新风热指标(W/m^2): -6.00  "),
    };
    for (const QString& line : indexLines)
        EXPECT_TRUE(lines.contains(line)) << line.toStdString();
    for (const char* line :
         {"冬季室内热负荷(显热): -123.00 ", "外门冷负荷: 77.00 ", "夏季化学反应湿负荷(g/h): 5.00 ",
          "夏季人员湿负荷(g/h): 0.00 ", "地下室外墙热负荷: 0.00 "})
        EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line;
    EXPECT_FALSE(lines.join(QLatin1Char('\n')).contains(QStringLiteral("围护热负荷")));

    // A kcal/h project: the loads as they are, the index from watts.
    m_parameters.Unit = 1;
    const QStringList kcal = Summary(R1);
    EXPECT_EQ(kcal[0], kHeaderKcal);
    EXPECT_TRUE(kcal.contains(
        QStringLiteral("冬季总热负荷(全热): -500.00 发生时刻:06:00 冬季总热(全热)指标(W/m^2): -58.15 ")));
    m_parameters.Unit = 0;

    // A building adds its pump and pipe loads.
    const QStringList building = Summary(B1);
    EXPECT_EQ(building[3], QStringLiteral("夏季水泵温升和水管温升冷负荷: 1000.00 "));
    EXPECT_EQ(building[4], QStringLiteral("冬季水泵温升和水管温升冷负荷: -250.00 "));
}

TEST_F(LoadSummaryTest, IntelligentEstimateShowsTheStoredPeakHours)
{
    SetDesignType(2);
    m_engine.Fill = [](void* result) {
        auto& r = As<CCalculate_Result_IsACLoadIntelligentEstimation>(result);
        FillHours(r.Hourly[0], 100);
        r.Hourly[0][14] = 500;
        FillHours(r.Hourly[9], -100);
        r.Hourly[9][6] = -300;
        FillHours(r.Hourly[47], 12);
    };
    const QStringList lines = Summary(R1);
    EXPECT_EQ(lines[1], QStringLiteral("总冷负荷(全热): 500.00 发生时刻 : 14:00 "));
    EXPECT_EQ(lines[8], QStringLiteral("总热负荷(全热): -300.00 发生时刻 : 06:00 "));
    EXPECT_EQ(lines.last(), QStringLiteral("冬季空气渗透湿负荷(g/h): 12.00 "));
}

TEST_F(LoadSummaryTest, MonthsAndDaysFollowTheYearWithoutLeapDay)
{
    // Record i carries i + 1 as its total, so each label shows which record follows it.
    struct SCase
    {
        int type;
        int steps;
        const char* first;
        const char* second;
        const char* last;
    };
    const SCase cases[] = {{4, 12, "一月份 ", "二月份 ", "十二月份 "},
                           {5, 365, "一月一日", "一月二日", "十二月三十一日"}};
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.type);
        SetDesignType(c.type);
        m_engine.Fill = [&](void* result) {
            for (int i = 0; i < c.steps; ++i)
                FillHours((&As<CCalculate_Result_IsACLoadStepCalculation>(result))[i].Hourly[10], i + 1.0f);
        };
        const QStringList lines = Summary(R1);
        ASSERT_EQ(lines.size(), 1 + c.steps * 45);
        QStringList labels;
        for (int i = 0; i < c.steps; ++i) {
            labels << lines[1 + i * 45];
            EXPECT_EQ(lines[2 + i * 45], QStringLiteral("总负荷(全热): %1.00 ").arg(i + 1)) << i;
        }
        EXPECT_EQ(labels[0], QString::fromUtf8(c.first));
        EXPECT_EQ(labels[1], QString::fromUtf8(c.second));
        EXPECT_EQ(labels.last(), QString::fromUtf8(c.last));
        if (c.steps == 365) {
            EXPECT_EQ(labels[31], QStringLiteral("二月一日"));
            EXPECT_EQ(labels[59], QStringLiteral("三月一日"));
            EXPECT_EQ(labels[58], QStringLiteral("二月二十八日"));
            EXPECT_FALSE(labels.contains(QStringLiteral("二月二十九日")));
            EXPECT_EQ(labels[202], QStringLiteral("七月二十二日"));
            EXPECT_EQ(labels[333], QStringLiteral("十一月三十日"));
            EXPECT_EQ(labels.removeDuplicates(), 0);
        }
    }
}

TEST_F(LoadSummaryTest, DetailedHeatingKeepsTheHeatRoomsPassToEachOtherInsideTheNode)
{
    // Each room loses 100 W: 30 W outside, 40 W to neighbours through inside walls (30 the walls,
    // 5 their windows, 5 their doors), 20 W through its floor slab and 10 W through its floor.
    SetDesignType(6);
    m_engine.Fill = [](void* result) {
        auto& r = As<CCalculate_Result_IsHeatingLoadStepCalculation>(result);
        const int arrays[][2] = {{0, -100}, {5, -30},  {6, -5},   {7, -5},   {17, -40},
                                 {12, -20}, {13, -10}, {25, -70}, {26, -40}, {27, -30},
                                 {28, -40}, {29, -5},  {30, -5},  {31, -20}, {32, -10}};
        for (const auto& [array, value] : arrays)
            FillHours(r.Hourly[array], static_cast<float>(value));
    };
    struct SCase
    {
        const char* what;
        CNodeData* node;
        double total, insideWalls, withOpenings, insideWindows, insideDoors, slabs, floors;
    };
    const SCase cases[] = {
        // A room's neighbours are outside it: nothing taken out.
        {"room", R1, -100, -30, -40, -5, -5, -20, -10},
        // Three rooms: the inside walls stay inside the storey, slabs and floors lead out of it.
        {"storey", S1, -180, 0, 0, 0, 0, -60, -30},
        // Four rooms on two storeys: all of it stays inside the building.
        {"building", B1, -120, 0, 0, 0, 0, 0, 0},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.what);
        const QStringList lines = Summary(c.node);
        EXPECT_DOUBLE_EQ(ValueAfter(lines, QStringLiteral("总采暖负荷: ")), c.total);
        EXPECT_DOUBLE_EQ(ValueAfter(lines, QStringLiteral("内墙采暖负荷: ")), c.insideWalls);
        EXPECT_DOUBLE_EQ(ValueAfter(lines, QStringLiteral("内墙采暖负荷(含内门窗): ")), c.withOpenings);
        EXPECT_DOUBLE_EQ(ValueAfter(lines, QStringLiteral("内窗采暖负荷: ")), c.insideWindows);
        EXPECT_DOUBLE_EQ(ValueAfter(lines, QStringLiteral("内门采暖负荷: ")), c.insideDoors);
        EXPECT_DOUBLE_EQ(ValueAfter(lines, QStringLiteral("楼板采暖负荷: ")), c.slabs);
        EXPECT_DOUBLE_EQ(ValueAfter(lines, QStringLiteral("地板采暖负荷: ")), c.floors);
    }
}

TEST_F(LoadSummaryTest, AStoppedRunLeavesTheLoadCategoryEmpty)
{
    m_engine.Stop = true;
    for (int type = 0; type <= 8; ++type) {
        SCOPED_TRACE(type);
        SetDesignType(type);
        EXPECT_TRUE(Summary(B1).isEmpty());
    }
}

TEST_F(LoadSummaryTest, AFailureDuringTheRunReachesTheCaller)
{
    m_engine.Raise = true;
    for (int type : {3, 5, 8}) {
        SCOPED_TRACE(type);
        SetDesignType(type);
        EXPECT_THROW(Summary(R1), Exception);
        EXPECT_EQ(m_calcHost.OutputLines, QStringList({QStringLiteral("3:") + kHeaderW}));
    }
}

TEST_F(LoadSummaryTest, PrintersComputeTotalsTheyAreGivenWithout)
{
    CCalculate_Result_IsHeatingLoadStepCalculation heating;
    FillHours(heating.Hourly[21], -5);
    CCalculate_Manager::OutputHeatingLoadSummary(heating, 28);
    CCalculate_Result_IsACLoadStepCalculation step;
    FillHours(step.Hourly[14], 42); // its peak goes to totals field 12
    CCalculate_Manager::OutputStepLoadSummary(step, 3);
    ASSERT_GE(m_calcHost.OutputLines.size(), 4);
    EXPECT_EQ(
        m_calcHost.OutputLines.mid(0, 4),
        QStringList({QStringLiteral("3:其他采暖负荷: -5.00 "), QStringLiteral("3:总负荷(全热): 0.00 "),
                     QStringLiteral("3:总负荷(显热): 0.00 "), QStringLiteral("3:室内负荷(全热): 42.00 ")}));
}

// The office room of the detailed end-to-end test (Beijing, 4 x 5 m under a roof, a south wall
// with a window, 4 people, 200 W of lamps, 30 m³/h of outdoor air each; cooling indexes 100 W/m²
// in all, heating 80 W/m²), its building summarised under every design type with the real library.
class LoadSummaryOfficeTest : public OfficeRoomFixture
{
protected:
    QStringList Summary()
    {
        const QStringList lines =
            RunLoadSummaryCommand(m_calcHost, Item(m_room->Parent()->Parent()), nullptr);
        EXPECT_TRUE(m_calcHost.Messages.isEmpty())
            << m_calcHost.Messages.join(QLatin1Char('\n')).toStdString();
        return lines;
    }
};

TEST_F(LoadSummaryOfficeTest, EveryDesignTypeSummarisesTheBuildingInWattsAndInKcal)
{
    m_weather.HourlyBlob = CSyntheticWeatherYear().FileText();
    // Indexes per air-conditioned floor: the room's, 4 x 5 m.
    SetDefault(QStringLiteral("AreaTypeForCalIndex"), QStringLiteral("0"));
    constexpr double area = 20;
    struct SCase
    {
        int type;
        int steps;        // blocks, each under its label when more than one
        int linesPerStep; // without the label
    };
    const SCase cases[] = {{0, 1, 2},    {1, 1, 12}, {2, 1, 46},  {3, 1, 115}, {4, 12, 44},
                           {5, 365, 44}, {6, 1, 26}, {7, 12, 26}, {8, 365, 26}};
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.type);
        SetDesignType(c.type);
        m_parameters.Unit = 0;
        const QStringList watt = Summary();
        m_parameters.Unit = 1;
        const QStringList kcal = Summary();
        m_parameters.Unit = 0;

        const int labelLines = c.steps > 1 ? c.steps : 0;
        ASSERT_EQ(watt.size(), 1 + labelLines + c.steps * c.linesPerStep);
        ASSERT_EQ(kcal.size(), watt.size());
        EXPECT_EQ(watt[0], kHeaderW);
        EXPECT_EQ(kcal[0], kHeaderKcal);

        // Line by line the same text; a load in kcal/h is the load in W times the factor (both
        // rounded to two decimals), an index stays in W/m². Moisture and airflow are left aside.
        bool anyLoad = false;
        for (qsizetype i = 1; i < watt.size(); ++i) {
            static const QRegularExpression number(QStringLiteral("-?\\d+\\.\\d\\d"));
            QString wattText = watt[i];
            QString kcalText = kcal[i];
            ASSERT_EQ(wattText.replace(number, QStringLiteral("#")),
                      kcalText.replace(number, QStringLiteral("#")))
                << watt[i].toStdString();
            if (watt[i].contains(QStringLiteral("g/h")) || watt[i].contains(QStringLiteral("m^3/h")))
                continue;
            const QList<double> w = NumbersOf(watt[i]);
            const QList<double> k = NumbersOf(kcal[i]);
            if (w.isEmpty())
                continue;
            EXPECT_NEAR(k[0], w[0] * kKcal, 0.011 + 1e-5 * std::fabs(k[0])) << watt[i].toStdString();
            anyLoad |= w[0] != 0;
            if (w.size() == 2) {
                EXPECT_NEAR(k[1], w[1], 0.011) << "index of " << watt[i].toStdString();
            }
        }
        EXPECT_TRUE(anyLoad);

        const auto value = [&](const char* label, qsizetype from = 0) {
            return ValueAfter(watt, QString::fromUtf8(label), from);
        };
        // The block of a month or day: the line index of its label.
        const auto step = [&](const QString& label) { return watt.indexOf(label); };
        switch (c.type) {
        case 0:
            EXPECT_EQ(watt.mid(1), QStringList({QStringLiteral("总冷负荷：\t2000.00 "),
                                                QStringLiteral("总热负荷：\t1600.00 ")}));
            break;
        case 1:
            // The room's indexes times its area: envelope 40, people 30, outdoor air 20, others
            // 10 W/m² cooling; 50, 10, 15, 5 W/m² heating.
            EXPECT_DOUBLE_EQ(value("总冷 负 荷: "), 2000);
            EXPECT_DOUBLE_EQ(value("室内冷负荷: "), 1600);
            EXPECT_DOUBLE_EQ(value("围护冷负荷: "), 800);
            EXPECT_DOUBLE_EQ(value("新风热负荷: "), 300);
            EXPECT_DOUBLE_EQ(value("其他热负荷: "), 100);
            break;
        case 2:
        case 3: {
            // An office cools in the working day and heats in winter.
            const QString& total = watt[1];
            const int hour = total.section(QStringLiteral("发生时刻"), 1)
                                 .section(QLatin1Char(':'), 1, 1)
                                 .trimmed()
                                 .toInt();
            EXPECT_GE(hour, 9) << total.toStdString();
            EXPECT_LE(hour, 18) << total.toStdString();
            EXPECT_GT(NumbersOf(total)[0], 0);
            EXPECT_LT(value(c.type == 2 ? "总热负荷(全热): " : "冬季总热负荷(全热): "), 0);
            if (c.type == 3) {
                const QList<double> cooling = NumbersOf(total);
                EXPECT_NEAR(cooling[1], cooling[0] / area, 0.006) << total.toStdString();
                EXPECT_TRUE(watt[3].startsWith(QStringLiteral("夏季水泵温升和水管温升冷负荷: ")));
            }
            break;
        }
        case 4:
            EXPECT_GT(value("总负荷(全热): ", step(QStringLiteral("七月份 "))), 0);
            EXPECT_LT(value("总负荷(全热): ", step(QStringLiteral("一月份 "))), 0);
            break;
        case 5:
        case 8: {
            // The calendar, and the year's extremes where the weather puts them: the hottest day
            // 18 July cools most, the coldest days of mid January lose most heat.
            const int perDay = c.linesPerStep + 1;
            EXPECT_EQ(watt[1 + 59 * perDay], QStringLiteral("三月一日"));
            EXPECT_FALSE(watt.contains(QStringLiteral("二月二十九日")));
            const char* label = c.type == 5 ? "总负荷(全热): " : "总采暖负荷: ";
            int extreme = 0;
            for (int d = 1; d < 365; ++d) {
                const double day = value(label, 1 + d * perDay);
                const double best = value(label, 1 + extreme * perDay);
                if (c.type == 5 ? day > best : day < best)
                    extreme = d;
            }
            const QString day = watt[1 + extreme * perDay];
            if (c.type == 5) {
                EXPECT_EQ(day, QStringLiteral("七月十八日"));
            } else {
                EXPECT_TRUE(day.startsWith(QStringLiteral("一月十"))) << day.toStdString();
            }
            break;
        }
        case 6:
            // The room's losses through its envelope and by infiltration make up the total.
            EXPECT_LT(value("总采暖负荷: "), 0);
            EXPECT_NEAR(value("总采暖负荷: "), value("围护传热采暖负荷: ") + value("门窗空气渗透采暖负荷: "),
                        0.02);
            break;
        case 7:
            EXPECT_LT(value("总采暖负荷: ", step(QStringLiteral("一月份 "))),
                      value("总采暖负荷: ", step(QStringLiteral("七月份 "))));
            break;
        }
    }
}

} // namespace
