#include "report/engine/CReportPainter.h"

#include "report/engine/CReportPage.h"

#include <QColor>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPen>

namespace {
constexpr double Units = 100.0; // drawing units per millimetre

QPageSize::PageSizeId PaperId(const QString& paper)
{
    const QString name = paper.trimmed().toUpper();
    if (name == QLatin1String("A3"))
        return QPageSize::A3;
    if (name == QLatin1String("A5"))
        return QPageSize::A5;
    if (name == QLatin1String("B5"))
        return QPageSize::B5;
    if (name == QLatin1String("LETTER"))
        return QPageSize::Letter;
    return QPageSize::A4;
}

Qt::Alignment HorizontalFlag(CReportTemplate::Align align)
{
    switch (align) {
    case CReportTemplate::Align::Center:
        return Qt::AlignHCenter;
    case CReportTemplate::Align::Right:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

QRectF ToUnits(const QRectF& mm)
{
    return QRectF(mm.x() * Units, mm.y() * Units, mm.width() * Units, mm.height() * Units);
}
} // namespace

QFont CReportPainter::FontFor(const CReportTemplate::SFont& font)
{
    QFont result;
    QStringList families;
    if (!font.family.isEmpty())
        families << font.family;
    families << QStringLiteral("Noto Sans CJK SC");
    result.setFamilies(families);
    result.setPixelSize(qMax(1, qRound(font.pointSize * 25.4 / 72.0 * Units)));
    result.setBold(font.bold);
    // Without shaping the PDF writer maps every glyph back to its character, so the text of a PDF can
    // be searched and copied; hinting off keeps widths the same at every resolution.
    result.setStyleStrategy(QFont::PreferNoShaping);
    result.setHintingPreference(QFont::PreferNoHinting);
    return result;
}

QSizeF CReportPainter::PaperSize(const QString& paper)
{
    return QPageSize(PaperId(paper)).size(QPageSize::Millimeter);
}

QPageLayout CReportPainter::LayoutOf(const CReportPage& page)
{
    return QPageLayout(QPageSize(PaperId(page.paper)),
                       page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

void CReportPainter::PaintPage(QPainter& painter, const CReportPage& page, double dotsPerMm)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.scale(dotsPerMm / Units, dotsPerMm / Units);
    QPen pen(Qt::black);
    pen.setWidthF(0.12 * Units);
    for (const CReportPage::SItem& item : page.items) {
        const QRectF rect = ToUnits(item.rect);
        if (!item.background.isEmpty()) {
            const QColor color(item.background);
            if (color.isValid())
                painter.fillRect(rect, color);
        }
        if (item.kind == CReportPage::SItem::Kind::Picture) {
            QImage image;
            if (!image.loadFromData(item.picture) || image.isNull() || rect.isEmpty())
                continue;
            QSizeF size = image.size();
            size.scale(rect.size(), Qt::KeepAspectRatio);
            const QRectF target(rect.x() + (rect.width() - size.width()) / 2,
                                rect.y() + (rect.height() - size.height()) / 2, size.width(), size.height());
            painter.drawImage(target, image);
        } else if (!item.lines.isEmpty()) {
            painter.setFont(FontFor(item.font));
            painter.setPen(Qt::black);
            const double lineHeight = item.lineHeight * Units;
            const double total = lineHeight * item.lines.size();
            double y = rect.y() + qMax(0.0, (rect.height() - total) / 2);
            const double x = rect.x() + item.padding * Units;
            const double width = qMax(0.0, rect.width() - 2 * item.padding * Units);
            for (const QString& line : item.lines) {
                painter.drawText(QRectF(x, y, width, lineHeight),
                                 HorizontalFlag(item.align) | Qt::AlignVCenter | Qt::TextSingleLine, line);
                y += lineHeight;
            }
        }
        if (item.border) {
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rect);
        }
    }
    painter.restore();
}
