// The calculation book's detailed input tables, load statistics, hourly loads and closing
// sections, on small trees calculated by the recording room engine (a room's load is its area, at
// noon for the detailed type).
#include "calc/CCalResultBuffer.h"
#include "calc/CCalculate_Manager.h"
#include "model/CBuilding.h"
#include "model/CFood.h"
#include "model/COthers.h"
#include "model/COutsideWall.h"
#include "model/COutsideWindow.h"
#include "model/CPeople.h"
#include "model/CRoom.h"
#include "model/CStorey.h"
#include "model/TDM_Project.h"
#include "report/CCalculationBook.h"
#include "report/CHourlyLoadTable.h"
#include "report/LoadStatisticsRow.h"
#include "calclib/dizedozev.h"
#include "report/engine/CQORReport.h"
#include "tests/report/BookFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
class BookSectionsTest : public BookFixture
{
protected:
    CNodeData* Building(const QString& name, bool statistics = true)
    {
        CNodeData* node = Make(&Root(), 1, name);
        auto& building = Element<CBuilding>(node);
        building.Name = name;
        building.IsOutputLoadStatisticsData = statistics ? 1 : 0;
        building.UpdateRecord();
        return node;
    }
    CNodeData* Storey(CNodeData* building, const QString& name, bool statistics = false)
    {
        CNodeData* node = Make(building, 2, name);
        auto& storey = Element<CStorey>(node);
        storey.Name = name;
        storey.IsOutputLoadStatisticsData = statistics ? 1 : 0;
        storey.UpdateRecord();
        return node;
    }
    CNodeData* Room(CNodeData* storey, const QString& name, double area, bool statistics = false)
    {
        CNodeData* node = Make(storey, 3, name);
        auto& room = Element<CRoom>(node);
        room.IsLWInputArea = 1;
        room.Area = area;
        room.IsOutputLoadCalculationParameter = 1;
        room.ACRoomQuantity = 1;
        room.IsOutputLoadStatisticsData = statistics ? 1 : 0;
        room.UpdateRecord();
        return node;
    }
    // The book of the whole project with the recording engine calculating the rooms.
    CQORReport& AssembleCalculated()
    {
        Show();
        m_book.reset();
        m_manager = std::make_unique<CCalculate_Manager>();
        m_manager->SetRoomEngine(&m_engine);
        m_manager->BuildCalcStructureFrom(m_host.View.TopItem(0));
        m_book = std::make_unique<CCalculationBook>(*m_manager);
        CCalResultBuffer pool(m_parameters.DesignType);
        CCalMsgOutput progress(QStringLiteral("正在计算并输出负荷"), nullptr,
                               [this] { m_bookReport = m_book->OutputCalculationBook(); });
        return *m_bookReport;
    }
    // The detail table made from the template, or null.
    CQORReport* DetailTable(const QString& templateName) const
    {
        for (int i = 0; i < m_book->DetailReportList.Count(); ++i)
            if (m_book->DetailReportList.Get(i)->TemplateFile().endsWith(templateName))
                return m_book->DetailReportList.Get(i);
        return nullptr;
    }
    // The captions of the building, storey and room above and of the node, joined with "~".
    static QString Path(const CNodeData* node)
    {
        QStringList captions;
        for (; node && node->Parent(); node = node->Parent())
            captions.prepend(node->Caption());
        return captions.join(QLatin1Char('~'));
    }
    // No load item of the hourly tables ticked.
    void UntickHourlyItems()
    {
        std::vector<int> items;
        for (const QString& id : Column(QStringLiteral("select ID from OutputOption where FatherID = 310")))
            items.push_back(id.toInt());
        SetFlags(items, 0);
    }
    void SetDefault(const QString& name, const QString& value) { m_defaults.SetValue(name, value); }
    void SetDesignType(int designType)
    {
        m_parameters.DesignType = designType;
        m_options.LoadOutputParams();
    }

