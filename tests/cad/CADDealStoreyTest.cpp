#include "cad/CADDealStorey.h"
#include "cad/CCADImage.h"
#include "cad/model/CADStoreyInfo.h"
#include "cad/model/CCADInfo.h"
#include "cad/model/CDWGInfo.h"
#include "tests/cad/DxfFixture.h"
#include "tests/cad/GuiTestApplication.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

namespace {

using Corners = std::vector<CCADPoint>;

// The storey page offers outside wall, inside wall, glass curtain wall and gap wall; all but
// the inside wall face outwards.
class CADDealStoreyTest : public ::testing::Test
{
protected:
    CADDealStoreyTest()
    {
        storey.SetWallTypeFlags({true, false, true, true});
        storey.storeyHeight = 3;
        drawing.unit = CDWGInfo::Millimetre;
    }

    int TraceRoom(const Corners& corners)
    {
        storey.AddTracedPolygon(corners, false);
        storey.CommitPolygon(false);
        const int index = storey.RoomCount() - 1;
        storey.UpdateWalls(index, {}, drawing);
        return index;
    }

    void TraceOutline(const Corners& corners)
    {
        storey.Outline().Clear();
        storey.AddTracedPolygon(corners, true);
        storey.CommitPolygon(true);
        storey.UpdateWalls(-1, {}, drawing);
        storey.CheckAllWallKinds(drawing.unit);
    }

    CCADWallInfo& Wall(int room, int wall) { return *storey.Room(room)->walls.Get(wall); }

    std::vector<int> Kinds(int room)
    {
        std::vector<int> kinds;
        for (int j = 0; j < storey.Room(room)->walls.Count(); ++j)
            kinds.push_back(Wall(room, j).kind);
        return kinds;
    }

    CADDealStorey storey;
    CDWGInfo drawing;
};

const Corners kOutline = {{0, 0}, {10000, 0}, {10000, 5000}, {0, 5000}};
const Corners kWest = {{0, 0}, {5000, 0}, {5000, 5000}, {0, 5000}};
const Corners kEast = {{5000, 0}, {10000, 0}, {10000, 5000}, {5000, 5000}};

TEST_F(CADDealStoreyTest, ARectangleGetsFourNamedMeasuredWalls)
{
    storey.nextRoomNumber = 5;
    const int room = TraceRoom({{0, 0}, {4200, 0}, {4200, 3333}, {0, 3333}});
    const CCADAreaInfo& r = *storey.Room(room);
    EXPECT_EQ(r.name, QStringLiteral("房间-5"));
    EXPECT_EQ(storey.nextRoomNumber, 6);
    EXPECT_EQ(r.height, 3);
    EXPECT_EQ(r.area, 14.0) << "4.2 m x 3.333 m = 13.9986 m2, rounded to two decimals";
    ASSERT_EQ(r.walls.Count(), 4);
    const struct
    {
        const char* name;
        double length;
        double area;
        int orientation;
    } expected[] = {{"墙体-1", 4.2, 12.6, 180},
                    {"墙体-2", 3.33, 9.99, 90},
                    {"墙体-3", 4.2, 12.6, 0},
                    {"墙体-4", 3.33, 9.99, 270}};
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(Wall(room, j).name, QString::fromUtf8(expected[j].name));
        EXPECT_DOUBLE_EQ(Wall(room, j).length, expected[j].length);
        EXPECT_DOUBLE_EQ(Wall(room, j).area, expected[j].area);
        EXPECT_EQ(Wall(room, j).orientation, expected[j].orientation);
        EXPECT_EQ(Wall(room, j).height, 3);
        EXPECT_EQ(Wall(room, j).kind, CCADWallInfo::InsideWall) << "no outline: every wall is inside";
        EXPECT_EQ(Wall(room, j).id, -1);
    }
}

