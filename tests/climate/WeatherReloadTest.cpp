#include "tests/climate/WeatherFixture.h"

#include "model/CElementManage.h"
#include "model/CMaterialParamNameList.h"
#include "model/CTreeView2DB.h"
#include "model/TInitalizationManage.h"
#include "project/CSystemGlobalData.h"

#include <QFile>

namespace {
// Projects opened through the project lifecycle, as the main window opens them.
class WeatherReloadTest : public WeatherFixture
{
protected:
    void SetUp() override
    {
        WeatherFixture::SetUp();
        m_registry.LoadElementTypes(m_sysParam.ElementBasePerformance);
        m_global.OpenProject(QString());
    }
    // A copy of the blank project changed by the statements.
    QString NewProject(const QString& fileName, const QList<CSQLStatement>& statements)
    {
        const QString path = m_folder.File(QStringLiteral("User/") + fileName);
        EXPECT_TRUE(QFile::copy(m_folder.File(QStringLiteral("Project/ProjectModule.dat")), path));
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        CDbConnection con(QStringLiteral("WeatherReloadAlter"));
        con.Open(path);
        CDbQuery query(con);
        for (const CSQLStatement& statement : statements)
            ExecQueryGuarded(query, statement);
        query.Close();
        con.Close();
        return path;
    }

    CElementManage m_registry;
    TInitalizationManage m_defaults;
    CMaterialParamNameList m_names;
    CTreeView2DB m_store;
    CSystemGlobalData m_global;
};

TEST_F(WeatherReloadTest, EveryOpeningReloadsAndAnEmptyTableKeepsNothingOfTheLastProject)
{
    const QByteArray year = MakeSyntheticYear().Text;
    const QString withWeather = NewProject(
        QStringLiteral("WithWeather.VLZ"),
        {CSQLStatement("update WeatherParameter set RIZARIR_WeatherData = ?, RIZARIR_WeatherName = 'bj.qsw', "
                       "GroundGrade = 3, GroundTemperature_7 = 21.5",
                       {year})});
    const QString empty = NewProject(QStringLiteral("Empty.VLZ"),
                                     {CSQLStatement("delete from WeatherParameter"),
                                      CSQLStatement("update TemperatureParameter set Temperature_14 = 11 "
                                                    "where Month = 6 and DrybulbOrWetbulb = 0")});

    m_global.OpenProject(withWeather);
    ASSERT_TRUE(m_global.IsProjectOpen());
    EXPECT_EQ(m_weather.City, QStringLiteral("北京"));
    EXPECT_DOUBLE_EQ(m_weather.SummerAirConditioningDesignDrybulbTemperature, 33.5);
    EXPECT_EQ(m_weather.GroundGrade, 3);
    EXPECT_DOUBLE_EQ(m_weather.GroundTemperature[6], 21.5);
    EXPECT_EQ(m_weather.HourlyBlob, year);
    m_weather.Load8760hData();
    m_weather.CalcSunriseSunset();
    ASSERT_EQ(m_weather.HourlyDataLoaded, 1);
    ASSERT_EQ(m_weather.SunTimesComputed, 1);

    m_global.OpenProject(empty);
    ASSERT_TRUE(m_global.IsProjectOpen());
    EXPECT_TRUE(m_weather.City.isEmpty());
    EXPECT_TRUE(m_weather.Country.isEmpty());
    EXPECT_EQ(m_weather.SummerAirConditioningDesignDrybulbTemperature, 0);
    EXPECT_EQ(m_weather.Latitude, 0);
    EXPECT_EQ(m_weather.GroundGrade, 0);
    EXPECT_EQ(m_weather.GroundTemperature[6], 0);
    EXPECT_TRUE(m_weather.HourlyBlob.isEmpty());
    EXPECT_TRUE(m_weather.RIZARIR_WeatherName.isEmpty());
    EXPECT_EQ(m_weather.HourlyDataLoaded, 0);
    EXPECT_EQ(m_weather.SunTimesComputed, 0);
    // The monthly tables are the project's own.
    EXPECT_FLOAT_EQ(m_weather.TemperatureParameter.Temperature[0][6][14], 11);
    // Asked for, the annual series is missing rather than the last project's.
    m_weather.Load8760hData();
    EXPECT_EQ(m_weather.HourlyDataLoaded, 0);
    EXPECT_EQ(Dialogs().MessageBoxes.last().message, QStringLiteral("缺少全年气象参数"));
    EXPECT_EQ(m_weather.DailyMeanDryBulb[180], 0);

    // Saving gives the project its row.
    m_weather.City = QStringLiteral("拉萨");
    ASSERT_TRUE(m_weather.Save());
    EXPECT_EQ(ProjectColumn(QStringLiteral("select City from WeatherParameter")),
              QStringList{QStringLiteral("拉萨")});

    // Back to the first project: its weather again.
    m_global.OpenProject(withWeather);
    EXPECT_EQ(m_weather.City, QStringLiteral("北京"));
    EXPECT_EQ(m_weather.HourlyBlob, year);
}
} // namespace
