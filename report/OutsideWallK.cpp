#include "calc/CCalculate_MaterialManager.h"
#include "report/CEnergyCheckData.h"
#include "report/EnergyChecks.h"

#include <QSet>

namespace {
constexpr int kRows = OutsideWallRows;
constexpr int kPerimeterGround = 4;
constexpr int kInnerGround = 5;

struct SRowSource
{
    int Row;
    const SEnvelopeSource* Source;
};

const SRowSource kSources[] = {
    {0, &EnvelopeSource::OutsideWall},
    {0, &EnvelopeSource::GapWall},
    {1, &EnvelopeSource::Roof},
    {1, &EnvelopeSource::BlindStorey},
    {2, &EnvelopeSource::ProjectionFloor},
    {3, &EnvelopeSource::InsideWall},
    {3, &EnvelopeSource::Ceiling},
    {3, &EnvelopeSource::Floor},
    {kPerimeterGround, &EnvelopeSource::Ground},
    {6, &EnvelopeSource::BasementWall},
};

// Rooms of the building with a wall to the outside or to the soil: their ground lies along the
// building's edge.
QSet<int> PerimeterRooms(int buildingId)
{
    QSet<int> rooms;
    for (const SEnvelopeSource* source :
         {&EnvelopeSource::OutsideWall, &EnvelopeSource::GlassCurtainWall, &EnvelopeSource::BasementWall})
        for (const SEnvelopeElement& element : CEnergyCheckData::Elements(*source, buildingId))
            rooms.insert(element.RoomId);
    return rooms;
}
} // namespace

QStringList OutsideWallColumns()
{
    QStringList names;
    for (int row = 0; row < kRows; ++row)
        names << QStringLiteral("outsidewall_data%1").arg(row);
    return names;
}

std::vector<double> ComputeOutsideWallK(const QString& name, bool force)
{
    const int id = CEnergyCheckData::FindBuildingIdByName(name);
    std::vector<double> values;
    if (!CEnergyCheckData::StartValues(id, OutsideWallColumns(), 2 * kRows, force, values))
        return values;
    CCalculate_MaterialManager materials;
    const QSet<int> perimeter = PerimeterRooms(id);
    double areaK[kRows] = {};
    double area[kRows] = {};
    for (const SRowSource& source : kSources)
        for (const SEnvelopeElement& element : CEnergyCheckData::Elements(*source.Source, id)) {
            SConstructionValues construction;
            if (!CEnergyCheckData::Construction(materials, source.Source->Kind, element, construction))
                continue;
            int row = source.Row;
            if (row == kPerimeterGround && !perimeter.contains(element.RoomId))
                row = kInnerGround;
            areaK[row] += element.Area * construction.K;
            area[row] += element.Area;
        }
    for (int row = 0; row < kRows; ++row)
        if (area[row] != 0)
            values[row] = areaK[row] / area[row];
    return values;
}
