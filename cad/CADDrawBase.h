#pragma once
#include "cad/model/CCADPoint.h"
#include "platform/core/CMyList.h"

#include <QColor>
#include <QPoint>
#include <QString>
#include <vector>

class CCADImage;
class QPainter;

// A polygon drawn over the drawing underlay: a traced room (CRoomDraw) or the storey outline
// (StoreyFrame). Corners are in drawing coordinates; the painting converts them through the
// underlay's view.
class CADDrawBase
{
public:
    CADDrawBase(const QColor& penColour, bool filled) : penColour(penColour), filled(filled) {}
    virtual ~CADDrawBase() = default;
    CADDrawBase(const CADDrawBase&) = delete;
    CADDrawBase& operator=(const CADDrawBase&) = delete;

    // w + 1 highlights edge w (corner w to corner w + 1, the last edge back to corner 0); -1 none.
    int highlightedEdge = -1;
    CMyList<CCADPoint> points{true};
    QColor penColour;
    bool filled; // rooms are hatched, the outline is not

    // Draws the closed polygon (nothing for two corners or fewer): rooms hatched in yellow with
    // a one-pixel line, the outline with a two-pixel line, the highlighted edge three pixels
    // wide in blue, the corner letters (CornerName) and the label centred on the corners.
    void DrawPolygon(const CCADImage& underlay, QPainter& painter, const QString& label) const;
    // Draws edge i in the painter's pen colour with the given width; nothing for an index
    // outside the corners.
    void DrawEdge(int edge, int width, const CCADImage& underlay, QPainter& painter) const;
    // Appends the corner under a pixel of the underlay.
    void AddPoint(const CCADImage& underlay, int x, int y);
    // The corners as pixels, each coordinate truncated toward zero.
    std::vector<QPoint> ToScreenPoints(const CCADImage& underlay) const;
    std::vector<CCADPoint> Corners() const;
    void SetCorners(const std::vector<CCADPoint>& corners);

    // "A", "B", ... "Z" for the first 26 corners, then "A1", "B1", ... so that every corner of a
    // polygon of up to a hundred corners has a name of its own.
    static QString CornerName(int index);
};
