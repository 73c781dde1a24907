#pragma once
#include "report/engine/CReportPage.h"

#include <QImage>
#include <QList>
#include <QWidget>

class QPrinter;

// The print viewer of the preview window: shows one laid-out page at a time, zoomed to fit the
// window or by steps, and prints all pages to a printer exactly as laid out.
class TReportPrintViewer : public QWidget
{
    Q_OBJECT
public:
    explicit TReportPrintViewer(QWidget* parent = nullptr);

    void SetPages(const QList<CReportPage>& pages);
    const QList<CReportPage>& Pages() const { return m_pages; }
    int PageCount() const { return m_pages.size(); }
    // 0-based; clamped to the pages.
    int CurrentPage() const { return m_current; }
    void SetCurrentPage(int index);
    // Zoom 0 fits the whole page into the window; otherwise display pixels per millimetre.
    void ZoomToFit();
    void ZoomBy(double factor);
    // Zoom as a percentage of the page's natural size on this screen (100: a millimetre of paper is
    // a millimetre of screen).
    void SetZoomPercent(int percent);
    double Zoom() const { return m_zoom; }
    // Every page on the printer, each on its own paper and orientation. False when the printer
    // cannot be started.
    bool Print(QPrinter& printer) const;
    // The current page as shown.
    QImage PageImage() const;

signals:
    void PageChanged(int index, int count);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    double EffectiveZoom() const;
    void UpdateExtent();

    QList<CReportPage> m_pages;
    int m_current = 0;
    double m_zoom = 0;
    mutable QImage m_cache;
    mutable double m_cacheZoom = -1;
    mutable int m_cachePage = -1;
};
