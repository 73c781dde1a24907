#include "calc/CDizedozevLibrary.h"

#include "calclib/dizedozev.h"

CDizedozevLibrary& CDizedozevLibrary::Instance()
{
    static CDizedozevLibrary library;
    return library;
}

void CDizedozevLibrary::SetDesignContext(float longitude, float timeZone, float dailyRange, float clarity,
                                         int32_t groundGrade, float summerPressure, float winterPressure)
{
    ::SetDesignContext(longitude, timeZone, dailyRange, clarity, groundGrade, summerPressure, winterPressure);
}

void CDizedozevLibrary::ResetDesignContext()
{
    ::ResetDesignContext();
}

void CDizedozevLibrary::GetCL_Person(float area, float personsPerM2, int32_t roomType, float roomTemp,
                                     int32_t laborType, float clusterCoef, int32_t steady, int32_t winter,
                                     float coef, const float* sched24, float* total24, float* sensible24)
{
    ::GetCL_Person(area, personsPerM2, roomType, roomTemp, laborType, clusterCoef, steady, winter, coef,
                   sched24, total24, sensible24);
}

void CDizedozevLibrary::GetDL_Person(float area, float personsPerM2, float roomTemp, int32_t laborType,
                                     float clusterCoef, const float* sched24, float* moisture24)
{
    ::GetDL_Person(area, personsPerM2, roomTemp, laborType, clusterCoef, sched24, moisture24);
}

void CDizedozevLibrary::GetCL_Light(int32_t roomType, float incandescent, float exposedBallastOutside,
                                    float exposedBallastInside, float concealed, float simultaneous,
                                    int32_t lampshadeType, int32_t steady, int32_t winter, float coef,
                                    const float* sched24, float* out24)
{
    ::GetCL_Light(roomType, incandescent, exposedBallastOutside, exposedBallastInside, concealed,
                  simultaneous, lampshadeType, steady, winter, coef, sched24, out24);
}

void CDizedozevLibrary::GetCL_HeatingEquipment(int32_t roomType, float power, float simultaneous, float usage,
                                               float load, float ventilation, int32_t steady, int32_t winter,
                                               float coef, const float* sched24, float* out24)
{
    ::GetCL_HeatingEquipment(roomType, power, simultaneous, usage, load, ventilation, steady, winter, coef,
                             sched24, out24);
}

void CDizedozevLibrary::GetCL_ElectronicEquipment(int32_t roomType, float power, float c1, float c2, float c3,
                                                  int32_t steady, int32_t winter, float coef,
                                                  const float* sched24, float* out24)
{
    ::GetCL_ElectronicEquipment(roomType, power, c1, c2, c3, steady, winter, coef, sched24, out24);
}

void CDizedozevLibrary::GetCL_ElectricEquipment(int32_t roomType, float power, float useCoef, float inputCoef,
                                                float efficiency, int32_t location, int32_t steady,
                                                int32_t winter, float coef, const float* sched24,
                                                float* out24)
{
    ::GetCL_ElectricEquipment(roomType, power, useCoef, inputCoef, efficiency, location, steady, winter, coef,
                              sched24, out24);
}

void CDizedozevLibrary::GetDL_Equipment(int32_t roomType, float moistureGain, const float* sched24,
                                        float* out24)
{
    ::GetDL_Equipment(roomType, moistureGain, sched24, out24);
}

void CDizedozevLibrary::GetCL_Addition_Food(int32_t diners, float clusterCoef, int32_t steady, int32_t winter,
                                            float coef, const float* sched24, float* out24)
{
    ::GetCL_Addition_Food(diners, clusterCoef, steady, winter, coef, sched24, out24);
}

void CDizedozevLibrary::GetDL_Addition_Food(int32_t diners, float clusterCoef, const float* sched24,
                                            float* out24)
{
    ::GetDL_Addition_Food(diners, clusterCoef, sched24, out24);
}

void CDizedozevLibrary::GetCL_ChemicalReaction(double incompleteCombustion, double loadRatio, double maxFuel,
                                               double heatValue, double moistureYield, const double* sched24,
                                               double* moisture24, double* total24, double* latent24)
{
    ::GetCL_ChemicalReaction(incompleteCombustion, loadRatio, maxFuel, heatValue, moistureYield, sched24,
                             moisture24, total24, latent24);
}

