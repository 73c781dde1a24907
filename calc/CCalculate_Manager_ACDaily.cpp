// Air-conditioning loads of a room on every day of the year from the annual hourly weather
// (design type 5).
#include "calc/CCalResultBuffer.h"
#include "calc/CCalcLibraryBase.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CCalculate_Manager_ACStep.h"
#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"
#include "calc/CCalculate_Storey.h"
#include "calc/ResultAccumulation.h"
#include "climate/CLIB_WeatherParameter.h"
#include "model/CNodeData.h"
#include "model/CRoom.h"
#include "platform/core/Exception.h"

#include <algorithm>
#include <memory>

namespace {

constexpr int kDays = CCalculate_Manager::ACDailyClimate::Days;
constexpr int kHours = 24;
constexpr int kArrays = CCalculate_Result_IsACLoadStepCalculation::ArrayCount;
constexpr int kDesignType = 5;
// Schedule day type by weekday; 1 January is a Sunday (9), Monday is 3.
constexpr int kWeekDayTypes[7] = {9, 3, 4, 5, 6, 7, 8};

using StepRecord = CCalculate_Result_IsACLoadStepCalculation;

float Narrow(double value)
{
    return static_cast<float>(value);
}

// The two pass results, held from the pool for the call and given back, winter first, also when a
// pass fails.
class CPassResults
{
public:
    explicit CPassResults(CCalResultBuffer& pool) : m_pool(pool)
    {
        m_pool.AcquireResult(m_winter);
        m_pool.AcquireResult(m_summer);
    }
    ~CPassResults()
    {
        m_pool.ReleaseResult(m_winter);
        m_pool.ReleaseResult(m_summer);
    }
    CPassResults(const CPassResults&) = delete;
    CPassResults& operator=(const CPassResults&) = delete;

    StepRecord* Winter() const { return static_cast<StepRecord*>(m_winter); }
    StepRecord* Summer() const { return static_cast<StepRecord*>(m_summer); }

private:
    CCalResultBuffer& m_pool;
    void* m_winter = nullptr;
    void* m_summer = nullptr;
};

} // namespace

void CCalculate_Manager::CalculateACLoadDaily(RoomCalcContext& context, CCalculate_Room& room)
{
    auto* days = static_cast<StepRecord*>(room.Result);
    if (m_currentStorey)
        m_currentStorey->Entry.GetElement();

    CLIB_WeatherParameter& weather = CLIB_WeatherParameter::Current();
    const auto climate = std::make_unique<ACDailyClimate>();
    weather.Load8760hData();
    // Without a year of weather every day would be calculated on zeros and pass for a result.
    if (!weather.HourlyDataLoaded)
        throw Exception(QStringLiteral("缺少全年气象参数"));

    CCalcLibraryBase& library = CalcLibrary();
    library.GetpDaily(Narrow(weather.SummerBarometric), Narrow(weather.WinterBarometric), climate->Pressure);

    const CRoom& element = *context.Room;
    const float winterTemp = Narrow(element.WinterACTemperature);
    const float winterRH = Narrow(element.WinterACRH);
    const float summerTemp = Narrow(element.SummerACTemperature);
    const float summerRH = Narrow(element.SummerACRH);
    for (int d = 0; d < kDays; ++d) {
        for (int h = 0; h < kHours; ++h) {
            const float* hour = weather.HourlyData[d * kHours + h];
            climate->HourDryBulb[d][h] = hour[3];
            climate->HourWetBulb[d][h] = hour[4];
            climate->HourValue5[d][h] = hour[5];
            climate->HourValue6[d][h] = hour[6];
        }
        SelectDayIndoorState(climate->Pressure[d], winterTemp, winterRH, summerTemp, summerRH,
                             climate->HourDryBulb[d], climate->HourWetBulb[d], climate->IndoorTemp[d],
                             climate->IndoorRH[d]);
    }
    float dailyMinimum[kDays];
    library.GetAverageWD(&weather.HourlyData[0][0], climate->DaySeries1, climate->DaySeries2, dailyMinimum);
    for (int d = 0; d < kDays; ++d)
        climate->WinterDay[d] = climate->IndoorTemp[d] == winterTemp ? 1 : 0;
    for (int d = 0; d < kDays; ++d)
        climate->DayType[d] = kWeekDayTypes[d % 7];

    float winterTemps[kDays], summerTemps[kDays], winterRHs[kDays], summerRHs[kDays];
    std::fill_n(winterTemps, kDays, winterTemp);
    std::fill_n(summerTemps, kDays, summerTemp);
    std::fill_n(winterRHs, kDays, winterRH);
    std::fill_n(summerRHs, kDays, summerRH);

    CCalResultBuffer* pool = CCalResultBuffer::GetCurrent();
    if (!pool)
        throw Exception(QStringLiteral("计算没有结果缓冲区"));
    {
        CPassResults passes(*pool);
        CalculateRoomDailyACLoads(room, context, *climate, winterTemps, winterRHs, passes.Winter());
        CalculateRoomDailyACLoads(room, context, *climate, summerTemps, summerRHs, passes.Summer());
        MergeACDailyPasses(climate->WinterDay, passes.Winter(), passes.Summer(), days);
    }
    if (room.Entry.Node)
        ApplyRunTimeScheme(room.Entry.Node->NodeId(), days, kDesignType);
}

void CCalculate_Manager::MergeACDailyPasses(const int* winterDay,
                                            const CCalculate_Result_IsACLoadStepCalculation* winterPass,
                                            const CCalculate_Result_IsACLoadStepCalculation* summerPass,
                                            CCalculate_Result_IsACLoadStepCalculation* room)
{
    constexpr int kIndoorCooling = 6;
    constexpr int kIndoorHeating = 8;
    for (int d = 0; d < kDays; ++d) {
        const StepRecord& w = winterPass[d];
        const StepRecord& s = summerPass[d];
        StepRecord& r = room[d];
        // The state that comes first on the day wins an hour at which both would condition.
        const bool winter = winterDay[d] == 1;
        const StepRecord& first = winter ? w : s;
        const StepRecord& second = winter ? s : w;
        // The whole day from the first state, then the hours the second state takes or no state
        // conditions: the same values as hour by hour, in far fewer copies.
        std::copy(&first.Hourly[0][0], &first.Hourly[0][0] + kArrays * kHours, &r.Hourly[0][0]);
        for (int h = 0; h < kHours; ++h) {
            const bool firstNeeds =
                winter ? first.Hourly[kIndoorHeating][h] < 0 : first.Hourly[kIndoorCooling][h] > 0;
            const bool secondNeeds =
                winter ? second.Hourly[kIndoorCooling][h] > 0 : second.Hourly[kIndoorHeating][h] < 0;
            if (firstNeeds)
                continue;
            if (secondNeeds)
                r.CopyHour(second, h);
            else
                r.ClearHour(h);
        }
        r.SumLoads();
    }
}
