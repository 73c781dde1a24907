#pragma once
// Corrections of the GB 50736-2012 heating method shared by the heating loads, the minimum
// thermal-resistance checks and the air-conditioning functions in their heating regime.
// Percent inputs are the Initialization values as entered; every result is a fraction.

#include <cstdint>

namespace calclib::heating {

// The four orientation coefficients of the Initialization, percent (North first).
struct OrientationCoefficients
{
    double north = 0.0;
    double east = 0.0;
    double southEast = 0.0;
    double south = 0.0;
};

// Orientation correction x_ch (GB 50736-2012 §5.2.6) of a vertical surface, fraction. Sector values
// at the eight compass points (N, NE, NW = north; E, W = east; SE, SW = south-east; S = south),
// linear in the surface azimuth between neighbouring points. Direction 0 (水平) and unknown codes
// give 0; non-finite coefficients count as 0.
double OrientationCorrection(int32_t direction, double directionAngleDeg, const OrientationCoefficients& c);

// Where an element sits in the height of an industrial room (GB 50019 indoor temperatures).
enum class RoomLevel
{
    Floor, // floors, ground, basement walls: working-zone temperature t_g
    Wall,  // walls, windows, doors: mean t_np = (t_g + t_d)/2
    Top    // roofs, skylights, ceilings, attics: temperature under the roof t_d
};

// The indoor temperature an element loses heat from: tn, or for an industrial room (industry ≠ 0)
// higher than 4 m the GB 50019 value with t_d = tn + gradient·(height − 2).
double EffectiveIndoorTemp(double tn, int32_t industry, double height, double gradient, RoomLevel level);

// Height addition x_g of a civil room (GB 50736-2012 §5.2.7): 2 % per metre above 4 m, at most
// 15 %. Industrial rooms take the temperature gradient instead and get 0.
double HeightAddition(int32_t industry, double height);

// Outside-door addition x_m (GB 50736-2012 §5.2.6) for doors whose opening lets cold air in
// (isColdAir ≠ 0): 一道门 0.65·n, 两道门 0.80·n, 三道门 0.60·n, main entrance 5.00; n = storeys (≥ 1).
// Door codes outside 0..3 count as 一道门.
double DoorAddition(int32_t isColdAir, int32_t doorType, int32_t storeyCount);

// How the far side of an inside element is taken.
enum class FarSide
{
    Unheated,   // α·(t_n − t_out): unheated space or stair well
    HeatedRoom, // t_n − t_adjacent, α = 1
    GivenDelta  // the temperature difference passed by the caller, α = 1
};

struct Adjacency
{
    FarSide side = FarSide::Unheated;
    double alpha = 1.0; // temperature-difference correction α
};

// GB 50736-2012 temperature-difference correction by the heating adjacency codes of the elements.
// Inside walls, inside doors and windows: 0 unheated stair well with outside openings (0.60 up to 6
// storeys, 0.50 above), 1 unheated room with outside openings 0.70, 2 without 0.40, 3 heated room,
// 4 given difference; unknown codes as 1.
Adjacency InsideWallAdjacency(int32_t status, int32_t storeyCount);
// Ceilings (room above): 0 unheated room with outside openings 0.70, 1 without 0.40, 2 heated
// room, 3 given difference; unknown codes as 0.
Adjacency CeilingAdjacency(int32_t status);
// Floors (space below): 0 unheated basement open to outdoor air 0.90, 1 unheated basement with
// windows 0.75, 2 without windows above grade 0.60, 3 below grade 0.40, 4 unheated room with
// outside openings 0.70, 5 without 0.40, 6 heated room, 7 given difference; unknown codes as 0.
Adjacency FloorAdjacency(int32_t status);
// Gap walls: 0 expansion and 1 settlement joint 0.30, 2 seismic joint 0.70; unknown codes as 0.
double GapWallAlpha(int32_t gapWallType);

} // namespace calclib::heating
