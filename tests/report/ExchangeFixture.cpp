#include "tests/report/ExchangeFixture.h"

#include "model/NameTables.h"
#include "platform/core/CDbQuery.h"
#include "report/CXmlSDB.h"

#include <QFile>
#include <QStringList>

namespace {
// Columns "<prefix>0" to "<prefix>23" of the type.
QString HourColumns(const char* prefix, const char* type)
{
    QStringList columns;
    for (int hour = 0; hour < 24; ++hour)
        columns << QStringLiteral("%1%2 %3").arg(QLatin1String(prefix)).arg(hour).arg(QLatin1String(type));
    return columns.join(QStringLiteral(", "));
}

QString HourValues(double first, double step)
{
    QStringList values;
    for (int hour = 0; hour < 24; ++hour)
        values << QString::number(first + step * hour, 'g', 15);
    return values.join(QStringLiteral(", "));
}
} // namespace

void ExchangeFixture::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    m_projectFile = m_dir.filePath(QStringLiteral("综合 楼.VLZ"));
    m_project.ProjectCon.Open(m_projectFile, true);
    Exec(CSQLStatement("PRAGMA synchronous = OFF")); // a throw-away file

    const QStringList schema = {
        "CREATE TABLE ProjectParameter (ProjectName TEXT, ProjectNumber TEXT, Owner TEXT, Designer TEXT, "
        "Checker TEXT, Examiner TEXT, DesignDate TEXT, Unit INTEGER, X REAL)",
        "INSERT INTO ProjectParameter VALUES ('综合楼 \"A\" & <B>', 'P-01', '业主', '张工', '李工', '王工', "
        "'2024-05-06', 0, 1.5)",
        "CREATE TABLE tbl_config (paramkey TEXT, paramname TEXT, paramvalue TEXT, remark TEXT)",
        "INSERT INTO tbl_config VALUES ('cool_begin', '供冷开始', '5-15', '月-日'), ('2nd key', '非法名称', "
        "'x', '')",
        "CREATE TABLE tbl_registry (f_key TEXT, f_value TEXT)",
        "INSERT INTO tbl_registry VALUES ('prjversion', '57'), ('Output_Head_Winter', 'TRUE')",
        "CREATE TABLE Initialization (ID INTEGER PRIMARY KEY, I_Name TEXT COLLATE NOCASE, I_NameType TEXT, "
        "I_Remark TEXT, I_Value TEXT)",
        "INSERT INTO Initialization VALUES (1, 'RoomUse', '房间', '缺省房间用途', '1'), "
        "(2, 'DesignerName', '工程', '设计人', '张工'), (3, 'ACLoadPlusPercent', '空调', '附加率', '10'), "
        "(4, 'ACLoadPlusPercent', '空调', '附加率(旧)', '5')",
        "CREATE TABLE DaySchedule (DayScheduleName TEXT, " + HourColumns("Value_", "REAL") + ")",
        "INSERT INTO DaySchedule (DayScheduleName, Value_0, Value_8, Value_12) VALUES ('办公_1', 0.1, 100, "
        "12.5)",
        "CREATE TABLE WeekSchedule (ID INTEGER PRIMARY KEY, DaySchedule_DesignDay TEXT, DaySchedule_Monday "
        "TEXT)",
        "INSERT INTO WeekSchedule VALUES (1, '办公_0', '办公_1'), (2, '全天_0', '全天_1')",
        "CREATE TABLE Schedule (ID INTEGER PRIMARY KEY, Name TEXT, WeekSchedule_1 INTEGER, WeekSchedule_2 "
        "INTEGER, "
        "WeekSchedule_3 INTEGER, WeekSchedule_4 INTEGER, WeekSchedule_5 INTEGER, WeekSchedule_6 INTEGER, "
        "WeekSchedule_7 INTEGER, WeekSchedule_8 INTEGER, WeekSchedule_9 INTEGER, WeekSchedule_10 INTEGER, "
        "WeekSchedule_11 INTEGER, WeekSchedule_12 INTEGER, ScheduleType INTEGER)",
        "INSERT INTO Schedule VALUES (1, '办公', 1, 1, 1, 1, 99, 2, 2, 2, 2, 2, 2, 2, 0)",
        // A column whose name is no XML name.
        "CREATE TABLE RoomOccupation (ID INTEGER PRIMARY KEY, Name TEXT, Status INTEGER, PeopleDensity REAL, "
        "BMP BLOB, \"Note Text\" TEXT)",
        "INSERT INTO RoomOccupation VALUES (1, '办公室', 1, 0.1, x'00', '窗边'), (2, '会议室', 1, 0.3, NULL, "
        "NULL)",
        "CREATE TABLE StoreyOccupation (ID INTEGER PRIMARY KEY, Name TEXT)",
        "CREATE TABLE OutsideAirSystem (OutsideAirSystemName TEXT COLLATE NOCASE, Old_ID INTEGER)",
        "INSERT INTO OutsideAirSystem VALUES ('新风''1', 0), ('新风2', 0)",
        "CREATE TABLE PrimaryAirSystem (PrimaryAirSystemName TEXT COLLATE NOCASE, Old_ID INTEGER)",
        "INSERT INTO PrimaryAirSystem VALUES ('一次回风', 0)",
        "CREATE TABLE TemperatureParameter (Month INTEGER, DrybulbOrWetbulb INTEGER, " +
            HourColumns("Temperature_", "REAL") + ")",
        "INSERT INTO TemperatureParameter VALUES (0, 0, " + HourValues(-5.5, 0.25) + "), (6, 2, " +
            HourValues(22, 0.5) + ")",
        "CREATE TABLE WeatherParameter (Lib_name TEXT, City TEXT, Latitude REAL, GroundGrade INTEGER, "
        "RIZARIR_WeatherData BLOB)",
        "CREATE TABLE Building (ID INTEGER PRIMARY KEY, Name TEXT, Status INTEGER, X0 REAL, "
        "OverGroundBuildingArea REAL, BelowGroundBuildingArea REAL, BuildingHeight REAL, figure_area REAL, "
        "parent_id INTEGER)",
        "INSERT INTO Building VALUES (1, '办公楼', 1, 5, 0, 100, 0, 3, -1), (2, '配楼', 0, 0, 12.5, NULL, "
        "NULL, 0, -1), "
        "(3, '拆除楼', 1, 0, 0, 0, 0, 0, -1)",
        "CREATE TABLE Storey (ID INTEGER PRIMARY KEY, Name TEXT, Status INTEGER, IsBelowGroundStorey "
        "INTEGER, "
        "StoreyHeight REAL, StoreyArea REAL, StoreyUse TEXT, parent_id INTEGER)",
        "INSERT INTO Storey VALUES (1, '一层', 1, 0, 3.3, 500, '1', 1), (2, '二层', 1, 0, 3.6, 300, '1', 1), "
        "(3, '三层', 1, 0, 3, 200, '1', 1), (4, '地下一层', 1, 1, 4.2, 0, '1', 1)",
        "CREATE TABLE Room (ID INTEGER PRIMARY KEY, Name TEXT, Status INTEGER, ACRoomQuantity INTEGER, "
        "ACHRoomQuantity INTEGER, OutsideAirSystemName TEXT COLLATE NOCASE, PrimaryAirSystemName TEXT "
        "COLLATE "
        "NOCASE, Area REAL, RoomUse TEXT, TotalCoolIndex REAL, parent_id INTEGER)",
        "INSERT INTO Room VALUES (1, '101', 1, 1, 0, '新风''1', '一次回风', 120, '1', 150, 1), "
        "(2, '102', 1, 0, 0, '', '', 300, '', 0, 1), (3, '201', 1, 1, 1, '新风2', '一次回风', 300, '2', 0, "
        "2), "
        "(4, '202', 1, 0, 1, '新风''1', '', 250, '2', 0, 2), (5, 'B101', 1, 1, 0, '', '', 80, '9', 0, 4)",
        "CREATE TABLE OutsideWall (ID INTEGER PRIMARY KEY, Name TEXT, Status INTEGER, material_id INTEGER, "
        "Area REAL, Direction INTEGER, parent_id INTEGER)",
        "INSERT INTO OutsideWall VALUES (37, '南外墙', 1, 1, 0.1, 0, 1)",
        "CREATE TABLE InsideWall (ID INTEGER PRIMARY KEY, Name TEXT, Status INTEGER, Area REAL, "
        "Winter_Heat_Transfer INTEGER, parent_id INTEGER)",
        "INSERT INTO InsideWall VALUES (1, '隔墙', 0, 12, 1, 1), (2, '隔墙2', 1, 8, 0, 1)",
        "CREATE TABLE People (ID INTEGER PRIMARY KEY, Name TEXT, Status INTEGER, PeopleNumber REAL, "
        "parent_id INTEGER)",
        "INSERT INTO People VALUES (1, '人员', 1, 8, 1)",
        "CREATE TABLE SubTree (ID INTEGER PRIMARY KEY, Status INTEGER, X0 REAL)",
        "INSERT INTO SubTree VALUES (1, 1, 0), (2, 1, 0)",
    };
    for (const QString& sql : schema)
        Exec(CSQLStatement(sql));
    for (const QString& table : CXmlSDB::LibraryTables())
        Exec(CSQLStatement(
            QStringLiteral("CREATE TABLE %1 (ID INTEGER PRIMARY KEY, Name TEXT, K_S REAL, K_W REAL, "
                           "BMP BLOB)")
                .arg(table)));
    Exec(CSQLStatement("INSERT INTO OutsideWall_Lib VALUES (1, '加气混凝土外墙', 0.6, 0.62, NULL)"));
    // Hourly weather as the ".qsw" file gave it; its last line has no line feed.
    Exec(CSQLStatement("INSERT INTO WeatherParameter VALUES ('GB50736-2012', '北京', 39.8, 0, ?)",
                       {QByteArray("1 1 0 -5.5 -7.2 0 0 1\r\n1 1 1 -6 -7.5 0 0 1")}));

    m_root.SetRow(0, 0, 0, QStringLiteral("综合 楼"));
    CNodeData* building = Add(&m_root, 1, 1, QStringLiteral("办公楼"));
    CNodeData* first = Add(building, 2, 1, QStringLiteral("一层"));
    CNodeData* room101 = Add(first, 3, 1, QStringLiteral("101"));
    Add(room101, 4, 1, QStringLiteral("人员"));
    Add(room101, 9, 37, QStringLiteral("南外墙"));
    Add(room101, 13 + 30, 1, QStringLiteral("隔墙"));
    Add(room101, 13, 2, QStringLiteral("隔墙2"));
    Add(Add(first, 3, 2, QStringLiteral("102")), 4, 99, QStringLiteral("人员"));
    CNodeData* second = Add(building, 2, 2, QStringLiteral("二层"));
    Add(second, 3, 3, QStringLiteral("201"));
    Add(second, 3, 4, QStringLiteral("202"));
    Add(building, 2, 3, QStringLiteral("三层"));
    CNodeData* basement = Add(Add(building, 30, 1, QStringLiteral("地下")), 2, 4, QStringLiteral("地下一层"));
    Add(basement, 3, 5, QStringLiteral("B101"));
    Add(Add(&m_root, 30, 2, QStringLiteral("配套")), 1, 2, QStringLiteral("配楼"));
}

