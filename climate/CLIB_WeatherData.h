#pragma once
#include "climate/CWeatherLocation.h"

#include <QString>

class CDbQuery;

// One row of the weather library (table WeatherData): a location's design weather under a design
// standard, found by Lib_name, Country, Area and City together. It carries whole rows from one
// database to another; it never reads or writes the row's ID and has no ground grade (that is the
// project's choice).
class CLIB_WeatherData : public CWeatherLocation
{
public:
    QString Lib_name;            // the design standard, "GB50736-2012" or "GBJ19-87"
    CDbQuery* DataSet = nullptr; // set by the caller before each load or save; not owned

    // Reads every value from the current row of DataSet.
    void Load();
    // Writes every value into the row DataSet edits or appends; the caller posts.
    void Save() const;

    // Copies the row of the four key texts from source into target: it replaces every value of the
    // target row with those keys (keeping its ID) or adds a row. False when source has no such row
    // or a query failed (the user was told); raises Exception when target refuses the row.
    static bool CopyRow(CDbQuery& source, CDbQuery& target, const QString& libName, const QString& country,
                        const QString& area, const QString& city);
};
