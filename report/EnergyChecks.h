#pragma once
#include <QString>
#include <QStringList>
#include <vector>

// The building energy-saving checks of one building, named as the check building is. A name no
// building has gives ID 0: every quantity is 0. Statements failing raise as CEnergyCheckData says.
//
// The three tabular checks fill their values column by column (index = column × rows + row) and,
// unless force is set, recompute only when the default "autorefresh" is "1"; otherwise they show
// the values the check dialog stored. Limit columns are never computed and hold 0: no standard's
// limits are defined, and the chosen energy-saving standard does not enter any check.

// --- Shape coefficient

// Sum over the rooms of the above-ground storeys of floor area × storey height, m³.
double ComputeBuildingVolume(const QString& name);
// Areas of the outside walls, roofs, attics, glass curtain walls, glass roofs, projection floors
// and gap walls of the building's rooms, any storey, m².
double ComputeOuterSurfaceArea(const QString& name);
// Area / volume (0 when the volume is 0); the area and the volume come back as well.
double ComputeShapeCoefficient(const QString& name, double& area, double& volume);

// What the shape-coefficient dialog keeps in the building's row: per quantity whether it is the
// computed value (0) or typed by the user (1), the value shown, and the coefficient.
struct SShapeCoefficientChoice
{
    int AreaType = 0;
    double Area = 0; // m²
    int VolumeType = 0;
    double Volume = 0; // m³
    double Coefficient = 0;
};
SShapeCoefficientChoice LoadShapeCoefficientChoice(const QString& name);
// Also brings the building element, when it is loaded, up to date.
void StoreShapeCoefficientChoice(const QString& name, const SShapeCoefficientChoice& choice);

// --- Window-to-wall ratio: 10 rows (0..7 the orientations 南, 西南, 西, 西北, 北, 东北, 东, 东南
// for Direction 1..8; 8 all wall orientations, the sum of 0..7; 9 the roof) by 4 columns
// (transparent area m², wall or roof area m², ratio, limit). Windows and doors take their wall's
// direction and count with their quantity; glass curtain walls count as transparent and as wall
// area, glass roofs as transparent and as roof area. Elements whose direction is not 1..8 have no
// orientation row.
constexpr int WindowWallRows = 10;
std::vector<double> ComputeWindowWallRatio(const QString& name, bool force);
// Stored columns wd_data0_0 .. wd_data0_9, wd_data1_0 .. wd_data1_9 (columns 0 and 1).
QStringList WindowWallColumns();

// --- Outside-window heat-transfer coefficient: the rows of the ratio check (8 all openings,
// whatever their direction; 9 sky windows and glass roofs) by 4 columns (area-weighted K
// W/(m²·℃), area-weighted shading coefficient, their limits). An opening whose construction is
// missing is reported and left out.
constexpr int OutsideWindowRows = 10;
std::vector<double> ComputeOutsideWindowK(const QString& name, bool force);
// outsidewindow_data0_0 .. outsidewindow_data0_9, outsidewindow_data1_0 .. outsidewindow_data1_9.
QStringList OutsideWindowColumns();

// --- Opaque envelope heat-transfer coefficient: 7 rows (0 outside and gap walls, 1 roofs and
// attics, 2 projection floors, 3 inside walls, ceilings and floors, 4 perimeter ground, 5 other
// ground, 6 basement walls) by 2 columns (area-weighted K W/(m²·℃), limit). Ground counts as
// perimeter ground in rooms with an outside wall, glass curtain wall or basement wall, as other
// ground in the rooms within. An element whose construction is missing is reported and left out.
constexpr int OutsideWallRows = 7;
std::vector<double> ComputeOutsideWallK(const QString& name, bool force);
// outsidewall_data0 .. outsidewall_data6.
QStringList OutsideWallColumns();

// Writes the values, one per stored column, into the building's row.
void StoreCheckValues(const QString& name, const QStringList& columns, const std::vector<double>& values);
