#include "cad/CDxfDocument.h"
#include "cad/CDxfReader.h"
#include "cad/CDxfRenderer.h"
#include "cad/CDxfScene.h"
#include "tests/cad/DxfFixture.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <random>

namespace {

CDxfReader::SResult Read(const DxfFixture& dxf, const QString& name = QStringLiteral("plan.dxf"))
{
    return CDxfReader::ReadBytes(dxf.Data(), name);
}

// A drawing with one of every entity the underlay shows, on three layers and in a block.
DxfFixture EveryEntity()
{
    DxfFixture dxf;
    dxf.Section("HEADER")
        .G(9, "$ACADVER")
        .G(1, "AC1015")
        .G(9, "$DWGCODEPAGE")
        .G(3, "ANSI_936")
        .G(9, "$INSUNITS")
        .G(70, 4)
        .G(9, "$EXTMIN")
        .G(10, -10.0)
        .G(20, -5.0)
        .G(30, 0.0)
        .G(9, "$EXTMAX")
        .G(10, 200.0)
        .G(20, 120.0)
        .G(30, 0.0)
        .G(9, "$HANDSEED")
        .G(5, "FFFF")
        .EndSection();
    dxf.Section("TABLES").G(0, "TABLE").G(2, "LTYPE").G(0, "LTYPE").G(2, "DASHED").G(70, 0).G(0, "ENDTAB");
    dxf.G(0, "TABLE").G(2, "LAYER");
    dxf.Layer("WALL", 1).Layer(DxfFixture::Gbk(QStringLiteral("门窗")), -3).Layer("FROZEN", 5, 1);
    dxf.G(0, "ENDTAB").EndSection();
    dxf.Section("BLOCKS").G(0, "BLOCK").G(8, "0").G(2, "DOOR").G(70, 0).G(10, 100.0).G(20, 0.0).G(30, 0.0);
    dxf.Line("0", 100, 0, 100, 90)
        .G(0, "ARC")
        .G(8, "0")
        .G(10, 100.0)
        .G(20, 0.0)
        .G(40, 90.0)
        .G(50, 0.0)
        .G(51, 90.0);
    dxf.G(0, "ENDBLK").G(8, "0").EndSection();
    dxf.Section("ENTITIES");
    dxf.Line("WALL", 0, 0, 100, 0).G(5, "2A").G(1001, "ACAD").G(1000, "extended data");
    dxf.G(0, "LWPOLYLINE").G(8, "WALL").G(90, 3).G(70, 1);
    dxf.G(10, 0.0).G(20, 10.0).G(42, 1.0).G(10, 20.0).G(20, 10.0).G(10, 20.0).G(20, 30.0);
    dxf.G(0, "POLYLINE").G(8, "WALL").G(66, 1).G(70, 0);
    dxf.G(0, "VERTEX").G(8, "WALL").G(10, 1.0).G(20, 2.0).G(0, "VERTEX").G(8, "WALL").G(10, 3.0).G(20, 4.0);
    dxf.G(0, "SEQEND").G(8, "WALL");
    dxf.Circle("FROZEN", 50, 50, 5);
    dxf.G(0, "ARC")
        .G(8, "WALL")
        .G(10, 30.0)
        .G(20, 40.0)
        .G(40, 2.0)
        .G(50, 0.0)
        .G(51, 90.0)
        .G(210, 0.0)
        .G(220, 0.0)
        .G(230, -1.0);
    dxf.G(0, "ELLIPSE")
        .G(8, "WALL")
        .G(10, 60.0)
        .G(20, 60.0)
        .G(11, 10.0)
        .G(21, 0.0)
        .G(40, 0.5)
        .G(41, 0.0)
        .G(42, 6.283185307179586);
    dxf.Text(DxfFixture::Gbk(QStringLiteral("门窗")).constData(), 5, 5, 3,
             DxfFixture::Gbk(QStringLiteral("办公室")));
    dxf.G(0, "MTEXT")
        .G(8, "WALL")
        .G(10, 70.0)
        .G(20, 80.0)
        .G(40, 2.5)
        .G(71, 5)
        .G(3, "First ")
        .G(1, "part\\Psecond");
    dxf.G(0, "INSERT").G(8, "WALL").G(2, "DOOR").G(10, 50.0).G(20, 10.0).G(41, 2.0).G(42, 2.0).G(50, 90.0);
    dxf.G(0, "HATCH").G(8, "WALL").G(91, 99999999).G(10, 1.0);
    dxf.EndSection().Section("OBJECTS").G(0, "DICTIONARY").G(5, "C").EndSection().End();
    return dxf;
}

TEST(DxfReader, ReadsEveryEntityTheUnderlayShows)
{
    const CDxfReader::SResult result = Read(EveryEntity());
    ASSERT_EQ(result.status, CDxfReader::Status::Ok) << result.reason.toStdString();
    const CDxfDocument& d = *result.document;
    EXPECT_EQ(d.version, QStringLiteral("AC1015"));
    EXPECT_EQ(d.insUnits, 4);
    EXPECT_EQ(d.Units(), 1);
    ASSERT_TRUE(d.hasExtents);
    EXPECT_EQ(d.extMinX, -10);
    EXPECT_EQ(d.extMaxY, 120);

    // The layer table in order, then layer 0, named only by the block's entities.
    ASSERT_EQ(d.layers.size(), 4u);
    EXPECT_EQ(d.layers[0].name, QStringLiteral("WALL"));
    EXPECT_EQ(d.layers[0].colour, 1);
    EXPECT_TRUE(d.layers[0].visible);
    EXPECT_EQ(d.layers[1].name, QStringLiteral("门窗"));
    EXPECT_FALSE(d.layers[1].visible) << "switched off by a negative colour";
    EXPECT_EQ(d.layers[1].colour, 3);
    EXPECT_FALSE(d.layers[2].visible) << "frozen";
    EXPECT_EQ(d.layers[3].name, QStringLiteral("0"));

    const SDxfEntities& e = d.entities;
    ASSERT_EQ(e.polylines.size(), 3u) << "the hatch is not read";
    EXPECT_TRUE(e.polylines[0].line);
    EXPECT_EQ(e.polylines[0].attr.layer, 0);
    ASSERT_EQ(e.polylines[1].vertices.size(), 3u);
    EXPECT_TRUE(e.polylines[1].closed);
    EXPECT_EQ(e.polylines[1].vertices[0].bulge, 1);
    EXPECT_EQ(e.polylines[1].vertices[2].y, 30);
    ASSERT_EQ(e.polylines[2].vertices.size(), 2u);
    EXPECT_EQ(e.polylines[2].vertices[1].x, 3);

    ASSERT_EQ(e.arcs.size(), 3u);
    EXPECT_TRUE(e.arcs[0].full);
    EXPECT_EQ(e.arcs[0].majorX, 5);
    // Drawn with its plane turned over: x mirrored, 0..90 degrees becomes 90..180.
    EXPECT_EQ(e.arcs[1].cx, -30);
    EXPECT_NEAR(e.arcs[1].start, M_PI / 2, 1e-12);
    EXPECT_NEAR(e.arcs[1].end, M_PI, 1e-12);
    EXPECT_TRUE(e.arcs[2].full);
    EXPECT_EQ(e.arcs[2].ratio, 0.5);

    ASSERT_EQ(e.texts.size(), 2u);
    EXPECT_EQ(e.texts[0].lines, QStringList{QStringLiteral("办公室")});
    EXPECT_EQ(e.texts[0].attr.layer, 1);
    EXPECT_EQ(e.texts[1].lines, (QStringList{QStringLiteral("First part"), QStringLiteral("second")}));
    EXPECT_EQ(e.texts[1].hAnchor, SDxfText::Centre);
    EXPECT_EQ(e.texts[1].vAnchor, SDxfText::Middle);

    ASSERT_EQ(e.inserts.size(), 1u);
    EXPECT_EQ(e.inserts[0].block, 0);
    EXPECT_EQ(e.inserts[0].angle, 90);
    EXPECT_EQ(e.inserts[0].scaleX, 2);
    ASSERT_EQ(d.blocks.size(), 1u);
    EXPECT_EQ(d.blocks[0].baseX, 100);
    EXPECT_EQ(d.blocks[0].entities.polylines.size(), 1u);
    EXPECT_EQ(d.blocks[0].entities.arcs.size(), 1u);
}

struct TextCase
{
    const char* name;
    const char* version;
    const char* codePage; // null: none in the header
    QByteArray bytes;
    QString expected;
};

TEST(DxfReader, ChineseTextsInEveryEncoding)
{
    const QString office = QStringLiteral("办公室");
    const std::vector<TextCase> cases = {
        {"GBK by code page", "AC1015", "ANSI_936", DxfFixture::Gbk(office), office},
        {"UTF-8 from AutoCAD 2007 on", "AC1021", "ANSI_1252", office.toUtf8(), office},
        {"GBK without code page", "AC1009", nullptr, DxfFixture::Gbk(office), office},
        {"UTF-8 without code page", "AC1009", nullptr, office.toUtf8(), office},
        {"Unicode escapes", "AC1015", "ANSI_1252", "\\U+529E\\U+516C\\U+5BA4", office},
        {"GBK escape", "AC1015", "ANSI_1252", "\\M+5B0EC\\M+5B9AB\\M+5CAD2", office},
        {"western code page", "AC1015", "ANSI_1252", "Caf\xe9", QStringLiteral("Café")},
    };
    for (const TextCase& c : cases) {
        DxfFixture dxf;
        dxf.Header(c.version, c.codePage)
            .Section("ENTITIES")
            .Text("0", 0, 0, 2.5, c.bytes)
            .EndSection()
            .End();
        const CDxfReader::SResult result = Read(dxf);
        ASSERT_EQ(result.status, CDxfReader::Status::Ok) << c.name;
        ASSERT_EQ(result.document->entities.texts.size(), 1u) << c.name;
        EXPECT_EQ(result.document->entities.texts[0].lines, QStringList{c.expected}) << c.name;
    }
}

TEST(DxfReader, TextControlCodesAndMTextFormatting)
{
    DxfFixture dxf;
    dxf.Header("AC1021").Section("ENTITIES");
    dxf.Text("0", 0, 0, 2.5, "%%c100 %%d %%p5 %%uA%%u 100%%%");
    dxf.G(0, "MTEXT").G(8, "0").G(10, 0.0).G(20, 0.0).G(40, 2.5);
    dxf.G(
        1,
        QStringLiteral("{\\fSimSun|b0|i0;一层}\\P\\H2.5;平面图 \\S1^2;\\P\\C1;a\\~b \\\\ \\{x\\}").toUtf8());
    dxf.EndSection().End();
    const CDxfReader::SResult result = Read(dxf);
    ASSERT_EQ(result.status, CDxfReader::Status::Ok);
    const auto& texts = result.document->entities.texts;
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].lines.value(0), QStringLiteral("Ø100 ° ±5 A 100%"));
    EXPECT_EQ(texts[1].lines, (QStringList{QStringLiteral("一层"), QStringLiteral("平面图 1/2"),
                                           QStringLiteral("a b \\ {x}")}));
}

