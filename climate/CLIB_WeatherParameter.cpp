#include "climate/CLIB_WeatherParameter.h"

#include "calclib/dizedozev.h"
#include "climate/CHourlyWeatherFile.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

#include <QDir>
#include <QTemporaryFile>
#include <algorithm>

namespace {
const CSQLStatement kSelect(" select * from WeatherParameter ");
} // namespace

CLIB_WeatherParameter::CLIB_WeatherParameter(CDbQuery* dataSet)
    : HourlyData(std::make_unique<float[][HourlyColumns]>(YearHours)),
      DailyValues1(std::make_unique<float[]>(YearDays)),
      DailyMeanDryBulb(std::make_unique<float[]>(YearDays)),
      DailyValues3(std::make_unique<float[]>(YearDays)), SunriseTime(std::make_unique<float[]>(YearDays)),
      SunsetTime(std::make_unique<float[]>(YearDays)), m_dataSet(dataSet)
{
}

CLIB_WeatherParameter::~CLIB_WeatherParameter() = default;

CDbQuery& CLIB_WeatherParameter::Query() const
{
    if (!m_dataSet)
        throw Exception(QStringLiteral("工程气象参数没有数据集"));
    return *m_dataSet;
}

void CLIB_WeatherParameter::Load()
{
    CDbQuery& query = Query();
    if (CTool::OpenQuery(query, kSelect) > 0) {
        query.First();
        ReadLocation(query);
        GroundGrade = query.AsInt(QStringLiteral("GroundGrade"));
    } else {
        // The object outlives projects: a project without its row must not show the last one's
        // location, design values and hourly data as its own.
        ClearLocation();
        GroundGrade = 0;
    }
    TemperatureParameter.DataSet = &query;
    TemperatureParameter.Load();
    SolarRadiation.DataSet = &query;
    SolarRadiation.Load();
    SunTimesComputed = 0;
    HourlyDataLoaded = 0;
}

bool CLIB_WeatherParameter::Save()
{
    CDbQuery& query = Query();
    const int rows = CTool::OpenQuery(query, kSelect);
    if (rows < 0)
        return false;
    if (rows == 0) {
        query.Append();
    } else {
        query.First();
        query.Edit();
    }
    WriteLocation(query);
    query.SetFieldValue(QStringLiteral("GroundGrade"), GroundGrade);
    try {
        query.Post();
    } catch (const Exception&) {
        query.Cancel();
        throw;
    }
    return true;
}

void CLIB_WeatherParameter::CalcMonthlyDesignValues()
{
    try {
        GetDB12(static_cast<float>(SummerAirConditioningDesignDrybulbTemperature),
                static_cast<float>(SummerTemperatueRange),
                static_cast<float>(WinterAirConditioningDesignDrybulbTemperature),
                &TemperatureParameter.Temperature[0][0][0]);
        GetWB12(static_cast<float>(SummerBarometric), static_cast<float>(WinterBarometric),
                static_cast<float>(SummerAirConditioningDesignDrybulbTemperature),
                static_cast<float>(SummerAirConditioningDesignWetbulbTemperature),
                static_cast<float>(SummerTemperatueRange),
                static_cast<float>(WinterAirConditioningDesignDrybulbTemperature),
                static_cast<float>(WinterAirConditioningDesignRelativeHumidity),
                &TemperatureParameter.Temperature[1][0][0]);

        // The library gives horizontal, S, SW, W, NW, N, NE, E, SE; Radiation runs E to NE, then
        // horizontal, after the month's Multiple.
        float shg[12][9];
        GetMaxSHG12(static_cast<float>(Latitude), static_cast<float>(Longitude), static_cast<float>(TimeZone),
                    GroundGrade, &shg[0][0], static_cast<float>(AtmosphereClarity), 0, 2003);
        constexpr int kFrom[10] = {-1, 7, 8, 1, 2, 3, 4, 5, 6, 0};
        for (int m = 0; m < 12; ++m)
            for (int c = CSolarRadiation::East; c <= CSolarRadiation::Level; ++c)
                SolarRadiation.Radiation[m][c] = shg[m][kFrom[c]];

        TemperatureParameter.CalcMonthlyExtremes();
    } catch (const std::exception&) {
        CTool::Current().ShowMessageBox(QStringLiteral("计算错误"), QStringLiteral("计算时候发生错误！！！"),
                                        6, 1);
    }
}

void CLIB_WeatherParameter::CalcSunriseSunset()
{
    if (SunTimesComputed)
        return;
    SunriseSunset(static_cast<float>(Latitude), SunriseTime.get(), SunsetTime.get());
    SunTimesComputed = 1;
}

void CLIB_WeatherParameter::ClearHourlyData()
{
    std::fill_n(&HourlyData[0][0], YearHours * HourlyColumns, 0.0f);
    for (const std::unique_ptr<float[]>* daily : {&DailyValues1, &DailyMeanDryBulb, &DailyValues3})
        std::fill_n(daily->get(), YearDays, 0.0f);
}

void CLIB_WeatherParameter::Load8760hData()
{
    if (HourlyDataLoaded)
        return;
    ClearHourlyData();
    CTool& tool = CTool::Current();
    if (HourlyBlob.isEmpty()) {
        tool.ShowMessageBox(QStringLiteral("注意"), QStringLiteral("缺少全年气象参数"), 6, 0);
        return;
    }

    // The library reads a path: the bytes pass through a file of this program alone, made under a
    // name nobody can guess and removed when read, so neither another user nor a second running
    // program can read, replace or block it.
    const QString folder = QDir::tempPath();
    QTemporaryFile file(QDir(folder).filePath(QStringLiteral("WeatherFile-XXXXXX.qsw")));
    if (!file.open() || file.write(HourlyBlob) != HourlyBlob.size() || !file.flush()) {
        tool.ShowMessageBox(QStringLiteral("sorry"),
                            QStringLiteral("不能在临时文件夹%1中写入临时文件\n%2")
                                .arg(QDir::toNativeSeparators(folder), file.errorString()),
                            6, 2);
        return;
    }

    const QString problem = CHourlyWeatherFile::Read(file.fileName(), &HourlyData[0][0]);
    if (!problem.isEmpty()) {
        tool.ShowMessageBox(QStringLiteral("注意"),
                            QStringLiteral("全年气象参数%1有误：\n%2").arg(RIZARIR_WeatherName, problem), 6,
                            0);
        return;
    }
    GetAverageWD(&HourlyData[0][0], DailyValues1.get(), DailyMeanDryBulb.get(), DailyValues3.get());
    HourlyDataLoaded = 1;
}
