#pragma once
// Thermal parameters of a layered construction by the harmonic method of GB 50176-93 Appendix 2
// (same formulas in GB 50176-2016), period 24 h.
//
// Layers run from the inside (index 0) to the outside. Per layer, with λc = λ·a:
//   material (ρ·c > 0): R = δ/λc, S = a·√(ω·λ·ρ·c), ω = 2π/86400 s⁻¹, c in J/(kg·K); D = R·S.
//   air (ρ·c = 0):      R = 1/λc (λ holds a heat-exchange coefficient W/(m²·K)), S = 0, D = 0.
// An air layer of zero thickness in the first (last) place is the inner (outer) surface film and
// gives α_i = λc (α_e = λc); without one α_i = 8.7 and α_e = 23 W/(m²·K).
//
// Results:
//   delta   Σ thickness, mm;  K = 1/(1/α_i + ΣR + 1/α_e), W/(m²·K);  D = Σ D_j.
//   Y_ef    outer-surface storage coefficient, recursion from the inside: Y_0 = α_i,
//           Y_j = S_j when D_j ≥ 1, else (R_j·S_j² + Y_{j−1})/(1 + R_j·Y_{j−1}).
//   Y_if    inner-surface storage coefficient, the same recursion from the outside starting at α_e.
//   nu      ν = 0.9·e^{D/√2}·Π_j (S_j + Y_{j−1})/(S_j + Y_j)·(Y_ef + α_e)/α_e  (sol-air → inner surface).
//   xi      ξ = [40.5·D − atan(α_i/(α_i + √2·Y_if)) + atan(Y_ef/(Y_ef + √2·α_e))]/15 h, angles in
//           degrees, held in [0, 24): a negative lag gives 0, 24 h or more gives 23.999998 h.
//   nuInner νn = 0.95·(α_i + Y_if)/α_i;  xiInner ξn = atan(Y_if/(Y_if + √2·α_i))/15 h (room air →
//           inner surface).
//   beta    β = min(1, α_i/(K·ν)), the heat-flux decrement factor used with the lag ξ.
// ν, ξ and Y_if use the same outer film as K (the construction's own outer film, else 23 W/(m²·K);
// CalcTables kOutsideFilmResponse). This reproduces hand calculations by the GB method and keeps β
// within about 1 % of the exact ISO 13786 decrement factor at the summer film (19 W/(m²·K)) for
// brick and concrete walls; the GB approximation evaluated with 19 falls 6–9 % below it.
//
// Defined results for any input:
// - At most kMaxLayers (149) layers are read; further layers are ignored.
// - A layer is left out entirely (no thickness, resistance or storage) when its thickness, λ, ρ or c
//   is not finite, its thickness, ρ or c is negative, or λ ≤ 0. The remaining layers are computed as
//   if it were not there (film detection included). A correction factor a that is not finite or not
//   positive counts as 1.
// - No layers, films only, or no resistance between the films (ΣR = 0): every result is 0.
// - Every result is finite and within the float range: ν is computed in logarithms and held at the
//   float maximum for an absurdly heavy construction (β then tends to 0), other results likewise.

#include <span>

namespace calclib {

struct WallLayer
{
    double thicknessMm = 0.0;
    double lambda = 0.0;       // W/(m·K); for air layers a heat-exchange coefficient W/(m²·K)
    double correction = 1.0;   // a, multiplies λ (and S)
    double density = 0.0;      // kg/m³
    double specificHeat = 0.0; // kJ/(kg·K)
};

struct WallParameters
{
    double delta = 0.0;   // mm
    double k = 0.0;       // W/(m²·K)
    double beta = 0.0;    // heat-flux decrement factor
    double nu = 0.0;      // decrement sol-air → inner surface
    double xi = 0.0;      // lag, h
    double nuInner = 0.0; // decrement room air → inner surface
    double xiInner = 0.0; // lag room air → inner surface, h
    double inertia = 0.0; // D
};

// Daily storage coefficient S of a material layer, W/(m²·K) (0 for an air layer or a left-out layer).
double LayerStorageCoefficient(const WallLayer& layer);

WallParameters ComputeWallParameters(std::span<const WallLayer> layers);

} // namespace calclib
