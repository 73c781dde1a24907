#include "tests/calc/OfficeRoomFixture.h"

#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "calc/CCalculate_Result_IsACLoadIntelligentEstimation.h"
#include "calc/CCalculate_Result_IsACLoadItemizedEstimation.h"
#include "calc/CCalculate_Result_IsACLoadSimpleEstimation.h"
#include "calc/CDizedozevLibrary.h"
#include "climate/CLIB_WeatherData.h"
#include "model/CLighting.h"
#include "model/COutsideWall.h"
#include "model/COutsideWindow.h"
#include "model/CPeople.h"
#include "model/CRoof.h"
#include "model/CRoom.h"

#include <algorithm>

namespace {
class RoomLoadsEndToEndTest : public OfficeRoomFixture
{
};

TEST_F(RoomLoadsEndToEndTest, TheQuickEstimatesGiveTheIndexesTimesTheArea)
{
    SetDesignType(0);
    ASSERT_EQ(RunReal(), 3);
    const auto& simple = Total<CCalculate_Result_IsACLoadSimpleEstimation>();
    EXPECT_FLOAT_EQ(simple.Value[0], 2000); // 100 W/m² × 20 m²
    EXPECT_FLOAT_EQ(simple.Value[3], 1600); // 80 W/m² × 20 m²

    SetDesignType(1);
    ASSERT_EQ(RunReal(), 3);
    const auto& itemized = Total<CCalculate_Result_IsACLoadItemizedEstimation>();
    EXPECT_FLOAT_EQ(itemized.Value[0], 2000); // (40 + 30 + 20 + 10) × 20
    EXPECT_FLOAT_EQ(itemized.Value[4], 1600); // less the outdoor air, 20 × 20
}

TEST_F(RoomLoadsEndToEndTest, TheIntelligentEstimateAddsTheEnvelopeIndexToTheHourlyGains)
{
    SetDesignType(2);
    ASSERT_EQ(RunReal(), 3);
    const auto& h = Total<CCalculate_Result_IsACLoadIntelligentEstimation>().Hourly;
    // The envelope is its index, 40 W/m² × 20 m² at every hour; people, lamps and outdoor air come
    // on with the office day.
    for (int hour = 0; hour < 24; ++hour)
        EXPECT_FLOAT_EQ(h[48][hour], 800.0f) << hour;
    const float night = h[0][2];
    const float day = h[0][14];
    EXPECT_GE(night, 800.0f);
    EXPECT_GT(day, night + 1000.0f) << "outdoor air, people and lamps by day";
}

TEST_F(RoomLoadsEndToEndTest, TheDetailedCalculationAgreesWithAHandCalculation)
{
    SetDesignType(3);
    ASSERT_EQ(RunReal(), 3);
    const auto& h = Total<CCalculate_Result_IsACLoadCalculation>().Hourly;
    const float* total = h[0];
    const int peakHour = static_cast<int>(std::max_element(total, total + 24) - total);
    const float peak = total[peakHour];

    // Hand calculation of the summer design day, 21 July, 14:00 (the hour the hand calculation
    // peaks at), after GB 50736-2012 and the ASHRAE radiant time series (medium room).
    //
    // Outdoor air: Beijing 33.5 ℃ dry bulb / 26.4 ℃ wet bulb at 100020 Pa: W = 0.01914 kg/kg,
    //   h = 1.006·33.5 + 0.01914·(2501 + 1.86·33.5) = 82.77 kJ/kg. Room 26 ℃ / 60 %: p_w = 0.6·3362
    //   = 2017 Pa, W = 0.01281, h = 58.80 kJ/kg. Density at the outdoor state 1.123 kg/m³. Steady
    //   outdoor air holds the peak of 120 m³/h × 0.95 (the office day's fraction) at every hour of use:
    //   1.123 · 114 · (82.77 − 58.80) / 3.6 = 853 W.
    const double outdoorAir = 853;
    // People: 4 persons doing very light work at 26 ℃: 60.5 W sensible, 73.5 W latent each.
    //   Latent, immediate: 4 · 73.5 · 0.95 = 279 W. Sensible 242 W × schedule, 40 % convective
    //   (0.4 · 242 · 0.95 = 92 W), 60 % radiant through the non-solar series of a medium room
    //   (33 16 10 7 5 4 3 3 2 2 2 2 1 ... %) over the schedule of hours 14, 13, ... back:
    //   Σ r_j·s(14 − j) = .33·.95 + .16·.95 + .10·.95 + .07·.80 + .05·.80 + .04·.95 + .03·.95
    //   + .03·.95 + .02·.50 + .02·.10 + .01·.30 + .01·.30 = 0.770; 0.6 · 242 · 0.770 = 112 W.
    //   People: 279 + 92 + 112 = 483 W.
    const double people = 483;
    // Lamps: 200 W fluorescent, ballast outside, × 0.95; 46 % convective (87 W), 54 % radiant:
    //   0.54 · 200 · 0.770 = 83 W. Lamps: 170 W.
    const double lamps = 170;
    // Window conduction: design day t(τ) = 29.6 + β_τ·7.5 (33.5 ℃ at 14:00); K·A·(t − 26) =
    //   3.0 · 3 · 7.5 = 67.5 W now, 46 % of it (and of the earlier hours') through the non-solar
    //   series: 0.54 · 67.5 + radiant 23 W = 60 W.
    const double windowConduction = 60;
    // Window solar: sun on 21 July at 39.8° N, 116.47° E, UTC+8: declination 20.6°, apparent solar
    //   time 13:40, altitude 61.4°, azimuth 235°. ASHRAE July clear sky: I_DN = 1085·e^(−0.207/sin β)
    //   = 857 W/m², sky diffuse 0.136·I_DN. South glass: cos θ = cos β·cos(A − 180°) = 0.273, beam
    //   234 W/m² × angular modifier 1 − ((1 − cos θ)/(1 + cos θ))² = 0.673; sky diffuse 58 and ground
    //   0.2·(I_DN·sin β + 117)/2 = 87 W/m², × 0.9. Gain 0.5 · 3 m² · (157 + 131) = 432 W at 14:00;
    //   348, 464, 522, 511 W from 10:00 to 13:00, 305 W at 15:00. Through the solar series
    //   (29 15 10 7 6 5 4 3 3 3 2 ... %) over the day's gains: 328 W.
    const double windowSolar = 328;
    // Wall: 12 − 3 = 9 m² net. Sol-air t + 0.70·I/19 over the day averages 34.2 ℃; with decrement
    //   0.2 and 8 h lag the wall sees 34.2 + 0.2·(t_z(6:00) − 34.2) = 34.2 + 0.2·(27.6 − 34.2) = 32.9 ℃:
    //   0.6 · 9 · 6.9 = 37 W.
    const double wall = 37;
    // Roof: 20 m², sol-air t + 0.70·I/19 − 3.9 averages 38.0 ℃; decrement 0.15 and 10 h lag put
    //   4:00's sol-air (26.2 − 3.9 = 22.3 ℃, before sunrise) on it:
    //   0.45 · 20 · (38.0 + 0.15·(22.3 − 38.0) − 26) = 87 W.
    const double roof = 87;
    const double hand = outdoorAir + people + lamps + windowConduction + windowSolar + wall + roof; // 2018 W
    EXPECT_NEAR(peak, hand, 0.10 * hand) << "peak at " << peakHour << ":00";

    // The day's shape: the peak falls in the afternoon, every night hour stays below every working
    // hour.
    EXPECT_GE(peakHour, 12);
    EXPECT_LE(peakHour, 17);
    const float nightMax = std::max(
        {total[0], total[1], total[2], total[3], total[4], total[20], total[21], total[22], total[23]});
    const float dayMin = *std::min_element(total + 9, total + 16);
    EXPECT_LT(nightMax, dayMin);

    // The components add up to the total at every hour: outdoor air and fan, and indoors the
    // envelope (wall, window, roof), people and lamps.
    for (int hour = 0; hour < 24; ++hour) {
        SCOPED_TRACE(hour);
        const float envelope = h[84][hour] + h[54][hour] + h[88][hour];
        EXPECT_NEAR(h[90][hour], envelope, 1e-3);
        EXPECT_NEAR(h[2][hour], envelope + h[20][hour] + h[26][hour], 1e-3);
        EXPECT_NEAR(total[hour], h[2][hour] + h[6][hour] + h[108][hour], 1e-3);
        EXPECT_NEAR(h[1][hour], h[3][hour] + h[7][hour] + h[108][hour], 1e-3);
        EXPECT_GT(h[84][hour], 0.0f);
        EXPECT_GT(h[88][hour], 0.0f);
    }
}
} // namespace
