#include "report/engine/CReportTiffWriter.h"

#include "report/engine/CReportPage.h"
#include "report/engine/CReportPainter.h"

#include "report/engine/CReportOutputFile.h"

#include <QPainter>

namespace {
void Put16(QByteArray& out, quint16 value)
{
    out.append(char(value & 0xff));
    out.append(char(value >> 8));
}

void Put32(QByteArray& out, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        out.append(char((value >> (8 * i)) & 0xff));
}

void Set32(QByteArray& out, int at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = char((value >> (8 * i)) & 0xff);
}

void Align(QByteArray& out)
{
    if (out.size() % 2)
        out.append('\0');
}

enum Type : quint16
{
    Short = 3,
    Long = 4,
    Rational = 5
};

void Entry(QByteArray& out, quint16 tag, Type type, quint32 count, quint32 value)
{
    Put16(out, tag);
    Put16(out, type);
    Put32(out, count);
    if (type == Short && count == 1) {
        Put16(out, quint16(value));
        Put16(out, 0);
    } else {
        Put32(out, value);
    }
}
} // namespace

QImage CReportTiffWriter::Render(const CReportPage& page, int dpi)
{
    const double dotsPerMm = dpi / 25.4;
    QImage image(qRound(page.size.width() * dotsPerMm), qRound(page.size.height() * dotsPerMm),
                 QImage::Format_RGB888);
    image.setDotsPerMeterX(qRound(dotsPerMm * 1000));
    image.setDotsPerMeterY(qRound(dotsPerMm * 1000));
    image.fill(Qt::white);
    QPainter painter(&image);
    CReportPainter::PaintPage(painter, page, dotsPerMm);
    painter.end();
    return image;
}

QByteArray CReportTiffWriter::Encode(const QList<QImage>& images, int dpi)
{
    QByteArray out("II*\0", 4);
    int nextPointer = out.size();
    Put32(out, 0);
    for (int p = 0; p < images.size(); ++p) {
        const QImage image = images.at(p).convertToFormat(QImage::Format_RGB888);
        const int width = image.width();
        const int height = image.height();
        QByteArray raw;
        raw.reserve(width * height * 3);
        for (int y = 0; y < height; ++y)
            raw.append(reinterpret_cast<const char*>(image.constScanLine(y)), width * 3);
        // qCompress gives a zlib stream behind a four-byte length; TIFF's Deflate wants the stream.
        const QByteArray strip = qCompress(raw, 6).mid(4);

        Align(out);
        const quint32 stripOffset = out.size();
        out.append(strip);
        Align(out);
        const quint32 bitsOffset = out.size();
        Put16(out, 8);
        Put16(out, 8);
        Put16(out, 8);
        const quint32 resolutionOffset = out.size();
        Put32(out, quint32(dpi));
        Put32(out, 1);

        Align(out);
        Set32(out, nextPointer, out.size());
        const quint16 entries = 15;
        Put16(out, entries);
        Entry(out, 254, Long, 1, 2); // one page of several
        Entry(out, 256, Long, 1, width);
        Entry(out, 257, Long, 1, height);
        Entry(out, 258, Short, 3, bitsOffset);
        Entry(out, 259, Short, 1, 8); // Deflate
        Entry(out, 262, Short, 1, 2); // RGB
        Entry(out, 273, Long, 1, stripOffset);
        Entry(out, 277, Short, 1, 3);
        Entry(out, 278, Long, 1, height);
        Entry(out, 279, Long, 1, strip.size());
        Entry(out, 282, Rational, 1, resolutionOffset);
        Entry(out, 283, Rational, 1, resolutionOffset);
        Entry(out, 284, Short, 1, 1);
        Entry(out, 296, Short, 1, 2); // inch
        Put16(out, 297);              // page number and page count
        Put16(out, Short);
        Put32(out, 2);
        Put16(out, quint16(p));
        Put16(out, quint16(images.size()));
        nextPointer = out.size();
        Put32(out, 0);
    }
    return out;
}

bool CReportTiffWriter::Write(const QList<CReportPage>& pages, const QString& fileName, QString& error)
{
    QList<QImage> images;
    for (const CReportPage& page : pages)
        images.append(Render(page, Dpi));
    return CReportOutputFile::Save(fileName, Encode(images, Dpi), error);
}
