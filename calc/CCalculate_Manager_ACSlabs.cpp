// Detailed air-conditioning loads of floor slabs, floors, attics, glass roofs, ground slabs, basement
// walls, projection floors, gap walls, inside walls with their openings and roofs with their
// skylights.
#include "calc/ACEnvelopeArgs.h"
#include "calc/ArraySums.h"
#include "calc/CCalcLibraryBase.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "calc/CCalculate_Room.h"
#include "library/CLibraryRecords.h"
#include "model/CBasementWall.h"
#include "model/CBlindStorey.h"
#include "model/CCeiling.h"
#include "model/CFloor.h"
#include "model/CGapWall.h"
#include "model/CGlassRoof.h"
#include "model/CGround.h"
#include "model/CInsideDoor.h"
#include "model/CInsideWall.h"
#include "model/CInsideWindow.h"
#include "model/CProjectionFloor.h"
#include "model/CRoof.h"
#include "model/CRoom.h"
#include "model/CSkyWindow.h"

#include <cmath>

using namespace ACEnvelope;

namespace {

// Library kind codes of the constructions.
constexpr int kInsideWallKind = 1;
constexpr int kCeilingKind = 2;
constexpr int kFloorKind = 3;
constexpr int kRoofKind = 4;
constexpr int kBlindStoreyKind = 5;
constexpr int kGlassRoofKind = 9;
constexpr int kInsideWindowKind = 10;
constexpr int kInsideDoorKind = 11;
constexpr int kSkyWindowKind = 12;
constexpr int kGroundKind = 13;
constexpr int kProjectionFloorKind = 14;
constexpr int kGapWallKind = 15;
constexpr int kBasementWallKind = 19;

// Result arrays of these passes.
enum : int
{
    InsideWallWithOpeningsCool = 52,
    InsideWallWithOpeningsHeat = 53,
    InsideWindowCool = 62,
    InsideWindowHeat = 63,
    InsideDoorCool = 64,
    InsideDoorHeat = 65,
    RoofWithSkylightsCool = 66,
    RoofWithSkylightsHeat = 67,
    SkylightCool = 68,
    SkylightHeat = 69,
    SkylightConductionCool = 70,
    SkylightConductionHeat = 71,
    SkylightSolarCool = 72,
    SkylightSolarHeat = 73,
    CeilingCool = 74,
    CeilingHeat = 75,
    GlassRoofCool = 76,
    GlassRoofHeat = 77,
    FloorCool = 78,
    FloorHeat = 79,
    ProjectionFloorCool = 80,
    ProjectionFloorHeat = 81,
    BlindStoreyCool = 82,
    BlindStoreyHeat = 83,
    InsideWallCool = 86,
    InsideWallHeat = 87,
    RoofCool = 88,
    RoofHeat = 89,
    GapWallCool = 92,
    GapWallHeat = 93,
    WinterSolar = 94,
    SummerSolar = 95,
    GlassRoofConductionCool = 98,
    GlassRoofConductionHeat = 99,
    GlassRoofSolarCool = 100,
    GlassRoofSolarHeat = 101,
    GroundCool = 102,
    GroundHeat = 103,
    BasementWallCool = 104,
    BasementWallHeat = 105,
};

constexpr double kPi = 3.1415926;

// Summer and winter values of a layered construction.
struct SLayered
{
    float K[2];
    float Beta;
    float Kesi[2];
};

SLayered LayeredOf(const CLIB_LayeredConstruction& record)
{
    return {{static_cast<float>(record.K_S), static_cast<float>(record.K_W)},
            static_cast<float>(record.Beta),
            {static_cast<float>(record.Kesi_S), static_cast<float>(record.Kesi_W)}};
}

// Conduction of a glass roof or skylight (no orientation correction).
void GlazingConduction(CCalcLibraryBase& library, const ACDesignConditions& c, ACSeason s, int32_t roomType,
                       double k, double area, float* out)
{
    const OuterBlock o = Outer(c, s);
    const OutdoorTail t = Tail(c, s);
    library.GetCL_OutEnclose_Window(o.Latitude, o.Twg, o.Twk, o.TwgDay, o.Peak, o.SummerRoom, o.Room,
                                    roomType, static_cast<float>(k), static_cast<float>(area),
                                    c.SteadyFlag(s), out, t.Height, t.Elevation, t.WinterWind, t.SummerWind,
                                    t.Month);
}

// Solar gain through a glass roof or skylight.
void GlazingSolar(CCalcLibraryBase& library, const ACDesignConditions& c, const RoomCalcContext& context,
                  ACSeason s, int32_t roomType, int32_t direction, double directionAngle, double k,
                  double solarFactor, double area, float* out)
{
    library.GetCL_SkyWindow_Solar_Angle(
        c.Latitude, c.Longitude, c.SummerDryBulb, roomType, direction, static_cast<float>(k),
        static_cast<float>(solarFactor), static_cast<float>(area), c.SteadyFlag(s),
        ACDesignConditions::WinterFlag(s), context.WinterGainFactor, ACDesignConditions::Month(s), SolarDay,
        c.GroundGrade, c.TimeZone, out, directionAngle);
}

// An attic or roof for one season.
void RoofCall(CCalcLibraryBase& library, const ACDesignConditions& c, ACSeason s, const SLayered& layers,
              double area, int32_t color, float* out)
{
    const OuterBlock o = Outer(c, s);
    const OutdoorTail t = Tail(c, s);
    library.GetCL_OutEnclose_Roof(o.Latitude, o.Twg, o.Twk, o.TwgDay, o.Peak, o.SummerRoom, o.Room,
                                  layers.K[s], layers.Beta, layers.Kesi[s], static_cast<float>(area), color,
                                  c.SteadyFlag(s), out, t.Height, t.Elevation, t.WinterWind, t.SummerWind,
                                  t.Month);
}

} // namespace

