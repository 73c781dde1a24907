// Heating losses of the outside walls with their doors and windows, and of the glass curtain walls:
// transmission with the orientation and wind additions, and for the openings the cold air that
// leaks in through their cracks, which the library returns inside the opening's total.
#include "calc/CCalculate_Manager_HeatingRun.h"
#include "calc/CCalculate_OutsideWall.h"
#include "calc/CCalculate_Room.h"
#include "library/CLibraryRecords.h"
#include "model/CDefaultValue.h"
#include "model/CGlassCurtainWall.h"
#include "model/COutsideDoor.h"
#include "model/COutsideWall.h"
#include "model/COutsideWindow.h"

using ACEnvelope::ElementOf;
using ACEnvelope::StartElement;
using HeatingPass::RequireRecord;
using Run = CCalculate_Manager::SHeatingRun;

namespace {

constexpr int kHours = Run::Hours;
constexpr int kOutsideWallLibrary = 0;
constexpr int kOutsideWindowLibrary = 6;
constexpr int kOutsideDoorLibrary = 7;
constexpr int kGlassCurtainWallLibrary = 8;

float InitFloat(const char* name)
{
    return static_cast<float>(CDefaultValue::Real(QLatin1String(name)));
}

// Orientation corrections (north, east, south-east, south) and the wind addition, percent.
struct SOrientationKeys
{
    float North, East, SouthEast, South, WindPlus;
};

SOrientationKeys ReadOrientationKeys()
{
    return {InitFloat("HeatingLoadCoefficient_North"), InitFloat("HeatingLoadCoefficient_East"),
            InitFloat("HeatingLoadCoefficient_SouthEast"), InitFloat("HeatingLoadCoefficient_South"),
            InitFloat("HeatingLoadWindPlus")};
}

// The settings of cold-air infiltration through the cracks of doors, windows and curtain walls.
struct SInfiltrationKeys
{
    float CrackExponent, OrientationFactor, ThermalPressure, WindPressure;
    int32_t Simplified, Estimation;
};

SInfiltrationKeys ReadInfiltrationKeys()
{
    return {InitFloat("DoorWindowWindInfiltration"),
            InitFloat("OutDoorWindowWindCoefficent"),
            InitFloat("DoorWindowHeatPressure"),
            InitFloat("DoorWindowWindPressure"),
            CDefaultValue::Int(QStringLiteral("IsDWLSimplified")),
            CDefaultValue::Int(QStringLiteral("IsDWLEstimation"))};
}

// An outside door, window or glass curtain wall as the opening function takes it.
struct SOpening
{
    CElementBase* Element = nullptr;
    int32_t Direction = 0;
    double DirectionAngle = 0;
    double Area = 0;
    double K = 0;
    int32_t IsColdAir = 0;
    int32_t DoorType = 0;
    double CrackLength = 0;
    int32_t Grade = -1;
    int32_t WallsWithWindows = 0;
    // The result array of the transmission part; doors and windows also add it into the wall's
    // array with its openings.
    int TransmissionArray = 0;
    bool OfWall = true;
};

// One library call per step; the infiltration part is taken out of the total, both take the
// plus factor and go into their arrays; then the callback with both parts.
void RunOpening(Run& run, const SOpening& o)
{
    const SOrientationKeys orientation = ReadOrientationKeys();
    const SInfiltrationKeys infiltration = ReadInfiltrationKeys();
    static const float noWall[kHours] = {};
    float leak[kHours] = {}, transmission[kHours] = {};
    for (int step = 0; step < run.Steps; ++step) {
        run.CallWithTail(
            &CCalcLibraryBase::GetHL_OutWindow_Angle_v2012, o.Direction, static_cast<float>(o.Area),
            static_cast<float>(o.K), run.Tn, run.Profile(step), run.Industry, run.Height, run.Gradient,
            run.Elevation, run.WindSpeed, o.IsColdAir, o.DoorType,
            static_cast<int32_t>(run.Context.StoreyCount), orientation.North, orientation.East,
            orientation.SouthEast, orientation.South, orientation.WindPlus, infiltration.CrackExponent,
            infiltration.OrientationFactor, infiltration.ThermalPressure, infiltration.WindPressure,
            infiltration.Simplified, infiltration.Estimation, o.WallsWithWindows, run.RoomArea,
            o.OfWall ? run.WallStep(step) : noWall, static_cast<float>(run.Context.AboveGroundHeight),
            static_cast<float>(o.CrackLength), o.Grade, run.PartitionType, run.SiloTemperature, run.Latitude,
            run.SummerDryBulb, leak, transmission, o.DirectionAngle, -1.0);
        for (int hour = 0; hour < kHours; ++hour)
            transmission[hour] -= leak[hour];
        run.ApplyPlus(leak);
        run.ApplyPlus(transmission);
        run.Add(step, Run::Infiltration, leak);
        run.Add(step, o.TransmissionArray, transmission);
        if (o.OfWall)
            run.Add(step, Run::OutsideWallWithOpenings, transmission);
    }
    run.Detail(o.Element, transmission, leak);
}

} // namespace

