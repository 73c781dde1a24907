#include "report/forms/TViewLoadCurve.h"

#include "calc/CLoadCurveList.h"
#include "calc/FixedWidthText.h"
#include "model/CProjectData.h"
#include "platform/core/CGbkCodec.h"
#include "platform/core/CTool.h"
#include "project/CSystemGlobalData.h"
#include "report/forms/TViewLoadCurveSetup.h"

#include <QActionGroup>
#include <QChart>
#include <QChartView>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTabBar>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>
#include <cmath>

namespace {
constexpr int kHours = 24;
constexpr int kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kMonthFirstDay[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
const char* const kMonthNames[12] = {"一月", "二月", "三月", "四月", "五月",   "六月",
                                     "七月", "八月", "九月", "十月", "十一月", "十二月"};
const char* const kMonthMenuNames[12] = {"一月(&O)", "二月(&T)", "三月(&S)", "四月(&F)", "五月(&W)", "六月(&L)",
                                         "七月(&Q)", "八月(&B)", "九月(&J)", "十月(&H)", "十一月(&Y)", "十二月(&Z)"};

bool MonthlyOrDaily(int designType)
{
    return designType == 4 || designType == 5 || designType == 7 || designType == 8;
}
} // namespace

QColor TViewLoadCurve::PaletteColor(int index)
{
    // aqua, blue, fuchsia, grey, green, maroon, red, silver, yellow, fuchsia
    static const QRgb colors[10] = {0x00FFFF, 0x0000FF, 0xFF00FF, 0x808080, 0x008000,
                                    0x800000, 0xFF0000, 0xC0C0C0, 0xFFFF00, 0xFF00FF};
    return QColor::fromRgb(colors[index % 10]);
}

TViewLoadCurve::TViewLoadCurve(const CLoadCurveList& curves, QWidget* parent)
    : QDialog(parent), m_curves(curves)
{
    setObjectName(QStringLiteral("TViewLoadCurve"));
    setWindowTitle(QStringLiteral("显示负荷曲线图"));
    setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);

    auto* bar = new QMenuBar(this);
    QMenu* figure = bar->addMenu(QStringLiteral("图形(&Z)"));
    QAction* setup = figure->addAction(QStringLiteral("曲线颜色设置(&X)"));
    setup->setObjectName(QStringLiteral("Action_Setup"));
    connect(setup, &QAction::triggered, this, [this] { Action_SetupExecute(); });
    QAction* save = figure->addAction(QStringLiteral("保存图形和数据(&Z)"));
    save->setObjectName(QStringLiteral("Action_Save"));
    connect(save, &QAction::triggered, this, [this] { Action_SaveExecute(); });
    QAction* print = figure->addAction(QStringLiteral("打印(&Y)"));
    print->setObjectName(QStringLiteral("Action_Print"));
    connect(print, &QAction::triggered, this, [this] { Action_PrintExecute(); });

