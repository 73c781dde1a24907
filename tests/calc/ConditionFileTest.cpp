#include "tests/calc/RoomEngineFixture.h"

#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "calc/CCalculate_Result_IsACLoadIntelligentEstimation.h"
#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"
#include "calc/CCalculate_System_Manage.h"
#include "model/CRoom.h"
#include "platform/core/CGbkCodec.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace {

// Per m² of room area: summer total, sensible, moisture (g/h), outdoor air (m³/h); winter total,
// moisture, outdoor air. Every hour of an array holds scale x area, doubled at the room's peak
// hour (area / 10), so rooms of one system peak at different hours.
constexpr float kSummerTotal = 50;
constexpr float kSummerSensible = 30;
constexpr float kSummerMoisture = 10;
constexpr float kSummerAir = 6;
constexpr float kWinterTotal = -40;
constexpr float kWinterMoisture = 5;
constexpr float kWinterAir = 4;

void FillArray(float* values, float scale, float area, float factor = 1)
{
    const int peakHour = static_cast<int>(area / 10);
    for (int h = 0; h < 24; ++h)
        values[h] = scale * area * factor * (h == peakHour ? 2.0f : 1.0f);
}

// Arrays: total, sensible (-1 for none), moisture, outdoor air.
template <typename Record>
void FillSummer(Record& record, std::array<int, 4> arrays, float area, float factor = 1)
{
    FillArray(record.Hourly[arrays[0]], kSummerTotal, area, factor);
    FillArray(record.Hourly[arrays[1]], kSummerSensible, area, factor);
    FillArray(record.Hourly[arrays[2]], kSummerMoisture, area, factor);
    FillArray(record.Hourly[arrays[3]], kSummerAir, area, factor);
}

template <typename Record> void FillWinter(Record& record, std::array<int, 3> arrays, float area)
{
    FillArray(record.Hourly[arrays[0]], kWinterTotal, area);
    FillArray(record.Hourly[arrays[1]], kWinterMoisture, area);
    FillArray(record.Hourly[arrays[2]], kWinterAir, area);
}

// The step types carry the summer values in July (monthly) or on 22 July (daily), the winter values
// in January or on 22 January; every other step holds three times the summer values, to show a
// wrong pick.
void FillSteps(CCalculate_Result_IsACLoadStepCalculation* steps, int count, int summerStep, int winterStep,
               float area)
{
    for (int s = 0; s < count; ++s) {
        if (s == winterStep)
            FillWinter(steps[s], {14, 16, 51}, area);
        else
            FillSummer(steps[s], {14, 15, 16, 51}, area, s == summerStep ? 1.0f : 3.0f);
    }
}

void FillResult(void* result, float area)
{
    switch (CurrentDesignType()) {
    case 2: {
        auto& record = *static_cast<CCalculate_Result_IsACLoadIntelligentEstimation*>(result);
        FillSummer(record, {2, 3, 4, 5}, area);
        FillWinter(record, {11, 13, 14}, area);
        break;
    }
    case 3: {
        auto& record = *static_cast<CCalculate_Result_IsACLoadCalculation*>(result);
        FillSummer(record, {2, 3, 4, 5}, area);
        FillWinter(record, {11, 18, 19}, area);
        break;
    }
    case 4:
        FillSteps(static_cast<CCalculate_Result_IsACLoadStepCalculation*>(result), 12, 6, 0, area);
        break;
    case 5:
        FillSteps(static_cast<CCalculate_Result_IsACLoadStepCalculation*>(result), 365, 202, 21, area);
        break;
    default:
        break;
    }
}

