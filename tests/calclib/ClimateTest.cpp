#include "calclib/dizedozev.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

// Beijing, GB 50736-2012 Appendix A: summer AC dry bulb 33.5 ℃, wet bulb 26.4 ℃, daily mean 29.6 ℃
// (so Δt_r = (33.5 − 29.6)/0.52 = 7.5 K); winter AC −9.9 ℃ at 44 %; heating −7.6 ℃; pressures
// 1000.2 hPa (summer) and 1021.7 hPa (winter).
struct Beijing
{
    static constexpr float twg = 33.5f, tws = 26.4f, dailyMean = 29.6f, range = 7.5f;
    static constexpr float twk = -9.9f, rhWinter = 44.0f, twn = -7.6f;
    static constexpr float pSummer = 100020.0f, pWinter = 102170.0f;
};

double Mean24(const float* v)
{
    double s = 0.0;
    for (int h = 0; h < 24; ++h)
        s += v[h];
    return s / 24.0;
}

// The GB 50736 hourly coefficients average −0.01/24 rather than 0: means carry that rounding.
constexpr double kBetaMeanTolerance = 0.01 / 24.0;

class ClimateHeating : public ::testing::Test
{
protected:
    void TearDown() override { ResetDesignContext(); }
};

std::string TempPath(const char* name)
{
    return ::testing::TempDir() + name;
}

void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<float> Prefilled()
{
    return std::vector<float>(8760 * 7 + 16, NAN);
}

} // namespace

TEST(Climate, GetMaxOfDesignProfileGivesItsExtremesBack)
{
    struct Case
    {
        float hi, lo;
    } cases[] = {{33.5f, 25.7f},  {-5.3f, -14.1f}, {0.0f, 0.0f},
                 {1e-3f, -1e-3f}, {40.7f, 40.6f},  {37.1f, -12.9f}};
    for (const Case& c : cases) {
        float profile[24], hi = NAN, lo = NAN;
        GetDB(c.hi, c.lo, profile);
        GetMax(profile, &hi, &lo);
        EXPECT_EQ(hi, c.hi);
        EXPECT_EQ(lo, c.lo);
        // GB 50736 shape: warmest at 14:00, coldest at 05:00.
        EXPECT_EQ(profile[14], c.hi);
        EXPECT_EQ(profile[5], c.lo);
    }
    float hi = NAN, lo = NAN;
    GetMax(nullptr, &hi, &lo);
    EXPECT_EQ(hi, 0.0f);
    EXPECT_EQ(lo, 0.0f);
}

// GB 50736-2012 §4.1: t(τ) = t_wp + β_τ·Δt_r with t_wp = t_wg − 0.52·Δt_r; β = 0.52 at 14:00 and
// −0.47 at 05:00.
TEST(Climate, GetDB12JulyIsTheGbDesignDayAndJanuaryCentresOnWinterDesign)
{
    float days[12][24];
    GetDB12(Beijing::twg, Beijing::range, Beijing::twk, &days[0][0]);
    const double twp = Beijing::twg - 0.52 * Beijing::range; // 29.6, the published daily mean
    EXPECT_NEAR(twp, Beijing::dailyMean, 1e-5);
    EXPECT_EQ(days[6][14], Beijing::twg);
    EXPECT_FLOAT_EQ(days[6][5], static_cast<float>(twp - 0.47 * Beijing::range));
    EXPECT_NEAR(Mean24(days[6]), twp, kBetaMeanTolerance * Beijing::range + 1e-5);
    EXPECT_NEAR(Mean24(days[0]), Beijing::twk, kBetaMeanTolerance * Beijing::range + 1e-5);
    // The range of the design day is kept all year; months warm up towards July and cool after.
    for (int m = 0; m < 12; ++m) {
        EXPECT_NEAR(days[m][14] - days[m][5], 0.99 * Beijing::range, 1e-4) << m;
        if (m > 0 && m <= 6) {
            EXPECT_GT(Mean24(days[m]), Mean24(days[m - 1])) << m;
        } else if (m > 6) {
            EXPECT_LT(Mean24(days[m]), Mean24(days[m - 1])) << m;
        }
    }
}

