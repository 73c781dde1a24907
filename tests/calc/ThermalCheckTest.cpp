// The minimum thermal-resistance check: the command on one selected element with the real library
// (verdict lines of message category 4), what it leaves alone, the arguments the library is given
// per kind, and the checks of the heating calculation.
#include "tests/calc/ExpectedCalls.h"
#include "tests/calc/RoomEngineFixture.h"

#include "calclib/dizedozev.h"
#include "model/CBasementWall.h"
#include "model/CBlindStorey.h"
#include "model/CCeiling.h"
#include "model/CGapWall.h"
#include "model/CGround.h"
#include "model/CInsideWall.h"
#include "model/COutsideDoor.h"
#include "model/COutsideWall.h"
#include "model/COutsideWindow.h"
#include "model/CRoom.h"
#include "model/CStorey.h"

#include <QRegularExpression>

namespace {

// Design state of the fixture: Beijing's heating design temperature and lowest daily mean
// (GB 50736-2012 Appendix A), an office at 18 ℃ / 40 % in a storey 3 m high.
constexpr double kTn = 18;
constexpr double kRh = 40;
constexpr double kTw = -7.6;
constexpr double kTwMin = -11.8;
constexpr double kStoreyHeight = 3;
constexpr double kGradient = 0.5;
constexpr int kBuildingType = 0;
constexpr int kStoreys = 3;

QString Verdict(const char* name, const char* kind, float r, float rMin, bool conforming)
{
    return QStringLiteral("4:%1(%2)的传热阻为%3 m^2℃/W，该围护结构的允许最小传热阻为%4 m^2℃/W，%5")
        .arg(QString::fromUtf8(name), QString::fromUtf8(kind), QString::number(r, 'f', 2),
             QString::number(rMin, 'f', 2),
             conforming ? QStringLiteral("符合规范要求。")
                        : QStringLiteral("不符合规范要求，请重新设计该围护结构。"));
}

} // namespace

// A heated office room in a building of three storeys; the tests give it the elements they check.
class ThermalCheckTest : public RoomEngineFixture
{
protected:
    void SetUp() override
    {
        RoomEngineFixture::SetUp();
        m_weather.WinterHeatingDesignDrybulbTemperature = kTw;
        m_weather.WinterLowestDesignDrybulbTemperature = kTwMin;
        Building = Make(&Root(), 1);
        Storey = Make(Building, 2);
        auto* storey = dynamic_cast<CStorey*>(Storey->LoadElement());
        storey->StoreyHeight = kStoreyHeight;
        ASSERT_EQ(storey->UpdateRecord(), 1);
        for (int i = 1; i < kStoreys; ++i)
            Make(Building, 2);
        Room = MakeRoom(Storey, 20);
        EditRoom(Room, [](CRoom& room) {
            room.Height = 3;
            room.HLRoomQuantity = 1;
            room.WinterHeatingTemperature = kTn;
            room.WinterHeatingRH = kRh;
            room.IsIndustryBuilding = 0;
            room.TemperatureGradient = kGradient;
            room.BuildingType = kBuildingType;
            room.IsHeating_Flood_Solar = 0;
        });
    }

    // A construction record; layered kinds have a thermal inertia D.
    void InsertRecord(const char* table, int id, const char* name, double k, double d = -1)
    {
        if (d < 0)
            m_project.ExecSQL(
                {QStringLiteral("insert into %1 (ID, Name, K_W) values (?, ?, ?)").arg(QLatin1String(table)),
                 {id, QString::fromUtf8(name), k}});
        else
            m_project.ExecSQL({QStringLiteral("insert into %1 (ID, Name, K_W, D) values (?, ?, ?, ?)")
                                   .arg(QLatin1String(table)),
                               {id, QString::fromUtf8(name), k, d}});
    }

    // An element of the construction, saved; its name column shows the construction's name.
    template <typename T>
    T* Add(CNodeData* parent, int materialId, const char* name, CNodeData** node = nullptr,
           const std::function<void(T&)>& edit = {})
    {
        CNodeData* made = Make(parent, T::TypeCode);
        if (node)
            *node = made;
        auto* element = dynamic_cast<T*>(made->LoadElement());
        element->material_id = materialId;
        element->MaterialName = QString::fromUtf8(name);
        element->IsLWInputArea = 1;
        element->Area = 10;
        if (edit)
            edit(*element);
        EXPECT_EQ(element->UpdateRecord(), 1);
        return element;
    }

