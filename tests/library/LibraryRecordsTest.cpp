// Library records: the factory by kind code, every record's columns read and written through one
// row of its table, lookups by name and ID with their failures, and the picture.
#include "tests/model/ModelFixture.h"

#include "library/CLibraryRecords.h"
#include "library/CreateLibraryRecord.h"
#include "model/CLIB_RoomOccupation.h"
#include "model/CLIB_StoreyOccupation.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/Exception.h"

#include <QMap>
#include <typeinfo>

namespace {

const QStringList kLayered{"Name",    "BMP",      "InsulationMaterials",
                           "Deta",    "K_S",      "K_W",
                           "Beta",    "D",        "v_S",
                           "v_W",     "Kesi_S",   "Kesi_W",
                           "vn_S",    "vn_W",     "Kesin_S",
                           "Kesin_W", "catergory"};
const QStringList kInsideOpening{"Name", "BMP", "Pane", "GlassType", "FrameType", "K_S", "K_W", "catergory"};
const QStringList kUse{"Name",
                       "SummerACTemperature",
                       "WinterACTemperature",
                       "WinterHeatingTemperature",
                       "TemperatureVariation",
                       "TemperatureVariation_Heating",
                       "SummerACRH",
                       "WinterACRH",
                       "WinterHeatingRH",
                       "RHVariation",
                       "RHVariation_Heating",
                       "PeopleDensity",
                       "LightingPower",
                       "Noise",
                       "OutsideAirSupply",
                       "MaximumAirVelocity",
                       "TotalCoolIndex",
                       "TotalHeatIndex",
                       "EnclosureCoolIndex",
                       "EnclosureHeatIndex",
                       "PeopleCoolIndex",
                       "PeopleHeatIndex",
                       "OutsideAirCoolIndex",
                       "OutsideAirHeatIndex",
                       "OthersCoolIndex",
                       "PthersHeatIndex",
                       "LaborType"};

// The columns each kind's record mirrors; every other column of its table is not the record's.
struct SKindCase
{
    int kind;
    const char* table;
    QStringList columns;
};

const QList<SKindCase> kKinds{
    {0, "OutsideWall_Lib", kLayered},
    {1, "InsideWall_Lib", kLayered},
    {2, "Ceiling_Lib", kLayered},
    {3, "Floor_Lib", kLayered},
    {4, "Roof_Lib", kLayered},
    {5, "BlindStorey_Lib", kLayered},
    {6,
     "OutsideWindow_Lib",
     {"Name", "BMP", "Pane", "GlassType", "FrameType", "K_S", "K_W", "g", "Inside_Sunshade",
      "Outside_Sunshade", "Glass_Revise", "ExfiltrationGrade", "ExfiltrationCoefficient", "catergory"}},
    {7,
     "OutsideDoor_Lib",
     {"Name", "BMP", "Pane", "GlassType", "FrameType", "K_S", "K_W", "g", "ExfiltrationGrade",
      "ExfiltrationCoefficient", "catergory"}},
    {8,
     "GlassCurtainWall_Lib",
     {"Name", "BMP", "Pane", "GlassType", "FrameType", "ExfiltrationGrade", "K_S", "K_W", "g",
      "ExfiltrationCoefficient", "catergory"}},
    {9, "GlassRoof_Lib", {"Name", "BMP", "Pane", "GlassType", "FrameType", "g", "K_S", "K_W", "catergory"}},
    {10, "InsideWindow_Lib", kInsideOpening},
    {11, "InsideDoor_Lib", kInsideOpening},
    {12, "SkyWindow_Lib", {"Name", "BMP", "Pane", "GlassType", "FrameType", "K_S", "K_W", "g", "catergory"}},
    {13,
     "Ground_Lib",
     {"Name", "BMP", "InsulationMaterials", "Deta", "GroundType", "K_S", "K_W", "catergory"}},
    {14, "ProjectionFloor_Lib", kLayered},
    {15, "GapWall_Lib", kLayered},
    {16, "RoomOccupation",
     kUse + QStringList{"NewWindScheduleName",
                        "PeopleScheduleName",
                        "LightScheduleName",
                        "ElectricEquipmentScheduleName",
                        "HeatingEquipmentScheduleName",
                        "ElectronicEquipmentScheduleName",
                        "LightPower",
                        "ElectricEquipmentPower",
                        "HeatingEquipmentPower",
                        "ElectronicEquipmentPower",
                        "ElectricUseCoefficient",
                        "HeatingUseCoefficient",
                        "ElectronicUseCoefficient",
                        "Fan_Time",
                        "Chemistry_Time",
                        "Maintenance_Time",
                        "ElecUnit",
                        "ElecPowerUnit",
                        "ElecHeatUnit",
                        "NewWindUnit",
                        "PeopleDensityUnit",
                        "SimultaneousUseCoefficient",
                        "FoodPeopleDensity"}},
    {18, "StoreyOccupation", kUse},
    {19, "BasementWall_Lib", {"Name", "BMP", "InsulationMaterials", "Deta", "K_S", "K_W", "D", "catergory"}},
};

using CRow = QMap<QString, QVariant>;

class LibraryRecordsTest : public ModelFixture
{
protected:
    // Every column of the table but ID, with its declared type.
    QList<QPair<QString, QString>> Columns(const QString& table)
    {
        QList<QPair<QString, QString>> columns;
        CDbQuery info(m_project.ProjectCon);
        OpenQueryGuarded(info, {"select name, type from pragma_table_info(?)", {table}});
        for (info.First(); !info.Eof(); info.Next())
            if (info.Field(0).toString() != "ID")
                columns << qMakePair(info.Field(0).toString(), info.Field(1).toString().toUpper());
        return columns;
    }

