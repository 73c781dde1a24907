#pragma once
#include "calc/CBaseData.h"

// An inside wall of a room (kind 13) with its inside windows (kind 14) and inside doors (kind 15).
struct CCalculate_InsideWall
{
    explicit CCalculate_InsideWall(std::unique_ptr<CBaseData> wall) : Wall(std::move(wall)) {}

    std::unique_ptr<CBaseData> Wall;
    CBaseDataList Windows;
    CBaseDataList Doors;
};
