#include "tests/upgrade/CSchemaSnapshot.h"

#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "upgrade/CTableDefinition.h"

#include <QRegularExpression>

namespace {
QString Uniform(QString definition)
{
    definition = definition.toUpper().simplified();
    definition.replace(QRegularExpression(QStringLiteral("\\s*\\(\\s*")), QStringLiteral("("));
    definition.replace(QRegularExpression(QStringLiteral("\\s*\\)")), QStringLiteral(")"));
    return definition;
}

QStringList TableNames(CDbQuery& query)
{
    OpenQueryGuarded(query,
                     "select name from sqlite_master where type = 'table' and name not like 'sqlite_%' "
                     "order by name");
    QStringList names;
    for (query.First(); !query.Eof(); query.Next())
        names << query.Field(0).toString();
    return names;
}
} // namespace

QMap<QString, QString> CSchemaSnapshot::Tables(CDbConnection& connection)
{
    CDbQuery query(connection);
    QMap<QString, QString> tables;
    for (const QString& name : TableNames(query)) {
        const CTableDefinition definition = CTableDefinition::Read(query, name);
        QStringList lines;
        for (const CTableDefinition::SColumn& column : definition.Columns())
            lines << column.Name.toLower() + QStringLiteral(": ") + Uniform(column.Definition);
        lines.sort();
        for (const QString& constraint : definition.Constraints())
            lines << Uniform(constraint);
        tables.insert(name.toLower(), lines.join('\n'));
    }
    return tables;
}

QMap<QString, QStringList> CSchemaSnapshot::Columns(CDbConnection& connection)
{
    CDbQuery query(connection);
    QMap<QString, QStringList> columns;
    for (const QString& name : TableNames(query))
        columns.insert(name.toLower(), CTableDefinition::Read(query, name).ColumnNames());
    return columns;
}

QStringList CSchemaSnapshot::Rows(CDbConnection& connection, const QString& table, const QStringList& columns)
{
    QStringList quoted;
    for (const QString& column : columns)
        quoted << QStringLiteral("quote(%1)").arg(column);
    CDbQuery query(connection);
    OpenQueryGuarded(query, QStringLiteral("select %1 from %2 order by rowid")
                                .arg(quoted.join(QStringLiteral(" || '|' || ")), table));
    QStringList rows;
    for (query.First(); !query.Eof(); query.Next())
        rows << query.Field(0).toString();
    return rows;
}
