#include "calclib/Psychrometrics.h"

#include "calclib/CalcTables.h"

#include <algorithm>
#include <cmath>

namespace calclib::psy {

using namespace calclib::tables;

double SaturationPressure(double t)
{
    const double T = t + kKelvin;
    if (t >= 0.0) {
        const double* c = kHwWater;
        return std::exp(c[0] / T + c[1] + c[2] * T + c[3] * T * T + c[4] * T * T * T + c[5] * std::log(T));
    }
    const double* c = kHwIce;
    return std::exp(c[0] / T + c[1] + c[2] * T + c[3] * T * T + c[4] * T * T * T + c[5] * T * T * T * T +
                    c[6] * std::log(T));
}

double HumidityRatio(double vapourPressure, double p)
{
    const double pw = std::clamp(vapourPressure, 0.0, 0.99 * p);
    return kMolarMassRatio * pw / (p - pw);
}

double SaturationHumidityRatio(double t, double p)
{
    return HumidityRatio(SaturationPressure(t), p);
}

double HumidityRatioFromRh(double t, double rhFraction, double p)
{
    return HumidityRatio(std::clamp(rhFraction, 0.0, 1.0) * SaturationPressure(t), p);
}

double HumidityRatioFromWetBulb(double t, double wetBulb, double p)
{
    const double ts = std::min(wetBulb, t);
    const double ws = SaturationHumidityRatio(ts, p);
    double w;
    if (ts >= 0.0)
        w = ((2501.0 - 2.326 * ts) * ws - 1.006 * (t - ts)) / (2501.0 + 1.86 * t - 4.186 * ts);
    else
        w = ((2830.0 - 0.24 * ts) * ws - 1.006 * (t - ts)) / (2830.0 + 1.86 * t - 2.1 * ts);
    return std::clamp(w, 0.0, SaturationHumidityRatio(t, p));
}

double VapourPressure(double w, double p)
{
    const double wc = std::max(w, 0.0);
    return p * wc / (kMolarMassRatio + wc);
}

double RelativeHumidity(double t, double w, double p)
{
    return std::clamp(VapourPressure(w, p) / SaturationPressure(t), 0.0, 1.0);
}

double WetBulb(double t, double w, double p)
{
    const double target = std::clamp(w, 0.0, SaturationHumidityRatio(t, p));
    // W(t*) rises with t*: bisection keeps the answer inside [−60, t] for any input.
    double lo = -60.0, hi = t;
    if (hi <= lo)
        return t;
    for (int i = 0; i < 50; ++i) {
        const double mid = 0.5 * (lo + hi);
        if (HumidityRatioFromWetBulb(t, mid, p) > target)
            hi = mid;
        else
            lo = mid;
    }
    return 0.5 * (lo + hi);
}

double DewPoint(double vapourPressure)
{
    if (!(vapourPressure > 0.0))
        return -100.0;
    double lo = -100.0, hi = 200.0;
    for (int i = 0; i < 60; ++i) {
        const double mid = 0.5 * (lo + hi);
        if (SaturationPressure(mid) > vapourPressure)
            hi = mid;
        else
            lo = mid;
    }
    return 0.5 * (lo + hi);
}

double Enthalpy(double t, double w)
{
    return kCpDryAir * t + w * (kLatentAt0 + kCpVapour * t);
}

double Density(double t, double w, double p)
{
    return p * (1.0 + w) / (kGasConstantDryAir * (t + kKelvin) * (1.0 + kVirtualFactor * w));
}

double SpecificVolume(double t, double w, double p)
{
    return kGasConstantDryAir * (t + kKelvin) * (1.0 + kVirtualFactor * w) / p;
}

double LatentHeat(double t)
{
    return kLatentAt0 - kLatentSlope * t;
}

double RhPercent(double rh)
{
    if (!std::isfinite(rh))
        return 0.0;
    if (rh > 0.0 && rh <= 1.0)
        rh *= 100.0;
    return std::clamp(rh, 0.0, 100.0);
}

double PressurePa(double p)
{
    if (!std::isfinite(p) || p <= 0.0)
        return kStandardPressure;
    return p < 2000.0 ? p * 100.0 : p;
}

} // namespace calclib::psy
