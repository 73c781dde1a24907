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
#include "calclib/SolAir.h"
#include "calclib/SolarGeometry.h"
#include "calclib/SolarIrradiance.h"

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
    double outdoor[24] = {};   // ℃
    double mean = 0.0;         // 24-hour mean of outdoor
    double winterDesign = 0.0; // t_wk, the outdoor temperature of the steady state
    double room = 0.0;

    bool HeatingRegime() const { return mean < room; }
};

// Outer block: the day's peak; the range is the project's daily range.
Step OuterStep(float latitude, float twk, float peak, float room)
{
    Step s;
    s.latitude = Finite(latitude);
    const double range = CurrentDesignContext().dailyRange;
    s.mean = DesignDayMean(AirTemp(peak), range);
    DesignDayProfile(s.mean, range, s.outdoor);
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
    double range = (AirTemp(peak) - s.mean) / kDesignDayBetaMax;
    if (!(range > 0.0))
        range = CurrentDesignContext().dailyRange;
    DesignDayProfile(s.mean, range, s.outdoor);
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
    for (int h = 0; h < 24; ++h)
        out[h] = Corrected(ka * (s.outdoor[h] - s.room), xch);
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
    const int n = DayOfYear(month, kDesignDayOfMonth);
    SunPosition sun[24];
    SunDay(latitude, n, c.hasLocation, c.longitude, c.timeZone, sun);
    const double azimuth = Radians(SurfaceAzimuthDeg(direction, angle));
    const double tilt = Radians(SurfaceTiltDeg(direction));
    const double p = MonthPressure(month);
    for (int h = 0; h < 24; ++h)
        out[h] =
            OnSurface(ClearSky(sun[h], n, month, c.clarity, p), sun[h], azimuth, tilt, c.groundReflectance)
                .Total();
}

// Opaque outside element in the cooling regime: K·A·(t_wl(τ) − t_n), t_wl from the sol-air
// temperature through β and ξ.
void SolAirConduction(const Step& s, double ka, double absorptance, int32_t direction, double angle,
                      int month, float beta, float xi, double out[24])
{
    double irradiance[24], solAir[24], response[24];
    ClearSkyOnSurface(s.latitude, month, direction, angle, irradiance);
    SolAirTemperature(s.outdoor, irradiance, absorptance, SolAirLongWave(SurfaceTiltDeg(direction) == 0.0),
                      solAir);
    ConstructionResponse(solAir, std::clamp(Finite(beta), 0.0, 1.0), Finite(xi), response);
    for (int h = 0; h < 24; ++h)
        out[h] = ka * (response[h] - s.room);
}

// Outdoor air through β and ξ (floors over outdoor air and gap walls, shaded from the sun).
void DampedAirConduction(const Step& s, double ka, float beta, float xi, double out[24])
{
    double response[24];
    ConstructionResponse(s.outdoor, std::clamp(Finite(beta), 0.0, 1.0), Finite(xi), response);
    for (int h = 0; h < 24; ++h)
        out[h] = ka * (response[h] - s.room);
}

// Conduction through glazing: instantaneous K·A·(t(τ) − t_n) through the non-solar Radiant Time
// Series of the room; orientation correction in the heating regime.
void GlazingConduction(const Step& s, int32_t roomType, double ka, int32_t steady, double xch, double out[24])
{
    if (steady) {
        SteadyLoss(s, ka, xch, out);
        return;
    }
    const double x = s.HeatingRegime() ? xch : 0.0;
    AirConduction(s, ka, x, out);
    CoolingLoadFromGain(roomType, RtsSeries::NonSolar, kRadiantWindowConduction, false, out, out);
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

// Beam transmittance relative to normal incidence, 1 − tan⁴(θ/2) = 1 − ((1 − cos θ)/(1 + cos θ))².
double AngularModifier(double cosIncidence)
{
    if (!(cosIncidence > 0.0))
        return 0.0;
    const double c = std::min(1.0, cosIncidence);
    const double r = (1.0 - c) / (1.0 + c);
    return 1.0 - r * r;
}

void TransmittedSolar(const GlazingSun& g, double out[24])
{
    const DesignContext& c = CurrentDesignContext();
    const int month = MonthOf(g.month);
    const int n = DayOfYear(month, g.day);
    // A call without a usable location falls back on the place of the design context.
    const bool located = std::isfinite(g.longitude) && std::isfinite(g.timeZone);
    SunPosition sun[24];
    SunDay(g.latitude, n, located || c.hasLocation, located ? g.longitude : c.longitude,
           located ? g.timeZone : c.timeZone, sun);
    double measured[24] = {};
    if (g.measuredDay)
        MeasuredGlobalDay(sun, g.measured, g.measuredMean, measured);
    const double azimuth = Radians(SurfaceAzimuthDeg(g.direction, g.angle));
    const double tilt = Radians(SurfaceTiltDeg(g.direction));
    const bool vertical = SurfaceTiltDeg(g.direction) != 0.0;
    const double rho = GroundReflectance(g.groundGrade);
    const double p = MonthPressure(month);
    for (int h = 0; h < 24; ++h) {
        const SkyIrradiance sky = g.measuredDay ? FromMeasuredGlobal(sun[h], n, measured[h])
                                                : ClearSky(sun[h], n, month, c.clarity, p);
        const SurfaceIrradiance on = OnSurface(sky, sun[h], azimuth, tilt, rho);
        double beam = on.beam * AngularModifier(CosIncidence(sun[h], azimuth, tilt));
        if (g.shade && vertical && beam > 0.0)
            beam *= SunlitFraction(*g.shade, sun[h], azimuth);
        out[h] = g.gA * (beam + kGlazingDiffuseFactor * (on.diffuse + on.reflected));
    }
}

// Solar gain to cooling load: behind an interior shade half of it is radiant and follows the
// non-solar series; otherwise all of it is absorbed by the room surfaces first (solar series).
void SolarLoad(const GlazingSun& g, int32_t roomType, bool interiorShade, int32_t steady, int32_t winter,
               float coef, float* out24)
{
    double q[24];
    TransmittedSolar(g, q);
    if (interiorShade)
        StoreGainLoad(roomType, RtsSeries::NonSolar, kRadiantSolarInteriorShade, steady, winter, coef, q,
                      out24);
    else
        StoreGainLoad(roomType, RtsSeries::Solar, kRadiantSolarNoShade, steady, winter, coef, q, out24);
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
    const double xch = OrientationCorrection(direction, angle, coefNorth, coefEast, coefSouthEast, coefSouth);
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
    const double xch = OrientationCorrection(direction, Finite(directionAngle), coefNorth, coefEast,
                                             coefSouthEast, coefSouth);
    double q[24];
    GlazingConduction(OuterStep(latitude, twk, peak, room), roomType, KA(k, area), steady, xch, q);
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
