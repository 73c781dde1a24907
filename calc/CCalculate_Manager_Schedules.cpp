#include "calc/CCalculate_Manager.h"
#include "climate/CDayScheduleData.h"
#include "climate/CScheduleData.h"
#include "model/TDM_Project.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

#include <algorithm>

namespace {
enum ScheduleQuery
{
    kSchedules = 0,
    kWeekSchedules = 1,
    kDaySchedules = 2
};

void Require(bool condition, const char* text)
{
    if (!condition)
        throw Exception(QString::fromLatin1(text));
}

// Positions the query on the first row whose column holds exactly the name. A shortened name must
// not find a longer one: an element without a schedule would otherwise take the first schedule.
bool LocateExact(CDbQuery& query, const QString& column, const QString& name)
{
    for (query.First(); !query.Eof(); query.Next())
        if (query.AsString(column) == name)
            return true;
    return false;
}

// The index of the entry with exactly that name: the remembered one when it still fits, else the
// first in the list; -1 when none.
template <typename Entry>
int FindCached(const std::vector<std::unique_ptr<Entry>>& entries, int remembered, const QString& name)
{
    if (remembered >= 0 && remembered < static_cast<int>(entries.size()) && entries[remembered]->Name == name)
        return remembered;
    const auto it = std::find_if(entries.begin(), entries.end(),
                                 [&name](const auto& entry) { return entry->Name == name; });
    return it == entries.end() ? -1 : static_cast<int>(it - entries.begin());
}
} // namespace

void CCalculate_Manager::OpenScheduleQueries()
{
    static const char* const statements[] = {"select * from Schedule", "select * from WeekSchedule",
                                             "select * from DaySchedule"};
    for (int i = 0; i < 3; ++i) {
        auto query = std::make_unique<CDbQuery>(TDM_Project::Current().ProjectCon);
        OpenQueryGuarded(*query, CSQLStatement(statements[i]));
        m_scheduleQueries[i] = std::move(query);
    }
}

void CCalculate_Manager::GetDaySchedule(const QString& name, int month, int dayType, float* values)
{
    std::fill(values, values + 24, 0.0f);
    Require(month >= 1, "p_Month>=1");
    Require(month <= 12, "p_Month<=12");
    Require(dayType <= 10, "p_Day<=10");
    Require(dayType >= 1, "p_Day>=1");
    if (const float* kept = m_scheduleDays.Find(name, month, dayType)) {
        std::copy(kept, kept + 24, values);
        return;
    }
    if (!m_scheduleQueries[kSchedules])
        OpenScheduleQueries();

    const int schedule = FindSchedule(name);
    if (schedule >= 0) {
        const QString& dayName = m_schedules[schedule]->DayNames[month - 1][dayType - 1];
        const int day = dayName.isEmpty() ? -1 : FindDaySchedule(dayName);
        if (day >= 0)
            std::copy(m_daySchedules[day]->Values.begin(), m_daySchedules[day]->Values.end(), values);
    }
    m_scheduleDays.Keep(name, month, dayType, values);
}

int CCalculate_Manager::FindSchedule(const QString& name)
{
    int index = FindCached(m_schedules, s_lastSchedule, name);
    if (index < 0) {
        if (!m_scheduleQueries[kSchedules])
            OpenScheduleQueries();
        CDbQuery& schedules = *m_scheduleQueries[kSchedules];
        if (!LocateExact(schedules, QStringLiteral("Name"), name))
            return -1;
        auto entry = std::make_unique<CScheduleData>();
        entry->DataSet = &schedules;
        entry->LoadByName(QString());
        entry->DataSet = m_scheduleQueries[kWeekSchedules].get();
        entry->LoadWeekSchedules();
        m_schedules.push_back(std::move(entry));
        index = static_cast<int>(m_schedules.size()) - 1;
    }
    s_lastSchedule = index;
    return index;
}

int CCalculate_Manager::FindDaySchedule(const QString& name)
{
    int index = FindCached(m_daySchedules, s_lastDaySchedule, name);
    if (index < 0) {
        if (!m_scheduleQueries[kSchedules])
            OpenScheduleQueries();
        CDbQuery& days = *m_scheduleQueries[kDaySchedules];
        if (!LocateExact(days, QStringLiteral("DayScheduleName"), name))
            return -1;
        auto entry = std::make_unique<CDayScheduleData>();
        entry->DataSet = &days;
        entry->Load(QString());
        // Stored in percent, used as fractions.
        for (float& value : entry->Values)
            value *= 0.01f;
        m_daySchedules.push_back(std::move(entry));
        index = static_cast<int>(m_daySchedules.size()) - 1;
    }
    s_lastDaySchedule = index;
    return index;
}
