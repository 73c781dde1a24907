#include "calclib/OutsideShading.h"

#include "calclib/InputGuard.h"

#include <algorithm>
#include <cmath>

namespace calclib {

double SunlitFraction(const OutsideShade& shade, const SunPosition& sun, double surfaceAzimuth)
{
    const double b = Finite(shade.width);
    const double h = Finite(shade.height);
    if (!(b > 0.0) || !(h > 0.0))
        return 1.0;
    const double gamma = sun.azimuth - Finite(surfaceAzimuth);
    const double cosGamma = std::cos(gamma);
    if (!(sun.sinAltitude > 0.0) || !(cosGamma > 0.0))
        return 0.0;
    const double tanProfile = std::tan(sun.altitude) / cosGamma;
    const double sideShadow = NonNegative(shade.fin) * std::abs(std::tan(gamma));
    const double headShadow = NonNegative(shade.overhang) * tanProfile;
    const double sunlitWidth = std::max(0.0, b - std::max(0.0, sideShadow - NonNegative(shade.finGap)));
    const double sunlitHeight = std::max(0.0, h - std::max(0.0, headShadow - NonNegative(shade.overhangGap)));
    return std::clamp(sunlitWidth * sunlitHeight / (b * h), 0.0, 1.0);
}

} // namespace calclib
