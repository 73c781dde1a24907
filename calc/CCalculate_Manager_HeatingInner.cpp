// Heating losses of the inside walls with their doors and windows, floor slabs, floors, roofs with
// their skylights, attics, glass roofs, ground, basement walls, projection floors and gap walls,
// and the room's other heat consumptions and emissions.
#include "calc/ArraySums.h"
#include "calc/CCalculate_InsideWall.h"
#include "calc/CCalculate_Manager_HeatingRun.h"
#include "calc/CCalculate_Roof.h"
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
#include "model/COthers.h"
#include "model/CProjectionFloor.h"
#include "model/CRoof.h"
#include "model/CSkyWindow.h"

using ACEnvelope::StartElement;
using HeatingPass::ItemOf;
using HeatingPass::RequireRecord;
using Run = CCalculate_Manager::SHeatingRun;

namespace {

constexpr int kHours = Run::Hours;
constexpr int kNoArray = -1;
constexpr int kOthersKind = 28;

// Library kinds of the constructions.
constexpr int kInsideWallLibrary = 1;
constexpr int kCeilingLibrary = 2;
constexpr int kFloorLibrary = 3;
constexpr int kRoofLibrary = 4;
constexpr int kBlindStoreyLibrary = 5;
constexpr int kGlassRoofLibrary = 9;
constexpr int kInsideWindowLibrary = 10;
constexpr int kInsideDoorLibrary = 11;
constexpr int kSkyWindowLibrary = 12;
constexpr int kGroundLibrary = 13;
constexpr int kProjectionFloorLibrary = 14;
constexpr int kGapWallLibrary = 15;
constexpr int kBasementWallLibrary = 19;

// Per step: the library call into out, the plus factor and the add into the kind's array, and in
// the detailed type into the arrays of heat exchanged with adjacent rooms (exchangeArray, kNoArray
// for none); then the callback. out keeps the last step.
template <typename TCall>
void RunElement(Run& run, CElementBase& element, float* out, int array, int exchangeArray, TCall&& call)
{
    for (int step = 0; step < run.Steps; ++step) {
        call(run.Profile(step), out);
        run.ApplyPlus(out);
        run.Add(step, array, out);
        if (run.Detailed && exchangeArray != kNoArray) {
            run.Add(step, Run::ExchangeAll, out);
            run.Add(step, exchangeArray, out);
        }
    }
    run.Detail(&element, out, run.Context.DetailExtra);
}

// The area of a kind sized by length and width (second = Width) or length and height.
template <typename T> double AreaOf(const Run& run, const T& element, double second)
{
    return CCalculate_Manager::SelectArea(element.IsLWInputArea, element.Length, second, element.Area,
                                          run.RoomArea);
}

} // namespace

