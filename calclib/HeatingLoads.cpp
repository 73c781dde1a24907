// Heating loads of envelope elements by the steady method of GB 50736-2012 ch. 5 (GB 50019-2003 for
// industrial rooms), evaluated at every hour of the outdoor profile the caller passes, and the
// other heat consumptions and emissions of a room.
//
// Choices where the standard leaves the library free:
// - The height addition and the intermittent addition apply to every envelope element of the room
//   (GB: "附加于围护结构的基本耗热量和其他附加耗热量上"), not to the cold air through cracks.
// - Orientation and wind additions apply to outside walls, doors, windows and curtain walls only;
//   roof, skylight, attic and floor calls carry no coefficients.
// - Basement walls are walls in the height of an industrial room (mean temperature t_np).

#include "calclib/dizedozev.h"

#include "calclib/CalcTables.h"
#include "calclib/ColdAirInfiltration.h"
#include "calclib/DesignContext.h"
#include "calclib/HeatingCorrections.h"
#include "calclib/InputGuard.h"
#include "calclib/SharedValueTable.h"

#include <algorithm>
#include <bit>
#include <iterator>

using namespace calclib;
using namespace calclib::heating;
using namespace calclib::tables;

namespace {

struct DetailTail
{
    float rate0;
    float* rate1;
    float* rate2;
    float* block0;
    float* rate3;
    float* rate4;
    float* rate5;
    float* block1;
    float* block2;
    float* block3;
};

// One element: what its far side is and the additions on its basic loss.
struct Element
{
    double k = 0.0;
    double area = 0.0;
    double roomTemp = 0.0; // t_n of the element's place in the room
    Adjacency adjacency;
    double adjacentTemp = 0.0; // FarSide::HeatedRoom
    double delta = 0.0;        // FarSide::GivenDelta: neighbour − this room
    double orientation = 0.0;  // x_ch
    double wind = 0.0;         // x_f
    double door = 0.0;         // x_m
    double height = 0.0;       // x_g
    double intermittent = 0.0; // x_j
};

// Temperatures beyond the range of air are typing errors; held there, a load stays finite.
double AirTemp(double t)
{
    return std::clamp(Finite(t), kAirTempMin, kAirTempMax);
}

double TempDifference(double dt)
{
    return std::clamp(Finite(dt), kAirTempMin - kAirTempMax, kAirTempMax - kAirTempMin);
}

Element MakeElement(float area, float k, float tn, int32_t industry, float height, float gradient,
                    RoomLevel level, float rate0)
{
    Element e;
    e.k = NonNegative(k);
    e.area = NonNegative(area);
    e.roomTemp = AirTemp(EffectiveIndoorTemp(AirTemp(tn), industry, height, gradient, level));
    e.height = HeightAddition(industry, height);
    e.intermittent = NonNegative(rate0) * kPercent;
    return e;
}

// The outdoor temperature of every hour; a missing profile is all zeros.
void OutdoorDay(const float* profile24, double outdoor[24])
{
    if (!profile24) {
        std::fill(outdoor, outdoor + 24, AirTemp(0.0));
        return;
    }
    for (int h = 0; h < 24; ++h)
        outdoor[h] = AirTemp(profile24[h]);
}

// The basic loss Q1 of every hour. The far side is chosen once for the day, which leaves the hourly
// loop free of branches.
void BasicLoss(const Element& e, const double outdoor[24], double q1[24])
{
    const double ka = e.k * e.area;
    switch (e.adjacency.side) {
    case FarSide::HeatedRoom:
        std::fill(q1, q1 + 24, -ka * (e.roomTemp - e.adjacentTemp));
        return;
    case FarSide::GivenDelta:
        std::fill(q1, q1 + 24, ka * e.delta);
        return;
    case FarSide::Unheated:
        break;
    }
    const double factor = -e.adjacency.alpha * ka;
    for (int h = 0; h < 24; ++h)
        q1[h] = factor * (e.roomTemp - outdoor[h]);
}

// Transmission loss of every hour into transmission[], and the detail tail. The parts of the loss
// are worked out only for a caller that asked for them.
void Transmission(const Element& e, const double outdoor[24], const DetailTail& tail, double transmission[24])
{
    const double additions = 1.0 + e.orientation + e.wind + e.door;
    const double factor = additions * (1.0 + e.height) * (1.0 + e.intermittent);
    double q1[24];
    BasicLoss(e, outdoor, q1);
    for (int h = 0; h < 24; ++h)
        transmission[h] = q1[h] * factor;
    const double alpha = e.adjacency.side == FarSide::Unheated ? e.adjacency.alpha : 1.0;
    StoreScalar(tail.rate1, e.k);
    StoreScalar(tail.rate2, alpha);
    StoreScalar(tail.rate3, e.orientation);
    StoreScalar(tail.rate4, e.wind);
    StoreScalar(tail.rate5, e.door);
    Store(tail.block0, 24, q1);
    if (!tail.block1 && !tail.block2 && !tail.block3)
        return;
    double qOrientation[24], qWind[24], qRest[24];
    for (int h = 0; h < 24; ++h) {
        qOrientation[h] = q1[h] * e.orientation;
        qWind[h] = q1[h] * e.wind;
        qRest[h] = transmission[h] - q1[h] - qOrientation[h] - qWind[h];
    }
    Store(tail.block1, 24, qOrientation);
    Store(tail.block2, 24, qWind);
    Store(tail.block3, 24, qRest);
}

void Calculate(const Element& e, const float* profile24, float* out24, const DetailTail& tail)
{
    double outdoor[24], q[24];
    OutdoorDay(profile24, outdoor);
    Transmission(e, outdoor, tail, q);
    Store(out24, 24, q);
}

// Whether the caller asked for any output of the detail tail.
bool WantsTail(const DetailTail& t)
{
    return t.rate1 || t.rate2 || t.block0 || t.rate3 || t.rate4 || t.rate5 || t.block1 || t.block2 ||
           t.block3;
}

// The arguments of a call other than its area and its day, which the day's hours are added to. Calls
// of one run that differ only in their area share the hours per square metre: the rooms of a
// building repeat their walls, windows and slabs. The first word tells the functions apart.
using ElementKey = SharedKey<20>;
using OpeningKey = SharedKey<32>;
enum class KeyOf : int
{
    OutWall = 1,
    IndoorWindow,
    IndoorWall,
    Ceiling,
    Floor,
    Skylight,
    Roof,
    BlindStorey,
    Ground,
    BasementWall,
    OutFloor,
    GapWall,
    Opening,
};

uint32_t Bits(float x)
{
    return std::bit_cast<uint32_t>(x);
}
uint32_t Bits(int32_t x)
{
    return static_cast<uint32_t>(x);
}

// The exact bits of the arguments, 32 to each (floats and integers as the C interface takes them),
// after the function's word.
template <int Words, typename... Args> SharedKey<Words> KeyFor(KeyOf kind, Args... arguments)
{
    const uint32_t bits[] = {Bits(static_cast<int32_t>(kind)), Bits(arguments)...};
    SharedKey<Words> key;
    key.Add(bits, static_cast<int>(std::size(bits)));
    return key;
}

thread_local SharedValueTable<ElementKey, UnitHours, 16384> t_elementDays;

// An element whose loss is its transmission alone; makeElement(area) builds it. A caller that wants
// the detail tail has it computed from its own arguments.
template <typename MakeElement>
void CalculateShared(ElementKey key, float area, const float* profile24, float* out24, const DetailTail& tail,
                     MakeElement makeElement)
{
    if (WantsTail(tail)) {
        Calculate(makeElement(area), profile24, out24, tail);
        return;
    }
    if (!out24)
        return;
    key.Add(profile24, 24);
    UnitHours scratch;
    const UnitHours& unit = SharedValue(t_elementDays, key, scratch, [&](UnitHours& u) {
        double outdoor[24];
        OutdoorDay(profile24, outdoor);
        Transmission(makeElement(1.0f), outdoor, DetailTail{}, u.v);
    });
    const double a = NonNegative(area);
    for (int h = 0; h < 24; ++h)
        out24[h] = static_cast<float>(unit.v[h] * a);
}

// An outside door or window: its transmission per square metre and the heat of the cold air through
// its cracks, which does not grow with its area.
struct OpeningDay
{
    double transmission[24];
    double infiltration[24];
};
thread_local SharedValueTable<OpeningKey, OpeningDay, 16384> t_openingDays;

OrientationCoefficients Coefficients(float north, float east, float southEast, float south)
{
    return {Finite(north), Finite(east), Finite(southEast), Finite(south)};
}

// The crack exponent b lies in (0, 1]; GB gives 0.56–0.78 and 0.67 without measurements.
double CrackExponent(float b)
{
    const double v = Finite(b);
    return v > 0.0 && v <= 1.0 ? v : kCrackExponent;
}

} // namespace

