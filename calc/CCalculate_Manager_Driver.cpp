#include "calc/CCalMsgOutput.h"
#include "calc/CCalResultBuffer.h"
#include "calc/CCalculateHostBase.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CIndexArea.h"
#include "calc/ResultAccumulation.h"
#include "model/CBuilding.h"
#include "model/CNodeData.h"
#include "model/CRoom.h"
#include "model/CStorey.h"
#include "platform/core/Exception.h"

namespace {
constexpr int kDetailedCooling = 3;

template <typename T> T* ElementOf(const CBaseData& entry)
{
    return dynamic_cast<T*>(entry.GetElement());
}

CCalResultBuffer& RequirePool()
{
    CCalResultBuffer* pool = CCalResultBuffer::GetCurrent();
    if (!pool)
        throw Exception(QStringLiteral("计算没有结果缓冲区"));
    return *pool;
}
} // namespace

int CCalculate_Manager::Calculate(CTreeItem* item, void* total)
{
    m_storeySourceFlag = 0;
    double areaSum = 0;
    double nodeArea = 0;
    CIndexArea::Reset();

    const int kind = BuildCalcStructure(item);
    if (CCalMsgOutput* progress = CCalMsgOutput::GetCurrent())
        progress->SetCalcMessage(QStringLiteral("正在计算负荷"));

    for (const auto& building : m_buildings) {
        m_currentBuilding = building.get();
        for (const auto& storey : building->Storeys) {
            EnterStorey(*storey);
            for (const auto& room : storey->Rooms) {
                m_currentRoom = room.get();
                ComputeElementArea(room->Entry);
                if (!CalculateRoomLoads(*room, CElementDetailCallback()))
                    return -1;
                // A stop asked for during the room takes effect now; the room is not counted.
                if (CCalMsgOutput::IsCurrentStopped())
                    return -1;
                AddResultToTotal(total, room->Result, 0);
                if (kind == 3)
                    if (const CRoom* element = ElementOf<CRoom>(room->Entry))
                        nodeArea = element->Area;
                room->Clear();
                if (room->Entry.Node)
                    room->Entry.Node->ReleaseElements(true, true);
            }
            if (kind == 2)
                if (CStorey* element = ElementOf<CStorey>(storey->Entry))
                    nodeArea = element->GetIndexArea(-1);
            storey->Clear();
        }
        if (kind == 1 || kind == 0) {
            if (CurrentDesignType() == kDetailedCooling) {
                RequirePool().AcquireResult(building->Result);
                CalculatePumpAndPipeLoad(*building);
                AddResultToTotal(total, building->Result, 0);
            }
            CBuilding* element = ElementOf<CBuilding>(building->Entry);
            nodeArea = element ? element->GetIndexArea(-1) : 0.0;
            areaSum += nodeArea;
        }
        building->Clear();
    }
    CIndexArea::SetBuildingArea(kind == 0 ? areaSum : nodeArea);
    m_indexCheck.Report();
    return kind;
}

bool CCalculate_Manager::CalculateRoomLoads(CCalculate_Room& room, const CElementDetailCallback& detail)
{
    if (m_roomEngine)
        return m_roomEngine->CalculateRoomLoads(*this, room, detail);
    return CalculateRoomLoadsOwn(room, detail);
}

void CCalculate_Manager::CalculatePumpAndPipeLoad(CCalculate_Building& building)
{
    if (m_roomEngine) {
        m_roomEngine->CalculatePumpAndPipeLoad(*this, building);
        return;
    }
    CalculatePumpAndPipeLoadOwn(building);
}

void CCalculate_Manager::EnterStorey(CCalculate_Storey& storey)
{
    m_currentStorey = &storey;
    const CCalculateHostBase* host = CCalculateHostBase::GetCurrent();
    m_storeyElevation = host && storey.Entry.Node ? host->GetElevation(*storey.Entry.Node) : 0.0;
}
