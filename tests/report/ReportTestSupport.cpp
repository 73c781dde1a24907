#include "tests/report/ReportTestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QHash>
#include <QProcess>
#include <QRawFont>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

void EnsureGuiApplication()
{
    static int argc = 1;
    static char name[] = "test_report";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QGuiApplication(argc, argv);
}

QByteArray RunTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << "cannot run " << program.toStdString() << " (installed by run.sh)";
        return {};
    }
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << ": "
                                     << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput();
}

namespace {
// Qt's PDF writer names each embedded glyph by the lowest code point that maps to it; in Noto CJK a
// few ideographs share their glyph with a radical code point (门 with ⻔), so a reader of the text
// sees the radical. Drawn, the page is right; this maps the radicals back for comparisons.
QString UndoRadicals(const QString& text)
{
    static const QHash<QChar, QChar> map = [] {
        QHash<QChar, QChar> result;
        QFont font;
        font.setFamilies({QStringLiteral("Noto Sans CJK SC")});
        font.setPixelSize(20);
        const QRawFont raw = QRawFont::fromFont(font);
        QHash<quint32, QChar> ideographs;
        for (uint u = 0x9FFF; u >= 0x4E00; --u) {
            const QChar c(u);
            quint32 glyph = 0;
            int count = 1;
            if (raw.glyphIndexesForChars(&c, 1, &glyph, &count) && glyph)
                ideographs.insert(glyph, c);
        }
        for (uint u = 0x2E80; u < 0x2FE0; ++u) {
            const QChar c(u);
            quint32 glyph = 0;
            int count = 1;
            if (raw.glyphIndexesForChars(&c, 1, &glyph, &count) && ideographs.contains(glyph))
                result.insert(c, ideographs.value(glyph));
        }
        return result;
    }();
    QString out = text;
    for (QChar& c : out)
        c = map.value(c, c);
    return out;
}
} // namespace

QString PdfText(const QString& file, int first, int last)
{
    QStringList args;
    if (first > 0)
        args << QStringLiteral("-f") << QString::number(first);
    if (last > 0)
        args << QStringLiteral("-l") << QString::number(last);
    args << QStringLiteral("-layout") << file << QStringLiteral("-");
    return UndoRadicals(QString::fromUtf8(RunTool(QStringLiteral("pdftotext"), args)));
}

