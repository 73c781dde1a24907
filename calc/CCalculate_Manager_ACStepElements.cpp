// The element passes of the monthly and daily air-conditioning types: the elements of the detailed
// calculation, each called once per step (a month's design day or a day of the year) with the
// step's climate, into the step's record.
#include "calc/ArraySums.h"
#include "calc/CCalcLibraryBase.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CCalculate_Manager_ACStep.h"
#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"
#include "calc/CCalculate_Room.h"
#include "calc/SeriesStatistics.h"
#include "climate/CLIB_WeatherParameter.h"
#include "library/CLibraryRecords.h"
#include "model/CBasementWall.h"
#include "model/CBlindStorey.h"
#include "model/CCeiling.h"
#include "model/CDefaultValue.h"
#include "model/CElectricEquipment.h"
#include "model/CElectronicEquipment.h"
#include "model/CEvaporating.h"
#include "model/CFloor.h"
#include "model/CFood.h"
#include "model/CGapWall.h"
#include "model/CGlassCurtainWall.h"
#include "model/CGlassRoof.h"
#include "model/CGround.h"
#include "model/CHeatingEquipment.h"
#include "model/CInfiltration.h"
#include "model/CInsideDoor.h"
#include "model/CInsideWall.h"
#include "model/CInsideWindow.h"
#include "model/CLighting.h"
#include "model/COutsideDoor.h"
#include "model/COutsideWall.h"
#include "model/COutsideWindow.h"
#include "model/CPeople.h"
#include "model/CProjectionFloor.h"
#include "model/CRoof.h"
#include "model/CRoom.h"
#include "model/CSkyWindow.h"

#include <algorithm>
#include <cmath>

using namespace ACEnvelope;
using ACStep = CCalculate_Manager::ACStep;
using ACStepPass = CCalculate_Manager::ACStepPass;
using StepRecord = CCalculate_Result_IsACLoadStepCalculation;

namespace {

// Element type codes of the internal-load lists.
constexpr int kHeatingEquipmentType = 6;
constexpr int kElectronicEquipmentType = 7;
constexpr int kElectricEquipmentType = 8;
constexpr int kFoodType = 25;
constexpr int kEvaporatingType = 26;
constexpr int kInfiltrationType = 27;

// Library kind codes of the constructions.
constexpr int kOutsideWallKind = 0;
constexpr int kInsideWallKind = 1;
constexpr int kCeilingKind = 2;
constexpr int kFloorKind = 3;
constexpr int kRoofKind = 4;
constexpr int kBlindStoreyKind = 5;
constexpr int kOutsideWindowKind = 6;
constexpr int kOutsideDoorKind = 7;
constexpr int kGlassCurtainWallKind = 8;
constexpr int kGlassRoofKind = 9;
constexpr int kInsideWindowKind = 10;
constexpr int kInsideDoorKind = 11;
constexpr int kSkyWindowKind = 12;
constexpr int kGroundKind = 13;
constexpr int kProjectionFloorKind = 14;
constexpr int kGapWallKind = 15;
constexpr int kBasementWallKind = 19;

// Arrays of the step record.
enum : int
{
    FreshAirTotal = 12,
    FreshAirSensible = 13,
    PeopleTotal = 17,
    PeopleSensible = 18,
    PeopleMoisture = 19,
    LightingLoad = 20,
    HeatingEquipmentLoad = 21,
    HeatingEquipmentMoisture = 22,
    ElectronicLoad = 23,
    ElectricLoad = 24,
    ElectricMoisture = 25,
    FoodLoad = 26,
    FoodMoisture = 27,
    WaterLoad = 28,
    WaterMoisture = 29,
    InfiltrationLoad = 30,
    InfiltrationMoisture = 31,
    OutsideWallWithOpenings = 32,
    InsideWallWithOpenings = 33,
    OutsideWindowLoad = 34,
    OutsideDoorLoad = 35,
    InsideWindowLoad = 36,
    InsideDoorLoad = 37,
    RoofWithSkylights = 38,
    SkylightLoad = 39,
    CeilingLoad = 40,
    GlassRoofLoad = 41,
    FloorLoad = 42,
    ProjectionFloorLoad = 43,
    BlindStoreyLoad = 44,
    OutsideWallLoad = 45,
    InsideWallLoad = 46,
    RoofLoad = 47,
    GapWallLoad = 49,
    SolarLoad = 50,
    FreshAirVolume = 51,
    GroundLoad = 52,
    BasementWallLoad = 53,
    CurtainWallLoad = 54,
};

constexpr double kPi = 3.1415926;

float Narrow(double value)
{
    return static_cast<float>(value);
}

// The season column of the step: summer or winter value.
float Season(const ACStep& s, double summer, double winter)
{
    return Narrow(s.SummerColumns ? summer : winter);
}

void Add(float* destination, const float* values)
{
    AddArray(destination, values, Hours, false);
}

// The shading and size of an opening as the solar function takes them.
struct SSolarOpening
{
    int32_t ShieldType = 0;
    int32_t AirSupplyType = 0;
    int32_t InsideShieldMaterials = 0;
    float Shade[6]{}; // B, H, l, m, f, g of the outside shading
    int32_t Quantity = 0;
};

SSolarOpening SolarOpeningOf(int shieldType, int airSupplyType, int insideShieldMaterials,
                             const SOutsideShield& shield, int quantity)
{
    return {shieldType,
            airSupplyType,
            insideShieldMaterials,
            {Narrow(shield.B), Narrow(shield.H), Narrow(shield.l), Narrow(shield.m), Narrow(shield.f),
             Narrow(shield.g)},
            quantity};
}

// An outside opening (door, window, curtain wall) as its three calls see it.
struct SOutsideOpening
{
    double KS = 0, KW = 0; // the record's K_S, K_W
    float SolarFactor = 0;
    float Area = 0;
    SSolarOpening Solar;
    int32_t Direction = 0; // of the wall (doors, windows) or of the curtain wall
    double Angle = 0;
};

// A glass roof or skylight: conduction and a solar gain taken as horizontal.
struct SRoofGlazing
{
    double KS = 0, KW = 0;
    float SolarFactor = 0;
    float Area = 0;
    int32_t Direction = 0;
    double Angle = 0;
};

// The day schedules of one schedule name over a pass, each month and day type looked up once: a
// daily pass asks for the same dozens of days 365 times.
class CStepSchedule
{
public:
    CStepSchedule(CCalculate_Manager& manager, const QString& name) : m_manager(manager), m_name(name) {}

