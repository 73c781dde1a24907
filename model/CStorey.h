#pragma once
#include "model/CElementBase.h"

#include <QString>

class CEleAttrs;

// A storey (type 2, table Storey, parent_id = its building). Its area statistics count rooms as
// CBuilding's do, on the element's data set m_Query.
class CStorey : public CElementBase
{
public:
    static constexpr int TypeCode = 2;

    CStorey() : CElementBase(TypeCode) {}

    SCoordinate Coord;
    QString StoreyGroupName;
    int IsACStorey = 0;
    int IsHeatingStorey = 0;
    int IsBelowGroundStorey = 0;
    double StoreyHeight = 0; // m
    double StoreyArea = 0;   // declared floor area, m²
    int StoreyUse = 0;       // StoreyOccupation ID, stored as text
    int IsOutputIndoorParameter = 0;
    int IsOutputLoadCalculationParameter = 0;
    int IsOutputLoadStatisticsData = 0;
    int IsOutputLoadHourlyData = 0;
    int IsWinterHeatRebateCoefficient = 0;
    int IsWinter_Heat_Transfer = 0;
    int IsHeating_Flood_Solar = 0;
    int bOutputHL = 0;
    int HIsOutputLoadStatisticsData = 0;
    int HIsOutputLoadHourlyData = 0;

    // Takes the winter flags from the building above; raises when the default "StoreyUse" is
    // missing or not a number.
    bool SetDefaults() override;
    void GetCoordinates(double& x, double& y, double& z, double& x0, double& y0, double& z0) const override;
    void ExchangeAttrs(CEleAttrs& attrs) override;

    // Area of the storey's counted rooms, m².
    double GetRoomArea();
    // Area type 0: GetRoomArea; otherwise the larger of StoreyArea and it. -1 reads the default.
    double GetIndexArea(int areaType);
    // Area type 0: GetCountedRoomAreas; otherwise both the larger of StoreyArea and GetRoomArea.
    void GetIndexAreas(double& coolingArea, double& heatingArea, int areaType);
    void GetCountedRoomAreas(double& coolingArea, double& heatingArea);
    // Rooms of the storey whose Height equals oldHeight written with one decimal take newHeight.
    void ChangeRoomHeights(double newHeight, double oldHeight);
};
