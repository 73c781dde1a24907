#pragma once
#include "model/CElementBase.h"

#include <QString>

class CEleAttrs;
class CLIB_RoomOccupation;
class COccupationFields;

// A room (type 3, table Room), the level at which loads are calculated. Its parent_id names its
// storey, also when the room sits in a folder. The room refers to one room-use record (RoomUse)
// whose design conditions, densities, indexes and schedules it copies when a use is applied.
class CRoom : public CElementBase
{
public:
    static constexpr int TypeCode = 3;

    CRoom() : CElementBase(TypeCode) {}

    SCoordinate Coord;
    int ACRoomQuantity = 0; // counted as an air-conditioned cooling room
    int HLRoomQuantity = 0; // counted in the heating-load design types 6 to 8
    QString PrimaryAirSystemName;
    QString OutsideAirSystemName;
    QString ScheduleName; // fresh-air schedule
    int IsOutputIndoorParameter = 0;
    int IsOutputLoadCalculationParameter = 0;
    int IsOutputLoadStatisticsData = 0;
    int IsOutputLoadHourlyData = 0;
    int IsLWInputArea = 0;          // 1 area entered, 0 length × width
    double Length = 0;              // m
    double Width = 0;               // m
    double Area = 0;                // m²
    int RoomUse = 0;                // RoomOccupation ID, stored as text
    int RoomType = 0;               // 0 轻型, 1 中型, 2 重型
    double SummerACTemperature = 0; // ℃
    double WinterACTemperature = 0;
    double WinterHeatingTemperature = 0;
    double TemperatureVariation = 0;
    double TemperatureVariation_Heating = 0;
    double SummerACRH = 0; // %
    double WinterACRH = 0;
    double WinterHeatingRH = 0;
    double RHVariation = 0;
    double RHVariation_Heating = 0;
    int InputTypeofPeopleDensity = 0; // 0 人/m², 1 m²/人, 2 人
    double PeopleDensity = 0;
    double LightingPower = 0;            // W/m²
    double Noise = 0;                    // dB(A)
    int InputTypeofOutsideAirSupply = 0; // 0 m³/p.h, 1 m³/h.m², 2 m³/h, 3 次/h
    double OutsideAirSupply = 0;
    double MaximumAirVelocity = 0; // m/s
    double TotalCoolIndex = 0;     // W/m², as the other indexes
    double TotalHeatIndex = 0;
    double EnclosureCoolIndex = 0;
    double EnclosureHeatIndex = 0;
    double PeopleCoolIndex = 0;
    double PeopleHeatIndex = 0;
    double OutsideAirCoolIndex = 0;
    double OutsideAirHeatIndex = 0;
    double OthersCoolIndex = 0;
    double PthersHeatIndex = 0;
    int BuildingType = 0;  // building and room category, 0..8
    int PartitionType = 0; // internal partitions, 0..5
    int IsIndustryBuilding = 0;
    double TemperatureGradient = 0; // ℃/m
    double WinterHeatRebateCoefficient = 0;
    int IsWinterHeatRebateCoefficient = 0;
    int IsWinter_Heat_Transfer = 0;
    int IsHeating_Flood_Solar = 0;
    double WinterHeatGainCoefficient = 0;
    double WindQuantity = 0;   // m³/h
    double WindFanTemRise = 0; // ℃
    double WindPipeTemRise = 0;
    QString Fan_Time;
    double Maintenance_Gain = 0; // g/h
    QString Maintenance_Time;
    int IsFenCengAir = 0;
    double FenCengAir = 0; // %
    QString Comfort;
    int IsHouseholdMetering = 0;
    int Is_WinterHeatGainCoefficient = 0;
    int NewWind_Type = 0;
    double NewWind_Temp_St = 0; // ℃
    double NewWind_Temp_Wt = 0;
    double NewWind_Humidity_Sh = 0; // %
    double NewWind_Humidity_Wh = 0;
    int bOutputHL = 0;
    int HIsOutputLoadStatisticsData = 0;
    int HIsOutputLoadHourlyData = 0;
    double Height = 0;       // m
    int ACHRoomQuantity = 0; // counted as an air-conditioned heating room

    // Takes the default use ("RoomUse") and the storey's winter flags and height. Raises when a
    // default is missing or not a number, or when the default use has no record.
    bool SetDefaults() override;
    void GetCoordinates(double& x, double& y, double& z, double& x0, double& y0, double& z0) const override;
    void ExchangeAttrs(CEleAttrs& attrs) override;

    // The room-use record of RoomUse (cached; see GetRoomOccupation); raises
    // "材料[ID:%d]不存在，请重新指定材料" when the library has no such record.
    CLIB_RoomOccupation& GetOccupation() const;
    // Sets RoomUse and copies the fields asked for into the room, each named by the record column
    // it comes from (the fresh-air schedule by "NewWindScheduleName", the units with their values);
    // BuildingType takes LaborType only when all fields are asked for. Unless roomOnly, the people,
    // lighting, equipment and food elements below the room's node take the use too and are
    // written; false when one of them could not be written (the others still are). The room's own
    // row is not written. A use without a record raises after RoomUse is set.
    bool ApplyOccupation(int roomUseId, bool roomOnly, const COccupationFields& fields);
};
