#include "report/CEnergyCheckData.h"
#include "report/EnergyChecks.h"

namespace {
constexpr int kRows = WindowWallRows;
constexpr int kAllWalls = 8;
constexpr int kRoof = 9;

// Orientation row of a direction code; -1 for codes without one (0 "水平" and anything else).
int OrientationRow(int direction)
{
    return direction >= 1 && direction <= 8 ? direction - 1 : -1;
}

void AddByOrientation(std::vector<double>& values, int column, const SEnvelopeSource& source, int buildingId)
{
    for (const SEnvelopeElement& element : CEnergyCheckData::Elements(source, buildingId))
        if (const int row = OrientationRow(element.Direction); row >= 0)
            values[column * kRows + row] += element.Area;
}

void AddToRoof(std::vector<double>& values, int column, const SEnvelopeSource& source, int buildingId)
{
    for (const SEnvelopeElement& element : CEnergyCheckData::Elements(source, buildingId))
        values[column * kRows + kRoof] += element.Area;
}
} // namespace

QStringList WindowWallColumns()
{
    return CEnergyCheckData::ColumnNames(QStringLiteral("wd_data"), 2, kRows);
}

std::vector<double> ComputeWindowWallRatio(const QString& name, bool force)
{
    const int id = CEnergyCheckData::FindBuildingIdByName(name);
    std::vector<double> values;
    if (CEnergyCheckData::StartValues(id, WindowWallColumns(), 4 * kRows, force, values)) {
        for (const SEnvelopeSource* source : {&EnvelopeSource::OutsideWindow, &EnvelopeSource::OutsideDoor,
                                              &EnvelopeSource::GlassCurtainWall})
            AddByOrientation(values, 0, *source, id);
        for (const SEnvelopeSource* source :
             {&EnvelopeSource::OutsideWall, &EnvelopeSource::GlassCurtainWall})
            AddByOrientation(values, 1, *source, id);
        // Every roof makes up the roof area, flat ones too; a glass roof is transparent roof area.
        for (const SEnvelopeSource* source : {&EnvelopeSource::SkyWindow, &EnvelopeSource::GlassRoof})
            AddToRoof(values, 0, *source, id);
        for (const SEnvelopeSource* source : {&EnvelopeSource::Roof, &EnvelopeSource::GlassRoof})
            AddToRoof(values, 1, *source, id);
        for (int column = 0; column < 2; ++column)
            for (int row = 0; row < kAllWalls; ++row)
                values[column * kRows + kAllWalls] += values[column * kRows + row];
    }
    for (int row = 0; row < kRows; ++row)
        if (values[kRows + row] != 0)
            values[2 * kRows + row] = values[row] / values[kRows + row];
    return values;
}
