#include "calclib/ConstructionResponse.h"

#include "calclib/InputGuard.h"

#include <cmath>

namespace calclib {

double DailyMean(const double values[24])
{
    double sum = 0.0;
    for (int h = 0; h < 24; ++h)
        sum += values[h];
    return sum / 24.0;
}

double PeriodicAt(const double values[24], double t)
{
    double s = std::fmod(Finite(t), 24.0);
    if (s < 0.0)
        s += 24.0;
    const double floorS = std::floor(s);
    const int i0 = static_cast<int>(floorS) % 24; // s may round up to exactly 24.0
    const int i1 = (i0 + 1) % 24;
    const double f = s - floorS;
    return values[i0] + f * (values[i1] - values[i0]);
}

void ConstructionResponse(const double solAir[24], double beta, double lagHours, double out[24])
{
    const double mean = DailyMean(solAir);
    const double b = Finite(beta);
    const double lag = Finite(lagHours);
    for (int h = 0; h < 24; ++h)
        out[h] = mean + b * (PeriodicAt(solAir, h - lag) - mean);
}

} // namespace calclib
