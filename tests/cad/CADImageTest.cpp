#include "cad/CCADImage.h"
#include "platform/core/CTool.h"
#include "tests/cad/DxfFixture.h"
#include "tests/cad/GuiTestApplication.h"
#include "tests/support/CFakeToolDialogs.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>

namespace {

class CADImageTest : public ::testing::Test
{
protected:
    CADImageTest() : m_tool(std::make_unique<CFakeToolDialogs>()) {}

    CFakeToolDialogs& Dialogs() { return static_cast<CFakeToolDialogs&>(m_tool.Dialogs()); }

    QString Write(const QString& name, const QByteArray& data)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
        return path;
    }

    // A drawing whose box is exactly 2000 x 1000 (header extents at the drawing's corners).
    QString Plan(const std::function<void(DxfFixture&)>& entities, int measurement = 1)
    {
        DxfFixture dxf;
        dxf.Section("HEADER")
            .G(9, "$EXTMIN")
            .G(10, 0.0)
            .G(20, 0.0)
            .G(30, 0.0)
            .G(9, "$EXTMAX")
            .G(10, 2000.0)
            .G(20, 1000.0)
            .G(30, 0.0)
            .G(9, "$MEASUREMENT")
            .G(70, measurement)
            .EndSection();
        dxf.Section("TABLES").G(0, "TABLE").G(2, "LAYER");
        dxf.Layer("WALL", 1).Layer("HIDDEN", -5).Layer("NOTE", 7);
        dxf.G(0, "ENDTAB").EndSection().Section("ENTITIES");
        entities(dxf);
        dxf.EndSection().End();
        return Write(QStringLiteral("plan.dxf"), dxf.Data());
    }

    QImage Render(CCADImage& image, int width, int height)
    {
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        image.Draw(painter);
        return picture;
    }

    CTool m_tool;
    QTemporaryDir m_dir;
};

int CountPixels(const QImage& picture, const QRect& area, const std::function<bool(QRgb)>& wanted)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += wanted(picture.pixel(x, y)) ? 1 : 0;
    return count;
}

bool IsRed(QRgb c)
{
    return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80;
}

bool IsInk(QRgb c)
{
    return qGray(c) < 200;
}

TEST_F(CADImageTest, ZoomSteps)
{
    CCADImage image;
    ASSERT_TRUE(image.Open(Plan([](DxfFixture& d) { d.Line("WALL", 0, 0, 2000, 1000); })));
    const struct
    {
        int amount;
        double scale; // 1.04 or 0.96 per whole step of 4
    } cases[] = {{0, 1}, {3, 1}, {-3, 1}, {4, 1.04}, {5, 1.04}, {-5, 0.96}, {8, 1.0816}, {-8, 0.9216}};
    for (const auto& c : cases) {
        image.ResetView();
        image.Zoom(c.amount, QPoint(100, 100));
        EXPECT_NEAR(image.Scale(), c.scale, 1e-12) << c.amount;
    }
}

TEST_F(CADImageTest, ZoomKeepsThePointUnderTheCursor)
{
    CCADImage image;
    ASSERT_TRUE(image.Open(Plan([](DxfFixture& d) { d.Line("WALL", 0, 0, 2000, 1000); })));
    image.FitAll(600, 800);
    for (const QPoint cursor : {QPoint(0, 100), QPoint(400, 300), QPoint(777, 512)}) {
        for (const int amount : {4, 8, -8, 40, -5}) {
            const double x = image.ScreenToDrawingX(cursor.x());
            const double y = image.ScreenToDrawingY(cursor.y());
            image.Zoom(amount, cursor);
            // The offsets are whole pixels: the point may move by less than one pixel.
            EXPECT_NEAR(image.ScreenToDrawingX(cursor.x()), x, image.UnitsPerPixel()) << amount;
            EXPECT_NEAR(image.ScreenToDrawingY(cursor.y()), y, image.UnitsPerPixel()) << amount;
        }
    }
}

