#include "climate/CStoreyGroups.h"

#include "platform/core/CSavepoint.h"
#include "model/CNodeData.h"
#include "model/CStorey.h"
#include "model/CTreeView2DB.h"
#include "platform/core/CTool.h"
#include "platform/core/CWaitCursor.h"

#include <vector>

namespace {
bool AskToGoOn(const QString& question)
{
    return CTool::Current().ShowMessageBox(QStringLiteral("警告"), question, 9, 0, QStringLiteral("是"),
                                           QStringLiteral("否")) == 6;
}
} // namespace

QString SStoreyRef::Key() const
{
    return QStringLiteral("%1~%2").arg(BuildingName, StoreyName);
}

CStoreyGroups::CStoreyGroups()
    : CProjectGroupingBase(QStringLiteral("StoreyGroup"), QStringLiteral("StoreyGroupName"),
                           QStringLiteral("Storey"))
{
}

void CStoreyGroups::SplitKey(const QString& key, QString& buildingName, QString& storeyName)
{
    const int tilde = key.indexOf(QLatin1Char('~'));
    buildingName = tilde < 0 ? QString() : key.left(tilde);
    storeyName = key.mid(tilde + 1);
}

QList<SStoreyRef> CStoreyGroups::ReadStoreys()
{
    QList<SStoreyRef> storeys;
    for (m_query.First(); !m_query.Eof(); m_query.Next())
        storeys.append({m_query.Field(0).toInt(), m_query.Field(1).toString(), m_query.Field(2).toString()});
    return storeys;
}

QList<SStoreyRef> CStoreyGroups::FreeStoreys(int buildingId)
{
    OpenQueryGuarded(m_query,
                     CSQLStatement("select Storey.ID, Building.Name, Storey.Name from Storey, Building "
                                   "where Building.ID = ? and Storey.parent_id = Building.ID and "
                                   "(coalesce(Storey.StoreyGroupName, '') = '' or not exists (select 1 "
                                   "from StoreyGroup where StoreyGroup.StoreyGroupName = "
                                   "Storey.StoreyGroupName COLLATE NOCASE)) order by Storey.ID",
                                   {buildingId}));
    return ReadStoreys();
}

QList<SStoreyRef> CStoreyGroups::Members(const QString& group)
{
    OpenQueryGuarded(m_query,
                     CSQLStatement("select Storey.ID, Building.Name, Storey.Name from Storey, Building "
                                   "where Storey.StoreyGroupName = ? COLLATE NOCASE and "
                                   "Storey.parent_id = Building.ID order by Building.ID, Storey.ID",
                                   {group}));
    return ReadStoreys();
}

QString CStoreyGroups::BaseStorey(const QString& group)
{
    OpenQueryGuarded(
        m_query, CSQLStatement("select BaseStorey from StoreyGroup where StoreyGroupName = ? COLLATE NOCASE",
                               {group}));
    return m_query.Eof() ? QString() : m_query.Field(0).toString();
}

bool CStoreyGroups::SetBaseStorey(const QString& group, int storeyId)
{
    for (const SStoreyRef& member : Members(group)) {
        if (member.ID != storeyId)
            continue;
        ExecQueryGuarded(
            m_query,
            CSQLStatement("update StoreyGroup set BaseStorey=? where StoreyGroupName=? COLLATE NOCASE",
                          {member.Key(), group}));
        return true;
    }
    return false;
}

bool CStoreyGroups::CheckBaseStorey(const QString& group)
{
    const QString base = BaseStorey(group);
    if (base.isEmpty())
        return false;
    QStringList keys;
    for (const SStoreyRef& member : Members(group))
        keys << member.Key();
    if (Listed(keys, base))
        return false;
    ExecQueryGuarded(
        m_query, CSQLStatement("update StoreyGroup set BaseStorey='' where StoreyGroupName=? COLLATE NOCASE",
                               {group}));
    return true;
}

void CStoreyGroups::MembersLeft(const QString& name)
{
    CheckBaseStorey(name);
}

void CStoreyGroups::Clear(const QString& group)
{
    CSavepoint savepoint(ConnectionName());
    ExecQueryGuarded(
        m_query,
        CSQLStatement("update Storey set StoreyGroupName='' where StoreyGroupName = ? COLLATE NOCASE",
                      {group}));
    ExecQueryGuarded(
        m_query, CSQLStatement("update StoreyGroup set BaseStorey='' where StoreyGroupName=? COLLATE NOCASE",
                               {group}));
    savepoint.Commit();
    ReleaseLoadedElements();
}

bool CStoreyGroups::Apply()
{
    CWaitCursor wait;
    CNodeData& root = CTreeView2DB::Current().Root();
    for (const QString& group : Names()) {
        const QString baseKey = BaseStorey(group);
        if (baseKey.trimmed().isEmpty())
            continue;
        OpenQueryGuarded(
            m_query,
            CSQLStatement("select ID from Storey where StoreyGroupName = ? COLLATE NOCASE order by ID",
                          {group}));
        QList<int> memberIds;
        for (m_query.First(); !m_query.Eof(); m_query.Next())
            memberIds << m_query.Field(0).toInt();
        if (memberIds.isEmpty())
            continue;
        QString buildingName;
        QString storeyName;
        SplitKey(baseKey, buildingName, storeyName);

        // The base storey is the member that the key names; several such: the last one, and the
        // others are left alone.
        CNodeData* base = nullptr;
        std::vector<CNodeData*> targets;
        for (int id : memberIds) {
            CNodeData* node = root.FindNode(CStorey::TypeCode, id);
            if (!node)
                continue;
            const CNodeData* building = node->GetBuildingNode();
            if (node->Caption() == storeyName && building && building->Caption() == buildingName)
                base = node;
            else
                targets.push_back(node);
        }
        if (!base) {
            if (!AskToGoOn(QStringLiteral("找不到基础楼层，请检查!\n 是否继续？")))
                return false;
            continue;
        }
        CProgressScope progress(static_cast<int>(targets.size()),
                                QStringLiteral("正在处理组:%1... ").arg(group));
        for (CNodeData* target : targets) {
            if (!target->CopyContentFrom(base, true) && !AskToGoOn(QStringLiteral("楼层复制失败，是否继续")))
                return false;
            progress.Step(1);
        }
    }
    return true;
}
