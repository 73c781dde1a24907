#include "calc/CCalculateHostBase.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CHourlyResultTable.h"
#include "calc/CIndexArea.h"
#include "calc/CScopedResult.h"
#include "calc/LoadSummaryBlocks.h"
#include "calc/ResultByType.h"
#include "calc/ResultDispatch.h"
#include "calc/SeriesStatistics.h"
#include "model/CProjectData.h"

#include <algorithm>
#include <iterator>

namespace {
constexpr int kSummaryCategory = 3;

// Design type 0: the two loads of the estimate, for every node kind.
constexpr SSummaryLine kSimpleLines[] = {
    {kAnyNodeKind, "总冷负荷：\t%f ", 0},
    {kAnyNodeKind, "总热负荷：\t%f ", 3},
};

// Design type 1: the twelve loads of the estimate, for every node kind.
constexpr SSummaryLine kItemizedLines[] = {
    {kAnyNodeKind, "总冷 负 荷: %f ", 0},  {kAnyNodeKind, "总热 负 荷: %f ", 3},
    {kAnyNodeKind, "室内冷负荷: %f ", 4},  {kAnyNodeKind, "室内热负荷: %f ", 5},
    {kAnyNodeKind, "围护冷负荷: %f ", 8},  {kAnyNodeKind, "围护热负荷: %f ", 9},
    {kAnyNodeKind, "人员冷负荷: %f ", 10}, {kAnyNodeKind, "人员热负荷: %f ", 11},
    {kAnyNodeKind, "新风冷负荷: %f ", 14}, {kAnyNodeKind, "新风热负荷: %f ", 15},
    {kAnyNodeKind, "其他冷负荷: %f ", 18}, {kAnyNodeKind, "其他热负荷: %f ", 19},
};

// Design type 2: a node prints its own block and every block after it.
constexpr SSummaryLine kIntelligentLines[] = {
    {kTotalsBlock, "总冷负荷(全热): %f 发生时刻 : %s ", 0},
    {kTotalsBlock, "总冷负荷(显热): %f ", 1},
    {kTotalsBlock, "室内冷负荷(全热): %f ", 2},
    {kTotalsBlock, "室内冷负荷(显热): %f ", 3},
    {kTotalsBlock, "夏季室内湿负荷(g/h): %f ", 4},
    {kTotalsBlock, "夏季新风量(m^3/h): %f ", 5},
    {kTotalsBlock, "新风冷负荷: %f ", 6},
    {kTotalsBlock, "总热负荷(全热): %f 发生时刻 : %s ", 9},
    {kTotalsBlock, "总热负荷(显热): %f ", 10},
    {kTotalsBlock, "室内热负荷(全热): %f ", 11},
    {kTotalsBlock, "室内热负荷(显热): %f ", 12},
    {kTotalsBlock, "冬季室内湿负荷(g/h): %f ", 13},
    {kTotalsBlock, "冬季新风量(m^3/h): %f ", 14},
    {kTotalsBlock, "新风热负荷: %f ", 15},
    {kTotalsBlock, "围护冷负荷: %f ", 48},
    {kTotalsBlock, "围护热负荷: %f ", 49},
    {4, "夏季人员冷负荷(全热): %f ", 18},
    {4, "夏季人员冷负荷(显热): %f ", 19},
    {4, "夏季人员湿负荷(g/h): %f ", 20},
    {4, "冬季人员冷负荷(全热): %f ", 21},
    {4, "冬季人员冷负荷(显热): %f ", 22},
    {4, "冬季人员湿负荷(g/h): %f ", 23},
    {5, "夏季照明冷负荷: %f ", 24},
    {5, "冬季照明冷负荷: %f ", 25},
    {6, "夏季电热设备冷负荷: %f ", 26},
    {6, "冬季电热设备冷负荷: %f ", 27},
    {6, "夏季电热设备湿负荷(g/h): %f ", 28},
    {6, "冬季电热设备湿负荷(g/h): %f ", 29},
    {7, "夏季电子设备冷负荷: %f ", 30},
    {7, "冬季电子设备冷负荷: %f ", 31},
    {8, "夏季电动设备冷负荷: %f ", 32},
    {8, "冬季电动设备冷负荷: %f ", 33},
    {8, "夏季电动设备湿负荷(g/h): %f ", 34},
    {8, "冬季电动设备湿负荷(g/h): %f ", 35},
    {25, "夏季食物冷负荷: %f ", 36},
    {25, "冬季食物冷负荷: %f ", 37},
    {25, "夏季食物湿负荷(g/h): %f ", 38},
    {25, "冬季食物湿负荷(g/h): %f ", 39},
    {26, "夏季水面蒸发冷负荷: %f ", 40},
    {26, "冬季水面蒸发冷负荷: %f ", 41},
    {26, "夏季水面蒸发湿负荷(g/h): %f ", 42},
    {26, "冬季水面蒸发湿负荷(g/h): %f ", 43},
    {27, "空气渗透冷负荷: %f ", 44},
    {27, "空气渗透热负荷: %f ", 45},
    {27, "夏季空气渗透湿负荷(g/h): %f ", 46},
    {27, "冬季空气渗透湿负荷(g/h): %f ", 47},
};

constexpr int kBuildingNode = 1;

// Design type 3: the totals with the hours and indexes of the main peaks (the pump lines for a
// building only), then the element kinds under the captions of their arrays.
constexpr SSummaryLine kDetailedLines[] = {
    {kTotalsBlock, "总冷负荷(全热): %f 发生时刻:%s  总冷(全热)指标(W/m^2):%f", 0},
    {kTotalsBlock, "总冷负荷(显热): %f ", 1},
    {kTotalsBlock, "夏季水泵温升和水管温升冷负荷: %f ", 106, kBuildingNode},
    {kTotalsBlock, "冬季水泵温升和水管温升冷负荷: %f ", 107, kBuildingNode},
    {kTotalsBlock, "室内冷负荷(全热): %f 发生时刻:%s  室内冷(全热)指标(W/m^2): %f", 2},
    {kTotalsBlock, "室内冷负荷(显热): %f ", 3},
    {kTotalsBlock, "夏季室内湿负荷(g/h): %f ", 4},
    {kTotalsBlock, "夏季新风量(m^3/h): %f ", 5},
    {kTotalsBlock, "新风冷负荷: %f  发生时刻:%s  新风冷指标(W/m^2): %f", 6},
    {kTotalsBlock, "冬季总热负荷(全热): %f 发生时刻:%s 冬季总热(全热)指标(W/m^2): %f ", 9},
    {kTotalsBlock, "冬季总热负荷(显热): %f ", 10},
    {kTotalsBlock, "冬季室内热负荷(全热): %f 发生时刻:%s 冬季室内热(全热)指标(W/m^2): %f ", 11},
    {kTotalsBlock, "冬季室内热负荷(显热): %f ", 12},
    {kTotalsBlock, "冬季室内冷负荷(全热): %f 发生时刻:%s  冬季室内冷(全热)指标(W/m^2): %f ", 13},
    {kTotalsBlock, "冬季室内冷负荷(显热): %f ", 14},
    {kTotalsBlock, "冬季室内湿负荷(g/h): %f ", 18},
    {kTotalsBlock, "冬季新风量(m^3/h): %f ", 19},
    {kTotalsBlock, "新风热负荷: %f  发生时刻:%s 新风热指标(W/m^2): %f  ", 15},
    {kTotalsBlock, "围护冷负荷: %f ", 90},
    {kTotalsBlock, "冬季太阳辐射负荷: %f ", 94},
    {kTotalsBlock, "夏季太阳辐射负荷: %f ", 95},
    {kTotalsBlock, "夏季风机温升和风管温升冷负荷: %f ", 108},
    {kTotalsBlock, "冬季风机温升和风管温升冷负荷: %f ", 109},
    {kTotalsBlock, "夏季围护结构湿负荷(g/h): %f ", 116},
    {kTotalsBlock, "冬季围护结构湿负荷(g/h): %f ", 117},
    {kTotalsBlock, "夏季围护结构潜热负荷: %f ", 118},
    {kTotalsBlock, "冬季围护结构潜热负荷: %f ", 119},
    {4, nullptr, 20},
    {4, nullptr, 21},
    {4, nullptr, 22},
    {4, nullptr, 23},
    {4, nullptr, 24},
    {4, nullptr, 25},
    {5, nullptr, 26},
    {5, nullptr, 27},
    {6, nullptr, 28},
    {6, nullptr, 29},
    {6, nullptr, 30},
    {6, nullptr, 31},
    {7, nullptr, 32},
    {7, nullptr, 33},
    {8, nullptr, 34},
    {8, nullptr, 35},
    {8, nullptr, 36},
    {8, nullptr, 37},
    {25, nullptr, 38},
    {25, nullptr, 39},
    {25, nullptr, 40},
    {25, nullptr, 41},
    {25, nullptr, 110},
    {25, nullptr, 111},
    {25, nullptr, 112},
    {25, nullptr, 113},
    {25, nullptr, 114},
    {25, nullptr, 115},
    {26, nullptr, 42},
    {26, nullptr, 43},
    {26, nullptr, 44},
    {26, nullptr, 45},
    {27, nullptr, 46},
    {27, nullptr, 47},
    {27, nullptr, 48},
    {27, nullptr, 49},
    {9, nullptr, 50},
    {9, nullptr, 51},
    {9, nullptr, 84},
    {9, nullptr, 85},
    {11, nullptr, 60},
    {11, nullptr, 61},
    {10, nullptr, 54},
    {10, nullptr, 55},
    {10, nullptr, 56},
    {10, nullptr, 57},
    {10, nullptr, 58},
    {10, nullptr, 59},
    {13, nullptr, 52},
    {13, nullptr, 53},
    {13, nullptr, 86},
    {13, nullptr, 87},
    {14, nullptr, 62},
    {14, nullptr, 63},
    {15, nullptr, 64},
    {15, nullptr, 65},
    {17, nullptr, 66},
    {17, nullptr, 67},
    {17, nullptr, 88},
    {17, nullptr, 89},
    {18, nullptr, 68},
    {18, nullptr, 69},
    {18, nullptr, 70},
    {18, nullptr, 71},
    {18, nullptr, 72},
    {18, nullptr, 73},
    {16, nullptr, 74},
    {16, nullptr, 75},
    {20, nullptr, 76},
    {20, nullptr, 77},
    {20, nullptr, 98},
    {20, nullptr, 99},
    {20, nullptr, 100},
    {20, nullptr, 101},
    {21, nullptr, 78},
    {21, nullptr, 79},
    {23, nullptr, 80},
    {23, nullptr, 81},
    {19, nullptr, 82},
    {19, nullptr, 83},
    {24, nullptr, 92},
    {24, nullptr, 93},
    {12, nullptr, 96},
    {12, nullptr, 97},
    {22, nullptr, 102},
    {22, nullptr, 103},
    {29, nullptr, 104},
    {29, nullptr, 105},
};

// The moisture arrays among the element arrays: "(g/h)" follows their caption.
constexpr int kDetailedMoistureArrays[] = {22, 25, 30, 31, 36, 37, 40, 41, 44, 45, 48, 49, 110, 111};

// The seven peaks of design type 3 printed with their hour and index: the array, whether the
// index is per cooling (else heating) index area, the totals field that keeps the index and the
// sign filter of the peak hour.
struct SIndexRule
{
    int Array;
    bool Cooling;
    int Field;
    int HourFilter;
};
constexpr SIndexRule kDetailedIndexes[] = {
    {0, true, 8, 0},     {2, true, 120, 0},  {6, true, 124, 0},   {9, false, 121, 0},
    {11, false, 122, 0}, {13, true, 123, 1}, {15, false, 125, 0},
};

const SIndexRule& IndexRuleOf(int array)
{
    return *std::find_if(std::begin(kDetailedIndexes), std::end(kDetailedIndexes),
                         [&](const SIndexRule& rule) { return rule.Array == array; });
}

// Design type 6: the heat that the rooms of a node pass to each other is no loss of the node.
// A building or project keeps none of it; a storey keeps what goes through its floor slabs and
// floors, to the storeys above and below. Pairs: loss array, adjacent-room share.
constexpr int kBuildingShares[][2] = {{0, 25}, {5, 27}, {17, 28}, {6, 29}, {7, 30}, {12, 31}, {13, 32}};
constexpr int kStoreyShares[][2] = {{0, 26}, {5, 27}, {17, 28}, {6, 29}, {7, 30}};

constexpr int kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

QString ChineseNumeral(int number)
{
    static const char* const numerals[31] = {
        "一",     "二",     "三",     "四",     "五",     "六",     "七",     "八",
        "九",     "十",     "十一",   "十二",   "十三",   "十四",   "十五",   "十六",
        "十七",   "十八",   "十九",   "二十",   "二十一", "二十二", "二十三", "二十四",
        "二十五", "二十六", "二十七", "二十八", "二十九", "三十",   "三十一",
    };
    return QString::fromUtf8(numerals[number - 1]);
}

void PostSummaryLine(const QString& text)
{
    CCalculateHostBase::PostOutputLine(kSummaryCategory, text);
}

template <typename Record> SSummaryValues ValuesOf(Record& record)
{
    SSummaryValues values;
    if constexpr (HasTotalsRecord<Record>)
        values.Peak = [&record](int array) { return TotalsPeakOf(record, array); };
    else
        values.Peak = [&record](int value) { return record.Value[value]; };
    return values;
}

void PrintIntelligentEstimation(CCalculate_Result_IsACLoadIntelligentEstimation& result, int kind)
{
    result.ComputeTotals();
    SSummaryValues values = ValuesOf(result);
    // The totals keep the peak hours of arrays 0 and 9 first.
    values.PeakHour = [&result](int array) {
        return FormatHourText(result.Totals->PeakHour[array == 0 ? 0 : 1]);
    };
    PrintSummaryBlocks(kIntelligentLines, kind, ESummaryChoice::FromKind, values);
}

void PrintDetailed(CCalculate_Result_IsACLoadCalculation& result, int kind)
{
    const double coolingArea = CIndexArea::CoolingArea();
    const double heatingArea = CIndexArea::HeatingArea();
    result.ComputeTotals();
    // The indexes are labelled W/m^2: in a kcal/h project the peaks go back to watts first.
    const bool kcal = CProjectData::Exists() && CProjectData::Current().Unit != 0;
    const double toWatt = kcal ? 1.0 / static_cast<double>(CResultLayout::KcalPerW) : 1.0;
    float* fields = result.Totals->Value;
    for (const SIndexRule& rule : kDetailedIndexes) {
        const double area = rule.Cooling ? coolingArea : heatingArea;
        fields[rule.Field] =
            area == 0 ? 0.0f : static_cast<float>(TotalsPeakOf(result, rule.Array) * toWatt / area);
    }

    SSummaryValues values = ValuesOf(result);
    values.PeakHour = [&result](int array) {
        return FormatPeakHourText(result.Hourly[array], CCalculate_Result_IsACLoadCalculation::Hours,
                                  IndexRuleOf(array).HourFilter);
    };
    values.Index = [fields](int array) { return fields[IndexRuleOf(array).Field]; };
    values.Caption = [](int array) {
        const bool moisture =
            std::find(std::begin(kDetailedMoistureArrays), std::end(kDetailedMoistureArrays), array) !=
            std::end(kDetailedMoistureArrays);
        return HourlyArrayCaption(array) + (moisture ? QStringLiteral("(g/h)") : QString());
    };
    PrintSummaryBlocks(kDetailedLines, kind, ESummaryChoice::TotalsOrOwn, values);
}

void TakeOutAdjacentShares(CCalculate_Result_IsHeatingLoadStepCalculation& result, int kind)
{
    const auto takeOut = [&](const auto& pairs) {
        for (const auto& pair : pairs)
            for (int h = 0; h < CCalculate_Result_IsHeatingLoadStepCalculation::Hours; ++h)
                result.Hourly[pair[0]][h] -= result.Hourly[pair[1]][h];
    };
    if (kind == 0 || kind == 1)
        takeOut(kBuildingShares);
    else if (kind == 2)
        takeOut(kStoreyShares);
}

// One record, 12 months under "%s月份 " or 365 days under "%s月%s日", each with its totals computed
// right before it is printed.
template <typename Record> void PrintSteps(Record* records, int steps, int kind, void (*print)(Record&, int))
{
    if (steps == 1) {
        records[0].ComputeTotals();
        print(records[0], kind);
        return;
    }
    int step = 0;
    for (int month = 1; month <= 12; ++month) {
        const int days = steps == 12 ? 1 : kMonthDays[month - 1];
        for (int day = 1; day <= days; ++day, ++step) {
            records[step].ComputeTotals();
            PostSummaryLine(steps == 12
                                ? QStringLiteral("%1月份 ").arg(ChineseNumeral(month))
                                : QStringLiteral("%1月%2日").arg(ChineseNumeral(month), ChineseNumeral(day)));
            print(records[step], kind);
        }
    }
}
} // namespace

