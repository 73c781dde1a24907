#include "cad/model/CCADWallInfo.h"

#include "cad/model/CCADFileReader.h"
#include "cad/model/CCADFileWriter.h"

int CCADWallInfo::ElementTypeOfKind(int kind)
{
    switch (kind) {
    case OutsideWall:
        return 9;
    case InsideWall:
        return 13;
    case GlassCurtainWall:
        return 12;
    case GapWall:
        return 24;
    default:
        return -1;
    }
}

bool CCADWallInfo::FacesOutwards(int kind)
{
    return kind == OutsideWall || kind == GlassCurtainWall || kind == GapWall;
}

void CCADWallInfo::Read(CCADFileReader& file, int version)
{
    id = file.ReadInt();
    kind = file.ReadInt();
    if (version >= 101) {
        nodeId = file.ReadInt();
    } else {
        const int type = ElementTypeOfKind(kind);
        nodeId = type < 0 ? -1 : file.ResolveNodeId(type, id);
    }
    length = file.ReadDouble();
    height = file.ReadDouble();
    area = file.ReadDouble();
    name = file.ReadString();
    adjacentRoom = file.ReadString();
    orientation = file.ReadInt();
}

void CCADWallInfo::Write(CCADFileWriter& file) const
{
    file.WriteInt(id);
    file.WriteInt(kind);
    file.WriteInt(nodeId);
    file.WriteDouble(length);
    file.WriteDouble(height);
    file.WriteDouble(area);
    file.WriteString(name);
    file.WriteString(adjacentRoom);
    file.WriteInt(orientation);
}
