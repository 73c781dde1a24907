#include "upgrade/ProjectDatabaseUpgrade.h"

#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"
#include "tests/support/CTestProgramFolder.h"
#include "upgrade/CProjectUpgradeChain.h"
#include "upgrade/CVersionControl.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace {
// A copy of the new-project template, "Office.VLZ" in a folder of its own, opened as the project.
class CTestProject
{
public:
    CTestProject()
        : m_connection(QStringLiteral("upgrade_project_%1").arg(++s_counter)), m_query(m_connection)
    {
        EXPECT_TRUE(m_dir.isValid());
        EXPECT_TRUE(
            QFile::copy(GeneratedProgramFolder() + QStringLiteral("/Project/ProjectModule.dat"), Path()));
        QFile(Path()).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        m_connection.Open(Path());
    }

    QString Path() const { return m_dir.filePath(QStringLiteral("Office.VLZ")); }
    QString Folder(const QString& relative) const { return m_dir.filePath(relative); }
    CDbConnection& Connection() { return m_connection; }
    CDbQuery& Query() { return m_query; }

    void Exec(const CSQLStatement& statement)
    {
        CDbQuery query(m_connection);
        query.SetSQL(statement);
        query.ExecSQL();
    }
    QString Scalar(const CSQLStatement& statement)
    {
        CDbQuery query(m_connection);
        query.SetSQL(statement);
        query.Open();
        return query.Field(0).toString();
    }
    // Sets prjversion; no value drops tbl_registry (the oldest format).
    void StoreVersion(const std::optional<QString>& version)
    {
        if (!version)
            Exec("drop table tbl_registry");
        else
            Exec({"update tbl_registry set f_value = ? where f_key = 'prjversion'", {*version}});
    }
    QString StoredVersion() { return Scalar("select f_value from tbl_registry where f_key = 'prjversion'"); }
    QByteArray Bytes() const
    {
        QFile file(Path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList Entries(const QString& relative) const
    {
        return QDir(Folder(relative)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    }

    // Undoes every standing correction, as in a project written before they existed.
    void UndoStandingCorrections()
    {
        Exec("update OutputOption set OutputOptionName = 'x' where ID in (385,197,206,315,323,481,520)");
        Exec("update OutputOption set IsACLoadMonthlyCalculation_Output=0,IsACLoadDailyCalculation_Output=0,"
             "IsHeatingLoadCalculation_Output=0,IsHeatingLoadMonthlyCalculation_Output=0,"
             "IsHeatingLoadDailyCalculation_Output=0 where ID in (192,468,469,654)");
        Exec("delete from Initialization where I_Name in ('AreaTypeForCalIndex','ContainSunSolarWinter')");
        Exec("delete from OutputOption where ID between 613 and 616");
    }
    // The rows the standing corrections write, as the user's options and default values show them:
    // the renamed options by name, the others with their parent and their nine design-type flags.
    QString CorrectedRows()
    {
        return Scalar(
            "select (select group_concat(r, '; ') from (select case when ID in (197,206,315,323,385,481,520) "
            "then ID || ':' || OutputOptionName else ID || ':' || OutputOptionName || ':' || FatherID || ':' "
            "|| "
            "IsACLoadSimpleEstimation_Output || IsACLoadItemsEstimation_Output || "
            "IsACLoadIntelligentEstimation_Output || IsACLoadCalculation_Output || "
            "IsACLoadMonthlyCalculation_Output || IsACLoadDailyCalculation_Output || "
            "IsHeatingLoadCalculation_Output || IsHeatingLoadMonthlyCalculation_Output || "
            "IsHeatingLoadDailyCalculation_Output end as r from OutputOption "
            "where ID in (192,197,206,315,323,385,468,469,481,520,613,614,615,616) order by ID)) || ' | ' || "
            "(select group_concat(r, '; ') from (select ID || ':' || I_Name || ':' || I_EditType || ':' || "
            "I_NameType || ':' || I_Remark || ':' || I_ValueType || ':' || I_Value || ':' || I_ValueList as "
            "r "
            "from Initialization where I_Name in ('AreaTypeForCalIndex','ContainSunSolarWinter') order by "
            "ID))");
    }
    QString Heating654()
    {
        return Scalar("select IsHeatingLoadCalculation_Output from OutputOption where ID = 654");
    }
    QString ForeignKeys() { return Scalar("PRAGMA foreign_keys"); }

private:
    static inline int s_counter = 0;
    QTemporaryDir m_dir;
    CDbConnection m_connection;
    CDbQuery m_query;
};

// What each step and the refresh step saw: "<name>@<prjversion in the registry>".
struct SChainLog
{
    QStringList Calls;
    QList<int> RefreshStoredVersions;
    QList<bool> NewProjectFlags;
};

QString RegistryVersion(CVersionControl& context)
{
    OpenQueryGuarded(context.Query, "select f_value from tbl_registry where f_key = 'prjversion'");
    return context.Query.Field(0).toString();
}

// The program's chain with every step and the refresh step recording their calls.
CProjectUpgradeChain RecordingChain(SChainLog& log)
{
    CProjectUpgradeChain chain = CProjectUpgradeChain::Program();
    for (CProjectUpgradeChain::SStep& step : chain.Steps) {
        step.Run = [&log, name = step.Name](CVersionControl& context) {
            log.Calls << name + '@' + RegistryVersion(context);
            log.NewProjectFlags << context.NewProject;
        };
    }
    chain.Refresh = [&log](CVersionControl& context) {
        log.Calls << QStringLiteral("Refresh@") + RegistryVersion(context);
        log.RefreshStoredVersions << context.StoredVersion;
    };
    return chain;
}

QStringList StepNames(int first, int last)
{
    QStringList names;
    for (int version = first; version <= last; ++version)
        names << QStringLiteral("Step%1").arg(version);
    return names;
}

QStringList Names(const QStringList& calls)
{
    QStringList names;
    for (const QString& call : calls)
        names << call.section('@', 0, 0);
    return names;
}

// Independent of the template: the undone rows as the corrections must leave them.
const QString CorrectedRowsText =
    "192:负荷统计数据:0:1111-1-10-1-1; 197:夏季室内湿负荷(g/h); 206:冬季室内湿负荷(g/h); "
    "315:夏季室内湿负荷(g/h); 323:冬季室内湿负荷(g/h); 385:屋顶热负荷; "
    "468:回风系统划分:0:111100-1-1-1; 469:新风系统划分:0:111100-1-1-1; "
    "481:室内湿负荷(g/h); 520:室内湿负荷(g/h); 613:计算书说明:0:111111111; "
    "614:冬季得热修正系数:613:-1-1-11-1-1-1-1-1; 615:冬季空调负荷是否采用稳态计算法:613:-1-111-1-1-1-1-1; "
    "616:新风负荷是否采用稳态计算法 :613:-1-111-1-1-1-1-1 | "
    "58:AreaTypeForCalIndex:1:总体信息:计算负荷单位面积指标依据:0:0:空调面积|建筑面积; "
    "59:ContainSunSolarWinter:1:空调负荷计算:冬季空调是否考虑太阳辐射:0:0:否|是";

class ProjectDatabaseUpgradeTest : public ::testing::Test
{
};
} // namespace

// A current project is backed up by a rolling copy, corrected, refreshed and loaded; opening it
// again changes nothing more.
TEST_F(ProjectDatabaseUpgradeTest, CurrentProjectIsCorrectedRefreshedAndBackedUp)
{
    CTestProject project;
    project.UndoStandingCorrections();
    const QByteArray before = project.Bytes();
    SChainLog log;
    const CProjectUpgradeChain chain = RecordingChain(log);

    int stored = 0;
    EXPECT_EQ(UpgradeProjectDatabase(project.Connection(), project.Query(), stored, false, chain), 0);
    EXPECT_EQ(stored, 57);
    EXPECT_EQ(project.StoredVersion(), "57");
    EXPECT_EQ(log.Calls, QStringList{"Refresh@57"});
    EXPECT_EQ(log.RefreshStoredVersions, QList<int>{57});
    EXPECT_EQ(project.CorrectedRows(), CorrectedRowsText);
    EXPECT_EQ(project.Heating654(), "0"); // the closing statement of an upgrade does not run

    const QStringList backups = project.Entries("Backup");
    ASSERT_EQ(backups.size(), 1);
    EXPECT_TRUE(QRegularExpression("^\\d{14}\\.vlz$").match(backups[0]).hasMatch())
        << backups[0].toStdString();
    QFile copy(project.Folder("Backup/" + backups[0]));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), before); // taken before anything was written

