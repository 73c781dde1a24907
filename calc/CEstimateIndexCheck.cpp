#include "calc/CEstimateIndexCheck.h"

#include "calc/CCalculateHostBase.h"
#include "calc/RoomCalcContext.h"
#include "model/CRoom.h"

#include <initializer_list>

namespace {
constexpr int kWarningCategory = 0;

bool AllZero(std::initializer_list<double> indexes)
{
    for (const double index : indexes)
        if (index != 0.0)
            return false;
    return true;
}

// The indexes the design type reads on one side.
bool SideAllZero(int designType, const CRoom& room, bool cooling)
{
    switch (designType) {
    case 0:
        return AllZero({cooling ? room.TotalCoolIndex : room.TotalHeatIndex});
    case 1:
        return cooling ? AllZero({room.EnclosureCoolIndex, room.PeopleCoolIndex, room.OutsideAirCoolIndex,
                                  room.OthersCoolIndex})
                       : AllZero({room.EnclosureHeatIndex, room.PeopleHeatIndex, room.OutsideAirHeatIndex,
                                  room.PthersHeatIndex});
    default:
        return AllZero({cooling ? room.EnclosureCoolIndex : room.EnclosureHeatIndex});
    }
}

QString IndexNames(int designType)
{
    switch (designType) {
    case 0:
        return QStringLiteral("总冷指标和总热指标");
    case 1:
        return QStringLiteral("围护、人员、新风和其它冷热指标");
    default:
        return QStringLiteral("围护冷指标和围护热指标");
    }
}

QString Consequence(int designType)
{
    return designType == 2 ? QStringLiteral("估算负荷不含围护结构负荷") : QStringLiteral("估算负荷为0");
}
} // namespace

void CEstimateIndexCheck::AddRoom(int designType, const RoomCalcContext& context)
{
    if (designType < 0 || designType > 2 || !context.Room || (!context.SummerCooling && !context.WinterAC))
        return;
    m_designType = designType;
    ++m_roomCount;
    const CRoom& room = *context.Room;
    const bool coolingZero = !context.SummerCooling || SideAllZero(designType, room, true);
    const bool heatingZero = !context.WinterAC || SideAllZero(designType, room, false);
    if (coolingZero && heatingZero)
        m_zeroRooms << context.RoomPath;
}

QStringList CEstimateIndexCheck::WarningLines() const
{
    QStringList lines;
    if (m_zeroRooms.isEmpty())
        return lines;
    const QString names = IndexNames(m_designType);
    const QString consequence = Consequence(m_designType);
    if (m_zeroRooms.size() == m_roomCount && m_roomCount > 1) {
        lines << QStringLiteral("所有房间的%1均为0，%2。请在房间页输入负荷指标(W/m^2)，或选用带负荷指标的房间用途。")
                     .arg(names, consequence);
        return lines;
    }
    for (const QString& room : m_zeroRooms)
        lines << QStringLiteral("房间[%1]的%2均为0，%3。").arg(room, names, consequence);
    return lines;
}

void CEstimateIndexCheck::Report()
{
    for (const QString& line : WarningLines())
        CCalculateHostBase::PostOutputLine(kWarningCategory, line);
    m_designType = -1;
    m_roomCount = 0;
    m_zeroRooms.clear();
}
