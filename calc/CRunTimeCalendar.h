#pragma once

// The calendar of the operating plan year: 365 days, 1 January a Sunday. Weekday codes 1 Monday
// to 7 Sunday; Saturday and Sunday are rest days. Months are 0..11, days of the year 0..364, flag
// tables 365 x 24 bytes, day-major, as RunTimeSys::HourFlags.
class CRunTimeCalendar
{
public:
    static int WeekdayOfDay(int day);
    // month 1..12.
    static int FirstWeekdayOfMonth(int month);
    // The day of the year of the first day of the month (0..11) with the weekday code.
    static int FirstDayOfWeekday(int month, int weekday);
    static bool IsRestDay(int day);
    // Switches off every hour of every Saturday and Sunday of the year (105 days).
    static void ClearWeekends(unsigned char* flags);
    // Copies the month's first Monday's hours onto every working day and its first Sunday's onto
    // every rest day from firstDay to lastDay (days of the year, both included). Returns the
    // number of days written: 0 when lastDay lies before firstDay.
    static int ApplyMonthPattern(unsigned char* flags, int month, int firstDay, int lastDay);
};
