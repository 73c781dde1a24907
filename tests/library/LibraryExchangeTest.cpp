// Library exchange files: a round trip of every library from the database into a file and into a
// blank database, field by field; refused magic, versions and libraries; damaged and truncated
// files that import nothing; and the merge rules of the import (by name and category, layered
// constructions, empty values, all or nothing).
#include "tests/model/ModelFixture.h"

#include "library/CMatInOut.h"
#include "library/LibrarySchema.h"
#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/Exception.h"
#include "tests/library/LibraryFileBytes.h"

#include <QFile>

namespace {
QByteArray Int(qint32 value)
{
    return LibraryFileInt(value);
}

QByteArray FileBytes(int index, const QStringList& captions, const QList<QStringList>& records,
                     const QString& magic = QStringLiteral("ZIROVI"), int version = 100)
{
    return LibraryFileBytes(index, captions, records, magic, version);
}

const QStringList kWallCaptions = {QStringLiteral("库名称"), QStringLiteral("名称"), QStringLiteral("夏季传热系数/K_S"),
                                   QStringLiteral("保温材料")};
const QStringList kLayerCaptions = {QStringLiteral("库名称"),     QStringLiteral("名称"),
                                    QStringLiteral("材料名称"),   QStringLiteral("材料层厚度"),
                                    QStringLiteral("换热系数"),   QStringLiteral("导热修正系数"),
                                    QStringLiteral("密度"),       QStringLiteral("比热")};

class LibraryExchange : public ModelFixture
{
protected:
    // A private copy of a shipped database, opened under its own connection.
    std::unique_ptr<CDbConnection> Copy(const QString& shipped, const QString& name)
    {
        const QString file = m_folder.File(QStringLiteral("User/%1.db").arg(name));
        EXPECT_TRUE(QFile::copy(m_folder.File(shipped), file));
        auto connection = std::make_unique<CDbConnection>(QStringLiteral("Exchange_") + name);
        connection->Open(file);
        return connection;
    }
    static QHash<QString, QString> ColumnTypes(const CDbConnection& connection, const QString& table)
    {
        QHash<QString, QString> types;
        CDbQuery query(connection);
        OpenQueryGuarded(query, CSQLStatement(QStringLiteral("pragma table_info(%1)").arg(table)));
        for (query.First(); !query.Eof(); query.Next())
            types.insert(query.AsString("name"), query.AsString("type").toUpper());
        return types;
    }
    static QStringList Column(const CDbConnection& connection, const CSQLStatement& statement)
    {
        CDbQuery query(connection);
        OpenQueryGuarded(query, statement);
        QStringList values;
        for (query.First(); !query.Eof(); query.Next())
            values << query.Field(0).toString();
        return values;
    }
    static void Exec(const CDbConnection& connection, const CSQLStatement& statement)
    {
        CDbQuery query(connection);
        ExecQueryGuarded(query, statement);
    }
    void Import(const QByteArray& file, const CDbConnection& target, const QString& table, QByteArray flags = {})
    {
        CMatInOut in;
        ASSERT_TRUE(in.ReadFile(file));
        if (flags.isEmpty())
            flags.fill(1, in.GetRecordCount());
        CDbQuery query(target);
        in.ImportRecords(query, flags, table);
    }
    void ExecProject(const char* sql) { Exec(m_project.ProjectCon, CSQLStatement(sql)); }
    QStringList Walls() { return ProjectColumn("select catergory || ':' || Name || '=' || K_S from OutsideWall_Lib order by ID"); }
};
} // namespace