    RecordingRoomEngine m_engine;
};
} // namespace

TEST_F(BookSectionsTest, PeopleRowsCountPeopleByDensityAndNameTheLabour)
{
    CNodeData* storey = Storey(Building(QStringLiteral("A")), QStringLiteral("F1"));
    // Area 20: 0.25 person/m² gives 5, 8 m²/person 2 (2.5 cut), a density of 0 none, 12.9 persons 12.
    const struct
    {
        int type;
        double density;
        int labour;
        const char* row;
    } cases[] = {{0, 0.25, 1, ",5,极轻劳动,0.00"},
                 {1, 8, 0, ",2,静坐,0.00"},
                 {1, 0, 4, ",0,重劳动,0.00"},
                 {2, 12.9, 7, ",12,-,0.00"}};
    QStringList expected;
    int n = 0;
    for (const auto& c : cases) {
        CNodeData* room = Room(storey, QStringLiteral("R%1").arg(n++), 20);
        Element<CRoom>(room).InputTypeofPeopleDensity = c.type;
        Element<CRoom>(room).PeopleDensity = c.density;
        Element<CRoom>(room).UpdateRecord();
        CNodeData* people = Make(room, 4);
        Element<CPeople>(people).LaborType = c.labour;
        Element<CPeople>(people).PeopleClassifyCoeffient = 0;
        Element<CPeople>(people).UpdateRecord();
        expected << Path(room) + QString::fromUtf8(c.row);
    }
    OnlySections({80});
    SetFlags({81, 82}, 1);
    SetFlags({85, 86}, 0);
    Assemble();
    ASSERT_NE(DetailTable(QStringLiteral("People.grf")), nullptr);
    EXPECT_EQ(Rows(*DetailTable(QStringLiteral("People.grf"))), expected.join(QLatin1Char('|')));
    // Tables ticked but without rows are not kept.
    EXPECT_EQ(DetailTable(QStringLiteral("Food.grf")), nullptr);
    EXPECT_EQ(Titles().value(1), QStringLiteral("一、负荷详细计算参数"));
}

TEST_F(BookSectionsTest, EnvelopeRowsCentreTheirAreasAndNameTheCarrierOfAnOpening)
{
    CNodeData* room = Room(Storey(Building(QStringLiteral("A")), QStringLiteral("F1")), QStringLiteral("R"), 20);
    CNodeData* wall = Make(room, COutsideWall::TypeCode, QStringLiteral("南墙"));
    auto& element = Element<COutsideWall>(wall);
    element.IsLWInputArea = 0;
    element.Length = 5;
    element.Height = 3;
    element.Direction = 9;
    element.UpdateRecord();
    CNodeData* window = Make(wall, COutsideWindow::TypeCode, QStringLiteral("窗1"));
    Element<COutsideWindow>(window).IsLWInputArea = 1;
    Element<COutsideWindow>(window).Area = 2.5;
    Element<COutsideWindow>(window).UpdateRecord();
    OnlySections({80});
    SetFlags({137, 138, 139, 141, 603, 144, 602}, 1);
    Assemble();
    ASSERT_NE(DetailTable(QStringLiteral("OutsideWall.grf")), nullptr);
    EXPECT_EQ(Rows(*DetailTable(QStringLiteral("OutsideWall.grf"))),
              Path(room) + QStringLiteral(",") + wall->Caption() + QStringLiteral(",-,,") + QString(9, QLatin1Char(' ')) +
                  QStringLiteral("15.00") +
                  QString(10, QLatin1Char(' ')));
    ASSERT_NE(DetailTable(QStringLiteral("OutsideWindow.grf")), nullptr);
    EXPECT_EQ(Rows(*DetailTable(QStringLiteral("OutsideWindow.grf"))),
              Path(wall) + QStringLiteral(",") + window->Caption() + QStringLiteral(",,1,") + QString(10, QLatin1Char(' ')) +
                  QStringLiteral("2.50") +
                  QString(10, QLatin1Char(' ')));
    // The door table was made and, without a door, removed.
    EXPECT_EQ(DetailTable(QStringLiteral("OutsideDoor.grf")), nullptr);
}

