#include "upgrade/CSQLMaker.h"

#include "platform/core/CTool.h"
#include "tests/platform/CTempDatabase.h"

#include <gtest/gtest.h>

namespace {
// Text and bound values together, so a mismatch shows both.
std::string Show(const CSQLStatement& statement)
{
    return statement.Describe().toStdString();
}

// Two plain fields, the usual start of every case below.
void AddNameAndCount(CSQLMaker& maker)
{
    maker.AddSQLField("a", "x", true).AddIntField("b", 2);
}
} // namespace

TEST(CSQLMaker, InsertListsFieldsAndPlaceholdersInOrder)
{
    CSQLMaker maker("T");
    AddNameAndCount(maker);
    const CSQLStatement insert = maker.MakeInsertSQL();
    EXPECT_EQ(insert.Text, "insert into T ([a],[b]) values(?,?);");
    EXPECT_EQ(insert.Values, QVariantList({"x", 2}));
}

TEST(CSQLMaker, UpdateJoinsTheConditionAndTheExtraCondition)
{
    struct Case
    {
        const char* name;
        QString condition;
        QVariantList conditionValues;
        bool extra; // AddIntCondition("ID", 5)
        QString text;
        QVariantList values;
    };
    const Case cases[] = {
        {"no condition", "", {}, false, "update T set [a] = ?,[b] = ? ", {"x", 2}},
        {"extra only", "", {}, true, "update T set [a] = ?,[b] = ?  where (ID = ?)", {"x", 2, 5}},
        {"condition only",
         " where Name = ?",
         {"n"},
         false,
         "update T set [a] = ?,[b] = ?  where Name = ?",
         {"x", 2, "n"}},
        {"condition and extra",
         " where Name = ?",
         {"n"},
         true,
         "update T set [a] = ?,[b] = ?  where Name = ? and (ID = ?)",
         {"x", 2, "n", 5}},
        {"blank condition and extra",
         " ",
         {},
         true,
         "update T set [a] = ?,[b] = ?   and (ID = ?)",
         {"x", 2, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CSQLMaker maker("T");
        AddNameAndCount(maker);
        if (c.extra)
            maker.AddIntCondition("ID", 5);
        const CSQLStatement update = maker.MakeUpdateSQL(c.condition, c.conditionValues);
        EXPECT_EQ(update.Text, c.text) << Show(update);
        EXPECT_EQ(update.Values, c.values) << Show(update);
    }
}

TEST(CSQLMaker, ExtraConditionsJoinWithAnd)
{
    CSQLMaker maker("Room");
    maker.AddIntField("Floor", 3).AddIntCondition("ID", 5).AddIntCondition("parent_id", -1, "<>");
    const CSQLStatement update = maker.MakeUpdateSQL();
    EXPECT_EQ(update.Text, "update Room set [Floor] = ?  where (ID = ? and parent_id <> ?)");
    EXPECT_EQ(update.Values, QVariantList({3, 5, -1}));
}

TEST(CSQLMaker, AddSQLFieldBindsTextNumberOrNull)
{
    enum class Kind
    {
        Null,
        Text,
        Number
    };
    struct Case
    {
        QString value;
        bool quoted;
        Kind kind;
        QVariant expected;
    };
    const Case cases[] = {
        {"", false, Kind::Null, {}},         {QString(), false, Kind::Null, {}},
        {"", true, Kind::Text, QString("")}, {QString(), true, Kind::Text, QString("")},
        {"it's", true, Kind::Text, "it's"},  {"O'Neil", false, Kind::Text, "O'Neil"},
        {"0", true, Kind::Text, "0"},        {"0", false, Kind::Number, 0},
        {"-17", false, Kind::Number, -17},   {"12.5", false, Kind::Number, 12.5},
        {" ", false, Kind::Text, " "},       {"inf", false, Kind::Text, "inf"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.value.toStdString() << "\" quoted " << c.quoted);
        CSQLMaker maker("T");
        maker.AddSQLField("f", c.value, c.quoted);
        const QVariant bound = maker.MakeInsertSQL().Values.value(0);
        switch (c.kind) {
        case Kind::Null:
            EXPECT_TRUE(bound.isNull());
            break;
        case Kind::Text:
            ASSERT_EQ(bound.typeId(), QMetaType::QString);
            // A null text would be bound as SQL null.
            EXPECT_FALSE(bound.toString().isNull());
            EXPECT_EQ(bound.toString(), c.expected.toString());
            break;
        case Kind::Number:
            EXPECT_NE(bound.typeId(), QMetaType::QString);
            EXPECT_FALSE(bound.isNull());
            EXPECT_EQ(bound.toDouble(), c.expected.toDouble());
            break;
        }
    }
}

TEST(CSQLMaker, RealsKeepFullPrecision)
{
    const double values[] = {0.1 + 1e-12, 0.0000004, 12345.678901234567, -1e-300, 1e300};
    CSQLMaker maker("T");
    for (double value : values)
        maker.AddFloatField("r", value);
    const QVariantList bound = maker.MakeInsertSQL().Values;
    ASSERT_EQ(bound.size(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(bound[i].toDouble(), values[i]);
}

TEST(CSQLMaker, RepeatedFieldsAndRepeatedRequests)
{
    CSQLMaker maker("T");
    maker.AddIntField("a", 1).AddSQLField("b", "y", true).AddIntField("a", 2);
    maker.AddIntCondition("ID", 9);

    const CSQLStatement insert = maker.MakeInsertSQL();
    EXPECT_EQ(insert.Text, "insert into T ([a],[b],[a]) values(?,?,?);");
    EXPECT_EQ(insert.Values, QVariantList({1, "y", 2}));
    const CSQLStatement update = maker.MakeUpdateSQL();
    EXPECT_EQ(update.Text, "update T set [a] = ?,[b] = ?,[a] = ?  where (ID = ?)");
    EXPECT_EQ(update.Values, QVariantList({1, "y", 2, 9}));

    EXPECT_EQ(maker.MakeInsertSQL().Text, insert.Text);
    EXPECT_EQ(maker.MakeInsertSQL().Values, insert.Values);
    EXPECT_EQ(maker.MakeUpdateSQL().Text, update.Text);
    EXPECT_EQ(maker.MakeUpdateSQL().Values, update.Values);
}

TEST(CSQLMaker, StatementsRunOnARealTable)
{
    CTempDatabase db;
    db.Exec("create table Room (ID INTEGER, Name TEXT, Area REAL, Note TEXT, Remark TEXT)");
    const QString name = QStringLiteral("O'Neil's 会议室");
    const double area = 12.3456789012345;
    const auto insert = [&](int id) {
        CSQLMaker maker("Room");
        maker.AddIntField("ID", id)
            .AddSQLField("Name", name, true)
            .AddFloatField("Area", area)
            .AddSQLField("Note", "", false)
            .AddSQLField("Remark", "", true);
        return ExecQueryGuarded(db.Query(), maker.MakeInsertSQL());
    };
    ASSERT_EQ(insert(7), 1);
    ASSERT_EQ(insert(8), 1);

    CSQLMaker update("Room");
    update.AddSQLField("Name", "it's", true).AddFloatField("Area", 0.1 + 1e-12).AddIntCondition("ID", 7);
    EXPECT_EQ(ExecQueryGuarded(db.Query(), update.MakeUpdateSQL()), 1);

    CDbQuery& query = db.Query();
    OpenQueryGuarded(query,
                     "select ID, Name, Area, Note is null, Remark is null, Remark from Room order by ID");
    ASSERT_EQ(query.RecordCount(), 2);
    EXPECT_EQ(query.AsString("Name"), "it's");
    EXPECT_EQ(query.AsDouble("Area"), 0.1 + 1e-12);
    EXPECT_EQ(query.Field(3).toInt(), 1);
    EXPECT_EQ(query.Field(4).toInt(), 0);
    EXPECT_EQ(query.AsString("Remark"), "");
    query.Next();
    EXPECT_EQ(query.AsInt("ID"), 8);
    EXPECT_EQ(query.AsString("Name"), name);
    EXPECT_EQ(query.AsDouble("Area"), area);
}
