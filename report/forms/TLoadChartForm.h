#pragma once
#include "report/CAnnualHourRange.h"

#include <QDialog>

class CLoadCurveList;
class QChart;
class QChartView;
class QComboBox;
class QDateTimeAxis;
class QListWidget;
class QPushButton;
class QValueAxis;

// "负荷曲线图" of the daily cooling calculation: every component of the list over the 8760 hours
// of the year, the ticked ones drawn between a start and an end month, day and hour (a range may
// run over the year's end), with dates on the horizontal axis; "导出" writes the picture and the
// hourly values of the ticked components to a workbook through the report engine. The list must
// outlive the window.
class TLoadChartForm : public QDialog
{
public:
    explicit TLoadChartForm(const CLoadCurveList& curves, QWidget* parent = nullptr);
    ~TLoadChartForm() override;

    // The month, day and hour choices: 1 January 0:00 to 31 December 23:00.
    void FillRangeCombos();
    // Days 1..n of the month in the list, the 1st chosen.
    static void FillDayCombo(int month, QComboBox& list);
    // Redraws the ticked components over the chosen range into the chart (cht1 when null).
    void DrawChart(QChart* chart = nullptr);
    // Hours of the chosen range (BuildTimeRange); dated from the year given, today's by default.
    const CAnnualHourRange& BuildTimeRange(int year = 0);
    // Writes the workbook to the file: the chart's picture page, then pages of ten components.
    // False when it could not be written (the user was told).
    bool Export(const QString& fileName);
    void btn3Click();
    void SetAllChecked(bool checked);

    // Colour of check-list item i; items past the 255 of the palette start it again.
    static QColor SeriesColor(int index);

    QListWidget* chklst1 = nullptr;
    QPushButton* btn1 = nullptr;
    QPushButton* btn2 = nullptr;
    QPushButton* btn3 = nullptr;
    QComboBox* cbb_smonth = nullptr;
    QComboBox* cbb_sday = nullptr;
    QComboBox* cbb_stime = nullptr;
    QComboBox* cbb_emonth = nullptr;
    QComboBox* cbb_eday = nullptr;
    QComboBox* cbb_etime = nullptr;
    QChart* cht1 = nullptr;
    QChartView* ChartView1 = nullptr;
    // The exported picture's drawing surface, never shown.
    QChart* cht2 = nullptr;
    QChartView* ChartView2 = nullptr;

private:
    void SetUpChart(QChart& chart);
    const CLoadCurveList& m_curves;
    CAnnualHourRange m_range;
    bool m_filling = false;
};
