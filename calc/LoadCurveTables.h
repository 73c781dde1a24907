#pragma once

class CCalculate_Result_IsACLoadCalculation;
class CCalculate_Result_IsACLoadIntelligentEstimation;
class CCalculate_Result_IsACLoadStepCalculation;
class CCalculate_Result_IsHeatingLoadStepCalculation;
class CLoadCurveList;

// The load curves of a calculated node, by the node's kind: a project, building, storey or room
// (kinds 0 to 3) gives every curve of its record, an element kind the curves of its own component,
// any other kind (a folder, -1 after a failed run) none. Pump and pipe curves of the detailed
// cooling record belong to projects and buildings only. Each curve's 24 values go to block
// `period` (0, the month, or the day of the year).
namespace LoadCurveTables {

void AddIntelligentCurves(const CCalculate_Result_IsACLoadIntelligentEstimation& record, int kind,
                          CLoadCurveList& curves);
void AddDetailedCurves(const CCalculate_Result_IsACLoadCalculation& record, int kind, CLoadCurveList& curves);
void AddACStepCurves(const CCalculate_Result_IsACLoadStepCalculation& record, int kind, int period,
                     CLoadCurveList& curves);
void AddHeatingCurves(const CCalculate_Result_IsHeatingLoadStepCalculation& record, int kind, int period,
                      CLoadCurveList& curves);

} // namespace LoadCurveTables
