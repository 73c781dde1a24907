#include "cad/CADDrawBase.h"

#include "cad/CCADImage.h"
#include "cad/model/CADPointList.h"

#include <algorithm>
#include <cmath>

std::vector<CCADPoint> CADDrawBase::Corners() const
{
    return CADPointsToVector(points);
}

void CADDrawBase::SetCorners(const std::vector<CCADPoint>& corners)
{
    CADPointsFromVector(points, corners);
}

void CADDrawBase::AddPoint(const CCADImage& underlay, int x, int y)
{
    points.Add(new CCADPoint{underlay.ScreenToDrawingX(x), underlay.ScreenToDrawingY(y)});
}

std::vector<QPoint> CADDrawBase::ToScreenPoints(const CCADImage& underlay) const
{
    // Corners far outside the view are held within what the painter can draw.
    const auto pixel = [](double at) { return int(std::clamp(std::trunc(at), -1e9, 1e9)); };
    std::vector<QPoint> pixels;
    pixels.reserve(size_t(points.Count()));
    for (auto* node = points.NodeAt(0); node; node = node->next)
        pixels.emplace_back(pixel(underlay.DrawingToScreenX(node->item->x)),
                            pixel(underlay.DrawingToScreenY(node->item->y)));
    return pixels;
}

QString CADDrawBase::CornerName(int index)
{
    const QChar letter(ushort('A' + index % 26));
    return index < 26 ? QString(letter) : QString(letter) + QString::number(index / 26);
}
