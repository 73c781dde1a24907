#include "calc/CCalculate_Result_IsACLoadIntelligentEstimation.h"

#include "calc/CResultLayout.h"
#include "calc/SeriesStatistics.h"

namespace {
constexpr int kArrays = 50;
// The arrays whose peak hours the totals keep, in field order, with their filters.
constexpr int kHourArray[TotalValue_IsACLoadIntelligentEstimation::HourCount] = {0, 9,  2, 11, 4, 13,
                                                                                 5, 14, 6, 15, 8, 17};
constexpr int kHourFilter[TotalValue_IsACLoadIntelligentEstimation::HourCount] = {1, 2, 0, 0, 0, 0,
                                                                                  0, 0, 0, 0, 0, 0};

int PeakFilter(int array)
{
    switch (array) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 6:
    case 7:
    case 18:
        return 1;
    case 9:
    case 11:
    case 12:
    case 15:
    case 16:
        return 2;
    default:
        return 0;
    }
}
} // namespace

const CResultLayout& CCalculate_Result_IsACLoadIntelligentEstimation::Layout()
{
    static const CResultLayout layout = [] {
        std::vector<SPeakRule> peaks;
        for (int k = 0; k < kArrays; ++k)
            peaks.push_back({k, k, PeakFilter(k)});
        // Index arrays 8 and 17; airflow 5 and 14; moisture the rest of the exceptions.
        return CResultLayout(Hours,
                             CResultLayout::Indexes(kArrays, {4, 5, 8, 13, 14, 17, 20, 23, 28, 29, 34, 35, 38,
                                                              39, 42, 43, 46, 47}),
                             CResultLayout::Indexes(kArrays, {8, 17}), std::move(peaks),
                             CResultLayout::Indexes(kArrays, {8, 17}));
    }();
    return layout;
}

void CCalculate_Result_IsACLoadIntelligentEstimation::ComputeTotals()
{
    CHourlyResultRecord::ComputeTotals();
    for (int i = 0; i < TotalValue_IsACLoadIntelligentEstimation::HourCount; ++i)
        Totals->PeakHour[i] = FindPeakIndex(Hourly[kHourArray[i]], Hours, kHourFilter[i]);
}

void CCalculate_Result_IsACLoadIntelligentEstimation::AddTotals(
    CCalculate_Result_IsACLoadIntelligentEstimation& other)
{
    CHourlyResultRecord::AddTotals(other);
    // A sum of peaks belongs to no single hour.
    Totals->PeakHour[0] = -1;
    Totals->PeakHour[1] = -1;
}
