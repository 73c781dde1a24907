#include "report/engine/CReportPaginator.h"

#include "report/engine/CReportPainter.h"

#include <QFontMetricsF>
#include <QTextLayout>
#include <QTextOption>

namespace {
using SItem = CReportFlow::SItem;
using SControl = CReportTemplate::SControl;

constexpr double Units = 100.0;     // font units per millimetre (see CReportPainter::FontFor)
constexpr double CellPadding = 0.8; // left and right inset of table cells
constexpr double CellSpacing = 0.6; // top and bottom inset of table cells
constexpr double Epsilon = 1e-6;

// A page band whose texts hold the page number wait until the page count is known.
struct SDeferred
{
    int page;
    int item;
    const CReportTemplate* report;
    QString text;
    double height;
};

class CLayout
{
public:
    QList<CReportPage> Run(const QList<SItem>& flow);

private:
    void PlaceBand(const CReportTemplate& report, const CReportTemplate::SBand& band,
                   const QStringList& texts);
    void PlaceControls(const CReportTemplate& report, const CReportTemplate::SBand& band,
                       const QStringList* texts, double top);
    void Need(double height);
    void StartPage();
    void BeginTable(const SItem& item);
    void PlaceRow(const QStringList& cells, bool title);
    double RowHeight(const QStringList& cells, bool title, QList<QStringList>& lines) const;
    const CReportTemplate* Current() const { return m_stack.isEmpty() ? nullptr : m_stack.last(); }
    const CReportTemplate* PageBandOwner(bool header) const;
    void ResolveDeferred();

    QList<CReportPage> m_pages;
    bool m_open = false; // the last page takes more content
    double m_y = 0;
    double m_top = 0;
    double m_bottom = 0;
    double m_left = 0;
    double m_width = 0;
    QList<const CReportTemplate*> m_stack;
    QList<SDeferred> m_deferred;

