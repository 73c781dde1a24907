// Outdoor air, infiltration and the plant-side additions of the calculation library.
#include "calclib/dizedozev.h"
#include "tests/calclib/HourlyCases.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace {

using namespace hourly;

constexpr float kAtm = 101325.0f;

// Beijing summer design day (GB 50736-2012 Appendix A: 33.5 ℃ DB, 26.4 ℃ WB, range 8.8 K) shaped by
// the standard's hourly coefficients, wet bulb held at 26.4 ℃.
const float* BeijingDryBulb()
{
    static const FloatHours db = [] {
        const double beta[24] = {-0.26, -0.35, -0.38, -0.42, -0.45, -0.47, -0.41, -0.28,
                                 -0.12, 0.03,  0.16,  0.29,  0.40,  0.48,  0.52,  0.51,
                                 0.43,  0.39,  0.28,  0.14,  0.00,  -0.10, -0.17, -0.23};
        FloatHours t;
        for (int h = 0; h < 24; ++h)
            t[h] = static_cast<float>(33.5 - 0.52 * 8.8 + beta[h] * 8.8);
        return t;
    }();
    return db.data();
}

const float* BeijingWetBulb()
{
    static const FloatHours wb = Constant(26.4f);
    return wb.data();
}

std::vector<ScaledCase> AirCases()
{
    return {
        {"GetCL_FreshAir_D",
         [](double s, const FloatHours& sched) {
             FloatHours v = NanFilled(), t = NanFilled(), se = NanFilled(), m = NanFilled();
             GetCL_FreshAir_D(static_cast<float>(1500 * s), kAtm, 26.0f, 55.0f, BeijingDryBulb(),
                              BeijingWetBulb(), sched.data(), v.data(), t.data(), se.data(), m.data());
             return Outputs({v, t, se, m});
         }},
        {"GetCL_Addition_Infiltration_N",
         [](double s, const FloatHours& sched) {
             FloatHours load = NanFilled(), spare = NanFilled();
             GetCL_Addition_Infiltration_N(static_cast<float>(20 * s), 3.0f, kAtm, 26.0f, 55.0f,
                                           BeijingDryBulb(), BeijingWetBulb(), static_cast<float>(30 * s), 2,
                                           sched.data(), load.data(), spare.data(), 1.0f);
             return Outputs({load, spare});
         }},
        {"GetDL_Addition_Infiltration",
         [](double s, const FloatHours& sched) {
             // Alone: air changes by volume (60 and 120 m³ both fall in the first step).
             FloatHours m = NanFilled();
             GetDL_Addition_Infiltration(static_cast<float>(20 * s), 3.0f, kAtm, 26.0f, 55.0f,
                                         BeijingDryBulb(), BeijingWetBulb(), static_cast<float>(30 * s), 4,
                                         sched.data(), m.data());
             return Outputs({m});
         }},
        {"GetCL_Enclose_Simple",
         [](double s, const FloatHours& sched) {
             // No schedule: an all-zero schedule is represented by a zero index.
             FloatHours out = NanFilled();
             const bool off = sched == Constant(0.0f);
             GetCL_Enclose_Simple(static_cast<float>(120 * s), off ? 0.0f : 35.0f, out.data());
             return Outputs({out});
         }},
        {"GetCL_FanAndDuct",
         [](double s, const FloatHours& sched) {
             const Hours ds = ToDouble(sched);
             Hours out;
             out.fill(NAN);
             GetCL_FanAndDuct(8000.0 * s, 0.6, 0.4, ds.data(), out.data());
             return std::vector<Hours>{out};
         }},
        {"GetDL_Enclosure",
         [](double s, const FloatHours& sched) {
             const Hours ds = ToDouble(sched);
             Hours m, l;
             m.fill(NAN), l.fill(NAN);
             GetDL_Enclosure(300.0 * s, ds.data(), m.data(), l.data());
             return std::vector<Hours>{m, l};
         }},
        {"GetCL_PumpAndPipe",
         [](double s, const FloatHours& sched) {
             const Hours ds = ToDouble(sched);
             Hours out;
             out.fill(NAN);
             GetCL_PumpAndPipe(60.0 * s, 0.3, 0.2, ds.data(), out.data());
             return std::vector<Hours>{out};
         }},
    };
}

} // namespace

TEST(OutdoorAir, NoAmountOrNoScheduleGivesZeros)
{
    ExpectZerosWithoutAmount(AirCases());
}