    const QString rows = project.Scalar("select (select count(*) from OutputOption) || '/' || "
                                        "(select count(*) from Initialization)");
    EXPECT_EQ(UpgradeProjectDatabase(project.Connection(), project.Query(), stored, false, chain), 0);
    EXPECT_EQ(project.CorrectedRows(), CorrectedRowsText);
    EXPECT_EQ(project.Scalar("select (select count(*) from OutputOption) || '/' || "
                             "(select count(*) from Initialization)"),
              rows);
}

// The inserts of the corrections go by name (default values) and by option 613 alone.
TEST_F(ProjectDatabaseUpgradeTest, CorrectionInsertsAreGuardedByNameAndByOption613)
{
    CTestProject project;
    project.Exec("update Initialization set ID = 900 where I_Name = 'AreaTypeForCalIndex'");
    project.Exec("delete from OutputOption where ID between 614 and 616");
    SChainLog log;
    int stored = 0;
    UpgradeProjectDatabase(project.Connection(), project.Query(), stored, false, RecordingChain(log));
    EXPECT_EQ(
        project.Scalar("select group_concat(ID) from Initialization where I_Name = 'AreaTypeForCalIndex'"),
        "900");
    EXPECT_EQ(project.Scalar("select group_concat(ID) from OutputOption where ID between 613 and 616"),
              "613");
}