    // The command on the node, as the main window runs it: a manager of its own.
    void Check(CNodeData* node, CCalcLibraryBase* library = nullptr)
    {
        Show();
        CCalculate_Manager manager;
        if (library)
            manager.SetCalcLibrary(library);
        manager.CheckMinThermalResistance(Item(node));
    }

    QStringList Lines(int category) const
    {
        return m_calcHost.OutputLines.filter(QRegularExpression(QStringLiteral("^%1:").arg(category)));
    }

    CNodeData* Building = nullptr;
    CNodeData* Storey = nullptr;
    CNodeData* Room = nullptr;
};

TEST_F(ThermalCheckTest, OutsideWallVerdictCarriesTheValuesTheLibraryReturns)
{
    CNodeData* wall = nullptr;
    InsertRecord("OutsideWall_Lib", 1, "砖墙", 0);
    Add<COutsideWall>(Room, 1, "砖墙", &wall);
    struct SCase
    {
        double K, D;
        bool Conforming;
    };
    // An insulated heavy wall, and a thin light wall that loses far more than allowed.
    const SCase cases[] = {{0.5, 3.5, true}, {2.5, 1.0, false}};
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.K);
        m_project.ExecSQL({QStringLiteral("update OutsideWall_Lib set K_W=?, D=? where ID=1"), {c.K, c.D}});
        m_calcHost.OutputLines.clear();
        Check(wall);

        float rMin = -1, r = -1;
        const bool conforming =
            ::CheckMinK_OutWall(static_cast<float>(c.K), static_cast<float>(c.D), kTn, kRh, kTw, kTwMin, 0,
                                kStoreyHeight, kGradient, kBuildingType, &rMin, &r) != 0;
        ASSERT_EQ(conforming, c.Conforming);
        EXPECT_EQ(m_calcHost.OutputLines, QStringList{Verdict("砖墙", "外墙", r, rMin, c.Conforming)});
    }
}

TEST_F(ThermalCheckTest, GroundWithoutCoefficientWarnsInABoxInsteadOfALine)
{
    CNodeData* ground = nullptr;
    InsertRecord("Ground_Lib", 1, "地面", 0);
    Add<CGround>(Room, 1, "地面", &ground);
    Check(ground);
    ASSERT_EQ(Dialogs().MessageBoxes.size(), 1);
    EXPECT_EQ(Dialogs().MessageBoxes[0].caption, QStringLiteral("警告"));
    EXPECT_EQ(Dialogs().MessageBoxes[0].message, QStringLiteral("地面相关系数勿设为零，请修正！"));
    EXPECT_EQ(Dialogs().MessageBoxes[0].icon, 0);
    EXPECT_TRUE(m_calcHost.OutputLines.isEmpty());

    // With a coefficient the ground is judged by the library.
    m_project.ExecSQL({QStringLiteral("update Ground_Lib set K_W=0.4 where ID=1")});
    Check(ground);
    float rMin = -1, r = -1;
    const bool conforming = ::CheckMinK_Ground(0.4f, 0, kTn, kRh, kTw, kTwMin, 0, kStoreyHeight, kGradient,
                                               kBuildingType, &rMin, &r) != 0;
    EXPECT_EQ(m_calcHost.OutputLines, QStringList{Verdict("地面", "地面", r, rMin, conforming)});
    EXPECT_EQ(Dialogs().MessageBoxes.size(), 1);
}

TEST_F(ThermalCheckTest, InsideWallWhoseHeatedNeighbourWasDeletedIsOnlyWarned)
{
    CNodeData* neighbour = MakeRoom(Storey, 15);
    const int neighbourId = neighbour->GetElementId();
    InsertRecord("InsideWall_Lib", 1, "隔墙", 1.5, 2.0);
    CNodeData* wall = nullptr;
    Add<CInsideWall>(Room, 1, "隔墙", &wall, [&](CInsideWall& w) {
        w.Name = QStringLiteral("隔墙A");
        w.AdjacentRoomStatus_Heating = 3;
        w.AdjacentRoomID = neighbourId;
    });
    ASSERT_TRUE(neighbour->DeleteNodeRows(true));

    Check(wall);
    const QString path =
        QStringLiteral("%1~%2~%3~隔墙A").arg(Building->Caption(), Storey->Caption(), Room->Caption());
    EXPECT_EQ(m_calcHost.OutputLines, QStringList{QStringLiteral("0:[内墙]%1[找不到邻室]").arg(path)});
}

