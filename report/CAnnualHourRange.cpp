#include "report/CAnnualHourRange.h"

#include <QDateTime>
#include <QTimeZone>
#include <algorithm>

namespace {
constexpr int kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kMonthFirstDay[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
} // namespace

int CAnnualHourRange::MonthFirstDay(int month)
{
    return kMonthFirstDay[std::clamp(month, 0, 11)];
}

int CAnnualHourRange::MonthDays(int month)
{
    return kMonthDays[std::clamp(month, 0, 11)];
}

int CAnnualHourRange::HourOfYear(int month, int day, int hour)
{
    month = std::clamp(month, 0, 11);
    day = std::clamp(day, 0, kMonthDays[month] - 1);
    return (kMonthFirstDay[month] + day) * 24 + std::clamp(hour, 0, 23);
}

void CAnnualHourRange::Append(int hour, int year)
{
    const int dayOfYear = hour / 24;
    int month = 11;
    while (month > 0 && kMonthFirstDay[month] > dayOfYear)
        --month;
    SPoint point;
    point.Hour = hour;
    point.Date = QDate(year, month + 1, dayOfYear - kMonthFirstDay[month] + 1);
    point.HourOfDay = hour % 24;
    point.Msecs = QDateTime(point.Date, QTime(point.HourOfDay, 0)).toMSecsSinceEpoch();
    m_points.push_back(point);
}

void CAnnualHourRange::Build(int startMonth, int startDay, int startHour, int endMonth, int endDay, int endHour,
                             int year)
{
    const int start = HourOfYear(startMonth, startDay, startHour);
    const int end = HourOfYear(endMonth, endDay, endHour);
    m_points.clear();
    if (start <= end) {
        m_points.reserve(static_cast<size_t>(end - start + 1));
        for (int hour = start; hour <= end; ++hour)
            Append(hour, year);
        return;
    }
    m_points.reserve(static_cast<size_t>(HoursPerYear - start + end + 1));
    for (int hour = start; hour < HoursPerYear; ++hour)
        Append(hour, year);
    for (int hour = 0; hour <= end; ++hour)
        Append(hour, year + 1);
}