namespace {

// Floor slabs and floors: the same function and columns, their own arrays. The winter side is
// calculated only when the element counts winter heat transfer.
template <typename TRecord>
void CalculateAdjacentSlabs(CCalculate_Manager& manager, RoomCalcContext& context,
                            const ACDesignConditions& c, CCalculate_Room& room,
                            CCalculate_Result_IsACLoadCalculation& result, int listKind, int libraryKind,
                            int coolArray, int heatArray)
{
    CCalcLibraryBase& library = manager.CalcLibrary();
    for (const auto& entry : room.Elements(listKind)) {
        float out[2][Hours]{};
        const CAdjacentRoomSlab& slab = StartElement<CAdjacentRoomSlab>(manager, *entry);
        const auto* record = RecordOf<TRecord>(manager, libraryKind, *entry, slab.material_id);
        if (!record)
            continue;
        const SLayered layers = LayeredOf(*record);
        const double area = CCalculate_Manager::ACElementArea(context, slab.IsLWInputArea, slab.Length,
                                                              slab.Width, slab.Area);
        for (const ACSeason s : {Summer, Winter}) {
            if (s == Winter && slab.bWinter_Heat_Transfer == 0)
                continue;
            const InnerBlock i = Inner(c, s);
            library.GetCL_InEnclose_Floor_v2005(
                i.Latitude, i.Twg, i.Mean, i.Twk, i.TwgDay, i.Peak, i.SummerRoom, i.Room, layers.K[s],
                layers.Beta, layers.Kesi[s], static_cast<float>(area), slab.AdjacentRoomStatus,
                c.SteadyFlag(s), out[s],
                static_cast<float>(s == Summer ? slab.NearRoomDeltaT_Sum : slab.NearRoomDeltaT_Win),
                static_cast<float>(slab.Coefficient_Value));
            ApplySeasonFactors(context, s, out[s]);
        }
        CCalculate_Manager::AddACSeasonPair(context, result.Hourly[coolArray], out[Summer],
                                            result.Hourly[heatArray], out[Winter]);
    }
}

// Ground slabs and basement walls: a constant load against the ground-side temperature.
template <typename TElement, typename TRecord>
void CalculateGroundContacts(CCalculate_Manager& manager, RoomCalcContext& context,
                             const ACDesignConditions& c, CCalculate_Room& room,
                             CCalculate_Result_IsACLoadCalculation& result, int listKind, int libraryKind,
                             bool mixWithOutdoor, int coolArray, int heatArray)
{
    CCalcLibraryBase& library = manager.CalcLibrary();
    for (const auto& entry : room.Elements(listKind)) {
        float out[2][Hours]{};
        const TElement& element = StartElement<TElement>(manager, *entry);
        const auto* record = RecordOf<TRecord>(manager, libraryKind, *entry, element.material_id);
        if (!record)
            continue;
        const double area = CCalculate_Manager::ACElementArea(context, element.IsLWInputArea, element.Length,
                                                              element.Width, element.Area);
        for (const ACSeason s : {Summer, Winter}) {
            const float outdoor = s == Summer ? c.SummerDryBulb : c.WinterDryBulb;
            // A ground slab sees the mean of the ground and the outdoor air; a basement wall the ground.
            const float groundSide =
                mixWithOutdoor ? (c.GroundTemperature[s] + outdoor) * 0.5f : c.GroundTemperature[s];
            const float k = static_cast<float>(s == Summer ? record->K_S : record->K_W);
            if (mixWithOutdoor)
                library.GetCL_Ground(c.RoomTemperature[s], groundSide, k, static_cast<float>(area),
                                     ACDesignConditions::Month(s), out[s]);
            else
                library.GetCL_BasementWall(c.RoomTemperature[s], groundSide, k, static_cast<float>(area),
                                           ACDesignConditions::Month(s), out[s]);
            ApplySeasonFactors(context, s, out[s]);
        }
        CCalculate_Manager::AddACSeasonPair(context, result.Hourly[coolArray], out[Summer],
                                            result.Hourly[heatArray], out[Winter]);
    }
}

} // namespace

