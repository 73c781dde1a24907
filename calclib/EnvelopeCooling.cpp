// Envelope loads of air-conditioned rooms over the design day of a step (summer, winter, month or
// day of the year).
//
// The outdoor air follows the GB 50736-2012 design day, built from the day's peak (outer block) or
// its mean and peak (inner block). Opaque outside elements in the cooling regime see the sol-air
// temperature through their decrement factor β and lag ξ (TETD form); the Chinese cooling-load
// temperature already holds the room response, so no Radiant Time Series follows. Glazing
// conduction and transmitted solar reach the room through the Radiant Time Series of the room.
//
// Regimes of outside walls, doors, windows and curtain walls (the winter air-conditioning load is
// the GB heating load at the winter air-conditioning design temperature):
// - cooling regime, daily mean outdoor ≥ room: sol-air with decrement and lag, no orientation
//   correction;
// - heating regime, daily mean outdoor < room: outdoor air, K·A·(t(τ) − t_n)·(1 + x_ch) on the hours
//   of loss;
// - steady: K·A·(t_wk − t_n)·(1 + x_ch) when a loss, all hours alike.
// Roofs, floors over outdoor air and gap walls take no orientation correction.

#include "calclib/dizedozev.h"

#include "calclib/CalcTables.h"
#include "calclib/ConstructionResponse.h"
#include "calclib/DesignContext.h"
#include "calclib/DesignDay.h"
#include "calclib/HeatingCorrections.h"
#include "calclib/InputGuard.h"
#include "calclib/OutsideShading.h"
#include "calclib/RadiantTimeSeries.h"
#include "calclib/SharedValueTable.h"
#include "calclib/SolAir.h"
#include "calclib/SolarGeometry.h"
#include "calclib/SolarIrradiance.h"
#include "calclib/SurfaceSunDay.h"

#include <algorithm>
#include <cmath>

using namespace calclib;
using namespace calclib::tables;

namespace {

constexpr double kPi = 3.14159265358979323846;

double AirTemp(double t)
{
    return std::clamp(Finite(t), kAirTempMin, kAirTempMax);
}

int MonthOf(int32_t month)
{
    return std::clamp(static_cast<int>(month), 1, 12);
}

// The outdoor design day of one call and the room it acts on.
struct Step
{
    double latitude = 0.0;
    double mean = 0.0;         // 24-hour mean of the outdoor air
    double range = 0.0;        // daily range of the design day
    double winterDesign = 0.0; // t_wk, the outdoor temperature of the steady state
    double room = 0.0;

