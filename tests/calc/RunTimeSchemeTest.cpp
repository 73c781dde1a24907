// Operating schemes: the scheme file, the scheme list, the plan calendar and the scheme
// calculation with its CSV summary.
#include "tests/calc/CalcFixture.h"

#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"
#include "calc/CNodeDataBuffer.h"
#include "calc/CRunTimeCalendar.h"
#include "calc/CRunTimeMgr.h"
#include "calc/ResultAccumulation.h"
#include "model/CRoom.h"
#include "platform/core/CGbkCodec.h"
#include "platform/core/Exception.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>

namespace {
using StepRecord = CCalculate_Result_IsACLoadStepCalculation;

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

std::unique_ptr<RunTimeSys> Scheme(const QString& name, const QList<int>& rooms = {})
{
    auto scheme = std::make_unique<RunTimeSys>();
    scheme->Name = name;
    scheme->RoomIds = rooms;
    return scheme;
}

void Add(CRunTimeMgr& schemes, std::unique_ptr<RunTimeSys> scheme)
{
    const QString name = scheme->Name;
    ASSERT_TRUE(schemes.AddScheme(name, scheme));
}

int OnHours(const RunTimeSys& scheme)
{
    return static_cast<int>(std::count(scheme.HourFlags.begin(), scheme.HourFlags.end(), 1));
}
} // namespace

// --- the scheme file and the list --------------------------------------------------------------

class RunTimeFileTest : public ::testing::Test
{
protected:
    CFakeToolDialogs& Dialogs() { return static_cast<CFakeToolDialogs&>(m_tool.Dialogs()); }
    QString File(const QString& name) const { return m_dir.filePath(name); }

    CTool m_tool{std::make_unique<CFakeToolDialogs>()};
    QTemporaryDir m_dir;
    CRunTimeMgr m_schemes;
};

TEST_F(RunTimeFileTest, ThreeSchemesComeBackExactly)
{
    auto office = Scheme(QStringLiteral("办公区"), {9, 3, 5});
    office->HourFlags.fill(0);
    office->HourFlags[0] = 1;
    office->HourFlags[RunTimeSys::HourCount - 1] = 1;
    for (int d = 0; d < RunTimeSys::Days; ++d)
        for (int k = 0; k < RunTimeSys::StoredSeries; ++k)
            office->Sum(k, d) = d * 10.25f + k;
    office->Sum(4, 7) = 99;    // a series the file does not keep
    office->Sum(0, 400) = 99;  // an hour entry beyond the days
    Add(m_schemes, std::move(office));
    Add(m_schemes, Scheme(QString()));
    Add(m_schemes, Scheme(QStringLiteral("Lobby"), {42}));

    m_schemes.SaveSchemeFile(File("a.run"));
    const QByteArray bytes = ReadAll(File("a.run"));
    // 4 + per scheme 14,612 fixed bytes, the name and list name twice, 4 bytes per room.
    EXPECT_EQ(bytes.size(), 4 + 3 * 14612 + 2 * 6 + 4 * 3 + 2 * 5 + 4 * 1);

    CRunTimeMgr loaded;
    ASSERT_TRUE(loaded.LoadSchemeFile(File("a.run")));
    ASSERT_EQ(loaded.Count(), 3);
    const RunTimeSys& first = *loaded.SchemeAt(0);
    EXPECT_EQ(first.Name, QStringLiteral("办公区"));
    EXPECT_EQ(loaded.ListName(0), QStringLiteral("办公区"));
    EXPECT_EQ(first.RoomIds, (QList<int>{9, 3, 5}));
    EXPECT_EQ(OnHours(first), 2);
    EXPECT_EQ(first.Sum(3, 364), 364 * 10.25f + 3);
    EXPECT_EQ(first.Sum(4, 7), 0.0f);
    EXPECT_EQ(first.Sum(0, 400), 0.0f);
    EXPECT_TRUE(loaded.SchemeAt(1)->Name.isEmpty());
    EXPECT_EQ(OnHours(*loaded.SchemeAt(1)), 365 * 11);

    loaded.SaveSchemeFile(File("b.run"));
    EXPECT_EQ(ReadAll(File("b.run")), bytes);
    EXPECT_TRUE(Dialogs().MessageBoxes.isEmpty());
}

