#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/Exception.h"
#include "tests/platform/CTempDatabase.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

TEST(CDbConnection, OpeningAMissingFileWithoutCreateFails)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("absent.dat");
    CDbConnection connection("test_missing");
    EXPECT_THROW(connection.Open(path), Exception);
    EXPECT_FALSE(connection.IsOpen());
    EXPECT_FALSE(QFile::exists(path));
}

TEST(CDbConnection, OpeningAFileThatIsNotADatabaseFails)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("garbage.dat");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, '\x5a') + "not a database at all");
    }
    CDbConnection connection("test_garbage");
    try {
        connection.Open(path);
        ADD_FAILURE() << "a garbage file opened";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().contains(path)) << e.Message().toStdString();
    }
    EXPECT_FALSE(connection.IsOpen());

    // The failed attempt leaves the name free for the next database.
    connection.Open(dir.filePath("good.dat"), true);
    EXPECT_TRUE(connection.IsOpen());
}

TEST(CDbConnection, TransactionRollsBackUnlessCommitted)
{
    CTempDatabase db;
    db.Exec("create table t (v INTEGER)");
    {
        CDbTransaction transaction(db.Connection());
        db.Exec({"insert into t (v) values(?)", {1}});
    }
    EXPECT_EQ(db.Scalar("select count(*) from t").toInt(), 0);
    {
        CDbTransaction transaction(db.Connection());
        db.Exec({"insert into t (v) values(?)", {2}});
        transaction.Commit();
    }
    EXPECT_EQ(db.Scalar("select count(*) from t").toInt(), 1);
}

TEST(CDbQuery, BoundValuesRoundTripExactly)
{
    CTempDatabase db;
    db.Exec("create table t (name TEXT, value REAL, note TEXT)");
    const QString name = QStringLiteral("O'Brien's 外墙");
    const double value = 0.1234567890123;
    db.Exec({"insert into t (name, value, note) values(?, ?, ?)", {name, value, QVariant()}});

    CDbQuery& query = db.Query();
    query.SetSQL({"select name, value, note from t where name = ?", {name}});
    query.Open();
    ASSERT_EQ(query.RecordCount(), 1);
    EXPECT_EQ(query.AsString("NAME"), name);
    EXPECT_EQ(query.AsDouble("Value"), value);
    EXPECT_TRUE(query.FieldByName("note").isNull());
}

// What the user reads of a database failure: a Chinese sentence naming the cause, then SQLite's
// own message for support.
TEST(CDbConnection, FailuresNameTheirCauseInChineseAndKeepTheDatabaseMessage)
{
    CTempDatabase db;
    db.Exec("create table t (id INTEGER PRIMARY KEY, name TEXT NOT NULL)");
    db.Exec("insert into t (id, name) values (1, 'a')");
    const struct
    {
        const char* sql;
        const char* cause;
        const char* detail;
    } cases[] = {
        {"select * from NoSuchTable", "SQL语句执行失败：", "no such table: NoSuchTable"},
        {"insert into t (id, name) values (1, 'b')", "数据不符合数据库的约束", "UNIQUE constraint failed"},
        {"insert into t (id) values (2)", "数据不符合数据库的约束", "NOT NULL constraint failed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sql);
        CDbQuery& query = db.Query();
        query.SetSQL(QString::fromUtf8(c.sql));
        try {
            query.ExecSQL();
            ADD_FAILURE() << "the statement ran";
        } catch (const Exception& e) {
            EXPECT_TRUE(e.Message().startsWith(QString::fromUtf8(c.cause))) << e.Message().toStdString();
            EXPECT_TRUE(e.Message().contains(QString::fromUtf8(c.detail))) << e.Message().toStdString();
        }
    }

    // A file that is not a database.
    QTemporaryDir dir;
    const QString garbage = dir.filePath("garbage.dat");
    {
        QFile file(garbage);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, '\x5a'));
    }
    CDbConnection connection("test_causes");
    try {
        connection.Open(garbage);
        ADD_FAILURE() << "a garbage file opened";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("文件不是有效的数据库："))) << e.Message().toStdString();
        EXPECT_TRUE(e.Message().contains(QStringLiteral("not a database"))) << e.Message().toStdString();
    }

    // A database that refuses writes answers as a read-only file does (the same SQLite code).
    db.Exec("PRAGMA query_only = 1");
    try {
        db.Exec("insert into t (id, name) values (3, 'c')");
        ADD_FAILURE() << "wrote into a read-only database";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("数据库文件或其所在文件夹是只读的，无法写入：")))
            << e.Message().toStdString();
        EXPECT_TRUE(e.Message().contains(QStringLiteral("readonly database"))) << e.Message().toStdString();
    }
}
