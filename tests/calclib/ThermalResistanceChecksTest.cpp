// Minimum thermal-resistance checks: R0,min = α·(t_n − t_e)/(Δt_y·α_n) against R = 1/K.
#include "calclib/dizedozev.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// Room 18 ℃ / 40 %, heating design −7.6 ℃, lowest daily mean −14 ℃, storey 3 m, residential.
constexpr float kTn = 18.0f, kRh = 40.0f, kTw = -7.6f, kTwMin = -14.0f;
constexpr double kFilm = 8.7;

struct Result
{
    uint8_t ok = 255;
    float rMin = kNaN;
    float r = kNaN;
};

Result OutWall(float k, float d, int32_t buildingType = 0, int32_t industry = 0, float storeyHeight = 3.0f)
{
    Result x;
    x.ok = CheckMinK_OutWall(k, d, kTn, kRh, kTw, kTwMin, industry, storeyHeight, 0.5f, buildingType, &x.rMin,
                             &x.r);
    return x;
}

void ExpectNear(double actual, double expected, const std::string& what, double relative = 1e-4)
{
    EXPECT_NEAR(actual, expected, relative * std::abs(expected) + 1e-6) << what;
}

} // namespace

// Outside wall, D = 3.0 (class III): t_e = 0.3 × (−7.6) + 0.7 × (−14) = −12.08 ℃,
// R0,min = 1.0 × (18 + 12.08)/(6.0 × 8.7) = 0.5762 m²·K/W. K 1.5 → R 0.6667 conforms; K 2.0 → 0.5 fails.
TEST(ThermalResistanceChecks, OutsideWallAgainstHandCalculation)
{
    Result good = OutWall(1.5f, 3.0f);
    EXPECT_EQ(good.ok, 1);
    ExpectNear(good.rMin, 0.57625, "Rmin");
    ExpectNear(good.r, 1.0 / 1.5, "R");
    Result bad = OutWall(2.0f, 3.0f);
    EXPECT_EQ(bad.ok, 0);
    ExpectNear(bad.r, 0.5, "R");
}

// Outdoor temperature of the check by D class: > 6.0 t_w; 4.1–6.0 0.6t_w + 0.4t_min;
// 1.6–4.0 0.3t_w + 0.7t_min; ≤ 1.5 t_min.
TEST(ThermalResistanceChecks, InertiaClassBoundaries)
{
    struct Case
    {
        float d;
        double te;
    } cases[] = {
        {6.1f, -7.6},   {6.0f, -10.16}, {4.1f, -10.16}, {4.0f, -12.08},
        {1.6f, -12.08}, {1.5f, -14.0},  {0.0f, -14.0},  {kNaN, -14.0},
    };
    for (const Case& c : cases) {
        const Result x = OutWall(1.0f, c.d);
        ExpectNear(x.rMin, (18.0 - c.te) / (6.0 * kFilm), "D " + std::to_string(c.d));
    }
}

TEST(ThermalResistanceChecks, ResistanceExactlyAtTheMinimumConforms)
{
    const float rMin = OutWall(1.0f, 7.0f).rMin; // 25.6/52.2
    ExpectNear(rMin, 25.6 / 52.2, "Rmin");
    EXPECT_EQ(OutWall(1.0f / rMin, 7.0f).ok, 1);
    // K rounded to two decimals may land just above 1/Rmin; 1 % short of the minimum fails.
    EXPECT_EQ(OutWall(1.0f / rMin * 1.004f, 7.0f).ok, 1);
    EXPECT_EQ(OutWall(1.0f / rMin * 1.01f, 7.0f).ok, 0);
    // No K: no resistance, and the element is reported.
    const Result none = OutWall(0.0f, 7.0f);
    EXPECT_EQ(none.ok, 0);
    EXPECT_EQ(none.r, 0.0f);
    const Result nan = OutWall(kNaN, kNaN, 99);
    EXPECT_TRUE(std::isfinite(nan.rMin) && std::isfinite(nan.r));
    float absurdMin = kNaN, absurdR = kNaN;
    CheckMinK_Roof(1.0f, 7.0f, 1e30f, kNaN, -1e30f, kNaN, 1, 1e30f, 1e30f, 5, &absurdMin, &absurdR);
    EXPECT_TRUE(std::isfinite(absurdMin) && std::isfinite(absurdR));
}

