#include "platform/core/Exception.h"
#include "report/CXmlSDB.h"
#include "tests/report/ExchangeFixture.h"
#include "tests/report/ReportTestSupport.h"

#include <QDir>
#include <QFile>

#include <cstdlib>

namespace {
// Attribute values of the children of the element with the tag, in order.
QStringList ChildValues(const QDomElement& parent, const QString& tag, const QString& attribute)
{
    QStringList values;
    for (QDomElement e = parent.firstChildElement(tag); !e.isNull(); e = e.nextSiblingElement(tag))
        values << e.attribute(attribute);
    return values;
}

QDomElement Section(const QDomDocument& document, const QString& name)
{
    return document.documentElement().firstChildElement(name);
}
} // namespace

using ExchangeFile = ExchangeFixture;

// The whole file of the fixture, byte for byte. The expected file was checked by hand against the
// fixture's rows; set DIDIVOV_UPDATE_GOLDEN=1 to write it again after an intended change.
TEST_F(ExchangeFile, FixtureProjectGivesTheExpectedFile)
{
    const QByteArray actual = ReadAll(Export());
    if (std::getenv("DIDIVOV_UPDATE_GOLDEN"))
        WriteFile(QStringLiteral(EXCHANGE_GOLDEN_FILE), actual);
    const QByteArray expected = ReadAll(QStringLiteral(EXCHANGE_GOLDEN_FILE));
    if (actual != expected) {
        QDir().mkpath(QStringLiteral(REPORT_TEST_OUTPUT_DIR));
        const QString written = QStringLiteral(REPORT_TEST_OUTPUT_DIR "/ExchangeFixture.vlzx");
        WriteFile(written, actual);
        FAIL() << "exchange file differs from " EXCHANGE_GOLDEN_FILE "; written to " << written.toStdString();
    }
    RunTool(QStringLiteral("xmllint"),
            {QStringLiteral("--noout"), CXmlSDB::DefaultTargetPath(m_projectFile)});
}

// Areas, heights and counts of buildings, storeys and rooms, worked out by hand from the fixture.
TEST_F(ExchangeFile, TreeCarriesComputedAreasHeightsAndCounts)
{
    const QDomDocument document = Parse(Export());
    struct Case
    {
        const char* key;
        const char* attribute;
        const char* expected;
    } cases[] = {
        // Storey 一层: its own 500 m² exceeds its rooms' 120 + 300; 二层: rooms 300 + 250 exceed its 300.
        {"Storey1", "StoreyArea", "500"},
        {"Storey2", "StoreyArea", "550"},
        {"Storey3", "StoreyArea", "200"},
        {"Storey4", "StoreyArea", "80"},
        // Above ground 500 + 550; the roomless 三层 counts for nothing. Below ground: the stored 100
        // exceeds the basement's 80. Height 3.3 + 3.6 + 3 of the storeys above ground.
        {"Building1", "OverGroundBuildingArea", "1050"},
        {"Building1", "BelowGroundBuildingArea", "100"},
        {"Building1", "BuildingHeight", "9.9"},
        {"Building1", "upGroundStorey", "3"},
        {"Building1", "BelowGroundStorey", "1"},
        // Cooled or heated rooms, the basement's included: 120 + 300 + 250 + 80.
        {"Building1", "AirArea", "750.00"},
        {"Storey1", "AirArea", "120.00"},
        {"Storey3", "AirArea", "0.00"},
        {"Room1", "AirArea", "120.00"},
        {"Room2", "AirArea", "0.00"},
        {"Room4", "AirArea", "250.00"},
        // A building without storeys keeps its stored area; an empty stored value reads as 0.
        {"Building2", "OverGroundBuildingArea", "12.5"},
        {"Building2", "BelowGroundBuildingArea", "0"},
        {"Building2", "upGroundStorey", "0"},
        {"Building2", "AirArea", "0.00"},
        // Room uses by name; an empty use and one naming no record give empty text.
        {"Room1", "RoomUse", "办公室"},
        {"Room3", "RoomUse", "会议室"},
        {"Room2", "RoomUse", ""},
        {"Room5", "RoomUse", ""},
        // Reals from the stored double; Yes/No columns as words; a disabled element like any other.
        {"OutsideWall37", "Area", "0.1"},
        {"InsideWall1", "Winter_Heat_Transfer", "True"},
        {"InsideWall2", "Winter_Heat_Transfer", "False"},
        {"InsideWall1", "Area", "12"},
    };
    for (const Case& c : cases) {
        const QDomElement element = ByKey(document, QLatin1String(c.key));
        ASSERT_FALSE(element.isNull()) << c.key;
        EXPECT_TRUE(element.hasAttribute(QLatin1String(c.attribute))) << c.key << " " << c.attribute;
        EXPECT_EQ(element.attribute(QLatin1String(c.attribute)), QString::fromUtf8(c.expected))
            << c.key << " " << c.attribute;
    }
    EXPECT_EQ(Section(document, QStringLiteral("project")).attribute(QStringLiteral("BuildingCount")), "3")
        << "every building row, also one outside the tree";
    for (const char* skipped : {"Status", "X0", "parent_id", "material_id", "figure_area", "TotalCoolIndex"})
        for (const char* key : {"Building1", "Room1", "OutsideWall37", "InsideWall1"})
            EXPECT_FALSE(ByKey(document, QLatin1String(key)).hasAttribute(QLatin1String(skipped)))
                << key << skipped;
}

