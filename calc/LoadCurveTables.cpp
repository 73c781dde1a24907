#include "calc/LoadCurveTables.h"

#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "calc/CCalculate_Result_IsACLoadIntelligentEstimation.h"
#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"
#include "calc/CCalculate_Result_IsHeatingLoadStepCalculation.h"
#include "calc/CLoadCurveList.h"

namespace {
constexpr int kNodeLevels = -1;   // rows of projects, buildings, storeys and rooms
constexpr int kBuildingLevels = -2; // rows of projects and buildings only

struct SCurveRow
{
    int Group; // kNodeLevels, kBuildingLevels or the element kind
    const char* Caption;
    int Array;
};

constexpr SCurveRow kIntelligentRows[] = {
    {kNodeLevels, "总冷负荷(全热)", 0},
    {kNodeLevels, "总冷负荷(显热)", 1},
    {kNodeLevels, "室内冷负荷(全热)", 2},
    {kNodeLevels, "室内冷负荷(显热)", 3},
    {kNodeLevels, "夏季室内湿负荷(g/h)", 4},
    {kNodeLevels, "夏季新风量(m^3/h)", 5},
    {kNodeLevels, "新风冷负荷", 6},
    {kNodeLevels, "总热负荷(全热)", 9},
    {kNodeLevels, "总热负荷(显热)", 10},
    {kNodeLevels, "室内热负荷(全热)", 11},
    {kNodeLevels, "室内热负荷(显热)", 12},
    {kNodeLevels, "冬季室内湿负荷(g/h)", 13},
    {kNodeLevels, "冬季新风量(m^3/h)", 14},
    {kNodeLevels, "新风热负荷", 15},
    {kNodeLevels, "围护冷负荷", 48},
    {kNodeLevels, "围护热负荷", 49},
    {4, "夏季人员冷负荷(全热)", 18},
    {4, "夏季人员冷负荷(显热)", 19},
    {4, "夏季人员湿负荷(g/h)", 20},
    {4, "冬季人员冷负荷(全热)", 21},
    {4, "冬季人员冷负荷(显热)", 22},
    {4, "冬季人员湿负荷(g/h)", 23},
    {5, "夏季照明冷负荷", 24},
    {5, "冬季照明冷负荷", 25},
    {6, "夏季电热设备冷负荷", 26},
    {6, "冬季电热设备冷负荷", 27},
    {6, "夏季电热设备湿负荷(g/h)", 28},
    {6, "冬季电热设备湿负荷(g/h)", 29},
    {7, "夏季电子设备冷负荷", 30},
    {7, "冬季电子设备冷负荷", 31},
    {8, "夏季电动设备冷负荷", 32},
    {8, "冬季电动设备冷负荷", 33},
    {8, "夏季电动设备湿负荷(g/h)", 34},
    {8, "冬季电动设备湿负荷(g/h)", 35},
    {25, "夏季食物冷负荷", 36},
    {25, "冬季食物冷负荷", 37},
    {25, "夏季食物湿负荷(g/h)", 38},
    {25, "冬季食物湿负荷(g/h)", 39},
    {26, "夏季水面蒸发冷负荷", 40},
    {26, "冬季水面蒸发冷负荷", 41},
    {26, "夏季水面蒸发湿负荷(g/h)", 42},
    {26, "冬季水面蒸发湿负荷(g/h)", 43},
    {27, "空气渗透冷负荷", 44},
    {27, "空气渗透热负荷", 45},
    {27, "夏季空气渗透湿负荷(g/h)", 46},
    {27, "冬季空气渗透湿负荷(g/h)", 47},
};

constexpr SCurveRow kDetailedRows[] = {
    {kBuildingLevels, "夏季水泵温升和水管温升冷负荷", 106},
    {kBuildingLevels, "冬季水泵温升和水管温升冷负荷", 107},
    {kNodeLevels, "总冷负荷(全热)", 0},
    {kNodeLevels, "总冷负荷(显热)", 1},
    {kNodeLevels, "室内冷负荷(全热)", 2},
    {kNodeLevels, "室内冷负荷(显热)", 3},
    {kNodeLevels, "夏季室内湿负荷(g/h)", 4},
    {kNodeLevels, "夏季新风量(m^3/h)", 5},
    {kNodeLevels, "新风冷负荷", 6},
    {kNodeLevels, "冬季总热负荷(全热)", 9},
    {kNodeLevels, "冬季总热负荷(显热)", 10},
    {kNodeLevels, "冬季室内热负荷(全热)", 11},
    {kNodeLevels, "冬季室内热负荷(显热)", 12},
    {kNodeLevels, "冬季室内冷负荷(全热)", 13},
    {kNodeLevels, "冬季室内冷负荷(显热)", 14},
    {kNodeLevels, "冬季室内湿负荷(g/h)", 18},
    {kNodeLevels, "冬季新风量(m^3/h)", 19},
    {kNodeLevels, "新风热负荷", 15},
    {kNodeLevels, "围护冷负荷", 90},
    {kNodeLevels, "冬季太阳辐射负荷", 94},
    {kNodeLevels, "夏季太阳辐射负荷", 95},
    {kNodeLevels, "夏季风机温升和风管温升冷负荷", 108},
    {kNodeLevels, "冬季风机温升和风管温升冷负荷", 109},
    {kNodeLevels, "夏季化学反应湿负荷", 110},
    {kNodeLevels, "冬季化学反应湿负荷", 111},
    {kNodeLevels, "夏季化学反应全热负荷", 112},
    {kNodeLevels, "冬季化学反应全热负荷", 113},
    {kNodeLevels, "夏季化学反应潜热负荷", 114},
    {kNodeLevels, "冬季化学反应潜热负荷", 115},
    {kNodeLevels, "夏季围护结构湿负荷", 116},
    {kNodeLevels, "冬季围护结构湿负荷", 117},
    {kNodeLevels, "夏季围护结构潜热负荷", 118},
    {kNodeLevels, "冬季围护结构潜热负荷", 119},
    {4, "夏季人员冷负荷(全热)", 20},
    {4, "夏季人员冷负荷(显热)", 21},
    {4, "夏季人员湿负荷(g/h)", 22},
    {4, "冬季人员冷负荷(全热)", 23},
    {4, "冬季人员冷负荷(显热)", 24},
    {4, "冬季人员湿负荷(g/h)", 25},
    {5, "夏季照明冷负荷", 26},
    {5, "冬季照明冷负荷", 27},
    {6, "夏季电热设备冷负荷", 28},
    {6, "冬季电热设备冷负荷", 29},
    {6, "夏季电热设备湿负荷(g/h)", 30},
    {6, "冬季电热设备湿负荷(g/h)", 31},
    {7, "夏季电子设备冷负荷", 32},
    {7, "冬季电子设备冷负荷", 33},
    {8, "夏季电动设备冷负荷", 34},
    {8, "冬季电动设备冷负荷", 35},
    {8, "夏季电动设备湿负荷(g/h)", 36},
    {8, "冬季电动设备湿负荷(g/h)", 37},
    {25, "夏季食物冷负荷", 38},
    {25, "冬季食物冷负荷", 39},
    {25, "夏季食物湿负荷(g/h)", 40},
    {25, "冬季食物湿负荷(g/h)", 41},
    {26, "夏季水面蒸发冷负荷", 42},
    {26, "冬季水面蒸发冷负荷", 43},
    {26, "夏季水面蒸发湿负荷(g/h)", 44},
    {26, "冬季水面蒸发湿负荷(g/h)", 45},
    {27, "空气渗透冷负荷", 46},
    {27, "空气渗透热负荷", 47},
    {27, "夏季空气渗透湿负荷(g/h)", 48},
    {27, "冬季空气渗透湿负荷(g/h)", 49},
    {9, "外墙冷负荷(含外门窗)", 50},
    {9, "外墙热负荷(含外门窗)", 51},
    {9, "外墙冷负荷", 84},
    {9, "外墙热负荷", 85},
    {11, "外门冷负荷", 60},
    {11, "外门热负荷", 61},
    {10, "外窗冷负荷", 54},
    {10, "外窗热负荷", 55},
    {13, "内墙冷负荷(含内门窗)", 52},
    {13, "内墙热负荷(含内门窗)", 53},
    {13, "内墙冷负荷", 86},
    {13, "内墙热负荷", 87},
    {14, "内窗冷负荷", 62},
    {14, "内窗热负荷", 63},
    {15, "内门冷负荷", 64},
    {15, "内门热负荷", 65},
    {17, "屋顶冷负荷(含天窗)", 66},
    {17, "屋顶热负荷(含天窗)", 67},
    {17, "屋顶冷负荷", 88},
    {17, "屋顶热负荷", 89},
    {18, "天窗冷负荷", 68},
    {18, "天窗热负荷", 69},
    {16, "楼板冷负荷", 74},
    {16, "楼板热负荷", 75},
    {20, "玻璃屋顶冷负荷", 76},
    {20, "玻璃屋顶热负荷", 77},
    {21, "地板冷负荷", 78},
    {21, "地板热负荷", 79},
    {23, "悬空地板冷负荷", 80},
    {23, "悬空地板热负荷", 81},
    {19, "闷顶冷负荷", 82},
    {19, "闷顶热负荷", 83},
    {24, "缝墙冷负荷", 92},
    {24, "缝墙热负荷", 93},
    {12, "玻璃幕墙冷负荷", 96},
    {12, "玻璃幕墙热负荷", 97},
    {22, "地面冷负荷", 102},
    {22, "地面热负荷", 103},
    {29, "地下室外墙冷负荷", 104},
    {29, "地下室外墙热负荷", 105},
};

constexpr SCurveRow kStepRows[] = {
    {kNodeLevels, "总负荷(全热)", 10},
    {kNodeLevels, "总负荷(显热)", 11},
    {kNodeLevels, "室内负荷(全热)", 14},
    {kNodeLevels, "室内负荷(显热)", 15},
    {kNodeLevels, "室内湿负荷(g/h)", 16},
    {kNodeLevels, "新风负荷", 12},
    {kNodeLevels, "太阳辐射负荷", 50},
    {kNodeLevels, "围护负荷", 48},
    {kNodeLevels, "新风量(m^3/h)", 51},
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
    {29, "地下室外墙负荷", 53},
    {12, "玻璃幕墙", 54},
};

constexpr SCurveRow kHeatingRows[] = {
    {kNodeLevels, "总采暖负荷", 0},
    {kNodeLevels, "围护传热采暖负荷", 22},
    {kNodeLevels, "门窗空气渗透采暖负荷", 2},
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

bool RowApplies(int group, int kind)
{
    if (kind >= 0 && kind <= 3)
        return group != kBuildingLevels || kind <= 1;
    return group == kind;
}

template <typename Record, size_t N>
void AddRows(const SCurveRow (&rows)[N], const Record& record, int kind, int period, CLoadCurveList& curves)
{
    for (const SCurveRow& row : rows)
        if (RowApplies(row.Group, kind))
            curves.AddCurve(QString::fromUtf8(row.Caption), record.Hourly[row.Array], period);
}
} // namespace

namespace LoadCurveTables {

void AddIntelligentCurves(const CCalculate_Result_IsACLoadIntelligentEstimation& record, int kind,
                          CLoadCurveList& curves)
{
    AddRows(kIntelligentRows, record, kind, 0, curves);
}

void AddDetailedCurves(const CCalculate_Result_IsACLoadCalculation& record, int kind, CLoadCurveList& curves)
{
    AddRows(kDetailedRows, record, kind, 0, curves);
}

void AddACStepCurves(const CCalculate_Result_IsACLoadStepCalculation& record, int kind, int period,
                     CLoadCurveList& curves)
{
    AddRows(kStepRows, record, kind, period, curves);
}

void AddHeatingCurves(const CCalculate_Result_IsHeatingLoadStepCalculation& record, int kind, int period,
                      CLoadCurveList& curves)
{
    AddRows(kHeatingRows, record, kind, period, curves);
}

} // namespace LoadCurveTables
