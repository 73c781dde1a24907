#pragma once
// C interface of the load-calculation library libdizedozev.so.
//
// Conventions shared by every function:
// - Reals are 32-bit floats except where a signature says double; hourly arrays have 24 values,
//   index 0 = 00:00 … 23 = 23:00 local clock time. Every output array is overwritten completely on
//   every call, whatever the input (callers reuse arrays without clearing them).
// - Units: loads W, moisture g/h (GetDL_Addition_Infiltration: kg/h), air volume m³/h,
//   temperatures ℃, pressures Pa, relative humidity in percent, thickness mm, specific heat
//   kJ/(kg·K), areas m². Schedules are fractions 0..1; an all-zero schedule gives zero load.
// - Sign: heat gains to the room positive, losses negative.
// - Bad input never crashes: NaN or infinite reals count as 0, negative areas, powers, volumes
//   and counts as 0, relative humidity is clamped to 0..100. No exception leaves the library.
// - steady = 1 makes gains instantaneous (no room response); winter = 1 multiplies every gain
//   output by coef (the winter gain factor).

#include <stdint.h>

#if defined(__GNUC__)
#define DIZEDOZEV_API extern "C" __attribute__((visibility("default")))
#else
#define DIZEDOZEV_API extern "C"
#endif

// ---- Start-up and design context ----------------------------------------------------------------
// Program folder (8-bit text, no trailing separator); kept for optional data files.
DIZEDOZEV_API void SetLibDir(const char* path);
// Location and climate of the run, used where a function is given no longitude, time zone, daily
// range, clarity or ground grade. Until set (or after ResetDesignContext): apparent solar time =
// clock time, daily range 8 K, clarity 0.75, ground reflectance 0.2, pressure 101325 Pa.
// clarity outside (0, 1) selects the ASHRAE clear-sky constants; groundGrade outside 0..5 keeps 0.2.
DIZEDOZEV_API void SetDesignContext(float longitude, float timeZone, float dailyRange, float clarity,
                                    int32_t groundGrade, float summerPressure, float winterPressure);
DIZEDOZEV_API void ResetDesignContext(void);
// Diurnal swing of the heating design day (0 = flat at the heating design temperature, 1 = full).
DIZEDOZEV_API void SetHeatingSwingFactor(float factor);

// ---- Weather and climate ------------------------------------------------------------------------
DIZEDOZEV_API void GetMax(const float* values24, float* maxValue, float* minValue);
DIZEDOZEV_API void GetDB(float maxValue, float minValue, float* out24);
// Twelve design days, month-major [12][24].
DIZEDOZEV_API void GetDB12(float twg, float rangeSummer, float twk, float* out12x24);
DIZEDOZEV_API void GetWB12(float pSummer, float pWinter, float twg, float tws, float rangeSummer, float twk,
                           float rhWinter, float* out12x24);
DIZEDOZEV_API void GetDB12_Heating(float twg, float rangeSummer, float twn, float* out12x24);
DIZEDOZEV_API void GetTWN(float rangeSummer, float twn, float* out24);
DIZEDOZEV_API void GetpMonthly(float pSummer, float pWinter, float* out12);
DIZEDOZEV_API void GetpDaily(float pSummer, float pWinter, float* out365);
// 1 when the day described by db24/wb24 is a winter day for a room held at (twi, rhWinter): its
// 24-hour mean outdoor enthalpy is below the enthalpy of that indoor state.
DIZEDOZEV_API uint8_t GetIsUsingepsilon(float p, float twi, float rhWinter, const float* db24,
                                        const float* wb24);
// The indoor design state of that day: the winter pair exactly when GetIsUsingepsilon gives 1,
// otherwise the summer pair; the chosen values are returned bit for bit.
DIZEDOZEV_API void GetIndoortRH(float p, float twi, float rhWinter, float tsi, float rhSummer,
                                const float* db24, const float* wb24, float* t, float* rh);
// Daily maximum irradiance (W/m²) on the 21st of each month, [12][9] in the order horizontal, S, SW,
// W, NW, N, NE, E, SE. mode and year are accepted and ignored.
DIZEDOZEV_API void GetMaxSHG12(float latitude, float longitude, float timeZone, int32_t groundGrade,
                               float* out12x9, float clarity, int32_t mode, int32_t year);
// Sunrise and sunset of each day of the year, apparent solar time in hours.
DIZEDOZEV_API void SunriseSunset(float latitude, float* sunrise365, float* sunset365);
// Reads an hourly weather file into [8760][7]: 0 month, 1 day, 2 hour, 3 dry bulb, 4 wet bulb,
// 5 global horizontal irradiance, 6 the day's mean of column 5. Returns the number of hours read;
// rows after a missing or bad line are zeros.
DIZEDOZEV_API int32_t Get8760hData(const char* path, float* out8760x7);
// Daily maximum, mean and minimum dry bulb (column 3) of an [8760][7] table.
DIZEDOZEV_API void GetAverageWD(const float* data8760x7, float* max365, float* mean365, float* min365);
// First hour with a factor above 0.001 and the hour after the last one; 0, 0 when none.
DIZEDOZEV_API void GetTimefromTable(const float* factors24, int32_t* beginHour, int32_t* endHour);

