#pragma once
#include <QString>
#include <QStringList>

struct RoomCalcContext;

// The estimates take their loads from the room's load indexes (W/m²): design types 0 and 1
// multiply them by the area, type 2 takes the envelope from them. A room whose indexes on its
// conditioned sides are all 0 gets an estimate of 0 (type 2: one without its envelope) and nothing
// else shows it, so a run notes such rooms and, when it ends, posts one warning naming them, or one
// saying that every room's indexes are 0. Rooms with neither side conditioned are not counted.
class CEstimateIndexCheck
{
public:
    // Notes one room of design type 0, 1 or 2 (others are ignored); context.RoomPath names it.
    void AddRoom(int designType, const RoomCalcContext& context);
    // The warning lines of the rooms noted so far; empty when none has all indexes 0.
    QStringList WarningLines() const;
    // Posts the warning lines to the warning category of the message panel and forgets the rooms.
    void Report();

private:
    int m_designType = -1;
    int m_roomCount = 0;
    QStringList m_zeroRooms;
};
