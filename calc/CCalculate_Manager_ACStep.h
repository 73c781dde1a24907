#pragma once
// The values that the monthly and daily air-conditioning types hand their element passes: one
// ACStep per month's design day or per day of the year, the pass-wide values, and the daily climate
// of a room. Internal to those passes.
#include "calc/ACEnvelopeArgs.h"
#include "calc/CCalculate_Manager.h"

#include <stdint.h>
#include <vector>

// One step: what changes from month to month or from day to day. Temperatures ℃, humidity %,
// pressure Pa; the arrays hold 24 hourly values and belong to the caller's climate.
struct CCalculate_Manager::ACStep
{
    int32_t Month = 1;     // 1..12
    int32_t SolarDay = 21; // day of the month of the solar calls
    int DayType = 2;       // schedule day type (2 the monthly design day, 3..9 Monday..Sunday)
    // K_S, Kesi_S and the elements' summer columns; otherwise the winter ones.
    bool SummerColumns = true;
    int32_t Winter = 0; // winter flag of the gain and solar calls (0 or 1)
    // Outer block: latitude, twg, twk, TwgDay, Peak, summer room, IndoorTemp. Inner block: latitude,
    // twg, Mean, twk, TwgDay, Peak, summer room, IndoorTemp.
    float TwgDay = 0;
    float Peak = 0;
    float Mean = 0;
    float IndoorTemp = 0;
    float IndoorRH = 0;
    float Pressure = 0;
    const float* DryBulb = nullptr;
    const float* WetBulb = nullptr;
    // The month's ground temperature; a ground slab sees its mean with GroundDryBulb at that row's
    // peak hour (the value of largest magnitude: the warmest hour of a warm day, the coldest of a
    // frosty one).
    float GroundTemperature = 0;
    const float* GroundDryBulb = nullptr;
    // Measured global horizontal irradiance and its daily mean (W/m²) of a day of the weather year;
    // null for the clear sky of the month's 21st.
    const float* Global = nullptr;
    const float* GlobalMean = nullptr;
    // The step's solar gains count as zero (a winter day while winter sun is left out).
    bool ZeroSolar = false;
    // The outdoor-air total load is replaced by its sensible part (a month outside April..September).
    bool FreshAirSensibleOnly = false;
};

// What every step of a pass shares, and its steps.
struct CCalculate_Manager::ACStepPass
{
    float Latitude = 0;
    float Longitude = 0;
    float SummerDryBulb = 0; // summer design dry bulb twg
    float WinterDryBulb = 0; // winter design dry bulb twk
    float SummerRoom = 0;    // the room's SummerACTemperature
    float Height = 0;        // the room's Height
    float Elevation = 0;     // of the storey being calculated
    float WinterWindSpeed = 0;
    float SummerWindSpeed = 0;
    int32_t GroundGrade = 0;
    float TimeZone = 0;
    float OrientationCoef[4]{}; // North, East, SouthEast, South
    int32_t Steady = 0;
    // Every load and moisture output is multiplied by it (the outdoor airflow is not).
    double PlusFactor = 1.0;
    std::vector<ACStep> Steps;
};

// The daily climate of one room call of the daily type; day d = 0 is 1 January.
struct CCalculate_Manager::ACDailyClimate
{
    static constexpr int Days = 365;
    static constexpr int Hours = 24;

    float Pressure[Days]{};
    // Columns 3 to 6 of the annual hourly weather: dry bulb, wet bulb, global horizontal
    // irradiance and its daily mean.
    float HourDryBulb[Days][Hours]{};
    float HourWetBulb[Days][Hours]{};
    float HourValue5[Days][Hours]{};
    float HourValue6[Days][Hours]{};
    float IndoorTemp[Days]{};
    float IndoorRH[Days]{};
    float DaySeries1[Days]{}; // daily maximum dry bulb
    float DaySeries2[Days]{}; // daily mean dry bulb
    int WinterDay[Days]{};
    int DayType[Days]{};
};

namespace ACStepArgs {

// The pass-wide values of the room from the project weather, the room and the storey elevation:
// steady 0 and plus factor 1 until the caller sets them, no steps. Raises when an orientation
// coefficient of the defaults is missing or not a number.
CCalculate_Manager::ACStepPass PassOf(const RoomCalcContext& context, double storeyElevation);

inline ACEnvelope::OuterBlock Outer(const CCalculate_Manager::ACStepPass& p,
                                    const CCalculate_Manager::ACStep& s)
{
    return {p.Latitude, p.SummerDryBulb, p.WinterDryBulb, s.TwgDay, s.Peak, p.SummerRoom, s.IndoorTemp};
}

inline ACEnvelope::InnerBlock Inner(const CCalculate_Manager::ACStepPass& p,
                                    const CCalculate_Manager::ACStep& s)
{
    return {p.Latitude, p.SummerDryBulb, s.Mean,       p.WinterDryBulb,
            s.TwgDay,   s.Peak,          p.SummerRoom, s.IndoorTemp};
}

inline ACEnvelope::OutdoorTail Tail(const CCalculate_Manager::ACStepPass& p,
                                    const CCalculate_Manager::ACStep& s)
{
    return {p.Height, p.Elevation, p.WinterWindSpeed, p.SummerWindSpeed, s.Month};
}

} // namespace ACStepArgs
