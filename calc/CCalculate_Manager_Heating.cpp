// Heating loads of a room: the detailed type on the winter design day (6) and the monthly (7) and
// daily (8) types, which run the same element passes once per month or per day of the year.
#include "calc/ArraySums.h"
#include "calc/CCalculate_Manager_HeatingRun.h"
#include "calc/CCalculate_OutsideWall.h"
#include "calc/CCalculate_Room.h"
#include "calc/ResultByType.h"
#include "climate/CLIB_WeatherParameter.h"
#include "model/CBasementWall.h"
#include "model/CBlindStorey.h"
#include "model/CBuilding.h"
#include "model/CCeiling.h"
#include "model/CFloor.h"
#include "model/CGapWall.h"
#include "model/CGlassCurtainWall.h"
#include "model/CGlassRoof.h"
#include "model/CGround.h"
#include "model/CNodeData.h"
#include "model/COutsideDoor.h"
#include "model/COutsideWindow.h"
#include "model/CProjectData.h"
#include "model/CProjectionFloor.h"
#include "model/CRoom.h"
#include "platform/core/Exception.h"

using ACEnvelope::StartElement;
using Run = CCalculate_Manager::SHeatingRun;

namespace {

constexpr int kHours = Run::Hours;
constexpr int kMonths = 12;
constexpr int kDays = CLIB_WeatherParameter::YearDays;
constexpr int kDryBulbColumn = 3;
constexpr int kGlassCurtainWallKind = CGlassCurtainWall::TypeCode;
constexpr double kHouseholdMeteringShare = 0.1;

int StepCount(int designType)
{
    switch (designType) {
    case 7:
        return kMonths;
    case 8:
        return kDays;
    default:
        return 1;
    }
}

// The outdoor temperature of every hour of every step: the winter design day, twelve monthly
// design days, or the 365 days of the project's hourly weather.
void BuildProfiles(Run& run, int designType)
{
    CLIB_WeatherParameter& weather = CLIB_WeatherParameter::Current();
    run.Profiles.assign(static_cast<size_t>(run.Steps) * kHours, 0.0f);
    float* profiles = run.Profiles.data();
    switch (designType) {
    case 6:
        run.Library.GetTWN(static_cast<float>(weather.SummerTemperatueRange),
                           static_cast<float>(weather.WinterHeatingDesignDrybulbTemperature), profiles);
        break;
    case 7:
        run.Library.GetDB12_Heating(static_cast<float>(weather.SummerAirConditioningDesignDrybulbTemperature),
                                    static_cast<float>(weather.SummerTemperatueRange),
                                    static_cast<float>(weather.WinterHeatingDesignDrybulbTemperature),
                                    profiles);
        break;
    case 8:
        weather.Load8760hData();
        // The user has just been told that the year is missing; a year of 0 ℃ would pass for a
        // result.
        if (!weather.HourlyDataLoaded)
            throw Exception(QStringLiteral("缺少全年气象参数"));
        for (int hour = 0; hour < kDays * kHours; ++hour)
            profiles[hour] = weather.HourlyData[hour][kDryBulbColumn];
        break;
    default:
        break;
    }
}

// The area of the outside doors, windows and curtain walls of the room, by which the library
// shares the room's air among them in the air-change estimate of cold-air infiltration.
double RoomOpeningArea(CCalculate_Manager& manager, const Run& run)
{
    double area = 0;
    for (const auto& wall : run.Room.OutsideWalls) {
        for (const auto& entry : wall->Doors) {
            const COutsideDoor& door = StartElement<COutsideDoor>(manager, *entry);
            area += CCalculate_Manager::SelectArea(door.IsLWInputArea, door.Length, door.Height, door.Area,
                                                   run.RoomArea) *
                    door.Quantity;
        }
        for (const auto& entry : wall->Windows) {
            const COutsideWindow& window = StartElement<COutsideWindow>(manager, *entry);
            area += CCalculate_Manager::SelectArea(window.IsLWInputArea, window.Length, window.Height,
                                                   window.Area, run.RoomArea) *
                    window.Quantity;
        }
    }
    for (const auto& entry : run.Room.Elements(kGlassCurtainWallKind)) {
        const CGlassCurtainWall& curtain = StartElement<CGlassCurtainWall>(manager, *entry);
        area += CCalculate_Manager::SelectArea(curtain.IsLWInputArea, curtain.Length, curtain.Height,
                                               curtain.Area, run.RoomArea);
    }
    return area;
}

// The totals of one step: the envelope transmission, the room total with the infiltration and
// other loads, and the heating equipment capacity.
void AddTotals(CCalculate_Result_IsHeatingLoadStepCalculation& record, bool householdMetering)
{
    float(*h)[kHours] = record.Hourly;
    AddArrays17(h[Run::Envelope], h[Run::OutsideWall], h[Run::OutsideWindow], h[Run::OutsideDoor],
                h[Run::InsideWall], h[Run::InsideWindow], h[Run::InsideDoor], h[Run::Ceiling], h[Run::Floor],
                h[Run::Roof], h[Run::SkyWindow], h[Run::BlindStorey], h[Run::GlassCurtainWall],
                h[Run::GlassRoof], h[Run::Ground], h[Run::ProjectionFloor], h[Run::GapWall],
                h[Run::BasementWall], kHours, false);
    AddArrays3(h[Run::Total], h[Run::Envelope], h[Run::Others], h[Run::Infiltration], kHours, false);
    const double factor = 1.0 + (householdMetering ? kHouseholdMeteringShare : 0.0);
    for (int hour = 0; hour < kHours; ++hour)
        h[Run::EquipmentCapacity][hour] = static_cast<float>(factor * h[Run::Total][hour]);
}

} // namespace

