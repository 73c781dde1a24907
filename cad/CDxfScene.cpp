#include "cad/CDxfScene.h"

#include "cad/CDxfDocument.h"

#include <QColor>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <map>

namespace {
constexpr int kMaxDepth = 16;
// Farther out than any building drawing reaches, in any unit: such entities are damage.
constexpr double kMaxCoordinate = 1e12;
constexpr double kTwoPi = 2 * M_PI;
constexpr QRgb kBlack = 0xff000000;

// The AutoCAD colour index: 1..9 fixed, 10..249 hues in steps of 15 degrees (every tenth index
// a new hue, odd indexes paler, brightness falling every two), 250..255 greys.
QRgb AciColour(int index)
{
    static const QRgb fixed[10] = {kBlack,     0xffff0000, 0xffffff00, 0xff00ff00, 0xff00ffff,
                                   0xff0000ff, 0xffff00ff, kBlack,     0xff808080, 0xffc0c0c0};
    if (index >= 1 && index <= 9)
        return fixed[index];
    if (index >= 250 && index <= 255) {
        static const int greys[6] = {51, 91, 132, 173, 214, 255};
        const int g = greys[index - 250];
        return qRgb(g, g, g);
    }
    if (index < 10 || index > 249)
        return kBlack;
    static const double values[5] = {1.0, 0.65, 0.5, 0.3, 0.15};
    const int hue = (index / 10 - 1) * 15;
    const int step = index % 10;
    return QColor::fromHsvF(hue / 360.0, step % 2 ? 0.5 : 1.0, values[step / 2]).rgb();
}

// On the white underlay white stays black, as CAD programs print it, and pale colours are
// darkened so that every line can be seen.
QRgb Readable(QRgb colour)
{
    const double brightness = 0.299 * qRed(colour) + 0.587 * qGreen(colour) + 0.114 * qBlue(colour);
    if (brightness >= 250)
        return kBlack;
    constexpr double kMaxBrightness = 170;
    if (brightness <= kMaxBrightness)
        return colour | kBlack;
    const double f = kMaxBrightness / brightness;
    return qRgb(int(qRed(colour) * f), int(qGreen(colour) * f), int(qBlue(colour) * f));
}

QRgb ColourOf(int index, int trueColour)
{
    return Readable(trueColour >= 0 ? QRgb(trueColour) | kBlack : AciColour(index));
}

QPointF Linear(const QTransform& t, double x, double y)
{
    return {t.m11() * x + t.m21() * y, t.m12() * x + t.m22() * y};
}

double Length(const QPointF& v)
{
    return std::hypot(v.x(), v.y());
}

// Roughly how many character heights wide a line is: CJK characters are square, others narrower.
double EstimatedWidth(const QString& line)
{
    double width = 0;
    for (const QChar c : line)
        width += c.unicode() >= 0x2E80 ? 1.0 : 0.6;
    return width;
}

// The text's box from its anchor, with estimated widths: it counts toward the drawing's box
// and decides whether the text is in view.
CDxfScene::SBounds TextBounds(const CDxfScene::SText& text)
{
    const double h = text.height;
    double widest = 0;
    for (const QString& line : text.lines)
        widest = std::max(widest, EstimatedWidth(line));
    const double width = widest * h * text.widthFactor;
    const double block = h + std::max<qsizetype>(0, text.lines.size() - 1) * text.lineSpacing * h;
    const double left = text.hAnchor == SDxfText::Centre  ? -width / 2
                        : text.hAnchor == SDxfText::Right ? -width
                                                          : 0;
    const double top = text.vAnchor == SDxfText::Top      ? 0
                       : text.vAnchor == SDxfText::Middle ? block / 2
                       : text.vAnchor == SDxfText::Bottom ? block
                                                          : h;
    const double bottom = top - block - 0.2 * h; // room for descenders
    const double c = std::cos(text.angle);
    const double s = std::sin(text.angle);
    CDxfScene::SBounds bounds;
    for (const QPointF& corner : {QPointF(left, bottom), QPointF(left + width, bottom), QPointF(left, top),
                                  QPointF(left + width, top)})
        bounds.Add(text.position + QPointF(corner.x() * c - corner.y() * s, corner.x() * s + corner.y() * c));
    return bounds;
}
// An upper bound of the primitives the entities expand to, counted before anything is built so
// that a huge array is refused at once. Counts per block and depth are kept, so deep nesting
// costs no more than the blocks times the depths.
double Count(const CDxfDocument& document, const SDxfEntities& entities, int depth,
             std::map<std::pair<int, int>, double>& counted)
{
    double count = double(entities.arcs.size() + entities.texts.size());
    for (const SDxfPolyline& polyline : entities.polylines)
        count += 2.0 * double(polyline.vertices.size());
    if (depth >= kMaxDepth)
        return count;
    for (const SDxfInsert& insert : entities.inserts) {
        if (insert.block < 0)
            continue;
        const auto key = std::make_pair(insert.block, depth + 1);
        auto found = counted.find(key);
        if (found == counted.end())
            found = counted
                        .emplace(key, Count(document, document.blocks[size_t(insert.block)].entities,
                                            depth + 1, counted))
                        .first;
        count += double(insert.columns) * double(insert.rows) * std::max(1.0, found->second);
    }
    return count;
}

} // namespace

