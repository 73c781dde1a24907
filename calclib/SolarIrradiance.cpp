#include "calclib/SolarIrradiance.h"

#include "calclib/CalcTables.h"
#include "calclib/InputGuard.h"
#include "calclib/Psychrometrics.h"

#include <algorithm>
#include <cmath>

namespace calclib {

using namespace tables;

double ExtraterrestrialIrradiance(int dayOfYear)
{
    const int n = std::clamp(dayOfYear, 1, kDaysInYear);
    return kSolarConstant *
           (1.0 + kOrbitEccentricityTerm * std::cos(2.0 * 3.14159265358979323846 * n / kDaysInYear));
}

double AirMass(const SunPosition& sun, double pressure)
{
    const double altitudeDeg = std::max(0.0, Degrees(sun.altitude));
    const double sinAlt = std::max(0.0, sun.sinAltitude);
    const double m =
        altitudeDeg >= kKastenYoungBelowDeg
            ? 1.0 / sinAlt
            : 1.0 / (sinAlt + kKastenYoungA * std::pow(altitudeDeg + kKastenYoungB, -kKastenYoungC));
    return m * psy::PressurePa(pressure) / kStandardPressure;
}

SkyIrradiance ClearSky(const SunPosition& sun, int dayOfYear, int month, double clarity, double pressure)
{
    SkyIrradiance sky;
    if (!(sun.sinAltitude > 0.0))
        return sky;
    if (clarity > 0.0 && clarity < 1.0) {
        const double i0 = ExtraterrestrialIrradiance(dayOfYear);
        const double transmitted = std::pow(clarity, AirMass(sun, pressure));
        sky.beamNormal = i0 * transmitted;
        sky.diffuseHorizontal = kBerlageFactor * i0 * sun.sinAltitude * (1.0 - transmitted) /
                                (1.0 - kBerlageLogFactor * std::log(clarity));
        return sky;
    }
    const int m = std::clamp(month, 1, 12) - 1;
    sky.beamNormal = kAshraeA[m] * std::exp(-kAshraeB[m] / sun.sinAltitude);
    sky.diffuseHorizontal = kAshraeC[m] * sky.beamNormal;
    return sky;
}

SkyIrradiance FromMeasuredGlobal(const SunPosition& sun, int dayOfYear, double globalHorizontal)
{
    SkyIrradiance sky;
    const double g = NonNegative(globalHorizontal);
    if (g <= 0.0)
        return sky;
    // Near the horizon the split is meaningless (and beam/sin β explodes): keep it all diffuse.
    if (!(sun.sinAltitude >= kMinSinAltitudeForBeam)) {
        sky.diffuseHorizontal = g;
        return sky;
    }
    const double i0 = ExtraterrestrialIrradiance(dayOfYear);
    const double kt = g / (i0 * sun.sinAltitude);
    double fd;
    if (kt <= kErbsLowKt) {
        fd = 1.0 - kErbsLowSlope * kt;
    } else if (kt <= kErbsHighKt) {
        const double* c = kErbsPoly;
        fd = c[0] + kt * (c[1] + kt * (c[2] + kt * (c[3] + kt * c[4])));
    } else {
        fd = kErbsHighFraction;
    }
    fd = std::clamp(fd, 0.0, 1.0);
    sky.beamNormal = std::min(i0, (1.0 - fd) * g / sun.sinAltitude);
    sky.diffuseHorizontal = std::max(0.0, g - sky.beamNormal * sun.sinAltitude);
    return sky;
}

void MeasuredGlobalDay(const SunPosition sun[24], const float* hourly24, const float* dailyMean24,
                       double out[24])
{
    double sum = 0.0;
    for (int h = 0; h < 24; ++h) {
        out[h] = hourly24 ? NonNegative(hourly24[h]) : 0.0;
        sum += out[h];
    }
    if (sum >= kMeasuredDaySumEpsilon || !dailyMean24)
        return;
    double mean = 0.0;
    for (int h = 0; h < 24; ++h)
        mean += NonNegative(dailyMean24[h]) / 24.0;
    double weights = 0.0;
    for (int h = 0; h < 24; ++h)
        weights += std::max(0.0, sun[h].sinAltitude);
    if (!(mean > 0.0) || !(weights > 0.0))
        return;
    for (int h = 0; h < 24; ++h)
        out[h] = 24.0 * mean * std::max(0.0, sun[h].sinAltitude) / weights;
}

SurfaceIrradiance OnSurface(const SkyIrradiance& sky, const SunPosition& sun, double surfaceAzimuth,
                            double tilt, double groundReflectance)
{
    SurfaceIrradiance s;
    const double beamNormal = NonNegative(sky.beamNormal);
    const double diffuseHorizontal = NonNegative(sky.diffuseHorizontal);
    const double t = Finite(tilt);
    const double cosTilt = std::cos(t);
    const double sunUp = std::max(0.0, sun.sinAltitude);
    if (sunUp > 0.0)
        s.beam = beamNormal * std::max(0.0, CosIncidence(sun, Finite(surfaceAzimuth), t));
    s.diffuse = diffuseHorizontal * (1.0 + cosTilt) / 2.0;
    s.reflected = std::clamp(Finite(groundReflectance), 0.0, 1.0) * (beamNormal * sunUp + diffuseHorizontal) *
                  (1.0 - cosTilt) / 2.0;
    return s;
}

double GroundReflectance(int groundGrade)
{
    return groundGrade >= 0 && groundGrade < 6 ? kGroundReflectance[groundGrade] : kDefaultGroundReflectance;
}

} // namespace calclib