TEST(OutdoorAir, EveryCallOverwritesAllOutputsAndScalesLinearly)
{
    ExpectCompleteAndLinear(AirCases(), true);
}

// Outdoor 33.5 ℃ DB / 26.4 ℃ WB, room 26 ℃ / 60 %, 101325 Pa, 1000 m³/h, worked by hand with the
// ASHRAE ch. 1 formulas:
//   p_ws(26.4) = 3443.5 Pa → W_s* = 0.621945 × 3443.5 / (101325 − 3443.5) = 0.021881
//   W_o = ((2501 − 2.326 × 26.4) × 0.021881 − 1.006 × 7.1) / (2501 + 1.86 × 33.5 − 4.186 × 26.4) = 0.018851
//   p_ws(26) = 3363.1 Pa, p_w = 0.6 × 3363.1 = 2017.9 Pa → W_i = 0.012638
//   h_o = 1.006 × 33.5 + 0.018851 × (2501 + 1.86 × 33.5) = 82.021 kJ/kg; h_i = 58.374 kJ/kg
//   ρ_o = 101325 × 1.018851 / (287.042 × 306.65 × (1 + 1.607858 × 0.018851)) = 1.13834 kg/m³,
//   of which dry air 1.13834 / 1.018851 = 1.11728 kg/m³
//   total = 1.11728 × 1000 × (82.021 − 58.374) / 3.6 = 7339.0 W
//   sensible = 1.11728 × 1000 × (1.006 + 1.86 × 0.018851) × 7.5 / 3.6 = 2423.2 W
//   moisture = 1.11728 × 1000 × (0.018851 − 0.012638) × 1000 = 6941.7 g/h
// (Chart check: 33.5/26.4 lies at h ≈ 82 kJ/kg, 26 ℃/60 % at h ≈ 58.4 kJ/kg.)
TEST(OutdoorAir, FreshAirSummerHourAgainstHandPsychrometrics)
{
    const FloatHours db = Constant(33.5f), wb = Constant(26.4f);
    FloatHours sched = Constant(1.0f);
    sched[3] = 0.25f;
    FloatHours v = NanFilled(), total = NanFilled(), sensible = NanFilled(), moisture = NanFilled();
    GetCL_FreshAir_D(1000.0f, kAtm, 26.0f, 60.0f, db.data(), wb.data(), sched.data(), v.data(), total.data(),
                     sensible.data(), moisture.data());
    EXPECT_FLOAT_EQ(v[15], 1000.0f);
    EXPECT_FLOAT_EQ(v[3], 250.0f);
    EXPECT_NEAR(total[15], 7339.0, 3.0);
    EXPECT_NEAR(sensible[15], 2423.2, 1.0);
    EXPECT_NEAR(moisture[15], 6941.7, 3.0);
    EXPECT_NEAR(total[3], 0.25 * 7339.0, 1.0);
}

// A wet bulb above the dry bulb is a typing slip: it reads as saturated air, never as more water
// than the air can hold.
TEST(OutdoorAir, WetBulbAboveDryBulbReadsAsSaturated)
{
    const FloatHours db = Constant(30.0f), saturated = Constant(30.0f), tooHigh = Constant(38.0f);
    const FloatHours sched = Constant(1.0f);
    FloatHours a[4], b[4];
    GetCL_FreshAir_D(1000.0f, kAtm, 26.0f, 60.0f, db.data(), saturated.data(), sched.data(), a[0].data(),
                     a[1].data(), a[2].data(), a[3].data());
    GetCL_FreshAir_D(1000.0f, kAtm, 26.0f, 60.0f, db.data(), tooHigh.data(), sched.data(), b[0].data(),
                     b[1].data(), b[2].data(), b[3].data());
    for (int k = 0; k < 4; ++k)
        for (int h = 0; h < 24; ++h)
            EXPECT_FLOAT_EQ(b[k][h], a[k][h]);
    // Saturated air at 30 ℃: p_ws 4246.0 Pa, W = 0.621945 × 4246.0 / (101325 − 4246.0) = 0.027203 kg/kg,
    // ρ = 1.14598 kg/m³, dry air 1.14598 / 1.027203 = 1.11563 kg/m³;
    // moisture 1.11563 × 1000 × (0.027203 − 0.012638) × 1000 = 16249 g/h.
    EXPECT_NEAR(a[3][0], 16249.0, 10.0);
}

