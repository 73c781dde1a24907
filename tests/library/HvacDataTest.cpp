// The attribute bag of a library record: values by key, comparison, copy, and the exchange with a
// row, whose numbers are read from text by the column's declared type.
#include "tests/model/ModelFixture.h"

#include "library/CHvacData.h"
#include "platform/core/CDbQuery.h"

namespace {

CHvacData Bag(const QMap<QString, QString>& values, const QByteArray& blob = {})
{
    CHvacData bag;
    bag.Values = values;
    bag.Blob = blob;
    return bag;
}

TEST(HvacData, AbsentKeysReadAsZeroAndStoringReplaces)
{
    CHvacData bag;
    QString value = "x";
    bag.ExchangeValue("K_S", value, false);
    EXPECT_EQ(value, "0");
    EXPECT_TRUE(bag.Blob.isEmpty());

    value = "1.5";
    bag.ExchangeValue("K_S", value, true);
    value = "2.5";
    bag.ExchangeValue("K_S", value, true);
    value.clear();
    bag.ExchangeValue("K_S", value, false);
    EXPECT_EQ(value, "2.5");
    EXPECT_EQ(bag.Values.size(), 1);
}

TEST(HvacData, EqualityComparesSharedKeysAndThePictureBytes)
{
    struct SCase
    {
        const char* what;
        CHvacData mine;
        CHvacData other;
        bool equal;
    };
    const SCase cases[] = {
        {"key only in the other", Bag({{"A", "1"}}), Bag({{"A", "1"}, {"B", "2"}}), true},
        {"key only in mine", Bag({{"A", "1"}, {"C", "9"}}), Bag({{"A", "1"}}), true},
        {"shared key differs", Bag({{"A", "1"}}), Bag({{"A", "2"}}), false},
        {"texts compare exactly", Bag({{"A", "1.0"}}), Bag({{"A", "1"}}), false},
        {"picture sizes differ", Bag({{"A", "1"}}, "abc"), Bag({{"A", "1"}}, "ab"), false},
        // A picture replaced by another of the same size is a change the library manager must save.
        {"same size, other bytes", Bag({{"A", "1"}}, "abc"), Bag({{"A", "1"}}, "abd"), false},
        {"same picture", Bag({{"A", "1"}}, "abc"), Bag({{"A", "1"}}, "abc"), true},
    };
    for (const SCase& c : cases)
        EXPECT_EQ(c.mine.IsEqual(c.other), c.equal) << c.what;
}

TEST(HvacData, AssignTakesExactlyTheOthersKeysAndPicture)
{
    CHvacData bag = Bag({{"A", "1"}, {"Z", "old"}}, "picture");
    bag.Assign(Bag({{"A", "2"}, {"B", "3"}}));
    EXPECT_EQ(bag.Values, (QMap<QString, QString>{{"A", "2"}, {"B", "3"}}));
    EXPECT_TRUE(bag.Blob.isEmpty());
    bag.Assign(Bag({}, "new"));
    EXPECT_EQ(bag.Blob, QByteArray("new"));
}

class HvacDataRowTest : public ModelFixture
{
protected:
    void SetUp() override
    {
        ModelFixture::SetUp();
        m_project.ExecSQL(
            {"create table Probe (ID INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT, catergory TEXT, "
             "Count INTEGER, Ratio REAL, Label TEXT, Kept REAL, BMP BLOB)"});
        m_project.ExecSQL({"insert into Probe (Name, catergory, Count, Ratio, Label, Kept, BMP) "
                           "values ('墙', '类', 5, 1.5, '旧', 9.75, x'0102')"});
        OpenQueryGuarded(m_query, {"select * from Probe"});
    }

    // The row after the bag was written into it.
    CDbQuery& SaveAndReread(const CHvacData& bag)
    {
        m_query.Edit();
        bag.SaveToQuery(m_query);
        m_query.Post();
        OpenQueryGuarded(m_query, {"select * from Probe"});
        return m_query;
    }

    CDbQuery m_query{m_project.ProjectCon};
};

TEST_F(HvacDataRowTest, LoadTakesEveryColumnButTheRecordsOwnAndKeepsHeldKeys)
{
    CHvacData bag = Bag({{"Extra", "kept"}, {"Count", "99"}});
    bag.LoadFromQuery(m_query);
    EXPECT_EQ(bag.Values,
              (QMap<QString, QString>{
                  {"Count", "5"}, {"Ratio", "1.5"}, {"Label", "旧"}, {"Kept", "9.75"}, {"Extra", "kept"}}));
    EXPECT_EQ(bag.Blob, QByteArray("\x01\x02"));
}

TEST_F(HvacDataRowTest, NumbersAreReadFromTheLeadingPartOfTheText)
{
    struct SCase
    {
        const char* text;
        qlonglong integer;
        double real;
    };
    const SCase cases[] = {
        {"12abc", 12, 12}, {"abc", 0, 0},    {"", 0, 0},        {"-3.75", -3, -3.75},
        {" 42", 42, 42},   {"1e3", 1, 1000}, {"+0.5x", 0, 0.5},
    };
    for (const SCase& c : cases) {
        const CDbQuery& row = SaveAndReread(Bag({{"Count", c.text}, {"Ratio", c.text}}));
        EXPECT_EQ(row.FieldByName("Count").toLongLong(), c.integer) << c.text;
        EXPECT_DOUBLE_EQ(row.AsDouble("Ratio"), c.real) << c.text;
    }
}

// A record frame shows only some columns; the bag it fills must not wipe the others.
TEST_F(HvacDataRowTest, OnlyTheKeysTheBagHoldsAreWritten)
{
    const int id = m_query.AsInt("ID");
    const CDbQuery& row = SaveAndReread(Bag({{"Label", "新"}, {"ID", "77"}, {"Name", "别名"}}, "pic"));
    EXPECT_EQ(row.AsString("Label"), "新");
    EXPECT_EQ(row.AsInt("Count"), 5);
    EXPECT_DOUBLE_EQ(row.AsDouble("Kept"), 9.75);
    EXPECT_EQ(row.AsInt("ID"), id);
    EXPECT_EQ(row.AsString("Name"), "墙");
    EXPECT_EQ(row.AsString("catergory"), "类");
    EXPECT_EQ(row.FieldByName("BMP").toByteArray(), QByteArray("pic"));

    // The picture always travels: an empty one clears the column.
    EXPECT_TRUE(SaveAndReread(Bag({})).FieldByName("BMP").isNull());
}

} // namespace
