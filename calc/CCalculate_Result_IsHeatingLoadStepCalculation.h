#pragma once
#include "calc/CHourlyResultRecord.h"

// Peaks of one heating record: field k the peak of array k (all values).
struct TotalValue_Result_IsHeatingLoadStepCalculation
{
    static constexpr int ValueCount = 33;
    float Value[ValueCount]{};
};

// One day of heating loads (negative): the detailed (design type 6, one record), monthly (7, 12)
// and daily (8, 365) heating calculations. 0 total, 1..24 components, 25..32 the heat exchanged
// with adjacent rooms (25 all, 26 and 28 inside walls with their openings, 27 inside walls alone,
// 29 inside windows, 30 inside doors, 31 floor slabs, 32 floors; filled by design type 6 only).
// All 33 arrays are loads.
class CCalculate_Result_IsHeatingLoadStepCalculation
    : public CHourlyResultRecord<CCalculate_Result_IsHeatingLoadStepCalculation, 33,
                                 TotalValue_Result_IsHeatingLoadStepCalculation>
{
public:
    CCalculate_Result_IsHeatingLoadStepCalculation() = default;

    static const CResultLayout& Layout();
};