TEST_F(CADImageTest, FittingTheDrawingIntoTheView)
{
    CCADImage image;
    ASSERT_TRUE(image.Open(Plan([](DxfFixture& d) { d.Line("WALL", 0, 0, 2000, 1000); })));
    EXPECT_EQ(image.GetBoxWidth(), 2000);
    EXPECT_EQ(image.GetBoxHeight(), 1000);

    // Twice as wide as high in 800 x 600: the width fills the view, the height is centred.
    image.FitAll(600, 800);
    EXPECT_EQ(image.offsetX, 0);
    EXPECT_EQ(image.offsetY, 100);
    EXPECT_EQ(image.GetDrawnSize(), QSize(800, 400));
    EXPECT_NEAR(image.UnitsPerPixel(), 2.5, 1e-12);
    EXPECT_NEAR(image.ScreenToDrawingX(0), 0, 1e-9);
    EXPECT_NEAR(image.ScreenToDrawingY(100), 1000, 1e-9);
    EXPECT_NEAR(image.ScreenToDrawingX(800), 2000, 1e-9);
    EXPECT_NEAR(image.ScreenToDrawingY(500), 0, 1e-9);
    EXPECT_NEAR(image.DrawingToScreenX(1000), 400, 1e-9);
    EXPECT_NEAR(image.DrawingToScreenY(500), 300, 1e-9);
    EXPECT_NEAR(image.PixelsToDrawing(10), 25, 1e-9);
    EXPECT_TRUE(image.Contains(QPoint(400, 300)));
    EXPECT_FALSE(image.Contains(QPoint(400, 50)));

    // Fitting the height overfills the width and centres it: 1200 pixels wide in 800.
    image.FitHeight(600, 800);
    EXPECT_EQ(image.GetDrawnSize(), QSize(1200, 600));
    EXPECT_EQ(image.offsetX, -200);
    EXPECT_EQ(image.offsetY, 0);
    image.FitWidth(600, 800);
    EXPECT_EQ(image.GetDrawnSize(), QSize(800, 400));

    // A rectangle of the drawing fills the view's width with two pixels to spare and is centred
    // vertically (up to whole pixels).
    image.FitRect(600, 800, 500, 800, 1500, 300);
    EXPECT_NEAR(image.DrawingToScreenX(500), 2, 1.5);
    EXPECT_NEAR(image.DrawingToScreenX(1500), 798, 1.5);
    EXPECT_NEAR((image.DrawingToScreenY(800) + image.DrawingToScreenY(300)) / 2, 300, 1.5);
}

TEST_F(CADImageTest, ADrawingSmallerThanAPixelIsStillOnePixel)
{
    CCADImage image;
    ASSERT_TRUE(image.Open(Plan([](DxfFixture& d) { d.Line("WALL", 0, 0, 2000, 1000); })));
    image.ResetView();
    for (int i = 0; i < 60; ++i)
        image.Zoom(-40, QPoint(0, 0));
    EXPECT_EQ(image.GetDrawnSize().width(), 0);
    EXPECT_EQ(image.UnitsPerPixel(), 2000) << "the whole width in one pixel";
    Render(image, 10, 10);
}

TEST_F(CADImageTest, ImperialDrawingsMeasureInInches)
{
    CCADImage metric;
    ASSERT_TRUE(metric.Open(Plan([](DxfFixture& d) { d.Line("WALL", 0, 0, 2000, 1000); })));
    CCADImage imperial;
    ASSERT_TRUE(imperial.Open(Plan([](DxfFixture& d) { d.Line("WALL", 0, 0, 2000, 1000); }, 0)));
    EXPECT_EQ(metric.Units(), 1);
    EXPECT_EQ(imperial.Units(), 0);
    EXPECT_NEAR(imperial.PixelSize(), metric.PixelSize() / 25.4, 1e-12);
}

TEST_F(CADImageTest, LayersShowAndHide)
{
    EnsureGuiTestApplication();
    CCADImage image;
    ASSERT_TRUE(image.Open(Plan([](DxfFixture& d) {
        d.Line("WALL", 0, 500, 2000, 500);     // red by its layer
        d.Line("HIDDEN", 1000, 0, 1000, 1000); // its layer is switched off in the drawing
        d.Text("NOTE", 100, 700, 150, "ROOM");
    })));
    ASSERT_EQ(image.GetLayerCount(), 3);
    EXPECT_EQ(image.GetLayerName(0), QStringLiteral("WALL"));
    EXPECT_EQ(image.GetLayerName(5), QString());
    EXPECT_TRUE(image.IsLayerVisible(0));
    EXPECT_FALSE(image.IsLayerVisible(1));

    image.FitAll(100, 200); // 10 drawing units per pixel
    const QRect wallRow(0, 49, 200, 3);
    const QRect hiddenColumn(99, 0, 3, 40);
    const QRect note(5, 10, 60, 25);
    QImage picture = Render(image, 200, 100);
    EXPECT_GT(CountPixels(picture, wallRow, IsRed), 150);
    EXPECT_EQ(CountPixels(picture, hiddenColumn, IsInk), 0);
    EXPECT_GT(CountPixels(picture, note, IsInk), 20) << "the text is drawn";

    image.SetLayerVisible(0, false);
    image.SetLayerVisible(1, true);
    image.SetLayerVisible(2, false);
    picture = Render(image, 200, 100);
    EXPECT_EQ(CountPixels(picture, wallRow, IsRed), 0);
    EXPECT_GT(CountPixels(picture, hiddenColumn, IsInk), 30);
    EXPECT_EQ(CountPixels(picture, note, IsInk), 0);
}