// Outside doors: 60 % of the minimum of their wall, handed over in the shared place.
TEST(ThermalResistanceChecks, DoorMinimumIsSixtyPercentOfTheWall)
{
    Result wall = OutWall(1.5f, 3.0f);
    float place = wall.rMin, r = kNaN;
    EXPECT_EQ(CheckMinK_OutDoor(place, 2.8f, &place, &r), 1);
    ExpectNear(place, 0.6 * 0.57625, "door minimum");
    ExpectNear(r, 1.0 / 2.8, "door R");
    place = wall.rMin;
    EXPECT_EQ(CheckMinK_OutDoor(place, 3.0f, &place, &r), 0);
}

// Attic, α = 0.9, roof column Δt_y = 4.0: R0,min = 0.9 × 30.08/(4.0 × α_n); α_n 8.7, or 7.6 when the ribs
// are deeper than 0.3 of their spacing.
TEST(ThermalResistanceChecks, RibbedAtticCeilingChangesTheInsideFilm)
{
    struct Case
    {
        float ribHeight, ribDistance;
        double film;
    } cases[] = {
        {0.0f, 0.0f, 8.7}, {0.3f, 1.0f, 8.7}, {0.6f, 2.0f, 8.7}, {0.31f, 1.0f, 7.6}, {0.5f, 0.0f, 8.7}};
    for (const Case& c : cases) {
        float rMin = kNaN, r = kNaN;
        CheckMinK_BlindStory(0.5f, 3.0f, c.ribHeight, c.ribDistance, kTn, kRh, kTw, kTwMin, 0, 3.0f, 0.5f, 0,
                             &rMin, &r);
        ExpectNear(rMin, 0.9 * 30.08 / (4.0 * c.film), "ribs " + std::to_string(c.ribHeight));
    }
}

// Δt_y by BuildingType, D > 6 (t_e = t_w, 25.6 K). Damp rooms use the dew point of 18 ℃ / 60 %:
// 10.1 ℃ (psychrometric table), so t_n − t_d = 7.9 K.
TEST(ThermalResistanceChecks, AllowedDifferenceByBuildingType)
{
    const double dew = 18.0 - 10.12;
    const double wall[9] = {6.0, 6.0, 7.0, 10.0, 8.0, dew, 7.0, dew, 12.0};
    const double roof[9] = {4.0, 4.5, 5.5, 8.0, 7.0, 0.8 * dew, 0.9 * dew, dew, 12.0};
    for (int type = 0; type < 9; ++type) {
        float rMin = kNaN, r = kNaN;
        CheckMinK_OutWall(1.0f, 7.0f, kTn, 60.0f, kTw, kTwMin, 0, 3.0f, 0.0f, type, &rMin, &r);
        ExpectNear(rMin, 25.6 / (wall[type] * kFilm), "wall, type " + std::to_string(type), 0.01);
        CheckMinK_Roof(1.0f, 7.0f, kTn, 60.0f, kTw, kTwMin, 0, 3.0f, 0.0f, type, &rMin, &r);
        ExpectNear(rMin, 25.6 / (roof[type] * kFilm), "roof, type " + std::to_string(type), 0.01);
    }
}

