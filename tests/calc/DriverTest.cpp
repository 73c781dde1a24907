#include "tests/calc/CalcFixture.h"

#include "calc/CIndexArea.h"
#include "calc/ResultByType.h"
#include "model/CBuilding.h"
#include "model/CRoom.h"
#include "model/CStorey.h"

// A command's run: the result pool, the progress window and the manager, with a total of the
// current design type.
class DriverTest : public CalcFixture
{
protected:
    struct SRun
    {
        int Kind = 0;
        QStringList Rooms;
        float Total = 0;
    };

    SRun Run(CNodeData* node, RecordingRoomEngine* engine)
    {
        CCalResultBuffer pool;
        CCalMsgOutput progress(QStringLiteral("正在计算最大负荷"), nullptr);
        void* total = nullptr;
        AllocResultByType(total);
        SRun run;
        {
            CCalculate_Manager manager;
            manager.SetRoomEngine(engine);
            run.Kind = manager.Calculate(Item(node), total);
            if (run.Kind >= 0) {
                for (const auto& building : manager.Buildings())
                    EXPECT_TRUE(building->Storeys.empty()) << "the run consumes the structure";
            }
        }
        run.Total = LoadOf(total);
        FreeResultByType(total);
        if (engine)
            run.Rooms = engine->Rooms;
        return run;
    }

    QStringList Captions(std::initializer_list<const CNodeData*> nodes)
    {
        QStringList captions;
        for (const CNodeData* node : nodes)
            captions << node->Caption();
        return captions;
    }

    static double IndexArea(CNodeData* node)
    {
        node->ReleaseElements(false, true);
        if (auto* building = dynamic_cast<CBuilding*>(node->LoadElement()))
            return building->GetIndexArea(-1);
        return dynamic_cast<CStorey*>(node->LoadElement())->GetIndexArea(-1);
    }
};

TEST_F(DriverTest, EveryNodeKindCalculatesItsRoomsIntoTheTotal)
{
    // The index area then follows the selected node's own area.
    SetDefault(QStringLiteral("AreaTypeForCalIndex"), QStringLiteral("1"));
    struct SCase
    {
        const char* name;
        CNodeData* node;
        int kind;
        QStringList rooms;
        float total; // the rooms' areas
        double area;
    };
    const SCase cases[] = {
        {"project", &Root(), 0, Captions({R1, R2, R3, R4, R5}), 150, IndexArea(B1) + IndexArea(B2)},
        {"building", B1, 1, Captions({R1, R2, R3, R4}), 100, IndexArea(B1)},
        {"storey", S1, 2, Captions({R1, R2, R3}), 60, IndexArea(S1)},
        // A folder takes its storey's kind and so its storey's area, with only its own rooms.
        {"folder", F1, 2, Captions({R3}), 30, IndexArea(S1)},
        {"room", R2, 3, Captions({R2}), 20, 20},
        {"element", Window1, 10, Captions({R1}), 10, 0},
    };
    for (const SCase& c : cases) {
        RecordingRoomEngine engine;
        const SRun run = Run(c.node, &engine);
        EXPECT_EQ(run.Kind, c.kind) << c.name;
        EXPECT_EQ(run.Rooms, c.rooms) << c.name;
        EXPECT_FLOAT_EQ(run.Total, c.total) << c.name;
        EXPECT_DOUBLE_EQ(CIndexArea::CoolingArea(), c.area) << c.name;
        EXPECT_DOUBLE_EQ(CIndexArea::HeatingArea(), c.area) << c.name;
        EXPECT_TRUE(engine.Buildings.isEmpty()) << c.name;
    }
}

TEST_F(DriverTest, CursorFollowsTheWalkAndElementsAreGivenBack)
{
    RecordingRoomEngine engine;
    Run(B1, &engine);
    const QString s1 = B1->Caption() + QLatin1Char('/') + S1->Caption();
    EXPECT_EQ(engine.Cursor, (QStringList{s1, s1, s1, B1->Caption() + QLatin1Char('/') + S2->Caption()}));
    // The driver holds no room's element objects after the room.
    EXPECT_EQ(R1->Element(), nullptr);
    EXPECT_EQ(Wall1->Element(), nullptr);
    EXPECT_EQ(R4->Element(), nullptr);
}

