// Adding, renaming and deleting day schedules and schedules in the project database (with a small
// tree whose elements name schedules) and in the system data database.
#include "climate/CDayScheduleData.h"
#include "climate/CScheduleData.h"
#include "climate/CScheduleRules.h"
#include "model/CLIB_RoomOccupation.h"
#include "platform/core/Exception.h"
#include "tests/model/ProjectTreeFixture.h"

namespace {

class ScheduleRules : public ProjectTreeFixture
{
protected:
    void SetUp() override
    {
        ProjectTreeFixture::SetUp();
        m_building = Make(&Root(), 1);
        m_room = Make(Make(m_building, 2), 3);
        m_people = Make(m_room, 4);
    }
    void Exec(const QString& sql, const QVariantList& values = {})
    {
        m_project.ExecSQL(CSQLStatement(sql, values));
    }
    int Count(const QString& sql, const QVariantList& values = {})
    {
        return m_project.QueryInt(CSQLStatement(sql, values));
    }
    // A schedule whose every day type of every month names the day schedule.
    CScheduleData Inserted(CDbQuery& query, const QString& name, const QString& day = QString())
    {
        CScheduleData schedule;
        schedule.DataSet = &query;
        schedule.Name = name;
        for (auto& month : schedule.DayNames)
            month.fill(day);
        EXPECT_TRUE(schedule.Insert());
        return schedule;
    }
    // Week-row cells holding exactly this text.
    int Cells(const QString& name)
    {
        int cells = 0;
        for (const QString& column : CScheduleData::DayColumns())
            cells += Count(
                QStringLiteral("select count(*) from WeekSchedule where %1 = ? COLLATE BINARY").arg(column),
                {name});
        return cells;
    }
    QStringList Notices()
    {
        QStringList texts;
        for (const auto& box : Dialogs().MessageBoxes)
            texts << box.message;
        return texts;
    }

    CNodeData* m_building = nullptr;
    CNodeData* m_room = nullptr;
    CNodeData* m_people = nullptr;
};

const QString Confirmation = QStringLiteral("确认删除当前时间表？");

} // namespace

TEST_F(ScheduleRules, NameEntryRefusesBlankAndTakenNamesInAnyLetterCase)
{
    Inserted(m_project.Schedule, QStringLiteral("Office"));
    CScheduleRules rules(m_project.Schedule);
    Dialogs().InputAnswers = {"", "   ", "OFFICE", "Night's"};
    const auto schedule = rules.AddSchedule();
    ASSERT_TRUE(schedule);
    EXPECT_TRUE(Dialogs().InputAnswers.isEmpty());
    EXPECT_EQ(Notices(), QStringList({"信息栏不能为空!!!", "信息栏不能为空!!!"}));
    EXPECT_EQ(schedule->Name, QStringLiteral("Night's"));
    EXPECT_EQ(schedule->ID, Count("select ID from Schedule where Name = 'Night''s'"));
    EXPECT_EQ(Count("select count(*) from WeekSchedule where ID between ? and ?",
                    {schedule->WeekIDs[0], schedule->WeekIDs[11]}),
              12);

    const int schedules = Count("select count(*) from Schedule");
    Dialogs().InputAnswers = {"OFFICE", QString()};
    EXPECT_EQ(rules.AddSchedule(), nullptr);
    EXPECT_EQ(Count("select count(*) from Schedule"), schedules);

    Dialogs().InputAnswers = {"全天运行", "晚班"};
    const auto day = rules.AddDaySchedule();
    ASSERT_TRUE(day);
    EXPECT_EQ(day->Name, QStringLiteral("晚班"));
    EXPECT_EQ(day->DataSet, &m_project.Schedule);
    EXPECT_EQ(day->Values, (std::array<float, 24>{}));
    EXPECT_EQ(
        Count("select count(*) from DaySchedule where DayScheduleName='晚班' and Value_0=0 and Value_23=0"),
        1);
}

TEST_F(ScheduleRules, RenamingADayScheduleRewritesEveryCellThatNamesIt)
{
    Exec("insert into DaySchedule (DayScheduleName) values ('day''a')");
    CScheduleData first = Inserted(m_project.Schedule, QStringLiteral("一"), QStringLiteral("day'a"));
    const CScheduleData second =
        Inserted(m_project.Schedule, QStringLiteral("二"), QStringLiteral("全天运行"));
    Exec("update WeekSchedule set DaySchedule_Holiday='DAY''A' where ID=?", {second.WeekIDs[4]});
    Exec("update WeekSchedule set DaySchedule_Monday='DAY''A' where ID=?", {second.WeekIDs[11]});

    CDayScheduleData day;
    day.DataSet = &m_project.Schedule;
    day.Name = QStringLiteral("day'a");
    CScheduleRules rules(m_project.Schedule);
    Dialogs().InputAnswers = {"day'a", "DAY'A", "夜'班"};
    ASSERT_TRUE(rules.RenameDaySchedule(day));
    EXPECT_EQ(day.Name, QStringLiteral("夜'班"));
    EXPECT_EQ(Cells(QStringLiteral("夜'班")), 120 + 2);
    EXPECT_EQ(Cells(QStringLiteral("day'a")) + Cells(QStringLiteral("DAY'A")), 0);
    EXPECT_EQ(Cells(QStringLiteral("全天运行")), 120 + 120 - 2);
    EXPECT_EQ(Count("select count(*) from DaySchedule where DayScheduleName='夜''班'"), 1);

    Dialogs().InputAnswers = {QString()};
    EXPECT_FALSE(rules.RenameDaySchedule(day));
    EXPECT_EQ(day.Name, QStringLiteral("夜'班"));
}

