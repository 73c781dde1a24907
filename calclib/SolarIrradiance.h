#pragma once
// Irradiance on surfaces: clear sky (Bouguer–Berlage with the atmospheric transparency, or the
// ASHRAE 1997 constants) and measured global horizontal irradiance split by Erbs et al. (1982).
// All values W/m²; pressures Pa (values below 2000 are read as hPa, missing ones as standard).

#include "calclib/SolarGeometry.h"

namespace calclib {

struct SkyIrradiance
{
    double beamNormal = 0.0;
    double diffuseHorizontal = 0.0;
};

struct SurfaceIrradiance
{
    double beam = 0.0;
    double diffuse = 0.0;
    double reflected = 0.0;
    double Total() const { return beam + diffuse + reflected; }
};

// I_0 = 1353·(1 + 0.033·cos(360°·n/365)).
double ExtraterrestrialIrradiance(int dayOfYear);
// Relative optical air mass at pressure p: 1/sin β above 10°, Kasten–Young (1989) below, times
// p/101325. The sun below the horizon counts as on it.
double AirMass(const SunPosition& sun, double pressure);
// clarity in (0, 1): Bouguer beam I_0·P^m and Berlage diffuse at pressure p; otherwise the ASHRAE
// constants of the month (1..12, clamped). Zero with the sun below the horizon.
SkyIrradiance ClearSky(const SunPosition& sun, int dayOfYear, int month, double clarity, double pressure);
// Beam normal and diffuse horizontal from a measured global horizontal value (Erbs diffuse
// fraction on the clearness index). Beam normal is capped at I_0 and zero for sin β below 0.05;
// whatever the beam does not carry stays diffuse, so beam·sin β + diffuse = global always.
SkyIrradiance FromMeasuredGlobal(const SunPosition& sun, int dayOfYear, double globalHorizontal);
// The hourly global horizontal values of a measured day (weather columns 5 and 6: hourly values,
// daily mean repeated in each hour). Non-finite or negative hours count as 0. When the hours add
// up to nothing while the daily mean is positive, the hourly values were lost on import: the daily
// total (24 × mean) is spread over the daylight hours in proportion to sin β. Null arrays are zeros.
void MeasuredGlobalDay(const SunPosition sun[24], const float* hourly24, const float* dailyMean24,
                       double out[24]);
// Beam, isotropic sky diffuse and ground-reflected irradiance on a surface (azimuth and tilt in
// radians). The beam is zero with the sun below the horizon or behind the surface.
SurfaceIrradiance OnSurface(const SkyIrradiance& sky, const SunPosition& sun, double surfaceAzimuth,
                            double tilt, double groundReflectance);
double GroundReflectance(int groundGrade); // table value for 0..5, the library default otherwise

} // namespace calclib
