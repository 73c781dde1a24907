// Weather and climate functions: design days (GB 50736-2012 §4.1), their annual course, pressures,
// the winter/summer choice of the indoor state, clear-sky maxima, sunrise/sunset and the daily
// values of an hourly year.

#include "calclib/CalcTables.h"
#include "calclib/DesignContext.h"
#include "calclib/DesignDay.h"
#include "calclib/InputGuard.h"
#include "calclib/Psychrometrics.h"
#include "calclib/SolarGeometry.h"
#include "calclib/SolarIrradiance.h"
#include "calclib/dizedozev.h"

#include <algorithm>
#include <cmath>

namespace calclib {
namespace {

using namespace tables;

constexpr double kPi = 3.14159265358979323846;
constexpr int kWeatherColumns = 7;

// Weight of the summer design value in month m (0 = January … 11): 0 in January, 1 in July.
double MonthWeight(int m)
{
    return (1.0 - std::cos(kPi * m / 6.0)) / 2.0;
}

// Exact at both ends (w = 0 gives a, w = 1 gives b), so January and July reproduce the design values.
double Blend(double a, double b, double w)
{
    return (1.0 - w) * a + w * b;
}

double AirTemp(double t)
{
    return std::clamp(Finite(t), kAirTempMin, kAirTempMax);
}

double Diurnal(double swing, int h, double range)
{
    return swing * kDesignDayBeta[h] * range;
}

// Twelve design days between the winter day (winterMean + swing·β·Δt) and the GB 50736 summer
// design day (peak twg at 14:00). Written around twg rather than the daily mean so that July 14:00
// is twg exactly.
void MonthlyDesignDays(double twg, double range, double winterMean, double swing, double out[12][24])
{
    for (int m = 0; m < 12; ++m) {
        const double w = MonthWeight(m);
        for (int h = 0; h < 24; ++h) {
            const double winter = winterMean + Diurnal(swing, h, range);
            const double summer = twg + (swing * kDesignDayBeta[h] - kDesignDayBetaMax) * range;
            out[m][h] = Blend(winter, summer, w);
        }
    }
}

void StoreMonthly(float* out12x24, const double values[12][24])
{
    if (!out12x24)
        return;
    for (int m = 0; m < 12; ++m)
        Store(out12x24 + 24 * m, 24, values[m]);
}

// The winter/summer choice shared by GetIsUsingepsilon and GetIndoortRH. A day counts as winter when
// its 24-hour mean outdoor enthalpy is below that of the winter indoor state: outdoor air then has
// to be heated or humidified to reach the winter room. GetIsUsingepsilon knows nothing of the
// summer indoor state, so a rule comparing the day with both indoor states could not be evaluated
// by both functions; this one can, and both always agree.
bool IsWinterDay(float p, float twi, float rhWinter, const float* db24, const float* wb24)
{
    const double pa = psy::PressurePa(p);
    double outdoor = 0.0;
    for (int h = 0; h < 24; ++h) {
        const double t = AirTemp(ValueAt(db24, h));
        const double wb = AirTemp(ValueAt(wb24, h, t)); // a missing wet bulb counts as saturated air
        outdoor += psy::Enthalpy(t, psy::HumidityRatioFromWetBulb(t, wb, pa)) / 24.0;
    }
    const double ti = AirTemp(twi);
    const double indoor =
        psy::Enthalpy(ti, psy::HumidityRatioFromRh(ti, psy::RhPercent(rhWinter) / 100.0, pa));
    return outdoor < indoor;
}

} // namespace
} // namespace calclib

using namespace calclib;
using namespace calclib::tables;

void GetMax(const float* values24, float* maxValue, float* minValue)
{
    double hi = ValueAt(values24, 0), lo = hi;
    for (int h = 1; h < 24; ++h) {
        hi = std::max(hi, ValueAt(values24, h));
        lo = std::min(lo, ValueAt(values24, h));
    }
    StoreScalar(maxValue, hi);
    StoreScalar(minValue, lo);
}