#define DETAIL_TAIL_PARAMS                                                                                   \
    float rate0, float *rate1, float *rate2, float *block0, float *rate3, float *rate4, float *rate5,        \
        float *block1, float *block2, float *block3
#define DETAIL_TAIL                                                                                          \
    {                                                                                                        \
        rate0, rate1, rate2, block0, rate3, rate4, rate5, block1, block2, block3                             \
    }

DIZEDOZEV_API void GetHL_OutWall_Angle_v2012(int32_t direction, float area, float k, float tn,
                                             const float* profile24, int32_t industry, float height,
                                             float gradient, float coefNorth, float coefEast,
                                             float coefSouthEast, float coefSouth, float windPlus,
                                             float /*elevation*/, float /*windSpeed*/, float* out24,
                                             double directionAngle, DETAIL_TAIL_PARAMS)
{
    ElementKey key = KeyFor<20>(KeyOf::OutWall, direction, k, tn, industry, height, gradient, coefNorth,
                                coefEast, coefSouthEast, coefSouth, windPlus, rate0);
    key.Add(directionAngle);
    CalculateShared(key, area, profile24, out24, DETAIL_TAIL, [&](float a) {
        Element e = MakeElement(a, k, tn, industry, height, gradient, RoomLevel::Wall, rate0);
        e.orientation = OrientationCorrection(direction, directionAngle,
                                              Coefficients(coefNorth, coefEast, coefSouthEast, coefSouth));
        e.wind = Finite(windPlus) * kPercent;
        return e;
    });
}

