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

#include <algorithm>

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

double OutdoorAt(const float* profile24, int h)
{
    return AirTemp(ValueAt(profile24, h));
}

// The basic loss Q1 of every hour. The far side is chosen once for the day, which leaves the hourly
// loop free of branches.
void BasicLoss(const Element& e, const float* profile24, double q1[24])
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
        q1[h] = factor * (e.roomTemp - OutdoorAt(profile24, h));
}

// Transmission loss of every hour into transmission[], and the detail tail.
void Transmission(const Element& e, const float* profile24, const DetailTail& tail, double transmission[24])
{
    const double additions = 1.0 + e.orientation + e.wind + e.door;
    const double factor = additions * (1.0 + e.height) * (1.0 + e.intermittent);
    double q1[24], qOrientation[24], qWind[24], qRest[24];
    BasicLoss(e, profile24, q1);
    for (int h = 0; h < 24; ++h) {
        transmission[h] = q1[h] * factor;
        qOrientation[h] = q1[h] * e.orientation;
        qWind[h] = q1[h] * e.wind;
        qRest[h] = transmission[h] - q1[h] - qOrientation[h] - qWind[h];
    }
    const double alpha = e.adjacency.side == FarSide::Unheated ? e.adjacency.alpha : 1.0;
    StoreScalar(tail.rate1, e.k);
    StoreScalar(tail.rate2, alpha);
    StoreScalar(tail.rate3, e.orientation);
    StoreScalar(tail.rate4, e.wind);
    StoreScalar(tail.rate5, e.door);
    Store(tail.block0, 24, q1);
    Store(tail.block1, 24, qOrientation);
    Store(tail.block2, 24, qWind);
    Store(tail.block3, 24, qRest);
}

void Calculate(const Element& e, const float* profile24, float* out24, const DetailTail& tail)
{
    double q[24];
    Transmission(e, profile24, tail, q);
    Store(out24, 24, q);
}

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
    Element e = MakeElement(area, k, tn, industry, height, gradient, RoomLevel::Wall, rate0);
    e.orientation = OrientationCorrection(direction, directionAngle,
                                          Coefficients(coefNorth, coefEast, coefSouthEast, coefSouth));
    e.wind = Finite(windPlus) * kPercent;
    Calculate(e, profile24, out24, DETAIL_TAIL);
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
    Element e = MakeElement(area, k, tn, industry, height, gradient, RoomLevel::Wall, rate0);
    e.orientation = OrientationCorrection(direction, directionAngle,
                                          Coefficients(coefNorth, coefEast, coefSouthEast, coefSouth));
    e.wind = Finite(windPlus) * kPercent;
    e.door = DoorAddition(isColdAir, doorType, storeyCount);
    double transmission[24];
    Transmission(e, profile24, DETAIL_TAIL, transmission);

    // Air of the room by air changes, shared among its openings by area when the room's opening
    // area is known, otherwise equally among the walls with windows.
    double estimatedAir = 0.0;
    if (estimation) {
        const double volume = NonNegative(roomArea) * NonNegative(height);
        const double openings = CurrentDesignContext().roomOpeningArea;
        const double share = openings > 0.0 && e.area <= openings * (1.0 + 1e-6)
                                 ? e.area / openings
                                 : 1.0 / std::max<int32_t>(1, wallsWithWindows);
        estimatedAir = AirChangesByWalls(wallsWithWindows) * volume * share;
    }

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

    double outdoor[24], air[24];
    for (int h = 0; h < 24; ++h)
        outdoor[h] = OutdoorAt(profile24, h);
    if (estimation)
        std::fill(air, air + 24, estimatedAir);
    else
        CrackAirFlowDay(crack, outdoor, air);
    double infiltration[24], total[24];
    for (int h = 0; h < 24; ++h) {
        infiltration[h] = InfiltrationHeat(air[h], e.roomTemp, outdoor[h]);
        total[h] = transmission[h] + infiltration[h];
    }
    Store(infiltration24, 24, infiltration);
    Store(total24, 24, total);
}

DIZEDOZEV_API void GetHL_IndoorWindow_v2012(float area, float k, float tn, const float* profile24,
                                            int32_t storeyCount, int32_t status, float adjacentTemp,
                                            int32_t industry, float height, float gradient, float* out24,
                                            float nearRoomDelta, DETAIL_TAIL_PARAMS)
{
    Element e = MakeElement(area, k, tn, industry, height, gradient, RoomLevel::Wall, rate0);
    e.adjacency = InsideWallAdjacency(status, storeyCount);
    e.adjacentTemp = AirTemp(adjacentTemp);
    e.delta = TempDifference(nearRoomDelta);
    Calculate(e, profile24, out24, DETAIL_TAIL);
}

