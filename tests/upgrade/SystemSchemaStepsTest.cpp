#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"
#include "tests/support/CTestProgramFolder.h"
#include "tests/upgrade/COldSchema.h"
#include "upgrade/SystemDatabaseUpgrade.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {
// The system databases of a private program folder, the data database downgraded to a version.
class SystemSchemaStepsTest : public ::testing::Test
{
protected:
    void OpenAt(int version)
    {
        m_sysData.Open(m_folder.File(QStringLiteral("System/SysData.dat")));
        m_sysParam.Open(m_folder.File(QStringLiteral("System/SysParam.dat")));
        COldSchema::DowngradeSystem(m_sysData, m_sysParam, version);
    }
    int Upgrade() { return UpgradeSystemDatabase(m_sysData, m_sysParam, m_dataQuery, m_paramQuery); }
    void Exec(const CSQLStatement& statement) { ExecQueryGuarded(m_dataQuery, statement); }
    QString Scalar(const CSQLStatement& statement)
    {
        OpenQueryGuarded(m_dataQuery, statement);
        return m_dataQuery.Field(0).toString();
    }
    QString Version() { return Scalar("select f_value from tbl_sysversion where f_key = 'sysversion'"); }

    CTestProgramFolder m_folder;
    CDbConnection m_sysData{QStringLiteral("system_steps_data")};
    CDbConnection m_sysParam{QStringLiteral("system_steps_param")};
    CDbQuery m_dataQuery{m_sysData};
    CDbQuery m_paramQuery{m_sysParam};
};
} // namespace

// Step 47 needs the new-project template and the standard-schedule file. Without either the
// start-up stops with the missing file named, the database keeps version 47 and the template is
// untouched; once the file is back the next start upgrades it.
TEST_F(SystemSchemaStepsTest, MissingFileOfStep47LeavesTheDatabaseToBeUpgradedLater)
{
    OpenAt(47);
    const QString moduleFile = m_folder.File(QStringLiteral("Project/ProjectModule.dat"));
    for (const QString relative : {"Project/ProjectModule.dat", "System/Schedule_New.dat"}) {
        SCOPED_TRACE(relative.toStdString());
        const QString file = m_folder.File(relative);
        {
            CDbConnection module(QStringLiteral("system_steps_module"));
            module.Open(moduleFile);
            CDbQuery query(module);
            ExecQueryGuarded(query, "update ProjectParameter set DesignType = 5");
        }
        ASSERT_TRUE(QFile::rename(file, file + QStringLiteral(".away")));
        try {
            Upgrade();
            ADD_FAILURE() << "the upgrade went on without the file";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("系统找不到配置文件\n") + QDir::toNativeSeparators(file));
        }
        ASSERT_TRUE(QFile::rename(file + QStringLiteral(".away"), file));
        EXPECT_EQ(Version(), "47");
        EXPECT_EQ(Scalar("select count(*) from OutputOption where ID = 653"), "0");
        CDbConnection module(QStringLiteral("system_steps_module"));
        module.Open(moduleFile);
        CDbQuery query(module);
        OpenQueryGuarded(query, "select DesignType from ProjectParameter");
        EXPECT_EQ(query.Field(0).toInt(), 5);
    }
    EXPECT_EQ(Upgrade(), -1);
    EXPECT_EQ(Version(), "57");
    CDbConnection module(QStringLiteral("system_steps_module"));
    module.Open(moduleFile);
    CDbQuery query(module);
    OpenQueryGuarded(query, "select DesignType from ProjectParameter");
    EXPECT_EQ(query.Field(0).toInt(), 3);
}

// Step 47 installs the standard schedules a database lacks, each with copies of its twelve week
// schedules and its day schedules, so that no week schedule names a missing day; a database that
// has them keeps them once.
TEST_F(SystemSchemaStepsTest, StandardSchedulesAreInstalledOnceWithTheirDays)
{
    OpenAt(47);
    const QString schedules = Scalar("select count(*) from Schedule");
    Exec("delete from Schedule where Name like '%公共建筑节能标准'");
    Exec("delete from DaySchedule where DayScheduleName like '%公共建筑节能标准\\_%' escape '\\'");
    EXPECT_EQ(Upgrade(), -1);
    EXPECT_EQ(Scalar("select count(*) from Schedule"), schedules);
    EXPECT_EQ(Scalar("select count(distinct Name) from Schedule"), schedules);
    EXPECT_EQ(
        Scalar("select count(*) from Schedule where Name like '%公共建筑节能标准' and ScheduleType = 0 and "
               "WeekSchedule_1 in (select ID from WeekSchedule) and WeekSchedule_12 in "
               "(select ID from WeekSchedule)"),
        "9");
    EXPECT_EQ(Scalar("select count(*) from DaySchedule where DayScheduleName like '%公共建筑节能标准\\_%' "
                     "escape '\\'"),
              "72");
    EXPECT_EQ(Scalar("select count(*) from WeekSchedule where DaySchedule_Monday not in "
                     "(select DayScheduleName from DaySchedule)"),
              "0");
}

// A record of the newer weather library takes the hourly-data name and ground temperatures of the
// older record whose city begins with its own city's first two characters (a shorter city name is
// matched whole), and the hourly data of the first older record with hourly data whose province
// begins with its own; a record without such a match keeps its own, and an empty province matches
// none.
TEST_F(SystemSchemaStepsTest, NewerWeatherTakesOverTheOlderLibraryByCityAndProvince)
{
    OpenAt(45);
    Exec("insert into WeatherData (ID,Lib_name,Area,City,RIZARIR_WeatherName,GroundTemperature_1,"
         "GroundTemperature_12,RIZARIR_WeatherData) values "
         "(900,'GBJ19-87','北京','北京','BJ-87',1.5,2.5,null),"
         "(901,'GBJ19-87','西藏','拉','LS-87',3.5,4.5,null),"
         "(902,'GBJ19-87','广西壮族','南宁','NN-87',5.5,6.5,null),"
         "(903,'GBJ19-87','广西壮族自治区','南宁','NN-87b',7.5,8.5,'NN-hourly')");
    Exec("insert into WeatherData (ID,Lib_name,Area,City,RIZARIR_WeatherName,RIZARIR_WeatherData) values "
         "(950,'GB50736-2012','北京','北京朝阳','own',null),(951,'GB50736-2012','西藏','拉','own',null),"
         "(952,'GB50736-2012','天津','天津','own',null),(953,'GB50736-2012','广西','南宁','own','own-953'),"
         "(954,'GB50736-2012','','南宁','own','own-954')");
    EXPECT_EQ(Upgrade(), -1);
    // Step 46 then gives every newer record the ground temperatures of the first older one; step 53
    // keeps hourly data only where an older record of the same city has some.
    EXPECT_EQ(
        Scalar("select group_concat(ID || ':' || RIZARIR_WeatherName || ':' || GroundTemperature_1 || ':' || "
               "GroundTemperature_12 || ':' || ifnull(RIZARIR_WeatherData, '-'), ' ') from WeatherData "
               "where ID >= 950"),
        "950:BJ-87:1.5:2.5:- 951:LS-87:1.5:2.5:- 952:own:1.5:2.5:- 953:NN-87:1.5:2.5:NN-hourly "
        "954:NN-87:1.5:2.5:own-954");
}
