#pragma once
#include <QSet>
#include <QString>
#include <QStringList>

// Which fields of a room-use record (table RoomOccupation) a room and its loads take: all of them,
// or exactly the record columns named (the fields a user ticked). A name never matches inside
// another: "TemperatureVariation_Heating" does not bring TemperatureVariation along, nor
// "FoodPeopleDensity" PeopleDensity. A value and its unit travel together under the value's name
// (PeopleDensity with PeopleDensityUnit, the equipment powers with their units).
class COccupationFields
{
public:
    // All fields.
    COccupationFields() = default;
    // The named record columns; an empty list means all fields.
    explicit COccupationFields(const QStringList& columns);

    bool IsAll() const { return m_columns.isEmpty(); }
    // Whether the field taken from the record column is applied (case counts).
    bool Has(const QString& column) const { return IsAll() || m_columns.contains(column); }

private:
    QSet<QString> m_columns;
};
