#include "model/CRoomOccupationCache.h"

#include "model/CLIB_RoomOccupation.h"
#include "model/TDM_Project.h"
#include "model/TDM_SysParam.h"
#include "platform/core/CDbQuery.h"

CRoomOccupationCache::CRoomOccupationCache() = default;
CRoomOccupationCache::~CRoomOccupationCache() = default;

CLIB_RoomOccupation& CRoomOccupationCache::Get(int id)
{
    if (const auto it = m_records.find(id); it != m_records.end())
        return *it->second;
    // The library of the open project, else that of the system data. A private query keeps the
    // shared queries' rows where their users left them.
    CDbQuery query;
    if (TDM_Project::Exists() && TDM_Project::Current().ProjectCon.IsOpen())
        query.SetConnection(TDM_Project::Current().ProjectCon);
    else
        query.SetConnection(TDM_SysParam::Current().ADOConnection2);
    auto record = std::make_unique<CLIB_RoomOccupation>();
    record->DataSet = &query;
    record->LoadById(id);
    record->DataSet = nullptr;
    CLIB_RoomOccupation& result = *record;
    m_records[id] = std::move(record);
    return result;
}

void CRoomOccupationCache::Clear()
{
    m_records.clear();
}

CLIB_RoomOccupation& GetRoomOccupation(int id)
{
    return CRoomOccupationCache::Current().Get(id);
}

void ClearRoomOccupationCache()
{
    if (CRoomOccupationCache::Exists())
        CRoomOccupationCache::Current().Clear();
}
