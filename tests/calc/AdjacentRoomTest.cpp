#include "tests/calc/CalcFixture.h"

#include "model/CAdjacentRoomSlab.h"
#include "model/CInsideWall.h"
#include "model/CRoom.h"

// R1's inside wall, ceiling and floor against R5 (winter heating 18 ℃) or R4 (0 ℃).
class AdjacentRoomTest : public CalcFixture
{
protected:
    void SetUp() override
    {
        CalcFixture::SetUp();
        SetHeating(R5, 18);
        SetHeating(R4, 0);
        m_manager.BuildCalcStructure(Item(R1));
    }

    static void SetHeating(CNodeData* room, double temperature)
    {
        auto* element = dynamic_cast<CRoom*>(room->LoadElement());
        element->WinterHeatingTemperature = temperature;
        ASSERT_EQ(element->UpdateRecord(), 1);
    }

    CElementBase* Element(int kind, int status, int roomId)
    {
        for (int i = 0; i < R1->ChildCount(); ++i) {
            CNodeData* child = R1->Child(i);
            if (child->Type() != kind)
                continue;
            CElementBase* element = child->LoadElement();
            if (auto* wall = dynamic_cast<CInsideWall*>(element)) {
                wall->AdjacentRoomStatus_Heating = status;
                wall->AdjacentRoomID = roomId;
            } else if (auto* slab = dynamic_cast<CAdjacentRoomSlab*>(element)) {
                slab->AdjacentRoomStatus_Heating = status;
                slab->AdjacentRoomID = roomId;
            }
            return element;
        }
        return nullptr;
    }

    bool Get(int kind, CElementBase* element, double& temperature)
    {
        return m_manager.GetAdjacentRoom(kind, m_manager.CurrentBuilding(), m_manager.CurrentStorey(),
                                         element, nullptr, temperature);
    }

    CCalculate_Manager m_manager;
};

TEST_F(AdjacentRoomTest, HeatedNeighbourGivesItsTemperature)
{
    struct SCase
    {
        const char* name;
        int kind;
        int status;
        CNodeData* room;
        double temperature;
    };
    const SCase cases[] = {
        {"inside wall, heated room", 13, 3, R5, 18},
        {"ceiling, heated room at 0", 16, 2, R4, 0},
        {"floor, heated room", 21, 6, R5, 18},
        // Any other option needs no neighbour.
        {"inside wall, difference entered", 13, 4, nullptr, 0},
        {"ceiling, unheated room", 16, 3, nullptr, 0},
        {"floor, unheated basement", 21, 0, nullptr, 0},
    };
    for (const SCase& c : cases) {
        double temperature = -99;
        EXPECT_TRUE(Get(c.kind, Element(c.kind, c.status, c.room ? c.room->GetElementId() : -1), temperature))
            << c.name;
        EXPECT_DOUBLE_EQ(temperature, c.temperature) << c.name;
    }
    EXPECT_TRUE(m_calcHost.OutputLines.isEmpty());
}

TEST_F(AdjacentRoomTest, MissingNeighbourIsWarnedWithItsPath)
{
    const QString path = B1->Caption() + QLatin1Char('~') + S1->Caption() + QLatin1Char('~') + R1->Caption() +
                         QLatin1Char('~');
    struct SCase
    {
        int kind;
        int status;
        int roomId;
        const char* text;
    };
    const SCase cases[] = {
        {21, 6, 0, "[地板]%1地板1[找不到邻室]"},
        {16, 2, 99999, "[楼板]%1楼板1[找不到邻室]"},
        {13, 3, -1, "[内墙]%1内墙1[找不到邻室]"},
    };
    for (const SCase& c : cases) {
        m_calcHost.OutputLines.clear();
        double temperature = -99;
        EXPECT_FALSE(Get(c.kind, Element(c.kind, c.status, c.roomId), temperature)) << c.text;
        EXPECT_DOUBLE_EQ(temperature, 0.0);
        EXPECT_EQ(m_calcHost.OutputLines,
                  QStringList{QStringLiteral("0:") + QString::fromUtf8(c.text).arg(path)});
    }
}

TEST_F(AdjacentRoomTest, OtherKindsGiveFalseAndLeaveTheTemperature)
{
    double temperature = -99;
    EXPECT_FALSE(Get(9, Wall1->LoadElement(), temperature));
    EXPECT_DOUBLE_EQ(temperature, -99);
    EXPECT_TRUE(m_calcHost.OutputLines.isEmpty());
}