TEST_F(ScheduleRules, ADayScheduleIsDeletedOnlyWhenConfirmedAndNamedByNoWeekRow)
{
    const CScheduleData schedule =
        Inserted(m_project.Schedule, QStringLiteral("周"), QStringLiteral("全天运行"));
    Exec("update WeekSchedule set DaySchedule_Holiday='USED' where ID=?", {schedule.WeekIDs[7]});
    struct
    {
        const char* name;
        int answer;
        bool deleted;
        QStringList boxes;
    } cases[] = {
        {"free", 7, false, {Confirmation}},
        {"free", 6, true, {Confirmation}},
        {"used", 6, false, {Confirmation, "你不能删除该日时间表"}},
    };
    CScheduleRules rules(m_project.Schedule);
    for (const auto& c : cases) {
        const QString name = QString::fromUtf8(c.name);
        Exec("delete from DaySchedule where DayScheduleName=?", {name});
        Exec("insert into DaySchedule (DayScheduleName) values (?)", {name});
        Dialogs().MessageBoxes.clear();
        Dialogs().MessageBoxAnswers = {c.answer};
        CDayScheduleData day;
        day.Name = name;
        EXPECT_EQ(rules.DeleteDaySchedule(day), c.deleted) << c.name;
        EXPECT_EQ(Count("select count(*) from DaySchedule where DayScheduleName=?", {name}),
                  c.deleted ? 0 : 1);
        EXPECT_EQ(Notices(), c.boxes) << c.name;
    }
}

TEST_F(ScheduleRules, RenamingAScheduleInTheProjectRewritesEveryReference)
{
    CScheduleData schedule = Inserted(m_project.Schedule, QStringLiteral("Shift"));
    const QString office = QStringLiteral("办公人员-公共建筑节能标准");
    Exec("update People set ScheduleName='shift' where ID=?", {m_people->GetElementId()});
    Exec("update Room set Fan_Time='Shift', Maintenance_Time='Shift' where ID=?", {m_room->GetElementId()});
    Exec("update Building set Water_Time='SHIFT' where ID=?", {m_building->GetElementId()});
    Exec("update RoomOccupation set PeopleScheduleName='Shift', Chemistry_Time='Shift' where ID=1");
    ASSERT_NE(m_people->Element(), nullptr); // loaded when it was made, with the name of then
    m_roomUses.Get(1);

    CScheduleRules rules(m_project.Schedule);
    ASSERT_TRUE(rules.IsProjectDatabase());
    Dialogs().InputAnswers = {"Shift", "O'Night"};
    ASSERT_TRUE(rules.RenameSchedule(schedule));
    EXPECT_EQ(schedule.Name, QStringLiteral("O'Night"));
    EXPECT_EQ(Column(QStringLiteral("select Name from Schedule where ID=%1").arg(schedule.ID)),
              QStringList{"O'Night"});
    for (const char* sql :
         {"select ScheduleName from People", "select Fan_Time from Room", "select Maintenance_Time from Room",
          "select Water_Time from Building", "select PeopleScheduleName from RoomOccupation where ID=1",
          "select Chemistry_Time from RoomOccupation where ID=1"})
        EXPECT_EQ(Column(sql), QStringList{"O'Night"}) << sql;
    EXPECT_EQ(Column("select LightScheduleName from RoomOccupation where ID=1"),
              QStringList{"办公照明-公共建筑节能标准"});
    EXPECT_EQ(Column("select PeopleScheduleName from RoomOccupation where ID=2"), QStringList{office});
    // Objects read before the rename are read again.
    EXPECT_EQ(m_people->Element(), nullptr);
    EXPECT_EQ(m_people->LoadElement()->GetAttribute("ScheduleName"), QStringLiteral("O'Night"));
    EXPECT_EQ(m_roomUses.Count(), 0);
}

