#pragma once
#include "model/CSlabElement.h"

#include <QString>

class CEleAttrs;

// A slab between the room and the room above (ceiling) or below (floor): both keep the same
// columns, except that the column of the adjacent room's storey is spelled per table.
class CAdjacentRoomSlab : public CSlabElement
{
public:
    // storeyColumn: the column that holds AdjacentRoomStoreyName.
    CAdjacentRoomSlab(int type, int libraryKind, const QString& nameColumn, const QString& storeyColumn);

    // The adjacent room for cooling: 0 well-ventilated room without air conditioning, 1 little
    // heat (offices, corridors), 2 below 23 W/m³, 3 23 to 116 W/m³, 4 temperature differences
    // entered (NearRoomDeltaT_Win, NearRoomDeltaT_Sum), 5 discount coefficient (Coefficient_Value).
    int AdjacentRoomStatus = 0;
    // The adjacent room for heating; the choices differ between ceilings (0..3) and floors (0..7).
    int AdjacentRoomStatus_Heating = 0;
    QString AdjacentRoomName;       // picked from the tree
    QString AdjacentRoomStoreyName; // storey of that room, stored in StoreyColumn()
    int TransHeat_Between = 0;      // heat transfer between dwellings
    double Temperature_Range = 0;   // ℃, entered with that option
    double NearRoomDeltaT_Sum = 0;  // ℃, adjacent room minus this room, summer
    double NearRoomDeltaT_Win = 0;  // ℃, winter
    double Coefficient_Value = 1;   // discount coefficient of cooling choice 5
    int AdjacentRoomID = -1;        // element ID of the adjacent room, -1 none
    int bWinter_Heat_Transfer = 1;  // count winter heat transfer

    const QString& StoreyColumn() const { return m_storeyColumn; }

    // Name empty, the default construction, the size of the room, Coefficient_Value 1,
    // AdjacentRoomID -1, bWinter_Heat_Transfer 1, everything else 0 or empty, Status 1. A missing
    // or non-numeric default construction ID raises.
    bool SetDefaults() override;
    void ExchangeAttrs(CEleAttrs& attrs) override;

private:
    QString m_storeyColumn;
};
