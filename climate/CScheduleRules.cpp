#include "climate/CScheduleRules.h"

#include "climate/CDayScheduleData.h"
#include "platform/core/CSavepoint.h"
#include "climate/CScheduleData.h"
#include "model/CRoomOccupationCache.h"
#include "model/CTreeView2DB.h"
#include "model/TDM_Project.h"
#include "model/TInitalizationManage.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"

namespace {

struct SReference
{
    const char* Table;
    const char* Column;
};

// Project columns that name schedules: the load elements' and the room's own, then the room's fan
// and maintenance, the food's cooking and the building's water-system schedules.
const SReference ElementReferences[] = {
    {"People", "ScheduleName"},
    {"Lighting", "ScheduleName"},
    {"HeatingEquipment", "ScheduleName"},
    {"ElectronicEquipment", "ScheduleName"},
    {"ElectricEquipment", "ScheduleName"},
    {"Food", "ScheduleName"},
    {"Evaporating", "ScheduleName"},
    {"Infiltration", "ScheduleName"},
    {"Others", "ScheduleName"},
    {"Room", "ScheduleName"},
    {"Room", "Fan_Time"},
    {"Room", "Maintenance_Time"},
    {"Food", "Chemistry_Time"},
    {"Building", "Water_Time"},
};

// Room-use columns that name schedules, in both databases.
const char* const RoomUseColumns[] = {
    "NewWindScheduleName",
    "PeopleScheduleName",
    "LightScheduleName",
    "ElectricEquipmentScheduleName",
    "HeatingEquipmentScheduleName",
    "ElectronicEquipmentScheduleName",
    "Fan_Time",
    "Chemistry_Time",
    "Maintenance_Time",
};

const QString ScheduleNameType = QStringLiteral("工作时间表");

// "update <table> set <column>=? where <column>=? COLLATE NOCASE" with the new and the old name.
CSQLStatement RenameReference(const QString& table, const QString& column, const QString& newName,
                              const QString& oldName)
{
    return CSQLStatement(QStringLiteral("update %1 set %2=? where %2=? COLLATE NOCASE").arg(table, column),
                         {newName, oldName});
}

} // namespace

CScheduleRules::CScheduleRules(CDbQuery& dataSet) : m_dataSet(dataSet) {}

bool CScheduleRules::IsProjectDatabase() const
{
    return TDM_Project::Exists() && m_dataSet.ConnectionName() == TDM_Project::Current().ProjectCon.Name();
}

