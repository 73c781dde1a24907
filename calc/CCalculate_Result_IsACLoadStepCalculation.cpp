#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"

#include "calc/CResultLayout.h"
#include "calc/SeriesStatistics.h"

#include <algorithm>

namespace {
constexpr int kArrays = 55;

bool ValidHour(int hour)
{
    return hour >= 0 && hour < 24;
}

// target[h] = the sum of the sources' hour h, added in the order given; the sources fixed at
// compile time, so that the day's 24 sums stay in vector registers.
template <int... Sources> void SumInto(float (*hourly)[24], int target)
{
    float sum[24];
    for (int h = 0; h < 24; ++h)
        sum[h] = (0.0f + ... + hourly[Sources][h]);
    std::copy(sum, sum + 24, hourly[target]);
}
} // namespace

const CResultLayout& CCalculate_Result_IsACLoadStepCalculation::Layout()
{
    static const CResultLayout layout = [] {
        std::vector<SPeakRule> peaks;
        for (int k = 0; k < kArrays; ++k)
            peaks.push_back({k, k, 0});
        peaks[12].Field = 15;
        peaks[13].Field = 16;
        peaks[14].Field = 12;
        peaks[15].Field = 13;
        peaks[16].Field = 14;
        const std::vector<int> all = CResultLayout::Indexes(kArrays);
        // Moisture arrays and the outdoor airflow 51 are no loads.
        return CResultLayout(Hours, CResultLayout::Indexes(kArrays, {16, 19, 22, 25, 27, 29, 31, 51}), all,
                             std::move(peaks), all);
    }();
    return layout;
}

void CCalculate_Result_IsACLoadStepCalculation::ClearHour(int hour)
{
    static constexpr int cleared[] = {0,  1,  2,  3,  6,  7,  8,  9,  10, 11, 14, 15, 17, 18, 20,
                                      21, 23, 24, 26, 28, 30, 32, 33, 34, 35, 36, 37, 38, 39, 40,
                                      41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 52, 53, 54};
    if (!ValidHour(hour))
        return;
    for (int k : cleared)
        Hourly[k][hour] = 0;
    if (Totals)
        *Totals = TotalValue_IsACLoadStepCalculation{};
}

void CCalculate_Result_IsACLoadStepCalculation::CopyHour(
    const CCalculate_Result_IsACLoadStepCalculation& source, int hour)
{
    if (!ValidHour(hour))
        return;
    for (int k = 0; k < kArrays; ++k)
        Hourly[k][hour] = source.Hourly[k][hour];
}

void CCalculate_Result_IsACLoadStepCalculation::ApplyHourFactor(int hour, int factor)
{
    if (!ValidHour(hour))
        return;
    const float f = static_cast<float>(factor);
    for (int k = 0; k < kArrays; ++k)
        Hourly[k][hour] *= f;
}

void CCalculate_Result_IsACLoadStepCalculation::SumIndoorLoads()
{
    SumInto<45, 34, 35, 46, 36, 37, 40, 42, 47, 39, 44, 54, 41, 52, 43, 49, 53>(Hourly, 48);
    SumInto<48, 17, 20, 21, 23, 24, 26, 28, 30>(Hourly, 14);
    SplitBySign(Hourly[14], Hourly[6], Hourly[8], Hours);
}

void CCalculate_Result_IsACLoadStepCalculation::SumLoads()
{
    SumInto<45, 34, 35, 46, 36, 37, 40, 42, 47, 39, 44, 54, 41, 52, 43, 49, 53>(Hourly, 48);
    SumInto<48, 17, 20, 21, 23, 24, 26, 28, 30>(Hourly, 14);
    // Evaporation (28) carries no sensible part.
    SumInto<48, 18, 20, 21, 23, 24, 26, 30>(Hourly, 15);
    SumInto<19, 22, 25, 27, 29, 31>(Hourly, 16);
    SumInto<14, 12>(Hourly, 10);
    SumInto<15, 13>(Hourly, 11);
    SplitBySign(Hourly[14], Hourly[6], Hourly[8], Hours);
    SplitBySign(Hourly[15], Hourly[7], Hourly[9], Hours);
    SplitBySign(Hourly[12], Hourly[5], Hourly[4], Hours);
    // Each part goes to the cooling or the heating total by its own sign; a zero counts as cooling.
    // Adding 0 where a part goes to the other total changes no sum, and keeps the loop free of
    // branches.
    float coolFull[Hours], heatFull[Hours], coolSensible[Hours], heatSensible[Hours];
    for (int h = 0; h < Hours; ++h) {
        const float full = Hourly[14][h], air = Hourly[12][h];
        const float sensible = Hourly[15][h], airSensible = Hourly[13][h];
        coolFull[h] = (0.0f + (full >= 0 ? full : 0.0f)) + (air >= 0 ? air : 0.0f);
        heatFull[h] = (0.0f + (full >= 0 ? 0.0f : full)) + (air >= 0 ? 0.0f : air);
        coolSensible[h] =
            (0.0f + (sensible >= 0 ? sensible : 0.0f)) + (airSensible >= 0 ? airSensible : 0.0f);
        heatSensible[h] =
            (0.0f + (sensible >= 0 ? 0.0f : sensible)) + (airSensible >= 0 ? 0.0f : airSensible);
    }
    std::copy(coolFull, coolFull + Hours, Hourly[0]);
    std::copy(coolSensible, coolSensible + Hours, Hourly[1]);
    std::copy(heatFull, heatFull + Hours, Hourly[2]);
    std::copy(heatSensible, heatSensible + Hours, Hourly[3]);
}
