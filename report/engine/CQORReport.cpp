#include "report/engine/CQORReport.h"

#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

#include <QFile>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcReport, "didivov.report", QtWarningMsg)

namespace {
void ShowEngineMessage(const QString& message)
{
    if (CTool::Exists())
        CTool::Current().ShowMessage(message);
    else
        qCWarning(lcReport).noquote() << message;
}
} // namespace

CQORReport::CQORReport() : m_Report(std::make_unique<CReportTemplate>())
{
    m_Report->SetFetchHandler([this] { GridppReport1FetchRecord(); });
}

CQORReport::~CQORReport()
{
    // Parent and children may be deleted in either order: whichever goes first unhooks the other,
    // so no report is left pointing at a deleted one.
    if (m_Parent) {
        const int index = m_Parent->m_SubReports.IndexOf(this);
        if (index >= 0)
            m_Parent->m_SubReports.Delete(index, 0);
        if (m_SubReportControl)
            m_SubReportControl->subReport = nullptr;
    }
    for (int i = 0; i < m_SubReports.Count(); ++i) {
        CQORReport* child = m_SubReports.Get(i);
        child->m_Parent = nullptr;
        child->m_SubReportControl = nullptr;
    }
    m_Report.reset();
    m_Records.Clear();
    m_SubReports.Clear();
    m_FieldMap.Clear();
    m_Fields.Clear();
    m_Parameters.Clear();
}

void CQORReport::LoadReportTemplate(const QString& path)
{
    m_TemplateFile = path;
    QString error;
    if (!m_Report->LoadFromFile(path, error))
        ShowEngineMessage(error);
    if (m_Title.isEmpty())
        m_Title = m_Report->Title();
}

void CQORReport::SetReportTitle(const QString& title)
{
    m_Report->SetTitle(title);
}

CQORReport& CQORReport::SetReportParameter(const QString& name, const QString& value)
{
    m_Report->SetParameter(name, value);
    m_Parameters.Set(name, value);
    return *this;
}

CQORReport& CQORReport::AddReportField(const QString& name)
{
    auto* field = new CQORReportField(name, m_Fields.Count());
    m_Fields.Add(field);
    m_FieldMap.Set(name, field);
    return *this;
}

CQORReport& CQORReport::SetReportCell(int row, int column, const QString& text)
{
    CQORReportRecord* record = row >= 0 ? m_Records.Get(row) : nullptr;
    if (!record) {
        // Any index past the end appends exactly one row.
        record = new CQORReportRecord(m_Fields.Count());
        m_Records.Add(record);
    }
    // A field added after the row was created has no cell in it; such writes are dropped.
    if (column >= 0 && column < record->m_Cells.size())
        record->m_Cells[column] = text;
    if (CQORReportField* field = m_Fields.Get(column))
        field->m_Used = true;
    return *this;
}

CQORReport& CQORReport::SetReportCellInt(int row, int column, int value)
{
    return SetReportCell(row, column, QString::number(value));
}

CQORReport& CQORReport::SetReportCellFormat(int row, int column, double value, const char* format)
{
    return SetReportCell(row, column, QString::asprintf(format, value));
}

CQORReport& CQORReport::SetUsedFields(const QStringList& names, int count)
{
    for (int i = 0; i < m_Fields.Count(); ++i)
        m_Fields.Get(i)->m_Used = false;
    for (int i = 0; i < count && i < names.size(); ++i)
        if (CQORReportField* field = m_FieldMap.Get(names.at(i)))
            field->m_Used = true;
    return *this;
}

CQORReport& CQORReport::SetColumnTitle(const QString& columnName, const QString& title)
{
    CReportTemplate::SColumn* column = m_Report->FindColumn(columnName);
    if (!column)
        throw Exception(QStringLiteral("无法找到列%1").arg(columnName));
    column->title = title;
    return *this;
}

CQORReport& CQORReport::HideUnusedColumns(bool recursive)
{
    if (m_Fields.Count() > 0) {
        for (CReportTemplate::SColumn& column : m_Report->Columns()) {
            const CQORReportField* field = m_FieldMap.Get(column.dataField);
            column.visible = !(field && !field->m_Used);
        }
    }
    if (recursive)
        for (int i = 0; i < m_SubReports.Count(); ++i)
            if (CQORReport* child = m_SubReports.Get(i))
                child->HideUnusedColumns(true);
    return *this;
}