// Fills each room's result with the known pattern; can press "终止" or fail at a chosen room.
class FilledRoomEngine : public CRoomLoadEngineBase
{
public:
    bool CalculateRoomLoads(CCalculate_Manager&, CCalculate_Room& room,
                            const CElementDetailCallback&) override
    {
        if (CCalMsgOutput::IsCurrentStopped())
            return false;
        Rooms << room.Entry.Caption;
        CCalResultBuffer::Current().AcquireResult(room.Result);
        FillResult(room.Result,
                   static_cast<float>(dynamic_cast<const CRoom*>(room.Entry.GetElement())->Area));
        if (Rooms.size() == StopAt)
            CCalMsgOutput::Current().Stop();
        return Rooms.size() != FailAt;
    }
    void CalculatePumpAndPipeLoad(CCalculate_Manager&, CCalculate_Building&) override {}

    QStringList Rooms;
    int StopAt = 0; // 1-based room during which the user stops
    int FailAt = 0; // 1-based room that fails
};

const QRegularExpression& LoadLinePattern()
{
    static const QRegularExpression pattern(QStringLiteral(R"(^-?\d+\.\d{6} -?\d+\.\d{6} -?\d+\.\d{6}$)"));
    return pattern;
}

// Systems: primary "PA-1" (R1, R2), "PA-2" (R3, in a folder of S1); outdoor "新风1" (R2, R4).
// R5 names none; R6 is disabled.
class ConditionFileTest : public RoomEngineFixture
{
protected:
    void SetUp() override
    {
        RoomEngineFixture::SetUp();
        ASSERT_TRUE(m_dir.isValid());
        m_parameters.ProjectName = QStringLiteral("测试工程");
        SetDesignType(3);
        SetRoom(R1, QStringLiteral("PA-1"), QString(), {26, 55, 20, 40});
        SetRoom(R2, QStringLiteral("PA-1"), QStringLiteral("新风1"), {25, 50, 18, 45});
        SetRoom(R3, QStringLiteral("PA-2"), QString(), {27, 65, 16, 30});
        SetRoom(R4, QString(), QStringLiteral("新风1"), {24, 60, 22, 35});
    }

    void SetRoom(CNodeData* node, const QString& primary, const QString& outdoor,
                 std::array<double, 4> states)
    {
        EditRoom(node, [&](CRoom& room) {
            room.PrimaryAirSystemName = primary;
            room.OutsideAirSystemName = outdoor;
            room.SummerACTemperature = states[0];
            room.SummerACRH = states[1];
            room.WinterACTemperature = states[2];
            room.WinterACRH = states[3];
        });
    }

    QString Path() const { return m_dir.filePath(QStringLiteral("system_id.txt")); }

    // Builds the structure of the whole project and exports, as the command does.
    bool Export(int loadType, const QString& path, bool withProgress = true)
    {
        CCalResultBuffer pool;
        std::optional<CCalMsgOutput> progress;
        if (withProgress)
            progress.emplace(QStringLiteral("正在计算负荷"), nullptr);
        bool written = false;
        {
            CCalculate_Manager manager;
            manager.SetRoomEngine(&m_engine);
            manager.SetConditionLoadType(loadType);
            manager.BuildCalcStructureFrom(Item(&Root()));
            written = manager.ExportConditionAnalysisFile(path);
        }
        return written;
    }