TEST_F(ThermalCheckTest, ItemsWithoutACheckWriteNothing)
{
    InsertRecord("OutsideWall_Lib", 1, "砖墙", 0.5, 3.5);
    InsertRecord("Ceiling_Lib", 2, "楼板", 1.0, 3.0);
    InsertRecord("OutsideWindow_Lib", 3, "窗", 2.8);
    CNodeData* wall = nullptr;
    CNodeData* window = nullptr;
    CNodeData* ceiling = nullptr;
    CNodeData* lostWall = nullptr;
    Add<COutsideWall>(Room, 1, "砖墙", &wall);
    Add<COutsideWindow>(wall, 3, "窗", &window);
    Add<CCeiling>(Room, 2, "楼板", &ceiling);
    Add<COutsideWall>(Room, 99, "不存在的墙", &lostWall);

    struct SCase
    {
        const char* Name;
        CNodeData* Node;
    };
    const SCase cases[] = {
        {"window", window},
        {"ceiling", ceiling},
        {"room", Room},
        {"storey", Storey},
        {"project", &Root()},
        // Without its construction the wall has no K to check; the cache has said so.
        {"wall without construction", lostWall},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Check(c.Node);
        EXPECT_TRUE(Lines(4).isEmpty()) << Lines(4).join(QLatin1Char('\n')).toStdString();
    }
    EXPECT_FALSE(m_calcHost.Messages.isEmpty()) << "the missing construction is reported";

    // A room that the operating scheme leaves out has no element to check.
    m_calcHost.SchemeMode = true;
    Check(wall);
    EXPECT_TRUE(Lines(4).isEmpty());
    m_calcHost.SchemeMode = false;
    Check(wall);
    EXPECT_EQ(Lines(4).size(), 1);
}

