// The heating load types: the detailed design day (6) against a hand calculation by GB 50736-2012,
// the argument lists, arrays and detail callback of its element passes, and the monthly (7) and
// daily (8) types that repeat the passes over the year.
#include "tests/calc/ExpectedCalls.h"
#include "tests/calc/RoomEngineFixture.h"

#include "calc/CCalculate_Result_IsHeatingLoadStepCalculation.h"
#include "calc/CDizedozevLibrary.h"
#include "model/CBasementWall.h"
#include "model/CBlindStorey.h"
#include "model/CBuilding.h"
#include "model/CCeiling.h"
#include "model/CFloor.h"
#include "model/CGapWall.h"
#include "model/CGlassCurtainWall.h"
#include "model/CGlassRoof.h"
#include "model/CGround.h"
#include "model/CInsideDoor.h"
#include "model/CInsideWall.h"
#include "model/CInsideWindow.h"
#include "model/COthers.h"
#include "model/COutsideDoor.h"
#include "model/COutsideWall.h"
#include "model/COutsideWindow.h"
#include "model/CProjectionFloor.h"
#include "model/CRoof.h"
#include "model/CRoom.h"
#include "model/CSkyWindow.h"
#include "model/CStorey.h"

#include <QRegularExpression>
#include <cmath>
#include <memory>

namespace {

using Record = CCalculate_Result_IsHeatingLoadStepCalculation;

// Fixture values of the heating calculation.
constexpr double kTn = 18;           // room WinterHeatingTemperature
constexpr double kTwn = -7.6;        // heating design temperature of Beijing (GB 50736-2012 Appendix A)
constexpr double kRange = 8.8;       // daily range of the fixture weather
constexpr double kTwg = 33.5;        // summer design dry bulb of the fixture weather
constexpr double kWind = 2.6;        // winter mean wind speed of Beijing, as the fixture weather has it
constexpr double kLatitude = 39.8;   // of the fixture weather
constexpr double kIntermittent = 20; // "IntermittentHeating_LoadRate", percent

// The detail tail as recorded: the intermittent rate, then nine outputs.
Args Tail()
{
    return {F(kIntermittent), OUT, OUT, OUT, OUT, OUT, OUT, OUT, OUT, OUT};
}

} // namespace

// A heated room in a building of its own (one storey 3 m high): 4 x 5 m, 3 m high, 18 ℃, in the
// Beijing design weather. The tests add its elements.
class HeatingTest : public RoomEngineFixture
{
protected:
    void SetUp() override
    {
        RoomEngineFixture::SetUp();
        m_weather.WinterHeatingDesignDrybulbTemperature = kTwn;
        SetDesignType(6);
        const std::pair<const char*, const char*> defaults[] = {
            {"HeatingLoadCoefficient_North", "10"},
            {"HeatingLoadCoefficient_East", "-5"},
            {"HeatingLoadCoefficient_SouthEast", "-10"},
            {"HeatingLoadCoefficient_South", "-15"},
            {"HeatingLoadWindPlus", "0"},
            {"DoorWindowWindInfiltration", "0.67"},
            {"OutDoorWindowWindCoefficent", "1"},
            {"DoorWindowHeatPressure", "0.5"},
            {"DoorWindowWindPressure", "0.7"},
            {"IsDWLSimplified", "1"},
            {"IsDWLEstimation", "0"},
            {"IntermittentHeating_LoadRate", "20"},
            {"HeatingLoadPlusPercent", "0"},
            {"IsGetNetWallArea", "1"},
        };
        for (const auto& [name, value] : defaults)
            SetDefault(QLatin1String(name), QLatin1String(value));

        Building = Make(&Root(), 1);
        Storey = Make(Building, 2);
        auto* storey = dynamic_cast<CStorey*>(Storey->LoadElement());
        storey->StoreyHeight = 3;
        storey->IsBelowGroundStorey = 0;
        ASSERT_EQ(storey->UpdateRecord(), 1);
        Room = MakeRoom(Storey, 20);
        EditRoom(Room, [](CRoom& room) {
            room.Height = 3;
            room.HLRoomQuantity = 1;
            room.WinterHeatingTemperature = kTn;
            room.IsIndustryBuilding = 0;
            room.TemperatureGradient = 0.5;
            room.PartitionType = 5;
            room.IsHeating_Flood_Solar = 0;
            room.IsHouseholdMetering = 0;
        });
        m_elevation = m_calcHost.GetElevation(*Storey);
    }

    // A construction record with its winter K; with a grade, its air-tightness grade too; layered
    // ones with a thermal inertia.
    enum RecordShape
    {
        Layered,
        Plain,
        Graded
    };
    void InsertRecord(const char* table, int id, double k, RecordShape shape = Layered,
                      const char* grade = "")
    {
        QString sql = QStringLiteral("insert into %1 (ID, Name, K_W) values (?, '构造', ?)");
        QVariantList values = {id, k};
        if (shape == Layered) {
            sql = QStringLiteral("insert into %1 (ID, Name, K_W, D) values (?, '构造', ?, 3.5)");
        } else if (shape == Graded) {
            sql =
                QStringLiteral("insert into %1 (ID, Name, K_W, ExfiltrationGrade) values (?, '构造', ?, ?)");
            values << QString::fromLatin1(grade);
        }
        m_project.ExecSQL({sql.arg(QLatin1String(table)), values});
    }

    template <typename T> T* Add(CNodeData* parent, int materialId, CNodeData** node = nullptr)
    {
        CNodeData* made = Make(parent, T::TypeCode);
        if (node)
            *node = made;
        auto* element = dynamic_cast<T*>(made->LoadElement());
        element->material_id = materialId;
        return element;
    }

    // Size input, length, second dimension and area of an envelope element.
    static void SetSize(CEnvelopeElement& element, int mode, double length, double& second,
                        double secondValue, double area)
    {
        element.IsLWInputArea = mode;
        element.Length = length;
        second = secondValue;
        element.Area = area;
    }

