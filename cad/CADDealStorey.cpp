#include "cad/CADDealStorey.h"

#include "cad/model/CADPointList.h"
#include "cad/model/CADStoreyInfo.h"
#include "cad/model/CCADInfo.h"
#include "cad/model/CDWGInfo.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace {
// The tolerance for a wall lying on an edge: 0.1 m in drawing units (100 in millimetres).
constexpr double kOnEdgeMetres = 0.1;

QString WallName(const CADTranslator& translator, int number)
{
    const QString fallback = QStringLiteral("墙体-%d");
    QString format = translator ? translator(QStringLiteral("wall-name-format"), fallback) : fallback;
    if (format.isEmpty())
        format = fallback;
    return format.replace(QLatin1String("%d"), QString::number(number));
}

// Distance of p from the line through a and b (from a itself when a and b coincide).
double DistanceFromLine(const CCADPoint& a, const CCADPoint& b, const CCADPoint& p)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length = std::hypot(dx, dy);
    if (length == 0)
        return std::hypot(p.x - a.x, p.y - a.y);
    return std::fabs(dx * (p.y - a.y) - dy * (p.x - a.x)) / length;
}

// Whether the wall's stretch [w0, w1] and the edge's [e0, e1] share more than the tolerance.
bool Overlap(double e0, double e1, double w0, double w1, double tolerance)
{
    return std::max(e0, e1) - tolerance >= std::min(w0, w1) &&
           std::min(e0, e1) + tolerance <= std::max(w0, w1);
}

} // namespace

void CADDealStorey::HighlightWall(int room, int wall)
{
    if (room == m_selectedRoom && wall == m_selectedWall)
        return;
    if (m_selectedWall >= 0) {
        CADDrawBase* previous =
            m_selectedRoom >= 0 ? static_cast<CADDrawBase*>(m_roomDrawings.Get(m_selectedRoom)) : &m_outline;
        if (previous)
            previous->highlightedEdge = -1;
    }
    m_selectedRoom = -1;
    m_selectedWall = -1;
    if (wall < 0)
        return;
    CADDrawBase* drawing = room >= 0 ? static_cast<CADDrawBase*>(m_roomDrawings.Get(room)) : &m_outline;
    if (!drawing)
        return;
    drawing->highlightedEdge = wall + 1;
    m_selectedRoom = room;
    m_selectedWall = wall;
}

void CADDealStorey::AddTracedPolygon(const std::vector<CCADPoint>& corners, bool outline)
{
    if (outline) {
        for (const CCADPoint& corner : corners)
            m_outline.points.Add(new CCADPoint(corner));
        m_current = &m_outline;
        m_outlineExists = true;
        return;
    }
    auto drawing = std::make_unique<CRoomDraw>();
    drawing->SetCorners(corners);
    m_current = drawing.get();
    m_roomDrawings.Add(drawing.release());
}

void CADDealStorey::CommitPolygon(bool outline)
{
    if (outline) {
        for (const CCADPoint& corner : m_outline.Corners())
            m_outline.model.points.Add(new CCADPoint(corner));
        return;
    }
    if (!m_current)
        return;
    auto room = std::make_unique<CCADAreaInfo>();
    CADPointsFromVector(room->points, m_current->Corners());
    room->name = QStringLiteral("房间-%1").arg(nextRoomNumber++);
    room->height = storeyHeight;
    m_rooms.Add(room.release());
}

double CADDealStorey::RoundValue(double value, const QString& format)
{
    const int point = format.indexOf(QLatin1Char('.'));
    const int decimals = point < 0 ? 0 : int(format.size()) - point - 1;
    return QString::number(value, 'f', decimals).toDouble();
}

void CADDealStorey::TurnToNorth(CCADAreaInfo& polygon, int north) const
{
    polygon.UpdateWallAngles();
    for (auto* node = polygon.walls.NodeAt(0); node; node = node->next)
        node->item->orientation = ((node->item->orientation - north) % 360 + 360) % 360;
}

void CADDealStorey::UpdateWalls(int room, const CADTranslator& translator, const CDWGInfo& drawing)
{
    if (room < 0) {
        CCADAreaInfo& outline = m_outline.model;
        outline.area = RoundValue(outline.GetArea(drawing.unit), QStringLiteral("0.00"));
        outline.walls.Clear();
        for (int j = 0; j < outline.points.Count(); ++j) {
            auto* wall = new CCADWallInfo;
            wall->name = WallName(translator, j + 1);
            outline.walls.Add(wall);
        }
        TurnToNorth(outline, drawing.north);
        return;
    }

    CCADAreaInfo* polygon = m_rooms.Get(room);
    if (!polygon)
        return;
    polygon->area = RoundValue(polygon->GetArea(drawing.unit), QStringLiteral("0.00"));
    const std::vector<CCADPoint> corners = polygon->Corners();
    const int n = int(corners.size());
    while (polygon->walls.Count() > n)
        polygon->walls.Delete(polygon->walls.Count() - 1);
    for (int j = 0; j < n; ++j) {
        CCADWallInfo* wall = polygon->walls.Get(j);
        if (!wall) {
            wall = new CCADWallInfo;
            wall->name = WallName(translator, j + 1);
            wall->height = polygon->height;
            polygon->walls.Add(wall);
        }
        wall->length = RoundValue(
            CCADAreaInfo::GetEdgeLength(corners[size_t(j)], corners[size_t((j + 1) % n)], drawing.unit),
            QStringLiteral("0.00"));
        wall->area = RoundValue(wall->length * wall->height, QStringLiteral("0.00"));
    }
    TurnToNorth(*polygon, drawing.north);
    for (int j = 0; j < n; ++j)
        CheckWallKind(room, j, drawing.unit);
}

