#include "calc/CScheduleDayCache.h"

#include <algorithm>

namespace {
constexpr int kMonths = 12;
constexpr int kDayTypes = 10;
constexpr int kHours = 24;

int SlotOf(int month, int dayType)
{
    if (month < 1 || month > kMonths || dayType < 1 || dayType > kDayTypes)
        return -1;
    return (month - 1) * kDayTypes + dayType - 1;
}
} // namespace

struct CScheduleDayCache::SDays
{
    float Values[kMonths * kDayTypes][kHours];
    bool Kept[kMonths * kDayTypes] = {};
};

CScheduleDayCache::CScheduleDayCache() = default;
CScheduleDayCache::~CScheduleDayCache() = default;

const float* CScheduleDayCache::Find(const QString& name, int month, int dayType) const
{
    const int slot = SlotOf(month, dayType);
    if (slot < 0)
        return nullptr;
    const auto it = m_days.constFind(name);
    if (it == m_days.cend() || !(*it)->Kept[slot])
        return nullptr;
    return (*it)->Values[slot];
}

void CScheduleDayCache::Keep(const QString& name, int month, int dayType, const float* values)
{
    const int slot = SlotOf(month, dayType);
    if (slot < 0)
        return;
    std::shared_ptr<SDays>& days = m_days[name];
    if (!days)
        days = std::make_shared<SDays>();
    std::copy(values, values + kHours, days->Values[slot]);
    days->Kept[slot] = true;
}

void CScheduleDayCache::Clear()
{
    m_days.clear();
}
