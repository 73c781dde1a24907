// The operating-scheme summary of a generated office building (see CBenchProject) with the real room
// engine and calculation library: the rooms split into schemes of equal size, each with the default
// plan (hours 8 to 18), every scheme calculated through the daily cooling year (design type 5) and
// written into one hourly CSV file, as "汇总输出" with "按时" does. Prints the time, the rows and
// bytes written and the peak memory; building the project is not timed. Run it pinned to one core:
//   taskset -c 0 bench_scheme_csv [--rooms N] [--schemes N]
#include "bench/CBenchProject.h"
#include "calc/CCalMsgOutput.h"
#include "calc/CCalResultBuffer.h"
#include "calc/CCalculateHostBase.h"
#include "calc/CNodeDataBuffer.h"
#include "calc/CRunTimeMgr.h"
#include "model/CNodeData.h"
#include "platform/core/Exception.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {
constexpr int kDefaultRooms = 200;
constexpr int kDefaultSchemes = 4;
constexpr qint64 kTargetMs = 15000;

// The program above the calculation while the scheme manager is open: the scheme mode on, the
// current scheme as the scheme commands set it, storeys at 0 m; it counts the messages.
class SchemeHost : public CCalculateHostBase
{
public:
    bool IsSchemeMode() const override { return true; }
    bool SchemeContainsId(int nodeId) const override
    {
        const RunTimeSys* scheme = CRunTimeMgr::Current().GetScheme(Name);
        return scheme && scheme->RoomIds.contains(nodeId);
    }
    QString SchemeName() const override { return Name; }
    void SetSchemeName(const QString& name) override { Name = name; }
    double GetElevation(const CNodeData&) const override { return 0; }
    void AddMessage(const QString&) override { ++Messages; }
    void AddOutputLine(int, const QString&) override {}

    QString Name;
    int Messages = 0;
};

void CollectRooms(const CNodeData& node, QList<int>& rooms)
{
    if (node.Type() == 3)
        rooms << node.NodeId();
    for (int i = 0; i < node.ChildCount(); ++i)
        CollectRooms(*node.Child(i), rooms);
}

int PositiveOption(const QCommandLineParser& parser, const QCommandLineOption& option, int fallback)
{
    if (!parser.isSet(option))
        return fallback;
    bool ok = false;
    const int value = parser.value(option).toInt(&ok);
    return ok && value > 0 ? value : -1;
}

bool Measure(int roomCount, int schemeCount)
{
    CBenchProject project(5);
    project.BuildOfficeBuilding(roomCount);
    SchemeHost host;
    CRunTimeMgr schemes;
    QList<int> rooms;
    CollectRooms(CTreeView2DB::Current().Root(), rooms);
    const int perScheme = (static_cast<int>(rooms.size()) + schemeCount - 1) / schemeCount;
    for (int i = 0; i < schemeCount; ++i) {
        auto scheme = std::make_unique<RunTimeSys>();
        scheme->Name = QStringLiteral("方案%1").arg(i + 1);
        scheme->RoomIds = rooms.mid(i * perScheme, perScheme);
        schemes.AddScheme(scheme->Name, scheme);
    }
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("schemes.CSV"));
    const long before = CBenchProject::PeakMemoryKiB();

    QElapsedTimer timer;
    bool written = false;
    int calculated = 0;
    double cpuMs = -CBenchProject::CpuTimeMs();
    timer.start();
    {
        CNodeDataBuffer nodeBuffer;
        CCalResultBuffer pool;
        host.SetSchemeName(schemes.SchemeAt(0)->Name);
        CCalMsgOutput progress(QStringLiteral("正在计算负荷"), nullptr);
        written = schemes.ExportSchemeCsv(path, CRunTimeMgr::ByHour);
        calculated = progress.Position();
    }
    const qint64 elapsed = timer.elapsed();
    cpuMs += CBenchProject::CpuTimeMs();

    QFile file(path);
    qint64 rows = 0;
    if (file.open(QIODevice::ReadOnly))
        for (const QByteArray& line : file.readAll().split('\n'))
            rows += !line.isEmpty();
    std::printf("%d rooms in %d schemes (%d calculated), hourly CSV %s: %lld ms (processor %.0f ms), target "
                "%lld ms: %s\n",
                project.RoomCount(), schemeCount, calculated, written ? "written" : "NOT WRITTEN",
                static_cast<long long>(elapsed), cpuMs, static_cast<long long>(kTargetMs),
                elapsed < kTargetMs ? "met" : "MISSED");
    std::printf("  %lld lines, %lld bytes; peak memory %ld KiB before, %ld KiB after; messages %d\n",
                static_cast<long long>(rows), static_cast<long long>(file.size()), before,
                CBenchProject::PeakMemoryKiB(), host.Messages);
    std::fflush(stdout);
    return written && calculated == project.RoomCount() && host.Messages == 0;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times the hourly CSV summary of operating schemes."));
    parser.addHelpOption();
    const QCommandLineOption roomsOption(QStringLiteral("rooms"), QStringLiteral("Rooms (200)."),
                                         QStringLiteral("count"));
    const QCommandLineOption schemesOption(QStringLiteral("schemes"), QStringLiteral("Schemes (4)."),
                                           QStringLiteral("count"));
    parser.addOption(roomsOption);
    parser.addOption(schemesOption);
    parser.process(app);
    const int rooms = PositiveOption(parser, roomsOption, kDefaultRooms);
    const int schemes = PositiveOption(parser, schemesOption, kDefaultSchemes);
    if (rooms < 1 || schemes < 1) {
        std::fprintf(stderr, "--rooms and --schemes need a positive whole number\n");
        return 2;
    }
    try {
        return Measure(rooms, schemes) ? 0 : 1;
    } catch (const Exception& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Message()));
        return 1;
    }
}