void GetDB(float maxValue, float minValue, float* out24)
{
    double profile[24];
    ProfileFromExtremes(Finite(maxValue), Finite(minValue), profile);
    Store(out24, 24, profile);
}

void GetDB12(float twg, float rangeSummer, float twk, float* out12x24)
{
    double days[12][24];
    MonthlyDesignDays(Finite(twg), NonNegative(rangeSummer), Finite(twk), 1.0, days);
    StoreMonthly(out12x24, days);
}

void GetWB12(float pSummer, float pWinter, float twg, float tws, float rangeSummer, float twk, float rhWinter,
             float* out12x24)
{
    const double ps = psy::PressurePa(pSummer);
    const double pw = psy::PressurePa(pWinter);
    const double tSummer = AirTemp(twg);
    const double tWinter = AirTemp(twk);
    const double wSummer = psy::HumidityRatioFromWetBulb(tSummer, AirTemp(tws), ps);
    const double wWinter = psy::HumidityRatioFromRh(tWinter, psy::RhPercent(rhWinter) / 100.0, pw);

    double db[12][24];
    MonthlyDesignDays(Finite(twg), NonNegative(rangeSummer), Finite(twk), 1.0, db);
    double wb[12][24];
    for (int m = 0; m < 12; ++m) {
        const double w = MonthWeight(m);
        const double p = Blend(pw, ps, w);
        const double ratio = Blend(wWinter, wSummer, w);
        for (int h = 0; h < 24; ++h) {
            const double t = AirTemp(db[m][h]);
            wb[m][h] = psy::WetBulb(t, std::min(ratio, psy::SaturationHumidityRatio(t, p)), p);
        }
    }
    StoreMonthly(out12x24, wb);
}

void GetDB12_Heating(float twg, float rangeSummer, float twn, float* out12x24)
{
    double days[12][24];
    MonthlyDesignDays(Finite(twg), NonNegative(rangeSummer), Finite(twn), CurrentDesignContext().heatingSwing,
                      days);
    StoreMonthly(out12x24, days);
}

void GetTWN(float rangeSummer, float twn, float* out24)
{
    const double swing = CurrentDesignContext().heatingSwing;
    const double range = NonNegative(rangeSummer);
    double profile[24];
    for (int h = 0; h < 24; ++h)
        profile[h] = Finite(twn) + Diurnal(swing, h, range);
    Store(out24, 24, profile);
}

void GetpMonthly(float pSummer, float pWinter, float* out12)
{
    const double ps = psy::PressurePa(pSummer);
    const double pw = psy::PressurePa(pWinter);
    double p[12];
    for (int m = 0; m < 12; ++m)
        p[m] = Blend(pw, ps, MonthWeight(m));
    Store(out12, 12, p);
}

void GetpDaily(float pSummer, float pWinter, float* out365)
{
    const double ps = psy::PressurePa(pSummer);
    const double pw = psy::PressurePa(pWinter);
    double p[kDaysInYear];
    for (int d = 1; d <= kDaysInYear; ++d)
        p[d - 1] =
            (ps + pw) / 2.0 + (pw - ps) / 2.0 * std::cos(2.0 * kPi * (d - kColdestDayOfYear) / kDaysInYear);
    Store(out365, kDaysInYear, p);
}

uint8_t GetIsUsingepsilon(float p, float twi, float rhWinter, const float* db24, const float* wb24)
{
    return IsWinterDay(p, twi, rhWinter, db24, wb24) ? 1 : 0;
}

void GetIndoortRH(float p, float twi, float rhWinter, float tsi, float rhSummer, const float* db24,
                  const float* wb24, float* t, float* rh)
{
    // The daily pass compares these temperatures with float equality: hand the inputs back unchanged.
    const bool winter = IsWinterDay(p, twi, rhWinter, db24, wb24);
    StoreScalar(t, Finite(winter ? twi : tsi));
    StoreScalar(rh, Finite(winter ? rhWinter : rhSummer));
}

