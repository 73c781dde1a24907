#include "report/engine/CReportXlsxWriter.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>

#include <xlsxwriter.h>

namespace {
using SItem = CReportFlow::SItem;

QString SheetName(const QString& wanted, QSet<QString>& used)
{
    QString base;
    for (const QChar c : wanted.trimmed())
        base += QStringLiteral("[]:*?/\\").contains(c) ? QLatin1Char('_') : c;
    if (base.isEmpty())
        base = QStringLiteral("Sheet%1").arg(used.size() + 1);
    base = base.left(31);
    QString name = base;
    for (int n = 2; used.contains(name.toLower()); ++n) {
        const QString suffix = QStringLiteral("(%1)").arg(n);
        name = base.left(31 - suffix.size()) + suffix;
    }
    used.insert(name.toLower());
    return name;
}

uint8_t PaperCode(const QString& paper)
{
    const QString name = paper.trimmed().toUpper();
    if (name == QLatin1String("A3"))
        return 8;
    if (name == QLatin1String("A5"))
        return 11;
    if (name == QLatin1String("B5"))
        return 13;
    if (name == QLatin1String("LETTER"))
        return 1;
    return 9;
}

class CWorkbook
{
public:
    CWorkbook(lxw_workbook* book, bool sameAsPrint) : m_book(book), m_sameAsPrint(sameAsPrint)
    {
        m_text = workbook_add_format(m_book);
        format_set_border(m_text, LXW_BORDER_THIN);
        format_set_text_wrap(m_text);
        format_set_align(m_text, LXW_ALIGN_VERTICAL_CENTER);
        m_title = workbook_add_format(m_book);
        format_set_border(m_title, LXW_BORDER_THIN);
        format_set_bold(m_title);
        format_set_text_wrap(m_title);
        format_set_align(m_title, LXW_ALIGN_CENTER);
        format_set_align(m_title, LXW_ALIGN_VERTICAL_CENTER);
        format_set_pattern(m_title, LXW_PATTERN_SOLID);
        format_set_bg_color(m_title, 0xE8E8E8);
    }

    void Write(const QList<SItem>& flow);

private:
    void Sheet(const CReportTemplate& report);
    lxw_format* NumberFormat(int decimals);
    void WriteText(int column, const QString& text, lxw_format* format)
    {
        worksheet_write_string(m_sheet, m_row, column, text.toUtf8().constData(), format);
    }