DIZEDOZEV_API void GetHL_IndoorWall_v2012(float area, float k, float tn, const float* profile24,
                                          int32_t storeyCount, int32_t status, float adjacentTemp,
                                          int32_t industry, float height, float gradient, float* out24,
                                          float thisMinusNeighbour, DETAIL_TAIL_PARAMS)
{
    Element e = MakeElement(area, k, tn, industry, height, gradient, RoomLevel::Wall, rate0);
    e.adjacency = InsideWallAdjacency(status, storeyCount);
    e.adjacentTemp = AirTemp(adjacentTemp);
    // The wall is handed the difference the other way round from its doors and windows.
    e.delta = -TempDifference(thisMinusNeighbour);
    Calculate(e, profile24, out24, DETAIL_TAIL);
}

DIZEDOZEV_API void GetHL_Ceiling_v2012(float area, float k, float tn, const float* profile24, int32_t status,
                                       float adjacentTemp, int32_t industry, float height, float gradient,
                                       float* out24, float temperatureRange, DETAIL_TAIL_PARAMS)
{
    Element e = MakeElement(area, k, tn, industry, height, gradient, RoomLevel::Top, rate0);
    e.adjacency = CeilingAdjacency(status);
    e.adjacentTemp = AirTemp(adjacentTemp);
    e.delta = TempDifference(temperatureRange);
    Calculate(e, profile24, out24, DETAIL_TAIL);
}

DIZEDOZEV_API void GetHL_Floor_v2012(float area, float k, float tn, const float* profile24, int32_t status,
                                     float adjacentTemp, int32_t industry, float height, float gradient,
                                     float* out24, float temperatureRange, DETAIL_TAIL_PARAMS)
{
    Element e = MakeElement(area, k, tn, industry, height, gradient, RoomLevel::Floor, rate0);
    e.adjacency = FloorAdjacency(status);
    e.adjacentTemp = AirTemp(adjacentTemp);
    e.delta = TempDifference(temperatureRange);
    Calculate(e, profile24, out24, DETAIL_TAIL);
}

DIZEDOZEV_API void GetHL_Skylight_Angle_v2012(float area, float k, float tn, const float* profile24,
                                              int32_t /*direction*/, float /*obliquity*/, int32_t industry,
                                              float height, float gradient, float /*elevation*/,
                                              float /*windSpeed*/, float* out24, double /*directionAngle*/,
                                              DETAIL_TAIL_PARAMS)
{
    const Element e = MakeElement(area, k, tn, industry, height, gradient, RoomLevel::Top, rate0);
    Calculate(e, profile24, out24, DETAIL_TAIL);
}

DIZEDOZEV_API void GetHL_Roof_Angle_v2012(float area, float k, int32_t /*direction*/, float /*obliquity*/,
                                          float tn, const float* profile24, int32_t industry, float height,
                                          float gradient, float /*elevation*/, float /*windSpeed*/,
                                          float* out24, double /*directionAngle*/, DETAIL_TAIL_PARAMS)
{
    const Element e = MakeElement(area, k, tn, industry, height, gradient, RoomLevel::Top, rate0);
    Calculate(e, profile24, out24, DETAIL_TAIL);
}

DIZEDOZEV_API void GetHL_BlindStory_v2012(float area, float k, float tn, const float* profile24,
                                          int32_t industry, float height, float gradient, float /*elevation*/,
                                          float /*windSpeed*/, float* out24, DETAIL_TAIL_PARAMS)
{
    Element e = MakeElement(area, k, tn, industry, height, gradient, RoomLevel::Top, rate0);
    e.adjacency.alpha = kAlphaAttic;
    Calculate(e, profile24, out24, DETAIL_TAIL);
}

DIZEDOZEV_API void GetHL_Ground_v2012(float area, float k, float tn, const float* profile24, int32_t industry,
                                      float height, float gradient, float* out24, DETAIL_TAIL_PARAMS)
{
    const Element e = MakeElement(area, k, tn, industry, height, gradient, RoomLevel::Floor, rate0);
    Calculate(e, profile24, out24, DETAIL_TAIL);
}

DIZEDOZEV_API void GetHL_BasementWall_v2012(float area, float k, float tn, const float* profile24,
                                            int32_t industry, float height, float gradient, float* out24,
                                            DETAIL_TAIL_PARAMS)
{
    const Element e = MakeElement(area, k, tn, industry, height, gradient, RoomLevel::Wall, rate0);
    Calculate(e, profile24, out24, DETAIL_TAIL);
}

DIZEDOZEV_API void GetHL_OutFloor_v2012(float area, float k, float tn, const float* profile24,
                                        int32_t industry, float height, float gradient, float /*elevation*/,
                                        float /*windSpeed*/, float* out24, DETAIL_TAIL_PARAMS)
{
    const Element e = MakeElement(area, k, tn, industry, height, gradient, RoomLevel::Floor, rate0);
    Calculate(e, profile24, out24, DETAIL_TAIL);
}

DIZEDOZEV_API void GetHL_FengWall_v2012(float area, float k, float tn, const float* profile24,
                                        int32_t industry, float height, float gradient, float* out24,
                                        int32_t gapWallType, DETAIL_TAIL_PARAMS)
{
    Element e = MakeElement(area, k, tn, industry, height, gradient, RoomLevel::Wall, rate0);
    e.adjacency.alpha = GapWallAlpha(gapWallType);
    Calculate(e, profile24, out24, DETAIL_TAIL);
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
