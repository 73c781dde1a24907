#include "climate/CScheduleData.h"

#include "platform/core/CSavepoint.h"
#include "model/CProjectData.h"
#include "model/TDM_Project.h"
#include "model/TDM_SysParam.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"

namespace {
QString WeekColumn(int month)
{
    return QStringLiteral("WeekSchedule_%1").arg(month);
}

// A name never set is written as "" rather than null, so that "=" finds it like any other text.
QString Text(const QString& value)
{
    return value.isNull() ? QStringLiteral("") : value;
}
} // namespace

const QStringList& CScheduleData::DayColumns()
{
    static const QStringList columns{
        QStringLiteral("DaySchedule_DesignDay"), QStringLiteral("DaySchedule_WinterDesignDay"),
        QStringLiteral("DaySchedule_Monday"),    QStringLiteral("DaySchedule_Tuesday"),
        QStringLiteral("DaySchedule_Wednesday"), QStringLiteral("DaySchedule_Thursday"),
        QStringLiteral("DaySchedule_Friday"),    QStringLiteral("DaySchedule_Saturday"),
        QStringLiteral("DaySchedule_Sunday"),    QStringLiteral("DaySchedule_Holiday")};
    return columns;
}

CDbQuery& CScheduleData::CurrentQuery()
{
    const bool projectOpen = CProjectData::Host() && !CProjectData::Host()->ProjectFilePath().isEmpty();
    return projectOpen ? TDM_Project::Current().Schedule : TDM_SysParam::Current().Schedule;
}

bool CScheduleData::LoadByName(const QString& name)
{
    // -1 (a failed select, already shown) is treated as "no such row".
    if (!name.isEmpty() &&
        CTool::OpenQuery(*DataSet,
                         CSQLStatement("select * from Schedule where Name= ? COLLATE NOCASE ", {name})) <= 0)
        return false;
    ReadCurrentRow();
    return true;
}

void CScheduleData::ReadCurrentRow()
{
    ScheduleType = DataSet->AsInt(QStringLiteral("ScheduleType"));
    Name = DataSet->AsString(QStringLiteral("Name"));
    ID = DataSet->AsInt(QStringLiteral("ID"));
    for (int month = 1; month <= Months; ++month)
        WeekIDs[month - 1] = DataSet->AsInt(WeekColumn(month));
}

void CScheduleData::LoadWeekSchedules()
{
    const QStringList& columns = DayColumns();
    for (int month = 0; month < Months; ++month) {
        // A locate that finds nothing leaves the data set where it was.
        const int before = DataSet->RecNo();
        bool found = false;
        for (DataSet->First(); !DataSet->Eof(); DataSet->Next()) {
            if (DataSet->AsInt(QStringLiteral("ID")) == WeekIDs[month]) {
                found = true;
                break;
            }
        }
        if (!found) {
            DataSet->MoveTo(before);
            continue;
        }
        for (int day = 0; day < DayTypes; ++day)
            DayNames[month][day] = DataSet->AsString(columns[day]);
    }
}

bool CScheduleData::Save(const QString& key)
{
    CSavepoint savepoint(DataSet->ConnectionName());
    if (!key.isEmpty() &&
        CTool::OpenQuery(*DataSet, CSQLStatement("select * from Schedule where ID= ? ", {ID})) <= 0)
        return false;
    DataSet->Edit();
    DataSet->SetFieldValue(QStringLiteral("ScheduleType"), ScheduleType);
    DataSet->SetFieldValue(QStringLiteral("Name"), Text(Name));
    DataSet->Post();

    QStringList sets;
    for (const QString& column : DayColumns())
        sets << column + QStringLiteral("=?");
    const QString update =
        QStringLiteral("Update WeekSchedule set %1 where ID= ? ").arg(sets.join(QLatin1Char(',')));
    for (int month = 0; month < Months; ++month) {
        QVariantList values;
        for (const QString& name : DayNames[month])
            values << Text(name);
        values << WeekIDs[month];
        ExecQueryGuarded(*DataSet, CSQLStatement(update, values));
    }
    savepoint.Commit();
    return true;
}

bool CScheduleData::Insert()
{
    if (Name.trimmed().isEmpty())
        return false;
    CSavepoint savepoint(DataSet->ConnectionName());
    std::array<int, Months> weekIds{};
    const QStringList& columns = DayColumns();
    OpenQueryGuarded(*DataSet, CSQLStatement("select * from WeekSchedule where ID=-1 "));
    for (int month = 0; month < Months; ++month) {
        DataSet->Append();
        for (int day = 0; day < DayTypes; ++day)
            DataSet->SetFieldValue(columns[day], Text(DayNames[month][day]));
        DataSet->Post();
        weekIds[month] = DataSet->AsInt(QStringLiteral("ID"));
    }
    OpenQueryGuarded(*DataSet, CSQLStatement("select * from Schedule where Name= ? ", {QStringLiteral("")}));
    DataSet->Append();
    DataSet->SetFieldValue(QStringLiteral("ScheduleType"), ScheduleType);
    DataSet->SetFieldValue(QStringLiteral("Name"), Name);
    for (int month = 1; month <= Months; ++month)
        DataSet->SetFieldValue(WeekColumn(month), weekIds[month - 1]);
    DataSet->Post();
    const int id = DataSet->AsInt(QStringLiteral("ID"));
    savepoint.Commit();
    // Taken over only once written, so that a failed insert leaves the object as it was.
    WeekIDs = weekIds;
    ID = id;
    return true;
}

void CScheduleData::Delete()
{
    QString text = QStringLiteral("delete from WeekSchedule where ID= ?");
    QVariantList ids{WeekIDs[0]};
    for (int month = 1; month < Months; ++month) {
        text += QStringLiteral(" or ID = ? ");
        ids << WeekIDs[month];
    }
    CSavepoint savepoint(DataSet->ConnectionName());
    ExecQueryGuarded(*DataSet, CSQLStatement(text, ids));
    ExecQueryGuarded(*DataSet, CSQLStatement("delete from Schedule where ID = ?", {ID}));
    savepoint.Commit();
}

void CScheduleData::Assign(const CScheduleData& other)
{
    ScheduleType = other.ScheduleType;
    DayNames = other.DayNames;
}