void CADDealStorey::RebuildAllWalls(const CADTranslator& translator, const CDWGInfo& drawing)
{
    for (int i = 0; i < m_rooms.Count(); ++i) {
        m_rooms.Get(i)->walls.Clear();
        UpdateWalls(i, translator, drawing);
    }
}

int CADDealStorey::FindEdgeOnOutline(int room, int wall, const std::vector<CCADPoint>& corners,
                                     int unit) const
{
    const auto* node = m_rooms.NodeAt(room);
    const double factor = CDWGInfo::LengthFactor(unit);
    if (!node || !(factor > 0))
        return -1;
    const std::vector<CCADPoint> own = node->item->Corners();
    const int n = int(own.size());
    if (wall < 0 || wall >= n || corners.empty())
        return -1;
    const double t = kOnEdgeMetres / factor;
    const CCADPoint& a = own[size_t(wall)];
    const CCADPoint& b = own[size_t((wall + 1) % n)];
    const size_t m = corners.size();
    for (size_t s = 0; s < m; ++s) {
        const CCADPoint& e0 = corners[s];
        const CCADPoint& e1 = corners[(s + 1) % m];
        if (DistanceFromLine(e0, e1, a) > t || DistanceFromLine(e0, e1, b) > t)
            continue;
        if (std::fabs(a.x - b.x) > t && !Overlap(e0.x, e1.x, a.x, b.x, t))
            continue;
        if (std::fabs(a.y - b.y) <= t || Overlap(e0.y, e1.y, a.y, b.y, t))
            return int(s);
    }
    return -1;
}

void CADDealStorey::CheckWallKind(int room, int wall, int unit)
{
    CCADAreaInfo* polygon = m_rooms.Get(room);
    CCADWallInfo* w = polygon ? polygon->walls.Get(wall) : nullptr;
    if (!w)
        return;
    const bool onOutline = m_outlineExists && FindEdgeOnOutline(room, wall, m_outline.Corners(), unit) >= 0;
    CMyList_S<int>& allowed = onOutline ? m_outwardKinds : m_inwardKinds;
    if (allowed.IndexOf(w->kind) < 0)
        w->kind = allowed.Get(0);
}

void CADDealStorey::CheckAllWallKinds(int unit)
{
    for (int i = 0; i < m_rooms.Count(); ++i)
        for (int j = 0; j < m_rooms.Get(i)->walls.Count(); ++j)
            CheckWallKind(i, j, unit);
}

void CADDealStorey::FindAdjacentRooms(int unit)
{
    for (int i = 0; i < m_rooms.Count(); ++i) {
        CCADAreaInfo* room = m_rooms.Get(i);
        for (int j = 0; j < room->walls.Count(); ++j) {
            CCADWallInfo* wall = room->walls.Get(j);
            if (wall->kind != CCADWallInfo::InsideWall)
                continue;
            wall->adjacentRoom.clear();
            for (int k = 0; k < m_rooms.Count(); ++k) {
                if (k == i)
                    continue;
                CCADAreaInfo* other = m_rooms.Get(k);
                const int edge = FindEdgeOnOutline(i, j, other->Corners(), unit);
                if (edge >= 0 && edge < other->walls.Count()) {
                    wall->adjacentRoom = other->name;
                    other->walls.Get(edge)->adjacentRoom = room->name;
                    break;
                }
            }
        }
    }
}

void CADDealStorey::UpdateRoomFromDrawing(int room, const CADTranslator& translator, const CDWGInfo& drawing)
{
    CCADAreaInfo* polygon = m_rooms.Get(room);
    CRoomDraw* drawn = m_roomDrawings.Get(room);
    if (!polygon || !drawn)
        return;
    CADPointsFromVector(polygon->points, drawn->Corners());
    UpdateWalls(room, translator, drawing);
}

void CADDealStorey::UpdateFrameFromDrawing(const CDWGInfo& drawing)
{
    CCADAreaInfo& outline = m_outline.model;
    CADPointsFromVector(outline.points, m_outline.Corners());
    outline.area = RoundValue(outline.GetArea(drawing.unit), QStringLiteral("0.00"));
    TurnToNorth(outline, drawing.north);
    CheckAllWallKinds(drawing.unit);
}

