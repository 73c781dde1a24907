// One pass of the daily air-conditioning type: every element of the room over the 365 days of the
// weather year at one indoor state per day.
#include "calc/CCalculate_Manager.h"
#include "calc/CCalculate_Manager_ACStep.h"
#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"
#include "calc/CCalculate_Storey.h"
#include "climate/CLIB_WeatherParameter.h"
#include "model/CDefaultValue.h"
#include "model/CProjectData.h"

namespace {
constexpr int kMonthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
} // namespace

void CCalculate_Manager::CalculateRoomDailyACLoads(CCalculate_Room& room, const RoomCalcContext& context,
                                                   const ACDailyClimate& climate,
                                                   const float* passTemperature, const float* passHumidity,
                                                   CCalculate_Result_IsACLoadStepCalculation* result)
{
    const bool winterSolar = CDefaultValue::Int(QStringLiteral("ContainSunSolarWinter")) == 1;
    if (m_currentStorey) {
        ComputeElementArea(m_currentStorey->Entry);
        m_currentStorey->Entry.GetElement();
    }

    const CLIB_WeatherParameter& weather = CLIB_WeatherParameter::Current();
    ACStepPass pass = ACStepArgs::PassOf(context, m_storeyElevation);
    pass.Steady = context.WinterSteady != 0 ? 1 : 0;
    pass.PlusFactor = context.FullYearPlusFactor;
    pass.Steps.resize(ACDailyClimate::Days);
    int day = 0;
    for (int m = 0; m < 12; ++m) {
        for (int i = 0; i < kMonthLength[m]; ++i, ++day) {
            ACStep& s = pass.Steps[static_cast<size_t>(day)];
            const bool winterDay = climate.WinterDay[day] == 1;
            s.Month = m + 1;
            s.SolarDay = i + 1;
            s.DayType = climate.DayType[day];
            s.SummerColumns = climate.WinterDay[day] == 0;
            s.Winter = climate.WinterDay[day];
            s.TwgDay = climate.DaySeries1[day];
            s.Peak = climate.DaySeries1[day];
            s.Mean = climate.DaySeries2[day];
            s.IndoorTemp = passTemperature[day];
            s.IndoorRH = passHumidity[day];
            s.Pressure = climate.Pressure[day];
            s.DryBulb = climate.HourDryBulb[day];
            s.WetBulb = climate.HourWetBulb[day];
            s.GroundTemperature = static_cast<float>(weather.GroundTemperature[m]);
            s.GroundDryBulb = climate.HourDryBulb[day];
            s.Global = climate.HourValue5[day];
            s.GlobalMean = climate.HourValue6[day];
            s.ZeroSolar = winterDay && !winterSolar;
        }
    }
    CalculateACStepElements(context, room, pass, result);

    // Choosing the pass of an hour needs only the indoor sums; the merged day is summed whole.
    for (int d = 0; d < ACDailyClimate::Days; ++d)
        result[d].SumIndoorLoads();
    const int unit = CProjectData::Exists() ? CProjectData::Current().Unit : 0;
    for (int d = 0; d < ACDailyClimate::Days; ++d)
        result[d].ConvertToKcal(unit);
}
