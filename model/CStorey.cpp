#include "model/CStorey.h"

#include "model/CBuilding.h"
#include "model/CDefaultValue.h"
#include "model/CEleAttrs.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

#include <algorithm>

namespace {
CDbQuery& DataSetOf(CDbQuery* query)
{
    if (!query)
        throw Exception(QStringLiteral("元素没有数据集，无法统计面积"));
    return *query;
}

// The first field of the statement's first row as a real; an empty sum (null) and no row read 0.
double SumOf(CDbQuery* query, const CSQLStatement& statement)
{
    CDbQuery& dataSet = DataSetOf(query);
    OpenQueryGuarded(dataSet, statement);
    if (dataSet.RecordCount() == 0)
        return 0;
    dataSet.First();
    return dataSet.Field(0).toDouble();
}
} // namespace

bool CStorey::SetDefaults()
{
    Name.clear();
    StoreyGroupName.clear();
    IsACStorey = 0;
    IsHeatingStorey = 0;
    IsBelowGroundStorey = 0;
    StoreyHeight = 3;
    StoreyArea = 0;
    IsOutputIndoorParameter = 1;
    IsOutputLoadCalculationParameter = 1;
    IsOutputLoadStatisticsData = 1;
    IsOutputLoadHourlyData = 1;
    StoreyUse = CDefaultValue::Int(QStringLiteral("StoreyUse"));
    Status = 1;
    if (const auto* building =
            Node ? dynamic_cast<const CBuilding*>(Node->AncestorElement(CBuilding::TypeCode)) : nullptr) {
        IsWinterHeatRebateCoefficient = building->IsWinterHeatRebateCoefficient;
        IsWinter_Heat_Transfer = building->IsWinter_Heat_Transfer;
        IsHeating_Flood_Solar = building->IsHeating_Flood_Solar;
    } else {
        IsWinterHeatRebateCoefficient = 0;
        IsWinter_Heat_Transfer = 1;
        IsHeating_Flood_Solar = 0;
    }
    bOutputHL = 1;
    HIsOutputLoadStatisticsData = 1;
    HIsOutputLoadHourlyData = 1;
    return true;
}

void CStorey::GetCoordinates(double& x, double& y, double& z, double& x0, double& y0, double& z0) const
{
    Coord.Get(x, y, z, x0, y0, z0);
}

void CStorey::ExchangeAttrs(CEleAttrs& attrs)
{
    CElementBase::ExchangeAttrs(attrs);
    Coord.Exchange(attrs);
    EleAttrsExchangeString(attrs, QStringLiteral("StoreyGroupName"), StoreyGroupName);
    EleAttrsExchangeInt(attrs, QStringLiteral("IsACStorey"), IsACStorey);
    EleAttrsExchangeInt(attrs, QStringLiteral("IsHeatingStorey"), IsHeatingStorey);
    EleAttrsExchangeInt(attrs, QStringLiteral("IsBelowGroundStorey"), IsBelowGroundStorey);
    EleAttrsExchangeDouble(attrs, QStringLiteral("StoreyHeight"), StoreyHeight);
    EleAttrsExchangeDouble(attrs, QStringLiteral("StoreyArea"), StoreyArea);
    EleAttrsExchangeIntText(attrs, QStringLiteral("StoreyUse"), StoreyUse);
    EleAttrsExchangeInt(attrs, QStringLiteral("IsOutputIndoorParameter"), IsOutputIndoorParameter);
    EleAttrsExchangeInt(attrs, QStringLiteral("IsOutputLoadCalculationParameter"),
                        IsOutputLoadCalculationParameter);
    EleAttrsExchangeInt(attrs, QStringLiteral("IsOutputLoadStatisticsData"), IsOutputLoadStatisticsData);
    EleAttrsExchangeInt(attrs, QStringLiteral("IsOutputLoadHourlyData"), IsOutputLoadHourlyData);
    EleAttrsExchangeInt(attrs, QStringLiteral("IsWinterHeatRebateCoefficient"),
                        IsWinterHeatRebateCoefficient);
    EleAttrsExchangeInt(attrs, QStringLiteral("IsWinter_Heat_Transfer"), IsWinter_Heat_Transfer);
    EleAttrsExchangeInt(attrs, QStringLiteral("IsHeating_Flood_Solar"), IsHeating_Flood_Solar);
    EleAttrsExchangeInt(attrs, QStringLiteral("bOutputHL"), bOutputHL);
    EleAttrsExchangeInt(attrs, QStringLiteral("HIsOutputLoadStatisticsData"), HIsOutputLoadStatisticsData);
    EleAttrsExchangeInt(attrs, QStringLiteral("HIsOutputLoadHourlyData"), HIsOutputLoadHourlyData);
}

double CStorey::GetRoomArea()
{
    const QString sql =
        IsHeatingDesignType()
            ? QStringLiteral("select sum(Area) from Room where parent_id=? and HLRoomQuantity=1")
            : QStringLiteral(
                  "select sum(Area) from Room where parent_id=? and (ACRoomQuantity=1 or ACHRoomQuantity=1)");
    return SumOf(m_Query, {sql, {ID}});
}

double CStorey::GetIndexArea(int areaType)
{
    const double roomArea = GetRoomArea();
    return ResolveAreaType(areaType) == 0 ? roomArea : std::max(StoreyArea, roomArea);
}

void CStorey::GetIndexAreas(double& coolingArea, double& heatingArea, int areaType)
{
    if (ResolveAreaType(areaType) == 0) {
        GetCountedRoomAreas(coolingArea, heatingArea);
        return;
    }
    coolingArea = heatingArea = std::max(StoreyArea, GetRoomArea());
}

void CStorey::GetCountedRoomAreas(double& coolingArea, double& heatingArea)
{
    const QString head = QStringLiteral("select sum(Area) from Room where parent_id=? and ");
    if (IsHeatingDesignType()) {
        coolingArea = heatingArea = SumOf(m_Query, {head + QStringLiteral("HLRoomQuantity=1"), {ID}});
        return;
    }
    coolingArea = SumOf(m_Query, {head + QStringLiteral("ACRoomQuantity=1"), {ID}});
    heatingArea = SumOf(m_Query, {head + QStringLiteral("ACHRoomQuantity=1"), {ID}});
}

void CStorey::ChangeRoomHeights(double newHeight, double oldHeight)
{
    // Rooms are matched against the old storey height as shown with one decimal, so a room whose
    // height was set apart from the storey's keeps it; the new height is stored as entered.
    const double shownOldHeight = QString::number(oldHeight, 'f', 1).toDouble();
    CTool::ExecQuery(DataSetOf(m_Query),
                     {QStringLiteral("update Room  set Height=? where Height=? and parent_id=?"),
                      {newHeight, shownOldHeight, ID}});
}