TEST_F(RunTimeFileTest, NoSchemeIsTheCountZero)
{
    m_schemes.SaveSchemeFile(File("empty.run"));
    EXPECT_EQ(ReadAll(File("empty.run")), QByteArray(4, '\0'));
    // A file shorter than the count holds no scheme either.
    WriteAll(File("short.run"), QByteArray(3, '\x7f'));
    EXPECT_TRUE(m_schemes.LoadSchemeFile(File("short.run")));
    EXPECT_EQ(m_schemes.Count(), 0);
}

TEST_F(RunTimeFileTest, AFailedWriteRaisesAndLeavesNoStrayFile)
{
    Add(m_schemes, Scheme(QStringLiteral("甲"), {1}));
    // A folder stands where the file should go: nothing can replace it.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("busy.run")));
    EXPECT_THROW(m_schemes.SaveSchemeFile(File("busy.run")), Exception);
    EXPECT_TRUE(QFileInfo(File("busy.run")).isDir());
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList());
}

TEST_F(RunTimeFileTest, ATruncatedFileIsRefusedAtEveryLength)
{
    Add(m_schemes, Scheme(QStringLiteral("甲"), {1, 2, 3}));
    Add(m_schemes, Scheme(QStringLiteral("乙"), {4}));
    Add(m_schemes, Scheme(QStringLiteral("丙")));
    const QByteArray bytes = m_schemes.SchemeFileBytes();
    int refused = 0;
    for (qsizetype length = 97; length < bytes.size(); length += 97) {
        WriteAll(File("cut.run"), bytes.left(length));
        CRunTimeMgr loaded;
        EXPECT_FALSE(loaded.LoadSchemeFile(File("cut.run"))) << length;
        EXPECT_EQ(loaded.Count(), 0) << length;
        ++refused;
    }
    ASSERT_EQ(Dialogs().MessageBoxes.size(), refused);
    EXPECT_EQ(Dialogs().MessageBoxes.last().caption, QStringLiteral("错误"));
    EXPECT_EQ(Dialogs().MessageBoxes.last().message, QStringLiteral("运行模式读取错误"));
}

TEST_F(RunTimeFileTest, ImpossibleCountsAndFlagsAreRefused)
{
    Add(m_schemes, Scheme(QStringLiteral("甲"), {1, 2}));
    const QByteArray good = m_schemes.SchemeFileBytes();
    const auto patched = [&](int offset, QByteArray value) {
        QByteArray bytes = good;
        bytes.replace(offset, value.size(), value);
        return bytes;
    };
    const int roomCount = 4 + 4 + 2 + RunTimeSys::HourCount;
    const struct
    {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"negative scheme count", patched(0, QByteArray("\xff\xff\xff\xff", 4))},
        {"more schemes than bytes", patched(0, QByteArray("\x02\x00\x00\x00", 4))},
        {"name longer than the file", patched(4, QByteArray("\x00\x00\x00\x40", 4))},
        {"flag other than 0 or 1", patched(4 + 4 + 2 + 5, QByteArray("\x02", 1))},
        {"negative room count", patched(roomCount, QByteArray("\xfe\xff\xff\xff", 4))},
        {"rooms beyond the file", patched(roomCount, QByteArray("\x00\x00\x00\x10", 4))},
    };
    for (const auto& c : cases) {
        WriteAll(File("bad.run"), c.bytes);
        CRunTimeMgr loaded;
        EXPECT_FALSE(loaded.LoadSchemeFile(File("bad.run"))) << c.what;
        EXPECT_EQ(loaded.Count(), 0) << c.what;
    }
    WriteAll(File("good.run"), good);
    EXPECT_TRUE(m_schemes.LoadSchemeFile(File("good.run")));
    EXPECT_EQ(m_schemes.Count(), 2) << "loading appends";
}

