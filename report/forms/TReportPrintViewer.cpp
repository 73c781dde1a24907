#include "report/forms/TReportPrintViewer.h"

#include "report/engine/CReportPainter.h"

#include <QPainter>
#include <QPrinter>
#include <QtMath>

namespace {
constexpr double Gap = 12; // pixels around the shown page
}

TReportPrintViewer::TReportPrintViewer(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 200);
}

void TReportPrintViewer::SetPages(const QList<CReportPage>& pages)
{
    m_pages = pages;
    m_current = 0;
    m_cachePage = -1;
    update();
    emit PageChanged(m_current, PageCount());
}

void TReportPrintViewer::SetCurrentPage(int index)
{
    const int clamped = qBound(0, index, qMax(0, PageCount() - 1));
    if (clamped == m_current)
        return;
    m_current = clamped;
    UpdateExtent();
    emit PageChanged(m_current, PageCount());
}

void TReportPrintViewer::ZoomToFit()
{
    m_zoom = 0;
    UpdateExtent();
}

void TReportPrintViewer::ZoomBy(double factor)
{
    m_zoom = qBound(0.5, EffectiveZoom() * factor, 20.0);
    UpdateExtent();
}

void TReportPrintViewer::SetZoomPercent(int percent)
{
    m_zoom = qBound(0.5, percent / 100.0 * logicalDpiX() / 25.4, 20.0);
    UpdateExtent();
}

// A zoomed page larger than the window makes the viewer larger, so the scroll area around it scrolls.
void TReportPrintViewer::UpdateExtent()
{
    if (m_zoom > 0 && !m_pages.isEmpty()) {
        const QSizeF size = m_pages.at(m_current).size * m_zoom;
        setMinimumSize(qCeil(size.width() + 2 * Gap), qCeil(size.height() + 2 * Gap));
    } else {
        setMinimumSize(200, 200);
    }
    update();
}

double TReportPrintViewer::EffectiveZoom() const
{
    if (m_zoom > 0 || m_pages.isEmpty())
        return m_zoom > 0 ? m_zoom : 1.0;
    const QSizeF size = m_pages.at(m_current).size;
    const double fitWidth = (width() - 2 * Gap) / size.width();
    const double fitHeight = (height() - 2 * Gap) / size.height();
    return qMax(0.2, qMin(fitWidth, fitHeight));
}

QImage TReportPrintViewer::PageImage() const
{
    if (m_pages.isEmpty())
        return QImage();
    const double zoom = EffectiveZoom();
    if (m_cachePage != m_current || m_cacheZoom != zoom) {
        const CReportPage& page = m_pages.at(m_current);
        const double ratio = devicePixelRatioF();
        m_cache = QImage(qRound(page.size.width() * zoom * ratio), qRound(page.size.height() * zoom * ratio),
                         QImage::Format_RGB32);
        m_cache.fill(Qt::white);
        QPainter painter(&m_cache);
        CReportPainter::PaintPage(painter, page, zoom * ratio);
        painter.end();
        m_cache.setDevicePixelRatio(ratio);
        m_cachePage = m_current;
        m_cacheZoom = zoom;
    }
    return m_cache;
}

void TReportPrintViewer::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x80, 0x80, 0x80));
    const QImage image = PageImage();
    if (image.isNull())
        return;
    const QSizeF shown = image.deviceIndependentSize();
    const QPointF origin(qMax(Gap, (width() - shown.width()) / 2),
                         qMax(Gap, (height() - shown.height()) / 2));
    painter.drawImage(origin, image);
}

void TReportPrintViewer::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    update();
}

bool TReportPrintViewer::Print(QPrinter& printer) const
{
    if (m_pages.isEmpty())
        return false;
    printer.setFullPage(true);
    printer.setPageLayout(CReportPainter::LayoutOf(m_pages.first()));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    for (int i = 0; i < m_pages.size(); ++i) {
        if (i > 0) {
            printer.setPageLayout(CReportPainter::LayoutOf(m_pages.at(i)));
            printer.newPage();
        }
        CReportPainter::PaintPage(painter, m_pages.at(i), printer.resolution() / 25.4);
    }
    return painter.end();
}
