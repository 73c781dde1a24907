#include "tests/calc/RoomEngineFixture.h"

#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "calc/CIndexArea.h"
#include "model/CRoom.h"

#include <algorithm>
#include <map>
#include <set>

namespace {
class ACDetailedTest : public RoomEngineFixture
{
protected:
    void SetUp() override
    {
        RoomEngineFixture::SetUp();
        SetDesignType(3);
    }

    // A bare room context for the totals: the room element alone.
    RoomCalcContext ContextOf(CRoom& room)
    {
        RoomCalcContext context;
        context.Room = &room;
        return context;
    }
};

TEST_F(ACDetailedTest, FanDuctAndEnclosureMoistureCallsAndWhereTheirOutputsGo)
{
    const QString office = QStringLiteral("办公人员-公共建筑节能标准");
    const QString allDay = QStringLiteral("全天运行");
    // Winter call outputs 10, 11; summer 20, 21 (fan); 30, 31 and 40, 41 (enclosure).
    // The n-th call of a function, counted over the whole run (a call fills its outputs hour by hour).
    std::map<int, int> fanOrder, enclosureOrder;
    m_library.Fill = [&](const RecordedCall& call, int output, int) {
        const auto order = [&](std::map<int, int>& seen) {
            return seen.emplace(call.Sequence, static_cast<int>(seen.size())).first->second;
        };
        if (call.Name == QLatin1String("GetCL_FanAndDuct"))
            return (order(fanOrder) % 2 == 0 ? 10.0 : 20.0) + output;
        if (call.Name == QLatin1String("GetDL_Enclosure"))
            return (order(enclosureOrder) % 2 == 0 ? 30.0 : 40.0) + output;
        return 0.0;
    };
    struct SCase
    {
        int Cooling, Heating;
        float A108, A109, A118, A119;
    };
    const SCase cases[] = {
        {1, 1, 20, 10, 41, 31},
        {1, 0, 20, 10, 41, 0},
        {0, 1, 0, 0, 0, 31},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.Cooling * 10 + c.Heating);
        EditRoom(R4, [&](CRoom& room) {
            room.ACRoomQuantity = c.Cooling;
            room.ACHRoomQuantity = c.Heating;
            room.WindQuantity = 1200;
            room.WindFanTemRise = 0.8;
            room.WindPipeTemRise = 0.4;
            room.Fan_Time = office;
            room.Maintenance_Gain = 150;
            room.Maintenance_Time = allDay;
        });
        m_library.Calls.clear();
        ASSERT_EQ(Run(R4), 3);

        const QList<RecordedCall> fan = m_library.CallsOf(QStringLiteral("GetCL_FanAndDuct"));
        const QList<RecordedCall> enclosure = m_library.CallsOf(QStringLiteral("GetDL_Enclosure"));
        ASSERT_EQ(fan.size(), 2);
        ASSERT_EQ(enclosure.size(), 2);
        for (const RecordedCall& call : fan) {
            EXPECT_DOUBLE_EQ(call.Real(1), 1200);
            EXPECT_DOUBLE_EQ(call.Real(2), 0.8); // doubles pass unnarrowed
            EXPECT_DOUBLE_EQ(call.Real(3), 0.4);
            EXPECT_TRUE(call.IsOutput(5));
        }
        for (const RecordedCall& call : enclosure) {
            EXPECT_DOUBLE_EQ(call.Real(1), 150);
            EXPECT_TRUE(call.IsOutput(3));
            EXPECT_TRUE(call.IsOutput(4));
            EXPECT_EQ(call.Input(2), std::vector<double>(24, 1.0));
        }
        // The office schedule is empty at night on both design days; January comes first.
        EXPECT_EQ(fan[0].Input(4)[2], 0.0);
        EXPECT_FLOAT_EQ(fan[0].Input(4)[9], 0.95f);
        EXPECT_EQ(fan[0].Input(4), fan[1].Input(4));
        // The room-level calls come last, after every element pass.
        EXPECT_EQ(m_library.Names().mid(m_library.Calls.size() - 4),
                  (QStringList{QStringLiteral("GetCL_FanAndDuct"), QStringLiteral("GetCL_FanAndDuct"),
                               QStringLiteral("GetDL_Enclosure"), QStringLiteral("GetDL_Enclosure")}));

        const auto& h = Total<CCalculate_Result_IsACLoadCalculation>().Hourly;
        EXPECT_EQ(h[108][6], c.A108);
        EXPECT_EQ(h[109][6], c.A109);
        EXPECT_EQ(h[118][6], c.A118);
        EXPECT_EQ(h[119][6], c.A119);
        EXPECT_EQ(h[116][6], 40) << "moisture whatever the room's switches";
        EXPECT_EQ(h[117][6], 30);
    }
}

