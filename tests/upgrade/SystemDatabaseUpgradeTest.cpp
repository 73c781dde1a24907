#include "upgrade/SystemDatabaseUpgrade.h"

#include "platform/core/Exception.h"
#include "tests/platform/CTempDatabase.h"

#include <gtest/gtest.h>

namespace {
class SystemDatabaseUpgradeTest : public ::testing::Test
{
protected:
    QString StoredVersion()
    {
        return m_sysData.Scalar("select f_value from tbl_sysversion where f_key = 'sysversion'").toString();
    }
    // The version row and the rows that the opening statements of an upgrade change.
    static void StoreUpgradeTargets(CTempDatabase& db, const QString& version)
    {
        db.Exec("create table tbl_sysversion (f_key TEXT(50),f_value TEXT(50))");
        db.Exec({"insert into tbl_sysversion (f_key,f_value) values('sysversion',?)", {version}});
        db.Exec(
            "create table OutputOption (ID integer primary key, IsHeatingLoadCalculation_Output integer, "
            "IsHeatingLoadMonthlyCalculation_Output integer, IsHeatingLoadDailyCalculation_Output integer)");
        for (int id : {468, 469, 654})
            db.Exec({"insert into OutputOption values (?, 0, 0, 0)", {id}});
        db.Exec("create table WeatherData (ID integer primary key, Area text, City text)");
        db.Exec("insert into WeatherData (Area, City) values ('广东省', '南宁')");
    }
    static QString Snapshot(CTempDatabase& db)
    {
        return db
            .Scalar("select coalesce((select group_concat(f_key || '=' || f_value) from tbl_sysversion), '') "
                    "|| ';' || "
                    "(select group_concat(ID || ':' || IsHeatingLoadCalculation_Output || "
                    "IsHeatingLoadMonthlyCalculation_Output || IsHeatingLoadDailyCalculation_Output) "
                    "from OutputOption) || ';' || (select group_concat(Area || City) from WeatherData)")
            .toString();
    }

    CTempDatabase m_sysData;
};
} // namespace

TEST_F(SystemDatabaseUpgradeTest, MissingVersionTableIsCreatedAtTheOldestVersion)
{
    EXPECT_EQ(ReadSystemVersion(m_sysData.Query()), 45);
    EXPECT_EQ(StoredVersion(), "45");
    // A second read finds the row instead of adding one.
    EXPECT_EQ(ReadSystemVersion(m_sysData.Query()), 45);
    EXPECT_EQ(m_sysData.Scalar("select count(*) from tbl_sysversion").toInt(), 1);
}

// Nothing is written at the current or a newer version, not even the opening corrections of an
// upgrade; a newer database is reported by the result 1 and used as it is.
TEST_F(SystemDatabaseUpgradeTest, CurrentOrNewerVersionIsLeftUntouched)
{
    const QList<std::pair<QString, int>> cases{{"57", 0}, {"58", 1}, {"100", 1}};
    for (const auto& [version, result] : cases) {
        CTempDatabase sysData;
        CTempDatabase sysParam;
        StoreUpgradeTargets(sysData, version);
        const QString before = Snapshot(sysData);
        EXPECT_EQ(UpgradeSystemDatabase(sysData.Connection(), sysParam.Connection(), sysData.Query(),
                                        sysParam.Query()),
                  result)
            << version.toStdString();
        EXPECT_EQ(Snapshot(sysData), before) << version.toStdString();
    }
}

// A version table without a readable version cannot be given one: the create statement fails and
// the database is left as it was.
TEST_F(SystemDatabaseUpgradeTest, UnreadableVersionInAnExistingTableFails)
{
    for (const QString stored : {"", "abc", "57abc", "(no row)"}) {
        CTempDatabase sysData;
        CTempDatabase sysParam;
        StoreUpgradeTargets(sysData, stored);
        if (stored == "(no row)")
            sysData.Exec("delete from tbl_sysversion");
        const QString before = Snapshot(sysData);
        try {
            UpgradeSystemDatabase(sysData.Connection(), sysParam.Connection(), sysData.Query(),
                                  sysParam.Query());
            ADD_FAILURE() << stored.toStdString() << " was accepted";
        } catch (const Exception& e) {
            EXPECT_TRUE(e.Message().startsWith(QStringLiteral("执行数据发生异常:\n")))
                << e.Message().toStdString();
            EXPECT_TRUE(
                e.Message().endsWith("create table tbl_sysversion (f_key TEXT(50),f_value TEXT(50))"));
        }
        EXPECT_EQ(Snapshot(sysData), before) << stored.toStdString();
    }
}
