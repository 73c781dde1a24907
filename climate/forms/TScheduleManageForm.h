#pragma once
#include <QDialog>
#include <memory>
#include <vector>

class CDayScheduleData;
class CDbQuery;
class CScheduleData;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QListWidget;
class QScrollBar;
class QSpinBox;
class QStackedWidget;
class QTabBar;
class QTableWidget;
class TBMPButton;
class TControlEdit;
class TScheduleImportFormBase;
class TWorkTime;

// The schedule editor "时间表编辑" of one database: its day schedules (24 hourly values in percent)
// on the page "日时间表编辑", its schedules (a day schedule for each month and day type) on the page
// "年时间表指派", where it opens.
//
// The opener sets the data set (CScheduleData::CurrentQuery(): the project's schedules while a
// project is open, the system data's otherwise) and optionally the schedule to select, runs exec()
// and, on mrOk ("确定", "关闭"), may read SelectedSchedule(). Edits of a profile, of the grid and of
// the type are held in the controls and stored at the next store point: another item of the same
// list, the other page, an exchange, any reload, closing (the close box included). Adding,
// renaming and deleting write at once (CScheduleRules). Every statement runs on the data set.
class TScheduleManageForm : public QDialog
{
    Q_OBJECT
public:
    static constexpr int DayPage = 0;
    static constexpr int SchedulePage = 1;
    // Day schedules shown at a time in the strip of the schedule page.
    static constexpr int StripSize = 3;

    explicit TScheduleManageForm(QWidget* owner = nullptr);
    ~TScheduleManageForm() override;

    void SetDataSet(CDbQuery* dataSet) { m_dataSet = dataSet; }
    CDbQuery* DataSet() const { return m_dataSet; }
    // The schedule selected when the form is shown; empty selects the first. A name no schedule
    // bears leaves the list without a selection.
    void SetPresetName(const QString& name) { m_presetName = name; }
    // The selected schedule's name; empty when none is selected.
    QString SelectedSchedule() const;
    int CurrentDaySchedule() const { return m_currentDay; }
    int CurrentSchedule() const { return m_currentSchedule; }
    const CDayScheduleData* DaySchedule(int index) const;
    const CScheduleData* Schedule(int index) const;

    // --- events
    void FormShow();
    // Stores the pending edits and refreshes the program's schedule names.
    void FormClose();
    void FlatTabControl1TabChanged(int index);
    // Leaving the day page: the editor shows the stored values, once the edits are stored.
    void TabSheet1Exit();

    // Day page (TScheduleManageForm_Day.cpp).
    void ListBox1Click();
    void WorkTime_EditValueChange(int hour, float value);
    void WorkTime_EditWindowValueChange(int hour, float value);
    void WorkTime_EditActiveChange(int hour, float value);
    void CSpinEdit1Change();
    // The hour value typed into ControlEdit1; outside 0..100 it becomes 0.
    void ControlEdit1Change();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    // "设置": the range of hours takes the value, or "请输入正确的数字(0~100)".
    void Button7Click();
    void Button10Click();

    // Schedule page (TScheduleManageForm_Week.cpp).
    void ListBox2Click();
    void RadioGroup1Click();
    void StringGrid1Click();
    // A click on the strip's profile of that position: the grid's selected cells take its name.
    void WorkTime1Click(int tag);
    void ScrollBar1Change();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button11Click();

    void LoadDaySchedules();
    void LoadSchedules();
    void StoreDaySchedule();
    void StoreSchedule();
    void SetUpStrip();

    // --- controls
    QTabBar* FlatTabControl1;
    QStackedWidget* Pages;
    // Day page.
    QWidget* TabSheet1;
    QListWidget* ListBox1;
    TBMPButton* Button4;
    TBMPButton* Button5;
    TBMPButton* Button6;
    TBMPButton* Button10;
    TBMPButton* Button8;
    TWorkTime* WorkTime_Edit;
    QSpinBox* CSpinEdit1;
    TControlEdit* ControlEdit1;
    QSpinBox* CSpinEdit2;
    QSpinBox* CSpinEdit3;
    TControlEdit* ControlEdit2;
    TBMPButton* Button7;
    QTableWidget* StringGrid2;
    // Schedule page.
    QWidget* TabSheet2;
    QListWidget* ListBox2;
    TBMPButton* Button1;
    TBMPButton* Button2;
    TBMPButton* Button3;
    TBMPButton* Button11;
    TBMPButton* Button9;
    QGroupBox* RadioGroup1;
    QButtonGroup* RadioGroup1Items;
    QTableWidget* StringGrid1;
    QTableWidget* StringGrid3;
    QWidget* SWorkSchedule[StripSize];
    TWorkTime* WorkTime[StripSize];
    QLabel* SLabel[StripSize];
    QScrollBar* ScrollBar1;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildDayPage();
    QWidget* BuildSchedulePage();
    // Row 1 of an hours grid shows the 24 values ("0" format); empty texts with null.
    static void ShowHourValues(QTableWidget* grid, const float* values);
    static QTableWidget* NewHoursGrid(QWidget* parent);
    void ShowDayInEditor(int index);
    void FillGridFromSchedule(const CScheduleData& schedule);
    // Selects a list's row without running its click handler; -1 clears the selection.
    static void SelectRow(QListWidget* list, int row);
    // Takes a deleted item's row out of the list and selects the row before it, or the first.
    static void RemoveRow(QListWidget* list, int row);
    // Runs an exchange form on the names of the list.
    static void RunExchange(TScheduleImportFormBase& exchange, const QListWidget* names);

    CDbQuery* m_dataSet = nullptr;
    std::vector<std::unique_ptr<CDayScheduleData>> m_days;
    std::vector<std::unique_ptr<CScheduleData>> m_schedules;
    int m_currentDay = -1;
    int m_currentSchedule = -1;
    bool m_dayChanged = false;
    bool m_scheduleChanged = false;
    bool m_shown = false;
    bool m_closed = false;
    QString m_presetName;
};
