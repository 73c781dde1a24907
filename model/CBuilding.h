#pragma once
#include "model/CElementBase.h"

#include <QString>

class CEleAttrs;

// A building (type 1, table Building, parent_id -1). Besides its columns it offers area and height
// statistics over its storeys and rooms, queried on the element's data set m_Query (which they
// reopen). A room counts for the cooling design types 0 to 5 when ACRoomQuantity or ACHRoomQuantity
// is 1, for the heating types 6 to 8 when HLRoomQuantity is 1; the design type is the project's.
// Filters: 0 above-ground storeys only, 1 below-ground only, any other value all storeys.
// A failing statement raises "查询SQL发生异常:\n%s\n执行的语句:%s".
//
// The energy-saving check columns of Building (seltype_*, wd_data*, outsidewall_data*,
// outsidewindow_data*) belong to the checks; the element never reads or writes them.
class CBuilding : public CElementBase
{
public:
    static constexpr int TypeCode = 1;

    CBuilding() : CElementBase(TypeCode) {}

    SCoordinate Coord;
    double GroundArea = 0;              // m²
    double OverGroundBuildingArea = 0;  // m²
    double BelowGroundBuildingArea = 0; // m²
    double BuildingHeight = 0;          // m
    int IsOutputIndoorParameter = 0;
    int IsOutputLoadCalculationParameter = 0;
    int IsOutputLoadStatisticsData = 0;
    int IsOutputLoadHourlyData = 0;
    double SiloTemperature = 0; // ℃
    double Direction_Angle = 0; // degrees the building has been rotated
    int IsWinterHeatRebateCoefficient = 0;
    int IsWinter_Heat_Transfer = 0;
    int IsHeating_Flood_Solar = 0;
    double figure_area = 0; // m²
    double figure_coff = 0;
    double figure_cubage = 0;    // m³
    double WaterYield = 0;       // m³/h
    double WaterPumpTemRise = 0; // ℃
    double WaterPipeTemRise = 0; // ℃
    QString Water_Time;          // pump and pipe schedule name
    int bOutputHL = 0;
    int HIsOutputLoadStatisticsData = 0;
    int HIsOutputLoadHourlyData = 0;

    // Raises when the default "ScheduleName_Water" is missing or not a number.
    bool SetDefaults() override;
    void GetCoordinates(double& x, double& y, double& z, double& x0, double& y0, double& z0) const override;
    void ExchangeAttrs(CEleAttrs& attrs) override;

    // Area of the counted rooms, m².
    double GetRoomArea(int filter);
    // Per storey with counted rooms, the larger of StoreyArea and its counted room area, summed; a
    // storey without counted rooms takes no part.
    double GetStoreyAreaSum(int filter);
    // Area type 0: GetRoomArea(all); otherwise the larger of the declared areas (over + below
    // ground) and GetStoreyAreaSum(all). -1 reads the default "AreaTypeForCalIndex".
    double GetIndexArea(int areaType);
    // Area type 0: GetCountedRoomAreas; otherwise both the larger of the declared areas and
    // GetRoomArea(all). -1 reads the default "AreaTypeForCalIndex".
    void GetIndexAreas(double& coolingArea, double& heatingArea, int areaType);
    // Heating types: both outputs the HLRoomQuantity area; otherwise cooling the ACRoomQuantity
    // area and heating the ACHRoomQuantity area.
    void GetCountedRoomAreas(double& coolingArea, double& heatingArea);
    double GetStoreyHeightSum(int filter);
    // Raises BuildingHeight to GetStoreyHeightSum(filter) when that is larger; returns it. The row
    // is written by the caller.
    double UpdateBuildingHeight(int filter);
};

// An area type of -1 means the default "AreaTypeForCalIndex"; other values stand.
int ResolveAreaType(int areaType);
// True for the heating-load design types 6 to 8 of the open project.
bool IsHeatingDesignType();
