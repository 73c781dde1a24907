#include "climate/CWeatherLocation.h"

#include "platform/core/CDbQuery.h"

#include <algorithm>

namespace {
const QString kHourlyBlob = QStringLiteral("RIZARIR_WeatherData");
const QString kHourlyName = QStringLiteral("RIZARIR_WeatherName");

QString GroundColumn(int month)
{
    return QStringLiteral("GroundTemperature_%1").arg(month + 1);
}
} // namespace

const std::array<CWeatherLocation::SDesignValue, 29>& CWeatherLocation::DesignValues()
{
    using W = CWeatherLocation;
    static const std::array<SDesignValue, 29> values{{
        {"Latitude", &W::Latitude},
        {"Longitude", &W::Longitude},
        {"Altitude", &W::Altitude},
        {"WinterBarometric", &W::WinterBarometric},
        {"SummerBarometric", &W::SummerBarometric},
        {"WinterWindSpeed", &W::WinterWindSpeed},
        {"SummerWindSpeed", &W::SummerWindSpeed},
        {"WinterAirConditioningDesignDrybulbTemperature", &W::WinterAirConditioningDesignDrybulbTemperature},
        {"SummerAirConditioningDesignDrybulbTemperature", &W::SummerAirConditioningDesignDrybulbTemperature},
        {"WinterVentilationDesignDrybulbTemperature", &W::WinterVentilationDesignDrybulbTemperature},
        {"SummerVentilationDesignDrybulbTemperature", &W::SummerVentilationDesignDrybulbTemperature},
        {"WinterHeatingDesignDrybulbTemperature", &W::WinterHeatingDesignDrybulbTemperature},
        {"SummerAirConditioningDesignWetbulbTemperature", &W::SummerAirConditioningDesignWetbulbTemperature},
        {"WinterAirConditioningDesignRelativeHumidity", &W::WinterAirConditioningDesignRelativeHumidity},
        {"MaximumFrozenEarthDepth", &W::MaximumFrozenEarthDepth},
        {"YearlyAverageTemperature", &W::YearlyAverageTemperature},
        {"WinterLowestDesignDrybulbTemperature", &W::WinterLowestDesignDrybulbTemperature},
        {"SummerAirConditioningDailyAverageDesignDrybulbTemperature",
         &W::SummerAirConditioningDailyAverageDesignDrybulbTemperature},
        {"SummerTemperatueRange", &W::SummerTemperatueRange},
        {"HottestMonthAverageTemperature", &W::HottestMonthAverageTemperature},
        {"HottestMonthAverageRelativeHumidity", &W::HottestMonthAverageRelativeHumidity},
        {"HottestMonth14hAverageRelativeaHumidity", &W::HottestMonth14hAverageRelativeaHumidity},
        {"WinterMajorAverageWindSpeed", &W::WinterMajorAverageWindSpeed},
        {"WinterSunlight", &W::WinterSunlight},
        {"ExtremelyLowTemperature", &W::ExtremelyLowTemperature},
        {"ExtremelyHighTemperature", &W::ExtremelyHighTemperature},
        {"AverageExtremelyLowTemperature", &W::AverageExtremelyLowTemperature},
        {"AverageExtremelyHighTemperature", &W::AverageExtremelyHighTemperature},
        {"AtmosphereClarity", &W::AtmosphereClarity},
    }};
    return values;
}

void CWeatherLocation::ReadLocation(const CDbQuery& row)
{
    Country = row.AsString(QStringLiteral("Country"));
    Area = row.AsString(QStringLiteral("Area"));
    City = row.AsString(QStringLiteral("City"));
    for (const SDesignValue& value : DesignValues())
        this->*value.Member = row.AsDouble(QString::fromLatin1(value.Column));
    SoilHeatConductivity = row.AsDouble(QStringLiteral("SoilHeatConductivity"));
    TimeZone = row.AsDouble(QStringLiteral("TimeZone"));
    RIZARIR_WeatherName = row.AsString(kHourlyName);
    for (int m = 0; m < 12; ++m)
        GroundTemperature[m] = row.AsDouble(GroundColumn(m));
    HourlyBlob = row.FieldByName(kHourlyBlob).toByteArray();
}

void CWeatherLocation::WriteLocation(CDbQuery& row) const
{
    row.SetFieldValue(QStringLiteral("Country"), Country);
    row.SetFieldValue(QStringLiteral("Area"), Area);
    row.SetFieldValue(QStringLiteral("City"), City);
    for (const SDesignValue& value : DesignValues())
        row.SetFieldValue(QString::fromLatin1(value.Column), this->*value.Member);
    row.SetFieldValue(QStringLiteral("SoilHeatConductivity"), SoilHeatConductivity);
    row.SetFieldValue(QStringLiteral("TimeZone"), TimeZone);
    row.SetFieldValue(kHourlyName, RIZARIR_WeatherName);
    for (int m = 0; m < 12; ++m)
        row.SetFieldValue(GroundColumn(m), GroundTemperature[m]);
    // A non-null empty array: the column holds an empty blob rather than NULL, as a cleared blob does.
    row.SetFieldValue(kHourlyBlob, HourlyBlob.isNull() ? QByteArray("") : HourlyBlob);
}

void CWeatherLocation::ClearLocation()
{
    Country.clear();
    Area.clear();
    City.clear();
    for (const SDesignValue& value : DesignValues())
        this->*value.Member = 0;
    SoilHeatConductivity = 0;
    TimeZone = 0;
    std::fill(std::begin(GroundTemperature), std::end(GroundTemperature), 0.0);
    HourlyBlob.clear();
    RIZARIR_WeatherName.clear();
}