// The tree keeps the order and nesting of the nodes: folders become "SubTree" elements, a room's
// elements stay in tree order whatever their kinds, and a node without its row is an element without
// attributes that still holds its children.
TEST_F(ExchangeFile, TreeFollowsTheNodes)
{
    const QDomDocument document = Parse(Export());
    const QDomElement project = Section(document, QStringLiteral("project"));
    QStringList top;
    for (QDomElement e = project.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        top << e.tagName() + e.attribute(QStringLiteral("key"));
    EXPECT_EQ(top, QStringList({"BuildingBuilding1", "SubTreeSubTree2"}));
    EXPECT_EQ(project.firstChildElement(QStringLiteral("SubTree"))
                  .firstChildElement()
                  .attribute(QStringLiteral("key")),
              "Building2");
    QStringList inRoom;
    for (QDomElement e = ByKey(document, QStringLiteral("Room1")).firstChildElement(); !e.isNull();
         e = e.nextSiblingElement())
        inRoom << e.attribute(QStringLiteral("key"));
    EXPECT_EQ(inRoom, QStringList({"People1", "OutsideWall37", "InsideWall1", "InsideWall2"}));
    const QDomElement orphan = ByKey(document, QStringLiteral("Room2")).firstChildElement();
    EXPECT_EQ(orphan.tagName(), "People");
    EXPECT_EQ(orphan.attributes().count(), 0);
    EXPECT_EQ(
        ByKey(document, QStringLiteral("Storey4")).parentNode().toElement().attribute(QStringLiteral("key")),
        "SubTree1");
}

// Sections other than the tree: settings keyed by data, defaults by name, schedules by month, air
// systems with their rooms (a quote in a system's name included), the weather.
TEST_F(ExchangeFile, SectionsCarryTheirTables)
{
    const QDomDocument document = Parse(Export());
    const QDomElement global = Section(document, QStringLiteral("global"));
    EXPECT_EQ(global.attribute(QStringLiteral("ProjectName")), "综合楼 \"A\" & <B>");
    EXPECT_EQ(global.attribute(QStringLiteral("DesignDate")), "2024-05-06");
    const QDomElement config = global.firstChildElement(QStringLiteral("config"));
    EXPECT_EQ(config.firstChildElement(QStringLiteral("cool_begin")).text(), "5-15");
    // A key that is no XML name is written in its encoded form, not refused.
    EXPECT_EQ(
        config.firstChildElement(QStringLiteral("_x0032_nd_x0020_key")).attribute(QStringLiteral("title")),
        "非法名称");
    const QDomElement defaults = global.firstChildElement(QStringLiteral("Initialization"));
    EXPECT_EQ(ChildValues(defaults, QStringLiteral("ACLoadPlusPercent"), QStringLiteral("title")),
              QStringList({"附加率", "附加率(旧)"}));
    EXPECT_TRUE(defaults.firstChildElement(QStringLiteral("RoomUse")).isNull())
        << "not one of the listed defaults";

    const QDomElement schedule =
        global.firstChildElement(QStringLiteral("AllSchedule")).firstChildElement(QStringLiteral("Schedule"));
    EXPECT_EQ(ChildValues(schedule, QStringLiteral("WeekSchedule"), QStringLiteral("month")),
              QStringList({"1", "2", "3", "4", "6", "7", "8", "9", "10", "11", "12"}))
        << "month 5 names no week schedule";
    const QDomElement day = global.firstChildElement(QStringLiteral("AllSchedule")).firstChildElement();
    EXPECT_EQ(day.attribute(QStringLiteral("hour0")), "0.1");
    EXPECT_EQ(day.attribute(QStringLiteral("hour1")), "0") << "an empty hour reads as 0";

    const QDomElement uses = global.firstChildElement(QStringLiteral("RoomOccupation"));
    const QDomElement use = uses.firstChildElement(QStringLiteral("members"));
    EXPECT_EQ(use.attribute(QStringLiteral("Note_x0020_Text")), "窗边");
    for (const char* skipped : {"ID", "Status", "BMP"})
        EXPECT_FALSE(use.hasAttribute(QLatin1String(skipped))) << skipped;
    EXPECT_TRUE(global.firstChildElement(QStringLiteral("StoreyOccupation")).isNull())
        << "a table without rows";

    const QDomElement system = Section(document, QStringLiteral("system"));
    EXPECT_EQ(ChildValues(system, QStringLiteral("OutsideAirSystem"), QStringLiteral("OutsideAirSystemName")),
              QStringList({"新风'1", "新风2"}));
    EXPECT_EQ(ChildValues(system.firstChildElement(QStringLiteral("OutsideAirSystem")),
                          QStringLiteral("Room"), QStringLiteral("path")),
              QStringList({"办公楼~一层~101", "办公楼~二层~202"}));
    EXPECT_EQ(ChildValues(system.firstChildElement(QStringLiteral("PrimaryAirSystem")),
                          QStringLiteral("Room"), QStringLiteral("path")),
              QStringList({"办公楼~一层~101", "办公楼~二层~201"}));

    const QDomElement lib = Section(document, QStringLiteral("lib"));
    QStringList libraries;
    for (QDomElement e = lib.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        libraries << e.tagName();
    EXPECT_EQ(libraries, QStringList({"OutsideWall_Lib"})) << "empty libraries add nothing";

    const QDomElement weather = Section(document, QStringLiteral("weather"));
    const QDomElement temperatures = weather.firstChildElement(QStringLiteral("TemperatureParameter"));
    const QDomElement dry = temperatures.firstChildElement();
    EXPECT_EQ(dry.tagName(), "db");
    EXPECT_EQ(dry.attribute(QStringLiteral("Month")), "1");
    EXPECT_TRUE(dry.attribute(QStringLiteral("data")).startsWith(QLatin1String("-5.5,-5.25,-5,-4.75,")));
    EXPECT_EQ(dry.attribute(QStringLiteral("data")).split(QLatin1Char(',')).size(), 24);
    EXPECT_EQ(dry.nextSiblingElement().tagName(), "wb") << "DrybulbOrWetbulb 2 is wet bulb";
    EXPECT_EQ(dry.nextSiblingElement().attribute(QStringLiteral("Month")), "7");
    const QDomElement parameters = weather.firstChildElement(QStringLiteral("WeatherParameter"));
    EXPECT_EQ(parameters.attribute(QStringLiteral("City")), "北京");
    EXPECT_EQ(parameters.attribute(QStringLiteral("Latitude")), "39.8");
    // Line ends are normalised by the parser; the last line, without its line feed, is kept.
    EXPECT_EQ(parameters.firstChildElement(QStringLiteral("RIZARIR_WeatherData")).text(),
              "1,1,0,-5.5,-7.2,0,0 1\n1,1,1,-6,-7.5,0,0 1");
}

// Tables without rows leave their elements out, but the schedules and the weather parameters are
// always there.
TEST_F(ExchangeFile, EmptyTablesAddNoElements)
{
    for (const char* table : {"ProjectParameter", "tbl_config", "tbl_registry", "Initialization",
                              "DaySchedule", "Schedule", "RoomOccupation", "OutsideWall_Lib",
                              "OutsideAirSystem", "TemperatureParameter", "WeatherParameter"})
        Exec(CSQLStatement(QStringLiteral("delete from %1").arg(QLatin1String(table))));
    const QDomDocument document = Parse(Export());
    QStringList children;
    for (const char* section : {"global", "lib", "system", "weather"})
        for (QDomElement e = Section(document, QLatin1String(section)).firstChildElement(); !e.isNull();
             e = e.nextSiblingElement())
            children << e.tagName();
    EXPECT_EQ(children, QStringList({"AllSchedule", "PrimaryAirSystem", "WeatherParameter"}));
    EXPECT_FALSE(Section(document, QStringLiteral("global")).hasAttribute(QStringLiteral("ProjectName")));
}

// A failing export leaves the file of the last export as it was and no stray file beside it.
TEST_F(ExchangeFile, FailureKeepsTheOldFile)
{
    const QString target = CXmlSDB::DefaultTargetPath(m_projectFile);
    WriteFile(target, "earlier export");
    Exec(CSQLStatement("DROP TABLE Storey"));
    CXmlSDB writer;
    try {
        writer.ExportProjectXml(m_root, m_projectFile, QStringLiteral("0"));
        FAIL() << "export of a project without its storey table succeeded";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("查询SQL发生异常:\n")))
            << e.Message().toStdString();
        EXPECT_TRUE(e.Message().contains(QStringLiteral("no such table: Storey")))
            << e.Message().toStdString();
    }
    EXPECT_EQ(ReadAll(target), "earlier export");
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 2) << "the project and the old export only";
}