bool CScheduleRules::NameTaken(const QString& table, const QString& column, const QString& name)
{
    // Compared here rather than by SQL: the names compare as the user reads them, any letter case.
    const int rows =
        CTool::OpenQuery(m_dataSet, CSQLStatement(QStringLiteral("select %1 from %2").arg(column, table)));
    if (rows < 0)
        return true;
    for (m_dataSet.First(); !m_dataSet.Eof(); m_dataSet.Next())
        if (m_dataSet.Field(0).toString().compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool CScheduleRules::EnterName(const QString& table, const QString& column, const QString& initial,
                               const QString* oldName, QString& name)
{
    CTool& tool = CTool::Current();
    QString text = initial;
    for (;;) {
        if (tool.Input(QStringLiteral("请输入新名称"), text, 0, QStringLiteral("请输入...")) != 6)
            return false;
        if (text.trimmed().isEmpty()) {
            // A blank name could not be told from "no schedule", which elements store as "".
            Notice(QStringLiteral("信息栏不能为空!!!"));
            continue;
        }
        if (oldName && text == *oldName)
            continue;
        if (NameTaken(table, column, text))
            continue;
        name = text;
        return true;
    }
}

bool CScheduleRules::Used(const QString& sql, const QVariantList& values)
{
    return CTool::OpenQuery(m_dataSet, CSQLStatement(sql, values)) != 0;
}

bool CScheduleRules::UsedByDefaultValue(int scheduleId)
{
    const QString id = QString::number(scheduleId);
    if (TInitalizationManage::Exists()) {
        TInitalizationManage& defaults = TInitalizationManage::Current();
        for (int i = 0; i < defaults.GetCount(); ++i) {
            const CInitalizationData* row = defaults.GetItem(i);
            if (row->I_NameType == ScheduleNameType && row->I_Value == id)
                return true;
        }
        return false;
    }
    return Used(QStringLiteral("select I_Value from Initialization where I_NameType=? and I_Value=?"),
                {ScheduleNameType, id});
}

bool CScheduleRules::Confirm()
{
    return CTool::Current().ShowMessageBox(QStringLiteral("警告"), QStringLiteral("确认删除当前时间表？"), 9,
                                           0, QStringLiteral("是"), QStringLiteral("否")) == 6;
}

void CScheduleRules::Notice(const QString& text)
{
    CTool::Current().ShowMessageBox(QStringLiteral("提示"), text, 6, 2);
}

void CScheduleRules::ReleaseLoadedElements()
{
    if (CTreeView2DB::Exists())
        CTreeView2DB::Current().Root().ReleaseElements(true, true);
}

std::unique_ptr<CDayScheduleData> CScheduleRules::AddDaySchedule()
{
    QString name;
    if (!EnterName(QStringLiteral("DaySchedule"), QStringLiteral("DayScheduleName"), QString(), nullptr,
                   name))
        return nullptr;
    OpenQueryGuarded(m_dataSet, CSQLStatement("select * from DaySchedule where DayScheduleName = ? ",
                                              {QStringLiteral("")}));
    m_dataSet.Append();
    m_dataSet.SetFieldValue(QStringLiteral("DayScheduleName"), name);
    m_dataSet.Post();
    auto day = std::make_unique<CDayScheduleData>();
    day->Name = name;
    day->DataSet = &m_dataSet;
    return day;
}

bool CScheduleRules::RenameDaySchedule(CDayScheduleData& day)
{
    const QString oldName = day.Name;
    QString newName;
    if (!EnterName(QStringLiteral("DaySchedule"), QStringLiteral("DayScheduleName"), QString(), &oldName,
                   newName))
        return false;
    CSavepoint savepoint(m_dataSet.ConnectionName());
    for (const QString& column : CScheduleData::DayColumns())
        ExecQueryGuarded(m_dataSet,
                         RenameReference(QStringLiteral("WeekSchedule"), column, newName, oldName));
    ExecQueryGuarded(m_dataSet, RenameReference(QStringLiteral("DaySchedule"),
                                                QStringLiteral("DayScheduleName"), newName, oldName));
    savepoint.Commit();
    day.Name = newName;
    return true;
}

bool CScheduleRules::DeleteDaySchedule(const CDayScheduleData& day)
{
    if (!Confirm())
        return false;
    QStringList conditions;
    QVariantList names;
    for (const QString& column : CScheduleData::DayColumns()) {
        conditions << column + QStringLiteral("=? COLLATE NOCASE");
        names << day.Name;
    }
    if (Used(QStringLiteral("select ID from WeekSchedule where ") + conditions.join(QStringLiteral(" or ")),
             names)) {
        Notice(QStringLiteral("你不能删除该日时间表"));
        return false;
    }
    ExecQueryGuarded(
        m_dataSet,
        CSQLStatement("delete from DaySchedule where DayScheduleName = ? COLLATE NOCASE", {day.Name}));
    return true;
}

std::unique_ptr<CScheduleData> CScheduleRules::AddSchedule()
{
    QString name;
    if (!EnterName(QStringLiteral("Schedule"), QStringLiteral("Name"), QString(), nullptr, name))
        return nullptr;
    auto schedule = std::make_unique<CScheduleData>();
    schedule->DataSet = &m_dataSet;
    schedule->Name = name;
    schedule->Insert();
    return schedule;
}

bool CScheduleRules::RenameSchedule(CScheduleData& schedule)
{
    const QString oldName = schedule.Name;
    QString newName;
    if (!EnterName(QStringLiteral("Schedule"), QStringLiteral("Name"), oldName, &oldName, newName))
        return false;
    const bool project = IsProjectDatabase();
    CSavepoint savepoint(m_dataSet.ConnectionName());
    // By ID: the row renamed is this schedule's, whatever other rows are called.
    ExecQueryGuarded(m_dataSet,
                     CSQLStatement("update Schedule set Name = ? where ID = ?", {newName, schedule.ID}));
    if (project)
        for (const SReference& reference : ElementReferences)
            ExecQueryGuarded(m_dataSet,
                             RenameReference(QString::fromLatin1(reference.Table),
                                             QString::fromLatin1(reference.Column), newName, oldName));
    for (const char* column : RoomUseColumns)
        ExecQueryGuarded(m_dataSet, RenameReference(QStringLiteral("RoomOccupation"),
                                                    QString::fromLatin1(column), newName, oldName));
    savepoint.Commit();
    schedule.Name = newName;
    if (project)
        ReleaseLoadedElements();
    // Cached room uses hold the schedule names they were read with.
    if (CRoomOccupationCache::Exists())
        CRoomOccupationCache::Current().Clear();
    return true;
}

bool CScheduleRules::DeleteSchedule(const CScheduleData& schedule)
{
    if (IsProjectDatabase()) {
        for (const SReference& reference : ElementReferences) {
            if (Used(QStringLiteral("select %1 from %2 where %1 = ? COLLATE NOCASE")
                         .arg(QString::fromLatin1(reference.Column), QString::fromLatin1(reference.Table)),
                     {schedule.Name})) {
                Notice(QStringLiteral("你不能删除该时间表,工程中已经使用该时间表"));
                return false;
            }
        }
    }
    if (UsedByDefaultValue(schedule.ID)) {
        Notice(QStringLiteral("你不能删除该时间表,初始化中已经使用该时间表"));
        return false;
    }
    QStringList conditions;
    QVariantList names;
    for (const char* column : RoomUseColumns) {
        conditions << QString::fromLatin1(column) + QStringLiteral("=? COLLATE NOCASE");
        names << schedule.Name;
    }
    if (Used(QStringLiteral("select ID from RoomOccupation where ") + conditions.join(QStringLiteral(" or ")),
             names)) {
        Notice(QStringLiteral("你不能删除该时间表,房间用途中已经使用该时间表"));
        return false;
    }
    if (!Confirm())
        return false;
    CScheduleData target = schedule;
    target.DataSet = &m_dataSet;
    target.Delete();
    return true;
}