TEST_F(CADDealStoreyTest, NamesFromTheTranslatorAndNorthOfTheDrawing)
{
    drawing.north = 30;
    storey.AddTracedPolygon({{0, 0}, {4000, 0}, {4000, 3000}, {0, 3000}}, false);
    storey.CommitPolygon(false);
    storey.UpdateWalls(
        0,
        [](const QString& key, const QString& fallback) {
            return key == QLatin1String("wall-name-format") ? QStringLiteral("Wall %d") : fallback;
        },
        drawing);
    EXPECT_EQ(Wall(0, 0).name, QStringLiteral("Wall 1"));
    EXPECT_EQ(Wall(0, 3).name, QStringLiteral("Wall 4"));
    // North 30 degrees clockwise from up: a wall facing up faces 330.
    EXPECT_EQ(Kinds(0).size(), 4u);
    const int orientations[] = {150, 60, 330, 240};
    for (int j = 0; j < 4; ++j)
        EXPECT_EQ(Wall(0, j).orientation, orientations[j]);
}

TEST_F(CADDealStoreyTest, TwoRoomsInTheOutlineGetTheirKindsAndEachOther)
{
    TraceOutline(kOutline);
    EXPECT_EQ(storey.Outline().model.area, 50);
    ASSERT_EQ(storey.Outline().model.walls.Count(), 4);
    EXPECT_EQ(storey.Outline().model.walls.Get(2)->name, QStringLiteral("墙体-3"));
    TraceRoom(kWest);
    TraceRoom(kEast);
    EXPECT_EQ(Kinds(0), (std::vector<int>{0, 1, 0, 0}));
    EXPECT_EQ(Kinds(1), (std::vector<int>{0, 0, 0, 1}));

    storey.FindAdjacentRooms(drawing.unit);
    EXPECT_EQ(Wall(0, 1).adjacentRoom, QStringLiteral("房间-2"));
    EXPECT_EQ(Wall(1, 3).adjacentRoom, QStringLiteral("房间-1"));
    EXPECT_TRUE(Wall(0, 0).adjacentRoom.isEmpty());
    EXPECT_TRUE(Wall(1, 1).adjacentRoom.isEmpty());
}

TEST_F(CADDealStoreyTest, RoomsTouchingAtACornerOrAlongLessThanTheToleranceAreNoNeighbours)
{
    TraceRoom(kWest);
    const Corners others[] = {
        {{5000, 5000}, {8000, 5000}, {8000, 8000}, {5000, 8000}}, // touches at a corner only
        {{5000, 4920}, {8000, 4920}, {8000, 9000}, {5000, 9000}}, // shares 80 mm of the east wall
        {{5000, 4880}, {8000, 4880}, {8000, 9000}, {5000, 9000}}, // shares 120 mm: neighbours
    };
    for (size_t k = 0; k < std::size(others); ++k) {
        TraceRoom(others[k]);
        storey.FindAdjacentRooms(drawing.unit);
        const bool neighbours = k == 2;
        EXPECT_EQ(Wall(0, 1).adjacentRoom.isEmpty(), !neighbours) << k;
        EXPECT_EQ(Wall(1, 3).adjacentRoom.isEmpty(), !neighbours) << k;
        for (int wall : {0, 2, 3})
            EXPECT_TRUE(Wall(0, wall).adjacentRoom.isEmpty()) << k << "/" << wall;
        storey.DeleteRoom(1);
    }
}

TEST_F(CADDealStoreyTest, AWallWithin100MillimetresOfTheOutlineLiesOnIt)
{
    TraceOutline(kOutline);
    for (const auto& [offset, kind] :
         {std::pair{90.0, CCADWallInfo::OutsideWall}, std::pair{110.0, CCADWallInfo::InsideWall}}) {
        const int room = TraceRoom({{0, offset}, {5000, offset}, {5000, 5000}, {0, 5000}});
        EXPECT_EQ(Wall(room, 0).kind, kind) << offset << " mm from the outline";
        EXPECT_EQ(storey.FindEdgeOnOutline(room, 0, kOutline, drawing.unit),
                  kind == CCADWallInfo::OutsideWall ? 0 : -1);
    }
    // In a metre drawing the tolerance is 0.1.
    drawing.unit = CDWGInfo::Metre;
    const int metres = TraceRoom({{0, 0.09}, {5, 0.09}, {5, 5}, {0, 5}});
    EXPECT_EQ(storey.FindEdgeOnOutline(metres, 0, {{0, 0}, {10, 0}, {10, 5}, {0, 5}}, CDWGInfo::Metre), 0);
}

