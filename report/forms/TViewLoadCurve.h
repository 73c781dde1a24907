#pragma once
#include <QDialog>
#include <vector>

class CLoadCurveList;
class QAction;
class QChart;
class QChartView;
class QLineSeries;
class QTabBar;
class QTableWidget;
class QValueAxis;

// The 24-hour load curve window "显示负荷曲线图" (design types 2, 3, 4, 6, 7 and 8): one line per
// curve of the list, the hours of one day (detailed types), of one month's design day (monthly
// types) or of every hour of one month (daily heating), a tab per curve, the values in a grid
// below, colours and visibility in TViewLoadCurveSetup, printing, and the chart saved as a picture
// with the grid as comma-separated text. The list must outlive the window.
class TViewLoadCurve : public QDialog
{
public:
    explicit TViewLoadCurve(const CLoadCurveList& curves, QWidget* parent = nullptr);
    ~TViewLoadCurve() override;

    // Series, tabs and the month menu for the list's design type.
    void BuildSeries();
    // Draws the window's hours of the current tab and month and fills the grid.
    void ShowPeriod();
    // Draws curve i when the current tab shows it; false when it does not.
    bool DrawCurve(int index);
    void SetCurrentTab(int tab);
    // Month 0..11 of the monthly and daily types, checked in the month menu.
    void SetCurrentMonth(int month);
    // "月份": the next month, January after December.
    void Action_AddMonthExecute();
    void Action_SetupExecute();
    void Action_SaveExecute();
    void Action_PrintExecute();
    // Writes the chart as a bitmap and the grid as text to the chosen name with ".BMP" and ".csv";
    // the notice says which files were written, or which could not be.
    void SaveFiles(const QString& chosenName);
    // The grid as the data file's lines: the first cell padded to 30 bytes, the others to 15, each
    // followed by a comma.
    QStringList DataFileLines() const;

    // Curve i's colour and visibility on the all-curves tab (the setup dialog's changes).
    QColor CurveColor(int index) const;
    void SetCurveColor(int index, const QColor& color);
    void SetCurveVisible(int index, bool visible);
    bool CurveVisible(int index) const { return m_visible[static_cast<size_t>(index)] != 0; }
    // Colour number i mod 10 of the curve palette.
    static QColor PaletteColor(int index);

    int StartHour = 0;
    int EndHour = 24;
    int CurrentTab = 0;
    int CurrentMonth = 0;
    float MaxCurveValue = 0;
    float MinCurveValue = 0;

    QChart* Chart1 = nullptr;
    QChartView* ChartView = nullptr;
    QTabBar* TabSet1 = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    QValueAxis* AxisY = nullptr;
    QValueAxis* AxisX = nullptr;
    QAction* Action_AddMonth = nullptr;
    QLineSeries* ReferenceSeries = nullptr;
    std::vector<QLineSeries*> CurveSeries;
    std::vector<QAction*> MonthActions;

private:
    void UpdateValueRange(int index);
    void FillGrid();
    void SetMonthTitle();

    const CLoadCurveList& m_curves;
    std::vector<int> m_visible;
    QString m_tabTitle;
    QString m_monthTitle;
};
