#include "upgrade/ProjectSchemaSteps.h"
#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"
#include "tests/platform/CTempDatabase.h"
#include "tests/support/CTestProgramFolder.h"
#include "tests/upgrade/COldSchema.h"
#include "tests/upgrade/CSampleProjectFile.h"
#include "upgrade/CVersionControl.h"
#include "upgrade/ProjectDatabaseUpgrade.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {
// A sample project at an older version on a private program folder.
class ProjectSchemaStepsTest : public ::testing::Test
{
protected:
    std::unique_ptr<CSampleProjectFile> OldProject(int version)
    {
        auto project = std::make_unique<CSampleProjectFile>(m_folder.Path());
        COldSchema::DowngradeProject(project->Connection(), version);
        return project;
    }
    static int Upgrade(CSampleProjectFile& project, bool newProject = false)
    {
        int stored = 0;
        return UpgradeProjectDatabase(project.Connection(), project.Query(), stored, newProject);
    }
    // "name:count" of the three office day schedules numbered 1.
    static QString OfficeWorkingDays(CSampleProjectFile& project)
    {
        return project.Scalar(
            "select group_concat(n, ' ') from (select DayScheduleName || ':' || count(*) as n "
            "from DaySchedule where DayScheduleName like '办公%标准\\_1' escape '\\' "
            "group by DayScheduleName order by DayScheduleName)");
    }
    // Day names of week schedules that name no day schedule.
    static QStringList DanglingDays(CSampleProjectFile& project)
    {
        QStringList days;
        for (const char* column :
             {"DaySchedule_DesignDay", "DaySchedule_WinterDesignDay", "DaySchedule_Monday",
              "DaySchedule_Tuesday", "DaySchedule_Wednesday", "DaySchedule_Thursday", "DaySchedule_Friday",
              "DaySchedule_Saturday", "DaySchedule_Sunday", "DaySchedule_Holiday"})
            days << project.Column(QStringLiteral("select distinct %1 from WeekSchedule where %1 not in "
                                                  "(select DayScheduleName from DaySchedule)")
                                       .arg(column));
        return days;
    }

    CTestProgramFolder m_folder;
};

struct STreeRow
{
    int NodeIndex;
    int ParentIndex;
    QString Name;
    QString ElementId;
};

QStringList ConvertTree(const QList<STreeRow>& rows)
{
    CTempDatabase db;
    db.Exec("create table OutputOption (ID INTEGER PRIMARY KEY, OutputOptionName TEXT)");
    db.Exec("create table TreeData (NodeIndex INTEGER,ParentIndex INTEGER,NodeName TEXT,ImageIndex INTEGER,"
            "ElementID TEXT)");
    for (const STreeRow& row : rows)
        db.Exec({"insert into TreeData values(?,?,?,3,?)",
                 {row.NodeIndex, row.ParentIndex, row.Name, row.ElementId}});
    CVersionControl context{db.Query(), db.Connection()};
    ProjectSchemaSteps::TreeConversion(context);
    EXPECT_EQ(db.Scalar("select count(*) from sqlite_master where name = 'TreeData'").toInt(), 0);
    QStringList converted;
    CDbQuery query(db.Connection());
    OpenQueryGuarded(query,
                     "select f_level || '/' || f_index || '/' || f_nodeid || '/' || f_parentid || '/' || "
                     "f_caption || '/' || f_elementid from tbl_tree order by f_nodeid");
    for (; !query.Eof(); query.Next())
        converted << query.Field(0).toString();
    return converted;
}
} // namespace

// Node ids are the rows' positions in NodeIndex order; siblings are numbered in reading order, also
// when a child is read before its parent; element ids are read from their leading digits; captions
// of any length and with quotes are kept whole.
TEST(ProjectTreeConversionTest, OldTreeBecomesTheTreeTable)
{
    const QString longCaption = QString(300, QChar(0x623F)); // 300 x 房
    struct SCase
    {
        const char* name;
        QList<STreeRow> rows;
        QStringList expected; // level/index/node/parent/caption/element
    };
    const QList<SCase> cases{
        {"empty", {}, {}},
        {"three top-level nodes",
         {{5, -1, "A", "1"}, {7, -1, "B", "2"}, {9, -1, "C", "3"}},
         {"0/0/0/-1/A/1", "0/1/1/-1/B/2", "0/2/2/-1/C/3"}},
        {"children in reading order, one read before its parent",
         {{0, 2, "grandchild", "12abc"}, {1, -1, "top", ""}, {2, 1, "child", " -3x"}, {3, 1, "O'Neil", "7"}},
         {"2/0/0/2/grandchild/12", "0/0/1/-1/top/0", "1/0/2/1/child/-3", "1/1/3/1/O'Neil/7"}},
        {"long caption", {{0, -1, longCaption, "4"}}, {"0/0/0/-1/" + longCaption + "/4"}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ConvertTree(c.rows), c.expected);
    }
}

