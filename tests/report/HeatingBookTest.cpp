// The heating-load book's rows: the two-decimal cut of the element hours, direction suffixes, the
// peaks and their ties, the rows of other loads and of rooms between dwellings, the level summaries
// and their units; a run with a failing room; the book written by didivov_book.
#include "calc/CCalResultBuffer.h"
#include "calc/CCalculate_Room.h"
#include "calc/CNodeDataBuffer.h"
#include "model/CInsideWall.h"
#include "model/COutsideWall.h"
#include "model/COutsideWindow.h"
#include "model/CProjectData.h"
#include "model/CRoom.h"
#include "report/CHLDReport.h"
#include "report/engine/CReportPreviewBase.h"
#include "tests/calc/CalcFixture.h"
#include "tests/support/CTestProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr int kQ1 = 12, kQTotal = 17, kQ6 = 18, kQg = 19, kSourceName = 3, kWide = 5;

struct SElementCall
{
    float P[7]{};
    CHLDReport::HourTable Table{};
    float A[24]{};
    float B[24]{};
};

class HeatingBookRows : public ::testing::Test
{
protected:
    HeatingBookRows()
    {
        m_book.RoomSelected = true;
        m_book.BuildingLabel = QStringLiteral("1号楼总计");
        m_book.StoreyLabel = QStringLiteral("1层/1号楼小计");
        m_book.RoomLabel = QStringLiteral("101\n[办公室]");
    }
    const CRptRecord& Write(CElementBase& element, SElementCall& call, int kind)
    {
        m_book.WriteRow(&element, call.P, call.Table, call.A, call.B, 1.0, kind);
        return m_book.Row(m_book.RowCount() - 1);
    }
    static QString Text(const CRptRecord& row, int column) { return row.Texts[static_cast<size_t>(column)]; }

    CHLDReport m_book;
};

TEST_F(HeatingBookRows, ElementHoursAreCutToTwoDecimalsBeforeTheyAreSummed)
{
    COutsideWall wall;
    wall.Name = QStringLiteral("南外墙");
    wall.Direction = 1;
    wall.Height = 3;
    SElementCall call;
    std::fill(call.Table[0], call.Table[0] + 24, -1.234f);
    std::fill(call.Table[1], call.Table[1] + 24, 2.999999f);
    std::fill(call.A, call.A + 24, -10.0f);
    std::fill(call.B, call.B + 24, -0.5f);
    call.P[1] = 0.6f;
    const CRptRecord& row = Write(wall, call, 9);
    EXPECT_EQ(Text(row, 0), QStringLiteral("1号楼总计"));
    EXPECT_EQ(Text(row, 2), QStringLiteral("101\n[办公室]"));
    EXPECT_EQ(Text(row, kQ1), QStringLiteral("-1.23"));
    EXPECT_EQ(Text(row, kQ1 + 1), QStringLiteral("3.00"));
    EXPECT_EQ(Text(row, kQ1 + 4), QStringLiteral("-0.50"));    // Q5: B
    EXPECT_EQ(Text(row, kQTotal), QStringLiteral("-10.50")); // A + B
    EXPECT_EQ(Text(row, kQ6), QStringLiteral("0.00"));
    EXPECT_EQ(Text(row, kQg), QStringLiteral("-10.50"));
    EXPECT_EQ(Text(row, 7), QStringLiteral("0.60"));
    EXPECT_EQ(Text(row, kWide), QStringLiteral("3"));
    EXPECT_EQ(Text(row, kSourceName), QStringLiteral("南外墙\n[南]"));
    // Cells no step writes keep "0"; the table is cleared for the next element.
    EXPECT_EQ(Text(row, 26), QStringLiteral("0"));
    EXPECT_EQ(call.Table[0][0], 0.0f);

    // The room's summary goes into its last row: the cut values, summed.
    CRoom room;
    room.Area = 20;
    room.WinterHeatingTemperature = 18;
    room.InputTypeofPeopleDensity = 1;
    room.PeopleDensity = 6; // m² per person: 3 people
    SElementCall none;
    m_book.WriteRow(&room, none.P, none.Table, none.A, none.B, 20, 3);
    EXPECT_EQ(Text(row, 26), QStringLiteral("-1.23"));
    EXPECT_EQ(Text(row, 26 + 5), QStringLiteral("-10.50"));
    EXPECT_EQ(Text(row, 34 + 5), QStringLiteral("-0.53")); // per m²: -0.525
    EXPECT_EQ(Text(row, 21), QStringLiteral("18"));
    EXPECT_EQ(Text(row, 23), QStringLiteral("3"));
    EXPECT_EQ(Text(row, 25), QStringLiteral("20"));
}

