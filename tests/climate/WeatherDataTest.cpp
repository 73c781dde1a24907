#include "tests/climate/WeatherFixture.h"

#include "climate/CLIB_WeatherData.h"

#include <QFile>

namespace {
// A second weather library: a copy of the system data database on its own connection.
class WeatherDataTest : public WeatherFixture
{
protected:
    void SetUp() override
    {
        WeatherFixture::SetUp();
        const QString path = m_temp.filePath(QStringLiteral("Target.dat"));
        ASSERT_TRUE(QFile::copy(m_folder.File(QStringLiteral("System/SysData.dat")), path));
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        m_target.Open(path);
        m_targetQuery.SetConnection(m_target);
    }
    QVariantList Row(CDbConnection& connection, const QString& columns, const QString& where)
    {
        CDbQuery query(connection);
        OpenQueryGuarded(
            query, CSQLStatement(QStringLiteral("select %1 from WeatherData where %2").arg(columns, where)));
        QVariantList values;
        if (!query.Eof())
            for (int i = 0; i < query.FieldCount(); ++i)
                values << query.Field(i);
        return values;
    }
    void ExecTarget(const CSQLStatement& statement)
    {
        CDbQuery query(m_target);
        ExecQueryGuarded(query, statement);
    }

    CDbConnection m_target{QStringLiteral("WeatherTarget")};
    CDbQuery m_targetQuery;
};

TEST_F(WeatherDataTest, ACopyReplacesTheRowOfTheSameKeyAndKeepsItsId)
{
    // The source row gets hourly data and soil temperatures; the target's row of that key differs
    // everywhere and sits under another ID.
    CDbQuery source(m_sysParam.ADOConnection2);
    ExecQueryGuarded(source,
                     CSQLStatement("update WeatherData set RIZARIR_WeatherData = ?, RIZARIR_WeatherName = "
                                   "'sh.qsw', GroundTemperature_1 = 4.5, GroundTemperature_12 = 6.25, "
                                   "SoilHeatConductivity = 1.5 where ID = 68",
                                   {QByteArray("1 1 0 5 3 0\n")}));
    ExecTarget(CSQLStatement("update WeatherData set ID = 900, Latitude = 0, SummerBarometric = 1, "
                             "RIZARIR_WeatherData = ?, GroundTemperature_1 = 0, TimeZone = 0 where ID = 68",
                             {QByteArray("old")}));

    const QString columns = QStringLiteral(
        "Lib_name, Country, Area, City, Latitude, Longitude, SummerBarometric, SummerTemperatueRange, "
        "HottestMonth14hAverageRelativeaHumidity, SoilHeatConductivity, TimeZone, "
        "RIZARIR_WeatherName, RIZARIR_WeatherData, GroundTemperature_1, GroundTemperature_12");
    const QVariantList expected = Row(m_sysParam.ADOConnection2, columns, QStringLiteral("ID = 68"));
    ASSERT_TRUE(CLIB_WeatherData::CopyRow(m_sysParam.WeatherData, m_targetQuery,
                                          QStringLiteral("GB50736-2012"), QStringLiteral("中国"),
                                          QStringLiteral("上海"), QStringLiteral("上海徐家汇")));
    const QVariantList copied = Row(m_target, columns, QStringLiteral("ID = 900"));
    ASSERT_EQ(copied.size(), expected.size());
    for (int i = 0; i < copied.size(); ++i)
        EXPECT_EQ(copied[i].toString(), expected[i].toString()) << columns.split(", ").at(i).toStdString();
    EXPECT_EQ(
        Row(m_target, QStringLiteral("count(*)"), QStringLiteral("City = '上海徐家汇'")).value(0).toInt(), 1);
    // A value the library leaves empty arrives as 0, which the calculation reads alike.
    EXPECT_EQ(
        Row(m_target, QStringLiteral("AtmosphereClarity"), QStringLiteral("ID = 900")).value(0).toDouble(),
        0);

    // A row without hourly data copies as one without, over a target that had some.
    ExecTarget(
        CSQLStatement("update WeatherData set RIZARIR_WeatherData = ? where ID = 1", {QByteArray("old")}));
    ASSERT_TRUE(CLIB_WeatherData::CopyRow(m_sysParam.WeatherData, m_targetQuery,
                                          QStringLiteral("GB50736-2012"), QStringLiteral("中国"),
                                          QStringLiteral("北京"), QStringLiteral("北京")));
    EXPECT_TRUE(Row(m_target, QStringLiteral("RIZARIR_WeatherData"), QStringLiteral("ID = 1"))
                    .value(0)
                    .toByteArray()
                    .isEmpty());
}

TEST_F(WeatherDataTest, AMissingKeyAddsARowAndAnUnknownCityCopiesNothing)
{
    ExecTarget(CSQLStatement("delete from WeatherData where ID = 2"));
    const int before = Row(m_target, QStringLiteral("count(*)"), QStringLiteral("1")).value(0).toInt();
    ASSERT_TRUE(CLIB_WeatherData::CopyRow(m_sysParam.WeatherData, m_targetQuery,
                                          QStringLiteral("GB50736-2012"), QStringLiteral("中国"),
                                          QStringLiteral("天津"), QStringLiteral("天津")));
    const QVariantList added =
        Row(m_target, QStringLiteral("ID, Latitude, Area"), QStringLiteral("City = '天津'"));
    ASSERT_EQ(added.size(), 3);
    EXPECT_NE(added[0].toInt(), 2); // a new ID: the record never writes one
    EXPECT_EQ(added[1].toString(),
              Row(m_sysParam.ADOConnection2, QStringLiteral("Latitude"), QStringLiteral("ID = 2"))
                  .value(0)
                  .toString());
    EXPECT_EQ(Row(m_target, QStringLiteral("count(*)"), QStringLiteral("1")).value(0).toInt(), before + 1);

    EXPECT_FALSE(CLIB_WeatherData::CopyRow(m_sysParam.WeatherData, m_targetQuery,
                                           QStringLiteral("GB50736-2012"), QStringLiteral("中国"),
                                           QStringLiteral("天津"), QStringLiteral("天津'")));
    EXPECT_EQ(Row(m_target, QStringLiteral("count(*)"), QStringLiteral("1")).value(0).toInt(), before + 1);
    EXPECT_TRUE(Dialogs().Messages.isEmpty());
}
} // namespace