    // The office room of the end-to-end test under its roof (4 x 5 m, K 0.45) with its south wall
    // 4 x 3 m (K 0.6) and window 2 x 1.5 m (K 3.0); the window here has 6 m of cracks of grade III.
    void BuildSouthRoom()
    {
        InsertRecord("OutsideWall_Lib", 601, 0.6);
        InsertRecord("OutsideWindow_Lib", 602, 3.0, Graded, "III");
        InsertRecord("Roof_Lib", 603, 0.45);
        CNodeData* wallNode = nullptr;
        auto* wall = Add<COutsideWall>(Room, 601, &wallNode);
        wall->Direction = 1;
        wall->Direction_Angle = 0;
        SetSize(*wall, 0, 4, wall->Height, 3, 0);
        auto* window = Add<COutsideWindow>(wallNode, 602);
        SetSize(*window, 0, 2, window->Height, 1.5, 0);
        window->Quantity = 1;
        window->ApertureLength = 6;
        auto* roof = Add<CRoof>(Room, 603);
        SetSize(*roof, 0, 4, roof->Width, 5, 0);
        Roof = roof;
        Show();
    }

    // Every envelope kind with distinct values, each with its own construction record.
    void BuildFullRoom()
    {
        InsertRecord("OutsideWall_Lib", 701, 0.5);
        InsertRecord("OutsideDoor_Lib", 702, 2.5, Graded, "II");
        InsertRecord("OutsideWindow_Lib", 703, 3.0, Graded, "IV");
        InsertRecord("GlassCurtainWall_Lib", 704, 2.25, Graded, "VI");
        InsertRecord("InsideWall_Lib", 705, 1.5);
        InsertRecord("InsideDoor_Lib", 706, 2.0, Plain);
        InsertRecord("InsideWindow_Lib", 707, 3.25, Plain);
        InsertRecord("Ceiling_Lib", 708, 1.25);
        InsertRecord("Floor_Lib", 709, 1.0);
        InsertRecord("Roof_Lib", 710, 0.75);
        InsertRecord("SkyWindow_Lib", 711, 4.0, Plain);
        InsertRecord("BlindStorey_Lib", 712, 0.875);
        InsertRecord("GlassRoof_Lib", 713, 3.375, Plain);
        InsertRecord("Ground_Lib", 714, 0.4375, Plain);
        InsertRecord("BasementWall_Lib", 715, 0.6875);
        InsertRecord("ProjectionFloor_Lib", 716, 0.5625);
        InsertRecord("GapWall_Lib", 717, 1.125);

        CNodeData* wallNode = nullptr;
        auto* wall = Add<COutsideWall>(Room, 701, &wallNode);
        wall->Direction = 1;
        wall->Direction_Angle = 22.5;
        SetSize(*wall, 0, 5, wall->Height, 3, 0);
        auto* door = Add<COutsideDoor>(wallNode, 702);
        SetSize(*door, 0, 1, door->Height, 2, 0);
        door->Quantity = 1;
        door->IsColdAir = 1;
        door->DoorType = 2;
        door->ApertureLength = 6;
        auto* window = Add<COutsideWindow>(wallNode, 703);
        SetSize(*window, 0, 2, window->Height, 1.5, 0);
        window->Quantity = 2;
        window->ApertureLength = 5;
        OutsideWindow = window;
        // A second wall without windows does not count among the walls with windows.
        auto* north = Add<COutsideWall>(Room, 701);
        north->Direction = 5;
        SetSize(*north, 1, 0, north->Height, 0, 9);

        auto* curtain = Add<CGlassCurtainWall>(Room, 704);
        curtain->Direction = 7;
        curtain->Direction_Angle = 10;
        SetSize(*curtain, 1, 0, curtain->Height, 0, 12.5);

        CNodeData* insideWallNode = nullptr;
        InsideWall = Add<CInsideWall>(Room, 705, &insideWallNode);
        SetSize(*InsideWall, 0, 4, InsideWall->Height, 3, 0);
        InsideWall->AdjacentRoomStatus_Heating = 4;
        InsideWall->Winter_NearRoomDeltaT = -3.5;
        InsideWall->TransHeat_Between = 1;
        auto* insideDoor = Add<CInsideDoor>(insideWallNode, 706);
        SetSize(*insideDoor, 0, 1, insideDoor->Width, 2, 0);
        insideDoor->Quantity = 1;
        for (int i = 0; i < 2; ++i) {
            auto* insideWindow = Add<CInsideWindow>(insideWallNode, 707);
            SetSize(*insideWindow, 0, 1.5, insideWindow->Width, 1, 0);
            insideWindow->Quantity = 1;
        }

        // A heated room above at 16 ℃.
        CRoom& above = EditRoom(R1, [](CRoom& room) { room.WinterHeatingTemperature = 16; });
        Ceiling = Add<CCeiling>(Room, 708);
        SetSize(*Ceiling, 2, 0, Ceiling->Width, 0, 0);
        Ceiling->AdjacentRoomStatus_Heating = 2;
        Ceiling->AdjacentRoomID = above.ID;
        Ceiling->Temperature_Range = -2;
        Ceiling->TransHeat_Between = 1;
        auto* floor = Add<CFloor>(Room, 709);
        SetSize(*floor, 1, 0, floor->Width, 0, 30);
        floor->AdjacentRoomStatus_Heating = 7;
        floor->Temperature_Range = -1.5;
        floor->TransHeat_Between = 0;

        CNodeData* roofNode = nullptr;
        Roof = Add<CRoof>(Room, 710, &roofNode);
        SetSize(*Roof, 1, 0, Roof->Width, 0, 20.5);
        Roof->Direction = 3;
        Roof->Obliquity = 60;
        Roof->Direction_Angle = 5;
        auto* sky = Add<CSkyWindow>(roofNode, 711);
        SetSize(*sky, 0, 1, sky->Width, 0.5, 0);
        sky->Quantity = 2;

        auto* attic = Add<CBlindStorey>(Room, 712);
        SetSize(*attic, 1, 0, attic->Width, 0, 18);
        auto* glassRoof = Add<CGlassRoof>(Room, 713);
        SetSize(*glassRoof, 1, 0, glassRoof->Width, 0, 6);
        glassRoof->Direction = 5;
        glassRoof->Obliquity = 15;
        glassRoof->Direction_Angle = 15;
        auto* ground = Add<CGround>(Room, 714);
        SetSize(*ground, 1, 0, ground->Width, 0, 25);
        auto* basement = Add<CBasementWall>(Room, 715);
        SetSize(*basement, 0, 6, basement->Width, 2.5, 0);
        auto* projection = Add<CProjectionFloor>(Room, 716);
        SetSize(*projection, 1, 0, projection->Width, 0, 8);
        auto* gap = Add<CGapWall>(Room, 717);
        SetSize(*gap, 0, 3, gap->Height, 2, 0);
        gap->GapWallType = 2;
        auto* others = dynamic_cast<COthers*>(Make(Room, 28)->LoadElement());
        others->HeatConsumption_Water = 100;
        others->HeatConsumption_ColdObject = 200;
        others->HeatConsumption_Ventilation = 300;
        others->HeatConsumption_Other = 400;
        others->HeatEmission_Equipment = 500;
        others->HeatEmission_HotDuct = 600;
        others->HeatEmission_HotObject = 700;
        others->HeatEmission_Other = 800;
        others->ScheduleName = QStringLiteral("不存在的时间表");
        Show();
    }

