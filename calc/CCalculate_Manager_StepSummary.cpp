#include "calc/CCalculate_Manager.h"
#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"
#include "calc/CCalculate_Result_IsHeatingLoadStepCalculation.h"
#include "calc/LoadSummaryBlocks.h"

namespace {
constexpr int kRoomNode = 3;

// The day of air-conditioning loads: the totals, then the element kinds.
constexpr SSummaryLine kStepLines[] = {
    {kTotalsBlock, "总负荷(全热)", 10},
    {kTotalsBlock, "总负荷(显热)", 11},
    {kTotalsBlock, "室内负荷(全热)", 14},
    {kTotalsBlock, "室内负荷(显热)", 15},
    {kTotalsBlock, "室内湿负荷(g/h)", 16},
    {kTotalsBlock, "新风负荷", 12},
    {kTotalsBlock, "太阳辐射负荷", 50},
    {kTotalsBlock, "围护负荷", 48},
    {kTotalsBlock, "新风量(m^3/h)", 51},
    {4, "人员负荷(全热)", 17},
    {4, "人员负荷(显热)", 18},
    {4, "人员湿负荷(g/h)", 19},
    {5, "照明负荷", 20},
    {6, "电热设备负荷", 21},
    {6, "电热设备湿负荷(g/h)", 22},
    {7, "电子设备负荷", 23},
    {8, "电动设备负荷", 24},
    {8, "电动设备湿负荷(g/h)", 25},
    {25, "食物负荷", 26},
    {25, "食物湿负荷(g/h)", 27},
    {26, "水面蒸发负荷", 28},
    {26, "水面蒸发湿负荷(g/h)", 29},
    {27, "空气渗透负荷", 30},
    {27, "空气渗透湿负荷(g/h)", 31},
    {9, "外墙负荷(含外门窗)", 32},
    {9, "外墙负荷", 45},
    {13, "内墙负荷(含内门窗)", 33},
    {13, "内墙负荷", 46},
    {10, "外窗负荷", 34},
    {11, "外门负荷", 35},
    {14, "内窗负荷", 36},
    {15, "内门负荷", 37},
    {17, "屋顶负荷(含天窗)", 38},
    {17, "屋顶负荷", 47},
    {18, "天窗负荷", 39},
    {16, "楼板负荷", 40},
    {20, "玻璃屋顶负荷", 41},
    {21, "地板负荷", 42},
    {23, "悬空地板负荷", 43},
    {19, "闷顶负荷", 44},
    {24, "缝墙负荷", 49},
    {22, "地面负荷", 52},
    {12, "玻璃幕墙", 54},
    {29, "地下室外墙", 53},
};

// The day of heating loads. The infiltration through doors and windows shows with the totals and
// again with the outside windows and doors.
constexpr SSummaryLine kHeatingLines[] = {
    {kTotalsBlock, "总采暖负荷", 0},
    {kTotalsBlock, "户内采暖设备容量", 24, kRoomNode},
    {kTotalsBlock, "围护传热采暖负荷", 22},
    {kTotalsBlock, "门窗空气渗透采暖负荷", 2},
    {12, "玻璃幕墙", 23},
    {9, "外墙采暖负荷", 1},
    {9, "外墙采暖负荷(含外门窗)", 16},
    {13, "内墙采暖负荷", 5},
    {13, "内墙采暖负荷(含内门窗)", 17},
    {10, "外窗采暖负荷", 3},
    {10, "门窗空气渗透采暖负荷", 2},
    {11, "外门采暖负荷", 4},
    {11, "门窗空气渗透采暖负荷", 2},
    {14, "内窗采暖负荷", 6},
    {15, "内门采暖负荷", 7},
    {17, "屋顶采暖负荷", 9},
    {17, "屋顶采暖负荷(含天窗)", 18},
    {18, "天窗采暖负荷", 15},
    {16, "楼板采暖负荷", 12},
    {20, "玻璃屋顶采暖负荷", 10},
    {21, "地板采暖负荷", 13},
    {23, "悬空地板采暖负荷", 14},
    {19, "闷顶采暖负荷", 11},
    {24, "缝墙采暖负荷", 8},
    {22, "地面采暖负荷", 19},
    {29, "地下室外墙采暖负荷", 20},
    {28, "其他采暖负荷", 21},
};

template <typename Record> void PrintRecord(std::span<const SSummaryLine> lines, Record& result, int kind)
{
    if (!result.Totals)
        result.ComputeTotals();
    SSummaryValues values;
    values.Peak = [&](int array) { return TotalsPeakOf(result, array); };
    PrintSummaryBlocks(lines, kind, ESummaryChoice::TotalsOrOwn, values);
}
} // namespace

void CCalculate_Manager::OutputStepLoadSummary(CCalculate_Result_IsACLoadStepCalculation& result, int kind)
{
    PrintRecord(kStepLines, result, kind);
}

void CCalculate_Manager::OutputHeatingLoadSummary(CCalculate_Result_IsHeatingLoadStepCalculation& result,
                                                  int kind)
{
    PrintRecord(kHeatingLines, result, kind);
}
