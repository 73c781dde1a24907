#pragma once
// Air leaking in through the cracks of outside doors and windows in winter, GB 50736-2012 Appendix F.
//
// Crack method (F.0.2–F.0.4), with the wind and the stack terms of m written under one power so that
// a calm day (v0 = 0) stays defined:
//   L = α1·l·[ρ/2·C_r·C_h·(ΔC_f·v0²·n^{1/b} + 70·(h_z − h)/h^0.4·(t'_n − t_w)/(273 + t'_n))]^b
// which equals L0·l·m^b with L0 = α1·(ρ·v0²/2)^b and m = C_r·ΔC_f·(n^{1/b} + C)·C_h. No air enters
// when the bracket is not positive (m <= 0).
// Air-change method (F.0.5): L = n_k·V, the room's air shared among its openings by area.

#include <cstdint>

namespace calclib::heating {

struct CrackLeakage
{
    double crackLength = 0.0;     // l, m
    double crackCoef = 0.0;       // α1, m³/(m·h·Pa^b)
    double exponent = 0.67;       // b
    double orientation = 1.0;     // n
    double windPressure = 0.7;    // ΔC_f
    double thermalPressure = 1.0; // C_r
    double windSpeed = 0.0;       // v0, m/s
    double openingHeight = 1.0;   // h, centre of the opening above ground, m
    double neutralHeight = 0.0;   // h_z, m
    double shaftTemp = 0.0;       // t'_n, ℃
    bool withStack = true;        // false: wind only (simplified method)
};

// Outdoor air density ρ = 353/(273.15 + t), kg/m³.
double OutdoorAirDensity(double outdoorTemp);

// m³/h of outdoor air at outdoor temperature t_w.
double CrackAirFlow(const CrackLeakage& c, double outdoorTemp);
// The same for the 24 hours of a day; openings alike on a day share it (SharedValueTable.h).
void CrackAirFlowDay(const CrackLeakage& c, const double outdoorTemp24[24], double out24[24]);

// α1 of the air-tightness grade index 0..4 (I..V); other indices count as III.
double CrackCoefficient(int32_t tightnessGrade);

// C_r of the PartitionType code; 5 (定制) takes custom, unknown codes count as open space.
double ThermalPressureCoefficient(int32_t partitionType, double custom);

// Air changes per hour by the number of walls with windows (1, 2, 3 or more; none as 1).
double AirChangesByWalls(int32_t wallsWithWindows);

// Heat to warm the air to the room, W (negative = loss): −0.28·c_p·ρ·L·(t_n − t_w).
double InfiltrationHeat(double airFlow, double roomTemp, double outdoorTemp);
// The same for the 24 hours of a day.
void InfiltrationHeatDay(const double airFlow24[24], double roomTemp, const double outdoorTemp24[24],
                         double out24[24]);

} // namespace calclib::heating
