#include "calc/CLoadCurveList.h"

#include "platform/core/Exception.h"

#include <algorithm>

namespace {
constexpr int kHours = 24;
}

CLoadCurveList::CLoadCurveList(int designType) : m_designType(designType), m_valueCount(ValueCountOf(designType)) {}

int CLoadCurveList::ValueCountOf(int designType)
{
    switch (designType) {
    case 2:
    case 3:
    case 6:
        return kHours;
    case 4:
    case 7:
        return 12 * kHours;
    case 5:
    case 8:
        return 365 * kHours;
    default:
        return 0;
    }
}

int CLoadCurveList::Find(const QString& name) const
{
    for (size_t index = 0; index < m_curves.size(); ++index)
        if (m_curves[index].Name == name)
            return static_cast<int>(index);
    return -1;
}

void CLoadCurveList::AddCurve(const QString& name, const float* values, int block)
{
    if (block < 0 || (block + 1) * kHours > m_valueCount)
        throw Exception(QStringLiteral("负荷曲线[%1]的时段%2超出范围").arg(name).arg(block));
    int index = Find(name);
    if (index < 0) {
        m_curves.push_back(CViewCurveData{name, std::vector<float>(static_cast<size_t>(m_valueCount), 0.0f)});
        index = Count() - 1;
    }
    std::copy_n(values, kHours, m_curves[static_cast<size_t>(index)].Values.begin() + block * kHours);
}