TEST_F(HeatingBookRows, WindowsTakeTheDirectionOfTheLastWallOrRoof)
{
    COutsideWindow window;
    window.Name = QStringLiteral("窗");
    SElementCall call;
    EXPECT_EQ(Text(Write(window, call, 10), kSourceName), QStringLiteral("窗\n[水平]"));
    COutsideWall wall;
    wall.Name = QStringLiteral("西墙");
    wall.Direction = 3;
    EXPECT_EQ(Text(Write(wall, call, 9), kSourceName), QStringLiteral("西墙\n[西]"));
    EXPECT_EQ(Text(Write(window, call, 10), kSourceName), QStringLiteral("窗\n[西]"));
    // A skylight names its own direction in p[6].
    call.P[6] = 5;
    EXPECT_EQ(Text(Write(window, call, 18), kSourceName), QStringLiteral("窗\n[北]"));
    EXPECT_EQ(Text(Write(window, call, 11), kSourceName), QStringLiteral("窗\n[北]"));
}

TEST_F(HeatingBookRows, OtherLoadsAndLossesBetweenDwellings)
{
    COutsideWall others; // any element stands for the other loads
    SElementCall call;
    std::fill(call.A, call.A + 24, -7.0f);
    std::fill(call.B, call.B + 24, -3.0f);
    const CRptRecord& row = Write(others, call, 28);
    EXPECT_EQ(Text(row, kSourceName), QStringLiteral("其他"));
    EXPECT_EQ(Text(row, kQ1 + 4), QStringLiteral("0"));
    EXPECT_EQ(Text(row, kQTotal), QStringLiteral("-7.00"));
    EXPECT_EQ(Text(row, kQg), QStringLiteral("-7.00"));

    CInsideWall between;
    between.TransHeat_Between = 1;
    SElementCall inner;
    std::fill(inner.A, inner.A + 24, -4.0f);
    const CRptRecord& wallRow = Write(between, inner, 13);
    EXPECT_EQ(Text(wallRow, kQTotal), QStringLiteral("0.00"));
    EXPECT_EQ(Text(wallRow, kQ6), QStringLiteral("-4.00"));
}

TEST(HeatingBookPeaks, ElementsKeepTheEarlierOfEqualExtremesLevelsTheLater)
{
    float values[24]{};
    values[3] = 5;
    values[9] = -5;
    EXPECT_EQ(CHLDReport::PeakOf24(values), 5.0f);
    float zeros[24]{};
    EXPECT_EQ(CHLDReport::PeakOf24(zeros), 0.0f);
    CHLDReport::HourTable sums{};
    std::copy(values, values + 24, sums[0]);
    sums[5][0] = 100;
    EXPECT_EQ(CHLDReport::LevelPeaks(sums, false)[0], -5.0f);
    // kcal/h converts every column of the level, Q总 to Qg included.
    const auto kcal = CHLDReport::LevelPeaks(sums, true);
    EXPECT_FLOAT_EQ(kcal[0], -5.0f * 0.8598452f);
    EXPECT_FLOAT_EQ(kcal[5], 100.0f * 0.8598452f);
}

TEST(HeatingBookFields, NinetyFourFieldsInColumnOrder)
{
    const QStringList& names = CHLDReport::FieldNames();
    ASSERT_EQ(names.size(), CRptRecord::FieldCount);
    EXPECT_EQ(names[17], QStringLiteral("Q总"));
    EXPECT_EQ(names[20], QStringLiteral("OutsideTemperature"));
    EXPECT_EQ(names[42], QStringLiteral("FArea"));
    EXPECT_EQ(names[59], QStringLiteral("BArea"));
    EXPECT_EQ(names[76], QStringLiteral("Toal"));
    EXPECT_EQ(names[83], QStringLiteral("Toal总"));
    EXPECT_EQ(names[93], QStringLiteral("ToalAg"));
}

} // namespace