TEST_F(BookSectionsTest, AColumnOptionATableDoesNotKnowIsReportedOnceAndAnUntickedPartLeavesNoPage)
{
    CNodeData* storey = Storey(Building(QStringLiteral("A")), QStringLiteral("F1"));
    QStringList expected;
    for (const QString& name : {QStringLiteral("R1"), QStringLiteral("R2")}) {
        CNodeData* others = Make(Room(storey, name, 20), 28);
        Element<COthers>(others).HeatConsumption_Other = 12.5;
        Element<COthers>(others).UpdateRecord();
        expected << Path(others->Parent()) + QStringLiteral(",") + others->Caption() + QStringLiteral(",,,,12.50");
    }
    OnlySections({80});
    SetFlags({127, 128, 129, 131, 132, 133, 134, 135, 136}, 0);
    SetFlags({126, 130}, 1);
    // An option of another table hung below the other loads, as a damaged option table may hold.
    m_project.ExecSQL(CSQLStatement(QStringLiteral("update OutputOption set FatherID = 126 where ID = 92")));
    SetFlags({92}, 1);
    Assemble();
    ASSERT_NE(DetailTable(QStringLiteral("Others.grf")), nullptr);
    EXPECT_EQ(Rows(*DetailTable(QStringLiteral("Others.grf"))), expected.join(QLatin1Char('|')));
    EXPECT_EQ(m_calcHost.OutputLines.filter(QStringLiteral("System Error ID:92 Did not handle")).size(), 1);

    // Nothing to print: no numbered page is left for the part.
    SetFlags({126}, 0);
    Assemble();
    EXPECT_EQ(Titles(), QStringList{QStringLiteral("封面")});
    EXPECT_EQ(m_book->SectionCounter, 0);
}

TEST_F(BookSectionsTest, DetailedStatisticsSumTwoPrintedBuildingsAndDivideWithoutRounding)
{
    SetDesignType(3);
    m_parameters.StatisticsType = 1;
    SetDefault(QStringLiteral("AreaTypeForCalIndex"), QStringLiteral("0"));
    CNodeData* a = Building(QStringLiteral("A"));
    CNodeData* r1 = Room(Storey(a, QStringLiteral("F1")), QStringLiteral("R1"), 20, true);
    CNodeData* b = Building(QStringLiteral("B"));
    Room(Storey(b, QStringLiteral("F1")), QStringLiteral("R2"), 30);
    CNodeData* c = Building(QStringLiteral("C"), false);
    Room(Storey(c, QStringLiteral("F1")), QStringLiteral("R3"), 999);
    OnlySections({192});
    SetFlags({193, 201, 200}, 1);
    m_engine.PumpLoad = 0;
    AssembleCalculated();
    CQORReport* section = Section(QStringLiteral("负荷统计数据 单位:W"));
    ASSERT_NE(section, nullptr);
    const int w = section->FindField(QStringLiteral("Room_Area"))->m_Index;
    ASSERT_EQ(section->RecordCount(), 4);
    // R1: load 20 at noon on 20 m² is 1.00 W/m², no half added.
    EXPECT_EQ(section->Cell(0, 0), Path(r1));
    EXPECT_EQ(section->Cell(0, 1), QStringLiteral("20.00"));
    EXPECT_EQ(section->Cell(0, 9), QStringLiteral("1.00"));
    EXPECT_EQ(section->Cell(0, 8), QStringLiteral("12:00"));
    EXPECT_EQ(section->Cell(0, w), QStringLiteral("20.00"));
    EXPECT_EQ(section->Cell(1, 0), a->Caption());
    EXPECT_EQ(section->Cell(2, 0), b->Caption());
    // The summary of the two printed buildings; C (not printed) is in neither its load nor its area.
    EXPECT_EQ(section->Cell(3, 0), QStringLiteral("大楼汇总"));
    EXPECT_EQ(section->Cell(3, 1), QStringLiteral("50.00"));
    EXPECT_EQ(section->Cell(3, 9), QStringLiteral("1.00"));
    EXPECT_EQ(section->Cell(3, w), QStringLiteral("50.00"));

    // One printed building: no summary.
    Element<CBuilding>(b).IsOutputLoadStatisticsData = 0;
    Element<CBuilding>(b).UpdateRecord();
    m_engine = RecordingRoomEngine();
    m_engine.PumpLoad = 0;
    AssembleCalculated();
    section = Section(QStringLiteral("负荷统计数据 单位:W"));
    ASSERT_NE(section, nullptr);
    EXPECT_EQ(Rows(*section).count(QStringLiteral("大楼汇总")), 0);
}