int PdfPageCount(const QString& file)
{
    const QString info = QString::fromUtf8(RunTool(QStringLiteral("pdfinfo"), {file}));
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QSizeF PdfPageSize(const QString& file, int page)
{
    const QString info = QString::fromUtf8(
        RunTool(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                            QString::number(page), file}));
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Page\\s+%1 size:\\s+([0-9.]+) x ([0-9.]+)").arg(page)).match(info);
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

QString PdfPageToPng(const QString& file, int page, int dpi)
{
    const QString base = QFileInfo(file).path() + QLatin1Char('/') + QFileInfo(file).completeBaseName() +
                         QStringLiteral("-page%1").arg(page);
    RunTool(QStringLiteral("pdftoppm"), {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                         QString::number(page), QStringLiteral("-r"), QString::number(dpi),
                                         QStringLiteral("-png"), QStringLiteral("-singlefile"), file, base});
    return base + QStringLiteral(".png");
}

namespace {
QByteArray Unzip(const QString& file, const QString& member)
{
    QProcess process;
    process.start(QStringLiteral("unzip"), {QStringLiteral("-p"), file, member});
    process.waitForFinished(60000);
    return process.readAllStandardOutput();
}
} // namespace

SWorkbook ReadWorkbook(const QString& file)
{
    SWorkbook book;
    QStringList shared;
    QXmlStreamReader strings(Unzip(file, QStringLiteral("xl/sharedStrings.xml")));
    QString current;
    bool inItem = false;
    while (!strings.atEnd()) {
        strings.readNext();
        if (strings.isStartElement() && strings.name() == QLatin1String("si")) {
            inItem = true;
            current.clear();
        } else if (strings.isStartElement() && strings.name() == QLatin1String("t") && inItem) {
            current += strings.readElementText();
        } else if (strings.isEndElement() && strings.name() == QLatin1String("si")) {
            shared << current;
            inItem = false;
        }
    }
    QXmlStreamReader workbook(Unzip(file, QStringLiteral("xl/workbook.xml")));
    while (!workbook.atEnd()) {
        workbook.readNext();
        if (workbook.isStartElement() && workbook.name() == QLatin1String("sheet"))
            book.sheets << workbook.attributes().value(QStringLiteral("name")).toString();
    }
    for (int s = 0; s < book.sheets.size(); ++s) {
        QMap<QString, QString> cells;
        QXmlStreamReader sheet(Unzip(file, QStringLiteral("xl/worksheets/sheet%1.xml").arg(s + 1)));
        QString ref;
        QString type;
        while (!sheet.atEnd()) {
            sheet.readNext();
            if (sheet.isStartElement() && sheet.name() == QLatin1String("c")) {
                ref = sheet.attributes().value(QStringLiteral("r")).toString();
                type = sheet.attributes().value(QStringLiteral("t")).toString();
            } else if (sheet.isStartElement() && sheet.name() == QLatin1String("v")) {
                const QString value = sheet.readElementText();
                cells.insert(ref, type == QLatin1String("s") ? shared.value(value.toInt()) : value);
            }
        }
        book.cells << cells;
    }
    return book;
}

QString RtfText(const QByteArray& rtf)
{
    const QString text = QString::fromLatin1(rtf);
    QString out;
    int skip = 0; // fallback characters still to drop after a \u escape
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\')) {
            if (i + 1 < text.size() && QStringLiteral("\\{}").contains(text.at(i + 1))) {
                out += text.at(++i);
                continue;
            }
            int j = i + 1;
            while (j < text.size() && text.at(j).isLetter())
                ++j;
            const QString word = text.mid(i + 1, j - i - 1);
            int k = j;
            if (k < text.size() && (text.at(k) == QLatin1Char('-') || text.at(k).isDigit()))
                ++k;
            while (k < text.size() && text.at(k).isDigit())
                ++k;
            const QString number = text.mid(j, k - j);
            if (k < text.size() && text.at(k) == QLatin1Char(' '))
                ++k;
            if (word == QLatin1String("u")) {
                out += QChar(static_cast<ushort>(static_cast<short>(number.toInt())));
                skip = 1;
            } else if (word == QLatin1String("cell")) {
                out += QLatin1Char('|');
            } else if (word == QLatin1String("par") || word == QLatin1String("row") ||
                       word == QLatin1String("line")) {
                out += QLatin1Char('\n');
            }
            i = k - 1;
            continue;
        }
        if (c == QLatin1Char('{') || c == QLatin1Char('}') || c == QLatin1Char('\n') ||
            c == QLatin1Char('\r'))
            continue;
        if (skip > 0) {
            --skip;
            continue;
        }
        out += c;
    }
    return out;
}

QByteArray ReadAll(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void WriteFile(const QString& file, const QByteArray& bytes)
{
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << file.toStdString();
    f.write(bytes);
}

QString CTemplateFolder::Write(const QString& name, const QString& xml)
{
    const QString path = m_dir.filePath(name);
    WriteFile(path, xml.toUtf8());
    return path;
}

QString RoomTemplateXml(const QString& orientation)
{
    return QStringLiteral(R"xml(<?xml version="1.0" encoding="UTF-8"?>
<Report title="房间负荷" orientation="%1" fontSize="9">
  <Parameters><Parameter name="ProjectName">默认工程</Parameter></Parameters>
  <Fields><Field name="Room"/><Field name="Load"/><Field name="Note"/></Fields>
  <ReportHeader height="12">
    <Text name="Caption" left="0" top="0" width="180" height="9" fontSize="14" bold="true" align="center">[#ProjectName#]冷负荷汇总</Text>
    <Picture name="Logo" left="160" top="0" width="20" height="10"/>
  </ReportHeader>
  <DetailGrid titleHeight="9" rowHeight="6">
    <Column name="Room" field="Room" width="60" title="房间名称"/>
    <Column name="Load" field="Load" width="40" title="冷负荷&#10;(W)"/>
    <Column name="Note" field="Note" width="80" title="备注"/>
  </DetailGrid>
  <PageFooter height="8">
    <Text name="PageNo" left="0" top="2" width="180" height="5" align="center">第[#PageNumber#]页 共[#PageCount#]页</Text>
  </PageFooter>
</Report>
)xml")
        .arg(orientation);
}

QString ConstructionTemplateXml()
{
    return QStringLiteral(R"xml(<?xml version="1.0" encoding="UTF-8"?>
<Report title="围护结构" fontSize="9">
  <Fields><Field name="Name"/><Field name="K"/></Fields>
  <ReportHeader height="10">
    <Text name="Subtitle" left="0" top="2" width="180" height="6" bold="true">外墙构造</Text>
  </ReportHeader>
  <DetailGrid titleHeight="8" rowHeight="6">
    <Column name="Name" field="Name" width="90" title="构造名称"/>
    <Column name="K" field="K" width="30" title="传热系数"/>
  </DetailGrid>
</Report>
)xml");
}
