// The calculation book of a generated office building of 200 rooms (see CBenchProject) written as
// PDF through the calculate-and-output road, under the detailed cooling design type with every
// section of the book's first part ticked (cover, project, weather, indoor design, envelope,
// formulas) and the later ones off. Prints the time, the page count and the target; building the
// project is not timed. Run it pinned to one core:  taskset -c 0 bench_book [--rooms N]
#include "bench/CBenchProject.h"
#include "calc/CCalculateHostBase.h"
#include "platform/core/Exception.h"
#include "report/CCalculateAndOutput.h"
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
    parser.process(app);
    const int rooms = parser.isSet(roomsOption) ? parser.value(roomsOption).toInt() : 200;
    if (rooms < 1) {
        std::fprintf(stderr, "--rooms needs a positive whole number\n");
        return 2;
    }

    try {
        CBenchProject project(kDetailedCooling);
        project.BuildOfficeBuilding(rooms);
        TDM_Project::Current().ExecSQL(CSQLStatement(
            "update OutputOption set IsACLoadCalculation_Output = case when ID between 1 and 79 then 1 else 0 end "
            "where IsACLoadCalculation_Output >= 0 and (ID <= 79 or FatherID = 0)"));
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
        CCalculateAndOutput run(host, nullptr);
        run.Run(CCalculateAndOutput::DataFile);
        const qint64 elapsed = timer.elapsed();

        const bool written = run.LastOutcome() == CCalculateAndOutput::Outcome::Written;
        std::printf("book of %d rooms, design type 3, cover to formulas, as PDF: %lld ms, %d pages, %lld bytes; "
                    "target %lld ms: %s\n",
                    project.RoomCount(), static_cast<long long>(elapsed), PageCount(pdf),
                    static_cast<long long>(QFile(pdf).size()), static_cast<long long>(kTargetMs),
                    written && elapsed < kTargetMs ? "met" : "MISSED");
        for (const QString& line : host.Errors + host.Messages)
            std::printf("  %s\n", qPrintable(line));
        return written && host.Errors.isEmpty() ? 0 : 1;
    } catch (const Exception& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Message()));
        return 1;
    }
}
