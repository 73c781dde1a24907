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
