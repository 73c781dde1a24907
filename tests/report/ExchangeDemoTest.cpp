#include "model/NameTables.h"
#include "report/CXmlSDB.h"
#include "tests/model/ProjectTreeFixture.h"
#include "tests/report/ReportTestSupport.h"

#include <QDomDocument>
#include <QDomElement>
#include <QFile>

namespace {
// The shipped office demonstration, as the build writes it into the program folder.
class ExchangeDemo : public ProjectTreeFixture
{
protected:
    void SetUp() override
    {
        ProjectTreeFixture::SetUp();
        m_projectFile = m_folder.File(QStringLiteral("User/示例工程/示例工程.VLZ"));
        ASSERT_TRUE(QFile::exists(m_projectFile));
        m_project.ProjectCon.Open(m_projectFile);
        m_store.LoadTree();
    }

    int Count(const QString& sql) { return Int(sql); }

    QString m_projectFile;
};

int CountElements(const QDomElement& parent, const QString& tag)
{
    int count = 0;
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        count += (e.tagName() == tag) + CountElements(e, tag);
    return count;
}

int CountChildren(const QDomElement& parent)
{
    int count = 0;
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        ++count;
    return count;
}
} // namespace

// Every table and every row of the demonstration reaches the file, which xmllint reads as
// well-formed XML.
TEST_F(ExchangeDemo, ExportHoldsEveryTableAndRow)
{
    CXmlSDB writer;
    ASSERT_TRUE(writer.ExportProjectXml(Root(), m_projectFile, QStringLiteral("0")));
    const QString path = CXmlSDB::DefaultTargetPath(m_projectFile);
    RunTool(QStringLiteral("xmllint"), {QStringLiteral("--noout"), path});

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QDomDocument document;
    ASSERT_TRUE(document.setContent(&file));
    const QDomElement root = document.documentElement();
    const QDomElement global = root.firstChildElement(QStringLiteral("global"));

    // The tree: one element per row of each element table (the demonstration has no row outside it).
    const QDomElement project = root.firstChildElement(QStringLiteral("project"));
    int rooms = 0;
    for (int type = 1; type < ElementTypeCount; ++type) {
        const QString table = ElementTableName(type);
        const int rows = Count(QStringLiteral("select count(*) from %1").arg(table));
        EXPECT_EQ(CountElements(project, CXmlSDB::ElementTagName(type)), rows) << table.toStdString();
        if (type == 3)
            rooms = rows;
    }
    EXPECT_GT(rooms, 0);
    EXPECT_EQ(project.attribute(QStringLiteral("BuildingCount")).toInt(),
              Count("select count(*) from Building"));

    // Generic tables: one "members" element per row.
    const QDomElement lib = root.firstChildElement(QStringLiteral("lib"));
    int libraryRows = 0;
    for (const QString& table : CXmlSDB::LibraryTables()) {
        const int rows = Count(QStringLiteral("select count(*) from %1").arg(table));
        libraryRows += rows;
        EXPECT_EQ(CountElements(lib.firstChildElement(table), QStringLiteral("members")), rows)
            << table.toStdString();
    }
    EXPECT_GT(libraryRows, 0) << "the demonstration takes the shipped constructions";
    for (const char* table : {"RoomOccupation", "StoreyOccupation"})
        EXPECT_EQ(CountElements(global.firstChildElement(QLatin1String(table)), QStringLiteral("members")),
                  Count(QStringLiteral("select count(*) from %1").arg(QLatin1String(table))))
            << table;

    const QDomElement schedules = global.firstChildElement(QStringLiteral("AllSchedule"));
    EXPECT_EQ(CountElements(schedules, QStringLiteral("DaySchedule")),
              Count("select count(*) from DaySchedule"));
    EXPECT_EQ(CountElements(schedules, QStringLiteral("Schedule")), Count("select count(*) from Schedule"));
    EXPECT_EQ(CountChildren(global.firstChildElement(QStringLiteral("config"))),
              Count("select count(*) from tbl_config"));
    EXPECT_EQ(CountChildren(global.firstChildElement(QStringLiteral("registry"))),
              Count("select count(*) from tbl_registry"));
    EXPECT_GT(CountChildren(global.firstChildElement(QStringLiteral("Initialization"))), 0);

    const QDomElement system = root.firstChildElement(QStringLiteral("system"));
    for (const QString& table : CXmlSDB::SystemTables())
        EXPECT_EQ(CountElements(system, table), Count(QStringLiteral("select count(*) from %1").arg(table)))
            << table.toStdString();

    const QDomElement weather = root.firstChildElement(QStringLiteral("weather"));
    EXPECT_EQ(CountChildren(weather.firstChildElement(QStringLiteral("TemperatureParameter"))),
              Count("select count(*) from TemperatureParameter"));
    EXPECT_EQ(CountElements(weather, QStringLiteral("RIZARIR_WeatherData")),
              Count("select count(*) from WeatherParameter"));
}
