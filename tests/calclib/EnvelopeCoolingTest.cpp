// Envelope cooling loads of the calculation library and the outside-shading geometry.
#include "calclib/OutsideShading.h"
#include "calclib/SolarGeometry.h"
#include "calclib/SolarIrradiance.h"
#include "calclib/dizedozev.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <numeric>
#include <string>
#include <vector>

using namespace calclib;

namespace {

using Hours = std::array<float, 24>;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr double kPi = 3.14159265358979323846;

// GB 50736-2012 §4.1 hourly coefficients, written out here for the hand calculations.
constexpr double kBeta[24] = {-0.26, -0.35, -0.38, -0.42, -0.45, -0.47, -0.41, -0.28,
                              -0.12, 0.03,  0.16,  0.29,  0.40,  0.48,  0.52,  0.51,
                              0.43,  0.39,  0.28,  0.14,  0.00,  -0.10, -0.17, -0.23};
// They add up to −0.01: the 24-hour mean of a design day lies 0.01/24·Δt below t_wp.
constexpr double kBetaMean = -0.01 / 24.0;

Hours NanFilled()
{
    Hours a;
    a.fill(kNaN);
    return a;
}

double Sum(const Hours& a)
{
    return std::accumulate(a.begin(), a.end(), 0.0);
}

double Mean(const Hours& a)
{
    return Sum(a) / 24.0;
}

// Beijing (GB 50736-2012 Appendix A): summer design dry bulb 33.5 ℃, daily mean 29.6 ℃ (range
// 7.5 K), winter air-conditioning design −9.9 ℃. Rooms at 26 ℃ in summer, 20 ℃ in winter.
constexpr float kLat = 39.8f;
constexpr float kTwg = 33.5f;
constexpr float kTwk = -9.9f;
constexpr float kSummerMean = 29.6f;
constexpr float kRange = 7.5f;
constexpr float kSummerRoom = 26.0f;
constexpr float kWinterRoom = 20.0f;
// January design day in the monthly tables: mean t_wk, peak t_wk + 0.52·range.
constexpr float kJanuaryPeak = kTwk + 0.52f * kRange;

// Outer block of the summer and winter design days.
struct Outer
{
    float peak = kTwg;
    float room = kSummerRoom;
    int32_t month = 7;
};
constexpr Outer kSummer{};
constexpr Outer kWinter{kJanuaryPeak, kWinterRoom, 1};

struct Inner
{
    float mean = kSummerMean;
    float peak = kTwg;
    float room = kSummerRoom;
};
constexpr Inner kSummerInner{};
constexpr Inner kWinterInner{kTwk, kJanuaryPeak, kWinterRoom};

struct Orientation
{
    float north = 10.0f, east = -5.0f, southEast = -15.0f, south = -25.0f; // percent
};

Hours Wall(const Outer& o, int32_t direction, float k, float beta, float xi, float area, int32_t steady,
           const Orientation& c = {}, double angle = 0.0, float latitude = kLat)
{
    Hours out = NanFilled();
    GetCL_OutEnclose_Wall_v2005_Angle(latitude, kTwg, kTwk, kTwg, o.peak, kSummerRoom, o.room, direction, k,
                                      beta, xi, area, steady, out.data(), 3.0f, 0.0f, 3.0f, 2.0f, o.month,
                                      c.north, c.east, c.southEast, c.south, angle);
    return out;
}

Hours Roof(const Outer& o, float k, float beta, float xi, float area, int32_t color, int32_t steady,
           float latitude = kLat)
{
    Hours out = NanFilled();
    GetCL_OutEnclose_Roof(latitude, kTwg, kTwk, kTwg, o.peak, kSummerRoom, o.room, k, beta, xi, area, color,
                          steady, out.data(), 3.0f, 0.0f, 3.0f, 2.0f, o.month);
    return out;
}

Hours Window(const Outer& o, float k, float area, int32_t steady, int32_t roomType = 1)
{
    Hours out = NanFilled();
    GetCL_OutEnclose_Window(kLat, kTwg, kTwk, kTwg, o.peak, kSummerRoom, o.room, roomType, k, area, steady,
                            out.data(), 3.0f, 0.0f, 3.0f, 2.0f, o.month);
    return out;
}

Hours Window2014(const Outer& o, float k, float area, int32_t steady, int32_t direction,
                 const Orientation& c = {}, double angle = 0.0)
{
    Hours out = NanFilled();
    GetCL_OutEnclose_Window_2014_Angle(kLat, kTwg, kTwk, kTwg, o.peak, kSummerRoom, o.room, 1, k, area,
                                       steady, out.data(), 3.0f, 0.0f, 3.0f, 2.0f, o.month, direction,
                                       c.north, c.east, c.southEast, c.south, angle);
    return out;
}

// Glazing solar with its options; NaN longitude and time zone use the design context's place.
struct Glass
{
    float latitude = kLat;
    float longitude = kNaN;
    float timeZone = kNaN;
    int32_t roomType = 1;
    int32_t direction = 1;
    float g = 0.5f;
    int32_t shieldType = 0;
    float area = 2.0f;
    int32_t steady = 1;
    int32_t winter = 0;
    float coef = 1.0f;
    int32_t month = 7;
    int32_t day = 21;
    int32_t groundGrade = 3; // crushed rock, 0.20
    float b = 0, h = 0, l = 0, m = 0, f = 0, gap = 0;
    double angle = 0.0;
};

Hours Solar(const Glass& g)
{
    Hours out = NanFilled();
    GetCL_OutEnclose_Solar_Angle(g.latitude, g.longitude, kTwg, g.roomType, g.direction, 3.0f, g.g,
                                 g.shieldType, 0, 0, g.area, g.steady, g.winter, g.coef, g.month, g.day,
                                 g.groundGrade, g.timeZone, g.b, g.h, g.l, g.m, g.f, g.gap, 1, out.data(),
                                 g.angle);
    return out;
}

Hours SolarDaily(const Glass& g, const float* global24, const float* mean24)
{
    Hours out = NanFilled();
    GetCL_OutEnclose_Solar_Daily_Angle(g.latitude, g.longitude, kTwg, g.roomType, g.direction, 3.0f, g.g,
                                       g.shieldType, 0, 0, g.area, g.steady, g.winter, g.coef, g.month, g.day,
                                       g.groundGrade, g.timeZone, g.b, g.h, g.l, g.m, g.f, g.gap, 1,
                                       out.data(), global24, mean24, g.angle);
    return out;
}

Hours SkySolar(const Glass& g)
{
    Hours out = NanFilled();
    GetCL_SkyWindow_Solar_Angle(g.latitude, g.longitude, kTwg, g.roomType, g.direction, 3.0f, g.g, g.area,
                                g.steady, g.winter, g.coef, g.month, g.day, g.groundGrade, g.timeZone,
                                out.data(), g.angle);
    return out;
}

Hours SkySolarDaily(const Glass& g, const float* global24, const float* mean24)
{
    Hours out = NanFilled();
    GetCL_SkyWindow_Solar_Daily_Angle(g.latitude, g.longitude, kTwg, g.roomType, g.direction, 3.0f, g.g,
                                      g.area, g.steady, g.winter, g.coef, g.month, g.day, g.groundGrade,
                                      g.timeZone, out.data(), global24, mean24, g.angle);
    return out;
}

enum class InsideKind
{
    Wall,
    Window,
    Floor
};

Hours Inside(InsideKind kind, const Inner& in, float k, float area, int32_t status, int32_t steady,
             float deltaT = 0.0f, float coefficient = 0.0f)
{
    Hours out = NanFilled();
    switch (kind) {
    case InsideKind::Wall:
        GetCL_InEnclose_Wall_v2005(kLat, kTwg, in.mean, kTwk, kTwg, in.peak, kSummerRoom, in.room, k, 0.3f,
                                   8.0f, area, status, steady, out.data(), deltaT, coefficient);
        break;
    case InsideKind::Window:
        GetCL_InEnclose_Window_v2005(kLat, kTwg, in.mean, kTwk, kTwg, in.peak, kSummerRoom, in.room, 1,
                                     status, k, area, steady, out.data(), deltaT, coefficient);
        break;
    case InsideKind::Floor:
        GetCL_InEnclose_Floor_v2005(kLat, kTwg, in.mean, kTwk, kTwg, in.peak, kSummerRoom, in.room, k, 0.3f,
                                    8.0f, area, status, steady, out.data(), deltaT, coefficient);
        break;
    }
    return out;
}

Hours ProjectionFloor(const Inner& in, float k, float beta, float xi, float area, int32_t steady)
{
    Hours out = NanFilled();
    GetCL_ProjectionFloor(kLat, kTwg, in.mean, kTwk, kTwg, in.peak, kSummerRoom, in.room, k, beta, xi, area,
                          steady, out.data(), 3.0f, 0.0f, 3.0f, 2.0f, 7);
    return out;
}

Hours GapWall(const Inner& in, float k, float beta, float xi, float area, int32_t type, int32_t steady)
{
    Hours out = NanFilled();
    GetCL_GapWall(kLat, kTwg, in.mean, kTwk, kTwg, in.peak, kSummerRoom, in.room, k, beta, xi, area, type,
                  steady, out.data());
    return out;
}

// Every test starts from the Beijing design context without a location: apparent solar time =
// clock time, so that morning and afternoon mirror each other about noon.
class EnvelopeCooling : public testing::Test
{
protected:
    void SetUp() override { SetDesignContext(kNaN, kNaN, kRange, 0.75f, 3, 100020.0f, 102170.0f); }
    void TearDown() override { ResetDesignContext(); }
};

} // namespace

