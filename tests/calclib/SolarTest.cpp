#include "calclib/SolarGeometry.h"
#include "calclib/SolarIrradiance.h"
#include "calclib/dizedozev.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace calclib;

namespace {

constexpr double kPi = 3.14159265358979323846;

SunPosition SunWithSinAltitude(double sinAltitude, double azimuthDeg)
{
    SunPosition sun;
    sun.sinAltitude = sinAltitude;
    sun.altitude = std::asin(sinAltitude);
    sun.azimuth = Radians(azimuthDeg);
    return sun;
}

} // namespace

// NREL Solar Position Algorithm report (Reda & Andreas 2004), worked example: 17 October 2003,
// 12:30:30 local time, UTC−7, 39.742476 N, 105.1786 W → topocentric zenith 50.11°, azimuth 194.34°
// (from north, eastward). The Spencer series without refraction is good to half a degree.
TEST(SolarGeometry, NrelSpaWorkedExample)
{
    const int n = DayOfYear(10, 17);
    ASSERT_EQ(n, 290);
    const double clock = 12.0 + 30.0 / 60.0 + 30.0 / 3600.0;
    const SunPosition sun = SunAt(39.742476, n, ApparentSolarTime(clock, n, true, -105.1786, -7.0));
    EXPECT_NEAR(90.0 - Degrees(sun.altitude), 50.11, 0.5);
    EXPECT_NEAR(Degrees(sun.azimuth), 194.34, 0.5);
}

// Astronomical almanac values: declination ±23.44° at the solstices, about 0 at the equinoxes;
// equation of time −14.2 min on 11 February and +16.4 min on 3 November (its extremes).
TEST(SolarGeometry, DeclinationAndEquationOfTimeFollowTheAlmanac)
{
    EXPECT_NEAR(Degrees(Declination(DayOfYear(6, 21))), 23.44, 0.15);
    EXPECT_NEAR(Degrees(Declination(DayOfYear(12, 21))), -23.44, 0.15);
    EXPECT_NEAR(Degrees(Declination(DayOfYear(3, 20))), 0.0, 0.5);
    EXPECT_NEAR(Degrees(Declination(DayOfYear(9, 23))), 0.0, 0.5);
    EXPECT_NEAR(EquationOfTimeMinutes(DayOfYear(2, 11)), -14.2, 0.5);
    EXPECT_NEAR(EquationOfTimeMinutes(DayOfYear(11, 3)), 16.4, 0.5);
    // Beijing standard time runs on 120° E: at 116.47° E solar time lags the clock by 14.1 min + EoT.
    const int n = DayOfYear(11, 3);
    EXPECT_NEAR(ApparentSolarTime(12.0, n, true, 116.4667, 8.0), 12.0 + (16.4 - 14.13) / 60.0, 0.01);
    EXPECT_DOUBLE_EQ(ApparentSolarTime(12.0, n, false, 116.4667, 8.0), 12.0);
}

TEST(SolarGeometry, CalendarAndClampedInputs)
{
    struct Case
    {
        int month, day, n;
    } cases[] = {{1, 1, 1},
                 {2, 28, 59},
                 {3, 1, 60},
                 {7, 21, 202},
                 {12, 31, 365},
                 {2, 30, 59} /* no 29 Feb */,
                 {0, 5, 5} /* month clamped */,
                 {13, 40, 365}};
    for (const Case& c : cases)
        EXPECT_EQ(DayOfYear(c.month, c.day), c.n) << c.month << "/" << c.day;
}

// Direction codes of the element pages: 1 南 2 西南 3 西 4 西北 5 北 6 东北 7 东 8 东南, plus the angle
// within the octant, clockwise from north.
TEST(SolarGeometry, SurfaceAzimuthFromDirectionCode)
{
    struct Case
    {
        int direction;
        double angle, azimuth, tilt;
    } cases[] = {{1, 0, 180, 90}, {2, 0, 225, 90}, {3, 0, 270, 90}, {4, 0, 315, 90},  {5, 0, 0, 90},
                 {6, 0, 45, 90},  {7, 0, 90, 90},  {8, 0, 135, 90}, {8, 30, 165, 90}, {4, 44, 359, 90},
                 {4, 45, 0, 90},  {5, NAN, 0, 90}, {0, 20, 0, 0},   {9, 0, 0, 0},     {-1, 0, 0, 0}};
    for (const Case& c : cases) {
        EXPECT_NEAR(SurfaceAzimuthDeg(c.direction, c.angle), c.azimuth, 1e-12)
            << c.direction << " " << c.angle;
        EXPECT_EQ(SurfaceTiltDeg(c.direction), c.tilt) << c.direction;
    }
}

