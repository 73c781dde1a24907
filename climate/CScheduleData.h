#pragma once
#include <QString>
#include <QStringList>
#include <array>

class CDbQuery;

// One schedule (a row of table Schedule) with its twelve monthly week rows (table WeekSchedule):
// for every month and day type the name of a day schedule (table DaySchedule), empty when the day
// type has none. A schedule owns its week rows for life; day schedules are shared by name.
//
// The object owns no connection: it reads and writes through DataSet, which its user sets before
// the first call; the connection of that query decides the database. Every call that takes a name
// runs its own statement on DataSet and leaves it holding the result of its last statement, so
// users re-open their query before they walk it again. Selects that fail are shown by CTool and
// count as "no row"; a change that fails raises Exception and leaves nothing of itself behind.
class CScheduleData
{
public:
    static constexpr int Months = 12;
    static constexpr int DayTypes = 10;

    // Stored in ScheduleType; stored, shown and copied, never computed with here.
    enum class Kind : int
    {
        Ordinary = 0,
        OnOffControl = 1
    };

    CDbQuery* DataSet = nullptr; // not owned
    QString Name;
    int ID = -1;
    int ScheduleType = static_cast<int>(Kind::Ordinary);
    // WeekSchedule IDs of January .. December.
    std::array<int, Months> WeekIDs{};
    // [month - 1][day type - 1]; day types 1 design day (read in January and July), 2 the design
    // day of every month, 3 .. 9 Monday .. Sunday, 10 holiday.
    std::array<std::array<QString, DayTypes>, Months> DayNames{};

    // The WeekSchedule columns of day types 1 to 10, in that order.
    static const QStringList& DayColumns();

    // The Schedule query of the database that schedules are edited in: the project database's
    // while a project is open (its file path is not empty), the system data database's otherwise.
    static CDbQuery& CurrentQuery();

    // Reads the row of that name (compared without regard to letter case), or with an empty name
    // the current row of DataSet. False, the object unchanged, when a named row does not exist.
    bool LoadByName(const QString& name);
    // Fills the day-schedule names from the WeekSchedule rows that the caller has opened on
    // DataSet, locating each month's row by its ID. A month without a row keeps its names.
    void LoadWeekSchedules();
    // Writes type and name into the schedule row, then the day-schedule names into the twelve week
    // rows, all or nothing. With a non-empty key the row is looked up by ID (the key's text is not
    // used otherwise) and a missing row writes nothing; with an empty key the current row of
    // DataSet is written. The week-row IDs of a schedule are never rewritten. False when nothing
    // was written.
    bool Save(const QString& key);
    // Appends twelve week rows and the schedule row, all or nothing, and takes over their new IDs.
    // A blank name is refused (false, nothing written): elements with no schedule store "".
    bool Insert();
    // Deletes the twelve week rows and the schedule row, all or nothing; day schedules stay.
    void Delete();
    // Takes the type and the day-schedule names of the other; name, IDs and DataSet stay.
    void Assign(const CScheduleData& other);

private:
    void ReadCurrentRow();
};
