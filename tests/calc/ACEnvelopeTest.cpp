// The envelope passes of the detailed air-conditioning calculation: the argument lists they hand
// the calculation library, the result arrays and detail rows they fill, and their physical sense
// through the real library.
#include "tests/calc/CalcFixture.h"
#include "tests/calc/ExpectedCalls.h"

#include "calc/CCalcLibraryBase.h"
#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "model/CBasementWall.h"
#include "model/CBlindStorey.h"
#include "model/CCeiling.h"
#include "model/CFloor.h"
#include "model/CGapWall.h"
#include "model/CGlassCurtainWall.h"
#include "model/CGlassRoof.h"
#include "model/CGround.h"
#include "model/CInsideDoor.h"
#include "model/CInsideWall.h"
#include "model/CInsideWindow.h"
#include "model/COutsideDoor.h"
#include "model/COutsideWall.h"
#include "model/COutsideWindow.h"
#include "model/CProjectionFloor.h"
#include "model/CRoof.h"
#include "model/CRoom.h"
#include "model/CSkyWindow.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <memory>

namespace {

// The design conditions of the fixture, summer (July) or winter (January).
constexpr double kLatitude = 39.75, kLongitude = 116.5, kTwg = 34, kTwk = -10, kSummerMean = 29.5;
Args Outer(bool summer)
{
    return {F(kLatitude), F(kTwg), F(kTwk), F(kTwg), F(summer ? 33.5 : -5.5), F(26), F(summer ? 26 : 20)};
}
Args Inner(bool summer)
{
    return {F(kLatitude),
            F(kTwg),
            F(summer ? kSummerMean : kTwk),
            F(kTwk),
            F(kTwg),
            F(summer ? 33.5 : -5.5),
            F(26),
            F(summer ? 26 : 20)};
}
Args Tail(bool summer)
{
    return {F(3.25), F(6.5), F(4.5), F(2.5), I(summer ? 7 : 1)};
}
Args Coefs()
{
    return {F(10), F(-5), F(-10), F(-15)};
}
// Month, day, ground grade and time zone of the solar functions.
Args SolarDate(bool summer)
{
    return {I(summer ? 7 : 1), I(21), I(2), F(8)};
}
// Steady and winter flags; the fixture's winter calls are steady.
Args Flags(bool summer)
{
    return {I(summer ? 0 : 1), I(summer ? 0 : 1)};
}
int Steady(bool summer)
{
    return summer ? 0 : 1;
}

void ExpectCalls(const QList<RecordedCall>& calls, const std::vector<ExpectedCall>& expected)
{
    ASSERT_EQ(calls.size(), static_cast<qsizetype>(expected.size()));
    for (size_t c = 0; c < expected.size(); ++c) {
        const RecordedCall& call = calls[static_cast<qsizetype>(c)];
        SCOPED_TRACE(QStringLiteral("call %1").arg(c).toStdString());
        ExpectCall(call, expected[c]);
    }
}

QStringList Captions(CMyList<OutSideWall_Detail_Data>& list)
{
    QStringList captions;
    for (int i = 0; list.Get(i); ++i)
        captions << list.Get(i)->Caption;
    return captions;
}

int PeakHour(const float* values)
{
    return static_cast<int>(std::max_element(values, values + 24) - values);
}

} // namespace

// Room R4 (40 m²) with one element of every envelope kind, each with its own construction record,
// and a recording library in place of the real one.
class ACEnvelopeTest : public CalcFixture
{
protected:
    void SetUp() override
    {
        CalcFixture::SetUp();
        InsertRecords();
        BuildRoom();
        Rebuild();

        Context.Room = dynamic_cast<CRoom*>(R4->LoadElement());
        Context.Room->RoomType = 1;
        Context.SummerCooling = true;
        Context.WinterAC = true;
        Context.NetWallArea = 1;
        Context.WinterGainFactor = 0.75f;

        Conditions.Latitude = kLatitude;
        Conditions.Longitude = kLongitude;
        Conditions.SummerDryBulb = kTwg;
        Conditions.WinterDryBulb = kTwk;
        Conditions.SummerWetBulb = 26.5f;
        Conditions.SummerMeanDryBulb = kSummerMean;
        Conditions.Pressure[Summer] = 100000;
        Conditions.Pressure[Winter] = 102000;
        Conditions.SummerWindSpeed = 2.5f;
        Conditions.WinterWindSpeed = 4.5f;
        Conditions.GroundGrade = 2;
        Conditions.TimeZone = 8;
        Conditions.GroundTemperature[Summer] = 24;
        Conditions.GroundTemperature[Winter] = 2;
        Conditions.MaxDryBulb[Summer] = 33.5f;
        Conditions.MaxDryBulb[Winter] = -5.5f;
        Conditions.RoomTemperature[Summer] = 26;
        Conditions.RoomTemperature[Winter] = 20;
        Conditions.Height = 3.25f;
        Conditions.StoreyElevation = 6.5f;
        const float coefs[4] = {10, -5, -10, -15};
        std::copy(coefs, coefs + 4, Conditions.OrientationCoef);
        Conditions.ContainSunSolarWinter = true;
        Conditions.WinterSteadyFlag = 1;

        // Every output holds its call's number + 1, so that each sum can be traced to its calls.
        Library.Fill = [](const RecordedCall& call, int, int) { return call.Sequence + 1.0; };
    }

