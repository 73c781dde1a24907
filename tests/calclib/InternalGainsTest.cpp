// Radiant Time Series and the internal-gain functions of the calculation library.
#include "calclib/CalcTables.h"
#include "calclib/RadiantTimeSeries.h"
#include "calclib/dizedozev.h"
#include "tests/calclib/HourlyCases.h"

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

using namespace hourly;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

double Sum(const Hours& a)
{
    return std::accumulate(a.begin(), a.end(), 0.0);
}

} // namespace

// ---- Radiant Time Series -------------------------------------------------------------------------

// ASHRAE Handbook Fundamentals ch. 18 Tables 19 and 20: every RTS column is a distribution of 100 %.
TEST(RtsTables, EveryColumnSumsToHundred)
{
    using namespace calclib::tables;
    auto sum = [](const double(&col)[24]) { return std::accumulate(col, col + 24, 0.0); };
    for (int c = 0; c < 3; ++c) {
        for (int f = 0; f < 2; ++f) {
            EXPECT_DOUBLE_EQ(sum(kRtsNonSolarInterior[c][f]), 100.0) << "interior " << c << f;
            for (int g = 0; g < 3; ++g) {
                EXPECT_DOUBLE_EQ(sum(kRtsNonSolarExterior[c][f][g]), 100.0) << "non-solar " << c << f << g;
                EXPECT_DOUBLE_EQ(sum(kRtsSolarExterior[c][f][g]), 100.0) << "solar " << c << f << g;
            }
        }
    }
}

