#include "cad/CDxfRenderer.h"

#include "cad/CDxfDocument.h"
#include "cad/CDxfScene.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPen>
#include <QRect>

#include <algorithm>
#include <cmath>

namespace {
constexpr double kMinTextPixels = 3;
constexpr double kMaxTextPixels = 4000;
constexpr double kReferencePixels = 100;
// Largest distance, in pixels, between an arc and the segments drawn for it.
constexpr double kArcTolerance = 0.3;

QFont TextFont()
{
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// The area in drawing coordinates, widened by a margin in pixels.
CDxfScene::SBounds Seen(const CDxfRenderer::SView& view, const QRect& area, double margin)
{
    const double u = view.unitsPerPixel;
    CDxfScene::SBounds seen;
    seen.x0 = (area.left() - margin - view.offsetX) * u;
    seen.x1 = (area.right() + 1 + margin - view.offsetX) * u;
    seen.y0 = view.boxHeight - (area.bottom() + 1 + margin - view.offsetY) * u;
    seen.y1 = view.boxHeight - (area.top() - margin - view.offsetY) * u;
    return seen;
}

struct SMapper
{
    double scale;   // pixels per drawing unit
    double offsetX; // pixel x of drawing x 0
    double offsetY; // pixel y of drawing y 0

    QPointF operator()(const QPointF& p) const { return {p.x() * scale + offsetX, offsetY - p.y() * scale}; }
};
} // namespace

std::vector<QLineF>& CDxfRenderer::Lines(QRgb colour)
{
    if (m_last < m_batches.size() && m_batches[m_last].colour == colour)
        return m_batches[m_last].lines;
    for (size_t i = 0; i < m_batches.size(); ++i)
        if (m_batches[i].colour == colour) {
            m_last = i;
            return m_batches[i].lines;
        }
    m_batches.push_back({colour, {}});
    m_last = m_batches.size() - 1;
    return m_batches.back().lines;
}

void CDxfRenderer::Render(const CDxfScene& scene, QPainter& painter, const SView& view, const QRect& area)
{
    const double u = view.unitsPerPixel;
    if (!(u > 0) || area.isEmpty())
        return;
    const SMapper map{1 / u, view.offsetX, view.boxHeight / u + view.offsetY};
    const CDxfScene::SBounds seen = Seen(view, area, 1);

    for (SBatch& batch : m_batches)
        batch.lines.clear();

    const std::vector<QPointF>& points = scene.Points();
    for (const CDxfScene::SPolyline& polyline : scene.Polylines()) {
        if (!polyline.bounds.Overlaps(seen) || !scene.IsVisible(polyline.key))
            continue;
        std::vector<QLineF>& lines = Lines(polyline.key.colour);
        const QPointF* p = points.data() + polyline.first;
        QPointF previous = map(p[0]);
        const QPointF first = previous;
        for (quint32 i = 1; i < polyline.count; ++i) {
            const QPointF next = map(p[i]);
            lines.emplace_back(previous, next);
            previous = next;
        }
        if (polyline.closed)
            lines.emplace_back(previous, first);
    }

    for (const CDxfScene::SCurve& curve : scene.Curves()) {
        if (!curve.bounds.Overlaps(seen) || !scene.IsVisible(curve.key))
            continue;
        const double radius =
            std::max(std::hypot(curve.a.x(), curve.a.y()), std::hypot(curve.b.x(), curve.b.y())) / u;
        if (radius < 0.5)
            continue;
        const double step = radius > kArcTolerance ? 2 * std::acos(1 - kArcTolerance / radius) : M_PI;
        const double sweep = curve.end - curve.start;
        const int segments = int(std::clamp(std::ceil(sweep / step), 2.0, 1024.0));
        const double dt = sweep / segments;
        const double cd = std::cos(dt);
        const double sd = std::sin(dt);
        double c = std::cos(curve.start);
        double s = std::sin(curve.start);
        std::vector<QLineF>& lines = Lines(curve.key.colour);
        QPointF previous = map(curve.centre + curve.a * c + curve.b * s);
        for (int i = 1; i <= segments; ++i) {
            // Turning (cos, sin) by dt each step instead of calling the functions every point.
            const double nc = c * cd - s * sd;
            s = s * cd + c * sd;
            c = nc;
            const QPointF next = map(curve.centre + curve.a * c + curve.b * s);
            lines.emplace_back(previous, next);
            previous = next;
        }
    }

    const bool antialiased = painter.testRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen;
    pen.setWidth(0);
    for (const SBatch& batch : m_batches) {
        if (batch.lines.empty())
            continue;
        pen.setColor(QColor::fromRgb(batch.colour));
        painter.setPen(pen);
        painter.drawLines(batch.lines.data(), int(batch.lines.size()));
    }
    painter.setRenderHint(QPainter::Antialiasing, antialiased);

    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        DrawTexts(scene, painter, view, area);
}

void CDxfRenderer::DrawTexts(const CDxfScene& scene, QPainter& painter, const SView& view, const QRect& area)
{
    const double u = view.unitsPerPixel;
    const SMapper map{1 / u, view.offsetX, view.boxHeight / u + view.offsetY};
    // Text widths are estimated: texts a little outside the area are drawn too, and clipped.
    const CDxfScene::SBounds seen = Seen(view, area, 100);

    QFont reference = TextFont();
    reference.setPixelSize(int(kReferencePixels));
    const QFontMetricsF metrics(reference);
    QFont font = TextFont();
    const QTransform base = painter.worldTransform();
    QPen pen;
    for (const CDxfScene::SText& text : scene.Texts()) {
        const double h = text.height / u;
        if (h < kMinTextPixels || h > kMaxTextPixels || !text.bounds.Overlaps(seen) ||
            !scene.IsVisible(text.key))
            continue;
        if (text.widths.size() != size_t(text.lines.size())) {
            text.widths.clear();
            for (const QString& line : text.lines)
                text.widths.push_back(float(metrics.horizontalAdvance(line)));
        }
        const double spacing = text.lineSpacing * h;
        const double lines = double(text.lines.size());
        double baseline = 0;
        switch (text.vAnchor) {
        case SDxfText::Top:
            baseline = h;
            break;
        case SDxfText::Middle:
            baseline = h - (h + (lines - 1) * spacing) / 2;
            break;
        case SDxfText::Bottom:
            baseline = -(lines - 1) * spacing - (lines > 1 ? 0 : 0.2 * h);
            break;
        default:
            break;
        }
        font.setPixelSize(std::max(1, int(std::lround(h))));
        painter.setFont(font);
        pen.setColor(QColor::fromRgb(text.key.colour));
        painter.setPen(pen);
        QTransform local;
        const QPointF at = map(text.position);
        local.translate(at.x(), at.y());
        local.rotate(-text.angle * 180 / M_PI);
        if (text.widthFactor != 1)
            local.scale(text.widthFactor, 1);
        painter.setWorldTransform(local * base);
        for (int i = 0; i < text.lines.size(); ++i) {
            const double width = text.widths[size_t(i)] * h / kReferencePixels;
            const double x = text.hAnchor == SDxfText::Centre  ? -width / 2
                             : text.hAnchor == SDxfText::Right ? -width
                                                               : 0;
            painter.drawText(QPointF(x, baseline + i * spacing), text.lines.at(i));
        }
    }
    painter.setWorldTransform(base);
}
