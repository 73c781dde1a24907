// bench_cad_render [--entities N] [--save FOLDER]
//
// The drawing underlay on a generated plan of office storeys side by side (at least 50,000 DXF
// entities by default; tools/CDemoDxfPlan): time to read the file, then the time of rendering
// it into a 1920 x 1080 picture fitted whole, after one zoom step about the centre (the
// modelling window's wheel notch), and zoomed into one storey where the texts can be read.
// Each render is run 15 times; the median and the slowest are printed. --save writes the three
// pictures (fitted.png, zoomed.png, storey.png) into the folder.
#include "cad/CCADImage.h"
#include "tools/CDemoDxfPlan.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {
constexpr int kRuns = 15;

void Render(CCADImage& image, QImage& picture, const char* what, const QString& save)
{
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        picture.fill(Qt::white);
        QPainter painter(&picture);
        image.Draw(painter);
        painter.end();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("%-34s median %7.1f ms   slowest %7.1f ms\n", what, times[times.size() / 2], times.back());
    if (!save.isEmpty())
        picture.save(save);
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    int minimum = 50000;
    QString folder;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--entities") == 0)
            minimum = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--save") == 0)
            folder = QString::fromLocal8Bit(argv[i + 1]);
    }
    const auto picturePath = [&](const char* name) {
        return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + QLatin1String(name);
    };

    int entities = 0;
    const QByteArray plan = CDemoDxfPlan::ManyStoreys(minimum, &entities);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("plan.dxf")));
    if (!file.open(QIODevice::WriteOnly) || file.write(plan) != plan.size()) {
        std::fprintf(stderr, "cannot write the plan\n");
        return 1;
    }
    file.close();
    std::printf("plan: %d entities, %.1f MB\n", entities, plan.size() / 1e6);

    CCADImage image;
    QElapsedTimer timer;
    timer.start();
    if (!image.Open(file.fileName())) {
        std::fprintf(stderr, "%s\n", qPrintable(image.LastError()));
        return 1;
    }
    std::printf("%-34s %7.1f ms\n", "read and prepare", timer.nsecsElapsed() / 1e6);

    const int width = 1920;
    const int height = 1080;
    QImage picture(width, height, QImage::Format_RGB32);
    image.FitAll(height, width);
    Render(image, picture, "whole plan fitted", picturePath("fitted.png"));
    image.Zoom(4, QPoint(width / 2, height / 2));
    Render(image, picture, "after one zoom step", picturePath("zoomed.png"));
    const double storeyWidth = CDemoDxfPlan::Length + 12000;
    const double storeyHeight = CDemoDxfPlan::Depth + 12000;
    image.FitRect(height, width, 0, int(storeyHeight), int(storeyWidth), 0);
    Render(image, picture, "one storey with its texts", picturePath("storey.png"));
    return 0;
}
