#include "upgrade/SystemDatabaseUpgrade.h"

#include "platform/core/Exception.h"
#include "tests/platform/CTempDatabase.h"

#include <gtest/gtest.h>

namespace {
class SystemDatabaseUpgradeTest : public ::testing::Test
{
protected:
    void StoreVersion(const QString& value)
    {
        m_sysData.Exec("create table tbl_sysversion (f_key TEXT(50),f_value TEXT(50))");
        m_sysData.Exec({"insert into tbl_sysversion (f_key,f_value) values('sysversion',?)", {value}});
    }
    QString StoredVersion()
    {
        return m_sysData.Scalar("select f_value from tbl_sysversion where f_key = 'sysversion'").toString();
    }
    int Upgrade()
    {
        return UpgradeSystemDatabase(m_sysData.Connection(), m_sysParam.Connection(), m_sysData.Query(),
                                     m_sysParam.Query());
    }

    CTempDatabase m_sysData;
    CTempDatabase m_sysParam;
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

TEST_F(SystemDatabaseUpgradeTest, CurrentOrNewerVersionIsLeftAlone)
{
    StoreVersion("57");
    EXPECT_EQ(Upgrade(), 0);
    EXPECT_EQ(StoredVersion(), "57");

    m_sysData.Exec("update tbl_sysversion set f_value = '58'");
    EXPECT_EQ(Upgrade(), 1);
    EXPECT_EQ(StoredVersion(), "58");
}

TEST_F(SystemDatabaseUpgradeTest, UnreadableVersionInAnExistingTableFails)
{
    StoreVersion("");
    try {
        ReadSystemVersion(m_sysData.Query());
        ADD_FAILURE() << "an empty version was accepted";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("执行数据发生异常:\n")))
            << e.Message().toStdString();
        EXPECT_TRUE(e.Message().endsWith("create table tbl_sysversion (f_key TEXT(50),f_value TEXT(50))"));
    }
    EXPECT_EQ(m_sysData.Scalar("select count(*) from tbl_sysversion").toInt(), 1);
}