struct CDxfScene::SContext
{
    QTransform transform;
    int layer = -1; // the insert's layer, for entities on layer 0; -1 at the top
    int outerLayer = -1;
    QRgb blockColour = kBlack;
    int block = -1;
    int depth = 0;

    SKey Key(const SDxfAttributes& attr, int kind, int layerZero, const std::vector<QRgb>& layerColours) const
    {
        SKey key;
        key.kind = kind;
        key.layer = layer >= 0 && attr.layer == layerZero ? layer : attr.layer;
        key.outerLayer = outerLayer;
        key.block = block;
        if (attr.trueColour >= 0)
            key.colour = ColourOf(0, attr.trueColour);
        else if (attr.colour == DxfColourByBlock)
            key.colour = blockColour;
        else if (attr.colour >= 1 && attr.colour <= 255)
            key.colour = ColourOf(attr.colour, -1);
        else
            key.colour = layerColours[size_t(key.layer)];
        return key;
    }
};

void CDxfScene::SBounds::Add(const QPointF& p)
{
    if (IsEmpty()) {
        x0 = x1 = p.x();
        y0 = y1 = p.y();
        return;
    }
    x0 = std::min(x0, p.x());
    x1 = std::max(x1, p.x());
    y0 = std::min(y0, p.y());
    y1 = std::max(y1, p.y());
}

void CDxfScene::SBounds::Add(const SBounds& other)
{
    if (other.IsEmpty())
        return;
    Add(QPointF(other.x0, other.y0));
    Add(QPointF(other.x1, other.y1));
}

bool CDxfScene::Build(const CDxfDocument& document, QString& fault)
{
    *this = CDxfScene();
    m_document = &document;
    m_units = document.Units();
    for (size_t i = 0; i < document.layers.size(); ++i) {
        const SDxfLayer& layer = document.layers[i];
        m_layers.push_back({layer.name, layer.visible});
        m_layerColours.push_back(ColourOf(layer.colour, layer.trueColour));
        if (layer.name == QLatin1String("0"))
            m_layerZero = int(i);
    }
    for (const SDxfBlock& block : document.blocks)
        m_blockNames.push_back(block.name);

    std::map<std::pair<int, int>, double> counted;
    const bool complete =
        Count(document, document.entities, 0, counted) <= double(CDxfScene::MaxPrimitives) &&
        Add(document.entities, SContext());
    m_document = nullptr;
    if (!complete || m_tooLarge) {
        fault = QStringLiteral("图纸中的图形（块展开后）超过%1个，无法显示。").arg(MaxPrimitives);
        return false;
    }
    if (PrimitiveCount() == 0) {
        fault = QStringLiteral(
            "图纸的模型空间中没有可显示的图形（可显示直线、多段线、圆弧、圆、椭圆、文字和块）。");
        return false;
    }

    SBounds box = m_extents;
    const double limit = 1e15;
    if (document.hasExtents && document.extMinX <= document.extMaxX && document.extMinY <= document.extMaxY &&
        std::fabs(document.extMinX) < limit && std::fabs(document.extMinY) < limit &&
        std::fabs(document.extMaxX) < limit && std::fabs(document.extMaxY) < limit) {
        box.Add(QPointF(document.extMinX, document.extMinY));
        box.Add(QPointF(document.extMaxX, document.extMaxY));
    }
    // A drawing of one straight line still needs a box with some height and width.
    const double least = std::max(1e-6, 0.01 * std::max(box.x1 - box.x0, box.y1 - box.y0));
    if (box.x1 - box.x0 < least) {
        box.x0 -= least / 2;
        box.x1 += least / 2;
    }
    if (box.y1 - box.y0 < least) {
        box.y0 -= least / 2;
        box.y1 += least / 2;
    }
    MoveToOrigin(box);
    return true;
}

