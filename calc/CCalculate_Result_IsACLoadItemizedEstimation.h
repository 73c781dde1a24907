#pragma once

class CResultLayout;

// Result of the itemized estimate (design type 1), 22 floats. Loads (W): 0 total cooling,
// 3 total heating, 4 indoor cooling, 5 indoor heating, 8/9 envelope cooling/heating, 10/11 people,
// 14/15 outdoor air, 18/19 other; the others are indexes (W/m2): 1 total cooling, 2 total heating,
// 6/7 envelope, 12/13 people, 16/17 outdoor air, 20/21 other. Only the loads are converted and added.
class CCalculate_Result_IsACLoadItemizedEstimation
{
public:
    static constexpr int ValueCount = 22;

    CCalculate_Result_IsACLoadItemizedEstimation() { Reset(); }
    CCalculate_Result_IsACLoadItemizedEstimation(const CCalculate_Result_IsACLoadItemizedEstimation&) =
        delete;
    CCalculate_Result_IsACLoadItemizedEstimation&
    operator=(const CCalculate_Result_IsACLoadItemizedEstimation&) = delete;

    float Value[ValueCount];

    void Reset();
    void ConvertToKcal(int flag);
    void Add(const CCalculate_Result_IsACLoadItemizedEstimation& other);

    static const CResultLayout& Layout();
};
