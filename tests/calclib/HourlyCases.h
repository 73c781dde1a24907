#pragma once
// Shared fixtures of the hourly-function tests: 24-hour arrays and a table form for "one call of a
// function with its amount scaled", checked for zeros, complete overwrite and linearity.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <limits>
#include <vector>

namespace hourly {

using Hours = std::array<double, 24>;
using FloatHours = std::array<float, 24>;

inline FloatHours Constant(float v)
{
    FloatHours a;
    a.fill(v);
    return a;
}

inline FloatHours NanFilled()
{
    return Constant(std::numeric_limits<float>::quiet_NaN());
}

// Office day: full from 08:00 to 17:59, half for two evening hours.
inline FloatHours OfficeSchedule()
{
    FloatHours s = Constant(0.0f);
    for (int h = 8; h <= 17; ++h)
        s[h] = 1.0f;
    s[18] = s[19] = 0.5f;
    return s;
}

inline Hours ToDouble(const FloatHours& a)
{
    Hours d;
    for (int h = 0; h < 24; ++h)
        d[h] = a[h];
    return d;
}

inline std::vector<Hours> Outputs(std::initializer_list<FloatHours> arrays)
{
    std::vector<Hours> out;
    for (const FloatHours& a : arrays)
        out.push_back(ToDouble(a));
    return out;
}

// One call of a function with its amount (area, power, persons, air volume…) multiplied by scale;
// every output is prefilled with NaN and returned whole.
struct ScaledCase
{
    const char* name;
    std::function<std::vector<Hours>(double scale, const FloatHours& sched)> run;
};

// No amount (zero, negative, NaN or infinite) or an all-zero schedule gives zeros everywhere.
inline void ExpectZerosWithoutAmount(const std::vector<ScaledCase>& cases)
{
    const FloatHours office = OfficeSchedule(), off = Constant(0.0f);
    for (const ScaledCase& c : cases) {
        for (double scale : {0.0, -1.0, static_cast<double>(NAN), static_cast<double>(INFINITY)})
            for (const Hours& out : c.run(scale, office))
                for (double v : out)
                    EXPECT_EQ(v, 0.0) << c.name << " scale " << scale;
        for (const Hours& out : c.run(1.0, off))
            for (double v : out)
                EXPECT_EQ(v, 0.0) << c.name << " all-zero schedule";
    }
}

// Every output is written at every hour and doubles with the amount; eachOutputNonZero asks that
// no output stays all zero for the office day.
inline void ExpectCompleteAndLinear(const std::vector<ScaledCase>& cases, bool eachOutputNonZero)
{
    const FloatHours office = OfficeSchedule();
    for (const ScaledCase& c : cases) {
        const std::vector<Hours> one = c.run(1.0, office), two = c.run(2.0, office);
        ASSERT_EQ(one.size(), two.size());
        double anyValue = 0.0;
        for (size_t k = 0; k < one.size(); ++k) {
            double outputValue = 0.0;
            for (int h = 0; h < 24; ++h) {
                ASSERT_TRUE(std::isfinite(one[k][h])) << c.name << " output " << k << " hour " << h;
                EXPECT_NEAR(two[k][h], 2.0 * one[k][h], 1e-5 * std::abs(one[k][h]) + 1e-9) << c.name;
                outputValue += std::abs(one[k][h]);
            }
            if (eachOutputNonZero) {
                EXPECT_GT(outputValue, 0.0) << c.name << " output " << k;
            }
            anyValue += outputValue;
        }
        EXPECT_GT(anyValue, 0.0) << c.name;
    }
}

} // namespace hourly
