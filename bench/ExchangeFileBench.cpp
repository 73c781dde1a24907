// The project exchange file of a generated office building (see CBenchProject) of 500 rooms, each with
// 12 elements: prints the time of the export and the size of the file; building the project is not
// timed. Target: under 2 s.
//   bench_exchange_file [--rooms N]
#include "bench/CBenchProject.h"
#include "model/CTreeView2DB.h"
#include "platform/core/Exception.h"
#include "report/CXmlSDB.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("rooms"), QStringLiteral("number of rooms"), QStringLiteral("N"),
                      QStringLiteral("500")});
    parser.process(app);
    const int rooms = parser.value(QStringLiteral("rooms")).toInt();
    try {
        CBenchProject project(3);
        project.BuildOfficeBuilding(rooms);
        const QString projectFile = TDM_Project::Current().ProjectCon.FileName();
        QElapsedTimer timer;
        timer.start();
        const double cpuBefore = CBenchProject::CpuTimeMs();
        CXmlSDB writer;
        writer.ExportProjectXml(CTreeView2DB::Current().Root(), projectFile, QStringLiteral("0"));
        const qint64 ms = timer.elapsed();
        const double cpuMs = CBenchProject::CpuTimeMs() - cpuBefore;
        const qint64 bytes = QFileInfo(CXmlSDB::DefaultTargetPath(projectFile)).size();
        std::printf("exchange file of %d rooms: %lld ms (processor %.0f ms), %.1f MB, target 2000 ms: %s\n",
                    rooms, static_cast<long long>(ms), cpuMs, bytes / 1e6, ms < 2000 ? "met" : "MISSED");
        return ms < 2000 ? 0 : 1;
    } catch (const Exception& e) {
        std::fprintf(stderr, "%s\n", e.Message().toLocal8Bit().constData());
        return 1;
    }
}