// The day cache must key on every input: alternating places and days give each its own sun.
TEST(SolarGeometry, SunDayCacheMatchesDirectComputation)
{
    struct Place
    {
        double lat;
        bool located;
        double lon, tz;
    } places[] = {{40.0, false, 0, 0},
                  {30.0, false, 0, 0},
                  {40.0, true, 116.47, 8.0},
                  {40.0, true, 87.6, 8.0},
                  {40.0, false, 0, 0}};
    for (int n : {1, 172, 172, 290}) {
        for (const Place& p : places) {
            SunPosition day[24];
            SunDay(p.lat, n, p.located, p.lon, p.tz, day);
            for (int h = 0; h < 24; ++h) {
                const SunPosition direct = SunAt(p.lat, n, ApparentSolarTime(h, n, p.located, p.lon, p.tz));
                EXPECT_NEAR(day[h].sinAltitude, direct.sinAltitude, 1e-12) << n << " " << p.lat << " " << h;
                EXPECT_NEAR(day[h].azimuth, direct.azimuth, 1e-9) << n << " " << p.lat << " " << h;
            }
        }
    }
}

// Kasten & Young (1989): relative air mass 37.92 at the horizon; 1 at the zenith; proportional
// to pressure.
TEST(SolarIrradiance, AirMass)
{
    EXPECT_NEAR(AirMass(SunWithSinAltitude(1.0, 180), 101325.0), 1.0, 1e-12);
    EXPECT_NEAR(AirMass(SunWithSinAltitude(0.5, 180), 101325.0), 2.0, 1e-12);
    EXPECT_NEAR(AirMass(SunWithSinAltitude(0.0, 90), 101325.0), 37.92, 0.05);
    EXPECT_NEAR(AirMass(SunWithSinAltitude(1.0, 180), 50662.5), 0.5, 1e-12);
    EXPECT_NEAR(AirMass(SunWithSinAltitude(1.0, 180), 506.625), 0.5, 1e-12); // hPa read as hPa
}

TEST(SolarIrradiance, NothingWithTheSunBelowTheHorizon)
{
    SunPosition day[24];
    SunDay(40.0, DayOfYear(7, 21), false, 0, 0, day);
    for (int h : {0, 2, 22, 23}) {
        ASSERT_LT(day[h].sinAltitude, 0.0) << h;
        for (double clarity : {0.75, 0.0}) {
            const SkyIrradiance sky = ClearSky(day[h], 202, 7, clarity, 101325.0);
            EXPECT_EQ(sky.beamNormal, 0.0);
            EXPECT_EQ(sky.diffuseHorizontal, 0.0);
            for (int k = 0; k < 9; ++k)
                EXPECT_EQ(
                    OnSurface(sky, day[h], Radians(SurfaceAzimuthDeg(k, 0)), Radians(SurfaceTiltDeg(k)), 0.2)
                        .Total(),
                    0.0);
        }
        // A measured value at such an hour (twilight) is all diffuse, never beam.
        const SkyIrradiance measured = FromMeasuredGlobal(day[h], 202, 20.0);
        EXPECT_EQ(measured.beamNormal, 0.0);
        EXPECT_EQ(measured.diffuseHorizontal, 20.0);
    }
}

// Hand calculation: beam normal 800, diffuse horizontal 100 W/m², sun at 30° due south, ground
// reflectance 0.2. South wall: beam 800·cos 30° = 692.8, diffuse 100/2 = 50, reflected
// 0.2·(800·0.5 + 100)/2 = 50. Roof: beam 400, diffuse 100, reflected 0.
TEST(SolarIrradiance, SurfaceComponentsByHand)
{
    const SkyIrradiance sky{800.0, 100.0};
    const SunPosition sun = SunWithSinAltitude(0.5, 180.0);
    const SurfaceIrradiance south = OnSurface(sky, sun, Radians(180.0), Radians(90.0), 0.2);
    EXPECT_NEAR(south.beam, 692.82, 0.01);
    EXPECT_NEAR(south.diffuse, 50.0, 1e-9);
    EXPECT_NEAR(south.reflected, 50.0, 1e-9);
    const SurfaceIrradiance roof = OnSurface(sky, sun, 0.0, 0.0, 0.2);
    EXPECT_NEAR(roof.beam, 400.0, 1e-9);
    EXPECT_NEAR(roof.diffuse, 100.0, 1e-9);
    EXPECT_EQ(roof.reflected, 0.0);
    // North wall, sun behind it: no beam.
    EXPECT_EQ(OnSurface(sky, sun, 0.0, Radians(90.0), 0.2).beam, 0.0);
}

