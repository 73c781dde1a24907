#include "calc/CCalculate_Result_IsACLoadCalculation.h"

#include "calc/CResultLayout.h"
#include "model/CElementBase.h"

namespace {
constexpr int kArrays = 120;

// Totals field of each array's peak.
constexpr int kPeakField[kArrays] = {
    0,   1,   2,  3,  4,  5,  6,  7,  8,  9,  10,  11,  13,  12,  14,  17,  18,  19,  15,  16,
    20,  21,  22, 23, 24, 25, 26, 27, 28, 29, 30,  31,  32,  33,  34,  35,  36,  37,  38,  39,
    40,  41,  42, 43, 44, 45, 46, 47, 48, 49, 50,  51,  52,  53,  54,  55,  108, 109, 110, 111,
    56,  57,  58, 59, 60, 61, 62, 63, 64, 65, 112, 113, 114, 115, 66,  67,  68,  69,  70,  71,
    72,  73,  74, 75, 76, 77, 78, 79, 80, 81, 82,  83,  84,  85,  86,  87,  88,  89,  116, 117,
    118, 119, 90, 91, 92, 93, 94, 95, 96, 97, 98,  99,  100, 101, 102, 103, 104, 105, 106, 107};

// The list and caption word of each part (whole, conduction, radiation), cooling then heating.
struct SPartList
{
    int List;
    const char* Word;
};
constexpr SPartList kCoolingParts[3] = {{6, "冷负荷("}, {2, "传热冷负荷("}, {3, "辐射冷负荷("}};
constexpr SPartList kHeatingParts[3] = {{7, "热负荷("}, {4, "传热热负荷("}, {5, "辐射热负荷("}};
} // namespace

const CResultLayout& CCalculate_Result_IsACLoadCalculation::Layout()
{
    static const CResultLayout layout = [] {
        std::vector<SPeakRule> peaks;
        for (int k = 0; k < kArrays; ++k)
            peaks.push_back({k, kPeakField[k], k == 13 || k == 14 ? 1 : 0});
        // Index arrays 8 and 17, airflow 5 and 19, and the moisture arrays are no loads.
        return CResultLayout(
            Hours, CResultLayout::Indexes(kArrays, {4,  5,  8,  17, 18, 19, 22, 25,  30,  31,  36,
                                                    37, 40, 41, 44, 45, 48, 49, 110, 111, 116, 117}),
            CResultLayout::Indexes(kArrays, {8, 17}), std::move(peaks),
            // Fields 8 and 19 hold the peaks of the index arrays.
            CResultLayout::Indexes(kArrays, {8, 19}));
    }();
    return layout;
}

void CCalculate_Result_IsACLoadCalculation::Reset()
{
    CHourlyResultRecord::Reset();
    for (auto& list : DetailList)
        list.Clear();
}

void CCalculate_Result_IsACLoadCalculation::AddHourlyValues(
    const CCalculate_Result_IsACLoadCalculation& other)
{
    for (int k = 0; k < kArrays; ++k)
        for (int h = 0; h < Hours; ++h)
            Hourly[k][h] += other.Hourly[k][h];
}

void CCalculate_Result_IsACLoadCalculation::AddWallDetail(bool cooling, const QString& caption,
                                                          const float* values, const QString& key)
{
    AppendDetail(cooling ? 0 : 1, caption, values, key);
}

void CCalculate_Result_IsACLoadCalculation::NameWallDetailByOrientation(int part,
                                                                        const CElementBase& oriented,
                                                                        const CElementBase& named,
                                                                        bool cooling, const float* values,
                                                                        const QString& key)
{
    if (part < 0 || part > 2)
        return;
    const SPartList& target = (cooling ? kCoolingParts : kHeatingParts)[part];
    QString caption = named.Name + QString::fromUtf8(target.Word) +
                      OrientationName(oriented.GetAttribute(QStringLiteral("Direction")).toInt());
    const double angle = oriented.GetAttribute(QStringLiteral("Direction_Angle")).toDouble();
    if (angle != 0)
        caption += QString::number(angle, 'g', 15) + QStringLiteral("度");
    caption += QLatin1Char(')');
    AppendDetail(target.List, caption, values, key);
}

QString CCalculate_Result_IsACLoadCalculation::OrientationName(int direction)
{
    static const char* const names[] = {"水平", "南", "西南", "西", "西北", "北", "东北", "东", "东南"};
    if (direction < 0 || direction > 8)
        return QString();
    return QString::fromUtf8(names[direction]);
}

void CCalculate_Result_IsACLoadCalculation::AppendDetail(int list, const QString& caption,
                                                         const float* values, const QString& key)
{
    auto* row = new OutSideWall_Detail_Data;
    row->Caption = caption;
    row->Key = key;
    for (int h = 0; h < Hours; ++h) {
        const float value = values[h];
        row->Value[h] = value;
        if (value > row->MaxValue) {
            row->MaxValue = value;
            row->MaxHour = h;
        }
        if (value < row->MinValue) {
            row->MinValue = value;
            row->MinHour = h;
        }
    }
    DetailList[list].Add(row);
}
