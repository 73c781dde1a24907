#include "report/CCalculationBook.h"

#include "calc/CCalMsgOutput.h"
#include "calc/CCalculateHostBase.h"
#include "calc/ResultByType.h"
#include "model/CProjectData.h"
#include "model/NameTables.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"
#include "report/CHeatingLoadBookBase.h"
#include "report/COutputParams.h"
#include "report/engine/CQORReport.h"

#include <exception>

namespace {
constexpr int kErrorCategory = 1;
constexpr int kLastCoolingDesignType = 5;

bool Stopped()
{
    return CCalMsgOutput::IsCurrentStopped();
}

void ReportFailure(const QString& message)
{
    CCalculateHostBase::PostOutputLine(kErrorCategory, QStringLiteral("系统发生异常，请与我们联系,谢谢!!!"));
    if (CTool::Exists())
        CTool::Current().ShowMessageBox(QStringLiteral("错误"), message, 6, 1);
}
} // namespace

CCalculationBook::CCalculationBook(CCalculate_Manager& manager)
    : m_manager(manager), m_options(COutputParams::Current())
{
}

// The main report goes first: its sub-report list holds the others without owning them.
CCalculationBook::~CCalculationBook()
{
    ReportList.Clear();
    DetailReportList.Clear();
}

CQORReport* CCalculationBook::OutputCalculationBook()
{
    SectionCounter = 0;
    m_firstSection = true;
    BookReport = NewReport("lib/Report/main.grf");
    BookReport->m_Landscape = true;
    try {
        m_landscape.LoadRegistrySection(QStringLiteral("Landscape"));
        Assemble();
        if (Stopped())
            return BookReport;
    } catch (const Exception& e) {
        ReportFailure(e.Message());
    } catch (const std::exception& e) {
        ReportFailure(QString::fromLocal8Bit(e.what()));
    }
    BookReport->HideUnusedColumns(true);
    return BookReport;
}

void CCalculationBook::Assemble()
{
    BookReport->AddSubReport(BuildCoverSection());
    if (m_options.IsOutput(10) && !AddSection(BuildProjectInfoSection()))
        return;
    if (m_options.IsOutput(19) && !AddSection(BuildWeatherSection()))
        return;
    if (m_options.IsOutput(38) && !AddSection(BuildIndoorDesignSection()))
        return;
    if (m_options.IsOutput(67) && !AddSection(BuildEnvelopeSection()))
        return;
    if (m_options.IsOutput(79) && !AddSection(BuildFormulaSection()))
        return;
    if (m_options.IsOutput(80)) {
        // The part's page is numbered only when a table follows it.
        BuildDetailedInputTables();
        if (DetailReportList.Count() > 0)
            BuildSubtitlePage(QStringLiteral("负荷详细计算参数"));
        for (int i = 0; i < DetailReportList.Count(); ++i)
            if (!AddSection(DetailReportList.Get(i)))
                return;
    }
    if (m_options.IsOutput(192) && !AddSection(BuildLoadStatisticsSection()))
        return;
    if (m_options.IsOutput(310)) {
        // The part's page is numbered only when the section follows it.
        CQORReport* hourly = BuildHourlyLoadSection();
        if (hourly && hourly->RecordCount() == 0 && hourly->SubReportCount() == 0)
            hourly = nullptr;
        if (hourly && !Stopped()) {
            const bool engineering = CProjectData::Current().Unit != 0;
            BuildSubtitlePage(QStringLiteral("负荷逐时数据 单位:%1")
                                  .arg(engineering ? QStringLiteral("kcal/h") : QStringLiteral("W")));
        }
        if (!AddSection(hourly))
            return;
    }
    if (m_options.IsOutput(457) && !AddSection(BuildConditionAnalysisSection()))
        return;
    if (m_options.IsOutput(467) && !AddSection(BuildStoreyGroupSection()))
        return;
    if (m_options.IsOutput(468) && !AddSection(BuildReturnAirSystemSection()))
        return;
    if (m_options.IsOutput(469) && !AddSection(BuildFreshAirSystemSection()))
        return;
    if (m_options.IsOutput(613) && !AddSection(BuildRemarksSection()))
        return;
}

bool CCalculationBook::AddSection(CQORReport* report)
{
    if (Stopped())
        return false;
    if (!report)
        return true;
    if (m_firstSection) {
        report->SetFirstHeaderProperty();
        m_firstSection = false;
    }
    BookReport->AddSubReport(report);
    return true;
}

CQORReport* CCalculationBook::BuildSubtitlePage(const QString& caption)
{
    CQORReport* page = NewReport("lib/Report/subtitle.grf");
    page->m_CellExportFlag = false;
    page->SetReportParameter(QStringLiteral("subtitle"), NumberedTitle(caption));
    BookReport->AddSubReport(page);
    if (m_firstSection) {
        page->SetFirstHeaderProperty();
        m_firstSection = false;
    }
    return page;
}

CQORReport* CCalculationBook::NewReport(const char* templatePath)
{
    auto* report = new CQORReport;
    ReportList.Add(report);
    if (*templatePath)
        report->LoadReportTemplate(CProgramFolder::Resolve(QString::fromLatin1(templatePath)));
    return report;
}

CQORReport* CCalculationBook::NewSectionReport(const char* templatePath, const char* landscapeKey)
{
    CQORReport* report = NewReport(templatePath);
    if (m_landscape.ReadRegistryInt(QString::fromLatin1(landscapeKey)) == 1) {
        report->m_Landscape = true;
        report->m_PageBreakFlag = false;
    }
    return report;
}

QString CCalculationBook::NumberedTitle(const QString& caption)
{
    const QString title = QStringLiteral("%1、%2").arg(ChineseNumeral(SectionCounter + 1), caption);
    ++SectionCounter;
    return title;
}

bool CCalculationBook::CoolingDesignType()
{
    const int designType = CurrentDesignType();
    return designType >= 0 && designType <= kLastCoolingDesignType;
}

void CCalculationBook::Progress(const QString& text)
{
    if (CCalMsgOutput* progress = CCalMsgOutput::GetCurrent())
        progress->SetCalcMessage(text);
}

std::unique_ptr<CHeatingLoadBookBase> CCalculationBook::BuildHeatingLoadBook(CCalculate_Manager& manager)
{
    std::unique_ptr<CHeatingLoadBookBase> book = CHeatingLoadBookBase::Create();
    if (book)
        book->BuildReport(manager);
    return book;
}
