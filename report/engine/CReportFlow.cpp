#include "report/engine/CReportFlow.h"

#include <algorithm>

namespace {
using SItem = CReportFlow::SItem;

SItem MakeItem(SItem::Kind kind, const CReportTemplate& report, int depth)
{
    SItem item;
    item.kind = kind;
    item.report = &report;
    item.depth = depth;
    return item;
}

SItem BandItem(const CReportTemplate& report, int depth, const CReportTemplate::SBand& band,
               const QStringList* record)
{
    SItem item = MakeItem(SItem::Kind::Band, report, depth);
    item.band = &band;
    for (const auto& control : band.controls)
        item.texts.append(control->kind == CReportTemplate::ControlKind::Text
                              ? report.ResolveText(control->text, record)
                              : QString());
    return item;
}

bool HoldsSubReport(const CReportTemplate::SBand& band)
{
    return std::any_of(band.controls.begin(), band.controls.end(),
                       [](const auto& c) { return c->kind == CReportTemplate::ControlKind::SubReport; });
}
} // namespace

QList<SItem> CReportFlow::Build(CReportTemplate& root)
{
    QList<SItem> flow;
    AddSection(flow, root, 0, nullptr);
    return flow;
}

void CReportFlow::AddSection(QList<SItem>& flow, CReportTemplate& report, int depth,
                             const CReportTemplate::SControl* control)
{
    report.FetchRecords();
    SItem begin = MakeItem(SItem::Kind::SectionBegin, report, depth);
    begin.control = control;
    flow.append(begin);

    const auto addBand = [&](const CReportTemplate::SBand& band) {
        if (band.newPage == 2)
            flow.append(MakeItem(SItem::Kind::PageBreak, report, depth));
        flow.append(BandItem(report, depth, band, nullptr));
        if (band.newPage == 1)
            flow.append(MakeItem(SItem::Kind::PageBreak, report, depth));
    };
    const auto addSubReports = [&]() {
        for (const auto& band : report.ReportHeaders()) {
            if (!HoldsSubReport(*band))
                continue;
            if (band->newPage == 2)
                flow.append(MakeItem(SItem::Kind::PageBreak, report, depth));
            for (const auto& c : band->controls) {
                if (c->kind != CReportTemplate::ControlKind::SubReport || !c->subReport)
                    continue;
                AddSection(flow, *c->subReport, depth + 1, c.get());
                if (c->pageBreak)
                    flow.append(MakeItem(SItem::Kind::PageBreak, report, depth));
            }
            if (band->newPage == 1)
                flow.append(MakeItem(SItem::Kind::PageBreak, report, depth));
        }
    };

    for (const auto& band : report.ReportHeaders())
        if (!HoldsSubReport(*band))
            addBand(*band);
    if (report.SubReportSlotBeforeDetail())
        addSubReports();
    AddDetail(flow, report, depth);
    if (!report.SubReportSlotBeforeDetail())
        addSubReports();
    flow.append(MakeItem(SItem::Kind::SectionEnd, report, depth));
}

void CReportFlow::AddDetail(QList<SItem>& flow, const CReportTemplate& report, int depth)
{
    if (!report.HasDetailGrid())
        return;
    SItem begin = MakeItem(SItem::Kind::TableBegin, report, depth);
    QList<int> sources;
    for (const CReportTemplate::SColumn& column : report.Columns()) {
        if (!column.visible)
            continue;
        begin.columns.append(&column);
        sources.append(report.FieldIndex(column.dataField));
    }
    if (begin.columns.isEmpty())
        return;
    flow.append(begin);

    const int groupIndex = report.GroupField().isEmpty() ? -1 : report.FieldIndex(report.GroupField());
    const bool grouped = groupIndex >= 0 && (report.GroupHeader() || report.GroupFooter());
    const QList<QStringList>& records = report.Records();
    for (int r = 0; r < records.size(); ++r) {
        const QStringList& record = records.at(r);
        if (grouped) {
            const bool starts = r == 0 || records.at(r - 1).value(groupIndex) != record.value(groupIndex);
            if (starts && r > 0 && report.GroupFooter())
                flow.append(BandItem(report, depth, *report.GroupFooter(), &records.at(r - 1)));
            if (starts && report.GroupHeader())
                flow.append(BandItem(report, depth, *report.GroupHeader(), &record));
        }
        SItem row = MakeItem(SItem::Kind::Row, report, depth);
        for (int source : sources)
            row.cells.append(source >= 0 ? record.value(source) : QString());
        flow.append(row);
    }
    if (grouped && !records.isEmpty() && report.GroupFooter())
        flow.append(BandItem(report, depth, *report.GroupFooter(), &records.last()));
    flow.append(MakeItem(SItem::Kind::TableEnd, report, depth));
}

QList<QStringList> CReportFlow::BandLines(const SItem& band)
{
    struct SPiece
    {
        double top;
        double left;
        QString text;
    };
    QList<SPiece> pieces;
    if (!band.band)
        return {};
    for (size_t i = 0; i < band.band->controls.size(); ++i) {
        const auto& control = band.band->controls[i];
        const QString text = band.texts.value(static_cast<int>(i)).trimmed();
        if (control->kind == CReportTemplate::ControlKind::Text && !text.isEmpty())
            pieces.append(SPiece{control->top, control->left, text});
    }
    std::sort(pieces.begin(), pieces.end(), [](const SPiece& a, const SPiece& b) {
        return a.top < b.top || (a.top == b.top && a.left < b.left);
    });
    QList<QStringList> lines;
    QList<SPiece> line;
    const auto flush = [&]() {
        if (line.isEmpty())
            return;
        std::sort(line.begin(), line.end(), [](const SPiece& a, const SPiece& b) { return a.left < b.left; });
        QStringList texts;
        for (const SPiece& p : line)
            texts.append(p.text);
        lines.append(texts);
        line.clear();
    };
    for (const SPiece& p : pieces) {
        if (!line.isEmpty() && p.top - line.first().top > 0.5)
            flush();
        line.append(p);
    }
    flush();
    return lines;
}

// -?(0|[1-9][0-9]*)(\.[0-9]+)? read by hand: every cell of every page asks, and a pattern match
// cost a tenth of the time of a large book.
bool CReportFlow::IsNumber(const QString& text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    auto digit = [&](qsizetype at) { return at < n && text.at(at) >= QLatin1Char('0') && text.at(at) <= QLatin1Char('9'); };
    if (i < n && text.at(i) == QLatin1Char('-'))
        ++i;
    if (!digit(i))
        return false;
    if (text.at(i) == QLatin1Char('0'))
        ++i;
    else
        while (digit(i))
            ++i;
    if (i < n && text.at(i) == QLatin1Char('.')) {
        ++i;
        if (!digit(i))
            return false;
        while (digit(i))
            ++i;
    }
    return i == n;
}
