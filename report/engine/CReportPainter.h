#pragma once
#include "report/engine/CReportTemplate.h"

#include <QFont>
#include <QSizeF>

class QPainter;
class QPageLayout;
class CReportPage;

// Draws laid-out pages on any device: preview pictures, the printer, PDF and TIF. Fonts are sized in
// hundredths of a millimetre, so text measures the same on every device and the paginator's line
// breaks hold everywhere.
class CReportPainter
{
public:
    // The font of a template font, in units of 0.01 mm, falling back to Noto Sans CJK SC for any
    // character the named family lacks.
    static QFont FontFor(const CReportTemplate::SFont& font);
    // Sheet size in millimetres of a paper name ("A4", "A3", ...), portrait; A4 for unknown names.
    static QSizeF PaperSize(const QString& paper);
    // The page layout of the page, without margins.
    static QPageLayout LayoutOf(const CReportPage& page);
    // Draws the page with the painter's origin at the sheet's top-left corner; dotsPerMm is the
    // device's resolution.
    static void PaintPage(QPainter& painter, const CReportPage& page, double dotsPerMm);
};
