#include "calclib/SolarGeometry.h"

#include "calclib/CalcTables.h"
#include "calclib/InputGuard.h"

#include <algorithm>
#include <cmath>

namespace calclib {

using namespace tables;

namespace {

constexpr double kTwoPi = 2.0 * 3.14159265358979323846;

int ClampDay(int dayOfYear)
{
    return std::clamp(dayOfYear, 1, kDaysInYear);
}

double DayAngle(int dayOfYear)
{
    return kTwoPi * (ClampDay(dayOfYear) - 1) / kDaysInYear;
}

double ClampLatitude(double latitudeDeg)
{
    return std::clamp(Finite(latitudeDeg), -90.0, 90.0);
}

// Sun position from the sines and cosines of latitude and declination, shared by SunAt and the day
// cache.
SunPosition Position(double sinLat, double cosLat, double sinDecl, double cosDecl, double hourAngle)
{
    const double sinH = std::sin(hourAngle);
    const double cosH = std::cos(hourAngle);
    SunPosition sun;
    sun.sinAltitude = std::clamp(cosLat * cosDecl * cosH + sinLat * sinDecl, -1.0, 1.0);
    sun.altitude = std::asin(sun.sinAltitude);
    // cos β·sin A and cos β·cos A; atan2 stays defined at the poles where cos L = 0.
    double azimuth = std::atan2(-cosDecl * sinH, sinDecl * cosLat - cosDecl * sinLat * cosH);
    if (azimuth < 0.0)
        azimuth += kTwoPi;
    sun.azimuth = azimuth;
    return sun;
}

struct DayCacheSlot
{
    bool valid;
    double latitude;
    bool hasLocation;
    double longitude;
    double timeZone;
    SunPosition hours[24];
};

// One slot per day of the year: both loop orders of the daily pass (days inside elements or
// elements inside days) then hit the cache after the first element. Zero-initialised, no heap.
thread_local DayCacheSlot t_dayCache[kDaysInYear];

} // namespace

int DayOfYear(int month, int day)
{
    const int m = std::clamp(month, 1, 12);
    int n = std::clamp(day, 1, kDaysInMonth[m - 1]);
    for (int i = 0; i < m - 1; ++i)
        n += kDaysInMonth[i];
    return n;
}

double Declination(int dayOfYear)
{
    const double g = DayAngle(dayOfYear);
    const double* a = kSpencerDeclination;
    return a[0] + a[1] * std::cos(g) + a[2] * std::sin(g) + a[3] * std::cos(2 * g) + a[4] * std::sin(2 * g) +
           a[5] * std::cos(3 * g) + a[6] * std::sin(3 * g);
}

double EquationOfTimeMinutes(int dayOfYear)
{
    const double g = DayAngle(dayOfYear);
    const double* a = kSpencerEot;
    return kSpencerEotScale *
           (a[0] + a[1] * std::cos(g) + a[2] * std::sin(g) + a[3] * std::cos(2 * g) + a[4] * std::sin(2 * g));
}

double ApparentSolarTime(double clockHour, int dayOfYear, bool hasLocation, double longitudeDeg,
                         double timeZone)
{
    const double clock = Finite(clockHour);
    if (!hasLocation || !std::isfinite(longitudeDeg) || !std::isfinite(timeZone))
        return clock;
    return clock + EquationOfTimeMinutes(dayOfYear) / 60.0 +
           (longitudeDeg - kEarthRotationDegPerHour * timeZone) / kEarthRotationDegPerHour;
}

SunPosition SunAt(double latitudeDeg, int dayOfYear, double apparentSolarTime)
{
    const double lat = Radians(ClampLatitude(latitudeDeg));
    const double decl = Declination(dayOfYear);
    const double hourAngle = Radians(kEarthRotationDegPerHour * (Finite(apparentSolarTime) - kSolarNoon));
    return Position(std::sin(lat), std::cos(lat), std::sin(decl), std::cos(decl), hourAngle);
}

void SunDay(double latitudeDeg, int dayOfYear, bool hasLocation, double longitudeDeg, double timeZone,
            SunPosition out[24])
{
    const int n = ClampDay(dayOfYear);
    const double latitude = ClampLatitude(latitudeDeg);
    const bool located = hasLocation && std::isfinite(longitudeDeg) && std::isfinite(timeZone);
    const double longitude = located ? longitudeDeg : 0.0;
    const double zone = located ? timeZone : 0.0;

    DayCacheSlot& slot = t_dayCache[n - 1];
    if (!(slot.valid && slot.latitude == latitude && slot.hasLocation == located &&
          slot.longitude == longitude && slot.timeZone == zone)) {
        const double lat = Radians(latitude);
        const double decl = Declination(n);
        const double sinLat = std::sin(lat), cosLat = std::cos(lat);
        const double sinDecl = std::sin(decl), cosDecl = std::cos(decl);
        const double offset = ApparentSolarTime(0.0, n, located, longitude, zone);
        for (int h = 0; h < 24; ++h) {
            const double hourAngle = Radians(kEarthRotationDegPerHour * (h + offset - kSolarNoon));
            slot.hours[h] = Position(sinLat, cosLat, sinDecl, cosDecl, hourAngle);
        }
        slot.latitude = latitude;
        slot.hasLocation = located;
        slot.longitude = longitude;
        slot.timeZone = zone;
        slot.valid = true;
    }
    std::copy(slot.hours, slot.hours + 24, out);
}

double CosIncidence(const SunPosition& sun, double surfaceAzimuth, double tilt)
{
    const double cosAlt = std::cos(sun.altitude);
    return cosAlt * std::cos(sun.azimuth - surfaceAzimuth) * std::sin(tilt) +
           sun.sinAltitude * std::cos(tilt);
}

double SurfaceAzimuthDeg(int direction, double directionAngleDeg)
{
    // Octant counted clockwise from north for Direction codes 1..8.
    static constexpr int kOctant[9] = {0, 4, 5, 6, 7, 0, 1, 2, 3};
    if (direction < 1 || direction > 8)
        return 0.0;
    double psi = 45.0 * kOctant[direction] + Finite(directionAngleDeg);
    psi = std::fmod(psi, 360.0);
    if (psi < 0.0)
        psi += 360.0;
    return psi;
}

double SurfaceTiltDeg(int direction)
{
    return direction >= 1 && direction <= 8 ? 90.0 : 0.0;
}

} // namespace calclib