void CQORReport::AddSubReport(CQORReport* child)
{
    if (!child)
        return;
    m_SubReports.Add(child);
    child->m_Parent = this;

    CReportTemplate::SBand& header = m_Report->AddReportHeader(0.1);
    auto control = std::make_unique<CReportTemplate::SControl>();
    control->kind = CReportTemplate::ControlKind::SubReport;
    control->height = 0.1;
    control->subReport = child->m_Report.get();
    control->pageBreak = false;
    control->newSheet = false;
    child->m_SubReportControl = control.get();
    header.controls.push_back(std::move(control));
}

void CQORReport::SetFirstHeaderProperty()
{
    if (!m_Report->ReportHeaders().empty())
        m_Report->ReportHeaders().front()->newPage = 2;
}

CQORReport& CQORReport::SetPictureFile(const QString& controlName, const QString& file)
{
    CReportTemplate::SControl* control = m_Report->FindControl(controlName);
    if (!control || control->kind != CReportTemplate::ControlKind::Picture)
        return *this;
    QFile f(file);
    if (f.open(QIODevice::ReadOnly))
        control->picture = f.readAll();
    else
        control->picture.clear();
    return *this;
}

bool CQORReport::GetControlSize(const QString& controlName, int& width, int& height) const
{
    const CReportTemplate::SControl* control = m_Report->FindControl(controlName);
    if (!control)
        return false;
    constexpr double pixelsPerMm = 96.0 / 25.4;
    width = qRound(control->width * pixelsPerMm);
    height = qRound(control->height * pixelsPerMm);
    return true;
}

void CQORReport::ApplyOrientation()
{
    m_Report->SetLandscape(m_Landscape);
    for (int i = 0; i < m_SubReports.Count(); ++i)
        if (CQORReport* child = m_SubReports.Get(i))
            child->ApplyOrientation();
}

void CQORReport::ApplyPrintSettings()
{
    m_Report->SetLandscape(m_Landscape);
    if (m_SubReportControl)
        m_SubReportControl->pageBreak = m_PageBreakFlag;
    for (int i = 0; i < m_SubReports.Count(); ++i)
        if (CQORReport* child = m_SubReports.Get(i))
            child->ApplyPrintSettings();
}

void CQORReport::SetCellExportMode(bool on)
{
    if (m_SubReportControl) {
        m_SubReportControl->pageBreak = !on;
        m_SubReportControl->cellExport = on ? m_CellExportFlag : true;
    }
    for (int i = 0; i < m_SubReports.Count(); ++i)
        if (CQORReport* child = m_SubReports.Get(i))
            child->SetCellExportMode(on);
}

void CQORReport::GridppReport1FetchRecord()
{
    qCDebug(lcReport).noquote() << QStringLiteral("%1 Begin").arg(m_Title);
    QList<int> targets;
    for (int k = 0; k < m_Fields.Count(); ++k)
        targets.append(m_Report->FieldIndex(m_Fields.Get(k)->m_Name));

    m_Report->ClearRecords();
    const int width = m_Report->FieldNames().size();
    for (int r = 0; r < m_Records.Count(); ++r) {
        const CQORReportRecord* row = m_Records.Get(r);
        QStringList values;
        for (int i = 0; i < width; ++i)
            values.append(QString());
        for (int k = 0; k < targets.size(); ++k) {
            if (targets.at(k) < 0) {
                ShowEngineMessage(QStringLiteral("报表传入数据越界 in GridppReport1FetchRecord"));
                return;
            }
            values[targets.at(k)] = k < row->m_Cells.size() ? row->m_Cells.at(k) : QString();
        }
        m_Report->AppendRecord(values);
    }
    qCDebug(lcReport).noquote() << QStringLiteral("%1 End").arg(m_Title);
}

void CQORReport::SetVariableCallback(CReportTemplate::Resolver callback)
{
    m_Report->SetVariableCallback(std::move(callback));
}

QString CQORReport::Cell(int row, int column) const
{
    const CQORReportRecord* record = row >= 0 ? m_Records.Get(row) : nullptr;
    if (!record || column < 0 || column >= record->m_Cells.size())
        return QString();
    return record->m_Cells.at(column);
}
