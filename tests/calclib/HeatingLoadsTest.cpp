// Heating loads of envelope elements and other loads (GB 50736-2012 steady method).
#include "calclib/dizedozev.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

using FloatHours = std::array<float, 24>;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kSentinel = 12345.0f;

// Beijing (GB 50736-2012 Appendix A): heating design −7.6 ℃, winter mean wind 2.6 m/s; room 18 ℃.
constexpr float kTn = 18.0f;
constexpr float kTwn = -7.6f;
constexpr double kDeltaT = 18.0 - (-7.6); // 25.6 K
constexpr float kWind = 2.6f;

// Orientation coefficients (percent, within the GB ranges): N +10, E −5, SE −15, S −25.
constexpr float kCoefN = 10.0f, kCoefE = -5.0f, kCoefSE = -15.0f, kCoefS = -25.0f;

FloatHours Constant(float v)
{
    FloatHours a;
    a.fill(v);
    return a;
}

FloatHours Flat(float t)
{
    return Constant(t);
}

// DetailRates and DetailBlocks as the room calculation holds them: rates[0] is the intermittent
// rate passed in, the rest and every block start as NaN; rows 4 to 7 belong to the caller.
struct Detail
{
    float rates[7];
    float blocks[8][24];

    explicit Detail(float intermittent = 0.0f)
    {
        for (float& r : rates)
            r = kNaN;
        rates[0] = intermittent;
        rates[6] = kSentinel;
        for (int row = 0; row < 8; ++row)
            for (float& v : blocks[row])
                v = row < 4 ? kNaN : kSentinel;
    }
};

#define TAIL(d)                                                                                              \
    (d).rates[0], &(d).rates[1], &(d).rates[2], (d).blocks[0], &(d).rates[3], &(d).rates[4], &(d).rates[5],  \
        (d).blocks[1], (d).blocks[2], (d).blocks[3]

void ExpectWithin(double actual, double expected, double relative, const std::string& what)
{
    EXPECT_NEAR(actual, expected, relative * std::abs(expected) + 1e-9) << what;
}

// An outside window with everything but the named fields at neutral values; infiltration by the
// crack method with the inputs of the south-window hand calculation below.
struct Opening
{
    int32_t direction = 1;
    float area = 5.4f;
    float k = 2.8f;
    float height = 3.0f;
    float elevation = 3.0f;
    float windSpeed = kWind;
    int32_t isColdAir = 0;
    int32_t doorType = 0;
    int32_t storeys = 6;
    float windPlus = 5.0f;
    float exponent = 0.67f;
    float orientationFactor = 1.0f;
    float customPressure = 0.0f;
    float windPressure = 0.7f;
    int32_t simplified = 0;
    int32_t estimation = 0;
    int32_t wallsWithWindows = 2;
    float roomArea = 20.0f;
    float buildingHeight = 18.0f;
    float crackLength = 13.2f;
    int32_t grade = 2;
    int32_t partition = 0;
    float shaftTemp = 10.0f;

    FloatHours infiltration = Constant(kNaN);
    FloatHours total = Constant(kNaN);

    void Run(const FloatHours& profile, Detail& d)
    {
        const FloatHours wall = Constant(-999.0f);
        GetHL_OutWindow_Angle_v2012(direction, area, k, kTn, profile.data(), 0, height, 0.0f, elevation,
                                    windSpeed, isColdAir, doorType, storeys, kCoefN, kCoefE, kCoefSE, kCoefS,
                                    windPlus, exponent, orientationFactor, customPressure, windPressure,
                                    simplified, estimation, wallsWithWindows, roomArea, wall.data(),
                                    buildingHeight, crackLength, grade, partition, shaftTemp, 39.8f, 33.5f,
                                    infiltration.data(), total.data(), 0.0, -1.0, TAIL(d));
    }
};

// GB 50736-2012 Appendix F, written as the standard writes it (L0, m and C apart):
//   ρ = 353/(273.15 + t_w); L0 = α1·(ρ·v0²/2)^b; C_h = 0.3·h^0.4;
//   C = 70·(h_z − h)/(ΔC_f·v0²·h^0.4)·(t'_n − t_w)/(273 + t'_n); m = C_r·ΔC_f·(n^{1/b} + C)·C_h;
//   L = L0·l·m^b; Q = 0.28·c_p·ρ·L·(t_n − t_w), c_p = 1.
double AppendixFHeat(double alpha1, double b, double v0, double l, double n, double dcf, double cr, double h,
                     double hz, double tShaft, bool stack)
{
    const double rho = 353.0 / (273.15 + kTwn);
    const double l0 = alpha1 * std::pow(rho * v0 * v0 / 2.0, b);
    const double ch = 0.3 * std::pow(h, 0.4);
    const double c =
        stack ? 70.0 * (hz - h) / (dcf * v0 * v0 * std::pow(h, 0.4)) * (tShaft - kTwn) / (273.0 + tShaft)
              : 0.0;
    const double m = cr * dcf * (std::pow(n, 1.0 / b) + c) * ch;
    const double L = m > 0.0 ? l0 * l * std::pow(m, b) : 0.0;
    return 0.28 * 1.0 * rho * L * kDeltaT;
}

