#pragma once
#include "model/CMaterialBase.h"

// What a room use and a storey use share: the indoor design conditions, the occupant density, the
// outdoor-air supply and the load indexes, in the column order both tables have after Name. Uses
// have neither a picture nor a category. Texts start empty and numbers at 0.
class CLIB_OccupationBase : public CMaterialBase
{
public:
    double SummerACTemperature = 0;      // ℃
    double WinterACTemperature = 0;      // ℃
    double WinterHeatingTemperature = 0; // ℃
    double TemperatureVariation = 0;     // ℃
    double TemperatureVariation_Heating = 0;
    double SummerACRH = 0; // %
    double WinterACRH = 0;
    double WinterHeatingRH = 0;
    double RHVariation = 0;
    double RHVariation_Heating = 0;
    double PeopleDensity = 0;      // room use: unit by PeopleDensityUnit; storey use: persons/m²
    double LightingPower = 0;      // W/m²
    double Noise = 0;              // dB(A)
    double OutsideAirSupply = 0;   // room use: unit by NewWindUnit; storey use: m³/h per person
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
    double PthersHeatIndex = 0; // spelled so in the table
    int LaborType = 0;          // 0 静坐 .. 4 重劳动

protected:
    explicit CLIB_OccupationBase(int kind) : CMaterialBase(kind) {}
    void AddColumns(CColumns& columns) override;
};