CNodeData* ExchangeFixture::Add(CNodeData* parent, int imageIndex, int elementId, const QString& caption)
{
    auto node = std::make_unique<CNodeData>();
    node->SetRow(++m_lastNodeId, elementId, imageIndex, caption);
    return parent->AddChild(std::move(node));
}

void ExchangeFixture::Exec(const CSQLStatement& statement)
{
    CDbQuery query(m_project.ProjectCon);
    query.SetSQL(statement);
    query.ExecSQL();
}

QString ExchangeFixture::Export()
{
    CXmlSDB writer;
    EXPECT_TRUE(writer.ExportProjectXml(m_root, m_projectFile, QStringLiteral("0")));
    return CXmlSDB::DefaultTargetPath(m_projectFile);
}

QDomDocument ExchangeFixture::Parse(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QDomDocument document;
    QString message;
    int line = 0;
    EXPECT_TRUE(document.setContent(&file, &message, &line)) << message.toStdString() << " line " << line;
    return document;
}

QDomElement ExchangeFixture::ByKey(const QDomDocument& document, const QString& key)
{
    QList<QDomElement> pending{document.documentElement()};
    while (!pending.isEmpty()) {
        const QDomElement element = pending.takeFirst();
        if (element.attribute(QStringLiteral("key")) == key)
            return element;
        for (QDomElement child = element.firstChildElement(); !child.isNull();
             child = child.nextSiblingElement())
            pending << child;
    }
    return QDomElement();
}