    lxw_workbook* m_book;
    bool m_sameAsPrint;
    lxw_format* m_text;
    lxw_format* m_title;
    QHash<int, lxw_format*> m_numbers;
    lxw_worksheet* m_sheet = nullptr;
    QString m_wantedName;
    bool m_newSheet = true;
    bool m_repeated = false;
    int m_row = 0;
    QHash<int, double> m_widths;
    QSet<QString> m_names;
};

lxw_format* CWorkbook::NumberFormat(int decimals)
{
    auto it = m_numbers.find(decimals);
    if (it != m_numbers.end())
        return it.value();
    lxw_format* format = workbook_add_format(m_book);
    format_set_border(format, LXW_BORDER_THIN);
    format_set_align(format, LXW_ALIGN_VERTICAL_CENTER);
    const QString pattern =
        decimals > 0 ? QStringLiteral("0.") + QString(decimals, QLatin1Char('0')) : QStringLiteral("0");
    format_set_num_format(format, pattern.toUtf8().constData());
    m_numbers.insert(decimals, format);
    return format;
}

void CWorkbook::Sheet(const CReportTemplate& report)
{
    if (m_sheet && !m_newSheet)
        return;
    const QString name = SheetName(m_wantedName, m_names);
    m_sheet = workbook_add_worksheet(m_book, name.toUtf8().constData());
    m_newSheet = false;
    m_repeated = false;
    m_row = 0;
    m_widths.clear();
    if (m_sameAsPrint) {
        if (report.Landscape())
            worksheet_set_landscape(m_sheet);
        worksheet_set_paper(m_sheet, PaperCode(report.Paper()));
    }
}

void CWorkbook::Write(const QList<SItem>& flow)
{
    QList<int> sheetSections; // depths of the open sections that have a sheet of their own
    int skipDepth = -1;
    for (const SItem& item : flow) {
        if (skipDepth >= 0) {
            if (item.kind == SItem::Kind::SectionEnd && item.depth == skipDepth)
                skipDepth = -1;
            continue;
        }
        switch (item.kind) {
        case SItem::Kind::SectionBegin:
            if (item.control && !item.control->cellExport) {
                skipDepth = item.depth;
            } else if (item.depth == 0) {
                m_wantedName = item.report->Title();
            } else if (item.control && item.control->newSheet) {
                sheetSections.append(item.depth);
                m_wantedName = item.report->Title();
                m_newSheet = true;
            }
            break;
        case SItem::Kind::SectionEnd:
            if (!sheetSections.isEmpty() && sheetSections.last() == item.depth) {
                // What follows the sub-report in its parent starts a sheet of its own.
                sheetSections.removeLast();
                m_newSheet = true;
                m_wantedName.clear();
            }
            break;
        case SItem::Kind::Band:
            for (const QStringList& line : CReportFlow::BandLines(item)) {
                Sheet(*item.report);
                for (int c = 0; c < line.size(); ++c)
                    WriteText(c, line.at(c), nullptr);
                ++m_row;
            }
            break;
        case SItem::Kind::TableBegin:
            Sheet(*item.report);
            for (int c = 0; c < item.columns.size(); ++c) {
                WriteText(c, item.columns.at(c)->title, m_title);
                // Excel counts column widths in characters; about 2 mm each.
                const double width = qBound(4.0, item.columns.at(c)->width / 2.0, 80.0);
                if (width > m_widths.value(c, 0)) {
                    m_widths.insert(c, width);
                    worksheet_set_column(m_sheet, c, c, width, nullptr);
                }
            }
            if (m_sameAsPrint && !m_repeated) {
                worksheet_repeat_rows(m_sheet, m_row, m_row);
                m_repeated = true;
            }
            ++m_row;
            break;
        case SItem::Kind::Row:
            Sheet(*item.report);
            for (int c = 0; c < item.cells.size(); ++c) {
                const QString text = item.cells.at(c).trimmed();
                if (CReportFlow::IsNumber(text)) {
                    const int point = text.indexOf(QLatin1Char('.'));
                    const int decimals = point < 0 ? 0 : text.size() - point - 1;
                    worksheet_write_number(m_sheet, m_row, c, text.toDouble(), NumberFormat(decimals));
                } else {
                    WriteText(c, item.cells.at(c), m_text);
                }
            }
            ++m_row;
            break;
        case SItem::Kind::TableEnd:
            ++m_row;
            break;
        case SItem::Kind::PageBreak:
            break;
        }
    }
    if (!m_sheet && !flow.isEmpty())
        Sheet(*flow.first().report);
}
} // namespace

bool CReportXlsxWriter::Render(const QList<SItem>& flow, bool sameAsPrint, QByteArray& bytes, QString& error)
{
    // The library writes to a file of its own; the caller then saves the bytes where they belong.
    QTemporaryDir folder;
    if (!folder.isValid()) {
        error = QStringLiteral("无法创建临时文件夹：%1").arg(folder.errorString());
        return false;
    }
    const QString path = folder.filePath(QStringLiteral("report.xlsx"));
    lxw_workbook* book = workbook_new(QFile::encodeName(path).constData());
    if (!book) {
        error = QStringLiteral("无法创建工作簿");
        return false;
    }
    CWorkbook(book, sameAsPrint).Write(flow);
    const lxw_error result = workbook_close(book);
    if (result != LXW_NO_ERROR) {
        error = QStringLiteral("无法创建工作簿：%1").arg(QString::fromUtf8(lxw_strerror(result)));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("无法读取工作簿：%1").arg(file.errorString());
        return false;
    }
    bytes = file.readAll();
    return true;
}
