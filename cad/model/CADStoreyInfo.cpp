#include "cad/model/CADStoreyInfo.h"

#include "cad/model/CCADFileReader.h"
#include "cad/model/CCADFileWriter.h"

#include <memory>

void CADStoreyInfo::Read(CCADFileReader& file, int version)
{
    // The shortest room record: empty name, id, area, no walls, height, no points.
    constexpr qint64 kMinRoomBytes = 4 + 4 + 8 + 4 + 8 + 4;

    storeyId = file.ReadInt();
    drawing.Read(file);
    outline.Clear();
    const int pointCount = file.ReadCount(16);
    for (int i = 0; i < pointCount; ++i)
        outline.Add(new CCADPoint(file.ReadPoint()));
    outlineArea = pointCount > 0 ? file.ReadDouble() : 0;
    rooms.Clear();
    const int roomCount = file.ReadCount(kMinRoomBytes);
    for (int i = 0; i < roomCount; ++i) {
        auto room = std::make_unique<CCADAreaInfo>();
        room->Read(file, version);
        rooms.Add(room.release());
    }
}

void CADStoreyInfo::Write(CCADFileWriter& file) const
{
    file.WriteInt(storeyId);
    drawing.Write(file);
    file.WriteInt(outline.Count());
    for (auto* node = outline.NodeAt(0); node; node = node->next)
        file.WritePoint(*node->item);
    if (outline.Count() > 0)
        file.WriteDouble(outlineArea);
    file.WriteInt(rooms.Count());
    for (auto* node = rooms.NodeAt(0); node; node = node->next)
        node->item->Write(file);
}
