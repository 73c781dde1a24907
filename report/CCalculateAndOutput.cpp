#include "report/CCalculateAndOutput.h"

#include "calc/CCalMsgOutput.h"
#include "calc/CCalResultBuffer.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CNodeDataBuffer.h"
#include "model/CNodeTreeView.h"
#include "model/CProjectTreeHostBase.h"
#include "model/CTreeView2DB.h"
#include "model/TDM_Project.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/CTool.h"
#include "report/CCalculationBook.h"
#include "report/COutputPlugInBase.h"
#include "report/COutputRunHostBase.h"
#include "report/engine/CQORReport.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
struct SDataFormat
{
    const char* Filter;
    const char* Extension;
    ReportExportType Type;
};
// The workbook is written as .xlsx: that is what the export makes.
constexpr SDataFormat kDataFormats[] = {{"PDF(*.pdf)", ".pdf", ReportExportType::Pdf},
                                        {"EXCEL(*.xlsx)", ".xlsx", ReportExportType::Xls},
                                        {"Text File(*.txt)", ".txt", ReportExportType::Txt},
                                        {"CSV File(*.csv)", ".csv", ReportExportType::Csv},
                                        {"RTF File(*.rtf)", ".rtf", ReportExportType::Rtf}};
constexpr int kDataFormatCount = static_cast<int>(std::size(kDataFormats));

const SDataFormat* FormatOf(int filterIndex)
{
    if (filterIndex < 1 || filterIndex > kDataFormatCount)
        return nullptr;
    return &kDataFormats[filterIndex - 1];
}

bool Stopped()
{
    return CCalMsgOutput::IsCurrentStopped();
}

void Progress(const QString& text)
{
    if (CCalMsgOutput* progress = CCalMsgOutput::GetCurrent())
        progress->SetCalcMessage(text);
}

// The folder of the open project database, with its trailing separator.
QString ProjectFolder()
{
    return QFileInfo(TDM_Project::Current().ProjectCon.FileName()).absolutePath() + QLatin1Char('/');
}

CTreeItem* ProjectItem()
{
    CProjectTreeHostBase* host = CTreeView2DB::Current().Host();
    CNodeTreeView* view = host ? host->MainTreeView() : nullptr;
    return view ? view->TopItem(0) : nullptr;
}
} // namespace

CCalculateAndOutput::CCalculateAndOutput(COutputRunHostBase& host, QObject* owner) : m_host(host), m_owner(owner)
{
}

QString CCalculateAndOutput::DataFileFilter()
{
    QStringList filters;
    for (const SDataFormat& format : kDataFormats)
        filters << QString::fromLatin1(format.Filter);
    return filters.join(QStringLiteral(";;"));
}

QString CCalculateAndOutput::DataFileExtension(int filterIndex)
{
    const SDataFormat* format = FormatOf(filterIndex);
    return format ? QString::fromLatin1(format->Extension) : QString();
}

int CCalculateAndOutput::DataFileExportType(int filterIndex)
{
    const SDataFormat* format = FormatOf(filterIndex);
    return format ? static_cast<int>(format->Type) : 0;
}

QString CCalculateAndOutput::DataFilePath(const QString& fileName, int filterIndex)
{
    return EnsureSuffix(fileName, DataFileExtension(filterIndex));
}

QString CCalculateAndOutput::WordDocumentPath(const QString& projectFolder)
{
    QString target = projectFolder + QStringLiteral("UnName.doc");
    for (int n = 1; QFileInfo::exists(target) && !QFile::remove(target); ++n)
        target = projectFolder + QStringLiteral("UnName-%1.doc").arg(n);
    return target;
}

void CCalculateAndOutput::Run(int mode)
{
    m_mode = mode;
    m_outcome = Outcome::NotRun;
    m_host.ClearOutput();
    CNodeDataBuffer nodeBuffer;
    CCalResultBuffer resultPool;
    CCalMsgOutput progress(QStringLiteral("正在计算并输出负荷"), m_owner, [this] { CalculateAndOutput(); });
}

