#include "calclib/DesignDay.h"

#include "calclib/CalcTables.h"

namespace calclib {

using namespace tables;

double DesignDayMean(double peak, double range)
{
    return peak - kDesignDayBetaMax * range;
}

void DesignDayProfile(double mean, double range, double out[24])
{
    for (int h = 0; h < 24; ++h)
        out[h] = mean + kDesignDayBeta[h] * range;
}

void ProfileFromExtremes(double maxValue, double minValue, double out[24])
{
    const double span = kDesignDayBetaMax - kDesignDayBetaMin;
    for (int h = 0; h < 24; ++h)
        out[h] = minValue + (maxValue - minValue) * (kDesignDayBeta[h] - kDesignDayBetaMin) / span;
    // Land exactly on the extremes: the round trip through GetMax must give them back unchanged.
    for (int h = 0; h < 24; ++h) {
        if (kDesignDayBeta[h] == kDesignDayBetaMax)
            out[h] = maxValue;
        if (kDesignDayBeta[h] == kDesignDayBetaMin)
            out[h] = minValue;
    }
}

} // namespace calclib
