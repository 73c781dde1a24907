#pragma once
#include "model/CElementRowCacheBase.h"
#include "platform/core/CCurrent.h"

#include <array>
#include <memory>

class CDbQuery;

// The element rows of one command: each element table is read once, on first use, with
// "select * from <table>" on the project connection, and rows are then found in memory. Rows
// added to a table after it was read are not seen. Registered as the current buffer while it
// lives, and the current element-row cache, from which element loading takes its rows; deep code
// works without one.
class CNodeDataBuffer : public CCurrent<CNodeDataBuffer>, public CElementRowCacheBase
{
public:
    static constexpr const char* SlotName = "CNodeDataBuffer";
    static constexpr int SlotCount = 100;

    CNodeDataBuffer();
    ~CNodeDataBuffer() override;

    // The current buffer, or null.
    static CNodeDataBuffer* GetCurrent();

    // The query on the element table of the type (0..30), positioned on the row whose ID is the
    // id; null when the table has no such row or the type has no table. A table that cannot be
    // read raises "查询SQL发生异常:\n%s\n执行的语句:%s" and is tried again on the next call.
    CDbQuery* LocateRecord(int type, int id) override;

private:
    struct STable;
    std::array<std::unique_ptr<STable>, SlotCount> m_tables;
};
