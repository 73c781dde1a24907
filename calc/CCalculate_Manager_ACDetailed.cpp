#include "calc/ArraySums.h"
#include "calc/CCalcLibraryBase.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "calc/CIndexArea.h"
#include "climate/CLIB_WeatherParameter.h"
#include "model/CDefaultValue.h"
#include "model/CProjectData.h"
#include "model/CRoom.h"
#include "platform/core/Exception.h"

#include <algorithm>

namespace {
constexpr int kHours = 24;
constexpr int kJuly = 6;
constexpr int kJanuary = 0;

void Scale(float* values, double factor)
{
    for (int hour = 0; hour < kHours; ++hour)
        values[hour] = static_cast<float>(values[hour] * factor);
}

void Assign(float* destination, const double* source)
{
    for (int hour = 0; hour < kHours; ++hour)
        destination[hour] = static_cast<float>(source[hour]);
}

void Widen(const float* source, double* destination)
{
    std::copy(source, source + kHours, destination);
}
} // namespace

ACDesignConditions CCalculate_Manager::ReadACDesignConditions(RoomCalcContext& context)
{
    ACDesignConditions d;
    context.WinterSteady = CDefaultValue::Int(QStringLiteral("IsWinterACLoadSteady"));
    d.WinterSteadyFlag = context.WinterSteady != 0 ? 1 : 0;
    d.ContainSunSolarWinter = CDefaultValue::Int(QStringLiteral("ContainSunSolarWinter")) == 1;
    static const char* const orientationKeys[4] = {
        "HeatingLoadCoefficient_North", "HeatingLoadCoefficient_East", "HeatingLoadCoefficient_SouthEast",
        "HeatingLoadCoefficient_South"};
    for (int i = 0; i < 4; ++i)
        d.OrientationCoef[i] = static_cast<float>(CDefaultValue::Real(QLatin1String(orientationKeys[i])));

    const CLIB_WeatherParameter& weather = CLIB_WeatherParameter::Current();
    d.Latitude = static_cast<float>(weather.Latitude);
    d.Longitude = static_cast<float>(weather.Longitude);
    d.SummerDryBulb = static_cast<float>(weather.SummerAirConditioningDesignDrybulbTemperature);
    d.WinterDryBulb = static_cast<float>(weather.WinterAirConditioningDesignDrybulbTemperature);
    d.SummerWetBulb = static_cast<float>(weather.SummerAirConditioningDesignWetbulbTemperature);
    d.SummerMeanDryBulb =
        static_cast<float>(weather.SummerAirConditioningDailyAverageDesignDrybulbTemperature);
    d.Pressure[Summer] = static_cast<float>(weather.SummerBarometric);
    d.Pressure[Winter] = static_cast<float>(weather.WinterBarometric);
    d.SummerWindSpeed = static_cast<float>(weather.SummerWindSpeed);
    d.WinterWindSpeed = static_cast<float>(weather.WinterWindSpeed);
    d.GroundGrade = weather.GroundGrade;
    d.TimeZone = static_cast<float>(weather.TimeZone);
    d.GroundTemperature[Summer] = static_cast<float>(weather.GroundTemperature[kJuly]);
    d.GroundTemperature[Winter] = static_cast<float>(weather.GroundTemperature[kJanuary]);
    const CTemperatureParameter& table = weather.TemperatureParameter;
    const int months[2] = {kJuly, kJanuary};
    for (int s = 0; s < 2; ++s) {
        std::copy_n(table.Temperature[0][months[s]], kHours, d.HourlyDryBulb[s]);
        std::copy_n(table.Temperature[1][months[s]], kHours, d.HourlyWetBulb[s]);
        d.MaxDryBulb[s] = table.MonthlyMax[0][months[s]];
    }

    const CRoom& room = *context.Room;
    d.RoomTemperature[Summer] = static_cast<float>(room.SummerACTemperature);
    d.RoomTemperature[Winter] = static_cast<float>(room.WinterACTemperature);
    d.RoomRH[Summer] = static_cast<float>(room.SummerACRH);
    d.RoomRH[Winter] = static_cast<float>(room.WinterACRH);
    d.Height = static_cast<float>(room.Height);
    d.StoreyElevation = static_cast<float>(m_storeyElevation);
    return d;
}

