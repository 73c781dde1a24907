// Detailed air-conditioning loads of the outside walls with their doors and windows, and of the
// glass curtain walls.
#include "calc/ACEnvelopeArgs.h"
#include "calc/ArraySums.h"
#include "calc/CCalcLibraryBase.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "calc/CCalculate_Room.h"
#include "library/CLibraryRecords.h"
#include "model/CGlassCurtainWall.h"
#include "model/COutsideDoor.h"
#include "model/COutsideWall.h"
#include "model/COutsideWindow.h"
#include "model/CRoom.h"

using namespace ACEnvelope;

namespace {

constexpr int kOutsideWallKind = 0;
constexpr int kOutsideWindowKind = 6;
constexpr int kOutsideDoorKind = 7;
constexpr int kGlassCurtainWallKind = 8;
constexpr int kGlassCurtainWallListKind = 12;

// Result arrays of this pass.
enum : int
{
    OutsideWallWithOpeningsCool = 50,
    OutsideWallWithOpeningsHeat = 51,
    WindowCool = 54,
    WindowHeat = 55,
    WindowConductionCool = 56,
    WindowConductionHeat = 57,
    WindowSolarCool = 58,
    WindowSolarHeat = 59,
    DoorCool = 60,
    DoorHeat = 61,
    OutsideWallCool = 84,
    OutsideWallHeat = 85,
    WinterSolar = 94,
    SummerSolar = 95,
    CurtainWallCool = 96,
    CurtainWallHeat = 97,
};

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
    SSolarOpening opening;
    opening.ShieldType = shieldType;
    opening.AirSupplyType = airSupplyType;
    opening.InsideShieldMaterials = insideShieldMaterials;
    const double shade[6] = {shield.B, shield.H, shield.l, shield.m, shield.f, shield.g};
    for (int i = 0; i < 6; ++i)
        opening.Shade[i] = static_cast<float>(shade[i]);
    opening.Quantity = quantity;
    return opening;
}

// The orientation the conduction and solar functions are given: the wall's for its openings, the
// curtain wall's own.
struct SOrientation
{
    int32_t Direction = 0;
    double Angle = 0;
};

// Conduction of an outside opening for one season: the plain function, then the one with the
// orientation correction, into the same array (the latter's values are the ones that count).
void OpeningConduction(CCalcLibraryBase& library, const ACDesignConditions& c, ACSeason s, int32_t roomType,
                       double k, double area, const SOrientation& orientation, float* out)
{
    const OuterBlock o = Outer(c, s);
    const OutdoorTail t = Tail(c, s);
    const int32_t steady = c.SteadyFlag(s);
    library.GetCL_OutEnclose_Window(o.Latitude, o.Twg, o.Twk, o.TwgDay, o.Peak, o.SummerRoom, o.Room,
                                    roomType, static_cast<float>(k), static_cast<float>(area), steady, out,
                                    t.Height, t.Elevation, t.WinterWind, t.SummerWind, t.Month);
    library.GetCL_OutEnclose_Window_2014_Angle(
        o.Latitude, o.Twg, o.Twk, o.TwgDay, o.Peak, o.SummerRoom, o.Room, roomType, static_cast<float>(k),
        static_cast<float>(area), steady, out, t.Height, t.Elevation, t.WinterWind, t.SummerWind, t.Month,
        orientation.Direction, c.OrientationCoef[0], c.OrientationCoef[1], c.OrientationCoef[2],
        c.OrientationCoef[3], orientation.Angle);
}

