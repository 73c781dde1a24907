#pragma once
#include <QByteArray>
#include <QMap>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <ostream>

class CQORReport;

// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// A QGuiApplication on the offscreen platform, made once for the test program (fonts, pictures).
void EnsureGuiApplication();

// Runs an outside program and returns what it printed; fails the test when it cannot run.
QByteArray RunTool(const QString& program, const QStringList& arguments);
// Text of the PDF (pages first..last, 0 for all) as pdftotext reads it, with the CJK radical code
// points that Qt's PDF writer gives to some shared glyphs mapped back to the ideographs they stand for.
QString PdfText(const QString& file, int first = 0, int last = 0);
int PdfPageCount(const QString& file);
// Page size in points of the page (1-based), as pdfinfo reports it.
QSizeF PdfPageSize(const QString& file, int page);
// The page (1-based) as a PNG file beside the PDF; its path.
QString PdfPageToPng(const QString& file, int page, int dpi);

// The cells of a .xlsx file read back: sheet names in order and, per sheet, "A1"-style cell
// references to their text (numbers as the file stores them).
struct SWorkbook
{
    QStringList sheets;
    QList<QMap<QString, QString>> cells;
};
SWorkbook ReadWorkbook(const QString& file);

// Text of an RTF file: control words dropped, \uN escapes decoded, cells and paragraphs on lines.
QString RtfText(const QByteArray& rtf);

QByteArray ReadAll(const QString& file);
void WriteFile(const QString& file, const QByteArray& bytes);

// A folder of templates written by the test.
class CTemplateFolder
{
public:
    QString Write(const QString& name, const QString& xml);
    QString Path(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

// The engine's test templates: a report of rooms (fields Room, Load, Note, a page footer with page
// numbers, a caption printing the parameter ProjectName) and a report of constructions (fields Name,
// K) for sub-reports.
QString RoomTemplateXml(const QString& orientation = QStringLiteral("portrait"));
QString ConstructionTemplateXml();
