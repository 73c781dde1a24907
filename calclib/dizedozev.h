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
// Total area (m²) of the outside doors, windows and curtain walls of the room about to be calculated;
// the air-change infiltration method shares the room's air among them by area. 0 (the start value)
// shares it equally among the walls with windows. Kept until set again or ResetDesignContext.
DIZEDOZEV_API void SetRoomOpeningArea(float area);
// 1 (the start value): what many calls share – the outdoor air of a day's hours, the sun on a
// surface over a day, the load of an element or gain per unit of its size (K·A, g·A, W, m³/h) – is
// computed once and found again by everything it depends on; SetDesignContext and
// ResetDesignContext forget it when they change the context. 0: every call computes from its own
// arguments alone (for checking: results agree to rounding, about 1e-12 relative).
DIZEDOZEV_API void SetSharedValues(int32_t enabled);

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
// 5 global horizontal irradiance, 6 the day's mean of column 5. Returns 8760 when the file is one
// whole year as Read8760hData takes it; otherwise 0, and the table is all zeros.
DIZEDOZEV_API int32_t Get8760hData(const char* path, float* out8760x7);
// What Read8760hData finds wrong with an hourly weather file.
enum WeatherFileFault
{
    WeatherFileWhole = 0,      // one whole year
    WeatherFileUnreadable = 1, // no path, or the file cannot be opened
    WeatherFileShort = 2,      // the file ends before the line
    WeatherFileLong = 3,       // the line holds data after the last hour of the year
    WeatherFileFields = 4,     // the line does not start with six numbers
    WeatherFileTime = 5,       // month, day or hour are not those of the line
    WeatherFileDryBulb = 6,    // dry bulb outside WeatherTemperatureMin..Max
    WeatherFileWetBulb = 7,    // wet bulb below WeatherTemperatureMin or above the dry bulb
    WeatherFileIrradiance = 8, // global horizontal outside 0..WeatherIrradianceMax
};
// Plausible values (℃, W/m²): temperatures measured on Earth lie within −90..60 ℃; an hour's global
// horizontal irradiance stays near or below the extraterrestrial 1413 W/m² at perihelion, with
// room left for cloud enhancement.
constexpr int32_t WeatherTemperatureMin = -90;
constexpr int32_t WeatherTemperatureMax = 60;
constexpr int32_t WeatherIrradianceMax = 1500;
// The hourly weather file ".qsw": line n (from 1) is hour n − 1 of a 365-day year starting on
// 1 January at 0:00, its fields separated by blanks or tabs: 0 month 1..12, 1 day of the month,
// 2 hour 0..23, 3 dry bulb ℃, 4 wet bulb ℃ (at most 0.2 K above the dry bulb, for rounding),
// 5 global horizontal irradiance W/m²; further fields are ignored. A UTF-8 byte-order mark and
// blank lines after the last hour are allowed. Returns the first fault and, in *line when given,
// the line it concerns (0 for a whole year or an unreadable file). The table is filled as by
// Get8760hData: the year when whole, zeros otherwise; a null table checks the file only.
DIZEDOZEV_API int32_t Read8760hData(const char* path, float* out8760x7, int32_t* line);
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

