// The calculation book of a generated office building of 200 rooms (see CBenchProject) written as
// PDF through the calculate-and-output road, by default under the detailed cooling design type with
// every section of the book's first part ticked (cover, project, weather, indoor design, envelope,
// formulas) and the later ones off. With --full every option of the design type is ticked and every
// building, storey and room prints its inputs, statistics and hourly loads; the monthly and daily
// types print all 12 months, or the first day of each month. Prints the time, the page count and
// the target; building the project is not timed. Run it pinned to one core:
//   taskset -c 0 bench_book [--rooms N] [--full [--type N]]
#include "bench/CBenchProject.h"
#include "calc/CCalculateHostBase.h"
#include "platform/core/Exception.h"
#include "report/CCalculateAndOutput.h"
#include "report/COutputParam.h"
#include "report/COutputParams.h"
#include "report/COutputRunHostBase.h"
#include "tests/support/CFakeToolDialogs.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>

namespace {
constexpr int kDetailedCooling = 3;
constexpr qint64 kTargetMs = 10000;
constexpr qint64 kFullTargetMs = 30000;
constexpr int kMonthFirstDay[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

// Every option of the design type on, and every element printing all it can.
void TickEverything(int designType)
{
    const QString column = QString::fromLatin1(COutputParam::FlagColumns()[static_cast<size_t>(designType)]);
    TDM_Project& project = TDM_Project::Current();
    project.ExecSQL(CSQLStatement(QStringLiteral("update OutputOption set %1 = 1 where %1 >= 0").arg(column)));
    for (const char* table : {"Building", "Storey", "Room"})
        project.ExecSQL(CSQLStatement(
            QStringLiteral("update %1 set IsOutputLoadStatisticsData = 1, IsOutputLoadHourlyData = 1, "
                           "HIsOutputLoadStatisticsData = 1, HIsOutputLoadHourlyData = 1")
                .arg(QString::fromLatin1(table))));
    project.ExecSQL(CSQLStatement(QStringLiteral("update Room set IsOutputLoadCalculationParameter = 1")));
    CProjectData& parameters = CProjectData::Current();
    parameters.StatisticsType = 1;
    parameters.MonthCheck.fill(1);
    parameters.MonthCheck_Total.fill(1);
    parameters.DayCheck.fill(0);
    parameters.DayCheck_Total.fill(0);
    for (int first : kMonthFirstDay) {
        parameters.DayCheck[static_cast<size_t>(first)] = 1;
        parameters.DayCheck_Total[static_cast<size_t>(first)] = 1;
    }
}

class CBookBenchHost : public CCalculateHostBase, public COutputRunHostBase
{
public:
    bool IsSchemeMode() const override { return false; }
    bool SchemeContainsId(int) const override { return false; }
    double GetElevation(const CNodeData&) const override { return 0; }
    void AddMessage(const QString& text) override { Messages << text; }
    void AddOutputLine(int category, const QString& text) override
    {
        if (category == 1)
            Errors << text;
    }
    void ClearOutput() override {}
    int WarningCount() const override { return 0; }
    void OpenWithShell(const QString&) override {}

    QStringList Messages;
    QStringList Errors;
};

// Pages of a PDF file: its page objects.
int PageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return static_cast<int>(QString::fromLatin1(file.readAll()).count(page));
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times the calculation book of a generated office building."));
    parser.addHelpOption();
    const QCommandLineOption roomsOption(QStringLiteral("rooms"), QStringLiteral("Rooms in place of 200."),
                                         QStringLiteral("count"));
    parser.addOption(roomsOption);
    const QCommandLineOption fullOption(QStringLiteral("full"), QStringLiteral("Every section and every node."));
    parser.addOption(fullOption);
    const QCommandLineOption typeOption(QStringLiteral("type"), QStringLiteral("Design type 0-8 with --full (3)."),
                                        QStringLiteral("N"));
    parser.addOption(typeOption);
    parser.process(app);
    const bool full = parser.isSet(fullOption);
    const int designType = parser.isSet(typeOption) ? parser.value(typeOption).toInt() : kDetailedCooling;
    if (designType < 0 || designType > 8 || (!full && designType != kDetailedCooling)) {
        std::fprintf(stderr, "--type takes 0 to 8, with --full\n");
        return 2;
    }
    const qint64 target = full ? kFullTargetMs : kTargetMs;
    const int rooms = parser.isSet(roomsOption) ? parser.value(roomsOption).toInt() : 200;
    if (rooms < 1) {
        std::fprintf(stderr, "--rooms needs a positive whole number\n");
        return 2;
    }

    try {
        CBenchProject project(designType);
        project.BuildOfficeBuilding(rooms);
        if (full)
            TickEverything(designType);
        else
            TDM_Project::Current().ExecSQL(CSQLStatement(
                "update OutputOption set IsACLoadCalculation_Output = case when ID between 1 and 79 then 1 else 0 "
                "end where IsACLoadCalculation_Output >= 0 and (ID <= 79 or FatherID = 0)"));
        COutputParams options;
        options.LoadOutputParams();
        CBookBenchHost host;

        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("book.pdf"));
        auto& dialogs = static_cast<CFakeToolDialogs&>(CTool::Current().Dialogs());
        dialogs.FileAnswers << pdf;
        dialogs.FilterAnswers << 1;

        QElapsedTimer timer;
        timer.start();
        const double cpuStart = CBenchProject::CpuTimeMs();
        CCalculateAndOutput run(host, nullptr);
        run.Run(CCalculateAndOutput::DataFile);
        const qint64 elapsed = timer.elapsed();
        const double cpu = CBenchProject::CpuTimeMs() - cpuStart;

        const bool written = run.LastOutcome() == CCalculateAndOutput::Outcome::Written;
        std::printf("book of %d rooms, design type %d, %s, as PDF: %lld ms (processor %.0f ms), %d pages, %lld "
                    "bytes; target %lld ms: %s\n",
                    project.RoomCount(), designType, full ? "every section" : "cover to formulas",
                    static_cast<long long>(elapsed), cpu, PageCount(pdf), static_cast<long long>(QFile(pdf).size()),
                    static_cast<long long>(target), written && elapsed < target ? "met" : "MISSED");
        for (const QString& line : host.Errors + host.Messages)
            std::printf("  %s\n", qPrintable(line));
        return written && host.Errors.isEmpty() ? 0 : 1;
    } catch (const Exception& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Message()));
        return 1;
    }
}
