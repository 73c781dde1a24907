#pragma once
#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "calc/CCalculate_Result_IsACLoadIntelligentEstimation.h"
#include "calc/CCalculate_Result_IsACLoadItemizedEstimation.h"
#include "calc/CCalculate_Result_IsACLoadSimpleEstimation.h"
#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"
#include "calc/CCalculate_Result_IsHeatingLoadStepCalculation.h"

#include <type_traits>

// Calls visit(T* tag, steps) with a null pointer of the record class of the design type and the
// number of records behind one result pointer; false (nothing called) outside 0..8. The one place
// that maps design types to record shapes.
template <typename Visitor> bool VisitResultType(int designType, Visitor&& visit)
{
    switch (designType) {
    case 0:
        visit(static_cast<CCalculate_Result_IsACLoadSimpleEstimation*>(nullptr), 1);
        return true;
    case 1:
        visit(static_cast<CCalculate_Result_IsACLoadItemizedEstimation*>(nullptr), 1);
        return true;
    case 2:
        visit(static_cast<CCalculate_Result_IsACLoadIntelligentEstimation*>(nullptr), 1);
        return true;
    case 3:
        visit(static_cast<CCalculate_Result_IsACLoadCalculation*>(nullptr), 1);
        return true;
    case 4:
        visit(static_cast<CCalculate_Result_IsACLoadStepCalculation*>(nullptr), 12);
        return true;
    case 5:
        visit(static_cast<CCalculate_Result_IsACLoadStepCalculation*>(nullptr), 365);
        return true;
    case 6:
        visit(static_cast<CCalculate_Result_IsHeatingLoadStepCalculation*>(nullptr), 1);
        return true;
    case 7:
        visit(static_cast<CCalculate_Result_IsHeatingLoadStepCalculation*>(nullptr), 12);
        return true;
    case 8:
        visit(static_cast<CCalculate_Result_IsHeatingLoadStepCalculation*>(nullptr), 365);
        return true;
    default:
        return false;
    }
}

// The record class of a tag handed to a visitor.
template <typename Tag> using ResultRecordOf = std::remove_pointer_t<Tag>;

// Whether the record class keeps a totals record (the estimates of types 0 and 1 do not).
template <typename Record>
constexpr bool HasTotalsRecord = !std::is_same_v<Record, CCalculate_Result_IsACLoadSimpleEstimation> &&
                                 !std::is_same_v<Record, CCalculate_Result_IsACLoadItemizedEstimation>;
