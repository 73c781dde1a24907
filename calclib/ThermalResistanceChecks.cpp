// Minimum thermal resistance of envelope elements (GB 50736-2012 §5.1, GB 50019-2003 §4.1.8,
// GB 50176-93): R0,min = α·(t_n − t_e)/(Δt_y·α_n), compared with R = 1/K.
//
// The comparison allows 0.5 %: K arrives rounded to two decimals, so an element designed exactly to
// the minimum must not fail on the rounding.

#include "calclib/dizedozev.h"

#include "calclib/CalcTables.h"
#include "calclib/HeatingCorrections.h"
#include "calclib/InputGuard.h"
#include "calclib/Psychrometrics.h"

#include <algorithm>
#include <cmath>

using namespace calclib;
using namespace calclib::heating;
using namespace calclib::tables;

namespace {

enum class Column
{
    Wall, // walls, doors and floors
    Roof  // roofs, attics and ceilings: heat flows up
};

struct Climate
{
    double tn;
    double rhn; // percent
    double tw;
    double twMin;
};

struct Room
{
    int32_t industry;
    double storeyHeight;
    double gradient;
    int32_t buildingType;
};

// Temperatures beyond the range of air are typing errors; held there, the minimum stays finite.
double AirTemp(double t)
{
    return std::clamp(Finite(t), kAirTempMin, kAirTempMax);
}

double TempDifference(double dt)
{
    return std::clamp(Finite(dt), kAirTempMin - kAirTempMax, kAirTempMax - kAirTempMin);
}

Climate MakeClimate(float tn, float rhn, float tw, float twMin)
{
    return {AirTemp(tn), psy::RhPercent(Finite(rhn)), AirTemp(tw), AirTemp(twMin)};
}

Room MakeRoom(int32_t industry, float storeyHeight, float gradient, int32_t buildingType)
{
    return {industry, NonNegative(storeyHeight), Finite(gradient), buildingType};
}

// Outdoor temperature of the check by the thermal inertia of the construction.
double OutdoorByInertia(double d, double tw, double twMin)
{
    if (d > kInertiaHeavy)
        return tw;
    if (d > kInertiaMedium)
        return kDesignShareMedium * tw + (1.0 - kDesignShareMedium) * twMin;
    if (d > kInertiaLight)
        return kDesignShareLight * tw + (1.0 - kDesignShareLight) * twMin;
    return twMin;
}

double AllowedDifference(const Climate& c, int32_t buildingType, Column column)
{
    const int type = buildingType >= 0 && buildingType <= 8 ? buildingType : kFallbackBuildingType;
    const tables::AllowedDifference& a =
        column == Column::Wall ? kAllowedDiffWall[type] : kAllowedDiffRoof[type];
    double dt = a.fixed;
    if (a.dew > 0.0) {
        const double t = c.tn;
        const double dewPoint = psy::DewPoint(c.rhn / 100.0 * psy::SaturationPressure(t));
        dt += a.dew * (t - dewPoint);
    }
    return std::max(dt, kMinAllowedDifference);
}

double Resistance(double k)
{
    return k > 0.0 ? 1.0 / k : 0.0;
}

uint8_t Verdict(double rMinValue, double k, float* rMin, float* r)
{
    const double rValue = Resistance(k);
    const double required = std::max(0.0, rMinValue);
    StoreScalar(rMin, required);
    StoreScalar(r, rValue);
    return rValue >= required * (1.0 - kResistanceTolerance) ? 1 : 0;
}

// The temperature difference across the element that the minimum is built on, K.
struct Difference
{
    double alpha = 1.0;
    double value = 0.0; // (t_n − t_e) or the difference to the neighbour
};

Difference ToOutdoor(double alpha, double d, const Climate& c, const Room& room, RoomLevel level)
{
    const double tn =
        AirTemp(EffectiveIndoorTemp(c.tn, room.industry, room.storeyHeight, room.gradient, level));
    return {alpha, tn - OutdoorByInertia(Finite(d), c.tw, c.twMin)};
}

// thisMinusNeighbour: the given difference, this room − neighbour.
Difference ToNeighbour(const Adjacency& a, double d, const Climate& c, const Room& room, RoomLevel level,
                       double adjacentTemp, double thisMinusNeighbour)
{
    const double tn =
        AirTemp(EffectiveIndoorTemp(c.tn, room.industry, room.storeyHeight, room.gradient, level));
    switch (a.side) {
    case FarSide::HeatedRoom:
        return {1.0, tn - adjacentTemp};
    case FarSide::GivenDelta:
        return {1.0, thisMinusNeighbour};
    case FarSide::Unheated:
        break;
    }
    return {a.alpha, tn - OutdoorByInertia(Finite(d), c.tw, c.twMin)};
}

uint8_t Check(const Difference& diff, double k, const Climate& c, const Room& room, Column column,
              double insideFilm, float* rMin, float* r)
{
    const double required =
        diff.value > 0.0
            ? diff.alpha * diff.value / (AllowedDifference(c, room.buildingType, column) * insideFilm)
            : 0.0;
    return Verdict(required, k, rMin, r);
}

uint8_t CheckToOutdoor(double alpha, float k, float d, const Climate& c, const Room& room, RoomLevel level,
                       Column column, double insideFilm, float* rMin, float* r)
{
    const double kk = NonNegative(k);
    return Check(ToOutdoor(alpha, d, c, room, level), kk, c, room, column, insideFilm, rMin, r);
}

} // namespace

