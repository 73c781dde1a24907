#include "calclib/dizedozev.h"

#include "calclib/CalcTables.h"
#include "calclib/InputGuard.h"
#include "calclib/WallParameters.h"

#include <algorithm>
#include <span>

using namespace calclib;

DIZEDOZEV_API void Get_WallParameters_D_Multiplier(int32_t n, const float* thickness, const float* lambda,
                                                   const float* correction, const float* density,
                                                   const float* specificHeat, float* delta, float* k,
                                                   float* beta, float* nu, float* xi, float* nuInner,
                                                   float* xiInner, float* inertia)
{
    // A missing layer array leaves the construction undefined: the same eight zeros as n = 0.
    WallParameters w;
    if (n > 0 && thickness && lambda && correction && density && specificHeat) {
        const int count = std::min<int>(n, tables::kMaxLayers);
        WallLayer layers[tables::kMaxLayers];
        for (int i = 0; i < count; ++i)
            layers[i] = WallLayer{thickness[i], lambda[i], correction[i], density[i], specificHeat[i]};
        w = ComputeWallParameters(std::span<const WallLayer>(layers, static_cast<std::size_t>(count)));
    }
    StoreScalar(delta, w.delta);
    StoreScalar(k, w.k);
    StoreScalar(beta, w.beta);
    StoreScalar(nu, w.nu);
    StoreScalar(xi, w.xi);
    StoreScalar(nuInner, w.nuInner);
    StoreScalar(xiInner, w.xiInner);
    StoreScalar(inertia, w.inertia);
}
