#pragma once
#include "cad/model/CCADPoint.h"
#include "cad/model/CCADWallInfo.h"
#include "platform/core/CMyList.h"

#include <QString>
#include <vector>

class CCADFileReader;
class CCADFileWriter;

// One traced polygon: a room, or in the modelling window the storey outline. Corners are in
// drawing units; the area is in square metres. Owns its walls and points.
class CCADAreaInfo
{
public:
    // Line through one edge: kind 1 is y = slope * x + intercept, kind 2 the vertical x = intercept.
    struct SEdgeLine
    {
        double kind = 0;
        double slope = 0;
        double intercept = 0;
    };

    CCADAreaInfo() = default;
    CCADAreaInfo(const CCADAreaInfo&) = delete;
    CCADAreaInfo& operator=(const CCADAreaInfo&) = delete;

    // Work space of UpdateWallAngles, one entry per edge, refilled on every call; never stored.
    std::vector<SEdgeLine> edgeLines;
    int roomElementId = -1; // row ID of the Room element made from this polygon; -1 while none
    double area = 0;
    QString name;
    CMyList<CCADWallInfo> walls{true}; // one per edge, in edge order
    CMyList<CCADPoint> points{true};   // corners in drawing order
    double height = 0;                 // the storey height when the room was traced

    // Deep copy of room element id, area, height, name, walls and points. Assigning a polygon
    // to itself changes nothing.
    void Assign(const CCADAreaInfo& source);

    // Floor area in square metres, not rounded, from the corners as they are (fractions of a
    // drawing unit count); 0 with fewer than 3 corners.
    double GetArea(int unit) const;
    // Distance of two points in metres, not rounded.
    static double GetEdgeLength(const CCADPoint& a, const CCADPoint& b, int unit);
    // Sets the orientation of wall i from edge i for every edge that has a wall, in the
    // drawing's frame (north not applied): the outer face is the side away from the inside,
    // and the inside is told by the polygon's winding (left of every edge when the corners run
    // counter-clockwise), so re-entrant edges such as the bottom of a U-notch face outwards too.
    void UpdateWallAngles();

    // The corners in drawing order.
    std::vector<CCADPoint> Corners() const;

    // The file version is passed on to the wall reader. Raises CCADFileError when damaged.
    void Read(CCADFileReader& file, int version);
    void Write(CCADFileWriter& file) const;
};
