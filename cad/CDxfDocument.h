#pragma once
#include <QString>
#include <QStringList>
#include <vector>

// A DXF drawing as read: the header values the underlay needs, the layer table, the blocks and
// the model-space entities, in the file's own world coordinates (entities drawn in a mirrored
// object plane are turned into world coordinates on reading). Texts are decoded already.
// Plain data filled by CDxfReader and turned into pictures by CDxfScene.

// Colour of an entity or layer: an AutoCAD colour index 1..255, or one of these.
enum : int
{
    DxfColourByBlock = 0,
    DxfColourByLayer = 256
};

struct SDxfAttributes
{
    int layer = 0; // index into CDxfDocument::layers
    int colour = DxfColourByLayer;
    int trueColour = -1; // 0xRRGGBB when the entity has one, else -1
};

struct SDxfVertex
{
    double x = 0;
    double y = 0;
    double bulge = 0; // tan(included angle / 4) of the arc to the next vertex; 0 straight
};

// LINE (two vertices), LWPOLYLINE and POLYLINE.
struct SDxfPolyline
{
    SDxfAttributes attr;
    std::vector<SDxfVertex> vertices;
    bool closed = false;
    bool line = false; // a LINE entity
};

// CIRCLE, ARC and ELLIPSE as one elliptical arc: centre + major * cos t + minor * sin t for t
// from start to end (radians, end > start), minor = ratio * major turned by 90 degrees.
struct SDxfArc
{
    SDxfAttributes attr;
    double cx = 0, cy = 0;
    double majorX = 0, majorY = 0;
    double ratio = 1;
    double start = 0, end = 0;
    bool full = false; // a closed circle or ellipse
};

// TEXT and MTEXT. The anchor is where the text's box meets the insertion point.
struct SDxfText
{
    enum HAnchor : int
    {
        Left = 0,
        Centre = 1,
        Right = 2
    };
    enum VAnchor : int
    {
        Baseline = 0,
        Bottom = 1,
        Middle = 2,
        Top = 3
    };

    SDxfAttributes attr;
    double x = 0, y = 0;
    double height = 0; // character height, drawing units
    double widthFactor = 1;
    double angle = 0; // radians, counter-clockwise
    int hAnchor = Left;
    int vAnchor = Baseline;
    double lineSpacing = 5.0 / 3.0; // baseline distance in character heights (MTEXT)
    QStringList lines;
    bool multiline = false; // MTEXT
};

// INSERT of a block, possibly as a rectangular array: the block's entities are moved by minus
// its base point, scaled, turned by the angle, mirrored in x when the insert's extrusion points
// down, and moved to the insertion point.
struct SDxfInsert
{
    SDxfAttributes attr;
    int block = -1; // index into CDxfDocument::blocks; -1 when the block is missing
    bool mirrored = false;
    double x = 0, y = 0;
    double scaleX = 1, scaleY = 1;
    double angle = 0; // degrees
    int columns = 1, rows = 1;
    double columnSpacing = 0, rowSpacing = 0;
};

struct SDxfEntities
{
    std::vector<SDxfPolyline> polylines;
    std::vector<SDxfArc> arcs;
    std::vector<SDxfText> texts;
    std::vector<SDxfInsert> inserts;

    size_t Count() const { return polylines.size() + arcs.size() + texts.size() + inserts.size(); }
};

struct SDxfBlock
{
    QString name;
    double baseX = 0, baseY = 0;
    SDxfEntities entities;
};

struct SDxfLayer
{
    QString name;
    int colour = 7; // colour index, 1..255
    int trueColour = -1;
    bool visible = true; // false for layers switched off or frozen in the drawing
};

class CDxfDocument
{
public:
    // Header: $ACADVER, $INSUNITS (0 unitless, 1 inch, 2 foot, 4 mm, 5 cm, 6 m, ...),
    // $MEASUREMENT (0 imperial, 1 metric, -1 absent), $EXTMIN/$EXTMAX when present.
    QString version;
    QString codePage;
    int insUnits = 0;
    int measurement = -1;
    bool hasExtents = false;
    double extMinX = 0, extMinY = 0, extMaxX = 0, extMaxY = 0;

    std::vector<SDxfLayer> layers; // the layer table, then layers only named by entities
    std::vector<SDxfBlock> blocks;
    SDxfEntities entities; // model space

    // 1 for metric drawings, 0 for imperial ones: $MEASUREMENT when given, else by $INSUNITS
    // (inch, foot, mile, microinch, mil, yard are imperial); metric when neither says.
    int Units() const;
};
