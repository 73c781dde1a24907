// didivov_book <project.VLZ> <out.pdf|.xlsx|.txt|.csv|.rtf> [--type N] [--summary] [--heating-book]
//
// Writes the calculation book of a project without a window: opens the project as the program does,
// makes design type N current when given (in memory only; the project file keeps its own), and
// runs the calculate-and-output road of "输出" with the project's output options into the file,
// whose extension chooses the format. Notices and messages go to the error stream; questions are
// answered "no" except the one about replacing the output file. With --summary the load summary of
// the whole project ("最大负荷") of the same design type follows on the output stream, one line each,
// after the book is written. --heating-book writes the heating-load book of the whole project under
// design type 6 ("采暖负荷计算报表") in place of the calculation book. Exits 0 when the book was written
// and no error was reported, 1 on any failure (the reason printed), 2 on wrong arguments.
#include "calc/CCalMsgOutput.h"
#include "calc/CCalResultBuffer.h"
#include "calc/CCalculateHostBase.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CNodeDataBuffer.h"
#include "climate/CLIB_WeatherParameter.h"
#include "model/CElementManage.h"
#include "model/CMaterialParamNameList.h"
#include "model/CNodeClipboard.h"
#include "model/CNodeData.h"
#include "model/CNodeTreeView.h"
#include "model/CProjectTreeHostBase.h"
#include "model/CRoomOccupationCache.h"
#include "model/CTreeView2DB.h"
#include "model/TDM_Project.h"
#include "model/TDM_SysParam.h"
#include "model/TInitalizationManage.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/CTool.h"
#include "platform/core/CToolDialogsBase.h"
#include "platform/core/Exception.h"
#include "plugin/CPlugHostFunctions.h"
#include "plugin/CPlugManage.h"
#include "plugin/CPlugReportItem.h"
#include "project/CProjectLifecycleHostBase.h"
#include "project/CSystemGlobalData.h"
#include "report/CCalculateAndOutput.h"
#include "report/CCalculationBook.h"
#include "report/COutputParams.h"
#include "report/CHeatingLoadBookBase.h"
#include "report/COutputRunHostBase.h"
#include "report/engine/CQORReport.h"
#include "report/engine/CReportPreviewBase.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>
#include <array>
#include <cstdio>

namespace {
constexpr int kHeatingDetailed = 6;

void Print(const QString& text)
{
    std::fprintf(stderr, "didivov_book: %s\n", qPrintable(text));
}

// The dialogs of a run without a window: the save dialog takes the file named on the command
// line, the question about replacing it says yes, every other question no.
class CBookToolDialogs : public CToolDialogsBase
{
public:
    CBookToolDialogs(const QString& target, int filterIndex) : m_target(target), m_filterIndex(filterIndex) {}

    int BeginProgress(bool, int, const QString&) override { return 1; }
    int StepProgress(int) override { return 1; }
    int EndProgress() override { return 1; }
    int Input(const QString& prompt, QString&, int, const QString&) override { return Decline(prompt); }
    int InputList(const QStringList& labels, QStringList&, int, const QString&) override
    {
        return Decline(labels.join(QLatin1Char(' ')));
    }
    int Select(const QString& title, const QStringList&) override
    {
        Decline(title);
        return -1;
    }
    int ShowInfor(const QString& caption, const QString& message, int style, int, const QString&, const QString&,
                  int) override
    {
        if (caption == QStringLiteral("文件已存在"))
            return 6;
        Print(caption + QStringLiteral(": ") + message);
        return style == 6 ? 6 : 2;
    }
    void ShowMessage(const QString& message) override { Print(message); }
    bool GetOpenFileName(const QString& title, const QString&, QString&) override { return Decline(title) == 6; }
    bool GetSaveFileName(const QString& title, const QString&, QString&) override { return Decline(title) == 6; }
    bool GetSaveFileNameAndFilter(const QString&, const QString&, QString& fileName, int& filterIndex) override
    {
        fileName = m_target;
        filterIndex = m_filterIndex;
        return true;
    }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}

private:
    static int Decline(const QString& text)
    {
        Print(text);
        return 2;
    }
    QString m_target;
    int m_filterIndex;
};