    const float* Of(const ACStep& s)
    {
        // A month or day type out of range is a programming error, which the lookup raises.
        if (s.Month < 1 || s.Month > kMonths || s.DayType < 1 || s.DayType > kDayTypes) {
            m_manager.GetDaySchedule(m_name, s.Month, s.DayType, m_values[0]);
            m_filled[0] = false;
            return m_values[0];
        }
        const int index = (s.Month - 1) * kDayTypes + s.DayType - 1;
        if (!m_filled[index]) {
            m_manager.GetDaySchedule(m_name, s.Month, s.DayType, m_values[index]);
            m_filled[index] = true;
        }
        return m_values[index];
    }

private:
    static constexpr int kMonths = 12;
    static constexpr int kDayTypes = 10;
    CCalculate_Manager& m_manager;
    const QString m_name;
    float m_values[kMonths * kDayTypes][Hours];
    bool m_filled[kMonths * kDayTypes]{};
};

// One pass of the room's elements over the steps of a monthly or daily calculation.
class CStepElementPass
{
public:
    CStepElementPass(CCalculate_Manager& manager, const RoomCalcContext& context, const ACStepPass& pass,
                     StepRecord* records)
        : m_manager(manager), m_library(manager.CalcLibrary()), m_context(context), m_room(*context.Room),
          m_pass(pass), m_records(records)
    {
    }

    void Run(CCalculate_Room& room);

private:
    int Steps() const { return static_cast<int>(m_pass.Steps.size()); }
    const ACStep& Step(int i) const { return m_pass.Steps[static_cast<size_t>(i)]; }
    float (*Record(int i) const)[Hours] { return m_records[i].Hourly; }
    // The pass's plus factor on an output, in place.
    void Plus(float* values) const
    {
        if (m_pass.PlusFactor != 1.0)
            for (int h = 0; h < Hours; ++h)
                values[h] = Narrow(values[h] * m_pass.PlusFactor);
    }
    double Area(int areaType, double length, double widthOrHeight, double area) const
    {
        return CCalculate_Manager::ACElementArea(m_context, areaType, length, widthOrHeight, area);
    }

    void Slabs(CCalculate_Room& room, int listKind, int libraryKind, int array);
    void BlindStoreys(CCalculate_Room& room);
    void GlassRoofs(CCalculate_Room& room);
    void Grounds(CCalculate_Room& room);
    void BasementWalls(CCalculate_Room& room);
    void ProjectionFloors(CCalculate_Room& room);
    void GapWalls(CCalculate_Room& room);
    void OutdoorAir();
    void People(CCalculate_Room& room);
    void Lighting(CCalculate_Room& room);
    void HeatingEquipment(CCalculate_Room& room);
    void ElectricEquipment(CCalculate_Room& room);
    void ElectronicEquipment(CCalculate_Room& room);
    void Food(CCalculate_Room& room);
    void Evaporating(CCalculate_Room& room);
    void Infiltration(CCalculate_Room& room);
    void OutsideWalls(CCalculate_Room& room);
    // Inside doors or windows of the wall, with the wall's neighbour status, difference and
    // coefficient; their areas join openingArea.
    template <typename TElement>
    void InsideOpenings(const CInsideWall& wall, const CBaseDataList& entries, int libraryKind, int array,
                        double& openingArea);
    void InsideWalls(CCalculate_Room& room);
    void Roofs(CCalculate_Room& room);
    void CurtainWalls(CCalculate_Room& room);

    // Conduction (A) and solar gain (B) of an outside opening for one step, B zeroed when the step
    // leaves the sun out; both with the plus factor.
    void OutsideOpening(const SOutsideOpening& o, const ACStep& s, float* a, float* b) const;
    // The same for a glass roof or skylight.
    void RoofGlazing(const SRoofGlazing& g, const ACStep& s, float* a, float* b) const;
    void OutsideRoof(const CLIB_LayeredConstruction& record, double area, int32_t color, const ACStep& s,
                     float* out) const;