class HeatingLoads : public ::testing::Test
{
protected:
    void SetUp() override { ResetDesignContext(); }
    void TearDown() override { ResetDesignContext(); }
};

} // namespace

// North outside wall, Beijing, 20 m², K 0.60, orientation +10 %, wind +5 %, room 3 m high,
// intermittent addition 20 %, outdoor profile from GetTWN (flat at t_wn by default):
//   Q1 = −1.0 × 0.60 × 20 × (18 + 7.6) = −307.20 W
//   Q  = −307.20 × (1 + 0.10 + 0.05 + 0) × (1 + 0) × (1 + 0.20) = −423.94 W
//   blocks: Q1 −307.20, Q1·x_ch −30.72, Q1·x_f −15.36, rest −423.94 + 353.28 = −70.66
TEST_F(HeatingLoads, NorthOutsideWallMatchesGbHandCalculation)
{
    FloatHours profile = Constant(kNaN), out = Constant(kNaN);
    GetTWN(8.8f, kTwn, profile.data());
    Detail d(20.0f);
    GetHL_OutWall_Angle_v2012(5, 20.0f, 0.60f, kTn, profile.data(), 0, 3.0f, 0.0f, kCoefN, kCoefE, kCoefSE,
                              kCoefS, 5.0f, 6.0f, kWind, out.data(), 0.0, TAIL(d));
    for (int h = 0; h < 24; ++h) {
        ExpectWithin(out[h], -423.94, 0.005, "hour " + std::to_string(h));
        ExpectWithin(d.blocks[0][h], -307.20, 0.005, "Q1");
        ExpectWithin(d.blocks[1][h], -30.72, 0.005, "Q2 orientation");
        ExpectWithin(d.blocks[2][h], -15.36, 0.005, "Q3 wind");
        ExpectWithin(d.blocks[3][h], -70.66, 0.005, "Q4 other additions");
    }
    EXPECT_FLOAT_EQ(d.rates[1], 0.60f); // K
    EXPECT_FLOAT_EQ(d.rates[2], 1.0f);  // α
    EXPECT_FLOAT_EQ(d.rates[3], 0.10f); // Xch
    EXPECT_FLOAT_EQ(d.rates[4], 0.05f); // Xf
    EXPECT_FLOAT_EQ(d.rates[5], 0.0f);  // Xm
}

// South window, two of 1.8 m × 1.5 m (5.4 m², crack length 2 × 6.6 = 13.2 m, grade III α1 = 0.5),
// K 2.8, orientation −25 %, wind +5 %, intermittent 20 %; second storey (elevation 3 m, room 3 m:
// h = 4.5 m), building 18 m high (h_z = 9 m), stair well 10 ℃, open plan (C_r 1.0), b 0.67, n 1,
// ΔC_f 0.7, v0 2.6 m/s:
//   transmission = −2.8 × 5.4 × 25.6 × (1 − 0.25 + 0.05) × 1.20 = −387.07 × 0.96 = −371.59 W
//   ρ = 353/265.55 = 1.32932 kg/m³; L0 = 0.5 × (1.32932 × 2.6²/2)^0.67 = 1.36828 m³/(m·h)
//   C_h = 0.3 × 4.5^0.4 = 0.54753; C = 70 × 4.5/(0.7 × 6.76 × 1.82509) × 17.6/283 = 2.26833
//   m = 1.0 × 0.7 × (1 + 2.26833) × 0.54753 = 1.25265; L = 1.36828 × 13.2 × 1.25265^0.67 = 21.004 m³/h
//   infiltration = −0.28 × 1.0 × 1.32932 × 21.004 × 25.6 = −200.13 W (no intermittent addition)
//   total = −371.59 − 200.13 = −571.72 W
TEST_F(HeatingLoads, SouthWindowWithCrackInfiltrationMatchesHandCalculation)
{
    const FloatHours profile = Flat(kTwn);
    Opening w;
    Detail d(20.0f);
    w.Run(profile, d);
    const double formula = -AppendixFHeat(0.5, 0.67, 2.6, 13.2, 1.0, 0.7, 1.0, 4.5, 9.0, 10.0, true);
    ExpectWithin(formula, -200.13, 0.001, "Appendix F written out");
    for (int h = 0; h < 24; ++h) {
        ExpectWithin(w.infiltration[h], -200.13, 0.005, "infiltration hour " + std::to_string(h));
        ExpectWithin(w.total[h], -571.72, 0.005, "total hour " + std::to_string(h));
        const double blocks = d.blocks[0][h] + d.blocks[1][h] + d.blocks[2][h] + d.blocks[3][h];
        ExpectWithin(blocks, w.total[h] - w.infiltration[h], 1e-5, "blocks = transmission");
    }
    ExpectWithin(d.blocks[0][0], -387.07, 0.005, "Q1");
    EXPECT_FLOAT_EQ(d.rates[3], -0.25f);
    EXPECT_FLOAT_EQ(d.rates[4], 0.05f);
}