// A project of a newer program opens when it says this version may open it, and then gets the
// corrections only. Otherwise the result is the version it needs, and nothing at all is written.
// A newer project that does not say which version may open it is refused as needing its own.
TEST_F(ProjectDatabaseUpgradeTest, NewerProjectIsOpenedOrRefusedByItsLowestVersion)
{
    struct SCase
    {
        QString version;
        std::optional<QString> openLow;
        int result;
    };
    const QList<SCase> cases{
        {"58", "51", 0},  {"58", "57", 0}, {"60", "58", 58},
        {"60", "59", 59}, {"60", {}, 60},  {"60", QStringLiteral("abc"), 60},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.version.toStdString() + "/" + c.openLow.value_or("(none)").toStdString());
        CTestProject project;
        project.UndoStandingCorrections();
        project.StoreVersion(c.version);
        project.Exec("delete from tbl_registry where f_key = 'BeOpenLowVersion'");
        if (c.openLow)
            project.Exec(
                {"insert into tbl_registry (f_key,f_value) values('BeOpenLowVersion',?)", {*c.openLow}});
        const QByteArray before = project.Bytes();
        SChainLog log;

        int stored = 0;
        EXPECT_EQ(
            UpgradeProjectDatabase(project.Connection(), project.Query(), stored, false, RecordingChain(log)),
            c.result);
        EXPECT_EQ(stored, c.version.toInt());
        EXPECT_EQ(project.StoredVersion(), c.version);
        EXPECT_TRUE(log.Calls.isEmpty());
        EXPECT_FALSE(QFile::exists(project.Folder("Backup")));
        if (c.result > 0) {
            EXPECT_EQ(project.Bytes(), before);
        } else {
            EXPECT_EQ(project.CorrectedRows(), CorrectedRowsText);
        }
    }
}