DIZEDOZEV_API void GetHL_OutWindow_Angle_v2012(
    int32_t direction, float area, float k, float tn, const float* profile24, int32_t industry, float height,
    float gradient, float elevation, float windSpeed, int32_t isColdAir, int32_t doorType,
    int32_t storeyCount, float coefNorth, float coefEast, float coefSouthEast, float coefSouth,
    float windPlus, float crackExponent, float orientationFactor, float thermalPressureCoef,
    float windPressureDiff, int32_t simplified, int32_t estimation, int32_t wallsWithWindows, float roomArea,
    const float* /*wallLoss24*/, float buildingHeight, float crackLength, int32_t tightnessGrade,
    int32_t partitionType, float shaftTemp, float /*latitude*/, float /*twg*/, float* infiltration24,
    float* total24, double directionAngle, double /*reserved*/, DETAIL_TAIL_PARAMS)
{
    const auto makeElement = [&](float a) {
        Element e = MakeElement(a, k, tn, industry, height, gradient, RoomLevel::Wall, rate0);
        e.orientation = OrientationCorrection(direction, directionAngle,
                                              Coefficients(coefNorth, coefEast, coefSouthEast, coefSouth));
        e.wind = Finite(windPlus) * kPercent;
        e.door = DoorAddition(isColdAir, doorType, storeyCount);
        return e;
    };
    const double openingArea = NonNegative(area);
    const double roomOpenings = CurrentDesignContext().roomOpeningArea;
    const auto infiltrationDay = [&](const double outdoor[24], double roomTemp, double out[24]) {
        double air[24];
        if (estimation) {
            // Air of the room by air changes, shared among its openings by area when the room's
            // opening area is known, otherwise equally among the walls with windows.
            const double volume = NonNegative(roomArea) * NonNegative(height);
            const double share = roomOpenings > 0.0 && openingArea <= roomOpenings * (1.0 + 1e-6)
                                     ? openingArea / roomOpenings
                                     : 1.0 / std::max<int32_t>(1, wallsWithWindows);
            std::fill(air, air + 24, AirChangesByWalls(wallsWithWindows) * volume * share);
        } else {
            CrackLeakage crack;
            crack.crackLength = NonNegative(crackLength);
            crack.crackCoef = CrackCoefficient(tightnessGrade);
            crack.exponent = CrackExponent(crackExponent);
            crack.orientation = NonNegative(Finite(orientationFactor, 1.0));
            const double dcf = Finite(windPressureDiff);
            crack.windPressure = dcf > 0.0 ? dcf : kWindPressureDiff;
            crack.thermalPressure = ThermalPressureCoefficient(partitionType, thermalPressureCoef);
            crack.windSpeed = NonNegative(windSpeed);
            crack.openingHeight = Finite(elevation) + kOpeningHeightShare * NonNegative(height);
            crack.neutralHeight = kNeutralPlaneShare * NonNegative(buildingHeight);
            crack.shaftTemp = AirTemp(shaftTemp);
            crack.withStack = simplified == 0;
            CrackAirFlowDay(crack, outdoor, air);
        }
        InfiltrationHeatDay(air, roomTemp, outdoor, out);
    };

    double transmission[24], infiltration[24];
    if (WantsTail(DETAIL_TAIL)) {
        double outdoor[24];
        OutdoorDay(profile24, outdoor);
        const Element e = makeElement(area);
        Transmission(e, outdoor, DETAIL_TAIL, transmission);
        infiltrationDay(outdoor, e.roomTemp, infiltration);
    } else {
        OpeningKey key =
            KeyFor<32>(KeyOf::Opening, direction, k, tn, industry, height, gradient, elevation, windSpeed,
                       isColdAir, doorType, storeyCount, coefNorth, coefEast, coefSouthEast, coefSouth,
                       windPlus, crackExponent, orientationFactor, thermalPressureCoef, windPressureDiff,
                       simplified, estimation, wallsWithWindows, roomArea, buildingHeight, crackLength,
                       tightnessGrade, partitionType, shaftTemp, rate0);
        key.Add(directionAngle);
        // By air changes the air depends on the opening's share of the room's openings.
        key.Add(estimation ? openingArea : 0.0);
        key.Add(estimation ? roomOpenings : 0.0);
        key.Add(profile24, 24);
        OpeningDay scratch;
        const OpeningDay& day = SharedValue(t_openingDays, key, scratch, [&](OpeningDay& d) {
            double outdoor[24];
            OutdoorDay(profile24, outdoor);
            const Element e = makeElement(1.0f);
            Transmission(e, outdoor, DetailTail{}, d.transmission);
            infiltrationDay(outdoor, e.roomTemp, d.infiltration);
        });
        for (int h = 0; h < 24; ++h) {
            transmission[h] = day.transmission[h] * openingArea;
            infiltration[h] = day.infiltration[h];
        }
    }
    double total[24];
    for (int h = 0; h < 24; ++h)
        total[h] = transmission[h] + infiltration[h];
    Store(infiltration24, 24, infiltration);
    Store(total24, 24, total);
}