    // A row with a value of the column's type in every column, distinct per column and per seed.
    int InsertRow(const QString& table, const QString& name, int seed)
    {
        QStringList names;
        QStringList marks;
        QVariantList values;
        int i = 0;
        for (const auto& [column, type] : Columns(table)) {
            ++i;
            QVariant value;
            if (column == "Name")
                value = name;
            else if (type == "REAL")
                value = seed * 100 + i + 0.25;
            else if (type == "INTEGER")
                value = seed * 100 + i;
            else if (type == "BLOB")
                value = QByteArray("picture-") + QByteArray::number(seed * 1000 + i);
            else
                value = QStringLiteral("文本%1-%2").arg(seed).arg(i);
            names << column;
            marks << "?";
            values << value;
        }
        m_project.ExecSQL(
            {QStringLiteral("insert into %1 (%2) values (%3)").arg(table, names.join(','), marks.join(',')),
             values});
        return m_project.QueryInt({QStringLiteral("select max(ID) from %1").arg(table)});
    }

    CRow Row(const QString& table, int id)
    {
        CDbQuery query(m_project.ProjectCon);
        OpenQueryGuarded(query, {QStringLiteral("select * from %1 where ID = ?").arg(table), {id}});
        CRow row;
        for (const QString& field : query.FieldNames())
            row[field] = query.FieldByName(field);
        return row;
    }
};

TEST_F(LibraryRecordsTest, FactoryMakesTheRecordOfEveryLibraryKindAndNothingElse)
{
    const QList<QPair<int, const std::type_info*>> cases{{0, &typeid(CLIB_OutsideWall)},
                                                         {1, &typeid(CLIB_InsideWall)},
                                                         {2, &typeid(CLIB_Ceiling)},
                                                         {3, &typeid(CLIB_Floor)},
                                                         {4, &typeid(CLIB_Roof)},
                                                         {5, &typeid(CLIB_BlindStorey)},
                                                         {6, &typeid(CLIB_OutsideWindow)},
                                                         {7, &typeid(CLIB_OutsideDoor)},
                                                         {8, &typeid(CLIB_GlassCurtainWall)},
                                                         {9, &typeid(CLIB_GlassRoof)},
                                                         {10, &typeid(CLIB_InsideWindow)},
                                                         {11, &typeid(CLIB_InsideDoor)},
                                                         {12, &typeid(CLIB_SkyWindow)},
                                                         {13, &typeid(CLIB_Ground)},
                                                         {14, &typeid(CLIB_ProjectionFloor)},
                                                         {15, &typeid(CLIB_GapWall)},
                                                         {16, &typeid(CLIB_RoomOccupation)},
                                                         {18, &typeid(CLIB_StoreyOccupation)},
                                                         {19, &typeid(CLIB_BasementWall)}};
    for (const auto& [kind, type] : cases) {
        const auto record = CreateLibraryRecord(kind);
        ASSERT_TRUE(record) << kind;
        EXPECT_EQ(typeid(*record), *type) << kind;
        EXPECT_EQ(record->DataSet, nullptr);
    }
    for (int kind : {17, 20, -1, 21})
        EXPECT_FALSE(CreateLibraryRecord(kind)) << kind;

    const auto record = CreateLibraryRecord(13);
    const auto& ground = dynamic_cast<const CLIB_Ground&>(*record);
    EXPECT_TRUE(ground.Name.isEmpty() && ground.InsulationMaterials.isEmpty() && ground.catergory.isEmpty());
    EXPECT_TRUE(ground.BMP.isEmpty());
    EXPECT_EQ(ground.GroundType, 0);
    EXPECT_EQ(ground.K_S + ground.K_W + ground.Deta, 0.0);
}

// Load reads row A by name, Save by name writes it over row B: B then carries A's values in
// exactly the record's columns (Name included, which renames B) and keeps its own in the others.
TEST_F(LibraryRecordsTest, EveryRecordReadsAndWritesExactlyItsColumns)
{
    for (const SKindCase& c : kKinds) {
        SCOPED_TRACE(c.table);
        const int a = InsertRow(c.table, QStringLiteral("甲-%1").arg(c.kind), 1);
        const int b = InsertRow(c.table, QStringLiteral("乙-%1").arg(c.kind), 2);
        const CRow rowA = Row(c.table, a);
        const CRow rowB = Row(c.table, b);

        CDbQuery query(m_project.ProjectCon);
        const auto record = CreateLibraryRecord(c.kind);
        record->DataSet = &query;
        record->Load(QStringLiteral("甲-%1").arg(c.kind));
        EXPECT_EQ(record->Name, QStringLiteral("甲-%1").arg(c.kind));
        record->Save(QStringLiteral("乙-%1").arg(c.kind));

        const CRow saved = Row(c.table, b);
        for (auto it = saved.cbegin(); it != saved.cend(); ++it) {
            if (it.key() == "ID")
                continue;
            const QVariant expected = c.columns.contains(it.key()) ? rowA[it.key()] : rowB[it.key()];
            EXPECT_EQ(it.value(), expected) << it.key().toStdString();
        }
        for (const QString& column : c.columns)
            EXPECT_TRUE(saved.contains(column)) << column.toStdString();
    }
}

TEST_F(LibraryRecordsTest, EmptyNameReadsTheCurrentRowAndRunsNothing)
{
    m_project.ExecSQL(
        {"insert into Ground_Lib (Name, catergory, K_S, GroundType) values ('第一', 'x', 1.5, 1), "
         "('第二', 'y', 0.35, 2)"});
    CDbQuery query(m_project.ProjectCon);
    OpenQueryGuarded(query, {"select * from Ground_Lib order by ID"});
    query.Next();
    CLIB_Ground ground;
    ground.DataSet = &query;
    ground.BMP = "stale";
    ground.Load(QString());
    EXPECT_EQ(query.SQL().Text, "select * from Ground_Lib order by ID");
    EXPECT_EQ(ground.Name, "第二");
    EXPECT_EQ(ground.catergory, "y");
    EXPECT_DOUBLE_EQ(ground.K_S, 0.35);
    EXPECT_EQ(ground.GroundType, 2);
    EXPECT_TRUE(ground.BMP.isEmpty()); // a null picture reads as none

    CLIB_StoreyOccupation storey;
    storey.DataSet = &m_project.Query;
    OpenQueryGuarded(m_project.Query, {"select * from StoreyOccupation order by ID"});
    storey.Load(QString());
    EXPECT_EQ(storey.Name, m_project.QueryString({"select Name from StoreyOccupation order by ID limit 1"}));
    EXPECT_DOUBLE_EQ(
        storey.SummerACTemperature,
        m_project.QueryDouble({"select SummerACTemperature from StoreyOccupation order by ID limit 1"}));
}

TEST_F(LibraryRecordsTest, NamesAreFoundWithoutRegardToCaseAndMissingOnesRaise)
{
    m_project.ExecSQL({"insert into OutsideWall_Lib (Name, K_S) values ('EPS Wall', 0.45)"});
    CDbQuery query(m_project.ProjectCon);
    CLIB_OutsideWall wall;
    wall.DataSet = &query;
    wall.Load("eps wall");
    EXPECT_EQ(wall.Name, "EPS Wall");
    EXPECT_DOUBLE_EQ(wall.K_S, 0.45);

    wall.K_S = 7;
    try {
        wall.Load("无此材料");
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "材料[无此材料]不存在，请重新指定材料");
    }
    EXPECT_EQ(wall.Name, "EPS Wall");
    EXPECT_EQ(wall.K_S, 7);