// An older project gets a full backup named after its release, then every step from its own to
// the last, the closing statement and the refresh step; the version after each step is recorded
// before the next one starts, and 57 at the end.
TEST_F(ProjectDatabaseUpgradeTest, OlderProjectRunsTheChainFromItsStep)
{
    struct SCase
    {
        std::optional<QString> version; // none: no tbl_registry
        QStringList calls;              // exact calls, or only the names when checkNamesOnly
        QString fullBackup;
        bool checkNamesOnly = false;
    };
    const QStringList lastSteps{"Step53", "Step55", "Refresh"};
    const QList<SCase> cases{
        {{}, QStringList{"TreeConversion"} + StepNames(21, 52) + lastSteps, "Office3.7.vlz", true},
        {"42", StepNames(42, 52) + lastSteps, "Office3.7.vlz", true},
        {"43", StepNames(43, 52) + lastSteps, "Office4.0.vlz", true},
        {"44", StepNames(44, 52) + lastSteps, "Office4.0.vlz", true},
        {"52", {"Step52@52", "Step53@53", "Step55@55", "Refresh@55"}, "Office4.0.vlz"},
        {"54", {"Step53@54", "Step55@55", "Refresh@55"}, "Office4.0.vlz"},
        {"56", {"Step55@56", "Refresh@56"}, "Office4.0.vlz"},
        {"20", {"Refresh@20"}, "Office3.7.vlz"},
        {"0", {"Refresh@0"}, "Office3.7.vlz"},
        {"-5", {"Refresh@-5"}, "Office3.7.vlz"},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.version.value_or("(no tbl_registry)").toStdString());
        CTestProject project;
        project.UndoStandingCorrections();
        project.StoreVersion(c.version);
        const QByteArray before = project.Bytes();
        const int version = c.version ? c.version->toInt() : -1;
        const bool newProject = version % 2 == 0;
        SChainLog log;

        int stored = 0;
        EXPECT_EQ(UpgradeProjectDatabase(project.Connection(), project.Query(), stored, newProject,
                                         RecordingChain(log)),
                  -1);
        EXPECT_EQ(stored, version);
        EXPECT_EQ(project.StoredVersion(), "57");
        EXPECT_EQ(c.checkNamesOnly ? Names(log.Calls) : log.Calls, c.calls);
        EXPECT_EQ(log.RefreshStoredVersions, QList<int>{version});
        EXPECT_TRUE(log.NewProjectFlags.count(newProject) == log.NewProjectFlags.size());
        EXPECT_EQ(project.CorrectedRows(), CorrectedRowsText);
        EXPECT_EQ(project.Heating654(), "-1");
        EXPECT_EQ(project.ForeignKeys(), "1");

        EXPECT_EQ(project.Entries("Backup"), QStringList{"Full"});
        EXPECT_EQ(project.Entries("Backup/Full"), QStringList{c.fullBackup});
        QFile full(project.Folder("Backup/Full/" + c.fullBackup));
        ASSERT_TRUE(full.open(QIODevice::ReadOnly));
        EXPECT_EQ(full.readAll(), before);
    }
    // The oldest format is entered with the version table made for it.
    CTestProject project;
    project.StoreVersion({});
    SChainLog log;
    int stored = 0;
    UpgradeProjectDatabase(project.Connection(), project.Query(), stored, false, RecordingChain(log));
    EXPECT_EQ(log.Calls.mid(0, 2), (QStringList{"TreeConversion@20", "Step21@21"}));
}

// A failing step takes back its own changes only; the project keeps the version reached before it,
// and the next opening goes on from there.
TEST_F(ProjectDatabaseUpgradeTest, FailedStepKeepsEarlierStepsAndResumes)
{
    CTestProject project;
    project.StoreVersion("50");
    SChainLog log;
    CProjectUpgradeChain failing = RecordingChain(log);
    failing.Steps[failing.EntryIndex(52)].Run = [](CVersionControl& context) {
        ExecQueryGuarded(context.Query, "alter table Room add column Probe int");
        ExecQueryGuarded(context.Query,
                         "update tbl_registry set f_value = 'changed' where f_key = 'maxtime'");
        throw Exception(QStringLiteral("探测失败"));
    };

    int stored = 0;
    try {
        UpgradeProjectDatabase(project.Connection(), project.Query(), stored, false, failing);
        ADD_FAILURE() << "the failed step was not reported";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("探测失败"));
    }
    EXPECT_EQ(log.Calls, (QStringList{"Step50@50", "Step51@51"}));
    EXPECT_EQ(project.StoredVersion(), "52");
    EXPECT_EQ(project.Scalar("select count(*) from pragma_table_info('Room') where name = 'Probe'"), "0");
    EXPECT_EQ(project.Scalar("select f_value from tbl_registry where f_key = 'maxtime'"), "10");
    EXPECT_EQ(project.ForeignKeys(), "1");

    log = SChainLog();
    EXPECT_EQ(
        UpgradeProjectDatabase(project.Connection(), project.Query(), stored, false, RecordingChain(log)),
        -1);
    EXPECT_EQ(stored, 52);
    EXPECT_EQ(log.Calls, (QStringList{"Step52@52", "Step53@53", "Step55@55", "Refresh@55"}));
    EXPECT_EQ(project.StoredVersion(), "57");
}

