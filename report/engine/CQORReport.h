#pragma once
#include "platform/core/CMyList.h"
#include "platform/core/CMyMap.h"
#include "report/engine/CQORReportField.h"
#include "report/engine/CQORReportRecord.h"
#include "report/engine/CReportTemplate.h"

#include <QString>
#include <QStringList>
#include <bitset>
#include <functional>
#include <memory>

class QIODevice;
class CReportConfig;

// Export types, numbered as callers pass them to ExportReport.
enum class ReportExportType : int
{
    Xls = 1,
    Txt = 2,
    Htm = 3,
    Rtf = 4,
    Pdf = 5,
    Csv = 6,
    Tif = 7
};

// The system's report document: a template, named parameters, the fields and rows of text cells of
// the detail table, and reports hung below it as sub-reports. Builders load a template, set
// parameters, add every field before the first row, write cells row by row (a row index at or past
// the end appends exactly one row), hang sub-reports, then preview, export or write the HTML page.
//
// The report owns its rows, fields and report object; it does not own its sub-reports (whoever
// creates a sub-report deletes it, after the parent). Outputs read the rows when they run, through
// GridppReport1FetchRecord; the HTML page reads the report's own copy.
class CQORReport
{
public:
    using ToolbarSwitches = std::bitset<7>;

    CQORReport();
    ~CQORReport();
    CQORReport(const CQORReport&) = delete;
    CQORReport& operator=(const CQORReport&) = delete;

    // Loads the template (a failure is shown by the report engine and leaves the report object as it
    // was); the report takes the template's title unless it has one already.
    void LoadReportTemplate(const QString& path);
    // The report object's title (sheet names, PDF title); m_Title stays.
    void SetReportTitle(const QString& title);
    // Recorded in every case; printed where the template declares the parameter.
    CQORReport& SetReportParameter(const QString& name, const QString& value);
    CQORReport& AddReportField(const QString& name);
    CQORReport& SetReportCell(int row, int column, const QString& text);
    CQORReport& SetReportCellInt(int row, int column, int value);
    // printf-style format of one double ("%.2f").
    CQORReport& SetReportCellFormat(int row, int column, double value, const char* format);
    // Marks exactly the first count names as used.
    CQORReport& SetUsedFields(const QStringList& names, int count);
    // Raises Exception "无法找到列<name>" when the template has no such column.
    CQORReport& SetColumnTitle(const QString& columnName, const QString& title);
    // Hides the columns whose field is a report field that received no value; shows every other
    // column. A report without fields keeps its columns. With recursive, the same on the sub-reports.
    CQORReport& HideUnusedColumns(bool recursive);
    // Hangs the child below this report in a report header of its own; null does nothing.
    void AddSubReport(CQORReport* child);
    // The first report header starts on a new page.
    void SetFirstHeaderProperty();
    // Loads the picture of the template's picture control of that name; nothing when there is none.
    CQORReport& SetPictureFile(const QString& controlName, const QString& file);
    // Size of the template's control of that name in screen pixels (96 per inch); false without one.
    bool GetControlSize(const QString& controlName, int& width, int& height) const;
    // Orientation of the report object from m_Landscape, the page-break switch of the report's
    // sub-report control from m_PageBreakFlag; the same on every sub-report.
    void ApplyPrintSettings();
    // Workbook export mode of the sub-report controls of the whole tree (see ExportReport).
    void SetCellExportMode(bool on);

    // Shows the report in the program's modal preview window, from where it can be printed.
    void PreviewReport();
    void PreviewReport(const ToolbarSwitches& toolbar);
    // Writes the report tree to the file in one of the ReportExportType formats, each report in the
    // orientation its m_Landscape asks for. Workbooks put every direct sub-report on a sheet of its own
    // unless the settings' "ExportNewSheet" says otherwise, and leave out the reports whose
    // m_CellExportFlag is off. False, after telling the user, when the file cannot be written or the
    // type is unknown; a file already there is then left as it was.
    bool ExportReport(const QString& fileName, int exportType, const CReportConfig* settings);
    // The program's own web page of the report tree, GB2312 text, steered by the ".config" file
    // beside each template. False when the device refuses the text.
    bool WriteHtmlReport(QIODevice& out, const QString& styleSheetPath, const QString& programName);

    // Delivers the rows to the report object. A report field the template lacks stops the delivery
    // with the message "报表传入数据越界 in GridppReport1FetchRecord".
    void GridppReport1FetchRecord();

    // Named variables that the template prints and the program computes.
    void SetVariableCallback(CReportTemplate::Resolver callback);

    // Read access.
    const QString& TemplateFile() const { return m_TemplateFile; }
    const QString& Title() const { return m_Title; }
    int RecordCount() const { return m_Records.Count(); }
    // "" outside the rows and cells.
    QString Cell(int row, int column) const;
    int FieldCount() const { return m_Fields.Count(); }
    CQORReportField* Field(int index) const { return m_Fields.Get(index); }
    CQORReportField* FindField(const QString& name) const { return m_FieldMap.Get(name); }
    bool HasParameter(const QString& name) const { return m_Parameters.Contains(name); }
    // "0" for a parameter never set.
    QString Parameter(const QString& name) const { return m_Parameters.Get(name); }
    int SubReportCount() const { return m_SubReports.Count(); }
    CQORReport* SubReport(int index) const { return m_SubReports.Get(index); }
    CQORReport* Parent() const { return m_Parent; }
    CReportTemplate& ReportObject() { return *m_Report; }
    const CReportTemplate& ReportObject() const { return *m_Report; }
    CReportTemplate::SControl* SubReportControl() const { return m_SubReportControl; }

    bool m_CellExportFlag = true; // written in workbook exports
    bool m_PageBreakFlag = true;  // a new page after this report when it is a sub-report
    bool m_Landscape = false;
    QString m_Paper = QStringLiteral("A4");

private:
    void ApplyOrientation();
    bool WriteExport(const QString& fileName, int exportType, bool sameAsPrint, QString& error);

    QString m_TemplateFile;
    CMyMap<QString, QString> m_Parameters;
    mutable CMyList<CQORReportRecord> m_Records{true};
    mutable CMyList<CQORReportField> m_Fields{true};
    CMyMap<QString, CQORReportField*> m_FieldMap;
    CReportTemplate::SControl* m_SubReportControl = nullptr;
    CQORReport* m_Parent = nullptr;
    mutable CMyList<CQORReport> m_SubReports{false};
    std::unique_ptr<CReportTemplate> m_Report;
    QString m_Title;
};
