#include "calc/SeriesStatistics.h"

#include <gtest/gtest.h>
#include <vector>

namespace {
struct PeakCase
{
    const char* name;
    std::vector<float> series;
    int filter;
    float peak;
    int peakIndex;
    float min;
    int minIndex;
};
} // namespace

TEST(SeriesStatistics, PeakAndMinimumHonourTheFilterFromTheFirstValue)
{
    const std::vector<PeakCase> cases{
        {"later equal magnitude keeps the earlier", {5, 7, -7}, 0, 7, 1, 5, 0},
        {"signs kept", {-3, 2, -9, 4}, 0, -9, 2, 2, 1},
        // A heating value at hour 0 is no cooling peak (nor cooling minimum).
        {"first value excluded by cooling filter", {-500, 100, 400, 200}, 1, 400, 2, 100, 1},
        {"first value excluded by heating filter", {300, -10, -40, 5}, 2, -40, 2, -10, 1},
        {"zero passes both filters", {0, -1, 3}, 1, 3, 2, 0, 0},
        {"nothing passes", {5, 6, 7}, 2, 0, -1, 0, -1},
        {"unknown filter lets nothing pass", {5, 6, 7}, 9, 0, -1, 0, -1},
    };
    for (const PeakCase& c : cases) {
        SCOPED_TRACE(c.name);
        const int n = static_cast<int>(c.series.size());
        EXPECT_EQ(FindPeakValue(c.series.data(), n, c.filter), c.peak);
        EXPECT_EQ(FindPeakIndex(c.series.data(), n, c.filter), c.peakIndex);
        EXPECT_EQ(FindMinValue(c.series.data(), n, c.filter), c.min);
        EXPECT_EQ(FindMinIndex(c.series.data(), n, c.filter), c.minIndex);
    }
}

TEST(SeriesStatistics, HourLabels)
{
    EXPECT_EQ(FormatHourText(0), "00:00");
    EXPECT_EQ(FormatHourText(9), "09:00");
    EXPECT_EQ(FormatHourText(10), "10:00");
    EXPECT_EQ(FormatHourText(23), "23:00");
    EXPECT_EQ(FormatHourText(24), "-");
    EXPECT_EQ(FormatHourText(-1), "-");

    float day[24] = {};
    EXPECT_EQ(FormatPeakHourText(day, 24, 0), "-") << "flat";
    day[14] = 800;
    day[15] = 800;
    EXPECT_EQ(FormatPeakHourText(day, 24, 0), "14:00");
    day[9] = 900;
    EXPECT_EQ(FormatPeakHourText(day, 24, 1), "09:00");
    EXPECT_EQ(FormatPeakHourText(day, 24, 2), "-") << "only the zeros take part";

    // A peak at midnight is a peak like any other.
    float night[24] = {};
    night[0] = -1200;
    EXPECT_EQ(FormatPeakHourText(night, 24, 0), "00:00");
    EXPECT_EQ(FormatPeakHourText(night, 24, 1), "-") << "the heating hour does not take part";
}

TEST(SeriesStatistics, MeanTextSearchAndSignSplit)
{
    const float values[] = {1, 2, 3, 6};
    EXPECT_FLOAT_EQ(AverageOf(values, 4), 3);
    EXPECT_EQ(AverageOf(values, 0), 0);

    const QString texts[] = {"外墙", "外窗", "外墙"};
    EXPECT_EQ(FindTextIndex(texts, "外墙", 3), 0);
    EXPECT_EQ(FindTextIndex(texts, "外窗", 1), -1);
    EXPECT_EQ(FindTextIndex(texts, "外墙", 0), -1);

    const float signed_[] = {4, 0, -3};
    float positive[3] = {9, 9, 9}, negative[3] = {9, 9, 9};
    SplitBySign(signed_, positive, negative, 3);
    EXPECT_EQ(std::vector<float>(positive, positive + 3), (std::vector<float>{4, 0, 0}));
    EXPECT_EQ(std::vector<float>(negative, negative + 3), (std::vector<float>{0, 0, -3}));
}