// A step may rebuild a parent table: the rows of its children survive, and the links are
// enforced again afterwards.
TEST_F(ProjectDatabaseUpgradeTest, StepRebuildingAParentTableKeepsTheChildren)
{
    CTestProject project;
    project.StoreVersion("56");
    project.Exec("insert into Building (ID, Name) values (1, 'B')");
    project.Exec("insert into Storey (ID, Name, parent_id) values (1, 'S', 1)");
    project.Exec("insert into Room (ID, Name, parent_id) values (1, 'R', 1)");
    SChainLog log;
    CProjectUpgradeChain chain = RecordingChain(log);
    chain.Steps.back().Run = [](CVersionControl& context) {
        ExecQueryGuarded(context.Query, "create table Storey_new as select * from Storey");
        ExecQueryGuarded(context.Query, "drop table Storey");
        ExecQueryGuarded(context.Query, "alter table Storey_new rename to Storey");
    };

    int stored = 0;
    EXPECT_EQ(UpgradeProjectDatabase(project.Connection(), project.Query(), stored, false, chain), -1);
    EXPECT_EQ(project.Scalar("select count(*) from Room"), "1");
    EXPECT_EQ(project.ForeignKeys(), "1");
}

// A current project whose rolling backup cannot be made still opens, corrected, with the user
// warned; a caller that has nowhere to put the warning gets the failure instead.
TEST_F(ProjectDatabaseUpgradeTest, FailedRollingBackupOfACurrentProjectIsAWarning)
{
    CTestProject project;
    project.UndoStandingCorrections();
    QFile blocker(project.Folder("Backup")); // a file where the backup folder must go
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SChainLog log;
    const CProjectUpgradeChain chain = RecordingChain(log);

    int stored = 0;
    QString warning;
    EXPECT_EQ(UpgradeProjectDatabase(project.Connection(), project.Query(), stored, false, chain, &warning),
              0);
    EXPECT_TRUE(warning.startsWith(QStringLiteral("打开工程时未能备份工程文件，工程照常打开")))
        << warning.toStdString();
    EXPECT_TRUE(warning.contains(QDir::toNativeSeparators(project.Path()))) << warning.toStdString();
    EXPECT_EQ(project.CorrectedRows(), CorrectedRowsText);
    EXPECT_EQ(log.Calls, QStringList{"Refresh@57"});

    project.UndoStandingCorrections();
    const QByteArray before = project.Bytes();
    EXPECT_THROW(UpgradeProjectDatabase(project.Connection(), project.Query(), stored, false, chain),
                 Exception);
    EXPECT_EQ(project.Bytes(), before);
}

