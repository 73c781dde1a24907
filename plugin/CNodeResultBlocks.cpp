#include "plugin/CNodeResultBlocks.h"

#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "calc/CCalculate_Result_IsACLoadIntelligentEstimation.h"
#include "calc/CCalculate_Result_IsACLoadItemizedEstimation.h"
#include "calc/CCalculate_Result_IsACLoadSimpleEstimation.h"
#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"
#include "calc/CCalculate_Result_IsHeatingLoadStepCalculation.h"
#include "calc/ResultByType.h"

#include <vector>

namespace {
struct SRange
{
    int first;
    int last;
};

std::vector<int> Expand(std::initializer_list<SRange> ranges)
{
    std::vector<int> arrays;
    for (const SRange& range : ranges)
        for (int a = range.first; a <= range.last; ++a)
            arrays.push_back(a);
    return arrays;
}

const std::vector<int>& ArrayMap(int designType)
{
    static const std::vector<int> none;
    static const std::vector<int> intelligent = Expand({{0, 6}, {8, 15}, {17, 49}});
    static const std::vector<int> detailed =
        Expand({{0, 6}, {8, 12}, {18, 19}, {15, 15}, {17, 17}, {20, 55}, {60, 69}, {74, 97}, {102, 105}});
    static const std::vector<int> step =
        Expand({{10, 11}, {14, 16}, {12, 12}, {17, 54}, {0, 3}, {5, 5}, {4, 4}, {6, 9}});
    static const std::vector<int> heating = Expand({{0, 23}});
    switch (designType) {
    case 2:
        return intelligent;
    case 3:
        return detailed;
    case 4:
    case 5:
        return step;
    case 6:
    case 7:
    case 8:
        return heating;
    default:
        return none;
    }
}

template <typename Record> void WriteSteps(const Record* records, int steps, const std::vector<int>& map, float* out)
{
    for (size_t b = 0; b < map.size(); ++b)
        for (int s = 0; s < steps; ++s)
            for (int h = 0; h < 24; ++h)
                out[b * CNodeResultBlocks::BlockValues + s * 24 + h] = records[s].Hourly[map[b]][h];
}

template <typename Record> void WriteValues(const Record& record, float* out)
{
    for (int k = 0; k < Record::ValueCount; ++k)
        out[k * CNodeResultBlocks::BlockValues] = record.Value[k];
}
} // namespace

int CNodeResultBlocks::BlockCount(int designType)
{
    if (designType == 0)
        return CCalculate_Result_IsACLoadSimpleEstimation::ValueCount;
    if (designType == 1)
        return CCalculate_Result_IsACLoadItemizedEstimation::ValueCount;
    return static_cast<int>(ArrayMap(designType).size());
}

int CNodeResultBlocks::RequiredValues(int designType)
{
    const int blocks = BlockCount(designType);
    if (blocks == 0)
        return 0;
    if (designType <= 1)
        return (blocks - 1) * BlockValues + 1;
    return blocks * BlockValues;
}

int CNodeResultBlocks::SourceArray(int designType, int block)
{
    const std::vector<int>& map = ArrayMap(designType);
    return block >= 0 && block < static_cast<int>(map.size()) ? map[static_cast<size_t>(block)] : -1;
}

void CNodeResultBlocks::Write(int designType, const void* result, float* out)
{
    if (!result || !out)
        return;
    const std::vector<int>& map = ArrayMap(designType);
    const int steps = ResultStepCount(designType);
    switch (designType) {
    case 0:
        WriteValues(*static_cast<const CCalculate_Result_IsACLoadSimpleEstimation*>(result), out);
        break;
    case 1:
        WriteValues(*static_cast<const CCalculate_Result_IsACLoadItemizedEstimation*>(result), out);
        break;
    case 2:
        WriteSteps(static_cast<const CCalculate_Result_IsACLoadIntelligentEstimation*>(result), 1, map, out);
        break;
    case 3:
        WriteSteps(static_cast<const CCalculate_Result_IsACLoadCalculation*>(result), 1, map, out);
        break;
    case 4:
    case 5:
        WriteSteps(static_cast<const CCalculate_Result_IsACLoadStepCalculation*>(result), steps, map, out);
        break;
    case 6:
    case 7:
    case 8:
        WriteSteps(static_cast<const CCalculate_Result_IsHeatingLoadStepCalculation*>(result), steps, map, out);
        break;
    default:
        break;
    }
}