void CDizedozevLibrary::GetCL_Addition_Vapor_Precision(float surfaceArea, float waterTemp, int32_t steady,
                                                       int32_t winter, float coef, const float* sched24,
                                                       float* out24, float roomTemp, float roomRH, float p)
{
    ::GetCL_Addition_Vapor_Precision(surfaceArea, waterTemp, steady, winter, coef, sched24, out24, roomTemp,
                                     roomRH, p);
}

void CDizedozevLibrary::GetDL_Addition_Vapor_Precision(float surfaceArea, float waterTemp, int32_t winter,
                                                       float coef, const float* sched24, float* out24,
                                                       float roomTemp, float roomRH, float p)
{
    ::GetDL_Addition_Vapor_Precision(surfaceArea, waterTemp, winter, coef, sched24, out24, roomTemp, roomRH,
                                     p);
}

void CDizedozevLibrary::GetCL_Addition_Infiltration_N(float area, float height, float p, float roomTemp,
                                                      float roomRH, const float* db24, const float* wb24,
                                                      float personsPerHour, int32_t doorType,
                                                      const float* sched24, float* load24, float* spare24,
                                                      float airChanges)
{
    ::GetCL_Addition_Infiltration_N(area, height, p, roomTemp, roomRH, db24, wb24, personsPerHour, doorType,
                                    sched24, load24, spare24, airChanges);
}

void CDizedozevLibrary::GetDL_Addition_Infiltration(float area, float height, float p, float roomTemp,
                                                    float roomRH, const float* db24, const float* wb24,
                                                    float personsPerHour, int32_t doorType,
                                                    const float* sched24, float* moisture24)
{
    ::GetDL_Addition_Infiltration(area, height, p, roomTemp, roomRH, db24, wb24, personsPerHour, doorType,
                                  sched24, moisture24);
}

void CDizedozevLibrary::GetCL_FreshAir_D(float volume, float p, float roomTemp, float roomRH,
                                         const float* db24, const float* wb24, const float* sched24,
                                         float* volume24, float* total24, float* sensible24,
                                         float* moisture24)
{
    ::GetCL_FreshAir_D(volume, p, roomTemp, roomRH, db24, wb24, sched24, volume24, total24, sensible24,
                       moisture24);
}

void CDizedozevLibrary::GetCL_Enclose_Simple(float area, float index, float* out24)
{
    ::GetCL_Enclose_Simple(area, index, out24);
}

void CDizedozevLibrary::GetCL_FanAndDuct(double airVolume, double fanRise, double ductRise,
                                         const double* sched24, double* out24)
{
    ::GetCL_FanAndDuct(airVolume, fanRise, ductRise, sched24, out24);
}

void CDizedozevLibrary::GetDL_Enclosure(double moistureGain, const double* sched24, double* moisture24,
                                        double* latent24)
{
    ::GetDL_Enclosure(moistureGain, sched24, moisture24, latent24);
}

void CDizedozevLibrary::GetCL_PumpAndPipe(double waterFlow, double pumpRise, double pipeRise,
                                          const double* sched24, double* out24)
{
    ::GetCL_PumpAndPipe(waterFlow, pumpRise, pipeRise, sched24, out24);
}

void CDizedozevLibrary::GetCL_OutEnclose_Wall_v2005_Angle(
    float latitude, float twg, float twk, float twgDay, float peak, float summerRoom, float room,
    int32_t direction, float k, float beta, float xi, float area, int32_t steady, float* out24, float height,
    float elevation, float winterWind, float summerWind, int32_t month, float coefNorth, float coefEast,
    float coefSouthEast, float coefSouth, double directionAngle)
{
    ::GetCL_OutEnclose_Wall_v2005_Angle(latitude, twg, twk, twgDay, peak, summerRoom, room, direction, k,
                                        beta, xi, area, steady, out24, height, elevation, winterWind,
                                        summerWind, month, coefNorth, coefEast, coefSouthEast, coefSouth,
                                        directionAngle);
}

void CDizedozevLibrary::GetCL_OutEnclose_Roof(float latitude, float twg, float twk, float twgDay, float peak,
                                              float summerRoom, float room, float k, float beta, float xi,
                                              float area, int32_t color, int32_t steady, float* out24,
                                              float height, float elevation, float winterWind,
                                              float summerWind, int32_t month)
{
    ::GetCL_OutEnclose_Roof(latitude, twg, twk, twgDay, peak, summerRoom, room, k, beta, xi, area, color,
                            steady, out24, height, elevation, winterWind, summerWind, month);
}