    // One calculation of the room as the driver makes it, with the detail callback the driver never
    // gives; the room's records stay readable until the run is destroyed.
    struct SRoomRun
    {
        CCalResultBuffer Pool;
        CCalMsgOutput Progress{QStringLiteral("正在计算最大负荷"), nullptr};
        CCalculate_Manager Manager;
        CCalculate_Room* Room = nullptr;
        bool Ok = false;

        const Record& At(int step = 0) const { return static_cast<const Record*>(Room->Result)[step]; }
        float Value(int array, int hour = 0, int step = 0) const { return At(step).Hourly[array][hour]; }
    };

    std::unique_ptr<SRoomRun> Calculate(CCalcLibraryBase& library, const CElementDetailCallback& detail = {})
    {
        auto run = std::make_unique<SRoomRun>();
        CCalculate_Manager& manager = run->Manager;
        manager.SetCalcLibrary(&library);
        manager.SetStoreySourceFlag(0);
        manager.BuildCalcStructure(Item(Room));
        CCalculate_Building& building = *manager.Buildings().at(0);
        CCalculate_Storey& storey = *building.Storeys.at(0);
        manager.SetCurrentBuilding(&building);
        manager.SetCurrentStorey(&storey);
        manager.SetStoreyElevation(m_elevation);
        run->Room = storey.Rooms.at(0).get();
        manager.SetCurrentRoom(run->Room);
        run->Ok = manager.CalculateRoomLoads(*run->Room, detail);
        return run;
    }

    CNodeData* Building = nullptr;
    CNodeData* Storey = nullptr;
    CNodeData* Room = nullptr;
    CInsideWall* InsideWall = nullptr;
    CCeiling* Ceiling = nullptr;
    CRoof* Roof = nullptr;
    COutsideWindow* OutsideWindow = nullptr;
    double m_elevation = 0;
};

namespace {

// Within 0.5 % of the hand calculation.
void ExpectWithinHalfPercent(double actual, double expected, const char* what)
{
    EXPECT_NEAR(actual, expected, std::fabs(expected) * 0.005) << what;
}

// sequence + 1 of the n-th call of the function: what the recording library's fill rule below
// writes into its first output.
double V(const CRecordingCalcLibrary& library, const char* name, int n)
{
    const QList<RecordedCall> calls = library.CallsOf(QLatin1String(name));
    if (n >= calls.size()) {
        ADD_FAILURE() << name << " has no call " << n;
        return 0;
    }
    return calls[n].Sequence + 1.0;
}

// Output k of every call holds (sequence + 1) · (k + 1): an opening's total (output 1) is twice
// its infiltration part (output 0), so its transmission part equals the infiltration part.
double ScaledBySequence(const RecordedCall& call, int output, int)
{
    return (call.Sequence + 1.0) * (output + 1);
}

} // namespace

TEST_F(HeatingTest, DesignDayLossOfTheRoomMatchesTheHandCalculationByGB50736)
{
    BuildSouthRoom();
    struct SCase
    {
        double Height;
        double HeightAddition; // x_g, GB 50736-2012 §5.2.7: 2 % per metre above 4 m, at most 15 %
    };
    const SCase cases[] = {{3.0, 0.0}, {6.0, 0.04}};
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.Height);
        EditRoom(Room, [&](CRoom& room) { room.Height = c.Height; });
        const auto run = Calculate(CDizedozevLibrary::Instance());
        ASSERT_TRUE(run->Ok) << m_calcHost.Messages.join(QLatin1Char('\n')).toStdString();

        // The design day is flat at the heating design temperature: Δt = 18 − (−7.6) = 25.6 K.
        const double dt = kTn - kTwn;
        // Additions on the basic loss Q1 = α·K·F·(t_n − t_wn): orientation x_ch (south, the
        // Initialization's −15 %), wind x_f (0 %), then the height addition x_g and the
        // intermittent-heating addition x_j = 20 % on the sum.
        const double xch = -0.15, xf = 0.0, xg = c.HeightAddition, xj = kIntermittent / 100;

        // Outside wall: 4 × 3 m less the window's 2 × 1.5 m = 9 m², K 0.6, α 1.00:
        // Q1 = 0.6 × 9 × 25.6 = 138.24 W; × 0.85 × 1.2 = 141.00 W at 3 m.
        const double wall = 1.00 * 0.6 * 9 * dt * (1 + xch + xf) * (1 + xg) * (1 + xj);
        // Window: 3 m², K 3.0: Q1 = 230.4 W; × 0.85 × 1.2 = 235.01 W at 3 m.
        const double window = 1.00 * 3.0 * 3 * dt * (1 + xch + xf) * (1 + xg) * (1 + xj);
        // Roof: 4 × 5 m, K 0.45, no orientation or wind addition: Q1 = 230.4 W; × 1.2 = 276.48 W.
        const double roof = 1.00 * 0.45 * 20 * dt * (1 + xg) * (1 + xj);

        // Cold air through the window's 6 m of cracks (GB 50736-2012 Appendix F; wind pressure
        // only, "IsDWLSimplified" 1): Q = 0.28·c_p·ρ_w·L·(t_n − t_wn), c_p 1.0 kJ/(kg·K),
        // ρ_w = 353 / (273.15 + t_wn) = 1.329 kg/m³;
        // L = L0·l·m^b, L0 = α1·(ρ_w·v0²/2)^b with α1 = 0.5 m³/(m·h·Pa^b) for grade III and
        // b = 0.67 ("DoorWindowWindInfiltration"), v0 = 2.6 m/s the winter wind;
        // m = C_r·ΔC_f·n^(1/b)·C_h with C_r = 0.5 ("DoorWindowHeatPressure", the room's partition
        // being user-defined), ΔC_f = 0.7, n = 1, C_h = 0.3·h^0.4 at the window's height h above
        // ground: the storey's elevation plus half the room's height. No additions apply to it.
        const double b = 0.67, alpha1 = 0.5, crack = 6.0;
        const double rho = 353.0 / (273.15 + kTwn);
        const double h = m_elevation + c.Height / 2;
        const double m = 0.5 * 0.7 * std::pow(1.0, 1 / b) * (0.3 * std::pow(h, 0.4));
        const double air = alpha1 * std::pow(rho * kWind * kWind / 2, b) * crack * std::pow(m, b);
        const double infiltration = 0.28 * 1.0 * rho * air * dt;

        // Losses are negative; the profile is flat, so every hour holds the same values.
        for (int hour : {0, 5, 14, 23}) {
            SCOPED_TRACE(hour);
            ExpectWithinHalfPercent(run->Value(1, hour), -wall, "外墙采暖负荷");
            ExpectWithinHalfPercent(run->Value(3, hour), -window, "外窗采暖负荷");
            ExpectWithinHalfPercent(run->Value(9, hour), -roof, "屋顶采暖负荷");
            ExpectWithinHalfPercent(run->Value(2, hour), -infiltration, "门窗空气渗透采暖负荷");
            ExpectWithinHalfPercent(run->Value(16, hour), -(wall + window), "外墙采暖负荷(含外门窗)");
            ExpectWithinHalfPercent(run->Value(22, hour), -(wall + window + roof), "围护传热采暖负荷");
            ExpectWithinHalfPercent(run->Value(0, hour), -(wall + window + roof + infiltration),
                                    "总采暖负荷");
            EXPECT_EQ(run->Value(24, hour), run->Value(0, hour))
                << "户内采暖设备容量 without household metering";
        }
    }
}

