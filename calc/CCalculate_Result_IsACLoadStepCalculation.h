#pragma once
#include "calc/CHourlyResultRecord.h"

// Peaks of one step record: field k the peak of array k, except fields 12..16 which hold the
// peaks of arrays 14, 15, 16, 12, 13 (and arrays 12..16 go to fields 15, 16, 12, 13, 14).
struct TotalValue_IsACLoadStepCalculation
{
    static constexpr int ValueCount = 55;
    float Value[ValueCount]{};
};

// One day of air-conditioning loads of the monthly (design type 4, 12 records) and daily (type 5,
// 365 records) calculations: 55 hourly arrays of signed loads (cooling positive).
// 0..9 split parts recomputed by SumLoads (0/1 total cooling full/sensible, 2/3 total heating
// full/sensible, 4/5 outdoor-air heating/cooling, 6/7 indoor cooling full/sensible, 8/9 indoor
// heating full/sensible), 10/11 total full/sensible, 12/13 outdoor air full/sensible, 14/15 indoor
// full/sensible, 16 indoor moisture, 17..50 and 52..54 components, 48 envelope, 51 outdoor airflow.
// Moisture arrays 16, 19, 22, 25, 27, 29, 31 (g/h) and airflow array 51 (m3/h) are added but not
// converted.
class CCalculate_Result_IsACLoadStepCalculation
    : public CHourlyResultRecord<CCalculate_Result_IsACLoadStepCalculation, 55,
                                 TotalValue_IsACLoadStepCalculation>
{
public:
    CCalculate_Result_IsACLoadStepCalculation() = default;

    // Zeroes the hour in the load arrays (outdoor-air arrays 4, 5, 12, 13, 51 and the moisture
    // arrays keep it) and zeroes every totals field. An hour outside 0..23 does nothing.
    void ClearHour(int hour);
    // Copies the hour of all 55 arrays from the source; totals untouched.
    void CopyHour(const CCalculate_Result_IsACLoadStepCalculation& source, int hour);
    // Multiplies the hour of all 55 arrays by the factor; totals untouched.
    void ApplyHourFactor(int hour, int factor);
    // Recomputes arrays 48, 14, 15, 16, 10, 11 and 0..9 from the components, every hour.
    void SumLoads();
    // Recomputes only arrays 48 and 14 and from them the indoor cooling and heating 6 and 8: what
    // deciding which indoor state conditions an hour needs. The other sums are left as they were.
    void SumIndoorLoads();

    static const CResultLayout& Layout();
};