TEST_F(LibraryExchange, EveryLibraryTravelsFieldByFieldIntoABlankDatabase)
{
    auto blankProject = Copy(QStringLiteral("Project/ProjectModule.dat"), QStringLiteral("Blank"));
    auto blankSystem = Copy(QStringLiteral("System/SysData.dat"), QStringLiteral("BlankSystem"));
    for (int index = 0; index < LibIndexCount; ++index) {
        if (LibColumnCount(index) == 0)
            continue;
        SCOPED_TRACE(LibIndexName(index).toStdString());
        const bool weather = index == LibIndexWeather;
        const CDbConnection& source = weather ? m_sysParam.ADOConnection2 : m_project.ProjectCon;
        const CDbConnection& target = weather ? *blankSystem : *blankProject;
        const QString table = LibIndexTable(index);
        const QString nameKey = weather ? QStringLiteral("City") : QStringLiteral("Name");
        const QString name = QStringLiteral("往返'%1").arg(index);

        // One row with a value in every column of the set: texts with a quote, reals that no
        // short decimal holds exactly, integers.
        const auto types = ColumnTypes(source, table);
        QStringList columns;
        QVariantList values;
        for (int p = 0; p < LibColumnCount(index); ++p) {
            const QString key = LibColumnKeyAt(index, p);
            const QString type = types.value(key);
            columns << key;
            if (key == nameKey)
                values << name;
            else if (type.contains("REAL"))
                values << 1.0 / (p + 3) + index;
            else if (type.contains("INT"))
                values << p + 7;
            else
                values << QStringLiteral("文'本%1").arg(p);
        }
        Exec(source, CSQLStatement(QStringLiteral("insert into %1 (%2) values (%3)")
                                       .arg(table, columns.join(','), QString("?,").repeated(columns.size()).chopped(1)),
                                   values));

        CDbQuery dataSet(source);
        OpenQueryGuarded(dataSet, CSQLStatement(QStringLiteral("select * from %1").arg(table)));
        QByteArray flags(dataSet.RecordCount(), 0);
        for (dataSet.First(); !dataSet.Eof(); dataSet.Next())
            flags[dataSet.RecNo() - 1] = dataSet.AsString(nameKey) == name ? 1 : 0;
        CMatInOut out;
        // Keys whose low byte is 0 leave the bytes unmasked; they read back like any other.
        int turn = 0;
        out.KeySource = [&turn] { return (++turn % 4) * 256 + (turn % 4 == 0 ? 37 : 0); };
        out.Init(QStringLiteral("工程数据"), index, 1);
        const QString path = m_folder.File(QStringLiteral("User/export") + LibFileExt(index));
        ASSERT_TRUE(out.WriteFile(path, dataSet, flags, table));

        CMatInOut in;
        ASSERT_TRUE(in.LoadFile(path));
        ASSERT_EQ(in.GetRecordCount(), 1);
        EXPECT_EQ(in.GetRecordName(0), name);
        EXPECT_EQ(in.LibraryIndex(), index);
        EXPECT_EQ(in.Captions().size(), LibColumnCount(index));
        EXPECT_EQ(in.HeaderTexts().value(4), table);
        CDbQuery importQuery(target);
        in.ImportRecords(importQuery, QByteArray(1, 1), table);

        CDbQuery back(target);
        OpenQueryGuarded(back, CSQLStatement(QStringLiteral("select * from %1 where %2 = ?").arg(table, nameKey), {name}));
        ASSERT_EQ(back.RecordCount(), 1);
        for (int p = 0; p < columns.size(); ++p) {
            const QVariant stored = back.FieldByName(columns[p]);
            if (values[p].typeId() == QMetaType::Double)
                EXPECT_EQ(stored.toDouble(), values[p].toDouble()) << columns[p].toStdString();
            else
                EXPECT_EQ(stored.toString(), values[p].toString()) << columns[p].toStdString();
        }
    }
    EXPECT_EQ(Dialogs().MessageBoxes.size(), 0);
}

TEST_F(LibraryExchange, ForeignNewerOrDamagedFilesAreRefusedWhole)
{
    const QList<QStringList> one = {{QStringLiteral("甲"), QStringLiteral("A"), QStringLiteral("1.5"), QString()}};
    const QByteArray good = FileBytes(1, kWallCaptions, one);
    struct SCase
    {
        const char* what;
        QByteArray bytes;
        const char* message; // null: read
    };
    const SCase cases[] = {
        {"version 100", good, nullptr},
        {"version 0", FileBytes(1, kWallCaptions, one, "ZIROVI", 0), nullptr},
        {"version -3", FileBytes(1, kWallCaptions, one, "ZIROVI", -3), nullptr},
        {"version 101", FileBytes(1, kWallCaptions, one, "ZIROVI", 101), "无法处理库文件格式"},
        {"other magic", FileBytes(1, kWallCaptions, one, "ZIROVX"), "文件格式不正确"},
        {"library 11", FileBytes(11, kWallCaptions, one), "无法处理库文件格式"},
        {"library 22", FileBytes(22, kWallCaptions, one), "无法处理库文件格式"},
        {"library -1", FileBytes(-1, kWallCaptions, one), "无法处理库文件格式"},
        {"a byte after the end", good + 'x', "文件格式不正确"},
        {"a count past the end", FileBytes(1, kWallCaptions, {}).chopped(4) + Int(1000000), "文件格式不正确"},
        {"a negative count", FileBytes(1, kWallCaptions, {}).chopped(4) + Int(-1), "文件格式不正确"},
        {"records without columns", FileBytes(1, {}, {}).chopped(4) + Int(5), "文件格式不正确"},
        {"a text", QByteArray("plain text, not a library file"), "文件格式不正确"},
        {"nothing", QByteArray(), "文件格式不正确"},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.what);
        Dialogs().MessageBoxes.clear();
        CMatInOut in;
        const bool read = in.ReadFile(c.bytes);
        EXPECT_EQ(read, c.message == nullptr);
        if (c.message) {
            ASSERT_EQ(Dialogs().MessageBoxes.size(), 1);
            EXPECT_EQ(Dialogs().MessageBoxes[0].message, QString::fromUtf8(c.message));
            EXPECT_EQ(Dialogs().MessageBoxes[0].caption, QStringLiteral("错误"));
            EXPECT_EQ(in.GetRecordCount(), 0);
            EXPECT_TRUE(in.Captions().isEmpty());
        } else {
            EXPECT_EQ(in.GetRecordName(0), QStringLiteral("A"));
            EXPECT_EQ(in.Value(0, QStringLiteral("保温材料")), QString()); // an empty text reads back empty
        }
    }
}

