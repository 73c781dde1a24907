#include "report/forms/TLoadChartForm.h"

#include "calc/CLoadCurveList.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/CTool.h"
#include "report/engine/CQORReport.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHash>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QUrl>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>
#include <vector>

namespace {
constexpr int kPaletteSize = 255;
constexpr int kColumnsPerPage = 10;

// The palette in 0x00BBGGRR: its first ten and its last entry are fixed, the rest spread over
// the hue circle so that neighbours differ.
const std::vector<QColor>& Palette()
{
    static const std::vector<QColor> palette = [] {
        const unsigned fixed[] = {6663804, 14983894, 2419436, 1908666, 9372365, 16614800, 8646822, 3112810, 8120468,
                                  8199598};
        const auto fromBgr = [](unsigned bgr) {
            return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                          static_cast<int>((bgr >> 16) & 0xFF));
        };
        std::vector<QColor> colors;
        for (unsigned bgr : fixed)
            colors.push_back(fromBgr(bgr));
        for (int i = 10; i < kPaletteSize - 1; ++i)
            colors.push_back(QColor::fromHsv((i * 137) % 360, 150 + (i * 53) % 106, 110 + (i * 29) % 120));
        colors.push_back(fromBgr(11460089));
        return colors;
    }();
    return palette;
}

// Ticked items of the list in order, with their palette index.
std::vector<int> TickedRows(const QListWidget& list)
{
    std::vector<int> rows;
    for (int row = 0; row < list.count(); ++row)
        if (list.item(row)->checkState() == Qt::Checked)
            rows.push_back(row);
    return rows;
}
} // namespace

QColor TLoadChartForm::SeriesColor(int index)
{
    return Palette()[static_cast<size_t>(index % kPaletteSize)];
}

TLoadChartForm::TLoadChartForm(const CLoadCurveList& curves, QWidget* parent) : QDialog(parent), m_curves(curves)
{
    setObjectName(QStringLiteral("TLoadChartForm"));
    setWindowTitle(QStringLiteral("负荷曲线图"));
    setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    resize(1065, 638);
    setStyleSheet(QStringLiteral("TLoadChartForm { background: #E3ECEE; }"));

    auto* options = new QGroupBox(QStringLiteral("负荷选项"), this);
    chklst1 = new QListWidget(options);
    btn1 = new QPushButton(QStringLiteral("全选"), options);
    btn2 = new QPushButton(QStringLiteral("全不选"), options);
    auto* optionLayout = new QVBoxLayout(options);
    optionLayout->addWidget(chklst1);
    auto* tickButtons = new QHBoxLayout;
    tickButtons->addWidget(btn1);
    tickButtons->addWidget(btn2);
    optionLayout->addLayout(tickButtons);

    auto* times = new QGroupBox(QStringLiteral("时间选项"), this);
    auto* timeLayout = new QGridLayout(times);
    const auto combo = [times](const char* name) {
        auto* box = new QComboBox(times);
        box->setObjectName(QString::fromLatin1(name));
        return box;
    };
    cbb_smonth = combo("cbb_smonth");
    cbb_sday = combo("cbb_sday");
    cbb_stime = combo("cbb_stime");
    cbb_emonth = combo("cbb_emonth");
    cbb_eday = combo("cbb_eday");
    cbb_etime = combo("cbb_etime");
    timeLayout->addWidget(new QLabel(QStringLiteral("起始时间"), times), 0, 0, 1, 3);
    timeLayout->addWidget(cbb_smonth, 1, 0);
    timeLayout->addWidget(cbb_sday, 1, 1);
    timeLayout->addWidget(cbb_stime, 1, 2);
    timeLayout->addWidget(new QLabel(QStringLiteral("终止时间"), times), 2, 0, 1, 3);
    timeLayout->addWidget(cbb_emonth, 3, 0);
    timeLayout->addWidget(cbb_eday, 3, 1);
    timeLayout->addWidget(cbb_etime, 3, 2);
    btn3 = new QPushButton(QStringLiteral("导出"), this);

    auto* side = new QVBoxLayout;
    side->addWidget(options, 1);
    side->addWidget(times);
    side->addWidget(btn3);

    cht1 = new QChart();
    SetUpChart(*cht1);
    ChartView1 = new QChartView(cht1, this);
    cht2 = new QChart();
    SetUpChart(*cht2);
    ChartView2 = new QChartView(cht2);
    ChartView2->setParent(this);
    ChartView2->hide();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(side);
    layout->addWidget(ChartView1, 1);

    for (int i = 0; i < curves.Count(); ++i) {
        auto* item = new QListWidgetItem(curves.Curve(i).Name, chklst1);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    connect(chklst1, &QListWidget::itemChanged, this, [this] { DrawChart(); });
    connect(btn1, &QPushButton::clicked, this, [this] { SetAllChecked(true); });
    connect(btn2, &QPushButton::clicked, this, [this] { SetAllChecked(false); });
    connect(btn3, &QPushButton::clicked, this, [this] { btn3Click(); });
    connect(cbb_smonth, &QComboBox::currentIndexChanged, this, [this](int month) {
        if (m_filling)
            return;
        FillDayCombo(month, *cbb_sday);
        DrawChart();
    });
    connect(cbb_emonth, &QComboBox::currentIndexChanged, this, [this](int month) {
        if (m_filling)
            return;
        FillDayCombo(month, *cbb_eday);
        DrawChart();
    });
    for (QComboBox* box : {cbb_sday, cbb_stime, cbb_eday, cbb_etime})
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            if (!m_filling)
                DrawChart();
        });
}

