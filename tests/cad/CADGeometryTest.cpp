#include "cad/model/CADInfoFile.h"
#include "cad/model/CCADAreaInfo.h"
#include "cad/model/CCADInfo.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

std::unique_ptr<CCADAreaInfo> Polygon(const std::vector<CCADPoint>& corners, int wallCount = -1)
{
    auto polygon = std::make_unique<CCADAreaInfo>();
    for (const CCADPoint& corner : corners)
        polygon->points.Add(new CCADPoint(corner));
    const int walls = wallCount < 0 ? int(corners.size()) : wallCount;
    for (int i = 0; i < walls; ++i) {
        auto* wall = new CCADWallInfo;
        wall->orientation = -1;
        polygon->walls.Add(wall);
    }
    return polygon;
}

std::vector<int> Orientations(CCADAreaInfo& polygon)
{
    std::vector<int> result;
    for (int i = 0; i < polygon.walls.Count(); ++i)
        result.push_back(polygon.walls.Get(i)->orientation);
    return result;
}

struct AreaCase
{
    const char* name;
    std::vector<CCADPoint> corners;
    int unit;
    double expected; // square metres, worked out by hand
};

TEST(CADGeometry, AreaFromTracedCorners)
{
    const std::vector<AreaCase> cases = {
        {"two points", {{0, 0}, {1000, 0}}, 0, 0},
        {"1000 mm square", {{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}}, 0, 1},
        {"same square clockwise", {{0, 0}, {0, 1000}, {1000, 1000}, {1000, 0}}, 0, 1},
        {"1 m square", {{0, 0}, {1, 0}, {1, 1}, {0, 1}}, 3, 1},
        {"fractions kept", {{0, 0}, {1.9, 0}, {1.9, 1.9}, {0, 1.9}}, 3, 3.61},
        {"half-millimetre corners", {{0.5, 0.5}, {1000.5, 0.5}, {1000.5, 2000.5}, {0.5, 2000.5}}, 0, 2},
        {"60 m by 40 m outline in mm", {{0, 0}, {60000, 0}, {60000, 40000}, {0, 40000}}, 0, 2400},
        {"far from the drawing origin",
         {{5e6, 5e6}, {5e6 + 60000, 5e6}, {5e6 + 60000, 5e6 + 40000}, {5e6, 5e6 + 40000}},
         0,
         2400},
        {"L-shape in metres", {{0, 0}, {20, 0}, {20, 10}, {10, 10}, {10, 20}, {0, 20}}, 3, 300},
        {"inch factor as tabled", {{0, 0}, {100, 0}, {100, 100}, {0, 100}}, 4, 6.452},
        {"foot", {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, 5, 9.2903},
        {"centimetre", {{0, 0}, {100, 0}, {100, 100}, {0, 100}}, 1, 1},
        {"decimetre", {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, 2, 1},
    };
    for (const AreaCase& c : cases) {
        auto polygon = Polygon(c.corners, 0);
        EXPECT_NEAR(polygon->GetArea(c.unit), c.expected, 1e-9 * (1 + c.expected)) << c.name;
    }
}

TEST(CADGeometry, EdgeLengthIsNotTruncated)
{
    EXPECT_DOUBLE_EQ(CCADAreaInfo::GetEdgeLength({0, 0}, {3000, 4000}, 0), 5);
    EXPECT_DOUBLE_EQ(CCADAreaInfo::GetEdgeLength({0, 0}, {1.5, 2}, 3), 2.5);
    EXPECT_DOUBLE_EQ(CCADAreaInfo::GetEdgeLength({2, 1}, {12, 1}, 5), 3.048);
    EXPECT_DOUBLE_EQ(CCADAreaInfo::GetEdgeLength({0, 0}, {0, 100}, 4), 2.54);
    EXPECT_EQ(CCADAreaInfo::GetEdgeLength({0, 0}, {3, 4}, 9), 0) << "an unknown unit measures nothing";
}

struct AngleCase
{
    const char* name;
    std::vector<CCADPoint> corners;
    std::vector<int> expected;
};

TEST(CADGeometry, WallOrientationFacesOutwards)
{
    const std::vector<AngleCase> cases = {
        {"unit square counter-clockwise", {{0, 0}, {1, 0}, {1, 1}, {0, 1}}, {180, 90, 0, 270}},
        {"unit square clockwise", {{0, 0}, {0, 1}, {1, 1}, {1, 0}}, {270, 0, 90, 180}},
        {"L-shape", {{0, 0}, {20, 0}, {20, 10}, {10, 10}, {10, 20}, {0, 20}}, {180, 90, 0, 90, 0, 270}},
        // The base angle of a 45-degree edge is just above 45 with pi taken as 3.14159265.
        {"square turned by 45 degrees", {{0, -10}, {10, 0}, {0, 10}, {-10, 0}}, {134, 45, 314, 225}},
        // Both corners of the notch bottom are re-entrant; it still faces out of the room, north.
        {"U-shape",
         {{0, 0}, {30, 0}, {30, 20}, {20, 20}, {20, 10}, {10, 10}, {10, 20}, {0, 20}},
         {180, 90, 0, 270, 0, 90, 0, 270}},
        {"U-shape clockwise",
         {{0, 0}, {0, 20}, {10, 20}, {10, 10}, {20, 10}, {20, 20}, {30, 20}, {30, 0}},
         {270, 0, 90, 0, 270, 0, 90, 180}},
    };
    for (const AngleCase& c : cases) {
        auto polygon = Polygon(c.corners);
        polygon->UpdateWallAngles();
        EXPECT_EQ(Orientations(*polygon), c.expected) << c.name;
    }
}

TEST(CADGeometry, WallOrientationOnlyForExistingWallsAndLargePolygons)
{
    auto partial = Polygon({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, 2);
    partial->UpdateWallAngles();
    EXPECT_EQ(Orientations(*partial), (std::vector<int>{180, 90}));

    // More corners than the 100 a traced polygon normally has: a saw-tooth bottom edge.
    std::vector<CCADPoint> corners;
    for (int i = 0; i <= 120; ++i)
        corners.push_back({double(i), i % 2 == 0 ? 0.0 : 0.5});
    corners.push_back({120, 10});
    corners.push_back({0, 10});
    auto big = Polygon(corners);
    big->UpdateWallAngles();
    const std::vector<int> angles = Orientations(*big);
    EXPECT_EQ(angles[angles.size() - 2], 0) << "top edge";
    EXPECT_EQ(angles.back(), 270) << "left edge";
}

TEST(CADGeometry, AssignMakesAnIndependentDeepCopy)
{
    auto source = Polygon({{0, 0}, {4, 0}, {4, 3}});
    source->roomElementId = 17;
    source->area = 6;
    source->height = 3.2;
    source->name = QStringLiteral("会议室");
    source->walls.Get(1)->adjacentRoom = QStringLiteral("走廊");
    source->walls.Get(1)->nodeId = 55;

    CCADAreaInfo copy;
    copy.points.Add(new CCADPoint{9, 9});
    copy.Assign(*source);
    source->points.Get(0)->x = 100;
    source->walls.Get(1)->name = QStringLiteral("改名");

    EXPECT_EQ(copy.roomElementId, 17);
    EXPECT_EQ(copy.area, 6);
    EXPECT_EQ(copy.height, 3.2);
    EXPECT_EQ(copy.name, QStringLiteral("会议室"));
    ASSERT_EQ(copy.points.Count(), 3);
    EXPECT_EQ(copy.points.Get(0)->x, 0);
    ASSERT_EQ(copy.walls.Count(), 3);
    EXPECT_EQ(copy.walls.Get(1)->adjacentRoom, QStringLiteral("走廊"));
    EXPECT_EQ(copy.walls.Get(1)->nodeId, 55);
    EXPECT_TRUE(copy.walls.Get(1)->name.isEmpty());

    copy.Assign(copy);
    EXPECT_EQ(copy.points.Count(), 3) << "assigning to itself keeps the content";
    EXPECT_EQ(copy.walls.Count(), 3);
}

TEST(CADModel, FindStoreyTakesTheFirstMatch)
{
    CCADInfo model;
    auto* first = new CADStoreyInfo;
    first->storeyId = 4;
    auto* second = new CADStoreyInfo;
    second->storeyId = 4;
    EXPECT_EQ(model.Add(first), 0);
    EXPECT_EQ(model.Add(second), 1);
    EXPECT_EQ(model.FindStorey(4), first);
    EXPECT_EQ(model.FindStorey(5), nullptr);
    EXPECT_EQ(model.Add(nullptr), -1);
    EXPECT_EQ(model.Count(), 2);
    model.Clear();
    EXPECT_EQ(model.Count(), 0);
    EXPECT_EQ(model.FindStorey(4), nullptr);
}

TEST(CADModel, FilePathBesideTheProject)
{
    const std::vector<std::pair<QString, QString>> cases = {
        {"/p/Office.VLZ", "/p/Office.qcd"},
        {"/p/Office.vlz", "/p/Office.qcd"},
        {"/p/办公楼.v2.VLZ", "/p/办公楼.v2.qcd"},
        {"/p.d/Office", "/p.d/Office.qcd"},
    };
    for (const auto& [project, cad] : cases)
        EXPECT_EQ(CadInfoFilePath(project), cad) << project.toStdString();
}

} // namespace
