#include "calc/CCalculateHostBase.h"
#include "calc/CCalculate_Manager.h"
#include "model/CAdjacentRoomSlab.h"
#include "model/CInsideWall.h"
#include "model/CNodeData.h"

namespace {
// The heating option "采暖房间" of each kind and the text of its warning.
struct SAdjacentKind
{
    int Kind;
    int HeatedRoomStatus;
    const char* Warning;
};

constexpr SAdjacentKind kAdjacentKinds[] = {
    {13, 3, "[内墙]%1[找不到邻室]"},
    {16, 2, "[楼板]%1[找不到邻室]"},
    {21, 6, "[地板]%1[找不到邻室]"},
};

// The element's heating option and adjacent room, false for an element of another class.
bool AdjacentColumns(int kind, CElementBase* element, int& status, int& roomId)
{
    if (kind == 13) {
        const auto* wall = dynamic_cast<const CInsideWall*>(element);
        if (!wall)
            return false;
        status = wall->AdjacentRoomStatus_Heating;
        roomId = wall->AdjacentRoomID;
        return true;
    }
    const auto* slab = dynamic_cast<const CAdjacentRoomSlab*>(element);
    if (!slab)
        return false;
    status = slab->AdjacentRoomStatus_Heating;
    roomId = slab->AdjacentRoomID;
    return true;
}
} // namespace

bool CCalculate_Manager::GetAdjacentRoom(int kind, const CCalculate_Building* building,
                                         const CCalculate_Storey* storey, CElementBase* element,
                                         const CTreeItem* /*item*/, double& temperature)
{
    const SAdjacentKind* adjacent = nullptr;
    for (const SAdjacentKind& candidate : kAdjacentKinds)
        if (candidate.Kind == kind)
            adjacent = &candidate;
    int status = 0;
    int roomId = 0;
    if (!adjacent || !element || !AdjacentColumns(kind, element, status, roomId))
        return false;
    if (status != adjacent->HeatedRoomStatus) {
        temperature = 0.0;
        return true;
    }
    if (element->GetRoomHeatingTemperature(roomId, temperature))
        return true;

    const auto* node = dynamic_cast<const CNodeData*>(element->Node);
    const CNodeData* room = node ? node->GetAncestorOfType(3) : nullptr;
    const QString path =
        QStringLiteral("%1~%2~%3~%4")
            .arg(building ? building->Entry.Caption : QString(), storey ? storey->Entry.Caption : QString(),
                 room ? room->Caption() : QString(), element->Name);
    CCalculateHostBase::PostOutputLine(0, QString::fromUtf8(adjacent->Warning).arg(path));
    return false;
}
