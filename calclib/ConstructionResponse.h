#pragma once
// Response of an opaque element to the periodic sol-air temperature (decrement and lag, the TETD
// form of the harmonic method): the equivalent outdoor temperature acting on the element's K,
//   t_wl(τ) = t̄_z + β·(t_z(τ − ξ) − t̄_z),   t̄_z = 24-hour mean of t_z,
// so that the conduction gain is q(τ) = K·A·(t_wl(τ) − t_room). The design day repeats: τ − ξ wraps
// modulo 24 h, and a fractional lag interpolates linearly between the two neighbouring hours.
// β and ξ come from ComputeWallParameters (WallParameters.h). Index 0 = 00:00.

namespace calclib {

double DailyMean(const double values[24]);

// Value of the periodic hourly series at time t (h, any real), linear between hours.
double PeriodicAt(const double values[24], double t);

// out[τ] as above. β and the lag ξ (h) are used as given (any lag wraps; a negative one leads);
// non-finite values count as 0. out must not alias solAir. Elements of one construction and
// orientation share the response over the rooms of a run (SharedValueTable.h).
void ConstructionResponse(const double solAir[24], double beta, double lagHours, double out[24]);

} // namespace calclib
