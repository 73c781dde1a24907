#pragma once
#include "calc/CBaseData.h"

// A roof of a room (kind 17) with its skylights (kind 18).
struct CCalculate_Roof
{
    explicit CCalculate_Roof(std::unique_ptr<CBaseData> roof) : Roof(std::move(roof)) {}

    std::unique_ptr<CBaseData> Roof;
    CBaseDataList SkyWindows;
};