TEST_F(ThermalCheckTest, EachKindHandsTheLibraryItsOwnArguments)
{
    InsertRecord("OutsideWall_Lib", 1, "砖墙", 0.5, 3.5);
    InsertRecord("OutsideDoor_Lib", 2, "外门", 2.0);
    InsertRecord("InsideWall_Lib", 3, "隔墙", 1.5, 2.0);
    InsertRecord("BlindStorey_Lib", 4, "闷顶", 0.875, 2.5);
    InsertRecord("GapWall_Lib", 5, "缝墙", 1.125, 1.5);
    InsertRecord("BasementWall_Lib", 6, "地下室墙", 0.6875, 4.5);
    CNodeData *wall = nullptr, *door = nullptr, *insideWall = nullptr, *attic = nullptr, *gap = nullptr,
              *basement = nullptr;
    Add<COutsideWall>(Room, 1, "砖墙", &wall);
    Add<COutsideDoor>(wall, 2, "外门", &door);
    // A staircase wall: its allowance depends on the storeys of the whole building.
    Add<CInsideWall>(Room, 3, "隔墙", &insideWall, [](CInsideWall& w) {
        w.AdjacentRoomStatus_Heating = 0;
        w.Winter_NearRoomDeltaT = 2;
    });
    Add<CBlindStorey>(Room, 4, "闷顶", &attic, [](CBlindStorey& a) {
        a.RibHeight = 0.12;
        a.RibDistance = 0.3;
    });
    Add<CGapWall>(Room, 5, "缝墙", &gap, [](CGapWall& g) { g.GapWallType = 1; });
    Add<CBasementWall>(Room, 6, "地下室墙", &basement);

    // The wall's check leaves 1.25 as its minimum.
    m_library.Fill = [](const RecordedCall& call, int output, int) {
        return call.Name == QLatin1String("CheckMinK_OutWall") && output == 0 ? 1.25 : output + 1.0;
    };
    const Args climate = {F(kTn), F(kRh), F(kTw), F(kTwMin)};
    const Args room = {I(0), F(kStoreyHeight), F(kGradient), I(kBuildingType)};
    struct SCase
    {
        const char* Name;
        CNodeData* Node;
        std::vector<ExpectedCall> Calls;
    };
    const SCase cases[] = {
        // A door alone takes its wall's minimum from the wall's check, which writes no line.
        {"door",
         door,
         {{QStringLiteral("CheckMinK_OutWall"), Cat({{F(0.5), F(3.5)}, climate, room, {OUT, OUT}})},
          {QStringLiteral("CheckMinK_OutDoor"), {F(1.25), F(2.0), OUT, OUT}}}},
        // Storey count of the building (not of the structure, which holds one), status, no
        // neighbour temperature, then the difference this room minus the neighbour.
        {"inside wall",
         insideWall,
         {{QStringLiteral("CheckMinK_IndoorWall_v2005"),
           Cat({{F(1.5), F(2.0)}, climate, {I(kStoreys), I(0), F(0)}, room, {OUT, OUT, F(-2)}})}}},
        {"attic",
         attic,
         {{QStringLiteral("CheckMinK_BlindStory"),
           Cat({{F(0.875), F(2.5), F(0.12), F(0.3)}, climate, room, {OUT, OUT}})}}},
        {"gap wall",
         gap,
         {{QStringLiteral("CheckMinK_FengWall"),
           Cat({{F(1.125), F(1.5)}, climate, room, {OUT, OUT, I(1)}})}}},
        // The basement wall's own K and D come from its record after two zeros.
        {"basement wall",
         basement,
         {{QStringLiteral("CheckMinK_BasementWall"),
           Cat({{F(0), F(0), F(0.6875), F(4.5)}, climate, room, {OUT, OUT}})}}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.Name);
        m_library.Calls.clear();
        m_calcHost.OutputLines.clear();
        Check(c.Node, &m_library);
        ASSERT_EQ(m_library.Calls.size(), static_cast<qsizetype>(c.Calls.size()))
            << m_library.Names().join(QLatin1Char(' ')).toStdString();
        for (size_t i = 0; i < c.Calls.size(); ++i)
            ExpectCall(m_library.Calls[static_cast<qsizetype>(i)], c.Calls[i]);
        EXPECT_EQ(Lines(4).size(), 1);
    }
    EXPECT_TRUE(m_calcHost.Messages.isEmpty()) << m_calcHost.Messages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(ThermalCheckTest, HeatingRunHandsEachDoorTheMinimumOfItsWall)
{
    SetDesignType(6);
    InsertRecord("OutsideWall_Lib", 1, "砖墙", 0.5, 3.5);
    InsertRecord("OutsideDoor_Lib", 2, "外门", 2.0);
    InsertRecord("OutsideWindow_Lib", 3, "窗", 2.8);
    for (int i = 0; i < 2; ++i) {
        CNodeData* wall = nullptr;
        Add<COutsideWall>(Room, 1, "砖墙", &wall);
        Add<COutsideDoor>(wall, 2, "外门");
        Add<COutsideWindow>(wall, 3, "窗");
    }
    // Each wall's check leaves a minimum of its own.
    m_library.Fill = [](const RecordedCall& call, int output, int) {
        return call.Name == QLatin1String("CheckMinK_OutWall") && output == 0 ? 1 + call.Sequence / 100.0
                                                                              : output + 1.0;
    };
    Show();
    ASSERT_NE(Run(Room), -1) << m_calcHost.Messages.join(QLatin1Char('\n')).toStdString();

    QList<RecordedCall> checks;
    for (const RecordedCall& call : m_library.Calls)
        if (call.Name.startsWith(QLatin1String("CheckMinK_")))
            checks << call;
    // Walls and doors only: windows are not checked.
    ASSERT_EQ(checks.size(), 4);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const RecordedCall& wall = checks[2 * i];
        const RecordedCall& door = checks[2 * i + 1];
        ASSERT_EQ(wall.Name, QStringLiteral("CheckMinK_OutWall"));
        ASSERT_EQ(door.Name, QStringLiteral("CheckMinK_OutDoor"));
        EXPECT_FLOAT_EQ(static_cast<float>(door.Real(1)), static_cast<float>(1 + wall.Sequence / 100.0));
    }
    EXPECT_EQ(Lines(4).size(), 4);
}