TEST_F(BookSectionsTest, DailyStatisticsPrintTheTickedDays)
{
    SetDesignType(5);
    m_parameters.StatisticsType = 1;
    m_parameters.DayCheck_Total.fill(0);
    m_parameters.DayCheck_Total[31] = 1;
    CNodeData* node =
        Room(Storey(Building(QStringLiteral("A"), false), QStringLiteral("F1")), QStringLiteral("R1"), 20, true);
    OnlySections({192});
    SetFlags({193}, 1);
    AssembleCalculated();
    CQORReport* section = Section(QStringLiteral("负荷统计数据 单位:W"));
    ASSERT_NE(section, nullptr);
    ASSERT_EQ(section->RecordCount(), 1);
    EXPECT_EQ(section->Cell(0, 0), QStringLiteral("二月一日~") + Path(node));

    // By system: the room and the system once for the ticked day, not once for every day.
    m_parameters.StatisticsType = 0;
    auto& room = Element<CRoom>(node);
    room.PrimaryAirSystemName = QStringLiteral("S1");
    room.UpdateRecord();
    m_engine = RecordingRoomEngine();
    AssembleCalculated();
    section = Section(QStringLiteral("负荷统计数据 单位:W"));
    ASSERT_NE(section, nullptr);
    ASSERT_EQ(section->RecordCount(), 2);
    EXPECT_EQ(section->Cell(0, 0) + section->Cell(0, 1), node->Caption() + QStringLiteral("20.00"));
    EXPECT_EQ(section->Cell(1, 0) + section->Cell(1, 1), QStringLiteral("S120.00"));
}

TEST_F(BookSectionsTest, HoursAroundThePeakWrapAndAFixedRangeSteps)
{
    const struct
    {
        int periodType, peak, window, interval, begin, end;
        std::vector<int> hours;
    } cases[] = {{1, 23, 2, 1, 0, 23, {0, 1, 21, 22, 23}},
                 {1, 22, 4, 2, 0, 23, {0, 2, 18, 20, 22}},
                 {0, 5, 12, 2, 8, 18, {8, 10, 12, 14, 16, 18}},
                 {0, 5, 12, 2, 19, 3, {}},
                 // Settings the dialog cannot stop still select hours of the day only.
                 {1, 3, 40, 0, 0, 23, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20,
                                       21, 22, 23}}};
    for (const auto& c : cases) {
        m_parameters.TimePeriodType = c.periodType;
        m_parameters.HourfromMaximumLoad = c.window;
        m_parameters.HourInterval = c.interval;
        m_parameters.TimeBeginning = c.begin;
        m_parameters.TimeEnd = c.end;
        CHourlyLoadTable::Hours hours{};
        CHourlyLoadTable::SelectOutputHours(m_parameters, c.peak, hours);
        std::vector<int> selected;
        for (int h = 0; h < 24; ++h)
            if (hours[static_cast<size_t>(h)])
                selected.push_back(h);
        EXPECT_EQ(selected, c.hours) << c.peak << " " << c.begin;
    }
}