DIZEDOZEV_API void GetHL_IndoorWindow_v2012(float area, float k, float tn, const float* profile24,
                                            int32_t storeyCount, int32_t status, float adjacentTemp,
                                            int32_t industry, float height, float gradient, float* out24,
                                            float nearRoomDelta, DETAIL_TAIL_PARAMS)
{
    CalculateShared(KeyFor<20>(KeyOf::IndoorWindow, k, tn, storeyCount, status, adjacentTemp, industry,
                               height, gradient, nearRoomDelta, rate0),
                    area, profile24, out24, DETAIL_TAIL, [&](float a) {
                        Element e = MakeElement(a, k, tn, industry, height, gradient, RoomLevel::Wall, rate0);
                        e.adjacency = InsideWallAdjacency(status, storeyCount);
                        e.adjacentTemp = AirTemp(adjacentTemp);
                        e.delta = TempDifference(nearRoomDelta);
                        return e;
                    });
}

DIZEDOZEV_API void GetHL_IndoorWall_v2012(float area, float k, float tn, const float* profile24,
                                          int32_t storeyCount, int32_t status, float adjacentTemp,
                                          int32_t industry, float height, float gradient, float* out24,
                                          float thisMinusNeighbour, DETAIL_TAIL_PARAMS)
{
    CalculateShared(KeyFor<20>(KeyOf::IndoorWall, k, tn, storeyCount, status, adjacentTemp, industry, height,
                               gradient, thisMinusNeighbour, rate0),
                    area, profile24, out24, DETAIL_TAIL, [&](float a) {
                        Element e = MakeElement(a, k, tn, industry, height, gradient, RoomLevel::Wall, rate0);
                        e.adjacency = InsideWallAdjacency(status, storeyCount);
                        e.adjacentTemp = AirTemp(adjacentTemp);
                        // The wall is handed the difference the other way round from its doors and windows.
                        e.delta = -TempDifference(thisMinusNeighbour);
                        return e;
                    });
}

