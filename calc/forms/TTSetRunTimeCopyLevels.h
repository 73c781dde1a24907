#pragma once
#include <QDialog>

class QComboBox;

// "时间段设置": the range of dates onto which the operating-hours editor copies the displayed
// month's patterns. Month lists "1月" to "12月" and day lists "1日" to the month's last day, all
// drop-down lists without typing, so that each always has a chosen item; preset 1 January to 31
// December. "确定" ends with 1, "取消" and the close box with 2.
class TTSetRunTimeCopyLevels : public QDialog
{
public:
    explicit TTSetRunTimeCopyLevels(QWidget* owner = nullptr);

    void cbb1Change();
    void cbb3Change();
    // Refills the day list for the month chosen in the month list and chooses its first day.
    static void FillDayList(const QComboBox& monthList, QComboBox& dayList);

    // The chosen range as days of the year (0..364).
    int FirstDay() const;
    int LastDay() const;

    QComboBox* cbb1; // start month
    QComboBox* cbb2; // start day
    QComboBox* cbb3; // end month
    QComboBox* cbb4; // end day

protected:
    void reject() override;
};