TEST_F(CADImageTest, SnapsToVerticesLinesAndArcs)
{
    CCADImage image;
    ASSERT_TRUE(image.Open(Plan([](DxfFixture& d) {
        d.Line("WALL", 0, 0, 1000, 0);
        d.Circle("NOTE", 1500, 500, 200);
    })));
    image.FitAll(1000, 2000); // one drawing unit per pixel: the snap reaches 10 units

    const struct
    {
        const char* name;
        CCADPoint from;
        bool snaps;
        CCADPoint to;
    } cases[] = {
        {"line end", {3, 4}, true, {0, 0}},
        {"along the line", {500, 6}, true, {500, 0}},
        {"onto the circle", {1705, 500}, true, {1700, 500}},
        {"onto the circle off its axes",
         {1500 + 147, 500 + 147},
         true,
         {1500 + 200 / std::sqrt(2.0), 500 + 200 / std::sqrt(2.0)}},
        {"nothing near", {500, 400}, false, {500, 400}},
    };
    for (const auto& c : cases) {
        CCADPoint point = c.from;
        EXPECT_EQ(image.SnapToEntity(point), c.snaps) << c.name;
        EXPECT_NEAR(point.x, c.to.x, 1e-6) << c.name;
        EXPECT_NEAR(point.y, c.to.y, 1e-6) << c.name;
    }

    // The window's pointer position relative to the drawn drawing.
    QPoint pointer(int(image.DrawingToScreenX(600)) - image.offsetX,
                   int(image.DrawingToScreenY(5)) - image.offsetY);
    QString text;
    EXPECT_TRUE(image.GetEntityText(pointer, text));
    EXPECT_TRUE(text.contains(QStringLiteral("直线"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("图层：WALL"))) << text.toStdString();
    EXPECT_EQ(pointer, QPoint(600, 1000));

    QPoint nowhere(600, 500);
    EXPECT_TRUE(image.GetEntityText(nowhere, text));
    EXPECT_TRUE(text.isEmpty());
    EXPECT_EQ(nowhere, QPoint(600, 500));

    image.SetLayerVisible(0, false);
    CCADPoint onHiddenLine{500, 6};
    EXPECT_FALSE(image.SnapToEntity(onHiddenLine)) << "hidden layers are not snapped to";

    image.Close();
    EXPECT_FALSE(image.GetEntityText(pointer, text));
    EXPECT_FALSE(image.SnapToEntity(onHiddenLine));
}

TEST_F(CADImageTest, UnreadableDrawingsAreRefusedWithAMessage)
{
    CCADImage image;
    ASSERT_TRUE(image.Open(Plan([](DxfFixture& d) { d.Line("WALL", 0, 0, 2000, 1000); })));
    const QByteArray good = DxfFixture::Rectangle(100, 50).Data();
    const struct
    {
        QString path;
        QString says;
    } cases[] = {
        {Write(QStringLiteral("一层.dwg"), good), QStringLiteral("另存为DXF")},
        {Write(QStringLiteral("cut.dxf"), good.left(good.size() / 2)), QStringLiteral("损坏或不完整")},
        {Write(QStringLiteral("empty.dxf"), "0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n"),
         QStringLiteral("没有可显示的图形")},
        {m_dir.filePath(QStringLiteral("missing.dxf")), QStringLiteral("无法打开文件")},
    };
    for (const auto& c : cases) {
        Dialogs().MessageBoxes.clear();
        EXPECT_FALSE(image.Open(c.path));
        EXPECT_FALSE(image.IsOpen()) << "the drawing open before is closed";
        ASSERT_EQ(Dialogs().MessageBoxes.size(), 1);
        const CFakeToolDialogs::SMessageBox& box = Dialogs().MessageBoxes.front();
        EXPECT_EQ(box.caption, QStringLiteral("错误"));
        EXPECT_TRUE(box.message.startsWith(QStringLiteral("CAD文件读取失败！\n")))
            << box.message.toStdString();
        EXPECT_TRUE(box.message.contains(c.says)) << box.message.toStdString();
        EXPECT_EQ(box.style, 6);
        EXPECT_EQ(box.icon, 1);
        EXPECT_EQ(image.LastError(), box.message);
        EXPECT_EQ(image.GetLayerCount(), 0);
        Render(image, 10, 10);
    }
}

} // namespace
