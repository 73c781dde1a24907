#pragma once
// Sun position (Spencer 1971 declination and equation of time, as in ASHRAE / Duffie–Beckman) and
// the incidence angle on a surface. Angles in radians unless named Deg; azimuths from north,
// clockwise. Hours are clock hours 0..23 evaluated at the full hour.

namespace calclib {

struct SunPosition {
    double sinAltitude = 0.0; // <= 0: below the horizon
    double altitude = 0.0;
    double azimuth = 0.0;
};

int DayOfYear(int month, int day); // 1..365, month 1..12 and day clamped into range
double Declination(int dayOfYear);
double EquationOfTimeMinutes(int dayOfYear);
// Apparent solar time in hours; without a location the clock time is taken as solar time.
double ApparentSolarTime(double clockHour, int dayOfYear, bool hasLocation, double longitudeDeg, double timeZone);
SunPosition SunAt(double latitudeDeg, int dayOfYear, double apparentSolarTime);
// The 24 clock hours of one day; repeated calls for the same place and day are served from a cache.
void SunDay(double latitudeDeg, int dayOfYear, bool hasLocation, double longitudeDeg, double timeZone,
            SunPosition out[24]);
double CosIncidence(const SunPosition& sun, double surfaceAzimuth, double tilt);
// Surface azimuth in degrees from the Direction code (1 南 … 8 东南) and the angle within the octant.
double SurfaceAzimuthDeg(int direction, double directionAngleDeg);

} // namespace calclib
