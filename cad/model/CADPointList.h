#pragma once
#include "cad/model/CCADPoint.h"
#include "platform/core/CMyList.h"

#include <vector>

// Corner lists as plain vectors, for computing on them; the owning lists keep copies.
inline std::vector<CCADPoint> CADPointsToVector(const CMyList<CCADPoint>& points)
{
    std::vector<CCADPoint> corners;
    corners.reserve(size_t(points.Count()));
    for (auto* node = points.NodeAt(0); node; node = node->next)
        corners.push_back(*node->item);
    return corners;
}

inline void CADPointsFromVector(CMyList<CCADPoint>& points, const std::vector<CCADPoint>& corners)
{
    points.Clear();
    for (const CCADPoint& corner : corners)
        points.Add(new CCADPoint(corner));
}