void CADDealStorey::DeleteRoom(int room)
{
    if (room < 0 || room >= m_rooms.Count())
        return;
    if (m_current == m_roomDrawings.Get(room))
        m_current = nullptr;
    if (m_selectedRoom == room)
        HighlightWall(-1, -1);
    else if (m_selectedRoom > room)
        --m_selectedRoom;
    m_rooms.Delete(room);
    m_roomDrawings.Delete(room);
    if (room == m_rooms.Count())
        --nextRoomNumber;
}

void CADDealStorey::ClearStoreyFrame()
{
    if (m_selectedRoom < 0)
        HighlightWall(-1, -1);
    m_outline.Clear();
    m_outline.highlightedEdge = -1;
    m_outlineExists = false;
    for (int i = 0; i < m_rooms.Count(); ++i)
        for (auto* node = m_rooms.Get(i)->walls.NodeAt(0); node; node = node->next)
            if (node->item->kind != CCADWallInfo::InsideWall && node->item->kind != CCADWallInfo::GapWall)
                node->item->kind = CCADWallInfo::InsideWall;
}

void CADDealStorey::FillStoreyInfo(CADStoreyInfo& info, const CDWGInfo& drawing) const
{
    info.storeyId = storeyId;
    info.drawing.Assign(drawing);
    info.outline.Clear();
    info.outlineArea = 0;
    if (m_outlineExists) {
        info.outlineArea = m_outline.model.area;
        for (const CCADPoint& corner : m_outline.Corners())
            info.outline.Add(new CCADPoint(corner));
    }
    info.rooms.Clear();
    for (auto* node = m_rooms.NodeAt(0); node; node = node->next) {
        auto copy = std::make_unique<CCADAreaInfo>();
        copy->Assign(*node->item);
        info.rooms.Add(copy.release());
    }
}

void CADDealStorey::AddToCadInfo(CCADInfo& model, const CDWGInfo& drawing) const
{
    auto info = std::make_unique<CADStoreyInfo>();
    FillStoreyInfo(*info, drawing);
    model.Add(info.release());
}

void CADDealStorey::UpdateCadInfo(CCADInfo& model, const CDWGInfo& drawing) const
{
    if (CADStoreyInfo* stored = model.FindStorey(storeyId))
        FillStoreyInfo(*stored, drawing);
    else
        AddToCadInfo(model, drawing);
}

void CADDealStorey::LoadFromCadInfo(CADStoreyInfo& stored, const CADRoomExists& roomExists)
{
    stored.storeyId = storeyId;
    if (stored.outline.Count() > 0) {
        HighlightWall(-1, -1);
        m_outline.Clear();
        m_outline.model.area = stored.outlineArea;
        std::vector<CCADPoint> corners;
        for (auto* node = stored.outline.NodeAt(0); node; node = node->next)
            corners.push_back(*node->item);
        m_outline.SetCorners(corners);
        CADPointsFromVector(m_outline.model.points, corners);
        m_outlineExists = true;
    }
    HighlightWall(-1, -1);
    m_current = nullptr;
    m_rooms.Clear();
    m_roomDrawings.Clear();
    for (int k = 0; k < stored.rooms.Count();) {
        const CCADAreaInfo* room = stored.rooms.Get(k);
        if (roomExists && !roomExists(room->roomElementId)) {
            stored.rooms.Delete(k);
            continue;
        }
        auto copy = std::make_unique<CCADAreaInfo>();
        copy->Assign(*room);
        auto drawing = std::make_unique<CRoomDraw>();
        drawing->SetCorners(room->Corners());
        m_rooms.Add(copy.release());
        m_roomDrawings.Add(drawing.release());
        ++k;
    }
}

void CADDealStorey::SetWallTypeFlags(const std::vector<bool>& outward)
{
    m_outwardKinds.Clear();
    m_inwardKinds.Clear();
    for (size_t k = 0; k < outward.size(); ++k)
        (outward[k] ? m_outwardKinds : m_inwardKinds).Add(int(k));
}

int CADDealStorey::FindDuplicateName(int room) const
{
    const auto* node = m_rooms.NodeAt(room);
    if (!node)
        return -1;
    int found = -1;
    int index = 0;
    for (auto* other = m_rooms.NodeAt(0); other; other = other->next, ++index)
        if (index != room && other->item->name == node->item->name)
            found = index;
    return found;
}

void CADDealStorey::ScaleRooms(int unit)
{
    const double factor = CDWGInfo::LengthFactor(unit);
    for (auto* node = m_roomDrawings.NodeAt(0); node; node = node->next)
        for (auto* corner = node->item->points.NodeAt(0); corner; corner = corner->next) {
            corner->item->x *= factor;
            corner->item->y *= factor;
        }
}