TLoadChartForm::~TLoadChartForm() = default;

void TLoadChartForm::SetUpChart(QChart& chart)
{
    chart.setTitle(QStringLiteral("负荷数据"));
    QFont font(QStringLiteral("黑体"));
    font.setPixelSize(19);
    chart.setTitleFont(font);
    chart.setTitleBrush(QBrush(Qt::blue));
    chart.legend()->setAlignment(Qt::AlignBottom);
    chart.setBackgroundBrush(Qt::white);
    auto* x = new QDateTimeAxis(&chart);
    x->setFormat(QStringLiteral("yyyy/M/d"));
    x->setTitleText(QStringLiteral("发生时间"));
    auto* y = new QValueAxis(&chart);
    y->setTitleText(QStringLiteral("负荷"));
    chart.addAxis(x, Qt::AlignBottom);
    chart.addAxis(y, Qt::AlignLeft);
}

void TLoadChartForm::FillDayCombo(int month, QComboBox& list)
{
    const QSignalBlocker blocker(list);
    list.clear();
    for (int day = 1; day <= CAnnualHourRange::MonthDays(month); ++day)
        list.addItem(QString::number(day));
    list.setCurrentIndex(0);
}

void TLoadChartForm::FillRangeCombos()
{
    m_filling = true;
    for (QComboBox* box : {cbb_smonth, cbb_emonth}) {
        box->clear();
        for (int month = 1; month <= 12; ++month)
            box->addItem(QString::number(month));
    }
    for (QComboBox* box : {cbb_stime, cbb_etime}) {
        box->clear();
        for (int hour = 0; hour < 24; ++hour)
            box->addItem(QStringLiteral("%1:00").arg(hour));
    }
    cbb_smonth->setCurrentIndex(0);
    FillDayCombo(0, *cbb_sday);
    cbb_emonth->setCurrentIndex(11);
    FillDayCombo(11, *cbb_eday);
    cbb_eday->setCurrentIndex(30);
    cbb_stime->setCurrentIndex(0);
    cbb_etime->setCurrentIndex(23);
    m_filling = false;
}

const CAnnualHourRange& TLoadChartForm::BuildTimeRange(int year)
{
    m_range.Build(cbb_smonth->currentIndex(), cbb_sday->currentIndex(), cbb_stime->currentIndex(),
                  cbb_emonth->currentIndex(), cbb_eday->currentIndex(), cbb_etime->currentIndex(),
                  year > 0 ? year : QDate::currentDate().year());
    return m_range;
}

void TLoadChartForm::DrawChart(QChart* chart)
{
    BuildTimeRange();
    QChart& target = chart ? *chart : *cht1;
    QAbstractAxis* x = target.axes(Qt::Horizontal).value(0);
    auto* y = static_cast<QValueAxis*>(target.axes(Qt::Vertical).value(0));
    const std::vector<CAnnualHourRange::SPoint>& points = m_range.Points();
    const std::vector<int> ticked = TickedRows(*chklst1);

    // The series of items still ticked stay and take their new points in one replace; the chart
    // then lays each out once instead of once per point.
    QHash<int, QLineSeries*> kept;
    for (QAbstractSeries* series : target.series()) {
        const int row = series->property("row").toInt();
        if (std::find(ticked.begin(), ticked.end(), row) != ticked.end() && !kept.contains(row)) {
            kept.insert(row, static_cast<QLineSeries*>(series));
        } else {
            target.removeSeries(series);
            delete series;
        }
    }
    float low = 0, high = 0;
    QList<QPointF> line;
    line.reserve(static_cast<qsizetype>(points.size()));
    for (int row : ticked) {
        const QString name = chklst1->item(row)->text();
        const int curve = m_curves.Find(name);
        if (curve < 0)
            continue;
        const std::vector<float>& values = m_curves.Curve(curve).Values;
        line.clear();
        for (const CAnnualHourRange::SPoint& point : points) {
            const float value = values[static_cast<size_t>(point.Hour)];
            low = std::min(low, value);
            high = std::max(high, value);
            line.append(QPointF(static_cast<qreal>(point.Msecs), value));
        }
        QLineSeries* series = kept.value(row);
        if (!series) {
            series = new QLineSeries(&target);
            series->setProperty("row", row);
            if (!name.isEmpty())
                series->setName(name);
            series->setColor(SeriesColor(row));
            series->replace(line);
            target.addSeries(series);
            series->attachAxis(x);
            series->attachAxis(y);
        } else {
            series->replace(line);
        }
    }
    if (!points.empty())
        static_cast<QDateTimeAxis*>(x)->setRange(QDateTime::fromMSecsSinceEpoch(points.front().Msecs),
                                                 QDateTime::fromMSecsSinceEpoch(points.back().Msecs));
    y->setRange(low, high > low ? high : low + 1);
    ChartView1->setVisible(!ticked.empty());
}