// ---- Outside shading ------------------------------------------------------------------------------

namespace {

SunPosition Sun(double altitudeDeg, double azimuthDeg)
{
    SunPosition sun;
    sun.altitude = Radians(altitudeDeg);
    sun.sinAltitude = std::sin(sun.altitude);
    sun.azimuth = Radians(azimuthDeg);
    return sun;
}

} // namespace

// Hand calculations of the ASHRAE overhang/fin geometry for a south window (ψ = 180°).
TEST(OutsideShading, SunlitFractionByHand)
{
    struct Case
    {
        const char* what;
        OutsideShade shade; // B, H, l, m, f, g
        double altitude, azimuth;
        double expected;
    } cases[] = {
        // γ = 0: S_H = 0.5·tan 60° = 0.8660, 0.2 of it above the head: (1.5 − 0.6660)/1.5. A fin casts
        // no shadow with the sun straight ahead.
        {"overhang, sun ahead",
         {1.0, 1.5, 0.5, 0.3, 0.2, 0.1},
         60.0,
         180.0,
         (1.5 - (0.5 * std::sqrt(3.0) - 0.2)) / 1.5},
        // γ = 45°: tan Ω = tan 30°/cos 45° = 0.81650, S_H = 0.81650; S_W = 0.5·tan 45° = 0.5, 0.1 of it
        // beside the edge: (1.2 − 0.4)·(2 − 0.81650)/(1.2·2).
        {"overhang and fin, oblique sun",
         {1.2, 2.0, 1.0, 0.5, 0.0, 0.1},
         30.0,
         225.0,
         0.8 * (2.0 - std::tan(Radians(30.0)) / std::cos(Radians(45.0))) / 2.4},
        {"shadow ends above the head", {1.0, 1.0, 0.2, 0.0, 0.5, 0.0}, 45.0, 180.0, 1.0},
        {"deep projections shade it all", {1.0, 1.0, 50.0, 50.0, 0.0, 0.0}, 20.0, 200.0, 0.0},
        {"no geometry: fully sunlit", {0.0, 1.5, 0.5, 0.5, 0.0, 0.0}, 60.0, 180.0, 1.0},
        {"NaN height: fully sunlit", {1.0, kNaN, 0.5, 0.5, 0.0, 0.0}, 60.0, 180.0, 1.0},
        {"negative projections count as none", {1.0, 1.0, -2.0, -2.0, 0.0, 0.0}, 60.0, 200.0, 1.0},
        {"sun behind the wall", {1.0, 1.0, 0.0, 0.0, 0.0, 0.0}, 30.0, 60.0, 0.0},
        {"sun below the horizon", {1.0, 1.0, 0.0, 0.0, 0.0, 0.0}, -5.0, 180.0, 0.0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(SunlitFraction(c.shade, Sun(c.altitude, c.azimuth), Radians(180.0)), c.expected, 1e-9)
            << c.what;
}

TEST(OutsideShading, FractionStaysWithinZeroAndOne)
{
    const OutsideShade shade{1.5, 1.2, 0.6, 0.4, 0.1, 0.05};
    for (double altitude = -10.0; altitude <= 90.0; altitude += 5.0) {
        for (double azimuth = 0.0; azimuth < 360.0; azimuth += 7.5) {
            const double f = SunlitFraction(shade, Sun(altitude, azimuth), Radians(135.0));
            EXPECT_GE(f, 0.0);
            EXPECT_LE(f, 1.0);
        }
    }
}

// ---- Every function: overwrite, zero and linearity --------------------------------------------------

namespace {

struct AnyCase
{
    const char* name;
    std::function<Hours(float area)> run;
    std::function<void()> runWithNullOutput;
};

std::vector<AnyCase> AllFunctions()
{
    static const float global[24] = {0,   0,   0,   0,   0,   20,  90, 200, 330, 450, 540, 600,
                                     620, 600, 540, 450, 330, 200, 90, 20,  0,   0,   0,   0};
    static const float mean[24] = {};
    Glass glass;
    glass.steady = 0;
    return {
        {"GetCL_OutEnclose_Wall_v2005_Angle",
         [](float a) { return Wall(kSummer, 3, 1.5f, 0.32f, 8.7f, a, 0); },
         [] {
             GetCL_OutEnclose_Wall_v2005_Angle(kLat, kTwg, kTwk, kTwg, kTwg, 26, 26, 3, 1.5f, 0.3f, 8, 10, 0,
                                               nullptr, 3, 0, 3, 2, 7, 10, -5, -15, -25, 0.0);
         }},
        {"GetCL_OutEnclose_Roof", [](float a) { return Roof(kSummer, 0.8f, 0.2f, 10.0f, a, 0, 0); },
         [] {
             GetCL_OutEnclose_Roof(kLat, kTwg, kTwk, kTwg, kTwg, 26, 26, 0.8f, 0.2f, 10, 10, 0, 0, nullptr, 3,
                                   0, 3, 2, 7);
         }},
        {"GetCL_OutEnclose_Window", [](float a) { return Window(kSummer, 3.0f, a, 0); },
         [] {
             GetCL_OutEnclose_Window(kLat, kTwg, kTwk, kTwg, kTwg, 26, 26, 1, 3, 5, 0, nullptr, 3, 0, 3, 2,
                                     7);
         }},
        {"GetCL_OutEnclose_Window_2014_Angle", [](float a) { return Window2014(kWinter, 3.0f, a, 0, 5); },
         [] {
             GetCL_OutEnclose_Window_2014_Angle(kLat, kTwg, kTwk, kTwg, kTwg, 26, 26, 1, 3, 5, 0, nullptr, 3,
                                                0, 3, 2, 7, 5, 10, -5, -15, -25, 0.0);
         }},
        {"GetCL_OutEnclose_Solar_Angle",
         [glass](float a) {
             Glass g = glass;
             g.area = a;
             g.shieldType = 3;
             g.b = 1.5f;
             g.h = 1.2f;
             g.l = 0.5f;
             return Solar(g);
         },
         [] {
             GetCL_OutEnclose_Solar_Angle(kLat, 116, kTwg, 1, 1, 3, 0.5f, 0, 0, 0, 2, 0, 0, 1, 7, 21, 3, 8, 0,
                                          0, 0, 0, 0, 0, 1, nullptr, 0.0);
         }},
        {"GetCL_OutEnclose_Solar_Daily_Angle",
         [glass](float a) {
             Glass g = glass;
             g.area = a;
             return SolarDaily(g, global, mean);
         },
         [] {
             GetCL_OutEnclose_Solar_Daily_Angle(kLat, 116, kTwg, 1, 1, 3, 0.5f, 0, 0, 0, 2, 0, 0, 1, 7, 21, 3,
                                                8, 0, 0, 0, 0, 0, 0, 1, nullptr, global, mean, 0.0);
         }},
        {"GetCL_SkyWindow_Solar_Angle",
         [glass](float a) {
             Glass g = glass;
             g.area = a;
             return SkySolar(g);
         },
         [] {
             GetCL_SkyWindow_Solar_Angle(kLat, 116, kTwg, 1, 0, 3, 0.5f, 2, 0, 0, 1, 7, 21, 3, 8, nullptr,
                                         0.0);
         }},
        {"GetCL_SkyWindow_Solar_Daily_Angle",
         [glass](float a) {
             Glass g = glass;
             g.area = a;
             return SkySolarDaily(g, global, mean);
         },
         [] {
             GetCL_SkyWindow_Solar_Daily_Angle(kLat, 116, kTwg, 1, 0, 3, 0.5f, 2, 0, 0, 1, 7, 21, 3, 8,
                                               nullptr, global, mean, 0.0);
         }},
        {"GetCL_InEnclose_Wall_v2005",
         [](float a) { return Inside(InsideKind::Wall, kSummerInner, 1.5f, a, 1, 0); },
         [] {
             GetCL_InEnclose_Wall_v2005(kLat, kTwg, 29.6f, kTwk, kTwg, kTwg, 26, 26, 1.5f, 0.3f, 8, 10, 1, 0,
                                        nullptr, 0, 0);
         }},
        {"GetCL_InEnclose_Window_v2005",
         [](float a) { return Inside(InsideKind::Window, kSummerInner, 2.5f, a, 3, 0); },
         [] {
             GetCL_InEnclose_Window_v2005(kLat, kTwg, 29.6f, kTwk, kTwg, kTwg, 26, 26, 1, 3, 2.5f, 2, 0,
                                          nullptr, 0, 0);
         }},
        {"GetCL_InEnclose_Floor_v2005",
         [](float a) { return Inside(InsideKind::Floor, kWinterInner, 1.2f, a, 0, 0); },
         [] {
             GetCL_InEnclose_Floor_v2005(kLat, kTwg, 29.6f, kTwk, kTwg, kTwg, 26, 26, 1.2f, 0.3f, 8, 10, 0, 0,
                                         nullptr, 0, 0);
         }},
        {"GetCL_ProjectionFloor",
         [](float a) { return ProjectionFloor(kSummerInner, 0.9f, 0.4f, 6.0f, a, 0); },
         [] {
             GetCL_ProjectionFloor(kLat, kTwg, 29.6f, kTwk, kTwg, kTwg, 26, 26, 0.9f, 0.4f, 6, 10, 0, nullptr,
                                   3, 0, 3, 2, 7);
         }},
        {"GetCL_GapWall", [](float a) { return GapWall(kSummerInner, 1.4f, 0.4f, 6.0f, a, 2, 0); },
         [] {
             GetCL_GapWall(kLat, kTwg, 29.6f, kTwk, kTwg, kTwg, 26, 26, 1.4f, 0.4f, 6, 10, 2, 0, nullptr);
         }},
        {"GetCL_Ground",
         [](float a) {
             Hours out = NanFilled();
             GetCL_Ground(26.0f, 15.0f, 0.3f, a, 7, out.data());
             return out;
         },
         [] { GetCL_Ground(26, 15, 0.3f, 10, 7, nullptr); }},
        {"GetCL_BasementWall",
         [](float a) {
             Hours out = NanFilled();
             GetCL_BasementWall(26.0f, 12.0f, 0.5f, a, 7, out.data());
             return out;
         },
         [] { GetCL_BasementWall(26, 12, 0.5f, 10, 7, nullptr); }},
    };
}

} // namespace

TEST_F(EnvelopeCooling, EveryFunctionOverwritesScalesWithAreaAndToleratesBadInput)
{
    for (const AnyCase& c : AllFunctions()) {
        const Hours one = c.run(10.0f);
        const Hours two = c.run(20.0f);
        double peak = 0.0;
        for (int h = 0; h < 24; ++h) {
            ASSERT_TRUE(std::isfinite(one[h])) << c.name << " hour " << h;
            EXPECT_NEAR(two[h], 2.0 * one[h], 1e-4 * (1.0 + std::abs(one[h]))) << c.name << " hour " << h;
            peak = std::max(peak, std::abs(double(one[h])));
        }
        EXPECT_GT(peak, 1.0) << c.name;
        for (float bad : {0.0f, -5.0f, kNaN}) {
            const Hours zero = c.run(bad);
            for (int h = 0; h < 24; ++h)
                EXPECT_EQ(zero[h], 0.0f) << c.name << " area " << bad << " hour " << h;
        }
        c.runWithNullOutput();
    }
}

// ---- Steady state and the outdoor design day --------------------------------------------------------

// steady = 1: K·A·(t_wk − t_n) at every hour, × (1 + x_ch) for walls and openings when a loss.
// Winter room 20 ℃, t_wk −9.9 ℃: ΔT = −29.9 K. Orientation coefficients N +10, E −5, SE −15, S −25 %.
TEST_F(EnvelopeCooling, SteadyGivesTheWinterDesignLossTimesOrientation)
{
    const double dT = kTwk - kWinterRoom;
    struct Case
    {
        const char* what;
        Hours out;
        double expected;
    } cases[] = {
        {"north wall", Wall(kWinter, 5, 1.5f, 0.3f, 8.0f, 10.0f, 1), 1.5 * 10 * dT * 1.10},
        {"south wall", Wall(kWinter, 1, 1.5f, 0.3f, 8.0f, 10.0f, 1), 1.5 * 10 * dT * 0.75},
        {"east window", Window2014(kWinter, 3.0f, 4.0f, 1, 7), 3.0 * 4 * dT * 0.95},
        {"south-west window", Window2014(kWinter, 3.0f, 4.0f, 1, 2), 3.0 * 4 * dT * 0.85},
        {"window without direction", Window(kWinter, 3.0f, 4.0f, 1), 3.0 * 4 * dT},
        {"roof", Roof(kWinter, 0.8f, 0.2f, 10.0f, 50.0f, 0, 1), 0.8 * 50 * dT},
        {"projection floor", ProjectionFloor(kWinterInner, 0.9f, 0.4f, 6.0f, 20.0f, 1), 0.9 * 20 * dT},
        {"seismic gap wall", GapWall(kWinterInner, 1.4f, 0.4f, 6.0f, 10.0f, 2, 1), 0.7 * 1.4 * 10 * dT},
        {"expansion gap wall", GapWall(kWinterInner, 1.4f, 0.4f, 6.0f, 10.0f, 0, 1), 0.3 * 1.4 * 10 * dT},
        // A room colder than t_wk gains heat: the orientation correction raises losses only.
        {"north wall, gain", Wall({kJanuaryPeak, -20.0f, 1}, 5, 1.5f, 0.3f, 8.0f, 10.0f, 1),
         1.5 * 10 * (kTwk + 20.0)},
    };
    for (const Case& c : cases)
        for (int h = 0; h < 24; ++h)
            EXPECT_NEAR(c.out[h], c.expected, 1e-3) << c.what << " hour " << h;
}

// The orientation coefficients arrive in percent and are interpolated over the azimuth.
TEST_F(EnvelopeCooling, OrientationCorrectionByDirectionAndAngle)
{
    struct Case
    {
        int32_t direction;
        double angle;
        double xch;
    } cases[] = {
        {5, 0, 0.10},     {6, 0, 0.10},     {7, 0, -0.05},    {8, 0, -0.15},
        {1, 0, -0.25},    {2, 0, -0.15},    {3, 0, -0.05},    {4, 0, 0.10},
        {1, 22.5, -0.20}, {7, 22.5, -0.10}, {3, 22.5, 0.025}, {0, 0, 0.0}, // horizontal: none
    };
    const double base = 1.5 * 10 * (kTwk - kWinterRoom);
    for (const Case& c : cases) {
        const Hours out = Wall(kWinter, c.direction, 1.5f, 0.3f, 8.0f, 10.0f, 1, {}, c.angle);
        EXPECT_NEAR(out[0] / base - 1.0, c.xch, 1e-6) << c.direction << " + " << c.angle;
    }
}

// No sun (latitude 80°, 21 December: polar night), β = 1, ξ = 0: the wall follows the air,
// K·A·(t(τ) − t_n) with t(τ) = peak − 0.52Δt + β_τΔt; the roof sees 3.9 K less (long-wave loss
// of a horizontal surface). Peak 30 ℃, context range 7.5 K, room 20 ℃: cooling regime.
TEST_F(EnvelopeCooling, WithoutSunOpaqueElementsFollowTheAir)
{
    const Outer day{30.0f, 20.0f, 12};
    const Hours wall = Wall(day, 1, 2.0f, 1.0f, 0.0f, 10.0f, 0, {}, 0.0, 80.0f);
    const Hours roof = Roof(day, 0.5f, 1.0f, 0.0f, 40.0f, 0, 0, 80.0f);
    for (int h = 0; h < 24; ++h) {
        const double t = 30.0 - 0.52 * 7.5 + kBeta[h] * 7.5;
        EXPECT_NEAR(wall[h], 2.0 * 10 * (t - 20.0), 1e-3) << h;
        EXPECT_NEAR(roof[h], 0.5 * 40 * (t - 3.9 - 20.0), 1e-3) << h;
    }
    EXPECT_NEAR(wall[14], 2.0 * 10 * (30.0 - 20.0), 1e-3);
    EXPECT_NEAR(Mean(wall), 2.0 * 10 * (30.0 - 0.52 * 7.5 + kBetaMean * 7.5 - 20.0), 1e-3);
}

// Heating regime (daily mean below the room): air temperature, no sun, × (1 + x_ch) on loss hours.
// January: mean −9.9 ℃, peak −6.0 ℃, room 20 ℃, every hour a loss.
TEST_F(EnvelopeCooling, HeatingRegimeUsesAirAndOrientation)
{
    const Hours north = Wall(kWinter, 5, 1.5f, 0.3f, 8.0f, 10.0f, 0);
    const Hours window = Window2014(kWinter, 3.0f, 4.0f, 0, 1);
    const Hours plain = Window(kWinter, 3.0f, 4.0f, 0);
    for (int h = 0; h < 24; ++h) {
        const double t = kTwk + kBeta[h] * kRange;
        EXPECT_NEAR(north[h], 1.5 * 10 * (t - kWinterRoom) * 1.10, 1e-3) << h;
    }
    // Openings pass the room response, which keeps the daily sum: 24·K·A·(mean − t_n)·(1 + x_ch).
    EXPECT_NEAR(Sum(window), 24 * 3.0 * 4 * (kTwk + kBetaMean * kRange - kWinterRoom) * 0.75, 0.05);
    EXPECT_NEAR(Sum(plain), 24 * 3.0 * 4 * (kTwk + kBetaMean * kRange - kWinterRoom), 0.05);
}

// Summer window conduction: K·A·(t(τ) − t_n) through the radiant time series; no orientation
// correction in the cooling regime, so both window functions agree.
TEST_F(EnvelopeCooling, WindowConductionInSummer)
{
    const Hours plain = Window(kSummer, 3.0f, 5.0f, 0);
    const Hours angled = Window2014(kSummer, 3.0f, 5.0f, 0, 5);
    EXPECT_NEAR(Sum(plain), 24 * 3.0 * 5 * (kSummerMean + kBetaMean * kRange - kSummerRoom), 0.05);
    for (int h = 0; h < 24; ++h)
        EXPECT_FLOAT_EQ(angled[h], plain[h]) << h;
    // 54 % convective at once: the load follows the air with a small delay, peaking at 14–15 h.
    const int peakHour = int(std::max_element(plain.begin(), plain.end()) - plain.begin());
    EXPECT_GE(peakHour, 14);
    EXPECT_LE(peakHour, 15);
}

// The 24-hour mean of a wall's load is K·A·(mean sol-air − t_n) whatever β and ξ; the decrement
// scales the swing and the lag shifts it.
TEST_F(EnvelopeCooling, WallResponseKeepsTheMeanAndShiftsThePeak)
{
    // Sol-air of the west wall on 21 July from its parts: t_z = t(τ) + 0.70·I(τ)/19, I the clear sky
    // of the context (P 0.75, 100020 Pa, ground 0.20) on the wall.
    const int n = DayOfYear(7, 21);
    SunPosition sun[24];
    SunDay(kLat, n, false, 0.0, 0.0, sun);
    double solAirRef[24];
    for (int h = 0; h < 24; ++h) {
        const double i =
            OnSurface(ClearSky(sun[h], n, 7, 0.75, 100020.0), sun[h], Radians(270.0), Radians(90.0), 0.20)
                .Total();
        solAirRef[h] = kTwg - 0.52 * kRange + kBeta[h] * kRange + 0.70 * i / 19.0;
    }
    const double meanSolAir = std::accumulate(solAirRef, solAirRef + 24, 0.0) / 24.0;
    EXPECT_GT(meanSolAir, kSummerMean + 1.0);

    const float k = 1.5f, area = 10.0f;
    // β = 1, ξ = 0 gives K·A·(t_z(τ) − t_n) itself.
    const Hours solAir = Wall(kSummer, 3, k, 1.0f, 0.0f, area, 0);
    for (int h = 0; h < 24; ++h)
        EXPECT_NEAR(solAir[h], k * area * (solAirRef[h] - kSummerRoom), 1e-3 * (1.0 + std::abs(solAir[h])))
            << h;

    const Hours brick = Wall(kSummer, 3, k, 0.32f, 8.7f, area, 0);
    EXPECT_NEAR(Mean(brick), k * area * (meanSolAir - kSummerRoom), 0.01 * std::abs(Mean(brick)));

    const Hours lagged = Wall(kSummer, 3, k, 1.0f, 3.0f, area, 0);
    const Hours damped = Wall(kSummer, 3, k, 0.3f, 0.0f, area, 0);
    const double mean = Mean(solAir);
    for (int h = 0; h < 24; ++h) {
        EXPECT_NEAR(lagged[(h + 3) % 24], solAir[h], 1e-3) << h;
        EXPECT_NEAR(damped[h] - mean, 0.3 * (solAir[h] - mean), 1e-3) << h;
    }
}

// Floors over outdoor air and gap walls: the air through β and ξ. Inner block mean 29.6, peak 33.5
// → range (33.5 − 29.6)/0.52 = 7.5 K; room 26 ℃.
TEST_F(EnvelopeCooling, ProjectionFloorAndGapWallFollowDampedAir)
{
    const Hours exact = ProjectionFloor(kSummerInner, 0.9f, 1.0f, 0.0f, 20.0f, 0);
    const Hours damped = ProjectionFloor(kSummerInner, 0.9f, 0.5f, 2.0f, 20.0f, 0);
    const Hours gap = GapWall(kSummerInner, 1.4f, 1.0f, 0.0f, 10.0f, 1, 0);
    const double mean = kSummerMean + kBetaMean * kRange; // the damping acts about the day's mean
    for (int h = 0; h < 24; ++h) {
        const double t = kSummerMean + kBeta[h] * kRange;
        const double tLagged = kSummerMean + kBeta[(h + 22) % 24] * kRange;
        EXPECT_NEAR(exact[h], 0.9 * 20 * (t - kSummerRoom), 1e-3) << h;
        EXPECT_NEAR(damped[h], 0.9 * 20 * (mean + 0.5 * (tLagged - mean) - kSummerRoom), 1e-3) << h;
        EXPECT_NEAR(gap[h], 0.3 * 1.4 * 10 * (t - kSummerRoom), 1e-3) << h;
    }
    EXPECT_NEAR(damped[16], 0.9 * 20 * (mean + 0.5 * (kTwg - mean) - kSummerRoom), 1e-3);
    // A peak not above the mean leaves the range to the design context (7.5 K here as well).
    const Hours flatPeak =
        ProjectionFloor({kSummerMean, kSummerMean, kSummerRoom}, 0.9f, 1.0f, 0.0f, 20.0f, 0);
    EXPECT_NEAR(flatPeak[14], 0.9 * 20 * (kSummerMean + 0.52 * kRange - kSummerRoom), 1e-3);
}

// GB 50736 adjacent-room rule; winter by the heating α of unheated rooms. K 1.5, A 10.
TEST_F(EnvelopeCooling, InsideElementsByAdjacentRoomStatus)
{
    const double ka = 15.0;
    const double summer = kSummerMean - kSummerRoom; // 3.6 K
    const double winter = kTwk - kWinterRoom;        // −29.9 K
    struct Case
    {
        const char* what;
        Inner in;
        int32_t status, steady;
        float deltaT, coefficient;
        double expected;
    } cases[] = {
        {"summer 0 ventilated", kSummerInner, 0, 0, 0, 0, ka * summer},
        {"summer 1 little heat", kSummerInner, 1, 0, 0, 0, ka * (summer + 2)},
        {"summer 2 < 23 W/m³", kSummerInner, 2, 0, 0, 0, ka * (summer + 3)},
        {"summer 3 23–116 W/m³", kSummerInner, 3, 0, 0, 0, ka * (summer + 5)},
        {"summer 4 given", kSummerInner, 4, 0, 2.0f, 0, ka * 2.0},
        {"summer 5 share", kSummerInner, 5, 0, 0, 0.5f, 0.5 * ka * summer},
        {"summer unknown code", kSummerInner, 9, 0, 0, 0, ka * summer},
        {"winter 0", kWinterInner, 0, 0, 0, 0, 0.7 * ka * winter},
        {"winter 2", kWinterInner, 2, 0, 0, 0, 0.4 * ka * winter},
        {"winter 4 given", kWinterInner, 4, 0, -5.0f, 0, ka * -5.0},
        {"winter 5 share", kWinterInner, 5, 0, 0, 0.5f, 0.5 * 0.7 * ka * winter},
        // steady: t_wk stands in for the day's mean, here in the summer room.
        {"steady 1", kSummerInner, 1, 1, 0, 0, 0.4 * ka * (kTwk - kSummerRoom)},
    };
    for (const Case& c : cases) {
        for (InsideKind kind : {InsideKind::Wall, InsideKind::Window, InsideKind::Floor}) {
            const Hours out = Inside(kind, c.in, 1.5f, 10.0f, c.status, c.steady, c.deltaT, c.coefficient);
            for (int h = 0; h < 24; ++h)
                EXPECT_NEAR(out[h], c.expected, 1e-3) << c.what << " kind " << int(kind) << " hour " << h;
        }
    }
}

TEST_F(EnvelopeCooling, GroundAndBasementWall)
{
    Hours ground = NanFilled(), basement = NanFilled();
    GetCL_Ground(26.0f, 15.0f, 0.3f, 50.0f, 7, ground.data());
    GetCL_BasementWall(20.0f, 8.0f, 0.5f, 30.0f, 1, basement.data());
    for (int h = 0; h < 24; ++h) {
        EXPECT_NEAR(ground[h], 0.3 * 50 * (15.0 - 26.0), 1e-3);
        EXPECT_NEAR(basement[h], 0.5 * 30 * (8.0 - 20.0), 1e-3);
    }
}

// ---- Solar through glazing --------------------------------------------------------------------------

// South window at solar noon with the sun 50° high straight ahead (latitude = 40° + declination of
// 21 March, apparent solar time = clock), ASHRAE March clear sky (A 1186, B 0.156, C 0.071),
// crushed-rock ground 0.20, g 0.5, A 2 m², gain instantaneous (steady):
//   I_DN = 1186·e^(−0.156/sin 50°) = 967.48; incidence 50°: beam 967.48·cos 50° = 621.89,
//   × (1 − tan⁴ 25°) = 592.48; sky 0.071·967.48/2 = 34.35; ground 0.2·(967.48·sin 50° + 68.69)/2
//   = 80.98; (34.35 + 80.98)·0.9 = 103.80. q = 0.5·2·(592.48 + 103.80) = 696.3 W.
// An overhang 0.5 m deep 0.2 m above a 1.2 × 1.5 m opening leaves (1.5 − (0.5·tan 50° − 0.2))/1.5
// = 0.73607 of it sunlit: 0.5·2·(0.73607·592.48 + 103.80) = 539.9 W.
TEST_F(EnvelopeCooling, SouthWindowAtNoonByHand)
{
    SetDesignContext(kNaN, kNaN, kRange, 0.0f, 3, 101325.0f, 101325.0f); // clarity 0: ASHRAE clear sky
    Glass g;
    g.month = 3;
    g.latitude = static_cast<float>(40.0 + Degrees(Declination(DayOfYear(3, 21))));
    EXPECT_NEAR(Solar(g)[12], 696.3, 0.002 * 696.3);
    g.shieldType = 2;
    g.b = 1.2f;
    g.h = 1.5f;
    g.l = 0.5f;
    g.f = 0.2f;
    g.m = 0.3f; // the fin casts nothing with the sun straight ahead
    EXPECT_NEAR(Solar(g)[12], 539.9, 0.002 * 539.9);
}

// Zero at night; behind the glass only the diffuse part remains, the same as when an outside
// shade takes the whole beam.
TEST_F(EnvelopeCooling, SolarIsZeroAtNightAndDiffuseOnlyBehindTheGlass)
{
    Glass east;
    east.direction = 7;
    Glass shadedEast = east;
    shadedEast.shieldType = 2;
    shadedEast.b = shadedEast.h = 1.0f;
    shadedEast.l = shadedEast.m = 100.0f;
    const Hours open = Solar(east), shaded = Solar(shadedEast);
    // Beijing, 21 July: the sun is down before 05:00 and after 19:00 solar time.
    for (int h : {0, 1, 2, 3, 4, 20, 21, 22, 23}) {
        EXPECT_EQ(open[h], 0.0f) << h;
        EXPECT_EQ(shaded[h], 0.0f) << h;
    }
    for (int h = 13; h <= 18; ++h)
        EXPECT_NEAR(open[h], shaded[h], 1e-4) << h; // sun west of the east wall
    for (int h = 6; h <= 10; ++h)
        EXPECT_GT(open[h], 2.0f * shaded[h]) << h;

    // North glass at noon in summer: diffuse only; at 06:00 the sun is in the north-east.
    Glass north;
    north.direction = 5;
    Glass shadedNorth = north;
    shadedNorth.shieldType = 3;
    shadedNorth.b = shadedNorth.h = 1.0f;
    shadedNorth.l = shadedNorth.m = 100.0f;
    EXPECT_NEAR(Solar(north)[12], Solar(shadedNorth)[12], 1e-4);
    EXPECT_GT(Solar(north)[6], Solar(shadedNorth)[6] + 10.0f);

    // Polar night: nothing on any glass.
    for (int32_t direction : {0, 1, 3, 5, 7}) {
        Glass polar;
        polar.latitude = 80.0f;
        polar.month = 12;
        polar.direction = direction;
        polar.steady = 0;
        for (float v : Solar(polar))
            EXPECT_EQ(v, 0.0f) << direction;
        for (float v : SkySolar(polar))
            EXPECT_EQ(v, 0.0f);
    }
}

TEST_F(EnvelopeCooling, EastAndWestMirrorAboutSolarNoon)
{
    Glass east, west;
    east.direction = 7;
    west.direction = 3;
    const Hours e = Solar(east), w = Solar(west);
    for (int k = 1; k <= 7; ++k)
        EXPECT_NEAR(e[12 - k], w[12 + k], 1e-3 * (1.0 + w[12 + k])) << k;
    EXPECT_NEAR(e[12], w[12], 1e-3);
}

// The shield type chooses the room response only: the gain itself (steady) is the same, and the
// radiant time series keeps the daily sum.
TEST_F(EnvelopeCooling, ShieldTypeChoosesTheResponse)
{
    Glass g;
    g.direction = 3;
    Hours steady[4], delayed[4];
    for (int32_t type = 0; type < 4; ++type) {
        g.shieldType = type; // no width or height: types 2 and 3 have no geometry to shade with
        g.steady = 1;
        steady[type] = Solar(g);
        g.steady = 0;
        delayed[type] = Solar(g);
    }
    for (int type = 1; type < 4; ++type) {
        for (int h = 0; h < 24; ++h)
            EXPECT_FLOAT_EQ(steady[type][h], steady[0][h]) << type << " hour " << h;
        EXPECT_NEAR(Sum(delayed[type]), Sum(steady[0]), 1e-3 * Sum(steady[0])) << type;
    }
    // Behind an interior shade half of the gain is convective: the load peaks higher and the night
    // carries less of it than with all of it stored first.
    const float noShade = *std::max_element(delayed[0].begin(), delayed[0].end());
    const float interior = *std::max_element(delayed[1].begin(), delayed[1].end());
    EXPECT_GT(interior, noShade);
    EXPECT_LT(delayed[1][2], delayed[0][2]);
    EXPECT_GT(delayed[0][2], 0.0f); // stored heat comes back at night
}

// Measured day on a horizontal skylight: only 12:00 has 100 W/m² global. Same noon geometry as above
// (zenith 40°), I_0 = 1353·(1 + 0.033·cos(360°·80/365)) = 1361.59, k_t = 100/(1361.59·sin 50°) =
// 0.09587, diffuse fraction 1 − 0.09·k_t = 0.99137: beam 0.863·(1 − tan⁴ 20°) = 0.848, diffuse
// 99.137·0.9 = 89.22; q = 0.5·2·(0.848 + 89.22) = 90.07 W, nothing at the other hours.
TEST_F(EnvelopeCooling, DailyVariantsUseTheMeasuredRadiation)
{
    Glass g;
    g.month = 3;
    g.latitude = static_cast<float>(40.0 + Degrees(Declination(DayOfYear(3, 21))));
    float global[24] = {};
    global[12] = 100.0f;
    const float mean[24] = {};
    const Hours sky = SkySolarDaily(g, global, mean);
    const double i0 = 1353.0 * (1.0 + 0.033 * std::cos(2.0 * kPi * 80.0 / 365.0));
    const double kt = 100.0 / (i0 * std::sin(Radians(50.0)));
    const double fd = 1.0 - 0.09 * kt;
    const double beam = (1.0 - fd) * 100.0 * (1.0 - std::pow(std::tan(Radians(20.0)), 4));
    EXPECT_NEAR(sky[12], 0.5 * 2 * (beam + 0.9 * fd * 100.0), 0.002 * sky[12]);
    for (int h = 0; h < 24; ++h) {
        if (h != 12) {
            EXPECT_EQ(sky[h], 0.0f) << h;
        }
    }

    // A dark day gives nothing where the clear sky would give plenty; a missing row likewise.
    const float dark[24] = {};
    for (float v : SolarDaily(g, dark, dark))
        EXPECT_EQ(v, 0.0f);
    for (float v : SolarDaily(g, nullptr, nullptr))
        EXPECT_EQ(v, 0.0f);
    EXPECT_GT(Solar(g)[12], 500.0f);

    // Hourly values lost while the daily mean survives: spread over the daylight hours.
    float dailyMean[24];
    std::fill(dailyMean, dailyMean + 24, 200.0f);
    const Hours spread = SkySolarDaily(g, dark, dailyMean);
    EXPECT_EQ(spread[0], 0.0f);
    EXPECT_GT(spread[12], spread[8]);
    EXPECT_GT(spread[8], 0.0f);
}

// ---- Signs -------------------------------------------------------------------------------------------

// Winter: losses negative at every hour; solar gains positive and scaled by the winter gain factor.
TEST_F(EnvelopeCooling, WinterLossesAreNegativeAndGainsPositive)
{
    Hours ground = NanFilled(), basement = NanFilled();
    GetCL_Ground(kWinterRoom, 8.0f, 0.3f, 50.0f, 1, ground.data());
    GetCL_BasementWall(kWinterRoom, 5.0f, 0.5f, 30.0f, 1, basement.data());
    const std::pair<const char*, Hours> losses[] = {
        {"wall", Wall(kWinter, 1, 1.5f, 0.3f, 8.0f, 10.0f, 0)},
        {"roof", Roof(kWinter, 0.8f, 0.2f, 10.0f, 50.0f, 0, 0)},
        {"window", Window(kWinter, 3.0f, 4.0f, 0)},
        {"window 2014", Window2014(kWinter, 3.0f, 4.0f, 0, 3)},
        {"projection floor", ProjectionFloor(kWinterInner, 0.9f, 0.4f, 6.0f, 20.0f, 0)},
        {"gap wall", GapWall(kWinterInner, 1.4f, 0.4f, 6.0f, 10.0f, 0, 0)},
        {"inside wall", Inside(InsideKind::Wall, kWinterInner, 1.5f, 10.0f, 1, 0)},
        {"floor", Inside(InsideKind::Floor, kWinterInner, 1.5f, 10.0f, 3, 0)},
        {"ground", ground},
        {"basement wall", basement},
    };
    for (const auto& [what, out] : losses)
        for (int h = 0; h < 24; ++h)
            EXPECT_LT(out[h], 0.0f) << what << " hour " << h;

    Glass g;
    g.month = 1;
    g.steady = 0;
    const Hours summerFactor = Solar(g);
    g.winter = 1;
    g.coef = 0.6f;
    const Hours winter = Solar(g);
    Glass sky = g;
    const Hours skyWinter = SkySolar(sky);
    sky.winter = 0;
    const Hours skyPlain = SkySolar(sky);
    EXPECT_GT(Sum(winter), 0.0);
    for (int h = 0; h < 24; ++h) {
        EXPECT_GE(winter[h], 0.0f) << h;
        EXPECT_NEAR(winter[h], 0.6 * summerFactor[h], 1e-4 * (1.0 + summerFactor[h])) << h;
        EXPECT_NEAR(skyWinter[h], 0.6 * skyPlain[h], 1e-4 * (1.0 + skyPlain[h])) << h;
    }
}
