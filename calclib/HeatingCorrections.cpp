#include "calclib/HeatingCorrections.h"

#include "calclib/CalcTables.h"
#include "calclib/InputGuard.h"
#include "calclib/SolarGeometry.h"

#include <algorithm>
#include <cmath>

namespace calclib::heating {

using namespace calclib::tables;

double OrientationCorrection(int32_t direction, double directionAngleDeg, const OrientationCoefficients& c)
{
    if (direction < 1 || direction > 8)
        return 0.0;
    const double n = Finite(c.north), e = Finite(c.east), se = Finite(c.southEast), s = Finite(c.south);
    // Compass points clockwise from north: N, NE, E, SE, S, SW, W, NW (and N again).
    const double point[9] = {n, n, e, se, s, se, e, n, n};
    const double psi = SurfaceAzimuthDeg(direction, directionAngleDeg) / kCompassPointDeg;
    const int i = std::clamp(static_cast<int>(std::floor(psi)), 0, 7);
    const double f = std::clamp(psi - i, 0.0, 1.0);
    return (point[i] + f * (point[i + 1] - point[i])) * kPercent;
}

double EffectiveIndoorTemp(double tn, int32_t industry, double height, double gradient, RoomLevel level)
{
    const double tg = Finite(tn);
    const double h = NonNegative(height);
    if (!industry || h <= kIndustrialGradientFrom || level == RoomLevel::Floor)
        return tg;
    const double td = tg + Finite(gradient) * (h - kWorkingZoneHeight);
    return level == RoomLevel::Top ? td : 0.5 * (tg + td);
}

double HeightAddition(int32_t industry, double height)
{
    const double h = NonNegative(height);
    if (industry || h <= kHeightAdditionFrom)
        return 0.0;
    return std::min(kHeightAdditionMax, kHeightAdditionPerMetre * (h - kHeightAdditionFrom));
}

double DoorAddition(int32_t isColdAir, int32_t doorType, int32_t storeyCount)
{
    if (!isColdAir)
        return 0.0;
    if (doorType == 3)
        return kDoorAdditionMainEntrance;
    const int type = doorType >= 0 && doorType <= 2 ? doorType : 0;
    const int storeys = std::max(1, storeyCount);
    return kDoorAdditionPerStorey[type] * storeys;
}

Adjacency InsideWallAdjacency(int32_t status, int32_t storeyCount)
{
    switch (status) {
    case 0:
        return {FarSide::Unheated, storeyCount > kStairLowMaxStoreys ? kAlphaStairHigh : kAlphaStairLow};
    case 2:
        return {FarSide::Unheated, kAlphaUnheatedClosed};
    case 3:
        return {FarSide::HeatedRoom, 1.0};
    case 4:
        return {FarSide::GivenDelta, 1.0};
    default:
        return {FarSide::Unheated, kAlphaUnheatedOpen};
    }
}

Adjacency CeilingAdjacency(int32_t status)
{
    switch (status) {
    case 1:
        return {FarSide::Unheated, kAlphaUnheatedClosed};
    case 2:
        return {FarSide::HeatedRoom, 1.0};
    case 3:
        return {FarSide::GivenDelta, 1.0};
    default:
        return {FarSide::Unheated, kAlphaUnheatedOpen};
    }
}

Adjacency FloorAdjacency(int32_t status)
{
    if (status == 6)
        return {FarSide::HeatedRoom, 1.0};
    if (status == 7)
        return {FarSide::GivenDelta, 1.0};
    return {FarSide::Unheated, kAlphaFloor[status >= 0 && status <= 5 ? status : 0]};
}

double GapWallAlpha(int32_t gapWallType)
{
    return kAlphaGapWall[gapWallType >= 0 && gapWallType <= 2 ? gapWallType : 0];
}

} // namespace calclib::heating
