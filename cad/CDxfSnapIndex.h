#pragma once
#include "cad/CDxfScene.h"

#include <QPointF>
#include <vector>

// Finds the point of a drawing nearest to a given point, for snapping traced corners onto the
// drawing. Vertices (ends of lines and arcs, corners of polylines, insertion points of texts)
// win over points along lines and arcs when one lies within the radius. Only layers shown count.
// Built once per drawing: a grid over the drawing's box that lists the segments crossing each cell.
class CDxfSnapIndex
{
public:
    explicit CDxfSnapIndex(const CDxfScene& scene);

    struct SHit
    {
        QPointF point; // drawing coordinates
        bool vertex = false;
        QString description; // what was hit, for the user
    };
    // False when nothing shown lies within the radius (drawing units) of the point.
    bool Nearest(const QPointF& point, double radius, SHit& hit) const;

private:
    enum OwnerType : int
    {
        PolylineOwner,
        CurveOwner,
        TextOwner
    };
    struct SSegment
    {
        QPointF a, b;
        int ownerType;
        int owner;
        double ta = 0, tb = 0; // curve parameters of a and b
        bool aVertex = false;
        bool bVertex = false;
    };

    template <typename Visit> void ForEachCell(const SSegment& segment, Visit visit) const;
    const CDxfScene::SKey& KeyOf(const SSegment& segment) const;
    QPointF OnCurve(const SSegment& segment, double along, const QPointF& point) const;

    const CDxfScene& m_scene;
    std::vector<SSegment> m_segments;
    double m_cell = 1;
    int m_columns = 1;
    int m_rows = 1;
    std::vector<int> m_cellStart; // m_columns * m_rows + 1 offsets into m_cellSegments
    std::vector<int> m_cellSegments;
};