void CDizedozevLibrary::GetCL_OutEnclose_Window(float latitude, float twg, float twk, float twgDay,
                                                float peak, float summerRoom, float room, int32_t roomType,
                                                float k, float area, int32_t steady, float* out24,
                                                float height, float elevation, float winterWind,
                                                float summerWind, int32_t month)
{
    ::GetCL_OutEnclose_Window(latitude, twg, twk, twgDay, peak, summerRoom, room, roomType, k, area, steady,
                              out24, height, elevation, winterWind, summerWind, month);
}

void CDizedozevLibrary::GetCL_OutEnclose_Window_2014_Angle(
    float latitude, float twg, float twk, float twgDay, float peak, float summerRoom, float room,
    int32_t roomType, float k, float area, int32_t steady, float* out24, float height, float elevation,
    float winterWind, float summerWind, int32_t month, int32_t direction, float coefNorth, float coefEast,
    float coefSouthEast, float coefSouth, double directionAngle)
{
    ::GetCL_OutEnclose_Window_2014_Angle(latitude, twg, twk, twgDay, peak, summerRoom, room, roomType, k,
                                         area, steady, out24, height, elevation, winterWind, summerWind,
                                         month, direction, coefNorth, coefEast, coefSouthEast, coefSouth,
                                         directionAngle);
}

void CDizedozevLibrary::GetCL_OutEnclose_Solar_Angle(
    float latitude, float longitude, float twg, int32_t roomType, int32_t direction, float k,
    float solarFactor, int32_t shieldType, int32_t airSupplyType, int32_t insideShieldMaterials, float area,
    int32_t steady, int32_t winter, float coef, int32_t month, int32_t day, int32_t groundGrade,
    float timeZone, float shadeB, float shadeH, float shadeL, float shadeM, float shadeF, float shadeG,
    int32_t quantity, float* out24, double directionAngle)
{
    ::GetCL_OutEnclose_Solar_Angle(latitude, longitude, twg, roomType, direction, k, solarFactor, shieldType,
                                   airSupplyType, insideShieldMaterials, area, steady, winter, coef, month,
                                   day, groundGrade, timeZone, shadeB, shadeH, shadeL, shadeM, shadeF, shadeG,
                                   quantity, out24, directionAngle);
}

void CDizedozevLibrary::GetCL_SkyWindow_Solar_Angle(float latitude, float longitude, float twg,
                                                    int32_t roomType, int32_t direction, float k,
                                                    float solarFactor, float area, int32_t steady,
                                                    int32_t winter, float coef, int32_t month, int32_t day,
                                                    int32_t groundGrade, float timeZone, float* out24,
                                                    double directionAngle)
{
    ::GetCL_SkyWindow_Solar_Angle(latitude, longitude, twg, roomType, direction, k, solarFactor, area, steady,
                                  winter, coef, month, day, groundGrade, timeZone, out24, directionAngle);
}

void CDizedozevLibrary::GetCL_InEnclose_Wall_v2005(float latitude, float twg, float mean, float twk,
                                                   float twgDay, float peak, float summerRoom, float room,
                                                   float k, float beta, float xi, float area,
                                                   int32_t adjacentStatus, int32_t steady, float* out24,
                                                   float deltaT, float coefficient)
{
    ::GetCL_InEnclose_Wall_v2005(latitude, twg, mean, twk, twgDay, peak, summerRoom, room, k, beta, xi, area,
                                 adjacentStatus, steady, out24, deltaT, coefficient);
}

void CDizedozevLibrary::GetCL_InEnclose_Window_v2005(float latitude, float twg, float mean, float twk,
                                                     float twgDay, float peak, float summerRoom, float room,
                                                     int32_t roomType, int32_t adjacentStatus, float k,
                                                     float area, int32_t steady, float* out24, float deltaT,
                                                     float coefficient)
{
    ::GetCL_InEnclose_Window_v2005(latitude, twg, mean, twk, twgDay, peak, summerRoom, room, roomType,
                                   adjacentStatus, k, area, steady, out24, deltaT, coefficient);
}