void CCalculate_Manager::CalculateHeatingInsideWalls(SHeatingRun& run)
{
    for (const auto& insideWall : run.Room.InsideWalls) {
        float doors[kHours] = {}, windows[kHours] = {}, loss[kHours] = {};
        double openingArea = 0;

        const CBaseData& wallEntry = *insideWall->Wall;
        CInsideWall& wall = StartElement<CInsideWall>(*this, wallEntry);
        const auto& record =
            RequireRecord<CLIB_InsideWall>(*this, kInsideWallLibrary, wallEntry, wall.material_id);
        double adjacentTemperature = 0.0;
        if (!GetAdjacentRoom(CInsideWall::TypeCode, CurrentBuilding(), CurrentStorey(), &wall,
                             ItemOf(wallEntry), adjacentTemperature))
            continue;
        const float adjacent = static_cast<float>(adjacentTemperature);
        const float transHeat = static_cast<float>(wall.TransHeat_Between);

        // Doors first, then windows. Each opening's loss in the detailed type is summed apart for
        // the heat exchanged with the neighbour, every opening counted.
        auto opening = [&](CElementBase& element, double area, double k, int array, float* exchangeSum) {
            openingArea += area;
            float out[kHours] = {};
            for (int step = 0; step < run.Steps; ++step) {
                run.CallWithTail(&CCalcLibraryBase::GetHL_IndoorWindow_v2012, static_cast<float>(area),
                                 static_cast<float>(k), run.Tn, run.Profile(step),
                                 static_cast<int32_t>(run.Context.StoreyCount),
                                 static_cast<int32_t>(wall.AdjacentRoomStatus_Heating), adjacent,
                                 run.Industry, run.Height, run.Gradient, out,
                                 static_cast<float>(wall.Winter_NearRoomDeltaT));
                run.ApplyPlus(out);
                run.Add(step, array, out);
                run.Add(step, SHeatingRun::InsideWallWithOpenings, out);
            }
            if (run.Detailed)
                AddArray(exchangeSum, out, kHours, false);
            run.Detail(&element, out, run.Context.DetailExtra, true, &transHeat);
        };
        for (const auto& entry : insideWall->Doors) {
            CInsideDoor& door = StartElement<CInsideDoor>(*this, *entry);
            const auto& doorRecord =
                RequireRecord<CLIB_InsideDoor>(*this, kInsideDoorLibrary, *entry, door.material_id);
            opening(door, AreaOf(run, door, door.Width) * door.Quantity, doorRecord.K_W,
                    SHeatingRun::InsideDoor, doors);
        }
        for (const auto& entry : insideWall->Windows) {
            CInsideWindow& window = StartElement<CInsideWindow>(*this, *entry);
            const auto& windowRecord =
                RequireRecord<CLIB_InsideWindow>(*this, kInsideWindowLibrary, *entry, window.material_id);
            opening(window, AreaOf(run, window, window.Width) * window.Quantity, windowRecord.K_W,
                    SHeatingRun::InsideWindow, windows);
        }

        const double area = ACNetArea(run.Context, AreaOf(run, wall, wall.Height), openingArea);
        run.CheckResistance(CInsideWall::TypeCode, {&wall}, record.K_W, record.D, wall.MaterialName);
        for (int step = 0; step < run.Steps; ++step) {
            // The wall takes this room minus the neighbour, the opposite of its openings.
            run.CallWithTail(&CCalcLibraryBase::GetHL_IndoorWall_v2012, static_cast<float>(area),
                             static_cast<float>(record.K_W), run.Tn, run.Profile(step),
                             static_cast<int32_t>(run.Context.StoreyCount),
                             static_cast<int32_t>(wall.AdjacentRoomStatus_Heating), adjacent, run.Industry,
                             run.Height, run.Gradient, loss, -static_cast<float>(wall.Winter_NearRoomDeltaT));
            run.ApplyPlus(loss);
            run.Add(step, SHeatingRun::InsideWall, loss);
            run.Add(step, SHeatingRun::InsideWallWithOpenings, loss);
        }
        if (run.Detailed && wall.TransHeat_Between != 0) {
            for (int array : {SHeatingRun::ExchangeAll, SHeatingRun::ExchangeInsideWalls,
                              SHeatingRun::ExchangeInsideWallsAgain}) {
                run.Add(0, array, doors);
                run.Add(0, array, windows);
                run.Add(0, array, loss);
            }
            run.Add(0, SHeatingRun::ExchangeInsideWallsOnly, loss);
            run.Add(0, SHeatingRun::ExchangeInsideDoors, doors);
            run.Add(0, SHeatingRun::ExchangeInsideWindows, windows);
        }
        run.Detail(&wall, loss, run.Context.DetailExtra);
    }
}

void CCalculate_Manager::CalculateHeatingSlabs(SHeatingRun& run, int kind)
{
    const bool ceiling = kind == CCeiling::TypeCode;
    for (const auto& entry : run.Room.Elements(kind)) {
        float out[kHours] = {};
        CAdjacentRoomSlab& slab = StartElement<CAdjacentRoomSlab>(*this, *entry);
        const CLIB_LayeredConstruction& record =
            ceiling ? static_cast<const CLIB_LayeredConstruction&>(
                          RequireRecord<CLIB_Ceiling>(*this, kCeilingLibrary, *entry, slab.material_id))
                    : RequireRecord<CLIB_Floor>(*this, kFloorLibrary, *entry, slab.material_id);
        const double k = record.K_W;
        const double area = AreaOf(run, slab, slab.Width);
        double adjacentTemperature = 0.0;
        if (!GetAdjacentRoom(kind, CurrentBuilding(), CurrentStorey(), &slab, ItemOf(*entry),
                             adjacentTemperature))
            continue;
        run.CheckResistance(kind, {&slab}, record.K_W, record.D, slab.MaterialName);
        const auto function =
            ceiling ? &CCalcLibraryBase::GetHL_Ceiling_v2012 : &CCalcLibraryBase::GetHL_Floor_v2012;
        const int exchange = slab.TransHeat_Between == 0 ? kNoArray
                             : ceiling                   ? SHeatingRun::ExchangeCeilings
                                                         : SHeatingRun::ExchangeFloors;
        RunElement(run, slab, out, ceiling ? SHeatingRun::Ceiling : SHeatingRun::Floor, exchange,
                   [&](const float* profile, float* values) {
                       run.CallWithTail(function, static_cast<float>(area), static_cast<float>(k), run.Tn,
                                        profile, static_cast<int32_t>(slab.AdjacentRoomStatus_Heating),
                                        static_cast<float>(adjacentTemperature), run.Industry, run.Height,
                                        run.Gradient, values, static_cast<float>(slab.Temperature_Range));
                   });
    }
}

