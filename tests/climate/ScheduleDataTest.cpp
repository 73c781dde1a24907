// Day schedules and schedules read from, written to, inserted into and deleted from the project
// database of a copy of the blank project, whose standard schedules are known from their source.
#include "climate/CDayScheduleData.h"
#include "climate/CScheduleData.h"
#include "model/CProjectData.h"
#include "platform/core/Exception.h"
#include "tests/model/ModelFixture.h"

#include <array>

namespace {

const QString AlwaysOn = QStringLiteral("全天运行");
const QString OfficePeople = QStringLiteral("办公人员-公共建筑节能标准");

class ScheduleData : public ModelFixture
{
protected:
    int Int(const QString& sql, const QVariantList& values = {})
    {
        return m_project.QueryInt(CSQLStatement(sql, values));
    }
    void Exec(const QString& sql, const QVariantList& values = {})
    {
        m_project.ExecSQL(CSQLStatement(sql, values));
    }
    QStringList WeekRow(int id)
    {
        QStringList cells = ProjectColumn(QStringLiteral("select %1 from WeekSchedule where ID=%2")
                                              .arg(CScheduleData::DayColumns().join("||'|'||"))
                                              .arg(id));
        return cells.isEmpty() ? QStringList() : cells.first().split('|');
    }
    CScheduleData Loaded(const QString& name)
    {
        CScheduleData schedule;
        schedule.DataSet = &m_project.Schedule;
        EXPECT_TRUE(schedule.LoadByName(name)) << name.toStdString();
        CTool::OpenQuery(m_project.Schedule, CSQLStatement("select * from WeekSchedule "));
        schedule.LoadWeekSchedules();
        return schedule;
    }
    // A new schedule whose month m, day type d is named "<prefix>m.d".
    CScheduleData Inserted(const QString& name, const QString& prefix)
    {
        CScheduleData schedule;
        schedule.DataSet = &m_project.Schedule;
        schedule.Name = name;
        schedule.ScheduleType = 1;
        for (int m = 0; m < CScheduleData::Months; ++m)
            for (int d = 0; d < CScheduleData::DayTypes; ++d)
                schedule.DayNames[m][d] = QStringLiteral("%1%2.%3").arg(prefix).arg(m + 1).arg(d + 1);
        EXPECT_TRUE(schedule.Insert());
        return schedule;
    }
    int ScheduleRows()
    {
        return Int("select (select count(*) from Schedule) + (select count(*) from WeekSchedule)");
    }
};

class PathHost : public CProjectDataHost
{
public:
    explicit PathHost(const QString& path) : Path(path) {}
    QString ProjectFilePath() const override { return Path; }
    void ShowCoordinateMode(bool) override {}
    void ClearRunSchemes() override {}
    void LoadRunSchemeFile(const QString&) override {}
    void SaveRunSchemeFile(const QString&) override {}
    QString Path;
};

} // namespace

TEST_F(ScheduleData, StandardSchedulesLoadWithTheirWeekRows)
{
    const CScheduleData always = Loaded(AlwaysOn);
    EXPECT_EQ(always.ID, 10);
    EXPECT_EQ(always.ScheduleType, 0);
    for (int m = 0; m < 12; ++m) {
        EXPECT_EQ(always.WeekIDs[m], 109 + m);
        for (const QString& name : always.DayNames[m])
            EXPECT_EQ(name, AlwaysOn);
    }
    // Office occupancy: 0 the design days, 1..5 Monday to Friday, 6 Saturday, 7 Sunday and holiday.
    const CScheduleData office = Loaded(OfficePeople);
    EXPECT_EQ(office.WeekIDs[0], 37);
    QStringList january;
    for (const QString& name : office.DayNames[0])
        january << name.mid(OfficePeople.size() + 1);
    EXPECT_EQ(january, QStringList({"0", "0", "1", "2", "3", "4", "5", "6", "7", "7"}));
}

TEST_F(ScheduleData, NamesAreFoundAsReferencesMatchThem)
{
    Exec("insert into Schedule (Name, ScheduleType) values (?, 1)", {"Office's Hours"});
    struct
    {
        const char* asked;
        bool found;
    } cases[] = {{"Office's Hours", true}, {"office's hours", true}, {"Office Hours", false}};
    for (const auto& c : cases) {
        CScheduleData schedule;
        schedule.DataSet = &m_project.Schedule;
        schedule.Name = QStringLiteral("before");
        EXPECT_EQ(schedule.LoadByName(QString::fromUtf8(c.asked)), c.found) << c.asked;
        EXPECT_EQ(schedule.Name, c.found ? QStringLiteral("Office's Hours") : QStringLiteral("before"));
    }
}