// ---- Constructions ------------------------------------------------------------------------------
// Layers inside (0) to outside (n-1). Air layers have rho·c = 0 and carry a heat-exchange
// coefficient in lambda; surface films have thickness 0. Outputs: total thickness (mm), K
// (W/(m²·K)), heat-flux decrement factor, outer decrement ν, lag ξ (h), inner decrement νn, inner
// lag ξn (h), thermal inertia D. n <= 0 or a missing layer array gives eight zeros; at most 149
// layers are read; a layer with unusable values (NaN, λ <= 0, negative thickness) is left out.
DIZEDOZEV_API void Get_WallParameters_D_Multiplier(int32_t n, const float* thickness, const float* lambda,
                                                   const float* correction, const float* density,
                                                   const float* specificHeat, float* delta, float* k,
                                                   float* beta, float* nu, float* xi, float* nuInner,
                                                   float* xiInner, float* inertia);

// ---- Internal gains -----------------------------------------------------------------------------
DIZEDOZEV_API void GetCL_Person(float area, float personsPerM2, int32_t roomType, float roomTemp,
                                int32_t laborType, float clusterCoef, int32_t steady, int32_t winter,
                                float coef, const float* sched24, float* total24, float* sensible24);
DIZEDOZEV_API void GetDL_Person(float area, float personsPerM2, float roomTemp, int32_t laborType,
                                float clusterCoef, const float* sched24, float* moisture24);
DIZEDOZEV_API void GetCL_Light(int32_t roomType, float incandescent, float exposedBallastOutside,
                               float exposedBallastInside, float concealed, float simultaneous,
                               int32_t lampshadeType, int32_t steady, int32_t winter, float coef,
                               const float* sched24, float* out24);
DIZEDOZEV_API void GetCL_HeatingEquipment(int32_t roomType, float power, float simultaneous, float usage,
                                          float load, float ventilation, int32_t steady, int32_t winter,
                                          float coef, const float* sched24, float* out24);
DIZEDOZEV_API void GetCL_ElectricEquipment(int32_t roomType, float power, float useCoef, float inputCoef,
                                           float efficiency, int32_t location, int32_t steady, int32_t winter,
                                           float coef, const float* sched24, float* out24);
DIZEDOZEV_API void GetCL_ElectronicEquipment(int32_t roomType, float power, float c1, float c2, float c3,
                                             int32_t steady, int32_t winter, float coef, const float* sched24,
                                             float* out24);
DIZEDOZEV_API void GetDL_Equipment(int32_t roomType, float moistureGain, const float* sched24, float* out24);
DIZEDOZEV_API void GetCL_Addition_Food(int32_t diners, float clusterCoef, int32_t steady, int32_t winter,
                                       float coef, const float* sched24, float* out24);
DIZEDOZEV_API void GetDL_Addition_Food(int32_t diners, float clusterCoef, const float* sched24, float* out24);
// Gas burning: moisture g/h, total heat W, latent heat W (sensible = total − latent).
// moistureYield is kg of water per m³ of fuel.
DIZEDOZEV_API void GetCL_ChemicalReaction(double incompleteCombustion, double loadRatio, double maxFuel,
                                          double heatValue, double moistureYield, const double* sched24,
                                          double* moisture24, double* total24, double* latent24);
// Evaporation from an open water surface: latent load W (counted only in full-heat sums).
DIZEDOZEV_API void GetCL_Addition_Vapor_Precision(float surfaceArea, float waterTemp, int32_t steady,
                                                  int32_t winter, float coef, const float* sched24,
                                                  float* out24, float roomTemp, float roomRH, float p);
DIZEDOZEV_API void GetDL_Addition_Vapor_Precision(float surfaceArea, float waterTemp, int32_t winter,
                                                  float coef, const float* sched24, float* out24,
                                                  float roomTemp, float roomRH, float p);

// ---- Outdoor air and infiltration ---------------------------------------------------------------
// Infiltration through outside doors and by air changes; airChanges < 0 chooses them by room
// volume. load24: sensible load W; spare24: infiltrated air m³/h.
DIZEDOZEV_API void GetCL_Addition_Infiltration_N(float area, float height, float p, float roomTemp,
                                                 float roomRH, const float* db24, const float* wb24,
                                                 float personsPerHour, int32_t doorType, const float* sched24,
                                                 float* load24, float* spare24, float airChanges);
// Moisture of the same air, kg/h. It uses the air changes of the preceding GetCL_Addition_Infiltration_N
// call for the same room and door (this call carries none); otherwise those chosen by volume.
DIZEDOZEV_API void GetDL_Addition_Infiltration(float area, float height, float p, float roomTemp,
                                               float roomRH, const float* db24, const float* wb24,
                                               float personsPerHour, int32_t doorType, const float* sched24,
                                               float* moisture24);
// Outdoor air: supplied volume m³/h, total and sensible load W, moisture g/h.
DIZEDOZEV_API void GetCL_FreshAir_D(float volume, float p, float roomTemp, float roomRH, const float* db24,
                                    const float* wb24, const float* sched24, float* volume24, float* total24,
                                    float* sensible24, float* moisture24);
DIZEDOZEV_API void GetCL_Enclose_Simple(float area, float index, float* out24);
DIZEDOZEV_API void GetCL_FanAndDuct(double airVolume, double fanRise, double ductRise, const double* sched24,
                                    double* out24);
DIZEDOZEV_API void GetDL_Enclosure(double moistureGain, const double* sched24, double* moisture24,
                                   double* latent24);
DIZEDOZEV_API void GetCL_PumpAndPipe(double waterFlow, double pumpRise, double pipeRise,
                                     const double* sched24, double* out24);
