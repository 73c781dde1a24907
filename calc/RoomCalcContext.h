#pragma once
#include "calc/CRoomLoadEngineBase.h"

#include <QString>

class CBuilding;
class CRoom;

// The values the room engine works out once per room before the work of the design type, read by
// every design-type branch. Lives for one call of CCalculate_Manager::CalculateRoomLoads.
struct RoomCalcContext
{
    // Captions of the room's node and its ancestors below the root, top first, joined with "~".
    QString RoomPath;
    // Winter outdoor wet bulb (℃); 0 when the psychrometric library is missing.
    double OutdoorWetBulb = 0;
    CRoom* Room = nullptr;         // not owned: the element behind the room's entry
    CBuilding* Building = nullptr; // not owned: the element of the current building
    // WinterHeatRebateCoefficient when the room's IsWinterHeatRebateCoefficient is 1, else 1.
    double HeatRebateFactor = 1.0;
    // Heights (m) of the building's above-ground storeys summed, and its storey count.
    double AboveGroundHeight = 0;
    int StoreyCount = 0;
    // 1 + "ACLoadPlusPercent" / 100, applied only when it differs from 1 by more than 0.0001.
    double CoolPlusFactor = 1.0;
    bool CoolPlusOn = false;
    bool SteadyFreshAir = false;
    double FullYearPlusFactor = 1.0;
    double HeatPlusFactor = 1.0;
    bool HeatPlusOn = false;
    // ACRoomQuantity = 1 and ACHRoomQuantity = 1 exactly.
    bool SummerCooling = false;
    bool WinterAC = false;
    float PersonsPerArea = 0;   // persons per m²
    float OutdoorAirVolume = 0; // m³/h
    int NetWallArea = 0;        // non-zero: walls and roofs pass their area net of their openings
    bool CalcInfiltration = false;
    float WinterGainFactor = 1.0f;
    // 0 after the set-up; the estimate and detailed branches read "IsWinterACLoadSteady" into it.
    int WinterSteady = 0;
    const CElementDetailCallback* DetailCallback = nullptr; // null or empty: none
    float DetailRates[7]{};
    float DetailBlocks[8][24]{};
    float DetailExtra[24]{};
};

// Summer and winter sides of the season pairs, summer first.
enum ACSeason : int
{
    Summer = 0,
    Winter = 1
};

// The design weather and settings of the detailed air-conditioning calculation, read once at the
// start of the branch. Arrays indexed by ACSeason hold the July value at 0 and the January value
// at 1. Every value is narrowed to the 32-bit float the library takes.
struct ACDesignConditions
{
    float Latitude = 0;
    float Longitude = 0;
    float SummerDryBulb = 0;     // summer design dry bulb
    float WinterDryBulb = 0;     // winter design dry bulb
    float SummerWetBulb = 0;     // summer design wet bulb
    float SummerMeanDryBulb = 0; // summer daily mean design dry bulb
    float Pressure[2]{};         // Pa
    float SummerWindSpeed = 0;
    float WinterWindSpeed = 0;
    int GroundGrade = 0;
    float TimeZone = 0;
    float GroundTemperature[2]{}; // July, January
    float HourlyDryBulb[2][24]{}; // July, January rows of the design temperature table
    float HourlyWetBulb[2][24]{};
    float MaxDryBulb[2]{};      // largest of the row's 24 dry bulbs
    float RoomTemperature[2]{}; // the room's SummerACTemperature, WinterACTemperature
    float RoomRH[2]{};          // the room's SummerACRH, WinterACRH (percent)
    float Height = 0;           // the room's Height
    float StoreyElevation = 0;  // elevation (m) of the storey being calculated
    // "HeatingLoadCoefficient_North", "_East", "_SouthEast", "_South", in that order.
    float OrientationCoef[4]{};
    // "ContainSunSolarWinter" = 1: winter solar gains are kept.
    bool ContainSunSolarWinter = true;
    int WinterSteadyFlag = 0; // 1 when RoomCalcContext::WinterSteady is non-zero

    static int Month(ACSeason s) { return s == Summer ? 7 : 1; }
    static int WinterFlag(ACSeason s) { return s == Summer ? 0 : 1; }
    // The steady flag of a call: 0 in summer.
    int SteadyFlag(ACSeason s) const { return s == Summer ? 0 : WinterSteadyFlag; }
    // Third value of the inner design block: the summer daily mean, or the winter design dry bulb.
    float InnerMean(ACSeason s) const { return s == Summer ? SummerMeanDryBulb : WinterDryBulb; }
};