// ---- Envelope cooling ---------------------------------------------------------------------------
// Loads of the envelope of an air-conditioned room over the design day of one step (the summer or
// winter design day, a month, a day of the year). Argument groups:
//   outer block (7): latitude, twg, twk, twg (daily: the day's maximum), peak dry bulb of the day,
//     summer room temperature, room temperature of the step. The outdoor day is the GB 50736 design
//     day t(τ) = peak − 0.52·Δt_r + β_τ·Δt_r with the daily range Δt_r of the design context.
//   inner block (8): latitude, twg, mean dry bulb of the day, twk, twg, peak dry bulb of the day, summer
//     room temperature, room temperature of the step. The day's range is (peak − mean)/0.52 (the
//     context's range when that is not positive).
//   outdoor tail (5): room height, storey elevation, winter and summer wind speed (accepted, not used),
//     month 1..12 (the clear sky of its 21st, at the place of the design context).
//   solar values (4): month, day of month, ground grade 0..5, time zone.
//   orientation coefficients (4): the Initialization values North, East, SouthEast, South in percent
//     as entered (−15 means −15 %): the correction x_ch of a wall takes the North value at N, NE and
//     NW, East at E and W, SouthEast at SE and SW, South at S, linear in the azimuth in between; 0 for
//     Direction 0 (水平) and unknown codes.
//   directionAngle: degrees added clockwise to the Direction's compass point.
// Outside walls, doors, windows and curtain walls work in one of three regimes:
//   cooling regime (daily mean outdoor ≥ room temperature): walls K·A·(t_wl(τ) − t_n), t_wl the
//     sol-air temperature (absorptance 0.70) through the wall's decrement factor beta and lag xi (h);
//     openings K·A·(t(τ) − t_n) through the room's radiant time series (46 % radiant).
//   heating regime (daily mean below the room temperature): K·A·(t(τ) − t_n), times (1 + x_ch) on
//     the hours of loss (openings again through the radiant time series).
//   steady = 1: K·A·(twk − t_n), times (1 + x_ch) when a loss, the same at every hour.
// Roofs take the roof colour's absorptance and the long-wave loss of a horizontal surface, and no x_ch.
// Solar through glazing: the clear sky of the design context (daily: the measured global horizontal
// irradiance of the weather row, split into beam and diffuse) on the glass, beam × the clear-glass
// angular modifier × the sunlit fraction left by the outside overhang and fin (ShieldType 2 or 3 with
// a width and height), diffuse × 0.9, all × solarFactor × area. solarFactor already holds the
// shading factors of the window record; ShieldType 1 or 3 (interior shade) makes half of the gain
// radiant on the non-solar series, otherwise all of it follows the solar series. steady = 1 gives
// the gain itself; winter = 1 multiplies by coef. Glass roofs and skylights are taken as horizontal.
// Inside elements: K·A·(t_ls − t_n) by adjacentStatus: 0..3 t_ls = mean + 0, 2, 3, 5 K, or, when the
// mean is below the room temperature, t_n − α·(t_n − mean) with α 0.7 (0) or 0.4 (1..3); 4 the
// given difference (neighbour − this room); 5 coefficient × the status-0 load. steady = 1 puts twk
// in place of the mean.
// Arguments accepted and not used: twg, the summer room temperature, K and twg of the solar
// functions, AirSupplyType, InsideShieldMaterials, Quantity, the wind speeds and room height,
// beta and xi of inside walls and floors, the Direction of glass roofs and skylights, the month of
// ground and basement walls.

DIZEDOZEV_API void GetCL_OutEnclose_Wall_v2005_Angle(
    float latitude, float twg, float twk, float twgDay, float peak, float summerRoom, float room,
    int32_t direction, float k, float beta, float xi, float area, int32_t steady, float* out24, float height,
    float elevation, float winterWind, float summerWind, int32_t month, float coefNorth, float coefEast,
    float coefSouthEast, float coefSouth, double directionAngle);
// Roofs and attics; area already projected to the horizontal. color 0 dark, 1 medium, 2 light.
DIZEDOZEV_API void GetCL_OutEnclose_Roof(float latitude, float twg, float twk, float twgDay, float peak,
                                         float summerRoom, float room, float k, float beta, float xi,
                                         float area, int32_t color, int32_t steady, float* out24,
                                         float height, float elevation, float winterWind, float summerWind,
                                         int32_t month);
// Conduction of outside doors, windows, curtain walls, glass roofs and skylights (no x_ch).
DIZEDOZEV_API void GetCL_OutEnclose_Window(float latitude, float twg, float twk, float twgDay, float peak,
                                           float summerRoom, float room, int32_t roomType, float k,
                                           float area, int32_t steady, float* out24, float height,
                                           float elevation, float winterWind, float summerWind,
                                           int32_t month);
// The same with the orientation correction of the wall's direction; overwrites what the former wrote.
DIZEDOZEV_API void GetCL_OutEnclose_Window_2014_Angle(
    float latitude, float twg, float twk, float twgDay, float peak, float summerRoom, float room,
    int32_t roomType, float k, float area, int32_t steady, float* out24, float height, float elevation,
    float winterWind, float summerWind, int32_t month, int32_t direction, float coefNorth, float coefEast,
    float coefSouthEast, float coefSouth, double directionAngle);
// Transmitted solar of outside doors, windows and curtain walls. Outside shading: opening width B and
// height H, overhang projection l at f above the window head, fin projection m at g from its edge (m).
DIZEDOZEV_API void
GetCL_OutEnclose_Solar_Angle(float latitude, float longitude, float twg, int32_t roomType, int32_t direction,
                             float k, float solarFactor, int32_t shieldType, int32_t airSupplyType,
                             int32_t insideShieldMaterials, float area, int32_t steady, int32_t winter,
                             float coef, int32_t month, int32_t day, int32_t groundGrade, float timeZone,
                             float shadeB, float shadeH, float shadeL, float shadeM, float shadeF,
                             float shadeG, int32_t quantity, float* out24, double directionAngle);
