#pragma once
#include <QMap>
#include <QString>
#include <QStringList>

class CDbConnection;

// What the upgrade tests compare of two databases: the tables with their column definitions and
// table constraints, and the rows of a table in chosen columns.
class CSchemaSnapshot
{
public:
    // Table name (lower case) -> one line per column, "name: DEFINITION" sorted by name, then the
    // table constraints; definitions upper-cased with blanks made uniform. sqlite_* tables are left
    // out.
    static QMap<QString, QString> Tables(CDbConnection& connection);
    // Table name (lower case) -> its column names.
    static QMap<QString, QStringList> Columns(CDbConnection& connection);
    // The rows in rowid order, each the SQL literals of the columns joined by '|'.
    static QStringList Rows(CDbConnection& connection, const QString& table, const QStringList& columns);
};
