#pragma once
// Shading of a window in a vertical wall by a horizontal overhang and a vertical fin (ASHRAE
// Handbook Fundamentals, shading of fenestration by projections). Lengths in m.
//
// With the solar azimuth A, the surface azimuth ψ, the wall–solar azimuth γ = A − ψ and the profile
// angle Ω (tan Ω = tan β / cos γ), the shadow reaches
//   S_W = m·|tan γ| sideways from the fin and S_H = l·tan Ω down from the overhang,
// and the sunlit fraction of the B × H window is
//   f_s = max(0, B − max(0, S_W − g)) · max(0, H − max(0, S_H − f)) / (B·H),
// where the overhang (projection l) sits f above the window head and runs past both sides, and
// the fin (projection m) stands g from the window edge on the side the sun comes from.

#include "calclib/SolarGeometry.h"

namespace calclib {

struct OutsideShade
{
    double width = 0.0;       // B, window opening
    double height = 0.0;      // H
    double overhang = 0.0;    // l, projection of the horizontal plate
    double fin = 0.0;         // m, projection of the vertical fin
    double overhangGap = 0.0; // f, plate above the window head
    double finGap = 0.0;      // g, fin beside the window edge
};

// f_s in 0..1 for the beam on the window. Without geometry (B or H not positive or not finite)
// the whole window is sunlit: 1. With the sun below the horizon or behind the wall: 0. Projections
// and gaps that are negative or not finite count as 0. surfaceAzimuth in radians from north, clockwise.
double SunlitFraction(const OutsideShade& shade, const SunPosition& sun, double surfaceAzimuth);

} // namespace calclib
