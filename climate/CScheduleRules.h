#pragma once
#include <QString>
#include <QVariantList>
#include <memory>

class CDayScheduleData;
class CDbQuery;
class CScheduleData;

// What adding, renaming and deleting day schedules and schedules must keep true, in the database
// the schedules are edited in (the system data database, or the project database while a project
// is open). Names are the references of the schedule model: week rows name day schedules; load
// elements, rooms, buildings and room uses name schedules; the default values refer to schedules
// by ID. A rename therefore rewrites every reference and a deletion is refused while any remains.
//
// Every statement runs on the data set handed in (the schedule manager's). Names are compared
// without regard to letter case, as references are matched. A change runs all or nothing; when the
// database refuses a statement, the change is rolled back and Exception raised. Questions, notices
// and the name prompt go through CTool. The caller keeps its own lists of objects and names.
class CScheduleRules
{
public:
    explicit CScheduleRules(CDbQuery& dataSet);

    // Whether the data set belongs to the project database: only there are the element tables
    // checked and rewritten.
    bool IsProjectDatabase() const;

    // Asks for a new day-schedule name and appends a row of that name with the table's default
    // values. The new object (24 zeros, on the data set) or null when the user cancelled.
    std::unique_ptr<CDayScheduleData> AddDaySchedule();
    // Asks for a new name and renames the day schedule and every week-row cell that names it.
    // False when the user cancelled.
    bool RenameDaySchedule(CDayScheduleData& day);
    // Asks for confirmation, then refuses ("你不能删除该日时间表") while any week row names the day
    // schedule; otherwise deletes its row. True when it was deleted.
    bool DeleteDaySchedule(const CDayScheduleData& day);

    // Asks for a name and inserts an ordinary schedule with empty day-schedule names. The new
    // object (on the data set, with its new IDs) or null when the user cancelled.
    std::unique_ptr<CScheduleData> AddSchedule();
    // Asks for a new name (proposing the old one), renames the schedule and every reference to it;
    // element objects loaded before are read again at their next use. False when cancelled.
    bool RenameSchedule(CScheduleData& schedule);
    // Refuses, with a notice, a schedule that an element (project database only), a default value
    // or a room use names; then asks for confirmation and deletes it with its week rows. True when
    // it was deleted.
    bool DeleteSchedule(const CScheduleData& schedule);

private:
    // The name prompt: repeats while the text is blank, equals the old name (renaming) or is
    // already a name of the table's column (letter case ignored). False when cancelled.
    bool EnterName(const QString& table, const QString& column, const QString& initial,
                   const QString* oldName, QString& name);
    bool NameTaken(const QString& table, const QString& column, const QString& name);
    // A select that returns rows while the reference exists; a failed select counts as used.
    bool Used(const QString& sql, const QVariantList& values);
    bool UsedByDefaultValue(int scheduleId);
    bool Confirm();
    void Notice(const QString& text);
    void ReleaseLoadedElements();

    CDbQuery& m_dataSet;
};
