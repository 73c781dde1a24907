#pragma once
// Argument groups and small steps shared by the envelope passes of the detailed air-conditioning
// calculation (outside walls and curtain walls; slabs, roofs, ground and inner envelope). Internal to
// those passes.
#include "calc/CBaseData.h"
#include "calc/CCalculate_Manager.h"
#include "calc/RoomCalcContext.h"
#include "platform/core/Exception.h"

#include <stdint.h>

namespace ACEnvelope {

constexpr int Hours = 24;
// Solar gains are taken on the 21st of the design month.
constexpr int32_t SolarDay = 21;

// Latitude; summer design dry bulb; winter design dry bulb; summer design dry bulb; the design
// day's maximum dry bulb; the room's summer temperature; the room temperature of the season.
struct OuterBlock
{
    float Latitude, Twg, Twk, TwgDay, Peak, SummerRoom, Room;
};

// As the outer block with the daily mean of the season (summer daily mean, winter design dry
// bulb) after the first summer dry bulb.
struct InnerBlock
{
    float Latitude, Twg, Mean, Twk, TwgDay, Peak, SummerRoom, Room;
};

// Room height, storey elevation, winter and summer wind speed, month of the season.
struct OutdoorTail
{
    float Height, Elevation, WinterWind, SummerWind;
    int32_t Month;
};

inline OuterBlock Outer(const ACDesignConditions& c, ACSeason s)
{
    return {c.Latitude,      c.SummerDryBulb,           c.WinterDryBulb,     c.SummerDryBulb,
            c.MaxDryBulb[s], c.RoomTemperature[Summer], c.RoomTemperature[s]};
}

inline InnerBlock Inner(const ACDesignConditions& c, ACSeason s)
{
    return {c.Latitude,      c.SummerDryBulb,           c.InnerMean(s),      c.WinterDryBulb, c.SummerDryBulb,
            c.MaxDryBulb[s], c.RoomTemperature[Summer], c.RoomTemperature[s]};
}

inline OutdoorTail Tail(const ACDesignConditions& c, ACSeason s)
{
    return {c.Height, c.StoreyElevation, c.WinterWindSpeed, c.SummerWindSpeed, ACDesignConditions::Month(s)};
}

// The element behind an entry of the calculation structure. The structure files entries by their
// kind, so a missing element or one of another class is a fault of the project data: it fails the
// room instead of being read as something else.
template <typename T> T& ElementOf(const CBaseData& entry)
{
    T* element = dynamic_cast<T*>(entry.GetElement());
    if (!element)
        throw Exception(QStringLiteral("[%1]的构件数据无法读取").arg(entry.Caption));
    return *element;
}

// Area computed from the element's size input, then the element object.
template <typename T> T& StartElement(CCalculate_Manager& manager, const CBaseData& entry)
{
    manager.ComputeElementArea(entry);
    return ElementOf<T>(entry);
}

// The construction record of the element's library kind; null when it is missing (already
// reported in the message list by the material cache).
template <typename TRecord>
const TRecord* RecordOf(CCalculate_Manager& manager, int kind, const CBaseData& entry, int materialId)
{
    return dynamic_cast<const TRecord*>(manager.MaterialManager().GetMaterial(kind, entry.Node, materialId));
}

// The season's factors on an envelope output: the summer one, or the winter one with the rebate.
inline void ApplySeasonFactors(const RoomCalcContext& context, ACSeason s, float* values)
{
    if (s == Summer)
        CCalculate_Manager::ApplyACSummerFactors(context, values);
    else
        CCalculate_Manager::ApplyACWinterFactors(context, values, true);
}

inline void Zero(float* values)
{
    for (int h = 0; h < Hours; ++h)
        values[h] = 0.0f;
}

// out = a + b, hour by hour.
inline void Sum(const float* a, const float* b, float* out)
{
    for (int h = 0; h < Hours; ++h)
        out[h] = a[h] + b[h];
}

} // namespace ACEnvelope
