#include "climate/forms/TImportDayScheduleForm.h"

TImportDayScheduleForm::TImportDayScheduleForm(CDbQuery& dataSet, QWidget* owner)
    : TScheduleImportFormBase(dataSet, QStringLiteral("日时间表数据交换"), owner)
{
    setObjectName(QStringLiteral("ImportDayScheduleForm"));
}

QString TImportDayScheduleForm::PartnerNamesSql() const
{
    return QStringLiteral("select DayScheduleName from DaySchedule ");
}

bool TImportDayScheduleForm::Copy(CScheduleExchange& exchange, const QString& name)
{
    return exchange.CopyDaySchedule(name);
}
