#include "cad/model/CCADAreaInfo.h"

#include "cad/model/CADPointList.h"
#include "cad/model/CCADFileReader.h"
#include "cad/model/CCADFileWriter.h"
#include "cad/model/CDWGInfo.h"

#include <cmath>
#include <memory>

namespace {
// The angle computation keeps this value of pi: with it a 45-degree edge comes out just above
// 45 degrees, and the stored orientations of existing models depend on that.
constexpr double kPi = 3.14159265;

CCADPoint Middle(const CCADPoint& a, const CCADPoint& b)
{
    return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

// Twice the signed area: positive when the corners run counter-clockwise (y upwards).
double SignedArea2(const std::vector<CCADPoint>& p)
{
    double sum = 0;
    for (size_t i = 1; i + 1 < p.size(); ++i)
        sum += (p[i].x - p[0].x) * (p[i + 1].y - p[0].y) - (p[i + 1].x - p[0].x) * (p[i].y - p[0].y);
    return sum;
}
} // namespace

void CCADAreaInfo::Assign(const CCADAreaInfo& source)
{
    if (&source == this)
        return;
    roomElementId = source.roomElementId;
    area = source.area;
    height = source.height;
    name = source.name;
    walls.Clear();
    for (auto* node = source.walls.NodeAt(0); node; node = node->next)
        walls.Add(new CCADWallInfo(*node->item));
    points.Clear();
    for (auto* node = source.points.NodeAt(0); node; node = node->next)
        points.Add(new CCADPoint(*node->item));
}

std::vector<CCADPoint> CCADAreaInfo::Corners() const
{
    return CADPointsToVector(points);
}

double CCADAreaInfo::GetArea(int unit) const
{
    const std::vector<CCADPoint> p = Corners();
    if (p.size() < 3)
        return 0;
    // Measured from the first corner, so a plan far from the drawing origin keeps its digits.
    return std::fabs(SignedArea2(p)) / 2 * CDWGInfo::AreaFactor(unit);
}

double CCADAreaInfo::GetEdgeLength(const CCADPoint& a, const CCADPoint& b, int unit)
{
    return std::hypot(a.x - b.x, a.y - b.y) * CDWGInfo::LengthFactor(unit);
}

void CCADAreaInfo::UpdateWallAngles()
{
    const std::vector<CCADPoint> p = Corners();
    const size_t n = p.size();
    if (n == 0)
        return;
    edgeLines.assign(n, SEdgeLine());
    for (size_t i = 0; i < n; ++i) {
        const CCADPoint& a = p[i];
        const CCADPoint& q = p[(i + 1) % n];
        if (a.x == q.x) {
            edgeLines[i] = {2, 0, q.x};
        } else {
            const double k = (a.y - q.y) / (a.x - q.x);
            edgeLines[i] = {1, k, a.y - k * a.x};
        }
    }

    const bool counterClockwise = SignedArea2(p) >= 0;
    const int wallCount = walls.Count();
    for (size_t i = 0; i < n && int(i) < wallCount; ++i) {
        const CCADPoint& a = p[i];
        const CCADPoint& q = p[(i + 1) % n];
        const double e = a.x != q.x ? std::atan(std::fabs((a.y - q.y) / (a.x - q.x))) * 180 / kPi : 90;

        // A point on the inner side of the edge, found from the winding (left of the edge for
        // counter-clockwise corners), also where both corners of the edge are re-entrant.
        const CCADPoint middle = Middle(a, q);
        const double inward = counterClockwise ? 1 : -1;
        const CCADPoint test{middle.x - inward * (q.y - a.y), middle.y + inward * (q.x - a.x)};

        const SEdgeLine& line = edgeLines[i];
        double angle;
        if (line.kind == 1 && line.slope >= 0) {
            const double v = line.slope * test.x + line.intercept;
            angle = test.y > v ? 180 - e : 360 - e;
        } else {
            const double w = line.kind == 2 ? line.intercept : (test.y - line.intercept) / line.slope;
            angle = test.x > w ? e + 180 : e;
        }
        if (angle == 360)
            angle = 0;
        walls.Get(int(i))->orientation = int(angle);
    }
}

void CCADAreaInfo::Read(CCADFileReader& file, int version)
{
    // The shortest wall record: no node ID (older files) and two empty texts.
    constexpr qint64 kMinWallBytes = 4 + 4 + 8 + 8 + 8 + 4 + 4 + 4;

    name = file.ReadString();
    roomElementId = file.ReadInt();
    area = file.ReadDouble();
    walls.Clear();
    const int wallCount = file.ReadCount(kMinWallBytes);
    for (int i = 0; i < wallCount; ++i) {
        auto wall = std::make_unique<CCADWallInfo>();
        wall->Read(file, version);
        walls.Add(wall.release());
    }
    height = file.ReadDouble();
    points.Clear();
    const int pointCount = file.ReadCount(16);
    for (int i = 0; i < pointCount; ++i)
        points.Add(new CCADPoint(file.ReadPoint()));
}

void CCADAreaInfo::Write(CCADFileWriter& file) const
{
    file.WriteString(name);
    file.WriteInt(roomElementId);
    file.WriteDouble(area);
    file.WriteInt(walls.Count());
    for (auto* node = walls.NodeAt(0); node; node = node->next)
        node->item->Write(file);
    file.WriteDouble(height);
    const std::vector<CCADPoint> corners = Corners();
    file.WriteInt(qint32(corners.size()));
    for (const CCADPoint& point : corners)
        file.WritePoint(point);
}
