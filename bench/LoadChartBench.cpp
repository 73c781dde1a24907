// bench_load_chart [--components N]
//
// The annual load chart of the daily cooling type: components of 8760 hours each (1 by default),
// the chart of 1000 x 600 pixels redrawn for a change of range, alternately the whole year and
// 1 December to 31 January (over the year's end), each time drawn into a picture so that the
// layout and painting of the series are counted. 21 redraws; the median and the slowest are
// printed for each of the two ranges, and the time of the first drawing.
#include "calc/CLoadCurveList.h"
#include "report/forms/TLoadChartForm.h"

#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {
constexpr int kRuns = 21;

double DrawAndPaint(TLoadChartForm& form, QImage& picture)
{
    QElapsedTimer timer;
    timer.start();
    form.DrawChart();
    QPainter painter(&picture);
    form.ChartView1->render(&painter);
    painter.end();
    return timer.nsecsElapsed() / 1e6;
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int components = 1;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--components") == 0)
            components = std::max(1, std::atoi(argv[i + 1]));

    CLoadCurveList curves(5);
    float day[24];
    for (int c = 0; c < components; ++c)
        for (int d = 0; d < 365; ++d) {
            for (int h = 0; h < 24; ++h)
                day[h] = static_cast<float>(1000 * std::cos(2 * 3.14159265 * (d - 198) / 365.0) + 300 * std::sin(h) + c);
            curves.AddCurve(QStringLiteral("负荷%1").arg(c + 1), day, d);
        }
    TLoadChartForm form(curves);
    form.FillRangeCombos();
    form.resize(1300, 640);
    form.show();
    form.ChartView1->resize(1000, 600);
    QImage picture(form.ChartView1->size(), QImage::Format_RGB32);
    const double first = DrawAndPaint(form, picture);

    std::vector<double> times[2];
    for (int run = 0; run < kRuns; ++run) {
        const bool wrap = run % 2 == 0;
        {
            const QSignalBlocker start(form.cbb_smonth), end(form.cbb_emonth);
            form.cbb_smonth->setCurrentIndex(wrap ? 11 : 0);
            form.cbb_emonth->setCurrentIndex(wrap ? 0 : 11);
            TLoadChartForm::FillDayCombo(form.cbb_emonth->currentIndex(), *form.cbb_eday);
            form.cbb_eday->setCurrentIndex(form.cbb_eday->count() - 1);
        }
        times[wrap ? 1 : 0].push_back(DrawAndPaint(form, picture));
    }
    std::printf("annual chart, %d component(s) of 8760 hours\n", components);
    std::printf("first drawing                               %7.1f ms\n", first);
    const char* labels[2] = {"range change to the whole year (8760 h)", "range change to Dec-Jan (1488 h)"};
    for (int kind = 0; kind < 2; ++kind) {
        std::sort(times[kind].begin(), times[kind].end());
        std::printf("%-41s median %7.1f ms   slowest %7.1f ms\n", labels[kind], times[kind][times[kind].size() / 2],
                    times[kind].back());
    }
    return 0;
}