// A radiant pulse of 100 W at 05:00 reappears hour by hour as the chosen column (exterior zone,
// no carpet, 50 % glass), written out here from ASHRAE Tables 19/20; it wraps past midnight.
TEST(Rts, SinglePulseSpreadsAsChosenColumn)
{
    struct Case
    {
        int32_t roomType;
        RtsSeries series;
        std::array<double, 24> percent;
    } cases[] = {
        {0, RtsSeries::NonSolar, {43, 19, 11, 7, 5, 3, 3, 2, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {1, RtsSeries::NonSolar, {33, 16, 10, 7, 5, 4, 3, 3, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0}},
        {2, RtsSeries::NonSolar, {25, 9, 6, 5, 5, 4, 4, 4, 3, 3, 3, 3, 3, 3, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}},
        {0, RtsSeries::Solar, {45, 20, 11, 7, 5, 3, 2, 2, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {1, RtsSeries::Solar, {29, 15, 10, 7, 6, 5, 4, 3, 3, 3, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0}},
        {2, RtsSeries::Solar, {27, 13, 7, 5, 4, 4, 3, 3, 3, 3, 3, 3, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1}},
        // Codes outside 0..2 are read as the medium construction.
        {7, RtsSeries::NonSolar, {33, 16, 10, 7, 5, 4, 3, 3, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0}},
        {-1, RtsSeries::Solar, {29, 15, 10, 7, 6, 5, 4, 3, 3, 3, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        Hours pulse{};
        pulse[5] = 100.0;
        Hours out;
        ApplyRts(c.roomType, c.series, pulse.data(), out.data());
        for (int j = 0; j < 24; ++j)
            EXPECT_NEAR(out[(5 + j) % 24], c.percent[j], 1e-12) << c.roomType << " hour " << j;
    }
}

TEST(Rts, ConservesDailySumAndKeepsConstantGainConstant)
{
    Hours gain;
    for (int h = 0; h < 24; ++h)
        gain[h] = (h >= 8 && h <= 17) ? 100.0 + 13.0 * h : 0.0;
    for (int32_t roomType : {0, 1, 2}) {
        for (RtsSeries series : {RtsSeries::NonSolar, RtsSeries::Solar}) {
            Hours out;
            ApplyRts(roomType, series, gain.data(), out.data());
            EXPECT_NEAR(Sum(out), Sum(gain), 1e-9);
            // The room stores heat: the load peaks lower and lasts past the gain.
            EXPECT_LT(*std::max_element(out.begin(), out.end()), *std::max_element(gain.begin(), gain.end()));
            EXPECT_GT(out[20], 0.0);

            Hours flat, flatOut;
            flat.fill(250.0);
            ApplyRts(roomType, series, flat.data(), flatOut.data());
            for (double v : flatOut)
                EXPECT_NEAR(v, 250.0, 1e-9);
        }
    }
}

TEST(Rts, CoolingLoadSplitsConvectiveAndRadiant)
{
    Hours gain{};
    gain[10] = 1000.0;
    Hours out;
    // Medium construction, 60 % radiant: 400 W convective at once plus 33 % of 600 W.
    CoolingLoadFromGain(1, RtsSeries::NonSolar, 0.6, false, gain.data(), out.data());
    EXPECT_NEAR(out[10], 400.0 + 0.33 * 600.0, 1e-9);
    EXPECT_NEAR(out[11], 0.16 * 600.0, 1e-9);
    EXPECT_NEAR(out[9], 0.0, 1e-12); // 23 hours later: the column's last value is 0
    EXPECT_NEAR(Sum(out), 1000.0, 1e-9);
    // Steady passes the gain through; the arrays may be the same.
    CoolingLoadFromGain(1, RtsSeries::NonSolar, 0.6, true, gain.data(), gain.data());
    EXPECT_DOUBLE_EQ(gain[10], 1000.0);
    EXPECT_DOUBLE_EQ(gain[11], 0.0);
}

// ---- Every internal-gain function ------------------------------------------------------------------

namespace {

int32_t Diners(double scale)
{
    return std::isfinite(scale) ? static_cast<int32_t>(40 * scale) : 0;
}

std::vector<ScaledCase> GainCases()
{
    const float p = 101325.0f;
    return {
        {"GetCL_Person",
         [](double s, const FloatHours& sched) {
             FloatHours total = NanFilled(), sensible = NanFilled();
             GetCL_Person(static_cast<float>(80 * s), 0.2f, 1, 26.0f, 1, 0.93f, 0, 0, 1.0f, sched.data(),
                          total.data(), sensible.data());
             return Outputs({total, sensible});
         }},
        {"GetDL_Person",
         [](double s, const FloatHours& sched) {
             FloatHours m = NanFilled();
             GetDL_Person(static_cast<float>(80 * s), 0.2f, 26.0f, 2, 0.9f, sched.data(), m.data());
             return Outputs({m});
         }},
        {"GetCL_Light",
         [](double s, const FloatHours& sched) {
             FloatHours out = NanFilled();
             const float w = static_cast<float>(300 * s);
             GetCL_Light(0, w, w, w, w, 0.9f, 0, 0, 0, 1.0f, sched.data(), out.data());
             return Outputs({out});
         }},
        {"GetCL_HeatingEquipment",
         [](double s, const FloatHours& sched) {
             FloatHours out = NanFilled();
             GetCL_HeatingEquipment(2, static_cast<float>(3000 * s), 0.8f, 0.7f, 0.6f, 0.5f, 0, 0, 1.0f,
                                    sched.data(), out.data());
             return Outputs({out});
         }},
        {"GetCL_ElectricEquipment",
         [](double s, const FloatHours& sched) {
             FloatHours out = NanFilled();
             GetCL_ElectricEquipment(1, static_cast<float>(5000 * s), 0.6f, 0.8f, 0.85f, 0, 0, 0, 1.0f,
                                     sched.data(), out.data());
             return Outputs({out});
         }},
        {"GetCL_ElectronicEquipment",
         [](double s, const FloatHours& sched) {
             FloatHours out = NanFilled();
             GetCL_ElectronicEquipment(1, static_cast<float>(2000 * s), 1.0f, 0.8f, 0.5f, 0, 0, 1.0f,
                                       sched.data(), out.data());
             return Outputs({out});
         }},
        {"GetDL_Equipment",
         [](double s, const FloatHours& sched) {
             FloatHours out = NanFilled();
             GetDL_Equipment(1, static_cast<float>(400 * s), sched.data(), out.data());
             return Outputs({out});
         }},
        {"GetCL_Addition_Food",
         [](double s, const FloatHours& sched) {
             FloatHours out = NanFilled();
             GetCL_Addition_Food(Diners(s), 0.9f, 0, 0, 1.0f, sched.data(), out.data());
             return Outputs({out});
         }},
        {"GetDL_Addition_Food",
         [](double s, const FloatHours& sched) {
             FloatHours out = NanFilled();
             GetDL_Addition_Food(Diners(s), 0.9f, sched.data(), out.data());
             return Outputs({out});
         }},
        {"GetCL_ChemicalReaction",
         [](double s, const FloatHours& sched) {
             const Hours dsched = ToDouble(sched);
             Hours m, t, l;
             m.fill(NAN), t.fill(NAN), l.fill(NAN);
             GetCL_ChemicalReaction(0.95, 0.5, 2.0 * s, 35000.0, 1.6, dsched.data(), m.data(), t.data(),
                                    l.data());
             return std::vector<Hours>{m, t, l};
         }},
        {"GetCL_Addition_Vapor_Precision",
         [p](double s, const FloatHours& sched) {
             FloatHours out = NanFilled();
             GetCL_Addition_Vapor_Precision(static_cast<float>(12 * s), 40.0f, 0, 0, 1.0f, sched.data(),
                                            out.data(), 26.0f, 60.0f, p);
             return Outputs({out});
         }},
        {"GetDL_Addition_Vapor_Precision",
         [p](double s, const FloatHours& sched) {
             FloatHours out = NanFilled();
             GetDL_Addition_Vapor_Precision(static_cast<float>(12 * s), 40.0f, 0, 1.0f, sched.data(),
                                            out.data(), 26.0f, 60.0f, p);
             return Outputs({out});
         }},
    };
}

} // namespace

TEST(InternalGains, NoAmountOrNoScheduleGivesZeros)
{
    ExpectZerosWithoutAmount(GainCases());
}

TEST(InternalGains, EveryCallOverwritesAllOutputsAndScalesLinearly)
{
    ExpectCompleteAndLinear(GainCases(), false);
}

// ---- Hand-worked values ------------------------------------------------------------------------------

// 成年男子散热散湿量, 静坐 at 26 ℃: 63 W sensible, 45 W latent per person. 100 m² × 0.1 persons/m² ×
// cluster 0.89 = 8.9 persons: sensible 8.9 × 63 = 560.7 W, total 560.7 + 8.9 × 45 = 961.2 W.
// Moisture 8.9 × 45 × 3600 / r(26), r = 2501 − 2.37 × 26 = 2439.38 kJ/kg → 591.05 g/h.
TEST(InternalGains, SeatedPeopleAt26Steady)
{
    const FloatHours sched = OfficeSchedule();
    FloatHours total = NanFilled(), sensible = NanFilled(), moisture = NanFilled();
    GetCL_Person(100.0f, 0.1f, 1, 26.0f, 0, 0.89f, 1, 0, 1.0f, sched.data(), total.data(), sensible.data());
    GetDL_Person(100.0f, 0.1f, 26.0f, 0, 0.89f, sched.data(), moisture.data());
    for (int h = 0; h < 24; ++h) {
        EXPECT_NEAR(sensible[h], 560.7 * sched[h], 1e-3) << h;
        EXPECT_NEAR(total[h], 961.2 * sched[h], 1e-3) << h;
        EXPECT_NEAR(moisture[h], 591.05 * sched[h], 0.01) << h;
    }
}

// Per-person values read at other temperatures, 10 persons, steady, one full hour.
TEST(InternalGains, PeopleTableInterpolatesAndClamps)
{
    struct Case
    {
        float temp;
        int32_t labor;
        double sensible, latent;
    } cases[] = {
        {26.5f, 0, 60.5, 47.5},   // halfway between 63/45 and 58/50
        {10.0f, 0, 99.0, 17.0},   // below the table: the 16 ℃ column
        {35.0f, 4, 110.0, 297.0}, // above: the 30 ℃ column, 重劳动
        {24.0f, 3, 88.0, 147.0},  // 中等劳动
        {24.0f, 9, 70.0, 64.0},   // unknown code: 极轻劳动
        {24.0f, -1, 70.0, 64.0},
    };
    const FloatHours sched = Constant(1.0f);
    for (const Case& c : cases) {
        FloatHours total, sensible;
        GetCL_Person(100.0f, 0.1f, 0, c.temp, c.labor, 1.0f, 1, 0, 1.0f, sched.data(), total.data(),
                     sensible.data());
        EXPECT_NEAR(sensible[12], 10.0 * c.sensible, 1e-3) << c.temp << " " << c.labor;
        EXPECT_NEAR(total[12], 10.0 * (c.sensible + c.latent), 1e-3) << c.temp << " " << c.labor;
    }
}

// Q = n_s·(P_inc + 1.0·P_exposed,outside + 1.2·P_exposed,inside + n2·P_concealed), steady:
// n_s 0.8, 100/200/300/400 W → vented shade 0.8 × (100 + 200 + 360 + 0.55 × 400) = 704 W,
// unvented (and any other code) 0.8 × (100 + 200 + 360 + 0.70 × 400) = 752 W.
TEST(InternalGains, LightingFormulaSteady)
{
    const FloatHours sched = OfficeSchedule();
    for (auto [shade, expected] : {std::pair{0, 704.0}, {1, 752.0}, {-1, 752.0}}) {
        FloatHours out = NanFilled();
        GetCL_Light(1, 100.0f, 200.0f, 300.0f, 400.0f, 0.8f, shade, 1, 0, 1.0f, sched.data(), out.data());
        for (int h = 0; h < 24; ++h)
            EXPECT_NEAR(out[h], expected * sched[h], 1e-3) << shade << " " << h;
    }
}

// Q = P·c_use·c_in·f, f = 1/η (motor and equipment in the room), (1 − η)/η (only the motor),
// 1 (only the equipment). 1000 W × 0.5 × 0.8 = 400 W; η = 0.8 → 500, 100, 400 W.
TEST(InternalGains, ElectricEquipmentLocationFactors)
{
    struct Case
    {
        float eta;
        int32_t location;
        double expected;
    } cases[] = {
        {0.8f, 0, 500.0}, {0.8f, 1, 100.0},
        {0.8f, 2, 400.0}, {0.8f, 5, 500.0}, // unknown location: both in room
        {0.0f, 0, 400.0}, {0.0f, 1, 0.0},
        {1.5f, 0, 400.0}, {NAN, 0, 400.0}, // η outside (0, 1]: 1
    };
    const FloatHours sched = Constant(1.0f);
    for (const Case& c : cases) {
        FloatHours out = NanFilled();
        GetCL_ElectricEquipment(1, 1000.0f, 0.5f, 0.8f, c.eta, c.location, 1, 0, 1.0f, sched.data(),
                                out.data());
        for (float v : out)
            EXPECT_NEAR(v, c.expected, 1e-3) << c.eta << " " << c.location;
    }
}

// Heating equipment 2000 W × 0.5 × 0.8 × 0.6 × 0.5 = 240 W; electronic 2000 W × 1 × 0.8 × 0.5 = 800 W;
// food 10 diners × 0.9 × 9 W = 81 W and 10 × 0.9 × 12 g/h = 108 g/h; equipment moisture 250 g/h.
TEST(InternalGains, EquipmentAndFoodSteady)
{
    const FloatHours sched = Constant(1.0f);
    FloatHours heating, electronic, food, foodMoisture, moisture;
    GetCL_HeatingEquipment(0, 2000.0f, 0.5f, 0.8f, 0.6f, 0.5f, 1, 0, 1.0f, sched.data(), heating.data());
    GetCL_ElectronicEquipment(0, 2000.0f, 1.0f, 0.8f, 0.5f, 1, 0, 1.0f, sched.data(), electronic.data());
    GetCL_Addition_Food(10, 0.9f, 1, 0, 1.0f, sched.data(), food.data());
    GetDL_Addition_Food(10, 0.9f, sched.data(), foodMoisture.data());
    GetDL_Equipment(0, 250.0f, sched.data(), moisture.data());
    for (int h = 0; h < 24; ++h) {
        EXPECT_NEAR(heating[h], 240.0, 1e-3);
        EXPECT_NEAR(electronic[h], 800.0, 1e-3);
        EXPECT_NEAR(food[h], 81.0, 1e-4);
        EXPECT_NEAR(foodMoisture[h], 108.0, 1e-4);
        EXPECT_NEAR(moisture[h], 250.0, 1e-4);
    }
}

// Method-2 callers rescale electronic equipment to its entered peak: the load must be non-zero at
// every scheduled hour, and peak where the schedule is highest.
TEST(InternalGains, ElectronicLoadFollowsSchedule)
{
    FloatHours sched = Constant(0.0f);
    sched[7] = 0.05f;
    for (int h = 8; h <= 17; ++h)
        sched[h] = 1.0f;
    sched[22] = 0.1f;
    for (int32_t roomType : {0, 1, 2}) {
        FloatHours out;
        GetCL_ElectronicEquipment(roomType, 100.0f, 1.0f, 0.8f, 0.5f, 0, 0, 1.0f, sched.data(), out.data());
        for (int h = 0; h < 24; ++h) {
            if (sched[h] > 0.0f) {
                EXPECT_GT(out[h], 0.0f) << roomType << " " << h;
            }
        }
        const int peak = static_cast<int>(std::max_element(out.begin(), out.end()) - out.begin());
        EXPECT_GE(peak, 8);
        EXPECT_LE(peak, 17);
    }
}

// Gas: η_c 0.95, k 0.5, B 2 m³/h, H 35000 kJ/m³, water 1.6 kg/m³.
// Heat 0.95 × 0.5 × 2 × 35000 / 3.6 = 9236.11 W; water 1000 × 0.5 × 2 × 1.6 = 1600 g/h;
// latent 1600 × 2450 / 3600 = 1088.89 W. With H = 1000 kJ/m³ the heat (263.9 W) falls below the
// latent heat, and the total is the latent heat.
TEST(InternalGains, ChemicalReaction)
{
    Hours sched;
    sched.fill(0.5);
    Hours m, t, l;
    GetCL_ChemicalReaction(0.95, 0.5, 2.0, 35000.0, 1.6, sched.data(), m.data(), t.data(), l.data());
    for (int h = 0; h < 24; ++h) {
        EXPECT_NEAR(m[h], 800.0, 1e-9);
        EXPECT_NEAR(t[h], 0.5 * 9236.111111, 1e-5);
        EXPECT_NEAR(l[h], 0.5 * 1088.888889, 1e-5);
    }
    GetCL_ChemicalReaction(0.95, 0.5, 2.0, 1000.0, 1.6, sched.data(), m.data(), t.data(), l.data());
    EXPECT_NEAR(t[3], 0.5 * 1088.888889, 1e-5);
    EXPECT_DOUBLE_EQ(t[3], l[3]);
    // A missing schedule is all zeros; null outputs are tolerated.
    GetCL_ChemicalReaction(0.95, 0.5, 2.0, 35000.0, 1.6, nullptr, m.data(), nullptr, l.data());
    EXPECT_EQ(m[0], 0.0);
    EXPECT_EQ(l[23], 0.0);
}

// Water at 30 ℃, 10 m², room 26 ℃ / 60 %, 101325 Pa. p_s(30) = 4246.0 Pa, p_s(26) = 3363.1 Pa
// (ASHRAE ch. 1 Table 3), so p_v = 2017.9 Pa. W = (0.00017 + 0.00013 × 0.3) × (4246.0 − 2017.9) × 10
// = 0.000209 × 2228.1 × 10 = 4.6567 kg/h → 4656.7 g/h; load 4.6567 × (2501 − 2.37 × 30) / 3.6 = 3143.2 W.
// At 45 ℃ α is halfway between 0.00021 and 0.00025: W = 0.000269 × (9593.4 − 2017.9) × 10 = 20.378 kg/h
// (p_s(45) = 9593.4 Pa, same table).
TEST(InternalGains, WaterSurfaceEvaporation)
{
    const FloatHours sched = Constant(1.0f);
    FloatHours load, moisture;
    GetCL_Addition_Vapor_Precision(10.0f, 30.0f, 0, 0, 1.0f, sched.data(), load.data(), 26.0f, 60.0f,
                                   101325.0f);
    GetDL_Addition_Vapor_Precision(10.0f, 30.0f, 0, 1.0f, sched.data(), moisture.data(), 26.0f, 60.0f,
                                   101325.0f);
    EXPECT_NEAR(moisture[0], 4656.7, 2.0);
    EXPECT_NEAR(load[0], 3143.2, 1.5);
    GetDL_Addition_Vapor_Precision(10.0f, 45.0f, 0, 1.0f, sched.data(), moisture.data(), 26.0f, 60.0f,
                                   101325.0f);
    EXPECT_NEAR(moisture[0], 20378.0, 10.0);
    // Local pressure scales by 101325/p: at 90000 Pa (given in hPa) the rate rises by 12.6 %.
    GetDL_Addition_Vapor_Precision(10.0f, 30.0f, 0, 1.0f, sched.data(), moisture.data(), 26.0f, 60.0f,
                                   900.0f);
    EXPECT_NEAR(moisture[0], 4656.7 * 101325.0 / 90000.0, 2.5);
    // Water colder than the room air's dew point (≈ 17.6 ℃) does not evaporate: zero, not negative.
    GetCL_Addition_Vapor_Precision(10.0f, 12.0f, 0, 0, 1.0f, sched.data(), load.data(), 26.0f, 60.0f,
                                   101325.0f);
    GetDL_Addition_Vapor_Precision(10.0f, 12.0f, 0, 1.0f, sched.data(), moisture.data(), 26.0f, 60.0f,
                                   101325.0f);
    for (int h = 0; h < 24; ++h) {
        EXPECT_EQ(load[h], 0.0f);
        EXPECT_EQ(moisture[h], 0.0f);
    }
    // Absurd temperatures stay finite.
    GetCL_Addition_Vapor_Precision(10.0f, 1e30f, 0, 0, 1.0f, sched.data(), load.data(), -1e30f, 250.0f,
                                   -5.0f);
    for (float v : load)
        EXPECT_TRUE(std::isfinite(v));
}

// ---- Switches ----------------------------------------------------------------------------------------

namespace {

// A gain function called with (steady, winter, coef); all its outputs.
struct SwitchCase
{
    const char* name;
    std::function<std::vector<Hours>(int32_t steady, int32_t winter, float coef)> run;
};

std::vector<SwitchCase> SwitchCases()
{
    static const FloatHours sched = OfficeSchedule();
    return {
        {"GetCL_Person",
         [](int32_t st, int32_t w, float c) {
             FloatHours total, sensible;
             GetCL_Person(60.0f, 0.15f, 2, 25.0f, 1, 0.9f, st, w, c, sched.data(), total.data(),
                          sensible.data());
             return Outputs({total, sensible});
         }},
        {"GetCL_Light",
         [](int32_t st, int32_t w, float c) {
             FloatHours out;
             GetCL_Light(0, 200.0f, 300.0f, 400.0f, 500.0f, 0.8f, 1, st, w, c, sched.data(), out.data());
             return Outputs({out});
         }},
        {"GetCL_HeatingEquipment",
         [](int32_t st, int32_t w, float c) {
             FloatHours out;
             GetCL_HeatingEquipment(1, 3000.0f, 0.8f, 0.7f, 0.6f, 0.5f, st, w, c, sched.data(), out.data());
             return Outputs({out});
         }},
        {"GetCL_ElectricEquipment",
         [](int32_t st, int32_t w, float c) {
             FloatHours out;
             GetCL_ElectricEquipment(2, 5000.0f, 0.6f, 0.8f, 0.85f, 1, st, w, c, sched.data(), out.data());
             return Outputs({out});
         }},
        {"GetCL_ElectronicEquipment",
         [](int32_t st, int32_t w, float c) {
             FloatHours out;
             GetCL_ElectronicEquipment(0, 2000.0f, 1.0f, 0.8f, 0.5f, st, w, c, sched.data(), out.data());
             return Outputs({out});
         }},
        {"GetCL_Addition_Food",
         [](int32_t st, int32_t w, float c) {
             FloatHours out;
             GetCL_Addition_Food(40, 0.9f, st, w, c, sched.data(), out.data());
             return Outputs({out});
         }},
        {"GetCL_Addition_Vapor_Precision",
         [](int32_t st, int32_t w, float c) {
             FloatHours out;
             GetCL_Addition_Vapor_Precision(12.0f, 40.0f, st, w, c, sched.data(), out.data(), 20.0f, 40.0f,
                                            101325.0f);
             return Outputs({out});
         }},
        {"GetDL_Addition_Vapor_Precision",
         [](int32_t, int32_t w, float c) {
             FloatHours out;
             GetDL_Addition_Vapor_Precision(12.0f, 40.0f, w, c, sched.data(), out.data(), 20.0f, 40.0f,
                                            101325.0f);
             return Outputs({out});
         }},
    };
}

} // namespace

TEST(InternalGains, WinterSwitchScalesEveryOutputByCoef)
{
    for (const SwitchCase& c : SwitchCases()) {
        for (int32_t steady : {0, 1}) {
            const std::vector<Hours> summer = c.run(steady, 0, 0.4f), winter = c.run(steady, 1, 0.4f),
                                     missingCoef = c.run(steady, 1, NAN);
            for (size_t k = 0; k < summer.size(); ++k) {
                for (int h = 0; h < 24; ++h) {
                    EXPECT_NEAR(winter[k][h], 0.4 * summer[k][h], 1e-4 * std::abs(summer[k][h]) + 1e-6)
                        << c.name;
                    // A missing factor leaves the gains as they are.
                    EXPECT_NEAR(missingCoef[k][h], summer[k][h], 1e-4 * std::abs(summer[k][h]) + 1e-6)
                        << c.name;
                }
            }
        }
    }
}

// Steady and room-response loads carry the same heat over the day; only the timing differs.
TEST(InternalGains, SteadyAndRtsGiveSameDailySum)
{
    for (const SwitchCase& c : SwitchCases()) {
        const std::vector<Hours> rts = c.run(0, 0, 1.0f), steady = c.run(1, 0, 1.0f);
        for (size_t k = 0; k < rts.size(); ++k)
            EXPECT_NEAR(Sum(rts[k]), Sum(steady[k]), 1e-5 * Sum(steady[k])) << c.name << " output " << k;
    }
    // And the room response does change the timing of a radiant gain.
    const std::vector<Hours> rts = SwitchCases()[0].run(0, 0, 1.0f),
                             steady = SwitchCases()[0].run(1, 0, 1.0f);
    EXPECT_GT(rts[1][21], 0.0);
    EXPECT_EQ(steady[1][21], 0.0);
}