TEST_F(LibraryExchange, ATruncatedFileImportsNothing)
{
    QList<QStringList> records;
    for (int i = 0; i < 5; ++i)
        records << QStringList{QStringLiteral("甲"), QStringLiteral("墙%1").arg(i), QString::number(0.5 + i), QStringLiteral("岩棉")};
    const QByteArray file = FileBytes(1, kWallCaptions, records);
    const QStringList before = Walls();
    for (int length = 0; length < file.size(); length += 10) {
        SCOPED_TRACE(length);
        Dialogs().MessageBoxes.clear();
        CMatInOut in;
        EXPECT_FALSE(in.ReadFile(file.left(length)));
        ASSERT_EQ(Dialogs().MessageBoxes.size(), 1);
        CDbQuery query(m_project.ProjectCon);
        in.ImportRecords(query, QByteArray(5, 1), QStringLiteral("OutsideWall_Lib"));
    }
    EXPECT_EQ(Walls(), before);
}

TEST_F(LibraryExchange, AConstructionIsMatchedByNameAndCategoryAndUpdatedAlone)
{
    ExecProject("delete from OutsideWall_Lib");
    Exec(m_project.ProjectCon, CSQLStatement("insert into OutsideWall_Lib (Name, catergory, K_S, InsulationMaterials) "
                                             "values ('A', '甲', 1, '岩棉'), ('A', '乙', 2, '岩棉')"));
    Import(FileBytes(1, kWallCaptions,
                     {{QStringLiteral("乙"), QStringLiteral("A"), QStringLiteral("3"), QString()},
                      {QString(), QStringLiteral("B"), QStringLiteral("4"), QString()},
                      {QStringLiteral("甲"), QStringLiteral("C"), QString(), QString()}}),
           m_project.ProjectCon, QStringLiteral("OutsideWall_Lib"));
    // 乙's A updated alone, its empty value leaving the stored one; B stored under 标准材料; C
    // without a K_S value skipped.
    EXPECT_EQ(Walls(), QStringList({"甲:A=1.0", "乙:A=3.0", "标准材料:B=4.0"}));
    EXPECT_EQ(ProjectColumn("select InsulationMaterials from OutsideWall_Lib where Name = 'A'"),
              QStringList({"岩棉", "岩棉"}));
}

TEST_F(LibraryExchange, UncheckedAndUnnamedRecordsStayOut)
{
    ExecProject("delete from OutsideWall_Lib");
    Import(FileBytes(1, kWallCaptions,
                     {{QStringLiteral("甲"), QStringLiteral("A"), QStringLiteral("1"), QString()},
                      {QStringLiteral("甲"), QString(), QStringLiteral("9"), QString()},
                      {QStringLiteral("甲"), QStringLiteral("B"), QStringLiteral("2"), QString()},
                      {QStringLiteral("甲"), QStringLiteral("C"), QStringLiteral("3"), QString()}}),
           m_project.ProjectCon, QStringLiteral("OutsideWall_Lib"), QByteArray("\1\0\1", 3));
    EXPECT_EQ(Walls(), QStringList({"甲:A=1.0", "甲:C=3.0"}));
}

