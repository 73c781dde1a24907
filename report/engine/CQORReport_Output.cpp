#include "report/engine/CQORReport.h"

#include "platform/core/CTool.h"
#include "report/engine/CReportConfig.h"
#include "report/engine/CReportFlow.h"
#include "report/engine/CReportHtmWriter.h"
#include "report/engine/CReportOutputFile.h"
#include "report/engine/CReportPaginator.h"
#include "report/engine/CReportPdfWriter.h"
#include "report/engine/CReportPreviewBase.h"
#include "report/engine/CReportRtfWriter.h"
#include "report/engine/CReportTextWriter.h"
#include "report/engine/CReportTiffWriter.h"
#include "report/engine/CReportXlsxWriter.h"

#include <QGuiApplication>

namespace {
// Leaves the workbook export mode on every way out of an export.
class CCellExportScope
{
public:
    CCellExportScope(CQORReport& report, bool on) : m_report(report) { m_report.SetCellExportMode(on); }
    ~CCellExportScope() { m_report.SetCellExportMode(false); }
    CCellExportScope(const CCellExportScope&) = delete;
    CCellExportScope& operator=(const CCellExportScope&) = delete;

private:
    CQORReport& m_report;
};
} // namespace

void CQORReport::PreviewReport()
{
    ApplyPrintSettings();
    CReportPreviewBase::Current().ShowPreview(*this);
}

void CQORReport::PreviewReport(const ToolbarSwitches&)
{
    PreviewReport();
}

bool CQORReport::ExportReport(const QString& fileName, int exportType, const CReportConfig* settings)
{
    // The orientation a builder asked for holds in exports too, not only after a preview.
    ApplyOrientation();
    CCellExportScope mode(*this, exportType == static_cast<int>(ReportExportType::Xls));
    bool sameAsPrint = false;
    if (exportType == static_cast<int>(ReportExportType::Xls)) {
        const bool newSheet =
            settings ? GetReportConfigInt(settings, QStringLiteral("ExportNewSheet"), 0) == 1 : true;
        sameAsPrint = settings && GetReportConfigInt(settings, QStringLiteral("SameAsPrint"), 0) == 1;
        for (int i = 0; i < m_SubReports.Count(); ++i) {
            CQORReport* child = m_SubReports.Get(i);
            if (child && child->m_SubReportControl)
                child->m_SubReportControl->newSheet = newSheet;
        }
    }
    QString error;
    if (WriteExport(fileName, exportType, sameAsPrint, error))
        return true;
    if (CTool::Exists())
        CTool::Current().ShowMessageBox(QStringLiteral("错误"), QStringLiteral("导出报表失败：%1").arg(error),
                                        6, 1);
    return false;
}

bool CQORReport::WriteExport(const QString& fileName, int exportType, bool sameAsPrint, QString& error)
{
    QByteArray bytes;
    switch (static_cast<ReportExportType>(exportType)) {
    case ReportExportType::Xls:
        if (!CReportXlsxWriter::Render(CReportFlow::Build(*m_Report), sameAsPrint, bytes, error))
            return false;
        break;
    case ReportExportType::Txt:
        bytes = CReportTextWriter::Render(CReportFlow::Build(*m_Report), CReportTextWriter::Format::Txt);
        break;
    case ReportExportType::Csv:
        bytes = CReportTextWriter::Render(CReportFlow::Build(*m_Report), CReportTextWriter::Format::Csv);
        break;
    case ReportExportType::Htm:
        bytes = CReportHtmWriter::Render(CReportFlow::Build(*m_Report), m_Report->Title());
        break;
    case ReportExportType::Rtf:
        bytes = CReportRtfWriter::Render(CReportFlow::Build(*m_Report));
        break;
    case ReportExportType::Pdf:
    case ReportExportType::Tif: {
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
            error = QStringLiteral("没有图形环境，无法生成页面");
            return false;
        }
        const QList<CReportPage> pages = CReportPaginator::Paginate(*m_Report);
        if (exportType == static_cast<int>(ReportExportType::Pdf))
            return CReportPdfWriter::Write(pages, fileName, m_Report->Title(), error);
        return CReportTiffWriter::Write(pages, fileName, error);
    }
    default:
        error = QStringLiteral("不支持的导出类型%1").arg(exportType);
        return false;
    }
    return CReportOutputFile::Save(fileName, bytes, error);
}
