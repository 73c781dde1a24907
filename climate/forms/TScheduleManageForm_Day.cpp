// The day-schedule page: the list of day schedules and the 24-hour profile editor.
#include "climate/forms/TScheduleManageForm.h"

#include "app/controls/TControlEdit.h"
#include "app/controls/TWorkTime.h"
#include "climate/CDayScheduleData.h"
#include "climate/CScheduleRules.h"
#include "climate/forms/TImportDayScheduleForm.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"

#include <QListWidget>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>

namespace {
QString Percent(float value)
{
    return QString::number(value, 'f', 2);
}

// A typed percentage: its number when it is one within 0 to 100.
bool ReadPercent(const QString& text, double& value)
{
    bool ok = false;
    value = text.trimmed().toDouble(&ok);
    return ok && value >= 0.0 && value <= 100.0;
}
} // namespace

void TScheduleManageForm::ShowHourValues(QTableWidget* grid, const float* values)
{
    for (int hour = 0; hour < CDayScheduleData::Hours; ++hour) {
        const QString text = values ? QString::number(values[hour], 'f', 0) : QString();
        if (QTableWidgetItem* item = grid->item(1, hour))
            item->setText(text);
        else
            grid->setItem(1, hour, new QTableWidgetItem(text));
    }
}

void TScheduleManageForm::LoadDaySchedules()
{
    // Edits are stored before the objects that hold them go.
    StoreDaySchedule();
    m_currentDay = -1;
    {
        const QSignalBlocker blocker(ListBox1);
        ListBox1->clear();
    }
    m_days.clear();
    const int rows = CTool::OpenQuery(*m_dataSet, CSQLStatement("select * from DaySchedule"));
    for (int row = 1; row <= rows; ++row) {
        m_dataSet->MoveTo(row);
        auto day = std::make_unique<CDayScheduleData>();
        day->DataSet = m_dataSet;
        day->Load(QString());
        ListBox1->addItem(day->Name);
        m_days.push_back(std::move(day));
    }
    SelectRow(ListBox1, 0);
    ListBox1Click();
}

void TScheduleManageForm::ShowDayInEditor(int index)
{
    // Without a day schedule the editor shows an empty profile, which nothing stores.
    const CDayScheduleData* day = DaySchedule(index);
    WorkTime_Edit->Values = {};
    if (day)
        std::copy(day->Values.begin(), day->Values.end(), WorkTime_Edit->Values.begin());
    WorkTime_Edit->MyPaint();
    ShowHourValues(StringGrid2, day ? day->Values.data() : nullptr);
}

void TScheduleManageForm::ListBox1Click()
{
    StoreDaySchedule();
    m_currentDay = ListBox1->currentRow();
    ShowDayInEditor(m_currentDay);
}

void TScheduleManageForm::StoreDaySchedule()
{
    if (m_dayChanged && m_currentDay >= 0 && m_currentDay < static_cast<int>(m_days.size())) {
        CDayScheduleData& day = *m_days[m_currentDay];
        std::copy(WorkTime_Edit->Values.begin(), WorkTime_Edit->Values.end(), day.Values.begin());
        day.Save(day.Name);
    }
    m_dayChanged = false;
}

void TScheduleManageForm::WorkTime_EditValueChange(int, float)
{
    m_dayChanged = true;
}

void TScheduleManageForm::WorkTime_EditWindowValueChange(int hour, float value)
{
    ControlEdit1->setText(Percent(value));
    if (QTableWidgetItem* item = StringGrid2->item(1, hour))
        item->setText(QString::number(value, 'f', 0));
}

void TScheduleManageForm::WorkTime_EditActiveChange(int hour, float value)
{
    const QSignalBlocker blocker(CSpinEdit1);
    CSpinEdit1->setValue(hour);
    ControlEdit1->setText(Percent(value));
}

void TScheduleManageForm::CSpinEdit1Change()
{
    const int hour = CSpinEdit1->value();
    if (hour < 0 || hour >= CDayScheduleData::Hours) {
        ControlEdit1->clear();
        return;
    }
    WorkTime_Edit->SetColume(hour);
    ControlEdit1->setText(Percent(WorkTime_Edit->Values[hour]));
}

void TScheduleManageForm::ControlEdit1Change()
{
    const int hour = CSpinEdit1->value();
    if (hour < 0 || hour >= CDayScheduleData::Hours)
        return;
    double value = 0.0;
    if (!ReadPercent(ControlEdit1->text(), value))
        value = 0.0;
    WorkTime_Edit->SetTimeValue(hour, static_cast<float>(value));
    if (QTableWidgetItem* item = StringGrid2->item(1, hour))
        item->setText(QString::number(value));
}

void TScheduleManageForm::Button7Click()
{
    double value = 0.0;
    if (!ReadPercent(ControlEdit2->text(), value)) {
        CTool::Current().ShowMessageBox(QStringLiteral("警告"), QStringLiteral("请输入正确的数字(0~100)"), 6, 0);
        return;
    }
    const int first = CSpinEdit2->value();
    const int last = CSpinEdit3->value();
    for (int hour = first; hour <= last; ++hour) {
        WorkTime_Edit->SetTimeValue(hour, static_cast<float>(value));
        if (QTableWidgetItem* item = StringGrid2->item(1, hour))
            item->setText(QString::number(value));
    }
}

void TScheduleManageForm::Button4Click()
{
    CScheduleRules rules(*m_dataSet);
    std::unique_ptr<CDayScheduleData> day = rules.AddDaySchedule();
    if (!day)
        return;
    const QSignalBlocker blocker(ListBox1);
    ListBox1->addItem(day->Name);
    m_days.push_back(std::move(day));
}

void TScheduleManageForm::Button5Click()
{
    const int row = ListBox1->currentRow();
    if (row < 0 || row >= static_cast<int>(m_days.size()))
        return;
    // The edits are stored under the old name before the rows are renamed.
    StoreDaySchedule();
    CScheduleRules rules(*m_dataSet);
    if (!rules.RenameDaySchedule(*m_days[row]))
        return;
    ListBox1->item(row)->setText(m_days[row]->Name);
    LoadSchedules();
}

void TScheduleManageForm::Button6Click()
{
    const int row = ListBox1->currentRow();
    if (row < 0 || row >= static_cast<int>(m_days.size()))
        return;
    CScheduleRules rules(*m_dataSet);
    if (!rules.DeleteDaySchedule(*m_days[row]))
        return;
    m_days.erase(m_days.begin() + row);
    m_currentDay = -1;
    m_dayChanged = false;
    RemoveRow(ListBox1, row);
    ListBox1Click();
}

void TScheduleManageForm::Button10Click()
{
    StoreDaySchedule();
    TImportDayScheduleForm exchange(*m_dataSet, this);
    RunExchange(exchange, ListBox1);
    LoadDaySchedules();
}
