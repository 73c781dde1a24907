#pragma once
#include "climate/CProjectGroupingBase.h"

// A room as the system lists show it: its ID and the names of its building, storey and room.
struct SRoomRef
{
    int ID = -1;
    QString BuildingName;
    QString StoreyName;
    QString RoomName;
    // "storey~room", a line of the unassigned rooms of one building.
    QString FreeLine() const;
    // "building~storey~room", a line of the rooms of a system.
    QString SystemLine() const;
};

// The air-conditioning systems of one kind: return-air systems (table PrimaryAirSystem, rooms by
// Room.PrimaryAirSystemName) or outdoor-air systems (table OutsideAirSystem, rooms by
// Room.OutsideAirSystemName). A room belongs to at most one system of each kind, and to none of a
// kind while its column is empty or null.
class CAirSystems : public CProjectGroupingBase
{
public:
    // outsideAir: 0 return-air systems, any other value outdoor-air systems.
    explicit CAirSystems(int outsideAir);

    const int OutsideAir;
    const QString& SystemTable() const { return m_table; }
    const QString& SystemField() const { return m_column; }
    // "新风系统管理" or "回风系统管理".
    QString Caption() const;

    // Rooms of the building without a system of this kind, by storey and room ID.
    QList<SRoomRef> FreeRooms(int buildingId);
    // The system's rooms across all buildings, by building, storey and room ID.
    QList<SRoomRef> SystemRooms(const QString& system);

private:
    QList<SRoomRef> ReadRooms();
};
