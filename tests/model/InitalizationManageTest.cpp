#include "model/TInitalizationManage.h"

#include "platform/core/Exception.h"
#include "tests/model/ModelFixture.h"
#include "tests/platform/CTempDatabase.h"

namespace {
const char* CreateTable =
    "create table Initialization (ID integer primary key, I_Name text collate nocase, "
    "I_NameType text, I_Remark text, I_ValueType integer, I_EditType integer, I_Value text, "
    "I_ValueList text, I_MaxValue text, I_MinValue text)";

// A small Initialization table with a log of the rows every update statement touches.
class InitalizationManageTest : public ::testing::Test
{
protected:
    InitalizationManageTest() : m_tool(std::make_unique<CFakeToolDialogs>()) {}

    void SetUp() override { Fill(m_db); }

    static void Fill(CTempDatabase& db)
    {
        db.Exec(CreateTable);
        db.Exec("create table UpdateLog (I_Name text, I_Value text)");
        db.Exec("create trigger LogUpdate after update on Initialization begin "
                "insert into UpdateLog (I_Name, I_Value) values (new.I_Name, new.I_Value); end");
        // Stored out of ID order, with a name twice.
        const QList<QVariantList> rows{
            {3, "RoomUse", "房间用途", "房间缺省用途", 2, 1, "1", "I16", "", ""},
            {1, "autorefresh", "节能计算", "自动刷新", 0, 1, "1", "否|是", "", ""},
            {2, "ACLoadPlusPercent", "空调负荷计算", "附加百分比%", 1, 0, "5", "", "100", "0"},
            {4, "RoomUse", "房间用途", "第二行", 2, 1, "7", "I16", "", ""},
            {5, "DesignerName", "总体信息", "设计单位", 2, 0, "", "", "", ""},
        };
        for (const QVariantList& row : rows)
            db.Exec({"insert into Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, "
                     "I_Value, I_ValueList, I_MaxValue, I_MinValue) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                     row});
    }

    QString Stored(CTempDatabase& db, int id)
    {
        return db.Scalar({"select I_Value from Initialization where ID = ?", {id}}).toString();
    }
    int Updates(CTempDatabase& db) { return db.Scalar("select count(*) from UpdateLog").toInt(); }
    CFakeToolDialogs& Dialogs() { return static_cast<CFakeToolDialogs&>(m_tool.Dialogs()); }

    CTool m_tool;
    CTempDatabase m_db;
};
} // namespace

TEST(ParseListIndex, ReadsTheKindCodeAfterACapitalI)
{
    const QList<std::pair<QString, int>> cases{
        {"I16", 16},
        {"否|是", -1},
        {"i5", -1},
        {"I", 0},
        {"I3|x", 3},
        {"", -1},
        {"I17", 17},
        {"I 7", 7},
        {"I-2", -2},
        {"Ix", 0},
        {"I12345678", 1234567},
    };
    for (const auto& [list, index] : cases)
        EXPECT_EQ(ParseListIndex(list), index) << list.toStdString();
}

TEST_F(InitalizationManageTest, LoadsEveryRowInIdOrder)
{
    TInitalizationManage manage;
    manage.Load(m_db.Query());
    ASSERT_EQ(manage.GetCount(), 5);
    QStringList names;
    for (int i = 0; i < manage.GetCount(); ++i)
        names << manage.GetItem(i)->I_Name;
    EXPECT_EQ(names, QStringList({"autorefresh", "ACLoadPlusPercent", "RoomUse", "RoomUse", "DesignerName"}));

    const CInitalizationData* row = manage.GetItem(1);
    EXPECT_EQ(row->I_NameType, "空调负荷计算");
    EXPECT_EQ(row->I_Remark, "附加百分比%");
    EXPECT_EQ(row->I_ValueType, 1);
    EXPECT_EQ(row->I_EditType, 0);
    EXPECT_EQ(row->I_Value, "5");
    EXPECT_EQ(row->I_MaxValue, "100");
    EXPECT_EQ(row->I_MinValue, "0");
    EXPECT_EQ(row->ListIndex, -1);
    EXPECT_FALSE(row->Changed);
    EXPECT_EQ(manage.GetItem(2)->ListIndex, 16);
    EXPECT_TRUE(manage.GetItem(2)->RecordTable.isEmpty());

    EXPECT_EQ(manage.GetItem(-1), nullptr);
    EXPECT_EQ(manage.GetItem(5), nullptr);
    EXPECT_TRUE(Dialogs().Messages.isEmpty());
}

TEST_F(InitalizationManageTest, LookupTakesTheFirstRowOfExactlyThatName)
{
    TInitalizationManage manage;
    EXPECT_EQ(manage.GetInitValue("RoomUse"), QString());
    manage.Load(m_db.Query());
    const QList<std::pair<QString, QString>> cases{
        {"RoomUse", "1"}, {"autorefresh", "1"}, {"AutoRefresh", ""}, {"RoomUse ", ""}, {"Missing", ""},
    };
    for (const auto& [name, value] : cases)
        EXPECT_EQ(manage.GetInitValue(name), value) << name.toStdString();
}

TEST_F(InitalizationManageTest, ChangesStayInMemoryUntilSaved)
{
    TInitalizationManage manage;
    manage.Load(m_db.Query());
    manage.SetValue("ACLoadPlusPercent", "10");
    manage.SetValue("Missing", "3");
    EXPECT_EQ(manage.GetInitValue("ACLoadPlusPercent"), "10");
    EXPECT_EQ(manage.GetInitValue("Missing"), QString());
    EXPECT_EQ(Stored(m_db, 2), "5");

    manage.Save();
    EXPECT_EQ(Stored(m_db, 2), "10");
    EXPECT_EQ(Updates(m_db), 1);
    EXPECT_FALSE(manage.GetItem(1)->Changed);

    // Nothing pending: neither a second save nor a reload writes.
    manage.Save();
    manage.Load(m_db.Query());
    EXPECT_EQ(Updates(m_db), 1);
    EXPECT_EQ(manage.GetInitValue("ACLoadPlusPercent"), "10");
}

TEST_F(InitalizationManageTest, SavingARepeatedNameWritesEveryRowOfIt)
{
    TInitalizationManage manage;
    manage.Load(m_db.Query());
    manage.SetValue("RoomUse", "9");
    EXPECT_EQ(manage.GetItem(3)->I_Value, "7");
    manage.Save();
    EXPECT_EQ(Stored(m_db, 3), "9");
    EXPECT_EQ(Stored(m_db, 4), "9");
}

// The editor changes rows in place and marks them; a quote in a value is stored as typed.
TEST_F(InitalizationManageTest, RowsEditedInPlaceAreSavedWithTheirText)
{
    TInitalizationManage manage;
    manage.Load(m_db.Query());
    CInitalizationData* row = manage.GetItem(4);
    row->I_Value = "O'Neil 设计院";
    row->Changed = true;
    manage.Save();
    EXPECT_EQ(Stored(m_db, 5), "O'Neil 设计院");
    EXPECT_TRUE(Dialogs().Messages.isEmpty());
}

TEST_F(InitalizationManageTest, LoadingSavesPendingChangesFirst)
{
    TInitalizationManage manage;
    manage.Load(m_db.Query());
    manage.SetValue("autorefresh", "0");
    manage.Load(m_db.Query());
    EXPECT_EQ(Stored(m_db, 1), "0");
    EXPECT_EQ(manage.GetInitValue("autorefresh"), "0");
    EXPECT_FALSE(manage.GetItem(0)->Changed);
}

TEST_F(InitalizationManageTest, DestructionSavesPendingChanges)
{
    {
        TInitalizationManage manage;
        manage.Load(m_db.Query());
        manage.SetValue("autorefresh", "0");
    }
    EXPECT_EQ(Stored(m_db, 1), "0");
}

// A project connection switched to the next project before the reload: the pending value belongs
// to the project it was loaded from.
TEST_F(InitalizationManageTest, PendingValuesReachTheDatabaseTheyCameFrom)
{
    CTempDatabase other;
    Fill(other);
    CDbConnection project(QStringLiteral("InitalizationSwitch"));
    project.Open(m_db.FilePath());
    CDbQuery query(project);

    TInitalizationManage manage;
    manage.Load(query);
    manage.SetValue("ACLoadPlusPercent", "12");
    project.Open(other.FilePath());
    manage.Load(query);

    EXPECT_EQ(Stored(m_db, 2), "12");
    EXPECT_EQ(Stored(other, 2), "5");
    EXPECT_EQ(Updates(other), 0);
    EXPECT_EQ(manage.GetInitValue("ACLoadPlusPercent"), "5");

    // The same once the first project has been closed altogether.
    manage.SetValue("ACLoadPlusPercent", "20");
    project.Close();
    manage.Save();
    EXPECT_EQ(Stored(other, 2), "20");
    EXPECT_TRUE(Dialogs().Messages.isEmpty());
}

TEST_F(InitalizationManageTest, FailedWriteIsShownAndNotRetried)
{
    TInitalizationManage manage;
    manage.Load(m_db.Query());
    m_db.Exec(
        "create trigger Refuse before update on Initialization begin select raise(abort, 'refused'); end");
    manage.SetValue("autorefresh", "0");
    manage.Save();
    ASSERT_EQ(Dialogs().Messages.size(), 1);
    EXPECT_TRUE(Dialogs().Messages.first().contains("refused"));
    EXPECT_TRUE(
        Dialogs().Messages.first().contains("SQL: update Initialization set I_Value = ? where I_Name = ? "));
    EXPECT_EQ(Stored(m_db, 1), "1");
    EXPECT_EQ(manage.GetInitValue("autorefresh"), "0");
    manage.Save();
    EXPECT_EQ(Dialogs().Messages.size(), 1);
}

TEST_F(InitalizationManageTest, FailedSelectLeavesTheListEmpty)
{
    TInitalizationManage manage;
    manage.Load(m_db.Query());
    CTempDatabase empty;
    manage.Load(empty.Query());
    EXPECT_EQ(manage.GetCount(), 0);
    ASSERT_EQ(Dialogs().Messages.size(), 1);
    EXPECT_TRUE(Dialogs().Messages.first().endsWith("SQL:select * from Initialization order by ID"))
        << Dialogs().Messages.first().toStdString();
    EXPECT_EQ(manage.GetInitValue("autorefresh"), QString());
}

TEST_F(InitalizationManageTest, MissingColumnRaises)
{
    CTempDatabase broken;
    broken.Exec("create table Initialization (ID integer, I_Name text, I_Value text)");
    broken.Exec("insert into Initialization (ID, I_Name, I_Value) values (1, 'autorefresh', '1')");
    TInitalizationManage manage;
    EXPECT_THROW(manage.Load(broken.Query()), Exception);
    EXPECT_EQ(manage.GetCount(), 0);
}

TEST(InitalizationManageCurrent, IsTheRegisteredInstanceWhileItLives)
{
    EXPECT_FALSE(TInitalizationManage::Exists());
    {
        TInitalizationManage manage;
        EXPECT_EQ(&TInitalizationManage::Current(), &manage);
    }
    EXPECT_FALSE(TInitalizationManage::Exists());
}

using InitalizationOnShippedData = ModelFixture;

// Both data modules' queries read the shipped tables, without a message.
TEST_F(InitalizationOnShippedData, LoadsFromTheSystemDataAndTheBlankProject)
{
    TInitalizationManage manage;
    for (CDbQuery* query : {&m_sysParam.Initialization, &m_project.Initialization}) {
        manage.Load(*query);
        CDbQuery count(query->ConnectionName());
        OpenQueryGuarded(count, CSQLStatement("select count(*) from Initialization"));
        EXPECT_EQ(manage.GetCount(), count.Field(0).toInt());
        EXPECT_GT(manage.GetCount(), 0);
        EXPECT_EQ(manage.GetInitValue("AreaTypeForCalIndex"), "1");
    }
    EXPECT_TRUE(Dialogs().Messages.isEmpty());
}
