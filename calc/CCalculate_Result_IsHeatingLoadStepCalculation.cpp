#include "calc/CCalculate_Result_IsHeatingLoadStepCalculation.h"

#include "calc/CResultLayout.h"

const CResultLayout& CCalculate_Result_IsHeatingLoadStepCalculation::Layout()
{
    static const CResultLayout layout = [] {
        constexpr int arrays = 33;
        std::vector<SPeakRule> peaks;
        for (int k = 0; k < arrays; ++k)
            peaks.push_back({k, k, 0});
        const std::vector<int> all = CResultLayout::Indexes(arrays);
        return CResultLayout(Hours, all, all, std::move(peaks), all);
    }();
    return layout;
}
