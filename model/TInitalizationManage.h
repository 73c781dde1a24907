#pragma once
#include "platform/core/CCurrent.h"

#include <QString>
#include <memory>
#include <vector>

class CDbQuery;

// One row of table Initialization in memory.
struct CInitalizationData
{
    QString I_Name;
    QString I_NameType; // group shown by the default-value editor
    QString I_Remark;
    QString I_Value;     // always text, also for numbers and record IDs
    QString I_ValueList; // "I<library kind code>" or literal choices separated by '|'
    QString I_MaxValue;  // bounds of a typed value, empty when none
    QString I_MinValue;
    int I_ValueType = 0;
    int I_EditType = 0;
    // Set by SetValue and the default-value editor; Save writes the rows that carry it.
    bool Changed = false;
    // Working texts of the default-value editor, empty after loading: the table whose records are
    // offered as choices and the current choice.
    QString RecordTable;
    QString CurrentRecord;
    // The library kind code named by I_ValueList, -1 for literal choices.
    int ListIndex = -1;
};

// The library kind code of a choice list: for a text beginning with the capital "I", the number
// that the up to seven characters after it start with, read like C's atol ("I16" 16, "I3|x" 3,
// a lone "I" 0); -1 for any other text ("否|是", "i5").
int ParseListIndex(const QString& valueList);

// The named default values of table Initialization, loaded from the system data database while
// no project is open and from the project database while one is. The program-wide instance is
// registered as Current() while it lives.
//
// Changes stay in memory until Save, Clear or the next Load, and are written to the database the
// rows were loaded from: when the connection they came through has been closed or moved to another
// file since, the file is opened on a private connection for the write, so one project's pending
// values never land in another project. Write failures are shown by CTool's query message and
// leave the row unwritten; the row counts as saved all the same.
class TInitalizationManage : public CCurrent<TInitalizationManage>
{
public:
    static constexpr const char* SlotName = "TInitalizationManage";

    TInitalizationManage();
    // Saves what is still pending, then frees the rows.
    ~TInitalizationManage();

    // Saves pending changes, then reloads every row, in ascending ID, from the database of the
    // query. A select that fails (shown by CTool::OpenQuery) leaves the list empty. A missing
    // column raises Exception; the rows read before it stay.
    void Load(CDbQuery& query);
    void Save();
    void Clear();

    // I_Value of the first row with exactly that name (case and blanks count); "" when none.
    QString GetInitValue(const QString& name) const;
    // Sets I_Value of the first row with the name and marks it changed; an absent name is ignored.
    void SetValue(const QString& name, const QString& value);

    int GetCount() const { return static_cast<int>(m_rows.size()); }
    // The row at the position, null outside 0..count-1. The default-value editor edits it in place.
    CInitalizationData* GetItem(int position);

private:
    CInitalizationData* Find(const QString& name) const;

    // Where the rows came from: the connection of the query they were loaded through and the file
    // that connection had open then.
    QString m_connectionName;
    QString m_fileName;
    std::vector<std::unique_ptr<CInitalizationData>> m_rows;
};