TEST_F(RunTimeFileTest, NamesAreUniqueIgnoringCaseAndLookedUpExactly)
{
    Add(m_schemes, Scheme(QStringLiteral("Office"), {7}));
    auto twin = Scheme(QStringLiteral("OFFICE"));
    EXPECT_FALSE(m_schemes.AddScheme(twin->Name, twin));
    ASSERT_NE(twin, nullptr) << "a refused scheme stays with the caller";
    ASSERT_EQ(Dialogs().MessageBoxes.size(), 1);
    EXPECT_EQ(Dialogs().MessageBoxes[0].message, QStringLiteral("使用了相同的模式名称"));
    EXPECT_EQ(m_schemes.GetScheme(QStringLiteral("office")), nullptr);
    ASSERT_NE(m_schemes.GetScheme(QStringLiteral("Office")), nullptr);

    Add(m_schemes, Scheme(QStringLiteral("Hall"), {7, 8}));
    EXPECT_EQ(m_schemes.FindSchemeOfRoom(7)->Name, QStringLiteral("Office"));
    EXPECT_EQ(m_schemes.FindSchemeOfRoom(8)->Name, QStringLiteral("Hall"));
    EXPECT_EQ(m_schemes.FindSchemeOfRoom(9), nullptr);

    m_schemes.RenameScheme(QStringLiteral("Hall"), QStringLiteral("大厅"));
    EXPECT_EQ(m_schemes.SchemeAt(1)->Name, QStringLiteral("大厅"));
    m_schemes.DeleteScheme(QStringLiteral("Office"));
    EXPECT_EQ(m_schemes.Count(), 1);
    EXPECT_EQ(m_schemes.FindSchemeOfRoom(7)->Name, QStringLiteral("大厅"));
}

TEST(RunTimeCalendar, WeekdaysWeekendsAndMonthPatterns)
{
    // 1 January and 1 October of the plan year are Sundays.
    EXPECT_EQ(CRunTimeCalendar::FirstWeekdayOfMonth(1), 7);
    EXPECT_EQ(CRunTimeCalendar::FirstWeekdayOfMonth(10), 7);
    EXPECT_EQ(CRunTimeCalendar::FirstWeekdayOfMonth(2), 3); // 1 February: day 31, a Wednesday
    EXPECT_EQ(CRunTimeCalendar::FirstDayOfWeekday(0, 1), 1);
    EXPECT_EQ(CRunTimeCalendar::FirstDayOfWeekday(0, 7), 0);

    RunTimeSys scheme;
    scheme.HourFlags.fill(1);
    CRunTimeCalendar::ClearWeekends(scheme.HourFlags.data());
    int offDays = 0;
    for (int d = 0; d < RunTimeSys::Days; ++d)
        offDays += scheme.HourFlags[static_cast<size_t>(d * 24 + 12)] == 0;
    EXPECT_EQ(offDays, 105);
    EXPECT_EQ(scheme.HourFlags[0], 0) << "1 January, a Sunday";
    EXPECT_EQ(scheme.HourFlags[364 * 24], 0) << "31 December, a Sunday";

    // January's first Monday (2 January) works 9-17 only; its first Sunday is off.
    std::fill_n(scheme.HourFlags.data() + 24, 24, 0);
    std::fill_n(scheme.HourFlags.data() + 24 + 9, 9, 1);
    const auto before = scheme.HourFlags;
    EXPECT_EQ(CRunTimeCalendar::ApplyMonthPattern(scheme.HourFlags.data(), 0, 200, 100), 0);
    EXPECT_EQ(scheme.HourFlags, before);
    EXPECT_EQ(CRunTimeCalendar::ApplyMonthPattern(scheme.HourFlags.data(), 0, 31, 58), 28);
    EXPECT_EQ(OnHours(scheme), std::count(before.begin(), before.end(), 1) - 20 * 15);
    EXPECT_EQ(scheme.HourFlags[(31 + 3) * 24 + 8], 0) << "4 February, a Saturday, takes the Sunday";
}

// --- the scheme calculation ---------------------------------------------------------------------

