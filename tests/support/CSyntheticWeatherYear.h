#pragma once
#include <QByteArray>

// A synthetic weather year around Beijing's climate, for the daily design types: daily mean
// 12 + 15·cos(2π(d − 198)/365) ℃ (−3 ℃ in mid January, 27 ℃ on day 198, 18 July), ±5 K over the
// day with its peak at 15:00, 3 K more all day long on day 198 (the hottest day of the year), 55 %
// relative humidity, and a sun that rises and sets with the season. Values are kept as the file
// holds them.
class CSyntheticWeatherYear
{
public:
    static constexpr int Days = 365;
    static constexpr int Hours = 24;
    static constexpr int HottestDay = 198;

    CSyntheticWeatherYear();

    float DryBulb[Days][Hours];
    float WetBulb[Days][Hours];
    float Global[Days][Hours];

    // The ".qsw" text: month, day, hour, dry bulb, wet bulb, global horizontal irradiance.
    QByteArray FileText() const;
};
