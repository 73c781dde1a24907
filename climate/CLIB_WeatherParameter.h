#pragma once
#include "climate/CSolarRadiation.h"
#include "climate/CTemperatureParameter.h"
#include "climate/CWeatherLocation.h"
#include "platform/core/CCurrent.h"

#include <memory>

class CDbQuery;

// The design weather of the open project (table WeatherParameter, its first row; tables
// TemperatureParameter and SolarRadiation), and what the calculation library derives from it: the
// monthly design days and maxima, sunrise and sunset, and the annual hourly series.
//
// One lives for the whole run, built after the project data module and bound to its
// WeatherParameter query; everything reads it through Current(). Opening a project reloads it.
// The arrays are allocated once and reused. User-interface thread only.
class CLIB_WeatherParameter : public CWeatherLocation, public CCurrent<CLIB_WeatherParameter>
{
public:
    static constexpr const char* SlotName = "CLIB_WeatherParameter";
    static constexpr int YearHours = 8760;
    static constexpr int HourlyColumns = 7;
    static constexpr int YearDays = 365;

    explicit CLIB_WeatherParameter(CDbQuery* dataSet = nullptr);
    ~CLIB_WeatherParameter();

    // The query through which the three tables are read and written; not owned.
    void SetDataSet(CDbQuery* dataSet) { m_dataSet = dataSet; }
    CDbQuery* DataSet() const { return m_dataSet; }

    // 0 新混凝土, 1 旧混凝土, 2 绿草地, 3 碎石, 4 沥青砾石屋顶, 5 沥青停车场.
    int GroundGrade = 0;
    CTemperatureParameter TemperatureParameter;
    CSolarRadiation SolarRadiation;

    // Whether SunriseTime/SunsetTime, and HourlyData with the daily arrays, are current (0 or 1).
    // Whoever changes a value they depend on clears the flag.
    int SunTimesComputed = 0;
    int HourlyDataLoaded = 0;

    // [hour of the year 24·day + hour][column]: 3 dry bulb ℃, 4 wet bulb ℃, 5 global horizontal
    // irradiance W/m², 6 its daily mean W/m²; 0..2 month, day and hour as the file gives them.
    const std::unique_ptr<float[][HourlyColumns]> HourlyData;
    // 365 values each: the daily maximum, mean and minimum dry bulb (℃) of HourlyData.
    const std::unique_ptr<float[]> DailyValues1;
    const std::unique_ptr<float[]> DailyMeanDryBulb;
    const std::unique_ptr<float[]> DailyValues3;
    // 365 values each: hour of sunrise and sunset, apparent solar time.
    const std::unique_ptr<float[]> SunriseTime;
    const std::unique_ptr<float[]> SunsetTime;

    // Reads the three tables and clears both flags. A project without a WeatherParameter row has
    // no weather: location, design values, soil, ground grade and hourly data become empty, so
    // nothing of the project loaded before remains.
    void Load();
    // Writes the first WeatherParameter row, or inserts it when the table has none. False when the
    // table could not be read (the user was told); raises Exception when the row is refused.
    bool Save();

    // The monthly design days (Temperature), the monthly solar maxima (Radiation, keeping each
    // month's Multiple) and the monthly extremes, from the design values, through the library.
    void CalcMonthlyDesignValues();
    // Sunrise and sunset of every day; nothing while SunTimesComputed is set.
    void CalcSunriseSunset();
    // HourlyData and the daily arrays from HourlyBlob; nothing while HourlyDataLoaded is set.
    // The library reads the bytes from a private temporary file, removed afterwards. Without
    // hourly data, with data that are not a whole year, or when the temporary file cannot be
    // written, the user is told, the arrays are zeros and the flag stays 0.
    void Load8760hData();

private:
    CDbQuery& Query() const;
    void ClearHourlyData();

    CDbQuery* m_dataSet = nullptr;
};
