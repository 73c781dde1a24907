#include "calc/SeriesStatistics.h"

#include <algorithm>
#include <cmath>

namespace {
bool Passes(float value, int filter)
{
    switch (filter) {
    case 0:
        return true;
    case 1:
        return value >= 0;
    case 2:
        return value <= 0;
    default:
        return false;
    }
}

// One scan for peak and minimum. The first value is held to the filter like every other one, so
// that, say, a heating hour at midnight never becomes the cooling peak of the day.
int ScanIndex(const float* series, int n, int filter, bool largest)
{
    int best = -1;
    for (int i = 0; i < n; ++i) {
        if (!Passes(series[i], filter))
            continue;
        const float magnitude = std::fabs(series[i]);
        if (best < 0 || (largest ? magnitude > std::fabs(series[best]) : magnitude < std::fabs(series[best])))
            best = i;
    }
    return best;
}
} // namespace

float FindPeakValue(const float* series, int n, int filter)
{
    const int index = ScanIndex(series, n, filter, true);
    return index < 0 ? 0.0f : series[index];
}

int FindPeakIndex(const float* series, int n, int filter)
{
    return ScanIndex(series, n, filter, true);
}

float FindMinValue(const float* series, int n, int filter)
{
    const int index = ScanIndex(series, n, filter, false);
    return index < 0 ? 0.0f : series[index];
}

int FindMinIndex(const float* series, int n, int filter)
{
    return ScanIndex(series, n, filter, false);
}

QString FormatHourText(int hour)
{
    if (hour < 0 || hour > 23)
        return QStringLiteral("-");
    return hour < 10 ? QStringLiteral("0%1:00").arg(hour) : QStringLiteral("%1:00").arg(hour);
}

QString FormatPeakHourText(const float* series, int n, int filter)
{
    int taking = 0;
    bool flat = true;
    float firstMagnitude = 0;
    for (int i = 0; i < n; ++i) {
        if (!Passes(series[i], filter))
            continue;
        const float magnitude = std::fabs(series[i]);
        if (taking++ == 0)
            firstMagnitude = magnitude;
        else if (magnitude != firstMagnitude)
            flat = false;
    }
    if (taking < 2 || flat)
        return QStringLiteral("-");
    return FormatHourText(FindPeakIndex(series, n, filter));
}

float AverageOf(const float* series, int n)
{
    if (n <= 0)
        return 0;
    float sum = 0;
    for (int i = 0; i < n; ++i)
        sum += series[i];
    return sum / static_cast<float>(n);
}

int FindTextIndex(const QString* texts, const QString& text, int n)
{
    for (int i = 0; i < n; ++i)
        if (texts[i] == text)
            return i;
    return -1;
}

void SplitBySign(const float* series, float* positive, float* negative, int n)
{
    // A day at a time through local arrays, which the compiler can keep in vector registers.
    constexpr int kBlock = 24;
    int i = 0;
    for (; i + kBlock <= n; i += kBlock) {
        float value[kBlock], above[kBlock], below[kBlock];
        std::copy(series + i, series + i + kBlock, value);
        for (int k = 0; k < kBlock; ++k) {
            above[k] = value[k] > 0 ? value[k] : 0.0f;
            below[k] = value[k] > 0 ? 0.0f : value[k];
        }
        std::copy(above, above + kBlock, positive + i);
        std::copy(below, below + kBlock, negative + i);
    }
    for (; i < n; ++i) {
        const bool cooling = series[i] > 0;
        const float value = series[i];
        positive[i] = cooling ? value : 0.0f;
        negative[i] = cooling ? 0.0f : value;
    }
}