TEST(Climate, GetWB12JulyPeakIsTheDesignWetBulb)
{
    float db[12][24], wb[12][24];
    GetDB12(Beijing::twg, Beijing::range, Beijing::twk, &db[0][0]);
    GetWB12(Beijing::pSummer, Beijing::pWinter, Beijing::twg, Beijing::tws, Beijing::range, Beijing::twk,
            Beijing::rhWinter, &wb[0][0]);
    EXPECT_NEAR(wb[6][14], Beijing::tws, 1e-4);
    for (int m = 0; m < 12; ++m)
        for (int h = 0; h < 24; ++h)
            EXPECT_LE(wb[m][h], db[m][h]) << m << " " << h;
    // Pressures passed in hPa give the same result.
    float wbHpa[12][24];
    GetWB12(1000.2f, 1021.7f, Beijing::twg, Beijing::tws, Beijing::range, Beijing::twk, Beijing::rhWinter,
            &wbHpa[0][0]);
    EXPECT_NEAR(wbHpa[6][14], Beijing::tws, 1e-3);
    EXPECT_NEAR(wbHpa[0][5], wb[0][5], 1e-3);
}

// Heating design is steady at t_wn by default (GB 50736 §5.2); the diurnal swing is an option.
TEST_F(ClimateHeating, HeatingProfilesAreFlatUnlessTheSwingIsSwitchedOn)
{
    float twn[24], days[12][24];
    GetTWN(Beijing::range, Beijing::twn, twn);
    GetDB12_Heating(Beijing::twg, Beijing::range, Beijing::twn, &days[0][0]);
    for (int h = 0; h < 24; ++h) {
        EXPECT_EQ(twn[h], Beijing::twn) << h;
        EXPECT_EQ(days[0][h], Beijing::twn) << h;
        EXPECT_FLOAT_EQ(days[6][h], Beijing::dailyMean) << h;
    }

    SetHeatingSwingFactor(1.0f);
    GetTWN(Beijing::range, Beijing::twn, twn);
    GetDB12_Heating(Beijing::twg, Beijing::range, Beijing::twn, &days[0][0]);
    EXPECT_FLOAT_EQ(twn[5], static_cast<float>(Beijing::twn - 0.47 * Beijing::range));
    EXPECT_FLOAT_EQ(twn[14], static_cast<float>(Beijing::twn + 0.52 * Beijing::range));
    for (int h = 0; h < 24; ++h)
        EXPECT_EQ(days[0][h], twn[h]) << h;
    EXPECT_EQ(days[6][14], Beijing::twg);
}

TEST(Climate, PressureEndpoints)
{
    float monthly[12], daily[365];
    GetpMonthly(Beijing::pSummer, Beijing::pWinter, monthly);
    EXPECT_EQ(monthly[0], Beijing::pWinter);
    EXPECT_EQ(monthly[6], Beijing::pSummer);
    for (int m = 1; m <= 6; ++m)
        EXPECT_LT(monthly[m], monthly[m - 1]) << m;
    EXPECT_FLOAT_EQ(monthly[5], monthly[7]);

    GetpDaily(Beijing::pSummer, Beijing::pWinter, daily);
    EXPECT_FLOAT_EQ(daily[14], Beijing::pWinter);   // 15 January
    EXPECT_NEAR(daily[196], Beijing::pSummer, 1.0); // mid-July
    for (float p : daily) {
        EXPECT_GE(p, Beijing::pSummer - 0.01f);
        EXPECT_LE(p, Beijing::pWinter + 0.01f);
    }
    // hPa as stored by older projects.
    GetpMonthly(1000.2f, 1021.7f, monthly);
    EXPECT_FLOAT_EQ(monthly[0], 102170.0f);
    EXPECT_FLOAT_EQ(monthly[6], 100020.0f);
}