// The same for a day of the weather year: globalHorizontal24 the hourly global horizontal irradiance
// (W/m²), dailyMean24 its daily mean by hour (used only when the hourly values are all missing).
// A missing row is a day without sun.
DIZEDOZEV_API void GetCL_OutEnclose_Solar_Daily_Angle(
    float latitude, float longitude, float twg, int32_t roomType, int32_t direction, float k,
    float solarFactor, int32_t shieldType, int32_t airSupplyType, int32_t insideShieldMaterials, float area,
    int32_t steady, int32_t winter, float coef, int32_t month, int32_t day, int32_t groundGrade,
    float timeZone, float shadeB, float shadeH, float shadeL, float shadeM, float shadeF, float shadeG,
    int32_t quantity, float* out24, const float* globalHorizontal24, const float* dailyMean24,
    double directionAngle);
DIZEDOZEV_API void GetCL_SkyWindow_Solar_Angle(float latitude, float longitude, float twg, int32_t roomType,
                                               int32_t direction, float k, float solarFactor, float area,
                                               int32_t steady, int32_t winter, float coef, int32_t month,
                                               int32_t day, int32_t groundGrade, float timeZone, float* out24,
                                               double directionAngle);
DIZEDOZEV_API void GetCL_SkyWindow_Solar_Daily_Angle(float latitude, float longitude, float twg,
                                                     int32_t roomType, int32_t direction, float k,
                                                     float solarFactor, float area, int32_t steady,
                                                     int32_t winter, float coef, int32_t month, int32_t day,
                                                     int32_t groundGrade, float timeZone, float* out24,
                                                     const float* globalHorizontal24,
                                                     const float* dailyMean24, double directionAngle);
DIZEDOZEV_API void GetCL_InEnclose_Wall_v2005(float latitude, float twg, float mean, float twk, float twgDay,
                                              float peak, float summerRoom, float room, float k, float beta,
                                              float xi, float area, int32_t adjacentStatus, int32_t steady,
                                              float* out24, float deltaT, float coefficient);
// Inside doors and windows, with the status, difference and coefficient of their wall.
DIZEDOZEV_API void GetCL_InEnclose_Window_v2005(float latitude, float twg, float mean, float twk,
                                                float twgDay, float peak, float summerRoom, float room,
                                                int32_t roomType, int32_t adjacentStatus, float k, float area,
                                                int32_t steady, float* out24, float deltaT,
                                                float coefficient);
// Floor slabs (room above) and floors (room below).
DIZEDOZEV_API void GetCL_InEnclose_Floor_v2005(float latitude, float twg, float mean, float twk, float twgDay,
                                               float peak, float summerRoom, float room, float k, float beta,
                                               float xi, float area, int32_t adjacentStatus, int32_t steady,
                                               float* out24, float deltaT, float coefficient);
// Floors over outdoor air: K·A·(t̄ + beta·(t(τ − xi) − t̄) − t_n), shaded from the sun; steady
// K·A·(twk − t_n).
DIZEDOZEV_API void GetCL_ProjectionFloor(float latitude, float twg, float mean, float twk, float twgDay,
                                         float peak, float summerRoom, float room, float k, float beta,
                                         float xi, float area, int32_t steady, float* out24, float height,
                                         float elevation, float winterWind, float summerWind, int32_t month);
// Gap walls: as projection floors × α 0.3 (0 expansion, 1 settlement joint) or 0.7 (2 seismic joint).
DIZEDOZEV_API void GetCL_GapWall(float latitude, float twg, float mean, float twk, float twgDay, float peak,
                                 float summerRoom, float room, float k, float beta, float xi, float area,
                                 int32_t gapWallType, int32_t steady, float* out24);
// Ground slabs and basement walls: K·A·(groundSide − room), constant.
DIZEDOZEV_API void GetCL_Ground(float room, float groundSide, float k, float area, int32_t month,
                                float* out24);
DIZEDOZEV_API void GetCL_BasementWall(float room, float groundSide, float k, float area, int32_t month,
                                      float* out24);