    void TearDown() override
    {
        m_manager.reset();
        CalcFixture::TearDown();
    }

    void InsertRecords()
    {
        auto layered = [this](const char* table, int id, double ks, double kw, double beta, double xs,
                              double xw) {
            m_project.ExecSQL({QStringLiteral("insert into %1 (ID, Name, K_S, K_W, Beta, Kesi_S, Kesi_W) "
                                              "values (?, '构造', ?, ?, ?, ?, ?)")
                                   .arg(QLatin1String(table)),
                               {id, ks, kw, beta, xs, xw}});
        };
        auto glazed = [this](const char* table, int id, double ks, double kw, double g) {
            m_project.ExecSQL(
                {QStringLiteral("insert into %1 (ID, Name, K_S, K_W, g) values (?, '玻璃', ?, ?, ?)")
                     .arg(QLatin1String(table)),
                 {id, ks, kw, g}});
        };
        auto plain = [this](const char* table, int id, double ks, double kw) {
            m_project.ExecSQL({QStringLiteral("insert into %1 (ID, Name, K_S, K_W) values (?, '门', ?, ?)")
                                   .arg(QLatin1String(table)),
                               {id, ks, kw}});
        };
        layered("OutsideWall_Lib", 501, 1.5, 1.625, 0.25, 8.5, 9);
        glazed("OutsideDoor_Lib", 502, 2.5, 2.75, 0.5);
        m_project.ExecSQL(
            {"insert into OutsideWindow_Lib (ID, Name, K_S, K_W, g, Inside_Sunshade, "
             "Outside_Sunshade, Glass_Revise) values (503, '外窗', 3.25, 3.5, 0.75, 0.5, 0.875, 1.25)"});
        glazed("GlassCurtainWall_Lib", 504, 2.25, 2.375, 0.625);
        layered("InsideWall_Lib", 505, 1.75, 1.875, 0.5, 4, 4.5);
        plain("InsideWindow_Lib", 506, 2.875, 3);
        plain("InsideDoor_Lib", 507, 2.125, 2.25);
        layered("Roof_Lib", 508, 0.75, 0.8125, 0.375, 10, 10.5);
        glazed("SkyWindow_Lib", 509, 3.75, 4, 0.5);
        layered("Ceiling_Lib", 510, 1.25, 1.375, 0.625, 3, 3.5);
        layered("Floor_Lib", 511, 1.125, 1.0, 0.5, 2, 2.5);
        layered("BlindStorey_Lib", 512, 0.875, 0.9375, 0.3125, 6, 6.5);
        glazed("GlassRoof_Lib", 513, 3.125, 3.375, 0.5);
        plain("Ground_Lib", 514, 0.375, 0.4375);
        plain("BasementWall_Lib", 515, 0.625, 0.6875);
        layered("ProjectionFloor_Lib", 516, 0.5, 0.5625, 0.75, 5, 5.5);
        layered("GapWall_Lib", 517, 1.0, 1.5, 0.4375, 7, 7.5);
    }

    template <typename T> T* Add(CNodeData* parent, int materialId)
    {
        CNodeData* node = Make(parent, T::TypeCode);
        auto* element = dynamic_cast<T*>(node->LoadElement());
        element->material_id = materialId;
        return element;
    }

