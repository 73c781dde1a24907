#include "climate/CAirSystems.h"

#include "platform/core/CTool.h"

QString SRoomRef::FreeLine() const
{
    return QStringLiteral("%1~%2").arg(StoreyName, RoomName);
}

QString SRoomRef::SystemLine() const
{
    return QStringLiteral("%1~%2~%3").arg(BuildingName, StoreyName, RoomName);
}

CAirSystems::CAirSystems(int outsideAir)
    : CProjectGroupingBase(
          outsideAir ? QStringLiteral("OutsideAirSystem") : QStringLiteral("PrimaryAirSystem"),
          outsideAir ? QStringLiteral("OutsideAirSystemName") : QStringLiteral("PrimaryAirSystemName"),
          QStringLiteral("Room")),
      OutsideAir(outsideAir)
{
}

QString CAirSystems::Caption() const
{
    return OutsideAir ? QStringLiteral("新风系统管理") : QStringLiteral("回风系统管理");
}

QList<SRoomRef> CAirSystems::ReadRooms()
{
    QList<SRoomRef> rooms;
    for (m_query.First(); !m_query.Eof(); m_query.Next())
        rooms.append({m_query.Field(0).toInt(), m_query.Field(1).toString(), m_query.Field(2).toString(),
                      m_query.Field(3).toString()});
    return rooms;
}

QList<SRoomRef> CAirSystems::FreeRooms(int buildingId)
{
    OpenQueryGuarded(m_query,
                     CSQLStatement(QStringLiteral("select Room.ID, Building.Name, Storey.Name, Room.Name "
                                                  "from Building, Storey, Room where Building.ID = ? and "
                                                  "Storey.parent_id = Building.ID and Room.parent_id = "
                                                  "Storey.ID and (%1='' or %1 is null) "
                                                  "order by Building.ID,Storey.ID,Room.ID")
                                       .arg(QStringLiteral("Room.") + m_column),
                                   {buildingId}));
    return ReadRooms();
}

QList<SRoomRef> CAirSystems::SystemRooms(const QString& system)
{
    OpenQueryGuarded(m_query,
                     CSQLStatement(QStringLiteral("select Room.ID, Building.Name, Storey.Name, Room.Name "
                                                  "from Building, Storey, Room where %1 = ? COLLATE NOCASE "
                                                  "and Room.parent_id = Storey.ID and Storey.parent_id = "
                                                  "Building.ID order by Building.ID,Storey.ID,Room.ID")
                                       .arg(QStringLiteral("Room.") + m_column),
                                   {system}));
    return ReadRooms();
}
