#pragma once
#include "calc/CHourlyResultRecord.h"
#include "platform/core/CMyList.h"

#include <QString>

class CElementBase;
// One per-element row of the detailed cooling result: a caption, the 24 hourly values, and the
// hours and values of their minimum and maximum (compared with sign; both start at 0, hour 0; the
// earliest hour wins a tie).
struct OutSideWall_Detail_Data
{
    QString Caption;
    float Value[24]{};
    int MinHour = 0;
    float MinValue = 0;
    int MaxHour = 0;
    float MaxValue = 0;
    QString Key;
};

// Peaks of a detailed cooling result: fields 0..119 the peaks of the arrays (see the record),
// 120..125 per-area indexes that the load summary stores and the record never touches.
struct TotalValue_IsACLoadCalculation
{
    static constexpr int ValueCount = 126;
    float Value[ValueCount]{};
};

// Result of the detailed air-conditioning calculation (design type 3): 120 hourly arrays of the
// summer and winter design days, eight owning lists of per-element detail rows and the totals.
// Array -> totals field is the identity except: 12->13, 13->12, 15->17, 16->18, 17->19, 18->15,
// 19->16, 56..59->108..111, 60..69->56..65, 70..73->112..115, 74..97->66..89, 98..101->116..119,
// 102..119->90..107. Arrays 13 and 14 (winter indoor cooling) peak over values >= 0, all others over
// all values.
// Not loads: index arrays 8 and 17 (W/m2, never converted or added), airflow arrays 5 and 19
// (m3/h) and the moisture arrays 4, 18, 22, 25, 30, 31, 36, 37, 40, 41, 44, 45, 48, 49, 110, 111,
// 116, 117 (g/h): those are added but never converted.
class CCalculate_Result_IsACLoadCalculation
    : public CHourlyResultRecord<CCalculate_Result_IsACLoadCalculation, 120, TotalValue_IsACLoadCalculation>
{
public:
    static constexpr int DetailListCount = 8;
    static constexpr int FirstIndexField = 120;

    CCalculate_Result_IsACLoadCalculation() = default;

    // Lists 0/1 whole element rows (cooling/heating, captions given whole); 2/3 conduction and
    // radiation parts of cooling, 4/5 of heating; 6/7 whole cooling/heating loads by orientation.
    CMyList<OutSideWall_Detail_Data> DetailList[DetailListCount];

    // Arrays and totals fields zero, and the detail rows of the previous use dropped, so that a
    // record handed on by the pool shows only the rows of its new holder.
    void Reset();
    // Adds all 120 arrays, index arrays included.
    void AddHourlyValues(const CCalculate_Result_IsACLoadCalculation& other);

    // Appends a row with the caption as given to list 0 (cooling) or 1 (heating).
    void AddWallDetail(bool cooling, const QString& caption, const float* values, const QString& key);
    // Appends a row to list 6, 2, 3 (cooling) or 7, 4, 5 (heating) for part 0 (whole load),
    // 1 (conduction) or 2 (radiation); any other part adds nothing. Caption: the named element's
    // Name, the list's word, the orientation of the oriented element's Direction, its
    // Direction_Angle and "度" when not 0, and ")": 外墙1冷负荷(南30度).
    void NameWallDetailByOrientation(int part, const CElementBase& oriented, const CElementBase& named,
                                     bool cooling, const float* values, const QString& key);

    // 0 "水平", 1 "南", 2 "西南", ... 8 "东南"; empty outside 0..8.
    static QString OrientationName(int direction);
    static const CResultLayout& Layout();

private:
    void AppendDetail(int list, const QString& caption, const float* values, const QString& key);
};