void CCalculate_Manager::CalculateACCeilings(RoomCalcContext& context, const ACDesignConditions& conditions,
                                             CCalculate_Room& room,
                                             CCalculate_Result_IsACLoadCalculation& result)
{
    CalculateAdjacentSlabs<CLIB_Ceiling>(*this, context, conditions, room, result, CCeiling::TypeCode,
                                         kCeilingKind, CeilingCool, CeilingHeat);
}

void CCalculate_Manager::CalculateACFloors(RoomCalcContext& context, const ACDesignConditions& conditions,
                                           CCalculate_Room& room,
                                           CCalculate_Result_IsACLoadCalculation& result)
{
    CalculateAdjacentSlabs<CLIB_Floor>(*this, context, conditions, room, result, CFloor::TypeCode, kFloorKind,
                                       FloorCool, FloorHeat);
}

void CCalculate_Manager::CalculateACBlindStoreys(RoomCalcContext& context,
                                                 const ACDesignConditions& conditions, CCalculate_Room& room,
                                                 CCalculate_Result_IsACLoadCalculation& result)
{
    CCalcLibraryBase& library = CalcLibrary();
    for (const auto& entry : room.Elements(CBlindStorey::TypeCode)) {
        float out[2][Hours]{};
        const CBlindStorey& attic = StartElement<CBlindStorey>(*this, *entry);
        const auto* record = RecordOf<CLIB_BlindStorey>(*this, kBlindStoreyKind, *entry, attic.material_id);
        if (!record)
            continue;
        const SLayered layers = LayeredOf(*record);
        const double area =
            ACElementArea(context, attic.IsLWInputArea, attic.Length, attic.Width, attic.Area);
        for (const ACSeason s : {Summer, Winter}) {
            RoofCall(library, conditions, s, layers, area, attic.Color, out[s]);
            ApplySeasonFactors(context, s, out[s]);
        }
        AddACSeasonPair(context, result.Hourly[BlindStoreyCool], out[Summer], result.Hourly[BlindStoreyHeat],
                        out[Winter]);
    }
}

