#include "calc/CNodeDataBuffer.h"

#include "model/CElementManage.h"
#include "model/NameTables.h"
#include "model/TDM_Project.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"

#include <QHash>

// One element table read whole, with its rows indexed by ID so that each search is one lookup.
struct CNodeDataBuffer::STable
{
    CDbQuery Query;
    QHash<int, int> RecNoOfId; // ID -> 1-based record number, the first row of an ID
};

CNodeDataBuffer::CNodeDataBuffer() = default;
CNodeDataBuffer::~CNodeDataBuffer() = default;

CNodeDataBuffer* CNodeDataBuffer::GetCurrent()
{
    return CCurrent<CNodeDataBuffer>::Exists() ? &CCurrent<CNodeDataBuffer>::Current() : nullptr;
}

CDbQuery* CNodeDataBuffer::LocateRecord(int type, int id)
{
    if (type < 0 || type >= ElementTypeCount)
        return nullptr;
    std::unique_ptr<STable>& slot = m_tables[static_cast<size_t>(type)];
    if (!slot) {
        auto table = std::make_unique<STable>();
        table->Query.SetConnection(TDM_Project::Current().ProjectCon);
        OpenQueryGuarded(table->Query,
                         CSQLStatement(QStringLiteral("select * from %1").arg(GetElementTableName(type))));
        const int idField = table->Query.FieldIndex(QStringLiteral("ID"));
        if (idField >= 0)
            for (table->Query.First(); !table->Query.Eof(); table->Query.Next()) {
                const int rowId = table->Query.Field(idField).toInt();
                if (!table->RecNoOfId.contains(rowId))
                    table->RecNoOfId.insert(rowId, table->Query.RecNo());
            }
        slot = std::move(table);
    }
    const auto found = slot->RecNoOfId.constFind(id);
    if (found == slot->RecNoOfId.constEnd())
        return nullptr;
    slot->Query.MoveTo(found.value());
    return &slot->Query;
}