// The main window as the project, the calculation and the book see it: a tree view, a message
// panel kept as lines, and the output options loaded with the project.
class CBookToolHost : public CProjectTreeHostBase,
                      public CProjectLifecycleHostBase,
                      public CCalculateHostBase,
                      public COutputRunHostBase
{
public:
    // CProjectTreeHostBase
    CNodeTreeView* MainTreeView() override { return &m_view; }
    bool IsElementTypeUsed(int type) override
    {
        return CSystemGlobalData::Current().IsElementTypeUsed(type);
    }
    void HideOpenPage() override {}
    void ReloadTreeView() override { CTreeView2DB::Current().FillTreeView(m_view, nullptr, true); }
    // CProjectLifecycleHostBase
    void AddWarning(const QString& text) override { AddOutputLine(0, text); }
    bool HasAnnualWeather() override { return !CLIB_WeatherParameter::Current().HourlyBlob.isEmpty(); }
    void LoadOutputParams() override { COutputParams::Current().LoadOutputParams(); }
    // The output plug-ins chosen for the project, as the program's dialog would tick them.
    void LoadOutputConfig(const QString& projectFolder) override
    {
        if (CPlugManage::Exists())
            CPlugManage::Current().LoadOutputConfig(projectFolder);
    }
    // CCalculateHostBase
    bool IsSchemeMode() const override { return false; }
    bool SchemeContainsId(int) const override { return false; }
    double GetElevation(const CNodeData& storeyNode) const override
    {
        return CSystemGlobalData::Current().GetElevation(storeyNode.TreeItem());
    }
    void AddMessage(const QString& text) override
    {
        ++m_messages;
        Print(text);
    }
    void AddOutputLine(int category, const QString& text) override
    {
        if (category >= 0 && category < static_cast<int>(m_lines.size()))
            m_lines[static_cast<size_t>(category)] << text;
    }
    // COutputRunHostBase
    void ClearOutput() override
    {
        for (QStringList& lines : m_lines)
            lines.clear();
    }
    int WarningCount() const override { return static_cast<int>(m_lines[0].size()); }
    void OpenWithShell(const QString&) override {}
    std::vector<COutputPlugInBase*> PlugIns() override
    {
        m_plugIns.clear();
        if (CPlugManage::Exists())
            m_plugIns = CPlugReportItem::ForDesignType(CPlugManage::Current(), CSystemGlobalData::Current().DesignType);
        std::vector<COutputPlugInBase*> items;
        for (const auto& item : m_plugIns)
            items.push_back(item.get());
        return items;
    }

    // The lines of a category of the message panel.
    const QStringList& Lines(int category) const { return m_lines[static_cast<size_t>(category)]; }

    // Prints the warnings and errors; true when there was no error.
    bool Report() const
    {
        for (const QString& line : m_lines[0])
            Print(QStringLiteral("警告: ") + line);
        for (const QString& line : m_lines[1])
            Print(QStringLiteral("错误: ") + line);
        return m_lines[1].isEmpty() && m_messages == 0;
    }

private:
    CNodeTreeView m_view;
    std::vector<std::unique_ptr<CPlugReportItem>> m_plugIns;
    std::array<QStringList, 6> m_lines;
    int m_messages = 0;
};

int FilterIndexOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (int index = 1; index <= 5; ++index)
        if (CCalculateAndOutput::DataFileExtension(index) == QLatin1Char('.') + suffix)
            return index;
    return 0;
}

// The "最大负荷" lines of the project node, as the main window's command writes them.
void PrintLoadSummary(CBookToolHost& host)
{
    constexpr int kLoadCategory = 3;
    CNodeDataBuffer nodeBuffer;
    CCalResultBuffer resultBuffer;
    CCalMsgOutput progress(QStringLiteral("正在计算最大负荷"), nullptr);
    CCalculate_Manager manager;
    manager.OutputLoadSummary(host.MainTreeView()->TopItem(0));
    for (const QString& line : host.Lines(kLoadCategory))
        std::printf("%s\n", line.toUtf8().constData());
}

// Writes every report the heating-load book would preview into the target instead.
class CExportingPreview : public CReportPreviewBase
{
public:
    CExportingPreview(const QString& target, int exportType) : m_target(target), m_exportType(exportType) {}
    void ShowPreview(CQORReport& report) override { Written = report.ExportReport(m_target, m_exportType, nullptr); }
    bool Written = false;

private:
    QString m_target;
    int m_exportType;
};

// The heating-load book of the whole project into the target; false when it has no rows or was
// not written.
bool WriteHeatingBook(CBookToolHost& host, const QString& target, int filterIndex)
{
    CExportingPreview preview(target, CCalculateAndOutput::DataFileExportType(filterIndex));
    CNodeDataBuffer nodeBuffer;
    CCalResultBuffer resultBuffer;
    CCalMsgOutput progress(QStringLiteral("正在计算负荷"), nullptr);
    CCalculate_Manager manager;
    manager.BuildCalcStructureFrom(host.MainTreeView()->TopItem(0));
    CCalculationBook::BuildHeatingLoadBook(manager);
    return preview.Written;
}