void GetMaxSHG12(float latitude, float longitude, float timeZone, int32_t groundGrade, float* out12x9,
                 float clarity, int32_t mode, int32_t year)
{
    // No pressure reaches this call: the air mass uses the pressures of the design context (the
    // standard atmosphere until the calculation sets one), blended over the year like GetpMonthly.
    const DesignContext& context = CurrentDesignContext();
    const bool located = std::isfinite(longitude) && std::isfinite(timeZone);
    const double reflectance = GroundReflectance(groundGrade);
    const double p = Finite(clarity);
    double result[12][9];
    for (int m = 0; m < 12; ++m) {
        const int n = DayOfYear(m + 1, kDesignDayOfMonth);
        const double pressure = Blend(context.winterPressure, context.summerPressure, MonthWeight(m));
        SunPosition sun[24];
        SunDay(latitude, n, located, longitude, timeZone, sun);
        // Column k is Direction code k: 0 horizontal, 1 S, 2 SW, 3 W, 4 NW, 5 N, 6 NE, 7 E, 8 SE.
        for (int k = 0; k < 9; ++k)
            result[m][k] = 0.0;
        for (int h = 0; h < 24; ++h) {
            if (!(sun[h].sinAltitude > 0.0))
                continue;
            const SkyIrradiance sky = ClearSky(sun[h], n, m + 1, p, pressure);
            for (int k = 0; k < 9; ++k) {
                const SurfaceIrradiance s = OnSurface(sky, sun[h], Radians(SurfaceAzimuthDeg(k, 0.0)),
                                                      Radians(SurfaceTiltDeg(k)), reflectance);
                result[m][k] = std::max(result[m][k], s.Total());
            }
        }
    }
    if (out12x9)
        for (int m = 0; m < 12; ++m)
            Store(out12x9 + 9 * m, 9, result[m]);
}

void SunriseSunset(float latitude, float* sunrise365, float* sunset365)
{
    const double tanLat = std::tan(Radians(std::clamp(Finite(latitude), -90.0, 90.0)));
    double rise[kDaysInYear], set[kDaysInYear];
    for (int d = 0; d < kDaysInYear; ++d) {
        const double x = std::clamp(-tanLat * std::tan(Declination(d + 1)), -1.0, 1.0);
        const double halfDay = Degrees(std::acos(x)) / kEarthRotationDegPerHour;
        rise[d] = kSolarNoon - halfDay;
        set[d] = kSolarNoon + halfDay;
    }
    Store(sunrise365, kDaysInYear, rise);
    Store(sunset365, kDaysInYear, set);
}

void GetAverageWD(const float* data8760x7, float* max365, float* mean365, float* min365)
{
    double hi[kDaysInYear] = {}, mean[kDaysInYear] = {}, lo[kDaysInYear] = {};
    if (data8760x7) {
        for (int d = 0; d < kDaysInYear; ++d) {
            const float* day = data8760x7 + kWeatherColumns * 24 * d;
            double sum = 0.0;
            hi[d] = lo[d] = Finite(day[3]);
            for (int h = 0; h < 24; ++h) {
                const double t = Finite(day[kWeatherColumns * h + 3]);
                hi[d] = std::max(hi[d], t);
                lo[d] = std::min(lo[d], t);
                sum += t;
            }
            mean[d] = sum / 24.0;
        }
    }
    Store(max365, kDaysInYear, hi);
    Store(mean365, kDaysInYear, mean);
    Store(min365, kDaysInYear, lo);
}

void GetTimefromTable(const float* factors24, int32_t* beginHour, int32_t* endHour)
{
    int first = -1, last = -1;
    for (int h = 0; h < 24; ++h) {
        if (ValueAt(factors24, h) > kScheduleInUse) {
            if (first < 0)
                first = h;
            last = h;
        }
    }
    StoreScalar(beginHour, first < 0 ? 0 : first);
    StoreScalar(endHour, first < 0 ? 0 : last + 1);
}