// Room 50 m² × 3 m = 150 m³, 20 passers-by/h through a single-leaf plain door (3.00 m³ each):
//   given n = 0.5 h⁻¹: L = 0.5 × 150 + 20 × 3.00 = 135 m³/h;
//   n < 0, by volume (≤ 500 m³: 0.7 h⁻¹): L = 105 + 60 = 165 m³/h.
// Sensible at 33.5 ℃ / 26.4 ℃ WB into a 26 ℃ room, dry air 1.11728 kg/m³ (see the fresh-air case):
// 1.11728 × 135 × (1.006 + 1.86 × 0.018851) × 7.5 / 3.6 = 327.14 W.
TEST(OutdoorAir, InfiltrationByAirChangesAndDoor)
{
    const FloatHours db = Constant(33.5f), wb = Constant(26.4f), sched = Constant(1.0f);
    struct Case
    {
        float area, persons;
        int32_t door;
        float airChanges;
        double air;
    } cases[] = {
        {50.0f, 20.0f, 0, 0.5f, 135.0},    {50.0f, 20.0f, 0, -1.0f, 165.0},
        {50.0f, 20.0f, 9, 0.5f, 135.0},    // unknown door code: plain single door
        {50.0f, 20.0f, 5, 0.5f, 95.0},     // revolving, more than one leaf: 20 × 1.00
        {50.0f, 0.0f, 0, NAN, 0.0},        // missing air changes: none
        {200.0f, 0.0f, 0, -1.0f, 360.0},   // 600 m³: 0.6 h⁻¹
        {1200.0f, 0.0f, 0, -1.0f, 1260.0}, // 3600 m³: 0.35 h⁻¹
    };
    for (const Case& c : cases) {
        FloatHours load = NanFilled(), spare = NanFilled();
        GetCL_Addition_Infiltration_N(c.area, 3.0f, kAtm, 26.0f, 60.0f, db.data(), wb.data(), c.persons,
                                      c.door, sched.data(), load.data(), spare.data(), c.airChanges);
        EXPECT_NEAR(spare[10], c.air, 1e-3) << c.area << " " << c.door << " " << c.airChanges;
        EXPECT_NEAR(load[10], 327.14 * c.air / 135.0, 0.2) << c.area << " " << c.door << " " << c.airChanges;
    }
}

// The moisture call carries no air changes: it takes those of the preceding load call of the same
// room and door. Room 40 m² × 3 m = 120 m³, no door traffic: n = 2 h⁻¹ gives 240 m³/h against 84 m³/h
// by the volume table (0.7 h⁻¹), so the moisture differs by 2/0.7.
TEST(OutdoorAir, InfiltrationMoistureUsesAirChangesOfMatchingLoadCall)
{
    const float* db = BeijingDryBulb();
    const float* wb = BeijingWetBulb();
    const FloatHours sched = Constant(1.0f);
    FloatHours load, spare, byTable = NanFilled(), afterLoad = NanFilled(), otherRoom = NanFilled();
    GetDL_Addition_Infiltration(40.0f, 3.0f, kAtm, 26.0f, 50.0f, db, wb, 0.0f, 1, sched.data(),
                                byTable.data());
    GetCL_Addition_Infiltration_N(40.0f, 3.0f, kAtm, 26.0f, 50.0f, db, wb, 0.0f, 1, sched.data(), load.data(),
                                  spare.data(), 2.0f);
    // Another room is worked in between; the first keeps its air changes.
    GetCL_Addition_Infiltration_N(40.0f, 3.5f, kAtm, 26.0f, 50.0f, db, wb, 0.0f, 1, sched.data(), load.data(),
                                  spare.data(), 5.0f);
    GetDL_Addition_Infiltration(40.0f, 3.0f, kAtm, 26.0f, 50.0f, db, wb, 0.0f, 1, sched.data(),
                                afterLoad.data());
    // Same room with another door code: no match, the volume table again.
    GetDL_Addition_Infiltration(40.0f, 3.0f, kAtm, 26.0f, 50.0f, db, wb, 0.0f, 3, sched.data(),
                                otherRoom.data());
    for (int h = 0; h < 24; ++h) {
        ASSERT_GT(byTable[h], 0.0f); // humid Beijing air brings moisture in
        EXPECT_NEAR(afterLoad[h] / byTable[h], 2.0 / 0.7, 1e-5) << h;
        EXPECT_FLOAT_EQ(otherRoom[h], byTable[h]) << h;
    }
    // kg/h: 84 m³/h × 1.14 kg/m³ × (0.01885 − 0.01051) kg/kg ≈ 0.80 kg/h at 26 ℃ / 50 % indoors.
    EXPECT_NEAR(byTable[14], 0.80, 0.03);
}

