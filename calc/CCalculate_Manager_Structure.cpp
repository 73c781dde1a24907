#include "calc/CCalMsgOutput.h"
#include "calc/CCalculateHostBase.h"
#include "calc/CCalculate_Manager.h"
#include "model/CNodeData.h"
#include "model/CTreeItem.h"

namespace {
constexpr int kProjectKind = 0;
constexpr int kFolderKind = 30;

void ShowStructureMessage()
{
    if (CCalMsgOutput* progress = CCalMsgOutput::GetCurrent())
        progress->SetCalcMessage(QStringLiteral("正在生成处理结构"));
}

void SetGaugeMaximum(int rooms)
{
    if (CCalMsgOutput* progress = CCalMsgOutput::GetCurrent())
        progress->SetProgressMax(rooms);
}

// Whether the operating-scheme selection leaves the room out of the run.
bool OutsideScheme(const CBaseData& room)
{
    const CCalculateHostBase* host = CCalculateHostBase::GetCurrent();
    if (!host || !host->IsSchemeMode())
        return false;
    return !room.Node || !host->SchemeContainsId(room.Node->NodeId());
}
} // namespace

std::vector<std::unique_ptr<CBaseData>> CCalculate_Manager::CollectAncestorEntries(CTreeItem* item, int& kind)
{
    kind = -1;
    bool found = false;
    std::vector<std::unique_ptr<CBaseData>> chain;
    // Disabled nodes are taken like enabled ones: the user chose this branch.
    for (CTreeItem* above = item; above; above = above->Parent()) {
        const int type = above->Type();
        if (type == kProjectKind)
            break;
        if (type == kFolderKind)
            continue;
        chain.insert(chain.begin(), std::make_unique<CBaseData>(*above));
        if (!found) {
            kind = type;
            found = true;
        }
    }
    return chain;
}

int CCalculate_Manager::BuildCalcStructure(CTreeItem* item)
{
    ShowStructureMessage();
    int rooms = 0;
    const int kind = PlaceItemAndAncestors(item, rooms);
    SetGaugeMaximum(rooms);
    return kind;
}

int CCalculate_Manager::PlaceItemAndAncestors(CTreeItem* item, int& roomCount)
{
    ClearCursor();
    int kind = -1;
    for (std::unique_ptr<CBaseData>& entry : CollectAncestorEntries(item, kind))
        AddNode(std::move(entry), roomCount);
    for (int i = 0; item && i < item->Count(); ++i)
        AddSubtree(item->Item(i), roomCount);
    return kind < 1 ? 0 : kind;
}

void CCalculate_Manager::BuildCalcStructureFrom(CTreeItem* item)
{
    ShowStructureMessage();
    int rooms = 0;
    AddSubtree(item, rooms);
    SetGaugeMaximum(rooms);
}

void CCalculate_Manager::AddSubtree(CTreeItem* item, int& roomCount)
{
    // A disabled element is left out together with everything under it.
    if (!item || !item->IsActive())
        return;
    if (item->Type() != kFolderKind)
        AddNode(std::make_unique<CBaseData>(*item), roomCount);
    for (int i = 0; i < item->Count(); ++i)
        AddSubtree(item->Item(i), roomCount);
}

void CCalculate_Manager::AddNode(std::unique_ptr<CBaseData> entry, int& roomCount)
{
    const int kind = entry->Kind;
    // A new level ends the place of openings below the previous one, so that no element lands in
    // a room, wall or roof of another branch.
    switch (kind) {
    case 1:
        m_buildings.push_back(std::make_unique<CCalculate_Building>(*entry));
        m_currentBuilding = m_buildings.back().get();
        m_currentStorey = nullptr;
        m_currentRoom = nullptr;
        m_currentRoof = nullptr;
        m_currentInsideWall = nullptr;
        m_currentOutsideWall = nullptr;
        return;
    case 2:
        if (!m_currentBuilding)
            return;
        m_currentBuilding->Storeys.push_back(std::make_unique<CCalculate_Storey>(*entry));
        m_currentStorey = m_currentBuilding->Storeys.back().get();
        m_currentRoom = nullptr;
        m_currentRoof = nullptr;
        m_currentInsideWall = nullptr;
        m_currentOutsideWall = nullptr;
        return;
    case 3:
        m_currentRoof = nullptr;
        m_currentInsideWall = nullptr;
        m_currentOutsideWall = nullptr;
        if (!m_currentStorey || OutsideScheme(*entry)) {
            m_currentRoom = nullptr;
            return;
        }
        m_currentStorey->Rooms.push_back(std::make_unique<CCalculate_Room>(*entry));
        m_currentRoom = m_currentStorey->Rooms.back().get();
        ++roomCount;
        return;
    default:
        break;
    }
    if (!m_currentRoom)
        return;
    CCalculate_Room& room = *m_currentRoom;
    switch (kind) {
    case 4:
        room.People = std::move(entry);
        return;
    case 5:
        room.Lighting = std::move(entry);
        return;
    case 9:
        room.OutsideWalls.push_back(std::make_unique<CCalculate_OutsideWall>(std::move(entry)));
        m_currentOutsideWall = room.OutsideWalls.back().get();
        return;
    case 10:
    case 11:
        if (m_currentOutsideWall)
            (kind == 10 ? m_currentOutsideWall->Windows : m_currentOutsideWall->Doors)
                .push_back(std::move(entry));
        return;
    case 13:
        room.InsideWalls.push_back(std::make_unique<CCalculate_InsideWall>(std::move(entry)));
        m_currentInsideWall = room.InsideWalls.back().get();
        return;
    case 14:
    case 15:
        if (m_currentInsideWall)
            (kind == 14 ? m_currentInsideWall->Windows : m_currentInsideWall->Doors)
                .push_back(std::move(entry));
        return;
    case 17:
        room.Roofs.push_back(std::make_unique<CCalculate_Roof>(std::move(entry)));
        m_currentRoof = room.Roofs.back().get();
        return;
    case 18:
        if (m_currentRoof)
            m_currentRoof->SkyWindows.push_back(std::move(entry));
        return;
    default:
        if (CCalculate_Room::ElementListIndex(kind) >= 0)
            room.Elements(kind).push_back(std::move(entry));
        return;
    }
}