    // The file's lines, after checking its form: GBK, CR LF after every line, none after the last.
    QStringList ReadLines() const
    {
        QFile file(Path());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.endsWith("\r\nEndSys"));
        EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
        return CGbkCodec::FromGbk(bytes).split(QStringLiteral("\r\n"));
    }

    static QStringList LoadLines(const QStringList& lines) { return lines.filter(LoadLinePattern()); }

    static void ExpectLines(const QStringList& actual, const QStringList& expected)
    {
        for (qsizetype i = 0; i < std::min(actual.size(), expected.size()); ++i)
            EXPECT_EQ(actual[i].toStdString(), expected[i].toStdString()) << "line " << i + 1;
        EXPECT_EQ(actual.size(), expected.size());
    }

    QString Label(const CNodeData* storey, const CNodeData* room, const CNodeData* building) const
    {
        return storey->Caption() + QLatin1Char('~') + room->Caption() + QLatin1Char('(') +
               building->Caption() + QLatin1Char(')');
    }

    // The whole file of the design types 2 to 5, total heat, W project, loads summed hour by hour.
    QStringList ExpectedFile() const
    {
        const QStringList r1States = {QStringLiteral("N"), QStringLiteral("1 26.000000 0 0.550000"),
                                      QStringLiteral("N"), QStringLiteral("1 20.000000 0 0.400000")};
        const QStringList r2States = {QStringLiteral("N"), QStringLiteral("1 25.000000 0 0.500000"),
                                      QStringLiteral("N"), QStringLiteral("1 18.000000 0 0.450000")};
        const QStringList r3States = {QStringLiteral("N"), QStringLiteral("1 27.000000 0 0.650000"),
                                      QStringLiteral("N"), QStringLiteral("1 16.000000 0 0.300000")};
        const QStringList r4States = {QStringLiteral("N"), QStringLiteral("1 24.000000 0 0.600000"),
                                      QStringLiteral("N"), QStringLiteral("1 22.000000 0 0.350000")};
        QStringList lines{QStringLiteral("测试工程"),
                          QStringLiteral("1"),
                          QStringLiteral("100020.000000 0.000000 20.000000 1.204000"),
                          QStringLiteral("102170.000000 0.000000 20.000000 1.204000"),
                          QStringLiteral("W"),
                          QStringLiteral("0 33.500000 26.400000 0"),
                          QStringLiteral("W"),
                          QStringLiteral("1 -9.900000 0 0.440000")};
        lines << QStringLiteral("SYSTEM") << QStringLiteral("PA-1") << QStringLiteral("ROOM")
              << R1->Caption() + QLatin1Char(',') + R2->Caption() << r1States
              << QStringLiteral("2.500000 0.500000 300.000000")
              << QStringLiteral("2.000000 0.250000 200.000000") << QStringLiteral("ROOM") << Label(S1, R1, B1)
              << r1States << QStringLiteral("1.000000 0.200000 120.000000")
              << QStringLiteral("0.800000 0.100000 80.000000") << QStringLiteral("ROOM") << Label(S1, R2, B1)
              << r2States << QStringLiteral("2.000000 0.400000 240.000000")
              << QStringLiteral("1.600000 0.200000 160.000000") << QStringLiteral("EndRoom");
        lines << QStringLiteral("SYSTEM") << QStringLiteral("PA-2") << QStringLiteral("ROOM") << R3->Caption()
              << r3States << QStringLiteral("3.000000 0.600000 360.000000")
              << QStringLiteral("2.400000 0.300000 240.000000") << QStringLiteral("ROOM") << Label(S1, R3, B1)
              << r3States << QStringLiteral("3.000000 0.600000 360.000000")
              << QStringLiteral("2.400000 0.300000 240.000000") << QStringLiteral("EndRoom");
        lines << QStringLiteral("SYSTEM") << QStringLiteral("新风1") << QStringLiteral("ROOM")
              << R2->Caption() + QLatin1Char(',') + R4->Caption() << r2States
              << QStringLiteral("5.000000 1.000000 600.000000")
              << QStringLiteral("4.000000 0.500000 400.000000") << QStringLiteral("ROOM") << Label(S1, R2, B1)
              << r2States << QStringLiteral("2.000000 0.400000 240.000000")
              << QStringLiteral("1.600000 0.200000 160.000000") << QStringLiteral("ROOM") << Label(S2, R4, B1)
              << r4States << QStringLiteral("4.000000 0.800000 480.000000")
              << QStringLiteral("3.200000 0.400000 320.000000") << QStringLiteral("EndRoom")
              << QStringLiteral("EndSys");
        return lines;
    }

    QTemporaryDir m_dir;
    FilledRoomEngine m_engine;
};

class ConditionFileTypes : public ConditionFileTest, public testing::WithParamInterface<int>
{
};

TEST_P(ConditionFileTypes, WritesHeaderBlocksAndPeakLoadsOfTheDesignDays)
{
    SetDesignType(GetParam());
    ASSERT_TRUE(Export(CCalculate_System_Manage::TotalHeat, Path()));
    ExpectLines(ReadLines(), ExpectedFile());
    EXPECT_EQ(m_engine.Rooms, QStringList({R1->Caption(), R2->Caption(), R3->Caption(), R4->Caption()}))
        << "rooms without a system are not calculated";
}