TEST_F(LibraryExchange, ALayeredConstructionIsComputedAndItsLayersReplaced)
{
    ExecProject("delete from OutsideWall_Lib");
    const QList<QStringList> layers = {
        {QStringLiteral("外保温"), QStringLiteral("L墙"), QStringLiteral("水泥砂浆"), "20", "0.93", "1", "1800", "1050"},
        {QString(), QString(), QStringLiteral("粘土砖"), "240", "0.81", "1", "1800", "1050"},
        {QString(), QString(), QStringLiteral("聚苯板"), "50", "0.042", "1.2", "20", "1380"}};
    CMatInOut in;
    ASSERT_TRUE(in.ReadFile(FileBytes(1, kLayerCaptions, layers)));
    EXPECT_EQ(in.GetRecordName(1), QString()); // one list item per construction
    for (int pass = 0; pass < 2; ++pass) {
        Import(FileBytes(1, kLayerCaptions, layers), m_project.ProjectCon, QStringLiteral("OutsideWall_Lib"),
               QByteArray(1, 1));
        EXPECT_EQ(ProjectColumn("select catergory || ':' || Name from OutsideWall_Lib"), QStringList({"外保温:L墙"}));
        EXPECT_EQ(ProjectColumn("select Name || ' ' || ItemIndex || ' ' || lamda || ' ' || Multiplier || ' ' || Type "
                                "from Material_detail where StructID = (select ID from OutsideWall_Lib) order by ItemIndex"),
                  QStringList({QStringLiteral("水泥砂浆 0 0.93 1.0 0"), QStringLiteral("粘土砖 1 0.81 1.0 0"),
                               QStringLiteral("聚苯板 2 0.042 1.2 0")}))
            << pass;
    }
    // Summer and winter take the one computed value; a wall with 50 of polystyrene lies well
    // under 1 W/(m2 K).
    const QStringList k = ProjectColumn("select K_S from OutsideWall_Lib union all select K_W from OutsideWall_Lib "
                                            "union all select Kesi_S - Kesi_W from OutsideWall_Lib "
                                            "union all select v_S - v_W from OutsideWall_Lib");
    ASSERT_EQ(k.size(), 4);
    EXPECT_EQ(k[0], k[1]);
    EXPECT_GT(k[0].toDouble(), 0.3);
    EXPECT_LT(k[0].toDouble(), 1.0);
    EXPECT_EQ(k[2].toDouble(), 0.0);
    EXPECT_EQ(k[3].toDouble(), 0.0);
}

TEST_F(LibraryExchange, AFailureLeavesTheWholeImportUndone)
{
    ExecProject("delete from OutsideWall_Lib");
    const QList<QStringList> layers = {
        {QStringLiteral("甲"), QStringLiteral("好"), QStringLiteral("砖"), "240", "0.81", "1", "1800", "1050"},
        {QStringLiteral("甲"), QStringLiteral("坏"), QStringLiteral("砖"), "厚", "0.81", "1", "1800", "1050"}};
    QList<QStringList> eleven;
    for (int i = 0; i < 11; ++i)
        eleven << QStringList{i ? QString() : QStringLiteral("甲"), i ? QString() : QStringLiteral("多"),
                              QStringLiteral("砖"), "10", "0.81", "1", "1800", "1050"};
    for (const auto& file : {FileBytes(1, kLayerCaptions, layers), FileBytes(1, kLayerCaptions, eleven)}) {
        CMatInOut in;
        ASSERT_TRUE(in.ReadFile(file));
        CDbQuery query(m_project.ProjectCon);
        EXPECT_THROW(in.ImportRecords(query, QByteArray(2, 1), QStringLiteral("OutsideWall_Lib")), Exception);
        EXPECT_EQ(Walls(), QStringList());
        EXPECT_EQ(ProjectColumn("select count(*) from Material_detail where Name = '砖'"), QStringList({"0"}));
    }
    EXPECT_EQ(Dialogs().OpenProgress, 0);
}

TEST_F(LibraryExchange, WeatherIsMatchedByLibraryNameAndCity)
{
    auto system = Copy(QStringLiteral("System/SysData.dat"), QStringLiteral("Weather"));
    const QStringList captions = {QStringLiteral("库名称"), QStringLiteral("地区"), QStringLiteral("纬度")};
    const QString count = QStringLiteral("select count(*) from WeatherData where City = '试验城'");
    Import(FileBytes(0, captions, {{"甲库", QStringLiteral("试验城"), "30"}}), *system, "WeatherData");
    Import(FileBytes(0, captions, {{"甲库", QStringLiteral("试验城"), "31"}, {"乙库", QStringLiteral("试验城"), "32"}}),
           *system, "WeatherData");
    EXPECT_EQ(Column(*system, CSQLStatement("select Lib_name || ' ' || Latitude from WeatherData where City = '试验城' "
                                            "order by ID")),
              QStringList({"甲库 31.0", "乙库 32.0"}));
    EXPECT_EQ(Column(*system, CSQLStatement(count)), QStringList({"2"}));
}
