#include "calclib/WallParameters.h"

#include "calclib/CalcTables.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace calclib {

using namespace tables;

namespace {

constexpr double kMetresPerMm = 1.0e-3;
constexpr double kJoulesPerKj = 1.0e3;
constexpr double kSqrt2 = 1.41421356237309504880;
constexpr double kDegreesPerRadian = 180.0 / 3.14159265358979323846;
constexpr double kDegreesPerHour = 360.0 / kDailyPeriodHours;

enum class LayerKind
{
    Skipped,
    Air,
    Material
};

struct LayerProps
{
    LayerKind kind = LayerKind::Skipped;
    double thicknessMm = 0.0;
    double lambdaC = 0.0; // corrected λ; the heat-exchange coefficient of an air layer
    double r = 0.0;
    double s = 0.0;
    double d = 0.0;
};

// The layers are evaluated on the fly in each pass rather than stored: a construction may hold up to
// 149 layers and the call must not allocate.
LayerProps Evaluate(const WallLayer& layer)
{
    LayerProps p;
    const double thickness = layer.thicknessMm;
    const double lambda = layer.lambda;
    const double density = layer.density;
    const double c = layer.specificHeat;
    if (!std::isfinite(thickness) || !std::isfinite(lambda) || !std::isfinite(density) || !std::isfinite(c) ||
        thickness < 0.0 || lambda <= 0.0 || density < 0.0 || c < 0.0)
        return p;
    const double a = std::isfinite(layer.correction) && layer.correction > 0.0 ? layer.correction : 1.0;
    p.thicknessMm = thickness;
    p.lambdaC = lambda * a;
    if (density * c == 0.0) {
        p.kind = LayerKind::Air;
        p.r = 1.0 / p.lambdaC;
    } else {
        p.kind = LayerKind::Material;
        p.r = thickness * kMetresPerMm / p.lambdaC;
        p.s = a * std::sqrt(kDailyAngularFrequency * lambda * density * c * kJoulesPerKj);
        p.d = p.r * p.s;
    }
    // Only absurd magnitudes get here (a float input cannot overflow these); such a layer is left out.
    if (!std::isfinite(p.lambdaC) || p.lambdaC <= 0.0 || !std::isfinite(p.r) || !std::isfinite(p.s) ||
        !std::isfinite(p.d))
        return LayerProps{};
    return p;
}

bool IsFilm(const LayerProps& p)
{
    return p.kind == LayerKind::Air && p.thicknessMm == 0.0;
}

// The storage coefficient seen at a layer's far surface, given the one at its near surface.
double NextY(const LayerProps& p, double y)
{
    if (p.d >= kThickLayerInertia)
        return p.s;
    return (p.r * p.s * p.s + y) / (1.0 + p.r * y);
}

double AtanDeg(double x)
{
    return std::atan(x) * kDegreesPerRadian;
}

double ToFloatRange(double x)
{
    if (std::isnan(x))
        return 0.0;
    return std::clamp(x, -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX));
}

} // namespace

double LayerStorageCoefficient(const WallLayer& layer)
{
    return Evaluate(layer).s;
}

WallParameters ComputeWallParameters(std::span<const WallLayer> layers)
{
    const std::size_t n = std::min(layers.size(), static_cast<std::size_t>(kMaxLayers));

    std::size_t first = n;
    std::size_t last = n;
    for (std::size_t i = 0; i < n; ++i) {
        if (Evaluate(layers[i]).kind == LayerKind::Skipped)
            continue;
        if (first == n)
            first = i;
        last = i;
    }
    if (first == n)
        return {};

    // Surface films: the first and last kept layers when they are zero-thickness air layers.
    double alphaI = kInsideFilm;
    double alphaEForK = kOutsideFilmWinter;
    double alphaE = kOutsideFilmResponse;
    std::size_t innerFilm = n;
    std::size_t outerFilm = n;
    if (const LayerProps p = Evaluate(layers[first]); IsFilm(p)) {
        alphaI = p.lambdaC;
        innerFilm = first;
    }
    if (const LayerProps p = Evaluate(layers[last]); last != first && IsFilm(p)) {
        alphaEForK = p.lambdaC;
        alphaE = p.lambdaC;
        outerFilm = last;
    }
    auto isBody = [&](std::size_t i, const LayerProps& p) {
        return p.kind != LayerKind::Skipped && i != innerFilm && i != outerFilm;
    };

    WallParameters w;
    double sumR = 0.0;
    double yOuter = alphaI;
    double logProduct = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const LayerProps p = Evaluate(layers[i]);
        if (p.kind == LayerKind::Skipped)
            continue;
        w.delta += p.thicknessMm;
        if (!isBody(i, p))
            continue;
        sumR += p.r;
        w.inertia += p.d;
        const double y = NextY(p, yOuter);
        logProduct += std::log((p.s + yOuter) / (p.s + y));
        yOuter = y;
    }
    if (!(sumR > 0.0) || !std::isfinite(sumR))
        return {};

    double yInner = alphaE;
    for (std::size_t i = n; i-- > 0;) {
        const LayerProps p = Evaluate(layers[i]);
        if (isBody(i, p))
            yInner = NextY(p, yInner);
    }

    w.k = 1.0 / (1.0 / alphaI + sumR + 1.0 / alphaEForK);

    // ν in logarithms: for an absurdly heavy construction e^{D/√2} overflows while β only tends to 0.
    const double logNu =
        std::log(kDecrementBase) + w.inertia / kSqrt2 + logProduct + std::log((yOuter + alphaE) / alphaE);
    w.nu = std::exp(std::min(logNu, std::log(static_cast<double>(FLT_MAX))));
    w.beta = std::min(1.0, std::exp(std::log(alphaI) - std::log(w.k) - logNu));

    const double xi = (kLagPhaseDegPerD * w.inertia - AtanDeg(alphaI / (alphaI + kSqrt2 * yInner)) +
                       AtanDeg(yOuter / (yOuter + kSqrt2 * alphaE))) /
                      kDegreesPerHour;
    const double xiMax = static_cast<double>(std::nextafter(static_cast<float>(kDailyPeriodHours), 0.0f));
    w.xi = std::isnan(xi) ? 0.0 : std::clamp(xi, 0.0, xiMax);

    w.nuInner = kInnerAmplitudeBase * (alphaI + yInner) / alphaI;
    w.xiInner = AtanDeg(yInner / (yInner + kSqrt2 * alphaI)) / kDegreesPerHour;

    for (double* v : {&w.delta, &w.k, &w.beta, &w.nu, &w.xi, &w.nuInner, &w.xiInner, &w.inertia})
        *v = ToFloatRange(*v);
    return w;
}

} // namespace calclib
