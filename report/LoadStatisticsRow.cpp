#include "report/LoadStatisticsRow.h"

#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "calc/CCalculate_Result_IsACLoadIntelligentEstimation.h"
#include "calc/CCalculate_Result_IsACLoadItemizedEstimation.h"
#include "calc/CCalculate_Result_IsACLoadSimpleEstimation.h"
#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"
#include "calc/CCalculate_Result_IsHeatingLoadStepCalculation.h"
#include "calc/ResultByType.h"
#include "calc/SeriesStatistics.h"
#include "report/COutputParam.h"
#include "report/COutputParams.h"
#include "report/engine/CQORReport.h"

#include <span>

namespace {
constexpr const char* kRealFormat = "%.2f";
constexpr int kStatisticsOption = 192;

// Where a column's value comes from: the simple or itemized record's values, the totals record,
// nothing (an empty cell), the intelligent estimate's summer (0) or winter (1) peak hour, or the
// peak hour of an hourly array of the detailed record.
enum class Source
{
    Value,
    Totals,
    Empty,
    PeakHour,
    HourOfArray
};
// A load as it is, divided by the cooling or the heating area, or an hour label's sign filter.
enum class Per
{
    None,
    Cooling,
    Heating,
    Filter1,
    Filter2
};

struct SStatisticsColumn
{
    int Option;
    const char* Field;
    Source From;
    int Index;
    Per Divide;
};

// Design type 0 (simple estimate).
const SStatisticsColumn kSimple[] = {
    {193, "Total_Cool_Load_All", Source::Value, 0, Per::None},
    {195, "Indoor_Cool_Load_All", Source::Empty, 0, Per::None},
    {201, "Total_Cool_Load_All/p_Area", Source::Value, 0, Per::Cooling},
    {202, "Total_Heat_Load_All", Source::Value, 3, Per::None},
    {204, "Indoor_Heat_Load_All", Source::Empty, 0, Per::None},
    {210, "Total_Heat_Load_All/p_Area", Source::Value, 3, Per::Heating},
    {267, "Cool_Enclose_Load/p_Area", Source::Empty, 0, Per::None},
    {268, "Cool_Enclose_Load", Source::Empty, 0, Per::None},
    {269, "Heat_Enclose_Load/p_Area", Source::Empty, 0, Per::None},
    {270, "Heat_Enclose_Load", Source::Empty, 0, Per::None},
    {271, "Cool_Load_People/p_Area", Source::Empty, 0, Per::None},
    {272, "Cool_Load_People", Source::Empty, 0, Per::None},
    {273, "Heat_Load_People/p_Area", Source::Empty, 0, Per::None},
    {274, "Heat_Load_People", Source::Empty, 0, Per::None},
    {275, "Cool_Load_NewWind/p_Area", Source::Empty, 0, Per::None},
    {276, "Cool_Load_NewWind", Source::Empty, 0, Per::None},
    {277, "Heat_Load_NewWind/p_Area", Source::Empty, 0, Per::None},
    {278, "Heat_Load_NewWind", Source::Empty, 0, Per::None},
    {279, "Cool_Load_Other/p_Area", Source::Empty, 0, Per::None},
    {280, "Cool_Load_Other", Source::Empty, 0, Per::None},
    {281, "Heat_Load_Other/p_Area", Source::Empty, 0, Per::None},
    {282, "Heat_Load_Other", Source::Empty, 0, Per::None},
};
// Design type 1 (itemized estimate).
const SStatisticsColumn kItemized[] = {
    {193, "Total_Cool_Load_All", Source::Value, 0, Per::None},
    {195, "Indoor_Cool_Load_All", Source::Value, 4, Per::None},
    {201, "Total_Cool_Load_All/p_Area", Source::Value, 0, Per::Cooling},
    {202, "Total_Heat_Load_All", Source::Value, 3, Per::None},
    {204, "Indoor_Heat_Load_All", Source::Value, 5, Per::None},
    {210, "Total_Heat_Load_All/p_Area", Source::Value, 3, Per::Heating},
    {267, "Cool_Enclose_Load/p_Area", Source::Value, 8, Per::Cooling},
    {268, "Cool_Enclose_Load", Source::Value, 8, Per::None},
    {269, "Heat_Enclose_Load/p_Area", Source::Value, 9, Per::Heating},
    {270, "Heat_Enclose_Load", Source::Value, 9, Per::None},
    {271, "Cool_Load_People/p_Area", Source::Value, 10, Per::Cooling},
    {272, "Cool_Load_People", Source::Value, 10, Per::None},
    {273, "Heat_Load_People/p_Area", Source::Value, 11, Per::Heating},
    {274, "Heat_Load_People", Source::Value, 11, Per::None},
    {275, "Cool_Load_NewWind/p_Area", Source::Value, 14, Per::Cooling},
    {276, "Cool_Load_NewWind", Source::Value, 14, Per::None},
    {277, "Heat_Load_NewWind/p_Area", Source::Value, 15, Per::Heating},
    {278, "Heat_Load_NewWind", Source::Value, 15, Per::None},
    {279, "Cool_Load_Other/p_Area", Source::Value, 18, Per::Cooling},
    {280, "Cool_Load_Other", Source::Value, 18, Per::None},
    {281, "Heat_Load_Other/p_Area", Source::Value, 19, Per::Heating},
    {282, "Heat_Load_Other", Source::Value, 19, Per::None},
};
// Design type 2 (intelligent estimate).
const SStatisticsColumn kIntelligent[] = {
    {193, "Total_Cool_Load_All", Source::Totals, 0, Per::None},
    {194, "Total_Cool_Load_Obvious", Source::Totals, 1, Per::None},
    {195, "Indoor_Cool_Load_All", Source::Totals, 2, Per::None},
    {196, "Indoor_Cool_Load_Obvious", Source::Totals, 3, Per::None},
    {197, "Total_Load_Wet_Summer", Source::Totals, 4, Per::None},
    {198, "NewWind_Summer", Source::Totals, 5, Per::None},
    {199, "NewWind_Cool_Load", Source::Totals, 6, Per::None},
    {200, "MaxTime_Summer", Source::PeakHour, 0, Per::None},
    {201, "Total_Cool_Load_All/p_Area", Source::Totals, 0, Per::Cooling},
    {202, "Total_Heat_Load_All", Source::Totals, 9, Per::None},
    {203, "Total_Heat_Load_Obvious", Source::Totals, 10, Per::None},
    {204, "Indoor_Heat_Load_All", Source::Totals, 11, Per::None},
    {205, "Indoor_Heat_Load_Obvious", Source::Totals, 12, Per::None},
    {206, "Total_Load_Wet_Winter", Source::Totals, 13, Per::None},
    {207, "NewWind_Winter", Source::Totals, 14, Per::None},
    {208, "Heat_Load_NewWind", Source::Totals, 15, Per::None},
    {209, "MaxTime_Winter", Source::PeakHour, 1, Per::None},
    {210, "Total_Heat_Index/p_Area", Source::Totals, 9, Per::Heating},
    {211, "Cool_Load_All_People_Summer", Source::Totals, 18, Per::None},
    {212, "Cool_Load_Obvious_People_Summer", Source::Totals, 19, Per::None},
    {213, "Load_People_Wet_Summer", Source::Totals, 20, Per::None},
    {214, "Cool_Load_All_People_Winter", Source::Totals, 21, Per::None},
    {215, "Cool_Load_Obvious_People_Winter", Source::Totals, 22, Per::None},
    {216, "Load_People_Wet_Winter", Source::Totals, 23, Per::None},
    {217, "Cool_Load_Lighting_Summer", Source::Totals, 24, Per::None},
    {218, "Cool_Load_Lighting_Winter", Source::Totals, 25, Per::None},
    {219, "Cool_Load_HeatingEquipment_Summer", Source::Totals, 26, Per::None},
    {220, "Cool_Load_HeatingEquipment_Winter", Source::Totals, 27, Per::None},
    {221, "Cool_Load_ElectronicEquipment_Summer", Source::Totals, 30, Per::None},
    {222, "Cool_Load_ElectronicEquipment_Winter", Source::Totals, 31, Per::None},
    {223, "Cool_Load_ElectricEquipment_Summer", Source::Totals, 32, Per::None},
    {224, "Cool_Load_ElectricEquipment_Winter", Source::Totals, 33, Per::None},
    {225, "Cool_Load_Food_Summer", Source::Totals, 36, Per::None},
    {226, "Cool_Load_Food_Winter", Source::Totals, 37, Per::None},
    {227, "Load_Food_Wet_Summer", Source::Totals, 38, Per::None},
    {228, "Load_Food_Wet_Winter", Source::Totals, 39, Per::None},
    {229, "Cool_Load_Evaporating_Summer", Source::Totals, 40, Per::None},
    {230, "Cool_Load_Evaporating_Winter", Source::Totals, 41, Per::None},
    {231, "Load_Evaporating_Wet_Summer", Source::Totals, 42, Per::None},
    {232, "Load_Evaporating_Wet_Winter", Source::Totals, 43, Per::None},
    {233, "Cool_Load_Infiltration", Source::Totals, 44, Per::None},
    {234, "Heat_Load_Infiltration", Source::Totals, 45, Per::None},
    {235, "Load_Infiltration_Wet_Summer", Source::Totals, 46, Per::None},
    {236, "Load_Infiltration_Wet_Winter", Source::Totals, 47, Per::None},
    {267, "Cool_Load_Enclose/p_Area", Source::Totals, 48, Per::Cooling},
    {268, "Cool_Load_Enclose", Source::Totals, 48, Per::None},
    {269, "Heat_Load_Enclose/p_Area", Source::Totals, 49, Per::Heating},
    {270, "Heat_Load_Enclose", Source::Totals, 49, Per::None},
};
// Design type 3 (AC detailed).
const SStatisticsColumn kDetailed[] = {
    {193, "Total_Cool_Load_All", Source::Totals, 0, Per::None},
    {194, "Total_Cool_Load_Obvious", Source::Totals, 1, Per::None},
    {195, "Indoor_Cool_Load_All", Source::Totals, 2, Per::None},
    {196, "Indoor_Cool_Load_Obvious", Source::Totals, 3, Per::None},
    {197, "Total_Load_Wet_Summer", Source::Totals, 4, Per::None},
    {198, "NewWind_Summer", Source::Totals, 5, Per::None},
    {199, "NewWind_Cool_Load", Source::Totals, 6, Per::None},
    {200, "MaxTime_Summer", Source::HourOfArray, 0, Per::Filter1},
    {201, "Total_Cool_Load_All/p_Area", Source::Totals, 0, Per::Cooling},
    {202, "Total_Heat_Load_All", Source::Totals, 9, Per::None},
    {203, "Total_Heat_Load_Obvious", Source::Totals, 10, Per::None},
    {204, "Indoor_Heat_Load_All", Source::Totals, 11, Per::None},
    {205, "Indoor_Heat_Load_Obvious", Source::Totals, 13, Per::None},
    {206, "Total_Load_Wet_Winter", Source::Totals, 15, Per::None},
    {207, "NewWind_Winter", Source::Totals, 16, Per::None},
    {208, "Heat_Load_NewWind", Source::Totals, 17, Per::None},
    {209, "MaxTime_Winter", Source::HourOfArray, 9, Per::Filter2},
    {210, "Total_Heat_Load_All/p_Area", Source::Totals, 9, Per::Heating},
    {211, "Cool_Load_All_People_Summer", Source::Totals, 20, Per::None},
    {212, "Cool_Load_Obvious_People_Summer", Source::Totals, 21, Per::None},
    {213, "Load_People_Wet_Summer", Source::Totals, 22, Per::None},
    {214, "Cool_Load_All_People_Winter", Source::Totals, 23, Per::None},
    {215, "Cool_Load_Obvious_People_Winter", Source::Totals, 24, Per::None},
    {216, "Load_People_Wet_Winter", Source::Totals, 25, Per::None},
    {217, "Cool_Load_Lighting_Summer", Source::Totals, 26, Per::None},
    {218, "Cool_Load_Lighting_Winter", Source::Totals, 27, Per::None},
    {219, "Cool_Load_HeatingEquipment_Summer", Source::Totals, 28, Per::None},
    {220, "Cool_Load_HeatingEquipment_Winter", Source::Totals, 29, Per::None},
    {221, "Cool_Load_ElectronicEquipment_Summer", Source::Totals, 32, Per::None},
    {222, "Cool_Load_ElectronicEquipment_Winter", Source::Totals, 33, Per::None},
    {223, "Cool_Load_ElectricEquipment_Summer", Source::Totals, 34, Per::None},
    {224, "Cool_Load_ElectricEquipment_Winter", Source::Totals, 35, Per::None},
    {225, "Cool_Load_Food_Summer", Source::Totals, 38, Per::None},
    {226, "Cool_Load_Food_Winter", Source::Totals, 39, Per::None},
    {227, "Load_Food_Wet_Summer", Source::Totals, 40, Per::None},
    {228, "Load_Food_Wet_Winter", Source::Totals, 41, Per::None},
    {229, "Cool_Load_Evaporating_Summer", Source::Totals, 42, Per::None},
    {230, "Cool_Load_Evaporating_Winter", Source::Totals, 43, Per::None},
    {231, "Load_Evaporating_Wet_Summer", Source::Totals, 44, Per::None},
    {232, "Load_Evaporating_Wet_Winter", Source::Totals, 45, Per::None},
    {233, "Cool_Load_Infiltration", Source::Totals, 46, Per::None},
    {234, "Heat_Load_Infiltration", Source::Totals, 47, Per::None},
    {235, "Load_Infiltration_Wet_Summer", Source::Totals, 48, Per::None},
    {236, "Load_Infiltration_Wet_Winter", Source::Totals, 49, Per::None},
    {237, "Cool_Load_OutsideWall_ContainOutsideWD", Source::Totals, 50, Per::None},
    {238, "Heat_Load_OutsideWall_ContainOutsideWD", Source::Totals, 51, Per::None},
    {239, "Cool_Load_InsideWall_ContainInsideWD", Source::Totals, 52, Per::None},
    {240, "Heat_Load_InsideWall_ContainInsideWD", Source::Totals, 53, Per::None},
    {241, "Cool_Load_OutsideWindow", Source::Totals, 54, Per::None},
    {242, "Heat_Load_OutsideWindow", Source::Totals, 55, Per::None},
    {243, "Cool_Load_OutsideDoor", Source::Totals, 56, Per::None},
    {244, "Heat_Load_OutsideDoor", Source::Totals, 57, Per::None},
    {245, "Cool_Load_InsideWindow", Source::Totals, 58, Per::None},
    {246, "Heat_Load_InsideWindow", Source::Totals, 59, Per::None},
    {473, "Cool_Load_InsideDoor", Source::Totals, 60, Per::None},
    {474, "Heat_Load_InsideDoor", Source::Totals, 61, Per::None},
    {247, "Cool_Load_Roof_ContainSkyWindow", Source::Totals, 62, Per::None},
    {248, "Heat_Load_Roof_ContainSkyWindow", Source::Totals, 63, Per::None},
    {249, "Cool_Load_SkyWindow", Source::Totals, 64, Per::None},
    {250, "Heat_Load_SkyWindow", Source::Totals, 65, Per::None},
    {251, "Cool_Load_Ceiling", Source::Totals, 66, Per::None},
    {252, "Heat_Load_Ceiling", Source::Totals, 67, Per::None},
    {253, "Cool_Load_GlassRoof", Source::Totals, 68, Per::None},
    {254, "Heat_Load_GlassRoof", Source::Totals, 69, Per::None},
    {255, "Cool_Load_Floor", Source::Totals, 70, Per::None},
    {256, "Heat_Load_Floor", Source::Totals, 71, Per::None},
    {257, "Cool_Load_ProjectionFloor", Source::Totals, 72, Per::None},
    {258, "Heat_Load_ProjectionFloor", Source::Totals, 73, Per::None},
    {259, "Cool_Load_BlindStorey", Source::Totals, 74, Per::None},
    {260, "Heat_Load_BlindStorey", Source::Totals, 75, Per::None},
    {261, "Cool_Load_OutsideWall_ContainOutsideWD1", Source::Totals, 50, Per::None},
    {262, "Heat_Load_OutsideWall_ContainOutsideWD1", Source::Totals, 51, Per::None},
    {263, "Cool_Load_InsideWall_ContainInsideWD1", Source::Totals, 52, Per::None},
    {264, "Heat_Load_InsideWall_ContainInsideWD1", Source::Totals, 53, Per::None},
    {265, "Cool_Load_Roof_ContainSkyWindow1", Source::Totals, 62, Per::None},
    {266, "Heat_Load_Roof_ContainSkyWindow1", Source::Totals, 63, Per::None},
    {283, "Cool_Load_GapWall", Source::Totals, 84, Per::None},
    {284, "Heat_Load_GapWall", Source::Totals, 85, Per::None},
    {267, "Cool_Load_Enclose/p_Area", Source::Totals, 82, Per::Cooling},
    {268, "Cool_Load_Enclose", Source::Totals, 82, Per::None},
    {269, "Heat_Load_Enclose/p_Area", Source::Totals, 83, Per::Heating},
    {270, "Heat_Load_Enclose", Source::Totals, 83, Per::None},
    {578, "Load_Cool_Solar_Winter", Source::Totals, 86, Per::None},
    {583, "Load_Cool_Solar_Summer", Source::Totals, 87, Per::None},
    {585, "Load_Cool_Ground", Source::Totals, 90, Per::None},
    {586, "Load_Heat_Ground", Source::Totals, 91, Per::None},
    {594, "Load_Cool_BasementWall", Source::Totals, 92, Per::None},
    {595, "Load_Heat_BasementWall", Source::Totals, 93, Per::None},
    {607, "Load_Cool_GlassCurtainWall", Source::Totals, 88, Per::None},
    {608, "Load_Heat_GlassCurtainWall", Source::Totals, 89, Per::None},
    {617, "Sum_CLfj1", Source::Totals, 96, Per::None},
    {618, "Win_CLfj1", Source::Totals, 97, Per::None},
    {619, "Sum_DLch", Source::Totals, 98, Per::None},
    {620, "Win_DLch", Source::Totals, 99, Per::None},
    {621, "Sum_CLchq", Source::Totals, 100, Per::None},
    {622, "Win_CLchq", Source::Totals, 101, Per::None},
    {623, "Sum_CLchl", Source::Totals, 102, Per::None},
    {624, "Win_CLchl", Source::Totals, 103, Per::None},
    {625, "Sum_DLen", Source::Totals, 104, Per::None},
    {626, "Win_DLen", Source::Totals, 105, Per::None},
    {627, "Sum_CLenl", Source::Totals, 106, Per::None},
    {628, "Win_CLenl", Source::Totals, 107, Per::None},
    {629, "Sum_CLfj2", Source::Totals, 94, Per::None},
    {630, "Win_CLfj2", Source::Totals, 95, Per::None},
    {659, "Cool_Load_OutsideWindow_Tran", Source::Totals, 108, Per::None},
    {660, "Heat_Load_OutsideWindow_Tran", Source::Totals, 109, Per::None},
    {661, "Cool_Load_OutsideWindow_Sun", Source::Totals, 110, Per::None},
    {662, "Heat_Load_OutsideWindow_Sun", Source::Totals, 111, Per::None},
    {667, "Cool_Load_SkyWindow_Tran", Source::Totals, 112, Per::None},
    {668, "Heat_Load_SkyWindow_Tran", Source::Totals, 113, Per::None},
    {669, "Cool_Load_SkyWindow_Sun", Source::Totals, 114, Per::None},
    {670, "Heat_Load_SkyWindow_Sun", Source::Totals, 115, Per::None},
    {675, "Cool_Load_GlassRoof_Tran", Source::Totals, 116, Per::None},
    {676, "Heat_Load_GlassRoof_Tran", Source::Totals, 117, Per::None},
    {677, "Cool_Load_GlassRoof_Sun", Source::Totals, 118, Per::None},
    {678, "Heat_Load_GlassRoof_Sun", Source::Totals, 119, Per::None},
};
// Design types 4 and 5 (AC monthly, daily).
const SStatisticsColumn kACStep[] = {
    {193, "Total_Load_Cool_All", Source::Totals, 0, Per::None},
    {194, "Total_Load_Cool_Obvious", Source::Totals, 1, Per::None},
    {195, "Heat_Load_Cool_All_Indoor", Source::Totals, 6, Per::None},
    {196, "Heat_Load_Cool_Obvious_Indoor", Source::Totals, 7, Per::None},
    {199, "Load_Cool_Wind", Source::Totals, 5, Per::None},
    {202, "Total_Load_Heat_All", Source::Totals, 2, Per::None},
    {203, "Total_Load_Heat_Obvious", Source::Totals, 3, Per::None},
    {204, "Heat_Load_Heat_All_Indoor", Source::Totals, 8, Per::None},
    {205, "Heat_Load_Heat_Obvious_Indoor", Source::Totals, 9, Per::None},
    {208, "Load_Heat_Wind", Source::Totals, 4, Per::None},
    {481, "Total_Load_Wet", Source::Totals, 14, Per::None},
    {483, "Load_All_Pepole", Source::Totals, 17, Per::None},
    {484, "Load_Obvious_Pepole", Source::Totals, 18, Per::None},
    {485, "Load_Pepole_Wet", Source::Totals, 19, Per::None},
    {486, "Load_Linghting", Source::Totals, 20, Per::None},
    {487, "Load_HeatingEquipment", Source::Totals, 21, Per::None},
    {488, "Load_ElectronicEquipment", Source::Totals, 23, Per::None},
    {489, "Load_ElectricEquipment", Source::Totals, 24, Per::None},
    {490, "Load_Food", Source::Totals, 26, Per::None},
    {491, "Load_Food_Wet", Source::Totals, 27, Per::None},
    {492, "Load_Evaporating", Source::Totals, 28, Per::None},
    {493, "Load_Evaporating_Wet", Source::Totals, 29, Per::None},
    {494, "Load_Infiltration", Source::Totals, 30, Per::None},
    {495, "Load_Infiltration_Wet", Source::Totals, 31, Per::None},
    {496, "Load_OutsideWall_ContainOutsideWD", Source::Totals, 32, Per::None},
    {497, "Load_InsideWall_ContainInsideWD", Source::Totals, 33, Per::None},
    {498, "Load_OutsideWindow", Source::Totals, 34, Per::None},
    {499, "Load_OutsideDoor", Source::Totals, 35, Per::None},
    {500, "Load_InsideWindow", Source::Totals, 36, Per::None},
    {501, "Load_InsideDoor", Source::Totals, 37, Per::None},
    {502, "Load_Roof_ContainSkyWindow", Source::Totals, 38, Per::None},
    {503, "Load_SkyWindow", Source::Totals, 39, Per::None},
    {504, "Load_Ceiling", Source::Totals, 40, Per::None},
    {505, "Load_GlassRoof", Source::Totals, 41, Per::None},
    {506, "Load_Floor", Source::Totals, 42, Per::None},
    {507, "Load_ProjectionFloor", Source::Totals, 43, Per::None},
    {508, "Load_BlindStorey", Source::Totals, 44, Per::None},
    {509, "Load_OutsideWall_ContainOutsideWD1", Source::Totals, 32, Per::None},
    {510, "Load_InsideWall_ContainInsideWD1", Source::Totals, 33, Per::None},
    {511, "Load_Roof_ContainSkyWindow1", Source::Totals, 38, Per::None},
    {512, "Load_GapWall", Source::Totals, 49, Per::None},
    {513, "Load_Enclose", Source::Totals, 48, Per::None},
    {579, "Load_Cool_Solar", Source::Totals, 50, Per::None},
    {589, "Load_Ground", Source::Totals, 52, Per::None},
    {599, "Load_BasementWall", Source::Totals, 53, Per::None},
};
// Design type 6 (heating detailed).
const SStatisticsColumn kHeating[] = {
    {287, "Total_Load_Heating", Source::Totals, 0, Per::None},
    {288, "Total_Load_Heating/p_Area", Source::Totals, 0, Per::Cooling},
    {289, "Load_Heating_OutsideWall", Source::Totals, 1, Per::None},
    {290, "Load_Heating_DoorWindow_Infiltration", Source::Totals, 2, Per::None},
    {291, "Load_Heating_OutsideWindow", Source::Totals, 3, Per::None},
    {292, "Load_Heating_OutsideDoor", Source::Totals, 4, Per::None},
    {293, "Load_Heating_InsideWall", Source::Totals, 5, Per::None},
    {294, "Load_Heating_InsideWindow", Source::Totals, 6, Per::None},
    {295, "Load_Heating_InsideDoor", Source::Totals, 7, Per::None},
    {296, "Load_Heating_GapWall", Source::Totals, 8, Per::None},
    {297, "Load_Heating_Roof", Source::Totals, 9, Per::None},
    {298, "Load_Heating_GlassRoof", Source::Totals, 10, Per::None},
    {299, "Load_Heating_BlindStorey", Source::Totals, 11, Per::None},
    {300, "Load_Heating_Ceiling", Source::Totals, 12, Per::None},
    {301, "Load_Heating_Floor", Source::Totals, 13, Per::None},
    {302, "Load_Heating_ProjectionFloor", Source::Totals, 14, Per::None},
    {303, "Load_Heating_SkyWindow", Source::Totals, 15, Per::None},
    {304, "Load_Heating_OutsideWall_ContainOutsideWD", Source::Totals, 16, Per::None},
    {305, "Load_Heating_InsideWall_ContainInsideWD", Source::Totals, 17, Per::None},
    {306, "Load_Heating_Roof_ContainSkyWindow", Source::Totals, 18, Per::None},
    {307, "Load_Heating_Ground", Source::Totals, 19, Per::None},
    {308, "Load_Heating_Others", Source::Totals, 21, Per::None},
    {309, "Heat_Load_Heating_Enclose", Source::Totals, 22, Per::None},
    {596, "Load_Heating_BasementWall", Source::Totals, 20, Per::None},
    {653, "Indoor_Heating_Equipment_Capacity", Source::Totals, 24, Per::None},
};
// Design types 7 and 8 (heating monthly, daily).
const SStatisticsColumn kHeatingStep[] = {
    {287, "Total_Load_Heating", Source::Totals, 0, Per::None},
    {288, "Total_Load_Heating/p_Area", Source::Empty, 0, Per::None},
    {289, "Load_Heating_OutsideWall", Source::Totals, 1, Per::None},
    {290, "Load_Heating_DoorWindow_Infiltration", Source::Totals, 2, Per::None},
    {291, "Load_Heating_OutsideWindow", Source::Totals, 3, Per::None},
    {292, "Load_Heating_OutsideDoor", Source::Totals, 4, Per::None},
    {293, "Load_Heating_InsideWall", Source::Totals, 5, Per::None},
    {294, "Load_Heating_InsideWindow", Source::Totals, 6, Per::None},
    {295, "Load_Heating_InsideDoor", Source::Totals, 7, Per::None},
    {296, "Load_Heating_GapWall", Source::Totals, 8, Per::None},
    {297, "Load_Heating_Roof", Source::Totals, 9, Per::None},
    {298, "Load_Heating_GlassRoof", Source::Totals, 10, Per::None},
    {299, "Load_Heating_BlindStorey", Source::Totals, 11, Per::None},
    {300, "Load_Heating_Ceiling", Source::Totals, 12, Per::None},
    {301, "Load_Heating_Floor", Source::Totals, 13, Per::None},
    {302, "Load_Heating_ProjectionFloor", Source::Totals, 14, Per::None},
    {303, "Load_Heating_SkyWindow", Source::Totals, 15, Per::None},
    {304, "Load_Heating_OutsideWall_ContainOutsideWD", Source::Totals, 16, Per::None},
    {305, "Load_Heating_InsideWall_ContainInsideWD", Source::Totals, 17, Per::None},
    {306, "Load_Heating_Roof_ContainSkyWindow", Source::Totals, 18, Per::None},
    {307, "Load_Heating_Ground", Source::Totals, 19, Per::None},
    {308, "Load_Heating_Others", Source::Totals, 21, Per::None},
    {309, "Heat_Load_Heating_Enclose", Source::Totals, 22, Per::None},
    {596, "Load_Heating_BasementWall", Source::Totals, 20, Per::None},
    {653, "Indoor_Heating_Equipment_Capacity", Source::Totals, 24, Per::None},
};

// The columns of the design type, in field order from field 1.
std::span<const SStatisticsColumn> Columns(int designType)
{
    switch (designType) {
    case 0:
        return kSimple;
    case 1:
        return kItemized;
    case 2:
        return kIntelligent;
    case 3:
        return kDetailed;
    case 4:
    case 5:
        return kACStep;
    case 6:
        return kHeating;
    case 7:
    case 8:
        return kHeatingStep;
    default:
        return {};
    }
}

const SStatisticsColumn* FindColumn(std::span<const SStatisticsColumn> columns, int option)
{
    for (const SStatisticsColumn& column : columns)
        if (column.Option == option)
            return &column;
    return nullptr;
}

template <typename Record> const float* TotalsOf(Record& record)
{
    if (!record.Totals)
        record.ComputeTotals();
    return record.Totals->Value;
}

// The fields a row reads of one result record.
struct SRowValues
{
    const float* Values = nullptr; // the simple or itemized values, or the totals
    const int* PeakHours = nullptr;
    const float (*Hourly)[24] = nullptr;
};

bool RowValues(void* result, int designType, int step, SRowValues& row)
{
    switch (designType) {
    case 0:
        row.Values = static_cast<CCalculate_Result_IsACLoadSimpleEstimation*>(result)->Value;
        return true;
    case 1:
        row.Values = static_cast<CCalculate_Result_IsACLoadItemizedEstimation*>(result)->Value;
        return true;
    case 2: {
        auto& record = *static_cast<CCalculate_Result_IsACLoadIntelligentEstimation*>(result);
        row.Values = TotalsOf(record);
        row.PeakHours = record.Totals->PeakHour;
        return true;
    }
    case 3: {
        auto& record = *static_cast<CCalculate_Result_IsACLoadCalculation*>(result);
        row.Values = TotalsOf(record);
        row.Hourly = record.Hourly;
        return true;
    }
    case 4:
    case 5:
        if (step < 0 || step >= ResultStepCount(designType))
            return false;
        row.Values = TotalsOf(static_cast<CCalculate_Result_IsACLoadStepCalculation*>(result)[step]);
        return true;
    case 6:
        row.Values = TotalsOf(*static_cast<CCalculate_Result_IsHeatingLoadStepCalculation*>(result));
        return true;
    case 7:
    case 8:
        if (step < 0 || step >= ResultStepCount(designType))
            return false;
        row.Values = TotalsOf(static_cast<CCalculate_Result_IsHeatingLoadStepCalculation*>(result)[step]);
        return true;
    default:
        return false;
    }
}

double PerArea(double value, double area)
{
    return area >= 1e-15 ? value / area : 0;
}
} // namespace