TEST_F(ScheduleRules, RenamingInTheSystemDataLeavesTheProjectAlone)
{
    CScheduleData schedule = Inserted(m_sysParam.Schedule, QStringLiteral("Shift"));
    Exec("update People set ScheduleName='Shift'");
    CDbQuery sys(m_sysParam.ADOConnection2);
    ExecQueryGuarded(sys, CSQLStatement("update RoomOccupation set Fan_Time='Shift' where ID=1"));

    CScheduleRules rules(m_sysParam.Schedule);
    EXPECT_FALSE(rules.IsProjectDatabase());
    Dialogs().InputAnswers = {"Day"};
    ASSERT_TRUE(rules.RenameSchedule(schedule));
    OpenQueryGuarded(sys, CSQLStatement("select (select Name from Schedule where ID=?) || ',' || "
                                        "(select Fan_Time from RoomOccupation where ID=1)",
                                        {schedule.ID}));
    EXPECT_EQ(sys.Field(0).toString(), QStringLiteral("Day,Day"));
    EXPECT_EQ(Column("select ScheduleName from People"), QStringList{"Shift"});
}

TEST_F(ScheduleRules, ARenameThatFailsHalfWayChangesNothing)
{
    CScheduleData schedule = Inserted(m_project.Schedule, QStringLiteral("Shift"));
    Exec("update People set ScheduleName='Shift'");
    Exec("update RoomOccupation set Fan_Time='Shift' where ID=1");
    Exec("create trigger refuse before update on RoomOccupation begin select raise(abort, 'refused'); end");
    CScheduleRules rules(m_project.Schedule);
    Dialogs().InputAnswers = {"Day"};
    EXPECT_THROW(rules.RenameSchedule(schedule), Exception);
    EXPECT_EQ(schedule.Name, QStringLiteral("Shift"));
    EXPECT_EQ(Column(QStringLiteral("select Name from Schedule where ID=%1").arg(schedule.ID)),
              QStringList{"Shift"});
    EXPECT_EQ(Column("select ScheduleName from People"), QStringList{"Shift"});
}

TEST_F(ScheduleRules, AScheduleStillNamedOrADefaultIsNotDeleted)
{
    const QString inProject = QStringLiteral("你不能删除该时间表,工程中已经使用该时间表");
    const QString inDefaults = QStringLiteral("你不能删除该时间表,初始化中已经使用该时间表");
    const QString inRoomUses = QStringLiteral("你不能删除该时间表,房间用途中已经使用该时间表");
    struct
    {
        const char* reference; // the statement that makes "%1" (the name) or %2 (the ID) used
        int answer;
        QStringList boxes;
    } cases[] = {
        {"update People set ScheduleName=lower('%1')", 6, {inProject}},
        {"update Room set Maintenance_Time='%1'", 6, {inProject}},
        {"update Food set Chemistry_Time='%1'", 6, {inProject}},
        {"", 6, {inDefaults}}, // ScheduleName_Others
        {"update RoomOccupation set Fan_Time='%1' where ID=3", 6, {inRoomUses}},
        {"", 7, {Confirmation}},
        {"", 6, {Confirmation}},
    };
    Make(m_room, 25); // food
    CScheduleRules rules(m_project.Schedule);
    int index = 0;
    for (const auto& c : cases) {
        const QString name = QStringLiteral("SCHED%1").arg(++index);
        CScheduleData schedule = Inserted(m_project.Schedule, name);
        const bool isDefault = index == 4;
        if (isDefault)
            m_defaults.SetValue(QStringLiteral("ScheduleName_Others"), QString::number(schedule.ID));
        if (*c.reference)
            Exec(QString::fromUtf8(c.reference).arg(name));
        const int rows =
            Count("select (select count(*) from Schedule) + (select count(*) from WeekSchedule)");
        Dialogs().MessageBoxes.clear();
        Dialogs().MessageBoxAnswers = {c.answer};
        const bool deleted = c.boxes == QStringList{Confirmation} && c.answer == 6;
        EXPECT_EQ(rules.DeleteSchedule(schedule), deleted) << index;
        EXPECT_EQ(Notices(), c.boxes) << index;
        EXPECT_EQ(Count("select (select count(*) from Schedule) + (select count(*) from WeekSchedule)"),
                  deleted ? rows - 13 : rows)
            << index;
        if (isDefault)
            m_defaults.SetValue(QStringLiteral("ScheduleName_Others"), QStringLiteral("10"));
        Exec("update People set ScheduleName=''");
        Exec("update Room set Maintenance_Time=''");
        Exec("update Food set Chemistry_Time=''");
        Exec("update RoomOccupation set Fan_Time='' where ID=3");
    }
}

TEST_F(ScheduleRules, TheSystemDataChecksOnlyDefaultsAndRoomUses)
{
    CScheduleData schedule = Inserted(m_sysParam.Schedule, QStringLiteral("Shift"));
    Exec("update People set ScheduleName='Shift'");
    CScheduleRules rules(m_sysParam.Schedule);
    EXPECT_TRUE(rules.DeleteSchedule(schedule));
    EXPECT_EQ(Notices(), QStringList{Confirmation});
    CDbQuery sys(m_sysParam.ADOConnection2);
    EXPECT_EQ(CTool::OpenQuery(sys, CSQLStatement("select ID from Schedule where Name='Shift'")), 0);
}