TEST_F(BookSectionsTest, DetailedHourlyTablesShowZeroRowsOnlyWhenAsked)
{
    SetDesignType(3);
    CNodeData* room = Room(Storey(Building(QStringLiteral("A"), false), QStringLiteral("F1")), QStringLiteral("R1"), 20);
    Element<CRoom>(room).IsOutputLoadHourlyData = 1;
    Element<CRoom>(room).UpdateRecord();
    OnlySections({310});
    UntickHourlyItems();
    SetFlags({311, 312}, 1);
    m_parameters.TimePeriodType = 0;
    m_parameters.TimeBeginning = 11;
    m_parameters.TimeEnd = 13;
    m_parameters.HourInterval = 1;
    for (int show : {0, 1}) {
        m_project.ExecSQL(CSQLStatement(QStringLiteral("delete from tbl_registry where f_key='ShowZeroRow'")));
        m_project.ExecSQL(CSQLStatement(
            QStringLiteral("insert into tbl_registry (f_key, f_value) values ('ShowZeroRow', ?)"), {show}));
        m_engine = RecordingRoomEngine();
        AssembleCalculated();
        ASSERT_EQ(Titles().value(1), QStringLiteral("一、负荷逐时数据 单位:W"));
        const CQORReport* section = m_bookReport->SubReport(2);
        // The room's table, then those of its flagged storey and building.
        ASSERT_EQ(section->SubReportCount(), 3);
        const CQORReport& node = *section->SubReport(0);
        EXPECT_EQ(node.Parameter(QStringLiteral("Name")), Path(room));
        EXPECT_TRUE(node.Parameter(QStringLiteral("strParams")).contains(QStringLiteral("夏季最大总冷负荷(含新风)为:20W  发生时刻:12:00")));
        // The sensible row holds only zeros.
        EXPECT_EQ(node.RecordCount(), show ? 2 : 1) << show;
        EXPECT_EQ(node.Cell(0, 13), QStringLiteral("    20    "));
        EXPECT_EQ(node.Cell(0, 11), QString());
    }
}

TEST_F(BookSectionsTest, ClosingSectionsListTheAnswerTheGroupsTheSystemsAndNumberedRemarks)
{
    CNodeData* building = Building(QStringLiteral("A"));
    CNodeData* storey = Storey(building, QStringLiteral("F1"));
    Element<CStorey>(storey).StoreyGroupName = QStringLiteral("G1");
    Element<CStorey>(storey).UpdateRecord();
    Storey(building, QStringLiteral("F2"));
    const struct
    {
        const char* room;
        const char* fresh;
    } rooms[] = {{"RA", "S1"}, {"RB", "S2"}, {"RC", "S1"}};
    QStringList systemRows;
    for (const auto& r : rooms) {
        CNodeData* node = Room(storey, QString::fromUtf8(r.room), 10);
        Element<CRoom>(node).OutsideAirSystemName = QString::fromUtf8(r.fresh);
        Element<CRoom>(node).UpdateRecord();
        systemRows << QString::fromUtf8(r.fresh) + QStringLiteral(",A~F1~") + node->Caption();
    }
    m_project.ExecSQL(CSQLStatement(QStringLiteral("delete from StoreyGroup")));
    for (const char* base : {"F1", "F9"})
        m_project.ExecSQL(CSQLStatement(
            QStringLiteral("insert into StoreyGroup (StoreyGroupName, BaseStorey) values ('G1', ?)"),
            {QString::fromLatin1(base)}));
    QFile answer(QFileInfo(m_project.ProjectCon.FileName()).absolutePath() + QStringLiteral("/return_id.txt"));
    ASSERT_TRUE(answer.open(QIODevice::WriteOnly));
    answer.write("first\r\n\r\nthird\r\n");
    answer.close();
    SetDefault(QStringLiteral("AreaTypeForCalIndex"), QStringLiteral("1"));
    SetDefault(QStringLiteral("WinterHeatGainCoefficient"), QStringLiteral("0.8"));
    SetDefault(QStringLiteral("newwind_steadystate"), QStringLiteral("0"));
    OnlySections({457, 467, 468, 469, 613});
    SetFlags({614, 616}, 1);
    SetFlags({615}, 0);
    Assemble();
    answer.remove();
    // No room names a return-air system: that section is left out and the numbers run on.
    EXPECT_EQ(Titles(), (QStringList{QStringLiteral("封面"), QStringLiteral("一、空调工况分析结果"),
                                     QStringLiteral("二、楼层组管理"), QStringLiteral("三、新风系统划分"),
                                     QStringLiteral("四、计算书说明")}));
    EXPECT_EQ(Rows(*Section(QStringLiteral("空调工况分析结果"))), QStringLiteral("first||third"));
    EXPECT_EQ(Rows(*Section(QStringLiteral("楼层组管理"))), QStringLiteral("G1,F1,A~F1"));
    // Element names for the building and storey, the room's caption.
    EXPECT_EQ(Rows(*Section(QStringLiteral("新风系统划分"))), systemRows.join(QLatin1Char('|')));
    EXPECT_EQ(Rows(*Section(QStringLiteral("计算书说明"))),
              QStringLiteral("1，本报告中，正值表示冷负荷，负值表示热负荷|2，本报告采用建筑面积冷（热）指标|"
                             "3，本报告中，冬季得热修正系数为 0.80|4，本报告新风负荷采用动态计算法"));
}

