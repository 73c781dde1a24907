#include "tests/calc/CalcFixture.h"

#include "calc/CCalculate_Result_IsACLoadSimpleEstimation.h"
#include "model/CNodeData.h"

namespace {
QString Captions(const CBaseDataList& list)
{
    QStringList captions;
    for (const auto& entry : list)
        captions << entry->Caption;
    return captions.join(QLatin1Char(','));
}

// One line per building, storey and room: "B 大楼1", " S 楼层1", "  R 房间1".
QStringList Levels(CCalculate_Manager& manager)
{
    QStringList lines;
    for (const auto& building : manager.Buildings()) {
        lines << QStringLiteral("B ") + building->Entry.Caption;
        for (const auto& storey : building->Storeys) {
            lines << QStringLiteral(" S ") + storey->Entry.Caption;
            for (const auto& room : storey->Rooms)
                lines << QStringLiteral("  R ") + room->Entry.Caption;
        }
    }
    return lines;
}

// The elements of a room, one line per slot that holds something.
QStringList Contents(const CCalculate_Room& room)
{
    QStringList lines;
    if (room.People)
        lines << QStringLiteral("people ") + room.People->Caption;
    if (room.Lighting)
        lines << QStringLiteral("lighting ") + room.Lighting->Caption;
    for (int kind : CCalculate_Room::ElementListKinds)
        for (const auto& entry : room.Elements(kind)) {
            EXPECT_EQ(entry->Kind, kind);
            lines << QStringLiteral("%1 %2").arg(kind).arg(entry->Caption);
        }
    for (const auto& wall : room.OutsideWalls)
        lines << QStringLiteral("outside %1 [%2] [%3]")
                     .arg(wall->Wall->Caption, Captions(wall->Windows), Captions(wall->Doors));
    for (const auto& wall : room.InsideWalls)
        lines << QStringLiteral("inside %1 [%2] [%3]")
                     .arg(wall->Wall->Caption, Captions(wall->Windows), Captions(wall->Doors));
    for (const auto& roof : room.Roofs)
        lines << QStringLiteral("roof %1 [%2]").arg(roof->Roof->Caption, Captions(roof->SkyWindows));
    return lines;
}

const CCalculate_Room& OnlyRoom(CCalculate_Manager& manager)
{
    return *manager.Buildings().at(0)->Storeys.at(0)->Rooms.at(0);
}
} // namespace

class StructureTest : public CalcFixture
{
protected:
    QStringList Expected(std::initializer_list<const CNodeData*> nodes)
    {
        QStringList lines;
        for (const CNodeData* node : nodes)
            lines << QString(node->Type() == 1 ? "B " : node->Type() == 2 ? " S " : "  R ") + node->Caption();
        return lines;
    }
};

TEST_F(StructureTest, ProjectGivesZeroAndEveryEnabledRoomWithItsElements)
{
    CCalMsgOutput progress(QStringLiteral("负荷计算"), nullptr);
    CCalculate_Manager manager;
    EXPECT_EQ(manager.BuildCalcStructure(Item(&Root())), 0);

    // R6 is disabled; R3 sits in a folder of S1.
    EXPECT_EQ(Levels(manager), Expected({B1, S1, R1, R2, R3, S2, R4, B2, S3, R5}));
    EXPECT_EQ(m_form.MainLine, QStringLiteral("正在生成处理结构"));
    EXPECT_EQ(m_form.Maximum, 5);
    EXPECT_EQ(progress.Maximum(), 5);
    EXPECT_EQ(progress.Position(), 0);

    const CCalculate_Room& r1 = *manager.Buildings()[0]->Storeys[0]->Rooms[0];
    const QStringList contents = Contents(r1);
    // The second people element replaced the first.
    EXPECT_EQ(contents.value(0), QStringLiteral("people 人员2"));
    EXPECT_EQ(contents.value(1), QStringLiteral("lighting 照明1"));
    for (int kind : CCalculate_Room::ElementListKinds)
        EXPECT_EQ(r1.Elements(kind).size(), 1u) << kind;
    EXPECT_TRUE(contents.contains(QStringLiteral("outside 外墙1 [外窗1] [外门1]")));
    EXPECT_TRUE(contents.contains(QStringLiteral("inside 内墙1 [内窗1] [内门1]")));
    EXPECT_TRUE(contents.contains(QStringLiteral("roof 屋顶1 [天窗1]")));

    // The disabled wall of R2 is left out with its window.
    EXPECT_TRUE(Contents(*manager.Buildings()[0]->Storeys[0]->Rooms[1]).isEmpty());
    const CBaseData& entry = r1.Entry;
    EXPECT_EQ(entry.Kind, 3);
    EXPECT_EQ(entry.Node, R1);
    EXPECT_EQ(entry.Id, QString::number(R1->GetElementId()));
}

