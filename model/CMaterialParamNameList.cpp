#include "model/CMaterialParamNameList.h"

#include "model/NameTables.h"
#include "model/TDM_Project.h"
#include "model/TInitalizationManage.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"

namespace {
const CNameIdList kEmpty;
}

const CNameIdList& CMaterialParamNameList::GetNameList(int kind)
{
    if (kind < 0 || kind >= LibraryKindCount)
        return kEmpty;
    Fill(m_lists[kind], QStringLiteral(" select Name,ID from %1 ").arg(LibraryTableName(kind)));
    return m_lists[kind];
}

QString CMaterialParamNameList::GetNameById(int kind, int id)
{
    return FindName(GetNameList(kind), id);
}

const CNameIdList& CMaterialParamNameList::GetScheduleList()
{
    if (m_schedules.isEmpty())
        Fill(m_schedules, QStringLiteral("select Name,ID from Schedule "));
    return m_schedules;
}

QString CMaterialParamNameList::GetScheduleNameById(int id)
{
    return FindName(GetScheduleList(), id);
}

void CMaterialParamNameList::ClearAll()
{
    for (CNameIdList& list : m_lists)
        list.clear();
    m_schedules.clear();
}

void CMaterialParamNameList::ClearList(int kind)
{
    if (kind >= 0 && kind < ListCount)
        m_lists[kind].clear();
}

void CMaterialParamNameList::ReloadSchedules()
{
    m_schedules.clear();
    GetNameList(ScheduleKind);
}

void CMaterialParamNameList::LoadDistinctNames(int elementType)
{
    m_usedNames.clear();
    const QString table = ElementTableName(elementType);
    const QString column = table + QStringLiteral("Name");
    // Used names only mean something for a project's elements; the system database has none.
    const bool projectOpen = m_dataSet && TDM_Project::Exists() &&
                             m_dataSet->ConnectionName() == TDM_Project::Current().ProjectCon.Name();
    if (projectOpen && !table.isEmpty() &&
        CTool::OpenQuery(*m_dataSet, {QStringLiteral(" select distinct %1Name from %1 ").arg(table)}) >= 0) {
        for (m_dataSet->First(); !m_dataSet->Eof(); m_dataSet->Next())
            m_usedNames << m_dataSet->AsString(column);
    }
    m_defaultText =
        TInitalizationManage::Exists() ? TInitalizationManage::Current().GetInitValue(column) : QString();
}

void CMaterialParamNameList::Fill(CNameIdList& list, const QString& sql)
{
    list.clear();
    // A failed select has been shown to the user by CTool; the list simply stays empty.
    if (!m_dataSet || CTool::OpenQuery(*m_dataSet, {sql}) < 0)
        return;
    for (m_dataSet->First(); !m_dataSet->Eof(); m_dataSet->Next())
        list.append({m_dataSet->AsString(QStringLiteral("Name")), m_dataSet->AsInt(QStringLiteral("ID"))});
}

QString CMaterialParamNameList::FindName(const CNameIdList& list, int id)
{
    for (const CNameWithId& entry : list)
        if (entry.ID == id)
            return entry.Name;
    return QString();
}
