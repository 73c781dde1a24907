#include "climate/forms/TAirSystemForm.h"

TAirSystemForm::TAirSystemForm(int outsideAir, QWidget* owner)
    : TGroupingFormBase({QStringLiteral("房间"), QStringLiteral("系统名称"), QStringLiteral("服务区域"),
                         QStringLiteral("名称"), QStringLiteral("新系统"), QStringLiteral("更名"),
                         QStringLiteral("删除系统")},
                        owner),
      OutsideAir(outsideAir),
      m_systems(outsideAir)
{
    setObjectName(QStringLiteral("AirSystemForm"));
    setWindowTitle(m_systems.Caption());
    LoadLists();
}

QList<QPair<QString, int>> TAirSystemForm::FreeLines(int buildingId)
{
    QList<QPair<QString, int>> lines;
    for (const SRoomRef& room : m_systems.FreeRooms(buildingId))
        lines.append({room.FreeLine(), room.ID});
    return lines;
}

QList<QPair<QString, int>> TAirSystemForm::MemberLines(const QString& system)
{
    QList<QPair<QString, int>> lines;
    for (const SRoomRef& room : m_systems.SystemRooms(system))
        lines.append({room.SystemLine(), room.ID});
    return lines;
}