bool CDxfScene::Add(const SDxfEntities& entities, const SContext& context)
{
    const QTransform& t = context.transform;
    std::vector<QPointF> run;
    for (const SDxfPolyline& polyline : entities.polylines) {
        const SKey key =
            context.Key(polyline.attr, polyline.line ? Line : Polyline, m_layerZero, m_layerColours);
        const std::vector<SDxfVertex>& v = polyline.vertices;
        const size_t n = v.size();
        const size_t segments = polyline.closed ? n : n - 1;
        const bool straight = std::all_of(v.begin(), v.end() - (polyline.closed ? 0 : 1),
                                          [](const SDxfVertex& p) { return p.bulge == 0; });
        run.clear();
        run.push_back(t.map(QPointF(v[0].x, v[0].y)));
        for (size_t i = 0; i < segments; ++i) {
            const SDxfVertex& p = v[i];
            const SDxfVertex& q = v[(i + 1) % n];
            if (p.bulge == 0) {
                if (!(straight && polyline.closed && i + 1 == n))
                    run.push_back(t.map(QPointF(q.x, q.y)));
                continue;
            }
            AddPolyline(run, false, key);
            run.clear();
            // The arc from p to q whose included angle is 4 atan(bulge), counter-clockwise when
            // the bulge is positive; its centre lies on the chord's perpendicular bisector.
            const double dx = q.x - p.x;
            const double dy = q.y - p.y;
            const double chord = std::hypot(dx, dy);
            if (chord > 0) {
                const double b = p.bulge;
                const double f = (1 - b * b) / (4 * b);
                const double cx = (p.x + q.x) / 2 - f * dy;
                const double cy = (p.y + q.y) / 2 + f * dx;
                const double radius = std::hypot(p.x - cx, p.y - cy);
                const double sweep = 4 * std::atan(std::fabs(b));
                const double from = std::atan2(p.y - cy, p.x - cx);
                const double turn = b > 0 ? 1 : -1;
                SKey arcKey = key;
                arcKey.kind = Arc;
                AddCurve(t.map(QPointF(cx, cy)), Linear(t, radius, 0), Linear(t, 0, turn * radius),
                         turn * from, turn * from + sweep, false, arcKey);
            }
            run.push_back(t.map(QPointF(q.x, q.y)));
        }
        AddPolyline(run, straight && polyline.closed, key);
        if (m_tooLarge)
            return false;
    }

    for (const SDxfArc& arc : entities.arcs) {
        const int kind = arc.ratio != 1 ? Ellipse : arc.full ? Circle : Arc;
        const SKey key = context.Key(arc.attr, kind, m_layerZero, m_layerColours);
        AddCurve(t.map(QPointF(arc.cx, arc.cy)), Linear(t, arc.majorX, arc.majorY),
                 Linear(t, -arc.ratio * arc.majorY, arc.ratio * arc.majorX), arc.start, arc.end, arc.full,
                 key);
        if (m_tooLarge)
            return false;
    }

    for (const SDxfText& text : entities.texts) {
        const QPointF along = Linear(t, std::cos(text.angle), std::sin(text.angle));
        const QPointF up = Linear(t, -std::sin(text.angle), std::cos(text.angle));
        if (Length(along) == 0 || Length(up) == 0)
            continue;
        SText scene;
        scene.key = context.Key(text.attr, text.multiline ? MText : Text, m_layerZero, m_layerColours);
        scene.position = t.map(QPointF(text.x, text.y));
        scene.angle = std::atan2(along.y(), along.x());
        scene.height = text.height * Length(up);
        scene.widthFactor = text.widthFactor * Length(along) / Length(up);
        scene.lineSpacing = text.lineSpacing;
        scene.hAnchor = text.hAnchor;
        scene.vAnchor = text.vAnchor;
        scene.lines = text.lines;
        scene.bounds = TextBounds(scene);
        if (!Keep(scene.bounds))
            continue;
        m_texts.push_back(std::move(scene));
    }
    if (m_tooLarge)
        return false;
    return AddInserts(entities, context);
}

