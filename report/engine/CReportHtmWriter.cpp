#include "report/engine/CReportHtmWriter.h"

namespace {
QString Escaped(const QString& text)
{
    QString html = text.toHtmlEscaped();
    html.replace(QLatin1String("\r\n"), QLatin1String("<br>"));
    html.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    return html;
}
} // namespace

QByteArray CReportHtmWriter::Render(const QList<CReportFlow::SItem>& flow, const QString& title)
{
    using Kind = CReportFlow::SItem::Kind;
    QString html;
    html += QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%1</title>\n"
                           "<style>body{font-family:\"Noto Sans CJK SC\",sans-serif;font-size:10pt}"
                           "table{border-collapse:collapse;margin:4px 0}"
                           "th,td{border:1px solid #888;padding:2px 4px}th{background:#e8e8e8}"
                           "td.n{text-align:right}</style>\n</head><body>\n")
                .arg(Escaped(title));
    for (const CReportFlow::SItem& item : flow) {
        switch (item.kind) {
        case Kind::Band:
            for (const QStringList& line : CReportFlow::BandLines(item)) {
                QStringList parts;
                for (const QString& text : line)
                    parts.append(Escaped(text));
                html += QStringLiteral("<p>%1</p>\n").arg(parts.join(QLatin1String("&nbsp;&nbsp;")));
            }
            break;
        case Kind::TableBegin:
            html += QStringLiteral("<table>\n<thead><tr>");
            for (const auto* column : item.columns)
                html += QStringLiteral("<th>%1</th>").arg(Escaped(column->title));
            html += QStringLiteral("</tr></thead>\n<tbody>\n");
            break;
        case Kind::Row:
            html += QStringLiteral("<tr>");
            for (const QString& cell : item.cells)
                html += CReportFlow::IsNumber(cell.trimmed())
                            ? QStringLiteral("<td class=\"n\">%1</td>").arg(Escaped(cell))
                            : QStringLiteral("<td>%1</td>").arg(Escaped(cell));
            html += QStringLiteral("</tr>\n");
            break;
        case Kind::TableEnd:
            html += QStringLiteral("</tbody></table>\n");
            break;
        case Kind::PageBreak:
            html += QStringLiteral("<div style=\"page-break-after:always\"></div>\n");
            break;
        default:
            break;
        }
    }
    html += QStringLiteral("</body></html>\n");
    return html.toUtf8();
}