TEST_F(StructureTest, SelectionGivesItsKindItsAncestorsAndItsOwnSubtree)
{
    struct SCase
    {
        const char* name;
        CNodeData* node;
        int kind;
        QStringList levels;
    };
    const SCase cases[] = {
        {"building", B1, 1, Expected({B1, S1, R1, R2, R3, S2, R4})},
        {"storey", S1, 2, Expected({B1, S1, R1, R2, R3})},
        {"folder", F1, 2, Expected({B1, S1, R3})},
        {"room", R2, 3, Expected({B1, S1, R2})},
        // The walk up takes a disabled node like an enabled one.
        {"disabled room", R6, 3, Expected({B2, S3, R6})},
        {"window", Window1, 10, Expected({B1, S1, R1})},
    };
    for (const SCase& c : cases) {
        CCalculate_Manager manager;
        EXPECT_EQ(manager.BuildCalcStructure(Item(c.node)), c.kind) << c.name;
        EXPECT_EQ(Levels(manager), c.levels) << c.name;
    }
}

TEST_F(StructureTest, SelectedElementBringsOnlyItsBranch)
{
    CCalculate_Manager manager;
    manager.BuildCalcStructure(Item(Window1));
    EXPECT_EQ(Contents(OnlyRoom(manager)), QStringList{QStringLiteral("outside 外墙1 [外窗1] []")});
    EXPECT_EQ(manager.CurrentOutsideWall()->Wall->Node, Wall1);
}

TEST_F(StructureTest, SchemeModeKeepsOnlyTheSchemesRooms)
{
    m_calcHost.SchemeMode = true;
    m_calcHost.SchemeRooms = {R1->NodeId(), R3->NodeId()};
    {
        CCalMsgOutput progress(QStringLiteral("负荷计算"), nullptr);
        CCalculate_Manager manager;
        manager.BuildCalcStructure(Item(&Root()));
        EXPECT_EQ(Levels(manager), Expected({B1, S1, R1, R3, S2, B2, S3}));
        EXPECT_EQ(progress.Maximum(), 2);
    }
    CCalculate_Manager manager;
    EXPECT_EQ(manager.BuildCalcStructure(Item(R2)), 3);
    EXPECT_EQ(Levels(manager), Expected({B1, S1}));
    EXPECT_EQ(manager.CurrentRoom(), nullptr);
}

TEST_F(StructureTest, BuildFromTheProjectItemTakesItsEnabledSubtree)
{
    CCalMsgOutput progress(QStringLiteral("负荷计算"), nullptr);
    CCalculate_Manager manager;
    manager.BuildCalcStructureFrom(Item(&Root()));
    EXPECT_EQ(Levels(manager), Expected({B1, S1, R1, R2, R3, S2, R4, B2, S3, R5}));
    EXPECT_EQ(progress.Maximum(), 5);
}

TEST_F(StructureTest, EntriesWithoutAPlaceAreDiscarded)
{
    CCalculate_Manager manager;
    manager.BuildCalcStructure(Item(R2));
    int rooms = 0;
    for (int kind : {0, -1, 30, 31, 10, 11, 14, 15, 18}) {
        auto entry = std::make_unique<CBaseData>();
        entry->Kind = kind;
        entry->Caption = QStringLiteral("x");
        manager.AddNode(std::move(entry), rooms);
    }
    // No wall or roof is current in R2, so its openings have no place either.
    EXPECT_TRUE(Contents(OnlyRoom(manager)).isEmpty());
    EXPECT_EQ(rooms, 0);

    // A window met after a new room never lands on the wall of the room before.
    CCalculate_Manager branch;
    branch.BuildCalcStructure(Item(Window1));
    branch.AddNode(std::make_unique<CBaseData>(*Item(R2)), rooms);
    branch.AddNode(std::make_unique<CBaseData>(*Item(Window1)), rooms);
    EXPECT_EQ(branch.CurrentOutsideWall(), nullptr);
    EXPECT_EQ(branch.Buildings()[0]->Storeys[0]->Rooms[0]->OutsideWalls[0]->Windows.size(), 1u);
    EXPECT_EQ(rooms, 1);

    // Without a current building a storey has no place.
    CCalculate_Manager empty;
    auto storey = std::make_unique<CBaseData>();
    storey->Kind = 2;
    empty.AddNode(std::move(storey), rooms);
    EXPECT_TRUE(empty.Buildings().empty());
}

TEST_F(StructureTest, ClearingGivesResultsBackToThePool)
{
    CCalResultBuffer pool;
    {
        CCalculate_Manager manager;
        manager.BuildCalcStructure(Item(S1));
        CCalculate_Storey& storey = *manager.Buildings()[0]->Storeys[0];
        CCalculate_Room& room = *storey.Rooms[0];
        pool.AcquireResult(room.Result);
        pool.AcquireResult(storey.Result);
        pool.AcquireResult(manager.Buildings()[0]->Result);
        room.Clear();
        EXPECT_EQ(room.Result, nullptr);
        EXPECT_TRUE(room.OutsideWalls.empty());
        EXPECT_TRUE(room.Elements(6).empty());
        EXPECT_NE(room.People, nullptr);
        EXPECT_EQ(pool.SpareCount(), 1);
        pool.AcquireResult(storey.Rooms[1]->Result);
    }
    // The manager's destructor returns what the structure still held.
    EXPECT_EQ(pool.SpareCount(), 3);
}
