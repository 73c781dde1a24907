#include "climate/CScheduleExchange.h"

#include "climate/CDayScheduleData.h"
#include "climate/CScheduleData.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"

CScheduleExchange::CScheduleExchange(CDbQuery& source, CDbQuery& destination, Subject subject)
    : m_source(source), m_destination(destination), m_subject(subject)
{
}

bool CScheduleExchange::Overwrite(const QString& question)
{
    // Overwriting loses the destination's data: Enter keeps it.
    return CTool::Current().ShowMessageBox(QStringLiteral("信息"), question, 9, 2, QStringLiteral("确定"),
                                           QStringLiteral("取消"), 2) == 6;
}

bool CScheduleExchange::CopyDaySchedule(const QString& name)
{
    // An empty name would read whatever row the source stands on; a name the source lacks (a
    // week row naming a day schedule that is gone) would write a row without a name.
    CDayScheduleData day;
    day.DataSet = &m_source;
    if (name.isEmpty() || !day.Load(name))
        return false;

    OpenQueryGuarded(m_destination,
                     CSQLStatement("select * from DaySchedule where DayScheduleName = ? COLLATE NOCASE ", {name}));
    if (m_destination.RecordCount() > 0) {
        const QString question = m_subject == Subject::Schedules
                                     ? QStringLiteral("发现已经存在日时间表%1\n是否覆盖? ").arg(name)
                                     : QStringLiteral("发现已经存在%1\n是否覆盖? ").arg(name);
        if (!Overwrite(question))
            return false;
        m_destination.First();
        m_destination.Edit();
    } else {
        m_destination.Append();
    }
    day.DataSet = &m_destination;
    day.Save(QString());
    m_destination.Post();
    return true;
}

bool CScheduleExchange::CopySchedule(const QString& name)
{
    CScheduleData source;
    source.DataSet = &m_source;
    if (name.isEmpty() || !source.LoadByName(name))
        return false;
    OpenQueryGuarded(m_source, CSQLStatement("select * from WeekSchedule "));
    source.LoadWeekSchedules();

    OpenQueryGuarded(m_destination, CSQLStatement("select * from Schedule where Name = ? COLLATE NOCASE ", {name}));
    if (m_destination.RecordCount() > 0) {
        if (!Overwrite(QStringLiteral("发现已经存在%1\n是否覆盖? ").arg(name)))
            return false;
        m_destination.First();
        CScheduleData target;
        target.DataSet = &m_destination;
        target.LoadByName(QString());
        target.Assign(source);
        target.Save(QString());
    } else {
        source.DataSet = &m_destination;
        if (!source.Insert())
            return false;
    }

    for (const auto& month : source.DayNames) {
        for (const QString& day : month) {
            const QString key = day.toCaseFolded();
            if (day.isEmpty() || m_metDays.contains(key))
                continue;
            m_metDays.insert(key);
            CopyDaySchedule(day);
        }
    }
    return true;
}
