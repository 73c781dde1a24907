#include "climate/CProjectGroupingBase.h"

#include "platform/core/CSavepoint.h"
#include "model/CTreeView2DB.h"
#include "model/TDM_Project.h"
#include "platform/core/CTool.h"

CProjectGroupingBase::CProjectGroupingBase(const QString& table, const QString& column,
                                           const QString& memberTable)
    : m_query(TDM_Project::Current().ProjectCon), m_table(table), m_column(column), m_memberTable(memberTable)
{
}

QList<SBuildingRef> CProjectGroupingBase::Buildings()
{
    OpenQueryGuarded(m_query, CSQLStatement("select ID, Name from Building order by ID"));
    QList<SBuildingRef> buildings;
    for (m_query.First(); !m_query.Eof(); m_query.Next())
        buildings.append({m_query.Field(0).toInt(), m_query.Field(1).toString()});
    return buildings;
}

QStringList CProjectGroupingBase::Names()
{
    OpenQueryGuarded(m_query, CSQLStatement(QStringLiteral("select %1 from %2").arg(m_column, m_table)));
    QStringList names;
    for (m_query.First(); !m_query.Eof(); m_query.Next())
        names << m_query.Field(0).toString();
    return names;
}

bool CProjectGroupingBase::Listed(const QStringList& names, const QString& name)
{
    return names.contains(name, Qt::CaseInsensitive);
}

void CProjectGroupingBase::ReleaseLoadedElements()
{
    if (CTreeView2DB::Exists())
        CTreeView2DB::Current().Root().ReleaseElements(true, true);
}

bool CProjectGroupingBase::NewName(const QString& name)
{
    if (name.trimmed().isEmpty() || Listed(Names(), name))
        return false;
    ExecQueryGuarded(
        m_query,
        CSQLStatement(QStringLiteral("insert into %1 (%2) values(?) ").arg(m_table, m_column), {name}));
    return true;
}

bool CProjectGroupingBase::Rename(const QString& oldName, const QString& newName)
{
    if (newName.trimmed().isEmpty() || newName == oldName || Listed(Names(), newName))
        return false;
    CSavepoint savepoint(ConnectionName());
    for (const QString& table : {m_table, m_memberTable})
        ExecQueryGuarded(
            m_query,
            CSQLStatement(
                QStringLiteral("update %1 set %2= ? where %2 = ? COLLATE NOCASE").arg(table, m_column),
                {newName, oldName}));
    savepoint.Commit();
    ReleaseLoadedElements();
    return true;
}

void CProjectGroupingBase::Delete(const QString& name)
{
    CSavepoint savepoint(ConnectionName());
    ExecQueryGuarded(
        m_query,
        CSQLStatement(QStringLiteral("delete from %1 where %2 = ? COLLATE NOCASE").arg(m_table, m_column),
                      {name}));
    ExecQueryGuarded(
        m_query,
        CSQLStatement(
            QStringLiteral("update %1 set %2= '' where %2 = ? COLLATE NOCASE").arg(m_memberTable, m_column),
            {name}));
    savepoint.Commit();
    ReleaseLoadedElements();
}

void CProjectGroupingBase::Assign(const QString& name, const QList<int>& memberIds)
{
    CSavepoint savepoint(ConnectionName());
    const QString update = QStringLiteral("update %1 set %2=? where ID=?").arg(m_memberTable, m_column);
    for (int id : memberIds)
        ExecQueryGuarded(m_query, CSQLStatement(update, {name, id}));
    savepoint.Commit();
    ReleaseLoadedElements();
}

void CProjectGroupingBase::Remove(const QString& name, const QList<int>& memberIds)
{
    CSavepoint savepoint(ConnectionName());
    const QString update =
        QStringLiteral("update %1 set %2='' where ID=? and %2=? COLLATE NOCASE").arg(m_memberTable, m_column);
    for (int id : memberIds)
        ExecQueryGuarded(m_query, CSQLStatement(update, {id, name}));
    savepoint.Commit();
    ReleaseLoadedElements();
    MembersLeft(name);
}
