#include "calc/CCalculate_MaterialManager.h"
#include "report/CEnergyCheckData.h"
#include "report/EnergyChecks.h"

namespace {
constexpr int kRows = OutsideWindowRows;
constexpr int kAllOpenings = 8;
constexpr int kRoof = 9;

// Σ A·K, Σ A·g and Σ A of one row.
struct SWeighted
{
    double AK = 0, Ag = 0, A = 0;
    void Add(double area, const SConstructionValues& values)
    {
        AK += area * values.K;
        Ag += area * values.g;
        A += area;
    }
};
} // namespace

QStringList OutsideWindowColumns()
{
    return CEnergyCheckData::ColumnNames(QStringLiteral("outsidewindow_data"), 2, kRows);
}

std::vector<double> ComputeOutsideWindowK(const QString& name, bool force)
{
    const int id = CEnergyCheckData::FindBuildingIdByName(name);
    std::vector<double> values;
    if (!CEnergyCheckData::StartValues(id, OutsideWindowColumns(), 4 * kRows, force, values))
        return values;
    CCalculate_MaterialManager materials;
    SWeighted rows[kRows];
    for (const SEnvelopeSource* source :
         {&EnvelopeSource::OutsideWindow, &EnvelopeSource::OutsideDoor, &EnvelopeSource::GlassCurtainWall})
        for (const SEnvelopeElement& element : CEnergyCheckData::Elements(*source, id)) {
            SConstructionValues construction;
            if (!CEnergyCheckData::Construction(materials, source->Kind, element, construction))
                continue;
            if (element.Direction >= 1 && element.Direction <= 8)
                rows[element.Direction - 1].Add(element.Area, construction);
            rows[kAllOpenings].Add(element.Area, construction);
        }
    for (const SEnvelopeSource* source : {&EnvelopeSource::SkyWindow, &EnvelopeSource::GlassRoof})
        for (const SEnvelopeElement& element : CEnergyCheckData::Elements(*source, id)) {
            SConstructionValues construction;
            if (CEnergyCheckData::Construction(materials, source->Kind, element, construction))
                rows[kRoof].Add(element.Area, construction);
        }
    for (int row = 0; row < kRows; ++row)
        if (rows[row].A != 0) {
            values[row] = rows[row].AK / rows[row].A;
            values[kRows + row] = rows[row].Ag / rows[row].A;
        }
    return values;
}