void CCalculate_Manager::CalculateACLoadDetailed(RoomCalcContext& context, CCalculate_Room& room)
{
    auto& result = *static_cast<CCalculate_Result_IsACLoadCalculation*>(room.Result);
    const ACDesignConditions conditions = ReadACDesignConditions(context);

    CalculateACCeilings(context, conditions, room, result);
    CalculateACFloors(context, conditions, room, result);
    CalculateACBlindStoreys(context, conditions, room, result);
    CalculateACGlassRoofs(context, conditions, room, result);
    CalculateACGrounds(context, conditions, room, result);
    CalculateACBasementWalls(context, conditions, room, result);
    CalculateACProjectionFloors(context, conditions, room, result);
    CalculateACGapWalls(context, conditions, room, result);
    CalculateACOutdoorAir(context, conditions, room, result);
    CalculateACPeople(context, conditions, room, result);
    CalculateACLighting(context, conditions, room, result);
    CalculateACHeatingEquipment(context, conditions, room, result);
    CalculateACElectricEquipment(context, conditions, room, result);
    CalculateACElectronicEquipment(context, conditions, room, result);
    CalculateACFood(context, conditions, room, result);
    CalculateACEvaporating(context, conditions, room, result);
    if (context.CalcInfiltration)
        CalculateACInfiltration(context, conditions, room, result);
    CalculateACOutsideWalls(context, conditions, room, result);
    CalculateACInsideWalls(context, conditions, room, result);
    CalculateACRoofs(context, conditions, room, result);
    CalculateACGlassCurtainWalls(context, conditions, room, result);
    CalculateACRoomLevelLoads(context, result);
    CalculateACTotals(context, result);
}

void CCalculate_Manager::ApplyACSummerFactors(const RoomCalcContext& context, float* values24)
{
    if (context.CoolPlusOn)
        Scale(values24, context.CoolPlusFactor);
}

void CCalculate_Manager::ApplyACWinterFactors(const RoomCalcContext& context, float* values24, bool rebate)
{
    if (rebate)
        Scale(values24, context.HeatRebateFactor);
    if (context.CoolPlusOn)
        Scale(values24, context.CoolPlusFactor);
}

void CCalculate_Manager::ApplyACWinterSolarSwitch(const ACDesignConditions& conditions, float* values24)
{
    if (!conditions.ContainSunSolarWinter)
        std::fill_n(values24, kHours, 0.0f);
}

void CCalculate_Manager::AddACSeasonPair(const RoomCalcContext& context, float* summerDestination,
                                         const float* summer24, float* winterDestination,
                                         const float* winter24)
{
    if (context.SummerCooling && summerDestination)
        AddArray(summerDestination, summer24, kHours, false);
    if (context.WinterAC && winterDestination)
        AddArray(winterDestination, winter24, kHours, false);
}

double CCalculate_Manager::ACElementArea(const RoomCalcContext& context, int areaType, double length,
                                         double widthOrHeight, double area)
{
    return SelectArea(areaType, length, widthOrHeight, area, context.Room ? context.Room->Area : 0.0);
}

double CCalculate_Manager::ACNetArea(const RoomCalcContext& context, double grossArea, double openingsArea)
{
    if (context.NetWallArea == 0)
        return grossArea;
    return openingsArea > grossArea ? 0.0 : grossArea - openingsArea;
}

