#pragma once

class CDbQuery;

// The hourly dry-bulb and wet-bulb temperatures of a design day of every month (table
// TemperatureParameter, one row per month and kind) with each month's extremes. Values are the
// 32-bit floats the calculation library takes.
class CTemperatureParameter
{
public:
    CDbQuery* DataSet = nullptr; // not owned

    // [kind][month][hour]: kind 0 dry bulb, 1 wet bulb; month 0 = January; hour 0..23. ℃.
    float Temperature[2][12][24] = {};
    // [kind][month]: the extremes of the month's 24 values.
    float MonthlyMax[2][12] = {};
    float MonthlyMin[2][12] = {};

    // Reads every row (a later row of the same month and kind wins; rows whose month or kind lie
    // outside the table are passed over), zeros where the table has none, then the extremes.
    void Load();
    // Replaces the table's rows by 24 rows, the twelve dry-bulb months first; all or nothing.
    // Raises Exception when the database refuses a statement.
    void Save();
    // MonthlyMax and MonthlyMin from Temperature, through the calculation library.
    void CalcMonthlyExtremes();
    // Temperature from MonthlyMax and MonthlyMin, through the calculation library.
    void RebuildDailyProfiles();
};