    // Save looks the row up the same way and never appends one.
    const int rows = m_project.QueryInt({"select count(*) from OutsideWall_Lib"});
    EXPECT_THROW(wall.Save("无此材料"), Exception);
    EXPECT_EQ(m_project.QueryInt({"select count(*) from OutsideWall_Lib"}), rows);
}

TEST_F(LibraryRecordsTest, LookupByIdSkipsMinusOneAndRaisesForAMissingRow)
{
    CDbQuery query(m_project.ProjectCon);
    query.SetSQL({"select 1"});
    CLIB_Floor floor;
    floor.DataSet = &query;
    floor.OpenById("Floor_Lib", -1);
    EXPECT_EQ(query.SQL().Text, "select 1");
    try {
        floor.OpenById("Floor_Lib", 0);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "材料[ID:0]不存在，请重新指定材料");
    }
}

TEST_F(LibraryRecordsTest, AFailingSelectIsShownAndReportedAsAMissingRecord)
{
    CDbQuery query(QStringLiteral("NoSuchConnection"));
    CLIB_Roof roof;
    roof.DataSet = &query;
    EXPECT_THROW(roof.Load("任意"), Exception);
    ASSERT_EQ(Dialogs().Messages.size(), 1);
    EXPECT_TRUE(
        Dialogs().Messages[0].contains("\nSQL: select * from Roof_Lib where Name = ? COLLATE NOCASE "));
}

