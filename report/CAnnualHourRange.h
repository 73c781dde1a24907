#pragma once
#include <QDate>
#include <vector>

// The hours of the annual load chart between a start and an end (month 0..11, day index 0 = the
// 1st, hour 0..23), both included, in the 365-day year of the daily calculation: hours S..E, or
// S..8759 then 0..E when the range runs over the year's end. Each point is dated in a year
// without 29 February taken from its hour of the year, so a leap year never shifts the days after
// 28 February; the hours after the year's end are dated in the next year.
class CAnnualHourRange
{
public:
    static constexpr int HoursPerYear = 8760;

    struct SPoint
    {
        int Hour;        // hour of the 365-day year, index into the value arrays
        QDate Date;      // calendar date of the point
        int HourOfDay;   // 0..23
        qint64 Msecs;    // local date and hour as milliseconds since the epoch, the chart's x
    };

    // Day index past the month's last day is taken as its last day.
    void Build(int startMonth, int startDay, int startHour, int endMonth, int endDay, int endHour, int year);

    // First day of the month in the 365-day year, and its days.
    static int MonthFirstDay(int month);
    static int MonthDays(int month);
    // The hour of the year of (month, day index, hour).
    static int HourOfYear(int month, int day, int hour);

    const std::vector<SPoint>& Points() const { return m_points; }
    int PointCount() const { return static_cast<int>(m_points.size()); }

private:
    void Append(int hour, int year);

    std::vector<SPoint> m_points;
};