int WriteBook(const QString& project, const QString& target, int filterIndex, int designType, bool summary,
              bool heatingBook)
{
    CProgramFolder::SetPath(QStringLiteral(DIDIVOV_BIN_DIR));
    CTool tool(std::make_unique<CBookToolDialogs>(target, filterIndex));
    TDM_SysParam sysParam;
    if (!sysParam.DataModuleCreate())
        return 1;
    CElementManage registry;
    registry.LoadElementTypes(sysParam.ElementBasePerformance);
    TDM_Project projectModule;
    CLIB_WeatherParameter weather(&projectModule.WeatherParameter);
    TInitalizationManage defaults;
    CMaterialParamNameList names;
    CRoomOccupationCache roomUses;
    COutputParams options;
    CPlugManage plugs;
    CPlugHostFunctions::Register();
    CBookToolHost host;
    CTreeView2DB tree;
    tree.SetHost(&host);
    CNodeClipboard clipboard;
    CSystemGlobalData global;
    global.SetHost(&host);

    global.OpenProject(project);
    if (!global.IsProjectOpen()) {
        Print(QStringLiteral("无法打开工程%1").arg(project));
        return 1;
    }
    if (designType >= 0)
        global.SetDesignType(designType);
    if (heatingBook) {
        const bool written = WriteHeatingBook(host, target, filterIndex);
        const bool clean = host.Report();
        if (!written) {
            Print(QStringLiteral("采暖负荷计算书未能写入%1").arg(target));
            return 1;
        }
        if (summary)
            PrintLoadSummary(host);
        return clean ? 0 : 1;
    }
    CCalculateAndOutput run(host, nullptr);
    run.Run(CCalculateAndOutput::DataFile);
    const bool clean = host.Report();
    if (run.LastOutcome() != CCalculateAndOutput::Outcome::Written) {
        Print(QStringLiteral("计算书未能写入%1").arg(target));
        return 1;
    }
    if (summary)
        PrintLoadSummary(host);
    return clean ? 0 : 1;
}
} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes the calculation book of a project."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("project"), QStringLiteral("The project file (.VLZ)."));
    parser.addPositionalArgument(QStringLiteral("output"),
                                 QStringLiteral("The book: .pdf, .xlsx, .txt, .csv or .rtf."));
    const QCommandLineOption typeOption(QStringLiteral("type"),
                                        QStringLiteral("Design type 0 to 8 in place of the project's."),
                                        QStringLiteral("N"));
    parser.addOption(typeOption);
    const QCommandLineOption summaryOption(QStringLiteral("summary"),
                                           QStringLiteral("Print the project's load summary after the book."));
    parser.addOption(summaryOption);
    const QCommandLineOption heatingOption(QStringLiteral("heating-book"),
                                           QStringLiteral("Write the heating-load book (design type 6)."));
    parser.addOption(heatingOption);
    parser.process(app);

    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr,
                     "usage: didivov_book <project.VLZ> <out.pdf|.xlsx|.txt|.csv|.rtf> [--type N] [--summary] "
                     "[--heating-book]\n");
        return 2;
    }
    const QString target = QFileInfo(arguments.at(1)).absoluteFilePath();
    const int filterIndex = FilterIndexOf(target);
    if (filterIndex == 0) {
        Print(QStringLiteral("不支持的输出格式：%1").arg(arguments.at(1)));
        return 2;
    }
    int designType = -1;
    if (parser.isSet(typeOption)) {
        bool ok = false;
        designType = parser.value(typeOption).toInt(&ok);
        if (!ok || designType < 0 || designType > 8) {
            Print(QStringLiteral("--type 取0到8"));
            return 2;
        }
    }
    const bool heatingBook = parser.isSet(heatingOption);
    if (heatingBook)
        designType = kHeatingDetailed;
    const QString project = QFileInfo(arguments.at(0)).absoluteFilePath();
    if (!QFileInfo::exists(project)) {
        Print(QStringLiteral("工程文件不存在：%1").arg(project));
        return 1;
    }
    try {
        return WriteBook(project, target, filterIndex, designType, parser.isSet(summaryOption), heatingBook);
    } catch (const Exception& e) {
        Print(e.Message());
        return 1;
    }
}