void CCalculate_Manager::CalculateHeatingRoofs(SHeatingRun& run)
{
    for (const auto& roofEntry : run.Room.Roofs) {
        CRoof& roof = StartElement<CRoof>(*this, *roofEntry->Roof);
        const auto& record =
            RequireRecord<CLIB_Roof>(*this, kRoofLibrary, *roofEntry->Roof, roof.material_id);
        const float direction = static_cast<float>(roof.Direction);
        double skyWindowArea = 0;

        for (const auto& entry : roofEntry->SkyWindows) {
            float out[kHours] = {};
            CSkyWindow& sky = StartElement<CSkyWindow>(*this, *entry);
            const auto& skyRecord =
                RequireRecord<CLIB_SkyWindow>(*this, kSkyWindowLibrary, *entry, sky.material_id);
            const double area = AreaOf(run, sky, sky.Width) * sky.Quantity;
            skyWindowArea += area;
            for (int step = 0; step < run.Steps; ++step) {
                run.CallWithTail(&CCalcLibraryBase::GetHL_Skylight_Angle_v2012, static_cast<float>(area),
                                 static_cast<float>(skyRecord.K_W), run.Tn, run.Profile(step),
                                 static_cast<int32_t>(roof.Direction), static_cast<float>(roof.Obliquity),
                                 run.Industry, run.Height, run.Gradient, run.Elevation, run.WindSpeed, out,
                                 roof.Direction_Angle);
                run.ApplyPlus(out);
                run.Add(step, SHeatingRun::SkyWindow, out);
                run.Add(step, SHeatingRun::RoofWithSkyWindows, out);
            }
            run.Detail(&sky, out, run.Context.DetailExtra, true, &direction);
        }

        float loss[kHours] = {};
        const double area = ACNetArea(run.Context, AreaOf(run, roof, roof.Width), skyWindowArea);
        run.CheckResistance(CRoof::TypeCode, {&roof}, record.K_W, record.D, roof.MaterialName);
        for (int step = 0; step < run.Steps; ++step) {
            run.CallWithTail(&CCalcLibraryBase::GetHL_Roof_Angle_v2012, static_cast<float>(area),
                             static_cast<float>(record.K_W), static_cast<int32_t>(roof.Direction),
                             static_cast<float>(roof.Obliquity), run.Tn, run.Profile(step), run.Industry,
                             run.Height, run.Gradient, run.Elevation, run.WindSpeed, loss,
                             roof.Direction_Angle);
            run.ApplyPlus(loss);
            run.Add(step, SHeatingRun::RoofWithSkyWindows, loss);
            run.Add(step, SHeatingRun::Roof, loss);
        }
        run.Detail(&roof, loss, run.Context.DetailExtra);
    }
}

