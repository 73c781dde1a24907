#pragma once
// Every table and coefficient the calculation library uses, in one place, each with its source.
// Confidence of values not taken from a standard's own text:
//   [H] a standard or handbook formula/table known for certain,
//   [M] fairly sure, to be checked against the printed source,
//   [L] a plausible reconstruction, to be replaced when the source table is obtained,
//   [S] checked against a public transcription of the source.
// Constants that change results noticeably (RTS set, absorptances, outside film, air density rule)
// are named here so that the formula texts of the calculation book can quote them.

namespace calclib::tables {

// ---------------------------------------------------------------------------------------------
// Design-day outdoor temperature, GB 50736-2012 §4.1 (same table in GB 50019-2003) [H].
// t(τ) = t_wp + β_τ·Δt_r, t_wp = t_wg − 0.52·Δt_r. Index 0 = 00:00 (the standard's hour 24).
inline constexpr double kDesignDayBeta[24] = {-0.26, -0.35, -0.38, -0.42, -0.45, -0.47, -0.41, -0.28,
                                              -0.12, 0.03,  0.16,  0.29,  0.40,  0.48,  0.52,  0.51,
                                              0.43,  0.39,  0.28,  0.14,  0.00,  -0.10, -0.17, -0.23};
inline constexpr double kDesignDayBetaMax = 0.52;  // at 14:00
inline constexpr double kDesignDayBetaMin = -0.47; // at 05:00

// ---------------------------------------------------------------------------------------------
// Psychrometrics, ASHRAE Handbook Fundamentals ch. 1 (Hyland–Wexler) [H].
inline constexpr double kHwWater[6] = {-5.8002206e3, 1.3914993,     -4.8640239e-2,
                                       4.1764768e-5, -1.4452093e-8, 6.5459673}; // C8..C13
inline constexpr double kHwIce[7] = {-5.6745359e3, 6.3925247,      -9.6778430e-3, 6.2215701e-7,
                                     2.0747825e-9, -9.4840240e-13, 4.1635019}; // C1..C7
inline constexpr double kMolarMassRatio = 0.621945;                            // M_water / M_dry air
inline constexpr double kGasConstantDryAir = 287.042;                          // J/(kg·K)
inline constexpr double kVirtualFactor = 1.607858;                             // 1/0.621945
inline constexpr double kCpDryAir = 1.006;                                     // kJ/(kg·K)
inline constexpr double kCpVapour = 1.86;                                      // kJ/(kg·K)
inline constexpr double kLatentAt0 = 2501.0;                                   // kJ/kg
inline constexpr double kLatentSlope = 2.37; // r(t) = 2501 − 2.37·t kJ/kg
inline constexpr double kKelvin = 273.15;
inline constexpr double kStandardPressure = 101325.0; // Pa
// Air temperatures handed to the moist-air formulas are held in this range (beyond it the input
// is a typing error, and saturation pressure would overflow); water temperatures in 0..100 ℃.
inline constexpr double kAirTempMin = -60.0;
inline constexpr double kAirTempMax = 100.0;
inline constexpr double kWaterTempMin = 0.0;
inline constexpr double kWaterTempMax = 100.0;

// ---------------------------------------------------------------------------------------------
// Solar radiation.
inline constexpr double kSolarConstant = 1353.0; // W/m², Chinese textbook basis [M]
// ASHRAE 1997 clear-sky constants for the 21st of each month [S]: I_DN = A·exp(−B/sin β), I_dH = C·I_DN.
inline constexpr double kAshraeA[12] = {1230, 1215, 1186, 1136, 1104, 1088,
                                        1085, 1107, 1151, 1192, 1221, 1233};
inline constexpr double kAshraeB[12] = {0.142, 0.144, 0.156, 0.180, 0.196, 0.205,
                                        0.207, 0.201, 0.177, 0.160, 0.149, 0.142};
inline constexpr double kAshraeC[12] = {0.058, 0.060, 0.071, 0.097, 0.121, 0.134,
                                        0.136, 0.122, 0.092, 0.073, 0.063, 0.057};
// Ground reflectance by GroundGrade 0..5 (new concrete, old concrete, green grass, crushed rock,
// bitumen-and-gravel roof, bitumen parking lot): ASHRAE 1997 foreground reflectances at 40° [M].
inline constexpr double kGroundReflectance[6] = {0.32, 0.22, 0.23, 0.20, 0.14, 0.10};
// Erbs et al. (1982) diffuse fraction correlation [H]; beam is dropped below this sin β.
inline constexpr double kMinSinAltitudeForBeam = 0.05;
inline constexpr double kErbsLowKt = 0.22; // f_d = 1 − 0.09·k_t up to here
inline constexpr double kErbsLowSlope = 0.09;
inline constexpr double kErbsHighKt = 0.80; // polynomial up to here, constant above
inline constexpr double kErbsHighFraction = 0.165;
inline constexpr double kErbsPoly[5] = {0.9511, -0.1604, 4.388, -16.638, 12.336}; // powers 0..4 of k_t
// Measured days whose 24 hourly global values add up to less than this (W/m²) while the daily mean
// is positive are taken as hourly values lost on import: the daily total is spread over the
// daylight hours in proportion to sin β (our rule).
inline constexpr double kMeasuredDaySumEpsilon = 1.0;
// Extraterrestrial irradiance I_0 = 1353·(1 + 0.033·cos(360°·n/365)) [H].
inline constexpr double kOrbitEccentricityTerm = 0.033;
// Relative air mass: 1/sin β above 10°; Kasten & Young (1989) below,
// m = 1/(sin β + 0.50572·(β + 6.07995°)^−1.6364), β in degrees [H]. Scaled by p/101325.
inline constexpr double kKastenYoungBelowDeg = 10.0;
inline constexpr double kKastenYoungA = 0.50572;
inline constexpr double kKastenYoungB = 6.07995; // degrees
inline constexpr double kKastenYoungC = 1.6364;
// Bouguer beam I_DN = I_0·P^m; Berlage diffuse I_dH = 0.5·I_0·sin β·(1 − P^m)/(1 − 1.4·ln P) [M].
inline constexpr double kBerlageFactor = 0.5;
inline constexpr double kBerlageLogFactor = 1.4;

// ---------------------------------------------------------------------------------------------
// Solar geometry: Spencer (1971) Fourier series as given in Duffie & Beckman, Solar Engineering
// of Thermal Processes, with Γ = 2π(n − 1)/365 [H].
// δ = a0 + a1·cosΓ + b1·sinΓ + a2·cos2Γ + b2·sin2Γ + a3·cos3Γ + b3·sin3Γ (rad)
inline constexpr double kSpencerDeclination[7] = {0.006918, -0.399912, 0.070257, -0.006758,
                                                  0.000907, -0.002697, 0.00148};
// EoT = 229.18·(a0 + a1·cosΓ + b1·sinΓ + a2·cos2Γ + b2·sin2Γ) min
inline constexpr double kSpencerEotScale = 229.18;
inline constexpr double kSpencerEot[5] = {0.000075, 0.001868, -0.032077, -0.014615, -0.040849};
inline constexpr double kEarthRotationDegPerHour = 15.0;
inline constexpr double kSolarNoon = 12.0; // h
// The design year: 365 days, no 29 February (weather files and day arrays have 365 days).
inline constexpr int kDaysInYear = 365;
inline constexpr int kDaysInMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
// Clear-sky design day of each month (the day of the ASHRAE constants).
inline constexpr int kDesignDayOfMonth = 21;
// Annual course between the winter and summer design values (our rule): January is the winter and
// July the summer design month, months in between follow w = (1 − cos(π·m/6))/2, m = 0 (January)
// … 6 (July) … 11; daily values follow a cosine of the year with its winter extreme on 15 January.
inline constexpr int kColdestDayOfYear = 15;

// ---------------------------------------------------------------------------------------------
// Schedules: an hour counts as in use when its factor exceeds this (our choice; stored percent
// values are rounded to 0.01).
inline constexpr double kScheduleInUse = 0.001;

// ---------------------------------------------------------------------------------------------
// Sol-air temperature (GB 50176 / ASHRAE) [H].
inline constexpr double kOutsideFilmSummer = 19.0;                // α_e, W/(m²·K), GB 50176 summer value
inline constexpr double kLongWaveHorizontal = 3.9;                // ε·ΔR/α_e, K, horizontal surfaces
inline constexpr double kLongWaveVertical = 0.0;                  // vertical surfaces
inline constexpr double kRoofAbsorptance[3] = {0.90, 0.70, 0.45}; // Color 0 dark, 1 medium, 2 light [M]
inline constexpr double kWallAbsorptance = 0.70;                  // walls carry no colour [M]
// Roof colour code outside 0..2 counts as medium (our choice).
inline constexpr int kFallbackRoofColor = 1;

// ---------------------------------------------------------------------------------------------
// Constructions, GB 50176-93 Appendix 2 [H].
inline constexpr double kInsideFilm = 8.7;         // α_i, W/(m²·K)
inline constexpr double kOutsideFilmWinter = 23.0; // α_e for K, W/(m²·K)
inline constexpr double kDailyAngularFrequency = 2.0 * 3.14159265358979323846 / 86400.0; // rad/s
inline constexpr double kLagPhaseDegPerD = 40.5;    // ξ = (40.5·D − …)/15 h
inline constexpr double kDecrementBase = 0.9;       // ν = 0.9·e^{D/√2}·…
inline constexpr double kInnerAmplitudeBase = 0.95; // νn = 0.95·(α_i + Y_if)/α_i
inline constexpr double kDailyPeriodHours = 24.0;   // lags are held in [0, 24) h; 360°/24 h = 15°/h
inline constexpr double kThickLayerInertia = 1.0;   // Y_j = S_j for a layer with D_j ≥ 1
// Outer film in ν, ξ and Y_if when the construction gives none: the same 23 W/(m²·K) as for K (our
// choice). The GB approximation for ν with the summer 19 W/(m²·K) gives decrement factors 6–9 % below
// the exact ISO 13786 solution at 19 W/(m²·K) for brick and concrete walls; with 23 it agrees within
// about 1 % and reproduces GB hand calculations made with one outer film. Lags differ by 0.15 h.
inline constexpr double kOutsideFilmResponse = kOutsideFilmWinter;
// Layers read per construction (the layer editor's limit); further layers are ignored.
inline constexpr int kMaxLayers = 149;

// ---------------------------------------------------------------------------------------------
// Radiant Time Series, ASHRAE Handbook Fundamentals 2009–2021 ch. 18 Tables 19 and 20 [S], percent,
// hour 0..23. Two independent public transcriptions agree on every value; every column sums to 100.
enum RtsConstruction : int
{
    RtsLight = 0,
    RtsMedium = 1,
    RtsHeavy = 2
}; // RoomType 0/1/2
enum RtsFloor : int
{
    RtsCarpet = 0,
    RtsNoCarpet = 1
};
enum RtsGlass : int
{
    RtsGlass10 = 0,
    RtsGlass50 = 1,
    RtsGlass90 = 2
};

inline constexpr double kRtsNonSolarExterior[3][2][3][24] = {
    {// light
     {{47, 19, 11, 6, 4, 3, 2, 2, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
      {50, 18, 10, 6, 4, 3, 2, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
      {53, 17, 9, 5, 3, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0}},
     {{41, 20, 12, 8, 5, 4, 3, 2, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
      {43, 19, 11, 7, 5, 3, 3, 2, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0},
      {46, 19, 11, 7, 5, 3, 2, 2, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}},
    {// medium
     {{46, 18, 10, 6, 4, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0},
      {49, 17, 9, 5, 3, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0},
      {52, 16, 8, 5, 3, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0}},
     {{31, 17, 11, 8, 6, 4, 4, 3, 3, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0},
      {33, 16, 10, 7, 5, 4, 3, 3, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0},
      {35, 15, 10, 7, 5, 4, 3, 3, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0}}},
    {// heavy
     {{34, 9, 6, 4, 4, 4, 3, 3, 3, 3, 3, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1},
      {38, 9, 6, 4, 4, 3, 3, 3, 3, 3, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1, 1, 1},
      {42, 9, 5, 4, 4, 3, 3, 3, 3, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1}},
     {{22, 10, 6, 5, 5, 4, 4, 4, 4, 3, 3, 3, 3, 3, 3, 2, 2, 2, 2, 2, 2, 2, 2, 2},
      {25, 9, 6, 5, 5, 4, 4, 4, 3, 3, 3, 3, 3, 3, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2},
      {28, 9, 6, 5, 4, 4, 4, 4, 3, 3, 3, 3, 3, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1}}}};

inline constexpr double kRtsNonSolarInterior[3][2][24] = {
    {{46, 19, 11, 6, 4, 3, 2, 2, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     {40, 20, 12, 8, 5, 4, 3, 2, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {{46, 18, 10, 6, 3, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0},
     {31, 17, 11, 8, 6, 4, 4, 3, 3, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0}},
    {{33, 9, 6, 5, 4, 4, 3, 3, 3, 3, 3, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1},
     {21, 9, 6, 5, 5, 4, 4, 4, 4, 3, 3, 3, 3, 3, 3, 3, 3, 2, 2, 2, 2, 2, 2, 2}}};

inline constexpr double kRtsSolarExterior[3][2][3][24] = {
    {// light
     {{53, 17, 9, 5, 3, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0},
      {55, 17, 9, 5, 3, 2, 2, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
      {56, 17, 9, 5, 3, 2, 2, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
     {{44, 19, 11, 7, 5, 3, 3, 2, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
      {45, 20, 11, 7, 5, 3, 2, 2, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
      {46, 20, 11, 7, 5, 3, 2, 2, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}},
    {// medium
     {{52, 16, 8, 5, 3, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0},
      {54, 16, 8, 4, 3, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0},
      {55, 15, 8, 4, 3, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0}},
     {{28, 15, 10, 7, 6, 5, 4, 4, 3, 3, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0},
      {29, 15, 10, 7, 6, 5, 4, 3, 3, 3, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0},
      {29, 15, 10, 7, 6, 5, 4, 3, 3, 3, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0}}},
    {// heavy
     {{47, 11, 6, 4, 3, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1},
      {49, 12, 6, 4, 3, 2, 2, 2, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
      {51, 12, 6, 3, 3, 2, 2, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
     {{26, 12, 7, 5, 4, 4, 3, 3, 3, 3, 3, 3, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2},
      {27, 13, 7, 5, 4, 4, 3, 3, 3, 3, 3, 3, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1},
      {28, 13, 7, 5, 4, 4, 3, 3, 3, 3, 3, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1}}}};

// The set in use: exterior zone, no carpet, 50 % glass (Chinese floors are rarely carpeted).
// Carpeted columns respond faster and give solar peaks about 25 % higher.
inline constexpr RtsFloor kRtsFloorInUse = RtsNoCarpet;
inline constexpr RtsGlass kRtsGlassInUse = RtsGlass50;

// Radiant fractions of instantaneous gains, ASHRAE ch. 18 Tables 1, 3 and 14 [S].
inline constexpr double kRadiantPeople = 0.6;
inline constexpr double kRadiantEquipment = 0.3;     // office, electronic, heating and motor equipment
inline constexpr double kRadiantIncandescent = 0.98; // downlight incandescent
inline constexpr double kRadiantFluorescentExposed = 0.54;
inline constexpr double kRadiantFluorescentRecessed = 0.58;
inline constexpr double kRadiantFood = 0.5; // our choice: half of the dish heat is radiant
inline constexpr double kRadiantWindowConduction = 0.46;
inline constexpr double kRadiantSolarNoShade = 1.0;       // with the solar RTS [M]
inline constexpr double kRadiantSolarInteriorShade = 0.5; // with the non-solar RTS [L]

// ---------------------------------------------------------------------------------------------
// People: 成年男子散热散湿量 by LaborType (0 静坐 … 4 重劳动) and room temperature 16..30 ℃, W.
// 20–30 ℃ [S] from two public Chinese cooling-load course programs that agree at every point;
// 16–19 ℃ split [M] (each pair adds up to the sourced total). Linear between whole degrees,
// clamped to the 16 and 30 ℃ columns outside.
inline constexpr double kPeopleTableFirstTemp = 16.0;
inline constexpr int kPeopleTableColumns = 15;
inline constexpr double kPeopleSensible[5][15] = {
    {99, 93, 90, 87, 84, 81, 78, 74, 71, 67, 63, 58, 53, 48, 43},
    {108, 105, 100, 97, 90, 85, 79, 75, 70, 65, 60.5, 57, 51, 45, 41},
    {117, 112, 106, 99, 93, 87, 81, 76, 70, 64, 58, 51, 47, 40, 35},
    {150, 142, 134, 126, 117, 112, 104, 97, 88, 83, 74, 67, 61, 52, 45},
    {192, 186, 180, 174, 169, 163, 157, 151, 145, 140, 134, 128, 122, 116, 110}};
inline constexpr double kPeopleLatent[5][15] = {
    {17, 20, 22, 23, 26, 27, 30, 34, 37, 41, 45, 50, 55, 60, 65},
    {34, 36, 40, 43, 47, 51, 56, 59, 64, 69, 73.5, 77, 83, 89, 93},
    {71, 74, 79, 84, 90, 94, 100, 106, 112, 117, 123, 130, 135, 142, 147},
    {86, 94, 102, 110, 118, 123, 131, 138, 147, 152, 161, 168, 174, 183, 190},
    {215, 221, 227, 233, 238, 244, 250, 256, 262, 267, 273, 279, 285, 291, 297}};

// ---------------------------------------------------------------------------------------------
// Lighting, Chinese handbook formula Q = n_s·(P_inc + 1.2·P_exp,in + 1.0·P_exp,out + n2·P_concealed) [S].
inline constexpr double kLightIncandescentFactor = 1.0;
inline constexpr double kLightBallastInsideFactor = 1.2;
inline constexpr double kLightBallastOutsideFactor = 1.0;
inline constexpr double kLightConcealedVented = 0.55;   // LampshadeType 0 灯罩有小孔
inline constexpr double kLightConcealedUnvented = 0.70; // LampshadeType 1 and any other code

// ---------------------------------------------------------------------------------------------
// Food per diner [S]: sensible 9 W; moisture 12 g/h; latent 700 W per kg/h.
inline constexpr double kFoodSensiblePerDiner = 9.0;
inline constexpr double kFoodMoisturePerDiner = 12.0; // g/h
inline constexpr double kFoodLatentPerKgH = 700.0;    // W per kg/h

// Gas burning [S for the units]: heat Q = η_c·k·B·H/3.6 W, water 1000·k·B·m_w g/h with m_w in kg/m³.
// No room temperature reaches the call, so the vapour's latent heat is taken at about 20 ℃ [M].
inline constexpr double kReactionLatent = 2450.0; // kJ/kg

// Fallbacks for codes outside their range (our choice): the most common case, not an error.
inline constexpr int kFallbackLaborType = 1;         // 极轻劳动, office work
inline constexpr int kFallbackEquipmentLocation = 0; // motor and process equipment in the room (largest)
inline constexpr int kFallbackDoorType = 0;          // 普通门-单扇

// ---------------------------------------------------------------------------------------------
// Water surfaces: W = (α_w + 0.00013·v)·(p_s(t_w) − p_v)·F·101325/p kg/h [S for the formula];
// α_w (kg/(m²·h·Pa)) by water temperature [L – table not found], linear between points,
// clamped at both ends.
inline constexpr int kWaterCoefPoints = 8;
inline constexpr double kWaterCoefTemp[8] = {30, 40, 50, 60, 70, 80, 90, 100};
inline constexpr double kWaterCoef[8] = {0.00017, 0.00021, 0.00025, 0.00028,
                                         0.00030, 0.00035, 0.00038, 0.00045};
inline constexpr double kWaterAirSpeedCoef = 0.00013;
inline constexpr double kWaterAirSpeed = 0.3; // m/s above the surface

// ---------------------------------------------------------------------------------------------
// Air-conditioning infiltration: air changes by room volume when n_data < 0 [L – table not found].
inline constexpr int kAirChangeSteps = 7;
inline constexpr double kAirChangeVolumeLimit[6] = {500, 1000, 1500, 2000, 2500, 3000}; // m³, upper bounds
inline constexpr double kAirChangeRate[7] = {0.7, 0.6, 0.55, 0.5, 0.42, 0.40, 0.35};    // 1/h
// Air entering per passage through an outside door by DoorType 0..5 (普通门 single/more, 带门斗
// single/more, 转门 single/more), m³ [L – table not found].
inline constexpr double kDoorAirPerPassage[6] = {3.00, 4.75, 2.50, 3.50, 0.80, 1.00};
// Remembered (room, door) → air changes pairs for the moisture call, which carries no air changes.
inline constexpr int kInfiltrationMemory = 16;

// ---------------------------------------------------------------------------------------------
// Air-side constants for fan/duct and outdoor air when the fixed density rule is chosen.
inline constexpr double kStandardAirDensity = 1.2; // kg/m³
inline constexpr double kAirCp = 1.005;            // kJ/(kg·K), fan and duct heat
// Outdoor air and infiltration use the moist-air density at the outdoor state (physically right;
// 20–35 % below the habitual 1.2 kg/m³ at high altitude). Set false to use kStandardAirDensity.
inline constexpr bool kUseActualAirDensity = true;
inline constexpr double kWaterDensity = 1000.0;   // kg/m³
inline constexpr double kWaterCp = 4.187;         // kJ/(kg·K)
inline constexpr double kEnvelopeLatent = 2450.0; // kJ/kg, moisture through the envelope

// ---------------------------------------------------------------------------------------------
// Design context defaults when the calculation has not set one.
inline constexpr double kDefaultDailyRange = 8.0; // K
inline constexpr double kDefaultClarity = 0.75;   // atmospheric transparency P
inline constexpr double kDefaultGroundReflectance = 0.2;
inline constexpr double kDefaultPressure = 101325.0; // Pa
inline constexpr double kDefaultHeatingSwing = 0.0;  // s_h: heating profile flat at t_wn

// ---------------------------------------------------------------------------------------------
// Heating loads, GB 50736-2012 ch. 5 §5.2 and Appendix F; industrial rooms by GB 50019-2003.
// Initialization inputs (orientation coefficients, wind addition, intermittent rate) are percent.
inline constexpr double kPercent = 0.01;
// Temperature-difference correction α (温差修正系数), GB 50736-2012 table of §5.2 [H].
inline constexpr double kAlphaOutside = 1.00;    // outside walls, roofs, ground, floors over outdoor air
inline constexpr double kAlphaAttic = 0.90;      // 闷顶
inline constexpr double kAlphaStairLow = 0.60;   // unheated stair well with outside openings, 1–6 storeys
inline constexpr double kAlphaStairHigh = 0.50;  // the same, 7 storeys and more
inline constexpr int kStairLowMaxStoreys = 6;
inline constexpr double kAlphaUnheatedOpen = 0.70;   // unheated room with outside doors/windows
inline constexpr double kAlphaUnheatedClosed = 0.40; // unheated room without
// Floor (space below) codes 0..5: basement open to outdoor air, basement with windows, without
// windows above grade, below grade, unheated room with / without outside openings.
inline constexpr double kAlphaFloor[6] = {0.90, 0.75, 0.60, 0.40, 0.70, 0.40};
inline constexpr double kAlphaGapWall[3] = {0.30, 0.30, 0.70}; // expansion, settlement, seismic joint
// Orientation correction x_ch, §5.2.6 [S for the ranges]: values at the eight compass points,
// linear between them.
inline constexpr double kCompassPointDeg = 45.0;
// Height addition x_g, §5.2.7 [S]: 2 % per metre above 4 m, at most 15 %.
inline constexpr double kHeightAdditionFrom = 4.0; // m
inline constexpr double kHeightAdditionPerMetre = 0.02;
inline constexpr double kHeightAdditionMax = 0.15;
// Industrial rooms higher than 4 m, GB 50019-2003 [M]: t_d = t_g + grad·(H − 2); walls t_np = (t_g + t_d)/2.
inline constexpr double kIndustrialGradientFrom = 4.0; // m
inline constexpr double kWorkingZoneHeight = 2.0;      // m
// Outside-door addition x_m, §5.2.6 item 3 [S]: per storey for 一道门, 两道门, 三道门; main entrance.
inline constexpr double kDoorAdditionPerStorey[3] = {0.65, 0.80, 0.60};
inline constexpr double kDoorAdditionMainEntrance = 5.00;
// Cold-air infiltration through cracks, Appendix F:
// Q = 0.28·c_p·ρ·L·(t_n − t_w), ρ = 353/(273.15 + t_w), L = α1·l·(ρ/2·v0²)^b·m^b,
// m = C_r·ΔC_f·(n^{1/b} + C)·C_h, C_h = 0.3·h^0.4, C = 70·(h_z − h)/(ΔC_f·v0²·h^0.4)·(t'_n − t_w)/(273 + t'_n).
inline constexpr double kInfiltrationFactor = 0.28;       // W per kJ/h [H]
inline constexpr double kInfiltrationCp = 1.0;            // kJ/(kg·K) [S] F.0.1
inline constexpr double kAirDensityConstant = 353.0;      // ρ = 353/T kg/m³ [H]
inline constexpr double kCrackCoef[5] = {0.1, 0.3, 0.5, 0.8, 1.2}; // α1 by grade I..V, m³/(m·h·Pa^b) [L]
inline constexpr int kFallbackTightnessGrade = 2;         // III when the record's grade is unknown
inline constexpr double kCrackExponent = 0.67;            // b when none is given [H]
inline constexpr double kWindPressureDiff = 0.7;          // ΔC_f when none is given [M]
// Thermal-pressure coefficient C_r by PartitionType 0..4 (开敞空间; 有内门 差/好; 有前室门等 差/好):
// the middle of each range 1.0 / 1.0–0.8 / 0.8–0.6 / 0.6–0.4 / 0.4–0.2 as remembered [L]. Code 5 takes the
// user value.
inline constexpr double kThermalPressureCoef[5] = {1.0, 0.9, 0.7, 0.5, 0.3};
inline constexpr double kFallbackThermalPressureCoef = 1.0; // unknown codes: open space
inline constexpr double kHeightCorrectionCoef = 0.3;        // C_h = 0.3·h^0.4 [M]
inline constexpr double kHeightCorrectionExponent = 0.4;
inline constexpr double kStackCoef = 70.0;                  // [M]
inline constexpr double kStackReferenceKelvin = 273.0;      // the 273 of C [M]
inline constexpr double kNeutralPlaneShare = 0.5;           // h_z = half the building height [M]
inline constexpr double kOpeningHeightShare = 0.5;          // opening centre at half the room height (our choice)
inline constexpr double kMinOpeningHeight = 1.0;            // m, keeps h^0.4 away from 0 (our choice)
// Air-change method (IsDWLEstimation), by the number of walls with windows 1, 2, ≥ 3, 1/h [L].
inline constexpr double kAirChangesByWalls[3] = {0.5, 1.0, 1.5};

// ---------------------------------------------------------------------------------------------
// Minimum thermal resistance, GB 50736-2012 §5.1 / GB 50019-2003 §4.1.8 / GB 50176-93:
// R0,min = α·(t_n − t_e)/Δt_y · 1/α_n.
inline constexpr double kInsideFilmRibbed = 7.6; // α_n of ribbed ceilings, rib height/spacing > 0.3 [L]
inline constexpr double kRibRatioLimit = 0.3;
// Outdoor temperature t_e by thermal inertia D [H]: D > 6.0 t_w; 4.1–6.0 0.6t_w + 0.4t_min;
// 1.6–4.0 0.3t_w + 0.7t_min; ≤ 1.5 t_min. Gaps between classes go to the lighter class.
inline constexpr double kInertiaHeavy = 6.0;
inline constexpr double kInertiaMedium = 4.0;
inline constexpr double kInertiaLight = 1.5;
inline constexpr double kDesignShareMedium = 0.6;
inline constexpr double kDesignShareLight = 0.3;
// Allowed difference Δt_y between room air and inner surface by BuildingType 0..8 [M; wall 6.0 for
// type 0 S]: Δt_y = fixed + dew·(t_n − t_dew), wall column (walls, doors, floors) and roof column
// (roofs, ceilings, attics).
struct AllowedDifference
{
    double fixed;
    double dew;
};
inline constexpr AllowedDifference kAllowedDiffWall[9] = {{6.0, 0}, {6.0, 0}, {7.0, 0}, {10.0, 0}, {8.0, 0},
                                                          {0, 1.0}, {7.0, 0}, {0, 1.0}, {12.0, 0}};
inline constexpr AllowedDifference kAllowedDiffRoof[9] = {{4.0, 0}, {4.5, 0}, {5.5, 0}, {8.0, 0}, {7.0, 0},
                                                          {0, 0.8}, {0, 0.9}, {0, 1.0}, {12.0, 0}};
inline constexpr int kFallbackBuildingType = 0;  // unknown codes: residential, the strictest
inline constexpr double kMinAllowedDifference = 0.1; // K, saturated rooms (our choice)
inline constexpr double kDoorShareOfWallMinimum = 0.6; // outside doors ≥ 60 % of the wall minimum [H]
// R is compared with the minimum allowing for K stored with two decimals (our choice).
inline constexpr double kResistanceTolerance = 0.005;
// Ground: floor-surface class by GroundType 0..2 (GB 50176-93 §6 categories I..III) and the worst
// class allowed by BuildingType (0 requires I, 1 at most II, others any) [L].
inline constexpr int kGroundClass[3] = {1, 2, 3};
inline constexpr int kGroundClassAllowed[9] = {1, 2, 3, 3, 3, 3, 3, 3, 3};

// ---------------------------------------------------------------------------------------------
// Envelope cooling loads of air-conditioned rooms.
// Transmitted beam through glazing × the angular modifier of clear glass 1 − tan⁴(θ/2), normalised to
// 1 at normal incidence [S: within 3 % of the clear-glass total heat gain 0.860, 0.850, 0.800, 0.650,
// 0.420 at 0, 40, 55, 70, 80° in ESP-rCommunity/ESP-rSource
// src/validation/DSM/4level_office/dbs/impact_opt.db2]; sky and ground diffuse × 0.9 [M] (the
// hemispherical mean of the same modifier is 0.91).
inline constexpr double kGlazingDiffuseFactor = 0.9;
// Adjacent room without air conditioning, cooling (GB 50736-2012 §7.2, t_ls = t_wp + Δt_ls) [M]:
// Δt_ls by AdjacentRoomStatus 0 通风良好的非空调房间, 1 散热量很少, 2 散热量<23W/m³, 3 散热量23~116W/m³.
inline constexpr double kAdjacentRoomRise[4] = {0.0, 2.0, 3.0, 5.0}; // K
// The same statuses when the day's mean outdoor temperature is below the room: the adding rule would
// put an unconditioned neighbour at outdoor temperature, so the heating α of an unheated room with
// outside openings (status 0) or without (1..3) serves, t_ls = t_n − α·(t_n − t_wp) [L, our mapping].
inline constexpr double kAdjacentRoomWinterAlpha[4] = {kAlphaUnheatedOpen, kAlphaUnheatedClosed,
                                                       kAlphaUnheatedClosed, kAlphaUnheatedClosed};
inline constexpr int kFallbackAdjacentRoomStatus = 0; // unknown codes: 通风良好的非空调房间

} // namespace calclib::tables