    bool HeatingRegime() const { return mean < room; }
    // The outdoor air of every hour, ℃.
    void Outdoor(double out[24]) const { DesignDayProfile(mean, range, out); }
};

// Outer block: the day's peak; the range is the project's daily range.
Step OuterStep(float latitude, float twk, float peak, float room)
{
    Step s;
    s.latitude = Finite(latitude);
    s.range = CurrentDesignContext().dailyRange;
    s.mean = DesignDayMean(AirTemp(peak), s.range);
    s.winterDesign = AirTemp(twk);
    s.room = AirTemp(room);
    return s;
}

// Inner block: the day's mean and peak give the range.
Step InnerStep(float latitude, float mean, float twk, float peak, float room)
{
    Step s;
    s.latitude = Finite(latitude);
    s.mean = AirTemp(mean);
    s.range = (AirTemp(peak) - s.mean) / kDesignDayBetaMax;
    if (!(s.range > 0.0))
        s.range = CurrentDesignContext().dailyRange;
    s.winterDesign = AirTemp(twk);
    s.room = AirTemp(room);
    return s;
}

double KA(float k, float area)
{
    return NonNegative(k) * NonNegative(area);
}

// A loss is raised by the orientation correction; a gain is not (the correction belongs to the
// heating method). A correction below −100 % would turn a loss into a gain: held at −100 %.
double Corrected(double q, double xch)
{
    return q < 0.0 ? q * std::max(0.0, 1.0 + xch) : q;
}

double OrientationCorrection(int32_t direction, double angle, float north, float east, float southEast,
                             float south)
{
    return heating::OrientationCorrection(direction, angle, {north, east, southEast, south});
}

void SteadyLoss(const Step& s, double ka, double xch, double out[24])
{
    const double q = Corrected(ka * (s.winterDesign - s.room), xch);
    for (int h = 0; h < 24; ++h)
        out[h] = q;
}

// Outdoor air acting on K·A directly (heating regime of outside walls and openings).
void AirConduction(const Step& s, double ka, double xch, double out[24])
{
    double outdoor[24];
    s.Outdoor(outdoor);
    for (int h = 0; h < 24; ++h)
        out[h] = Corrected(ka * (outdoor[h] - s.room), xch);
}

// Clear-sky pressure of the month: the winter and summer values of the context blended like the
// monthly design days.
double MonthPressure(int month)
{
    const DesignContext& c = CurrentDesignContext();
    const double w = (1.0 - std::cos(kPi * (month - 1) / 6.0)) / 2.0;
    return (1.0 - w) * c.winterPressure + w * c.summerPressure;
}

// Clear-sky irradiance on an outside surface on the 21st of the month, at the place of the design
// context.
void ClearSkyOnSurface(double latitude, int month, int32_t direction, double angle, double out[24])
{
    const DesignContext& c = CurrentDesignContext();
    SurfaceSunRequest r;
    r.latitude = latitude;
    r.located = c.hasLocation;
    r.longitude = c.longitude;
    r.timeZone = c.timeZone;
    r.dayOfYear = DayOfYear(month, kDesignDayOfMonth);
    r.month = month;
    r.clarity = c.clarity;
    r.pressure = MonthPressure(month);
    r.azimuth = Radians(SurfaceAzimuthDeg(direction, angle));
    r.tilt = Radians(SurfaceTiltDeg(direction));
    r.groundReflectance = c.groundReflectance;
    SurfaceSunDay scratch;
    const SurfaceSunDay& day = SurfaceSunOf(r, scratch);
    for (int h = 0; h < 24; ++h)
        out[h] = day.beam[h] + day.diffuse[h] + day.reflected[h];
}

using SolAirKey = SharedKey<12>;
thread_local SharedValueTable<SolAirKey, UnitHours, 4096> t_solAirUnits;

// Opaque outside element in the cooling regime: K·A·(t_wl(τ) − t_n), t_wl from the sol-air
// temperature through β and ξ. Elements of one construction and orientation in rooms at t_n share
// t_wl(τ) − t_n.
void SolAirConduction(const Step& s, double ka, double absorptance, int32_t direction, double angle,
                      int month, float beta, float xi, double out[24])
{
    const double b = std::clamp(Finite(beta), 0.0, 1.0);
    const double lag = Finite(xi);
    SolAirKey key;
    key.Add(s.latitude);
    key.Add(s.mean);
    key.Add(s.range);
    key.Add(s.room);
    key.Add(absorptance);
    key.Add(static_cast<int>(direction));
    key.Add(angle);
    key.Add(month);
    key.Add(b);
    key.Add(lag);
    UnitHours scratch;
    const UnitHours& unit = SharedValue(t_solAirUnits, key, scratch, [&](UnitHours& u) {
        double outdoor[24], irradiance[24], solAir[24], response[24];
        s.Outdoor(outdoor);
        ClearSkyOnSurface(s.latitude, month, direction, angle, irradiance);
        SolAirTemperature(outdoor, irradiance, absorptance, SolAirLongWave(SurfaceTiltDeg(direction) == 0.0),
                          solAir);
        ConstructionResponse(solAir, b, lag, response);
        for (int h = 0; h < 24; ++h)
            u.v[h] = response[h] - s.room;
    });
    for (int h = 0; h < 24; ++h)
        out[h] = ka * unit.v[h];
}

// Outdoor air through β and ξ (floors over outdoor air and gap walls, shaded from the sun).
void DampedAirConduction(const Step& s, double ka, float beta, float xi, double out[24])
{
    double outdoor[24], response[24];
    s.Outdoor(outdoor);
    ConstructionResponse(outdoor, std::clamp(Finite(beta), 0.0, 1.0), Finite(xi), response);
    for (int h = 0; h < 24; ++h)
        out[h] = ka * (response[h] - s.room);
}

using GlazingKey = SharedKey<8>;
thread_local SharedValueTable<GlazingKey, UnitHours, 4096> t_glazingUnits;

// Conduction through glazing: instantaneous K·A·(t(τ) − t_n) through the non-solar Radiant Time
// Series of the room; orientation correction in the heating regime. Every window of a room at t_n
// on the day shares the load per K·A.
void GlazingConduction(const Step& s, int32_t roomType, double ka, int32_t steady, double xch, double out[24])
{
    if (steady) {
        SteadyLoss(s, ka, xch, out);
        return;
    }
    const double x = s.HeatingRegime() ? xch : 0.0;
    GlazingKey key;
    key.Add(s.mean);
    key.Add(s.range);
    key.Add(s.room);
    key.Add(x);
    key.Add(RtsConstructionOf(roomType));
    UnitHours scratch;
    const UnitHours& unit = SharedValue(t_glazingUnits, key, scratch, [&](UnitHours& u) {
        double difference[24];
        AirConduction(s, 1.0, x, difference);
        CoolingLoadFromGain(roomType, RtsSeries::NonSolar, kRadiantWindowConduction, false, difference, u.v);
    });
    for (int h = 0; h < 24; ++h)
        out[h] = ka * unit.v[h];
}

// Transmitted solar gain through glazing.
struct GlazingSun
{
    double latitude, longitude, timeZone;
    int32_t month, day, groundGrade;
    int32_t direction;
    double angle;
    double gA;                 // g_eff × A
    const OutsideShade* shade; // null: no outside shading
    bool measuredDay;          // false: clear sky of the design context
    const float* measured;     // hourly global horizontal (weather column 5)
    const float* measuredMean; // daily mean repeated by hour (weather column 6)
};

// Solar gain transmitted per m² of g_eff·A.
void TransmittedSolar(const GlazingSun& g, double out[24])
{
    const DesignContext& c = CurrentDesignContext();
    const int month = MonthOf(g.month);
    // A call without a usable location falls back on the place of the design context.
    const bool located = std::isfinite(g.longitude) && std::isfinite(g.timeZone);
    SurfaceSunRequest r;
    r.latitude = g.latitude;
    r.located = located || c.hasLocation;
    r.longitude = located ? g.longitude : c.longitude;
    r.timeZone = located ? g.timeZone : c.timeZone;
    r.dayOfYear = DayOfYear(month, g.day);
    r.month = month;
    r.measured = g.measuredDay;
    r.global = g.measured;
    r.globalMean = g.measuredMean;
    r.clarity = c.clarity;
    r.pressure = MonthPressure(month);
    r.azimuth = Radians(SurfaceAzimuthDeg(g.direction, g.angle));
    r.tilt = Radians(SurfaceTiltDeg(g.direction));
    r.groundReflectance = GroundReflectance(g.groundGrade);
    SurfaceSunDay scratch;
    const SurfaceSunDay& day = SurfaceSunOf(r, scratch);
    const bool shaded = g.shade && SurfaceTiltDeg(g.direction) != 0.0;
    SunPosition sun[24];
    if (shaded)
        SunDay(r.latitude, r.dayOfYear, r.located, r.longitude, r.timeZone, sun);
    for (int h = 0; h < 24; ++h) {
        double beam = day.beam[h] * day.glazingModifier[h];
        if (shaded && beam > 0.0)
            beam *= SunlitFraction(*g.shade, sun[h], r.azimuth);
        out[h] = beam + kGlazingDiffuseFactor * (day.diffuse[h] + day.reflected[h]);
    }
}

using SolarKey = SharedKey<44>;
thread_local SharedValueTable<SolarKey, UnitHours, 8192> t_solarUnits;

// Solar gain to cooling load: behind an interior shade half of it is radiant and follows the
// non-solar series; otherwise all of it is absorbed by the room surfaces first (solar series).
// Openings of one orientation and shading in rooms of one construction share the load per g·A.
void SolarLoad(const GlazingSun& g, int32_t roomType, bool interiorShade, int32_t steady, int32_t winter,
               float coef, float* out24)
{
    const RtsSeries series = interiorShade ? RtsSeries::NonSolar : RtsSeries::Solar;
    const double radiant = interiorShade ? kRadiantSolarInteriorShade : kRadiantSolarNoShade;
    SolarKey key;
    key.Add(g.latitude);
    key.Add(g.longitude);
    key.Add(g.timeZone);
    key.Add(static_cast<int>(g.month));
    key.Add(static_cast<int>(g.day));
    key.Add(static_cast<int>(g.groundGrade));
    key.Add(static_cast<int>(g.direction));
    key.Add(g.angle);
    key.Add(g.shade ? 1 : 0);
    if (g.shade) {
        const OutsideShade& o = *g.shade;
        for (double value : {o.width, o.height, o.overhang, o.fin, o.overhangGap, o.finGap})
            key.Add(value);
    } else {
        for (int i = 0; i < 6; ++i)
            key.Add(0.0);
    }
    key.Add(interiorShade ? 1 : 0);
    key.Add(RtsConstructionOf(roomType));
    key.Add(steady != 0 ? 1 : 0);
    key.Add(g.measuredDay ? 1 : 0);
    key.Add(g.measuredDay ? g.measured : nullptr, 24);
    key.Add(g.measuredDay ? g.measuredMean : nullptr, 24);
    UnitHours scratch;
    const UnitHours& unit = SharedValue(t_solarUnits, key, scratch, [&](UnitHours& u) {
        double perArea[24];
        TransmittedSolar(g, perArea);
        CoolingLoadFromGain(roomType, series, radiant, steady != 0, perArea, u.v);
    });
    const double factor = GainFactor(winter, coef);
    double load[24];
    for (int h = 0; h < 24; ++h)
        load[h] = g.gA * unit.v[h] * factor;
    Store(out24, 24, load);
}

bool HasInteriorShade(int32_t shieldType)
{
    return shieldType == 1 || shieldType == 3;
}

bool HasOutsideShade(int32_t shieldType)
{
    return shieldType == 2 || shieldType == 3;
}

// Window, door or curtain-wall solar of the monthly and daily types.
void WindowSolar(float latitude, float longitude, int32_t roomType, int32_t direction, float solarFactor,
                 int32_t shieldType, float area, int32_t steady, int32_t winter, float coef, int32_t month,
                 int32_t day, int32_t groundGrade, float timeZone, float shadeB, float shadeH, float shadeL,
                 float shadeM, float shadeF, float shadeG, float* out24, bool measuredDay,
                 const float* measured, const float* measuredMean, double angle)
{
    const OutsideShade shade{shadeB, shadeH, shadeL, shadeM, shadeF, shadeG};
    const GlazingSun g{Finite(latitude),
                       longitude,
                       timeZone,
                       month,
                       day,
                       groundGrade,
                       direction,
                       Finite(angle),
                       NonNegative(solarFactor) * NonNegative(area),
                       HasOutsideShade(shieldType) ? &shade : nullptr,
                       measuredDay,
                       measured,
                       measuredMean};
    SolarLoad(g, roomType, HasInteriorShade(shieldType), steady, winter, coef, out24);
}

// Glass roofs and skylights: no tilt reaches the library, so the glass is taken as horizontal.
void SkyWindowSolar(float latitude, float longitude, int32_t roomType, float solarFactor, float area,
                    int32_t steady, int32_t winter, float coef, int32_t month, int32_t day,
                    int32_t groundGrade, float timeZone, float* out24, bool measuredDay,
                    const float* measured, const float* measuredMean)
{
    const GlazingSun g{Finite(latitude),
                       longitude,
                       timeZone,
                       month,
                       day,
                       groundGrade,
                       0,
                       0.0,
                       NonNegative(solarFactor) * NonNegative(area),
                       nullptr,
                       measuredDay,
                       measured,
                       measuredMean};
    SolarLoad(g, roomType, false, steady, winter, coef, out24);
}

// Temperature difference t_ls − t_n across an element to a room without air conditioning
// (GB 50736-2012 adjacent-room rule), for the day's mean outdoor temperature.
double AdjacentDifference(double outdoorMean, double room, int status)
{
    if (outdoorMean < room)
        return -kAdjacentRoomWinterAlpha[status] * (room - outdoorMean);
    return outdoorMean + kAdjacentRoomRise[status] - room;
}

// Inside walls, doors, windows and floors: a constant load. Status 4 takes the difference given
// (adjacent − this), status 5 a share of the status-0 load. Steady uses t_wk as the outdoor mean.
void InsideElement(const Step& s, double ka, int32_t status, int32_t steady, float deltaT, float share,
                   float* out24)
{
    const double mean = steady ? s.winterDesign : s.mean;
    double difference;
    if (status == 4)
        difference = Finite(deltaT);
    else if (status == 5)
        difference = NonNegative(share) * AdjacentDifference(mean, s.room, 0);
    else
        difference = AdjacentDifference(mean, s.room,
                                        status >= 0 && status <= 3 ? status : kFallbackAdjacentRoomStatus);
    StoreConstant(out24, 24, ka * difference);
}

} // namespace