    // The open table.
    const CReportTemplate* m_table = nullptr;
    QList<const CReportTemplate::SColumn*> m_columns;
    QList<double> m_x;
    QList<double> m_widths;
    QStringList m_titles;
    bool m_titlePending = false;
    int m_rows = 0;
};

QList<CReportPage> CLayout::Run(const QList<SItem>& flow)
{
    const CReportTemplate* root = flow.isEmpty() ? nullptr : flow.first().report;
    for (const SItem& item : flow) {
        switch (item.kind) {
        case SItem::Kind::SectionBegin:
            m_stack.append(item.report);
            break;
        case SItem::Kind::SectionEnd:
            if (!m_stack.isEmpty())
                m_stack.removeLast();
            break;
        case SItem::Kind::PageBreak:
            m_open = false;
            break;
        case SItem::Kind::Band:
            if (item.band)
                PlaceBand(*item.report, *item.band, item.texts);
            break;
        case SItem::Kind::TableBegin:
            BeginTable(item);
            break;
        case SItem::Kind::Row:
            PlaceRow(item.cells, false);
            break;
        case SItem::Kind::TableEnd:
            if (m_rows == 0)
                PlaceRow(QStringList(), false);
            m_table = nullptr;
            break;
        }
    }
    if (m_pages.isEmpty() && root) {
        m_stack = {root};
        StartPage();
    }
    ResolveDeferred();
    return m_pages;
}

const CReportTemplate* CLayout::PageBandOwner(bool header) const
{
    for (int i = m_stack.size() - 1; i >= 0; --i)
        if (header ? m_stack.at(i)->PageHeader() : m_stack.at(i)->PageFooter())
            return m_stack.at(i);
    return nullptr;
}

void CLayout::StartPage()
{
    const CReportTemplate* report = Current();
    CReportPage page;
    page.paper = report->Paper();
    page.landscape = report->Landscape();
    const QSizeF portrait = CReportPainter::PaperSize(page.paper);
    page.size = page.landscape ? QSizeF(portrait.height(), portrait.width()) : portrait;
    m_pages.append(page);
    m_open = true;

    m_left = report->LeftMargin();
    m_width = qMax(10.0, page.size.width() - report->LeftMargin() - report->RightMargin());
    m_top = report->TopMargin();
    m_bottom = page.size.height() - report->BottomMargin();
    if (const CReportTemplate* owner = PageBandOwner(true)) {
        PlaceControls(*owner, *owner->PageHeader(), nullptr, m_top);
        m_top += owner->PageHeader()->height;
    }
    if (const CReportTemplate* owner = PageBandOwner(false)) {
        m_bottom -= owner->PageFooter()->height;
        PlaceControls(*owner, *owner->PageFooter(), nullptr, m_bottom);
    }
    m_y = m_top;
    if (m_table)
        m_titlePending = m_table->ShowTitles();
}

void CLayout::Need(double height)
{
    if (m_open) {
        const CReportPage& page = m_pages.last();
        const CReportTemplate* report = Current();
        const bool sameSheet = page.landscape == report->Landscape() && page.paper == report->Paper();
        const bool fits = m_y + height <= m_bottom + Epsilon || m_y <= m_top + Epsilon;
        if (!sameSheet || !fits)
            m_open = false;
    }
    if (!m_open)
        StartPage();
}

// Controls of a band placed at the given top; null texts mean page band texts, resolved at the end.
void CLayout::PlaceControls(const CReportTemplate& report, const CReportTemplate::SBand& band,
                            const QStringList* texts, double top)
{
    CReportPage& page = m_pages.last();
    for (size_t i = 0; i < band.controls.size(); ++i) {
        const SControl& control = *band.controls[i];
        if (control.kind == CReportTemplate::ControlKind::SubReport)
            continue;
        CReportPage::SItem item;
        item.rect = QRectF(m_left + control.left, top + control.top, control.width, control.height);
        item.font = control.font;
        item.align =
            control.align == CReportTemplate::Align::Auto ? CReportTemplate::Align::Left : control.align;
        item.border = control.border;
        item.background = control.background;
        item.lineHeight = CReportPaginator::LineHeight(control.font);
        if (control.kind == CReportTemplate::ControlKind::Picture) {
            item.kind = CReportPage::SItem::Kind::Picture;
            item.picture = control.picture;
        } else if (texts) {
            const QStringList lines =
                CReportPaginator::BreakLines(texts->value(static_cast<int>(i)), control.font, control.width);
            const int fit = qMax(1, static_cast<int>((control.height + Epsilon) / item.lineHeight));
            item.lines = lines.mid(0, fit);
        } else {
            m_deferred.append(SDeferred{static_cast<int>(m_pages.size()) - 1,
                                        static_cast<int>(page.items.size()), &report, control.text,
                                        control.height});
        }
        page.items.append(std::move(item));
    }
}

void CLayout::PlaceBand(const CReportTemplate& report, const CReportTemplate::SBand& band,
                        const QStringList& texts)
{
    if (m_table && band.kind != CReportTemplate::BandKind::ReportHeader) {
        // Group bands come after the column titles, and a group header stays with its first row.
        QList<QStringList> titleLines;
        const double title = m_titlePending ? RowHeight(m_titles, true, titleLines) : 0;
        const double keep = band.kind == CReportTemplate::BandKind::GroupHeader ? m_table->RowHeight() : 0;
        Need(title + band.height + keep);
        if (m_titlePending) {
            m_titlePending = false;
            PlaceRow(m_titles, true);
        }
    } else {
        Need(band.height);
    }
    PlaceControls(report, band, &texts, m_y);
    m_y += band.height;
}

void CLayout::BeginTable(const SItem& item)
{
    m_table = item.report;
    m_columns = item.columns;
    m_rows = 0;
    m_titlePending = m_table->ShowTitles();
    double total = 0;
    for (const auto* column : m_columns)
        total += column->width;
    // Columns wider than the page shrink in proportion. The width is that of the page the table
    // begins on; a later page of another size keeps the same columns.
    Need(0);
    const double scale = total > m_width && total > 0 ? m_width / total : 1.0;
    m_x.clear();
    m_widths.clear();
    m_titles.clear();
    double x = m_left;
    for (const auto* column : m_columns) {
        m_x.append(x);
        m_widths.append(column->width * scale);
        m_titles.append(column->title);
        x += column->width * scale;
    }
}

double CLayout::RowHeight(const QStringList& cells, bool title, QList<QStringList>& lines) const
{
    const CReportTemplate::SFont& font = title ? m_table->TitleFont() : m_table->CellFont();
    const double lineHeight = CReportPaginator::LineHeight(font);
    int most = 1;
    lines.clear();
    for (int c = 0; c < m_columns.size(); ++c) {
        const QString text = cells.value(c);
        QStringList broken;
        if (!text.isEmpty())
            broken = CReportPaginator::BreakLines(text, font, m_widths.at(c) - 2 * CellPadding);
        most = qMax(most, static_cast<int>(broken.size()));
        lines.append(broken);
    }
    const double least = title ? m_table->TitleHeight() : m_table->RowHeight();
    return qMax(least, most * lineHeight + 2 * CellSpacing);
}

void CLayout::PlaceRow(const QStringList& cells, bool title)
{
    if (!m_table)
        return;
    const bool empty = cells.isEmpty();
    QList<QStringList> lines;
    const double height = empty ? 0 : RowHeight(cells, title, lines);
    if (!title) {
        QList<QStringList> titleLines;
        const double titleHeight = m_titlePending ? RowHeight(m_titles, true, titleLines) : 0;
        Need(height + titleHeight);
        if (m_titlePending) {
            m_titlePending = false;
            PlaceRow(m_titles, true);
        }
        if (empty)
            return;
        ++m_rows;
    }
    CReportPage& page = m_pages.last();
    const CReportTemplate::SFont& font = title ? m_table->TitleFont() : m_table->CellFont();
    for (int c = 0; c < m_columns.size(); ++c) {
        CReportPage::SItem item;
        item.rect = QRectF(m_x.at(c), m_y, m_widths.at(c), height);
        item.lines = lines.value(c);
        item.font = font;
        item.lineHeight = CReportPaginator::LineHeight(font);
        item.padding = CellPadding;
        item.border = m_table->CellBorder();
        CReportTemplate::Align align = m_columns.at(c)->align;
        if (title) {
            align = CReportTemplate::Align::Center;
            item.background = m_table->TitleBackground();
        } else if (align == CReportTemplate::Align::Auto) {
            align = CReportFlow::IsNumber(cells.value(c).trimmed()) ? CReportTemplate::Align::Right
                                                                    : CReportTemplate::Align::Left;
        }
        item.align = align;
        page.items.append(std::move(item));
    }
    m_y += height;
}

void CLayout::ResolveDeferred()
{
    const int count = m_pages.size();
    for (const SDeferred& d : m_deferred) {
        const auto pageVariables = [&d, count](const QString& name, QString& value) {
            if (name == QLatin1String("PageNumber"))
                value = QString::number(d.page + 1);
            else if (name == QLatin1String("PageCount"))
                value = QString::number(count);
            else
                return false;
            return true;
        };
        CReportPage::SItem& item = m_pages[d.page].items[d.item];
        const QString text = d.report->ResolveText(d.text, nullptr, pageVariables);
        const QStringList lines = CReportPaginator::BreakLines(text, item.font, item.rect.width());
        const int fit = qMax(1, static_cast<int>((d.height + Epsilon) / item.lineHeight));
        item.lines = lines.mid(0, fit);
    }
}
} // namespace

QList<CReportPage> CReportPaginator::Paginate(CReportTemplate& root)
{
    return Paginate(CReportFlow::Build(root));
}

QList<CReportPage> CReportPaginator::Paginate(const QList<CReportFlow::SItem>& flow)
{
    CLayout layout;
    return layout.Run(flow);
}

QStringList CReportPaginator::BreakLines(const QString& text, const CReportTemplate::SFont& font,
                                         double width)
{
    // Most cells are one short line: measuring it is much cheaper than laying it out.
    const QFont qfont = CReportPainter::FontFor(font);
    if (!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')) &&
        QFontMetricsF(qfont).horizontalAdvance(text) <= qMax(1.0, width * Units))
        return {text.trimmed()};
    QString prepared = text;
    prepared.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    prepared.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(prepared, qfont);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(qMax(1.0, width * Units));
        QString part = prepared.mid(line.textStart(), line.textLength());
        part.remove(QChar::LineSeparator);
        lines.append(part.trimmed());
    }
    layout.endLayout();
    if (lines.isEmpty())
        lines.append(QString());
    return lines;
}

double CReportPaginator::LineHeight(const CReportTemplate::SFont& font)
{
    return QFontMetricsF(CReportPainter::FontFor(font)).lineSpacing() / Units;
}
