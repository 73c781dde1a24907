#pragma once
// Irradiance on surfaces: clear sky (Bouguer–Berlage with the atmospheric transparency, or the
// ASHRAE 1997 constants) and measured global horizontal irradiance split by Erbs et al. (1982).
// All values W/m².

#include "calclib/SolarGeometry.h"

namespace calclib {

struct SkyIrradiance {
    double beamNormal = 0.0;
    double diffuseHorizontal = 0.0;
};

struct SurfaceIrradiance {
    double beam = 0.0;
    double diffuse = 0.0;
    double reflected = 0.0;
    double Total() const { return beam + diffuse + reflected; }
};

double ExtraterrestrialIrradiance(int dayOfYear);
// clarity in (0, 1): Bouguer–Berlage with P = clarity at pressure p (Pa); otherwise the ASHRAE
// constants of the month (1..12). Zero with the sun below the horizon.
SkyIrradiance ClearSky(const SunPosition& sun, int dayOfYear, int month, double clarity, double pressure);
// Beam and diffuse from a measured global horizontal value.
SkyIrradiance FromMeasuredGlobal(const SunPosition& sun, int dayOfYear, double globalHorizontal);
SurfaceIrradiance OnSurface(const SkyIrradiance& sky, const SunPosition& sun, double surfaceAzimuth, double tilt,
                            double groundReflectance);
double GroundReflectance(int groundGrade); // table value, or the default outside 0..5

} // namespace calclib