INSTANTIATE_TEST_SUITE_P(ConditionFile, ConditionFileTypes, testing::Values(2, 3, 4, 5));

TEST_F(ConditionFileTest, HeatingTypeWritesTheBlocksWithoutLoadLines)
{
    SetDesignType(6);
    ASSERT_TRUE(Export(CCalculate_System_Manage::TotalHeat, Path()));
    QStringList expected = ExpectedFile();
    expected.removeIf([](const QString& line) { return LoadLinePattern().match(line).hasMatch(); });
    ExpectLines(ReadLines(), expected);
}

// The load lines in file order: PA-1, R1, R2, PA-2, R3, 新风1, R2, R4; summer line, then winter.
TEST_F(ConditionFileTest, LoadTypeUnitAndStatisticalStyleShapeTheLoadLines)
{
    const struct
    {
        const char* name;
        int loadType;
        int unit;
        int style;
        const char* unitLine;
        QStringList loads;
    } cases[] = {
        {"sensible heat",
         CCalculate_System_Manage::SensibleHeat,
         0,
         0,
         "1",
         {"1.500000 0.500000 300.000000", "2.000000 0.250000 200.000000", "0.600000 0.200000 120.000000",
          "0.800000 0.100000 80.000000", "1.200000 0.400000 240.000000", "1.600000 0.200000 160.000000",
          "1.800000 0.600000 360.000000", "2.400000 0.300000 240.000000", "1.800000 0.600000 360.000000",
          "2.400000 0.300000 240.000000", "3.000000 1.000000 600.000000", "4.000000 0.500000 400.000000",
          "1.200000 0.400000 240.000000", "1.600000 0.200000 160.000000", "2.400000 0.800000 480.000000",
          "3.200000 0.400000 320.000000"}},
        {"latent heat: total minus sensible in summer, nothing in winter",
         CCalculate_System_Manage::LatentHeat,
         0,
         0,
         "1",
         {"1.000000 0.500000 300.000000", "0.000000 0.250000 200.000000", "0.400000 0.200000 120.000000",
          "0.000000 0.100000 80.000000", "0.800000 0.400000 240.000000", "0.000000 0.200000 160.000000",
          "1.200000 0.600000 360.000000", "0.000000 0.300000 240.000000", "1.200000 0.600000 360.000000",
          "0.000000 0.300000 240.000000", "2.000000 1.000000 600.000000", "0.000000 0.500000 400.000000",
          "0.800000 0.400000 240.000000", "0.000000 0.200000 160.000000", "1.600000 0.800000 480.000000",
          "0.000000 0.400000 320.000000"}},
        {"kcal/h project: loads unscaled",
         CCalculate_System_Manage::TotalHeat,
         1,
         0,
         "0",
         {"2500.000000 0.500000 300.000000", "2000.000000 0.250000 200.000000",
          "1000.000000 0.200000 120.000000", "800.000000 0.100000 80.000000",
          "2000.000000 0.400000 240.000000", "1600.000000 0.200000 160.000000",
          "3000.000000 0.600000 360.000000", "2400.000000 0.300000 240.000000",
          "3000.000000 0.600000 360.000000", "2400.000000 0.300000 240.000000",
          "5000.000000 1.000000 600.000000", "4000.000000 0.500000 400.000000",
          "2000.000000 0.400000 240.000000", "1600.000000 0.200000 160.000000",
          "4000.000000 0.800000 480.000000", "3200.000000 0.400000 320.000000"}},
        {"summed peaks: a system carries the sum of its rooms' peaks",
         CCalculate_System_Manage::TotalHeat,
         0,
         1,
         "1",
         {"3.000000 0.600000 360.000000", "2.400000 0.300000 240.000000", "1.000000 0.200000 120.000000",
          "0.800000 0.100000 80.000000", "2.000000 0.400000 240.000000", "1.600000 0.200000 160.000000",
          "3.000000 0.600000 360.000000", "2.400000 0.300000 240.000000", "3.000000 0.600000 360.000000",
          "2.400000 0.300000 240.000000", "6.000000 1.200000 720.000000", "4.800000 0.600000 480.000000",
          "2.000000 0.400000 240.000000", "1.600000 0.200000 160.000000", "4.000000 0.800000 480.000000",
          "3.200000 0.400000 320.000000"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_parameters.Unit = c.unit;
        m_parameters.StatisticalStyle = c.style;
        ASSERT_TRUE(Export(c.loadType, Path()));
        const QStringList lines = ReadLines();
        ASSERT_GT(lines.size(), 1);
        EXPECT_EQ(lines[1], QString::fromLatin1(c.unitLine));
        ExpectLines(LoadLines(lines), c.loads);
    }
}

TEST_F(ConditionFileTest, NothingToWriteOrAStoppedRunLeavesNoFile)
{
    const struct
    {
        const char* name;
        int stopAt;
        int failAt;
        bool withProgress;
        bool noSystems;
        QString path;
    } cases[] = {
        {"the user stops during the second room", 2, 0, true, false, {}},
        {"a room fails without a progress window to hold the stop", 0, 3, false, false, {}},
        {"the folder does not exist", 0, 0, true, false, QStringLiteral("missing/system_id.txt")},
        {"no room names a system (kept last: it clears the names)", 0, 0, true, true, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.noSystems)
            for (CNodeData* room : {R1, R2, R3, R4})
                SetRoom(room, QString(), QString(), {26, 55, 20, 40});
        m_engine = FilledRoomEngine();
        m_engine.StopAt = c.stopAt;
        m_engine.FailAt = c.failAt;
        const QString path = c.path.isEmpty() ? Path() : m_dir.filePath(c.path);
        EXPECT_FALSE(Export(CCalculate_System_Manage::TotalHeat, path, c.withProgress));
        EXPECT_FALSE(QFile::exists(path));
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());
    }
}

// Statistics rows and grouping, with the systems filled by hand.
class ConditionFileSystems : public ConditionFileTest
{
protected:
    struct SRow
    {
        QString Label;
        void* Result;
        float Area;
        int Step;
        int RoomFlag;
        float HeatArea;
        float SummerTotalPeak; // the result's totals field of array 2 when the row is written
    };

    std::unique_ptr<CCalculate_Room> MakeRoom(CNodeData* node)
    {
        auto room = std::make_unique<CCalculate_Room>(CBaseData(*Item(node)));
        CCalResultBuffer::Current().AcquireResult(room->Result);
        FillResult(room->Result, static_cast<float>(dynamic_cast<const CRoom*>(node->LoadElement())->Area));
        return room;
    }

    static float SummerTotalPeak(void* result)
    {
        const auto* record = static_cast<const CCalculate_Result_IsACLoadCalculation*>(result);
        return record->Totals ? record->Totals->Value[2] : -1.0f;
    }
};

TEST_F(ConditionFileSystems, AddRoomGroupsByExactNameInOrderOfFirstAppearance)
{
    CCalResultBuffer pool;
    auto r1 = MakeRoom(R1);
    auto r2 = MakeRoom(R2);
    auto r3 = MakeRoom(R3);
    {
        CCalculate_System_Manage systems;
        systems.AddRoom(QStringLiteral("PA"), *r1);
        systems.AddRoom(QStringLiteral("pa"), *r2);
        systems.AddRoom(QString(), *r3);
        systems.AddRoom(QStringLiteral("PA"), *r3);

        ASSERT_EQ(systems.Systems().size(), 2U);
        const CCalculate_System& upper = *systems.Systems()[0];
        EXPECT_EQ(upper.Name(), QStringLiteral("PA"));
        EXPECT_EQ(upper.RoomNames(), R1->Caption() + QLatin1Char(',') + R3->Caption());
        EXPECT_EQ(upper.Rooms(), (std::vector<CCalculate_Room*>{r1.get(), r3.get()}));
        EXPECT_EQ(systems.Systems()[1]->Name(), QStringLiteral("pa"));
        // Hour 1 is R1's peak hour: 2 x 50 x 10 + 50 x 30.
        EXPECT_FLOAT_EQ(
            static_cast<const CCalculate_Result_IsACLoadCalculation*>(upper.Result())->Hourly[2][1], 2500.0f);
        EXPECT_EQ(pool.SpareCount(), 0);
    }
    EXPECT_EQ(pool.SpareCount(), 2) << "the systems' records go back to the pool";
}

TEST_F(ConditionFileSystems, StatisticsRowsPerRoomAndSystemForEveryStep)
{
    for (const int style : {0, 1}) {
        SCOPED_TRACE(style);
        m_parameters.StatisticalStyle = style;
        CCalResultBuffer pool;
        auto r1 = MakeRoom(R1);
        auto r2 = MakeRoom(R2);
        auto r4 = MakeRoom(R4);
        CCalculate_System_Manage systems;
        systems.AddRoom(QStringLiteral("PA-1"), *r1);
        systems.AddRoom(QStringLiteral("PA-1"), *r2);
        systems.AddRoom(QStringLiteral("PA-2"), *r4);

        std::vector<SRow> rows;
        QStringList lists[2] = {{QStringLiteral("x")}, {}};
        systems.WriteStatistics(
            lists, 2,
            [&](const QString& label, void* result, float area, int step, int roomFlag, float heatArea) {
                rows.push_back({label, result, area, step, roomFlag, heatArea, SummerTotalPeak(result)});
            });

        EXPECT_EQ(lists[0], QStringList({QStringLiteral("x"), QStringLiteral(" "), QStringLiteral(" ")}));
        EXPECT_EQ(lists[1], QStringList({QStringLiteral(" "), QStringLiteral(" ")}));
        void* pa1 = systems.Systems()[0]->Result();
        void* pa2 = systems.Systems()[1]->Result();
        // Summed hour by hour the system peaks at R2's hour (50 x 10 + 2 x 50 x 20); summed peaks
        // add the rooms' peaks (1000 + 2000), which recomputing would wipe out.
        const float pa1Peak = style == 0 ? 2500.0f : 3000.0f;
        const std::vector<SRow> expected = {
            {R1->Caption(), r1->Result, 10, 0, 1, -1, 1000},
            {R1->Caption(), r1->Result, 10, 1, 1, -1, 1000},
            {R2->Caption(), r2->Result, 20, 0, 1, -1, 2000},
            {R2->Caption(), r2->Result, 20, 1, 1, -1, 2000},
            {QStringLiteral("PA-1"), pa1, 30, 0, 0, -1, pa1Peak},
            {QStringLiteral("PA-1"), pa1, 30, 1, 0, -1, pa1Peak},
            {R4->Caption(), r4->Result, 40, 0, 1, -1, 4000},
            {R4->Caption(), r4->Result, 40, 1, 1, -1, 4000},
            {QStringLiteral("PA-2"), pa2, 40, 0, 0, -1, 4000},
            {QStringLiteral("PA-2"), pa2, 40, 1, 0, -1, 4000},
        };
        ASSERT_EQ(rows.size(), expected.size());
        for (size_t i = 0; i < rows.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(rows[i].Label, expected[i].Label);
            EXPECT_EQ(rows[i].Result, expected[i].Result);
            EXPECT_FLOAT_EQ(rows[i].Area, expected[i].Area);
            EXPECT_EQ(rows[i].Step, expected[i].Step);
            EXPECT_EQ(rows[i].RoomFlag, expected[i].RoomFlag);
            EXPECT_FLOAT_EQ(rows[i].HeatArea, expected[i].HeatArea);
            EXPECT_FLOAT_EQ(rows[i].SummerTotalPeak, expected[i].SummerTotalPeak);
        }
    }
}

} // namespace
