// The schedule page: the list of schedules, the month-by-day-type grid of day-schedule names, the
// preview of the grid's current cell and the strip of day schedules that fills the grid.
#include "climate/forms/TScheduleManageForm.h"

#include "app/controls/TWorkTime.h"
#include "climate/CDayScheduleData.h"
#include "climate/CScheduleData.h"
#include "climate/CScheduleRules.h"
#include "climate/forms/TImportScheduleForm.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>

namespace {
void SetCellName(QTableWidgetItem* item, const QString& name)
{
    item->setText(name);
    // The cells are narrow; the whole name shows on hovering.
    item->setToolTip(name);
}

void SetLabelColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}
} // namespace

void TScheduleManageForm::LoadSchedules()
{
    StoreSchedule();
    m_currentSchedule = -1;
    {
        const QSignalBlocker blocker(ListBox2);
        ListBox2->clear();
    }
    m_schedules.clear();
    const int rows = CTool::OpenQuery(*m_dataSet, CSQLStatement("select * from Schedule"));
    for (int row = 1; row <= rows; ++row) {
        m_dataSet->MoveTo(row);
        auto schedule = std::make_unique<CScheduleData>();
        schedule->DataSet = m_dataSet;
        schedule->LoadByName(QString());
        ListBox2->addItem(schedule->Name);
        m_schedules.push_back(std::move(schedule));
    }
    if (rows > 0 && CTool::OpenQuery(*m_dataSet, CSQLStatement("select * from WeekSchedule ")) >= 0)
        for (const auto& schedule : m_schedules)
            schedule->LoadWeekSchedules();

    int selected = 0;
    if (!m_presetName.isEmpty()) {
        selected = -1;
        for (int row = 0; row < ListBox2->count(); ++row)
            if (ListBox2->item(row)->text().compare(m_presetName, Qt::CaseInsensitive) == 0) {
                selected = row;
                break;
            }
    }
    SelectRow(ListBox2, selected);
    ListBox2Click();
}

void TScheduleManageForm::FillGridFromSchedule(const CScheduleData& schedule)
{
    for (int day = 0; day < CScheduleData::DayTypes; ++day)
        for (int month = 0; month < CScheduleData::Months; ++month)
            SetCellName(StringGrid1->item(day, month), schedule.DayNames[month][day]);
    if (QAbstractButton* radio = RadioGroup1Items->button(schedule.ScheduleType))
        radio->setChecked(true);
}

void TScheduleManageForm::ListBox2Click()
{
    StoreSchedule();
    const QListWidgetItem* item = ListBox2->currentItem();
    m_currentSchedule = item && item->isSelected() ? ListBox2->currentRow() : -1;
    if (const CScheduleData* schedule = Schedule(m_currentSchedule)) {
        FillGridFromSchedule(*schedule);
        m_scheduleChanged = false;
        StringGrid1Click();
    }
}

void TScheduleManageForm::StoreSchedule()
{
    if (m_scheduleChanged && m_currentSchedule >= 0 && m_currentSchedule < static_cast<int>(m_schedules.size())) {
        CScheduleData& schedule = *m_schedules[m_currentSchedule];
        for (int day = 0; day < CScheduleData::DayTypes; ++day)
            for (int month = 0; month < CScheduleData::Months; ++month)
                schedule.DayNames[month][day] = StringGrid1->item(day, month)->text();
        if (RadioGroup1Items->checkedId() >= 0)
            schedule.ScheduleType = RadioGroup1Items->checkedId();
        schedule.Save(schedule.Name);
    }
    m_scheduleChanged = false;
}

void TScheduleManageForm::RadioGroup1Click()
{
    m_scheduleChanged = true;
}

void TScheduleManageForm::SetUpStrip()
{
    const int count = static_cast<int>(m_days.size());
    {
        const QSignalBlocker blocker(ScrollBar1);
        ScrollBar1->setRange(0, std::max(0, (count + StripSize - 1) / StripSize - 1));
        ScrollBar1->setValue(0);
    }
    ScrollBar1Change();
}

void TScheduleManageForm::ScrollBar1Change()
{
    const int count = static_cast<int>(m_days.size());
    for (int k = 0; k < StripSize; ++k) {
        SetLabelColour(SLabel[k], Qt::black);
        const int i = ScrollBar1->value() * StripSize + k;
        SWorkSchedule[k]->setVisible(i < count);
        if (i >= count)
            continue;
        SLabel[k]->setText(m_days[i]->Name);
        std::copy(m_days[i]->Values.begin(), m_days[i]->Values.end(), WorkTime[k]->Values.begin());
        WorkTime[k]->MyPaint();
    }
}

void TScheduleManageForm::StringGrid1Click()
{
    for (QLabel* label : SLabel)
        SetLabelColour(label, Qt::black);
    ShowHourValues(StringGrid3, nullptr);
    const QTableWidgetItem* cell = StringGrid1->currentItem();
    if (!cell || cell->text().isEmpty())
        return;
    for (int i = 0; i < static_cast<int>(m_days.size()); ++i) {
        if (m_days[i]->Name.compare(cell->text(), Qt::CaseInsensitive) != 0)
            continue;
        ShowHourValues(StringGrid3, m_days[i]->Values.data());
        // Moving the strip repaints it and turns the labels black again.
        ScrollBar1->setValue(i / StripSize);
        SetLabelColour(SLabel[i % StripSize], Qt::red);
        return;
    }
}

void TScheduleManageForm::WorkTime1Click(int tag)
{
    const int i = ScrollBar1->value() * StripSize + tag;
    if (i < 0 || i >= static_cast<int>(m_days.size()))
        return;
    QList<QTableWidgetItem*> cells = StringGrid1->selectedItems();
    if (cells.isEmpty() && StringGrid1->currentItem())
        cells << StringGrid1->currentItem();
    for (QTableWidgetItem* cell : cells)
        SetCellName(cell, m_days[i]->Name);
    StringGrid1Click();
    m_scheduleChanged = true;
}

void TScheduleManageForm::Button1Click()
{
    CScheduleRules rules(*m_dataSet);
    std::unique_ptr<CScheduleData> schedule = rules.AddSchedule();
    if (!schedule)
        return;
    const QSignalBlocker blocker(ListBox2);
    ListBox2->addItem(schedule->Name);
    m_schedules.push_back(std::move(schedule));
}

void TScheduleManageForm::Button2Click()
{
    const int row = ListBox2->currentRow();
    if (row < 0 || row >= static_cast<int>(m_schedules.size()))
        return;
    CScheduleRules rules(*m_dataSet);
    if (rules.RenameSchedule(*m_schedules[row]))
        ListBox2->item(row)->setText(m_schedules[row]->Name);
}

void TScheduleManageForm::Button3Click()
{
    const int row = ListBox2->currentRow();
    if (row < 0 || row >= static_cast<int>(m_schedules.size()))
        return;
    CScheduleRules rules(*m_dataSet);
    if (!rules.DeleteSchedule(*m_schedules[row]))
        return;
    m_schedules.erase(m_schedules.begin() + row);
    m_currentSchedule = -1;
    m_scheduleChanged = false;
    RemoveRow(ListBox2, row);
    ListBox2Click();
}

void TScheduleManageForm::Button11Click()
{
    StoreSchedule();
    TImportScheduleForm exchange(*m_dataSet, this);
    RunExchange(exchange, ListBox2);
    LoadDaySchedules();
    LoadSchedules();
    SetUpStrip();
    StringGrid1Click();
}