TEST_F(HeatingTest, EveryElementKindHandsTheLibraryItsArgumentsInPassOrder)
{
    BuildFullRoom();
    dynamic_cast<CBuilding*>(Building->LoadElement())->SiloTemperature = 12;
    // The design day's profile is what GetTWN writes; everything else holds sequence + 1.
    constexpr double kProfile = -7.25;
    m_library.Fill = [](const RecordedCall& call, int, int) {
        return call.Name == QLatin1String("GetTWN") ? kProfile : call.Sequence + 1.0;
    };
    const auto run = Calculate(m_library);
    ASSERT_TRUE(run->Ok) << m_calcHost.Messages.join(QLatin1Char('\n')).toStdString();

    const A P{RecordedArg::Input, kProfile};
    auto in = [](double value) { return A{RecordedArg::Input, value}; };
    const Args room = {F(kTn), P, I(0), F(3), F(0.5)};
    const Args exposure = {F(m_elevation), F(kWind)};
    const Args orientation = {F(10), F(-5), F(-10), F(-15), F(0)};
    const Args infiltration = {F(0.67), F(1), F(0.5), F(0.7), I(1), I(0)};
    // An outside opening: its wall's direction, its area and K, the infiltration inputs.
    auto opening = [&](int direction, double area, double k, int coldAir, int doorType, int walls,
                       double wallLoss, double crack, int grade, double angle) {
        return ExpectedCall{QStringLiteral("GetHL_OutWindow_Angle_v2012"),
                            Cat({{I(direction), F(area), F(k), F(kTn), P, I(0), F(3), F(0.5)},
                                 exposure,
                                 {I(coldAir), I(doorType), I(1)},
                                 orientation,
                                 infiltration,
                                 {I(walls), F(20), in(wallLoss), F(3), F(crack), I(grade), I(5), F(12),
                                  F(kLatitude), F(kTwg), OUT, OUT, D(angle), D(-1)},
                                 Tail()})};
    };
    auto wall = [&](int direction, double area, double angle) {
        return ExpectedCall{
            QStringLiteral("GetHL_OutWall_Angle_v2012"),
            Cat({{I(direction), F(area), F(0.5)}, room, orientation, exposure, {OUT, D(angle)}, Tail()})};
    };
    // Inside openings and the wall take the neighbour's difference with opposite signs.
    auto indoor = [&](const char* name, double area, double k, double delta) {
        return ExpectedCall{QLatin1String(name), Cat({{F(area), F(k)},
                                                      {F(kTn), P, I(1), I(4), F(0)},
                                                      {I(0), F(3), F(0.5), OUT, F(delta)},
                                                      Tail()})};
    };
    auto plain = [&](const char* name, double area, double k, Args after) {
        return ExpectedCall{QLatin1String(name), Cat({{F(area), F(k)}, room, after, Tail()})};
    };
    // The minimum thermal-resistance checks: K and D of the construction (3.5 for every layered
    // one), the room's design state, its storey's height, the two output places.
    const CRoom& roomElement = *dynamic_cast<CRoom*>(Room->LoadElement());
    const Args climate = {F(kTn), F(roomElement.WinterHeatingRH), F(kTwn),
                          F(m_weather.WinterLowestDesignDrybulbTemperature)};
    const Args storey = {I(0), F(3), F(0.5), I(roomElement.BuildingType)};
    auto check = [&](const char* name, Args before, Args after = {}) {
        return ExpectedCall{QLatin1String(name), Cat({before, climate, storey, {OUT, OUT}, after})};
    };
    // A door's check reads its wall's minimum from the wall's check (call 2: sequence + 1).
    const double wallRMin = 3;
    const std::vector<ExpectedCall> expected = {
        {QStringLiteral("GetTWN"), {F(kRange), F(kTwn), OUT}},
        // Door 2 m², two windows of 3 m², curtain wall 12.5 m².
        {QStringLiteral("SetRoomOpeningArea"), {F(20.5)}},
        check("CheckMinK_OutWall", {F(0.5), F(3.5)}),
        wall(1, 15 - 2 - 6, 22.5),
        {QStringLiteral("CheckMinK_OutDoor"), {F(wallRMin), F(2.5), OUT, OUT}},
        opening(1, 2, 2.5, 1, 2, 1, 4, 6, 1, 22.5),
        opening(1, 6, 3.0, 0, 0, 1, 4, 10, 3, 22.5),
        check("CheckMinK_OutWall", {F(0.5), F(3.5)}),
        wall(5, 9, 0),
        indoor("GetHL_IndoorWindow_v2012", 2, 2.0, -3.5),
        indoor("GetHL_IndoorWindow_v2012", 1.5, 3.25, -3.5),
        indoor("GetHL_IndoorWindow_v2012", 1.5, 3.25, -3.5),
        {QStringLiteral("CheckMinK_IndoorWall_v2005"),
         Cat({{F(1.5), F(3.5)}, climate, {I(1), I(4), F(0)}, storey, {OUT, OUT, F(3.5)}})},
        indoor("GetHL_IndoorWall_v2012", 12 - 2 - 3, 1.5, 3.5),
        {QStringLiteral("CheckMinK_Ceiling_v2005"),
         Cat({{F(1.25), F(3.5)}, climate, {I(2), F(16)}, storey, {OUT, OUT, F(-2)}})},
        // The slab takes the room's area and the heated room above at 16 ℃.
        {QStringLiteral("GetHL_Ceiling_v2012"),
         Cat({{F(20), F(1.25), F(kTn), P, I(2), F(16)}, {I(0), F(3), F(0.5), OUT, F(-2)}, Tail()})},
        {QStringLiteral("CheckMinK_Floor_v2005"),
         Cat({{F(1.0), F(3.5)}, climate, {I(7), F(0)}, storey, {OUT, OUT, F(-1.5)}})},
        {QStringLiteral("GetHL_Floor_v2012"),
         Cat({{F(30), F(1.0), F(kTn), P, I(7), F(0)}, {I(0), F(3), F(0.5), OUT, F(-1.5)}, Tail()})},
        {QStringLiteral("GetHL_Skylight_Angle_v2012"),
         Cat({{F(1), F(4.0), F(kTn), P, I(3), F(60), I(0), F(3), F(0.5)}, exposure, {OUT, D(5)}, Tail()})},
        check("CheckMinK_Roof", {F(0.75), F(3.5)}),
        {QStringLiteral("GetHL_Roof_Angle_v2012"),
         Cat({{F(19.5), F(0.75), I(3), F(60)}, room, exposure, {OUT, D(5)}, Tail()})},
        check("CheckMinK_BlindStory", {F(0.875), F(3.5), F(0), F(0)}),
        plain("GetHL_BlindStory_v2012", 18, 0.875, Cat({exposure, {OUT}})),
        // The curtain wall counts itself among the walls with windows; it has no wall and no cracks.
        opening(7, 12.5, 2.25, 0, 0, 2, 0, 0, -1, 10),
        {QStringLiteral("GetHL_Skylight_Angle_v2012"),
         Cat({{F(6), F(3.375), F(kTn), P, I(5), F(15), I(0), F(3), F(0.5)}, exposure, {OUT, D(15)}, Tail()})},
        // Ground and basement walls bring their construction record instead of K and D.
        check("CheckMinK_Ground", {F(0.4375), I(0)}),
        plain("GetHL_Ground_v2012", 25, 0.4375, {OUT}),
        check("CheckMinK_BasementWall", {F(0), F(0), F(0.6875), F(3.5)}),
        plain("GetHL_BasementWall_v2012", 15, 0.6875, {OUT}),
        check("CheckMinK_OutFloor", {F(0.5625), F(3.5)}),
        plain("GetHL_OutFloor_v2012", 8, 0.5625, Cat({exposure, {OUT}})),
        check("CheckMinK_FengWall", {F(1.125), F(3.5)}, {I(2)}),
        plain("GetHL_FengWall_v2012", 6, 1.125, {OUT, I(2)}),
        // Other loads: every value with a schedule of 1.0 at every hour, whatever the element's.
        {QStringLiteral("GetHL_Others"),
         {F(100), in(1), F(200), in(1), F(300), in(1), F(400), in(1), F(500), in(1), F(600), in(1), F(700),
          in(1), F(800), in(1), OUT}},
    };
    ASSERT_EQ(m_library.Calls.size(), static_cast<qsizetype>(expected.size()))
        << m_library.Names().join(QLatin1Char(' ')).toStdString();
    for (size_t c = 0; c < expected.size(); ++c) {
        const RecordedCall& call = m_library.Calls[static_cast<qsizetype>(c)];
        ExpectCall(call, expected[c]);
        for (size_t a = 0; a < expected[c].Arguments.size() && a < call.Args.size(); ++a) {
            if (expected[c].Arguments[a].Kind != RecordedArg::Input)
                continue;
            for (double value : call.Args[a].Values)
                ASSERT_FLOAT_EQ(static_cast<float>(value), static_cast<float>(expected[c].Arguments[a].Value))
                    << call.Text().toStdString() << " argument " << a + 1;
        }
    }
}

