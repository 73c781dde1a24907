#pragma once
#include "platform/core/CCurrent.h"

#include <map>
#include <memory>

class CLIB_RoomOccupation;

// The program-wide store of room-use records by ID: a record is read once from the library of the
// open project (or of the system data while no project is open) and kept until the cache is
// cleared. Registered as Current() while it lives. Records handed out are owned by the cache and
// become invalid at the next Clear.
class CRoomOccupationCache : public CCurrent<CRoomOccupationCache>
{
public:
    static constexpr const char* SlotName = "CRoomOccupationCache";

    CRoomOccupationCache();
    ~CRoomOccupationCache();

    // The cached record of the ID, read on the first request. An ID without a row raises
    // "材料[ID:%d]不存在，请重新指定材料" and caches nothing, so the next request reads again.
    CLIB_RoomOccupation& Get(int id);
    // Forgets every ID and destroys every record. Called whenever the room-use library may have
    // changed and whenever a project is opened, closed or created.
    void Clear();
    int Count() const { return static_cast<int>(m_records.size()); }

private:
    std::map<int, std::unique_ptr<CLIB_RoomOccupation>> m_records;
};

// CRoomOccupationCache::Current().Get(id) and .Clear().
CLIB_RoomOccupation& GetRoomOccupation(int id);
void ClearRoomOccupationCache();
