#pragma once
#include "platform/core/CCurrent.h"

#include <QList>
#include <QString>
#include <QStringList>

class CDbQuery;

// A library record or schedule shown by name, with the ID that elements store.
struct CNameWithId
{
    QString Name;
    int ID = 0;
};
using CNameIdList = QList<CNameWithId>;

// Names of the library records (constructions, room and storey uses) and schedules that elements
// refer to by ID. Reads through one data set: the system data database while no project is open,
// the project database while one is (set by whoever opens and closes projects). The program-wide
// instance is registered as Current() while it lives.
class CMaterialParamNameList : public CCurrent<CMaterialParamNameList>
{
public:
    static constexpr const char* SlotName = "CMaterialParamNameList";
    static constexpr int ListCount = 30; // slots by library kind code; only 0..20 name a table
    static constexpr int ScheduleKind = 17;

    void SetDataSet(CDbQuery* dataSet) { m_dataSet = dataSet; }
    CDbQuery* DataSet() const { return m_dataSet; }

    // Reloads the kind's list from its library table; empty for a kind that names no table or
    // when the select fails (the failure is shown by CTool). Valid until the next call for the
    // kind or the next clear.
    const CNameIdList& GetNameList(int kind);
    // Name of the record with the ID in the kind's table, "" when none.
    QString GetNameById(int kind, int id);
    // Schedules, loaded only when the list is empty.
    const CNameIdList& GetScheduleList();
    QString GetScheduleNameById(int id);

    void ClearAll();
    void ClearList(int kind);
    // Reads the schedule names again (the kind's list and the schedule list) after schedules were
    // added, renamed or deleted.
    void ReloadSchedules();

    // Distinct names that the project's elements of the type use (only while a project is open)
    // and the type's default from the default values.
    void LoadDistinctNames(int elementType);
    const QStringList& UsedNames() const { return m_usedNames; }
    const QString& DefaultText() const { return m_defaultText; }

private:
    void Fill(CNameIdList& list, const QString& sql);
    static QString FindName(const CNameIdList& list, int id);

    CNameIdList m_lists[ListCount];
    CNameIdList m_schedules;
    CDbQuery* m_dataSet = nullptr;
    QStringList m_usedNames;
    QString m_defaultText;
};