void CCalculate_Manager::CalculateHeatingElements(SHeatingRun& run, int kind)
{
    for (const auto& entry : run.Room.Elements(kind)) {
        float out[kHours] = {};
        switch (kind) {
        case CBlindStorey::TypeCode: {
            CBlindStorey& attic = StartElement<CBlindStorey>(*this, *entry);
            const auto& record =
                RequireRecord<CLIB_BlindStorey>(*this, kBlindStoreyLibrary, *entry, attic.material_id);
            const double k = record.K_W;
            const double area = AreaOf(run, attic, attic.Width);
            run.CheckResistance(kind, {&attic}, record.K_W, record.D, attic.MaterialName);
            RunElement(run, attic, out, SHeatingRun::BlindStorey, kNoArray,
                       [&](const float* profile, float* values) {
                           run.CallWithTail(&CCalcLibraryBase::GetHL_BlindStory_v2012,
                                            static_cast<float>(area), static_cast<float>(k), run.Tn, profile,
                                            run.Industry, run.Height, run.Gradient, run.Elevation,
                                            run.WindSpeed, values);
                       });
            break;
        }
        case CGlassRoof::TypeCode: {
            CGlassRoof& glass = StartElement<CGlassRoof>(*this, *entry);
            const double k =
                RequireRecord<CLIB_GlassRoof>(*this, kGlassRoofLibrary, *entry, glass.material_id).K_W;
            const double area = AreaOf(run, glass, glass.Width);
            RunElement(run, glass, out, SHeatingRun::GlassRoof, kNoArray,
                       [&](const float* profile, float* values) {
                           run.CallWithTail(
                               &CCalcLibraryBase::GetHL_Skylight_Angle_v2012, static_cast<float>(area),
                               static_cast<float>(k), run.Tn, profile, static_cast<int32_t>(glass.Direction),
                               static_cast<float>(glass.Obliquity), run.Industry, run.Height, run.Gradient,
                               run.Elevation, run.WindSpeed, values, glass.Direction_Angle);
                       });
            break;
        }
        case CGround::TypeCode: {
            CGround& ground = StartElement<CGround>(*this, *entry);
            const auto& record =
                RequireRecord<CLIB_Ground>(*this, kGroundLibrary, *entry, ground.material_id);
            const double k = record.K_W;
            const double area = AreaOf(run, ground, ground.Width);
            run.CheckResistance(kind, {nullptr, &record}, 0.0, 0.0, ground.MaterialName);
            RunElement(run, ground, out, SHeatingRun::Ground, kNoArray,
                       [&](const float* profile, float* values) {
                           run.CallWithTail(&CCalcLibraryBase::GetHL_Ground_v2012, static_cast<float>(area),
                                            static_cast<float>(k), run.Tn, profile, run.Industry, run.Height,
                                            run.Gradient, values);
                       });
            break;
        }
        case CBasementWall::TypeCode: {
            CBasementWall& wall = StartElement<CBasementWall>(*this, *entry);
            const auto& record =
                RequireRecord<CLIB_BasementWall>(*this, kBasementWallLibrary, *entry, wall.material_id);
            const double k = record.K_W;
            const double area = AreaOf(run, wall, wall.Width);
            run.CheckResistance(kind, {nullptr, &record}, 0.0, 0.0, wall.MaterialName);
            RunElement(run, wall, out, SHeatingRun::BasementWall, kNoArray,
                       [&](const float* profile, float* values) {
                           run.CallWithTail(&CCalcLibraryBase::GetHL_BasementWall_v2012,
                                            static_cast<float>(area), static_cast<float>(k), run.Tn, profile,
                                            run.Industry, run.Height, run.Gradient, values);
                       });
            break;
        }
        case CProjectionFloor::TypeCode: {
            CProjectionFloor& floor = StartElement<CProjectionFloor>(*this, *entry);
            const auto& record = RequireRecord<CLIB_ProjectionFloor>(*this, kProjectionFloorLibrary, *entry,
                                                                     floor.material_id);
            const double k = record.K_W;
            const double area = AreaOf(run, floor, floor.Width);
            run.CheckResistance(kind, {&floor}, record.K_W, record.D, floor.MaterialName);
            RunElement(run, floor, out, SHeatingRun::ProjectionFloor, kNoArray,
                       [&](const float* profile, float* values) {
                           run.CallWithTail(&CCalcLibraryBase::GetHL_OutFloor_v2012, static_cast<float>(area),
                                            static_cast<float>(k), run.Tn, profile, run.Industry, run.Height,
                                            run.Gradient, run.Elevation, run.WindSpeed, values);
                       });
            break;
        }
        case CGapWall::TypeCode: {
            CGapWall& gap = StartElement<CGapWall>(*this, *entry);
            const auto& record = RequireRecord<CLIB_GapWall>(*this, kGapWallLibrary, *entry, gap.material_id);
            const double k = record.K_W;
            const double area = AreaOf(run, gap, gap.Height);
            run.CheckResistance(kind, {&gap}, record.K_W, record.D, gap.MaterialName);
            RunElement(run, gap, out, SHeatingRun::GapWall, kNoArray,
                       [&](const float* profile, float* values) {
                           run.CallWithTail(&CCalcLibraryBase::GetHL_FengWall_v2012, static_cast<float>(area),
                                            static_cast<float>(k), run.Tn, profile, run.Industry, run.Height,
                                            run.Gradient, values, static_cast<int32_t>(gap.GapWallType));
                       });
            break;
        }
        default:
            return;
        }
    }
}

void CCalculate_Manager::CalculateHeatingOtherLoads(SHeatingRun& run)
{
    // The element's schedule is not used: its loads count at every hour.
    static const float allDay[kHours] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
                                         1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    for (const auto& entry : run.Room.Elements(kOthersKind)) {
        float out[kHours] = {};
        COthers& others = StartElement<COthers>(*this, *entry);
        auto f = [](double value) { return static_cast<float>(value); };
        for (int step = 0; step < run.Steps; ++step) {
            run.Library.GetHL_Others(
                f(others.HeatConsumption_Water), allDay, f(others.HeatConsumption_ColdObject), allDay,
                f(others.HeatConsumption_Ventilation), allDay, f(others.HeatConsumption_Other), allDay,
                f(others.HeatEmission_Equipment), allDay, f(others.HeatEmission_HotDuct), allDay,
                f(others.HeatEmission_HotObject), allDay, f(others.HeatEmission_Other), allDay, out);
            run.ApplyPlus(out);
            run.Add(step, SHeatingRun::Others, out);
        }
        // The library writes no detail for these loads: the callback sees what the element before left.
        run.Detail(&others, out, run.Context.DetailExtra, false);
    }
}
