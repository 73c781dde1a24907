#pragma once
#include <QByteArray>
#include <QString>
#include <array>

class CDbQuery;

// The values a weather location carries both in the weather library (table WeatherData) and in the
// project weather (table WeatherParameter): where it lies, its 29 design values, the soil, the time
// zone and the annual hourly weather data. Members are named after their columns; texts start empty,
// numbers at 0. The columns are listed once here and every load and save runs over that list.
class CWeatherLocation
{
public:
    QString Country;
    QString Area;
    QString City;

    double Latitude = 0;                                                  // °
    double Longitude = 0;                                                 // °
    double Altitude = 0;                                                  // m
    double WinterBarometric = 0;                                          // Pa
    double SummerBarometric = 0;                                          // Pa
    double WinterWindSpeed = 0;                                           // m/s
    double SummerWindSpeed = 0;                                           // m/s
    double WinterAirConditioningDesignDrybulbTemperature = 0;             // ℃
    double SummerAirConditioningDesignDrybulbTemperature = 0;             // ℃
    double WinterVentilationDesignDrybulbTemperature = 0;                 // ℃
    double SummerVentilationDesignDrybulbTemperature = 0;                 // ℃
    double WinterHeatingDesignDrybulbTemperature = 0;                     // ℃
    double SummerAirConditioningDesignWetbulbTemperature = 0;             // ℃
    double WinterAirConditioningDesignRelativeHumidity = 0;               // %
    double MaximumFrozenEarthDepth = 0;                                   // cm
    double YearlyAverageTemperature = 0;                                  // ℃
    double WinterLowestDesignDrybulbTemperature = 0;                      // ℃
    double SummerAirConditioningDailyAverageDesignDrybulbTemperature = 0; // ℃
    double SummerTemperatueRange = 0;                   // K, the daily range; spelled so in the table
    double HottestMonthAverageTemperature = 0;          // ℃
    double HottestMonthAverageRelativeHumidity = 0;     // %
    double HottestMonth14hAverageRelativeaHumidity = 0; // %, spelled so in the table
    double WinterMajorAverageWindSpeed = 0;             // m/s
    double WinterSunlight = 0;                          // %
    double ExtremelyLowTemperature = 0;                 // ℃
    double ExtremelyHighTemperature = 0;                // ℃
    double AverageExtremelyLowTemperature = 0;          // ℃
    double AverageExtremelyHighTemperature = 0;         // ℃
    double AtmosphereClarity = 0;                       // ratio

    double SoilHeatConductivity = 0;   // W/(m²·℃)
    double TimeZone = 0;               // h relative to Greenwich
    double GroundTemperature[12] = {}; // ℃, January to December (columns GroundTemperature_1..12)
    // The bytes of the annual hourly weather data, exactly as stored; empty when the location has none.
    QByteArray HourlyBlob;
    QString RIZARIR_WeatherName; // the file the hourly data came from

    struct SDesignValue
    {
        const char* Column;
        double CWeatherLocation::*Member;
    };
    // The 29 design values in table order, each stored in the column of its name.
    static const std::array<SDesignValue, 29>& DesignValues();

protected:
    CWeatherLocation() = default;
    ~CWeatherLocation() = default;

    // Reads every value above from the current row; NULL columns give empty texts and 0.
    void ReadLocation(const CDbQuery& row);
    // Writes every value above into the row the query edits or appends.
    void WriteLocation(CDbQuery& row) const;
    // Back to empty texts, zeros and no hourly data.
    void ClearLocation();
};
