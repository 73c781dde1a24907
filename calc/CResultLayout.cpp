#include "calc/CResultLayout.h"

#include "calc/SeriesStatistics.h"

#include <algorithm>

CResultLayout::CResultLayout(int width, std::vector<int> converted, std::vector<int> added,
                             std::vector<SPeakRule> peaks, std::vector<int> summedFields)
    : m_width(width), m_converted(std::move(converted)), m_added(std::move(added)), m_peaks(std::move(peaks)),
      m_summedFields(std::move(summedFields))
{
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
    for (int index : m_added) {
        const int offset = index * m_width;
        for (int i = 0; i < m_width; ++i)
            target[offset + i] += source[offset + i];
    }
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
