// The load curve window and the annual chart: periods and grid columns of each design type, the
// value axis, tabs and months, the picture and data files, the hours of a range over the year's
// end and their dates, many components, and the workbook export.
#include "calc/CLoadCurveList.h"
#include "platform/core/CTool.h"
#include "report/CAnnualHourRange.h"
#include "report/forms/TLoadChartForm.h"
#include "report/forms/TViewLoadCurve.h"
#include "tests/app/TestApplication.h"
#include "tests/support/CFakeToolDialogs.h"
#include "tests/support/CTestProgramFolder.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineSeries>
#include <QListWidget>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QValueAxis>
#include <gtest/gtest.h>

namespace {

// Curves filled hour by hour with value(hour of the array).
CLoadCurveList MakeCurves(int designType, const QStringList& names, const std::function<float(int, int)>& value)
{
    CLoadCurveList curves(designType);
    float block[24];
    for (int c = 0; c < names.size(); ++c)
        for (int b = 0; b < curves.ValueCount() / 24; ++b) {
            for (int h = 0; h < 24; ++h)
                block[h] = value(c, b * 24 + h);
            curves.AddCurve(names[c], block, b);
        }
    return curves;
}

class LoadCurveWindows : public ::testing::Test
{
protected:
    LoadCurveWindows() { EnsureTestApplication(); }
    CFakeToolDialogs& Dialogs() { return m_dialogs; }

