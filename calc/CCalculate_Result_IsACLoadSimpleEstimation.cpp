#include "calc/CCalculate_Result_IsACLoadSimpleEstimation.h"

#include "calc/CResultLayout.h"

#include <algorithm>

const CResultLayout& CCalculate_Result_IsACLoadSimpleEstimation::Layout()
{
    // The cooling and heating loads; the two indexes are per m2 and neither converted nor summed.
    static const CResultLayout layout(1, {0, 3}, {0, 3});
    return layout;
}

void CCalculate_Result_IsACLoadSimpleEstimation::Reset()
{
    std::fill(std::begin(Value), std::end(Value), 0.0f);
}

void CCalculate_Result_IsACLoadSimpleEstimation::ConvertToKcal(int flag)
{
    Layout().ConvertToKcal(Value, flag);
}

void CCalculate_Result_IsACLoadSimpleEstimation::Add(const CCalculate_Result_IsACLoadSimpleEstimation& other)
{
    Layout().Add(Value, other.Value);
}
