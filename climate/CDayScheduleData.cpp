#include "climate/CDayScheduleData.h"

#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"

namespace {
const char* const SelectByName = "select * from DaySchedule where DayScheduleName= ? COLLATE NOCASE ";
}

QString CDayScheduleData::ValueColumn(int hour)
{
    return QStringLiteral("Value_%1").arg(hour);
}

bool CDayScheduleData::Load(const QString& name)
{
    // -1 (a failed select, already shown) is treated as "no such row": nothing to read.
    if (!name.isEmpty() && CTool::OpenQuery(*DataSet, CSQLStatement(SelectByName, {name})) <= 0)
        return false;
    ReadCurrentRow();
    return true;
}

void CDayScheduleData::ReadCurrentRow()
{
    Name = DataSet->AsString(QStringLiteral("DayScheduleName"));
    for (int hour = 0; hour < Hours; ++hour)
        Values[hour] = static_cast<float>(DataSet->AsDouble(ValueColumn(hour)));
}

bool CDayScheduleData::Save(const QString& key)
{
    if (!key.isEmpty()) {
        if (CTool::OpenQuery(*DataSet, CSQLStatement(SelectByName, {key})) <= 0)
            return false;
        DataSet->Edit();
    }
    DataSet->SetFieldValue(QStringLiteral("DayScheduleName"), Name.isNull() ? QStringLiteral("") : Name);
    for (int hour = 0; hour < Hours; ++hour)
        DataSet->SetFieldValue(ValueColumn(hour), static_cast<double>(Values[hour]));
    if (!key.isEmpty())
        DataSet->Post();
    return true;
}
