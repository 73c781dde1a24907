#include "tests/climate/WeatherFixture.h"

#include "climate/CHourlyWeatherFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
class HourlyWeatherFileTest : public WeatherFixture
{
protected:
    // The first n lines of the synthetic year.
    static QByteArray FirstLines(const QByteArray& text, int n)
    {
        int end = 0;
        for (int i = 0; i < n; ++i)
            end = text.indexOf('\n', end) + 1;
        return text.left(end);
    }
    static QByteArray ReplaceLine(QByteArray text, int line, const QByteArray& replacement)
    {
        const QByteArray head = FirstLines(text, line - 1);
        const int next = text.indexOf('\n', head.size()) + 1;
        return head + replacement + text.mid(next);
    }
    QString LastMessage() const
    {
        auto& boxes = const_cast<HourlyWeatherFileTest*>(this)->Dialogs().MessageBoxes;
        return boxes.isEmpty() ? QString() : boxes.last().message;
    }

    const SSyntheticYear m_year = MakeSyntheticYear();
};

TEST_F(HourlyWeatherFileTest, AYearImportsExportsUnchangedAndGivesItsOwnDailyMeans)
{
    const QString source = WriteFile(QStringLiteral("上海_徐家汇.qsw"), m_year.Text);
    CHourlyWeatherFile hourly;
    Dialogs().FileAnswers = {source};
    ASSERT_TRUE(hourly.Import());
    EXPECT_EQ(hourly.Data, m_year.Text);
    EXPECT_EQ(hourly.Name, QStringLiteral("上海_徐家汇.qsw"));
    EXPECT_EQ(hourly.SizeText(), QStringLiteral("大小:%1字节").arg(m_year.Text.size()));
    ASSERT_EQ(Dialogs().FileDialogs.size(), 1);
    EXPECT_FALSE(Dialogs().FileDialogs[0].save);
    EXPECT_EQ(Dialogs().FileDialogs[0].filter, QStringLiteral("8760h逐时气象文件(*.qsw)"));

    // Exported under a name without the suffix, it gets one; with the suffix in any case, none.
    const QString bare = m_temp.filePath(QStringLiteral("out"));
    const QString upper = m_temp.filePath(QStringLiteral("OUT2.QSW"));
    WriteFile(QStringLiteral("OUT2.QSW"), "an older file, replaced without a question");
    Dialogs().FileAnswers = {bare, upper};
    ASSERT_TRUE(hourly.Export());
    ASSERT_TRUE(hourly.Export());
    EXPECT_TRUE(Dialogs().FileDialogs[1].save);
    EXPECT_TRUE(Dialogs().FileDialogs[1].proposed.isEmpty());
    EXPECT_EQ(ReadFile(bare + QStringLiteral(".qsw")), m_year.Text);
    EXPECT_EQ(ReadFile(upper), m_year.Text);
    EXPECT_FALSE(QFileInfo::exists(upper + QStringLiteral(".qsw")));

    // The exported file reaches the calculation as the year it was made from.
    CHourlyWeatherFile again;
    Dialogs().FileAnswers = {bare + QStringLiteral(".qsw")};
    ASSERT_TRUE(again.Import());
    m_weather.HourlyBlob = again.Data;
    m_weather.Load8760hData();
    ASSERT_EQ(m_weather.HourlyDataLoaded, 1);
    EXPECT_TRUE(Dialogs().MessageBoxes.isEmpty()) << LastMessage().toStdString();
    for (int d = 0; d < 365; ++d)
        ASSERT_NEAR(m_weather.DailyMeanDryBulb[d], m_year.DailyMeanDryBulb[d], 1e-4) << "day " << d;
    // 1 March (day 59) at 13:00, and the last hour of the year, as written.
    EXPECT_FLOAT_EQ(m_weather.HourlyData[24 * 59 + 13][0], 3);
    EXPECT_FLOAT_EQ(m_weather.HourlyData[24 * 59 + 13][1], 1);
    EXPECT_FLOAT_EQ(m_weather.HourlyData[24 * 59 + 13][2], 13);
    EXPECT_FLOAT_EQ(m_weather.HourlyData[8759][2], 23);
    EXPECT_FLOAT_EQ(m_weather.HourlyData[24 * 59 + 13][3] - m_weather.HourlyData[24 * 59 + 13][4], 3);
    EXPECT_NEAR(m_weather.HourlyData[24 * 59 + 12][5], 800, 1e-3);

    // Computed once: a second call reads nothing again.
    m_weather.HourlyBlob = "changed";
    m_weather.Load8760hData();
    EXPECT_TRUE(Dialogs().MessageBoxes.isEmpty());
    EXPECT_NEAR(m_weather.DailyMeanDryBulb[200], m_year.DailyMeanDryBulb[200], 1e-4);
}