// Where each component of the room's arrays lands in the totals: a value of 1 (cooling side) or -1
// (heating side) in one array at a time.
TEST_F(ACDetailedTest, EveryComponentReachesItsTotalsOnce)
{
    CRoom room;
    room.Area = 20;
    struct SCase
    {
        std::vector<int> Sources;
        std::set<int> Targets;
    };
    const std::vector<int> coolingEnvelope = {84, 54, 60, 86, 62,  64, 74, 78,  88,
                                              68, 82, 96, 76, 102, 80, 92, 104, 118};
    const std::vector<int> heatingEnvelope = {85, 55, 61, 87, 63,  65, 75, 79,  89,
                                              69, 83, 97, 77, 103, 81, 93, 105, 119};
    const SCase cooling[] = {
        {coolingEnvelope, {90, 2, 3, 0, 1}},
        {{26, 28, 32, 34, 38, 46}, {2, 3, 0, 1}}, // lighting, equipment, food, infiltration
        {{20, 42}, {2, 0}}, // people total and water surfaces: latent counts in full heat only
        {{21}, {3, 1}},
        {{6}, {0}},
        {{7}, {1}},
        {{108}, {0, 1}},
    };
    const SCase heating[] = {
        {heatingEnvelope, {91, 11, 12, 9, 10}},
        {{27, 29, 33, 35, 39, 47}, {11, 12, 9, 10}},
        {{23, 43}, {11, 9}},
        {{24}, {12, 10}},
        {{15}, {9}},
        {{16}, {10}},
    };
    const SCase moisture[] = {
        {{116, 22, 30, 36, 40, 44, 48}, {4}},
        {{117, 25, 31, 37, 41, 45, 49}, {18}},
    };
    const int watched[] = {0, 1, 2, 3, 4, 9, 10, 11, 12, 13, 14, 18, 90, 91};
    const auto check = [&](const SCase& c, float value) {
        for (int source : c.Sources) {
            SCOPED_TRACE(source);
            CCalculate_Result_IsACLoadCalculation result;
            result.Reset();
            std::fill_n(result.Hourly[source], 24, value);
            RoomCalcContext context = ContextOf(room);
            CCalculate_Manager manager;
            manager.CalculateACTotals(context, result);
            for (int array : watched)
                EXPECT_EQ(result.Hourly[array][7], c.Targets.count(array) ? value : 0.0f)
                    << "array " << array;
        }
    };
    for (const SCase& c : cooling)
        check(c, 1.0f);
    for (const SCase& c : heating)
        check(c, -1.0f);
    for (const SCase& c : moisture)
        check(c, 5.0f);
}

TEST_F(ACDetailedTest, WinterGainsMoveToTheWinterCoolingArraysAndStratificationScalesIndoorLoadsOnly)
{
    CRoom room;
    room.Area = 20;
    room.IsFenCengAir = 1;
    room.FenCengAir = 70;
    CCalculate_Result_IsACLoadCalculation result;
    result.Reset();
    auto& h = result.Hourly;
    for (int hour = 0; hour < 24; ++hour) {
        h[27][hour] = hour >= 8 && hour < 18 ? 300.0f : -100.0f; // winter lighting beats the losses by day
        h[85][hour] = -200.0f;                                   // winter outside-wall loss
        h[13][hour] = 7.0f;                                      // as the food pass leaves it
        h[15][hour] = -400.0f;                                   // winter outdoor air
        h[20][hour] = 500.0f;                                    // summer people
        h[6][hour] = 600.0f;                                     // summer outdoor air
        h[108][hour] = 50.0f;                                    // summer fan and duct
    }
    RoomCalcContext context = ContextOf(room);
    CIndexArea::Reset();
    CCalculate_Manager manager;
    manager.CalculateACTotals(context, result);

    // Day: 300 - 200 = 100 W of gain is a winter cooling load, scaled to 70; night: a 300 W loss.
    EXPECT_FLOAT_EQ(h[13][12], 70.0f);
    EXPECT_FLOAT_EQ(h[14][12], 70.0f);
    EXPECT_FLOAT_EQ(h[11][12], 0.0f);
    EXPECT_FLOAT_EQ(h[9][12], -400.0f) << "the outdoor air is not stratified";
    EXPECT_FLOAT_EQ(h[11][2], -210.0f);
    EXPECT_FLOAT_EQ(h[9][2], -610.0f);
    EXPECT_FLOAT_EQ(h[13][2], 4.9f) << "the food pass's share stays where the room loses heat";
    // Summer: people 500 -> 350 indoors; outdoor air and fan count in full.
    EXPECT_FLOAT_EQ(h[2][12], 350.0f);
    EXPECT_FLOAT_EQ(h[0][12], 350.0f + 600.0f + 50.0f);
    EXPECT_FLOAT_EQ(h[1][12], 50.0f);
    EXPECT_DOUBLE_EQ(CIndexArea::CoolingArea(), 20);
    EXPECT_DOUBLE_EQ(CIndexArea::HeatingArea(), 20);
}

