#pragma once
#include <QString>
#include <QStringList>

#include <vector>

class CDbQuery;

// One table as its CREATE TABLE statement defines it: the column definitions in order and the
// table constraints. The schema steps change a definition where SQLite's ALTER TABLE cannot (a
// column's type, a new key, a foreign key, dropped key columns) and rebuild the table from it.
//
// Column names compare without regard to letter case. A definition keeps each column's text after
// its name as written ("TEXT COLLATE NOCASE DEFAULT ''"), without comments.
class CTableDefinition
{
public:
    struct SColumn
    {
        QString Name;
        QString Definition;
    };

    // The table's statement from sqlite_master; raises Exception when there is no such table.
    static CTableDefinition Read(CDbQuery& query, const QString& table);
    // Parses "CREATE TABLE <name> (...)". Raises Exception when the text is not such a statement.
    static CTableDefinition Parse(const QString& createStatement);

    const QString& Table() const { return m_table; }
    const std::vector<SColumn>& Columns() const { return m_columns; }
    const QStringList& Constraints() const { return m_constraints; }
    QStringList ColumnNames() const;
    bool HasColumn(const QString& name) const;
    // The text after the column's name; empty when there is no such column.
    QString ColumnDefinition(const QString& name) const;
    // The declared type: the words before the first constraint ("TEXT", "TEXT(50)", "REAL").
    QString ColumnType(const QString& name) const;

    // Each raises Exception naming the table when the column is missing (Set* and Drop*).
    void DropColumn(const QString& name);
    void SetColumnDefinition(const QString& name, const QString& definition);
    // Replaces the declared type and keeps the constraints.
    void SetColumnType(const QString& name, const QString& type);
    // A new column at the position (0 first); a name in use makes the rebuild fail as SQL would.
    void InsertColumn(int position, const QString& name, const QString& definition);
    // Drops PRIMARY KEY from every column and every table constraint that declares one.
    void RemovePrimaryKey();

    QString CreateStatement(const QString& table) const;

    // Replaces the table of this definition's name by one made from the definition. Values of the
    // columns both have are copied, rows in their order; other columns take their default, an
    // INTEGER PRIMARY KEY new numbers 1, 2, ... in that order. The table's indexes are made again
    // where their columns remain. Foreign keys must be off (the upgrade driver turns them off):
    // otherwise dropping a parent table would delete the rows of its children. Statements run
    // guarded, so a failure carries the statement.
    void Rebuild(CDbQuery& query) const;

private:
    int IndexOf(const QString& name) const;
    int RequireIndex(const QString& name) const;

    QString m_table;
    std::vector<SColumn> m_columns;
    QStringList m_constraints;
};