void CCalculate_Manager::CalculateHeatingOutsideWalls(SHeatingRun& run)
{
    for (const auto& outsideWall : run.Room.OutsideWalls) {
        COutsideWall& wall = StartElement<COutsideWall>(*this, *outsideWall->Wall);
        const auto& record =
            RequireRecord<CLIB_OutsideWall>(*this, kOutsideWallLibrary, *outsideWall->Wall, wall.material_id);

        // The net area does not depend on "IsGetNetWallArea": an outside wall always loses its
        // openings.
        double area = SelectArea(wall.IsLWInputArea, wall.Length, wall.Height, wall.Area, run.RoomArea);
        for (const auto& entry : outsideWall->Doors) {
            const COutsideDoor& door = StartElement<COutsideDoor>(*this, *entry);
            area -= SelectArea(door.IsLWInputArea, door.Length, door.Height, door.Area, run.RoomArea) *
                    door.Quantity;
        }
        for (const auto& entry : outsideWall->Windows) {
            const COutsideWindow& window = StartElement<COutsideWindow>(*this, *entry);
            area -=
                SelectArea(window.IsLWInputArea, window.Length, window.Height, window.Area, run.RoomArea) *
                window.Quantity;
        }
        run.CheckResistance(wall.TypeCode, {}, record.K_W, record.D, wall.MaterialName, &run.WallRMin);
        if (area < 0.0)
            area = 0.0;

        const SOrientationKeys orientation = ReadOrientationKeys();
        for (int step = 0; step < run.Steps; ++step) {
            float* loss = run.WallStep(step);
            run.CallWithTail(&CCalcLibraryBase::GetHL_OutWall_Angle_v2012,
                             static_cast<int32_t>(wall.Direction), static_cast<float>(area),
                             static_cast<float>(record.K_W), run.Tn, run.Profile(step), run.Industry,
                             run.Height, run.Gradient, orientation.North, orientation.East,
                             orientation.SouthEast, orientation.South, orientation.WindPlus, run.Elevation,
                             run.WindSpeed, loss, wall.Direction_Angle);
            run.ApplyPlus(loss);
            run.Add(step, SHeatingRun::OutsideWall, loss);
            run.Add(step, SHeatingRun::OutsideWallWithOpenings, loss);
        }
        run.Detail(&wall, run.WallStep(0), run.Context.DetailExtra);

        SOpening opening;
        opening.Direction = wall.Direction;
        opening.DirectionAngle = wall.Direction_Angle;
        opening.WallsWithWindows = run.WallsWithWindows;
        for (const auto& entry : outsideWall->Doors) {
            COutsideDoor& door = ElementOf<COutsideDoor>(*entry);
            const auto& doorRecord =
                RequireRecord<CLIB_OutsideDoor>(*this, kOutsideDoorLibrary, *entry, door.material_id);
            opening.Element = &door;
            opening.Area = SelectArea(door.IsLWInputArea, door.Length, door.Height, door.Area, run.RoomArea) *
                           door.Quantity;
            opening.K = doorRecord.K_W;
            opening.IsColdAir = door.IsColdAir;
            opening.DoorType = door.DoorType;
            opening.CrackLength = door.Quantity * door.ApertureLength;
            opening.Grade = HeatingTightnessGrade(doorRecord.ExfiltrationGrade);
            run.CheckResistance(door.TypeCode, {}, doorRecord.K_W, 0.0, door.MaterialName, &run.WallRMin);
            opening.TransmissionArray = SHeatingRun::OutsideDoor;
            RunOpening(run, opening);
        }
        for (const auto& entry : outsideWall->Windows) {
            COutsideWindow& window = ElementOf<COutsideWindow>(*entry);
            const auto& windowRecord =
                RequireRecord<CLIB_OutsideWindow>(*this, kOutsideWindowLibrary, *entry, window.material_id);
            opening.Element = &window;
            opening.Area =
                SelectArea(window.IsLWInputArea, window.Length, window.Height, window.Area, run.RoomArea) *
                window.Quantity;
            opening.K = windowRecord.K_W;
            opening.IsColdAir = 0;
            opening.DoorType = 0;
            opening.CrackLength = window.Quantity * window.ApertureLength;
            opening.Grade = HeatingTightnessGrade(windowRecord.ExfiltrationGrade);
            opening.TransmissionArray = SHeatingRun::OutsideWindow;
            RunOpening(run, opening);
        }
    }
}

void CCalculate_Manager::CalculateHeatingGlassCurtainWalls(SHeatingRun& run)
{
    for (const auto& entry : run.Room.Elements(CGlassCurtainWall::TypeCode)) {
        CGlassCurtainWall& curtain = StartElement<CGlassCurtainWall>(*this, *entry);
        const auto& record = RequireRecord<CLIB_GlassCurtainWall>(*this, kGlassCurtainWallLibrary, *entry,
                                                                  curtain.material_id);
        SOpening opening;
        opening.Element = &curtain;
        opening.Direction = curtain.Direction;
        opening.DirectionAngle = curtain.Direction_Angle;
        opening.Area =
            SelectArea(curtain.IsLWInputArea, curtain.Length, curtain.Height, curtain.Area, run.RoomArea);
        opening.K = record.K_W;
        opening.Grade = HeatingTightnessGrade(record.ExfiltrationGrade);
        opening.WallsWithWindows = run.WallsWithWindows + run.CurtainWalls;
        opening.TransmissionArray = SHeatingRun::GlassCurtainWall;
        opening.OfWall = false;
        RunOpening(run, opening);
    }
}