TEST_F(HourlyWeatherFileTest, ANonYearIsRefusedWithTheReason)
{
    const struct
    {
        const char* name;
        QByteArray text;
        const char* reason;
    } cases[] = {
        {"empty", QByteArray(), "只有0行逐时数据，全年应有8760行"},
        {"one hour short", FirstLines(m_year.Text, 8759), "只有8759行逐时数据"},
        {"no line end at the last hour", m_year.Text.left(m_year.Text.size() - 2), ""},
        {"a word for a number", ReplaceLine(m_year.Text, 300, "1 13 11 abc 1.0 0\r\n"), "第300行有误"},
        {"five fields", ReplaceLine(m_year.Text, 8760, "12 31 23 1.0 0.5\r\n"), "第8760行有误"},
        {"an empty line", ReplaceLine(m_year.Text, 2, "\r\n"), "第2行有误"},
        {"not a number at all", ReplaceLine(m_year.Text, 1, "1 1 0 nan 1 0\n"), "第1行有误"},
        {"two years", m_year.Text + m_year.Text, "第8761行有误：全年只有8760小时"},
        {"month 13", ReplaceLine(m_year.Text, 745, "13 1 0 5.0 2.0 0\r\n"),
         "第745行有误：该行应为2月1日0时的数据"},
        {"hour 24 for 23", ReplaceLine(m_year.Text, 24, "1 1 24 5.0 2.0 0\r\n"),
         "第24行有误：该行应为1月1日23时"},
        {"dry bulb -999", ReplaceLine(m_year.Text, 4000, "6 16 15 -999 -999 0\r\n"),
         "第4000行有误：干球温度应在-90℃至60℃之间"},
        {"wet bulb -999", ReplaceLine(m_year.Text, 5000, "7 28 7 25.5 -999 150\r\n"),
         "第5000行有误：湿球温度应不低于-90℃，且不高于干球温度"},
        {"wet bulb above dry bulb", ReplaceLine(m_year.Text, 5001, "7 28 8 25.5 27 150\r\n"),
         "第5001行有误：湿球"},
        {"irradiance above the sun's", ReplaceLine(m_year.Text, 5002, "7 28 9 25.5 20 1600\r\n"),
         "第5002行有误：水平面总辐射应在0至1500W/m²之间"},
        {"blank lines after the year", m_year.Text + "\r\n\r\n", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CHourlyWeatherFile hourly;
        hourly.Data = "kept";
        hourly.Name = QStringLiteral("kept.qsw");
        Dialogs().MessageBoxes.clear();
        Dialogs().FileAnswers = {WriteFile(QStringLiteral("case.qsw"), c.text)};
        const bool whole = QByteArray(c.reason).isEmpty();
        EXPECT_EQ(hourly.Import(), whole);
        if (whole) {
            EXPECT_TRUE(Dialogs().MessageBoxes.isEmpty());
            continue;
        }
        EXPECT_EQ(hourly.Data, QByteArray("kept"));
        EXPECT_EQ(hourly.Name, QStringLiteral("kept.qsw"));
        ASSERT_EQ(Dialogs().MessageBoxes.size(), 1);
        EXPECT_EQ(Dialogs().MessageBoxes[0].caption, QStringLiteral("注意"));
        EXPECT_TRUE(LastMessage().contains(QString::fromUtf8(c.reason))) << LastMessage().toStdString();

        // The same data stored as a location's hourly data never pass for a year either.
        m_weather.HourlyBlob = c.text;
        m_weather.RIZARIR_WeatherName = QStringLiteral("case.qsw");
        m_weather.HourlyDataLoaded = 0;
        m_weather.HourlyData[100][3] = 55;
        m_weather.DailyMeanDryBulb[3] = 55;
        m_weather.Load8760hData();
        EXPECT_EQ(m_weather.HourlyDataLoaded, 0);
        EXPECT_EQ(m_weather.HourlyData[0][3], 0);
        EXPECT_EQ(m_weather.HourlyData[100][3], 0);
        EXPECT_EQ(m_weather.DailyMeanDryBulb[3], 0);
        if (!c.text.isEmpty()) {
            EXPECT_TRUE(LastMessage().contains(QString::fromUtf8(c.reason))) << LastMessage().toStdString();
        }
    }
    // Cancelling the choice changes nothing and says nothing.
    CHourlyWeatherFile hourly;
    Dialogs().MessageBoxes.clear();
    Dialogs().FileAnswers = {QString()};
    EXPECT_FALSE(hourly.Import());
    EXPECT_TRUE(Dialogs().MessageBoxes.isEmpty());
}

TEST_F(HourlyWeatherFileTest, ExportAndRemoveNeedData)
{
    for (const QByteArray& data : {QByteArray(), QByteArray("1")}) {
        CHourlyWeatherFile hourly;
        hourly.Data = data;
        EXPECT_FALSE(hourly.Export());
    }
    EXPECT_TRUE(Dialogs().FileDialogs.isEmpty());

    CHourlyWeatherFile hourly;
    hourly.Data = "12";
    Dialogs().FileAnswers = {QString()};
    EXPECT_FALSE(hourly.Export());
    EXPECT_EQ(Dialogs().FileDialogs.size(), 1);

    Dialogs().FileAnswers = {m_temp.filePath(QStringLiteral("missing/folder/x"))};
    EXPECT_THROW(hourly.Export(), Exception);

    hourly.Name = QStringLiteral("a.qsw");
    EXPECT_TRUE(hourly.Remove());
    EXPECT_TRUE(hourly.Data.isEmpty());
    EXPECT_TRUE(hourly.Name.isEmpty());
    EXPECT_EQ(hourly.SizeText(), QStringLiteral("大小:0字节"));
    EXPECT_FALSE(hourly.Remove());
}

TEST_F(HourlyWeatherFileTest, WithoutHourlyDataOrTemporaryFileTheUserIsTold)
{
    m_weather.HourlyBlob.clear();
    for (int call = 1; call <= 2; ++call) {
        m_weather.Load8760hData();
        ASSERT_EQ(Dialogs().MessageBoxes.size(), call);
        EXPECT_EQ(Dialogs().MessageBoxes.last().caption, QStringLiteral("注意"));
        EXPECT_EQ(Dialogs().MessageBoxes.last().message, QStringLiteral("缺少全年气象参数"));
        EXPECT_EQ(Dialogs().MessageBoxes.last().style, 6);
        EXPECT_EQ(Dialogs().MessageBoxes.last().icon, 0);
        EXPECT_EQ(m_weather.HourlyDataLoaded, 0);
    }

    // A temporary folder that cannot take the file (a file in its place: tests may run as root).
    const QString missing = WriteFile(QStringLiteral("not_a_folder"), "x");
    qputenv("TMPDIR", missing.toLocal8Bit());
    m_weather.HourlyBlob = m_year.Text;
    m_weather.Load8760hData();
    EXPECT_EQ(Dialogs().MessageBoxes.last().caption, QStringLiteral("sorry"));
    EXPECT_TRUE(LastMessage().startsWith(QStringLiteral("不能在临时文件夹%1中写入临时文件\n").arg(missing)))
        << LastMessage().toStdString();
    EXPECT_EQ(Dialogs().MessageBoxes.last().icon, 2);
    EXPECT_EQ(m_weather.HourlyDataLoaded, 0);
    EXPECT_EQ(m_weather.HourlyData[5000][3], 0);
}

// The library reads the hourly data from a file: one under a name of this run alone, gone after the
// read. What another user or a second running program has under the former fixed name
// "WeatherFile.qsw" (here a folder, which cannot be removed) neither blocks the read nor is touched.
TEST_F(HourlyWeatherFileTest, TheHourlyDataPassThroughAPrivateFileRemovedAfterUse)
{
    const QString tmp = m_temp.filePath(QStringLiteral("tmp"));
    ASSERT_TRUE(QDir().mkpath(tmp + QStringLiteral("/WeatherFile.qsw/inside")));
    qputenv("TMPDIR", tmp.toLocal8Bit());
    m_weather.HourlyBlob = m_year.Text;
    m_weather.Load8760hData();
    EXPECT_TRUE(Dialogs().MessageBoxes.isEmpty()) << LastMessage().toStdString();
    ASSERT_EQ(m_weather.HourlyDataLoaded, 1);
    EXPECT_NEAR(m_weather.DailyMeanDryBulb[100], m_year.DailyMeanDryBulb[100], 1e-4);
    EXPECT_EQ(QDir(tmp).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("WeatherFile.qsw")});
    EXPECT_TRUE(QFileInfo(tmp + QStringLiteral("/WeatherFile.qsw/inside")).isDir());

    // A refused year leaves nothing behind either.
    m_weather.HourlyBlob = FirstLines(m_year.Text, 10);
    m_weather.HourlyDataLoaded = 0;
    m_weather.Load8760hData();
    EXPECT_EQ(m_weather.HourlyDataLoaded, 0);
    EXPECT_EQ(QDir(tmp).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("WeatherFile.qsw")});
}