// East outside door 1.0 m × 2.1 m, K 2.5, single door (一道门) of a six-storey building that lets cold
// air in: x_m = 0.65 × 6 = 3.90; orientation −5 %, wind +5 %, intermittent 20 %, no crack:
//   Q1 = −2.5 × 2.1 × 25.6 = −134.40 W
//   Q  = −134.40 × (1 − 0.05 + 0.05 + 3.90) × 1.20 = −790.27 W
TEST_F(HeatingLoads, OutsideDoorAdditionMatchesHandCalculation)
{
    Opening door;
    door.direction = 7;
    door.area = 2.1f;
    door.k = 2.5f;
    door.isColdAir = 1;
    door.doorType = 0;
    door.crackLength = 0.0f;
    Detail d(20.0f);
    door.Run(Flat(kTwn), d);
    for (int h = 0; h < 24; ++h) {
        ExpectWithin(door.total[h], -790.27, 0.005, "hour " + std::to_string(h));
        EXPECT_EQ(door.infiltration[h], 0.0f);
    }
    ExpectWithin(d.blocks[0][0], -134.40, 0.005, "Q1");
    EXPECT_FLOAT_EQ(d.rates[5], 3.90f);
    EXPECT_FLOAT_EQ(d.rates[3], -0.05f);
}

TEST_F(HeatingLoads, DoorAdditionByDoorKindAndColdAirSwitch)
{
    struct Case
    {
        int32_t isColdAir, doorType, storeys;
        float expected;
    } cases[] = {
        {1, 0, 3, 0.65f * 3}, {1, 1, 3, 0.80f * 3}, {1, 2, 3, 0.60f * 3}, {1, 3, 3, 5.00f},
        {1, 0, 0, 0.65f},     {0, 3, 3, 0.0f},      {1, 9, 2, 0.65f * 2},
    };
    for (const Case& c : cases) {
        Opening door;
        door.isColdAir = c.isColdAir;
        door.doorType = c.doorType;
        door.storeys = c.storeys;
        Detail d;
        door.Run(Flat(kTwn), d);
        EXPECT_FLOAT_EQ(d.rates[5], c.expected) << "isColdAir " << c.isColdAir << " type " << c.doorType;
    }
}