void CCalculate_Manager::CalculateACGlassRoofs(RoomCalcContext& context, const ACDesignConditions& conditions,
                                               CCalculate_Room& room,
                                               CCalculate_Result_IsACLoadCalculation& result)
{
    CCalcLibraryBase& library = CalcLibrary();
    const int32_t roomType = context.Room->RoomType;
    float(*r)[Hours] = result.Hourly;
    for (const auto& entry : room.Elements(CGlassRoof::TypeCode)) {
        float cond[2][Hours]{}, sol[2][Hours]{};
        float both[Hours];
        const CGlassRoof& glassRoof = StartElement<CGlassRoof>(*this, *entry);
        const auto* record = RecordOf<CLIB_GlassRoof>(*this, kGlassRoofKind, *entry, glassRoof.material_id);
        if (!record)
            continue;
        const double area = ACElementArea(context, glassRoof.IsLWInputArea, glassRoof.Length, glassRoof.Width,
                                          glassRoof.Area);
        const double solarFactor = record->g * glassRoof.Shield;
        const double k[2] = {record->K_S, record->K_W};

        for (const ACSeason s : {Summer, Winter}) {
            GlazingConduction(library, conditions, s, roomType, k[s], area, cond[s]);
            ApplySeasonFactors(context, s, cond[s]);
        }
        if (context.SummerCooling) {
            GlazingSolar(library, conditions, context, Summer, roomType, glassRoof.Direction,
                         glassRoof.Direction_Angle, k[Summer], solarFactor, area, sol[Summer]);
            ApplySeasonFactors(context, Summer, sol[Summer]);
        }
        GlazingSolar(library, conditions, context, Winter, roomType, glassRoof.Direction,
                     glassRoof.Direction_Angle, k[Winter], solarFactor, area, sol[Winter]);
        ApplySeasonFactors(context, Winter, sol[Winter]);
        ApplyACWinterSolarSwitch(conditions, sol[Winter]);

        if (context.SummerCooling) {
            Sum(cond[Summer], sol[Summer], both);
            AddArray(r[GlassRoofCool], both, Hours, false);
            AddArray(r[SummerSolar], sol[Summer], Hours, false);
            AddArray(r[GlassRoofConductionCool], cond[Summer], Hours, false);
            AddArray(r[GlassRoofSolarCool], sol[Summer], Hours, false);
        }
        if (context.WinterAC) {
            Sum(cond[Winter], sol[Winter], both);
            AddArray(r[GlassRoofHeat], both, Hours, false);
            AddArray(r[WinterSolar], sol[Winter], Hours, false);
            AddArray(r[GlassRoofConductionHeat], cond[Winter], Hours, false);
            AddArray(r[GlassRoofSolarHeat], sol[Winter], Hours, false);
        }
    }
}

void CCalculate_Manager::CalculateACGrounds(RoomCalcContext& context, const ACDesignConditions& conditions,
                                            CCalculate_Room& room,
                                            CCalculate_Result_IsACLoadCalculation& result)
{
    CalculateGroundContacts<CGround, CLIB_Ground>(*this, context, conditions, room, result, CGround::TypeCode,
                                                  kGroundKind, true, GroundCool, GroundHeat);
}

void CCalculate_Manager::CalculateACBasementWalls(RoomCalcContext& context,
                                                  const ACDesignConditions& conditions, CCalculate_Room& room,
                                                  CCalculate_Result_IsACLoadCalculation& result)
{
    CalculateGroundContacts<CBasementWall, CLIB_BasementWall>(*this, context, conditions, room, result,
                                                              CBasementWall::TypeCode, kBasementWallKind,
                                                              false, BasementWallCool, BasementWallHeat);
}

