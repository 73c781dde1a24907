#pragma once
#include "calc/RunTimeSys.h"

#include <QDialog>
#include <QList>
#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class QTabBar;
class QTableWidget;

// "运行方案配置": the operating hours of one scheme as a month calendar. The owner copies the
// scheme's flags into Flags, runs the dialog and copies them back only when it ends with 1
// ("确定"); "取消" and the close box end with 2 and every edit stays in the dialog's own table.
//
// A tab chooses the month; the grid (weekday columns Monday to Sunday, up to six weeks) shows each
// day with a bar of its 24 hours. Selected days share the 24 hour boxes: a box shows a day's hour,
// or the grayed state where the selected days differ; clicking it sets that hour of them all.
class TSetRunTimeModule : public QDialog
{
public:
    static constexpr int GridColumns = 7;
    static constexpr int GridRows = 6;

    explicit TSetRunTimeModule(QWidget* owner = nullptr);

    // Day d, hour h at d * 24 + h, as RunTimeSys::HourFlags.
    std::array<unsigned char, RunTimeSys::HourCount> Flags{};

    // Shows the month (0..11) and refreshes the hour boxes.
    void ts1Change(int month);
    int DisplayedMonth() const { return m_month; }
    // The hour box was clicked: its state becomes the hour's flag of every selected day.
    void CheckBoxClick(int hour);
    // All hours of the selected days off when every box is checked, else on.
    void BitBtn4Click();
    // "整月": the whole month, or nothing once 28 days or more are selected.
    void Button3Click();
    void btnWeekdayButtonClick();
    void btnWeekendButtonClick();
    // "休息日置空": every Saturday and Sunday of the year off.
    void SpeedButton2Click();
    // "应用到其他月": asks for a date range, then ApplyToOtherMonths.
    void Button4Click();
    // Copies the displayed month's first Monday onto the working days and its first Sunday onto
    // the rest days from firstDay to lastDay (days of the year) and says "应用成功！！"; a range
    // that ends before it begins copies nothing and says so.
    void ApplyToOtherMonths(int firstDay, int lastDay);

    // The day numbers (1..31) of the selected cells, row by row, each from left to right.
    QList<int> CollectSelectedDays() const;
    // The 24 flags of day n (1..) of the displayed month.
    unsigned char* DayFlags(int dayNumber);
    // Grid cell (row 0..5, column 0..6 = Monday..Sunday) of day n of the displayed month.
    QPoint DayCell(int dayNumber) const;
    void SetSelectedDays(unsigned char value);
    void RefreshHourBoxes();
    void ShowHourControls(bool visible);

    QTableWidget* TimeGrid;
    QTabBar* ts1;
    QPushButton* Button3;
    QPushButton* btnWeekdayButton;
    QPushButton* btnWeekendButton;
    QPushButton* Button4;
    QPushButton* SpeedButton2;
    QLabel* Label1;
    std::array<QCheckBox*, RunTimeSys::Hours> HourBoxes{};
    std::array<QLabel*, RunTimeSys::Hours> HourLabels{};
    QPushButton* BitBtn4;
    QPushButton* Button1;
    QPushButton* Button2;

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void BuildHourRow(int left, int top);
    void SetHourBoxState(int hour, Qt::CheckState state);
    void SelectColumns(int first, int last);

    int m_month = 0;
    int m_firstWeekday = 1;
    bool m_shown = false;
};