void CDizedozevLibrary::GetCL_InEnclose_Floor_v2005(float latitude, float twg, float mean, float twk,
                                                    float twgDay, float peak, float summerRoom, float room,
                                                    float k, float beta, float xi, float area,
                                                    int32_t adjacentStatus, int32_t steady, float* out24,
                                                    float deltaT, float coefficient)
{
    ::GetCL_InEnclose_Floor_v2005(latitude, twg, mean, twk, twgDay, peak, summerRoom, room, k, beta, xi, area,
                                  adjacentStatus, steady, out24, deltaT, coefficient);
}

void CDizedozevLibrary::GetCL_ProjectionFloor(float latitude, float twg, float mean, float twk, float twgDay,
                                              float peak, float summerRoom, float room, float k, float beta,
                                              float xi, float area, int32_t steady, float* out24,
                                              float height, float elevation, float winterWind,
                                              float summerWind, int32_t month)
{
    ::GetCL_ProjectionFloor(latitude, twg, mean, twk, twgDay, peak, summerRoom, room, k, beta, xi, area,
                            steady, out24, height, elevation, winterWind, summerWind, month);
}

void CDizedozevLibrary::GetCL_GapWall(float latitude, float twg, float mean, float twk, float twgDay,
                                      float peak, float summerRoom, float room, float k, float beta, float xi,
                                      float area, int32_t gapWallType, int32_t steady, float* out24)
{
    ::GetCL_GapWall(latitude, twg, mean, twk, twgDay, peak, summerRoom, room, k, beta, xi, area, gapWallType,
                    steady, out24);
}

void CDizedozevLibrary::GetCL_Ground(float room, float groundSide, float k, float area, int32_t month,
                                     float* out24)
{
    ::GetCL_Ground(room, groundSide, k, area, month, out24);
}

void CDizedozevLibrary::GetCL_BasementWall(float room, float groundSide, float k, float area, int32_t month,
                                           float* out24)
{
    ::GetCL_BasementWall(room, groundSide, k, area, month, out24);
}

void CDizedozevLibrary::GetDB12(float twg, float rangeSummer, float twk, float* out12x24)
{
    ::GetDB12(twg, rangeSummer, twk, out12x24);
}

void CDizedozevLibrary::GetWB12(float pSummer, float pWinter, float twg, float tws, float rangeSummer,
                                float twk, float rhWinter, float* out12x24)
{
    ::GetWB12(pSummer, pWinter, twg, tws, rangeSummer, twk, rhWinter, out12x24);
}

void CDizedozevLibrary::GetpMonthly(float pSummer, float pWinter, float* out12)
{
    ::GetpMonthly(pSummer, pWinter, out12);
}

void CDizedozevLibrary::GetpDaily(float pSummer, float pWinter, float* out365)
{
    ::GetpDaily(pSummer, pWinter, out365);
}

uint8_t CDizedozevLibrary::GetIsUsingepsilon(float p, float twi, float rhWinter, const float* db24,
                                             const float* wb24)
{
    return ::GetIsUsingepsilon(p, twi, rhWinter, db24, wb24);
}

void CDizedozevLibrary::GetIndoortRH(float p, float twi, float rhWinter, float tsi, float rhSummer,
                                     const float* db24, const float* wb24, float* t, float* rh)
{
    ::GetIndoortRH(p, twi, rhWinter, tsi, rhSummer, db24, wb24, t, rh);
}

void CDizedozevLibrary::GetAverageWD(const float* data8760x7, float* max365, float* mean365, float* min365)
{
    ::GetAverageWD(data8760x7, max365, mean365, min365);
}

void CDizedozevLibrary::GetCL_OutEnclose_Solar_Daily_Angle(
    float latitude, float longitude, float twg, int32_t roomType, int32_t direction, float k,
    float solarFactor, int32_t shieldType, int32_t airSupplyType, int32_t insideShieldMaterials, float area,
    int32_t steady, int32_t winter, float coef, int32_t month, int32_t day, int32_t groundGrade,
    float timeZone, float shadeB, float shadeH, float shadeL, float shadeM, float shadeF, float shadeG,
    int32_t quantity, float* out24, const float* globalHorizontal24, const float* dailyMean24,
    double directionAngle)
{
    ::GetCL_OutEnclose_Solar_Daily_Angle(
        latitude, longitude, twg, roomType, direction, k, solarFactor, shieldType, airSupplyType,
        insideShieldMaterials, area, steady, winter, coef, month, day, groundGrade, timeZone, shadeB, shadeH,
        shadeL, shadeM, shadeF, shadeG, quantity, out24, globalHorizontal24, dailyMean24, directionAngle);
}

