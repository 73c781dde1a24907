#pragma once
#include "climate/forms/TScheduleImportFormBase.h"

// "时间表数据交换": copies schedules with their week rows, and the day schedules they name, between
// the database the schedule manager edits and a partner (see TScheduleImportFormBase).
class TImportScheduleForm : public TScheduleImportFormBase
{
    Q_OBJECT
public:
    explicit TImportScheduleForm(CDbQuery& dataSet, QWidget* owner = nullptr);

protected:
    QString PartnerNamesSql() const override;
    CScheduleExchange::Subject Subject() const override { return CScheduleExchange::Subject::Schedules; }
    bool Copy(CScheduleExchange& exchange, const QString& name) override;
};
