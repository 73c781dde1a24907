#include "calc/CCalculate_Result_IsACLoadItemizedEstimation.h"

#include "calc/CResultLayout.h"

#include <algorithm>

const CResultLayout& CCalculate_Result_IsACLoadItemizedEstimation::Layout()
{
    static const std::vector<int> loads{0, 3, 4, 5, 8, 9, 10, 11, 14, 15, 18, 19};
    static const CResultLayout layout(1, loads, loads);
    return layout;
}

void CCalculate_Result_IsACLoadItemizedEstimation::Reset()
{
    std::fill(std::begin(Value), std::end(Value), 0.0f);
}

void CCalculate_Result_IsACLoadItemizedEstimation::ConvertToKcal(int flag)
{
    Layout().ConvertToKcal(Value, flag);
}

void CCalculate_Result_IsACLoadItemizedEstimation::Add(
    const CCalculate_Result_IsACLoadItemizedEstimation& other)
{
    Layout().Add(Value, other.Value);
}