// A parent that names no row, or a chain of parents that never reaches the top, is a damaged tree:
// the upgrade stops with the reason and the project keeps its oldest format and its rows.
TEST_F(ProjectSchemaStepsTest, DamagedOldTreeStopsTheUpgradeUnchanged)
{
    auto project = OldProject(-1);
    const QString nodes = project->Scalar("select count(*) from TreeData");
    // A parent outside the table, then two nodes that are each other's parent.
    for (const auto& [parent, node] : QList<std::pair<int, int>>{{999, 3}, {4, 3}}) {
        SCOPED_TRACE(parent);
        project->Exec({"update TreeData set ParentIndex = ? where NodeIndex = ?", {parent, node}});
        if (parent == 4)
            project->Exec("update TreeData set ParentIndex = 3 where NodeIndex = 4");
        try {
            Upgrade(*project);
            ADD_FAILURE() << "the damaged tree was converted";
        } catch (const Exception& e) {
            EXPECT_EQ(
                e.Message(),
                QStringLiteral("工程的旧目录树(TreeData)中第%1个节点的父节点序号%2无效，无法转换目录树。")
                    .arg(node + 1)
                    .arg(parent))
                << e.Message().toStdString();
        }
        EXPECT_EQ(project->Scalar("select group_concat(name) from sqlite_master where name in "
                                  "('TreeData','tbl_tree','tbl_registry')"),
                  "TreeData");
        EXPECT_EQ(project->Scalar("select count(*) from TreeData"), nodes);
    }
}

// The fresh-air schedule of the room uses follows the fresh-air default, the others their own.
TEST_F(ProjectSchemaStepsTest, RoomUsesTakeTheDefaultScheduleOfEachLoad)
{
    auto project = OldProject(39);
    project->Exec("update Initialization set I_Value = '10' where I_Name = 'ScheduleName_OutsideAir'");
    EXPECT_EQ(Upgrade(*project), -1);
    EXPECT_EQ(project->Column("select distinct NewWindScheduleName || '/' || PeopleScheduleName || '/' || "
                              "LightScheduleName from RoomOccupation"),
              QStringList{"全天运行/办公人员-公共建筑节能标准/办公照明-公共建筑节能标准"});
}

// The pump schedule of the buildings comes from the default value by a bound value: a schedule name
// with a quote is written like any other, and a project without the people default (so without
// the pump default) keeps its buildings without one instead of failing.
TEST_F(ProjectSchemaStepsTest, PumpScheduleOfBuildingsFollowsItsDefault)
{
    auto quoted = OldProject(45);
    quoted->Exec("update Schedule set Name = 'O''Office' where ID = 4");
    EXPECT_EQ(Upgrade(*quoted), -1);
    EXPECT_EQ(quoted->Column("select distinct Water_Time from Building"), QStringList{"O'Office"});

    auto withoutDefault = OldProject(45);
    withoutDefault->Exec("delete from Initialization where ID = 20");
    EXPECT_EQ(Upgrade(*withoutDefault), -1);
    EXPECT_EQ(withoutDefault->Scalar("select count(*) from Building where Water_Time is null"), "2");
    EXPECT_EQ(withoutDefault->Scalar("select count(*) from Initialization where ID in (60, 61)"), "0");
}

// Ceilings and floors find the room of the named storey and room in their own building, inside
// walls the named room in their own storey; the new-project flag changes nothing.
TEST_F(ProjectSchemaStepsTest, AdjacentRoomsAreResolvedFromTheirNames)
{
    for (const bool newProject : {false, true}) {
        SCOPED_TRACE(newProject);
        auto project = OldProject(51);
        EXPECT_EQ(Upgrade(*project, newProject), -1);
        EXPECT_EQ(project->Scalar("select group_concat(ID || ':' || AdjacentRoomID) from Ceiling"),
                  "1:3,2:-1");
        EXPECT_EQ(project->Scalar("select group_concat(ID || ':' || AdjacentRoomID) from Floor"), "1:-1");
        EXPECT_EQ(project->Scalar("select group_concat(ID || ':' || AdjacentRoomID) from InsideWall"), "1:2");
    }
}

