#pragma once
#include "calc/CBaseData.h"

// An outside wall of a room (kind 9) with its outside windows (kind 10) and outside doors (kind 11).
struct CCalculate_OutsideWall
{
    explicit CCalculate_OutsideWall(std::unique_ptr<CBaseData> wall) : Wall(std::move(wall)) {}

    std::unique_ptr<CBaseData> Wall;
    CBaseDataList Windows;
    CBaseDataList Doors;
};
