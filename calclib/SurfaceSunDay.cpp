#include "calclib/SurfaceSunDay.h"

#include "calclib/SharedValueTable.h"
#include "calclib/SolarIrradiance.h"

#include <algorithm>

namespace calclib {

namespace {

double GlazingModifier(double cosIncidence)
{
    if (!(cosIncidence > 0.0))
        return 0.0;
    const double c = std::min(1.0, cosIncidence);
    const double r = (1.0 - c) / (1.0 + c);
    return 1.0 - r * r;
}

void ComputeSurfaceSun(const SurfaceSunRequest& r, SurfaceSunDay& day)
{
    SunPosition sun[24];
    SunDay(r.latitude, r.dayOfYear, r.located, r.longitude, r.timeZone, sun);
    double measured[24] = {};
    if (r.measured)
        MeasuredGlobalDay(sun, r.global, r.globalMean, measured);
    for (int h = 0; h < 24; ++h) {
        const SkyIrradiance sky = r.measured ? FromMeasuredGlobal(sun[h], r.dayOfYear, measured[h])
                                             : ClearSky(sun[h], r.dayOfYear, r.month, r.clarity, r.pressure);
        const SurfaceIrradiance on = OnSurface(sky, sun[h], r.azimuth, r.tilt, r.groundReflectance);
        day.beam[h] = on.beam;
        day.diffuse[h] = on.diffuse;
        day.reflected[h] = on.reflected;
        day.glazingModifier[h] = GlazingModifier(CosIncidence(sun[h], r.azimuth, r.tilt));
    }
}

using SurfaceSunKey = SharedKey<36>;
thread_local SharedValueTable<SurfaceSunKey, SurfaceSunDay, 8192> t_surfaceDays;

} // namespace

const SurfaceSunDay& SurfaceSunOf(const SurfaceSunRequest& r, SurfaceSunDay& scratch)
{
    SurfaceSunKey key;
    key.Add(r.latitude);
    key.Add(r.located ? 1 : 0);
    key.Add(r.longitude);
    key.Add(r.timeZone);
    key.Add(r.dayOfYear);
    key.Add(r.month);
    key.Add(r.azimuth);
    key.Add(r.tilt);
    key.Add(r.groundReflectance);
    key.Add(r.measured ? 1 : 0);
    // What the other kind of day does not read stays zero in the key.
    key.Add(r.measured ? 0.0 : r.clarity);
    key.Add(r.measured ? 0.0 : r.pressure);
    key.Add(r.measured ? r.global : nullptr, 24);
    key.Add(r.measured ? r.globalMean : nullptr, 24);
    return SharedValue(t_surfaceDays, key, scratch, [&](SurfaceSunDay& day) { ComputeSurfaceSun(r, day); });
}

} // namespace calclib