void CCalculateAndOutput::CalculateAndOutput()
{
    if (!ChooseTarget()) {
        m_outcome = Outcome::Cancelled;
        return;
    }
    // The book reads the manager's structure: it goes first.
    CCalculate_Manager manager;
    if (CTreeItem* project = ProjectItem())
        manager.BuildCalcStructureFrom(project);
    CCalculationBook book(manager);
    CQORReport* report = book.OutputCalculationBook();
    m_outcome = Outcome::Stopped;
    if (Stopped())
        return;
    AddPlugInReports(*report);
    if (Stopped())
        return;
    m_host.SaveOutputConfig();
    if (m_host.WarningCount() > 0)
        CTool::Current().ShowMessage(
            QStringLiteral("负荷计算过程中有警告信息，\n请查看软件下方给出的具体信息，确保负荷准确性。"));
    Progress(QStringLiteral("数据已经计算，正在输出，可能需要花费较长时间，请耐心等候!!!"));
    if (Stopped())
        return;
    if (CCalMsgOutput* progress = CCalMsgOutput::GetCurrent())
        progress->DisableCancel();
    Output(*report);
}

bool CCalculateAndOutput::ChooseTarget()
{
    if (m_mode == DataFile) {
        m_fileName = QFileInfo(TDM_Project::Current().ProjectCon.FileName()).absoluteFilePath();
        if (!CTool::Current().GetSaveFileNameAndFilter(QStringLiteral("导出到文件"), DataFileFilter(), m_fileName,
                                                       m_filterIndex))
            return false;
        m_target = DataFilePath(m_fileName, m_filterIndex);
        return ConfirmOverwrite(m_target, QStringLiteral("文件已经存在，是否覆盖?"));
    }
    if (m_mode == WordDocument) {
        m_target = ProjectFolder() + QStringLiteral("UnName.doc");
        return ConfirmOverwrite(m_target, QStringLiteral("文件已存在，是否覆盖?"));
    }
    m_target.clear();
    return true;
}

bool CCalculateAndOutput::ConfirmOverwrite(const QString& path, const QString& text)
{
    if (!QFileInfo::exists(path))
        return true;
    return CTool::Current().ShowMessageBox(QStringLiteral("文件已存在"), text, 9, 3, QStringLiteral("是"),
                                           QStringLiteral("否"), 2) == 6;
}

void CCalculateAndOutput::AddPlugInReports(CQORReport& book)
{
    for (COutputPlugInBase* plugIn : m_host.PlugIns()) {
        if (Stopped())
            return;
        if (!plugIn->IsTicked()) {
            plugIn->SetOutputFlag(false);
            continue;
        }
        plugIn->SetOutputFlag(true);
        plugIn->OutPutOrMainForm(0);
        Progress(QStringLiteral("正在处理%1报表").arg(plugIn->ItemName()));
        book.AddSubReport(plugIn->GetReport());
    }
}

void CCalculateAndOutput::Output(CQORReport& book)
{
    switch (m_mode) {
    case DataFile:
        m_target = DataFilePath(m_fileName, m_filterIndex);
        m_outcome = book.ExportReport(m_target, DataFileExportType(m_filterIndex), nullptr) ? Outcome::Written
                                                                                            : Outcome::Failed;
        break;
    case WordDocument:
        m_target = WordDocumentPath(ProjectFolder());
        if (WriteWordDocument(book)) {
            m_outcome = Outcome::Written;
            m_host.OpenWithShell(m_target);
        } else {
            m_outcome = Outcome::Failed;
            CTool::Current().ShowMessageBox(QStringLiteral("错误"),
                                            QStringLiteral("无法写入文件%1").arg(m_target), 6, 1);
        }
        break;
    default:
        book.PreviewReport();
        m_outcome = Outcome::Previewed;
        break;
    }
}

bool CCalculateAndOutput::WriteWordDocument(CQORReport& book)
{
    QSaveFile file(m_target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    if (!book.WriteHtmlReport(file, CProgramFolder::Resolve(QStringLiteral("lib/Report/normal.sty")),
                              QStringLiteral("DID-IVOV空调负荷计算及分析软件"))) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