TEST_F(ScheduleData, DayScheduleReadsTheCurrentRowWithoutAStatementAndRoundTrips)
{
    CDbQuery& query = m_project.Schedule;
    CTool::OpenQuery(query, CSQLStatement("select * from DaySchedule order by DayScheduleName"));
    query.MoveTo(3);
    const QString third = query.AsString("DayScheduleName");
    CDayScheduleData day;
    day.DataSet = &query;
    ASSERT_TRUE(day.Load(QString()));
    EXPECT_EQ(day.Name, third);
    EXPECT_EQ(query.RecNo(), 3);
    EXPECT_EQ(query.SQL().Text, QStringLiteral("select * from DaySchedule order by DayScheduleName"));

    // Office occupancy on a weekday, as its source gives it.
    ASSERT_TRUE(day.Load(OfficePeople + "_1"));
    const std::array<float, 24> weekday{0,  0,  0,  0,  0,  10, 50, 95, 95, 95, 80, 80,
                                        95, 95, 95, 95, 30, 30, 0,  0,  0,  0,  0,  0};
    EXPECT_EQ(day.Values, weekday);

    EXPECT_FALSE(day.Load(QStringLiteral("没有")));
    EXPECT_EQ(day.Name, OfficePeople + "_1");

    Exec("insert into DaySchedule (DayScheduleName) values ('it''s')");
    day.Name = QStringLiteral("it's");
    day.Values.fill(12.5f);
    ASSERT_TRUE(day.Save(QStringLiteral("IT'S")));
    EXPECT_EQ(ProjectColumn("select Value_0||','||Value_23 from DaySchedule where DayScheduleName='it''s'"),
              QStringList{"12.5,12.5"});
    EXPECT_FALSE(day.Save(QStringLiteral("没有")));
}

TEST_F(ScheduleData, InsertWritesTwelveWeekRowsThenTheScheduleRow)
{
    const int maxWeek = Int("select max(ID) from WeekSchedule");
    const CScheduleData schedule = Inserted(QStringLiteral("新时间表"), QStringLiteral("d"));
    for (int m = 0; m < 12; ++m) {
        EXPECT_GT(schedule.WeekIDs[m], m > 0 ? schedule.WeekIDs[m - 1] : maxWeek);
    }
    EXPECT_EQ(schedule.ID, Int("select ID from Schedule where Name=?", {"新时间表"}));
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(
            Int(QStringLiteral("select WeekSchedule_%1 from Schedule where ID=?").arg(m), {schedule.ID}),
            schedule.WeekIDs[m - 1]);
    EXPECT_EQ(WeekRow(schedule.WeekIDs[6]),
              QStringList({"d7.1", "d7.2", "d7.3", "d7.4", "d7.5", "d7.6", "d7.7", "d7.8", "d7.9", "d7.10"}));
    const CScheduleData back = Loaded(QStringLiteral("新时间表"));
    EXPECT_EQ(back.ScheduleType, 1);
    EXPECT_EQ(back.DayNames, schedule.DayNames);
}

TEST_F(ScheduleData, InsertRefusesABlankNameAndLeavesNothingWhenARowFails)
{
    const int rows = ScheduleRows();
    for (const QString& blank : {QString(), QStringLiteral("  ")}) {
        CScheduleData schedule;
        schedule.DataSet = &m_project.Schedule;
        schedule.Name = blank;
        EXPECT_FALSE(schedule.Insert());
    }
    EXPECT_EQ(ScheduleRows(), rows);

    Exec("create trigger refuse before insert on Schedule begin select raise(abort, 'refused'); end");
    CScheduleData schedule;
    schedule.DataSet = &m_project.Schedule;
    schedule.Name = QStringLiteral("半途");
    EXPECT_THROW(schedule.Insert(), Exception);
    EXPECT_EQ(ScheduleRows(), rows);
    EXPECT_EQ(schedule.ID, -1);
    EXPECT_EQ(schedule.WeekIDs[0], 0);
}