// Transmitted solar of an outside opening for one season.
void OpeningSolar(CCalcLibraryBase& library, const ACDesignConditions& c, const RoomCalcContext& context,
                  ACSeason s, int32_t roomType, double k, double solarFactor, double area,
                  const SSolarOpening& opening, const SOrientation& orientation, float* out)
{
    library.GetCL_OutEnclose_Solar_Angle(
        c.Latitude, c.Longitude, c.SummerDryBulb, roomType, orientation.Direction, static_cast<float>(k),
        static_cast<float>(solarFactor), opening.ShieldType, opening.AirSupplyType,
        opening.InsideShieldMaterials, static_cast<float>(area), c.SteadyFlag(s),
        ACDesignConditions::WinterFlag(s), context.WinterGainFactor, ACDesignConditions::Month(s), SolarDay,
        c.GroundGrade, c.TimeZone, opening.Shade[0], opening.Shade[1], opening.Shade[2], opening.Shade[3],
        opening.Shade[4], opening.Shade[5], opening.Quantity, out, orientation.Angle);
}

// Caption of a wall's own detail row: 外墙1冷负荷(南) or, turned by 22.5 degrees, 外墙1冷负荷(南22.5度).
QString WallDetailCaption(const COutsideWall& wall, bool cooling)
{
    QString caption = wall.Name + (cooling ? QStringLiteral("冷负荷(") : QStringLiteral("热负荷(")) +
                      CCalculate_Result_IsACLoadCalculation::OrientationName(wall.Direction);
    if (wall.Direction_Angle != 0)
        caption += QString::number(wall.Direction_Angle, 'g', 15) + QStringLiteral("度");
    return caption + QLatin1Char(')');
}

} // namespace

