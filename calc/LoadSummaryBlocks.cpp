#include "calc/LoadSummaryBlocks.h"

#include "calc/CCalculateHostBase.h"

namespace {
constexpr int kSummaryCategory = 3;

bool BlockBelongsTo(int block, int kind)
{
    if (block == kTotalsBlock)
        return kind >= 0 && kind <= 3;
    return block == kind;
}

QString Number(double value)
{
    return QString::number(value, 'f', 2);
}
} // namespace

QString FormatSummaryLine(const SSummaryLine& line, const SSummaryValues& values)
{
    if (!line.Text)
        return values.Caption(line.Array) + QStringLiteral(": ") + Number(values.Peak(line.Array)) +
               QLatin1Char(' ');
    const QString text = QString::fromUtf8(line.Text);
    if (!text.contains(QLatin1Char('%')))
        return text + QStringLiteral(": ") + Number(values.Peak(line.Array)) + QLatin1Char(' ');

    QString out;
    int numbers = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('%') && i + 1 < text.size()) {
            const QChar code = text[i + 1];
            if (code == QLatin1Char('f')) {
                out += Number(numbers++ == 0 ? values.Peak(line.Array) : values.Index(line.Array));
                ++i;
                continue;
            }
            if (code == QLatin1Char('s')) {
                out += values.PeakHour(line.Array);
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

void PrintSummaryBlocks(std::span<const SSummaryLine> lines, int kind, ESummaryChoice choice,
                        const SSummaryValues& values)
{
    if (lines.empty())
        return;
    size_t first = 0;
    if (choice != ESummaryChoice::Every) {
        while (first < lines.size() && !BlockBelongsTo(lines[first].Block, kind))
            ++first;
        if (first == lines.size())
            return;
    }
    const int block = lines[first].Block;
    const bool toTheEnd = choice != ESummaryChoice::TotalsOrOwn || block == kTotalsBlock;
    for (size_t i = first; i < lines.size() && (toTheEnd || lines[i].Block == block); ++i) {
        const SSummaryLine& line = lines[i];
        if (line.OnlyKind == kAnyNodeKind || line.OnlyKind == kind)
            CCalculateHostBase::PostOutputLine(kSummaryCategory, FormatSummaryLine(line, values));
    }
}