// Inside elements, D > 6: unheated neighbours by α, heated ones and given differences by the
// difference itself; the caller's sign conventions differ by element.
TEST(ThermalResistanceChecks, InsideElementsByAdjacencyAndSign)
{
    using Call = std::function<uint8_t(float* rMin, float* r)>;
    struct Case
    {
        const char* name;
        Call call;
        double rMin;
    } cases[] = {
        {"wall, stair well of an 8-storey building",
         [](float* m, float* r) {
             return CheckMinK_IndoorWall_v2005(1.0f, 7.0f, kTn, kRh, kTw, kTwMin, 8, 0, 0.0f, 0, 3.0f, 0.0f,
                                               0, m, r, 0.0f);
         },
         0.5 * 25.6 / 52.2},
        {"wall, heated neighbour at 10 ℃",
         [](float* m, float* r) {
             return CheckMinK_IndoorWall_v2005(1.0f, 7.0f, kTn, kRh, kTw, kTwMin, 8, 3, 10.0f, 0, 3.0f, 0.0f,
                                               0, m, r, 0.0f);
         },
         8.0 / 52.2},
        {"wall, this − neighbour = 8 K",
         [](float* m, float* r) {
             return CheckMinK_IndoorWall_v2005(1.0f, 7.0f, kTn, kRh, kTw, kTwMin, 8, 4, 0.0f, 0, 3.0f, 0.0f,
                                               0, m, r, 8.0f);
         },
         8.0 / 52.2},
        {"wall, neighbour 3 K warmer: nothing required",
         [](float* m, float* r) {
             return CheckMinK_IndoorWall_v2005(100.0f, 7.0f, kTn, kRh, kTw, kTwMin, 8, 4, 0.0f, 0, 3.0f, 0.0f,
                                               0, m, r, -3.0f);
         },
         0.0},
        {"ceiling, heated room above at 10 ℃ (roof column)",
         [](float* m, float* r) {
             return CheckMinK_Ceiling_v2005(1.0f, 7.0f, kTn, kRh, kTw, kTwMin, 2, 10.0f, 0, 3.0f, 0.0f, 0, m,
                                            r, 0.0f);
         },
         8.0 / (4.0 * kFilm)},
        {"ceiling, neighbour − this = −8 K",
         [](float* m, float* r) {
             return CheckMinK_Ceiling_v2005(1.0f, 7.0f, kTn, kRh, kTw, kTwMin, 3, 0.0f, 0, 3.0f, 0.0f, 0, m,
                                            r, -8.0f);
         },
         8.0 / (4.0 * kFilm)},
        {"ceiling, unheated room without openings",
         [](float* m, float* r) {
             return CheckMinK_Ceiling_v2005(1.0f, 7.0f, kTn, kRh, kTw, kTwMin, 1, 0.0f, 0, 3.0f, 0.0f, 0, m,
                                            r, 0.0f);
         },
         0.4 * 25.6 / (4.0 * kFilm)},
        {"floor over a basement open to outdoor air",
         [](float* m, float* r) {
             return CheckMinK_Floor_v2005(1.0f, 7.0f, kTn, kRh, kTw, kTwMin, 0, 0.0f, 0, 3.0f, 0.0f, 0, m, r,
                                          0.0f);
         },
         0.9 * 25.6 / 52.2},
        {"floor, neighbour − this = −8 K",
         [](float* m, float* r) {
             return CheckMinK_Floor_v2005(1.0f, 7.0f, kTn, kRh, kTw, kTwMin, 7, 0.0f, 0, 3.0f, 0.0f, 0, m, r,
                                          -8.0f);
         },
         8.0 / 52.2},
        {"seismic joint wall",
         [](float* m, float* r) {
             return CheckMinK_FengWall(1.0f, 7.0f, kTn, kRh, kTw, kTwMin, 0, 3.0f, 0.0f, 0, m, r, 2);
         },
         0.7 * 25.6 / 52.2},
        {"floor over outdoor air",
         [](float* m, float* r) {
             return CheckMinK_OutFloor(1.0f, 7.0f, kTn, kRh, kTw, kTwMin, 0, 3.0f, 0.0f, 0, m, r);
         },
         25.6 / 52.2},
        {"basement wall with the record's K and D",
         [](float* m, float* r) {
             return CheckMinK_BasementWall(0.0f, 0.0f, 1.0f, 7.0f, kTn, kRh, kTw, kTwMin, 0, 3.0f, 0.0f, 0, m,
                                           r);
         },
         25.6 / 52.2},
        // Industrial storey 8 m, gradient 0.5 K/m: walls at t_np 19.5 ℃, roofs at t_d 21 ℃.
        {"industrial wall",
         [](float* m, float* r) {
             return CheckMinK_OutWall(1.0f, 7.0f, kTn, kRh, kTw, kTwMin, 1, 8.0f, 0.5f, 0, m, r);
         },
         27.1 / 52.2},
        {"industrial roof",
         [](float* m, float* r) {
             return CheckMinK_Roof(1.0f, 7.0f, kTn, kRh, kTw, kTwMin, 1, 8.0f, 0.5f, 0, m, r);
         },
         28.6 / (4.0 * kFilm)},
    };
    for (const Case& c : cases) {
        float rMin = kNaN, r = kNaN;
        const uint8_t ok = c.call(&rMin, &r);
        ExpectNear(rMin, c.rMin, c.name);
        EXPECT_EQ(ok, r >= rMin * 0.995f ? 1 : 0) << c.name;
    }
}

// Ground: no resistance minimum; the floor surface class must suit the building.
TEST(ThermalResistanceChecks, GroundByFloorSurfaceClass)
{
    struct Case
    {
        int32_t groundType, buildingType;
        uint8_t ok;
    } cases[] = {{0, 0, 1}, {1, 0, 0}, {1, 1, 1}, {2, 1, 0}, {2, 2, 1}, {2, 8, 1}, {7, 0, 0}};
    for (const Case& c : cases) {
        float rMin = kNaN, r = kNaN;
        EXPECT_EQ(CheckMinK_Ground(0.5f, c.groundType, kTn, kRh, kTw, kTwMin, 0, 3.0f, 0.0f, c.buildingType,
                                   &rMin, &r),
                  c.ok)
            << "ground " << c.groundType << " building " << c.buildingType;
        EXPECT_EQ(rMin, 0.0f);
        EXPECT_FLOAT_EQ(r, 2.0f);
    }
}