namespace {

// Each room's first outside wall (or its first element) loses 10 W every hour; the room numbered
// FailAt fails as a room whose calculation raises does.
class LosingRoomEngine : public CRoomLoadEngineBase
{
public:
    bool CalculateRoomLoads(CCalculate_Manager&, CCalculate_Room& room, const CElementDetailCallback& detail) override
    {
        if (++Rooms == FailAt) {
            CCalMsgOutput::Current().Stop();
            return false;
        }
        CCalResultBuffer::Current().AcquireResult(room.Result);
        if (detail && room.Entry.Node && room.Entry.Node->ChildCount() > 0) {
            float rates[7]{};
            float blocks[8][24]{};
            float loads[24], extra[24]{};
            std::fill(loads, loads + 24, -10.0f);
            detail(room.Entry.Node->Child(0)->LoadElement(), rates, blocks, loads, extra, 0, 1.0);
        }
        return true;
    }
    void CalculatePumpAndPipeLoad(CCalculate_Manager&, CCalculate_Building&) override {}
    int Rooms = 0;
    int FailAt = 0;
};

class CountingPreview : public CReportPreviewBase
{
public:
    void ShowPreview(CQORReport&) override { ++Shown; }
    int Shown = 0;
};

class HeatingBookRun : public CalcFixture
{
protected:
    std::unique_ptr<CHLDReport> Build()
    {
        CNodeDataBuffer nodes;
        CCalResultBuffer pool;
        CCalMsgOutput progress(QStringLiteral("正在计算负荷"), nullptr);
        CCalculate_Manager manager;
        manager.SetRoomEngine(&m_engine);
        manager.BuildCalcStructureFrom(Item(&Root()));
        auto book = std::make_unique<CHLDReport>();
        book->BuildReport(manager);
        return book;
    }
    LosingRoomEngine m_engine;
    CountingPreview m_preview;
};

TEST_F(HeatingBookRun, AFailedRoomIsNamedAndTheTotalSaysItIsIncomplete)
{
    SetDesignType(6);
    const auto complete = Build();
    ASSERT_EQ(m_preview.Shown, 1);
    ASSERT_GT(complete->RowCount(), 0);
    EXPECT_EQ(complete->Row(complete->RowCount() - 1).Texts[76], QStringLiteral("大楼汇总"));
    EXPECT_TRUE(complete->FailedRooms().isEmpty());

    m_engine.Rooms = 0;
    m_engine.FailAt = 2;
    const auto partial = Build();
    ASSERT_EQ(partial->FailedRooms().size(), 1);
    const CRptRecord& last = partial->Row(partial->RowCount() - 1);
    EXPECT_EQ(last.Texts[3], QStringLiteral("计算失败，汇总不完整"));
    EXPECT_TRUE(last.Texts[2].startsWith(partial->FailedRooms()[0]));
    EXPECT_EQ(last.Texts[76], QStringLiteral("大楼汇总(不完整)"));
}

} // namespace

namespace {

// didivov_book --heating-book on the shipped demonstration: the book's project total is the
// "总采暖负荷" of the project's load summary in the same run.
TEST(HeatingBookTool, TheDemoBookTotalsWhatTheMaximumLoadSummaryPrints)
{
    QTemporaryDir dir;
    const QString project = dir.filePath(QStringLiteral("demo.VLZ"));
    ASSERT_TRUE(QFile::copy(QDir(GeneratedProgramFolder()).filePath(QStringLiteral("User/示例工程/示例工程.VLZ")), project));
    QFile(project).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    const QString book = dir.filePath(QStringLiteral("heat.csv"));
    QProcess process;
    process.start(QStringLiteral(BOOK_TOOL), {project, book, QStringLiteral("--heating-book"), QStringLiteral("--summary")});
    ASSERT_TRUE(process.waitForFinished(120000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();
    const QString summary = QString::fromUtf8(process.readAllStandardOutput());
    const QRegularExpressionMatch total =
        QRegularExpression(QStringLiteral("^总采暖负荷: (-?\\d+\\.\\d\\d)"), QRegularExpression::MultilineOption)
            .match(summary);
    ASSERT_TRUE(total.hasMatch()) << summary.toStdString();

    QFile file(book);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    const QRegularExpressionMatch row = QRegularExpression(QStringLiteral("大楼汇总,(-?\\d+\\.\\d\\d)")).match(text);
    ASSERT_TRUE(row.hasMatch());
    EXPECT_EQ(row.captured(1), total.captured(1));
    EXPECT_LT(total.captured(1).toDouble(), -1000.0);
}

} // namespace
