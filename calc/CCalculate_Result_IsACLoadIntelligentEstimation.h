#pragma once
#include "calc/CHourlyResultRecord.h"

// Peaks of an intelligent-estimate result: Value[k] the peak of array k; PeakHour[i] (fields 50 to
// 61) the hour of the peak of arrays 0, 9, 2, 11, 4, 13, 5, 14, 6, 15, 8, 17, or -1 when no value
// passed the filter or the peaks are a sum (AddTotals sets the first two to -1).
struct TotalValue_IsACLoadIntelligentEstimation
{
    static constexpr int ValueCount = 50;
    static constexpr int HourCount = 12;
    float Value[ValueCount]{};
    int PeakHour[HourCount]{};
};

// Result of the intelligent estimate (design type 2): 50 hourly arrays.
// 0/1 total cooling full/sensible, 2/3 indoor cooling full/sensible, 4 summer indoor moisture (g/h),
// 5 summer outdoor air (m3/h), 6/7 outdoor-air cooling full/sensible, 8 total cooling index (W/m2),
// 9/10 total heating full/sensible, 11/12 indoor heating full/sensible, 13 winter indoor moisture
// (g/h), 14 winter outdoor air (m3/h), 15/16 outdoor-air heating full/sensible, 17 total heating
// index (W/m2), 18..49 the components (moisture arrays 20, 23, 28, 29, 34, 35, 38, 39, 42, 43, 46,
// 47 in g/h). Index arrays 8 and 17 are neither converted nor added; moisture and airflow arrays
// are added but not converted.
class CCalculate_Result_IsACLoadIntelligentEstimation
    : public CHourlyResultRecord<CCalculate_Result_IsACLoadIntelligentEstimation, 50,
                                 TotalValue_IsACLoadIntelligentEstimation>
{
public:
    CCalculate_Result_IsACLoadIntelligentEstimation() = default;

    // Peaks, then the peak hours.
    void ComputeTotals();
    // Sums the peaks (not those of the index arrays); the hours of the summed totals peaks
    // (PeakHour 0 and 1) become -1, the other hours keep this record's values.
    void AddTotals(CCalculate_Result_IsACLoadIntelligentEstimation& other);

    static const CResultLayout& Layout();
};
