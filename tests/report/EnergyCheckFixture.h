#pragma once
#include "tests/model/ProjectTreeFixture.h"

#include <QVariantMap>

// A blank project with the defaults loaded, where each test builds its buildings row by row.
// Rooms and elements are plain rows of their tables: the checks read nothing else.
class EnergyCheckFixture : public ProjectTreeFixture
{
protected:
    // Inserts the row and returns its ID.
    int Insert(const QString& table, const QVariantMap& values);
    int AddBuilding(const QString& name);
    int AddStorey(int buildingId, double height, bool belowGround = false);
    // A room entered by length × width (mode 0) or by area (mode 1).
    int AddRoom(int storeyId, double length, double width, double area = 0, int mode = 0);
    // A room of 5 m × 4 m on a new storey of 3 m of a new building of that name.
    int AddRoomInNewBuilding(const QString& name);
    // An element of the table in the parent row, entered by area.
    int AddByArea(const QString& table, int parentId, double area, const QVariantMap& more = {});
    // A construction record of the library kind with summer and winter K (and g for glazing).
    int AddConstruction(int kind, double kSummer, double kWinter, double g = -1);
    void SetAutoRefresh(const QString& value);
    void SetStored(int buildingId, const QString& column, double value);
};
