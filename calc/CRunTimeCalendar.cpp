#include "calc/CRunTimeCalendar.h"

#include "calc/RunTimeSys.h"
#include "model/NameTables.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr int kWeekdayOfDayMod7[7] = {7, 1, 2, 3, 4, 5, 6};
constexpr int kSaturday = 6;
constexpr int kSunday = 7;
constexpr int kMonday = 1;
} // namespace

int CRunTimeCalendar::WeekdayOfDay(int day)
{
    return kWeekdayOfDayMod7[((day % 7) + 7) % 7];
}

int CRunTimeCalendar::FirstWeekdayOfMonth(int month)
{
    return WeekdayOfDay(MonthFirstDay(month - 1));
}

int CRunTimeCalendar::FirstDayOfWeekday(int month, int weekday)
{
    const int first = MonthFirstDay(month);
    return first + ((weekday - WeekdayOfDay(first)) % 7 + 7) % 7;
}

bool CRunTimeCalendar::IsRestDay(int day)
{
    return WeekdayOfDay(day) >= kSaturday;
}

void CRunTimeCalendar::ClearWeekends(unsigned char* flags)
{
    for (int d = 0; d < RunTimeSys::Days; ++d)
        if (IsRestDay(d))
            std::fill_n(flags + d * RunTimeSys::Hours, RunTimeSys::Hours, 0);
}

int CRunTimeCalendar::ApplyMonthPattern(unsigned char* flags, int month, int firstDay, int lastDay)
{
    firstDay = std::max(firstDay, 0);
    lastDay = std::min(lastDay, RunTimeSys::Days - 1);
    if (lastDay < firstDay)
        return 0;
    unsigned char workday[RunTimeSys::Hours];
    unsigned char restDay[RunTimeSys::Hours];
    std::memcpy(workday, flags + FirstDayOfWeekday(month, kMonday) * RunTimeSys::Hours, RunTimeSys::Hours);
    std::memcpy(restDay, flags + FirstDayOfWeekday(month, kSunday) * RunTimeSys::Hours, RunTimeSys::Hours);
    for (int d = firstDay; d <= lastDay; ++d)
        std::memcpy(flags + d * RunTimeSys::Hours, IsRestDay(d) ? restDay : workday, RunTimeSys::Hours);
    return lastDay - firstDay + 1;
}