// A project from 50 or below loses the standard day schedules 1 to 7 that no week schedule uses,
// keeps those in use, and gets the office working days from the standard-schedule file only where
// it lacks them: no week schedule is left without its day, and no day schedule is doubled.
TEST_F(ProjectSchemaStepsTest, RefreshKeepsDaySchedulesInUseAndAddsOnlyMissingOnes)
{
    const QString office = QStringLiteral("办公人员-公共建筑节能标准_1:1 办公照明-公共建筑节能标准_1:1 "
                                          "办公设备-公共建筑节能标准_1:1");
    auto unused = OldProject(50);
    // The hotel lighting's Sunday is used no more.
    unused->Exec("update WeekSchedule set DaySchedule_Sunday = '宾馆照明-公共建筑节能标准_6',"
                 "DaySchedule_Holiday = '宾馆照明-公共建筑节能标准_6' where DaySchedule_Sunday = "
                 "'宾馆照明-公共建筑节能标准_7'");
    const QString days = unused->Scalar("select count(*) from DaySchedule");
    EXPECT_EQ(Upgrade(*unused), -1);
    EXPECT_EQ(unused->Scalar("select count(*) from DaySchedule"), QString::number(days.toInt() - 1));
    EXPECT_EQ(unused->Scalar(
                  "select count(*) from DaySchedule where DayScheduleName = '宾馆照明-公共建筑节能标准_7'"),
              "0");
    EXPECT_EQ(DanglingDays(*unused), QStringList());
    EXPECT_EQ(OfficeWorkingDays(*unused), office);

    for (const bool officeDaysMissing : {false, true}) {
        SCOPED_TRACE(officeDaysMissing);
        auto project = OldProject(51);
        if (officeDaysMissing)
            project->Exec("delete from DaySchedule where DayScheduleName like '办公%标准\\_1' escape '\\'");
        EXPECT_EQ(Upgrade(*project), -1);
        EXPECT_EQ(OfficeWorkingDays(*project), office);
        EXPECT_EQ(DanglingDays(*project), QStringList());
        EXPECT_EQ(project->Scalar("select group_concat(Value_8 || '/' || Value_12) from DaySchedule where "
                                  "DayScheduleName = '办公人员-公共建筑节能标准_1'"),
                  "95.0/95.0"); // as the standard-schedule file has them
    }
}

// Without the standard-schedule file an older project is not upgraded: the opening stops with the
// missing file named, the project keeps the version of the last step it completed and its full
// backup, and once the file is back the next opening finishes the upgrade. A current project does
// not need the file.
TEST_F(ProjectSchemaStepsTest, MissingStandardScheduleFileLeavesTheProjectToBeUpgradedLater)
{
    auto project = OldProject(50);
    QFile original(project->Path());
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray before = original.readAll();
    original.close();
    const QString file = m_folder.File(QStringLiteral("System/Schedule_New.dat"));
    ASSERT_TRUE(QFile::rename(file, file + QStringLiteral(".away")));
    try {
        Upgrade(*project);
        ADD_FAILURE() << "the upgrade went on without the file";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("系统找不到配置文件\n") + QDir::toNativeSeparators(file));
    }
    EXPECT_EQ(project->Scalar("select f_value from tbl_registry where f_key = 'prjversion'"), "55");
    QFile backup(project->Folder(QStringLiteral("Backup/Full/Office4.0.vlz")));
    ASSERT_TRUE(backup.open(QIODevice::ReadOnly));
    EXPECT_EQ(backup.readAll(), before);

    auto current = std::make_unique<CSampleProjectFile>(m_folder.Path());
    EXPECT_EQ(Upgrade(*current), 0);

    ASSERT_TRUE(QFile::rename(file + QStringLiteral(".away"), file));
    EXPECT_EQ(Upgrade(*project), -1);
    EXPECT_EQ(project->Scalar("select f_value from tbl_registry where f_key = 'prjversion'"), "57");
    EXPECT_EQ(OfficeWorkingDays(*project).count(':'), 3);
}

// A step that fails (here a column the step adds exists already) is taken back whole: the project
// keeps the version after the last step that ran, which a later opening enters again.
TEST_F(ProjectSchemaStepsTest, FailedStepIsTakenBackWhole)
{
    auto project = OldProject(44);
    project->Exec("alter table Room add column Height REAL");
    try {
        Upgrade(*project);
        ADD_FAILURE() << "the upgrade ignored the failing step";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("执行数据发生异常:\n")))
            << e.Message().toStdString();
        EXPECT_TRUE(e.Message().contains(QStringLiteral("alter table Room add column Height")))
            << e.Message().toStdString();
    }
    EXPECT_EQ(project->Scalar("select f_value from tbl_registry where f_key = 'prjversion'"), "51");
    EXPECT_EQ(project->Scalar("select count(*) from tbl_registry where f_key = 'BeOpenLowVersion'"), "1");
    EXPECT_EQ(project->Scalar("select count(*) from pragma_table_info('ElectricEquipment') where "
                              "name = 'LoadMultiple_Move'"),
              "0");
    EXPECT_EQ(project->Scalar("select count(*) from OutputOption where ID between 655 and 662"), "0");
    EXPECT_EQ(project->Scalar("PRAGMA foreign_keys"), "1");
}

// Option names keep what they say up to 指标, counted in characters.
TEST(ProjectSchemaStep44Test, OptionNamesEndWithTheIndexWord)
{
    CTempDatabase db;
    db.Exec("create table OutputOption (ID INTEGER PRIMARY KEY, OutputOptionName TEXT)");
    db.Exec("insert into OutputOption values (1,'冷负荷指标(W/m2)'),(2,'Q总指标xyz'),(3,'总冷指标'),"
            "(4,'负荷逐时数据'),(5,'指标指标2')");
    CVersionControl context{db.Query(), db.Connection()};
    ProjectSchemaSteps::Step44(context);
    EXPECT_EQ(db.Scalar("select group_concat(OutputOptionName, ',') from OutputOption").toString(),
              QStringLiteral("冷负荷指标,Q总指标,总冷指标,负荷逐时数据,指标"));
}