void CCalculate_Manager::CalculateACProjectionFloors(RoomCalcContext& context,
                                                     const ACDesignConditions& conditions,
                                                     CCalculate_Room& room,
                                                     CCalculate_Result_IsACLoadCalculation& result)
{
    CCalcLibraryBase& library = CalcLibrary();
    for (const auto& entry : room.Elements(CProjectionFloor::TypeCode)) {
        float out[2][Hours]{};
        const CProjectionFloor& floor = StartElement<CProjectionFloor>(*this, *entry);
        const auto* record =
            RecordOf<CLIB_ProjectionFloor>(*this, kProjectionFloorKind, *entry, floor.material_id);
        if (!record)
            continue;
        const SLayered layers = LayeredOf(*record);
        const double area =
            ACElementArea(context, floor.IsLWInputArea, floor.Length, floor.Width, floor.Area);
        for (const ACSeason s : {Summer, Winter}) {
            const InnerBlock i = Inner(conditions, s);
            const OutdoorTail t = Tail(conditions, s);
            library.GetCL_ProjectionFloor(i.Latitude, i.Twg, i.Mean, i.Twk, i.TwgDay, i.Peak, i.SummerRoom,
                                          i.Room, layers.K[s], layers.Beta, layers.Kesi[s],
                                          static_cast<float>(area), conditions.SteadyFlag(s), out[s],
                                          t.Height, t.Elevation, t.WinterWind, t.SummerWind, t.Month);
            ApplySeasonFactors(context, s, out[s]);
        }
        AddACSeasonPair(context, result.Hourly[ProjectionFloorCool], out[Summer],
                        result.Hourly[ProjectionFloorHeat], out[Winter]);
    }
}

void CCalculate_Manager::CalculateACGapWalls(RoomCalcContext& context, const ACDesignConditions& conditions,
                                             CCalculate_Room& room,
                                             CCalculate_Result_IsACLoadCalculation& result)
{
    CCalcLibraryBase& library = CalcLibrary();
    for (const auto& entry : room.Elements(CGapWall::TypeCode)) {
        float out[2][Hours]{};
        const CGapWall& gapWall = StartElement<CGapWall>(*this, *entry);
        const auto* record = RecordOf<CLIB_GapWall>(*this, kGapWallKind, *entry, gapWall.material_id);
        if (!record)
            continue;
        const double area =
            ACElementArea(context, gapWall.IsLWInputArea, gapWall.Length, gapWall.Height, gapWall.Area);
        for (const ACSeason s : {Summer, Winter}) {
            const InnerBlock i = Inner(conditions, s);
            // A gap wall takes its summer construction values in both seasons.
            library.GetCL_GapWall(i.Latitude, i.Twg, i.Mean, i.Twk, i.TwgDay, i.Peak, i.SummerRoom, i.Room,
                                  static_cast<float>(record->K_S), static_cast<float>(record->Beta),
                                  static_cast<float>(record->Kesi_S), static_cast<float>(area),
                                  gapWall.GapWallType, conditions.SteadyFlag(s), out[s]);
            ApplySeasonFactors(context, s, out[s]);
        }
        AddACSeasonPair(context, result.Hourly[GapWallCool], out[Summer], result.Hourly[GapWallHeat],
                        out[Winter]);
    }
}

