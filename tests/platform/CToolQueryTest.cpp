#include "platform/core/CTool.h"
#include "platform/core/Exception.h"
#include "tests/platform/CTempDatabase.h"
#include "tests/support/CFakeToolDialogs.h"

#include <gtest/gtest.h>

namespace {
class CToolQueryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_db.Exec("create table Room (ID INTEGER, Name TEXT)");
        m_db.Exec("insert into Room (ID, Name) values (1, 'A'), (2, 'B'), (3, 'C')");
    }

    CFakeToolDialogs& Fake() { return static_cast<CFakeToolDialogs&>(m_tool.Dialogs()); }

    CTool m_tool{std::make_unique<CFakeToolDialogs>()};
    CTempDatabase m_db;
};

QString GuardedFailure(void (*run)(CDbQuery&, const CSQLStatement&), CDbQuery& query,
                       const CSQLStatement& statement)
{
    try {
        run(query, statement);
    } catch (const Exception& e) {
        return e.Message();
    }
    return QString();
}
} // namespace

TEST_F(CToolQueryTest, OpenQueryReturnsTheRecordCount)
{
    EXPECT_EQ(CTool::OpenQuery(m_db.Query(), "select * from Room"), 3);
    EXPECT_EQ(CTool::OpenQuery(m_db.Query(), {"select * from Room where ID > ?", {1}}), 2);
    EXPECT_EQ(CTool::OpenQuery(m_db.Query(), "select * from Room where ID > 9"), 0);
    EXPECT_TRUE(Fake().Messages.isEmpty());
}

TEST_F(CToolQueryTest, OpenQueryFailureShowsTheDatabaseMessageAndTheStatement)
{
    const QString sql = QStringLiteral("select * from NoSuchTable");
    EXPECT_EQ(CTool::OpenQuery(m_db.Query(), sql), -1);
    ASSERT_EQ(Fake().Messages.size(), 1);
    const QString& shown = Fake().Messages.first();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("SQL语句执行失败：no such table: NoSuchTable")))
        << shown.toStdString();
    EXPECT_TRUE(shown.endsWith("\nSQL:" + sql)) << shown.toStdString();
    EXPECT_TRUE(Fake().MessageBoxes.isEmpty());
}

TEST_F(CToolQueryTest, ExecQueryReturnsAffectedRowsWithoutAMessage)
{
    EXPECT_EQ(CTool::ExecQuery(m_db.Query(), {"update Room set Name = ? where ID = ?", {"X", 42}}), 0);
    EXPECT_EQ(CTool::ExecQuery(m_db.Query(), {"update Room set Name = ? where ID >= ?", {"X", 2}}), 2);
    EXPECT_TRUE(Fake().Messages.isEmpty());

    EXPECT_EQ(CTool::ExecQuery(m_db.Query(), "delete from NoSuchTable"), 0);
    ASSERT_EQ(Fake().Messages.size(), 1);
    EXPECT_TRUE(Fake().Messages.first().endsWith("\nSQL:delete from NoSuchTable"));
}

TEST_F(CToolQueryTest, GuardedQueriesRaiseWithTheirCaptionAndTheStatement)
{
    const QString select = QStringLiteral("select from where");
    const QString selectFailure = GuardedFailure(&OpenQueryGuarded, m_db.Query(), select);
    EXPECT_TRUE(selectFailure.startsWith(QStringLiteral("查询SQL发生异常:\n")))
        << selectFailure.toStdString();
    EXPECT_TRUE(selectFailure.endsWith(QStringLiteral("\n执行的语句:") + select))
        << selectFailure.toStdString();

    const QString update = QStringLiteral("update NoSuchTable set a = 1");
    const QString updateFailure = GuardedFailure(
        [](CDbQuery& query, const CSQLStatement& statement) { ExecQueryGuarded(query, statement); },
        m_db.Query(), update);
    EXPECT_TRUE(updateFailure.startsWith(QStringLiteral("执行数据发生异常:\nSQL语句执行失败：no such table: NoSuchTable")))
        << updateFailure.toStdString();
    EXPECT_TRUE(updateFailure.endsWith(QStringLiteral("\n执行的语句:") + update))
        << updateFailure.toStdString();

    // Guarded failures are raised, never shown.
    EXPECT_TRUE(Fake().Messages.isEmpty());
    EXPECT_EQ(ExecQueryGuarded(m_db.Query(), "delete from Room where ID = 1"), 1);
}
