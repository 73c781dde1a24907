// Values the calls of a run share: the table that keeps them, and the library functions that use
// it giving the results of a call computed alone.
#include "calclib/SharedValueTable.h"
#include "calclib/dizedozev.h"
#include "tests/calclib/HourlyCases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace calclib;
using namespace hourly;

FloatHours Ramp(float start, float step)
{
    FloatHours hours;
    for (int h = 0; h < 24; ++h)
        hours[h] = start + step * h;
    return hours;
}

// Global horizontal irradiance of a clear summer day, W/m².
FloatHours SunnyDay(float peak)
{
    FloatHours hours;
    for (int h = 0; h < 24; ++h)
        hours[h] = static_cast<float>(std::max(0.0, peak * std::sin(3.14159265358979 * (h - 5) / 14)));
    return hours;
}

using Key = SharedKey<16>;
using Table = SharedValueTable<Key, double, 8>; // four values before it starts empty

Key KeyOf(const float* hours)
{
    Key key;
    key.Add(hours, 24);
    key.Add(1.5);
    key.Add(7);
    return key;
}

class SharedValuesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetSharedValues(1);
        ResetDesignContext();
    }
    void TearDown() override
    {
        SetSharedValues(1);
        ResetDesignContext();
    }

    // The value of key, or -1 when the table did not have it (then it keeps `value`).
    double Take(const Key& key, double value)
    {
        bool found = false;
        double* slot = m_table.Take(key, found);
        if (!slot)
            return -2;
        if (found)
            return *slot;
        *slot = value;
        return -1;
    }

    Table m_table;
};

TEST_F(SharedValuesTest, AValueIsFoundAgainByTheExactBitsOfItsKeyAlone)
{
    FloatHours hours = Ramp(20.0f, 0.5f);
    EXPECT_EQ(Take(KeyOf(hours.data()), 3.0), -1);
    EXPECT_EQ(Take(KeyOf(hours.data()), 9.0), 3.0);

    FloatHours nextDoor = hours;
    nextDoor[17] = std::nextafter(nextDoor[17], 100.0f);
    EXPECT_EQ(Take(KeyOf(nextDoor.data()), 4.0), -1) << "one bit apart is another day";
    EXPECT_EQ(Take(KeyOf(hours.data()), 9.0), 3.0);

    // A missing array is the zeros the functions take it for.
    const FloatHours zeros = Constant(0.0f);
    EXPECT_EQ(Take(KeyOf(zeros.data()), 5.0), -1);
    EXPECT_EQ(Take(KeyOf(nullptr), 9.0), 5.0);
}

TEST_F(SharedValuesTest, ValuesAreForgottenWhenTheContextChangesAndWhenHalfTheSlotsAreTaken)
{
    const FloatHours hours = Ramp(20.0f, 0.5f);
    const Key key = KeyOf(hours.data());
    SetDesignContext(116.3f, 8.0f, 8.8f, 0.75f, 3, 99860.0f, 102040.0f);
    Take(key, 3.0);
    SetDesignContext(116.3f, 8.0f, 8.8f, 0.75f, 3, 99860.0f, 102040.0f);
    EXPECT_EQ(Take(key, 9.0), 3.0) << "the same context set again for the next room";
    SetDesignContext(116.3f, 8.0f, 8.8f, 0.70f, 3, 99860.0f, 102040.0f);
    EXPECT_EQ(Take(key, 4.0), -1) << "another clarity";
    ResetDesignContext();
    EXPECT_EQ(Take(key, 5.0), -1);
    SetSharedValues(1);
    EXPECT_EQ(Take(key, 6.0), -1) << "switching forgets too";

    // Four values fit; the fifth day starts the table empty.
    std::vector<FloatHours> days;
    for (int d = 0; d < 5; ++d)
        days.push_back(Constant(static_cast<float>(d)));
    for (int d = 0; d < 3; ++d)
        Take(KeyOf(days[static_cast<size_t>(d)].data()), d);
    EXPECT_EQ(Take(KeyOf(days[4].data()), 4.0), -1);
    EXPECT_EQ(Take(KeyOf(days[4].data()), 9.0), 4.0);
    EXPECT_EQ(Take(KeyOf(days[0].data()), 0.0), -1) << "gone with the table";
}

TEST_F(SharedValuesTest, SwitchedOffEveryCallComputesItsOwnValue)
{
    Table table;
    const FloatHours hours = Ramp(20.0f, 0.5f);
    int fills = 0;
    double scratch = 0;
    const auto take = [&]() -> const double& {
        return SharedValue(table, KeyOf(hours.data()), scratch, [&](double& v) { v = ++fills; });
    };
    EXPECT_EQ(take(), 1.0);
    EXPECT_EQ(take(), 1.0);
    SetSharedValues(0);
    EXPECT_EQ(take(), 2.0);
    EXPECT_EQ(take(), 3.0);
    EXPECT_EQ(&take(), &scratch);
}

