#pragma once
// The sun on one surface over one day: beam, sky-diffuse and ground-reflected irradiance of every
// hour (W/m²) and the angular transmittance of glazing for the beam. Every room with a surface of
// that orientation shares it, so it is found again by all it depends on (see SharedValueTable.h).

namespace calclib {

struct SurfaceSunRequest
{
    double latitude = 0.0; // degrees
    bool located = false;  // false: apparent solar time = clock time
    double longitude = 0.0;
    double timeZone = 0.0;
    int dayOfYear = 1;
    int month = 1;
    // A measured day splits the global horizontal irradiance (hourly values and their daily mean,
    // null read as zeros); otherwise the clear sky at clarity and pressure.
    bool measured = false;
    const float* global = nullptr;
    const float* globalMean = nullptr;
    double clarity = 0.0;
    double pressure = 0.0;
    double azimuth = 0.0; // radians from north, clockwise
    double tilt = 0.0;    // radians, 0 horizontal
    double groundReflectance = 0.0;
};

struct SurfaceSunDay
{
    double beam[24];
    double diffuse[24];
    double reflected[24];
    // Beam transmittance of glazing relative to normal incidence, 1 − tan⁴(θ/2); 0 with the sun
    // behind the surface.
    double glazingModifier[24];
};

// The day of the request; scratch holds it when it is not shared.
const SurfaceSunDay& SurfaceSunOf(const SurfaceSunRequest& request, SurfaceSunDay& scratch);

} // namespace calclib