DIZEDOZEV_API void GetHL_Ceiling_v2012(float area, float k, float tn, const float* profile24, int32_t status,
                                       float adjacentTemp, int32_t industry, float height, float gradient,
                                       float* out24, float temperatureRange, DETAIL_TAIL_PARAMS)
{
    CalculateShared(KeyFor<20>(KeyOf::Ceiling, k, tn, status, adjacentTemp, industry, height, gradient,
                               temperatureRange, rate0),
                    area, profile24, out24, DETAIL_TAIL, [&](float a) {
                        Element e = MakeElement(a, k, tn, industry, height, gradient, RoomLevel::Top, rate0);
                        e.adjacency = CeilingAdjacency(status);
                        e.adjacentTemp = AirTemp(adjacentTemp);
                        e.delta = TempDifference(temperatureRange);
                        return e;
                    });
}

DIZEDOZEV_API void GetHL_Floor_v2012(float area, float k, float tn, const float* profile24, int32_t status,
                                     float adjacentTemp, int32_t industry, float height, float gradient,
                                     float* out24, float temperatureRange, DETAIL_TAIL_PARAMS)
{
    CalculateShared(KeyFor<20>(KeyOf::Floor, k, tn, status, adjacentTemp, industry, height, gradient,
                               temperatureRange, rate0),
                    area, profile24, out24, DETAIL_TAIL, [&](float a) {
                        Element e =
                            MakeElement(a, k, tn, industry, height, gradient, RoomLevel::Floor, rate0);
                        e.adjacency = FloorAdjacency(status);
                        e.adjacentTemp = AirTemp(adjacentTemp);
                        e.delta = TempDifference(temperatureRange);
                        return e;
                    });
}

DIZEDOZEV_API void GetHL_Skylight_Angle_v2012(float area, float k, float tn, const float* profile24,
                                              int32_t /*direction*/, float /*obliquity*/, int32_t industry,
                                              float height, float gradient, float /*elevation*/,
                                              float /*windSpeed*/, float* out24, double /*directionAngle*/,
                                              DETAIL_TAIL_PARAMS)
{
    CalculateShared(KeyFor<20>(KeyOf::Skylight, k, tn, industry, height, gradient, rate0), area, profile24,
                    out24, DETAIL_TAIL, [&](float a) {
                        return MakeElement(a, k, tn, industry, height, gradient, RoomLevel::Top, rate0);
                    });
}

DIZEDOZEV_API void GetHL_Roof_Angle_v2012(float area, float k, int32_t /*direction*/, float /*obliquity*/,
                                          float tn, const float* profile24, int32_t industry, float height,
                                          float gradient, float /*elevation*/, float /*windSpeed*/,
                                          float* out24, double /*directionAngle*/, DETAIL_TAIL_PARAMS)
{
    CalculateShared(KeyFor<20>(KeyOf::Roof, k, tn, industry, height, gradient, rate0), area, profile24, out24,
                    DETAIL_TAIL, [&](float a) {
                        return MakeElement(a, k, tn, industry, height, gradient, RoomLevel::Top, rate0);
                    });
}