// Library calls of one room and day, by name, with a size (area, K·A, gain, volume) and a day.
struct SCall
{
    const char* Name;
    std::function<void(float size, const float* dayHours, float* out)> Run;
};

TEST_F(SharedValuesTest, CallsGiveTheResultsOfACallComputedAlone)
{
    SetDesignContext(116.3f, 8.0f, 8.8f, 0.75f, 3, 99860.0f, 102040.0f);
    const FloatHours wb = Constant(24.0f);
    const FloatHours schedule = OfficeSchedule();
    const std::vector<SCall> calls = {
        {"sunlit wall",
         [](float a, const float*, float* out) {
             GetCL_OutEnclose_Wall_v2005_Angle(39.8f, 33.5f, -9.9f, 33.5f, 33.5f, 26, 26, 3, 1.5f, 0.35f,
                                               8.2f, a, 0, out, 3, 0, 2, 2, 7, 0, -0.05f, -0.1f, -0.15f,
                                               15.0);
         }},
        {"window in winter",
         [](float a, const float*, float* out) {
             GetCL_OutEnclose_Window_2014_Angle(39.8f, 33.5f, -9.9f, 2.0f, 2.0f, 26, 20, 1, 2.8f, a, 0, out,
                                                3, 0, 2, 2, 1, 5, 0.1f, -0.05f, -0.1f, -0.15f, 0.0);
         }},
        {"measured sun through a shaded window",
         [&](float a, const float* day, float* out) {
             GetCL_OutEnclose_Solar_Daily_Angle(39.8f, 116.3f, 33.5f, 1, 1, 2.8f, 0.6f, 3, 0, 0, a, 0, 0,
                                                1.0f, 7, 12, 3, 8.0f, 2.0f, 1.5f, 0.6f, 0.3f, 0.2f, 0.1f, 1,
                                                out, day, day, 10.0);
         }},
        {"lamps", [&](float w, const float*,
                      float* out) { GetCL_Light(2, 0, w, 0, 0, 0.9f, 0, 0, 1, 0.5f, schedule.data(), out); }},
        {"outdoor air",
         [&](float v, const float* day, float* out) {
             float volume[24], sensible[24], moisture[24];
             GetCL_FreshAir_D(v, 99860.0f, 26, 55, day, wb.data(), schedule.data(), volume, out, sensible,
                              moisture);
         }},
        {"infiltration moisture",
         [&](float area, const float* day, float* out) {
             float load[24], spare[24];
             GetCL_Addition_Infiltration_N(area, 3.0f, 99860.0f, 26, 55, day, wb.data(), 10, 1,
                                           schedule.data(), load, spare, 0.5f);
             GetDL_Addition_Infiltration(area, 3.0f, 99860.0f, 26, 55, day, wb.data(), 10, 1, schedule.data(),
                                         out);
         }},
        {"window losing heat and leaking cold air through its cracks",
         [](float crack, const float* day, float* out) {
             float rates[6] = {}, blocks[4][24] = {}, infiltration[24];
             FloatHours winter;
             for (int h = 0; h < 24; ++h)
                 winter[h] = day[h] / 10.0f - 12.0f;
             GetHL_OutWindow_Angle_v2012(5, 3.0f, 2.8f, 18, winter.data(), 0, 3.0f, 0, 12.0f, 3.5f, 0, 0, 6,
                                         10, -5, -10, -15, 10, 0.67f, 1.0f, 0, 0.7f, 0, 0, 1, 20, nullptr, 30,
                                         crack, 2, 1, 10, 39.8f, 33.5f, infiltration, out, 0.0, -1.0, 0,
                                         &rates[1], &rates[2], blocks[0], &rates[3], &rates[4], &rates[5],
                                         blocks[1], blocks[2], blocks[3]);
         }},
        {"outside wall losing heat, without the detail tail",
         [](float a, const float* day, float* out) {
             FloatHours winter;
             for (int h = 0; h < 24; ++h)
                 winter[h] = day[h] / 10.0f - 12.0f;
             GetHL_OutWall_Angle_v2012(3, a, 0.6f, 18, winter.data(), 0, 3.0f, 0, 10, -5, -10, -15, 10, 12.0f,
                                       3.5f, out, 0.0, 5, nullptr, nullptr, nullptr, nullptr, nullptr,
                                       nullptr, nullptr, nullptr, nullptr);
         }},
        {"window losing heat and leaking cold air, without the detail tail",
         [](float a, const float* day, float* out) {
             float infiltration[24];
             FloatHours winter;
             for (int h = 0; h < 24; ++h)
                 winter[h] = day[h] / 10.0f - 12.0f;
             GetHL_OutWindow_Angle_v2012(5, a, 2.8f, 18, winter.data(), 0, 3.0f, 0, 12.0f, 3.5f, 0, 0, 6, 10,
                                         -5, -10, -15, 10, 0.67f, 1.0f, 0, 0.7f, 0, 0, 1, 20, nullptr, 30,
                                         8.0f, 2, 1, 10, 39.8f, 33.5f, infiltration, out, 0.0, -1.0, 0,
                                         nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                         nullptr);
         }},
    };
    // Outdoor dry bulb and global horizontal irradiance alike: each call reads the one it needs.
    const FloatHours day = SunnyDay(30.0f);
    const FloatHours otherDay = SunnyDay(25.0f);
    for (const SCall& call : calls) {
        SCOPED_TRACE(call.Name);
        FloatHours alone{}, first{}, again{};
        SetSharedValues(0);
        call.Run(12.0f, day.data(), alone.data());
        SetSharedValues(1);
        call.Run(12.0f, day.data(), first.data());
        FloatHours other{};
        call.Run(30.0f, otherDay.data(), other.data());
        call.Run(7.0f, day.data(), other.data()); // another room fills nothing new for the day
        call.Run(12.0f, day.data(), again.data());
        EXPECT_NE(alone, FloatHours{}) << "a day with a load";
        EXPECT_EQ(first, alone);
        EXPECT_EQ(again, alone);
    }
}