namespace {

// Every envelope function over one profile, all outputs NaN-prefilled; returns the transmission
// part (total − infiltration for openings) and leaves the detail outputs in d.
struct EnvelopeCase
{
    const char* name;
    std::function<FloatHours(float area, const FloatHours& profile, Detail& d)> run;
};

std::vector<EnvelopeCase> EnvelopeCases()
{
    // Room 6 m high (height addition 4 %) so that block 3 carries more than the intermittent rate.
    constexpr float H = 6.0f;
    return {
        {"OutWall",
         [](float a, const FloatHours& p, Detail& d) {
             FloatHours out = Constant(kNaN);
             GetHL_OutWall_Angle_v2012(2, a, 0.6f, kTn, p.data(), 0, H, 0.0f, kCoefN, kCoefE, kCoefSE, kCoefS,
                                       5.0f, 0.0f, kWind, out.data(), 10.0, TAIL(d));
             return out;
         }},
        {"OutWindow",
         [](float a, const FloatHours& p, Detail& d) {
             Opening w;
             w.area = a;
             w.crackLength = a;
             w.height = H;
             w.isColdAir = 1;
             w.Run(p, d);
             FloatHours tr;
             for (int h = 0; h < 24; ++h)
                 tr[h] = w.total[h] - w.infiltration[h];
             return tr;
         }},
        {"IndoorWindow",
         [](float a, const FloatHours& p, Detail& d) {
             FloatHours out = Constant(kNaN);
             GetHL_IndoorWindow_v2012(a, 2.5f, kTn, p.data(), 6, 1, 0.0f, 0, H, 0.0f, out.data(), 0.0f,
                                      TAIL(d));
             return out;
         }},
        {"IndoorWall",
         [](float a, const FloatHours& p, Detail& d) {
             FloatHours out = Constant(kNaN);
             GetHL_IndoorWall_v2012(a, 1.5f, kTn, p.data(), 6, 0, 0.0f, 0, H, 0.0f, out.data(), 0.0f,
                                    TAIL(d));
             return out;
         }},
        {"Ceiling",
         [](float a, const FloatHours& p, Detail& d) {
             FloatHours out = Constant(kNaN);
             GetHL_Ceiling_v2012(a, 1.2f, kTn, p.data(), 0, 0.0f, 0, H, 0.0f, out.data(), 0.0f, TAIL(d));
             return out;
         }},
        {"Floor",
         [](float a, const FloatHours& p, Detail& d) {
             FloatHours out = Constant(kNaN);
             GetHL_Floor_v2012(a, 1.2f, kTn, p.data(), 1, 0.0f, 0, H, 0.0f, out.data(), 0.0f, TAIL(d));
             return out;
         }},
        {"Skylight",
         [](float a, const FloatHours& p, Detail& d) {
             FloatHours out = Constant(kNaN);
             GetHL_Skylight_Angle_v2012(a, 3.0f, kTn, p.data(), 1, 10.0f, 0, H, 0.0f, 0.0f, kWind, out.data(),
                                        0.0, TAIL(d));
             return out;
         }},
        {"Roof",
         [](float a, const FloatHours& p, Detail& d) {
             FloatHours out = Constant(kNaN);
             GetHL_Roof_Angle_v2012(a, 0.45f, 1, 10.0f, kTn, p.data(), 0, H, 0.0f, 0.0f, kWind, out.data(),
                                    0.0, TAIL(d));
             return out;
         }},
        {"BlindStory",
         [](float a, const FloatHours& p, Detail& d) {
             FloatHours out = Constant(kNaN);
             GetHL_BlindStory_v2012(a, 0.8f, kTn, p.data(), 0, H, 0.0f, 0.0f, kWind, out.data(), TAIL(d));
             return out;
         }},
        {"Ground",
         [](float a, const FloatHours& p, Detail& d) {
             FloatHours out = Constant(kNaN);
             GetHL_Ground_v2012(a, 0.47f, kTn, p.data(), 0, H, 0.0f, out.data(), TAIL(d));
             return out;
         }},
        {"BasementWall",
         [](float a, const FloatHours& p, Detail& d) {
             FloatHours out = Constant(kNaN);
             GetHL_BasementWall_v2012(a, 0.5f, kTn, p.data(), 0, H, 0.0f, out.data(), TAIL(d));
             return out;
         }},
        {"OutFloor",
         [](float a, const FloatHours& p, Detail& d) {
             FloatHours out = Constant(kNaN);
             GetHL_OutFloor_v2012(a, 0.5f, kTn, p.data(), 0, H, 0.0f, 0.0f, kWind, out.data(), TAIL(d));
             return out;
         }},
        {"FengWall",
         [](float a, const FloatHours& p, Detail& d) {
             FloatHours out = Constant(kNaN);
             GetHL_FengWall_v2012(a, 1.5f, kTn, p.data(), 0, H, 0.0f, out.data(), 2, TAIL(d));
             return out;
         }},
    };
}

// A swinging design day below the room temperature: losses at every hour.
FloatHours ColdDay()
{
    FloatHours p;
    for (int h = 0; h < 24; ++h)
        p[h] = static_cast<float>(-7.6 + 4.0 * std::sin(h * 3.14159265 / 12.0));
    return p;
}

} // namespace

TEST_F(HeatingLoads, EveryEnvelopeCallWritesItsDetailsAndBlocksSumToTheLoad)
{
    const FloatHours profile = ColdDay();
    for (const EnvelopeCase& c : EnvelopeCases()) {
        Detail d(20.0f);
        const FloatHours out = c.run(12.0f, profile, d);
        for (int r = 1; r <= 5; ++r)
            EXPECT_TRUE(std::isfinite(d.rates[r])) << c.name << " rate " << r;
        EXPECT_EQ(d.rates[0], 20.0f) << c.name;
        EXPECT_EQ(d.rates[6], kSentinel) << c.name;
        for (int h = 0; h < 24; ++h) {
            ASSERT_TRUE(std::isfinite(out[h])) << c.name << " hour " << h;
            EXPECT_LT(out[h], 0.0f) << c.name << " a colder outdoor side is a loss, hour " << h;
            double sum = 0.0;
            for (int row = 0; row < 4; ++row) {
                ASSERT_TRUE(std::isfinite(d.blocks[row][h])) << c.name << " row " << row;
                sum += d.blocks[row][h];
            }
            EXPECT_NEAR(sum, out[h], 1e-4 * std::abs(out[h])) << c.name << " hour " << h;
            // The height (4 %) and intermittent (20 %) additions are in block 3 of every element.
            EXPECT_LT(d.blocks[3][h], 0.0f) << c.name;
            for (int row = 4; row < 8; ++row)
                EXPECT_EQ(d.blocks[row][h], kSentinel)
                    << c.name << " row " << row << " belongs to the caller";
        }
    }
}