DIZEDOZEV_API void GetHL_BlindStory_v2012(float area, float k, float tn, const float* profile24,
                                          int32_t industry, float height, float gradient, float /*elevation*/,
                                          float /*windSpeed*/, float* out24, DETAIL_TAIL_PARAMS)
{
    CalculateShared(KeyFor<20>(KeyOf::BlindStorey, k, tn, industry, height, gradient, rate0), area, profile24,
                    out24, DETAIL_TAIL, [&](float a) {
                        Element e = MakeElement(a, k, tn, industry, height, gradient, RoomLevel::Top, rate0);
                        e.adjacency.alpha = kAlphaAttic;
                        return e;
                    });
}

DIZEDOZEV_API void GetHL_Ground_v2012(float area, float k, float tn, const float* profile24, int32_t industry,
                                      float height, float gradient, float* out24, DETAIL_TAIL_PARAMS)
{
    CalculateShared(KeyFor<20>(KeyOf::Ground, k, tn, industry, height, gradient, rate0), area, profile24,
                    out24, DETAIL_TAIL, [&](float a) {
                        return MakeElement(a, k, tn, industry, height, gradient, RoomLevel::Floor, rate0);
                    });
}

DIZEDOZEV_API void GetHL_BasementWall_v2012(float area, float k, float tn, const float* profile24,
                                            int32_t industry, float height, float gradient, float* out24,
                                            DETAIL_TAIL_PARAMS)
{
    CalculateShared(KeyFor<20>(KeyOf::BasementWall, k, tn, industry, height, gradient, rate0), area,
                    profile24, out24, DETAIL_TAIL, [&](float a) {
                        return MakeElement(a, k, tn, industry, height, gradient, RoomLevel::Wall, rate0);
                    });
}

DIZEDOZEV_API void GetHL_OutFloor_v2012(float area, float k, float tn, const float* profile24,
                                        int32_t industry, float height, float gradient, float /*elevation*/,
                                        float /*windSpeed*/, float* out24, DETAIL_TAIL_PARAMS)
{
    CalculateShared(KeyFor<20>(KeyOf::OutFloor, k, tn, industry, height, gradient, rate0), area, profile24,
                    out24, DETAIL_TAIL, [&](float a) {
                        return MakeElement(a, k, tn, industry, height, gradient, RoomLevel::Floor, rate0);
                    });
}

DIZEDOZEV_API void GetHL_FengWall_v2012(float area, float k, float tn, const float* profile24,
                                        int32_t industry, float height, float gradient, float* out24,
                                        int32_t gapWallType, DETAIL_TAIL_PARAMS)
{
    CalculateShared(KeyFor<20>(KeyOf::GapWall, k, tn, industry, height, gradient, gapWallType, rate0), area,
                    profile24, out24, DETAIL_TAIL, [&](float a) {
                        Element e = MakeElement(a, k, tn, industry, height, gradient, RoomLevel::Wall, rate0);
                        e.adjacency.alpha = GapWallAlpha(gapWallType);
                        return e;
                    });
}

DIZEDOZEV_API void GetHL_Others(float consumptionWater, const float* sched1, float consumptionColdObject,
                                const float* sched2, float consumptionVentilation, const float* sched3,
                                float consumptionOther, const float* sched4, float emissionEquipment,
                                const float* sched5, float emissionHotDuct, const float* sched6,
                                float emissionHotObject, const float* sched7, float emissionOther,
                                const float* sched8, float* out24)
{
    const double consumption[4] = {NonNegative(consumptionWater), NonNegative(consumptionColdObject),
                                   NonNegative(consumptionVentilation), NonNegative(consumptionOther)};
    const double emission[4] = {NonNegative(emissionEquipment), NonNegative(emissionHotDuct),
                                NonNegative(emissionHotObject), NonNegative(emissionOther)};
    const float* consumptionSched[4] = {sched1, sched2, sched3, sched4};
    const float* emissionSched[4] = {sched5, sched6, sched7, sched8};
    double out[24];
    for (int h = 0; h < 24; ++h) {
        out[h] = 0.0;
        for (int i = 0; i < 4; ++i)
            out[h] += emission[i] * ScheduleAt(emissionSched[i], h) -
                      consumption[i] * ScheduleAt(consumptionSched[i], h);
    }
    Store(out24, 24, out);
}
