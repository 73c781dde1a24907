// Air-conditioning loads of a room on the design day of every month (design type 4).
#include "calc/CCalcLibraryBase.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CCalculate_Manager_ACStep.h"
#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"
#include "calc/CCalculate_Storey.h"
#include "calc/SeriesStatistics.h"
#include "climate/CLIB_WeatherParameter.h"
#include "model/CProjectData.h"
#include "model/CRoom.h"

#include <algorithm>

namespace {

constexpr int kMonths = 12;
constexpr int kHours = 24;
// The monthly design day of the week schedules.
constexpr int kMonthlyDesignDay = 2;

float Narrow(double value)
{
    return static_cast<float>(value);
}

// April to September take the summer columns of constructions and elements, whatever the
// climate of the month says.
bool IsSummerMonth(int month0)
{
    return month0 >= 3 && month0 <= 8;
}

// The monthly design days the library derives from the design weather, at the room's indoor states.
struct SMonthlyClimate
{
    float DryBulb[kMonths][kHours]{};
    float PeakDryBulb[kMonths]{};
    float WetBulb[kMonths][kHours]{};
    float Pressure[kMonths]{};
    int Winter[kMonths]{};
    float IndoorTemp[kMonths]{};
    float IndoorRH[kMonths]{};
    float MeanDryBulb[kMonths]{};
};

void BuildMonthlyClimate(CCalcLibraryBase& library, const CLIB_WeatherParameter& weather, const CRoom& room,
                         SMonthlyClimate& c)
{
    const float twg = Narrow(weather.SummerAirConditioningDesignDrybulbTemperature);
    const float twk = Narrow(weather.WinterAirConditioningDesignDrybulbTemperature);
    const float range = Narrow(weather.SummerTemperatueRange);
    const float summerPressure = Narrow(weather.SummerBarometric);
    const float winterPressure = Narrow(weather.WinterBarometric);
    const float winterTemp = Narrow(room.WinterACTemperature);
    const float winterRH = Narrow(room.WinterACRH);
    const float summerTemp = Narrow(room.SummerACTemperature);
    const float summerRH = Narrow(room.SummerACRH);

    library.GetDB12(twg, range, twk, &c.DryBulb[0][0]);
    // The warmest hour of the month's design day. The value of largest magnitude would be the
    // coldest hour of a frosty month, and the library would then build the whole day one daily
    // range too cold.
    for (int m = 0; m < kMonths; ++m)
        c.PeakDryBulb[m] = *std::max_element(c.DryBulb[m], c.DryBulb[m] + kHours);
    library.GetWB12(summerPressure, winterPressure, twg,
                    Narrow(weather.SummerAirConditioningDesignWetbulbTemperature), range, twk,
                    Narrow(weather.WinterAirConditioningDesignRelativeHumidity), &c.WetBulb[0][0]);
    library.GetpMonthly(summerPressure, winterPressure, c.Pressure);
    for (int m = 0; m < kMonths; ++m)
        c.Winter[m] =
            library.GetIsUsingepsilon(c.Pressure[m], winterTemp, winterRH, c.DryBulb[m], c.WetBulb[m]) != 0;
    for (int m = 0; m < kMonths; ++m)
        library.GetIndoortRH(c.Pressure[m], winterTemp, winterRH, summerTemp, summerRH, c.DryBulb[m],
                             c.WetBulb[m], &c.IndoorTemp[m], &c.IndoorRH[m]);
    for (int m = 0; m < kMonths; ++m)
        c.MeanDryBulb[m] = AverageOf(weather.TemperatureParameter.Temperature[0][m], kHours);
}

} // namespace

void CCalculate_Manager::CalculateACLoadMonthly(RoomCalcContext& context, CCalculate_Room& room)
{
    auto* months = static_cast<CCalculate_Result_IsACLoadStepCalculation*>(room.Result);
    if (m_currentStorey) {
        ComputeElementArea(m_currentStorey->Entry);
        m_currentStorey->Entry.GetElement();
    }

    const CLIB_WeatherParameter& weather = CLIB_WeatherParameter::Current();
    SMonthlyClimate climate;
    BuildMonthlyClimate(CalcLibrary(), weather, *context.Room, climate);

    ACStepPass pass = ACStepArgs::PassOf(context, m_storeyElevation);
    pass.Steady = context.WinterSteady != 0 ? 1 : 0;
    pass.Steps.resize(kMonths);
    for (int m = 0; m < kMonths; ++m) {
        ACStep& s = pass.Steps[static_cast<size_t>(m)];
        const float* designDryBulb = weather.TemperatureParameter.Temperature[0][m];
        s.Month = m + 1;
        s.SolarDay = ACEnvelope::SolarDay;
        s.DayType = kMonthlyDesignDay;
        s.SummerColumns = IsSummerMonth(m);
        s.Winter = climate.Winter[m];
        s.TwgDay = pass.SummerDryBulb;
        s.Peak = climate.PeakDryBulb[m];
        s.Mean = climate.MeanDryBulb[m];
        s.IndoorTemp = climate.IndoorTemp[m];
        s.IndoorRH = climate.IndoorRH[m];
        s.Pressure = climate.Pressure[m];
        s.DryBulb = climate.DryBulb[m];
        s.WetBulb = climate.WetBulb[m];
        s.GroundTemperature = Narrow(weather.GroundTemperature[m]);
        s.GroundDryBulb = designDryBulb;
        // Outside the summer months the outdoor air is taken for its sensible load alone.
        s.FreshAirSensibleOnly = !IsSummerMonth(m);
    }
    CalculateACStepElements(context, room, pass, months);

    // The daily type sums its days with the same rule, so that the two types split the loads
    // alike (see SumLoads).
    for (int m = 0; m < kMonths; ++m)
        months[m].SumLoads();
    const int unit = CProjectData::Exists() ? CProjectData::Current().Unit : 0;
    for (int m = 0; m < kMonths; ++m)
        months[m].ConvertToKcal(unit);
}
