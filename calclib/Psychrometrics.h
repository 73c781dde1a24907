#pragma once
// Moist-air properties (ASHRAE Handbook Fundamentals ch. 1, Hyland–Wexler saturation pressure).
// Temperatures ℃, pressures Pa, humidity ratio W kg/kg dry air, enthalpy kJ/kg dry air.
// Shared by libdizedozev and librozadizo.

namespace calclib::psy {

double SaturationPressure(double t); // over water at t >= 0, over ice below
double HumidityRatio(double vapourPressure, double p);
double SaturationHumidityRatio(double t, double p);
double HumidityRatioFromRh(double t, double rhFraction, double p);
// Psychrometer equation; the result is capped at saturation and never below 0.
double HumidityRatioFromWetBulb(double t, double wetBulb, double p);
double VapourPressure(double w, double p);
double RelativeHumidity(double t, double w, double p); // fraction
// Wet bulb for (t, W): bisection on [−60, t]; W above saturation is capped so that t* <= t.
double WetBulb(double t, double w, double p);
double DewPoint(double vapourPressure);
double Enthalpy(double t, double w);
double Density(double t, double w, double p);        // kg moist air per m³
double SpecificVolume(double t, double w, double p); // m³ per kg dry air
double LatentHeat(double t);                         // kJ/kg

// Defensive normalisation of caller input: relative humidity in percent clamped to 0..100
// (a value <= 1 is read as a fraction); pressure in Pa (below 2000 read as hPa; missing → standard).
double RhPercent(double rh);
double PressurePa(double p);

} // namespace calclib::psy
