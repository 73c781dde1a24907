#include "report/EnergyChecks.h"

#include "model/CBuilding.h"
#include "model/CNodeData.h"
#include "model/CTreeView2DB.h"
#include "model/TDM_Project.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "report/CEnergyCheckData.h"

namespace {
const QStringList& ChoiceColumns()
{
    static const QStringList columns = {QStringLiteral("seltype_area"), QStringLiteral("figure_area"),
                                        QStringLiteral("seltype_cubage"), QStringLiteral("figure_cubage"),
                                        QStringLiteral("figure_coff")};
    return columns;
}
} // namespace

double ComputeBuildingVolume(const QString& name)
{
    const int id = CEnergyCheckData::FindBuildingIdByName(name);
    CDbQuery& query = TDM_Project::Current().qryTemp;
    query.Close();
    OpenQueryGuarded(query, CSQLStatement(QStringLiteral("select a.IsLWInputArea, a.Length, a.Width, a.Area, "
                                                         "b.StoreyHeight from Room a join Storey b on b.ID = "
                                                         "a.parent_id where b.IsBelowGroundStorey = 0 and "
                                                         "b.parent_id = ?"),
                                          {id}));
    double volume = 0;
    for (query.First(); !query.Eof(); query.Next()) {
        const double floor = query.Field(0).toInt() == 0
                                 ? query.Field(1).toDouble() * query.Field(2).toDouble()
                                 : query.Field(3).toDouble();
        volume += floor * query.Field(4).toDouble();
    }
    query.Close();
    return volume;
}

double ComputeOuterSurfaceArea(const QString& name)
{
    const int id = CEnergyCheckData::FindBuildingIdByName(name);
    double area = 0;
    for (const SEnvelopeSource* source :
         {&EnvelopeSource::OutsideWall, &EnvelopeSource::Roof, &EnvelopeSource::BlindStorey,
          &EnvelopeSource::GlassCurtainWall, &EnvelopeSource::GlassRoof, &EnvelopeSource::ProjectionFloor,
          &EnvelopeSource::GapWall})
        for (const SEnvelopeElement& element : CEnergyCheckData::Elements(*source, id))
            area += element.Area;
    return area;
}

double ComputeShapeCoefficient(const QString& name, double& area, double& volume)
{
    area = ComputeOuterSurfaceArea(name);
    volume = ComputeBuildingVolume(name);
    return volume != 0 ? area / volume : 0;
}

SShapeCoefficientChoice LoadShapeCoefficientChoice(const QString& name)
{
    const std::vector<double> stored =
        CEnergyCheckData::ReadStored(CEnergyCheckData::FindBuildingIdByName(name), ChoiceColumns());
    SShapeCoefficientChoice choice;
    choice.AreaType = static_cast<int>(stored[0]) == 1 ? 1 : 0;
    choice.Area = stored[1];
    choice.VolumeType = static_cast<int>(stored[2]) == 1 ? 1 : 0;
    choice.Volume = stored[3];
    choice.Coefficient = stored[4];
    return choice;
}

void StoreShapeCoefficientChoice(const QString& name, const SShapeCoefficientChoice& choice)
{
    const int id = CEnergyCheckData::FindBuildingIdByName(name);
    CEnergyCheckData::Store(
        id, ChoiceColumns(),
        {double(choice.AreaType), choice.Area, double(choice.VolumeType), choice.Volume, choice.Coefficient});
    // The building element writes these columns when it is saved; it must not put back old ones.
    if (!CTreeView2DB::Exists())
        return;
    if (CNodeData* node = CTreeView2DB::Current().Root().FindNode(CBuilding::TypeCode, id))
        if (auto* building = dynamic_cast<CBuilding*>(node->Element())) {
            building->figure_area = choice.Area;
            building->figure_cubage = choice.Volume;
            building->figure_coff = choice.Coefficient;
        }
}
