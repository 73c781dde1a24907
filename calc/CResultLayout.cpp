#include "calc/CResultLayout.h"

#include "calc/ArraySums.h"
#include "calc/SeriesStatistics.h"

#include <algorithm>

CResultLayout::CResultLayout(int width, std::vector<int> converted, std::vector<int> added,
                             std::vector<SPeakRule> peaks, std::vector<int> summedFields)
    : m_width(width), m_converted(std::move(converted)), m_added(std::move(added)), m_peaks(std::move(peaks)),
      m_summedFields(std::move(summedFields))
{
    for (int index : m_added) {
        if (!m_addedRuns.empty() && m_addedRuns.back().first + m_addedRuns.back().second == index)
            ++m_addedRuns.back().second;
        else
            m_addedRuns.emplace_back(index, 1);
    }
}

void CResultLayout::ConvertToKcal(float* values, int flag) const
{
    if (flag == 0)
        return;
    for (int index : m_converted) {
        float* value = values + index * m_width;
        for (int i = 0; i < m_width; ++i)
            value[i] *= KcalPerW;
    }
}

void CResultLayout::Add(float* target, const float* source) const
{
    // A run of arrays is one long array: the same sums in far fewer calls.
    for (const auto& [first, count] : m_addedRuns)
        AddArray(target + first * m_width, source + first * m_width, count * m_width, false);
}

void CResultLayout::WritePeaks(const float* values, float* fields) const
{
    for (const SPeakRule& rule : m_peaks)
        fields[rule.Field] = FindPeakValue(values + rule.Array * m_width, m_width, rule.Filter);
}

void CResultLayout::AddFields(float* target, const float* source) const
{
    for (int field : m_summedFields)
        target[field] += source[field];
}

std::vector<int> CResultLayout::Indexes(int count, std::initializer_list<int> except)
{
    std::vector<int> indexes;
    for (int i = 0; i < count; ++i)
        if (std::find(except.begin(), except.end(), i) == except.end())
            indexes.push_back(i);
    return indexes;
}
