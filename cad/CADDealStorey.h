#pragma once
#include "cad/CRoomDraw.h"
#include "cad/StoreyFrame.h"
#include "cad/model/CCADAreaInfo.h"
#include "platform/core/CMyList.h"
#include "platform/core/CMyList_S.h"

#include <QString>
#include <functional>
#include <vector>

class CADStoreyInfo;
class CCADImage;
class CCADInfo;
class CDWGInfo;
class QPainter;

// The translation of a text of the CAD windows: the text for a language key, or the default
// text given. Without a translator the default texts are used.
using CADTranslator = std::function<QString(const QString& key, const QString& defaultText)>;
// Whether the project tree still holds the Room element of that ID.
using CADRoomExists = std::function<bool(int roomElementId)>;

// The storey being traced in the CAD modelling window: its outline and its rooms, each both as
// a drawing over the underlay (same index) and as a model polygon with walls. It turns every
// edge of a room into a wall (named, measured, turned to the compass, classified as outside
// when it lies on the outline and inside otherwise), finds the room behind every inside wall,
// and copies the storey out of and into the project's CAD model.
//
// Lengths and areas are in metres and square metres rounded to two decimals; the tolerance for
// a wall lying on an edge is 0.1 m in drawing units. The geometry needs no painting device: the
// painting (Draw) is apart, so the rest runs headless.
class CADDealStorey
{
public:
    CADDealStorey() = default;
    CADDealStorey(const CADDealStorey&) = delete;
    CADDealStorey& operator=(const CADDealStorey&) = delete;

    // Set by the storey page before the window opens.
    int storeyId = -1;
    double storeyHeight = 0; // becomes the height of each new room
    int nextRoomNumber = 1;  // number in the default name of the next room
    // Read by the storey page after the window closes.
    CMyList_S<int> roomsToDelete;        // Room element IDs the user removed
    CMyList_S<QString> changedRoomNames; // names of project rooms removed or replaced

    StoreyFrame& Outline() { return m_outline; }
    bool OutlineExists() const { return m_outlineExists; }
    int RoomCount() const { return m_rooms.Count(); }
    // Null outside 0..RoomCount()-1.
    CCADAreaInfo* Room(int index) { return m_rooms.Get(index); }
    CRoomDraw* RoomDrawing(int index) { return m_roomDrawings.Get(index); }
    // The drawing last taken by AddTracedPolygon; null before and after it was deleted.
    CADDrawBase* CurrentPolygon() const { return m_current; }
    // (-1, -1) when nothing is selected; room -1 with a wall selects an edge of the outline.
    int SelectedRoom() const { return m_selectedRoom; }
    int SelectedWall() const { return m_selectedWall; }
    const CMyList_S<int>& OutwardKinds() const { return m_outwardKinds; }
    const CMyList_S<int>& InwardKinds() const { return m_inwardKinds; }

    // Draws the outline without a label, then every room with its name (CADDealStorey_Paint.cpp).
    void Draw(const CCADImage& underlay, QPainter& painter);
    // Selects wall w of room r (r = -1: edge w of the outline; w = -1 clears the selection) and
    // moves the highlight there; the caller repaints.
    void HighlightWall(int room, int wall);

    // Takes a finished traced polygon: as the outline (appended to its drawn corners, which the
    // caller has emptied; the outline then exists) or as a new room drawing.
    void AddTracedPolygon(const std::vector<CCADPoint>& corners, bool outline);
    // Creates the model side of the polygon just taken: the outline's corners, or a new room
    // named "房间-<next room number>" (the number then counts up) with the storey height.
    void CommitPolygon(bool outline);

    // The number rounded through a format such as "0.00" (two decimals).
    static double RoundValue(double value, const QString& format);

    // Brings the walls of room i (-1: the outline) in line with its corners: the area anew; for
    // the outline one new wall per corner, named only; for a room, surplus walls deleted, a wall
    // kept with its id, node id, kind, name, height and adjacent room where one exists and a new
    // one made otherwise ("wall-name-format", default "墙体-%d", with the room's height), every
    // length and area measured anew, every orientation turned by the drawing's north, every
    // kind checked against the outline.
    void UpdateWalls(int room, const CADTranslator& translator, const CDWGInfo& drawing);
    // Discards and rebuilds the walls of every room (after the north or the unit changed).
    void RebuildAllWalls(const CADTranslator& translator, const CDWGInfo& drawing);
    // The edge of the corner list on which wall w of room r lies (both ends within the tolerance
    // of the edge's line and overlapping it by more than the tolerance), -1 when none.
    int FindEdgeOnOutline(int room, int wall, const std::vector<CCADPoint>& corners, int unit) const;
    // A wall on the outline may take only the outward kinds, a wall off it (or any wall while
    // there is no outline) only the inward kinds; a kind not allowed becomes the first allowed.
    // Raises Exception "超出范围" when that list is empty.
    void CheckWallKind(int room, int wall, int unit);
    void CheckAllWallKinds(int unit);
    // Every inside wall gets the name of the room on its other side (and that room's wall gets
    // this room's name); empty when no room lies there.
    void FindAdjacentRooms(int unit);
    // After corners of room i were moved: its corners are taken from its drawing and its walls
    // brought in line as in UpdateWalls, so every wall keeps its id, node id, name, kind (unless
    // it left or reached the outline) and height.
    void UpdateRoomFromDrawing(int room, const CADTranslator& translator, const CDWGInfo& drawing);
    // After corners of the outline were moved: the outline's corners, area and wall orientations
    // anew, every room wall's kind checked again.
    void UpdateFrameFromDrawing(const CDWGInfo& drawing);
    // Deletes room i with its drawing; deleting the last room gives its number back.
    void DeleteRoom(int room);
    // Removes the outline; outside walls and glass curtain walls become inside walls, gap walls stay.
    void ClearStoreyFrame();

    // Appends this storey (storey id, a copy of the drawing reference, the outline when it
    // exists, copies of the rooms) to the project's CAD model.
    void AddToCadInfo(CCADInfo& model, const CDWGInfo& drawing) const;
    // Replaces the stored storey of this storey id with this one; appends it when none is stored.
    void UpdateCadInfo(CCADInfo& model, const CDWGInfo& drawing) const;
    // Loads the outline and the rooms of a stored storey. Rooms whose Room element no longer
    // exists (or never did: element id -1) are deleted from the stored storey and not loaded;
    // without a predicate every room is loaded.
    void LoadFromCadInfo(CADStoreyInfo& stored, const CADRoomExists& roomExists);

    // Kind k is outward when flag k is true, inward otherwise (replacing earlier flags).
    void SetWallTypeFlags(const std::vector<bool>& outward);
    // The last other room of the same name, -1 when none.
    int FindDuplicateName(int room) const;
    // Multiplies the corners of every room drawing by the unit's length factor (drawing units
    // to metres); the room models and the outline stay as they are.
    void ScaleRooms(int unit);

private:
    void FillStoreyInfo(CADStoreyInfo& info, const CDWGInfo& drawing) const;
    void TurnToNorth(CCADAreaInfo& polygon, int north) const;

    StoreyFrame m_outline;
    CMyList<CRoomDraw> m_roomDrawings{true};
    CMyList<CCADAreaInfo> m_rooms{true};
    CADDrawBase* m_current = nullptr;
    bool m_outlineExists = false;
    int m_selectedRoom = -1;
    int m_selectedWall = -1;
    CMyList_S<int> m_outwardKinds;
    CMyList_S<int> m_inwardKinds;
};