// Moving a corner re-measures the room but keeps what the storey page and the user gave its
// walls: element ids, node ids, names and kinds.
TEST_F(CADDealStoreyTest, MovingACornerKeepsTheWallsIdentities)
{
    TraceOutline(kOutline);
    const int room = TraceRoom(kWest);
    for (int j = 0; j < 4; ++j) {
        Wall(room, j).id = 11 + j;
        Wall(room, j).nodeId = 111 + j;
        Wall(room, j).name = QStringLiteral("墙%1").arg(j);
    }
    Wall(room, 0).kind = CCADWallInfo::GlassCurtainWall;
    Wall(room, 2).kind = CCADWallInfo::GapWall;
    Wall(room, 1).adjacentRoom = QStringLiteral("走廊");

    storey.RoomDrawing(room)->points.Get(2)->x = 5200; // the north-east corner moves east
    storey.UpdateRoomFromDrawing(room, {}, drawing);

    EXPECT_EQ(storey.Room(room)->points.Get(2)->x, 5200);
    EXPECT_EQ(storey.Room(room)->area, 25.5);
    EXPECT_EQ(Kinds(room), (std::vector<int>{2, 1, 3, 0}));
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(Wall(room, j).id, 11 + j);
        EXPECT_EQ(Wall(room, j).nodeId, 111 + j);
        EXPECT_EQ(Wall(room, j).name, QStringLiteral("墙%1").arg(j));
    }
    EXPECT_EQ(Wall(room, 1).adjacentRoom, QStringLiteral("走廊"));
    EXPECT_DOUBLE_EQ(Wall(room, 1).length, 5.0) << "hypot(200, 5000) mm = 5.004 m";
    EXPECT_DOUBLE_EQ(Wall(room, 2).length, 5.2);
    EXPECT_DOUBLE_EQ(Wall(room, 2).area, 15.6);

    // Moved off the outline, a glass curtain wall becomes an inside wall; its name and ids stay.
    storey.RoomDrawing(room)->points.Get(0)->y = 1000;
    storey.UpdateRoomFromDrawing(room, {}, drawing);
    EXPECT_EQ(Kinds(room), (std::vector<int>{1, 1, 3, 0}));
    EXPECT_EQ(Wall(room, 0).name, QStringLiteral("墙0"));
    EXPECT_EQ(Wall(room, 0).nodeId, 111);
}

TEST_F(CADDealStoreyTest, MovingTheOutlineChecksTheKindsAgain)
{
    TraceOutline(kOutline);
    TraceRoom(kWest);
    EXPECT_EQ(Kinds(0), (std::vector<int>{0, 1, 0, 0}));
    storey.Outline().points.Get(0)->x = -1000;
    storey.Outline().points.Get(3)->x = -1000;
    storey.UpdateFrameFromDrawing(drawing);
    EXPECT_EQ(storey.Outline().model.points.Get(0)->x, -1000);
    EXPECT_EQ(storey.Outline().model.area, 55);
    EXPECT_EQ(Kinds(0), (std::vector<int>{0, 1, 0, 1})) << "the west wall left the outline";
    EXPECT_EQ(storey.Outline().model.walls.Get(3)->orientation, 270);
}

TEST_F(CADDealStoreyTest, DroppingTheOutlineKeepsOnlyGapWalls)
{
    TraceOutline(kOutline);
    TraceRoom(kWest);
    Wall(0, 2).kind = CCADWallInfo::GapWall;
    Wall(0, 3).kind = CCADWallInfo::GlassCurtainWall;
    storey.HighlightWall(-1, 1);
    storey.ClearStoreyFrame();
    EXPECT_FALSE(storey.OutlineExists());
    EXPECT_EQ(storey.Outline().points.Count(), 0);
    EXPECT_EQ(storey.Outline().model.area, 0);
    EXPECT_EQ(Kinds(0), (std::vector<int>{1, 1, 3, 1}));
    EXPECT_EQ(storey.SelectedWall(), -1);
    EXPECT_EQ(storey.Outline().highlightedEdge, -1);
}