bool CDxfScene::AddInserts(const SDxfEntities& entities, const SContext& context)
{
    for (const SDxfInsert& insert : entities.inserts) {
        if (insert.block < 0 || context.depth >= kMaxDepth)
            continue;
        const SDxfBlock& block = m_document->blocks[size_t(insert.block)];
        if (block.entities.Count() == 0)
            continue;
        const SKey key = context.Key(insert.attr, Line, m_layerZero, m_layerColours);
        SContext child;
        child.layer = key.layer;
        child.outerLayer = context.outerLayer >= 0 ? context.outerLayer : key.layer;
        child.blockColour = key.colour;
        child.block = context.block >= 0 ? context.block : insert.block;
        child.depth = context.depth + 1;
        for (int column = 0; column < insert.columns; ++column) {
            for (int row = 0; row < insert.rows; ++row) {
                QTransform local;
                local.translate(insert.x, insert.y);
                if (insert.mirrored)
                    local.scale(-1, 1);
                local.rotate(insert.angle);
                local.translate(column * insert.columnSpacing, row * insert.rowSpacing);
                local.scale(insert.scaleX, insert.scaleY);
                local.translate(-block.baseX, -block.baseY);
                child.transform = local * context.transform;
                if (!Add(block.entities, child))
                    return false;
            }
        }
    }
    return true;
}

void CDxfScene::AddPolyline(const std::vector<QPointF>& run, bool closed, const SKey& key)
{
    if (run.size() < 2)
        return;
    SPolyline polyline;
    polyline.key = key;
    polyline.closed = closed;
    for (const QPointF& p : run)
        polyline.bounds.Add(p);
    if (!Keep(polyline.bounds))
        return;
    polyline.first = quint32(m_points.size());
    polyline.count = quint32(run.size());
    m_points.insert(m_points.end(), run.begin(), run.end());
    m_polylines.push_back(polyline);
}

void CDxfScene::AddCurve(const QPointF& centre, const QPointF& a, const QPointF& b, double start, double end,
                         bool full, const SKey& key)
{
    SCurve curve;
    curve.key = key;
    curve.centre = centre;
    curve.a = a;
    curve.b = b;
    curve.start = start;
    curve.end = end;
    if (full) {
        const double rx = std::hypot(a.x(), b.x());
        const double ry = std::hypot(a.y(), b.y());
        curve.bounds.Add(centre - QPointF(rx, ry));
        curve.bounds.Add(centre + QPointF(rx, ry));
    } else {
        constexpr int kSamples = 64;
        for (int i = 0; i <= kSamples; ++i) {
            const double u = start + (end - start) * i / kSamples;
            curve.bounds.Add(centre + a * std::cos(u) + b * std::sin(u));
        }
    }
    if (Keep(curve.bounds))
        m_curves.push_back(curve);
}

bool CDxfScene::Keep(const SBounds& bounds)
{
    if (!(std::fabs(bounds.x0) < kMaxCoordinate && std::fabs(bounds.x1) < kMaxCoordinate &&
          std::fabs(bounds.y0) < kMaxCoordinate && std::fabs(bounds.y1) < kMaxCoordinate))
        return false;
    if (PrimitiveCount() >= MaxPrimitives) {
        m_tooLarge = true;
        return false;
    }
    m_extents.Add(bounds);
    return true;
}

void CDxfScene::MoveToOrigin(const SBounds& box)
{
    m_origin = QPointF(box.x0, box.y0);
    m_boxWidth = box.x1 - box.x0;
    m_boxHeight = box.y1 - box.y0;
    const auto move = [this](SBounds& b) {
        b.x0 -= m_origin.x();
        b.x1 -= m_origin.x();
        b.y0 -= m_origin.y();
        b.y1 -= m_origin.y();
    };
    for (QPointF& p : m_points)
        p -= m_origin;
    for (SPolyline& polyline : m_polylines)
        move(polyline.bounds);
    for (SCurve& curve : m_curves) {
        curve.centre -= m_origin;
        move(curve.bounds);
    }
    for (SText& text : m_texts) {
        text.position -= m_origin;
        move(text.bounds);
    }
}

void CDxfScene::SetLayerVisible(int layer, bool visible)
{
    if (layer >= 0 && layer < int(m_layers.size()))
        m_layers[size_t(layer)].visible = visible;
}

bool CDxfScene::IsVisible(const SKey& key) const
{
    return m_layers[size_t(key.layer)].visible &&
           (key.outerLayer < 0 || m_layers[size_t(key.outerLayer)].visible);
}

QString CDxfScene::Describe(const SKey& key, const QString& text) const
{
    static const char* const kinds[] = {"直线", "多段线", "圆弧", "圆", "椭圆", "文字", "多行文字"};
    QString description = QString::fromUtf8(kinds[key.kind]);
    if (!text.isEmpty())
        description +=
            QStringLiteral("“%1”").arg(text.size() > 20 ? text.left(20) + QStringLiteral("…") : text);
    description += QStringLiteral("  图层：%1").arg(m_layers[size_t(key.layer)].name);
    if (key.block >= 0)
        description += QStringLiteral("  块：%1").arg(m_blockNames[size_t(key.block)]);
    return description;
}