void CDizedozevLibrary::GetCL_SkyWindow_Solar_Daily_Angle(float latitude, float longitude, float twg,
                                                          int32_t roomType, int32_t direction, float k,
                                                          float solarFactor, float area, int32_t steady,
                                                          int32_t winter, float coef, int32_t month,
                                                          int32_t day, int32_t groundGrade, float timeZone,
                                                          float* out24, const float* globalHorizontal24,
                                                          const float* dailyMean24, double directionAngle)
{
    ::GetCL_SkyWindow_Solar_Daily_Angle(latitude, longitude, twg, roomType, direction, k, solarFactor, area,
                                        steady, winter, coef, month, day, groundGrade, timeZone, out24,
                                        globalHorizontal24, dailyMean24, directionAngle);
}

void CDizedozevLibrary::GetTWN(float rangeSummer, float twn, float* out24)
{
    ::GetTWN(rangeSummer, twn, out24);
}

void CDizedozevLibrary::GetDB12_Heating(float twg, float rangeSummer, float twn, float* out12x24)
{
    ::GetDB12_Heating(twg, rangeSummer, twn, out12x24);
}

void CDizedozevLibrary::SetRoomOpeningArea(float area)
{
    ::SetRoomOpeningArea(area);
}

void CDizedozevLibrary::GetHL_OutWall_Angle_v2012(int32_t direction, float area, float k, float tn,
                                                  const float* profile24, int32_t industry, float height,
                                                  float gradient, float coefNorth, float coefEast,
                                                  float coefSouthEast, float coefSouth, float windPlus,
                                                  float elevation, float windSpeed, float* out24,
                                                  double directionAngle, float rate0, float* rate1,
                                                  float* rate2, float* block0, float* rate3, float* rate4,
                                                  float* rate5, float* block1, float* block2, float* block3)
{
    ::GetHL_OutWall_Angle_v2012(direction, area, k, tn, profile24, industry, height, gradient, coefNorth,
                                coefEast, coefSouthEast, coefSouth, windPlus, elevation, windSpeed, out24,
                                directionAngle, rate0, rate1, rate2, block0, rate3, rate4, rate5, block1,
                                block2, block3);
}

void CDizedozevLibrary::GetHL_OutWindow_Angle_v2012(
    int32_t direction, float area, float k, float tn, const float* profile24, int32_t industry, float height,
    float gradient, float elevation, float windSpeed, int32_t isColdAir, int32_t doorType,
    int32_t storeyCount, float coefNorth, float coefEast, float coefSouthEast, float coefSouth,
    float windPlus, float crackExponent, float orientationFactor, float thermalPressureCoef,
    float windPressureDiff, int32_t simplified, int32_t estimation, int32_t wallsWithWindows, float roomArea,
    const float* wallLoss24, float buildingHeight, float crackLength, int32_t tightnessGrade,
    int32_t partitionType, float shaftTemp, float latitude, float twg, float* infiltration24, float* total24,
    double directionAngle, double reserved, float rate0, float* rate1, float* rate2, float* block0,
    float* rate3, float* rate4, float* rate5, float* block1, float* block2, float* block3)
{
    ::GetHL_OutWindow_Angle_v2012(
        direction, area, k, tn, profile24, industry, height, gradient, elevation, windSpeed, isColdAir,
        doorType, storeyCount, coefNorth, coefEast, coefSouthEast, coefSouth, windPlus, crackExponent,
        orientationFactor, thermalPressureCoef, windPressureDiff, simplified, estimation, wallsWithWindows,
        roomArea, wallLoss24, buildingHeight, crackLength, tightnessGrade, partitionType, shaftTemp, latitude,
        twg, infiltration24, total24, directionAngle, reserved, rate0, rate1, rate2, block0, rate3, rate4,
        rate5, block1, block2, block3);
}