TEST_F(LibraryRecordsTest, APictureReplacedByOneOfEqualSizeIsSaved)
{
    m_project.ExecSQL({"insert into Roof_Lib (Name, BMP) values ('屋面', ?)", {QByteArray("AAAA")}});
    CDbQuery query(m_project.ProjectCon);
    CLIB_Roof roof;
    roof.DataSet = &query;
    roof.Load("屋面");
    EXPECT_EQ(roof.BMP, QByteArray("AAAA"));
    roof.BMP = "BBBB";
    roof.Save("屋面");
    EXPECT_EQ(m_project.QueryString({"select BMP from Roof_Lib where Name = '屋面'"}), "BBBB");

    roof.BMP.clear(); // no picture is stored as none
    roof.Save("屋面");
    EXPECT_EQ(m_project.QueryInt({"select BMP is null from Roof_Lib where Name = '屋面'"}), 1);
}

TEST_F(LibraryRecordsTest, EmptyNameSavesIntoTheRecordTheCallerAppended)
{
    CLIB_SkyWindow sky;
    sky.Name = "新天窗";
    sky.Pane = "双层";
    sky.K_S = 2.4;
    sky.g = 0.45;
    sky.catergory = "天窗类";
    CDbQuery query(m_project.ProjectCon);
    OpenQueryGuarded(query, {"select * from SkyWindow_Lib where 1<>1"});
    query.Append();
    sky.DataSet = &query;
    sky.Save(QString());
    query.Post();

    const CRow row = Row("SkyWindow_Lib", query.AsInt("ID"));
    EXPECT_EQ(row["Name"].toString(), "新天窗");
    EXPECT_EQ(row["Pane"].toString(), "双层");
    EXPECT_EQ(row["catergory"].toString(), "天窗类");
    EXPECT_DOUBLE_EQ(row["K_S"].toDouble(), 2.4);
    EXPECT_DOUBLE_EQ(row["g"].toDouble(), 0.45);
}

} // namespace
