#include "cad/model/CADInfoFile.h"
#include "cad/model/CCADInfo.h"

#include <gtest/gtest.h>

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextCodec>
#include <limits>
#include <map>
#include <vector>

namespace {

// Builds file bytes independently of the program's writer: QDataStream, little-endian.
class Bytes
{
public:
    Bytes& Raw(const QByteArray& bytes)
    {
        m_data.append(bytes);
        return *this;
    }
    Bytes& Magic() { return Raw(QByteArray("QOR-CAD\0\0\0", 10)); }
    Bytes& Int(qint32 value)
    {
        Stream() << value;
        return *this;
    }
    Bytes& Dbl(double value)
    {
        Stream() << value;
        return *this;
    }
    Bytes& Text(const QString& text)
    {
        const QByteArray gbk = QTextCodec::codecForName("GBK")->fromUnicode(text);
        Int(qint32(gbk.size()));
        return Raw(gbk);
    }
    const QByteArray& Data() const { return m_data; }

private:
    struct LittleEndianStream : QDataStream
    {
        explicit LittleEndianStream(QByteArray* data)
            : QDataStream(data, QIODevice::WriteOnly | QIODevice::Append)
        {
            setByteOrder(QDataStream::LittleEndian);
            setFloatingPointPrecision(QDataStream::DoublePrecision);
        }
    };
    LittleEndianStream Stream() { return LittleEndianStream(&m_data); }

    QByteArray m_data;
};

// Drawing reference: file name, north, unit, origin.
Bytes& Drawing(Bytes& b, const QString& file, int north, int unit, double x, double y)
{
    return b.Text(file).Int(north).Int(unit).Dbl(x).Dbl(y);
}

// Two storeys: the first without outline, with one room of one wall and an unnamed wall;
// the second with a three-corner outline and no rooms.
QByteArray SampleFile()
{
    Bytes b;
    b.Magic().Int(101).Int(2);
    b.Int(7);
    Drawing(b, QStringLiteral("一层.dxf"), 30, 0, 1.5, -2);
    b.Int(0);                                           // no outline, so no outline area
    b.Int(1);                                           // one room
    b.Text(QStringLiteral("办公室")).Int(12).Dbl(20.5); // name, room element id, area
    b.Int(2);                                           // walls
    b.Int(3).Int(1).Int(44).Dbl(4.5).Dbl(3).Dbl(13.5).Text(QString()).Text(QStringLiteral("走廊")).Int(90);
    b.Int(-1).Int(0).Int(-1).Dbl(6).Dbl(3).Dbl(18).Text(QStringLiteral("外墙1")).Text(QString()).Int(180);
    b.Dbl(3);                                // room height
    b.Int(2).Dbl(0).Dbl(0).Dbl(4500).Dbl(0); // points
    b.Int(8);
    Drawing(b, QString(), 0, 3, 0, 0);
    b.Int(3).Dbl(0).Dbl(0).Dbl(4).Dbl(0).Dbl(4).Dbl(3); // outline
    b.Dbl(6);                                           // outline area
    b.Int(0);
    return b.Data();
}

class CADInfoFileTest : public ::testing::Test
{
protected:
    QString PathOf(const QString& name) const { return m_dir.filePath(name); }