DIZEDOZEV_API void GetCL_OutEnclose_Wall_v2005_Angle(float latitude, float, float twk, float, float peak,
                                                     float, float room, int32_t direction, float k,
                                                     float beta, float xi, float area, int32_t steady,
                                                     float* out24, float, float, float, float, int32_t month,
                                                     float coefNorth, float coefEast, float coefSouthEast,
                                                     float coefSouth, double directionAngle)
{
    const Step s = OuterStep(latitude, twk, peak, room);
    const double ka = KA(k, area);
    const double angle = Finite(directionAngle);
    // The correction belongs to the heating method: the cooling regime has none.
    const double xch = steady || s.HeatingRegime() ? OrientationCorrection(direction, angle, coefNorth,
                                                                           coefEast, coefSouthEast, coefSouth)
                                                   : 0.0;
    double q[24];
    if (steady)
        SteadyLoss(s, ka, xch, q);
    else if (s.HeatingRegime())
        AirConduction(s, ka, xch, q);
    else
        SolAirConduction(s, ka, WallAbsorptance(), direction, angle, MonthOf(month), beta, xi, q);
    Store(out24, 24, q);
}

DIZEDOZEV_API void GetCL_OutEnclose_Roof(float latitude, float, float twk, float, float peak, float,
                                         float room, float k, float beta, float xi, float area, int32_t color,
                                         int32_t steady, float* out24, float, float, float, float,
                                         int32_t month)
{
    const Step s = OuterStep(latitude, twk, peak, room);
    const double ka = KA(k, area);
    double q[24];
    if (steady)
        SteadyLoss(s, ka, 0.0, q);
    else if (s.HeatingRegime())
        AirConduction(s, ka, 0.0, q);
    else
        SolAirConduction(s, ka, RoofAbsorptance(color), 0, 0.0, MonthOf(month), beta, xi, q);
    Store(out24, 24, q);
}