// The operating-scheme selection of the program: the scheme mode and the current scheme's rooms.
class SchemeCalcHost : public FakeCalcHost
{
public:
    bool SchemeContainsId(int nodeId) const override
    {
        const RunTimeSys* scheme = CRunTimeMgr::Current().GetScheme(Name);
        return scheme && scheme->RoomIds.lastIndexOf(nodeId) >= 0;
    }
    QString SchemeName() const override { return Name; }
    void SetSchemeName(const QString& name) override { Name = name; }
    QString Name;
};

// Gives every room, on every day and hour, the value (k + 1) x area in the array of series k,
// negative for the heating series, then lets the scheme switch hours off as the daily
// calculation does. It can stop the run after a chosen room.
class SchemeRoomEngine : public CRoomLoadEngineBase
{
public:
    static constexpr int kArrays[12] = {0, 1, 6, 7, 16, 51, 5, 2, 3, 8, 9, 4};

    bool CalculateRoomLoads(CCalculate_Manager& manager, CCalculate_Room& room, const CElementDetailCallback&) override
    {
        if (CCalMsgOutput::IsCurrentStopped())
            return false;
        Rooms << room.Entry.Caption;
        Buildings << static_cast<int>(manager.Buildings().size());
        CCalResultBuffer::Current().AcquireResult(room.Result);
        const float area = static_cast<float>(dynamic_cast<const CRoom*>(room.Entry.GetElement())->Area);
        auto* days = static_cast<StepRecord*>(room.Result);
        for (int d = 0; d < 365; ++d)
            for (int k = 0; k < 12; ++k)
                std::fill_n(days[d].Hourly[kArrays[k]], 24, (k >= 7 ? -1.0f : 1.0f) * (k + 1) * area);
        ApplyRunTimeScheme(room.Entry.Node->NodeId(), days, 5);
        if (CCalMsgOutput* progress = CCalMsgOutput::GetCurrent()) {
            progress->StepProgress(room.Entry.Caption);
            if (Rooms.size() == StopAt)
                progress->Stop();
        }
        return true;
    }
    void CalculatePumpAndPipeLoad(CCalculate_Manager&, CCalculate_Building&) override {}

    QStringList Rooms;
    QList<int> Buildings; // buildings in the structure at each room
    int StopAt = 0;
};

class SchemeCalcTest : public CalcFixture
{
protected:
    void SetUp() override
    {
        CalcFixture::SetUp();
        SetDesignType(5);
        m_schemeHost.SchemeMode = true;
        m_schemes.SetRoomEngine(&m_engine);
        Show();
    }

    // Writes the CSV of every scheme, as the dialog does; the lines of the file, empty without one.
    QStringList Export(int kind)
    {
        CNodeDataBuffer nodes;
        CCalResultBuffer pool;
        CCalMsgOutput progress(QStringLiteral("正在计算负荷"), nullptr);
        m_written = m_schemes.ExportSchemeCsv(m_csv, kind);
        const QByteArray bytes = ReadAll(m_csv);
        if (bytes.isEmpty())
            return {};
        EXPECT_TRUE(bytes.endsWith("\r\n"));
        return CGbkCodec::FromGbk(bytes).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }

    SchemeCalcHost m_schemeHost;
    SchemeRoomEngine m_engine;
    CRunTimeMgr m_schemes;
    QTemporaryDir m_dir;
    QString m_csv = m_dir.filePath(QStringLiteral("方案.CSV"));
    bool m_written = false;
};

