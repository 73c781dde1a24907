#include "climate/forms/TImportScheduleForm.h"

TImportScheduleForm::TImportScheduleForm(CDbQuery& dataSet, QWidget* owner)
    : TScheduleImportFormBase(dataSet, QStringLiteral("时间表数据交换"), owner)
{
    setObjectName(QStringLiteral("ImportScheduleForm"));
}

QString TImportScheduleForm::PartnerNamesSql() const
{
    return QStringLiteral("select Name from Schedule ");
}

bool TImportScheduleForm::Copy(CScheduleExchange& exchange, const QString& name)
{
    return exchange.CopySchedule(name);
}