DIZEDOZEV_API void GetCL_OutEnclose_Window(float latitude, float, float twk, float, float peak, float,
                                           float room, int32_t roomType, float k, float area, int32_t steady,
                                           float* out24, float, float, float, float, int32_t)
{
    double q[24];
    GlazingConduction(OuterStep(latitude, twk, peak, room), roomType, KA(k, area), steady, 0.0, q);
    Store(out24, 24, q);
}

DIZEDOZEV_API void GetCL_OutEnclose_Window_2014_Angle(float latitude, float, float twk, float, float peak,
                                                      float, float room, int32_t roomType, float k,
                                                      float area, int32_t steady, float* out24, float, float,
                                                      float, float, int32_t, int32_t direction,
                                                      float coefNorth, float coefEast, float coefSouthEast,
                                                      float coefSouth, double directionAngle)
{
    const Step s = OuterStep(latitude, twk, peak, room);
    const double xch = steady || s.HeatingRegime()
                           ? OrientationCorrection(direction, Finite(directionAngle), coefNorth, coefEast,
                                                   coefSouthEast, coefSouth)
                           : 0.0;
    double q[24];
    GlazingConduction(s, roomType, KA(k, area), steady, xch, q);
    Store(out24, 24, q);
}

DIZEDOZEV_API void GetCL_OutEnclose_Solar_Angle(
    float latitude, float longitude, float, int32_t roomType, int32_t direction, float, float solarFactor,
    int32_t shieldType, int32_t, int32_t, float area, int32_t steady, int32_t winter, float coef,
    int32_t month, int32_t day, int32_t groundGrade, float timeZone, float shadeB, float shadeH, float shadeL,
    float shadeM, float shadeF, float shadeG, int32_t, float* out24, double directionAngle)
{
    WindowSolar(latitude, longitude, roomType, direction, solarFactor, shieldType, area, steady, winter, coef,
                month, day, groundGrade, timeZone, shadeB, shadeH, shadeL, shadeM, shadeF, shadeG, out24,
                false, nullptr, nullptr, directionAngle);
}