TEST_F(HeatingLoads, NoAreaGivesZeroLoadAndBadInputStaysDefined)
{
    const FloatHours profile = ColdDay();
    for (const EnvelopeCase& c : EnvelopeCases()) {
        for (float area : {0.0f, -5.0f, kNaN}) {
            Detail d;
            const FloatHours out = c.run(area, profile, d);
            for (int h = 0; h < 24; ++h) {
                EXPECT_EQ(out[h], 0.0f) << c.name << " area " << area;
                for (int row = 0; row < 4; ++row)
                    EXPECT_EQ(d.blocks[row][h], 0.0f) << c.name;
            }
        }
        // A NaN in the outdoor profile counts as 0 ℃, and an absurd temperature stays finite.
        FloatHours holes = profile;
        holes[7] = kNaN;
        holes[8] = 1e30f;
        Detail d;
        const FloatHours out = c.run(10.0f, holes, d);
        EXPECT_TRUE(std::isfinite(out[7])) << c.name;
        EXPECT_TRUE(std::isfinite(out[8])) << c.name;
    }
}

// Warmer outdoor air (a summer month of the monthly heating type) gives gains, not losses.
TEST_F(HeatingLoads, OutdoorWarmerThanRoomGivesGains)
{
    for (const EnvelopeCase& c : EnvelopeCases()) {
        Detail d;
        const FloatHours out = c.run(10.0f, Flat(28.0f), d);
        EXPECT_GT(out[12], 0.0f) << c.name;
    }
}

// α of GB 50736-2012 and the far-side temperature by adjacency code: K 2.0, A 10 m², room 18 ℃,
// outdoor −7.6 ℃, no additions: Q1 = −α·20·25.6 = −512·α for unheated neighbours.
TEST_F(HeatingLoads, TemperatureDifferenceCorrectionByAdjacency)
{
    enum Kind
    {
        Wall,
        Window,
        Ceiling,
        Floor
    };
    struct Case
    {
        Kind kind;
        int32_t status;
        int32_t storeys;
        float adjacentTemp;
        float value; // the difference as the caller passes it
        float alpha;
        double q1;
    } cases[] = {
        {Wall, 0, 6, 0, 0, 0.60f, -512 * 0.60},    // unheated stair well, up to 6 storeys
        {Wall, 0, 7, 0, 0, 0.50f, -512 * 0.50},    // 7 storeys and more
        {Wall, 1, 6, 0, 0, 0.70f, -512 * 0.70},    // unheated room with outside openings
        {Wall, 2, 6, 0, 0, 0.40f, -512 * 0.40},    // without
        {Wall, 3, 6, 14.0f, 0, 1.0f, -20 * 4.0},   // heated neighbour at 14 ℃
        {Wall, 4, 6, 0, 5.0f, 1.0f, -20 * 5.0},    // this − neighbour = 5 K: a loss
        {Window, 0, 3, 0, 0, 0.60f, -512 * 0.60},  // openings follow their wall's code
        {Window, 4, 6, 0, -5.0f, 1.0f, -20 * 5.0}, // neighbour − this = −5 K: the same loss
        {Ceiling, 0, 0, 0, 0, 0.70f, -512 * 0.70},  {Ceiling, 1, 0, 0, 0, 0.40f, -512 * 0.40},
        {Ceiling, 2, 0, 16.0f, 0, 1.0f, -20 * 2.0}, {Ceiling, 3, 0, 0, -5.0f, 1.0f, -20 * 5.0},
        {Floor, 0, 0, 0, 0, 0.90f, -512 * 0.90},    {Floor, 1, 0, 0, 0, 0.75f, -512 * 0.75},
        {Floor, 2, 0, 0, 0, 0.60f, -512 * 0.60},    {Floor, 3, 0, 0, 0, 0.40f, -512 * 0.40},
        {Floor, 4, 0, 0, 0, 0.70f, -512 * 0.70},    {Floor, 5, 0, 0, 0, 0.40f, -512 * 0.40},
        {Floor, 6, 0, 20.0f, 0, 1.0f, 20 * 2.0}, // a warmer heated room below gives heat
        {Floor, 7, 0, 0, 3.0f, 1.0f, 20 * 3.0},  // neighbour 3 K warmer
    };
    const FloatHours profile = Flat(kTwn);
    for (const Case& c : cases) {
        FloatHours out = Constant(kNaN);
        Detail d;
        switch (c.kind) {
        case Wall:
            GetHL_IndoorWall_v2012(10.0f, 2.0f, kTn, profile.data(), c.storeys, c.status, c.adjacentTemp, 0,
                                   3.0f, 0.0f, out.data(), c.value, TAIL(d));
            break;
        case Window:
            GetHL_IndoorWindow_v2012(10.0f, 2.0f, kTn, profile.data(), c.storeys, c.status, c.adjacentTemp, 0,
                                     3.0f, 0.0f, out.data(), c.value, TAIL(d));
            break;
        case Ceiling:
            GetHL_Ceiling_v2012(10.0f, 2.0f, kTn, profile.data(), c.status, c.adjacentTemp, 0, 3.0f, 0.0f,
                                out.data(), c.value, TAIL(d));
            break;
        case Floor:
            GetHL_Floor_v2012(10.0f, 2.0f, kTn, profile.data(), c.status, c.adjacentTemp, 0, 3.0f, 0.0f,
                              out.data(), c.value, TAIL(d));
            break;
        }
        const std::string what = "kind " + std::to_string(c.kind) + " status " + std::to_string(c.status);
        EXPECT_FLOAT_EQ(d.rates[2], c.alpha) << what;
        ExpectWithin(out[5], c.q1, 1e-5, what);
        EXPECT_EQ(d.rates[3], 0.0f) << what << ": no orientation correction inside";
    }
}