// A day is a winter day when its mean outdoor enthalpy is below that of the winter room. Hand
// values at 101325 Pa: winter room 20.3 ℃ / 37.7 % → W 0.00556, h 34.5 kJ/kg. A flat day at
// 20 ℃ / wet bulb 14 ℃ → W 0.00749, h 39.1 (not winter, although cooler than the room); at
// 18 ℃ / 9 ℃ → W 0.00345, h 26.9 (winter).
TEST(Climate, WinterFlagAndIndoorStateAgree)
{
    float jul[12][24], julWb[12][24];
    GetDB12(Beijing::twg, Beijing::range, Beijing::twk, &jul[0][0]);
    GetWB12(Beijing::pSummer, Beijing::pWinter, Beijing::twg, Beijing::tws, Beijing::range, Beijing::twk,
            Beijing::rhWinter, &julWb[0][0]);
    float mildDb[24], mildWb[24], dryDb[24], dryWb[24];
    for (int h = 0; h < 24; ++h) {
        mildDb[h] = 20.0f;
        mildWb[h] = 14.0f;
        dryDb[h] = 18.0f;
        dryWb[h] = 9.0f;
    }
    // Awkward float inputs: the chosen pair must come back bit for bit.
    const float twi = 20.3f, rhWi = 37.7f, tsi = 26.1f, rhSi = 55.3f;
    struct Case
    {
        const char* name;
        float p;
        const float *db, *wb;
        bool winter;
    } cases[] = {{"Beijing July", Beijing::pSummer, jul[6], julWb[6], false},
                 {"Beijing January", Beijing::pWinter, jul[0], julWb[0], true},
                 {"mild humid", 101325.0f, mildDb, mildWb, false},
                 {"cool dry", 101325.0f, dryDb, dryWb, true}};
    for (const Case& c : cases) {
        const uint8_t flag = GetIsUsingepsilon(c.p, twi, rhWi, c.db, c.wb);
        float t = NAN, rh = NAN;
        GetIndoortRH(c.p, twi, rhWi, tsi, rhSi, c.db, c.wb, &t, &rh);
        EXPECT_EQ(flag, c.winter ? 1 : 0) << c.name;
        const float wantT = c.winter ? twi : tsi, wantRh = c.winter ? rhWi : rhSi;
        EXPECT_EQ(std::memcmp(&t, &wantT, sizeof t), 0) << c.name;
        EXPECT_EQ(std::memcmp(&rh, &wantRh, sizeof rh), 0) << c.name;
    }
}

TEST(Climate, GetAverageWDGivesDailyMaxMeanMin)
{
    // Day d, hour h: DB = 0.01·d + 0.5·(h − 5): max 0.01·d + 9, min 0.01·d − 2.5, mean 0.01·d + 3.25.
    std::vector<float> data(8760 * 7, 0.0f);
    for (int d = 0; d < 365; ++d)
        for (int h = 0; h < 24; ++h)
            data[(24 * d + h) * 7 + 3] = 0.01f * d + 0.5f * (h - 5);
    float mx[365], mean[365], mn[365];
    GetAverageWD(data.data(), mx, mean, mn);
    for (int d = 0; d < 365; ++d) {
        EXPECT_NEAR(mx[d], 0.01 * d + 9.0, 1e-4) << d;
        EXPECT_NEAR(mean[d], 0.01 * d + 3.25, 1e-4) << d;
        EXPECT_NEAR(mn[d], 0.01 * d - 2.5, 1e-4) << d;
        EXPECT_GE(mx[d], mean[d]);
        EXPECT_GE(mean[d], mn[d]);
    }
    for (float& v : mx)
        v = NAN;
    GetAverageWD(nullptr, mx, mean, mn);
    for (int d = 0; d < 365; ++d)
        EXPECT_TRUE(mx[d] == 0.0f && mean[d] == 0.0f && mn[d] == 0.0f) << d;
}

// A synthetic year: every hour DB = −10 + 0.5·(row mod 97), WB = DB − 2.25, global horizontal
// 25·(h − 6)·(18 − h) between 06:00 and 18:00 (900 W/m² at noon). Daily sum
// 25·Σ_{k=1..11} k(12 − k) = 7150 W·h/m².
// Lines without their ends; tabs on odd rows and an ignored seventh field.
namespace {
std::vector<std::string> YearLines()
{
    static const int kDaysInMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::vector<std::string> lines;
    int row = 0;
    for (int m = 0; m < 12; ++m)
        for (int d = 1; d <= kDaysInMonth[m]; ++d)
            for (int h = 0; h < 24; ++h, ++row) {
                const double db = -10.0 + 0.5 * (row % 97);
                const double ghi = (h > 6 && h < 18) ? 25.0 * (h - 6) * (18 - h) : 0.0;
                char line[128];
                std::snprintf(line, sizeof line,
                              row % 2 ? "%d\t%d\t%d\t%.2f\t%.2f\t%.0f\t7.5" : "%d %d  %d %.2f %.2f %.0f",
                              m + 1, d, h, db, db - 2.25, ghi);
                lines.push_back(line);
            }
    return lines;
}

std::string Joined(const std::vector<std::string>& lines, const char* end = "\n")
{
    std::string text;
    for (const std::string& line : lines)
        text += line + end;
    return text;
}
} // namespace

