#include "report/engine/CReportTextWriter.h"

namespace {
QString OneLine(const QString& text)
{
    QString line = text;
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return line;
}

QString CsvCell(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}
} // namespace

QByteArray CReportTextWriter::Render(const QList<CReportFlow::SItem>& flow, Format format)
{
    using Kind = CReportFlow::SItem::Kind;
    QString text;
    const auto writeLine = [&](const QStringList& cells) {
        QStringList out;
        for (const QString& cell : cells)
            out.append(format == Format::Csv ? CsvCell(cell)
                                             : OneLine(cell).replace(QLatin1Char('\t'), QLatin1Char(' ')));
        text += out.join(format == Format::Csv ? QLatin1Char(',') : QLatin1Char('\t'));
        text += QLatin1Char('\n');
    };
    for (const CReportFlow::SItem& item : flow) {
        switch (item.kind) {
        case Kind::Band:
            for (const QStringList& line : CReportFlow::BandLines(item))
                writeLine(line);
            break;
        case Kind::TableBegin: {
            QStringList titles;
            for (const auto* column : item.columns)
                titles.append(OneLine(column->title));
            writeLine(titles);
            break;
        }
        case Kind::Row:
            writeLine(item.cells);
            break;
        case Kind::TableEnd:
            text += QLatin1Char('\n');
            break;
        default:
            break;
        }
    }
    QByteArray bytes = format == Format::Csv ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    bytes += text.toUtf8();
    return bytes;
}