TEST_F(HeatingTest, ElementLoadsReachTheirArraysAndTheTotals)
{
    BuildFullRoom();
    m_library.Fill = ScaledBySequence;
    struct SCase
    {
        const char* PlusPercent;
        int HouseholdMetering;
        double Plus;     // expected factor on every element load
        double Capacity; // equipment capacity over the total
    };
    const SCase cases[] = {
        {"0", 0, 1.0, 1.0},
        {"10", 1, 1.1, 1.1},
        {"0.005", 0, 1.0, 1.0}, // not more than 0.0001 away from 1: off
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.PlusPercent);
        SetDefault(QStringLiteral("HeatingLoadPlusPercent"), QLatin1String(c.PlusPercent));
        EditRoom(Room, [&](CRoom& room) { room.IsHouseholdMetering = c.HouseholdMetering; });
        m_library.Calls.clear();
        const auto run = Calculate(m_library);
        ASSERT_TRUE(run->Ok) << m_calcHost.Messages.join(QLatin1Char('\n')).toStdString();

        auto v = [&](const char* name, int n) { return V(m_library, name, n) * c.Plus; };
        const double wall = v("GetHL_OutWall_Angle_v2012", 0) + v("GetHL_OutWall_Angle_v2012", 1);
        const double door = v("GetHL_OutWindow_Angle_v2012", 0), window = v("GetHL_OutWindow_Angle_v2012", 1),
                     curtain = v("GetHL_OutWindow_Angle_v2012", 2);
        const double insideDoor = v("GetHL_IndoorWindow_v2012", 0),
                     insideWindows = v("GetHL_IndoorWindow_v2012", 1) + v("GetHL_IndoorWindow_v2012", 2),
                     insideWall = v("GetHL_IndoorWall_v2012", 0);
        const double sky = v("GetHL_Skylight_Angle_v2012", 0), glassRoof = v("GetHL_Skylight_Angle_v2012", 1);
        std::map<int, double> want = {
            {1, wall},
            {2, door + window + curtain}, // the infiltration parts
            {3, window},
            {4, door},
            {5, insideWall},
            {6, insideWindows},
            {7, insideDoor},
            {8, v("GetHL_FengWall_v2012", 0)},
            {9, v("GetHL_Roof_Angle_v2012", 0)},
            {10, glassRoof},
            {11, v("GetHL_BlindStory_v2012", 0)},
            {12, v("GetHL_Ceiling_v2012", 0)},
            {13, v("GetHL_Floor_v2012", 0)},
            {14, v("GetHL_OutFloor_v2012", 0)},
            {15, sky},
            {16, wall + door + window},
            {17, insideDoor + insideWindows + insideWall},
            {18, sky + v("GetHL_Roof_Angle_v2012", 0)},
            {19, v("GetHL_Ground_v2012", 0)},
            {20, v("GetHL_BasementWall_v2012", 0)},
            {21, v("GetHL_Others", 0)},
            {23, curtain},
        };
        double envelope = 0;
        for (int array : {1, 3, 4, 5, 6, 7, 12, 13, 9, 15, 11, 23, 10, 19, 14, 8, 20})
            envelope += want[array];
        want[22] = envelope; // without the infiltration
        want[0] = envelope + want[21] + want[2];
        want[24] = want[0] * c.Capacity;
        // The inside wall and the slab exchange heat with their neighbours, every opening counted;
        // the floor does not.
        const double wallWithOpenings = insideDoor + insideWindows + insideWall;
        want[25] = wallWithOpenings + want[12];
        want[26] = wallWithOpenings;
        want[27] = insideWall;
        want[28] = wallWithOpenings;
        want[29] = insideWindows;
        want[30] = insideDoor;
        want[31] = want[12];
        want[32] = 0;
        for (const auto& [array, value] : want)
            for (int hour : {0, 23})
                EXPECT_NEAR(run->Value(array, hour), value, 1e-4 * std::max(1.0, value)) << "array " << array;
    }
}