DIZEDOZEV_API uint8_t CheckMinK_OutWall(float k, float d, float tn, float rhn, float tw, float twMin,
                                        int32_t industry, float storeyHeight, float gradient,
                                        int32_t buildingType, float* rMin, float* r)
{
    return CheckToOutdoor(kAlphaOutside, k, d, MakeClimate(tn, rhn, tw, twMin),
                          MakeRoom(industry, storeyHeight, gradient, buildingType), RoomLevel::Wall,
                          Column::Wall, kInsideFilm, rMin, r);
}

DIZEDOZEV_API uint8_t CheckMinK_OutDoor(float wallRMin, float k, float* rMin, float* r)
{
    return Verdict(kDoorShareOfWallMinimum * NonNegative(wallRMin), NonNegative(k), rMin, r);
}

DIZEDOZEV_API uint8_t CheckMinK_IndoorWall_v2005(float k, float d, float tn, float rhn, float tw, float twMin,
                                                 int32_t storeyCount, int32_t status, float adjacentTemp,
                                                 int32_t industry, float storeyHeight, float gradient,
                                                 int32_t buildingType, float* rMin, float* r,
                                                 float thisMinusNeighbour)
{
    const Climate c = MakeClimate(tn, rhn, tw, twMin);
    const Room room = MakeRoom(industry, storeyHeight, gradient, buildingType);
    const Difference diff = ToNeighbour(InsideWallAdjacency(status, storeyCount), d, c, room, RoomLevel::Wall,
                                        AirTemp(adjacentTemp), TempDifference(thisMinusNeighbour));
    return Check(diff, NonNegative(k), c, room, Column::Wall, kInsideFilm, rMin, r);
}

DIZEDOZEV_API uint8_t CheckMinK_Ceiling_v2005(float k, float d, float tn, float rhn, float tw, float twMin,
                                              int32_t status, float adjacentTemp, int32_t industry,
                                              float storeyHeight, float gradient, int32_t buildingType,
                                              float* rMin, float* r, float temperatureRange)
{
    const Climate c = MakeClimate(tn, rhn, tw, twMin);
    const Room room = MakeRoom(industry, storeyHeight, gradient, buildingType);
    // temperatureRange is neighbour − this room.
    const Difference diff = ToNeighbour(CeilingAdjacency(status), d, c, room, RoomLevel::Top,
                                        AirTemp(adjacentTemp), -TempDifference(temperatureRange));
    return Check(diff, NonNegative(k), c, room, Column::Roof, kInsideFilm, rMin, r);
}

DIZEDOZEV_API uint8_t CheckMinK_Floor_v2005(float k, float d, float tn, float rhn, float tw, float twMin,
                                            int32_t status, float adjacentTemp, int32_t industry,
                                            float storeyHeight, float gradient, int32_t buildingType,
                                            float* rMin, float* r, float temperatureRange)
{
    const Climate c = MakeClimate(tn, rhn, tw, twMin);
    const Room room = MakeRoom(industry, storeyHeight, gradient, buildingType);
    const Difference diff = ToNeighbour(FloorAdjacency(status), d, c, room, RoomLevel::Floor,
                                        AirTemp(adjacentTemp), -TempDifference(temperatureRange));
    return Check(diff, NonNegative(k), c, room, Column::Wall, kInsideFilm, rMin, r);
}

