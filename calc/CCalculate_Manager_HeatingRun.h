#pragma once
// The state of one room's heating calculation (design types 6, 7 and 8), shared by its element
// passes. Internal to those passes.
#include "calc/ACEnvelopeArgs.h"
#include "calc/CCalcLibraryBase.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CCalculate_Result_IsHeatingLoadStepCalculation.h"
#include "calc/RoomCalcContext.h"
#include "platform/core/Exception.h"

#include <stdint.h>
#include <utility>
#include <vector>

class CElementBase;

struct CCalculate_Manager::SHeatingRun
{
    static constexpr int Hours = 24;

    // Result arrays the passes write.
    enum Array : int
    {
        Total = 0,
        OutsideWall = 1,
        Infiltration = 2,
        OutsideWindow = 3,
        OutsideDoor = 4,
        InsideWall = 5,
        InsideWindow = 6,
        InsideDoor = 7,
        GapWall = 8,
        Roof = 9,
        GlassRoof = 10,
        BlindStorey = 11,
        Ceiling = 12,
        Floor = 13,
        ProjectionFloor = 14,
        SkyWindow = 15,
        OutsideWallWithOpenings = 16,
        InsideWallWithOpenings = 17,
        RoofWithSkyWindows = 18,
        Ground = 19,
        BasementWall = 20,
        Others = 21,
        Envelope = 22,
        GlassCurtainWall = 23,
        EquipmentCapacity = 24,
        ExchangeAll = 25,
        ExchangeInsideWalls = 26,
        ExchangeInsideWallsOnly = 27,
        ExchangeInsideWallsAgain = 28,
        ExchangeInsideWindows = 29,
        ExchangeInsideDoors = 30,
        ExchangeCeilings = 31,
        ExchangeFloors = 32,
    };

    // Reads the room's and the project weather's values; the profiles and counts are the
    // caller's to fill.
    SHeatingRun(CCalculate_Manager& manager, RoomCalcContext& context, CCalculate_Room& room, int designType);

    CCalculate_Manager& Manager;
    RoomCalcContext& Context;
    CCalculate_Room& Room;
    CCalcLibraryBase& Library;
    // Design type 6: one step on the design day, with the plus factor, the element-detail
    // callback and the heat exchanged with adjacent rooms. Types 7 and 8 have none of them.
    bool Detailed = true;
    int Steps = 1;                                                     // 1, 12 or 365
    CCalculate_Result_IsHeatingLoadStepCalculation* Records = nullptr; // one per step
    std::vector<float> Profiles; // Steps rows of 24 outdoor temperatures

    // Room group of every call: indoor design temperature, industry flag, height, gradient.
    float Tn = 0;
    int32_t Industry = 0;
    float Height = 0;
    float Gradient = 0;
    float RoomArea = 0;
    int32_t PartitionType = 0;
    // Exposure: elevation of the current storey and the winter wind speed.
    float Elevation = 0;
    float WindSpeed = 0;
    float Latitude = 0;
    float SummerDryBulb = 0;
    float SiloTemperature = 0;
    // Outside walls with at least one window, and glass curtain walls, of the room.
    int32_t WallsWithWindows = 0;
    int32_t CurtainWalls = 0;
    // The loss of the outside wall in hand at every step, handed to its doors and windows.
    std::vector<float> WallSteps;
    // The allowed minimum thermal resistance of the outside wall in hand, left by the wall's check
    // for the checks of its doors.
    float WallRMin = 0;

    const float* Profile(int step) const { return &Profiles[static_cast<size_t>(step) * Hours]; }
    float* WallStep(int step) { return &WallSteps[static_cast<size_t>(step) * Hours]; }
    // Adds 24 values into the array of the step's record.
    void Add(int step, int array, const float* values);
    // Times HeatPlusFactor when the plus factor applies (design type 6 with HeatPlusOn).
    void ApplyPlus(float* values) const;
    // The element-detail callback of design type 6, when the caller gave one: rows 0 to 3 of
    // DetailBlocks take the plus factor first when scaleBlocks; DetailRates element 6 becomes
    // parentValue when one is given.
    void Detail(CElementBase* element, float* loads, float* extra, bool scaleBlocks = true,
                const float* parentValue = nullptr);

    // The minimum thermal-resistance check of one element in the current building and storey
    // (CCalculate_Manager::CheckMinResistance). rMin is the place of the allowed minimum: the
    // room's WallRMin for outside walls and their doors, else a zeroed place of the call. The
    // verdict is not used by the loads.
    void CheckResistance(int kind, const CheckSubject& subject, double k, double d, const QString& name,
                         float* rMin = nullptr);
    // Whether the element-detail callback will be called (design type 6 with a callback).
    bool WantsDetail() const;
    // A heating function of the library with the given arguments followed by the detail tail:
    // DetailRates element 0, the addresses of elements 1 and 2, DetailBlocks row 0, elements 3 to
    // 5, rows 1 to 3. Without a callback to read them the tail's outputs are not asked for.
    template <typename... Params, typename... Args>
    void CallWithTail(void (CCalcLibraryBase::*function)(Params...), Args&&... args)
    {
        float* rates = Context.DetailRates;
        if (!WantsDetail()) {
            (Library.*function)(std::forward<Args>(args)..., rates[0], nullptr, nullptr, nullptr, nullptr,
                                nullptr, nullptr, nullptr, nullptr, nullptr);
            return;
        }
        float(*blocks)[Hours] = Context.DetailBlocks;
        (Library.*function)(std::forward<Args>(args)..., rates[0], &rates[1], &rates[2], blocks[0], &rates[3],
                            &rates[4], &rates[5], blocks[1], blocks[2], blocks[3]);
    }
};

namespace HeatingPass {

// The construction record of the element's library kind; raises when it is missing (the material
// cache has already reported it in the message list).
template <typename TRecord>
const TRecord& RequireRecord(CCalculate_Manager& manager, int kind, const CBaseData& entry, int materialId)
{
    const TRecord* record = ACEnvelope::RecordOf<TRecord>(manager, kind, entry, materialId);
    if (!record)
        throw Exception(QStringLiteral("[%1]的构造在构造库中找不到").arg(entry.Caption));
    return *record;
}

// The tree item of an entry's node, for the adjacent-room lookup.
CTreeItem* ItemOf(const CBaseData& entry);

} // namespace HeatingPass
