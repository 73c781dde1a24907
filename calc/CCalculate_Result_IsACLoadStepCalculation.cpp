#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"

#include "calc/CResultLayout.h"
#include "calc/SeriesStatistics.h"

#include <initializer_list>

namespace {
constexpr int kArrays = 55;

bool ValidHour(int hour)
{
    return hour >= 0 && hour < 24;
}

// target[h] = the sum of the sources' hour h, added in the order given.
void SumInto(float (*hourly)[24], int target, std::initializer_list<int> sources)
{
    for (int h = 0; h < 24; ++h) {
        float sum = 0;
        for (int source : sources)
            sum += hourly[source][h];
        hourly[target][h] = sum;
    }
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

void CCalculate_Result_IsACLoadStepCalculation::SumLoads()
{
    SumInto(Hourly, 48, {45, 34, 35, 46, 36, 37, 40, 42, 47, 39, 44, 54, 41, 52, 43, 49, 53});
    SumInto(Hourly, 14, {48, 17, 20, 21, 23, 24, 26, 28, 30});
    // Evaporation (28) carries no sensible part.
    SumInto(Hourly, 15, {48, 18, 20, 21, 23, 24, 26, 30});
    SumInto(Hourly, 16, {19, 22, 25, 27, 29, 31});
    SumInto(Hourly, 10, {14, 12});
    SumInto(Hourly, 11, {15, 13});
    SplitBySign(Hourly[14], Hourly[6], Hourly[8], Hours);
    SplitBySign(Hourly[15], Hourly[7], Hourly[9], Hours);
    SplitBySign(Hourly[12], Hourly[5], Hourly[4], Hours);
    // Each part goes to the cooling or the heating total by its own sign; a zero counts as cooling.
    for (int h = 0; h < Hours; ++h) {
        float coolFull = 0, heatFull = 0, coolSensible = 0, heatSensible = 0;
        for (int full : {14, 12})
            (Hourly[full][h] >= 0 ? coolFull : heatFull) += Hourly[full][h];
        for (int sensible : {15, 13})
            (Hourly[sensible][h] >= 0 ? coolSensible : heatSensible) += Hourly[sensible][h];
        Hourly[0][h] = coolFull;
        Hourly[1][h] = coolSensible;
        Hourly[2][h] = heatFull;
        Hourly[3][h] = heatSensible;
    }
}