    void BuildRoom()
    {
        CNodeData* wallNode = Make(R4, COutsideWall::TypeCode);
        Wall = dynamic_cast<COutsideWall*>(wallNode->LoadElement());
        Wall->material_id = 501;
        Wall->Name = QStringLiteral("南墙");
        Wall->Direction = 1;
        Wall->Direction_Angle = 22.5;
        SetSize(*Wall, 0, 5, Wall->Height, 3, 0);
        WallNode = wallNode;

        Door = Add<COutsideDoor>(wallNode, 502);
        SetSize(*Door, 0, 1, Door->Height, 2, 0);
        Door->Quantity = 1;
        Door->ShieldType = 2;
        Door->AirSupplyType = 1;
        Door->InsideShieldMaterials = 3;
        Door->OutsideShield = {1, 2, 0.5, 0.25, 0.125, 0.375};

        Window = Add<COutsideWindow>(wallNode, 503);
        Window->Name = QStringLiteral("窗1");
        SetSize(*Window, 0, 2, Window->Height, 1.5, 0);
        Window->Quantity = 3;
        Window->ShieldType = 3;
        Window->AirSupplyType = 0;
        Window->InsideShieldMaterials = 2;
        Window->OutsideShield = {2, 1.5, 0.75, 0.5, 0.25, 0.125};

        auto* curtain = Add<CGlassCurtainWall>(R4, 504);
        curtain->Direction = 7;
        curtain->Direction_Angle = 10;
        SetSize(*curtain, 1, 0, curtain->Height, 0, 12.5);
        curtain->ShieldType = 1;
        curtain->AirSupplyType = 1;
        curtain->InsideShieldMaterials = 4;

        CNodeData* insideWallNode = Make(R4, CInsideWall::TypeCode);
        InsideWall = dynamic_cast<CInsideWall*>(insideWallNode->LoadElement());
        InsideWall->material_id = 505;
        SetSize(*InsideWall, 0, 4, InsideWall->Height, 3, 0);
        InsideWall->AdjacentRoomStatus = 4;
        InsideWall->Summer_NearRoomDeltaT = 2.5;
        InsideWall->Winter_NearRoomDeltaT = -3.5;
        InsideWall->Coefficient = 0.625;
        InsideWall->Winter_Heat_Transfer = true;
        auto* insideWindow = Add<CInsideWindow>(insideWallNode, 506);
        SetSize(*insideWindow, 0, 1.5, insideWindow->Width, 1, 0);
        insideWindow->Quantity = 2;
        auto* insideDoor = Add<CInsideDoor>(insideWallNode, 507);
        SetSize(*insideDoor, 0, 1, insideDoor->Width, 2, 0);
        insideDoor->Quantity = 1;

        CNodeData* roofNode = Make(R4, CRoof::TypeCode);
        Roof = dynamic_cast<CRoof*>(roofNode->LoadElement());
        Roof->material_id = 508;
        SetSize(*Roof, 1, 0, Roof->Width, 0, 20.5);
        Roof->Obliquity = 60;
        Roof->Color = 1;
        Roof->Direction = 3;
        Roof->Direction_Angle = 5;
        auto* skylight = Add<CSkyWindow>(roofNode, 509);
        SetSize(*skylight, 0, 1, skylight->Width, 0.5, 0);
        skylight->Quantity = 1;
        skylight->Shield = 0.75;

        Ceiling = Add<CCeiling>(R4, 510);
        SetSize(*Ceiling, 2, 0, Ceiling->Width, 0, 0);
        Ceiling->AdjacentRoomStatus = 5;
        Ceiling->NearRoomDeltaT_Sum = 1.5;
        Ceiling->NearRoomDeltaT_Win = -2;
        Ceiling->Coefficient_Value = 0.5;
        Ceiling->bWinter_Heat_Transfer = 1;
        auto* floor = Add<CFloor>(R4, 511);
        SetSize(*floor, 1, 0, floor->Width, 0, 30);
        floor->AdjacentRoomStatus = 3;
        floor->NearRoomDeltaT_Sum = 0.5;
        floor->NearRoomDeltaT_Win = -1;
        floor->Coefficient_Value = 0.75;
        floor->bWinter_Heat_Transfer = 0;
        auto* attic = Add<CBlindStorey>(R4, 512);
        SetSize(*attic, 1, 0, attic->Width, 0, 18);
        attic->Color = 2;
        auto* glassRoof = Add<CGlassRoof>(R4, 513);
        SetSize(*glassRoof, 1, 0, glassRoof->Width, 0, 6);
        glassRoof->Direction = 5;
        glassRoof->Direction_Angle = 15;
        glassRoof->Shield = 0.5;
        auto* ground = Add<CGround>(R4, 514);
        SetSize(*ground, 1, 0, ground->Width, 0, 25);
        auto* basement = Add<CBasementWall>(R4, 515);
        SetSize(*basement, 0, 6, basement->Width, 2.5, 0);
        auto* projection = Add<CProjectionFloor>(R4, 516);
        SetSize(*projection, 1, 0, projection->Width, 0, 8);
        auto* gap = Add<CGapWall>(R4, 517);
        SetSize(*gap, 0, 3, gap->Height, 2, 0);
        gap->GapWallType = 2;
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

    // The calculation structure of R4 anew, after the tree changed.
    void Rebuild()
    {
        Show();
        m_manager = std::make_unique<CCalculate_Manager>();
        m_manager->SetCalcLibrary(&Library);
        m_manager->BuildCalcStructure(Item(R4));
        Room = m_manager->Buildings().at(0)->Storeys.at(0)->Rooms.at(0).get();
        ASSERT_EQ(Room->Entry.Node, R4);
    }

    void RunOutsideWalls() { m_manager->CalculateACOutsideWalls(Context, Conditions, *Room, Result); }
    void RunCurtainWalls() { m_manager->CalculateACGlassCurtainWalls(Context, Conditions, *Room, Result); }
    // The slab, roof and inner envelope passes in the order of the room calculation.
    void RunSlabPasses()
    {
        CCalculate_Manager& m = *m_manager;
        m.CalculateACCeilings(Context, Conditions, *Room, Result);
        m.CalculateACFloors(Context, Conditions, *Room, Result);
        m.CalculateACBlindStoreys(Context, Conditions, *Room, Result);
        m.CalculateACGlassRoofs(Context, Conditions, *Room, Result);
        m.CalculateACGrounds(Context, Conditions, *Room, Result);
        m.CalculateACBasementWalls(Context, Conditions, *Room, Result);
        m.CalculateACProjectionFloors(Context, Conditions, *Room, Result);
        m.CalculateACGapWalls(Context, Conditions, *Room, Result);
        m.CalculateACInsideWalls(Context, Conditions, *Room, Result);
        m.CalculateACRoofs(Context, Conditions, *Room, Result);
    }

    float At(int array, int hour = 0) const { return Result.Hourly[array][hour]; }
    // The area (argument 12) of the outside wall's summer call.
    double WallArea() const
    {
        return Library.CallsOf(QStringLiteral("GetCL_OutEnclose_Wall_v2005_Angle")).at(0).Real(12);
    }

    CRecordingCalcLibrary Library;
    RoomCalcContext Context;
    ACDesignConditions Conditions;
    CCalculate_Result_IsACLoadCalculation Result;
    CCalculate_Room* Room = nullptr;
    CNodeData* WallNode = nullptr;
    COutsideWall* Wall = nullptr;
    COutsideDoor* Door = nullptr;
    COutsideWindow* Window = nullptr;
    CInsideWall* InsideWall = nullptr;
    CRoof* Roof = nullptr;
    CCeiling* Ceiling = nullptr;

    CCalculate_Manager& Manager() { return *m_manager; }

private:
    std::unique_ptr<CCalculate_Manager> m_manager;
};

TEST_F(ACEnvelopeTest, OutsideWallOpeningsAndCurtainWallPassTheirArgumentLists)
{
    RunOutsideWalls();
    RunCurtainWalls();

    const QString window = QStringLiteral("GetCL_OutEnclose_Window");
    const QString window2014 = QStringLiteral("GetCL_OutEnclose_Window_2014_Angle");
    const QString solar = QStringLiteral("GetCL_OutEnclose_Solar_Angle");
    std::vector<ExpectedCall> expected;
    // Conduction (plain, then with the orientation) and solar of an opening, summer then winter.
    auto opening = [&](const double k[2], double area, int direction, double angle, double solarFactor,
                       Args shading, Args shade, int quantity) {
        for (bool summer : {true, false}) {
            const Args conduction =
                Cat({Outer(summer), {I(1), F(k[!summer]), F(area), I(Steady(summer)), OUT}, Tail(summer)});
            expected.push_back({window, conduction});
            expected.push_back({window2014, Cat({conduction, {I(direction)}, Coefs(), {D(angle)}})});
        }
        for (bool summer : {true, false})
            expected.push_back({solar, Cat({{F(kLatitude), F(kLongitude), F(kTwg), I(1), I(direction),
                                             F(k[!summer]), F(solarFactor)},
                                            shading,
                                            {F(area)},
                                            Flags(summer),
                                            {F(0.75)},
                                            SolarDate(summer),
                                            shade,
                                            {I(quantity), OUT, D(angle)}})});
    };
    const double doorK[2] = {2.5, 2.75}, windowK[2] = {3.25, 3.5}, curtainK[2] = {2.25, 2.375};
    // Door 1 x 2 m; window 2 x 1.5 m three times; both take the wall's orientation.
    opening(doorK, 2, 1, 22.5, 0.5, {I(2), I(1), I(3)}, {F(1), F(2), F(0.5), F(0.25), F(0.125), F(0.375)}, 1);
    opening(windowK, 9, 1, 22.5, 0.75 * 0.5 * 0.875 * 1.25, {I(3), I(0), I(2)},
            {F(2), F(1.5), F(0.75), F(0.5), F(0.25), F(0.125)}, 3);
    // The wall: 5 x 3 m less its 11 m² of openings.
    for (bool summer : {true, false})
        expected.push_back(
            {QStringLiteral("GetCL_OutEnclose_Wall_v2005_Angle"),
             Cat({Outer(summer),
                  {I(1), F(summer ? 1.5 : 1.625), F(0.25), F(summer ? 8.5 : 9), F(4), I(Steady(summer)), OUT},
                  Tail(summer),
                  Coefs(),
                  {D(22.5)}})});
    // The curtain wall: its own orientation, no outside shading, quantity 0.
    opening(curtainK, 12.5, 7, 10, 0.625, {I(1), I(1), I(4)}, {F(0), F(0), F(0), F(0), F(0), F(0)}, 0);

    ExpectCalls(Library.Calls, expected);
}

TEST_F(ACEnvelopeTest, SlabsRoofsGroundAndInnerEnvelopePassTheirArgumentLists)
{
    RunSlabPasses();

    std::vector<ExpectedCall> expected;
    auto both = [&](const QString& name, const std::function<Args(bool)>& args, bool winter = true) {
        expected.push_back({name, args(true)});
        if (winter)
            expected.push_back({name, args(false)});
    };
    const QString floorFn = QStringLiteral("GetCL_InEnclose_Floor_v2005");
    const QString roofFn = QStringLiteral("GetCL_OutEnclose_Roof");
    const QString windowFn = QStringLiteral("GetCL_OutEnclose_Window");
    const QString skyFn = QStringLiteral("GetCL_SkyWindow_Solar_Angle");
    auto sky = [](double ks, double kw, int direction, double solarFactor, double area, double angle) {
        return [=](bool s) {
            return Cat({{F(kLatitude), F(kLongitude), F(kTwg), I(1), I(direction), F(s ? ks : kw),
                         F(solarFactor), F(area)},
                        Flags(s),
                        {F(0.75)},
                        SolarDate(s),
                        {OUT, D(angle)}});
        };
    };
    auto glazing = [](double ks, double kw, double area) {
        return [=](bool s) {
            return Cat({Outer(s), {I(1), F(s ? ks : kw), F(area), I(Steady(s)), OUT}, Tail(s)});
        };
    };

    // Floor slab: the room's area (input 2); the floor has no winter call (no winter heat transfer).
    both(floorFn, [](bool s) {
        return Cat({Inner(s),
                    {F(s ? 1.25 : 1.375), F(0.625), F(s ? 3 : 3.5), F(40), I(5), I(Steady(s)), OUT,
                     F(s ? 1.5 : -2), F(0.5)}});
    });
    both(
        floorFn,
        [](bool s) {
            return Cat({Inner(s), {F(1.125), F(0.5), F(2), F(30), I(3), I(Steady(s)), OUT, F(0.5), F(0.75)}});
        },
        false);
    both(roofFn, [](bool s) {
        return Cat({Outer(s),
                    {F(s ? 0.875 : 0.9375), F(0.3125), F(s ? 6 : 6.5), F(18), I(2), I(Steady(s)), OUT},
                    Tail(s)});
    });
    // Glass roof: conduction, then solar with its own orientation and g x Shield.
    both(windowFn, glazing(3.125, 3.375, 6));
    both(skyFn, sky(3.125, 3.375, 5, 0.25, 6, 15));
    // Ground: half way between the ground and the outdoor design temperature, (24 + 34) / 2 = 29 in
    // summer; the basement wall sees the ground temperature itself.
    both(QStringLiteral("GetCL_Ground"), [](bool s) {
        return Args{F(s ? 26 : 20), F(s ? 29 : -4), F(s ? 0.375 : 0.4375), F(25), I(s ? 7 : 1), OUT};
    });
    both(QStringLiteral("GetCL_BasementWall"), [](bool s) {
        return Args{F(s ? 26 : 20), F(s ? 24 : 2), F(s ? 0.625 : 0.6875), F(15), I(s ? 7 : 1), OUT};
    });
    both(QStringLiteral("GetCL_ProjectionFloor"), [](bool s) {
        return Cat(
            {Inner(s), {F(s ? 0.5 : 0.5625), F(0.75), F(s ? 5 : 5.5), F(8), I(Steady(s)), OUT}, Tail(s)});
    });
    // The gap wall keeps its summer construction values in winter.
    both(QStringLiteral("GetCL_GapWall"), [](bool s) {
        return Cat({Inner(s), {F(1.0), F(0.4375), F(7), F(6), I(2), I(Steady(s)), OUT}});
    });
    // Inside wall: its door, its window, then itself net of their 5 m², with the wall's status,
    // difference and coefficient throughout.
    auto insideOpening = [](double ks, double kw, double area) {
        return [=](bool s) {
            return Cat(
                {Inner(s),
                 {I(1), I(4), F(s ? ks : kw), F(area), I(Steady(s)), OUT, F(s ? 2.5 : -3.5), F(0.625)}});
        };
    };
    both(QStringLiteral("GetCL_InEnclose_Window_v2005"), insideOpening(2.125, 2.25, 2));
    both(QStringLiteral("GetCL_InEnclose_Window_v2005"), insideOpening(2.875, 3, 3));
    both(QStringLiteral("GetCL_InEnclose_Wall_v2005"), [](bool s) {
        return Cat({Inner(s),
                    {F(s ? 1.75 : 1.875), F(0.5), F(s ? 4 : 4.5), F(7), I(4), I(Steady(s)), OUT,
                     F(s ? 2.5 : -3.5), F(0.625)}});
    });
    // Roof: the skylight with the roof's orientation, then the roof net of it, projected:
    // (20.5 - 0.5) x cos 60°.
    both(windowFn, glazing(3.75, 4, 0.5));
    both(skyFn, sky(3.75, 4, 3, 0.375, 0.5, 5));
    const double roofArea = 20 * std::cos(60 * 3.1415926 / 180);
    both(roofFn, [=](bool s) {
        return Cat({Outer(s),
                    {F(s ? 0.75 : 0.8125), F(0.375), F(s ? 10 : 10.5), F(roofArea), I(1), I(Steady(s)), OUT},
                    Tail(s)});
    });

    ExpectCalls(Library.Calls, expected);
    EXPECT_NEAR(roofArea, 10, 1e-6);
}

TEST_F(ACEnvelopeTest, OutsideWallPassFillsItsArraysAndDetailRows)
{
    RunOutsideWalls();
    RunCurtainWalls();

    // Output values by call: door 2 conduction summer (2014 call), 4 winter, 5 solar summer, 6 winter;
    // window 8, 10, 11, 12; wall 13, 14; curtain wall 16, 18, 19, 20.
    const struct
    {
        int Array;
        float Value;
    } cases[] = {
        {60, 2 + 5},       {61, 4 + 6},        {56, 8},           {57, 10},
        {58, 11},          {59, 12},           {54, 8 + 11},      {55, 10 + 12},
        {84, 13},          {85, 14},           {96, 16 + 19},     {97, 18 + 20},
        {50, 7 + 19 + 13}, {51, 10 + 22 + 14}, {95, 5 + 11 + 19}, {94, 6 + 12 + 20},
    };
    for (const auto& c : cases)
        for (int hour : {0, 23})
            EXPECT_FLOAT_EQ(At(c.Array, hour), c.Value) << "array " << c.Array;

    // Rows of the window by part, named after the window and oriented as the wall; the wall's own rows.
    const struct
    {
        int List;
        QString Caption;
        float Value;
    } rows[] = {
        {0, QStringLiteral("南墙冷负荷(南22.5度)"), 13},
        {1, QStringLiteral("南墙热负荷(南22.5度)"), 14},
        {6, QStringLiteral("窗1冷负荷(南22.5度)"), 19},
        {2, QStringLiteral("窗1传热冷负荷(南22.5度)"), 8},
        {3, QStringLiteral("窗1辐射冷负荷(南22.5度)"), 11},
        {7, QStringLiteral("窗1热负荷(南22.5度)"), 22},
        {4, QStringLiteral("窗1传热热负荷(南22.5度)"), 10},
        {5, QStringLiteral("窗1辐射热负荷(南22.5度)"), 12},
    };
    for (const auto& row : rows) {
        ASSERT_EQ(Captions(Result.DetailList[row.List]), QStringList{row.Caption}) << "list " << row.List;
        EXPECT_FLOAT_EQ(Result.DetailList[row.List].Get(0)->Value[5], row.Value) << row.Caption.toStdString();
    }
}

TEST_F(ACEnvelopeTest, WallCaptionShowsTheAngleOnlyWhenTurned)
{
    Wall->Direction = 5;
    Wall->Direction_Angle = 0;
    RunOutsideWalls();
    EXPECT_EQ(Captions(Result.DetailList[0]), QStringList{QStringLiteral("南墙冷负荷(北)")});
    EXPECT_EQ(Captions(Result.DetailList[1]), QStringList{QStringLiteral("南墙热负荷(北)")});
}

TEST_F(ACEnvelopeTest, SlabPassesFillTheirArrays)
{
    RunSlabPasses();

    // Output values by call: ceiling 1, 2; floor 3 (no winter); attic 4, 5; glass roof conduction 6,
    // 7, solar 8, 9; ground 10, 11; basement 12, 13; projection 14, 15;
    // gap 16, 17; inside door 18, 19; inside window 20, 21; inside wall 22, 23; skylight
    // conduction 24, 25, solar 26, 27; roof 28, 29.
    const struct
    {
        int Array;
        float Value;
    } cases[] = {
        {74, 1},
        {75, 2},
        {78, 3},
        {79, 0},
        {82, 4},
        {83, 5},
        {98, 6},
        {99, 7},
        {100, 8},
        {101, 9},
        {76, 6 + 8},
        {77, 7 + 9},
        {102, 10},
        {103, 11},
        {104, 12},
        {105, 13},
        {80, 14},
        {81, 15},
        {92, 16},
        {93, 17},
        {64, 18},
        {65, 19},
        {62, 20},
        {63, 21},
        {86, 22},
        {87, 23},
        {52, 18 + 20 + 22},
        {53, 19 + 21 + 23},
        {70, 24},
        {71, 25},
        {72, 26},
        {73, 27},
        {68, 24 + 26},
        {69, 25 + 27},
        {88, 28},
        {89, 29},
        {66, 24 + 26 + 28},
        {67, 25 + 27 + 29},
        {95, 8 + 26},
        {94, 9 + 27},
    };
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(At(c.Array, 12), c.Value) << "array " << c.Array;
}

TEST_F(ACEnvelopeTest, NetAreaOfWallsAndRoofs)
{
    // A 10 m² wall holding 12 m² of openings passes nothing when net areas are chosen, and its full
    // area otherwise; the openings are counted on top either way.
    Wall->IsLWInputArea = 1;
    Wall->Area = 10;
    Door->Length = 1.5; // 3 m² with the window's 9 m²
    for (int net : {1, 0}) {
        Library.Calls.clear();
        Context.NetWallArea = net;
        RunOutsideWalls();
        RunSlabPasses();
        EXPECT_DOUBLE_EQ(WallArea(), net ? 0 : 10) << net;
        EXPECT_FLOAT_EQ(Library.CallsOf(QStringLiteral("GetCL_InEnclose_Wall_v2005")).at(0).Real(12),
                        net ? 7 : 12);
        // The roof: 20.5 m² less its 0.5 m² skylight, projected at 60°.
        EXPECT_NEAR(Library.CallsOf(QStringLiteral("GetCL_OutEnclose_Roof")).at(2).Real(11), net ? 10 : 10.25,
                    1e-5);
        EXPECT_EQ(Library.CallsOf(QStringLiteral("GetCL_OutEnclose_Solar_Angle")).at(2).Real(11), 9);
    }
}

TEST_F(ACEnvelopeTest, MissingRecordsLeaveOutTheirElementOnly)
{
    // A second window without its record, a door without its record, a wall without its record.
    auto* second = Add<COutsideWindow>(WallNode, 999);
    second->Quantity = 1;
    Door->material_id = 998;
    Wall->material_id = 997;
    InsideWall->material_id = 996;
    Roof->material_id = 995;
    Rebuild();

    RunOutsideWalls();
    RunSlabPasses();

    // Only the first window is calculated: 6 calls, and its loads are added once.
    EXPECT_EQ(Library.Names().count(QStringLiteral("GetCL_OutEnclose_Solar_Angle")), 2);
    EXPECT_FLOAT_EQ(At(54), 2 + 5);
    EXPECT_FLOAT_EQ(At(56), 2);
    EXPECT_FLOAT_EQ(At(50), 2 + 5);
    // No wall call, no wall rows; the window rows stay.
    EXPECT_TRUE(Library.CallsOf(QStringLiteral("GetCL_OutEnclose_Wall_v2005_Angle")).isEmpty());
    EXPECT_EQ(Result.DetailList[0].Count(), 0);
    EXPECT_EQ(Result.DetailList[1].Count(), 0);
    EXPECT_EQ(Result.DetailList[6].Count(), 1);
    EXPECT_FLOAT_EQ(At(84), 0);
    // The inside wall's and the roof's openings are still calculated.
    EXPECT_EQ(Library.CallsOf(QStringLiteral("GetCL_InEnclose_Window_v2005")).size(), 4);
    EXPECT_TRUE(Library.CallsOf(QStringLiteral("GetCL_InEnclose_Wall_v2005")).isEmpty());
    EXPECT_EQ(Library.CallsOf(QStringLiteral("GetCL_SkyWindow_Solar_Angle")).size(), 4);
    EXPECT_EQ(Library.CallsOf(QStringLiteral("GetCL_OutEnclose_Roof")).size(), 2); // the attic's
    // Every missing record was reported once per request.
    EXPECT_EQ(m_calcHost.Messages.size(), 5) << m_calcHost.Messages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(ACEnvelopeTest, WinterSideFollowsTheElementsHeatTransferSwitch)
{
    InsideWall->Winter_Heat_Transfer = false;
    Ceiling->bWinter_Heat_Transfer = 0;
    Library.Fill = [](const RecordedCall&, int, int) { return -7.0; };
    RunSlabPasses();

    EXPECT_EQ(Library.CallsOf(QStringLiteral("GetCL_InEnclose_Floor_v2005")).size(), 2); // summer calls only
    EXPECT_EQ(Library.CallsOf(QStringLiteral("GetCL_InEnclose_Window_v2005")).size(), 2);
    EXPECT_EQ(Library.CallsOf(QStringLiteral("GetCL_InEnclose_Wall_v2005")).size(), 1);
    for (int array : {53, 63, 65, 87, 75})
        EXPECT_FLOAT_EQ(At(array), 0) << "array " << array;
    for (int array : {62, 64, 86, 74})
        EXPECT_FLOAT_EQ(At(array), -7) << "array " << array;
}

TEST_F(ACEnvelopeTest, RoomHeatedButNotCooledGetsHeatingRowsAndBothWallRows)
{
    Context.SummerCooling = false;
    RunOutsideWalls();
    RunSlabPasses();

    // The door's and the glass roof's summer solar calls are left out; windows and skylights make theirs.
    EXPECT_EQ(Library.CallsOf(QStringLiteral("GetCL_OutEnclose_Solar_Angle")).size(), 3);
    EXPECT_EQ(Library.CallsOf(QStringLiteral("GetCL_SkyWindow_Solar_Angle")).size(), 3);
    for (int list : {2, 3, 6})
        EXPECT_EQ(Result.DetailList[list].Count(), 0) << list;
    for (int list : {0, 1, 4, 5, 7})
        EXPECT_EQ(Result.DetailList[list].Count(), 1) << list;
    for (int array : {50, 54, 56, 58, 60, 84, 95, 52, 66, 74, 76, 88, 102})
        EXPECT_FLOAT_EQ(At(array), 0) << "array " << array;
    for (int array : {51, 55, 57, 59, 61, 85, 94, 53, 67, 75, 77, 89, 103})
        EXPECT_NE(At(array), 0) << "array " << array;
}

TEST_F(ACEnvelopeTest, FactorsApplyAfterTheWallRowsAndWinterSolarCanBeLeftOut)
{
    Context.CoolPlusFactor = 1.25;
    Context.CoolPlusOn = true;
    Context.HeatRebateFactor = 0.5;
    Conditions.ContainSunSolarWinter = false;
    RunOutsideWalls();
    RunCurtainWalls();
    EXPECT_FLOAT_EQ(At(95), (5 + 11 + 19) * 1.25f);
    RunSlabPasses();

    // Wall rows before the factors, arrays 84 and 85 after them.
    EXPECT_FLOAT_EQ(Result.DetailList[0].Get(0)->Value[0], 13);
    EXPECT_FLOAT_EQ(Result.DetailList[1].Get(0)->Value[0], 14);
    EXPECT_FLOAT_EQ(At(84), 13 * 1.25f);
    EXPECT_FLOAT_EQ(At(85), 14 * 0.5f * 1.25f);
    // Winter solar gains gone, winter conduction kept; summer solar unaffected.
    for (int array : {94, 59, 73, 101})
        EXPECT_FLOAT_EQ(At(array), 0) << "array " << array;
    EXPECT_FLOAT_EQ(At(61), 4 * 0.625f);
    EXPECT_FLOAT_EQ(At(55), 10 * 0.625f);
    EXPECT_FLOAT_EQ(At(58), 11 * 1.25f);
}

// The passes through the real library, for a room in Beijing: south wall and window, flat roof.
class ACEnvelopePhysicsTest : public ACEnvelopeTest
{
protected:
    void SetUp() override
    {
        ACEnvelopeTest::SetUp();
        if (HasFatalFailure())
            return;
        Conditions.Longitude = 116.47f;
        Conditions.SummerDryBulb = 33.5f;
        Conditions.SummerMeanDryBulb = 29.6f;
        Conditions.WinterDryBulb = -9.9f;
        Conditions.MaxDryBulb[Winter] = -9.9f;
        Conditions.WinterSteadyFlag = 0;
        Wall->Direction_Angle = 0;
        Window->ShieldType = 0;
        Window->OutsideShield = {};
        Door->ShieldType = 0;
        Door->OutsideShield = {};
        Manager().SetCalcLibrary(nullptr);
        Manager().CalcLibrary().SetDesignContext(116.47f, 8, 7.5f, 0.75f, 2, 100020, 102170);
    }
    void TearDown() override
    {
        Manager().CalcLibrary().ResetDesignContext();
        ACEnvelopeTest::TearDown();
    }
};

TEST_F(ACEnvelopePhysicsTest, SouthWallLagsTheOutdoorAirAndGlazingPeaksNearNoon)
{
    RunOutsideWalls();
    RunSlabPasses();

    // The design day's outdoor air is warmest at 14:00; the heavy wall (lag 8.5 h) delivers its
    // heat in the evening.
    const int wallPeak = PeakHour(Result.Hourly[84]);
    EXPECT_GE(wallPeak, 17);
    EXPECT_LE(wallPeak, 23);
    // Sun through the south window and the skylight: the room stores part of it, so the load peaks
    // shortly after noon and only a small remainder is given off at night.
    for (int array : {58, 72}) {
        const int peak = PeakHour(Result.Hourly[array]);
        EXPECT_GE(peak, 11) << "array " << array;
        EXPECT_LE(peak, 14) << "array " << array;
        EXPECT_LT(At(array, 2), 0.25f * At(array, peak)) << "array " << array;
        EXPECT_GT(At(array, 2), 0) << "array " << array;
    }
    // In January every part of the wall loses heat.
    for (int hour = 0; hour < 24; ++hour)
        EXPECT_LT(At(85, hour), 0) << hour;
}

TEST_F(ACEnvelopePhysicsTest, GroundAndInsideWallLoadsMatchHandCalculations)
{
    RunSlabPasses();

    // Constant loads K x A x (other side - room):
    //   ground 25 m², summer 0.375 x 25 x ((24 + 33.5) / 2 - 26), winter 0.4375 x 25 x ((2 - 9.9) / 2 - 20);
    //   basement wall 15 m², 0.625 x 15 x (24 - 26) and 0.6875 x 15 x (2 - 20);
    //   inside wall 7 m² net with the entered differences, 1.75 x 7 x 2.5 and 1.875 x 7 x (-3.5).
    const struct
    {
        int Array;
        double Value;
    } cases[] = {{102, 25.78125}, {103, -261.953125}, {104, -18.75},
                 {105, -185.625}, {86, 30.625},       {87, -45.9375}};
    for (const auto& c : cases)
        for (int hour : {3, 15})
            EXPECT_NEAR(At(c.Array, hour), c.Value, 1e-3) << "array " << c.Array;
}
