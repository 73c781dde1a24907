#include "model/CCeiling.h"

CCeiling::CCeiling()
    : CAdjacentRoomSlab(TypeCode, 2, QStringLiteral("CeilingName"), QStringLiteral("AdjacentRoomStoreyName"))
{
}
