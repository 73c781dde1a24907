#pragma once
#include "model/CAdjacentRoomSlab.h"

// The ceiling of a room towards the room above (table Ceiling, parent Room, construction library
// Ceiling_Lib). The storey of the room above is stored in AdjacentRoomStoreyName.
// Heating choices of the room above: 0 unheated room with outside doors or windows, 1 unheated
// room without them, 2 heated room, 3 temperature difference entered.
class CCeiling : public CAdjacentRoomSlab
{
public:
    static constexpr int TypeCode = 16;

    CCeiling();
};