TEST_F(HeatingLoads, EqualTemperaturesAcrossAnInsideWallGiveNothing)
{
    FloatHours out = Constant(kNaN);
    Detail d;
    GetHL_IndoorWall_v2012(12.0f, 1.5f, kTn, Flat(kTwn).data(), 6, 3, kTn, 0, 3.0f, 0.0f, out.data(), 0.0f,
                           TAIL(d));
    for (float v : out)
        EXPECT_EQ(v, 0.0f);
}

// Gap walls and attics by their own α; roofs, skylights, ground and floors over outdoor air by 1.
TEST_F(HeatingLoads, FixedCorrectionsOfGapWallsAndAttics)
{
    const FloatHours profile = Flat(kTwn);
    struct Case
    {
        int32_t type;
        float alpha;
    } gaps[] = {{0, 0.30f}, {1, 0.30f}, {2, 0.70f}};
    for (const Case& c : gaps) {
        FloatHours out = Constant(kNaN);
        Detail d;
        GetHL_FengWall_v2012(10.0f, 2.0f, kTn, profile.data(), 0, 3.0f, 0.0f, out.data(), c.type, TAIL(d));
        EXPECT_FLOAT_EQ(d.rates[2], c.alpha) << "gap wall type " << c.type;
        ExpectWithin(out[0], -512.0 * c.alpha, 1e-5, "gap wall");
    }
    FloatHours out = Constant(kNaN);
    Detail d;
    GetHL_BlindStory_v2012(10.0f, 2.0f, kTn, profile.data(), 0, 3.0f, 0.0f, 0.0f, kWind, out.data(), TAIL(d));
    EXPECT_FLOAT_EQ(d.rates[2], 0.90f);
    ExpectWithin(out[0], -512.0 * 0.90, 1e-5, "attic");
    GetHL_OutFloor_v2012(10.0f, 2.0f, kTn, profile.data(), 0, 3.0f, 0.0f, 0.0f, kWind, out.data(), TAIL(d));
    EXPECT_FLOAT_EQ(d.rates[2], 1.0f);
    ExpectWithin(out[0], -512.0, 1e-5, "floor over outdoor air");
}

