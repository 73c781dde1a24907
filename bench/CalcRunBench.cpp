// Load calculation runs of generated office buildings (see CBenchProject) with the real room engine
// and calculation library, through the driver as the load command calls it: the detailed cooling
// design day (design type 3), the daily cooling year (5) and the detailed heating design day (6).
// Prints, for each run, its time, the peak memory of the process before and after it and the lines
// the run wrote to the message panel; building the project is not timed. Run it pinned to one core:
//   taskset -c 0 bench_calc_run [--type 3|5|6]... [--rooms N]
// The peak memory only grows over the process, so a run's own peak is its "after" figure only when
// it runs first (--type picks a single run).
#include "bench/CBenchProject.h"
#include "calc/CCalMsgOutput.h"
#include "calc/CCalResultBuffer.h"
#include "calc/CCalculateHostBase.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"
#include "calc/CCalculate_Result_IsHeatingLoadStepCalculation.h"
#include "calc/CNodeDataBuffer.h"
#include "calc/ResultByType.h"
#include "platform/core/Exception.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

struct SRun
{
    int DesignType;
    int Rooms;
    qint64 TargetMs;
};
constexpr SRun kRuns[] = {{3, 1000, 2000}, {5, 200, 10000}, {6, 1000, 1000}};
constexpr long kDailyPeakTargetKiB = 1024L * 1024L;

// The program above the calculation: no scheme, storeys at 0 m; it counts the message-panel
// lines by category and keeps the first message of the message list window.
class CountingHost : public CCalculateHostBase
{
public:
    bool IsSchemeMode() const override { return false; }
    bool SchemeContainsId(int) const override { return false; }
    double GetElevation(const CNodeData&) const override { return 0; }
    void AddMessage(const QString& text) override
    {
        if (Messages++ == 0)
            FirstMessage = text;
    }
    void AddOutputLine(int category, const QString&) override
    {
        if (category >= 0 && category < static_cast<int>(Lines.size()))
            ++Lines[static_cast<size_t>(category)];
    }

    std::array<int, 6> Lines{};
    int Messages = 0;
    QString FirstMessage;
};

// The largest magnitude of the total load (array 0) over the hours and records of the building's
// total: a sign of life of the physics next to the time.
template <typename Record> float PeakTotalLoad(const void* total, int records)
{
    float peak = 0;
    for (int r = 0; r < records; ++r)
        for (float value : static_cast<const Record*>(total)[r].Hourly[0])
            peak = std::max(peak, std::fabs(value));
    return peak;
}

float PeakTotalLoad(const void* total, int designType)
{
    switch (designType) {
    case 3:
        return PeakTotalLoad<CCalculate_Result_IsACLoadCalculation>(total, 1);
    case 5:
        return PeakTotalLoad<CCalculate_Result_IsACLoadStepCalculation>(total, ResultStepCount(designType));
    case 6:
        return PeakTotalLoad<CCalculate_Result_IsHeatingLoadStepCalculation>(total, 1);
    default:
        return 0;
    }
}

// Builds the project, runs it and prints the figures; false when the run failed or left rooms out.
bool Measure(const SRun& run)
{
    CBenchProject project(run.DesignType);
    project.BuildOfficeBuilding(run.Rooms);
    CountingHost host;
    const long before = CBenchProject::PeakMemoryKiB();

    QElapsedTimer timer;
    int kind = -1;
    int calculated = 0;
    qint64 elapsed = 0;
    double cpuMs = 0;
    float peakLoad = 0;
    {
        CNodeDataBuffer nodeBuffer;
        CCalResultBuffer pool;
        CCalMsgOutput progress(QStringLiteral("正在计算最大负荷"), nullptr);
        void* total = nullptr;
        AllocResultByType(total);
        cpuMs = -CBenchProject::CpuTimeMs();
        timer.start();
        {
            CCalculate_Manager manager;
            kind = manager.Calculate(project.BuildingItem(), total);
        }
        elapsed = timer.elapsed();
        cpuMs += CBenchProject::CpuTimeMs();
        calculated = progress.Position();
        peakLoad = PeakTotalLoad(total, run.DesignType);
        FreeResultByType(total);
    }
    const long after = CBenchProject::PeakMemoryKiB();

    std::printf(
        "design type %d, %d rooms (%d calculated, run result %d): %lld ms (processor %.0f ms), target %lld "
        "ms: %s\n",
        run.DesignType, project.RoomCount(), calculated, kind, static_cast<long long>(elapsed), cpuMs,
        static_cast<long long>(run.TargetMs), elapsed < run.TargetMs ? "met" : "MISSED");
    std::printf("  peak total load of the building %.1f kW, %.1f W/m2 of floor\n", peakLoad / 1000.0,
                peakLoad / (project.RoomCount() * CBenchProject::RoomArea));
    std::printf("  peak memory %ld KiB before the run, %ld KiB after it (+%ld KiB)", before, after,
                after - before);
    if (run.DesignType == 5)
        std::printf(", target %ld KiB: %s", kDailyPeakTargetKiB,
                    after < kDailyPeakTargetKiB ? "met" : "MISSED");
    std::printf("\n  message panel lines by category 0..5:");
    for (int lines : host.Lines)
        std::printf(" %d", lines);
    std::printf("; messages %d%s%s\n", host.Messages, host.Messages ? ", the first: " : "",
                qPrintable(host.FirstMessage));
    std::fflush(stdout);
    return kind == 1 && calculated == project.RoomCount() && host.Messages == 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times load calculation runs of generated office buildings."));
    parser.addHelpOption();
    const QCommandLineOption typeOption(
        QStringLiteral("type"), QStringLiteral("Design type to run: 3, 5 or 6."), QStringLiteral("type"));
    const QCommandLineOption roomsOption(QStringLiteral("rooms"),
                                         QStringLiteral("Rooms of every run in place of 1000 / 200 / 1000."),
                                         QStringLiteral("count"));
    parser.addOption(typeOption);
    parser.addOption(roomsOption);
    parser.process(app);

    int rooms = 0;
    if (parser.isSet(roomsOption)) {
        bool ok = false;
        rooms = parser.value(roomsOption).toInt(&ok);
        if (!ok || rooms < 1) {
            std::fprintf(stderr, "--rooms needs a positive whole number\n");
            return 2;
        }
    }
    std::vector<SRun> runs;
    for (const SRun& run : kRuns)
        if (!parser.isSet(typeOption) || parser.values(typeOption).contains(QString::number(run.DesignType)))
            runs.push_back({run.DesignType, rooms ? rooms : run.Rooms, run.TargetMs});
    if (runs.empty()) {
        std::fprintf(stderr, "--type takes 3, 5 or 6\n");
        return 2;
    }

    bool ok = true;
    try {
        for (const SRun& run : runs)
            ok = Measure(run) && ok;
    } catch (const Exception& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Message()));
        return 1;
    }
    return ok ? 0 : 1;
}
