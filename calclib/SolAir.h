#pragma once
// Sol-air temperature of an outer surface (GB 50176 / ASHRAE), hourly over the design day:
//   t_z(τ) = t(τ) + ρ_s·I(τ)/α_e − ε·ΔR/α_e,
// with the outer film α_e = 19 W/(m²·K) (GB 50176 summer value) unless given, the absorptance ρ_s
// of the surface and the long-wave term ε·ΔR/α_e = 3.9 K for horizontal, 0 for vertical surfaces.
// Temperatures ℃, irradiance W/m² on the surface. Index 0 = 00:00.

#include "calclib/CalcTables.h"

namespace calclib {

// Long-wave correction ε·ΔR/α_e in K.
double SolAirLongWave(bool horizontal);
// Absorptance of a roof by colour code 0 dark, 1 medium, 2 light; other codes count as medium.
double RoofAbsorptance(int color);
// Walls carry no colour.
double WallAbsorptance();

// out[τ] = outdoor[τ] + absorptance·irradiance[τ]/alphaE − longWave. Non-finite values count as 0
// (temperatures, irradiance, long-wave term), negative irradiance as 0, the absorptance is held in
// 0..1, and an outer film that is not positive and finite counts as 19 W/(m²·K). out may alias outdoor.
void SolAirTemperature(const double outdoor[24], const double irradiance[24], double absorptance,
                       double longWave, double out[24], double alphaE = tables::kOutsideFilmSummer);

} // namespace calclib
