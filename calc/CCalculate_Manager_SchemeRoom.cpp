#include "calc/CCalMsgOutput.h"
#include "calc/CCalculate_Manager.h"
#include "model/CNodeData.h"

void CCalculate_Manager::CalculateSchemeRoom(CTreeItem* item, CCalculate_Room& target)
{
    m_storeySourceFlag = 0;
    // The rooms calculated before give their results back here.
    m_buildings.clear();
    int rooms = 0;
    PlaceItemAndAncestors(item, rooms);

    for (const auto& building : m_buildings) {
        m_currentBuilding = building.get();
        for (const auto& storey : building->Storeys) {
            EnterStorey(*storey);
            for (const auto& room : storey->Rooms) {
                if (room->Entry.Id != target.Entry.Id || room->Entry.Kind != target.Entry.Kind)
                    continue;
                m_currentRoom = room.get();
                ComputeElementArea(room->Entry);
                const bool calculated = CalculateRoomLoads(*room, CElementDetailCallback());
                if (calculated && !CCalMsgOutput::IsCurrentStopped()) {
                    target.Result = room->Result;
                    room->Result = nullptr;
                }
                if (room->Entry.Node)
                    room->Entry.Node->ReleaseElements(true, true);
                m_buildings.clear();
                ClearCursor();
                return;
            }
        }
    }
    m_buildings.clear();
    ClearCursor();
}