    QMenu* months = bar->addMenu(QStringLiteral("月份(&X)"));
    Action_AddMonth = months->menuAction();
    Action_AddMonth->setObjectName(QStringLiteral("Action_AddMonth"));
    auto* group = new QActionGroup(this);
    for (int month = 0; month < 12; ++month) {
        QAction* action = months->addAction(QString::fromUtf8(kMonthMenuNames[month]));
        action->setObjectName(QStringLiteral("Action_Month_%1").arg(month + 1));
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, month] { SetCurrentMonth(month); });
        MonthActions.push_back(action);
    }
    QAction* next = months->addAction(QStringLiteral("下一月份"));
    connect(next, &QAction::triggered, this, [this] { Action_AddMonthExecute(); });
    QAction* close = bar->addAction(QStringLiteral("关闭(&Y)"));
    close->setObjectName(QStringLiteral("Action_Close"));
    connect(close, &QAction::triggered, this, &QDialog::reject);

    Chart1 = new QChart();
    Chart1->legend()->setAlignment(Qt::AlignBottom);
    // Many curves leave the legend no room for their names; the marker's tip names the curve.
    Chart1->legend()->setShowToolTips(true);
    QFont titleFont(QStringLiteral("宋体"));
    titleFont.setPixelSize(13);
    Chart1->setTitleFont(titleFont);
    Chart1->setTitleBrush(QBrush(Qt::blue));
    Chart1->setBackgroundBrush(Qt::white);
    AxisX = new QValueAxis(Chart1);
    AxisX->setLabelFormat(QStringLiteral("%d"));
    AxisY = new QValueAxis(Chart1);
    AxisY->setLabelFormat(QStringLiteral("%.0f"));
    Chart1->addAxis(AxisX, Qt::AlignBottom);
    Chart1->addAxis(AxisY, Qt::AlignLeft);
    ChartView = new QChartView(Chart1, this);
    ChartView->setRenderHint(QPainter::Antialiasing, false);

    TabSet1 = new QTabBar(this);
    TabSet1->setShape(QTabBar::RoundedSouth);
    TabSet1->setExpanding(false);
    TabSet1->addTab(QStringLiteral("所有曲线"));
    connect(TabSet1, &QTabBar::currentChanged, this, [this](int tab) { SetCurrentTab(tab); });

    StringGrid1 = new QTableWidget(this);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setDefaultSectionSize(20);
    StringGrid1->horizontalHeader()->setDefaultSectionSize(50);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setMinimumHeight(140);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(bar);
    layout->addWidget(ChartView, 3);
    layout->addWidget(TabSet1);
    layout->addWidget(StringGrid1, 1);
    resize(1100, 720);
}

TViewLoadCurve::~TViewLoadCurve() = default;

void TViewLoadCurve::SetMonthTitle()
{
    m_monthTitle = QStringLiteral("%1份").arg(QString::fromUtf8(kMonthNames[CurrentMonth]));
}

void TViewLoadCurve::BuildSeries()
{
    const int designType = m_curves.DesignType();
    if (designType == 0 || designType == 1)
        return;
    const bool months = MonthlyOrDaily(designType);
    Action_AddMonth->setVisible(months);
    if (months) {
        CurrentMonth = 0;
        MonthActions[0]->setChecked(true);
        SetMonthTitle();
    }
    m_visible.assign(static_cast<size_t>(m_curves.Count()), 1);

    ReferenceSeries = new QLineSeries(Chart1);
    ReferenceSeries->setName(QStringLiteral("水平参考线"));
    ReferenceSeries->setColor(Qt::black);
    Chart1->addSeries(ReferenceSeries);
    ReferenceSeries->attachAxis(AxisX);
    ReferenceSeries->attachAxis(AxisY);
    for (int i = 0; i < m_curves.Count(); ++i) {
        auto* series = new QLineSeries(Chart1);
        series->setColor(PaletteColor(i));
        series->setName(m_curves.Curve(i).Name);
        Chart1->addSeries(series);
        series->attachAxis(AxisX);
        series->attachAxis(AxisY);
        CurveSeries.push_back(series);
        TabSet1->addTab(m_curves.Curve(i).Name);
    }
}

void TViewLoadCurve::SetCurrentTab(int tab)
{
    CurrentTab = tab;
    if (TabSet1->currentIndex() != tab)
        TabSet1->setCurrentIndex(tab); // comes back here through currentChanged
    ShowPeriod();
}

void TViewLoadCurve::SetCurrentMonth(int month)
{
    CurrentMonth = month;
    MonthActions[static_cast<size_t>(month)]->setChecked(true);
    SetMonthTitle();
    ShowPeriod();
}

void TViewLoadCurve::Action_AddMonthExecute()
{
    SetCurrentMonth(CurrentMonth >= 11 ? 0 : CurrentMonth + 1);
}

