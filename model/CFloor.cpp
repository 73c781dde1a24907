#include "model/CFloor.h"

CFloor::CFloor()
    : CAdjacentRoomSlab(TypeCode, 3, QStringLiteral("FloorName"), QStringLiteral("AdjacentRoomStoryName"))
{
}