// Written with a UTF-8 BOM, CR LF endings and no final line break.
TEST(Climate, Get8760hDataReadsTheHourlyFile)
{
    std::string text = "\xEF\xBB\xBF" + Joined(YearLines(), "\r\n");
    text.resize(text.size() - 2);
    const std::string path = TempPath("climate_year.qsw");
    WriteFile(path, text);

    std::vector<float> out = Prefilled();
    ASSERT_EQ(Get8760hData(path.c_str(), out.data()), 8760);
    for (int r = 0; r < 8760; ++r) {
        const float* v = &out[7 * r];
        const int h = r % 24;
        const double db = -10.0 + 0.5 * (r % 97);
        ASSERT_EQ(v[2], h) << r;
        ASSERT_EQ(v[3], db) << r;
        ASSERT_EQ(v[4], db - 2.25) << r;
        ASSERT_EQ(v[5], (h > 6 && h < 18) ? 25.0 * (h - 6) * (18 - h) : 0.0) << r;
        ASSERT_FLOAT_EQ(v[6], 7150.0f / 24.0f) << r;
    }
    EXPECT_EQ(out[0], 1.0f);
    EXPECT_EQ(out[1], 1.0f);
    EXPECT_EQ(out[7 * 8759], 12.0f);
    EXPECT_EQ(out[7 * 8759 + 1], 31.0f);
    for (int i = 8760 * 7; i < 8760 * 7 + 16; ++i)
        EXPECT_TRUE(std::isnan(out[i])) << "written past the table";

    // Blank lines after the year are no data; a wet bulb within rounding of the dry bulb is real.
    std::vector<std::string> lines = YearLines();
    lines[99] = "1 5 3 -3.4 -3.3 0";
    WriteFile(path, Joined(lines) + "\n  \r\n");
    int32_t line = -1;
    EXPECT_EQ(Read8760hData(path.c_str(), nullptr, &line), WeatherFileWhole);
    EXPECT_EQ(line, 0);
    std::remove(path.c_str());
}