// Orientation correction read from the four coefficients: compass points and linear in between.
TEST_F(HeatingLoads, OrientationCorrectionBySurfaceAzimuth)
{
    struct Case
    {
        int32_t direction;
        double angle;
        float expected;
    } cases[] = {
        {5, 0.0, 0.10f},                 // N
        {6, 0.0, 0.10f},                 // NE
        {4, 0.0, 0.10f},                 // NW
        {7, 0.0, -0.05f},                // E
        {3, 0.0, -0.05f},                // W
        {8, 0.0, -0.15f},                // SE
        {2, 0.0, -0.15f},                // SW
        {1, 0.0, -0.25f},                // S
        {1, 22.5, (-0.25f - 0.15f) / 2}, // halfway S → SW
        {6, 22.5, (0.10f - 0.05f) / 2},  // halfway NE → E
        {4, 45.0, 0.10f},                // NW + 45° = N
        {0, 0.0, 0.0f},                  // horizontal
        {12, 0.0, 0.0f},                 // unknown code
    };
    for (const Case& c : cases) {
        FloatHours out = Constant(kNaN);
        Detail d;
        GetHL_OutWall_Angle_v2012(c.direction, 10.0f, 1.0f, kTn, Flat(kTwn).data(), 0, 3.0f, 0.0f, kCoefN,
                                  kCoefE, kCoefSE, kCoefS, 0.0f, 0.0f, kWind, out.data(), c.angle, TAIL(d));
        EXPECT_NEAR(d.rates[3], c.expected, 1e-6) << "direction " << c.direction << " + " << c.angle;
        ExpectWithin(out[0], -256.0 * (1.0 + c.expected), 1e-5, "wall load");
    }
}

// Height addition of civil rooms (2 %/m above 4 m, ≤ 15 %) and the GB 50019 temperatures of
// industrial rooms (gradient 0.5 K/m, 8 m: t_d = 18 + 0.5 × 6 = 21 ℃, t_np = 19.5 ℃, t_g = 18 ℃).
TEST_F(HeatingLoads, HeightAdditionAndIndustrialTemperatures)
{
    const FloatHours profile = Flat(kTwn);
    struct Case
    {
        int32_t industry;
        float height;
        double wall, roof, ground; // expected loads of 1 m², K 1
    } cases[] = {
        {0, 4.0f, -25.6, -25.6, -25.6},
        {0, 6.0f, -25.6 * 1.04, -25.6 * 1.04, -25.6 * 1.04},
        {0, 12.0f, -25.6 * 1.15, -25.6 * 1.15, -25.6 * 1.15},
        {1, 8.0f, -(19.5 + 7.6), -(21.0 + 7.6), -(18.0 + 7.6)},
        {1, 4.0f, -25.6, -25.6, -25.6},
    };
    for (const Case& c : cases) {
        FloatHours wall = Constant(kNaN), roof = Constant(kNaN), ground = Constant(kNaN);
        Detail d;
        GetHL_OutWall_Angle_v2012(5, 1.0f, 1.0f, kTn, profile.data(), c.industry, c.height, 0.5f, 0.0f, 0.0f,
                                  0.0f, 0.0f, 0.0f, 0.0f, kWind, wall.data(), 0.0, TAIL(d));
        GetHL_Roof_Angle_v2012(1.0f, 1.0f, 0, 0.0f, kTn, profile.data(), c.industry, c.height, 0.5f, 0.0f,
                               kWind, roof.data(), 0.0, TAIL(d));
        GetHL_Ground_v2012(1.0f, 1.0f, kTn, profile.data(), c.industry, c.height, 0.5f, ground.data(),
                           TAIL(d));
        const std::string what =
            "industry " + std::to_string(c.industry) + " height " + std::to_string(c.height);
        ExpectWithin(wall[0], c.wall, 1e-5, what + " wall");
        ExpectWithin(roof[0], c.roof, 1e-5, what + " roof");
        ExpectWithin(ground[0], c.ground, 1e-5, what + " ground");
    }
}

