// Load calculation runs of generated office buildings (see CBenchProject) with the real room engine
// and calculation library, through the driver as the load command calls it, under any design type:
// by default the detailed cooling design day (design type 3), the daily cooling year (5) and the
// detailed heating design day (6).
// Prints, for each run, its time, the peak memory of the process before and after it and the lines
// the run wrote to the message panel; building the project is not timed. Run it pinned to one core:
//   taskset -c 0 bench_calc_run [--type 0..8]... [--rooms N]
// The peak memory only grows over the process, so a run's own peak is its "after" figure only when
// it runs first (--type picks a single run).
#include "bench/CBenchProject.h"
#include "calc/CCalMsgOutput.h"
#include "calc/CCalResultBuffer.h"
#include "calc/CCalculateHostBase.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CNodeDataBuffer.h"
#include "calc/ResultByType.h"
#include "calc/ResultDispatch.h"
#include "platform/core/Exception.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <vector>

namespace {

struct SRun
{
    int DesignType;
    int Rooms;
    qint64 TargetMs; // 0: none
};
// Every design type with its default size and time target; the first three are run by default.
constexpr SRun kRuns[] = {{3, 1000, 2000}, {5, 200, 1000}, {6, 1000, 1000}, {0, 1000, 0},  {1, 1000, 0},
                          {2, 1000, 0},    {4, 1000, 0},   {7, 1000, 0},    {8, 200, 1000}};
constexpr int kDefaultRuns = 3;
// The daily types hold a year of records per room while it is calculated.
constexpr long kDailyPeakTargetKiB = 100L * 1024L;

bool IsDaily(int designType)
{
    return designType == 5 || designType == 8;
}

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

// The largest magnitude of the total load (array 0, or value 0 of the quick estimates) over the
// hours and records of the building's total: a sign of life of the physics next to the time.
template <typename Record> float PeakTotalLoad(const Record* records, int steps)
{
    float peak = 0;
    for (int r = 0; r < steps; ++r) {
        if constexpr (requires { records[r].Hourly; }) {
            for (float value : records[r].Hourly[0])
                peak = std::max(peak, std::fabs(value));
        } else {
            peak = std::max(peak, std::fabs(records[r].Value[0]));
        }
    }
    return peak;
}

float PeakTotalLoad(const void* total, int designType)
{
    float peak = 0;
    VisitResultType(designType, [&](auto* tag, int steps) {
        peak = PeakTotalLoad(static_cast<const ResultRecordOf<decltype(tag)>*>(total), steps);
    });
    return peak;
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

    std::printf("design type %d, %d rooms (%d calculated, run result %d): %lld ms (processor %.0f ms)",
                run.DesignType, project.RoomCount(), calculated, kind, static_cast<long long>(elapsed),
                cpuMs);
    if (run.TargetMs > 0)
        std::printf(", target %lld ms: %s", static_cast<long long>(run.TargetMs),
                    elapsed < run.TargetMs ? "met" : "MISSED");
    std::printf("\n");
    std::printf("  peak total load of the building %.1f kW, %.1f W/m2 of floor\n", peakLoad / 1000.0,
                peakLoad / (project.RoomCount() * CBenchProject::RoomArea));
    std::printf("  peak memory %ld KiB before the run, %ld KiB after it (+%ld KiB)", before, after,
                after - before);
    if (IsDaily(run.DesignType))
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
    const QCommandLineOption typeOption(QStringLiteral("type"),
                                        QStringLiteral("Design type to run, 0 to 8 (by default 3, 5 and 6)."),
                                        QStringLiteral("type"));
    const QCommandLineOption roomsOption(
        QStringLiteral("rooms"),
        QStringLiteral("Rooms of every run in place of 200 (types 5 and 8) or 1000."),
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
    for (int i = 0; i < static_cast<int>(std::size(kRuns)); ++i) {
        const SRun& run = kRuns[i];
        const bool chosen = parser.isSet(typeOption)
                                ? parser.values(typeOption).contains(QString::number(run.DesignType))
                                : i < kDefaultRuns;
        if (chosen)
            runs.push_back({run.DesignType, rooms ? rooms : run.Rooms, rooms ? 0 : run.TargetMs});
    }
    if (runs.empty()) {
        std::fprintf(stderr, "--type takes 0 to 8\n");
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