namespace {

// One inside door or window: its area joins the wall's openings, its loads the wall's totals.
template <typename TElement, typename TRecord>
void CalculateInsideOpenings(CCalculate_Manager& manager, RoomCalcContext& context,
                             const ACDesignConditions& c, const CInsideWall& wall,
                             const CBaseDataList& entries, int libraryKind, float (*out)[Hours],
                             double& openingArea, int coolArray, int heatArray,
                             CCalculate_Result_IsACLoadCalculation& result)
{
    CCalcLibraryBase& library = manager.CalcLibrary();
    const int32_t roomType = context.Room->RoomType;
    for (const auto& entry : entries) {
        const TElement& opening = StartElement<TElement>(manager, *entry);
        const auto* record = RecordOf<TRecord>(manager, libraryKind, *entry, opening.material_id);
        // The arrays are shared by the wall's openings: one without its record adds nothing, and in
        // particular not the previous opening's loads once more.
        if (!record)
            continue;
        const double area = CCalculate_Manager::ACElementArea(context, opening.IsLWInputArea, opening.Length,
                                                              opening.Width, opening.Area) *
                            opening.Quantity;
        openingArea += area;
        for (const ACSeason s : {Summer, Winter}) {
            if (s == Winter && !wall.Winter_Heat_Transfer) {
                Zero(out[Winter]);
                continue;
            }
            const InnerBlock i = Inner(c, s);
            library.GetCL_InEnclose_Window_v2005(
                i.Latitude, i.Twg, i.Mean, i.Twk, i.TwgDay, i.Peak, i.SummerRoom, i.Room, roomType,
                wall.AdjacentRoomStatus, static_cast<float>(s == Summer ? record->K_S : record->K_W),
                static_cast<float>(area), c.SteadyFlag(s), out[s],
                static_cast<float>(s == Summer ? wall.Summer_NearRoomDeltaT : wall.Winter_NearRoomDeltaT),
                static_cast<float>(wall.Coefficient));
            ApplySeasonFactors(context, s, out[s]);
        }
        CCalculate_Manager::AddACSeasonPair(context, result.Hourly[coolArray], out[Summer],
                                            result.Hourly[heatArray], out[Winter]);
        CCalculate_Manager::AddACSeasonPair(context, result.Hourly[InsideWallWithOpeningsCool], out[Summer],
                                            result.Hourly[InsideWallWithOpeningsHeat], out[Winter]);
    }
}

} // namespace

void CCalculate_Manager::CalculateACInsideWalls(RoomCalcContext& context,
                                                const ACDesignConditions& conditions, CCalculate_Room& room,
                                                CCalculate_Result_IsACLoadCalculation& result)
{
    CCalcLibraryBase& library = CalcLibrary();
    for (const auto& insideWall : room.InsideWalls) {
        float wallOut[2][Hours]{}, doorOut[2][Hours]{}, windowOut[2][Hours]{};
        double openingArea = 0;

        const CInsideWall& wall = StartElement<CInsideWall>(*this, *insideWall->Wall);
        const auto* record =
            RecordOf<CLIB_InsideWall>(*this, kInsideWallKind, *insideWall->Wall, wall.material_id);

        CalculateInsideOpenings<CInsideDoor, CLIB_InsideDoor>(
            *this, context, conditions, wall, insideWall->Doors, kInsideDoorKind, doorOut, openingArea,
            InsideDoorCool, InsideDoorHeat, result);
        CalculateInsideOpenings<CInsideWindow, CLIB_InsideWindow>(
            *this, context, conditions, wall, insideWall->Windows, kInsideWindowKind, windowOut, openingArea,
            InsideWindowCool, InsideWindowHeat, result);
        if (!record)
            continue;
        const SLayered layers = LayeredOf(*record);
        const double area = ACNetArea(
            context, ACElementArea(context, wall.IsLWInputArea, wall.Length, wall.Height, wall.Area),
            openingArea);
        for (const ACSeason s : {Summer, Winter}) {
            if (s == Winter && !wall.Winter_Heat_Transfer)
                continue;
            const InnerBlock i = Inner(conditions, s);
            library.GetCL_InEnclose_Wall_v2005(
                i.Latitude, i.Twg, i.Mean, i.Twk, i.TwgDay, i.Peak, i.SummerRoom, i.Room, layers.K[s],
                layers.Beta, layers.Kesi[s], static_cast<float>(area), wall.AdjacentRoomStatus,
                conditions.SteadyFlag(s), wallOut[s],
                static_cast<float>(s == Summer ? wall.Summer_NearRoomDeltaT : wall.Winter_NearRoomDeltaT),
                static_cast<float>(wall.Coefficient));
            ApplySeasonFactors(context, s, wallOut[s]);
        }
        AddACSeasonPair(context, result.Hourly[InsideWallCool], wallOut[Summer],
                        result.Hourly[InsideWallHeat], wallOut[Winter]);
        AddACSeasonPair(context, result.Hourly[InsideWallWithOpeningsCool], wallOut[Summer],
                        result.Hourly[InsideWallWithOpeningsHeat], wallOut[Winter]);
    }
}

