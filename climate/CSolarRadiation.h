#pragma once

class CDbQuery;

// The solar radiation of every month by direction (table SolarRadiation, one row per month,
// Month 1 = January).
class CSolarRadiation
{
public:
    // Positions in a month's ten values.
    enum Column : int
    {
        Multiple = 0, // the coefficient the weather form shows as "系数"
        East,
        SouthEast,
        South,
        SouthWest,
        West,
        NorthWest,
        North,
        NorthEast,
        Level, // horizontal
    };

    CDbQuery* DataSet = nullptr; // not owned

    // [month 0 = January][Column]: the coefficient, then intensities in W/m².
    float Radiation[12][10] = {};

    // Reads every row; months without a row, and the whole array when the table is empty, are 0.
    // Rows whose Month lies outside 1..12 are passed over.
    void Load();
    // Replaces the table's rows by 12 rows, January first; all or nothing. Raises Exception when
    // the database refuses a statement.
    void Save();

    // The column of each position, in order.
    static const char* const ColumnNames[10];
};