void CCalculate_Manager::CalculateACOutsideWalls(RoomCalcContext& context,
                                                 const ACDesignConditions& conditions, CCalculate_Room& room,
                                                 CCalculate_Result_IsACLoadCalculation& result)
{
    CCalcLibraryBase& library = CalcLibrary();
    const int32_t roomType = context.Room->RoomType;
    float(*r)[Hours] = result.Hourly;

    for (const auto& outsideWall : room.OutsideWalls) {
        float wallS[Hours]{}, wallW[Hours]{};
        float doorCondS[Hours]{}, doorCondW[Hours]{}, doorSolS[Hours]{}, doorSolW[Hours]{};
        float windowCondS[Hours]{}, windowCondW[Hours]{}, windowSolS[Hours]{}, windowSolW[Hours]{};
        float both[Hours];
        double openingArea = 0;

        const COutsideWall& wall = StartElement<COutsideWall>(*this, *outsideWall->Wall);
        const SOrientation wallOrientation{wall.Direction, wall.Direction_Angle};

        for (const auto& doorEntry : outsideWall->Doors) {
            const COutsideDoor& door = StartElement<COutsideDoor>(*this, *doorEntry);
            const auto* record =
                RecordOf<CLIB_OutsideDoor>(*this, kOutsideDoorKind, *doorEntry, door.material_id);
            if (!record)
                continue;
            const double area =
                ACElementArea(context, door.IsLWInputArea, door.Length, door.Height, door.Area) *
                door.Quantity;
            openingArea += area;
            const SSolarOpening opening =
                SolarOpeningOf(door.ShieldType, door.AirSupplyType, door.InsideShieldMaterials,
                               door.OutsideShield, door.Quantity);

            OpeningConduction(library, conditions, Summer, roomType, record->K_S, area, wallOrientation,
                              doorCondS);
            ApplyACSummerFactors(context, doorCondS);
            OpeningConduction(library, conditions, Winter, roomType, record->K_W, area, wallOrientation,
                              doorCondW);
            ApplyACWinterFactors(context, doorCondW, true);

            if (context.SummerCooling) {
                OpeningSolar(library, conditions, context, Summer, roomType, record->K_S, record->g, area,
                             opening, wallOrientation, doorSolS);
                ApplyACSummerFactors(context, doorSolS);
            }
            OpeningSolar(library, conditions, context, Winter, roomType, record->K_W, record->g, area,
                         opening, wallOrientation, doorSolW);
            ApplyACWinterFactors(context, doorSolW, true);
            ApplyACWinterSolarSwitch(conditions, doorSolW);

            if (context.SummerCooling) {
                Sum(doorCondS, doorSolS, both);
                AddArray(r[DoorCool], both, Hours, false);
                AddArray(r[OutsideWallWithOpeningsCool], both, Hours, false);
                AddArray(r[SummerSolar], doorSolS, Hours, false);
            }
            if (context.WinterAC) {
                AddArray(r[WinterSolar], doorSolW, Hours, false);
                Sum(doorCondW, doorSolW, both);
                AddArray(r[DoorHeat], both, Hours, false);
                AddArray(r[OutsideWallWithOpeningsHeat], both, Hours, false);
            }
        }

        for (const auto& windowEntry : outsideWall->Windows) {
            const COutsideWindow& window = StartElement<COutsideWindow>(*this, *windowEntry);
            const auto* record =
                RecordOf<CLIB_OutsideWindow>(*this, kOutsideWindowKind, *windowEntry, window.material_id);
            // The opening arrays are shared by the wall's openings: a window without its record must
            // not add them again for the previous window.
            if (!record)
                continue;
            const double area =
                ACElementArea(context, window.IsLWInputArea, window.Length, window.Height, window.Area) *
                window.Quantity;
            openingArea += area;
            const SSolarOpening opening =
                SolarOpeningOf(window.ShieldType, window.AirSupplyType, window.InsideShieldMaterials,
                               window.OutsideShield, window.Quantity);
            const double solarFactor =
                record->g * record->Inside_Sunshade * record->Outside_Sunshade * record->Glass_Revise;

            OpeningConduction(library, conditions, Summer, roomType, record->K_S, area, wallOrientation,
                              windowCondS);
            ApplyACSummerFactors(context, windowCondS);
            OpeningConduction(library, conditions, Winter, roomType, record->K_W, area, wallOrientation,
                              windowCondW);
            ApplyACWinterFactors(context, windowCondW, true);

            OpeningSolar(library, conditions, context, Summer, roomType, record->K_S, solarFactor, area,
                         opening, wallOrientation, windowSolS);
            ApplyACSummerFactors(context, windowSolS);
            OpeningSolar(library, conditions, context, Winter, roomType, record->K_W, solarFactor, area,
                         opening, wallOrientation, windowSolW);
            ApplyACWinterFactors(context, windowSolW, true);
            ApplyACWinterSolarSwitch(conditions, windowSolW);

            AddACSeasonPair(context, r[WindowConductionCool], windowCondS, r[WindowConductionHeat],
                            windowCondW);
            AddACSeasonPair(context, r[WindowSolarCool], windowSolS, r[WindowSolarHeat], windowSolW);
            if (context.SummerCooling) {
                Sum(windowCondS, windowSolS, both);
                AddArray(r[WindowCool], both, Hours, false);
                AddArray(r[OutsideWallWithOpeningsCool], both, Hours, false);
                AddArray(r[SummerSolar], windowSolS, Hours, false);
            }
            if (context.WinterAC) {
                AddArray(r[WinterSolar], windowSolW, Hours, false);
                Sum(windowCondW, windowSolW, both);
                AddArray(r[WindowHeat], both, Hours, false);
                AddArray(r[OutsideWallWithOpeningsHeat], both, Hours, false);
            }

            if (context.SummerCooling) {
                Sum(windowCondS, windowSolS, both);
                result.NameWallDetailByOrientation(0, wall, window, true, both, QString());
                result.NameWallDetailByOrientation(1, wall, window, true, windowCondS, QString());
                result.NameWallDetailByOrientation(2, wall, window, true, windowSolS, QString());
            }
            if (context.WinterAC) {
                Sum(windowCondW, windowSolW, both);
                result.NameWallDetailByOrientation(0, wall, window, false, both, QString());
                result.NameWallDetailByOrientation(1, wall, window, false, windowCondW, QString());
                result.NameWallDetailByOrientation(2, wall, window, false, windowSolW, QString());
            }
        }

        const auto* record =
            RecordOf<CLIB_OutsideWall>(*this, kOutsideWallKind, *outsideWall->Wall, wall.material_id);
        if (!record)
            continue;
        const double area = ACNetArea(
            context, ACElementArea(context, wall.IsLWInputArea, wall.Length, wall.Height, wall.Area),
            openingArea);
        for (const ACSeason s : {Summer, Winter}) {
            const OuterBlock o = Outer(conditions, s);
            const OutdoorTail t = Tail(conditions, s);
            const bool summer = s == Summer;
            float* out = summer ? wallS : wallW;
            library.GetCL_OutEnclose_Wall_v2005_Angle(
                o.Latitude, o.Twg, o.Twk, o.TwgDay, o.Peak, o.SummerRoom, o.Room, wall.Direction,
                static_cast<float>(summer ? record->K_S : record->K_W), static_cast<float>(record->Beta),
                static_cast<float>(summer ? record->Kesi_S : record->Kesi_W), static_cast<float>(area),
                conditions.SteadyFlag(s), out, t.Height, t.Elevation, t.WinterWind, t.SummerWind, t.Month,
                conditions.OrientationCoef[0], conditions.OrientationCoef[1], conditions.OrientationCoef[2],
                conditions.OrientationCoef[3], wall.Direction_Angle);
            // The book shows the wall's own load before the project's factors.
            result.AddWallDetail(summer, WallDetailCaption(wall, summer), out, QString());
            ApplySeasonFactors(context, s, out);
        }
        AddACSeasonPair(context, r[OutsideWallCool], wallS, r[OutsideWallHeat], wallW);
        AddACSeasonPair(context, r[OutsideWallWithOpeningsCool], wallS, r[OutsideWallWithOpeningsHeat],
                        wallW);
    }
}

