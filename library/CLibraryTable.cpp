#include "library/CLibraryTable.h"

#include "model/TInitalizationManage.h"
#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CSavepoint.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

#include <algorithm>

namespace {
QString Quoted(const QString& column)
{
    return QLatin1Char('[') + column + QLatin1Char(']');
}
} // namespace

QString CLibraryTable::TableName() const
{
    return m_flat ? m_kindWord : m_kindWord + QStringLiteral("_Lib");
}

bool CLibraryTable::IsRecordInUse(const CDbConnection& project, int id) const
{
    const bool storey = m_kindWord == QLatin1String("StoreyOccupation");
    CDbQuery query(project);
    if (m_flat) {
        const QString table = storey ? QStringLiteral("Storey") : QStringLiteral("Room");
        OpenQueryGuarded(query, CSQLStatement(QStringLiteral("select ID from %1 where %1Use = ?").arg(table),
                                              {QString::number(id)}));
    } else {
        OpenQueryGuarded(query,
                         CSQLStatement(QStringLiteral("select ID from %1 where material_id = ?").arg(m_kindWord), {id}));
    }
    if (query.RecordCount() > 0)
        return true;
    if (!TInitalizationManage::Exists())
        return false;
    const QString key = m_flat ? (storey ? QStringLiteral("StoreyUse") : QStringLiteral("RoomUse"))
                               : m_kindWord + QStringLiteral("Name");
    return TInitalizationManage::Current().GetInitValue(key) == QString::number(id);
}

QList<int> CLibraryTable::CategoryIds(const CDbConnection& connection, const QString& category) const
{
    CDbQuery query(connection);
    if (m_flat)
        OpenQueryGuarded(query, CSQLStatement(QStringLiteral("select ID from %1").arg(TableName())));
    else
        OpenQueryGuarded(query, CSQLStatement(QStringLiteral("select ID from %1 where catergory = ?").arg(TableName()),
                                              {category}));
    QList<int> ids;
    for (query.First(); !query.Eof(); query.Next())
        ids << query.AsInt(QStringLiteral("ID"));
    return ids;
}

int CLibraryTable::FindRecord(const CDbConnection& connection, const QString& name, const QString& category) const
{
    CDbQuery query(connection);
    if (m_flat)
        OpenQueryGuarded(query, CSQLStatement(QStringLiteral("select ID from %1 where Name = ?").arg(TableName()), {name}));
    else
        OpenQueryGuarded(query, CSQLStatement(QStringLiteral("select ID from %1 where Name = ? and catergory = ?")
                                                  .arg(TableName()),
                                              {name, category}));
    return query.RecordCount() > 0 ? query.AsInt(QStringLiteral("ID")) : 0;
}

void CLibraryTable::DeleteRecords(const CDbConnection& connection, const QList<int>& ids) const
{
    CSavepoint transaction(connection.Name());
    CDbQuery query(connection);
    for (int id : ids)
        ExecQueryGuarded(query, CSQLStatement(QStringLiteral("delete from %1 where ID = ?").arg(TableName()), {id}));
    transaction.Commit();
}

int CLibraryTable::RenameRecord(const CDbConnection& connection, int id, const QString& newName) const
{
    CDbQuery query(connection);
    return ExecQueryGuarded(query,
                            CSQLStatement(QStringLiteral("update %1 set Name = ? where ID = ?").arg(TableName()), {newName, id}));
}

int CLibraryTable::RenameCategory(const CDbConnection& connection, const QString& oldCategory,
                                  const QString& newCategory) const
{
    CDbQuery query(connection);
    return ExecQueryGuarded(query, CSQLStatement(QStringLiteral("update %1 set catergory = ? where catergory = ?")
                                                     .arg(TableName()),
                                                 {newCategory, oldCategory}));
}

int CLibraryTable::AddRecord(const CDbConnection& connection, const QString& name, const QString& category) const
{
    CDbQuery query(connection);
    if (m_flat)
        ExecQueryGuarded(query, CSQLStatement(QStringLiteral("insert into %1 (Name) values (?)").arg(TableName()), {name}));
    else
        ExecQueryGuarded(query, CSQLStatement(QStringLiteral("insert into %1 (Name, catergory) values (?, ?)")
                                                  .arg(TableName()),
                                              {name, category}));
    return FindRecord(connection, name, category);
}

QVariantMap CLibraryTable::ReadRow(const CDbConnection& connection, int id) const
{
    CDbQuery query(connection);
    OpenQueryGuarded(query, CSQLStatement(QStringLiteral("select * from %1 where ID = ?").arg(TableName()), {id}));
    if (query.RecordCount() == 0)
        throw Exception(QStringLiteral("%1中没有ID为%2的记录").arg(TableName()).arg(id));
    QVariantMap row;
    for (int f = 0; f < query.FieldCount(); ++f)
        row.insert(query.FieldNames().at(f).toCaseFolded(), query.Field(f));
    return row;
}

QStringList CLibraryTable::Columns(const CDbConnection& connection) const
{
    CDbQuery query(connection);
    OpenQueryGuarded(query, CSQLStatement(QStringLiteral("pragma table_info(%1)").arg(TableName())));
    QStringList columns;
    for (query.First(); !query.Eof(); query.Next())
        columns << query.AsString(QStringLiteral("name"));
    return columns;
}

int CLibraryTable::CloneRow(const CDbConnection& source, int sourceId, const CDbConnection& target,
                            const QVariantMap& set) const
{
    const QVariantMap row = ReadRow(source, sourceId);
    QStringList names;
    QVariantList values;
    for (const QString& column : Columns(target)) {
        const QString folded = column.toCaseFolded();
        if (folded == QLatin1String("id"))
            continue;
        bool found = false;
        for (auto it = set.begin(); it != set.end(); ++it)
            if (it.key().toCaseFolded() == folded) {
                names << Quoted(column);
                values << it.value();
                found = true;
            }
        if (!found && row.contains(folded)) {
            names << Quoted(column);
            values << row.value(folded);
        }
    }
    CSavepoint transaction(target.Name());
    CDbQuery query(target);
    ExecQueryGuarded(query, CSQLStatement(QStringLiteral("insert into %1 (%2) values (%3)")
                                              .arg(TableName(), names.join(','),
                                                   QStringLiteral("?,").repeated(names.size()).chopped(1)),
                                          values));
    OpenQueryGuarded(query, CSQLStatement(QStringLiteral("select last_insert_rowid() as ID")));
    const int id = query.AsInt(QStringLiteral("ID"));
    transaction.Commit();
    return id;
}

void CLibraryTable::OverwriteRow(const CDbConnection& source, int sourceId, const CDbConnection& target, int targetId,
                                 const QSet<QString>& keep) const
{
    const QVariantMap row = ReadRow(source, sourceId);
    QStringList assignments;
    QVariantList values;
    for (const QString& column : Columns(target)) {
        const QString folded = column.toCaseFolded();
        if (folded == QLatin1String("id") || !row.contains(folded))
            continue;
        if (std::any_of(keep.begin(), keep.end(), [&](const QString& k) { return k.toCaseFolded() == folded; }))
            continue;
        assignments << Quoted(column) + QStringLiteral(" = ?");
        values << row.value(folded);
    }
    values << targetId;
    CDbQuery query(target);
    ExecQueryGuarded(query, CSQLStatement(QStringLiteral("update %1 set %2 where ID = ?").arg(TableName(), assignments.join(',')),
                                          values));
}