// Crack method variants against Appendix F as written in AppendixFHeat.
TEST_F(HeatingLoads, CrackInfiltrationVariants)
{
    const FloatHours profile = Flat(kTwn);
    struct Case
    {
        const char* name;
        std::function<void(Opening&)> set;
        double expected;
    } cases[] = {
        {"wind only (simplified)", [](Opening& w) { w.simplified = 1; },
         AppendixFHeat(0.5, 0.67, 2.6, 13.2, 1.0, 0.7, 1.0, 4.5, 9.0, 10.0, false)},
        {"grade V", [](Opening& w) { w.grade = 4; },
         AppendixFHeat(1.2, 0.67, 2.6, 13.2, 1.0, 0.7, 1.0, 4.5, 9.0, 10.0, true)},
        {"unknown grade counts as III", [](Opening& w) { w.grade = -1; },
         AppendixFHeat(0.5, 0.67, 2.6, 13.2, 1.0, 0.7, 1.0, 4.5, 9.0, 10.0, true)},
        {"inside doors, tight (C_r 0.7)", [](Opening& w) { w.partition = 2; },
         AppendixFHeat(0.5, 0.67, 2.6, 13.2, 1.0, 0.7, 0.7, 4.5, 9.0, 10.0, true)},
        {"custom C_r", [](Opening& w) { w.partition = 5, w.customPressure = 0.45f; },
         AppendixFHeat(0.5, 0.67, 2.6, 13.2, 1.0, 0.7, 0.45, 4.5, 9.0, 10.0, true)},
        {"orientation factor 0.4, b 0.56", [](Opening& w) { w.orientationFactor = 0.4f, w.exponent = 0.56f; },
         AppendixFHeat(0.5, 0.56, 2.6, 13.2, 0.4, 0.7, 1.0, 4.5, 9.0, 10.0, true)},
        {"sixth storey, just above the neutral plane",
         [](Opening& w) { w.elevation = 15.0f, w.buildingHeight = 30.0f; },
         AppendixFHeat(0.5, 0.67, 2.6, 13.2, 1.0, 0.7, 1.0, 16.5, 15.0, 10.0, true)},
        {"top floor on a calm day: the stack pushes air out",
         [](Opening& w) { w.elevation = 15.0f, w.windSpeed = 0.0f; }, 0.0},
    };
    for (const Case& c : cases) {
        Opening w;
        c.set(w);
        Detail d;
        w.Run(profile, d);
        EXPECT_NEAR(w.infiltration[0], -c.expected, 0.005 * std::abs(c.expected) + 1e-6) << c.name;
    }
    // On a calm day the stack alone drives air in below the neutral plane (limit of F.0.4 as v0 → 0:
    // L = α1·l·(ρ/2·C_r·C_h·70·(h_z − h)/h^0.4·(t'_n − t_w)/(273 + t'_n))^b).
    Opening calm;
    calm.windSpeed = 0.0f;
    Detail d;
    calm.Run(profile, d);
    const double rho = 353.0 / (273.15 + kTwn);
    const double stack = 0.3 * std::pow(4.5, 0.4) * 70.0 * 4.5 / std::pow(4.5, 0.4) * 17.6 / 283.0;
    const double L = 0.5 * 13.2 * std::pow(rho / 2.0 * stack, 0.67);
    ExpectWithin(calm.infiltration[0], -0.28 * rho * L * kDeltaT, 0.005, "stack only");
}

// Air-change method: room 20 m² × 3 m = 60 m³, two walls with windows → 1.0 h⁻¹ = 60 m³/h for the room,
// shared by opening area (5.4 of 10.8 m² → 30 m³/h) or, without the room's opening area, equally
// between the two walls. Q = 0.28 × 1.0 × ρ × L × 25.6.
TEST_F(HeatingLoads, AirChangeInfiltrationSharedAmongOpenings)
{
    const double rho = 353.0 / (273.15 + kTwn);
    const FloatHours profile = Flat(kTwn);
    struct Case
    {
        float openingArea;
        int32_t walls;
        double air;
    } cases[] = {
        {10.8f, 2, 30.0}, {21.6f, 2, 15.0}, {0.0f, 2, 30.0}, {5.4f, 1, 30.0},
        {0.0f, 3, 30.0},  {0.0f, 0, 30.0},  {2.0f, 2, 30.0}, // an opening area smaller than this window is
                                                             // stale: equal shares
    };
    for (const Case& c : cases) {
        SetRoomOpeningArea(c.openingArea);
        Opening w;
        w.estimation = 1;
        w.wallsWithWindows = c.walls;
        Detail d;
        w.Run(profile, d);
        ExpectWithin(w.infiltration[3], -0.28 * rho * c.air * kDeltaT, 1e-4,
                     "opening area " + std::to_string(c.openingArea) + " walls " + std::to_string(c.walls));
    }
}

TEST_F(HeatingLoads, OthersAreEmissionsLessConsumptions)
{
    const FloatHours one = Constant(1.0f);
    FloatHours half = Constant(1.0f);
    half[2] = 0.5f;
    FloatHours out = Constant(kNaN);
    GetHL_Others(1000.0f, one.data(), 200.0f, one.data(), 0.0f, one.data(), 100.0f, half.data(), 300.0f,
                 one.data(), 50.0f, half.data(), 0.0f, one.data(), 150.0f, one.data(), out.data());
    EXPECT_FLOAT_EQ(out[0], 300 + 50 + 150 - 1000 - 200 - 100);
    EXPECT_FLOAT_EQ(out[2], 300 + 25 + 150 - 1000 - 200 - 50);

    // Negative or missing values and missing schedules count as nothing.
    GetHL_Others(-1000.0f, one.data(), kNaN, one.data(), 500.0f, nullptr, 0.0f, one.data(), -300.0f,
                 one.data(), 0.0f, one.data(), 0.0f, one.data(), 40.0f, one.data(), out.data());
    for (float v : out)
        EXPECT_FLOAT_EQ(v, 40.0f);
}