void CCalculate_Manager::CalculateACGlassCurtainWalls(RoomCalcContext& context,
                                                      const ACDesignConditions& conditions,
                                                      CCalculate_Room& room,
                                                      CCalculate_Result_IsACLoadCalculation& result)
{
    CCalcLibraryBase& library = CalcLibrary();
    const int32_t roomType = context.Room->RoomType;
    float(*r)[Hours] = result.Hourly;

    for (const auto& entry : room.Elements(kGlassCurtainWallListKind)) {
        float condS[Hours]{}, condW[Hours]{}, solS[Hours]{}, solW[Hours]{};
        float both[Hours];

        const CGlassCurtainWall& curtain = StartElement<CGlassCurtainWall>(*this, *entry);
        const auto* record =
            RecordOf<CLIB_GlassCurtainWall>(*this, kGlassCurtainWallKind, *entry, curtain.material_id);
        if (!record)
            continue;
        const double area =
            ACElementArea(context, curtain.IsLWInputArea, curtain.Length, curtain.Height, curtain.Area);
        const SOrientation orientation{curtain.Direction, curtain.Direction_Angle};
        // A curtain wall has no outside shading and no quantity.
        const SSolarOpening opening =
            SolarOpeningOf(curtain.ShieldType, curtain.AirSupplyType, curtain.InsideShieldMaterials, {}, 0);

        OpeningConduction(library, conditions, Summer, roomType, record->K_S, area, orientation, condS);
        ApplyACSummerFactors(context, condS);
        OpeningConduction(library, conditions, Winter, roomType, record->K_W, area, orientation, condW);
        ApplyACWinterFactors(context, condW, true);

        OpeningSolar(library, conditions, context, Summer, roomType, record->K_S, record->g, area, opening,
                     orientation, solS);
        ApplyACSummerFactors(context, solS);
        OpeningSolar(library, conditions, context, Winter, roomType, record->K_W, record->g, area, opening,
                     orientation, solW);
        ApplyACWinterFactors(context, solW, true);
        ApplyACWinterSolarSwitch(conditions, solW);

        if (context.SummerCooling) {
            Sum(condS, solS, both);
            AddArray(r[CurtainWallCool], both, Hours, false);
            AddArray(r[SummerSolar], solS, Hours, false);
        }
        if (context.WinterAC) {
            AddArray(r[WinterSolar], solW, Hours, false);
            Sum(condW, solW, both);
            AddArray(r[CurtainWallHeat], both, Hours, false);
        }
    }
}
