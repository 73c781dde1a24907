#include "model/CBuilding.h"

#include "model/CDefaultValue.h"
#include "model/CEleAttrs.h"
#include "model/CMaterialParamNameList.h"
#include "model/CProjectData.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

#include <algorithm>

namespace {
const QString kBelowGround[2] = {QStringLiteral(" and a.IsBelowGroundStorey = 0"),
                                 QStringLiteral(" and a.IsBelowGroundStorey = 1")};

QString StoreyFilter(int filter)
{
    return filter == 0 || filter == 1 ? kBelowGround[filter] : QString();
}

// The first field of the statement's first row as a real; an empty sum (null) and no row read 0.
double SumOf(CDbQuery* query, const CSQLStatement& statement)
{
    if (!query)
        throw Exception(QStringLiteral("元素没有数据集，无法统计面积"));
    OpenQueryGuarded(*query, statement);
    if (query->RecordCount() == 0)
        return 0;
    query->First();
    return query->Field(0).toDouble();
}
} // namespace

int ResolveAreaType(int areaType)
{
    return areaType == -1 ? CDefaultValue::Int(QStringLiteral("AreaTypeForCalIndex")) : areaType;
}

bool IsHeatingDesignType()
{
    const int type = CProjectData::Current().DesignType;
    return type >= 6 && type <= 8;
}

bool CBuilding::SetDefaults()
{
    Status = 1;
    Coord.Clear();
    GroundArea = 0;
    OverGroundBuildingArea = 0;
    BelowGroundBuildingArea = 0;
    BuildingHeight = 3;
    IsOutputIndoorParameter = 1;
    IsOutputLoadCalculationParameter = 1;
    IsOutputLoadStatisticsData = 1;
    IsOutputLoadHourlyData = 1;
    SiloTemperature = 18;
    Direction_Angle = 0;
    IsWinterHeatRebateCoefficient = 0;
    IsWinter_Heat_Transfer = 1;
    IsHeating_Flood_Solar = 0;
    figure_area = 0;
    figure_coff = 0;
    figure_cubage = 0;
    WaterYield = 0;
    WaterPumpTemRise = 0;
    WaterPipeTemRise = 0;
    bOutputHL = 1;
    HIsOutputLoadStatisticsData = 1;
    HIsOutputLoadHourlyData = 1;
    Water_Time = CMaterialParamNameList::Current().GetScheduleNameById(
        CDefaultValue::Int(QStringLiteral("ScheduleName_Water")));
    return true;
}

void CBuilding::GetCoordinates(double& x, double& y, double& z, double& x0, double& y0, double& z0) const
{
    Coord.Get(x, y, z, x0, y0, z0);
}

void CBuilding::ExchangeAttrs(CEleAttrs& attrs)
{
    CElementBase::ExchangeAttrs(attrs);
    Coord.Exchange(attrs);
    EleAttrsExchangeDouble(attrs, QStringLiteral("GroundArea"), GroundArea);
    EleAttrsExchangeDouble(attrs, QStringLiteral("OverGroundBuildingArea"), OverGroundBuildingArea);
    EleAttrsExchangeDouble(attrs, QStringLiteral("BelowGroundBuildingArea"), BelowGroundBuildingArea);
    EleAttrsExchangeDouble(attrs, QStringLiteral("BuildingHeight"), BuildingHeight);
    EleAttrsExchangeInt(attrs, QStringLiteral("IsOutputIndoorParameter"), IsOutputIndoorParameter);
    EleAttrsExchangeInt(attrs, QStringLiteral("IsOutputLoadCalculationParameter"),
                        IsOutputLoadCalculationParameter);
    EleAttrsExchangeInt(attrs, QStringLiteral("IsOutputLoadStatisticsData"), IsOutputLoadStatisticsData);
    EleAttrsExchangeInt(attrs, QStringLiteral("IsOutputLoadHourlyData"), IsOutputLoadHourlyData);
    EleAttrsExchangeDouble(attrs, QStringLiteral("SiloTemperature"), SiloTemperature);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Direction_Angle"), Direction_Angle);
    EleAttrsExchangeInt(attrs, QStringLiteral("IsWinterHeatRebateCoefficient"),
                        IsWinterHeatRebateCoefficient);
    EleAttrsExchangeInt(attrs, QStringLiteral("IsWinter_Heat_Transfer"), IsWinter_Heat_Transfer);
    EleAttrsExchangeInt(attrs, QStringLiteral("IsHeating_Flood_Solar"), IsHeating_Flood_Solar);
    EleAttrsExchangeDouble(attrs, QStringLiteral("figure_area"), figure_area);
    EleAttrsExchangeDouble(attrs, QStringLiteral("figure_coff"), figure_coff);
    EleAttrsExchangeDouble(attrs, QStringLiteral("figure_cubage"), figure_cubage);
    EleAttrsExchangeDouble(attrs, QStringLiteral("WaterYield"), WaterYield);
    EleAttrsExchangeDouble(attrs, QStringLiteral("WaterPumpTemRise"), WaterPumpTemRise);
    EleAttrsExchangeDouble(attrs, QStringLiteral("WaterPipeTemRise"), WaterPipeTemRise);
    EleAttrsExchangeString(attrs, QStringLiteral("Water_Time"), Water_Time);
    EleAttrsExchangeInt(attrs, QStringLiteral("bOutputHL"), bOutputHL);
    EleAttrsExchangeInt(attrs, QStringLiteral("HIsOutputLoadStatisticsData"), HIsOutputLoadStatisticsData);
    EleAttrsExchangeInt(attrs, QStringLiteral("HIsOutputLoadHourlyData"), HIsOutputLoadHourlyData);
}