TEST_F(DriverTest, StopAfterRoomKLeavesKRoomsCalculated)
{
    for (int k = 1; k <= 3; ++k) {
        RecordingRoomEngine engine;
        // "终止" is pressed while room k lets input through its progress step.
        m_form.OnEvents = [&engine, k] {
            if (engine.Rooms.size() == k)
                CCalMsgOutput::Current().Stop();
        };
        const SRun run = Run(&Root(), &engine);
        EXPECT_EQ(run.Kind, -1) << k;
        EXPECT_EQ(run.Rooms.size(), k);
        // Room k was calculated but is not counted.
        const float counted[] = {0, 10, 30};
        EXPECT_FLOAT_EQ(run.Total, counted[k - 1]) << k;
    }
}

TEST_F(DriverTest, FailedRoomEndsTheRunWithoutItsResult)
{
    RecordingRoomEngine engine;
    engine.FailAt = 2;
    const SRun run = Run(S1, &engine);
    EXPECT_EQ(run.Kind, -1);
    EXPECT_EQ(run.Rooms, Captions({R1, R2}));
    EXPECT_FLOAT_EQ(run.Total, 10);
}

TEST_F(DriverTest, WithoutAnInstalledEngineTheManagerCalculatesTheRoomsItself)
{
    const SRun run = Run(S1, nullptr);
    EXPECT_EQ(run.Kind, 2);
    EXPECT_TRUE(m_calcHost.Messages.isEmpty()) << m_calcHost.Messages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(DriverTest, StopBeforeTheRunCalculatesNothing)
{
    RecordingRoomEngine engine;
    CCalResultBuffer pool;
    CCalMsgOutput progress(QStringLiteral("负荷计算"), nullptr);
    progress.Stop();
    void* total = nullptr;
    AllocResultByType(total);
    CCalculate_Manager manager;
    manager.SetRoomEngine(&engine);
    EXPECT_EQ(manager.Calculate(Item(S1), total), -1);
    EXPECT_TRUE(engine.Rooms.isEmpty());
    FreeResultByType(total);
}

TEST_F(DriverTest, DetailedCoolingAddsThePumpLoadOncePerSelectedBuilding)
{
    SetDesignType(3);
    struct SCase
    {
        const char* name;
        CNodeData* node;
        QStringList buildings;
        float total;
    };
    const SCase cases[] = {
        {"project", &Root(), Captions({B1, B2}), 150 + 2000},
        {"building", B2, Captions({B2}), 50 + 1000},
        {"storey", S3, {}, 50},
        {"room", R4, {}, 40},
    };
    for (const SCase& c : cases) {
        RecordingRoomEngine engine;
        const SRun run = Run(c.node, &engine);
        EXPECT_EQ(engine.Buildings, c.buildings) << c.name;
        EXPECT_FLOAT_EQ(run.Total, c.total) << c.name;
    }
}

TEST_F(DriverTest, RoomAreaFollowsItsSizeInputBeforeTheRoomIsCalculated)
{
    struct SCase
    {
        int mode;
        double expected;
    };
    for (const SCase& c : {SCase{1, 99}, SCase{0, 12}, SCase{2, 12}}) {
        auto* room = dynamic_cast<CRoom*>(R2->LoadElement());
        room->IsLWInputArea = c.mode;
        room->Length = 3;
        room->Width = 4;
        room->Area = 99;
        ASSERT_EQ(room->UpdateRecord(), 1);
        R2->ReleaseElements(false, true);
        RecordingRoomEngine engine;
        EXPECT_FLOAT_EQ(Run(R2, &engine).Total, c.expected) << c.mode;
    }
}
