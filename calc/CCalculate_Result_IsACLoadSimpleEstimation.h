#pragma once

class CResultLayout;

// Result of the simple estimate (design type 0). Value: 0 cooling load (W), 1 cooling index
// (W/m2), 2 heating index (W/m2), 3 heating load (W). Only the two loads are converted and added.
class CCalculate_Result_IsACLoadSimpleEstimation
{
public:
    static constexpr int ValueCount = 4;

    CCalculate_Result_IsACLoadSimpleEstimation() { Reset(); }
    CCalculate_Result_IsACLoadSimpleEstimation(const CCalculate_Result_IsACLoadSimpleEstimation&) = delete;
    CCalculate_Result_IsACLoadSimpleEstimation&
    operator=(const CCalculate_Result_IsACLoadSimpleEstimation&) = delete;

    float Value[ValueCount];

    void Reset();
    void ConvertToKcal(int flag);
    void Add(const CCalculate_Result_IsACLoadSimpleEstimation& other);

    static const CResultLayout& Layout();
};