// ---- Heating ------------------------------------------------------------------------------------
// Steady heat loss of the GB 50736-2012 method, hour by hour over the outdoor profile t(τ):
//   Q1 = −α·K·A·(t_n − t(τ))                       basic loss (negative = loss)
//   Q  = Q1·(1 + x_ch + x_f + x_m)·(1 + x_g)·(1 + x_j)
// α temperature-difference correction, x_ch orientation, x_f wind, x_m outside-door, x_g height
// (2 %/m above 4 m, ≤ 15 %, civil rooms) and x_j intermittent addition. Industrial rooms (industry
// ≠ 0) higher than 4 m take t_n from the temperature gradient (GB 50019) instead of x_g.
// Percent inputs: the orientation coefficients (North, East, SouthEast, South), the wind addition
// and the intermittent rate.
//
// Every function except GetHL_Others ends with the same detail tail and overwrites all of it:
//   rate0 (in)  intermittent addition, percent
//   rate1..5    K, α, x_ch, x_f, x_m as fractions
//   block0..3   hourly Q1, Q1·x_ch, Q1·x_f and the rest (door, height and intermittent additions);
//               the four sum to the transmission output.
// Heated neighbours: α = 1 with the neighbour's temperature in place of t(τ). "Given difference"
// statuses: Q1 = K·A·ΔT with ΔT = neighbour − this room, so a warmer neighbour gives a gain.

DIZEDOZEV_API void GetHL_OutWall_Angle_v2012(int32_t direction, float area, float k, float tn,
                                             const float* profile24, int32_t industry, float height,
                                             float gradient, float coefNorth, float coefEast,
                                             float coefSouthEast, float coefSouth, float windPlus,
                                             float elevation, float windSpeed, float* out24,
                                             double directionAngle, float rate0, float* rate1, float* rate2,
                                             float* block0, float* rate3, float* rate4, float* rate5,
                                             float* block1, float* block2, float* block3);
// Outside doors, windows and curtain walls: transmission as above plus the heat to warm the cold
// air leaking in (GB 50736-2012 Appendix F), returned apart in infiltration24 and included in
// total24. isColdAir and doorType give the outside-door addition. Crack method: L = α1·l·(ρ/2·v0²)^b·m^b
// with the crack exponent b, orientation factor n, wind-pressure difference ΔC_f, thermal-pressure
// coefficient C_r (by partitionType; 5 takes thermalPressureCoef) and the stack of a building of
// buildingHeight with its stair well at shaftTemp; simplified ≠ 0 leaves out the stack. estimation ≠ 0
// uses air changes by the number of walls with windows instead, shared by SetRoomOpeningArea.
// wallLoss24, latitude, twg and reserved are accepted and not used.
DIZEDOZEV_API void GetHL_OutWindow_Angle_v2012(
    int32_t direction, float area, float k, float tn, const float* profile24, int32_t industry, float height,
    float gradient, float elevation, float windSpeed, int32_t isColdAir, int32_t doorType,
    int32_t storeyCount, float coefNorth, float coefEast, float coefSouthEast, float coefSouth,
    float windPlus, float crackExponent, float orientationFactor, float thermalPressureCoef,
    float windPressureDiff, int32_t simplified, int32_t estimation, int32_t wallsWithWindows, float roomArea,
    const float* wallLoss24, float buildingHeight, float crackLength, int32_t tightnessGrade,
    int32_t partitionType, float shaftTemp, float latitude, float twg, float* infiltration24, float* total24,
    double directionAngle, double reserved, float rate0, float* rate1, float* rate2, float* block0,
    float* rate3, float* rate4, float* rate5, float* block1, float* block2, float* block3);
// Inside doors and windows; nearRoomDelta = neighbour − this room (status 4).
DIZEDOZEV_API void GetHL_IndoorWindow_v2012(float area, float k, float tn, const float* profile24,
                                            int32_t storeyCount, int32_t status, float adjacentTemp,
                                            int32_t industry, float height, float gradient, float* out24,
                                            float nearRoomDelta, float rate0, float* rate1, float* rate2,
                                            float* block0, float* rate3, float* rate4, float* rate5,
                                            float* block1, float* block2, float* block3);
// Inside walls; thisMinusNeighbour = this room − neighbour (status 4), the opposite sign of the
// openings' value.
DIZEDOZEV_API void GetHL_IndoorWall_v2012(float area, float k, float tn, const float* profile24,
                                          int32_t storeyCount, int32_t status, float adjacentTemp,
                                          int32_t industry, float height, float gradient, float* out24,
                                          float thisMinusNeighbour, float rate0, float* rate1, float* rate2,
                                          float* block0, float* rate3, float* rate4, float* rate5,
                                          float* block1, float* block2, float* block3);