TEST_F(SchemeCalcTest, TheDefaultPlanSumsElevenHoursADayByMonthDayAndHour)
{
    Add(m_schemes, Scheme(QStringLiteral("办公"), {R1->NodeId()}));

    // R1 has 10 m²: series 0 is 10 at every hour, series 7 (total heating) -80, summed as 80.
    const QStringList months = Export(CRunTimeMgr::ByMonth);
    ASSERT_EQ(months.size(), 2 + 12);
    EXPECT_EQ(months[0], QStringLiteral("办公"));
    EXPECT_EQ(months[1], CRunTimeMgr::CsvHeader);
    EXPECT_EQ(months[2], QStringLiteral("1月,3410.00,6820.00,10230.00,13640.00,17050.00,20460.00,23870.00,"
                                        "27280.00,30690.00,34100.00,37510.00,40920.00"));
    EXPECT_TRUE(months[3].startsWith(QStringLiteral("2月,3080.00,"))) << "28 days";
    EXPECT_EQ(m_schemeHost.Name, QStringLiteral("办公"));
    EXPECT_EQ(Dialogs().Messages, QStringList{QStringLiteral("成功导出")});
    EXPECT_EQ(m_host.Opened, QStringList{m_csv});

    const QStringList days = Export(CRunTimeMgr::ByDay);
    ASSERT_EQ(days.size(), 2 + 365);
    EXPECT_TRUE(days[2].startsWith(QStringLiteral("1月1日,110.00,")));
    EXPECT_TRUE(days.last().startsWith(QStringLiteral("12月31日,110.00,")));

    const QStringList hours = Export(CRunTimeMgr::ByHour);
    ASSERT_EQ(hours.size(), 2 + 4015);
    EXPECT_EQ(hours[2], QStringLiteral("1月1日8时,10.00,20.00,30.00,40.00,50.00,60.00,70.00,80.00,90.00,"
                                       "100.00,110.00,120.00"));
    EXPECT_TRUE(hours.last().startsWith(QStringLiteral("12月31日18时,")));
    // Only the stored series' days reach the scheme file.
    EXPECT_EQ(m_schemes.SchemeAt(0)->Sum(0, 8), 10.0f);
}

TEST_F(SchemeCalcTest, EachSchemeIsCalculatedWithItsOwnPlan)
{
    // R1 is in both schemes: the first is off all year, the second runs its default hours.
    auto off = Scheme(QStringLiteral("停用"), {R1->NodeId()});
    off->HourFlags.fill(0);
    Add(m_schemes, std::move(off));
    Add(m_schemes, Scheme(QStringLiteral("运行"), {R1->NodeId(), S1->NodeId(), R2->NodeId()}));
    Add(m_schemes, Scheme(QStringLiteral("空")));

    const QStringList hours = Export(CRunTimeMgr::ByHour);
    ASSERT_EQ(hours.size(), 2 + 2 + 4015 + 2 + 4015);
    EXPECT_EQ(hours[0], QStringLiteral("停用"));
    EXPECT_EQ(hours[2], QStringLiteral("运行")) << "a plan that is all off has no hourly row";
    // R1 (10 m²) and R2 (20 m²) at the second scheme's hours; the storey id is ignored.
    EXPECT_TRUE(hours[4].startsWith(QStringLiteral("1月1日8时,30.00,60.00,"))) << hours[4].toStdString();
    // A scheme without rooms has rows of zeros.
    EXPECT_TRUE(hours[4 + 4015 + 2].startsWith(QStringLiteral("1月1日8时,0.00,")));
    EXPECT_EQ(m_engine.Rooms, (QStringList{R1->Caption(), R1->Caption(), R2->Caption()}));
    // Each room's structure replaces the one before: it never grows.
    EXPECT_EQ(m_engine.Buildings, (QList<int>{1, 1, 1}));
    EXPECT_EQ(m_form.Maximum, 3);
    EXPECT_EQ(m_form.Position, 3);
}

TEST_F(SchemeCalcTest, AFailedOrStoppedRunWritesNoFile)
{
    Add(m_schemes, Scheme(QStringLiteral("甲"), {R1->NodeId(), R2->NodeId()}));
    m_engine.StopAt = 1;
    EXPECT_TRUE(Export(CRunTimeMgr::ByMonth).isEmpty());
    EXPECT_FALSE(m_written);
    EXPECT_TRUE(Dialogs().MessageBoxes.isEmpty());
    EXPECT_TRUE(Dialogs().Messages.isEmpty());

    // A room that is no longer in the project.
    m_engine.StopAt = 0;
    m_schemes.SchemeAt(0)->RoomIds = {R1->NodeId(), 99999};
    EXPECT_TRUE(Export(CRunTimeMgr::ByMonth).isEmpty());
    ASSERT_EQ(Dialogs().MessageBoxes.size(), 1);
    EXPECT_EQ(Dialogs().MessageBoxes[0].message, QStringLiteral("计算错误。"));
    EXPECT_FALSE(QFile::exists(m_csv));
}