TEST_F(CADDealStoreyTest, RebuildingTheWallsStartsThemAnew)
{
    const int room = TraceRoom(kWest);
    Wall(room, 0).id = 5;
    Wall(room, 0).name = QStringLiteral("南墙");
    drawing.north = 90;
    storey.RebuildAllWalls({}, drawing);
    EXPECT_EQ(Wall(room, 0).id, -1);
    EXPECT_EQ(Wall(room, 0).name, QStringLiteral("墙体-1"));
    EXPECT_EQ(Wall(room, 0).orientation, 90);
}

TEST_F(CADDealStoreyTest, DeletingTheLastRoomGivesItsNumberBack)
{
    for (int i = 0; i < 3; ++i)
        TraceRoom({{i * 1000.0, 0}, {i * 1000.0 + 1000, 0}, {i * 1000.0 + 1000, 1000}});
    EXPECT_EQ(storey.nextRoomNumber, 4);
    storey.HighlightWall(2, 0);
    storey.DeleteRoom(0);
    EXPECT_EQ(storey.nextRoomNumber, 4);
    EXPECT_EQ(storey.SelectedRoom(), 1) << "the selection follows its room";
    EXPECT_EQ(storey.Room(0)->name, QStringLiteral("房间-2"));
    storey.DeleteRoom(1);
    EXPECT_EQ(storey.nextRoomNumber, 3);
    EXPECT_EQ(storey.RoomCount(), 1);
    EXPECT_EQ(storey.SelectedRoom(), -1);
    EXPECT_EQ(storey.CurrentPolygon(), nullptr);
}

TEST_F(CADDealStoreyTest, HighlightingMovesTheMarker)
{
    TraceOutline(kOutline);
    TraceRoom(kWest);
    storey.HighlightWall(-1, 2);
    EXPECT_EQ(storey.Outline().highlightedEdge, 3);
    storey.HighlightWall(0, 1);
    EXPECT_EQ(storey.Outline().highlightedEdge, -1);
    EXPECT_EQ(storey.RoomDrawing(0)->highlightedEdge, 2);
    storey.HighlightWall(-1, 0);
    storey.HighlightWall(-1, -1);
    EXPECT_EQ(storey.Outline().highlightedEdge, -1) << "no highlighted edge on the next repaint";
    EXPECT_EQ(storey.RoomDrawing(0)->highlightedEdge, -1);
    EXPECT_EQ(storey.SelectedRoom(), -1);
    EXPECT_EQ(storey.SelectedWall(), -1);
}

TEST_F(CADDealStoreyTest, CopiedIntoAndOutOfTheProjectsCadModel)
{
    storey.storeyId = 42;
    TraceOutline(kOutline);
    TraceRoom(kWest);
    TraceRoom(kEast);
    storey.Room(0)->roomElementId = 7;
    storey.Room(1)->roomElementId = 8;
    drawing.fileName = QStringLiteral("一层.dxf");
    CCADInfo model;
    storey.AddToCadInfo(model, drawing);
    ASSERT_EQ(model.Count(), 1);
    CADStoreyInfo* stored = model.FindStorey(42);
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->drawing.fileName, QStringLiteral("一层.dxf"));
    EXPECT_EQ(stored->outlineArea, 50);
    EXPECT_EQ(stored->outline.Count(), 4);
    ASSERT_EQ(stored->rooms.Count(), 2);
    EXPECT_EQ(stored->rooms.Get(1)->walls.Get(3)->kind, CCADWallInfo::InsideWall);

    storey.Room(1)->name = QStringLiteral("会议室");
    storey.UpdateCadInfo(model, drawing);
    EXPECT_EQ(model.Count(), 1);
    EXPECT_EQ(stored->rooms.Get(1)->name, QStringLiteral("会议室"));

    // Loaded into a new window while room 8 was deleted from the project tree.
    CADDealStorey reopened;
    reopened.storeyId = 42;
    reopened.LoadFromCadInfo(*stored, [](int id) { return id == 7; });
    EXPECT_TRUE(reopened.OutlineExists());
    EXPECT_EQ(reopened.Outline().model.area, 50);
    EXPECT_EQ(reopened.Outline().points.Count(), 4);
    ASSERT_EQ(reopened.RoomCount(), 1);
    EXPECT_EQ(reopened.Room(0)->roomElementId, 7);
    EXPECT_EQ(reopened.RoomDrawing(0)->points.Count(), 4);
    EXPECT_EQ(stored->rooms.Count(), 1) << "the deleted room is gone from the CAD model too";

    CCADInfo other;
    reopened.UpdateCadInfo(other, drawing);
    EXPECT_EQ(other.Count(), 1) << "a storey not stored yet is appended, not lost";
}

