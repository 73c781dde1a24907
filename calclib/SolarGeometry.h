#pragma once
// Sun position (Spencer 1971 declination and equation of time, as in ASHRAE / Duffie–Beckman) and
// the incidence angle on a surface. Angles in radians unless named Deg; azimuths from north,
// clockwise (east 90°, south 180°). Days of year 1..365 (no 29 February). Hours are clock hours
// 0..23 evaluated at the full hour.

namespace calclib {

struct SunPosition
{
    double sinAltitude = 0.0; // <= 0: below the horizon
    double altitude = 0.0;
    double azimuth = 0.0; // 0..2π
};

inline double Radians(double deg)
{
    return deg * (3.14159265358979323846 / 180.0);
}
inline double Degrees(double rad)
{
    return rad * (180.0 / 3.14159265358979323846);
}

int DayOfYear(int month, int day); // 1..365, month 1..12 and day clamped into range
double Declination(int dayOfYear);
double EquationOfTimeMinutes(int dayOfYear);
// Apparent solar time in hours; without a location the clock time is taken as solar time.
// longitudeDeg east positive, timeZone hours east of UTC (Beijing 120, 8).
double ApparentSolarTime(double clockHour, int dayOfYear, bool hasLocation, double longitudeDeg,
                         double timeZone);
SunPosition SunAt(double latitudeDeg, int dayOfYear, double apparentSolarTime);
// The 24 clock hours of one day; repeated calls for the same place and day are served from a
// per-thread cache (one slot per day of the year), so a year-long pass over many elements does
// the trigonometry once per day.
void SunDay(double latitudeDeg, int dayOfYear, bool hasLocation, double longitudeDeg, double timeZone,
            SunPosition out[24]);
// cos θ of the beam on a surface of azimuth and tilt (radians; tilt 0 horizontal, π/2 vertical).
// Negative when the sun is behind the surface; callers take max(0, ·).
double CosIncidence(const SunPosition& sun, double surfaceAzimuth, double tilt);
// Surface azimuth in degrees 0..360 from the Direction code (1 南, 2 西南, 3 西, 4 西北, 5 北, 6 东北,
// 7 东, 8 东南) plus the angle within the octant: ψ = 45°·octant + angle. Horizontal (code 0) and
// unknown codes give 0; a non-finite angle counts as 0.
double SurfaceAzimuthDeg(int direction, double directionAngleDeg);
// 0 for Direction 0 (水平) and unknown codes, 90 for the eight orientations.
double SurfaceTiltDeg(int direction);

} // namespace calclib