void TLoadChartForm::SetAllChecked(bool checked)
{
    const QSignalBlocker blocker(chklst1);
    for (int row = 0; row < chklst1->count(); ++row)
        chklst1->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    DrawChart();
}

bool TLoadChartForm::Export(const QString& fileName)
{
    BuildTimeRange();
    // Sub-reports are deleted after the report they hang in.
    std::vector<std::unique_ptr<CQORReport>> pages;
    auto main = std::make_unique<CQORReport>();
    main->LoadReportTemplate(CProgramFolder::Resolve(QStringLiteral("Lib\\report\\loadrpt.main.grf")));

    pages.push_back(std::make_unique<CQORReport>());
    CQORReport& picture = *pages.back();
    picture.LoadReportTemplate(CProgramFolder::Resolve(QStringLiteral("Lib\\report\\loadrpt.pic.grf")));
    int width = 0, height = 0;
    if (!picture.GetControlSize(QStringLiteral("PictureBox1"), width, height) || width <= 0 || height <= 0) {
        width = 1000;
        height = 600;
    }
    ChartView2->resize(width, height);
    cht2->resize(width, height);
    DrawChart(cht2);
    ChartView1->setVisible(!TickedRows(*chklst1).empty());
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        ChartView2->render(&painter, QRectF(0, 0, width, height));
    }
    // The picture is a passing file: the temporary folder, never the program folder.
    const QString pictureFile = QDir::temp().filePath(QStringLiteral("temp~.bmp"));
    image.save(pictureFile, "BMP");
    picture.SetPictureFile(QStringLiteral("PictureBox1"), pictureFile);
    main->AddSubReport(&picture);

    const std::vector<CAnnualHourRange::SPoint>& points = m_range.Points();
    CQORReport* page = nullptr;
    int count = 0;
    for (int row : TickedRows(*chklst1)) {
        const QString name = chklst1->item(row)->text();
        const int curve = m_curves.Find(name);
        if (curve < 0)
            continue;
        if (count % kColumnsPerPage == 0) {
            pages.push_back(std::make_unique<CQORReport>());
            page = pages.back().get();
            page->LoadReportTemplate(CProgramFolder::Resolve(QStringLiteral("Lib\\report\\loadrpt.grid.grf")));
            page->SetReportTitle(QStringLiteral("数据%1").arg((count + 1) / kColumnsPerPage + 1));
            page->m_PageBreakFlag = false;
            page->AddReportField(QStringLiteral("month")).AddReportField(QStringLiteral("day")).AddReportField(QStringLiteral("time"));
            for (int field = 1; field <= kColumnsPerPage; ++field)
                page->AddReportField(QStringLiteral("Field%1").arg(field));
            main->AddSubReport(page);
        }
        const int column = count % kColumnsPerPage;
        page->SetColumnTitle(QStringLiteral("Column%1").arg(column + 9), name);
        const std::vector<float>& values = m_curves.Curve(curve).Values;
        for (size_t n = 0; n < points.size(); ++n) {
            const int r = static_cast<int>(n);
            page->SetReportCellInt(r, 0, points[n].Date.month());
            page->SetReportCellInt(r, 1, points[n].Date.day());
            page->SetReportCellInt(r, 2, points[n].HourOfDay);
            page->SetReportCellFormat(r, column + 3, values[static_cast<size_t>(points[n].Hour)], "%.2f");
        }
        ++count;
    }
    if (page && count % kColumnsPerPage != 0)
        for (int column = count % kColumnsPerPage + 9; column <= 18; ++column)
            page->SetColumnTitle(QStringLiteral("Column%1").arg(column), QString());
    const bool written = main->ExportReport(fileName, static_cast<int>(ReportExportType::Xls), nullptr);
    main.reset();
    return written;
}

void TLoadChartForm::btn3Click()
{
    QString fileName;
    if (!CTool::Current().GetSaveFileName(QStringLiteral("导出"), QStringLiteral("Excel文件(*.xlsx)"), fileName))
        return;
    fileName = QFileInfo(fileName).path() + QLatin1Char('/') + QFileInfo(fileName).completeBaseName() +
               QStringLiteral(".xlsx");
    if (Export(fileName))
        QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
}
