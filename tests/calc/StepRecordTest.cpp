#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"

#include <gtest/gtest.h>
#include <memory>

namespace {
using Step = CCalculate_Result_IsACLoadStepCalculation;

struct SplitCase
{
    float indoorSensible, outdoorSensible;
    float coolingSensible, heatingSensible;
};
} // namespace

TEST(StepRecord, SumLoadsSplitsEachPartByItsOwnSign)
{
    const SplitCase cases[] = {
        {300, 200, 500, 0},
        {-300, 200, 200, -300},
        {-300, -200, 0, -500},
        {0, 0, 0, 0},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.indoorSensible << " / " << c.outdoorSensible);
        auto day = std::make_unique<Step>();
        day->Hourly[20][9] = c.indoorSensible; // lighting: a sensible indoor component
        day->Hourly[13][9] = c.outdoorSensible;
        day->SumLoads();
        EXPECT_EQ(day->Hourly[15][9], c.indoorSensible);
        EXPECT_EQ(day->Hourly[1][9], c.coolingSensible);
        EXPECT_EQ(day->Hourly[3][9], c.heatingSensible);
        EXPECT_EQ(day->Hourly[11][9], c.indoorSensible + c.outdoorSensible);
    }
}

TEST(StepRecord, SumLoadsBuildsEnvelopeIndoorAndMoistureSums)
{
    auto day = std::make_unique<Step>();
    day->Hourly[45][14] = 100; // outside walls
    day->Hourly[34][14] = 50;  // outside windows
    day->Hourly[53][14] = -30; // basement walls
    day->Hourly[17][14] = 70;  // people, full
    day->Hourly[18][14] = 40;  // people, sensible
    day->Hourly[28][14] = 25;  // evaporation: full load only
    day->Hourly[19][14] = 11;  // people moisture
    day->Hourly[31][14] = 4;   // infiltration moisture
    day->Hourly[12][14] = -400;
    day->Hourly[48][14] = 999; // recomputed, not kept
    day->Hourly[0][14] = 999;
    day->SumLoads();
    EXPECT_EQ(day->Hourly[48][14], 120);
    EXPECT_EQ(day->Hourly[14][14], 215);
    EXPECT_EQ(day->Hourly[15][14], 160);
    EXPECT_EQ(day->Hourly[16][14], 15);
    EXPECT_EQ(day->Hourly[10][14], -185);
    EXPECT_EQ(day->Hourly[0][14], 215);
    EXPECT_EQ(day->Hourly[2][14], -400);
    EXPECT_EQ(day->Hourly[6][14], 215);
    EXPECT_EQ(day->Hourly[8][14], 0);
    EXPECT_EQ(day->Hourly[5][14], 0);
    EXPECT_EQ(day->Hourly[4][14], -400);
}

TEST(StepRecord, HourOperations)
{
    auto day = std::make_unique<Step>();
    for (auto& array : day->Hourly)
        for (float& v : array)
            v = 2;
    day->ComputeTotals();

    day->ClearHour(7);
    EXPECT_EQ(day->Hourly[0][7], 0);
    EXPECT_EQ(day->Hourly[54][7], 0);
    EXPECT_EQ(day->Hourly[12][7], 2) << "outdoor air keeps the hour";
    EXPECT_EQ(day->Hourly[51][7], 2) << "outdoor airflow keeps the hour";
    EXPECT_EQ(day->Hourly[16][7], 2) << "moisture keeps the hour";
    EXPECT_EQ(day->Hourly[0][8], 2);
    ASSERT_NE(day->Totals, nullptr);
    for (float field : day->Totals->Value)
        EXPECT_EQ(field, 0) << "every totals field is zeroed";

    day->ApplyHourFactor(8, 1);
    EXPECT_EQ(day->Hourly[3][8], 2);
    day->ApplyHourFactor(8, 0);
    for (const auto& array : day->Hourly)
        EXPECT_EQ(array[8], 0);
    EXPECT_EQ(day->Hourly[3][9], 2);

    auto source = std::make_unique<Step>();
    source->Hourly[51][8] = 77;
    day->CopyHour(*source, 8);
    EXPECT_EQ(day->Hourly[51][8], 77);
    EXPECT_EQ(day->Hourly[0][8], 0);

    // Hours outside the day are ignored rather than written past the array.
    day->ClearHour(24);
    day->ApplyHourFactor(-1, 0);
    day->CopyHour(*source, 24);
    EXPECT_EQ(day->Hourly[1][0], 2);
}