TEST_F(BookSectionsTest, ScheduleHoursComeFromTheDesignDayOfTheSeason)
{
    // A schedule on from 8 to 18 in July's week and from 10 to 15 in January's.
    auto week = [this](const QString& day, int first, int last) {
        QStringList columns{QStringLiteral("DayScheduleName")};
        QStringList marks{QStringLiteral("?")};
        QVariantList values{day};
        for (int h = 0; h < 24; ++h) {
            columns << QStringLiteral("Value_%1").arg(h);
            marks << QStringLiteral("?");
            values << (h >= first && h <= last ? 100 : 0);
        }
        m_project.ExecSQL(CSQLStatement(QStringLiteral("insert into DaySchedule (%1) values (%2)")
                                            .arg(columns.join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
                                        values));
        m_project.ExecSQL(CSQLStatement(
            QStringLiteral("insert into WeekSchedule (DaySchedule_DesignDay) values (?)"), {day}));
        return m_project.QueryInt(CSQLStatement(QStringLiteral("select max(ID) from WeekSchedule")));
    };
    const int summer = week(QStringLiteral("工作夏"), 8, 18);
    const int winter = week(QStringLiteral("工作冬"), 10, 15);
    QStringList columns{QStringLiteral("Name"), QStringLiteral("ScheduleType")};
    QVariantList values{QStringLiteral("工作"), 0};
    for (int month = 1; month <= 12; ++month) {
        columns << QStringLiteral("WeekSchedule_%1").arg(month);
        values << (month == 1 ? winter : summer);
    }
    m_project.ExecSQL(CSQLStatement(QStringLiteral("insert into Schedule (%1) values (?,?,?,?,?,?,?,?,?,?,?,?,?,?)")
                                        .arg(columns.join(QLatin1Char(','))),
                                    values));
    CNodeData* room = Room(Storey(Building(QStringLiteral("A")), QStringLiteral("F1")), QStringLiteral("R"), 20);
    CNodeData* people = Make(room, 4);
    Element<CPeople>(people).ScheduleName = QStringLiteral("工作");
    Element<CPeople>(people).UpdateRecord();

    // The library's own reading of the two profiles.
    auto hours = [](int first, int last) {
        float factors[24];
        for (int h = 0; h < 24; ++h)
            factors[h] = h >= first && h <= last ? 1.0f : 0.0f;
        int32_t begin = 0;
        int32_t end = 0;
        GetTimefromTable(factors, &begin, &end);
        return QStringLiteral("%1,%2").arg(begin).arg(end);
    };
    ASSERT_NE(hours(8, 18), hours(10, 15));
    for (int type : {3, 6}) {
        SetDesignType(type);
        OnlySections({80});
        SetFlags({81, 85, 86}, 1);
        Assemble();
        const CQORReport* table = DetailTable(QStringLiteral("People.grf"));
        ASSERT_NE(table, nullptr) << type;
        EXPECT_EQ(table->Cell(0, 4) + QLatin1Char(',') + table->Cell(0, 5), type == 3 ? hours(8, 18) : hours(10, 15))
            << type;
    }
}

TEST_F(BookSectionsTest, AStoppedStatisticsSectionLeavesTheNextBookStartingAtItsFirstRow)
{
    SetDesignType(3);
    m_parameters.StatisticsType = 1;
    CNodeData* storey = Storey(Building(QStringLiteral("A"), false), QStringLiteral("F1"));
    Room(storey, QStringLiteral("R1"), 20, true);
    Room(storey, QStringLiteral("R2"), 30, true);
    OnlySections({192, 613});
    m_engine.FailAt = 2;
    AssembleCalculated();
    EXPECT_EQ(Titles(), QStringList{QStringLiteral("封面")});
    EXPECT_EQ(StatisticsCursor().Row, 0);

    m_engine = RecordingRoomEngine();
    AssembleCalculated();
    CQORReport* section = Section(QStringLiteral("负荷统计数据 单位:W"));
    ASSERT_NE(section, nullptr);
    ASSERT_EQ(section->RecordCount(), 2);
    EXPECT_EQ(section->Cell(1, 1), QStringLiteral("30.00"));
}

TEST_F(BookSectionsTest, TheHourlySummaryOfTwoBuildingsDividesTheirSumByTheirAreas)
{
    SetDesignType(3);
    SetDefault(QStringLiteral("AreaTypeForCalIndex"), QStringLiteral("1"));
    m_project.ExecSQL(CSQLStatement(QStringLiteral("delete from tbl_registry where f_key='PrintAllBuilding'")));
    m_project.ExecSQL(
        CSQLStatement(QStringLiteral("insert into tbl_registry (f_key, f_value) values ('PrintAllBuilding', '1')")));
    for (const auto& [name, area] : {std::pair{QStringLiteral("A"), 20.0}, std::pair{QStringLiteral("B"), 30.0}}) {
        CNodeData* building = Building(name, false);
        Element<CBuilding>(building).IsOutputLoadHourlyData = 1;
        Element<CBuilding>(building).UpdateRecord();
        CNodeData* storey = Storey(building, QStringLiteral("F1"));
        Element<CStorey>(storey).IsOutputLoadHourlyData = 0;
        Element<CStorey>(storey).UpdateRecord();
        Room(storey, QStringLiteral("R"), area);
    }
    OnlySections({310});
    UntickHourlyItems();
    SetFlags({311, 318}, 1);
    m_parameters.TimePeriodType = 0;
    m_parameters.TimeBeginning = 12;
    m_parameters.TimeEnd = 12;
    m_engine.PumpLoad = 0;
    AssembleCalculated();
    const CQORReport* section = m_bookReport->SubReport(2);
    // Each room and building, then the summary.
    ASSERT_EQ(section->SubReportCount(), 5);
    const CQORReport& summary = *section->SubReport(4);
    EXPECT_EQ(summary.Parameter(QStringLiteral("Name")), QStringLiteral("大楼汇总"));
    // 50 W over 50 m²: 1 W/m², not the sum of the buildings' own indexes.
    EXPECT_EQ(summary.Cell(0, 13), QStringLiteral("    50    "));
    EXPECT_EQ(summary.Cell(1, 13), QStringLiteral("    1     "));
}
