#pragma once
#include "platform/core/CSQLStatement.h"

#include <QHash>
#include <QStringList>
#include <QVariant>
#include <QVector>

class CDbConnection;

// A query object on a named connection (in place of an ADO query): a statement, and after Open a
// result set held in memory with a current record. Open and ExecSQL raise Exception with the
// database's own message; the query functions of CTool wrap that into the system's messages.
class CDbQuery
{
public:
    CDbQuery() = default;
    explicit CDbQuery(const QString& connectionName) : m_connection(connectionName) {}
    explicit CDbQuery(const CDbConnection& connection);
    CDbQuery(const CDbQuery&) = delete;
    CDbQuery& operator=(const CDbQuery&) = delete;

    void SetConnection(const QString& connectionName) { m_connection = connectionName; }
    void SetConnection(const CDbConnection& connection);
    const QString& ConnectionName() const { return m_connection; }

    void Close();
    void SetSQL(const CSQLStatement& statement) { m_statement = statement; }
    const CSQLStatement& SQL() const { return m_statement; }

    // Runs the statement and reads every row; the first record becomes current.
    void Open();
    // Runs a statement that changes data; returns the number of rows it affected.
    int ExecSQL();

    bool IsOpen() const { return m_open; }
    int RecordCount() const { return static_cast<int>(m_rows.size()); }
    bool Eof() const { return m_recno >= RecordCount(); }
    void First() { m_recno = 0; }
    void Next();
    // 1-based record number, as the records are counted in the system's loops.
    void MoveTo(int recno);
    int RecNo() const { return m_recno + 1; }

    int FieldCount() const { return static_cast<int>(m_fields.size()); }
    const QStringList& FieldNames() const { return m_fields; }
    int FieldIndex(const QString& name) const; // case-insensitive; -1 when absent
    bool HasField(const QString& name) const { return FieldIndex(name) >= 0; }
    // Values of the current record; a missing field raises Exception, a missing record gives null.
    QVariant Field(int index) const;
    QVariant FieldByName(const QString& name) const;
    QString AsString(const QString& name) const;
    int AsInt(const QString& name) const;
    double AsDouble(const QString& name) const;

    // Row editing, as a data set of the original layer offers it: Edit or Append puts the query
    // into a state where SetFieldValue fills a buffer that Field reads back, and Post writes the
    // buffer into the statement's table (the table after the first "from", or the one given to
    // SetUpdateTable). Post writes only the columns whose value changed and identifies the row by
    // its ID column, or by all its original values when the table has none. A failing Post raises
    // Exception with the database's message and stays in its state.
    enum class EditState
    {
        Browse,
        Edit,
        Insert
    };
    EditState State() const { return m_state; }
    void SetUpdateTable(const QString& table) { m_updateTable = table; }
    QString UpdateTable() const;
    void Edit();
    void Append();
    void SetFieldValue(const QString& name, const QVariant& value);
    void Post();
    void Cancel();

private:
    void PostUpdate(const QString& table);
    void PostInsert(const QString& table);

    QString m_connection;
    CSQLStatement m_statement;
    QStringList m_fields;
    // Case-folded field name -> its first index: element loading looks every column up by name.
    QHash<QString, int> m_fieldIndex;
    QVector<QVector<QVariant>> m_rows;
    int m_recno = 0;
    bool m_open = false;
    EditState m_state = EditState::Browse;
    QVector<QVariant> m_buffer;
    QString m_updateTable;
};