struct RefusalCase
{
    const char* name;
    QByteArray data;
    QString fileName;
    CDxfReader::Status status;
    QString says; // a part of the reason the user reads
};

TEST(DxfReader, RefusesWhatItCannotRead)
{
    const QByteArray good = DxfFixture::Rectangle(10, 10).Data();
    QByteArray noEof = good;
    noEof.chop(QByteArray("0\nEOF\n").size());
    QByteArray badCoordinate = good;
    badCoordinate.replace("\n10\n0\n20\n0\n", "\n10\n0\n20\nzero\n");
    const std::vector<RefusalCase> cases = {
        {"DWG by name", good, QStringLiteral("一层.DWG"), CDxfReader::Status::Dwg,
         QStringLiteral("另存为DXF")},
        {"DWG by content", QByteArray("AC1018\0\0\0\0\x01\x02", 12), QStringLiteral("plan.dxf"),
         CDxfReader::Status::Dwg, QStringLiteral("DWG")},
        {"binary DXF", QByteArray("AutoCAD Binary DXF\r\n\x1a\0", 22), QStringLiteral("plan.dxf"),
         CDxfReader::Status::BinaryDxf, QStringLiteral("ASCII")},
        {"truncated", noEof, QStringLiteral("plan.dxf"), CDxfReader::Status::Damaged, QStringLiteral("EOF")},
        {"code without value", QByteArray("0\nSECTION\n2\nENTITIES\n0"), QStringLiteral("plan.dxf"),
         CDxfReader::Status::Damaged, QStringLiteral("没有值")},
        {"anything after EOF", good + "999\n", QStringLiteral("plan.dxf"), CDxfReader::Status::Ok, QString()},
        {"group code not a number", QByteArray("0\nSECTION\n2\nENTITIES\nX\nLINE\n0\nEOF\n"),
         QStringLiteral("plan.dxf"), CDxfReader::Status::Damaged, QStringLiteral("第5行")},
        {"coordinate not a number", badCoordinate, QStringLiteral("plan.dxf"), CDxfReader::Status::Damaged,
         QStringLiteral("组码20")},
        {"section without name", QByteArray("0\nSECTION\n0\nEOF\n"), QStringLiteral("plan.dxf"),
         CDxfReader::Status::Damaged, QStringLiteral("段名")},
        {"empty file", QByteArray(), QStringLiteral("plan.dxf"), CDxfReader::Status::Damaged,
         QStringLiteral("EOF")},
    };
    for (const RefusalCase& c : cases) {
        const CDxfReader::SResult result = CDxfReader::ReadBytes(c.data, c.fileName);
        EXPECT_EQ(result.status, c.status) << c.name << ": " << result.reason.toStdString();
        EXPECT_TRUE(result.reason.contains(c.says)) << c.name << ": " << result.reason.toStdString();
        EXPECT_EQ(result.document == nullptr, c.status != CDxfReader::Status::Ok) << c.name;
    }
}