TEST_F(HeatingTest, TheDetailCallbackSeesEveryElementWithItsPartsAndLeavesTheResultAlone)
{
    BuildFullRoom();
    SetDefault(QStringLiteral("HeatingLoadPlusPercent"), QStringLiteral("10"));
    m_library.Fill = ScaledBySequence;
    struct SSeen
    {
        int Type;
        float Rate6, Rate1, Block0, Block4, Load, Extra;
        const float* Rates;
        const float* Row0;
        int Flag;
        double Factor;
    };
    std::vector<SSeen> seen;
    const CElementDetailCallback collect = [&](CElementBase* element, float* rates, float(*blocks)[24],
                                               float* loads, float* extra, int flag, double factor) {
        seen.push_back({element->Type(), rates[6], rates[1], blocks[0][0], blocks[4][0], loads[0], extra[0],
                        rates, blocks[0], flag, factor});
    };
    const auto withCallback = Calculate(m_library, collect);
    ASSERT_TRUE(withCallback->Ok) << m_calcHost.Messages.join(QLatin1Char('\n')).toStdString();
    // The resistance checks have no detail.
    QList<RecordedCall> calls;
    for (const RecordedCall& call : m_library.Calls)
        if (!call.Name.startsWith(QLatin1String("CheckMinK_")))
            calls << call;

    // Element after element, in the order of the passes; every element of the room is seen.
    const std::vector<int> types = {9,  11, 10, 9,  15, 14, 14, 13, 16, 21,
                                    18, 17, 19, 12, 20, 22, 29, 23, 24, 28};
    ASSERT_EQ(seen.size(), types.size());
    // The library calls of the elements are calls 2 on (after GetTWN and the opening area).
    for (size_t i = 0; i < seen.size(); ++i) {
        SCOPED_TRACE(i);
        const SSeen& s = seen[i];
        const RecordedCall& call = calls[static_cast<qsizetype>(i + 2)];
        const double value = call.Sequence + 1.0;
        EXPECT_EQ(s.Type, types[i]);
        EXPECT_EQ(s.Flag, 0);
        EXPECT_EQ(s.Factor, 1.0);
        EXPECT_FLOAT_EQ(s.Load, static_cast<float>(value * 1.1));
        const bool outsideOpening = s.Type == 11 || s.Type == 10 || s.Type == 12;
        // Outside openings: the infiltration part beside the transmission; all others the zeros.
        EXPECT_FLOAT_EQ(s.Extra, outsideOpening ? static_cast<float>(value * 1.1) : 0.0f);
        EXPECT_EQ(s.Block4, 0.0f) << "rows 4 to 7 are the callback's own";
        // Element 6: the inside wall's TransHeat_Between for its openings (and the wall after
        // them), the roof's direction from its skylight on.
        const float rate6 = i < 4 ? 0.0f : i < 10 ? 1.0f : 3.0f;
        EXPECT_EQ(s.Rate6, rate6);
        if (s.Type == 28) {
            // Other loads write no detail: the callback sees what the gap wall left, not scaled again.
            EXPECT_EQ(s.Block0, seen[i - 1].Block0);
            EXPECT_EQ(s.Rate1, seen[i - 1].Rate1);
            continue;
        }
        // The library wrote rate 1 and row 0 through the context's arrays; the row took the plus factor.
        // Of the ten last arguments: rate 1 is the second, row 0 the fourth.
        const int rate1 = static_cast<int>(call.Args.size()) - 8;
        EXPECT_EQ(call.Address(rate1), s.Rates + 1);
        EXPECT_EQ(call.Address(rate1 + 2), s.Row0);
        const int block0Output = outsideOpening ? 4 : 3;
        EXPECT_FLOAT_EQ(s.Block0, static_cast<float>(value * (block0Output + 1) * 1.1));
        EXPECT_FLOAT_EQ(s.Rate1, static_cast<float>(value * (block0Output - 1)));
    }

    m_library.Calls.clear();
    const auto without = Calculate(m_library);
    ASSERT_TRUE(without->Ok);
    for (int array = 0; array < Record::ArrayCount; ++array)
        for (int hour = 0; hour < 24; ++hour)
            ASSERT_EQ(without->Value(array, hour), withCallback->Value(array, hour)) << array;
}