// Winter outdoor air below the room temperature is a loss: negative load and moisture.
TEST(OutdoorAir, WinterFreshAirAndInfiltrationAreLosses)
{
    const FloatHours db = Constant(-9.9f), wb = Constant(-11.0f), sched = Constant(1.0f);
    FloatHours v, total, sensible, moisture, load, spare, dl;
    GetCL_FreshAir_D(1000.0f, 102170.0f, 20.0f, 40.0f, db.data(), wb.data(), sched.data(), v.data(),
                     total.data(), sensible.data(), moisture.data());
    GetCL_Addition_Infiltration_N(30.0f, 3.0f, 1021.7f, 20.0f, 40.0f, db.data(), wb.data(), 10.0f, 2,
                                  sched.data(), load.data(), spare.data(), 1.0f);
    GetDL_Addition_Infiltration(30.0f, 3.0f, 1021.7f, 20.0f, 40.0f, db.data(), wb.data(), 10.0f, 2,
                                sched.data(), dl.data());
    for (int h = 0; h < 24; ++h) {
        EXPECT_LT(total[h], 0.0f);
        EXPECT_LT(sensible[h], 0.0f);
        EXPECT_LT(moisture[h], 0.0f);
        EXPECT_LT(load[h], 0.0f);
        EXPECT_LT(dl[h], 0.0f);
    }
    // Cold air is dense: W_o = 0.00106 kg/kg, ρ(−9.9 ℃, 102170 Pa) = 1.3512 kg/m³, dry air 1.34977;
    // sensible 1.34977 × 1000 × (1.006 + 1.86 × 0.00106) × (−29.9) / 3.6 = −11300 W.
    EXPECT_NEAR(sensible[0], -11300.0, 5.0);
}

// Fan and duct: 0.335 × L × Δt with ρ 1.2 and c_p 1.005 (1.2 × 1.005 / 3.6 = 0.335):
// 10000 m³/h, 0.5 + 0.3 K → 2680 W. Pump and pipe: 1000 × 4.187 / 3.6 = 1163.06 W per m³/h·K:
// 50 m³/h, 0.2 + 0.1 K → 17445.8 W. Envelope moisture 200 g/h → 200 × 2450 / 3600 = 136.11 W.
// Envelope estimate 80 m² × 45 W/m² = 3600 W; heating passes −45 W/m².
TEST(OutdoorAir, PlantAdditionsAndEnvelopeEstimate)
{
    Hours sched;
    sched.fill(1.0);
    sched[0] = 0.5;
    Hours fan, pump, m, l;
    GetCL_FanAndDuct(10000.0, 0.5, 0.3, sched.data(), fan.data());
    GetCL_PumpAndPipe(50.0, 0.2, 0.1, sched.data(), pump.data());
    GetDL_Enclosure(200.0, sched.data(), m.data(), l.data());
    EXPECT_NEAR(fan[5], 2680.0, 1e-6);
    EXPECT_NEAR(fan[0], 1340.0, 1e-6);
    EXPECT_NEAR(pump[5], 17445.83, 0.01);
    EXPECT_NEAR(m[5], 200.0, 1e-9);
    EXPECT_NEAR(l[5], 136.111, 1e-3);
    EXPECT_NEAR(l[0], 68.056, 1e-3);

    FloatHours cooling = NanFilled(), heating = NanFilled();
    GetCL_Enclose_Simple(80.0f, 45.0f, cooling.data());
    GetCL_Enclose_Simple(80.0f, -45.0f, heating.data());
    for (int h = 0; h < 24; ++h) {
        EXPECT_FLOAT_EQ(cooling[h], 3600.0f);
        EXPECT_FLOAT_EQ(heating[h], -3600.0f);
    }
    // Null outputs and a missing schedule are tolerated.
    GetCL_Enclose_Simple(80.0f, 45.0f, nullptr);
    GetCL_FanAndDuct(10000.0, 0.5, 0.3, nullptr, fan.data());
    EXPECT_EQ(fan[12], 0.0);
}