DIZEDOZEV_API uint8_t CheckMinK_Roof(float k, float d, float tn, float rhn, float tw, float twMin,
                                     int32_t industry, float storeyHeight, float gradient,
                                     int32_t buildingType, float* rMin, float* r)
{
    return CheckToOutdoor(kAlphaOutside, k, d, MakeClimate(tn, rhn, tw, twMin),
                          MakeRoom(industry, storeyHeight, gradient, buildingType), RoomLevel::Top,
                          Column::Roof, kInsideFilm, rMin, r);
}

DIZEDOZEV_API uint8_t CheckMinK_OutFloor(float k, float d, float tn, float rhn, float tw, float twMin,
                                         int32_t industry, float storeyHeight, float gradient,
                                         int32_t buildingType, float* rMin, float* r)
{
    return CheckToOutdoor(kAlphaOutside, k, d, MakeClimate(tn, rhn, tw, twMin),
                          MakeRoom(industry, storeyHeight, gradient, buildingType), RoomLevel::Floor,
                          Column::Wall, kInsideFilm, rMin, r);
}

DIZEDOZEV_API uint8_t CheckMinK_BlindStory(float k, float d, float ribHeight, float ribDistance, float tn,
                                           float rhn, float tw, float twMin, int32_t industry,
                                           float storeyHeight, float gradient, int32_t buildingType,
                                           float* rMin, float* r)
{
    // Compared in single precision: 0.3 entered as a float must count as 0.3.
    const double height = NonNegative(ribHeight);
    const double distance = NonNegative(ribDistance);
    const bool ribbed =
        distance > 0.0 && static_cast<float>(height / distance) > static_cast<float>(kRibRatioLimit);
    return CheckToOutdoor(kAlphaAttic, k, d, MakeClimate(tn, rhn, tw, twMin),
                          MakeRoom(industry, storeyHeight, gradient, buildingType), RoomLevel::Top,
                          Column::Roof, ribbed ? kInsideFilmRibbed : kInsideFilm, rMin, r);
}

DIZEDOZEV_API uint8_t CheckMinK_Ground(float k, int32_t groundType, float /*tn*/, float /*rhn*/, float /*tw*/,
                                       float /*twMin*/, int32_t /*industry*/, float /*storeyHeight*/,
                                       float /*gradient*/, int32_t buildingType, float* rMin, float* r)
{
    const int type = buildingType >= 0 && buildingType <= 8 ? buildingType : kFallbackBuildingType;
    // An unknown ground construction is taken as the coldest floor surface.
    const int surfaceClass = groundType >= 0 && groundType <= 2 ? kGroundClass[groundType] : 3;
    StoreScalar(rMin, 0.0);
    StoreScalar(r, Resistance(NonNegative(k)));
    return surfaceClass <= kGroundClassAllowed[type] ? 1 : 0;
}

DIZEDOZEV_API uint8_t CheckMinK_FengWall(float k, float d, float tn, float rhn, float tw, float twMin,
                                         int32_t industry, float storeyHeight, float gradient,
                                         int32_t buildingType, float* rMin, float* r, int32_t gapWallType)
{
    return CheckToOutdoor(GapWallAlpha(gapWallType), k, d, MakeClimate(tn, rhn, tw, twMin),
                          MakeRoom(industry, storeyHeight, gradient, buildingType), RoomLevel::Wall,
                          Column::Wall, kInsideFilm, rMin, r);
}

DIZEDOZEV_API uint8_t CheckMinK_BasementWall(float k, float d, float recordK, float recordD, float tn,
                                             float rhn, float tw, float twMin, int32_t industry,
                                             float storeyHeight, float gradient, int32_t buildingType,
                                             float* rMin, float* r)
{
    const float useK = NonNegative(recordK) > 0.0 ? recordK : k;
    const float useD = NonNegative(recordD) > 0.0 ? recordD : d;
    return CheckToOutdoor(kAlphaOutside, useK, useD, MakeClimate(tn, rhn, tw, twMin),
                          MakeRoom(industry, storeyHeight, gradient, buildingType), RoomLevel::Wall,
                          Column::Wall, kInsideFilm, rMin, r);
}
