#pragma once
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

class CReportPage;

// Writes laid-out pages as one multi-page TIFF file: 24-bit RGB, Deflate-compressed, 150 dpi.
class CReportTiffWriter
{
public:
    static constexpr int Dpi = 150;

    // False with a message when the file cannot be written; an existing file is then left as it was.
    static bool Write(const QList<CReportPage>& pages, const QString& fileName, QString& error);
    // The page drawn on white at the resolution.
    static QImage Render(const CReportPage& page, int dpi);
    // The TIFF file of the images, one page each (RGB888).
    static QByteArray Encode(const QList<QImage>& images, int dpi);
};
