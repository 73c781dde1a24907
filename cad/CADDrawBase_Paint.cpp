#include "cad/CADDrawBase.h"

#include "cad/CCADImage.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

namespace {
// Letters and labels need fonts, which need a QGuiApplication.
bool CanWrite()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}
} // namespace

void CADDrawBase::DrawPolygon(const CCADImage& underlay, QPainter& painter, const QString& label) const
{
    const std::vector<QPoint> p = ToScreenPoints(underlay);
    const int n = int(p.size());
    if (n <= 2)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (filled) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QBrush(Qt::yellow, Qt::DiagCrossPattern));
        painter.drawPolygon(p.data(), n, Qt::OddEvenFill);
    }
    const QPen normal(penColour, filled ? 1 : 2, Qt::SolidLine);
    const QPen highlighted(Qt::blue, 3, Qt::SolidLine);
    for (int k = 1; k <= n; ++k) {
        painter.setPen(highlightedEdge == k ? highlighted : normal);
        painter.drawLine(p[size_t(k - 1)], p[size_t(k % n)]);
    }

    if (CanWrite()) {
        QFont font = painter.font();
        font.setPointSize(filled ? 8 : 12);
        painter.setFont(font);
        const QFontMetrics metrics(font);
        painter.setPen(filled ? QColor(Qt::black) : QColor(Qt::red));
        for (int i = 0; i < n; ++i) {
            const QString name = CornerName(i);
            // Outline letters up and left of their corner, room letters down and right.
            const QPoint at = filled ? p[size_t(i)] + QPoint(5, 5 + metrics.ascent())
                                     : p[size_t(i)] - QPoint(5 + metrics.horizontalAdvance(name), 5);
            painter.drawText(at, name);
        }
        if (!label.isEmpty()) {
            font.setPointSize(8);
            painter.setFont(font);
            painter.setPen(Qt::black);
            QPoint centre;
            for (const QPoint& corner : p)
                centre += corner;
            centre /= n;
            const QFontMetrics labelMetrics(font);
            painter.drawText(centre - QPoint(labelMetrics.horizontalAdvance(label) / 2, 0), label);
        }
    }
    painter.restore();
}

void CADDrawBase::DrawEdge(int edge, int width, const CCADImage& underlay, QPainter& painter) const
{
    const std::vector<QPoint> p = ToScreenPoints(underlay);
    if (edge < 0 || edge >= int(p.size()))
        return;
    QPen pen = painter.pen();
    pen.setWidth(width);
    pen.setStyle(Qt::SolidLine);
    painter.save();
    painter.setPen(pen);
    painter.drawLine(p[size_t(edge)], p[(size_t(edge) + 1) % p.size()]);
    painter.restore();
}
