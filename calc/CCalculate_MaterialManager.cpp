#include "calc/CCalculate_MaterialManager.h"

#include "calc/CCalculateHostBase.h"
#include "library/CreateLibraryRecord.h"
#include "model/CMaterialBase.h"
#include "model/CNodeData.h"
#include "model/NameTables.h"
#include "model/TDM_Project.h"
#include "platform/core/CTool.h"

namespace {
constexpr int kScheduleKind = 17;
} // namespace

CCalculate_MaterialManager::CCalculate_MaterialManager() = default;

CCalculate_MaterialManager::~CCalculate_MaterialManager() = default;

CMaterialBase* CCalculate_MaterialManager::GetMaterial(int kind, const CNodeData* node, int id)
{
    const QString path = node ? node->GetFullPath(QStringLiteral("~")) : QString();
    return LoadMaterial(kind, QString(), id, path);
}

CMaterialBase* CCalculate_MaterialManager::LoadMaterial(int kind, const QString& name, int id,
                                                        const QString& ownerPath)
{
    // Schedules are read by the day-schedule lookup; kinds beyond the library kinds have no table.
    if (kind == kScheduleKind || kind < 0 || kind >= LibraryKindCount)
        return nullptr;
    if (CMaterialBase* cached = m_maps[kind].Get(id))
        return cached;
    std::unique_ptr<CMaterialBase> record = CreateLibraryRecord(kind);
    if (!record)
        return nullptr;

    CDbQuery& query = TDM_Project::Current().MaterialParamTable;
    query.Close();
    OpenQueryGuarded(
        query,
        CSQLStatement(QStringLiteral(" select * from %1 where id = ? ").arg(LibraryTableName(kind)), {id}));
    if (query.IsOpen() && query.RecordCount() > 0) {
        query.First();
        record->DataSet = &query;
        record->Load(QString());
        CMaterialBase* raw = record.get();
        m_maps[kind].Set(id, raw);
        m_lists[kind].push_back(std::move(record));
        return raw;
    }
    CCalculateHostBase::PostMessage(QStringLiteral("[%1] %2材料[%3 ID:%4]不存在，请重新指定材料")
                                        .arg(ownerPath, LibraryName(kind), name)
                                        .arg(id));
    return nullptr;
}
