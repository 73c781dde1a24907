#include "tests/support/CSyntheticWeatherYear.h"

#include <QString>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

float Rounded(double value, double scale)
{
    return static_cast<float>(std::round(value * scale) / scale);
}

// Wet bulb from dry bulb and relative humidity at sea level (Stull 2011).
double WetBulbOf(double t, double rh)
{
    return t * std::atan(0.151977 * std::sqrt(rh + 8.313659)) + std::atan(t + rh) - std::atan(rh - 1.676331) +
           0.00391838 * std::pow(rh, 1.5) * std::atan(0.023101 * rh) - 4.686035;
}

} // namespace

CSyntheticWeatherYear::CSyntheticWeatherYear()
{
    for (int d = 0; d < Days; ++d) {
        const double season = std::cos(2 * kPi * (d - 172) / Days);
        const double dayLength = 12 + 3 * season;
        const double noonGlobal = 550 + 300 * season;
        const double mean = 12 + 15 * std::cos(2 * kPi * (d - HottestDay) / Days) + (d == HottestDay ? 3 : 0);
        for (int h = 0; h < Hours; ++h) {
            const double t = mean + 5 * std::cos(2 * kPi * (h - 15) / Hours);
            const double sunUp = (h - (12 - dayLength / 2)) / dayLength;
            DryBulb[d][h] = Rounded(t, 1000);
            WetBulb[d][h] = Rounded(WetBulbOf(t, 55), 1000);
            Global[d][h] = sunUp > 0 && sunUp < 1 ? Rounded(noonGlobal * std::sin(kPi * sunUp), 100) : 0.0f;
        }
    }
}

QByteArray CSyntheticWeatherYear::FileText() const
{
    static const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    QByteArray text;
    int d = 0;
    for (int m = 0; m < 12; ++m)
        for (int i = 0; i < lengths[m]; ++i, ++d)
            for (int h = 0; h < Hours; ++h)
                text += QStringLiteral("%1 %2 %3 %4 %5 %6\n")
                            .arg(m + 1)
                            .arg(i + 1)
                            .arg(h)
                            .arg(DryBulb[d][h], 0, 'f', 3)
                            .arg(WetBulb[d][h], 0, 'f', 3)
                            .arg(Global[d][h], 0, 'f', 2)
                            .toLatin1();
    return text;
}