    CFakeToolDialogs& m_dialogs = *new CFakeToolDialogs;
    CTool m_tool{std::unique_ptr<CToolDialogsBase>(&m_dialogs)};
};

QString GridText(const TViewLoadCurve& window, int row, int column)
{
    const QTableWidgetItem* item = window.StringGrid1->item(row, column);
    return item ? item->text() : QString();
}

TEST_F(LoadCurveWindows, GridColumnsFollowTheDesignTypeAndMonth)
{
    const CLoadCurveList detailed = MakeCurves(3, {QStringLiteral("总冷负荷(全热)")}, [](int, int h) { return h * 1.5f; });
    TViewLoadCurve day(detailed);
    day.BuildSeries();
    day.ShowPeriod();
    EXPECT_EQ(day.StringGrid1->columnCount(), 25);
    EXPECT_EQ(GridText(day, 0, 0), QStringLiteral("国际单位制[W]"));
    EXPECT_EQ(GridText(day, 0, 1), QStringLiteral("0:00"));
    EXPECT_EQ(GridText(day, 0, 24), QStringLiteral("23:00"));
    EXPECT_EQ(GridText(day, 1, 24), QStringLiteral("34.50"));
    EXPECT_FALSE(day.Action_AddMonth->isVisible());

    const CLoadCurveList daily = MakeCurves(8, {QStringLiteral("总采暖负荷")}, [](int, int h) { return -float(h); });
    TViewLoadCurve year(daily);
    year.BuildSeries();
    year.ShowPeriod();
    EXPECT_EQ(year.StringGrid1->columnCount(), 745);
    EXPECT_EQ(GridText(year, 0, 1), QStringLiteral("1日0时"));
    EXPECT_EQ(GridText(year, 0, 744), QStringLiteral("31日23时"));
    EXPECT_TRUE(year.Chart1->title().endsWith(QStringLiteral("一月份")));
    year.Action_AddMonthExecute();
    EXPECT_EQ(year.StringGrid1->columnCount(), 673);
    EXPECT_EQ(year.StartHour, 31 * 24);
    EXPECT_EQ(GridText(year, 1, 1), QStringLiteral("-744.00"));
    EXPECT_TRUE(year.Chart1->title().endsWith(QStringLiteral("二月份")));
    // "月份" after December comes back to January.
    year.SetCurrentMonth(11);
    year.Action_AddMonthExecute();
    EXPECT_EQ(year.CurrentMonth, 0);
    EXPECT_TRUE(year.MonthActions[0]->isChecked());
    EXPECT_EQ(year.CurveSeries[0]->count(), 744);
}

TEST_F(LoadCurveWindows, ValueAxisAlwaysHoldsZeroAndTabsShowOneCurve)
{
    // Curve 0 from -100 to 90, curve 1 from 0 to 200.
    const CLoadCurveList curves =
        MakeCurves(3, {QStringLiteral("A"), QStringLiteral("B")},
                   [](int c, int h) { return c == 0 ? (h == 3 ? -100.0f : 90.0f) : (h == 5 ? 200.0f : 0.0f); });
    TViewLoadCurve window(curves);
    window.BuildSeries();
    window.ShowPeriod();
    EXPECT_DOUBLE_EQ(window.AxisY->min(), -110.0);
    EXPECT_DOUBLE_EQ(window.AxisY->max(), 220.0);
    EXPECT_EQ(window.StringGrid1->rowCount(), 3);

    window.SetCurveVisible(0, false);
    window.SetCurrentTab(2);
    EXPECT_DOUBLE_EQ(window.AxisY->min(), 0.0);
    EXPECT_EQ(window.StringGrid1->rowCount(), 2);
    EXPECT_EQ(GridText(window, 1, 0), QStringLiteral("B"));
    // The tab of a hidden curve still draws it.
    window.SetCurrentTab(1);
    EXPECT_EQ(window.CurveSeries[0]->count(), 24);
    EXPECT_TRUE(window.Chart1->title().contains(QStringLiteral("(A)")));

    window.SetCurveVisible(1, false);
    window.SetCurrentTab(0);
    EXPECT_DOUBLE_EQ(window.AxisY->min(), 0.0);
    EXPECT_DOUBLE_EQ(window.AxisY->max(), 0.0);
    EXPECT_EQ(window.CurveSeries[0]->count(), 0);
    EXPECT_EQ(window.ReferenceSeries->count(), 24);
    // Hidden curves keep their grid rows.
    EXPECT_EQ(window.StringGrid1->rowCount(), 3);
}

TEST_F(LoadCurveWindows, SavesThePictureAndTheGridAndTellsWhenTheDataFileFails)
{
    const CLoadCurveList curves = MakeCurves(
        6, {QStringLiteral("总采暖负荷"), QStringLiteral("一个名字很长很长的负荷曲线超过三十字节")},
        [](int c, int h) { return c == 0 ? -1234.5f : 1e12f; });
    TViewLoadCurve window(curves);
    window.resize(800, 600);
    window.BuildSeries();
    window.ShowPeriod();
    // Values past 1e9 are drawn at 0 but listed as they are.
    EXPECT_DOUBLE_EQ(window.CurveSeries[1]->at(0).y(), 0.0);

    QTemporaryDir dir;
    window.SaveFiles(dir.filePath(QStringLiteral("load")));
    ASSERT_TRUE(QFile::exists(dir.filePath(QStringLiteral("load.BMP"))));
    QFile data(dir.filePath(QStringLiteral("load.csv")));
    ASSERT_TRUE(data.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = data.readAll().split('\n');
    ASSERT_EQ(lines.size(), 4); // three rows, each ending in CR LF
    EXPECT_TRUE(lines[0].startsWith("\xb9\xfa\xbc\xca\xb5\xa5\xce\xbb\xd6\xc6[W]                 ,0:00           ,"));
    EXPECT_TRUE(lines[0].endsWith(",\r"));
    EXPECT_TRUE(lines[1].contains(",-1234.50       ,"));
    // A name of 30 bytes or more: a blank before and after it.
    EXPECT_TRUE(lines[2].startsWith(" ")) << lines[2].constData();
    const QByteArray big = ", " + QString::asprintf("%.2f", double(1e12f)).toLatin1() + " ,";
    EXPECT_TRUE(lines[2].contains(big)) << lines[2].constData();
    ASSERT_EQ(m_dialogs.MessageBoxes.size(), 1);
    EXPECT_EQ(m_dialogs.MessageBoxes[0].caption, QStringLiteral("导出成功"));

    // The name of the data file is taken by a folder: no success is claimed.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("blocked.csv")));
    window.SaveFiles(dir.filePath(QStringLiteral("blocked")));
    ASSERT_EQ(m_dialogs.MessageBoxes.size(), 2);
    EXPECT_EQ(m_dialogs.MessageBoxes[1].caption, QStringLiteral("错误"));
    EXPECT_TRUE(m_dialogs.MessageBoxes[1].message.contains(QStringLiteral("无法写入数据文件")));
}

TEST(AnnualHourRangeTest, RangesWrapTheYearEndAndDatesNeverDrift)
{
    CAnnualHourRange range;
    range.Build(0, 0, 0, 11, 30, 23, 2026);
    ASSERT_EQ(range.PointCount(), 8760);
    EXPECT_EQ(range.Points().back().Date, QDate(2026, 12, 31));

    range.Build(11, 0, 0, 0, 30, 23, 2026);
    ASSERT_EQ(range.PointCount(), 1488);
    EXPECT_EQ(range.Points()[0].Hour, 8016);
    EXPECT_EQ(range.Points()[0].Date, QDate(2026, 12, 1));
    EXPECT_EQ(range.Points()[743].Hour, 8759);
    EXPECT_EQ(range.Points()[744].Hour, 0);
    EXPECT_EQ(range.Points()[744].Date, QDate(2027, 1, 1));
    EXPECT_EQ(range.Points().back().Hour, 743);
    EXPECT_LT(range.Points()[743].Msecs, range.Points()[744].Msecs);

    range.Build(6, 14, 13, 6, 14, 13, 2026);
    ASSERT_EQ(range.PointCount(), 1);
    EXPECT_EQ(range.Points()[0].Hour, (181 + 14) * 24 + 13);

    // A leap year: the data of 1 March (day 59) is dated 1 March, not 29 February.
    range.Build(1, 27, 0, 2, 0, 23, 2028);
    ASSERT_EQ(range.PointCount(), 48);
    EXPECT_EQ(range.Points()[24].Hour, 59 * 24);
    EXPECT_EQ(range.Points()[24].Date, QDate(2028, 3, 1));
    EXPECT_EQ(range.Points()[0].Date, QDate(2028, 2, 28));
}

TEST_F(LoadCurveWindows, AnnualChartDrawsTheTickedComponentsOverTheRange)
{
    QStringList names;
    for (int i = 0; i < 300; ++i)
        names << QStringLiteral("负荷%1").arg(i);
    const CLoadCurveList curves = MakeCurves(5, names, [](int c, int h) { return float(c + h); });
    TLoadChartForm form(curves);
    form.FillRangeCombos();
    EXPECT_EQ(form.cbb_eday->currentText(), QStringLiteral("31"));
    EXPECT_EQ(form.cbb_etime->currentText(), QStringLiteral("23:00"));
    form.DrawChart();
    // More components than palette colours: the palette starts again.
    ASSERT_EQ(form.cht1->series().size(), 300);
    EXPECT_EQ(static_cast<QLineSeries*>(form.cht1->series()[0])->count(), 8760);
    EXPECT_EQ(TLoadChartForm::SeriesColor(255), TLoadChartForm::SeriesColor(0));
    EXPECT_EQ(TLoadChartForm::SeriesColor(0), QColor(0x7C, 0xAE, 0x65)); // 6663804 as 0x00BBGGRR

    // Changing the end month puts the end day back to the 1st.
    form.cbb_emonth->setCurrentIndex(0);
    EXPECT_EQ(form.cbb_eday->currentIndex(), 0);
    form.cbb_smonth->setCurrentIndex(11);
    form.cbb_etime->setCurrentIndex(0);
    const CAnnualHourRange& range = form.BuildTimeRange(2026);
    EXPECT_EQ(range.PointCount(), 31 * 24 + 1);

    form.SetAllChecked(false);
    EXPECT_TRUE(form.cht1->series().isEmpty());
    EXPECT_FALSE(form.ChartView1->isVisibleTo(&form));
}

TEST_F(LoadCurveWindows, ExportWritesTheWorkbookAndKeepsItsPictureOutOfTheProgramFolder)
{
    CTestProgramFolder program;
    QStringList names;
    for (int i = 0; i < 11; ++i)
        names << QStringLiteral("负荷%1").arg(i);
    const CLoadCurveList curves = MakeCurves(5, names, [](int c, int h) { return float(c * 10000 + h); });
    TLoadChartForm form(curves);
    form.FillRangeCombos();
    form.cbb_emonth->setCurrentIndex(0); // 1 January 0:00 to 1 January 23:00
    form.cbb_etime->setCurrentIndex(23);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("year.xlsx"));
    ASSERT_TRUE(form.Export(file));
    EXPECT_GT(QFileInfo(file).size(), 0);
    EXPECT_FALSE(QFile::exists(program.File(QStringLiteral("temp~.bmp"))));
    EXPECT_TRUE(QFile::exists(QDir::temp().filePath(QStringLiteral("temp~.bmp"))));
}

} // namespace