void TViewLoadCurve::ShowPeriod()
{
    m_tabTitle = QStringLiteral("(%1)").arg(TabSet1->tabText(CurrentTab));
    QString title = QStringLiteral("负荷曲线图\n%1").arg(m_tabTitle);
    if (!m_monthTitle.isEmpty())
        title += QLatin1Char('\n') + m_monthTitle;
    Chart1->setTitle(title);

    switch (m_curves.DesignType()) {
    case 2:
    case 3:
    case 6:
        StartHour = 0;
        EndHour = kHours;
        break;
    case 4:
    case 7:
        StartHour = CurrentMonth * kHours;
        EndHour = StartHour + kHours;
        break;
    case 5:
    case 8:
        StartHour = kMonthFirstDay[CurrentMonth] * kHours;
        EndHour = StartHour + kMonthDays[CurrentMonth] * kHours;
        break;
    default:
        break;
    }

    QList<QPointF> zeros;
    zeros.reserve(EndHour - StartHour);
    for (int hour = StartHour; hour < EndHour; ++hour)
        zeros.append(QPointF(hour - StartHour, 0));
    if (ReferenceSeries)
        ReferenceSeries->replace(zeros);

    MaxCurveValue = 0;
    MinCurveValue = 0;
    for (int i = 0; i < m_curves.Count(); ++i) {
        CurveSeries[static_cast<size_t>(i)]->clear();
        DrawCurve(i);
    }
    // Both limits start from 0, so the value axis always holds 0.
    AxisY->setRange(MinCurveValue + MinCurveValue * 0.1, MaxCurveValue + MaxCurveValue * 0.1);
    AxisX->setRange(0, std::max(1, EndHour - StartHour - 1));
    FillGrid();
}

void TViewLoadCurve::UpdateValueRange(int index)
{
    const std::vector<float>& values = m_curves.Curve(index).Values;
    for (int hour = StartHour; hour < EndHour; ++hour) {
        const float value = values[static_cast<size_t>(hour)];
        if (value > MaxCurveValue)
            MaxCurveValue = value;
        if (value < MinCurveValue)
            MinCurveValue = value;
    }
}

bool TViewLoadCurve::DrawCurve(int index)
{
    if (CurrentTab == 0 ? m_visible[static_cast<size_t>(index)] == 0 : CurrentTab != index + 1)
        return false;
    UpdateValueRange(index);
    const std::vector<float>& values = m_curves.Curve(index).Values;
    QList<QPointF> points;
    points.reserve(EndHour - StartHour);
    for (int hour = StartHour; hour < EndHour; ++hour) {
        const float value = values[static_cast<size_t>(hour)];
        // Values outside ±1e9 (and not-a-number) are plotted at 0; the grid lists them as they are.
        points.append(QPointF(hour - StartHour, value > -1e9f && value < 1e9f ? value : 0.0));
    }
    CurveSeries[static_cast<size_t>(index)]->replace(points);
    return true;
}

void TViewLoadCurve::FillGrid()
{
    const int columns = EndHour - StartHour + 1;
    const bool single = CurrentTab > 0;
    const int rows = 1 + (single ? 1 : m_curves.Count());
    StringGrid1->setUpdatesEnabled(false);
    StringGrid1->clearContents();
    StringGrid1->setColumnCount(columns);
    StringGrid1->setRowCount(rows);
    const auto set = [this](int row, int column, const QString& text) {
        auto* item = new QTableWidgetItem(text);
        if (row == 0 || column == 0)
            item->setBackground(palette().button());
        StringGrid1->setItem(row, column, item);
    };
    const bool kcal = CProjectData::Exists() && CProjectData::Current().Unit != 0;
    set(0, 0, kcal ? QStringLiteral("工程单位制[kcal/h]") : QStringLiteral("国际单位制[W]"));
    for (int column = 1; column < columns; ++column)
        set(0, column,
            columns <= 25 ? QStringLiteral("%1:00").arg(column - 1)
                          : QStringLiteral("%1日%2时").arg((column - 1) / kHours + 1).arg((column - 1) % kHours));
    for (int row = 1; row < rows; ++row) {
        const CViewCurveData& curve = m_curves.Curve(single ? CurrentTab - 1 : row - 1);
        set(row, 0, curve.Name);
        for (int column = 1; column < columns; ++column)
            set(row, column,
                QString::asprintf("%.2f", curve.Values[static_cast<size_t>(StartHour + column - 1)]));
    }
    StringGrid1->resizeColumnsToContents();
    StringGrid1->setUpdatesEnabled(true);
}

