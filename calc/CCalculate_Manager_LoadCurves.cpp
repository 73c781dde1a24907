#include "calc/CCalMsgOutput.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "calc/CCalculate_Result_IsACLoadIntelligentEstimation.h"
#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"
#include "calc/CCalculate_Result_IsHeatingLoadStepCalculation.h"
#include "calc/CLoadCurveDisplayBase.h"
#include "calc/CLoadCurveList.h"
#include "calc/CScopedResult.h"
#include "calc/LoadCurveTables.h"

namespace {
constexpr int kDailyCooling = 5;

template <typename Record, typename Add>
void AddSteps(const CScopedResult& run, int steps, int kind, CLoadCurveList& curves, Add add)
{
    const Record* records = &run.As<Record>();
    for (int step = 0; step < steps; ++step)
        add(records[step], kind, step, curves);
}
} // namespace

std::unique_ptr<CLoadCurveList> CCalculate_Manager::BuildLoadCurves(CTreeItem* item)
{
    const int designType = CurrentDesignType();
    if (!item || designType < 2 || designType > 8)
        return nullptr;
    CScopedResult run(designType);
    const int kind = Calculate(item, run.Get());
    if (CCalMsgOutput::IsCurrentStopped())
        return nullptr;
    auto curves = std::make_unique<CLoadCurveList>(designType);
    const int steps = ResultStepCount(designType);
    switch (designType) {
    case 2:
        LoadCurveTables::AddIntelligentCurves(run.As<CCalculate_Result_IsACLoadIntelligentEstimation>(), kind,
                                              *curves);
        break;
    case 3:
        LoadCurveTables::AddDetailedCurves(run.As<CCalculate_Result_IsACLoadCalculation>(), kind, *curves);
        break;
    case 4:
    case 5:
        AddSteps<CCalculate_Result_IsACLoadStepCalculation>(run, steps, kind, *curves,
                                                            &LoadCurveTables::AddACStepCurves);
        break;
    default:
        AddSteps<CCalculate_Result_IsHeatingLoadStepCalculation>(run, steps, kind, *curves,
                                                                 &LoadCurveTables::AddHeatingCurves);
        break;
    }
    return curves;
}

void CCalculate_Manager::ShowLoadCurves(CTreeItem* item)
{
    const std::unique_ptr<CLoadCurveList> curves = BuildLoadCurves(item);
    if (!curves || !CLoadCurveDisplayBase::Exists())
        return;
    if (curves->DesignType() == kDailyCooling)
        CLoadCurveDisplayBase::Current().ShowAnnualChart(*curves);
    else
        CLoadCurveDisplayBase::Current().ShowLoadCurves(*curves);
}
