// Return-air and outdoor-air systems on a small project tree: rooms chosen by ID, names matched in
// any letter case, and the rooms following their system's rename and deletion.
#include "climate/CAirSystems.h"
#include "model/CRoom.h"
#include "tests/model/ProjectTreeFixture.h"

namespace {

class AirSystems : public ProjectTreeFixture
{
protected:
    void SetUp() override
    {
        ProjectTreeFixture::SetUp();
        m_b1 = Make(&Root(), 1);
        CNodeData* storey = Make(m_b1, 2);
        m_r1 = Make(storey, 3);
        m_r2 = Make(storey, 3);
        m_r3 = Make(storey, 3);
        m_b2 = Make(&Root(), 1);
        m_q1 = Make(Make(m_b2, 2), 3);
    }
    void Exec(const QString& sql, const QVariantList& values = {})
    {
        m_project.ExecSQL(CSQLStatement(sql, values));
    }
    static int Id(const CNodeData* node) { return node->GetElementId(); }
    static QList<int> Ids(const QList<SRoomRef>& rooms)
    {
        QList<int> ids;
        for (const SRoomRef& room : rooms)
            ids << room.ID;
        return ids;
    }

    CNodeData* m_b1 = nullptr;
    CNodeData* m_r1 = nullptr;
    CNodeData* m_r2 = nullptr;
    CNodeData* m_r3 = nullptr;
    CNodeData* m_b2 = nullptr;
    CNodeData* m_q1 = nullptr;
};

} // namespace

TEST_F(AirSystems, TheKindChoosesTableColumnAndCaption)
{
    struct
    {
        int outsideAir;
        const char* table;
        const char* field;
        const char* caption;
    } cases[] = {{0, "PrimaryAirSystem", "PrimaryAirSystemName", "回风系统管理"},
                 {1, "OutsideAirSystem", "OutsideAirSystemName", "新风系统管理"},
                 {2, "OutsideAirSystem", "OutsideAirSystemName", "新风系统管理"}};
    for (const auto& c : cases) {
        const CAirSystems systems(c.outsideAir);
        EXPECT_EQ(systems.SystemTable(), QString::fromUtf8(c.table));
        EXPECT_EQ(systems.SystemField(), QString::fromUtf8(c.field));
        EXPECT_EQ(systems.Caption(), QString::fromUtf8(c.caption));
    }
}

TEST_F(AirSystems, RoomsJoinAndLeaveByIdAndEachKindApart)
{
    CAirSystems primary(0);
    CAirSystems outside(1);
    ASSERT_TRUE(primary.NewName(QStringLiteral("回风'1")));
    ASSERT_TRUE(outside.NewName(QStringLiteral("新风1")));
    // Two rooms of one name in one storey; empty text and null both mean no system.
    Exec("update Room set Name='房间1' where ID=?", {Id(m_r2)});
    Exec("update Room set PrimaryAirSystemName='' where ID=?", {Id(m_r1)});
    Exec("update Room set PrimaryAirSystemName=null where ID=?", {Id(m_r3)});
    outside.Assign(QStringLiteral("新风1"), {Id(m_r1)});
    EXPECT_EQ(Ids(primary.FreeRooms(Id(m_b1))), QList<int>({Id(m_r1), Id(m_r2), Id(m_r3)}));
    EXPECT_EQ(Ids(outside.FreeRooms(Id(m_b1))), QList<int>({Id(m_r2), Id(m_r3)}));

    ASSERT_NE(m_q1->LoadElement(), nullptr);
    primary.Assign(QStringLiteral("回风'1"), {Id(m_q1), Id(m_r1)});
    EXPECT_EQ(Ids(primary.FreeRooms(Id(m_b1))), QList<int>({Id(m_r2), Id(m_r3)}));
    const QList<SRoomRef> rooms = primary.SystemRooms(QStringLiteral("回风'1"));
    ASSERT_EQ(rooms.size(), 2);
    EXPECT_EQ(rooms[0].SystemLine(), QStringLiteral("大楼1~楼层1~房间1"));
    EXPECT_EQ(rooms[1].SystemLine(), QStringLiteral("大楼2~楼层1~房间1"));
    EXPECT_EQ(rooms[1].FreeLine(), QStringLiteral("楼层1~房间1"));
    EXPECT_EQ(m_q1->Element(), nullptr);
    EXPECT_EQ(static_cast<CRoom*>(m_q1->LoadElement())->PrimaryAirSystemName, QStringLiteral("回风'1"));

    primary.Remove(QStringLiteral("回风'1"), {Id(m_r1)});
    EXPECT_EQ(Ids(primary.SystemRooms(QStringLiteral("回风'1"))), QList<int>{Id(m_q1)});
    EXPECT_EQ(Ids(outside.SystemRooms(QStringLiteral("新风1"))), QList<int>{Id(m_r1)});
}

TEST_F(AirSystems, RoomsFollowTheirSystemsRenameAndAreFreedByItsDeletion)
{
    CAirSystems outside(1);
    outside.NewName(QStringLiteral("A"));
    outside.NewName(QStringLiteral("B"));
    EXPECT_FALSE(outside.NewName(QStringLiteral("a")));
    outside.Assign(QStringLiteral("A"), {Id(m_r1), Id(m_q1)});
    Exec("update Room set OutsideAirSystemName='a' where ID=?", {Id(m_r2)});

    EXPECT_FALSE(outside.Rename(QStringLiteral("A"), QStringLiteral("b")));
    ASSERT_TRUE(outside.Rename(QStringLiteral("A"), QStringLiteral("C")));
    EXPECT_EQ(outside.Names(), QStringList({"C", "B"}));
    EXPECT_EQ(Ids(outside.SystemRooms(QStringLiteral("C"))), QList<int>({Id(m_r1), Id(m_r2), Id(m_q1)}));

    outside.Delete(QStringLiteral("c"));
    EXPECT_EQ(outside.Names(), QStringList{"B"});
    EXPECT_EQ(Ids(outside.FreeRooms(Id(m_b1))), QList<int>({Id(m_r1), Id(m_r2), Id(m_r3)}));
}
