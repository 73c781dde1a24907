#pragma once
#include "platform/core/CCurrent.h"

class CDbQuery;

// Element rows kept in memory for one command that reads many elements (a calculation): while one
// is current, LoadElement takes an element's row from it instead of reading the row with a
// statement of its own. The calculation's node-data buffer implements it.
class CElementRowCacheBase : public CCurrent<CElementRowCacheBase>
{
public:
    static constexpr const char* SlotName = "CElementRowCacheBase";

    virtual ~CElementRowCacheBase() = default;

    // The current cache, or null.
    static CElementRowCacheBase* GetCurrent() { return Exists() ? &Current() : nullptr; }

    // A query positioned on the row with that ID in the element table of the type; null when the
    // cache does not hold such a row.
    virtual CDbQuery* LocateRecord(int type, int id) = 0;
};