// Anything but one ordered year of plausible values is refused at its first faulty line, and the
// table is all zeros: part of a year, a second year or a missing-value mark never reaches a load.
TEST(Climate, Read8760hDataRefusesAllButOneYear)
{
    const std::vector<std::string> year = YearLines();
    const auto with = [&](int line, const std::string& text) {
        std::vector<std::string> lines = year;
        lines[line - 1] = text;
        return Joined(lines);
    };
    std::vector<std::string> daysSwapped = year;
    std::swap_ranges(daysSwapped.begin() + 24, daysSwapped.begin() + 48, daysSwapped.begin() + 48);
    std::vector<std::string> hoursFromOne = year;
    for (std::string& l : hoursFromOne) {
        int m, d, h;
        char rest[64];
        std::sscanf(l.c_str(), "%d %d %d %63[^\n]", &m, &d, &h, rest);
        l = std::to_string(m) + " " + std::to_string(d) + " " + std::to_string(h + 1) + " " + rest;
    }
    const struct
    {
        const char* name;
        std::string text;
        int32_t fault, line;
    } cases[] = {
        {"empty", "", WeatherFileShort, 1},
        {"one hour short", Joined(std::vector<std::string>(year.begin(), year.end() - 1)), WeatherFileShort,
         8760},
        {"two years", Joined(year) + Joined(year), WeatherFileLong, 8761},
        {"one line after the year", Joined(year) + "\n1 1 0 1 1 1\n", WeatherFileLong, 8762},
        {"a header line", "month day hour db wb ghi\n" + Joined(year), WeatherFileFields, 1},
        {"a word for a number", with(300, "1 13 11 abc 1.0 0"), WeatherFileFields, 300},
        {"trailing garbage", with(301, "1 13 12 5.5x 3.5 70"), WeatherFileFields, 301},
        {"five fields", with(8760, "12 31 23 1.0 0.5"), WeatherFileFields, 8760},
        {"a blank line", with(2, ""), WeatherFileFields, 2},
        {"month 13", with(745, "13 1 0 5 3 0"), WeatherFileTime, 745},
        {"day 3 before day 2", Joined(daysSwapped), WeatherFileTime, 25},
        {"hours 1 to 24", Joined(hoursFromOne), WeatherFileTime, 1},
        {"a fractional hour", with(3, "1 1 2.5 5 3 0"), WeatherFileTime, 3},
        {"dry bulb -999", with(4000, "6 16 15 -999 -999 0"), WeatherFileDryBulb, 4000},
        {"dry bulb 61", with(4001, "6 16 16 61 20 0"), WeatherFileDryBulb, 4001},
        {"wet bulb -999", with(5000, "7 28 7 25.5 -999 150"), WeatherFileWetBulb, 5000},
        {"wet bulb above dry bulb", with(5001, "7 28 8 25.5 26 150"), WeatherFileWetBulb, 5001},
        {"negative irradiance", with(5002, "7 28 9 25.5 20 -1"), WeatherFileIrradiance, 5002},
        {"irradiance above the sun's", with(5003, "7 28 10 25.5 20 1600"), WeatherFileIrradiance, 5003},
    };
    const std::string path = TempPath("climate_refused.qsw");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(path, c.text);
        std::vector<float> out = Prefilled();
        int32_t line = -1;
        EXPECT_EQ(Read8760hData(path.c_str(), out.data(), &line), c.fault);
        EXPECT_EQ(line, c.line);
        for (int i = 0; i < 8760 * 7; ++i)
            ASSERT_EQ(out[i], 0.0f) << i;
        for (int i = 8760 * 7; i < 8760 * 7 + 16; ++i)
            ASSERT_TRUE(std::isnan(out[i])) << "written past the table";
        out = Prefilled();
        EXPECT_EQ(Get8760hData(path.c_str(), out.data()), 0);
        EXPECT_EQ(out[7 * 10 + 3], 0.0f);
    }
    std::remove(path.c_str());
}

TEST(Climate, Get8760hDataWithoutAFileGivesZeros)
{
    for (const char* path : {"/nonexistent/dir/WeatherFile.qsw", "", static_cast<const char*>(nullptr)}) {
        std::vector<float> out = Prefilled();
        EXPECT_EQ(Get8760hData(path, out.data()), 0);
        for (int i = 0; i < 8760 * 7; ++i)
            ASSERT_EQ(out[i], 0.0f) << i;
        int32_t line = -1;
        EXPECT_EQ(Read8760hData(path, nullptr, &line), WeatherFileUnreadable);
        EXPECT_EQ(line, 0);
    }
    EXPECT_EQ(Get8760hData("/nonexistent.qsw", nullptr), 0);
}

TEST(Climate, GetTimefromTable)
{
    struct Case
    {
        const char* name;
        std::vector<int> onHours;
        float level;
        int begin, end;
    } cases[] = {{"office 08:00-17:59", {8, 9, 10, 11, 12, 13, 14, 15, 16, 17}, 1.0f, 8, 18},
                 {"split shift", {8, 9, 10, 11, 14, 15, 16, 17}, 0.5f, 8, 18},
                 {"last hour only", {23}, 1.0f, 23, 24},
                 {"all day",
                  {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23},
                  0.3f,
                  0,
                  24},
                 {"just above the threshold", {3}, 0.0011f, 3, 4},
                 {"below the threshold", {3}, 0.0009f, 0, 0},
                 {"none", {}, 1.0f, 0, 0}};
    for (const Case& c : cases) {
        float factors[24] = {};
        factors[20] = -1.0f; // negative factors are not use
        for (int h : c.onHours)
            factors[h] = c.level;
        int32_t begin = -7, end = -7;
        GetTimefromTable(factors, &begin, &end);
        EXPECT_EQ(begin, c.begin) << c.name;
        EXPECT_EQ(end, c.end) << c.name;
    }
    int32_t begin = -7, end = -7;
    GetTimefromTable(nullptr, &begin, &end);
    EXPECT_EQ(begin, 0);
    EXPECT_EQ(end, 0);
}
