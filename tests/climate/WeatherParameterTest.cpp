#include "tests/climate/WeatherFixture.h"

#include "calclib/dizedozev.h"
#include "climate/CLIB_WeatherData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

namespace {
class WeatherParameterTest : public WeatherFixture
{
protected:
    // Puts the library row of the ID into the project's WeatherParameter row, as choosing a city does.
    void TakeLibraryCity(int id)
    {
        CDbQuery library(m_sysParam.ADOConnection2);
        OpenQueryGuarded(library, CSQLStatement("select * from WeatherData where ID = ?", {id}));
        ASSERT_EQ(library.RecordCount(), 1);
        CLIB_WeatherData city;
        city.DataSet = &library;
        city.Load();

        CDbQuery project(m_project.ProjectCon);
        OpenQueryGuarded(project, CSQLStatement("select * from WeatherParameter"));
        ASSERT_EQ(project.RecordCount(), 1);
        project.Edit();
        city.DataSet = &project;
        city.Save();
        project.Post();
    }
};

TEST_F(WeatherParameterTest, AShippedCityGivesItsDesignDayThroughTheLibrary)
{
    TakeLibraryCity(68);
    m_weather.Load();
    EXPECT_EQ(m_weather.City, QStringLiteral("上海徐家汇"));
    EXPECT_DOUBLE_EQ(m_weather.SummerAirConditioningDesignDrybulbTemperature, 34.4);
    EXPECT_DOUBLE_EQ(m_weather.WinterBarometric, 102540);
    EXPECT_DOUBLE_EQ(m_weather.TimeZone, 8);

    m_weather.SolarRadiation.Radiation[6][CSolarRadiation::Multiple] = 0.85f;
    m_weather.CalcMonthlyDesignValues();
    const CTemperatureParameter& t = m_weather.TemperatureParameter;
    // July at 14:00 is the summer design day's peak: the city's summer design dry bulb (GB 50736).
    EXPECT_FLOAT_EQ(t.Temperature[0][6][14], 34.4f);
    EXPECT_FLOAT_EQ(t.MonthlyMax[0][6], 34.4f);
    // At that hour the air holds the design wet bulb's moisture: the wet bulb comes back.
    EXPECT_NEAR(t.Temperature[1][6][14], 27.9, 0.05);
    for (int m = 0; m < 12; ++m)
        for (int h = 0; h < 24; ++h)
            EXPECT_LE(t.Temperature[1][m][h], t.Temperature[0][m][h] + 1e-3) << m << " " << h;

    // The library's order (horizontal, S, SW, W, NW, N, NE, E, SE) lands under the form's columns;
    // the coefficient stays.
    float shg[12][9];
    GetMaxSHG12(31.1667f, 121.4333f, 8, m_weather.GroundGrade, &shg[0][0], 0, 0, 2003);
    const float* july = m_weather.SolarRadiation.Radiation[6];
    EXPECT_FLOAT_EQ(july[CSolarRadiation::Multiple], 0.85f);
    EXPECT_FLOAT_EQ(july[CSolarRadiation::Level], shg[6][0]);
    EXPECT_FLOAT_EQ(july[CSolarRadiation::South], shg[6][1]);
    EXPECT_FLOAT_EQ(july[CSolarRadiation::West], shg[6][3]);
    EXPECT_FLOAT_EQ(july[CSolarRadiation::North], shg[6][5]);
    EXPECT_FLOAT_EQ(july[CSolarRadiation::East], shg[6][7]);
    EXPECT_FLOAT_EQ(july[CSolarRadiation::SouthEast], shg[6][8]);
    // At 31° N the December sun stands in the south.
    const float* december = m_weather.SolarRadiation.Radiation[11];
    EXPECT_GT(december[CSolarRadiation::South], 2 * december[CSolarRadiation::North]);

    // The two buttons of the form undo each other: profiles from the extremes keep the extremes.
    m_weather.TemperatureParameter.MonthlyMin[0][6] = 26.0f;
    m_weather.TemperatureParameter.RebuildDailyProfiles();
    EXPECT_FLOAT_EQ(*std::max_element(t.Temperature[0][6], t.Temperature[0][6] + 24), 34.4f);
    EXPECT_FLOAT_EQ(*std::min_element(t.Temperature[0][6], t.Temperature[0][6] + 24), 26.0f);
    m_weather.TemperatureParameter.CalcMonthlyExtremes();
    EXPECT_FLOAT_EQ(t.MonthlyMax[0][6], 34.4f);
    EXPECT_FLOAT_EQ(t.MonthlyMin[0][6], 26.0f);

    // At 31.17° N the longest day lasts about 14.0 h (cos H = -tan φ tan 23.44°); computed once.
    m_weather.CalcSunriseSunset();
    EXPECT_NEAR(m_weather.SunsetTime[171] - m_weather.SunriseTime[171], 14.03, 0.1);
    m_weather.Latitude = 0;
    m_weather.CalcSunriseSunset();
    EXPECT_NEAR(m_weather.SunsetTime[171] - m_weather.SunriseTime[171], 14.03, 0.1);

    // What was derived is stored and read back unchanged.
    m_weather.TemperatureParameter.Save();
    m_weather.SolarRadiation.Save();
    const CTemperatureParameter before = m_weather.TemperatureParameter;
    const CSolarRadiation solarBefore = m_weather.SolarRadiation;
    m_weather.Load();
    EXPECT_EQ(0, std::memcmp(before.Temperature, t.Temperature, sizeof t.Temperature));
    EXPECT_EQ(0, std::memcmp(solarBefore.Radiation, m_weather.SolarRadiation.Radiation,
                             sizeof solarBefore.Radiation));
}

TEST_F(WeatherParameterTest, SaveWritesEveryValueAndLoadReadsItBack)
{
    m_weather.Load();
    m_weather.Country = QStringLiteral("中国");
    m_weather.Area = QStringLiteral("云南");
    m_weather.City = QStringLiteral("昆明'");
    m_weather.AtmosphereClarity = 0.1234567890123;
    m_weather.HottestMonth14hAverageRelativeaHumidity = 57.5;
    m_weather.GroundGrade = 4;
    m_weather.SoilHeatConductivity = 1.75;
    m_weather.TimeZone = 7.5;
    m_weather.GroundTemperature[11] = -3.25;
    m_weather.HourlyBlob = QByteArray("1 1 0 2.5 1.5 0\n", 16);
    m_weather.RIZARIR_WeatherName = QStringLiteral("km.qsw");
    ASSERT_TRUE(m_weather.Save());
    EXPECT_EQ(ProjectCount(QStringLiteral("WeatherParameter")), 1);

    CLIB_WeatherParameter other(&m_project.WeatherParameter);
    other.Load();
    EXPECT_EQ(other.City, QStringLiteral("昆明'"));
    EXPECT_EQ(other.Area, QStringLiteral("云南"));
    EXPECT_DOUBLE_EQ(other.AtmosphereClarity, 0.1234567890123);
    EXPECT_DOUBLE_EQ(other.HottestMonth14hAverageRelativeaHumidity, 57.5);
    EXPECT_DOUBLE_EQ(other.Latitude, 39.8); // the blank project's 北京, untouched
    EXPECT_EQ(other.GroundGrade, 4);
    EXPECT_DOUBLE_EQ(other.SoilHeatConductivity, 1.75);
    EXPECT_DOUBLE_EQ(other.TimeZone, 7.5);
    EXPECT_DOUBLE_EQ(other.GroundTemperature[11], -3.25);
    EXPECT_EQ(other.HourlyBlob, m_weather.HourlyBlob);
    EXPECT_EQ(other.RIZARIR_WeatherName, QStringLiteral("km.qsw"));
}

TEST_F(WeatherParameterTest, MonthBasesAndStrayRowsOfTheTables)
{
    ExecProject({
        "delete from TemperatureParameter",
        "delete from SolarRadiation",
        "insert into TemperatureParameter (Month, DrybulbOrWetbulb, Temperature_0, Temperature_23) values "
        "(0, 1, 5, 9)",
        "insert into TemperatureParameter (Month, DrybulbOrWetbulb, Temperature_0, Temperature_23) values "
        "(0, 1, 6, -2)",
        "insert into TemperatureParameter (Month, DrybulbOrWetbulb, Temperature_0) values (11, 0, 30)",
        "insert into TemperatureParameter (Month, DrybulbOrWetbulb, Temperature_0) values (12, 0, 99)",
        "insert into TemperatureParameter (Month, DrybulbOrWetbulb, Temperature_0) values (-1, 0, 99)",
        "insert into TemperatureParameter (Month, DrybulbOrWetbulb, Temperature_0) values (3, 2, 99)",
        "insert into SolarRadiation (Month, Multiple, Radiation_East, Radiation_Level) values (1, 0.9, 100, "
        "500)",
        "insert into SolarRadiation (Month, Multiple) values (12, 0.7)",
        "insert into SolarRadiation (Month, Multiple) values (0, 99)",
        "insert into SolarRadiation (Month, Multiple) values (13, 99)",
    });
    m_weather.Load();
    const CTemperatureParameter& t = m_weather.TemperatureParameter;
    // A later row of the same month and kind wins.
    EXPECT_FLOAT_EQ(t.Temperature[1][0][0], 6);
    EXPECT_FLOAT_EQ(t.Temperature[1][0][23], -2);
    EXPECT_FLOAT_EQ(t.MonthlyMax[1][0], 6);
    EXPECT_FLOAT_EQ(t.MonthlyMin[1][0], -2);
    EXPECT_FLOAT_EQ(t.Temperature[0][11][0], 30);
    EXPECT_FLOAT_EQ(t.MonthlyMax[0][11], 30);
    EXPECT_FLOAT_EQ(t.MonthlyMin[0][11], 0);
    for (int kind = 0; kind < 2; ++kind)
        for (int m = 0; m < 12; ++m)
            for (int h = 0; h < 24; ++h)
                if (t.Temperature[kind][m][h] == 99)
                    ADD_FAILURE() << "stray row read into " << kind << " " << m << " " << h;
    const CSolarRadiation& s = m_weather.SolarRadiation;
    EXPECT_FLOAT_EQ(s.Radiation[0][CSolarRadiation::Multiple], 0.9f);
    EXPECT_FLOAT_EQ(s.Radiation[0][CSolarRadiation::East], 100);
    EXPECT_FLOAT_EQ(s.Radiation[0][CSolarRadiation::Level], 500);
    EXPECT_FLOAT_EQ(s.Radiation[11][CSolarRadiation::Multiple], 0.7f);
    for (int m = 1; m < 11; ++m)
        for (float value : s.Radiation[m])
            EXPECT_EQ(value, 0) << m;

    ExecProject({"delete from TemperatureParameter", "delete from SolarRadiation"});
    m_weather.Load();
    for (int kind = 0; kind < 2; ++kind)
        for (int m = 0; m < 12; ++m) {
            EXPECT_EQ(t.MonthlyMax[kind][m], 0);
            for (float value : t.Temperature[kind][m])
                EXPECT_EQ(value, 0);
        }
    for (const auto& month : s.Radiation)
        for (float value : month)
            EXPECT_EQ(value, 0);
}

TEST_F(WeatherParameterTest, BlockSavesReplaceTheTablesAllOrNothing)
{
    m_weather.Load();
    ExecProject({"insert into TemperatureParameter (Month, DrybulbOrWetbulb) select Month, DrybulbOrWetbulb "
                 "from TemperatureParameter",
                 "insert into SolarRadiation (Month) values (3)"});
    m_weather.TemperatureParameter.Temperature[1][6][14] = 26.5f;
    m_weather.SolarRadiation.Radiation[2][CSolarRadiation::North] = 111.25f;
    m_weather.TemperatureParameter.Save();
    m_weather.SolarRadiation.Save();
    EXPECT_EQ(ProjectCount(QStringLiteral("TemperatureParameter")), 24);
    EXPECT_EQ(ProjectCount(QStringLiteral("SolarRadiation")), 12);
    EXPECT_EQ(ProjectColumn("select DrybulbOrWetbulb from TemperatureParameter order by rowid").mid(0, 12),
              QStringList(12, QStringLiteral("0")));
    EXPECT_EQ(ProjectColumn(
                  "select Temperature_14 from TemperatureParameter where Month = 6 and DrybulbOrWetbulb = 1"),
              QStringList{QStringLiteral("26.5")});
    EXPECT_EQ(ProjectColumn("select Radiation_North from SolarRadiation where Month = 3"),
              QStringList{QStringLiteral("111.25")});

    // A row the database refuses half-way leaves the table as it was.
    ExecProject({"create trigger refuse_may before insert on TemperatureParameter when new.Month = 4 "
                 "begin select raise(abort, 'refused'); end"});
    const QString january =
        "select Temperature_0 from TemperatureParameter where Month = 0 and DrybulbOrWetbulb = 0";
    const QStringList before = ProjectColumn(january);
    m_weather.TemperatureParameter.Temperature[0][0][0] = -40;
    EXPECT_THROW(m_weather.TemperatureParameter.Save(), Exception);
    EXPECT_EQ(ProjectCount(QStringLiteral("TemperatureParameter")), 24);
    EXPECT_EQ(ProjectColumn(january), before);
}
} // namespace
