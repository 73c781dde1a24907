#pragma once
#include <QByteArray>
#include <QString>
#include <variant>
#include <vector>

class CDbQuery;

// Base of every library record: one row of a library table held in memory, one member per column.
// The record reads and writes through DataSet, which its maker sets before the first Load or Save
// and keeps owning. A derived record names its table (by library kind code) and its columns once;
// Load and Save run over that list. The base itself has no table: its Load and Save do nothing.
class CMaterialBase
{
public:
    CMaterialBase() = default;
    CMaterialBase(const CMaterialBase&) = default;
    CMaterialBase& operator=(const CMaterialBase&) = default;
    virtual ~CMaterialBase();

    QString Name;
    CDbQuery* DataSet = nullptr; // not owned

    // Finds the row by name (compared without regard to case, as names are) and reads every
    // column into its member. An empty name reads the data set's current row and runs nothing.
    // No such row raises "材料[%s]不存在，请重新指定材料" and leaves the members as they were; a
    // column the data set lacks raises, the members read before it keeping their new values.
    virtual void Load(const QString& name);
    // Writes every member into the row with that name, in edit state, and posts it; the row takes
    // the Name member, so a differing Name renames it. An empty name writes into the data set's
    // current record, which the caller has put into edit or insert state and posts itself. Never
    // appends a row; failures as for Load.
    virtual void Save(const QString& name);

    // Makes the table's row with that name (case-insensitive) the current row of DataSet; nothing
    // for an empty name. No such row, or a select that failed (shown by CTool), raises
    // "材料[%s]不存在，请重新指定材料".
    void OpenByName(const QString& table, const QString& name);
    // The same by ID; nothing for -1; raises "材料[ID:%d]不存在，请重新指定材料".
    void OpenById(const QString& table, int id);

    // The library kind code of the record's table; -1 for the base.
    int LibKind() const { return m_kind; }
    // The record's table; empty for the base.
    QString TableName() const;

protected:
    explicit CMaterialBase(int kind) : m_kind(kind) {}

    // A member that mirrors one column: text, real, integer or picture bytes.
    using CColumnMember = std::variant<QString*, double*, int*, QByteArray*>;
    struct SColumn
    {
        const char* Name;
        CColumnMember Member;
    };
    using CColumns = std::vector<SColumn>;

    // The columns after Name, in the order Load and Save visit them.
    virtual void AddColumns(CColumns& columns);

    // Name and every column from the current row of DataSet.
    void ReadColumns();
    // Name and every column into the current record of DataSet (in edit or insert state).
    void WriteColumns();

private:
    CDbQuery& RequireDataSet() const;

    int m_kind = -1;
};