TEST_F(HourlyWeatherFileTest, AFolderFillsTheLibraryRowsItsFileNamesName)
{
    const QString folder = m_temp.filePath(QStringLiteral("folder"));
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/sub")));
    const auto put = [&](const QString& name, const QByteArray& text) {
        QFile file(folder + '/' + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    QByteArray shanghai = m_year.Text;
    shanghai.replace("99\r\n", "98\r\n");
    put(QStringLiteral("any_北京_北京.qsw"), m_year.Text);
    put(QStringLiteral("北京_北京.qsw"), "never read");
    put(QStringLiteral("a_上海_上海徐家汇.d.qsw"), shanghai);
    put(QStringLiteral("x_天津_天津.qsw"), FirstLines(m_year.Text, 10));
    put(QStringLiteral("x_河北_石家庄.qsw"), m_year.Text + m_year.Text);
    put(QStringLiteral("x_重庆_重庆.txt"), m_year.Text);
    put(QStringLiteral("sub/x_重庆_重庆.qsw"), m_year.Text);
    put(QStringLiteral("x_无此_城市.qsw"), m_year.Text);

    EXPECT_EQ(CHourlyWeatherFile::ImportFolder(folder, m_sysParam.WeatherData), 2);

    CDbQuery query(m_sysParam.ADOConnection2);
    const auto blob = [&](int id) {
        OpenQueryGuarded(query,
                         CSQLStatement("select RIZARIR_WeatherData, RIZARIR_WeatherName from WeatherData "
                                       "where ID = ?",
                                       {id}));
        return std::make_pair(query.Field(0).toByteArray(), query.Field(1).toString());
    };
    EXPECT_EQ(blob(1), std::make_pair(m_year.Text, QStringLiteral("any_北京_北京.qsw")));
    EXPECT_EQ(blob(68), std::make_pair(shanghai, QStringLiteral("a_上海_上海徐家汇.d.qsw")));
    EXPECT_TRUE(blob(2).first.isEmpty());   // 天津: ten hours only
    EXPECT_TRUE(blob(4).first.isEmpty());   // 石家庄: two years
    EXPECT_TRUE(blob(195).first.isEmpty()); // 重庆: wrong suffix, or in a subfolder
    ASSERT_EQ(Dialogs().MessageBoxes.size(), 1);
    EXPECT_TRUE(Dialogs().MessageBoxes[0].message.contains(QStringLiteral("x_天津_天津.qsw")));
    EXPECT_TRUE(Dialogs().MessageBoxes[0].message.contains(QStringLiteral("只有10行")));
    EXPECT_TRUE(
        Dialogs().MessageBoxes[0].message.contains(QStringLiteral("x_河北_石家庄.qsw：第8761行有误")));
}
} // namespace