// Floor slab above the room and floor below it; temperatureRange = neighbour − this room.
DIZEDOZEV_API void GetHL_Ceiling_v2012(float area, float k, float tn, const float* profile24, int32_t status,
                                       float adjacentTemp, int32_t industry, float height, float gradient,
                                       float* out24, float temperatureRange, float rate0, float* rate1,
                                       float* rate2, float* block0, float* rate3, float* rate4, float* rate5,
                                       float* block1, float* block2, float* block3);
DIZEDOZEV_API void GetHL_Floor_v2012(float area, float k, float tn, const float* profile24, int32_t status,
                                     float adjacentTemp, int32_t industry, float height, float gradient,
                                     float* out24, float temperatureRange, float rate0, float* rate1,
                                     float* rate2, float* block0, float* rate3, float* rate4, float* rate5,
                                     float* block1, float* block2, float* block3);
// Roofs, skylights and glass roofs take no orientation or wind addition (their calls carry no
// coefficients); direction, obliquity, elevation, wind speed and angle are accepted and not used.
DIZEDOZEV_API void GetHL_Skylight_Angle_v2012(float area, float k, float tn, const float* profile24,
                                              int32_t direction, float obliquity, int32_t industry,
                                              float height, float gradient, float elevation, float windSpeed,
                                              float* out24, double directionAngle, float rate0, float* rate1,
                                              float* rate2, float* block0, float* rate3, float* rate4,
                                              float* rate5, float* block1, float* block2, float* block3);
DIZEDOZEV_API void GetHL_Roof_Angle_v2012(float area, float k, int32_t direction, float obliquity, float tn,
                                          const float* profile24, int32_t industry, float height,
                                          float gradient, float elevation, float windSpeed, float* out24,
                                          double directionAngle, float rate0, float* rate1, float* rate2,
                                          float* block0, float* rate3, float* rate4, float* rate5,
                                          float* block1, float* block2, float* block3);
// Attic (闷顶), α = 0.90.
DIZEDOZEV_API void GetHL_BlindStory_v2012(float area, float k, float tn, const float* profile24,
                                          int32_t industry, float height, float gradient, float elevation,
                                          float windSpeed, float* out24, float rate0, float* rate1,
                                          float* rate2, float* block0, float* rate3, float* rate4,
                                          float* rate5, float* block1, float* block2, float* block3);
// Ground (K of the zone as given) and basement walls, α = 1.
DIZEDOZEV_API void GetHL_Ground_v2012(float area, float k, float tn, const float* profile24, int32_t industry,
                                      float height, float gradient, float* out24, float rate0, float* rate1,
                                      float* rate2, float* block0, float* rate3, float* rate4, float* rate5,
                                      float* block1, float* block2, float* block3);
DIZEDOZEV_API void GetHL_BasementWall_v2012(float area, float k, float tn, const float* profile24,
                                            int32_t industry, float height, float gradient, float* out24,
                                            float rate0, float* rate1, float* rate2, float* block0,
                                            float* rate3, float* rate4, float* rate5, float* block1,
                                            float* block2, float* block3);
// Floor over outdoor air, α = 1.
DIZEDOZEV_API void GetHL_OutFloor_v2012(float area, float k, float tn, const float* profile24,
                                        int32_t industry, float height, float gradient, float elevation,
                                        float windSpeed, float* out24, float rate0, float* rate1,
                                        float* rate2, float* block0, float* rate3, float* rate4, float* rate5,
                                        float* block1, float* block2, float* block3);
// Gap walls: α 0.30 (0 expansion, 1 settlement joint) or 0.70 (2 seismic joint).
DIZEDOZEV_API void GetHL_FengWall_v2012(float area, float k, float tn, const float* profile24,
                                        int32_t industry, float height, float gradient, float* out24,
                                        int32_t gapWallType, float rate0, float* rate1, float* rate2,
                                        float* block0, float* rate3, float* rate4, float* rate5,
                                        float* block1, float* block2, float* block3);
// Other loads: Σ emissions·schedule − Σ consumptions·schedule (values W, negatives count as 0).
// Writes no detail output.
DIZEDOZEV_API void GetHL_Others(float consumptionWater, const float* sched1, float consumptionColdObject,
                                const float* sched2, float consumptionVentilation, const float* sched3,
                                float consumptionOther, const float* sched4, float emissionEquipment,
                                const float* sched5, float emissionHotDuct, const float* sched6,
                                float emissionHotObject, const float* sched7, float emissionOther,
                                const float* sched8, float* out24);