// At 40° N in summer the noon sun is due south: a north wall gets sky and ground radiation only,
// but early in the morning the sun stands north of east and reaches it.
TEST(SolarIrradiance, NorthWallInSummerAtNoonGetsDiffuseOnly)
{
    for (int n : {DayOfYear(6, 21), DayOfYear(7, 21)}) {
        SunPosition day[24];
        SunDay(40.0, n, false, 0, 0, day);
        const double north = Radians(SurfaceAzimuthDeg(5, 0));
        const SkyIrradiance noonSky = ClearSky(day[12], n, 7, 0.75, 101325.0);
        const SurfaceIrradiance noon = OnSurface(noonSky, day[12], north, Radians(90.0), 0.2);
        EXPECT_EQ(noon.beam, 0.0);
        EXPECT_GT(noon.diffuse, 0.0);
        EXPECT_GT(noon.reflected, 0.0);
        EXPECT_GT(OnSurface(noonSky, day[12], Radians(180.0), Radians(90.0), 0.2).beam, 0.0);
        const SkyIrradiance morningSky = ClearSky(day[6], n, 7, 0.75, 101325.0);
        EXPECT_GT(OnSurface(morningSky, day[6], north, Radians(90.0), 0.2).beam, 0.0);
    }
}

// With no location the clock is solar time: east and west walls mirror each other about noon.
TEST(SolarIrradiance, EastAndWestMirrorAboutSolarNoon)
{
    SunPosition day[24];
    const int n = DayOfYear(7, 21);
    SunDay(40.0, n, false, 0, 0, day);
    const double east = Radians(SurfaceAzimuthDeg(7, 0)), west = Radians(SurfaceAzimuthDeg(3, 0));
    for (int k = 1; k <= 7; ++k) {
        const SunPosition& am = day[12 - k];
        const SunPosition& pm = day[12 + k];
        EXPECT_NEAR(Degrees(am.azimuth) + Degrees(pm.azimuth), 360.0, 1e-9) << k;
        const double e = OnSurface(ClearSky(am, n, 7, 0.75, 101325.0), am, east, Radians(90.0), 0.2).Total();
        const double w = OnSurface(ClearSky(pm, n, 7, 0.75, 101325.0), pm, west, Radians(90.0), 0.2).Total();
        EXPECT_NEAR(e, w, 1e-9 * e) << k;
        EXPECT_GT(e, 0.0) << k;
    }
}

// Erbs et al. (1982): diffuse fraction 1 − 0.09·k_t below 0.22, the quartic up to 0.80, 0.165
// above. k_t = 0.5: 0.9511 − 0.0802 + 1.0970 − 2.07975 + 0.7710 = 0.65915. The horizontal global
// value is always kept: beam·sin β + diffuse = G, also where the beam is capped at I_0.
TEST(SolarIrradiance, ErbsSplitOfMeasuredGlobal)
{
    const int n = 202;
    const double i0 = ExtraterrestrialIrradiance(n);
    const SunPosition sun = SunWithSinAltitude(0.8, 180.0);
    struct Case
    {
        double kt, diffuseFraction;
    } cases[] = {{0.1, 0.991}, {0.5, 0.65915}, {0.9, 0.165}};
    for (const Case& c : cases) {
        const double g = c.kt * i0 * 0.8;
        const SkyIrradiance sky = FromMeasuredGlobal(sun, n, g);
        EXPECT_NEAR(sky.diffuseHorizontal / g, c.diffuseFraction, 1e-4) << c.kt;
        EXPECT_NEAR(sky.beamNormal * 0.8 + sky.diffuseHorizontal, g, 1e-9 * g) << c.kt;
    }
    // k_t = 1.4 (a bad reading): beam normal would be 1.17·I_0, capped at I_0, the rest diffuse.
    const double g = 1.4 * i0 * 0.8;
    const SkyIrradiance capped = FromMeasuredGlobal(sun, n, g);
    EXPECT_NEAR(capped.beamNormal, i0, 1e-9 * i0);
    EXPECT_NEAR(capped.beamNormal * 0.8 + capped.diffuseHorizontal, g, 1e-9 * g);
    // Sun just above the horizon (sin β < 0.05): all diffuse.
    const SkyIrradiance low = FromMeasuredGlobal(SunWithSinAltitude(0.03, 90.0), n, 30.0);
    EXPECT_EQ(low.beamNormal, 0.0);
    EXPECT_EQ(low.diffuseHorizontal, 30.0);
    for (double bad : {-5.0, 0.0, double(NAN), double(INFINITY)}) {
        const SkyIrradiance none = FromMeasuredGlobal(sun, n, bad);
        EXPECT_EQ(none.beamNormal + none.diffuseHorizontal, 0.0) << bad;
    }
}

