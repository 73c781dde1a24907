#pragma once
#include "model/CEnvelopeElement.h"

// An inside wall of a room towards an adjacent room (table InsideWall, parent Room, construction
// library InsideWall_Lib). Its inside windows and doors are its children.
class CInsideWall : public CEnvelopeElement
{
public:
    static constexpr int TypeCode = 13;

    CInsideWall();

    // Adjacent room for cooling: 0 well-ventilated unconditioned room, 1 little heat release,
    // 2 below 23 W/m³, 3 23..116 W/m³, 4 temperature difference entered, 5 discount coefficient.
    int AdjacentRoomStatus = 0;
    // For heating: 0 unheated stair with outside openings, 1 unheated room with outside openings,
    // 2 unheated room without, 3 heated room, 4 temperature difference entered.
    int AdjacentRoomStatus_Heating = 0;
    QString AdjacentRoomName;
    double Height = 0;                // m
    double Winter_NearRoomDeltaT = 0; // entered difference adjacent minus own room, winter, ℃
    double Summer_NearRoomDeltaT = 0; // the same for summer, ℃
    double Coefficient = 0;           // discount coefficient of option 5
    bool Winter_Heat_Transfer = true; // count heat transfer through this wall in winter
    int TransHeat_Between = 0;        // heat transfer between dwellings
    int AdjacentRoomID = -1;          // element ID of the adjacent room, -1 none

    // Name empty, Height the storey's height and Winter_Heat_Transfer the room's
    // IsWinter_Heat_Transfer (0 and 1 without a tree node), the default construction,
    // AdjacentRoomID -1, the rest 0 or empty, Status 1. A missing or non-numeric default raises.
    bool SetDefaults() override;
    void ExchangeAttrs(CEleAttrs& attrs) override;

    // Area × Quantity summed over the inside windows and inside doors whose parent_id is wallId,
    // m²; 0 for a wall without openings. Runs on the element's data set, replacing its result.
    double GetOpeningArea(int wallId);
};
