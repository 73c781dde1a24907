// The hourly weather file: one year of 8760 ordered hours with plausible values, or nothing. A file
// of two years, one with a month 13 or a missing-value mark (−999) would otherwise pass for a year
// and give loads that look right.

#include "calclib/CalcTables.h"
#include "calclib/dizedozev.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace calclib {
namespace {

using namespace tables;

constexpr int kYearHours = 8760;
constexpr int kWeatherColumns = 7;
constexpr int kWeatherFields = 6; // month, day, hour, dry bulb, wet bulb, global horizontal
// Dry and wet bulb rounded to different precisions can put a saturated hour's wet bulb a little
// above its dry bulb.
constexpr double kWetBulbRounding = 0.2; // K

// One line of the file into buffer; false at the end of the file. Longer lines are cut: the fields
// that matter come first, the rest is skipped.
bool ReadLine(std::FILE* file, char* buffer, int size)
{
    if (!std::fgets(buffer, size, file))
        return false;
    if (!std::strchr(buffer, '\n')) {
        int c;
        while ((c = std::fgetc(file)) != EOF && c != '\n') {
        }
    }
    return true;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool IsBlankLine(const char* line)
{
    for (const char* p = line; *p; ++p)
        if (!IsBlank(*p))
            return false;
    return true;
}

// The first six blank- or tab-separated fields as finite numbers. from_chars ignores the locale the
// program runs in (a decimal comma locale would break strtod).
bool ParseWeatherLine(const char* line, double values[kWeatherFields])
{
    const char* p = line;
    for (int i = 0; i < kWeatherFields; ++i) {
        while (*p && IsBlank(*p))
            ++p;
        const char* end = p;
        while (*end && !IsBlank(*end))
            ++end;
        if (end == p)
            return false;
        const char* first = (*p == '+' && end - p > 1) ? p + 1 : p;
        double v = 0.0;
        const auto [stop, ec] = std::from_chars(first, end, v);
        if (ec != std::errc() || stop != end || !std::isfinite(v))
            return false;
        values[i] = v;
        p = end;
    }
    return true;
}

// Month (1..12), day of the month and hour (0..23) of hour `row` (0..8759) of the year.
void TimeOfRow(int row, int& month, int& day, int& hour)
{
    hour = row % 24;
    day = row / 24;
    month = 0;
    while (day >= kDaysInMonth[month])
        day -= kDaysInMonth[month++];
    ++month;
    ++day;
}

int32_t CheckValues(int row, const double v[kWeatherFields])
{
    int month, day, hour;
    TimeOfRow(row, month, day, hour);
    if (v[0] != month || v[1] != day || v[2] != hour)
        return WeatherFileTime;
    const double dryBulb = v[3], wetBulb = v[4], global = v[5];
    if (dryBulb < WeatherTemperatureMin || dryBulb > WeatherTemperatureMax)
        return WeatherFileDryBulb;
    if (wetBulb < WeatherTemperatureMin || wetBulb > dryBulb + kWetBulbRounding)
        return WeatherFileWetBulb;
    if (global < 0.0 || global > WeatherIrradianceMax)
        return WeatherFileIrradiance;
    return WeatherFileWhole;
}

struct Outcome
{
    int32_t fault;
    int32_t line;
};

// Reads the year into out (which is all zeros) and stops at the first fault.
Outcome ReadYear(std::FILE* file, float* out)
{
    char line[1024];
    for (int row = 0; row < kYearHours; ++row) {
        if (!ReadLine(file, line, sizeof line))
            return {WeatherFileShort, row + 1};
        const char* text = line;
        if (row == 0 && std::strncmp(text, "\xEF\xBB\xBF", 3) == 0)
            text += 3;
        double values[kWeatherFields];
        if (!ParseWeatherLine(text, values))
            return {WeatherFileFields, row + 1};
        if (const int32_t fault = CheckValues(row, values))
            return {fault, row + 1};
        float* cells = out + kWeatherColumns * row;
        for (int c = 0; c < kWeatherFields; ++c)
            cells[c] = static_cast<float>(values[c]);
    }
    for (int32_t number = kYearHours + 1; ReadLine(file, line, sizeof line); ++number)
        if (!IsBlankLine(line))
            return {WeatherFileLong, number};
    return {WeatherFileWhole, 0};
}

// Column 6: the day's mean global irradiance, in each of its 24 rows.
void FillDailyMeans(float* out)
{
    for (int first = 0; first < kYearHours; first += 24) {
        double sum = 0.0;
        for (int r = first; r < first + 24; ++r)
            sum += out[kWeatherColumns * r + 5];
        for (int r = first; r < first + 24; ++r)
            out[kWeatherColumns * r + 6] = static_cast<float>(sum / 24.0);
    }
}

} // namespace
} // namespace calclib

using namespace calclib;

int32_t Read8760hData(const char* path, float* out8760x7, int32_t* line)
{
    Outcome outcome{WeatherFileUnreadable, 0};
    std::vector<float> scratch;
    float* out = out8760x7;
    if (!out) {
        scratch.resize(kYearHours * kWeatherColumns);
        out = scratch.data();
    }
    std::fill(out, out + kYearHours * kWeatherColumns, 0.0f);
    if (path && *path) {
        if (std::FILE* file = std::fopen(path, "rb")) {
            outcome = ReadYear(file, out);
            std::fclose(file);
        }
    }
    if (outcome.fault == WeatherFileWhole)
        FillDailyMeans(out);
    else
        std::fill(out, out + kYearHours * kWeatherColumns, 0.0f);
    if (line)
        *line = outcome.line;
    return outcome.fault;
}

int32_t Get8760hData(const char* path, float* out8760x7)
{
    if (!out8760x7)
        return 0;
    return Read8760hData(path, out8760x7, nullptr) == WeatherFileWhole ? kYearHours : 0;
}