// Counts and lengths that would mislead the parser: a vertex count far beyond the vertices, a
// text longer than the parser's line buffer, a block that inserts itself.
TEST(DxfReader, HostileCountsAndLengthsAreHarmless)
{
    const QByteArray longText(5000, 'x');
    DxfFixture dxf;
    dxf.Section("BLOCKS").G(0, "BLOCK").G(2, "SELF").G(10, 0.0).G(20, 0.0);
    dxf.Line("0", 0, 0, 1, 1).G(0, "INSERT").G(8, "0").G(2, "SELF").G(10, 1.0).G(20, 1.0);
    dxf.G(0, "ENDBLK").EndSection();
    dxf.Section("ENTITIES");
    dxf.G(0, "LWPOLYLINE").G(8, "0").G(90, 2147483647).G(10, 0.0).G(20, 0.0).G(10, 5.0).G(20, 5.0);
    dxf.G(0, "LWPOLYLINE")
        .G(8, "0")
        .G(90, -7)
        .G(10, 1.0)
        .G(20, 0.0)
        .G(10, 2.0)
        .G(20, 0.0)
        .G(10, 3.0)
        .G(20, 1.0);
    dxf.G(0, "MTEXT").G(8, "0").G(10, 0.0).G(20, 0.0).G(40, 1.0).G(1, longText);
    dxf.Text("0", 0, 0, 1, longText);
    dxf.G(0, "INSERT").G(8, "0").G(2, "SELF").G(10, 0.0).G(20, 0.0);
    dxf.EndSection().End();
    const CDxfReader::SResult result = Read(dxf);
    ASSERT_EQ(result.status, CDxfReader::Status::Ok) << result.reason.toStdString();
    const SDxfEntities& e = result.document->entities;
    ASSERT_EQ(e.polylines.size(), 2u);
    EXPECT_EQ(e.polylines[0].vertices.size(), 2u);
    EXPECT_EQ(e.polylines[1].vertices.size(), 3u);
    ASSERT_EQ(e.texts.size(), 2u);
    EXPECT_EQ(e.texts[0].lines.value(0), QString::fromLatin1(longText)) << "the long content is whole";
    EXPECT_FALSE(e.texts[1].lines.value(0).isEmpty());

    CDxfScene scene;
    QString fault;
    ASSERT_TRUE(scene.Build(*result.document, fault)) << fault.toStdString();
    // Two polylines and two texts, plus one line per nesting level of the self-insert.
    EXPECT_EQ(scene.Polylines().size(), 2u + 16u);
}