void CCalculate_Manager::CalculateACRoomLevelLoads(RoomCalcContext& context,
                                                   CCalculate_Result_IsACLoadCalculation& result)
{
    const CRoom& room = *context.Room;
    float schedule[kHours];
    double fanWinter[kHours], fanSummer[kHours], maintenanceWinter[kHours], maintenanceSummer[kHours];
    GetDaySchedule(room.Fan_Time, 1, 1, schedule);
    Widen(schedule, fanWinter);
    GetDaySchedule(room.Fan_Time, 7, 1, schedule);
    Widen(schedule, fanSummer);
    GetDaySchedule(room.Maintenance_Time, 1, 1, schedule);
    Widen(schedule, maintenanceWinter);
    GetDaySchedule(room.Maintenance_Time, 7, 1, schedule);
    Widen(schedule, maintenanceSummer);

    CCalcLibraryBase& library = CalcLibrary();
    double fanOutWinter[kHours] = {}, fanOutSummer[kHours] = {};
    library.GetCL_FanAndDuct(room.WindQuantity, room.WindFanTemRise, room.WindPipeTemRise, fanWinter,
                             fanOutWinter);
    library.GetCL_FanAndDuct(room.WindQuantity, room.WindFanTemRise, room.WindPipeTemRise, fanSummer,
                             fanOutSummer);
    double moistureWinter[kHours] = {}, latentWinter[kHours] = {};
    double moistureSummer[kHours] = {}, latentSummer[kHours] = {};
    library.GetDL_Enclosure(room.Maintenance_Gain, maintenanceWinter, moistureWinter, latentWinter);
    library.GetDL_Enclosure(room.Maintenance_Gain, maintenanceSummer, moistureSummer, latentSummer);

    auto& h = result.Hourly;
    if (context.SummerCooling) {
        Assign(h[108], fanOutSummer);
        Assign(h[109], fanOutWinter);
        Assign(h[118], latentSummer);
    }
    if (context.WinterAC)
        Assign(h[119], latentWinter);
    Assign(h[116], moistureSummer);
    Assign(h[117], moistureWinter);
    if (context.CoolPlusOn)
        for (int index : {108, 109, 116, 118, 117, 119})
            Scale(h[index], context.CoolPlusFactor);
}

void CCalculate_Manager::CalculateACTotals(RoomCalcContext& context,
                                           CCalculate_Result_IsACLoadCalculation& result)
{
    auto& h = result.Hourly;
    AddArray(h[4], h[116], kHours, false);
    AddArray(h[18], h[117], kHours, false);
    AddArray(h[0], h[108], kHours, false);
    AddArray(h[1], h[108], kHours, false);
    AddArray(h[90], h[118], kHours, false);
    AddArray(h[91], h[119], kHours, false);
    AddArrays17(h[90], h[84], h[54], h[60], h[86], h[62], h[64], h[74], h[78], h[88], h[68], h[82], h[96],
                h[76], h[102], h[80], h[92], h[104], kHours, false);
    AddArrays17(h[91], h[85], h[55], h[61], h[87], h[63], h[65], h[75], h[79], h[89], h[69], h[83], h[97],
                h[77], h[103], h[81], h[93], h[105], kHours, false);
    AddArrays9(h[2], h[90], h[20], h[26], h[28], h[32], h[34], h[38], h[42], h[46], kHours, false);
    AddArrays9(h[11], h[91], h[23], h[27], h[29], h[33], h[35], h[39], h[43], h[47], kHours, false);
    AddArrays8(h[3], h[90], h[21], h[26], h[28], h[32], h[34], h[38], h[46], kHours, false);
    AddArrays8(h[12], h[91], h[24], h[27], h[29], h[33], h[35], h[39], h[47], kHours, false);

    // Winter hours whose indoor load is a gain are cooling hours: they move to the winter cooling
    // arrays so that the heating totals hold losses only.
    for (int hour = 0; hour < kHours; ++hour) {
        if (h[11][hour] > 0) {
            h[13][hour] = h[11][hour];
            h[11][hour] = 0;
        }
        if (h[12][hour] > 0) {
            h[14][hour] = h[12][hour];
            h[12][hour] = 0;
        }
    }

    const CRoom& room = *context.Room;
    const double stratification = room.IsFenCengAir == 1 ? room.FenCengAir * 0.01 : 1.0;
    for (int index : {2, 3, 13, 14, 11, 12})
        Scale(h[index], stratification);

    AddArrays2(h[0], h[2], h[6], kHours, false);
    AddArrays2(h[9], h[11], h[15], kHours, false);
    AddArrays2(h[1], h[3], h[7], kHours, false);
    AddArrays2(h[10], h[12], h[16], kHours, false);
    AddArrays6(h[4], h[22], h[30], h[36], h[40], h[44], h[48], kHours, false);
    AddArrays6(h[18], h[25], h[31], h[37], h[41], h[45], h[49], kHours, false);

    result.ConvertToKcal(CProjectData::Exists() ? CProjectData::Current().Unit : 0);
    CIndexArea::AddRoomArea(FindAbsPeak24(h[0]), FindAbsPeak24(h[9]), room.Area);
}