    CCalculate_Manager& m_manager;
    CCalcLibraryBase& m_library;
    const RoomCalcContext& m_context;
    const CRoom& m_room;
    const ACStepPass& m_pass;
    StepRecord* m_records;
};

void CStepElementPass::Run(CCalculate_Room& room)
{
    Slabs(room, CCeiling::TypeCode, kCeilingKind, CeilingLoad);
    Slabs(room, CFloor::TypeCode, kFloorKind, FloorLoad);
    BlindStoreys(room);
    GlassRoofs(room);
    Grounds(room);
    BasementWalls(room);
    ProjectionFloors(room);
    GapWalls(room);
    OutdoorAir();
    People(room);
    Lighting(room);
    HeatingEquipment(room);
    ElectricEquipment(room);
    ElectronicEquipment(room);
    Food(room);
    Evaporating(room);
    if (m_context.CalcInfiltration)
        Infiltration(room);
    OutsideWalls(room);
    InsideWalls(room);
    Roofs(room);
    CurtainWalls(room);
}

void CStepElementPass::Slabs(CCalculate_Room& room, int listKind, int libraryKind, int array)
{
    for (const auto& entry : room.Elements(listKind)) {
        const CAdjacentRoomSlab& slab = StartElement<CAdjacentRoomSlab>(m_manager, *entry);
        const auto* record =
            RecordOf<CLIB_LayeredConstruction>(m_manager, libraryKind, *entry, slab.material_id);
        if (!record)
            continue;
        const float area = Narrow(Area(slab.IsLWInputArea, slab.Length, slab.Width, slab.Area));
        for (int i = 0; i < Steps(); ++i) {
            const ACStep& s = Step(i);
            const InnerBlock b = ACStepArgs::Inner(m_pass, s);
            float out[Hours]{};
            m_library.GetCL_InEnclose_Floor_v2005(
                b.Latitude, b.Twg, b.Mean, b.Twk, b.TwgDay, b.Peak, b.SummerRoom, b.Room,
                Season(s, record->K_S, record->K_W), Narrow(record->Beta),
                Season(s, record->Kesi_S, record->Kesi_W), area, slab.AdjacentRoomStatus, m_pass.Steady, out,
                Season(s, slab.NearRoomDeltaT_Sum, slab.NearRoomDeltaT_Win), Narrow(slab.Coefficient_Value));
            Plus(out);
            Add(Record(i)[array], out);
        }
    }
}

void CStepElementPass::OutsideRoof(const CLIB_LayeredConstruction& record, double area, int32_t color,
                                   const ACStep& s, float* out) const
{
    const OuterBlock o = ACStepArgs::Outer(m_pass, s);
    const OutdoorTail t = ACStepArgs::Tail(m_pass, s);
    m_library.GetCL_OutEnclose_Roof(
        o.Latitude, o.Twg, o.Twk, o.TwgDay, o.Peak, o.SummerRoom, o.Room, Season(s, record.K_S, record.K_W),
        Narrow(record.Beta), Season(s, record.Kesi_S, record.Kesi_W), Narrow(area), color, m_pass.Steady, out,
        t.Height, t.Elevation, t.WinterWind, t.SummerWind, t.Month);
    Plus(out);
}

void CStepElementPass::BlindStoreys(CCalculate_Room& room)
{
    for (const auto& entry : room.Elements(CBlindStorey::TypeCode)) {
        const CBlindStorey& attic = StartElement<CBlindStorey>(m_manager, *entry);
        const auto* record =
            RecordOf<CLIB_BlindStorey>(m_manager, kBlindStoreyKind, *entry, attic.material_id);
        if (!record)
            continue;
        const double area = Area(attic.IsLWInputArea, attic.Length, attic.Width, attic.Area);
        for (int i = 0; i < Steps(); ++i) {
            float out[Hours]{};
            OutsideRoof(*record, area, attic.Color, Step(i), out);
            Add(Record(i)[BlindStoreyLoad], out);
        }
    }
}

void CStepElementPass::RoofGlazing(const SRoofGlazing& g, const ACStep& s, float* a, float* b) const
{
    const OuterBlock o = ACStepArgs::Outer(m_pass, s);
    const OutdoorTail t = ACStepArgs::Tail(m_pass, s);
    const float k = Season(s, g.KS, g.KW);
    const int32_t roomType = m_room.RoomType;
    m_library.GetCL_OutEnclose_Window(o.Latitude, o.Twg, o.Twk, o.TwgDay, o.Peak, o.SummerRoom, o.Room,
                                      roomType, k, g.Area, m_pass.Steady, a, t.Height, t.Elevation,
                                      t.WinterWind, t.SummerWind, t.Month);
    if (s.Global)
        m_library.GetCL_SkyWindow_Solar_Daily_Angle(
            m_pass.Latitude, m_pass.Longitude, m_pass.SummerDryBulb, roomType, g.Direction, k, g.SolarFactor,
            g.Area, m_pass.Steady, s.Winter, m_context.WinterGainFactor, s.Month, s.SolarDay,
            m_pass.GroundGrade, m_pass.TimeZone, b, s.Global, s.GlobalMean, g.Angle);
    else
        m_library.GetCL_SkyWindow_Solar_Angle(m_pass.Latitude, m_pass.Longitude, m_pass.SummerDryBulb,
                                              roomType, g.Direction, k, g.SolarFactor, g.Area, m_pass.Steady,
                                              s.Winter, m_context.WinterGainFactor, s.Month, s.SolarDay,
                                              m_pass.GroundGrade, m_pass.TimeZone, b, g.Angle);
    if (s.ZeroSolar)
        Zero(b);
    Plus(a);
    Plus(b);
}

void CStepElementPass::GlassRoofs(CCalculate_Room& room)
{
    for (const auto& entry : room.Elements(CGlassRoof::TypeCode)) {
        const CGlassRoof& glassRoof = StartElement<CGlassRoof>(m_manager, *entry);
        const auto* record =
            RecordOf<CLIB_GlassRoof>(m_manager, kGlassRoofKind, *entry, glassRoof.material_id);
        if (!record)
            continue;
        const SRoofGlazing g{
            record->K_S,
            record->K_W,
            Narrow(record->g * glassRoof.Shield),
            Narrow(Area(glassRoof.IsLWInputArea, glassRoof.Length, glassRoof.Width, glassRoof.Area)),
            glassRoof.Direction,
            glassRoof.Direction_Angle};
        for (int i = 0; i < Steps(); ++i) {
            float a[Hours]{}, b[Hours]{}, both[Hours];
            RoofGlazing(g, Step(i), a, b);
            Sum(a, b, both);
            Add(Record(i)[GlassRoofLoad], both);
            Add(Record(i)[SolarLoad], b);
        }
    }
}

void CStepElementPass::Grounds(CCalculate_Room& room)
{
    for (const auto& entry : room.Elements(CGround::TypeCode)) {
        const CGround& ground = StartElement<CGround>(m_manager, *entry);
        const auto* record = RecordOf<CLIB_Ground>(m_manager, kGroundKind, *entry, ground.material_id);
        if (!record)
            continue;
        const float area = Narrow(Area(ground.IsLWInputArea, ground.Length, ground.Width, ground.Area));
        for (int i = 0; i < Steps(); ++i) {
            const ACStep& s = Step(i);
            // The slab sees the mean of the ground and the outdoor air at the day's peak hour.
            const int hour = std::max(0, FindPeakIndex(s.GroundDryBulb, Hours, 0));
            const float groundSide = (s.GroundTemperature + s.GroundDryBulb[hour]) * 0.5f;
            float out[Hours]{};
            m_library.GetCL_Ground(s.IndoorTemp, groundSide, Season(s, record->K_S, record->K_W), area,
                                   s.Month, out);
            Plus(out);
            Add(Record(i)[GroundLoad], out);
        }
    }
}

void CStepElementPass::BasementWalls(CCalculate_Room& room)
{
    for (const auto& entry : room.Elements(CBasementWall::TypeCode)) {
        const CBasementWall& wall = StartElement<CBasementWall>(m_manager, *entry);
        const auto* record =
            RecordOf<CLIB_BasementWall>(m_manager, kBasementWallKind, *entry, wall.material_id);
        if (!record)
            continue;
        const float area = Narrow(Area(wall.IsLWInputArea, wall.Length, wall.Width, wall.Area));
        for (int i = 0; i < Steps(); ++i) {
            const ACStep& s = Step(i);
            float out[Hours]{};
            m_library.GetCL_BasementWall(s.IndoorTemp, s.GroundTemperature,
                                         Season(s, record->K_S, record->K_W), area, s.Month, out);
            Plus(out);
            Add(Record(i)[BasementWallLoad], out);
        }
    }
}

void CStepElementPass::ProjectionFloors(CCalculate_Room& room)
{
    for (const auto& entry : room.Elements(CProjectionFloor::TypeCode)) {
        const CProjectionFloor& floor = StartElement<CProjectionFloor>(m_manager, *entry);
        const auto* record =
            RecordOf<CLIB_ProjectionFloor>(m_manager, kProjectionFloorKind, *entry, floor.material_id);
        if (!record)
            continue;
        const float area = Narrow(Area(floor.IsLWInputArea, floor.Length, floor.Width, floor.Area));
        for (int i = 0; i < Steps(); ++i) {
            const ACStep& s = Step(i);
            const InnerBlock b = ACStepArgs::Inner(m_pass, s);
            const OutdoorTail t = ACStepArgs::Tail(m_pass, s);
            float out[Hours]{};
            m_library.GetCL_ProjectionFloor(b.Latitude, b.Twg, b.Mean, b.Twk, b.TwgDay, b.Peak, b.SummerRoom,
                                            b.Room, Season(s, record->K_S, record->K_W), Narrow(record->Beta),
                                            Season(s, record->Kesi_S, record->Kesi_W), area, m_pass.Steady,
                                            out, t.Height, t.Elevation, t.WinterWind, t.SummerWind, t.Month);
            Plus(out);
            Add(Record(i)[ProjectionFloorLoad], out);
        }
    }
}

void CStepElementPass::GapWalls(CCalculate_Room& room)
{
    for (const auto& entry : room.Elements(CGapWall::TypeCode)) {
        const CGapWall& gapWall = StartElement<CGapWall>(m_manager, *entry);
        const auto* record = RecordOf<CLIB_GapWall>(m_manager, kGapWallKind, *entry, gapWall.material_id);
        if (!record)
            continue;
        const float area = Narrow(Area(gapWall.IsLWInputArea, gapWall.Length, gapWall.Height, gapWall.Area));
        for (int i = 0; i < Steps(); ++i) {
            const ACStep& s = Step(i);
            const InnerBlock b = ACStepArgs::Inner(m_pass, s);
            float out[Hours]{};
            m_library.GetCL_GapWall(b.Latitude, b.Twg, b.Mean, b.Twk, b.TwgDay, b.Peak, b.SummerRoom, b.Room,
                                    Season(s, record->K_S, record->K_W), Narrow(record->Beta),
                                    Season(s, record->Kesi_S, record->Kesi_W), area, gapWall.GapWallType,
                                    m_pass.Steady, out);
            Plus(out);
            Add(Record(i)[GapWallLoad], out);
        }
    }
}

void CStepElementPass::OutdoorAir()
{
    // A room with its own supply state keeps it all year.
    const bool ownSupply = m_room.NewWind_Type != 0;
    CStepSchedule schedules(m_manager, m_room.ScheduleName);
    for (int i = 0; i < Steps(); ++i) {
        const ACStep& s = Step(i);
        const float* schedule = schedules.Of(s);
        float volume[Hours]{}, total[Hours]{}, sensible[Hours]{}, moisture[Hours]{};
        m_library.GetCL_FreshAir_D(m_context.OutdoorAirVolume, s.Pressure,
                                   ownSupply ? Narrow(m_room.NewWind_Temp_St) : s.IndoorTemp,
                                   ownSupply ? Narrow(m_room.NewWind_Humidity_Sh) : s.IndoorRH, s.DryBulb,
                                   s.WetBulb, schedule, volume, total, sensible, moisture);
        Plus(total);
        Plus(sensible);
        Plus(moisture);
        float(*r)[Hours] = Record(i);
        Add(r[FreshAirTotal], s.FreshAirSensibleOnly ? sensible : total);
        Add(r[FreshAirSensible], sensible);
        Add(r[FreshAirVolume], volume);
    }
}

void CStepElementPass::People(CCalculate_Room& room)
{
    if (!room.People)
        return;
    const CPeople& people = StartElement<CPeople>(m_manager, *room.People);
    const float area = Narrow(m_room.Area);
    const float cluster = Narrow(people.PeopleClassifyCoeffient);
    CStepSchedule schedules(m_manager, people.ScheduleName);
    for (int i = 0; i < Steps(); ++i) {
        const ACStep& s = Step(i);
        const float* schedule = schedules.Of(s);
        float(*r)[Hours] = Record(i);
        m_library.GetCL_Person(area, m_context.PersonsPerArea, m_room.RoomType, s.IndoorTemp,
                               people.LaborType, cluster, m_pass.Steady, s.Winter, m_context.WinterGainFactor,
                               schedule, r[PeopleTotal], r[PeopleSensible]);
        m_library.GetDL_Person(area, m_context.PersonsPerArea, s.IndoorTemp, people.LaborType, cluster,
                               schedule, r[PeopleMoisture]);
        Plus(r[PeopleTotal]);
        Plus(r[PeopleSensible]);
        Plus(r[PeopleMoisture]);
    }
}

void CStepElementPass::Lighting(CCalculate_Room& room)
{
    if (!room.Lighting)
        return;
    const CLighting& lighting = StartElement<CLighting>(m_manager, *room.Lighting);
    CStepSchedule schedules(m_manager, lighting.ScheduleName);
    for (int i = 0; i < Steps(); ++i) {
        const ACStep& s = Step(i);
        const float* schedule = schedules.Of(s);
        float* out = Record(i)[LightingLoad];
        m_library.GetCL_Light(
            m_room.RoomType, Narrow(lighting.LampPower), Narrow(lighting.ExposedFluorescencePower_Outside),
            Narrow(lighting.ExposedFluorescencePower_Inside), Narrow(lighting.ConcealedFluorescencePower),
            Narrow(lighting.SimultaneousUseCoefficient), lighting.LampshadeType, m_pass.Steady, s.Winter,
            m_context.WinterGainFactor, schedule, out);
        Plus(out);
    }
}

void CStepElementPass::HeatingEquipment(CCalculate_Room& room)
{
    const float roomArea = Narrow(m_room.Area);
    for (const auto& entry : room.Elements(kHeatingEquipmentType)) {
        const CHeatingEquipment& equipment = StartElement<CHeatingEquipment>(m_manager, *entry);
        const float power = Narrow(equipment.GetPower(roomArea));
        CStepSchedule schedules(m_manager, equipment.ScheduleName);
        for (int i = 0; i < Steps(); ++i) {
            const ACStep& s = Step(i);
            const float* schedule = schedules.Of(s);
            float out[Hours]{}, moisture[Hours]{};
            m_library.GetCL_HeatingEquipment(
                m_room.RoomType, power, Narrow(equipment.SimultaneousUseCoefficient),
                Narrow(equipment.UsageCoefficient), Narrow(equipment.LoadCoefficient),
                Narrow(equipment.VentilationCoefficient), m_pass.Steady, s.Winter, m_context.WinterGainFactor,
                schedule, out);
            m_library.GetDL_Equipment(m_room.RoomType, Narrow(equipment.HumidityLoad), schedule, moisture);
            Plus(out);
            Plus(moisture);
            Add(Record(i)[HeatingEquipmentLoad], out);
            Add(Record(i)[HeatingEquipmentMoisture], moisture);
        }
    }
}

void CStepElementPass::ElectricEquipment(CCalculate_Room& room)
{
    const float roomArea = Narrow(m_room.Area);
    for (const auto& entry : room.Elements(kElectricEquipmentType)) {
        const CElectricEquipment& equipment = StartElement<CElectricEquipment>(m_manager, *entry);
        const float power = Narrow(equipment.GetPower(roomArea));
        const float use = Narrow(equipment.SimultaneousUseCoefficient * equipment.LoadMultiple_Move *
                                 equipment.InputPowerMultiple_Move);
        CStepSchedule schedules(m_manager, equipment.ScheduleName);
        for (int i = 0; i < Steps(); ++i) {
            const ACStep& s = Step(i);
            const float* schedule = schedules.Of(s);
            float out[Hours]{}, moisture[Hours]{};
            m_library.GetCL_ElectricEquipment(
                m_room.RoomType, power, use, Narrow(equipment.InputPowerCoefficient),
                Narrow(equipment.ElectromotorEfficient), equipment.EquipmentLocation, m_pass.Steady, s.Winter,
                m_context.WinterGainFactor, schedule, out);
            m_library.GetDL_Equipment(m_room.RoomType, Narrow(equipment.HumidityLoad), schedule, moisture);
            Plus(out);
            Plus(moisture);
            Add(Record(i)[ElectricLoad], out);
            Add(Record(i)[ElectricMoisture], moisture);
        }
    }
}

void CStepElementPass::ElectronicEquipment(CCalculate_Room& room)
{
    const float roomArea = Narrow(m_room.Area);
    const int32_t roomType = m_room.RoomType;
    for (const auto& entry : room.Elements(kElectronicEquipmentType)) {
        const CElectronicEquipment& equipment = StartElement<CElectronicEquipment>(m_manager, *entry);
        const float power = Narrow(equipment.GetPower(roomArea));
        CStepSchedule schedules(m_manager, equipment.ScheduleName);
        for (int i = 0; i < Steps(); ++i) {
            const ACStep& s = Step(i);
            const float* schedule = schedules.Of(s);
            const float coef = m_context.WinterGainFactor;
            float out[Hours]{};
            switch (equipment.EleCatMethod) {
            case 0:
                m_library.GetCL_ElectronicEquipment(
                    roomType, power, Narrow(equipment.NormalSimUseCoefficient),
                    Narrow(equipment.NormalUsageCoefficient), Narrow(equipment.NormalLoadCoefficient),
                    m_pass.Steady, s.Winter, coef, schedule, out);
                break;
            case 1:
                m_library.GetCL_ElectricEquipment(roomType, power,
                                                  Narrow(equipment.SimultaneousUseCoefficient),
                                                  Narrow(equipment.UsageCoefficient), 0.84f, 1, m_pass.Steady,
                                                  s.Winter, coef, schedule, out);
                break;
            case 2: {
                // The profile of a nominal appliance, scaled so that its peak is the heat release entered.
                m_library.GetCL_ElectronicEquipment(roomType, 100.0f, 1.0f, 0.8f, 0.5f, m_pass.Steady,
                                                    s.Winter, coef, schedule, out);
                const double heatRelease = equipment.HeatReleaseUnit != 0
                                               ? equipment.HeatRelease * m_room.Area
                                               : equipment.HeatRelease;
                const float peak = CCalculate_Manager::FindAbsPeak24(out);
                double factor = peak != 0 ? heatRelease / peak : 0.0;
                if (s.Winter == 1)
                    factor *= coef;
                for (float& value : out)
                    value = Narrow(value * factor);
                break;
            }
            case 3:
                m_library.GetCL_ElectronicEquipment(roomType, Narrow(m_room.Area * equipment.PowerDensity),
                                                    1.0f, 1.0f, 1.0f, m_pass.Steady, s.Winter, coef, schedule,
                                                    out);
                break;
            default:
                break;
            }
            Plus(out);
            Add(Record(i)[ElectronicLoad], out);
        }
    }
}

void CStepElementPass::Food(CCalculate_Room& room)
{
    for (const auto& entry : room.Elements(kFoodType)) {
        const CFood& food = StartElement<CFood>(m_manager, *entry);
        const float cluster = Narrow(food.PeopleClassifyCoeffient);
        CStepSchedule schedules(m_manager, food.ScheduleName);
        for (int i = 0; i < Steps(); ++i) {
            const ACStep& s = Step(i);
            const float* schedule = schedules.Of(s);
            float out[Hours]{}, moisture[Hours]{};
            m_library.GetCL_Addition_Food(food.PeopleQuantity, cluster, m_pass.Steady, s.Winter,
                                          m_context.WinterGainFactor, schedule, out);
            m_library.GetDL_Addition_Food(food.PeopleQuantity, cluster, schedule, moisture);
            Plus(out);
            Plus(moisture);
            Add(Record(i)[FoodLoad], out);
            Add(Record(i)[FoodMoisture], moisture);
        }
    }
}

void CStepElementPass::Evaporating(CCalculate_Room& room)
{
    for (const auto& entry : room.Elements(kEvaporatingType)) {
        const CEvaporating& water = StartElement<CEvaporating>(m_manager, *entry);
        const float surface = Narrow(water.SurfaceArea);
        const float temperature = Narrow(water.WaterTemperature);
        CStepSchedule schedules(m_manager, water.ScheduleName);
        for (int i = 0; i < Steps(); ++i) {
            const ACStep& s = Step(i);
            const float* schedule = schedules.Of(s);
            float out[Hours]{}, moisture[Hours]{};
            m_library.GetCL_Addition_Vapor_Precision(surface, temperature, m_pass.Steady, s.Winter,
                                                     m_context.WinterGainFactor, schedule, out, s.IndoorTemp,
                                                     s.IndoorRH, s.Pressure);
            m_library.GetDL_Addition_Vapor_Precision(surface, temperature, s.Winter,
                                                     m_context.WinterGainFactor, schedule, moisture,
                                                     s.IndoorTemp, s.IndoorRH, s.Pressure);
            Plus(out);
            Plus(moisture);
            Add(Record(i)[WaterLoad], out);
            Add(Record(i)[WaterMoisture], moisture);
        }
    }
}

void CStepElementPass::Infiltration(CCalculate_Room& room)
{
    const float area = Narrow(m_room.Area);
    const float height = Narrow(m_room.Height);
    for (const auto& entry : room.Elements(kInfiltrationType)) {
        const CInfiltration& infiltration = StartElement<CInfiltration>(m_manager, *entry);
        const float passages = static_cast<float>(infiltration.PeopleQUantity);
        CStepSchedule schedules(m_manager, infiltration.ScheduleName);
        for (int i = 0; i < Steps(); ++i) {
            const ACStep& s = Step(i);
            const float* schedule = schedules.Of(s);
            float out[Hours]{}, spare[Hours]{}, moisture[Hours]{};
            m_library.GetCL_Addition_Infiltration_N(area, height, s.Pressure, s.IndoorTemp, s.IndoorRH,
                                                    s.DryBulb, s.WetBulb, passages, infiltration.DoorType,
                                                    schedule, out, spare, Narrow(infiltration.n_data));
            m_library.GetDL_Addition_Infiltration(area, height, s.Pressure, s.IndoorTemp, s.IndoorRH,
                                                  s.DryBulb, s.WetBulb, passages, infiltration.DoorType,
                                                  schedule, moisture);
            // The library gives kg/h; the record keeps g/h.
            for (float& value : moisture)
                value *= 1000.0f;
            Plus(out);
            Plus(moisture);
            Add(Record(i)[InfiltrationLoad], out);
            Add(Record(i)[InfiltrationMoisture], moisture);
        }
    }
}

void CStepElementPass::OutsideOpening(const SOutsideOpening& o, const ACStep& s, float* a, float* b) const
{
    const OuterBlock ob = ACStepArgs::Outer(m_pass, s);
    const OutdoorTail t = ACStepArgs::Tail(m_pass, s);
    const float k = Season(s, o.KS, o.KW);
    const int32_t roomType = m_room.RoomType;
    const float* c = m_pass.OrientationCoef;
    m_library.GetCL_OutEnclose_Window(ob.Latitude, ob.Twg, ob.Twk, ob.TwgDay, ob.Peak, ob.SummerRoom, ob.Room,
                                      roomType, k, o.Area, m_pass.Steady, a, t.Height, t.Elevation,
                                      t.WinterWind, t.SummerWind, t.Month);
    m_library.GetCL_OutEnclose_Window_2014_Angle(ob.Latitude, ob.Twg, ob.Twk, ob.TwgDay, ob.Peak,
                                                 ob.SummerRoom, ob.Room, roomType, k, o.Area, m_pass.Steady,
                                                 a, t.Height, t.Elevation, t.WinterWind, t.SummerWind,
                                                 t.Month, o.Direction, c[0], c[1], c[2], c[3], o.Angle);
    const SSolarOpening& sol = o.Solar;
    if (s.Global)
        m_library.GetCL_OutEnclose_Solar_Daily_Angle(
            m_pass.Latitude, m_pass.Longitude, m_pass.SummerDryBulb, roomType, o.Direction, k, o.SolarFactor,
            sol.ShieldType, sol.AirSupplyType, sol.InsideShieldMaterials, o.Area, m_pass.Steady, s.Winter,
            m_context.WinterGainFactor, s.Month, s.SolarDay, m_pass.GroundGrade, m_pass.TimeZone,
            sol.Shade[0], sol.Shade[1], sol.Shade[2], sol.Shade[3], sol.Shade[4], sol.Shade[5], sol.Quantity,
            b, s.Global, s.GlobalMean, o.Angle);
    else
        m_library.GetCL_OutEnclose_Solar_Angle(
            m_pass.Latitude, m_pass.Longitude, m_pass.SummerDryBulb, roomType, o.Direction, k, o.SolarFactor,
            sol.ShieldType, sol.AirSupplyType, sol.InsideShieldMaterials, o.Area, m_pass.Steady, s.Winter,
            m_context.WinterGainFactor, s.Month, s.SolarDay, m_pass.GroundGrade, m_pass.TimeZone,
            sol.Shade[0], sol.Shade[1], sol.Shade[2], sol.Shade[3], sol.Shade[4], sol.Shade[5], sol.Quantity,
            b, o.Angle);
    if (s.ZeroSolar)
        Zero(b);
    Plus(a);
    Plus(b);
}

void CStepElementPass::OutsideWalls(CCalculate_Room& room)
{
    for (const auto& outsideWall : room.OutsideWalls) {
        const COutsideWall& wall = StartElement<COutsideWall>(m_manager, *outsideWall->Wall);
        double openingArea = 0;

        for (const auto& doorEntry : outsideWall->Doors) {
            const COutsideDoor& door = StartElement<COutsideDoor>(m_manager, *doorEntry);
            const auto* record =
                RecordOf<CLIB_OutsideDoor>(m_manager, kOutsideDoorKind, *doorEntry, door.material_id);
            if (!record)
                continue;
            const double area = Area(door.IsLWInputArea, door.Length, door.Height, door.Area) * door.Quantity;
            openingArea += area;
            const SOutsideOpening o{record->K_S,
                                    record->K_W,
                                    Narrow(record->g),
                                    Narrow(area),
                                    SolarOpeningOf(door.ShieldType, door.AirSupplyType,
                                                   door.InsideShieldMaterials, door.OutsideShield,
                                                   door.Quantity),
                                    wall.Direction,
                                    wall.Direction_Angle};
            for (int i = 0; i < Steps(); ++i) {
                float a[Hours]{}, b[Hours]{}, both[Hours];
                OutsideOpening(o, Step(i), a, b);
                Sum(a, b, both);
                Add(Record(i)[OutsideDoorLoad], both);
                Add(Record(i)[OutsideWallWithOpenings], both);
                Add(Record(i)[SolarLoad], b);
            }
        }

        for (const auto& windowEntry : outsideWall->Windows) {
            const COutsideWindow& window = StartElement<COutsideWindow>(m_manager, *windowEntry);
            const auto* record =
                RecordOf<CLIB_OutsideWindow>(m_manager, kOutsideWindowKind, *windowEntry, window.material_id);
            if (!record)
                continue;
            const double area =
                Area(window.IsLWInputArea, window.Length, window.Height, window.Area) * window.Quantity;
            openingArea += area;
            // The window's shading and correction factors act on its solar gain as in the detailed
            // calculation.
            const SOutsideOpening o{
                record->K_S,
                record->K_W,
                Narrow(record->g * record->Inside_Sunshade * record->Outside_Sunshade * record->Glass_Revise),
                Narrow(area),
                SolarOpeningOf(window.ShieldType, window.AirSupplyType, window.InsideShieldMaterials,
                               window.OutsideShield, window.Quantity),
                wall.Direction,
                wall.Direction_Angle};
            for (int i = 0; i < Steps(); ++i) {
                float a[Hours]{}, b[Hours]{}, both[Hours];
                OutsideOpening(o, Step(i), a, b);
                Sum(a, b, both);
                Add(Record(i)[OutsideWindowLoad], both);
                Add(Record(i)[OutsideWallWithOpenings], both);
                Add(Record(i)[SolarLoad], b);
            }
        }

        const auto* record =
            RecordOf<CLIB_OutsideWall>(m_manager, kOutsideWallKind, *outsideWall->Wall, wall.material_id);
        if (!record)
            continue;
        const float area = Narrow(CCalculate_Manager::ACNetArea(
            m_context, Area(wall.IsLWInputArea, wall.Length, wall.Height, wall.Area), openingArea));
        const float* c = m_pass.OrientationCoef;
        for (int i = 0; i < Steps(); ++i) {
            const ACStep& s = Step(i);
            const OuterBlock o = ACStepArgs::Outer(m_pass, s);
            const OutdoorTail t = ACStepArgs::Tail(m_pass, s);
            float out[Hours]{};
            m_library.GetCL_OutEnclose_Wall_v2005_Angle(
                o.Latitude, o.Twg, o.Twk, o.TwgDay, o.Peak, o.SummerRoom, o.Room, wall.Direction,
                Season(s, record->K_S, record->K_W), Narrow(record->Beta),
                Season(s, record->Kesi_S, record->Kesi_W), area, m_pass.Steady, out, t.Height, t.Elevation,
                t.WinterWind, t.SummerWind, t.Month, c[0], c[1], c[2], c[3], wall.Direction_Angle);
            Plus(out);
            Add(Record(i)[OutsideWallLoad], out);
            Add(Record(i)[OutsideWallWithOpenings], out);
        }
    }
}

template <typename TElement>
void CStepElementPass::InsideOpenings(const CInsideWall& wall, const CBaseDataList& entries, int libraryKind,
                                      int array, double& openingArea)
{
    for (const auto& entry : entries) {
        const TElement& opening = StartElement<TElement>(m_manager, *entry);
        const auto* record =
            RecordOf<CLIB_InsideOpening>(m_manager, libraryKind, *entry, opening.material_id);
        if (!record)
            continue;
        const double area =
            Area(opening.IsLWInputArea, opening.Length, opening.Width, opening.Area) * opening.Quantity;
        openingArea += area;
        for (int i = 0; i < Steps(); ++i) {
            const ACStep& s = Step(i);
            const InnerBlock b = ACStepArgs::Inner(m_pass, s);
            float out[Hours]{};
            m_library.GetCL_InEnclose_Window_v2005(
                b.Latitude, b.Twg, b.Mean, b.Twk, b.TwgDay, b.Peak, b.SummerRoom, b.Room, m_room.RoomType,
                wall.AdjacentRoomStatus, Season(s, record->K_S, record->K_W), Narrow(area), m_pass.Steady,
                out, Season(s, wall.Summer_NearRoomDeltaT, wall.Winter_NearRoomDeltaT),
                Narrow(wall.Coefficient));
            Plus(out);
            Add(Record(i)[array], out);
            Add(Record(i)[InsideWallWithOpenings], out);
        }
    }
}

void CStepElementPass::InsideWalls(CCalculate_Room& room)
{
    for (const auto& insideWall : room.InsideWalls) {
        const CInsideWall& wall = StartElement<CInsideWall>(m_manager, *insideWall->Wall);
        double openingArea = 0;

        InsideOpenings<CInsideDoor>(wall, insideWall->Doors, kInsideDoorKind, InsideDoorLoad, openingArea);
        InsideOpenings<CInsideWindow>(wall, insideWall->Windows, kInsideWindowKind, InsideWindowLoad,
                                      openingArea);

        const auto* record =
            RecordOf<CLIB_InsideWall>(m_manager, kInsideWallKind, *insideWall->Wall, wall.material_id);
        if (!record)
            continue;
        const float area = Narrow(CCalculate_Manager::ACNetArea(
            m_context, Area(wall.IsLWInputArea, wall.Length, wall.Height, wall.Area), openingArea));
        for (int i = 0; i < Steps(); ++i) {
            const ACStep& s = Step(i);
            const InnerBlock b = ACStepArgs::Inner(m_pass, s);
            float out[Hours]{};
            m_library.GetCL_InEnclose_Wall_v2005(
                b.Latitude, b.Twg, b.Mean, b.Twk, b.TwgDay, b.Peak, b.SummerRoom, b.Room,
                Season(s, record->K_S, record->K_W), Narrow(record->Beta),
                Season(s, record->Kesi_S, record->Kesi_W), area, wall.AdjacentRoomStatus, m_pass.Steady, out,
                Season(s, wall.Summer_NearRoomDeltaT, wall.Winter_NearRoomDeltaT), Narrow(wall.Coefficient));
            Plus(out);
            Add(Record(i)[InsideWallLoad], out);
            Add(Record(i)[InsideWallWithOpenings], out);
        }
    }
}

void CStepElementPass::Roofs(CCalculate_Room& room)
{
    for (const auto& calcRoof : room.Roofs) {
        const CRoof& roof = StartElement<CRoof>(m_manager, *calcRoof->Roof);
        double openingArea = 0;

        for (const auto& entry : calcRoof->SkyWindows) {
            const CSkyWindow& skylight = StartElement<CSkyWindow>(m_manager, *entry);
            const auto* glass =
                RecordOf<CLIB_SkyWindow>(m_manager, kSkyWindowKind, *entry, skylight.material_id);
            if (!glass)
                continue;
            const double area = Area(skylight.IsLWInputArea, skylight.Length, skylight.Width, skylight.Area) *
                                skylight.Quantity;
            openingArea += area;
            // A skylight faces the way its roof does.
            const SRoofGlazing g{glass->K_S,   glass->K_W,     Narrow(glass->g * skylight.Shield),
                                 Narrow(area), roof.Direction, roof.Direction_Angle};
            for (int i = 0; i < Steps(); ++i) {
                float a[Hours]{}, b[Hours]{}, both[Hours];
                RoofGlazing(g, Step(i), a, b);
                Sum(a, b, both);
                Add(Record(i)[SkylightLoad], both);
                Add(Record(i)[RoofWithSkylights], both);
                Add(Record(i)[SolarLoad], b);
            }
        }

        const auto* record = RecordOf<CLIB_Roof>(m_manager, kRoofKind, *calcRoof->Roof, roof.material_id);
        if (!record)
            continue;
        // The library takes the roof's area projected onto the horizontal.
        const double area =
            CCalculate_Manager::ACNetArea(
                m_context, Area(roof.IsLWInputArea, roof.Length, roof.Width, roof.Area), openingArea) *
            std::cos(roof.Obliquity * kPi / 180);
        for (int i = 0; i < Steps(); ++i) {
            float out[Hours]{};
            OutsideRoof(*record, area, roof.Color, Step(i), out);
            Add(Record(i)[RoofWithSkylights], out);
            Add(Record(i)[RoofLoad], out);
        }
    }
}

void CStepElementPass::CurtainWalls(CCalculate_Room& room)
{
    for (const auto& entry : room.Elements(CGlassCurtainWall::TypeCode)) {
        const CGlassCurtainWall& curtain = StartElement<CGlassCurtainWall>(m_manager, *entry);
        const auto* record =
            RecordOf<CLIB_GlassCurtainWall>(m_manager, kGlassCurtainWallKind, *entry, curtain.material_id);
        if (!record)
            continue;
        // A curtain wall has no outside shading and no quantity.
        const SOutsideOpening o{
            record->K_S,
            record->K_W,
            Narrow(record->g),
            Narrow(Area(curtain.IsLWInputArea, curtain.Length, curtain.Height, curtain.Area)),
            SolarOpeningOf(curtain.ShieldType, curtain.AirSupplyType, curtain.InsideShieldMaterials, {}, 0),
            curtain.Direction,
            curtain.Direction_Angle};
        for (int i = 0; i < Steps(); ++i) {
            float a[Hours]{}, b[Hours]{}, both[Hours];
            OutsideOpening(o, Step(i), a, b);
            Sum(a, b, both);
            Add(Record(i)[CurtainWallLoad], both);
            Add(Record(i)[SolarLoad], b);
        }
    }
}

} // namespace

