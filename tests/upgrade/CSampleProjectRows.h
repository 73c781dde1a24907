#pragma once
#include <QString>
#include <QStringList>

class CDbQuery;

// Element, tree and library rows written into a blank project at the current version, so that an
// upgrade test can follow them through an older format and back.
//
// Two buildings: B1 with storeys 1F (rooms R1, R2) and 2F (room R1), B2 with storey 1F (room R1),
// room IDs 1 to 4 in that order; the same names recur in other storeys and buildings, as the old
// format's name links must tell them apart. Room 1 holds one element of every room element type
// (ID 1), the walls and the roof their openings (ID 1); room 4 holds people with ID 2. Every
// construction library holds "<kind>甲" (ID 1, the default) and "<kind>乙" (ID 2), which the
// elements use. The ceiling of room 1 lies under 2F/R1 (room 3), its inside wall against R2
// (room 2); the ceiling of room 4 names 2F/R1, which its building lacks. The tree holds the project
// node and one node per element, the lighting disabled.
class CSampleProjectRows
{
public:
    static void Insert(CDbQuery& query);
    // Instead: one office building of `rooms` rooms, 20 to a storey, each with an outside wall with
    // a window and a door, an inside wall against its neighbour with a door, a ceiling under the
    // room above, a floor, people, lighting, electric and electronic equipment and infiltration;
    // the library holds one construction of each kind (ID 1).
    static void InsertOfficeBuilding(CDbQuery& query, int rooms);

    // The element tables with the type code of each, as the tree stores them.
    static const QList<std::pair<QString, int>>& ElementTables();
};
