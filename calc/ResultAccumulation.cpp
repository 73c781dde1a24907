#include "calc/ResultAccumulation.h"

#include "calc/CRunTimeSchemeSourceBase.h"
#include "calc/ResultDispatch.h"

namespace {
template <typename Record> void AddOne(Record& total, Record& member, int peakMode)
{
    if constexpr (HasTotalsRecord<Record>) {
        if (peakMode != 0) {
            total.AddTotals(member);
            return;
        }
    }
    total.Add(member);
}

template <typename Visit> void ForEachStep(void* total, void* member, int designType, Visit visit)
{
    VisitResultType(designType, [&](auto* tag, int steps) {
        using Record = ResultRecordOf<decltype(tag)>;
        auto* totals = static_cast<Record*>(total);
        auto* members = static_cast<Record*>(member);
        for (int i = 0; i < steps; ++i)
            visit(totals[i], members[i]);
    });
}
} // namespace

void AddResultToTotal(void* total, void* member, int peakMode, int designType)
{
    if (!total || !member)
        return;
    ForEachStep(total, member, designType, [&](auto& to, auto& from) { AddOne(to, from, peakMode); });
}

void AddHeatingResultToTotal(void* total, void* member, int peakMode, int level, int designType)
{
    if (!total || !member || designType < 6 || designType > 8)
        return;
    if (designType == 6) {
        auto& to = *static_cast<CCalculate_Result_IsHeatingLoadStepCalculation*>(total);
        const auto& from = *static_cast<const CCalculate_Result_IsHeatingLoadStepCalculation*>(member);
        // Total array <- the member's exchanged heat through the same elements.
        static constexpr int pairs[][2] = {{0, 25}, {5, 27}, {17, 28}, {6, 29}, {7, 30}};
        static constexpr int storeyPairs[][2] = {{12, 31}, {13, 32}};
        for (const auto& pair : pairs)
            for (int h = 0; h < 24; ++h)
                to.Hourly[pair[0]][h] -= from.Hourly[pair[1]][h];
        if (level == 1)
            for (const auto& pair : storeyPairs)
                for (int h = 0; h < 24; ++h)
                    to.Hourly[pair[0]][h] -= from.Hourly[pair[1]][h];
    }
    AddResultToTotal(total, member, peakMode, designType);
}

void ComputeResultTotals(void* result, int designType)
{
    if (!result)
        return;
    VisitResultType(designType, [&](auto* tag, int steps) {
        using Record = ResultRecordOf<decltype(tag)>;
        if constexpr (HasTotalsRecord<Record>) {
            auto* records = static_cast<Record*>(result);
            for (int i = 0; i < steps; ++i)
                records[i].ComputeTotals();
        }
    });
}

void ApplyRunTimeScheme(int roomNodeId, void* stepResults, int designType)
{
    if (!stepResults || designType != 5 || !CRunTimeSchemeSourceBase::Exists())
        return;
    const unsigned char* flags = CRunTimeSchemeSourceBase::Current().SchemeFlagsOfRoom(roomNodeId);
    if (!flags)
        return;
    auto* days = static_cast<CCalculate_Result_IsACLoadStepCalculation*>(stepResults);
    for (int d = 0; d < CRunTimeSchemeSourceBase::Days; ++d)
        for (int h = 0; h < CRunTimeSchemeSourceBase::Hours; ++h)
            days[d].ApplyHourFactor(h, flags[d * CRunTimeSchemeSourceBase::Hours + h]);
}