TEST(DxfReader, ArraysBeyondTheLimitAreRefused)
{
    DxfFixture dxf;
    dxf.Section("BLOCKS")
        .G(0, "BLOCK")
        .G(2, "B")
        .G(10, 0.0)
        .G(20, 0.0)
        .Line("0", 0, 0, 1, 0)
        .G(0, "ENDBLK")
        .EndSection();
    dxf.Section("ENTITIES").G(0, "INSERT").G(8, "0").G(2, "B").G(10, 0.0).G(20, 0.0);
    dxf.G(70, 30000).G(71, 30000).G(44, 2.0).G(45, 2.0).EndSection().End();
    const CDxfReader::SResult result = Read(dxf);
    ASSERT_EQ(result.status, CDxfReader::Status::Ok);
    CDxfScene scene;
    QString fault;
    EXPECT_FALSE(scene.Build(*result.document, fault));
    EXPECT_TRUE(fault.contains(QStringLiteral("超过"))) << fault.toStdString();
}

// Every cut of a good file before its end is refused with a reason.
TEST(DxfReader, TruncatedFilesAreRefused)
{
    const QByteArray data = EveryEntity().Data();
    const qsizetype eof = data.lastIndexOf("\nEOF");
    for (qsizetype length = 0; length <= eof; ++length) {
        const CDxfReader::SResult result =
            CDxfReader::ReadBytes(data.left(length), QStringLiteral("plan.dxf"));
        ASSERT_EQ(result.status, CDxfReader::Status::Damaged) << "cut at " << length;
        ASSERT_FALSE(result.reason.isEmpty());
    }
}