TEST(SolarIrradiance, MeasuredDayGuardSpreadsTheDailyMean)
{
    SunPosition sun[24];
    SunDay(40.0, DayOfYear(7, 21), false, 0, 0, sun);
    float hourly[24] = {}, mean[24];
    for (float& v : mean)
        v = 200.0f;
    double out[24];
    // Hourly values lost, daily mean 200 W/m²: the day's 4800 W·h/m² go to the daylight hours.
    MeasuredGlobalDay(sun, hourly, mean, out);
    double sum = 0.0;
    for (int h = 0; h < 24; ++h) {
        sum += out[h];
        if (sun[h].sinAltitude <= 0.0) {
            EXPECT_EQ(out[h], 0.0) << h;
        }
        EXPECT_LE(out[h], out[12]) << h;
    }
    EXPECT_NEAR(sum, 4800.0, 1e-9);
    // Hourly values present: taken as they are, bad ones as 0.
    hourly[10] = 300.0f;
    hourly[11] = NAN;
    hourly[12] = -4.0f;
    MeasuredGlobalDay(sun, hourly, mean, out);
    EXPECT_EQ(out[10], 300.0);
    EXPECT_EQ(out[11], 0.0);
    EXPECT_EQ(out[12], 0.0);
    MeasuredGlobalDay(sun, nullptr, nullptr, out);
    for (double v : out)
        EXPECT_EQ(v, 0.0);
}

// Hand calculation, 21 July at 40° N, noon (clock = solar time without a location):
// δ ≈ 20.5°, β = 70.5°, sin β = 0.9426. Bouguer–Berlage with P = 0.75 at 101325 Pa: m = 1.0609,
// P^m = 0.73695, I_0 = 1353·(1 + 0.033·cos(360°·202/365)) = 1310.8; beam 1310.8·0.73695·0.9426 =
// 910.6; diffuse 0.5·1310.8·0.9426·0.26305/(1 + 1.4·0.28768) = 115.9; horizontal total 1026.5.
// ASHRAE July constants (A 1085, B 0.207, C 0.136): I_DN = 1085·e^(−0.207/0.9426) = 871.1; total
// 871.1·0.9426 + 0.136·871.1 = 939.5.
TEST(SolarIrradiance, MaxShg12HorizontalJulyByHand)
{
    float out[12][9];
    GetMaxSHG12(40.0f, NAN, NAN, 1, &out[0][0], 0.75f, 0, 2003);
    EXPECT_NEAR(out[6][0], 1026.5, 10.0);
    GetMaxSHG12(40.0f, NAN, NAN, 1, &out[0][0], 0.0f, 0, 2003);
    EXPECT_NEAR(out[6][0], 939.5, 10.0);
}

