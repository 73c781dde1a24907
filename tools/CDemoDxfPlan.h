#pragma once
#include <QByteArray>
#include <QPointF>
#include <QString>
#include <vector>

// ASCII DXF floor plans written for the screenshots and the underlay benchmark (AutoCAD 2000
// format, millimetres, room names in GBK). The office storey: eight bays of 7.2 m along a
// central corridor of 2.4 m between two rows of rooms 6.6 m deep; axes with numbered bubbles,
// outside walls of 240 mm and partitions of 200 mm, windows and doors as blocks, columns at
// the axis crossings, room names and areas, dimension lines, a staircase and a title.
// The header's extents hold the whole plan, so drawing coordinates are world coordinates minus
// Origin().
class CDemoDxfPlan
{
public:
    static constexpr double Bay = 7200;
    static constexpr int Bays = 8;
    static constexpr double RoomDepth = 6600;
    static constexpr double CorridorWidth = 2400;
    static constexpr double Length = Bay * Bays;
    static constexpr double Depth = 2 * RoomDepth + CorridorWidth;

    // One office storey.
    static QByteArray OfficeStorey();
    // Copies of the storey side by side in a square grid, as many as make at least the given
    // number of entities (counting each block insert as one); the count written goes to *count.
    static QByteArray ManyStoreys(int minimumEntities, int* count = nullptr);

    // World coordinates of the lower-left corner of the office storey's box.
    static QPointF Origin();
    // Corners, in drawing coordinates, of the storey's outside face (counter-clockwise from the
    // south-west) and of the south-west office (between axes 1 and 2, south of the corridor).
    static std::vector<QPointF> OutlineCorners();
    static std::vector<QPointF> FirstOfficeCorners();
};