CTreeItem* HeatingPass::ItemOf(const CBaseData& entry)
{
    return entry.Node ? entry.Node->TreeItem() : nullptr;
}

CCalculate_Manager::SHeatingRun::SHeatingRun(CCalculate_Manager& manager, RoomCalcContext& context,
                                             CCalculate_Room& room, int designType)
    : Manager(manager), Context(context), Room(room), Library(manager.CalcLibrary())
{
    Detailed = designType == 6;
    Steps = StepCount(designType);
    Records = static_cast<CCalculate_Result_IsHeatingLoadStepCalculation*>(room.Result);
    WallSteps.assign(static_cast<size_t>(Steps) * Hours, 0.0f);

    const CRoom& element = *context.Room;
    Tn = static_cast<float>(element.WinterHeatingTemperature);
    Industry = element.IsIndustryBuilding != 0 ? 1 : 0;
    Height = static_cast<float>(element.Height);
    Gradient = static_cast<float>(element.TemperatureGradient);
    RoomArea = static_cast<float>(element.Area);
    PartitionType = element.PartitionType;

    const CLIB_WeatherParameter& weather = CLIB_WeatherParameter::Current();
    Elevation = static_cast<float>(manager.StoreyElevation());
    WindSpeed = static_cast<float>(weather.WinterWindSpeed);
    Latitude = static_cast<float>(weather.Latitude);
    SummerDryBulb = static_cast<float>(weather.SummerAirConditioningDesignDrybulbTemperature);
    SiloTemperature = context.Building ? static_cast<float>(context.Building->SiloTemperature) : 0.0f;
}

void CCalculate_Manager::SHeatingRun::Add(int step, int array, const float* values)
{
    AddArray(Records[step].Hourly[array], values, Hours, false);
}

void CCalculate_Manager::SHeatingRun::CheckResistance(int kind, const CheckSubject& subject, double k,
                                                      double d, const QString& name, float* rMin)
{
    const CCalculate_Building* building = Manager.CurrentBuilding();
    const CCalculate_Storey* storey = Manager.CurrentStorey();
    if (!building || !storey)
        throw Exception(QStringLiteral("计算没有当前楼层"));
    float place = 0, r = 0;
    Manager.CheckMinResistance(kind, *building, *storey, Room, subject, k, d, rMin ? *rMin : place, r, name);
}

void CCalculate_Manager::SHeatingRun::ApplyPlus(float* values) const
{
    if (!Detailed || !Context.HeatPlusOn)
        return;
    for (int hour = 0; hour < Hours; ++hour)
        values[hour] = static_cast<float>(values[hour] * Context.HeatPlusFactor);
}

bool CCalculate_Manager::SHeatingRun::WantsDetail() const
{
    const CElementDetailCallback* callback = Context.DetailCallback;
    return Detailed && callback && *callback;
}

void CCalculate_Manager::SHeatingRun::Detail(CElementBase* element, float* loads, float* extra,
                                             bool scaleBlocks, const float* parentValue)
{
    if (!WantsDetail())
        return;
    if (scaleBlocks)
        for (int row = 0; row < 4; ++row)
            ApplyPlus(Context.DetailBlocks[row]);
    if (parentValue)
        Context.DetailRates[6] = *parentValue;
    (*Context.DetailCallback)(element, Context.DetailRates, Context.DetailBlocks, loads, extra, 0, 1.0);
}

int CCalculate_Manager::HeatingTightnessGrade(const QString& grade)
{
    static const char* const grades[] = {"I", "II", "III", "IV", "V"};
    for (int index = 0; index < 5; ++index)
        if (grade == QLatin1String(grades[index]))
            return index;
    return -1;
}

void CCalculate_Manager::CalculateHeatingLoads(RoomCalcContext& context, CCalculate_Room& room)
{
    const int designType = CurrentDesignType();
    SHeatingRun run(*this, context, room, designType);
    BuildProfiles(run, designType);
    for (const auto& wall : room.OutsideWalls)
        if (!wall->Windows.empty())
            ++run.WallsWithWindows;
    run.CurtainWalls = static_cast<int32_t>(room.Elements(kGlassCurtainWallKind).size());
    run.Library.SetRoomOpeningArea(static_cast<float>(RoomOpeningArea(*this, run)));

    const bool floorHeating = context.Room->IsHeating_Flood_Solar != 0;
    CalculateHeatingOutsideWalls(run);
    CalculateHeatingInsideWalls(run);
    CalculateHeatingSlabs(run, CCeiling::TypeCode);
    if (!floorHeating)
        CalculateHeatingSlabs(run, CFloor::TypeCode);
    CalculateHeatingRoofs(run);
    CalculateHeatingElements(run, CBlindStorey::TypeCode);
    CalculateHeatingGlassCurtainWalls(run);
    CalculateHeatingElements(run, CGlassRoof::TypeCode);
    if (!floorHeating)
        CalculateHeatingElements(run, CGround::TypeCode);
    CalculateHeatingElements(run, CBasementWall::TypeCode);
    if (!floorHeating)
        CalculateHeatingElements(run, CProjectionFloor::TypeCode);
    CalculateHeatingElements(run, CGapWall::TypeCode);
    CalculateHeatingOtherLoads(run);

    const bool householdMetering = context.Room->IsHouseholdMetering != 0;
    const int unit = CProjectData::Exists() ? CProjectData::Current().Unit : 0;
    for (int step = 0; step < run.Steps; ++step) {
        AddTotals(run.Records[step], householdMetering);
        run.Records[step].ConvertToKcal(unit);
    }
}