QColor TViewLoadCurve::CurveColor(int index) const
{
    return CurveSeries[static_cast<size_t>(index)]->color();
}

void TViewLoadCurve::SetCurveColor(int index, const QColor& color)
{
    CurveSeries[static_cast<size_t>(index)]->setColor(color);
    StringGrid1->viewport()->update();
}

void TViewLoadCurve::SetCurveVisible(int index, bool visible)
{
    m_visible[static_cast<size_t>(index)] = visible ? 1 : 0;
    CurveSeries[static_cast<size_t>(index)]->clear();
    // The axis limits stay as the last ShowPeriod set them.
    if (visible) {
        const float max = MaxCurveValue, min = MinCurveValue;
        DrawCurve(index);
        MaxCurveValue = max;
        MinCurveValue = min;
    }
    StringGrid1->viewport()->update();
}

void TViewLoadCurve::Action_SetupExecute()
{
    TViewLoadCurveSetup setup(*this);
    setup.exec();
}

QStringList TViewLoadCurve::DataFileLines() const
{
    QStringList lines;
    for (int row = 0; row < StringGrid1->rowCount(); ++row) {
        QString line;
        for (int column = 0; column < StringGrid1->columnCount(); ++column) {
            const QTableWidgetItem* item = StringGrid1->item(row, column);
            line += PadTextFixedWidth(column == 0 ? 30 : 15, item ? item->text() : QString(), -1) + QLatin1Char(',');
        }
        lines << line;
    }
    return lines;
}

void TViewLoadCurve::SaveFiles(const QString& chosenName)
{
    const QString picture = EnsureSuffix(chosenName, QStringLiteral(".BMP"));
    const QString data = EnsureSuffix(chosenName, QStringLiteral(".csv"));
    QImage image(ChartView->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        ChartView->render(&painter);
    }
    if (!image.save(picture, "BMP")) {
        CTool::Current().ShowMessageBox(QStringLiteral("错误"), QStringLiteral("无法写入图片文件：%1").arg(picture), 6, 1);
        return;
    }
    QSaveFile file(data);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        for (const QString& line : DataFileLines())
            file.write(CGbkCodec::ToGbk(line) + "\r\n");
        written = file.commit();
    }
    if (!written) {
        CTool::Current().ShowMessageBox(QStringLiteral("错误"),
                                        QStringLiteral("已经导出:图片文件：%1\n无法写入数据文件%2 ").arg(picture, data), 6, 1);
        return;
    }
    CTool::Current().ShowMessageBox(QStringLiteral("导出成功"),
                                    QStringLiteral("已经导出:图片文件：%1\n数据文件%2 ").arg(picture, data), 6, 2);
}

void TViewLoadCurve::Action_SaveExecute()
{
    QString fileName;
    if (CSystemGlobalData::Exists())
        fileName = QFileInfo(CSystemGlobalData::Current().ProjectFilePath()).absolutePath() + QLatin1Char('/');
    if (!CTool::Current().GetSaveFileName(QStringLiteral("保存图形和数据"), QStringLiteral("BMP(*.bmp)"), fileName))
        return;
    SaveFiles(fileName);
}

void TViewLoadCurve::Action_PrintExecute()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter(&printer);
    ChartView->render(&painter);
}
