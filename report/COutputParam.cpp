#include "report/COutputParam.h"

const std::array<const char*, COutputParam::DesignTypeCount>& COutputParam::FlagColumns()
{
    static const std::array<const char*, DesignTypeCount> columns = {
        "IsACLoadSimpleEstimation_Output",    "IsACLoadItemsEstimation_Output",
        "IsACLoadIntelligentEstimation_Output", "IsACLoadCalculation_Output",
        "IsACLoadMonthlyCalculation_Output",  "IsACLoadDailyCalculation_Output",
        "IsHeatingLoadCalculation_Output",    "IsHeatingLoadMonthlyCalculation_Output",
        "IsHeatingLoadDailyCalculation_Output"};
    return columns;
}

int COutputParam::Flag(int designType) const
{
    if (designType < 0 || designType >= DesignTypeCount)
        return -1;
    return OutputFlags[static_cast<size_t>(designType)];
}