void CCalculate_Manager::CalculateACRoofs(RoomCalcContext& context, const ACDesignConditions& conditions,
                                          CCalculate_Room& room,
                                          CCalculate_Result_IsACLoadCalculation& result)
{
    CCalcLibraryBase& library = CalcLibrary();
    const int32_t roomType = context.Room->RoomType;
    float(*r)[Hours] = result.Hourly;
    for (const auto& calcRoof : room.Roofs) {
        float roofOut[2][Hours]{}, cond[2][Hours]{}, sol[2][Hours]{};
        float both[Hours];
        double openingArea = 0;

        const CRoof& roof = StartElement<CRoof>(*this, *calcRoof->Roof);
        const auto* record = RecordOf<CLIB_Roof>(*this, kRoofKind, *calcRoof->Roof, roof.material_id);

        for (const auto& entry : calcRoof->SkyWindows) {
            const CSkyWindow& skylight = StartElement<CSkyWindow>(*this, *entry);
            const auto* glass = RecordOf<CLIB_SkyWindow>(*this, kSkyWindowKind, *entry, skylight.material_id);
            // The skylight arrays are shared by the roof's skylights (see the inside openings).
            if (!glass)
                continue;
            const double area = ACElementArea(context, skylight.IsLWInputArea, skylight.Length,
                                              skylight.Width, skylight.Area) *
                                skylight.Quantity;
            openingArea += area;
            const double k[2] = {glass->K_S, glass->K_W};
            const double solarFactor = glass->g * skylight.Shield;

            for (const ACSeason s : {Summer, Winter}) {
                GlazingConduction(library, conditions, s, roomType, k[s], area, cond[s]);
                ApplySeasonFactors(context, s, cond[s]);
            }
            // A skylight faces the way its roof does.
            for (const ACSeason s : {Summer, Winter}) {
                GlazingSolar(library, conditions, context, s, roomType, roof.Direction, roof.Direction_Angle,
                             k[s], solarFactor, area, sol[s]);
                ApplySeasonFactors(context, s, sol[s]);
            }
            ApplyACWinterSolarSwitch(conditions, sol[Winter]);

            if (context.SummerCooling) {
                Sum(cond[Summer], sol[Summer], both);
                AddArray(r[SkylightCool], both, Hours, false);
                AddArray(r[RoofWithSkylightsCool], both, Hours, false);
                AddArray(r[SummerSolar], sol[Summer], Hours, false);
                AddArray(r[SkylightSolarCool], sol[Summer], Hours, false);
                AddArray(r[SkylightConductionCool], cond[Summer], Hours, false);
            }
            if (context.WinterAC) {
                AddArray(r[WinterSolar], sol[Winter], Hours, false);
                Sum(cond[Winter], sol[Winter], both);
                AddArray(r[SkylightHeat], both, Hours, false);
                AddArray(r[RoofWithSkylightsHeat], both, Hours, false);
                AddArray(r[SkylightSolarHeat], sol[Winter], Hours, false);
                AddArray(r[SkylightConductionHeat], cond[Winter], Hours, false);
            }
        }

        if (!record)
            continue;
        const SLayered layers = LayeredOf(*record);
        // The library takes the roof's area projected onto the horizontal.
        const double area =
            ACNetArea(context, ACElementArea(context, roof.IsLWInputArea, roof.Length, roof.Width, roof.Area),
                      openingArea) *
            std::cos(roof.Obliquity * kPi / 180);
        for (const ACSeason s : {Summer, Winter}) {
            RoofCall(library, conditions, s, layers, area, roof.Color, roofOut[s]);
            ApplySeasonFactors(context, s, roofOut[s]);
        }
        AddACSeasonPair(context, r[RoofWithSkylightsCool], roofOut[Summer], r[RoofWithSkylightsHeat],
                        roofOut[Winter]);
        AddACSeasonPair(context, r[RoofCool], roofOut[Summer], r[RoofHeat], roofOut[Winter]);
    }
}
