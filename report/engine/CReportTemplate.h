#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

// The report object of the report engine: a template loaded from its XML file (docs/ReportTemplates.md)
// together with what the program changed in it since (parameter texts, column titles and visibility,
// pictures, orientation, the header bands and sub-report controls of the sub-reports) and the detail
// records delivered for the current output. Lengths are millimetres, font sizes points.
class CReportTemplate
{
public:
    enum class BandKind
    {
        ReportHeader,
        PageHeader,
        PageFooter,
        GroupHeader,
        GroupFooter
    };
    enum class ControlKind
    {
        Text,
        Picture,
        SubReport
    };
    enum class Align
    {
        Auto,
        Left,
        Center,
        Right
    };

    struct SFont
    {
        QString family;
        double pointSize = 9;
        bool bold = false;
    };

    struct SControl
    {
        ControlKind kind = ControlKind::Text;
        QString name;
        double left = 0, top = 0, width = 0, height = 0;
        QString text; // may hold [#Name#] placeholders
        SFont font;
        Align align = Align::Left;
        bool border = false;
        QString background; // "#RRGGBB" or empty
        QByteArray picture; // encoded picture file (PNG, JPEG, BMP, ...)
        // Sub-report controls: the report shown and its switches.
        CReportTemplate* subReport = nullptr;
        bool pageBreak = false; // a new page starts after the sub-report
        bool newSheet = false;  // workbook export: the sub-report goes to a sheet of its own
        bool cellExport = true; // workbook export: the sub-report is written at all
    };

    struct SBand
    {
        BandKind kind = BandKind::ReportHeader;
        double height = 0;
        int newPage = 0; // 0 none, 1 a new page after the band, 2 a new page before it
        std::vector<std::unique_ptr<SControl>> controls;
    };

    struct SColumn
    {
        QString name;
        QString dataField;
        QString title;
        double width = 20;
        Align align = Align::Auto;
        bool visible = true;
    };

    struct SParameter
    {
        QString name;
        QString value;
    };

    // Answers a placeholder name: true with the value, false when the name is not known.
    using Resolver = std::function<bool(const QString& name, QString& value)>;

    CReportTemplate();
    ~CReportTemplate();
    CReportTemplate(const CReportTemplate&) = delete;
    CReportTemplate& operator=(const CReportTemplate&) = delete;

    // Replaces the whole content with the file's. False with a message (and the content as it was)
    // when the file cannot be read or is no report template.
    bool LoadFromFile(const QString& path, QString& error);
    // The same from text; relative picture files are read from the folder given.
    bool LoadFromXml(const QByteArray& xml, const QString& folder, QString& error);

    const QString& Title() const { return m_title; }
    void SetTitle(const QString& title) { m_title = title; }
    const QString& Paper() const { return m_paper; }
    bool Landscape() const { return m_landscape; }
    void SetLandscape(bool landscape) { m_landscape = landscape; }
    double LeftMargin() const { return m_margins[0]; }
    double TopMargin() const { return m_margins[1]; }
    double RightMargin() const { return m_margins[2]; }
    double BottomMargin() const { return m_margins[3]; }
    const SFont& DefaultFont() const { return m_font; }

    // Parameters: SetParameter changes a declared parameter only and says whether it did.
    bool HasParameter(const QString& name) const;
    bool SetParameter(const QString& name, const QString& value);
    const QList<SParameter>& Parameters() const { return m_parameters; }

    const QStringList& FieldNames() const { return m_fields; }
    int FieldIndex(const QString& name) const; // -1 when the template has no such field

    // The control of that name in any band, or null.
    SControl* FindControl(const QString& name) const;

    const std::vector<std::unique_ptr<SBand>>& ReportHeaders() const { return m_reportHeaders; }
    SBand* PageHeader() const { return m_pageHeader.get(); }
    SBand* PageFooter() const { return m_pageFooter.get(); }
    SBand* GroupHeader() const { return m_groupHeader.get(); }
    SBand* GroupFooter() const { return m_groupFooter.get(); }
    const QString& GroupField() const { return m_groupField; }
    // A new report header band at the end of the report headers.
    SBand& AddReportHeader(double height);
    bool SubReportSlotBeforeDetail() const { return m_slotBeforeDetail; }

    bool HasDetailGrid() const { return m_hasDetailGrid; }
    std::vector<SColumn>& Columns() { return m_columns; }
    const std::vector<SColumn>& Columns() const { return m_columns; }
    SColumn* FindColumn(const QString& name);
    double TitleHeight() const { return m_titleHeight; }
    double RowHeight() const { return m_rowHeight; }
    const SFont& CellFont() const { return m_cellFont; }
    const SFont& TitleFont() const { return m_titleFont; }
    const QString& TitleBackground() const { return m_titleBackground; }
    // Page outputs: whether the cells are ruled and the title row printed (text flowing in a table).
    bool CellBorder() const { return m_cellBorder; }
    bool ShowTitles() const { return m_showTitles; }

    // Detail records: the engine asks for them through the fetch handler before every output; the
    // handler fills them with AppendRecord, one text per template field.
    void SetFetchHandler(std::function<void()> handler) { m_fetch = std::move(handler); }
    void FetchRecords();
    void ClearRecords() { m_records.clear(); }
    void AppendRecord(const QStringList& values) { m_records.append(values); }
    const QList<QStringList>& Records() const { return m_records; }

    // Named variables printed by the template that the program computes.
    void SetVariableCallback(Resolver callback) { m_variables = std::move(callback); }

    // Replaces the placeholders of the text: the extra resolver first (page numbers), then the
    // record's fields, then the parameters, then the variable callback. Unknown names stay.
    QString ResolveText(const QString& text, const QStringList* record, const Resolver& extra = {}) const;

private:
    void Clear();

    QString m_title;
    QString m_paper = QStringLiteral("A4");
    bool m_landscape = false;
    double m_margins[4] = {15, 15, 15, 15};
    SFont m_font;
    QList<SParameter> m_parameters;
    QStringList m_fields;
    std::vector<std::unique_ptr<SBand>> m_reportHeaders;
    std::unique_ptr<SBand> m_pageHeader;
    std::unique_ptr<SBand> m_pageFooter;
    std::unique_ptr<SBand> m_groupHeader;
    std::unique_ptr<SBand> m_groupFooter;
    QString m_groupField;
    bool m_slotBeforeDetail = false;
    bool m_hasDetailGrid = false;
    std::vector<SColumn> m_columns;
    double m_titleHeight = 8;
    double m_rowHeight = 6;
    SFont m_cellFont;
    SFont m_titleFont;
    QString m_titleBackground = QStringLiteral("#E8E8E8");
    bool m_cellBorder = true;
    bool m_showTitles = true;
    QList<QStringList> m_records;
    std::function<void()> m_fetch;
    Resolver m_variables;
};
