#include "calclib/SolAir.h"

#include "calclib/InputGuard.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace calclib {

using namespace tables;

double SolAirLongWave(bool horizontal)
{
    return horizontal ? kLongWaveHorizontal : kLongWaveVertical;
}

double RoofAbsorptance(int color)
{
    const bool known = color >= 0 && color < static_cast<int>(std::size(kRoofAbsorptance));
    return kRoofAbsorptance[known ? color : kFallbackRoofColor];
}

double WallAbsorptance()
{
    return kWallAbsorptance;
}

void SolAirTemperature(const double outdoor[24], const double irradiance[24], double absorptance,
                       double longWave, double out[24], double alphaE)
{
    const double rho = std::clamp(Finite(absorptance), 0.0, 1.0);
    const double alpha = std::isfinite(alphaE) && alphaE > 0.0 ? alphaE : kOutsideFilmSummer;
    const double lw = Finite(longWave);
    for (int h = 0; h < 24; ++h)
        out[h] = Finite(outdoor[h]) + rho * NonNegative(irradiance[h]) / alpha - lw;
}

} // namespace calclib