// The detail tail is asked for on the design day only; the loads of a day must not depend on it.
TEST_F(SharedValuesTest, HeatingLossesAreTheSameWithAndWithoutTheDetailTail)
{
    FloatHours winter;
    for (int h = 0; h < 24; ++h)
        winter[h] = -12.0f + 4.0f * std::sin(h / 3.8f);
    for (float area : {0.7f, 12.0f, 310.0f}) {
        SCOPED_TRACE(area);
        float rates[6] = {}, blocks[4][24] = {};
        FloatHours wallTail{}, wallPlain{}, windowTail{}, windowPlain{}, leakTail{}, leakPlain{};
        GetHL_OutWall_Angle_v2012(3, area, 0.6f, 18, winter.data(), 0, 3.0f, 0, 10, -5, -10, -15, 10, 12.0f, 3.5f,
                                  wallTail.data(), 0.0, 5, &rates[1], &rates[2], blocks[0], &rates[3], &rates[4],
                                  &rates[5], blocks[1], blocks[2], blocks[3]);
        GetHL_OutWall_Angle_v2012(3, area, 0.6f, 18, winter.data(), 0, 3.0f, 0, 10, -5, -10, -15, 10, 12.0f, 3.5f,
                                  wallPlain.data(), 0.0, 5, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                  nullptr, nullptr, nullptr);
        GetHL_OutWindow_Angle_v2012(5, area, 2.8f, 18, winter.data(), 0, 3.0f, 0, 12.0f, 3.5f, 0, 0, 6, 10, -5, -10,
                                    -15, 10, 0.67f, 1.0f, 0, 0.7f, 0, 0, 1, 20, nullptr, 30, 8.0f, 2, 1, 10, 39.8f,
                                    33.5f, leakTail.data(), windowTail.data(), 0.0, -1.0, 0, &rates[1], &rates[2],
                                    blocks[0], &rates[3], &rates[4], &rates[5], blocks[1], blocks[2], blocks[3]);
        GetHL_OutWindow_Angle_v2012(5, area, 2.8f, 18, winter.data(), 0, 3.0f, 0, 12.0f, 3.5f, 0, 0, 6, 10, -5, -10,
                                    -15, 10, 0.67f, 1.0f, 0, 0.7f, 0, 0, 1, 20, nullptr, 30, 8.0f, 2, 1, 10, 39.8f,
                                    33.5f, leakPlain.data(), windowPlain.data(), 0.0, -1.0, 0, nullptr, nullptr,
                                    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
        for (int h = 0; h < 24; ++h) {
            EXPECT_LT(wallTail[h], 0.0f);
            EXPECT_NEAR(wallPlain[h], wallTail[h], 1e-6 * std::fabs(wallTail[h])) << h;
            EXPECT_NEAR(windowPlain[h], windowTail[h], 1e-6 * std::fabs(windowTail[h])) << h;
            EXPECT_EQ(leakPlain[h], leakTail[h]) << h;
        }
    }
}

} // namespace