    QString Write(const QByteArray& bytes, const QString& name = QStringLiteral("Office.qcd")) const
    {
        const QString path = PathOf(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }

    static QByteArray Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void AddStorey(CCADInfo& model, int id)
    {
        auto* storey = new CADStoreyInfo;
        storey->storeyId = id;
        model.Add(storey);
    }

    QTemporaryDir m_dir;
};

TEST_F(CADInfoFileTest, EmptyModelIsEighteenBytes)
{
    CCADInfo model;
    const QString path = PathOf(QStringLiteral("Empty.qcd"));
    EXPECT_EQ(SaveCadInfoFile(model, path), 1);
    EXPECT_EQ(Read(path), Bytes().Magic().Int(101).Int(0).Data());
}

TEST_F(CADInfoFileTest, ReadsEveryFieldAndWritesTheSameBytes)
{
    const QString path = Write(SampleFile());
    CCADInfo model;
    AddStorey(model, 99);
    ASSERT_EQ(LoadCadInfoFile(model, path), 1);
    EXPECT_FALSE(model.LoadFailed());
    ASSERT_EQ(model.Count(), 2);

    CADStoreyInfo* first = model.Get(0);
    EXPECT_EQ(first->storeyId, 7);
    EXPECT_EQ(first->drawing.fileName, QStringLiteral("一层.dxf"));
    EXPECT_EQ(first->drawing.north, 30);
    EXPECT_EQ(first->drawing.unit, 0);
    EXPECT_EQ(first->drawing.originX, 1.5);
    EXPECT_EQ(first->drawing.originY, -2);
    EXPECT_EQ(first->outline.Count(), 0);
    EXPECT_EQ(first->outlineArea, 0);
    ASSERT_EQ(first->rooms.Count(), 1);
    CCADAreaInfo* room = first->rooms.Get(0);
    EXPECT_EQ(room->name, QStringLiteral("办公室"));
    EXPECT_EQ(room->roomElementId, 12);
    EXPECT_EQ(room->area, 20.5);
    EXPECT_EQ(room->height, 3);
    ASSERT_EQ(room->points.Count(), 2);
    EXPECT_EQ(room->points.Get(1)->x, 4500);
    ASSERT_EQ(room->walls.Count(), 2);
    const CCADWallInfo* wall = room->walls.Get(0);
    EXPECT_EQ(wall->id, 3);
    EXPECT_EQ(wall->kind, 1);
    EXPECT_EQ(wall->nodeId, 44);
    EXPECT_EQ(wall->length, 4.5);
    EXPECT_EQ(wall->height, 3);
    EXPECT_EQ(wall->area, 13.5);
    EXPECT_TRUE(wall->name.isEmpty());
    EXPECT_EQ(wall->adjacentRoom, QStringLiteral("走廊"));
    EXPECT_EQ(wall->orientation, 90);
    EXPECT_EQ(room->walls.Get(1)->name, QStringLiteral("外墙1"));

    CADStoreyInfo* second = model.FindStorey(8);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->drawing.fileName.isEmpty());
    EXPECT_EQ(second->outline.Count(), 3);
    EXPECT_EQ(second->outlineArea, 6);

    const QString copy = PathOf(QStringLiteral("Copy.qcd"));
    EXPECT_EQ(SaveCadInfoFile(model, copy), 1);
    EXPECT_EQ(Read(copy), SampleFile());
}

TEST_F(CADInfoFileTest, OlderFilesFindWallNodesInTheProjectTree)
{
    Bytes b;
    b.Magic().Int(100).Int(1).Int(1);
    Drawing(b, QString(), 0, 0, 0, 0);
    b.Int(0).Int(1);
    b.Text(QStringLiteral("房间-1")).Int(5).Dbl(1).Int(5);
    const int kinds[] = {0, 1, 2, 3, 7};
    for (int i = 0; i < 5; ++i) // no node id in version 100
        b.Int(i + 1).Int(kinds[i]).Dbl(1).Dbl(3).Dbl(3).Text(QString()).Text(QString()).Int(0);
    b.Dbl(3).Int(0);
    const QString path = Write(b.Data());

    // Element type and element id -> node id; the gap wall's element (24, 4) is gone.
    const std::map<std::pair<int, int>, int> tree = {{{9, 1}, 101}, {{13, 2}, 102}, {{12, 3}, 103}};
    std::vector<std::pair<int, int>> asked;
    const CADNodeIdResolver resolver = [&](int type, int id) {
        asked.emplace_back(type, id);
        const auto it = tree.find({type, id});
        return it == tree.end() ? -1 : it->second;
    };

    CCADInfo model;
    ASSERT_EQ(LoadCadInfoFile(model, path, resolver), 1);
    CCADAreaInfo* room = model.Get(0)->rooms.Get(0);
    std::vector<int> nodeIds;
    for (int i = 0; i < room->walls.Count(); ++i)
        nodeIds.push_back(room->walls.Get(i)->nodeId);
    EXPECT_EQ(nodeIds, (std::vector<int>{101, 102, 103, -1, -1}));
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{9, 1}, {13, 2}, {12, 3}, {24, 4}}))
        << "a kind outside 0..3 has no element type to look for";

    ASSERT_EQ(SaveCadInfoFile(model, path), 1);
    EXPECT_EQ(Read(path).mid(10, 4), Bytes().Int(101).Data());
    CCADInfo reloaded;
    ASSERT_EQ(LoadCadInfoFile(reloaded, path), 1);
    EXPECT_EQ(reloaded.Get(0)->rooms.Get(0)->walls.Get(2)->nodeId, 103);

    CCADInfo noTree;
    ASSERT_EQ(LoadCadInfoFile(noTree, Write(b.Data(), QStringLiteral("Old.qcd"))), 1);
    EXPECT_EQ(noTree.Get(0)->rooms.Get(0)->walls.Get(0)->nodeId, -1);
}