DIZEDOZEV_API void GetCL_OutEnclose_Solar_Daily_Angle(
    float latitude, float longitude, float, int32_t roomType, int32_t direction, float, float solarFactor,
    int32_t shieldType, int32_t, int32_t, float area, int32_t steady, int32_t winter, float coef,
    int32_t month, int32_t day, int32_t groundGrade, float timeZone, float shadeB, float shadeH, float shadeL,
    float shadeM, float shadeF, float shadeG, int32_t, float* out24, const float* globalHorizontal24,
    const float* dailyMean24, double directionAngle)
{
    // A missing weather row is a day without sun, not a clear day.
    WindowSolar(latitude, longitude, roomType, direction, solarFactor, shieldType, area, steady, winter, coef,
                month, day, groundGrade, timeZone, shadeB, shadeH, shadeL, shadeM, shadeF, shadeG, out24,
                true, globalHorizontal24, dailyMean24, directionAngle);
}

DIZEDOZEV_API void GetCL_SkyWindow_Solar_Angle(float latitude, float longitude, float, int32_t roomType,
                                               int32_t, float, float solarFactor, float area, int32_t steady,
                                               int32_t winter, float coef, int32_t month, int32_t day,
                                               int32_t groundGrade, float timeZone, float* out24, double)
{
    SkyWindowSolar(latitude, longitude, roomType, solarFactor, area, steady, winter, coef, month, day,
                   groundGrade, timeZone, out24, false, nullptr, nullptr);
}

