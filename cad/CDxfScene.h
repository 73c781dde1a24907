#pragma once
#include <QPointF>
#include <QRgb>
#include <QString>
#include <QStringList>
#include <vector>

class CDxfDocument;
struct SDxfEntities;
class QTransform;

// What a DXF drawing shows, flattened for drawing and snapping: blocks expanded, colours
// resolved for a white background, polyline bulges turned into arcs. Coordinates are drawing
// coordinates: measured from the lower-left corner of the drawing's box, in the drawing's units,
// y upwards. The box holds everything drawn and the header's extents when the file gives them.
class CDxfScene
{
public:
    enum Kind : int
    {
        Line,
        Polyline,
        Arc,
        Circle,
        Ellipse,
        Text,
        MText
    };

    // An axis-aligned box; a line along an axis has a box of no width or height.
    struct SBounds
    {
        double x0 = 0, y0 = 0, x1 = -1, y1 = -1; // empty while x1 < x0

        bool IsEmpty() const { return x1 < x0; }
        void Add(const QPointF& p);
        void Add(const SBounds& other);
        bool Overlaps(const SBounds& other) const
        {
            return x0 <= other.x1 && other.x0 <= x1 && y0 <= other.y1 && other.y0 <= y1;
        }
    };

    // What every primitive carries: its layer (for entities on layer 0 inside a block, the
    // layer of the insert), the layer of the outermost insert it came from (-1 for entities of
    // the model space), its colour, the kind of entity and the outermost block (-1 none).
    struct SKey
    {
        int layer = 0;
        int outerLayer = -1;
        QRgb colour = 0xff000000;
        int kind = Line;
        int block = -1;
    };
    struct SPolyline
    {
        SKey key;
        quint32 first = 0; // into Points()
        quint32 count = 0;
        bool closed = false;
        SBounds bounds;
    };
    // centre + a * cos t + b * sin t, t from start to end.
    struct SCurve
    {
        SKey key;
        QPointF centre, a, b;
        double start = 0, end = 0;
        SBounds bounds;
    };
    struct SText
    {
        SKey key;
        QPointF position;
        double angle = 0;  // radians, counter-clockwise
        double height = 0; // drawing units
        double widthFactor = 1;
        double lineSpacing = 1;
        int hAnchor = 0; // SDxfText::HAnchor
        int vAnchor = 0; // SDxfText::VAnchor
        QStringList lines;
        SBounds bounds;                    // from estimated character widths
        mutable std::vector<float> widths; // per line at a font of 100 pixels, filled when drawn
    };
    struct SLayer
    {
        QString name;
        bool visible = true;
    };

    // More primitives than this (after expanding blocks) refuse the drawing.
    static constexpr size_t MaxPrimitives = 2000000;

    // False, with the reason for the user, when nothing in the drawing can be drawn or the
    // drawing is too large.
    bool Build(const CDxfDocument& document, QString& fault);

    double BoxWidth() const { return m_boxWidth; }
    double BoxHeight() const { return m_boxHeight; }
    // World coordinates of the box's lower-left corner.
    QPointF Origin() const { return m_origin; }
    int Units() const { return m_units; }

    const std::vector<SLayer>& Layers() const { return m_layers; }
    void SetLayerVisible(int layer, bool visible);
    bool IsVisible(const SKey& key) const;

    const std::vector<QPointF>& Points() const { return m_points; }
    const std::vector<SPolyline>& Polylines() const { return m_polylines; }
    const std::vector<SCurve>& Curves() const { return m_curves; }
    const std::vector<SText>& Texts() const { return m_texts; }
    size_t PrimitiveCount() const { return m_polylines.size() + m_curves.size() + m_texts.size(); }

    // For the user: the kind of entity, its layer, its block and, for a text, its content.
    QString Describe(const SKey& key, const QString& text = QString()) const;

private:
    struct SContext;
    bool Add(const SDxfEntities& entities, const SContext& context);
    bool AddInserts(const SDxfEntities& entities, const SContext& context);
    void AddPolyline(const std::vector<QPointF>& run, bool closed, const SKey& key);
    void AddCurve(const QPointF& centre, const QPointF& a, const QPointF& b, double start, double end,
                  bool full, const SKey& key);
    bool Keep(const SBounds& bounds);
    void MoveToOrigin(const SBounds& box);

    const CDxfDocument* m_document = nullptr;
    std::vector<QRgb> m_layerColours;
    int m_layerZero = -1;
    bool m_tooLarge = false;

    std::vector<SLayer> m_layers;
    std::vector<QString> m_blockNames;
    std::vector<QPointF> m_points;
    std::vector<SPolyline> m_polylines;
    std::vector<SCurve> m_curves;
    std::vector<SText> m_texts;
    SBounds m_extents;
    QPointF m_origin;
    double m_boxWidth = 0;
    double m_boxHeight = 0;
    int m_units = 1;
};