// An empty file and a database of another program are not projects: refused untouched, and not
// taken for a project of the oldest format.
TEST_F(ProjectDatabaseUpgradeTest, FileWithoutProjectTablesIsNotAProjectFile)
{
    QTemporaryDir dir;
    const QString empty = dir.filePath(QStringLiteral("Empty.VLZ"));
    const QString other = dir.filePath(QStringLiteral("Other.VLZ"));
    {
        QFile file(empty);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        CDbConnection connection(QStringLiteral("upgrade_other"));
        connection.Open(other, true);
        CDbQuery query(connection);
        ExecQueryGuarded(query, "create table tbl_registry (f_key TEXT, f_value TEXT)");
        ExecQueryGuarded(query, "create table Notes (ID INTEGER PRIMARY KEY, Text TEXT)");
    }
    for (const QString& path : {empty, other}) {
        SCOPED_TRACE(path.toStdString());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        CDbConnection connection(QStringLiteral("upgrade_not_a_project"));
        connection.Open(path);
        CDbQuery query(connection);
        int stored = 0;
        QString warning;
        try {
            UpgradeProjectDatabase(connection, query, stored, false, &warning);
            ADD_FAILURE() << "the file was accepted";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(),
                      QStringLiteral("“%1”不是工程文件（文件是空的，或其中没有工程数据），无法打开。")
                          .arg(QDir::toNativeSeparators(path)));
        }
        query.Close();
        connection.Close();
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), before);
        EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Backup"))));
    }
}

// Nothing is written into a project whose version cannot be read, that needs a step this program
// lacks, or whose full backup before an upgrade cannot be made; the user reads why.
TEST_F(ProjectDatabaseUpgradeTest, ProjectIsLeftUnchangedWhenItCannotBeUpgraded)
{
    struct SCase
    {
        const char* name;
        std::optional<QString> version;
        QString blockedBackup; // a file standing where the backup's folder must go
        bool incompleteChain;  // the program's chain without step 52
        QString message; // the start of the message
    };
    const QString backupFailed = QStringLiteral("备份工程文件失败，工程未作任何修改。\n");
    const QList<SCase> cases{
        {"no prjversion row",
         QStringLiteral("(none)"),
         {},
         false,
         QStringLiteral("无法读取工程的数据库版本：tbl_registry 中没有 prjversion。")},
        {"prjversion not a number",
         QStringLiteral("57abc"),
         {},
         false,
         QStringLiteral("无法读取工程的数据库版本：tbl_registry 中 prjversion 的值“57abc”不是整数。")},
        {"empty prjversion",
         QString(""),
         {},
         false,
         QStringLiteral("无法读取工程的数据库版本：tbl_registry 中 prjversion 的值“”不是整数。")},
        {"steps not in this program",
         QStringLiteral("50"),
         {},
         true,
         QStringLiteral("此工程的数据库版本为50，本程序不能将其升级到版本57，工程未作任何修改。")},
        {"oldest format, steps not in this program",
         {},
         {},
         true,
         QStringLiteral("此工程的数据库版本为-1，本程序不能将其升级到版本57，工程未作任何修改。")},
        {"full backup fails", QStringLiteral("50"), QStringLiteral("Backup/Full"), false, backupFailed},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        CTestProject project;
        project.UndoStandingCorrections();
        if (c.version == QStringLiteral("(none)"))
            project.Exec("delete from tbl_registry where f_key = 'prjversion'");
        else
            project.StoreVersion(c.version);
        if (!c.blockedBackup.isEmpty()) {
            QDir().mkpath(QFileInfo(project.Folder(c.blockedBackup)).path());
            QFile blocker(project.Folder(c.blockedBackup));
            ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        }
        const QByteArray before = project.Bytes();
        SChainLog log;
        const CProjectUpgradeChain recording = RecordingChain(log);
        CProjectUpgradeChain incomplete = CProjectUpgradeChain::Program();
        incomplete.Steps[incomplete.EntryIndex(52)].Run = {};

        int stored = 0;
        QString warning; // given as the program gives it: only a rolling backup may fail with a warning
        try {
            UpgradeProjectDatabase(project.Connection(), project.Query(), stored, false,
                                   c.incompleteChain ? incomplete : recording, &warning);
            ADD_FAILURE() << "the project was accepted";
        } catch (const Exception& e) {
            EXPECT_TRUE(e.Message().startsWith(c.message)) << e.Message().toStdString();
        }
        EXPECT_EQ(project.Bytes(), before);
        EXPECT_TRUE(log.Calls.isEmpty());
        if (c.blockedBackup.isEmpty()) {
            EXPECT_FALSE(QFile::exists(project.Folder("Backup")));
        }
    }
}
