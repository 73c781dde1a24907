#pragma once
#include <QSet>
#include <QString>

class CDbQuery;

// Copies day schedules and schedules by name from one database to another: the exchange between
// the database the schedules are edited in and a partner (the release data, the system data or
// another project). Names compare without regard to letter case, as references are matched.
//
// A name the destination already holds is overwritten only when the user agrees (a question
// through CTool). An overwritten schedule keeps its ID and week rows and takes the source's type
// and day-schedule names. Each row written is written all or nothing; a statement the database
// refuses raises Exception, and what was copied before it stays.
//
// One object serves one press of an exchange button: a day schedule that several of the copied
// schedules name is asked about, and copied, once.
class CScheduleExchange
{
public:
    // The overwrite question of a day schedule names it plainly in the day-schedule exchange, and
    // as "日时间表" in the schedule exchange, where it follows a schedule.
    enum class Subject
    {
        DaySchedules,
        Schedules
    };

    CScheduleExchange(CDbQuery& source, CDbQuery& destination, Subject subject);

    // Copies the day schedule of that name with its 24 values. False when the source has no such
    // day schedule or the user kept the destination's.
    bool CopyDaySchedule(const QString& name);
    // Copies the schedule with its twelve week rows, then every day schedule it names that this
    // exchange has not met yet. False, with none of its day schedules copied, when the source has
    // no such schedule or the user kept the destination's.
    bool CopySchedule(const QString& name);

private:
    bool Overwrite(const QString& question);

    CDbQuery& m_source;
    CDbQuery& m_destination;
    const Subject m_subject;
    QSet<QString> m_metDays; // case-folded
};