void CDizedozevLibrary::GetHL_IndoorWindow_v2012(float area, float k, float tn, const float* profile24,
                                                 int32_t storeyCount, int32_t status, float adjacentTemp,
                                                 int32_t industry, float height, float gradient, float* out24,
                                                 float nearRoomDelta, float rate0, float* rate1, float* rate2,
                                                 float* block0, float* rate3, float* rate4, float* rate5,
                                                 float* block1, float* block2, float* block3)
{
    ::GetHL_IndoorWindow_v2012(area, k, tn, profile24, storeyCount, status, adjacentTemp, industry, height,
                               gradient, out24, nearRoomDelta, rate0, rate1, rate2, block0, rate3, rate4,
                               rate5, block1, block2, block3);
}

void CDizedozevLibrary::GetHL_IndoorWall_v2012(float area, float k, float tn, const float* profile24,
                                               int32_t storeyCount, int32_t status, float adjacentTemp,
                                               int32_t industry, float height, float gradient, float* out24,
                                               float thisMinusNeighbour, float rate0, float* rate1,
                                               float* rate2, float* block0, float* rate3, float* rate4,
                                               float* rate5, float* block1, float* block2, float* block3)
{
    ::GetHL_IndoorWall_v2012(area, k, tn, profile24, storeyCount, status, adjacentTemp, industry, height,
                             gradient, out24, thisMinusNeighbour, rate0, rate1, rate2, block0, rate3, rate4,
                             rate5, block1, block2, block3);
}

void CDizedozevLibrary::GetHL_Ceiling_v2012(float area, float k, float tn, const float* profile24,
                                            int32_t status, float adjacentTemp, int32_t industry,
                                            float height, float gradient, float* out24,
                                            float temperatureRange, float rate0, float* rate1, float* rate2,
                                            float* block0, float* rate3, float* rate4, float* rate5,
                                            float* block1, float* block2, float* block3)
{
    ::GetHL_Ceiling_v2012(area, k, tn, profile24, status, adjacentTemp, industry, height, gradient, out24,
                          temperatureRange, rate0, rate1, rate2, block0, rate3, rate4, rate5, block1, block2,
                          block3);
}

void CDizedozevLibrary::GetHL_Floor_v2012(float area, float k, float tn, const float* profile24,
                                          int32_t status, float adjacentTemp, int32_t industry, float height,
                                          float gradient, float* out24, float temperatureRange, float rate0,
                                          float* rate1, float* rate2, float* block0, float* rate3,
                                          float* rate4, float* rate5, float* block1, float* block2,
                                          float* block3)
{
    ::GetHL_Floor_v2012(area, k, tn, profile24, status, adjacentTemp, industry, height, gradient, out24,
                        temperatureRange, rate0, rate1, rate2, block0, rate3, rate4, rate5, block1, block2,
                        block3);
}

void CDizedozevLibrary::GetHL_Skylight_Angle_v2012(float area, float k, float tn, const float* profile24,
                                                   int32_t direction, float obliquity, int32_t industry,
                                                   float height, float gradient, float elevation,
                                                   float windSpeed, float* out24, double directionAngle,
                                                   float rate0, float* rate1, float* rate2, float* block0,
                                                   float* rate3, float* rate4, float* rate5, float* block1,
                                                   float* block2, float* block3)
{
    ::GetHL_Skylight_Angle_v2012(area, k, tn, profile24, direction, obliquity, industry, height, gradient,
                                 elevation, windSpeed, out24, directionAngle, rate0, rate1, rate2, block0,
                                 rate3, rate4, rate5, block1, block2, block3);
}

void CDizedozevLibrary::GetHL_Roof_Angle_v2012(float area, float k, int32_t direction, float obliquity,
                                               float tn, const float* profile24, int32_t industry,
                                               float height, float gradient, float elevation, float windSpeed,
                                               float* out24, double directionAngle, float rate0, float* rate1,
                                               float* rate2, float* block0, float* rate3, float* rate4,
                                               float* rate5, float* block1, float* block2, float* block3)
{
    ::GetHL_Roof_Angle_v2012(area, k, direction, obliquity, tn, profile24, industry, height, gradient,
                             elevation, windSpeed, out24, directionAngle, rate0, rate1, rate2, block0, rate3,
                             rate4, rate5, block1, block2, block3);
}

