#pragma once
// C interface of the psychrometric library librozadizo.so, loaded by name at run time.

#if defined(__GNUC__)
#define ROZADIZO_API extern "C" __attribute__((visibility("default")))
#else
#define ROZADIZO_API extern "C"
#endif

// Moist-air state from pressure p (Pa), dry bulb t (℃) and relative humidity rh as a fraction 0..1.
// Outputs: humidity ratio d (g/kg dry air), enthalpy h (kJ/kg dry air), wet bulb (℃), dew point (℃),
// vapour pressure (Pa), saturation pressure (Pa), density (kg/m³), specific volume (m³/kg dry air).
ROZADIZO_API void ptRH_all(float p, float t, float rh, float* d, float* h, float* wetBulb, float* dewPoint,
                           float* vapourPressure, float* saturationPressure, float* density,
                           float* specificVolume);