TEST_F(ScheduleData, SaveByKeyOfAVanishedRowWritesNoWeekRow)
{
    CScheduleData schedule = Inserted(QStringLiteral("将消失"), QStringLiteral("a"));
    Exec("delete from Schedule where ID=?", {schedule.ID});
    schedule.DayNames[0][0] = QStringLiteral("changed");
    EXPECT_FALSE(schedule.Save(QStringLiteral("将消失")));
    EXPECT_EQ(WeekRow(schedule.WeekIDs[0]).first(), QStringLiteral("a1.1"));
}

TEST_F(ScheduleData, AssignAndSaveOnTheCurrentRowKeepNameAndWeekRows)
{
    const CScheduleData source = Inserted(QStringLiteral("来源"), QStringLiteral("s"));
    const CScheduleData target = Inserted(QStringLiteral("目标"), QStringLiteral("t"));
    Exec("update Schedule set ScheduleType=0 where ID=?", {target.ID});

    CScheduleData copy;
    copy.DataSet = &m_project.Schedule;
    CTool::OpenQuery(m_project.Schedule, CSQLStatement("select * from Schedule where ID=?", {target.ID}));
    ASSERT_TRUE(copy.LoadByName(QString()));
    copy.Assign(source);
    ASSERT_TRUE(copy.Save(QString()));

    EXPECT_EQ(ProjectColumn(
                  QStringLiteral("select Name||','||ScheduleType from Schedule where ID=%1").arg(target.ID)),
              QStringList{"目标,1"});
    EXPECT_EQ(WeekRow(target.WeekIDs[11]).first(), QStringLiteral("s12.1"));
    EXPECT_EQ(WeekRow(source.WeekIDs[11]).first(), QStringLiteral("s12.1"));
}

TEST_F(ScheduleData, SaveIsAllOrNothing)
{
    CScheduleData schedule = Inserted(QStringLiteral("整体"), QStringLiteral("w"));
    Exec(QStringLiteral("create trigger refuse before update on WeekSchedule when new.ID = %1 "
                        "begin select raise(abort, 'refused'); end")
             .arg(schedule.WeekIDs[11]));
    schedule.Name = QStringLiteral("整体改");
    schedule.DayNames[0][0] = QStringLiteral("changed");
    EXPECT_THROW(schedule.Save(QStringLiteral("整体")), Exception);
    EXPECT_EQ(Int("select count(*) from Schedule where Name=?", {"整体"}), 1);
    EXPECT_EQ(WeekRow(schedule.WeekIDs[0]).first(), QStringLiteral("w1.1"));
}

TEST_F(ScheduleData, DeleteRemovesThirteenRowsAndNoDaySchedule)
{
    CScheduleData schedule = Inserted(QStringLiteral("删除我"), QStringLiteral("x"));
    const int rows = ScheduleRows();
    const int days = Int("select count(*) from DaySchedule");
    schedule.Delete();
    EXPECT_EQ(ScheduleRows(), rows - 13);
    EXPECT_EQ(Int("select count(*) from DaySchedule"), days);
    EXPECT_EQ(Int("select count(*) from Schedule where ID=10"), 1);
}

TEST_F(ScheduleData, AMonthWithoutWeekRowKeepsItsNames)
{
    CScheduleData schedule;
    schedule.DataSet = &m_project.Schedule;
    ASSERT_TRUE(schedule.LoadByName(AlwaysOn));
    schedule.WeekIDs[2] = 99999;
    schedule.DayNames[2].fill(QStringLiteral("kept"));
    CTool::OpenQuery(m_project.Schedule, CSQLStatement("select * from WeekSchedule "));
    schedule.LoadWeekSchedules();
    EXPECT_EQ(schedule.DayNames[2][9], QStringLiteral("kept"));
    EXPECT_EQ(schedule.DayNames[3][9], AlwaysOn);
}

TEST_F(ScheduleData, EditedDatabaseFollowsTheProjectPath)
{
    PathHost host{QString()};
    CProjectDataHost* previous = CProjectData::Host();
    CProjectData::SetHost(&host);
    EXPECT_EQ(&CScheduleData::CurrentQuery(), &m_sysParam.Schedule);
    host.Path = m_project.ProjectCon.FileName();
    EXPECT_EQ(&CScheduleData::CurrentQuery(), &m_project.Schedule);
    CProjectData::SetHost(previous);
}