void CDizedozevLibrary::GetHL_BlindStory_v2012(float area, float k, float tn, const float* profile24,
                                               int32_t industry, float height, float gradient,
                                               float elevation, float windSpeed, float* out24, float rate0,
                                               float* rate1, float* rate2, float* block0, float* rate3,
                                               float* rate4, float* rate5, float* block1, float* block2,
                                               float* block3)
{
    ::GetHL_BlindStory_v2012(area, k, tn, profile24, industry, height, gradient, elevation, windSpeed, out24,
                             rate0, rate1, rate2, block0, rate3, rate4, rate5, block1, block2, block3);
}

void CDizedozevLibrary::GetHL_Ground_v2012(float area, float k, float tn, const float* profile24,
                                           int32_t industry, float height, float gradient, float* out24,
                                           float rate0, float* rate1, float* rate2, float* block0,
                                           float* rate3, float* rate4, float* rate5, float* block1,
                                           float* block2, float* block3)
{
    ::GetHL_Ground_v2012(area, k, tn, profile24, industry, height, gradient, out24, rate0, rate1, rate2,
                         block0, rate3, rate4, rate5, block1, block2, block3);
}

void CDizedozevLibrary::GetHL_BasementWall_v2012(float area, float k, float tn, const float* profile24,
                                                 int32_t industry, float height, float gradient, float* out24,
                                                 float rate0, float* rate1, float* rate2, float* block0,
                                                 float* rate3, float* rate4, float* rate5, float* block1,
                                                 float* block2, float* block3)
{
    ::GetHL_BasementWall_v2012(area, k, tn, profile24, industry, height, gradient, out24, rate0, rate1, rate2,
                               block0, rate3, rate4, rate5, block1, block2, block3);
}

void CDizedozevLibrary::GetHL_OutFloor_v2012(float area, float k, float tn, const float* profile24,
                                             int32_t industry, float height, float gradient, float elevation,
                                             float windSpeed, float* out24, float rate0, float* rate1,
                                             float* rate2, float* block0, float* rate3, float* rate4,
                                             float* rate5, float* block1, float* block2, float* block3)
{
    ::GetHL_OutFloor_v2012(area, k, tn, profile24, industry, height, gradient, elevation, windSpeed, out24,
                           rate0, rate1, rate2, block0, rate3, rate4, rate5, block1, block2, block3);
}

void CDizedozevLibrary::GetHL_FengWall_v2012(float area, float k, float tn, const float* profile24,
                                             int32_t industry, float height, float gradient, float* out24,
                                             int32_t gapWallType, float rate0, float* rate1, float* rate2,
                                             float* block0, float* rate3, float* rate4, float* rate5,
                                             float* block1, float* block2, float* block3)
{
    ::GetHL_FengWall_v2012(area, k, tn, profile24, industry, height, gradient, out24, gapWallType, rate0,
                           rate1, rate2, block0, rate3, rate4, rate5, block1, block2, block3);
}

void CDizedozevLibrary::GetHL_Others(float consumptionWater, const float* sched1, float consumptionColdObject,
                                     const float* sched2, float consumptionVentilation, const float* sched3,
                                     float consumptionOther, const float* sched4, float emissionEquipment,
                                     const float* sched5, float emissionHotDuct, const float* sched6,
                                     float emissionHotObject, const float* sched7, float emissionOther,
                                     const float* sched8, float* out24)
{
    ::GetHL_Others(consumptionWater, sched1, consumptionColdObject, sched2, consumptionVentilation, sched3,
                   consumptionOther, sched4, emissionEquipment, sched5, emissionHotDuct, sched6,
                   emissionHotObject, sched7, emissionOther, sched8, out24);
}

uint8_t CDizedozevLibrary::CheckMinK_OutWall(float k, float d, float tn, float rhn, float tw, float twMin,
                                             int32_t industry, float storeyHeight, float gradient,
                                             int32_t buildingType, float* rMin, float* r)
{
    return ::CheckMinK_OutWall(k, d, tn, rhn, tw, twMin, industry, storeyHeight, gradient, buildingType, rMin,
                               r);
}

uint8_t CDizedozevLibrary::CheckMinK_OutDoor(float wallRMin, float k, float* rMin, float* r)
{
    return ::CheckMinK_OutDoor(wallRMin, k, rMin, r);
}