// ---- Checks -------------------------------------------------------------------------------------
// Minimum thermal resistance (GB 50736-2012 §5.1, GB 50019-2003 §4.1.8, GB 50176-93):
//   R0,min = α·(t_n − t_e)/(Δt_y·α_n),  R = 1/K (0 when K <= 0), m²·K/W; returns 1 when R >= R0,min.
// t_e by thermal inertia D from the heating design temperature tw and the lowest daily mean twMin;
// Δt_y by buildingType (wall column for walls, doors and floors; roof column for roofs, attics and
// ceilings; rhn in percent for the damp types); α_n = 8.7 W/(m²·K). Heated neighbours and given
// differences replace α·(t_n − t_e); a difference <= 0 requires nothing. storeyHeight is the
// storey's height (industrial rooms higher than 4 m take t_n from the gradient). Adjacency codes
// and value signs are those of the heating functions.
DIZEDOZEV_API uint8_t CheckMinK_OutWall(float k, float d, float tn, float rhn, float tw, float twMin,
                                        int32_t industry, float storeyHeight, float gradient,
                                        int32_t buildingType, float* rMin, float* r);
// Outside doors: at least 60 % of the minimum of their wall (wallRMin, left by the wall's check).
DIZEDOZEV_API uint8_t CheckMinK_OutDoor(float wallRMin, float k, float* rMin, float* r);
DIZEDOZEV_API uint8_t CheckMinK_IndoorWall_v2005(float k, float d, float tn, float rhn, float tw, float twMin,
                                                 int32_t storeyCount, int32_t status, float adjacentTemp,
                                                 int32_t industry, float storeyHeight, float gradient,
                                                 int32_t buildingType, float* rMin, float* r,
                                                 float thisMinusNeighbour);
DIZEDOZEV_API uint8_t CheckMinK_Ceiling_v2005(float k, float d, float tn, float rhn, float tw, float twMin,
                                              int32_t status, float adjacentTemp, int32_t industry,
                                              float storeyHeight, float gradient, int32_t buildingType,
                                              float* rMin, float* r, float temperatureRange);
DIZEDOZEV_API uint8_t CheckMinK_Floor_v2005(float k, float d, float tn, float rhn, float tw, float twMin,
                                            int32_t status, float adjacentTemp, int32_t industry,
                                            float storeyHeight, float gradient, int32_t buildingType,
                                            float* rMin, float* r, float temperatureRange);
DIZEDOZEV_API uint8_t CheckMinK_Roof(float k, float d, float tn, float rhn, float tw, float twMin,
                                     int32_t industry, float storeyHeight, float gradient,
                                     int32_t buildingType, float* rMin, float* r);
DIZEDOZEV_API uint8_t CheckMinK_OutFloor(float k, float d, float tn, float rhn, float tw, float twMin,
                                         int32_t industry, float storeyHeight, float gradient,
                                         int32_t buildingType, float* rMin, float* r);
// Attics, α = 0.90; ribbed ceilings (ribHeight/ribDistance > 0.3) take α_n = 7.6.
DIZEDOZEV_API uint8_t CheckMinK_BlindStory(float k, float d, float ribHeight, float ribDistance, float tn,
                                           float rhn, float tw, float twMin, int32_t industry,
                                           float storeyHeight, float gradient, int32_t buildingType,
                                           float* rMin, float* r);
// Ground: no resistance minimum (rMin 0, r = 1/K); the verdict compares the floor-surface class of
// groundType (0 → I, 1 → II, 2 → III) with the class the building type allows (0: I, 1: II, others any).
DIZEDOZEV_API uint8_t CheckMinK_Ground(float k, int32_t groundType, float tn, float rhn, float tw,
                                       float twMin, int32_t industry, float storeyHeight, float gradient,
                                       int32_t buildingType, float* rMin, float* r);
DIZEDOZEV_API uint8_t CheckMinK_FengWall(float k, float d, float tn, float rhn, float tw, float twMin,
                                         int32_t industry, float storeyHeight, float gradient,
                                         int32_t buildingType, float* rMin, float* r, int32_t gapWallType);
// Basement walls as outside walls (α = 1) with the record's K and D (recordK, recordD); k and d are
// used only when the record's are not positive.
DIZEDOZEV_API uint8_t CheckMinK_BasementWall(float k, float d, float recordK, float recordD, float tn,
                                             float rhn, float tw, float twMin, int32_t industry,
                                             float storeyHeight, float gradient, int32_t buildingType,
                                             float* rMin, float* r);