void CCalculate_Manager::OutputLoadSummary(CTreeItem* item)
{
    const int designType = CurrentDesignType();
    if (!item || designType < 0 || designType > 8)
        return;
    CScopedResult run(designType);
    const int kind = Calculate(item, run.Get());
    switch (designType) {
    case 0: {
        auto& result = run.As<CCalculate_Result_IsACLoadSimpleEstimation>();
        PrintSummaryBlocks(kSimpleLines, kind, ESummaryChoice::Every, ValuesOf(result));
        return;
    }
    case 1: {
        auto& result = run.As<CCalculate_Result_IsACLoadItemizedEstimation>();
        PrintSummaryBlocks(kItemizedLines, kind, ESummaryChoice::Every, ValuesOf(result));
        return;
    }
    case 2:
        PrintIntelligentEstimation(run.As<CCalculate_Result_IsACLoadIntelligentEstimation>(), kind);
        return;
    case 3:
        PrintDetailed(run.As<CCalculate_Result_IsACLoadCalculation>(), kind);
        return;
    case 4:
    case 5:
        PrintSteps(&run.As<CCalculate_Result_IsACLoadStepCalculation>(), ResultStepCount(designType), kind,
                   &CCalculate_Manager::OutputStepLoadSummary);
        return;
    case 6:
        TakeOutAdjacentShares(run.As<CCalculate_Result_IsHeatingLoadStepCalculation>(), kind);
        [[fallthrough]];
    default:
        PrintSteps(&run.As<CCalculate_Result_IsHeatingLoadStepCalculation>(), ResultStepCount(designType),
                   kind, &CCalculate_Manager::OutputHeatingLoadSummary);
        return;
    }
}
