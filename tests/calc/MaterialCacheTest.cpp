#include "tests/calc/CalcFixture.h"

#include "library/CLibraryRecords.h"

// Construction records 5 in the outside-wall and the inside-wall library.
class MaterialCacheTest : public CalcFixture
{
protected:
    void SetUp() override
    {
        CalcFixture::SetUp();
        m_project.ExecSQL({"insert into OutsideWall_Lib (ID, Name, K_S) values (5, '砖墙', 1.5)"});
        m_project.ExecSQL({"insert into InsideWall_Lib (ID, Name, K_S) values (5, '隔墙', 2.25)"});
    }
};

TEST_F(MaterialCacheTest, RecordIsReadOnceAndKeptPerKind)
{
    CCalculate_MaterialManager cache;
    auto* wall = dynamic_cast<CLIB_OutsideWall*>(cache.GetMaterial(0, Wall1, 5));
    ASSERT_NE(wall, nullptr);
    EXPECT_EQ(wall->Name, QStringLiteral("砖墙"));
    EXPECT_DOUBLE_EQ(wall->K_S, 1.5);

    // The second request does not read the table: the row is gone, the record stays.
    m_project.ExecSQL({"delete from OutsideWall_Lib where ID = 5"});
    EXPECT_EQ(cache.GetMaterial(0, nullptr, 5), wall);

    auto* inside = dynamic_cast<CLIB_InsideWall*>(cache.GetMaterial(1, nullptr, 5));
    ASSERT_NE(inside, nullptr);
    EXPECT_DOUBLE_EQ(inside->K_S, 2.25);
    EXPECT_TRUE(m_calcHost.Messages.isEmpty());
}

TEST_F(MaterialCacheTest, MissingRecordIsReportedAtEveryRequest)
{
    CCalculate_MaterialManager cache;
    const QString owner = Wall1->GetFullPath(QStringLiteral("~"));
    EXPECT_EQ(cache.GetMaterial(0, Wall1, 999), nullptr);
    EXPECT_EQ(cache.GetMaterial(0, Wall1, 999), nullptr);
    EXPECT_EQ(cache.GetMaterial(13, nullptr, 7), nullptr);
    EXPECT_EQ(cache.LoadMaterial(4, QStringLiteral("平屋顶"), 8, QStringLiteral("甲")), nullptr);
    const QString wallMessage = QStringLiteral("[%1] 外墙材料[ ID:999]不存在，请重新指定材料").arg(owner);
    EXPECT_EQ(
        m_calcHost.Messages,
        (QStringList{wallMessage, wallMessage, QStringLiteral("[] 地面材料[ ID:7]不存在，请重新指定材料"),
                     QStringLiteral("[甲] 屋顶材料[平屋顶 ID:8]不存在，请重新指定材料")}));
}

TEST_F(MaterialCacheTest, KindsWithoutLibraryRecordsGiveNothingSilently)
{
    CCalculate_MaterialManager cache;
    // Schedules, the weather and codes beyond the libraries.
    for (int kind : {17, 20, 21, 29, -1})
        EXPECT_EQ(cache.GetMaterial(kind, Wall1, 1), nullptr) << kind;
    EXPECT_TRUE(m_calcHost.Messages.isEmpty());
}