uint8_t CDizedozevLibrary::CheckMinK_IndoorWall_v2005(float k, float d, float tn, float rhn, float tw,
                                                      float twMin, int32_t storeyCount, int32_t status,
                                                      float adjacentTemp, int32_t industry,
                                                      float storeyHeight, float gradient,
                                                      int32_t buildingType, float* rMin, float* r,
                                                      float thisMinusNeighbour)
{
    return ::CheckMinK_IndoorWall_v2005(k, d, tn, rhn, tw, twMin, storeyCount, status, adjacentTemp, industry,
                                        storeyHeight, gradient, buildingType, rMin, r, thisMinusNeighbour);
}

uint8_t CDizedozevLibrary::CheckMinK_Ceiling_v2005(float k, float d, float tn, float rhn, float tw,
                                                   float twMin, int32_t status, float adjacentTemp,
                                                   int32_t industry, float storeyHeight, float gradient,
                                                   int32_t buildingType, float* rMin, float* r,
                                                   float temperatureRange)
{
    return ::CheckMinK_Ceiling_v2005(k, d, tn, rhn, tw, twMin, status, adjacentTemp, industry, storeyHeight,
                                     gradient, buildingType, rMin, r, temperatureRange);
}

uint8_t CDizedozevLibrary::CheckMinK_Floor_v2005(float k, float d, float tn, float rhn, float tw, float twMin,
                                                 int32_t status, float adjacentTemp, int32_t industry,
                                                 float storeyHeight, float gradient, int32_t buildingType,
                                                 float* rMin, float* r, float temperatureRange)
{
    return ::CheckMinK_Floor_v2005(k, d, tn, rhn, tw, twMin, status, adjacentTemp, industry, storeyHeight,
                                   gradient, buildingType, rMin, r, temperatureRange);
}

uint8_t CDizedozevLibrary::CheckMinK_Roof(float k, float d, float tn, float rhn, float tw, float twMin,
                                          int32_t industry, float storeyHeight, float gradient,
                                          int32_t buildingType, float* rMin, float* r)
{
    return ::CheckMinK_Roof(k, d, tn, rhn, tw, twMin, industry, storeyHeight, gradient, buildingType, rMin,
                            r);
}

uint8_t CDizedozevLibrary::CheckMinK_OutFloor(float k, float d, float tn, float rhn, float tw, float twMin,
                                              int32_t industry, float storeyHeight, float gradient,
                                              int32_t buildingType, float* rMin, float* r)
{
    return ::CheckMinK_OutFloor(k, d, tn, rhn, tw, twMin, industry, storeyHeight, gradient, buildingType,
                                rMin, r);
}

uint8_t CDizedozevLibrary::CheckMinK_BlindStory(float k, float d, float ribHeight, float ribDistance,
                                                float tn, float rhn, float tw, float twMin, int32_t industry,
                                                float storeyHeight, float gradient, int32_t buildingType,
                                                float* rMin, float* r)
{
    return ::CheckMinK_BlindStory(k, d, ribHeight, ribDistance, tn, rhn, tw, twMin, industry, storeyHeight,
                                  gradient, buildingType, rMin, r);
}

uint8_t CDizedozevLibrary::CheckMinK_Ground(float k, int32_t groundType, float tn, float rhn, float tw,
                                            float twMin, int32_t industry, float storeyHeight, float gradient,
                                            int32_t buildingType, float* rMin, float* r)
{
    return ::CheckMinK_Ground(k, groundType, tn, rhn, tw, twMin, industry, storeyHeight, gradient,
                              buildingType, rMin, r);
}

uint8_t CDizedozevLibrary::CheckMinK_FengWall(float k, float d, float tn, float rhn, float tw, float twMin,
                                              int32_t industry, float storeyHeight, float gradient,
                                              int32_t buildingType, float* rMin, float* r,
                                              int32_t gapWallType)
{
    return ::CheckMinK_FengWall(k, d, tn, rhn, tw, twMin, industry, storeyHeight, gradient, buildingType,
                                rMin, r, gapWallType);
}

uint8_t CDizedozevLibrary::CheckMinK_BasementWall(float k, float d, float recordK, float recordD, float tn,
                                                  float rhn, float tw, float twMin, int32_t industry,
                                                  float storeyHeight, float gradient, int32_t buildingType,
                                                  float* rMin, float* r)
{
    return ::CheckMinK_BasementWall(k, d, recordK, recordD, tn, rhn, tw, twMin, industry, storeyHeight,
                                    gradient, buildingType, rMin, r);
}
