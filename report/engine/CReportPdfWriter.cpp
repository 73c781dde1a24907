#include "report/engine/CReportPdfWriter.h"

#include "report/engine/CReportOutputFile.h"
#include "report/engine/CReportPage.h"
#include "report/engine/CReportPainter.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace {
constexpr int Resolution = 1200;
}

bool CReportPdfWriter::Write(const QList<CReportPage>& pages, const QString& fileName, const QString& title,
                             QString& error)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(Resolution);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("DID-IVOV"));
        if (!pages.isEmpty())
            writer.setPageLayout(CReportPainter::LayoutOf(pages.first()));
        QPainter painter;
        if (!painter.begin(&writer)) {
            error = QStringLiteral("无法生成PDF文件%1").arg(fileName);
            return false;
        }
        for (int i = 0; i < pages.size(); ++i) {
            if (i > 0) {
                writer.setPageLayout(CReportPainter::LayoutOf(pages.at(i)));
                writer.newPage();
            }
            CReportPainter::PaintPage(painter, pages.at(i), Resolution / 25.4);
        }
        painter.end();
    }
    return CReportOutputFile::Save(fileName, bytes, error);
}
