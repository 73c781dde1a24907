#pragma once
#include "calc/CCalcLibraryBase.h"

// The calculation library itself: every call goes straight to libdizedozev.
class CDizedozevLibrary : public CCalcLibraryBase
{
public:
    // The program-wide instance.
    static CDizedozevLibrary& Instance();

    // --- Design context of the run ---
    void SetDesignContext(float longitude, float timeZone, float dailyRange, float clarity,
                          int32_t groundGrade, float summerPressure, float winterPressure) override;
    void ResetDesignContext() override;
    // --- Internal gains ---
    void GetCL_Person(float area, float personsPerM2, int32_t roomType, float roomTemp, int32_t laborType,
                      float clusterCoef, int32_t steady, int32_t winter, float coef, const float* sched24,
                      float* total24, float* sensible24) override;
    void GetDL_Person(float area, float personsPerM2, float roomTemp, int32_t laborType, float clusterCoef,
                      const float* sched24, float* moisture24) override;
    void GetCL_Light(int32_t roomType, float incandescent, float exposedBallastOutside,
                     float exposedBallastInside, float concealed, float simultaneous, int32_t lampshadeType,
                     int32_t steady, int32_t winter, float coef, const float* sched24, float* out24) override;
    void GetCL_HeatingEquipment(int32_t roomType, float power, float simultaneous, float usage, float load,
                                float ventilation, int32_t steady, int32_t winter, float coef,
                                const float* sched24, float* out24) override;
    void GetCL_ElectronicEquipment(int32_t roomType, float power, float c1, float c2, float c3,
                                   int32_t steady, int32_t winter, float coef, const float* sched24,
                                   float* out24) override;
    void GetCL_ElectricEquipment(int32_t roomType, float power, float useCoef, float inputCoef,
                                 float efficiency, int32_t location, int32_t steady, int32_t winter,
                                 float coef, const float* sched24, float* out24) override;
    void GetDL_Equipment(int32_t roomType, float moistureGain, const float* sched24, float* out24) override;
    void GetCL_Addition_Food(int32_t diners, float clusterCoef, int32_t steady, int32_t winter, float coef,
                             const float* sched24, float* out24) override;
    void GetDL_Addition_Food(int32_t diners, float clusterCoef, const float* sched24, float* out24) override;
    void GetCL_ChemicalReaction(double incompleteCombustion, double loadRatio, double maxFuel,
                                double heatValue, double moistureYield, const double* sched24,
                                double* moisture24, double* total24, double* latent24) override;
    void GetCL_Addition_Vapor_Precision(float surfaceArea, float waterTemp, int32_t steady, int32_t winter,
                                        float coef, const float* sched24, float* out24, float roomTemp,
                                        float roomRH, float p) override;
    void GetDL_Addition_Vapor_Precision(float surfaceArea, float waterTemp, int32_t winter, float coef,
                                        const float* sched24, float* out24, float roomTemp, float roomRH,
                                        float p) override;
    void GetCL_Addition_Infiltration_N(float area, float height, float p, float roomTemp, float roomRH,
                                       const float* db24, const float* wb24, float personsPerHour,
                                       int32_t doorType, const float* sched24, float* load24, float* spare24,
                                       float airChanges) override;
    void GetDL_Addition_Infiltration(float area, float height, float p, float roomTemp, float roomRH,
                                     const float* db24, const float* wb24, float personsPerHour,
                                     int32_t doorType, const float* sched24, float* moisture24) override;
    // --- Outdoor air, room and building loads ---
    void GetCL_FreshAir_D(float volume, float p, float roomTemp, float roomRH, const float* db24,
                          const float* wb24, const float* sched24, float* volume24, float* total24,
                          float* sensible24, float* moisture24) override;
    void GetCL_Enclose_Simple(float area, float index, float* out24) override;
    void GetCL_FanAndDuct(double airVolume, double fanRise, double ductRise, const double* sched24,
                          double* out24) override;
    void GetDL_Enclosure(double moistureGain, const double* sched24, double* moisture24,
                         double* latent24) override;
    void GetCL_PumpAndPipe(double waterFlow, double pumpRise, double pipeRise, const double* sched24,
                           double* out24) override;
    // --- Envelope cooling ---
    void GetCL_OutEnclose_Wall_v2005_Angle(float latitude, float twg, float twk, float twgDay, float peak,
                                           float summerRoom, float room, int32_t direction, float k,
                                           float beta, float xi, float area, int32_t steady, float* out24,
                                           float height, float elevation, float winterWind, float summerWind,
                                           int32_t month, float coefNorth, float coefEast,
                                           float coefSouthEast, float coefSouth,
                                           double directionAngle) override;
    void GetCL_OutEnclose_Roof(float latitude, float twg, float twk, float twgDay, float peak,
                               float summerRoom, float room, float k, float beta, float xi, float area,
                               int32_t color, int32_t steady, float* out24, float height, float elevation,
                               float winterWind, float summerWind, int32_t month) override;
    void GetCL_OutEnclose_Window(float latitude, float twg, float twk, float twgDay, float peak,
                                 float summerRoom, float room, int32_t roomType, float k, float area,
                                 int32_t steady, float* out24, float height, float elevation,
                                 float winterWind, float summerWind, int32_t month) override;
    void GetCL_OutEnclose_Window_2014_Angle(float latitude, float twg, float twk, float twgDay, float peak,
                                            float summerRoom, float room, int32_t roomType, float k,
                                            float area, int32_t steady, float* out24, float height,
                                            float elevation, float winterWind, float summerWind,
                                            int32_t month, int32_t direction, float coefNorth, float coefEast,
                                            float coefSouthEast, float coefSouth,
                                            double directionAngle) override;
    void GetCL_OutEnclose_Solar_Angle(float latitude, float longitude, float twg, int32_t roomType,
                                      int32_t direction, float k, float solarFactor, int32_t shieldType,
                                      int32_t airSupplyType, int32_t insideShieldMaterials, float area,
                                      int32_t steady, int32_t winter, float coef, int32_t month, int32_t day,
                                      int32_t groundGrade, float timeZone, float shadeB, float shadeH,
                                      float shadeL, float shadeM, float shadeF, float shadeG,
                                      int32_t quantity, float* out24, double directionAngle) override;
    void GetCL_SkyWindow_Solar_Angle(float latitude, float longitude, float twg, int32_t roomType,
                                     int32_t direction, float k, float solarFactor, float area,
                                     int32_t steady, int32_t winter, float coef, int32_t month, int32_t day,
                                     int32_t groundGrade, float timeZone, float* out24,
                                     double directionAngle) override;
    void GetCL_InEnclose_Wall_v2005(float latitude, float twg, float mean, float twk, float twgDay,
                                    float peak, float summerRoom, float room, float k, float beta, float xi,
                                    float area, int32_t adjacentStatus, int32_t steady, float* out24,
                                    float deltaT, float coefficient) override;
    void GetCL_InEnclose_Window_v2005(float latitude, float twg, float mean, float twk, float twgDay,
                                      float peak, float summerRoom, float room, int32_t roomType,
                                      int32_t adjacentStatus, float k, float area, int32_t steady,
                                      float* out24, float deltaT, float coefficient) override;
    void GetCL_InEnclose_Floor_v2005(float latitude, float twg, float mean, float twk, float twgDay,
                                     float peak, float summerRoom, float room, float k, float beta, float xi,
                                     float area, int32_t adjacentStatus, int32_t steady, float* out24,
                                     float deltaT, float coefficient) override;
    void GetCL_ProjectionFloor(float latitude, float twg, float mean, float twk, float twgDay, float peak,
                               float summerRoom, float room, float k, float beta, float xi, float area,
                               int32_t steady, float* out24, float height, float elevation, float winterWind,
                               float summerWind, int32_t month) override;
    void GetCL_GapWall(float latitude, float twg, float mean, float twk, float twgDay, float peak,
                       float summerRoom, float room, float k, float beta, float xi, float area,
                       int32_t gapWallType, int32_t steady, float* out24) override;
    void GetCL_Ground(float room, float groundSide, float k, float area, int32_t month,
                      float* out24) override;
    void GetCL_BasementWall(float room, float groundSide, float k, float area, int32_t month,
                            float* out24) override;
    // --- Climate of the monthly and daily air-conditioning types ---
    void GetDB12(float twg, float rangeSummer, float twk, float* out12x24) override;
    void GetWB12(float pSummer, float pWinter, float twg, float tws, float rangeSummer, float twk,
                 float rhWinter, float* out12x24) override;
    void GetpMonthly(float pSummer, float pWinter, float* out12) override;
    void GetpDaily(float pSummer, float pWinter, float* out365) override;
    uint8_t GetIsUsingepsilon(float p, float twi, float rhWinter, const float* db24,
                              const float* wb24) override;
    void GetIndoortRH(float p, float twi, float rhWinter, float tsi, float rhSummer, const float* db24,
                      const float* wb24, float* t, float* rh) override;
    void GetAverageWD(const float* data8760x7, float* max365, float* mean365, float* min365) override;
    // --- Solar gains of a day of the weather year ---
    void GetCL_OutEnclose_Solar_Daily_Angle(float latitude, float longitude, float twg, int32_t roomType,
                                            int32_t direction, float k, float solarFactor, int32_t shieldType,
                                            int32_t airSupplyType, int32_t insideShieldMaterials, float area,
                                            int32_t steady, int32_t winter, float coef, int32_t month,
                                            int32_t day, int32_t groundGrade, float timeZone, float shadeB,
                                            float shadeH, float shadeL, float shadeM, float shadeF,
                                            float shadeG, int32_t quantity, float* out24,
                                            const float* globalHorizontal24, const float* dailyMean24,
                                            double directionAngle) override;
    void GetCL_SkyWindow_Solar_Daily_Angle(float latitude, float longitude, float twg, int32_t roomType,
                                           int32_t direction, float k, float solarFactor, float area,
                                           int32_t steady, int32_t winter, float coef, int32_t month,
                                           int32_t day, int32_t groundGrade, float timeZone, float* out24,
                                           const float* globalHorizontal24, const float* dailyMean24,
                                           double directionAngle) override;
    // --- Heating ---
    void GetTWN(float rangeSummer, float twn, float* out24) override;
    void GetDB12_Heating(float twg, float rangeSummer, float twn, float* out12x24) override;
    void SetRoomOpeningArea(float area) override;
    void GetHL_OutWall_Angle_v2012(int32_t direction, float area, float k, float tn, const float* profile24,
                                   int32_t industry, float height, float gradient, float coefNorth,
                                   float coefEast, float coefSouthEast, float coefSouth, float windPlus,
                                   float elevation, float windSpeed, float* out24, double directionAngle,
                                   float rate0, float* rate1, float* rate2, float* block0, float* rate3,
                                   float* rate4, float* rate5, float* block1, float* block2,
                                   float* block3) override;
    void GetHL_OutWindow_Angle_v2012(
        int32_t direction, float area, float k, float tn, const float* profile24, int32_t industry,
        float height, float gradient, float elevation, float windSpeed, int32_t isColdAir, int32_t doorType,
        int32_t storeyCount, float coefNorth, float coefEast, float coefSouthEast, float coefSouth,
        float windPlus, float crackExponent, float orientationFactor, float thermalPressureCoef,
        float windPressureDiff, int32_t simplified, int32_t estimation, int32_t wallsWithWindows,
        float roomArea, const float* wallLoss24, float buildingHeight, float crackLength,
        int32_t tightnessGrade, int32_t partitionType, float shaftTemp, float latitude, float twg,
        float* infiltration24, float* total24, double directionAngle, double reserved, float rate0,
        float* rate1, float* rate2, float* block0, float* rate3, float* rate4, float* rate5, float* block1,
        float* block2, float* block3) override;
    void GetHL_IndoorWindow_v2012(float area, float k, float tn, const float* profile24, int32_t storeyCount,
                                  int32_t status, float adjacentTemp, int32_t industry, float height,
                                  float gradient, float* out24, float nearRoomDelta, float rate0,
                                  float* rate1, float* rate2, float* block0, float* rate3, float* rate4,
                                  float* rate5, float* block1, float* block2, float* block3) override;
    void GetHL_IndoorWall_v2012(float area, float k, float tn, const float* profile24, int32_t storeyCount,
                                int32_t status, float adjacentTemp, int32_t industry, float height,
                                float gradient, float* out24, float thisMinusNeighbour, float rate0,
                                float* rate1, float* rate2, float* block0, float* rate3, float* rate4,
                                float* rate5, float* block1, float* block2, float* block3) override;
    void GetHL_Ceiling_v2012(float area, float k, float tn, const float* profile24, int32_t status,
                             float adjacentTemp, int32_t industry, float height, float gradient, float* out24,
                             float temperatureRange, float rate0, float* rate1, float* rate2, float* block0,
                             float* rate3, float* rate4, float* rate5, float* block1, float* block2,
                             float* block3) override;
    void GetHL_Floor_v2012(float area, float k, float tn, const float* profile24, int32_t status,
                           float adjacentTemp, int32_t industry, float height, float gradient, float* out24,
                           float temperatureRange, float rate0, float* rate1, float* rate2, float* block0,
                           float* rate3, float* rate4, float* rate5, float* block1, float* block2,
                           float* block3) override;
    void GetHL_Skylight_Angle_v2012(float area, float k, float tn, const float* profile24, int32_t direction,
                                    float obliquity, int32_t industry, float height, float gradient,
                                    float elevation, float windSpeed, float* out24, double directionAngle,
                                    float rate0, float* rate1, float* rate2, float* block0, float* rate3,
                                    float* rate4, float* rate5, float* block1, float* block2,
                                    float* block3) override;
    void GetHL_Roof_Angle_v2012(float area, float k, int32_t direction, float obliquity, float tn,
                                const float* profile24, int32_t industry, float height, float gradient,
                                float elevation, float windSpeed, float* out24, double directionAngle,
                                float rate0, float* rate1, float* rate2, float* block0, float* rate3,
                                float* rate4, float* rate5, float* block1, float* block2,
                                float* block3) override;
    void GetHL_BlindStory_v2012(float area, float k, float tn, const float* profile24, int32_t industry,
                                float height, float gradient, float elevation, float windSpeed, float* out24,
                                float rate0, float* rate1, float* rate2, float* block0, float* rate3,
                                float* rate4, float* rate5, float* block1, float* block2,
                                float* block3) override;
    void GetHL_Ground_v2012(float area, float k, float tn, const float* profile24, int32_t industry,
                            float height, float gradient, float* out24, float rate0, float* rate1,
                            float* rate2, float* block0, float* rate3, float* rate4, float* rate5,
                            float* block1, float* block2, float* block3) override;
    void GetHL_BasementWall_v2012(float area, float k, float tn, const float* profile24, int32_t industry,
                                  float height, float gradient, float* out24, float rate0, float* rate1,
                                  float* rate2, float* block0, float* rate3, float* rate4, float* rate5,
                                  float* block1, float* block2, float* block3) override;
    void GetHL_OutFloor_v2012(float area, float k, float tn, const float* profile24, int32_t industry,
                              float height, float gradient, float elevation, float windSpeed, float* out24,
                              float rate0, float* rate1, float* rate2, float* block0, float* rate3,
                              float* rate4, float* rate5, float* block1, float* block2,
                              float* block3) override;
    void GetHL_FengWall_v2012(float area, float k, float tn, const float* profile24, int32_t industry,
                              float height, float gradient, float* out24, int32_t gapWallType, float rate0,
                              float* rate1, float* rate2, float* block0, float* rate3, float* rate4,
                              float* rate5, float* block1, float* block2, float* block3) override;
    void GetHL_Others(float consumptionWater, const float* sched1, float consumptionColdObject,
                      const float* sched2, float consumptionVentilation, const float* sched3,
                      float consumptionOther, const float* sched4, float emissionEquipment,
                      const float* sched5, float emissionHotDuct, const float* sched6,
                      float emissionHotObject, const float* sched7, float emissionOther, const float* sched8,
                      float* out24) override;
    // --- Minimum thermal resistance ---
    uint8_t CheckMinK_OutWall(float k, float d, float tn, float rhn, float tw, float twMin, int32_t industry,
                              float storeyHeight, float gradient, int32_t buildingType, float* rMin,
                              float* r) override;
    uint8_t CheckMinK_OutDoor(float wallRMin, float k, float* rMin, float* r) override;
    uint8_t CheckMinK_IndoorWall_v2005(float k, float d, float tn, float rhn, float tw, float twMin,
                                       int32_t storeyCount, int32_t status, float adjacentTemp,
                                       int32_t industry, float storeyHeight, float gradient,
                                       int32_t buildingType, float* rMin, float* r,
                                       float thisMinusNeighbour) override;
    uint8_t CheckMinK_Ceiling_v2005(float k, float d, float tn, float rhn, float tw, float twMin,
                                    int32_t status, float adjacentTemp, int32_t industry, float storeyHeight,
                                    float gradient, int32_t buildingType, float* rMin, float* r,
                                    float temperatureRange) override;
    uint8_t CheckMinK_Floor_v2005(float k, float d, float tn, float rhn, float tw, float twMin,
                                  int32_t status, float adjacentTemp, int32_t industry, float storeyHeight,
                                  float gradient, int32_t buildingType, float* rMin, float* r,
                                  float temperatureRange) override;
    uint8_t CheckMinK_Roof(float k, float d, float tn, float rhn, float tw, float twMin, int32_t industry,
                           float storeyHeight, float gradient, int32_t buildingType, float* rMin,
                           float* r) override;
    uint8_t CheckMinK_OutFloor(float k, float d, float tn, float rhn, float tw, float twMin, int32_t industry,
                               float storeyHeight, float gradient, int32_t buildingType, float* rMin,
                               float* r) override;
    uint8_t CheckMinK_BlindStory(float k, float d, float ribHeight, float ribDistance, float tn, float rhn,
                                 float tw, float twMin, int32_t industry, float storeyHeight, float gradient,
                                 int32_t buildingType, float* rMin, float* r) override;
    uint8_t CheckMinK_Ground(float k, int32_t groundType, float tn, float rhn, float tw, float twMin,
                             int32_t industry, float storeyHeight, float gradient, int32_t buildingType,
                             float* rMin, float* r) override;
    uint8_t CheckMinK_FengWall(float k, float d, float tn, float rhn, float tw, float twMin, int32_t industry,
                               float storeyHeight, float gradient, int32_t buildingType, float* rMin,
                               float* r, int32_t gapWallType) override;
    uint8_t CheckMinK_BasementWall(float k, float d, float recordK, float recordD, float tn, float rhn,
                                   float tw, float twMin, int32_t industry, float storeyHeight,
                                   float gradient, int32_t buildingType, float* rMin, float* r) override;
};
