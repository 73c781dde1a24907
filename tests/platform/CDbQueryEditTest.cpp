#include "tests/platform/CTempDatabase.h"

#include "platform/core/Exception.h"

// Row editing through the query: what a record's Save and the library tree rely on.
TEST(CDbQueryEdit, UpdateWritesOnlyChangedColumnsByIdAndReadsBackTheBuffer)
{
    CTempDatabase db;
    db.Exec("create table T (ID integer primary key autoincrement, Name text, K real, BMP blob, Shade real)");
    db.Exec(CSQLStatement("insert into T (Name, K, BMP, Shade) values (?, ?, ?, ?)", {"a", 1.5, QByteArray("abcd"), 0.7}));
    db.Exec(CSQLStatement("insert into T (Name, K, BMP, Shade) values (?, ?, ?, ?)", {"b", 2.5, QByteArray("wxyz"), 0.9}));

    CDbQuery& q = db.Query();
    q.SetSQL("select ID, Name, K, BMP from T where Name = 'b'");
    q.Open();
    q.Edit();
    q.SetFieldValue("K", 3.25);
    q.SetFieldValue("bmp", QByteArray("WXYZ")); // same size, other bytes
    EXPECT_DOUBLE_EQ(q.AsDouble("K"), 3.25);
    q.Post();
    EXPECT_EQ(q.State(), CDbQuery::EditState::Browse);
    EXPECT_DOUBLE_EQ(q.AsDouble("K"), 3.25);

    EXPECT_DOUBLE_EQ(db.Scalar("select K from T where Name = 'b'").toDouble(), 3.25);
    EXPECT_EQ(db.Scalar("select BMP from T where Name = 'b'").toByteArray(), QByteArray("WXYZ"));
    EXPECT_DOUBLE_EQ(db.Scalar("select Shade from T where Name = 'b'").toDouble(), 0.9); // not selected, untouched
    EXPECT_DOUBLE_EQ(db.Scalar("select K from T where Name = 'a'").toDouble(), 1.5);
}

TEST(CDbQueryEdit, TableWithoutIdIsMatchedByItsOriginalValues)
{
    CTempDatabase db;
    db.Exec("create table W (Month integer, Kind integer, V real)");
    db.Exec("insert into W values (1, 0, 1.0)");
    db.Exec("insert into W values (1, 1, 2.0)");
    CDbQuery& q = db.Query();
    q.SetSQL("select * from W where Kind = 1");
    q.Open();
    q.Edit();
    q.SetFieldValue("V", 5.0);
    q.Post();
    EXPECT_DOUBLE_EQ(db.Scalar("select V from W where Kind = 1").toDouble(), 5.0);
    EXPECT_DOUBLE_EQ(db.Scalar("select V from W where Kind = 0").toDouble(), 1.0);
}

TEST(CDbQueryEdit, AppendInsertsAndReadsBackTheNewId)
{
    CTempDatabase db;
    db.Exec("create table T (ID integer primary key autoincrement, Name text, K real default 4)");
    CDbQuery& q = db.Query();
    q.SetSQL("select * from T where 1<>1");
    q.Open();
    q.Append();
    q.SetFieldValue("Name", "x");
    q.Post();
    EXPECT_EQ(q.RecordCount(), 1);
    EXPECT_EQ(q.AsInt("ID"), 1);
    EXPECT_DOUBLE_EQ(db.Scalar("select K from T").toDouble(), 4.0);
}

TEST(CDbQueryEdit, MisuseAndFailuresRaiseAndKeepTheState)
{
    CTempDatabase db;
    db.Exec("create table T (ID integer primary key, Name text not null)");
    CDbQuery& q = db.Query();
    q.SetSQL("select * from T");
    q.Open();
    EXPECT_THROW(q.Edit(), Exception); // no current row
    EXPECT_THROW(q.SetFieldValue("Name", "x"), Exception); // not editing
    q.Append();
    EXPECT_THROW(q.SetFieldValue("Nope", "x"), Exception);
    EXPECT_THROW(q.Post(), Exception); // Name is not null
    EXPECT_EQ(q.State(), CDbQuery::EditState::Insert);
    q.Cancel();
    EXPECT_EQ(q.State(), CDbQuery::EditState::Browse);
    EXPECT_EQ(db.Scalar("select count(*) from T").toInt(), 0);
}
