#pragma once
#include "climate/forms/TScheduleImportFormBase.h"

// "日时间表数据交换": copies day schedules with their 24 values between the database the schedule
// manager edits and a partner (see TScheduleImportFormBase).
class TImportDayScheduleForm : public TScheduleImportFormBase
{
    Q_OBJECT
public:
    explicit TImportDayScheduleForm(CDbQuery& dataSet, QWidget* owner = nullptr);

protected:
    QString PartnerNamesSql() const override;
    CScheduleExchange::Subject Subject() const override { return CScheduleExchange::Subject::DaySchedules; }
    bool Copy(CScheduleExchange& exchange, const QString& name) override;
};