TEST_F(CADDealStoreyTest, SmallServices)
{
    EXPECT_EQ(CADDealStorey::RoundValue(3.333, QStringLiteral("0.00")), 3.33);
    EXPECT_EQ(CADDealStorey::RoundValue(13.9986, QStringLiteral("0.00")), 14);
    EXPECT_EQ(CADDealStorey::RoundValue(2.5, QStringLiteral("0")), 3);

    TraceRoom(kWest);
    TraceRoom(kEast);
    TraceRoom(kOutline);
    storey.Room(2)->name = QStringLiteral("房间-1");
    EXPECT_EQ(storey.FindDuplicateName(0), 2);
    EXPECT_EQ(storey.FindDuplicateName(2), 0);
    EXPECT_EQ(storey.FindDuplicateName(1), -1);

    storey.ScaleRooms(CDWGInfo::Millimetre);
    EXPECT_EQ(storey.RoomDrawing(1)->points.Get(1)->x, 10) << "drawing corners in metres";
    EXPECT_EQ(storey.Room(1)->points.Get(1)->x, 10000) << "the model keeps drawing units";

    EXPECT_EQ(CADDrawBase::CornerName(0), QStringLiteral("A"));
    EXPECT_EQ(CADDrawBase::CornerName(25), QStringLiteral("Z"));
    EXPECT_EQ(CADDrawBase::CornerName(27), QStringLiteral("B1"));

    storey.SetWallTypeFlags({});
    EXPECT_THROW(storey.UpdateWalls(0, {}, drawing), Exception) << "no wall types offered";
}

TEST(CADDealStoreyPaint, OutlineRoomsAndTheHighlightedEdgeAreDrawn)
{
    EnsureGuiTestApplication();
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("plan.dxf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(DxfFixture::Rectangle(10000, 5000).Data());
    file.close();
    CCADImage underlay;
    ASSERT_TRUE(underlay.Open(file.fileName()));
    underlay.FitAll(250, 500); // 20 mm per pixel

    CADDealStorey storey;
    storey.SetWallTypeFlags({true, false, true, true});
    storey.AddTracedPolygon(kOutline, true);
    storey.CommitPolygon(true);
    storey.AddTracedPolygon({{1000, 1000}, {4000, 1000}, {4000, 4000}, {1000, 4000}}, false);
    storey.CommitPolygon(false);
    storey.HighlightWall(0, 0); // the room's south wall, at pixel row 200

    QImage picture(500, 250, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    underlay.Draw(painter);
    storey.Draw(underlay, painter);
    painter.end();

    int blue = 0;
    for (int y = 198; y <= 202; ++y)
        for (int x = 60; x <= 190; ++x)
            blue += picture.pixel(x, y) == qRgb(0, 0, 255) ? 1 : 0;
    EXPECT_GE(blue, 3 * 120) << "a three-pixel blue line";
    int yellow = 0;
    for (int y = 60; y <= 190; ++y)
        for (int x = 60; x <= 190; ++x)
            yellow += picture.pixel(x, y) == qRgb(255, 255, 0) ? 1 : 0;
    EXPECT_GT(yellow, 500) << "the room is hatched";
    int red = 0;
    for (int y = 246; y <= 249; ++y)
        red += picture.pixel(250, y) == qRgb(255, 0, 0) ? 1 : 0;
    EXPECT_GE(red, 1) << "the outline's south edge in red";
}

} // namespace