DIZEDOZEV_API void GetCL_SkyWindow_Solar_Daily_Angle(
    float latitude, float longitude, float, int32_t roomType, int32_t, float, float solarFactor, float area,
    int32_t steady, int32_t winter, float coef, int32_t month, int32_t day, int32_t groundGrade,
    float timeZone, float* out24, const float* globalHorizontal24, const float* dailyMean24, double)
{
    SkyWindowSolar(latitude, longitude, roomType, solarFactor, area, steady, winter, coef, month, day,
                   groundGrade, timeZone, out24, true, globalHorizontal24, dailyMean24);
}

DIZEDOZEV_API void GetCL_InEnclose_Wall_v2005(float latitude, float, float mean, float twk, float, float peak,
                                              float, float room, float k, float, float, float area,
                                              int32_t adjacentStatus, int32_t steady, float* out24,
                                              float deltaT, float coefficient)
{
    InsideElement(InnerStep(latitude, mean, twk, peak, room), KA(k, area), adjacentStatus, steady, deltaT,
                  coefficient, out24);
}

DIZEDOZEV_API void GetCL_InEnclose_Window_v2005(float latitude, float, float mean, float twk, float,
                                                float peak, float, float room, int32_t,
                                                int32_t adjacentStatus, float k, float area, int32_t steady,
                                                float* out24, float deltaT, float coefficient)
{
    // A constant load passes the room response unchanged: RoomType plays no part.
    InsideElement(InnerStep(latitude, mean, twk, peak, room), KA(k, area), adjacentStatus, steady, deltaT,
                  coefficient, out24);
}

DIZEDOZEV_API void GetCL_InEnclose_Floor_v2005(float latitude, float, float mean, float twk, float,
                                               float peak, float, float room, float k, float, float,
                                               float area, int32_t adjacentStatus, int32_t steady,
                                               float* out24, float deltaT, float coefficient)
{
    InsideElement(InnerStep(latitude, mean, twk, peak, room), KA(k, area), adjacentStatus, steady, deltaT,
                  coefficient, out24);
}

DIZEDOZEV_API void GetCL_ProjectionFloor(float latitude, float, float mean, float twk, float, float peak,
                                         float, float room, float k, float beta, float xi, float area,
                                         int32_t steady, float* out24, float, float, float, float, int32_t)
{
    const Step s = InnerStep(latitude, mean, twk, peak, room);
    double q[24];
    if (steady)
        SteadyLoss(s, KA(k, area), 0.0, q);
    else
        DampedAirConduction(s, KA(k, area), beta, xi, q);
    Store(out24, 24, q);
}

DIZEDOZEV_API void GetCL_GapWall(float latitude, float, float mean, float twk, float, float peak, float,
                                 float room, float k, float beta, float xi, float area, int32_t gapWallType,
                                 int32_t steady, float* out24)
{
    const Step s = InnerStep(latitude, mean, twk, peak, room);
    const double ka = heating::GapWallAlpha(gapWallType) * KA(k, area);
    double q[24];
    if (steady)
        SteadyLoss(s, ka, 0.0, q);
    else
        DampedAirConduction(s, ka, beta, xi, q);
    Store(out24, 24, q);
}

DIZEDOZEV_API void GetCL_Ground(float room, float groundSide, float k, float area, int32_t, float* out24)
{
    StoreConstant(out24, 24, KA(k, area) * (AirTemp(groundSide) - AirTemp(room)));
}

DIZEDOZEV_API void GetCL_BasementWall(float room, float groundSide, float k, float area, int32_t,
                                      float* out24)
{
    StoreConstant(out24, 24, KA(k, area) * (AirTemp(groundSide) - AirTemp(room)));
}