// Plausibility at Beijing (39.8° N, 116.47° E, UTC+8): the horizontal gets more in July than in
// January, a south wall more in January; with no location east/west pairs mirror exactly.
TEST(SolarIrradiance, MaxShg12Plausibility)
{
    float out[12][9];
    for (float& v : out[0])
        v = NAN;
    for (float clarity : {0.75f, 0.0f}) {
        GetMaxSHG12(39.8f, 116.4667f, 8.0f, 1, &out[0][0], clarity, 0, 2003);
        for (int m = 0; m < 12; ++m)
            for (int k = 0; k < 9; ++k) {
                EXPECT_TRUE(std::isfinite(out[m][k])) << m << " " << k;
                EXPECT_GE(out[m][k], 0.0f) << m << " " << k;
            }
        EXPECT_GT(out[6][0], out[0][0]);
        EXPECT_GT(out[0][1], out[6][1]);
        // North wall in summer (diffuse at noon, early beam) stays far below the south wall in winter.
        EXPECT_LT(out[6][5], out[0][1]);
    }
    GetMaxSHG12(40.0f, NAN, NAN, 1, &out[0][0], 0.75f, 0, 2003);
    for (int m = 0; m < 12; ++m) {
        EXPECT_NEAR(out[m][3], out[m][7], 1e-3f * out[m][3]) << m; // W / E
        EXPECT_NEAR(out[m][2], out[m][8], 1e-3f * out[m][2]) << m; // SW / SE
        EXPECT_NEAR(out[m][4], out[m][6], 1e-3f * out[m][4]) << m; // NW / NE
    }
    // Southern hemisphere: the north wall takes the role of the south wall.
    GetMaxSHG12(-40.0f, NAN, NAN, 1, &out[0][0], 0.75f, 0, 2003);
    EXPECT_GT(out[6][5], out[0][5]);
    EXPECT_GT(out[0][0], out[6][0]);
}

// Ground reflectance by GroundGrade reaches the walls, never the horizontal: new concrete (0.32)
// against a bitumen parking lot (0.10); an unknown grade uses the default 0.2.
TEST(SolarIrradiance, MaxShg12GroundGrade)
{
    float concrete[12][9], bitumen[12][9], unknown[12][9];
    GetMaxSHG12(40.0f, NAN, NAN, 0, &concrete[0][0], 0.75f, 0, 2003);
    GetMaxSHG12(40.0f, NAN, NAN, 5, &bitumen[0][0], 0.75f, 0, 2003);
    GetMaxSHG12(40.0f, NAN, NAN, 99, &unknown[0][0], 0.75f, 0, 2003);
    EXPECT_EQ(concrete[6][0], bitumen[6][0]);
    for (int k = 1; k < 9; ++k) {
        EXPECT_GT(concrete[6][k], unknown[6][k]) << k;
        EXPECT_GT(unknown[6][k], bitumen[6][k]) << k;
    }
    EXPECT_NEAR(GroundReflectance(99), 0.2, 1e-12);
}

// Sunrise and sunset (apparent solar time) are symmetric about noon; 12 h days at the equinoxes and
// on the equator all year. Hand calculation for 21 June at 40° N: ω_s = arccos(−tan 40°·tan 23.44°)
// = 111.3°, day length 14.84 h. North of the Arctic circle: midnight sun in June, polar night in
// December.
TEST(SolarGeometry, SunriseSunset)
{
    float rise[365], set[365];
    for (float lat : {0.0f, 23.5f, 40.0f, 53.5f, -35.0f}) {
        SunriseSunset(lat, rise, set);
        for (int d = 0; d < 365; ++d) {
            EXPECT_NEAR(rise[d] + set[d], 24.0f, 1e-5f) << lat << " " << d;
            EXPECT_LE(rise[d], set[d]);
            if (lat == 0.0f) {
                EXPECT_NEAR(set[d] - rise[d], 12.0f, 1e-5f) << d;
            }
        }
        EXPECT_NEAR(set[79] - rise[79], 12.0f, 0.1f) << lat;   // 21 March
        EXPECT_NEAR(set[265] - rise[265], 12.0f, 0.1f) << lat; // 23 September
    }
    SunriseSunset(40.0f, rise, set);
    EXPECT_NEAR(set[171] - rise[171], 14.84f, 0.05f);
    EXPECT_GT(set[171] - rise[171], set[354] - rise[354]);
    SunriseSunset(70.0f, rise, set);
    EXPECT_NEAR(rise[171], 0.0f, 1e-5f);
    EXPECT_NEAR(set[171], 24.0f, 1e-5f);
    EXPECT_EQ(set[354] - rise[354], 0.0f);
    SunriseSunset(NAN, rise, set); // read as the equator
    EXPECT_NEAR(rise[100], 6.0f, 1e-5f);
}