// Garbled copies of a good file: each is refused with a reason or read, drawn and measured
// without fault (the sanitizer build watches every access).
TEST(DxfReader, GarbledFilesNeverCrash)
{
    const QByteArray data = EveryEntity().Data();
    const QByteArray alphabet("0123456789-.eE\n\r ABCDEFGHIJKLMNOPQRSTUVWXYZ\\%{}^;\x80\xfe\xff");
    std::mt19937 random(20240611);
    QImage image(64, 64, QImage::Format_RGB32);
    CDxfRenderer renderer;
    int read = 0;
    for (int variant = 0; variant < 1500; ++variant) {
        QByteArray garbled = data;
        const int changes = 1 + int(random() % 6);
        for (int i = 0; i < changes; ++i) {
            const auto at = qsizetype(random() % quint32(garbled.size()));
            if (random() % 4 == 0)
                garbled.remove(at, 1 + qsizetype(random() % 8));
            else
                garbled[at] = alphabet[qsizetype(random() % quint32(alphabet.size()))];
        }
        const CDxfReader::SResult result = CDxfReader::ReadBytes(garbled, QStringLiteral("plan.dxf"));
        if (result.status != CDxfReader::Status::Ok) {
            ASSERT_FALSE(result.reason.isEmpty()) << "variant " << variant;
            continue;
        }
        ++read;
        CDxfScene scene;
        QString fault;
        if (!scene.Build(*result.document, fault)) {
            ASSERT_FALSE(fault.isEmpty());
            continue;
        }
        ASSERT_GT(scene.BoxWidth(), 0);
        ASSERT_GT(scene.BoxHeight(), 0);
        image.fill(Qt::white);
        QPainter painter(&image);
        renderer.Render(scene, painter, {scene.BoxWidth() / 60, 2, 2, scene.BoxHeight()}, image.rect());
    }
    EXPECT_GT(read, 0) << "some garbles only touch texts and must still read";
}

} // namespace
