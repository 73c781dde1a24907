#include "calclib/Psychrometrics.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace calclib;

namespace {
constexpr double kAtm = 101325.0;
}

// ASHRAE Handbook Fundamentals 2017 ch. 1 Table 3 (saturation pressure over ice below 0 ℃).
TEST(Psychrometrics, SaturationPressureMatchesAshraeTable)
{
    struct Case
    {
        double t, pws;
    } cases[] = {{-20, 103.24}, {-5, 401.74}, {5, 872.6}, {25, 3169.7}, {50, 12351.3}, {100, 101418.0}};
    for (const Case& c : cases)
        EXPECT_NEAR(psy::SaturationPressure(c.t) / c.pws, 1.0, 3e-4) << c.t;
}

// ASHRAE Handbook Fundamentals 2017 ch. 1, Example 1: t = 40 ℃, t* = 20 ℃ at 101.325 kPa.
TEST(Psychrometrics, HandbookExampleOne)
{
    const double w = psy::HumidityRatioFromWetBulb(40.0, 20.0, kAtm);
    EXPECT_NEAR(w, 0.0065, 1e-4);
    EXPECT_NEAR(psy::RelativeHumidity(40.0, w, kAtm), 0.14, 0.005);
    EXPECT_NEAR(psy::Enthalpy(40.0, w), 56.7, 0.1);
    EXPECT_NEAR(psy::SpecificVolume(40.0, w, kAtm), 0.896, 0.001);
    EXPECT_NEAR(psy::DewPoint(psy::VapourPressure(w, kAtm)), 7.0, 0.5);
}

// Psychrometric test values of the SI test suite of PsychroLib (standard atmosphere at 500 m).
TEST(Psychrometrics, HumidityRatioFromWetBulbAboveAndBelowFreezing)
{
    EXPECT_NEAR(psy::HumidityRatioFromWetBulb(30.0, 25.0, 95461.0) / 0.0192281, 1.0, 3e-4);
    EXPECT_NEAR(psy::HumidityRatioFromWetBulb(-1.0, -5.0, 95461.0) / 0.00120400, 1.0, 3e-4);
}

TEST(Psychrometrics, WetBulbInvariants)
{
    for (double t : {-15.0, -2.0, 0.5, 12.0, 26.0, 35.0, 45.0}) {
        // Saturated air: the wet bulb equals the dry bulb.
        EXPECT_NEAR(psy::HumidityRatioFromWetBulb(t, t, kAtm), psy::SaturationHumidityRatio(t, kAtm), 1e-9)
            << t;
        for (double rh : {0.05, 0.4, 0.9}) {
            const double w = psy::HumidityRatioFromRh(t, rh, kAtm);
            const double twb = psy::WetBulb(t, w, kAtm);
            EXPECT_LE(twb, t + 1e-9);
            EXPECT_NEAR(psy::HumidityRatioFromWetBulb(t, twb, kAtm), w, 2e-6) << t << " " << rh;
        }
        // Supersaturated input is capped: the wet bulb never exceeds the dry bulb.
        EXPECT_LE(psy::WetBulb(t, 0.5, kAtm), t + 1e-9);
        EXPECT_DOUBLE_EQ(psy::HumidityRatioFromWetBulb(t, t + 5.0, kAtm),
                         psy::SaturationHumidityRatio(t, kAtm));
    }
}

TEST(Psychrometrics, CallerInputNormalisation)
{
    EXPECT_DOUBLE_EQ(psy::RhPercent(55.0), 55.0);
    EXPECT_DOUBLE_EQ(psy::RhPercent(0.55), 55.0); // a fraction passed by mistake
    EXPECT_DOUBLE_EQ(psy::RhPercent(130.0), 100.0);
    EXPECT_DOUBLE_EQ(psy::RhPercent(-3.0), 0.0);
    EXPECT_DOUBLE_EQ(psy::RhPercent(NAN), 0.0);
    EXPECT_DOUBLE_EQ(psy::PressurePa(1000.2), 100020.0); // hPa
    EXPECT_DOUBLE_EQ(psy::PressurePa(102170.0), 102170.0);
    EXPECT_DOUBLE_EQ(psy::PressurePa(0.0), kAtm);
    EXPECT_DOUBLE_EQ(psy::PressurePa(NAN), kAtm);
}

TEST(Psychrometrics, DensityOfStandardAir)
{
    // Dry air at 20 ℃ and 101325 Pa: p/(R·T) = 1.2041 kg/m³.
    EXPECT_NEAR(psy::Density(20.0, 0.0, kAtm), 101325.0 / (287.042 * 293.15), 1e-9);
    // Moist air is lighter than dry air at the same temperature and pressure.
    EXPECT_LT(psy::Density(20.0, 0.010, kAtm), psy::Density(20.0, 0.0, kAtm));
}