// A target other than "0" replaces the default path, which is the project file's with ".vlzx".
TEST_F(ExchangeFile, TargetPath)
{
    EXPECT_EQ(CXmlSDB::DefaultTargetPath(QStringLiteral("/p/Office.VLZ")), "/p/Office.vlzx");
    EXPECT_EQ(CXmlSDB::DefaultTargetPath(QStringLiteral("/p.q/综合 楼.v2.VLZ")), "/p.q/综合 楼.v2.vlzx");
    const QString target = m_dir.filePath(QStringLiteral("out/交换.xml"));
    ASSERT_TRUE(QDir().mkpath(m_dir.filePath(QStringLiteral("out"))));
    CXmlSDB writer;
    EXPECT_TRUE(writer.ExportProjectXml(m_root, m_projectFile, target));
    EXPECT_TRUE(QFile::exists(target));
    EXPECT_FALSE(QFile::exists(CXmlSDB::DefaultTargetPath(m_projectFile)));
}

TEST(ExchangeFileRules, WeatherTextTakesCommasForTheFirstSixBlanks)
{
    const struct
    {
        const char* text;
        const char* expected;
    } cases[] = {
        {"1 1 0 -5.5 -7.2 0 0 1\n", "1,1,0,-5.5,-7.2,0,0 1\n"},
        {"1 2 3 4 5 6 7 8\r\n", "1,2,3,4,5,6,7 8\r\n"},
        {"a b\nc d e f g h i j\n", "a,b\nc,d,e,f,g,h,i j\n"},
        // A last line without a line feed keeps its hour.
        {"1 2 3 4 5 6 7\n1 2 3 4 5 6 7", "1,2,3,4,5,6,7\n1,2,3,4,5,6,7"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CXmlSDB::FormatWeatherText(QString::fromUtf8(c.text)), QString::fromUtf8(c.expected))
            << c.text;
}

// Skipped names compare exactly; flags are numbers unless the schema holds them as Yes/No.
TEST(ExchangeFileRules, SkippedAndYesNoColumns)
{
    for (const char* name :
         {"ID", "Status", "parent_id", "outsidewall_data6", "wd_data1_9", "PthersHeatIndex"})
        EXPECT_TRUE(CXmlSDB::IsSkippedColumn(QLatin1String(name))) << name;
    for (const char* name : {"id", "status", "Name", "Area", "outsidewall_data7", "wd_data2_0"})
        EXPECT_FALSE(CXmlSDB::IsSkippedColumn(QLatin1String(name))) << name;
    EXPECT_TRUE(CXmlSDB::IsYesNoColumn(QStringLiteral("insidewall"), QStringLiteral("Winter_Heat_Transfer")));
    EXPECT_FALSE(CXmlSDB::IsYesNoColumn(QStringLiteral("Room"), QStringLiteral("IsWinter_Heat_Transfer")));
    EXPECT_FALSE(CXmlSDB::IsYesNoColumn(QStringLiteral("Ceiling"), QStringLiteral("bWinter_Heat_Transfer")));
}
