#pragma once
// Room response by the Radiant Time Series (ASHRAE Handbook Fundamentals ch. 18): the radiant part
// of an instantaneous gain reaches the room air spread over the following 24 hours,
//   CL(τ) = q_conv(τ) + Σ_{j=0..23} r_j·q_rad(τ − j),
// periodic over the design day (hour −1 is 23:00 of the same day).
//
// The series is chosen by RoomType: 0 light, 1 medium, 2 heavy construction; any other code is read
// as medium, the most common Chinese construction. Within a construction the floor and glazing
// columns are the named set in use of CalcTables.h (exterior zone). Non-solar series serve people,
// lights, equipment and conduction; the solar series serves transmitted beam and diffuse solar.
// The fractions are normalised to sum exactly 1, so a daily sum of gain equals the daily sum of load.

#include <cstdint>

namespace calclib {

enum class RtsSeries : int
{
    NonSolar = 0,
    Solar = 1
};

// Construction index 0..2 of a RoomType code.
int RtsConstructionOf(int32_t roomType);

// The 24 fractions r_0..r_23 of the series in use (static storage, sum 1).
const double* RtsFractions(int32_t roomType, RtsSeries series);

// out(τ) = Σ_j r_j·in(τ − j). in and out may be the same array.
void ApplyRts(int32_t roomType, RtsSeries series, const double in24[24], double out24[24]);

// Cooling load of an instantaneous gain of which radiantFraction is radiant:
// (1 − f)·q(τ) + RTS(f·q)(τ); steady gives q unchanged. gain and out may be the same array.
void CoolingLoadFromGain(int32_t roomType, RtsSeries series, double radiantFraction, bool steady,
                         const double gain24[24], double out24[24]);

} // namespace calclib