SStatisticsCursor& StatisticsCursor()
{
    static SStatisticsCursor cursor;
    return cursor;
}

void FillLoadStatisticsRow(void* result, float area, int step, float heatArea)
{
    if (heatArea == -1.0f)
        heatArea = area;
    const int designType = CurrentDesignType();
    SRowValues values;
    SStatisticsCursor& cursor = StatisticsCursor();
    if (!result || !cursor.Report || !RowValues(result, designType, step, values))
        return;
    CQORReport& report = *cursor.Report;
    const int row = cursor.Row;
    report.SetReportCell(row, 0, cursor.RowName);
    COutputParam* option = COutputParams::Current().FindOutputParam(kStatisticsOption);
    if (!option)
        return;
    const std::span<const SStatisticsColumn> columns = Columns(designType);
    for (const COutputParam* child : option->Children) {
        if (child->Flag(designType) < 1)
            continue;
        const SStatisticsColumn* column = FindColumn(columns, child->ID);
        if (!column)
            continue;
        const int index = 1 + static_cast<int>(column - columns.data());
        switch (column->From) {
        case Source::Empty:
            report.SetReportCell(row, index, QString());
            break;
        case Source::PeakHour:
            report.SetReportCell(row, index, FormatHourText(values.PeakHours[column->Index]));
            break;
        case Source::HourOfArray:
            report.SetReportCell(row, index,
                                 FormatPeakHourText(values.Hourly[column->Index], 24,
                                                    column->Divide == Per::Filter1 ? 1 : 2));
            break;
        case Source::Value:
        case Source::Totals: {
            double value = values.Values[column->Index];
            if (column->Divide == Per::Cooling)
                value = PerArea(value, area);
            else if (column->Divide == Per::Heating)
                value = PerArea(value, heatArea);
            report.SetReportCellFormat(row, index, value, kRealFormat);
            break;
        }
        }
    }
}

int StatisticsAreaColumn(int designType)
{
    return 1 + static_cast<int>(Columns(designType).size());
}

QString StatisticsFieldName(int designType, int field)
{
    if (field == 0)
        return QStringLiteral("Name");
    return QString::fromLatin1(Columns(designType)[static_cast<size_t>(field - 1)].Field);
}

QString StatisticsTemplate(int designType)
{
    switch (designType) {
    case 0:
    case 1:
        return QStringLiteral("lib/Report/AirDACLoadItemizedEstimation.grf");
    case 2:
        return QStringLiteral("lib/Report/AirDACLoadIntelligentEstimation.grf");
    case 3:
        return QStringLiteral("lib/Report/AirDetailedConditionLoadTotalData.grf");
    case 4:
    case 5:
        return QStringLiteral("lib/Report/AirDetailedMonthlyConditionLoadTotalData.grf");
    default:
        return QStringLiteral("lib/Report/HeatingLoadDetailedCalculation.grf");
    }
}