TEST_F(HeatingTest, FloorHeatingAndMissingNeighboursLeaveTheirElementsOut)
{
    BuildFullRoom();
    // Floor heating: floors, ground and projection floors are left to the heating floor.
    EditRoom(Room, [](CRoom& room) { room.IsHeating_Flood_Solar = 1; });
    // The inside wall names a heated room that no longer exists.
    InsideWall->AdjacentRoomStatus_Heating = 3;
    InsideWall->AdjacentRoomID = 999999;
    const auto run = Calculate(m_library);
    ASSERT_TRUE(run->Ok) << m_calcHost.Messages.join(QLatin1Char('\n')).toStdString();

    const QStringList names = m_library.Names();
    for (const char* absent : {"GetHL_Floor_v2012", "GetHL_Ground_v2012", "GetHL_OutFloor_v2012",
                               "GetHL_IndoorWindow_v2012", "GetHL_IndoorWall_v2012", "CheckMinK_Floor_v2005",
                               "CheckMinK_Ground", "CheckMinK_OutFloor", "CheckMinK_IndoorWall_v2005"})
        EXPECT_FALSE(names.contains(QLatin1String(absent))) << absent;
    for (const char* present : {"GetHL_Ceiling_v2012", "GetHL_BasementWall_v2012", "GetHL_FengWall_v2012",
                                "CheckMinK_Ceiling_v2005"})
        EXPECT_TRUE(names.contains(QLatin1String(present))) << present;
    for (int array : {5, 6, 7, 13, 14, 17, 19, 26, 27})
        EXPECT_EQ(run->Value(array), 0.0f) << array;
    EXPECT_NE(run->Value(12), 0.0f);
    const QStringList warnings = m_calcHost.OutputLines.filter(QRegularExpression(QStringLiteral("^0:")));
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].startsWith(QStringLiteral("0:[内墙]"))) << warnings[0].toStdString();
    EXPECT_TRUE(warnings[0].endsWith(QStringLiteral("[找不到邻室]")));
}

TEST_F(HeatingTest, WallsAndRoofsLoseTheirOpeningsAsTheSettingSays)
{
    BuildFullRoom();
    struct SCase
    {
        const char* NetWallArea;
        int WindowQuantity;
        double OutsideWall, InsideWall, Roof; // areas handed to the library
    };
    const SCase cases[] = {
        // The outside wall always loses its openings; inside walls and roofs only with the setting.
        {"1", 2, 15 - 2 - 6, 12 - 2 - 3, 20.5 - 1},
        {"0", 2, 15 - 2 - 6, 12, 20.5},
        // Openings larger than their wall leave it no area; they are calculated as they are.
        {"1", 10, 0, 12 - 2 - 3, 20.5 - 1},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.NetWallArea + std::to_string(c.WindowQuantity));
        SetDefault(QStringLiteral("IsGetNetWallArea"), QLatin1String(c.NetWallArea));
        OutsideWindow->Quantity = c.WindowQuantity;
        m_library.Calls.clear();
        ASSERT_TRUE(Calculate(m_library)->Ok);
        EXPECT_FLOAT_EQ(m_library.CallsOf(QStringLiteral("GetHL_OutWall_Angle_v2012")).at(0).Real(2),
                        c.OutsideWall);
        EXPECT_FLOAT_EQ(m_library.CallsOf(QStringLiteral("GetHL_OutWindow_Angle_v2012")).at(1).Real(2),
                        3.0f * c.WindowQuantity);
        EXPECT_FLOAT_EQ(m_library.CallsOf(QStringLiteral("GetHL_IndoorWall_v2012")).at(0).Real(1),
                        c.InsideWall);
        EXPECT_FLOAT_EQ(m_library.CallsOf(QStringLiteral("GetHL_Roof_Angle_v2012")).at(0).Real(1), c.Roof);
    }
}

TEST_F(HeatingTest, AMissingConstructionFailsTheRoom)
{
    BuildSouthRoom();
    Roof->material_id = 999;
    const auto run = Calculate(m_library);
    EXPECT_FALSE(run->Ok);
    EXPECT_TRUE(run->Progress.IsStopped());
    EXPECT_TRUE(m_library.CallsOf(QStringLiteral("GetHL_Roof_Angle_v2012")).isEmpty());
    ASSERT_FALSE(m_calcHost.Messages.isEmpty());
    EXPECT_TRUE(m_calcHost.Messages.last().startsWith(QStringLiteral("计算发生异常\n")));
    EXPECT_TRUE(m_calcHost.Messages.last().contains(QStringLiteral("错误信息:")));
}

TEST(HeatingTightnessGrade, OnlyTheFiveGradesAsWrittenHaveAnIndex)
{
    const std::pair<const char*, int> cases[] = {{"I", 0},   {"II", 1}, {"III", 2},  {"IV", 3},   {"V", 4},
                                                 {"VI", -1}, {"", -1},  {"iii", -1}, {" III", -1}};
    for (const auto& [grade, index] : cases)
        EXPECT_EQ(CCalculate_Manager::HeatingTightnessGrade(QLatin1String(grade)), index) << grade;
}

// The monthly and daily types: the element passes once per month or per day of the year.
class HeatingStepTest : public HeatingTest
{
};