double CBuilding::GetRoomArea(int filter)
{
    QString sql =
        IsHeatingDesignType()
            ? QStringLiteral("select sum(b.Area) from Storey as a,Room as b where a.ID=b.parent_id and "
                             "a.parent_id=? and b.HLRoomQuantity=1")
            : QStringLiteral("select sum(b.Area) from Storey as a,Room as b where a.ID=b.parent_id and "
                             "a.parent_id=? and (b.ACRoomQuantity=1 or b.ACHRoomQuantity=1)");
    sql += StoreyFilter(filter);
    return SumOf(m_Query, {sql, {ID}});
}

double CBuilding::GetStoreyAreaSum(int filter)
{
    // Inner join on the storeys that have counted rooms: a storey without any takes no part, its
    // declared area included.
    const QString head =
        QStringLiteral("select sum(area)  from (select case when z.StoreyArea<s.airarea then s.airarea else "
                       "z.StoreyArea end "
                       "as area from (select a.id,sum(b.Area) as airarea from Storey as a,Room as b where ");
    QString sql =
        head + (IsHeatingDesignType()
                    ? QStringLiteral("b.HLRoomQuantity=1 and a.ID=b.parent_id and a.parent_id=? ")
                    : QStringLiteral("a.ID=b.parent_id and a.parent_id=? and (b.ACRoomQuantity=1 or "
                                     "b.ACHRoomQuantity=1)"));
    sql += StoreyFilter(filter);
    sql += QStringLiteral(" group by a.id )s,Storey z where s.id=z.id)");
    return SumOf(m_Query, {sql, {ID}});
}

double CBuilding::GetIndexArea(int areaType)
{
    if (ResolveAreaType(areaType) == 0)
        return GetRoomArea(-1);
    return std::max(OverGroundBuildingArea + BelowGroundBuildingArea, GetStoreyAreaSum(-1));
}

void CBuilding::GetIndexAreas(double& coolingArea, double& heatingArea, int areaType)
{
    if (ResolveAreaType(areaType) == 0) {
        GetCountedRoomAreas(coolingArea, heatingArea);
        return;
    }
    coolingArea = heatingArea = std::max(OverGroundBuildingArea + BelowGroundBuildingArea, GetRoomArea(-1));
}

void CBuilding::GetCountedRoomAreas(double& coolingArea, double& heatingArea)
{
    const QString head = QStringLiteral(
        "select sum(b.Area) from Storey as a,Room as b where a.ID=b.parent_id and a.parent_id=? and ");
    if (IsHeatingDesignType()) {
        coolingArea = heatingArea = SumOf(m_Query, {head + QStringLiteral("b.HLRoomQuantity=1"), {ID}});
        return;
    }
    coolingArea = SumOf(m_Query, {head + QStringLiteral("b.ACRoomQuantity=1"), {ID}});
    heatingArea = SumOf(m_Query, {head + QStringLiteral("b.ACHRoomQuantity=1"), {ID}});
}

double CBuilding::GetStoreyHeightSum(int filter)
{
    QString sql = QStringLiteral("select sum(StoreyHeight) from Storey  where parent_id=?");
    if (filter == 0 || filter == 1)
        sql += QStringLiteral(" and IsBelowGroundStorey = %1").arg(filter);
    return SumOf(m_Query, {sql, {ID}});
}

double CBuilding::UpdateBuildingHeight(int filter)
{
    BuildingHeight = std::max(BuildingHeight, GetStoreyHeightSum(filter));
    return BuildingHeight;
}
