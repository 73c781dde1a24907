#include "cad/CDxfSnapIndex.h"

#include <algorithm>
#include <cmath>

namespace {
// Segments per whole turn when arcs are cut for the search; the hit is then moved onto the arc.
constexpr int kCurveSegments = 64;

double Distance(const QPointF& a, const QPointF& b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

// The point of segment ab nearest to p, as the fraction along ab.
double Along(const QPointF& a, const QPointF& b, const QPointF& p)
{
    const QPointF d = b - a;
    const double length2 = d.x() * d.x() + d.y() * d.y();
    if (length2 == 0)
        return 0;
    return std::clamp(((p.x() - a.x()) * d.x() + (p.y() - a.y()) * d.y()) / length2, 0.0, 1.0);
}
} // namespace

CDxfSnapIndex::CDxfSnapIndex(const CDxfScene& scene) : m_scene(scene)
{
    const std::vector<QPointF>& points = scene.Points();
    const auto& polylines = scene.Polylines();
    for (size_t i = 0; i < polylines.size(); ++i) {
        const CDxfScene::SPolyline& polyline = polylines[i];
        const QPointF* p = points.data() + polyline.first;
        for (quint32 k = 1; k < polyline.count; ++k)
            m_segments.push_back({p[k - 1], p[k], PolylineOwner, int(i), 0, 0, true, true});
        if (polyline.closed)
            m_segments.push_back({p[polyline.count - 1], p[0], PolylineOwner, int(i), 0, 0, true, true});
    }
    const auto& curves = scene.Curves();
    for (size_t i = 0; i < curves.size(); ++i) {
        const CDxfScene::SCurve& curve = curves[i];
        const double sweep = curve.end - curve.start;
        const bool full = sweep >= 2 * M_PI - 1e-9;
        const int n = std::max(4, int(std::ceil(kCurveSegments * sweep / (2 * M_PI))));
        const auto at = [&](double t) {
            return curve.centre + curve.a * std::cos(t) + curve.b * std::sin(t);
        };
        for (int k = 0; k < n; ++k) {
            const double t0 = curve.start + sweep * k / n;
            const double t1 = curve.start + sweep * (k + 1) / n;
            m_segments.push_back(
                {at(t0), at(t1), CurveOwner, int(i), t0, t1, !full && k == 0, !full && k == n - 1});
        }
    }
    const auto& texts = scene.Texts();
    for (size_t i = 0; i < texts.size(); ++i)
        m_segments.push_back({texts[i].position, texts[i].position, TextOwner, int(i), 0, 0, true, true});

    const double extent = std::max(scene.BoxWidth(), scene.BoxHeight());
    const int perSide = std::clamp(int(std::sqrt(double(m_segments.size()))), 1, 1024);
    m_cell = extent > 0 ? extent / perSide : 1;
    m_columns = int(scene.BoxWidth() / m_cell) + 1;
    m_rows = int(scene.BoxHeight() / m_cell) + 1;

    std::vector<int> counts(size_t(m_columns) * size_t(m_rows) + 1, 0);
    for (const SSegment& segment : m_segments)
        ForEachCell(segment, [&](int cell) { ++counts[size_t(cell)]; });
    m_cellStart.assign(counts.size(), 0);
    for (size_t c = 1; c < counts.size(); ++c)
        m_cellStart[c] = m_cellStart[c - 1] + counts[c - 1];
    m_cellSegments.assign(size_t(m_cellStart.back()), 0);
    std::vector<int> fill(m_cellStart.begin(), m_cellStart.end() - 1);
    for (size_t s = 0; s < m_segments.size(); ++s)
        ForEachCell(m_segments[s], [&](int cell) { m_cellSegments[size_t(fill[size_t(cell)]++)] = int(s); });
}

// Every cell the segment passes through, each once in a row: samples half a cell apart, so a
// cell the segment only clips at a corner may be missed; the search looks one cell further.
template <typename Visit> void CDxfSnapIndex::ForEachCell(const SSegment& segment, Visit visit) const
{
    const double length = Distance(segment.a, segment.b);
    const int samples = int(std::min(1e6, std::ceil(2 * length / m_cell))) + 1;
    int last = -1;
    for (int i = 0; i < samples; ++i) {
        const double f = samples == 1 ? 0 : double(i) / (samples - 1);
        const QPointF p = segment.a + (segment.b - segment.a) * f;
        const int column = int(std::clamp(p.x() / m_cell, 0.0, double(m_columns - 1)));
        const int row = int(std::clamp(p.y() / m_cell, 0.0, double(m_rows - 1)));
        const int cell = row * m_columns + column;
        if (cell != last)
            visit(cell);
        last = cell;
    }
}

const CDxfScene::SKey& CDxfSnapIndex::KeyOf(const SSegment& segment) const
{
    switch (segment.ownerType) {
    case PolylineOwner:
        return m_scene.Polylines()[size_t(segment.owner)].key;
    case CurveOwner:
        return m_scene.Curves()[size_t(segment.owner)].key;
    default:
        return m_scene.Texts()[size_t(segment.owner)].key;
    }
}

// The point of the curve itself near the hit on its chord: a few Newton steps on the parameter.
QPointF CDxfSnapIndex::OnCurve(const SSegment& segment, double along, const QPointF& point) const
{
    const CDxfScene::SCurve& curve = m_scene.Curves()[size_t(segment.owner)];
    double t = segment.ta + (segment.tb - segment.ta) * along;
    for (int i = 0; i < 4; ++i) {
        const QPointF c = curve.centre + curve.a * std::cos(t) + curve.b * std::sin(t) - point;
        const QPointF d = -curve.a * std::sin(t) + curve.b * std::cos(t);
        const QPointF dd = -curve.a * std::cos(t) - curve.b * std::sin(t);
        const double g = c.x() * d.x() + c.y() * d.y();
        const double h = d.x() * d.x() + d.y() * d.y() + c.x() * dd.x() + c.y() * dd.y();
        if (h <= 0)
            break;
        t = std::clamp(t - g / h, curve.start, curve.end);
    }
    return curve.centre + curve.a * std::cos(t) + curve.b * std::sin(t);
}

bool CDxfSnapIndex::Nearest(const QPointF& point, double radius, SHit& hit) const
{
    if (m_segments.empty() || !(radius > 0))
        return false;
    const double reach = radius + m_cell;
    const auto cell = [this](double at, int count) {
        return int(std::clamp(std::floor(at / m_cell), 0.0, double(count - 1)));
    };
    const int c0 = cell(point.x() - reach, m_columns);
    const int c1 = cell(point.x() + reach, m_columns);
    const int r0 = cell(point.y() - reach, m_rows);
    const int r1 = cell(point.y() + reach, m_rows);

    const SSegment* bestVertexOwner = nullptr;
    QPointF bestVertex;
    double vertexDistance = radius;
    const SSegment* bestSegment = nullptr;
    double segmentAlong = 0;
    double segmentDistance = radius;
    for (int row = r0; row <= r1; ++row) {
        for (int column = c0; column <= c1; ++column) {
            const int cell = row * m_columns + column;
            for (int k = m_cellStart[size_t(cell)]; k < m_cellStart[size_t(cell) + 1]; ++k) {
                const SSegment& s = m_segments[size_t(m_cellSegments[size_t(k)])];
                if (!m_scene.IsVisible(KeyOf(s)))
                    continue;
                for (const auto& [vertex, isVertex] :
                     {std::pair{s.a, s.aVertex}, std::pair{s.b, s.bVertex}}) {
                    const double d = Distance(vertex, point);
                    if (isVertex && d <= vertexDistance) {
                        vertexDistance = d;
                        bestVertex = vertex;
                        bestVertexOwner = &s;
                    }
                }
                const double f = Along(s.a, s.b, point);
                const double d = Distance(s.a + (s.b - s.a) * f, point);
                if (d <= segmentDistance) {
                    segmentDistance = d;
                    segmentAlong = f;
                    bestSegment = &s;
                }
            }
        }
    }
    const SSegment* owner = bestVertexOwner ? bestVertexOwner : bestSegment;
    if (!owner)
        return false;
    hit.vertex = bestVertexOwner != nullptr;
    if (hit.vertex)
        hit.point = bestVertex;
    else if (owner->ownerType == CurveOwner)
        hit.point = OnCurve(*owner, segmentAlong, point);
    else
        hit.point = owner->a + (owner->b - owner->a) * segmentAlong;
    const QString text = owner->ownerType == TextOwner
                             ? m_scene.Texts()[size_t(owner->owner)].lines.join(QLatin1Char(' '))
                             : QString();
    hit.description = m_scene.Describe(KeyOf(*owner), text);
    return true;
}