TEST_F(ACDetailedTest, TheUnitSettingConvertsLoadsButNotMoisture)
{
    m_parameters.Unit = 1;
    CRoom room;
    room.Area = 20;
    CCalculate_Result_IsACLoadCalculation result;
    result.Reset();
    std::fill_n(result.Hourly[20], 24, 1000.0f);
    std::fill_n(result.Hourly[116], 24, 100.0f);
    RoomCalcContext context = ContextOf(room);
    CCalculate_Manager manager;
    manager.CalculateACTotals(context, result);
    EXPECT_FLOAT_EQ(result.Hourly[0][3], 859.8452f);
    EXPECT_FLOAT_EQ(result.Hourly[2][3], 859.8452f);
    EXPECT_FLOAT_EQ(result.Hourly[4][3], 100.0f);
    EXPECT_FLOAT_EQ(result.Hourly[116][3], 100.0f);
}

TEST_F(ACDetailedTest, ElementPassesRunInTheirOrder)
{
    // R1 holds one element of every kind, each with the default construction (ID 1).
    for (const char* table : {"OutsideWall_Lib", "InsideWall_Lib", "Ceiling_Lib", "Floor_Lib", "Roof_Lib",
                              "BlindStorey_Lib", "ProjectionFloor_Lib", "GapWall_Lib"})
        m_project.ExecSQL({QStringLiteral("insert into %1 (ID, Name, K_S, K_W, Beta, Kesi_S, Kesi_W) "
                                          "values (1, '构造', 1, 1, 0.5, 6, 6)")
                               .arg(QLatin1String(table))});
    for (const char* table : {"OutsideWindow_Lib", "OutsideDoor_Lib", "GlassCurtainWall_Lib", "GlassRoof_Lib",
                              "SkyWindow_Lib"})
        m_project.ExecSQL({QStringLiteral("insert into %1 (ID, Name, K_S, K_W, g) values (1, '玻璃', 3, 3, 0.5)")
                               .arg(QLatin1String(table))});
    for (const char* table : {"InsideWindow_Lib", "InsideDoor_Lib", "Ground_Lib", "BasementWall_Lib"})
        m_project.ExecSQL({QStringLiteral("insert into %1 (ID, Name, K_S, K_W) values (1, '构造', 2, 2)")
                               .arg(QLatin1String(table))});
    SetDefault(QStringLiteral("IsCalculateAirInfiltration"), QStringLiteral("1"));
    EditRoom(R1, [](CRoom& room) {
        room.ACRoomQuantity = 1;
        room.ACHRoomQuantity = 1;
    });
    ASSERT_EQ(Run(R1), 3) << m_calcHost.Messages.join(QLatin1Char('\n')).toStdString();
    const QStringList names = m_library.Names();
    // The first call characteristic of each kind, in the order the kinds are calculated.
    const QStringList markers = {
        QStringLiteral("SetDesignContext"),
        QStringLiteral("GetCL_InEnclose_Floor_v2005"), // floor slabs, floors
        QStringLiteral("GetCL_OutEnclose_Roof"),       // attics
        QStringLiteral("GetCL_SkyWindow_Solar_Angle"), // glass roofs
        QStringLiteral("GetCL_Ground"),
        QStringLiteral("GetCL_BasementWall"),
        QStringLiteral("GetCL_ProjectionFloor"),
        QStringLiteral("GetCL_GapWall"),
        QStringLiteral("GetCL_FreshAir_D"),
        QStringLiteral("GetDL_Person"),
        QStringLiteral("GetCL_Light"),
        QStringLiteral("GetCL_HeatingEquipment"),
        QStringLiteral("GetCL_Addition_Food"),
        QStringLiteral("GetCL_Addition_Vapor_Precision"),
        QStringLiteral("GetCL_Addition_Infiltration_N"),
        QStringLiteral("GetCL_OutEnclose_Wall_v2005_Angle"),
        QStringLiteral("GetCL_InEnclose_Wall_v2005"),
        QStringLiteral("GetCL_FanAndDuct"),
        QStringLiteral("GetDL_Enclosure"),
    };
    int previous = -1;
    for (const QString& marker : markers) {
        const int at = static_cast<int>(names.indexOf(marker));
        EXPECT_GT(at, previous) << marker.toStdString();
        previous = at;
    }
    // Roofs come after the inside walls, curtain walls after the roofs.
    EXPECT_GT(names.lastIndexOf(QStringLiteral("GetCL_OutEnclose_Roof")),
              names.indexOf(QStringLiteral("GetCL_InEnclose_Wall_v2005")));
    EXPECT_GT(names.lastIndexOf(QStringLiteral("GetCL_OutEnclose_Solar_Angle")),
              names.lastIndexOf(QStringLiteral("GetCL_OutEnclose_Roof")));
}
} // namespace
