#include "report/engine/CReportRtfWriter.h"

#include "report/engine/CReportPainter.h"

namespace {
constexpr double TwipsPerMm = 1440.0 / 25.4;

int Twips(double mm)
{
    return qRound(mm * TwipsPerMm);
}

QString Escaped(const QString& text)
{
    QString out;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (c == QLatin1Char('\\') || c == QLatin1Char('{') || c == QLatin1Char('}'))
            out += QLatin1Char('\\') + c;
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\line ");
        else if (c == QLatin1Char('\r') || c == QLatin1Char('\t'))
            out += QLatin1Char(' ');
        else if (u < 0x80)
            out += c;
        else
            out += QStringLiteral("\\u%1?").arg(static_cast<short>(u));
    }
    return out;
}

QString HalfPoints(const CReportTemplate& report, bool title)
{
    const CReportTemplate::SFont& font = title ? report.TitleFont() : report.CellFont();
    return QString::number(qRound(font.pointSize * 2));
}

QString SectionSettings(const CReportTemplate& report)
{
    QSizeF size = CReportPainter::PaperSize(report.Paper());
    if (report.Landscape())
        size.transpose();
    return QStringLiteral("%1\\pgwsxn%2\\pghsxn%3\\marglsxn%4\\margrsxn%5\\margtsxn%6\\margbsxn%7 ")
        .arg(report.Landscape() ? QStringLiteral("\\lndscpsxn") : QString())
        .arg(Twips(size.width()))
        .arg(Twips(size.height()))
        .arg(Twips(report.LeftMargin()))
        .arg(Twips(report.RightMargin()))
        .arg(Twips(report.TopMargin()))
        .arg(Twips(report.BottomMargin()));
}
} // namespace

QByteArray CReportRtfWriter::Render(const QList<CReportFlow::SItem>& flow)
{
    using Kind = CReportFlow::SItem::Kind;
    const CReportTemplate* top = flow.isEmpty() ? nullptr : flow.first().report;
    QString rtf =
        QStringLiteral("{\\rtf1\\ansi\\ansicpg936\\deff0\\uc1{\\fonttbl{\\f0\\fnil\\fcharset134 %1;}}\n")
            .arg(top ? top->DefaultFont().family : QStringLiteral("Noto Sans CJK SC"));
    if (top)
        rtf += QStringLiteral("\\sectd ") + SectionSettings(*top) + QLatin1Char('\n');

    const CReportTemplate* sheet = top; // the report whose page settings the current section has
    bool pageBreak = false;
    QList<int> cellRights;
    QList<bool> numeric;
    const CReportTemplate* table = nullptr;
    QList<const CReportTemplate::SColumn*> columns;
    const auto beforeContent = [&](const CReportTemplate& report) {
        if (sheet && (report.Landscape() != sheet->Landscape() || report.Paper() != sheet->Paper())) {
            rtf += QStringLiteral("\\sect\\sectd ") + SectionSettings(report) + QLatin1Char('\n');
            sheet = &report;
            pageBreak = false;
        }
        if (pageBreak) {
            rtf += QStringLiteral("\\page\n");
            pageBreak = false;
        }
    };
    const auto writeRow = [&](const QStringList& cells, bool title) {
        rtf += QStringLiteral("\\trowd\\trgaph57\\trleft0");
        if (title)
            rtf += QStringLiteral("\\trhdr");
        for (int right : cellRights)
            rtf +=
                QStringLiteral("\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10"
                               "\\clbrdrr\\brdrs\\brdrw10\\cellx%1")
                    .arg(right);
        rtf += QLatin1Char('\n');
        for (int c = 0; c < cellRights.size(); ++c) {
            const QString text = cells.value(c);
            const QString align =
                title ? QStringLiteral("\\qc") : (numeric.value(c) ? QStringLiteral("\\qr") : QString());
            rtf += QStringLiteral("\\pard\\intbl%1\\plain\\f0\\fs%2%3 %4\\cell")
                       .arg(align, HalfPoints(*table, title), title ? QStringLiteral("\\b") : QString(),
                            Escaped(text));
        }
        rtf += QStringLiteral("\\row\n");
    };

    for (const CReportFlow::SItem& item : flow) {
        switch (item.kind) {
        case Kind::PageBreak:
            pageBreak = true;
            break;
        case Kind::Band: {
            const QList<QStringList> lines = CReportFlow::BandLines(item);
            if (lines.isEmpty())
                break;
            beforeContent(*item.report);
            for (const QStringList& line : lines)
                rtf += QStringLiteral("{\\pard\\plain\\f0\\fs%1 %2\\par}\n")
                           .arg(qRound(item.report->DefaultFont().pointSize * 2))
                           .arg(Escaped(line.join(QLatin1String("    "))));
            break;
        }
        case Kind::TableBegin: {
            beforeContent(*item.report);
            table = item.report;
            columns = item.columns;
            QSizeF size = CReportPainter::PaperSize(table->Paper());
            if (table->Landscape())
                size.transpose();
            const double body = size.width() - table->LeftMargin() - table->RightMargin();
            double total = 0;
            for (const auto* column : item.columns)
                total += column->width;
            const double scale = total > body && total > 0 ? body / total : 1.0;
            cellRights.clear();
            double right = 0;
            for (const auto* column : item.columns) {
                right += column->width * scale;
                cellRights.append(Twips(right));
            }
            numeric.clear();
            QStringList titles;
            for (const auto* column : item.columns)
                titles.append(column->title);
            writeRow(titles, true);
            break;
        }
        case Kind::Row:
            if (!table)
                break;
            numeric.clear();
            for (int c = 0; c < item.cells.size(); ++c) {
                const auto align = c < columns.size() ? columns.at(c)->align : CReportTemplate::Align::Auto;
                numeric.append(align == CReportTemplate::Align::Right ||
                               (align == CReportTemplate::Align::Auto &&
                                CReportFlow::IsNumber(item.cells.at(c).trimmed())));
            }
            writeRow(item.cells, false);
            break;
        case Kind::TableEnd:
            table = nullptr;
            rtf += QStringLiteral("\\pard\\par\n");
            break;
        default:
            break;
        }
    }
    rtf += QStringLiteral("}\n");
    return rtf.toLatin1();
}