struct LoadCase
{
    const char* name;
    QByteArray bytes;
    int result;
    const char* message; // part of the reason given for a refusal
};

Bytes StoreyHead(int version = 101)
{
    Bytes b;
    b.Magic().Int(version).Int(1).Int(1);
    return b;
}

TEST_F(CADInfoFileTest, RefusesWhatIsNotAReadableModel)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<LoadCase> cases;
    cases.push_back({"wrong magic", Bytes().Raw(QByteArray("QOR-CAX\0\0\0", 10)).Int(101).Int(0).Data(), 0,
                     "不是CAD模型文件"});
    cases.push_back({"shorter than the magic", QByteArray("QOR"), 0, "不是CAD模型文件"});
    cases.push_back({"empty file", QByteArray(), 0, "不是CAD模型文件"});
    cases.push_back({"bytes after the magic's NUL are not looked at",
                     Bytes().Raw(QByteArray("QOR-CAD\0XY", 10)).Int(101).Int(0).Data(), 1, ""});
    cases.push_back({"newer version", Bytes().Magic().Int(102).Int(0).Data(), 0, "更高版本"});
    cases.push_back({"negative storey count", Bytes().Magic().Int(101).Int(-1).Data(), 0, "数量-1无效"});
    cases.push_back(
        {"storey count beyond the file", Bytes().Magic().Int(101).Int(1000000).Data(), 0, "无效"});
    {
        Bytes b = StoreyHead();
        b.Int(0x7fffffff).Raw(QByteArray(64, 0)); // file name length
        cases.push_back({"huge text length", b.Data(), 0, "文字长度2147483647超出文件"});
    }
    {
        Bytes b = StoreyHead();
        Drawing(b, QString(), 0, 0, 0, 0).Int(0x10000000).Raw(QByteArray(64, 0));
        cases.push_back({"huge point count", b.Data(), 0, "数量268435456无效"});
    }
    {
        Bytes b = StoreyHead();
        Drawing(b, QString(), 0, 0, 0, 0).Int(1).Dbl(nan).Dbl(0).Dbl(0).Int(0);
        cases.push_back({"NaN corner", b.Data(), 0, "数值无效"});
    }
    {
        Bytes b = StoreyHead();
        Drawing(b, QString(), 0, 9, 0, 0).Int(0).Int(0);
        cases.push_back({"unknown drawing unit", b.Data(), 0, "图纸单位9无效"});
    }
    {
        Bytes b = StoreyHead();
        b.Int(-5).Int(0).Int(0).Dbl(0).Dbl(0).Int(0).Int(0); // negative text length is the empty text
        cases.push_back({"negative text length", b.Data(), 1, ""});
    }

    for (const LoadCase& c : cases) {
        const QString path = Write(c.bytes);
        CCADInfo model;
        AddStorey(model, 1);
        EXPECT_EQ(LoadCadInfoFile(model, path), c.result) << c.name;
        EXPECT_EQ(model.LoadFailed(), c.result == 0) << c.name;
        if (c.result == 0) {
            EXPECT_EQ(model.Count(), 0) << c.name;
            EXPECT_TRUE(model.LoadError().contains(QString::fromUtf8(c.message)))
                << c.name << ": " << model.LoadError().toStdString();
            EXPECT_TRUE(model.LoadError().contains(path)) << c.name;
        }
    }
}