TEST_F(HeatingStepTest, MonthlyTypeCallsEveryElementOncePerMonthWithThatMonthsDesignDay)
{
    BuildFullRoom();
    SetDesignType(7);
    // Neither the plus factor nor the detail callback applies to the monthly type.
    SetDefault(QStringLiteral("HeatingLoadPlusPercent"), QStringLiteral("20"));
    int callbacks = 0;
    // The design days: value i of the 12 × 24 table is −20 + i / 100.
    m_library.Fill = [](const RecordedCall& call, int output, int i) {
        return call.Name == QLatin1String("GetDB12_Heating") ? -20 + i / 100.0
                                                             : ScaledBySequence(call, output, i);
    };
    const auto run = Calculate(
        m_library, [&](CElementBase*, float*, float(*)[24], float*, float*, int, double) { ++callbacks; });
    ASSERT_TRUE(run->Ok) << m_calcHost.Messages.join(QLatin1Char('\n')).toStdString();

    ExpectCall(m_library.Calls.at(0),
               {QStringLiteral("GetDB12_Heating"), {F(kTwg), F(kRange), F(kTwn), OUT}});
    EXPECT_EQ(callbacks, 0);
    const QList<RecordedCall> walls = m_library.CallsOf(QStringLiteral("GetHL_OutWall_Angle_v2012"));
    const QList<RecordedCall> openings = m_library.CallsOf(QStringLiteral("GetHL_OutWindow_Angle_v2012"));
    ASSERT_EQ(walls.size(), 24);
    ASSERT_EQ(openings.size(), 36);
    ASSERT_EQ(m_library.CallsOf(QStringLiteral("GetHL_Others")).size(), 12);
    // Each wall is checked once, not once per month.
    EXPECT_EQ(m_library.CallsOf(QStringLiteral("CheckMinK_OutWall")).size(), 2);
    for (int month = 0; month < 12; ++month) {
        SCOPED_TRACE(month);
        // The first wall's twelve months come first, each with its own month's row.
        EXPECT_EQ(walls[month].Sequence, walls[0].Sequence + month);
        const std::vector<double> profile = walls[month].Input(5);
        for (int hour = 0; hour < 24; ++hour)
            ASSERT_FLOAT_EQ(static_cast<float>(profile[hour]),
                            static_cast<float>(-20 + (month * 24 + hour) / 100.0));
        // The door of month m is given the wall's loss of month m.
        EXPECT_FLOAT_EQ(static_cast<float>(openings[month].Input(27).at(0)),
                        static_cast<float>(walls[month].Sequence + 1));

        // Record m holds month m's loads, with no plus factor.
        const double wall = walls[month].Sequence + walls[12 + month].Sequence + 2.0;
        EXPECT_FLOAT_EQ(run->Value(1, 0, month), static_cast<float>(wall));
        EXPECT_FLOAT_EQ(run->Value(4, 7, month), static_cast<float>(openings[month].Sequence + 1));
        EXPECT_FLOAT_EQ(
            run->Value(21, 0, month),
            static_cast<float>(m_library.CallsOf(QStringLiteral("GetHL_Others"))[month].Sequence + 1));
        EXPECT_EQ(run->Value(24, 3, month), run->Value(0, 3, month));
        // No heat exchanged with neighbours outside the detailed type.
        for (int array = 25; array <= 32; ++array)
            EXPECT_EQ(run->Value(array, 0, month), 0.0f) << array;
    }
}

namespace {
// The synthetic weather year: coldest on 16 January (day 15) at 02:00.
double SyntheticDryBulb(int day, int hour)
{
    const double pi = std::acos(-1.0);
    return 10 - 14 * std::cos(2 * pi * (day - 15) / 365) - 4 * std::cos(2 * pi * (hour - 2) / 24);
}

QByteArray SyntheticYear()
{
    static const int monthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    QByteArray text;
    int day = 0;
    for (int month = 0; month < 12; ++month)
        for (int d = 1; d <= monthDays[month]; ++d, ++day)
            for (int hour = 0; hour < 24; ++hour) {
                const double t = SyntheticDryBulb(day, hour);
                text += QStringLiteral("%1 %2 %3 %4 %5 %6\r\n")
                            .arg(month + 1)
                            .arg(d)
                            .arg(hour)
                            .arg(t, 0, 'f', 3)
                            .arg(t - 2, 0, 'f', 3)
                            .arg(0)
                            .toLatin1();
            }
    return text;
}
} // namespace

TEST_F(HeatingStepTest, DailyTypeTakesEveryDayFromTheHourlyWeather)
{
    BuildSouthRoom();
    SetDesignType(8);
    m_weather.HourlyBlob = SyntheticYear();
    m_weather.HourlyDataLoaded = 0;
    const auto run = Calculate(CDizedozevLibrary::Instance());
    ASSERT_TRUE(run->Ok) << m_calcHost.Messages.join(QLatin1Char('\n')).toStdString();

    // The wall loses K·F·(t_n − t)·(1 + x_ch)·(1 + x_j) at the day's hourly temperature:
    // 0.6 × 9 × 0.85 × 1.2 W per kelvin. Record 59 is 1 March, record 364 is 31 December.
    for (int day : {0, 59, 200, 364})
        for (int hour : {2, 14}) {
            SCOPED_TRACE(day * 100 + hour);
            const double t = SyntheticDryBulb(day, hour);
            EXPECT_NEAR(run->Value(1, hour, day), -0.6 * 9 * 0.85 * 1.2 * (kTn - t), 0.01);
        }
    // The coldest day of the year has the largest loss.
    int coldest = 0;
    for (int day = 1; day < 365; ++day)
        if (CCalculate_Manager::FindAbsPeak24(run->At(day).Hourly[0]) <
            CCalculate_Manager::FindAbsPeak24(run->At(coldest).Hourly[0]))
            coldest = day;
    EXPECT_EQ(coldest, 15);
}

TEST_F(HeatingStepTest, DailyTypeWithoutHourlyWeatherStopsTheRun)
{
    BuildSouthRoom();
    SetDesignType(8);
    m_weather.HourlyBlob.clear();
    m_weather.HourlyDataLoaded = 0;
    EXPECT_EQ(Run(Room), -1);
    EXPECT_TRUE(m_stopped);
    bool told = false;
    for (const auto& box : Dialogs().MessageBoxes)
        told |= box.caption == QStringLiteral("注意") && box.message == QStringLiteral("缺少全年气象参数");
    EXPECT_TRUE(told);
    ASSERT_EQ(m_calcHost.Messages.size(), 1);
    EXPECT_TRUE(m_calcHost.Messages[0].startsWith(QStringLiteral("计算发生异常\n")));
    EXPECT_TRUE(m_calcHost.Messages[0].endsWith(QStringLiteral("错误信息:缺少全年气象参数")));
    for (const QString& name : m_library.Names())
        EXPECT_FALSE(name.startsWith(QStringLiteral("GetHL_"))) << name.toStdString();
}
