#include "library/CreateLibraryRecord.h"

#include "library/CLibraryRecords.h"
#include "model/CLIB_RoomOccupation.h"
#include "model/CLIB_StoreyOccupation.h"

std::unique_ptr<CMaterialBase> CreateLibraryRecord(int kind)
{
    switch (kind) {
    case CLIB_OutsideWall::Kind:
        return std::make_unique<CLIB_OutsideWall>();
    case CLIB_InsideWall::Kind:
        return std::make_unique<CLIB_InsideWall>();
    case CLIB_Ceiling::Kind:
        return std::make_unique<CLIB_Ceiling>();
    case CLIB_Floor::Kind:
        return std::make_unique<CLIB_Floor>();
    case CLIB_Roof::Kind:
        return std::make_unique<CLIB_Roof>();
    case CLIB_BlindStorey::Kind:
        return std::make_unique<CLIB_BlindStorey>();
    case CLIB_OutsideWindow::Kind:
        return std::make_unique<CLIB_OutsideWindow>();
    case CLIB_OutsideDoor::Kind:
        return std::make_unique<CLIB_OutsideDoor>();
    case CLIB_GlassCurtainWall::Kind:
        return std::make_unique<CLIB_GlassCurtainWall>();
    case CLIB_GlassRoof::Kind:
        return std::make_unique<CLIB_GlassRoof>();
    case CLIB_InsideWindow::Kind:
        return std::make_unique<CLIB_InsideWindow>();
    case CLIB_InsideDoor::Kind:
        return std::make_unique<CLIB_InsideDoor>();
    case CLIB_SkyWindow::Kind:
        return std::make_unique<CLIB_SkyWindow>();
    case CLIB_Ground::Kind:
        return std::make_unique<CLIB_Ground>();
    case CLIB_ProjectionFloor::Kind:
        return std::make_unique<CLIB_ProjectionFloor>();
    case CLIB_GapWall::Kind:
        return std::make_unique<CLIB_GapWall>();
    case CLIB_RoomOccupation::Kind:
        return std::make_unique<CLIB_RoomOccupation>();
    case CLIB_StoreyOccupation::Kind:
        return std::make_unique<CLIB_StoreyOccupation>();
    case CLIB_BasementWall::Kind:
        return std::make_unique<CLIB_BasementWall>();
    default:
        return nullptr;
    }
}
