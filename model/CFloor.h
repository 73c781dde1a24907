#pragma once
#include "model/CAdjacentRoomSlab.h"

// The floor of a room towards the room below (table Floor, parent Room, construction library
// Floor_Lib). The storey of the room below is stored in the column AdjacentRoomStoryName.
// Heating choices of the room below: 0 unheated basement open to outside air, 1 unheated basement
// with windows, 2 unheated basement without windows above outside ground level, 3 the same below
// it, 4 unheated room with outside doors or windows, 5 unheated room without them, 6 heated room,
// 7 temperature difference entered.
class CFloor : public CAdjacentRoomSlab
{
public:
    static constexpr int TypeCode = 21;

    CFloor();
};