CCalculate_Manager::ACStepPass ACStepArgs::PassOf(const RoomCalcContext& context, double storeyElevation)
{
    const CLIB_WeatherParameter& weather = CLIB_WeatherParameter::Current();
    const CRoom& room = *context.Room;
    ACStepPass pass;
    pass.Latitude = Narrow(weather.Latitude);
    pass.Longitude = Narrow(weather.Longitude);
    pass.SummerDryBulb = Narrow(weather.SummerAirConditioningDesignDrybulbTemperature);
    pass.WinterDryBulb = Narrow(weather.WinterAirConditioningDesignDrybulbTemperature);
    pass.SummerRoom = Narrow(room.SummerACTemperature);
    pass.Height = Narrow(room.Height);
    pass.Elevation = Narrow(storeyElevation);
    pass.WinterWindSpeed = Narrow(weather.WinterWindSpeed);
    pass.SummerWindSpeed = Narrow(weather.SummerWindSpeed);
    pass.GroundGrade = weather.GroundGrade;
    pass.TimeZone = Narrow(weather.TimeZone);
    static const char* const orientationKeys[4] = {
        "HeatingLoadCoefficient_North", "HeatingLoadCoefficient_East", "HeatingLoadCoefficient_SouthEast",
        "HeatingLoadCoefficient_South"};
    for (int i = 0; i < 4; ++i)
        pass.OrientationCoef[i] = Narrow(CDefaultValue::Real(QLatin1String(orientationKeys[i])));
    return pass;
}

void CCalculate_Manager::CalculateACStepElements(const RoomCalcContext& context, CCalculate_Room& room,
                                                 const ACStepPass& pass,
                                                 CCalculate_Result_IsACLoadStepCalculation* records)
{
    CStepElementPass(*this, context, pass, records).Run(room);
}