TEST_F(CADInfoFileTest, EveryTruncationIsRefusedWithAnEmptyModel)
{
    const QByteArray full = SampleFile();
    for (qsizetype size = 0; size < full.size(); ++size) {
        const QString path = Write(full.left(size));
        CCADInfo model;
        EXPECT_EQ(LoadCadInfoFile(model, path), 0) << size;
        EXPECT_EQ(model.Count(), 0) << size;
        EXPECT_TRUE(model.LoadFailed()) << size;
    }
}

TEST_F(CADInfoFileTest, MissingFileIsAnEmptyModelButAnUnreadableOneIsNot)
{
    CCADInfo model;
    AddStorey(model, 1);
    EXPECT_EQ(LoadCadInfoFile(model, PathOf(QStringLiteral("None.qcd"))), 1);
    EXPECT_EQ(model.Count(), 0);
    EXPECT_FALSE(model.LoadFailed());

    const QString folder = PathOf(QStringLiteral("Folder.qcd"));
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_EQ(LoadCadInfoFile(model, folder), 0);
    EXPECT_TRUE(model.LoadFailed());
    EXPECT_TRUE(model.LoadError().contains(QStringLiteral("无法打开")));
}

TEST_F(CADInfoFileTest, AFileThatFailedToLoadIsNeverOverwritten)
{
    const QByteArray damaged = SampleFile().left(60);
    const QString path = Write(damaged);
    CCADInfo model;
    ASSERT_EQ(LoadCadInfoFile(model, path), 0);
    AddStorey(model, 3); // the user goes on modelling

    QString message;
    EXPECT_EQ(SaveCadInfoFile(model, path, &message), 0);
    EXPECT_TRUE(message.contains(QStringLiteral("没有保存"))) << message.toStdString();
    EXPECT_EQ(Read(path), damaged);
    EXPECT_EQ(SaveCadInfoFile(model, QDir(m_dir.path()).filePath(QStringLiteral("./Office.qcd"))), 0)
        << "the same file under another spelling";
    EXPECT_EQ(Read(path), damaged);

    EXPECT_EQ(SaveCadInfoFile(model, PathOf(QStringLiteral("Other.qcd"))), 1)
        << "other files are not protected";

    // Once the damaged file has been moved away, saving writes the model again.
    ASSERT_TRUE(QFile::rename(path, PathOf(QStringLiteral("Office.bad"))));
    ASSERT_EQ(SaveCadInfoFile(model, path), 1);
    CCADInfo reloaded;
    ASSERT_EQ(LoadCadInfoFile(reloaded, path), 1);
    EXPECT_NE(reloaded.FindStorey(3), nullptr);

    // A good load and closing the project both forget the earlier failure.
    ASSERT_EQ(LoadCadInfoFile(model, Write(damaged, QStringLiteral("B.qcd"))), 0);
    ASSERT_EQ(LoadCadInfoFile(model, path), 1);
    EXPECT_FALSE(model.LoadFailed());
    ASSERT_EQ(LoadCadInfoFile(model, Write(damaged, QStringLiteral("C.qcd"))), 0);
    model.Clear();
    EXPECT_FALSE(model.LoadFailed());
}

TEST_F(CADInfoFileTest, SaveReplacesTheWholeFileOrNothing)
{
    const QString path = Write(SampleFile());
    CCADInfo model;
    ASSERT_EQ(SaveCadInfoFile(model, path), 1);
    EXPECT_EQ(Read(path).size(), 18) << "no bytes of the longer previous file remain";
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1) << "no temporary file left";

    QString message;
    EXPECT_EQ(SaveCadInfoFile(model, PathOf(QStringLiteral("missing/Office.qcd")), &message), 0);
    EXPECT_TRUE(message.contains(QStringLiteral("无法创建"))) << message.toStdString();

    const QString folder = PathOf(QStringLiteral("Folder.qcd"));
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_EQ(SaveCadInfoFile(model, folder, &message), 0);
    EXPECT_TRUE(message.contains(QStringLiteral("无法创建"))) << message.toStdString();
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

} // namespace
