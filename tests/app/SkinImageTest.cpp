#include "app/controls/CMyImage.h"
#include "app/controls/TControlEdit.h"
#include "tests/app/TestApplication.h"

#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SkinImage : public ::testing::Test
{
protected:
    SkinImage()
    {
        EnsureTestApplication();
        m_previousFolder = CMyImage::Instance().PictureFolder();
        CMyImage::Instance().SetPictureFolder(m_folder.path());
    }
    ~SkinImage() override { CMyImage::Instance().SetPictureFolder(m_previousFolder); }

    // A dark square whose four corners (size corner) are white; saved under a fresh name.
    QString SaveRoundedPicture(int size, int corner)
    {
        QImage picture(size, size, QImage::Format_RGB32);
        picture.fill(QColor(40, 40, 40));
        QPainter painter(&picture);
        for (const QPoint at : {QPoint(0, 0), QPoint(size - corner, 0), QPoint(0, size - corner),
                                QPoint(size - corner, size - corner)})
            painter.fillRect(QRect(at, QSize(corner, corner)), Qt::white);
        painter.end();
        // The cache keeps pictures by name for the whole program: every picture gets a new one.
        static int count = 0;
        const QString name = QStringLiteral("rounded%1.bmp").arg(++count);
        picture.save(m_folder.filePath(name));
        return name;
    }

    QTemporaryDir m_folder;
    QString m_previousFolder;
};

} // namespace

TEST_F(SkinImage, ControlsOfOneSizeShareTheScaledCopy)
{
    CMyImage& cache = CMyImage::Instance();
    const QString name = SaveRoundedPicture(20, 4);
    const QImage& first = cache.GetScaledBitmap(name, 60, 4, 30, -1);
    EXPECT_EQ(first.size(), QSize(60, 30));
    EXPECT_EQ(&cache.GetScaledBitmap(name, 60, 4, 30, -1), &first);
    EXPECT_EQ(&cache.GetScaledBitmap(name, 60, 6, 30, -1), &first); // the corner is not part of the key
    EXPECT_NE(&cache.GetScaledBitmap(name, 61, 4, 30, -1), &first);

    // A missing file is an empty picture whose scaled copies still have the requested size.
    EXPECT_TRUE(cache.GetNamedBitmap("missing.bmp").isNull());
    EXPECT_EQ(cache.GetScaledBitmap("missing.bmp", 40, 2, 20, -1).size(), QSize(40, 20));
}

TEST_F(SkinImage, NineSliceKeepsCornersAndStretchesTheMiddle)
{
    const QString name = SaveRoundedPicture(20, 4);
    const QImage& scaled = CMyImage::Instance().GetScaledBitmap(name, 100, 4, 40, -1);
    EXPECT_EQ(scaled.pixelColor(2, 2), Qt::white);
    EXPECT_EQ(scaled.pixelColor(97, 37), Qt::white);
    EXPECT_EQ(scaled.pixelColor(5, 2), QColor(40, 40, 40));
    EXPECT_EQ(scaled.pixelColor(50, 20), QColor(40, 40, 40));
}

TEST_F(SkinImage, ThreeSliceKeepsTheHeightAndStretchesOnlyTheMiddle)
{
    QImage source(10, 4, QImage::Format_RGB32);
    source.fill(Qt::green);
    QPainter painter(&source);
    painter.fillRect(0, 0, 2, 4, Qt::red);
    painter.fillRect(7, 0, 3, 4, Qt::blue);
    painter.end();
    QImage target;
    CMyImage::ScaleThreeSlice(source, target, 2, 30, 3);
    ASSERT_EQ(target.size(), QSize(30, 4));
    const std::pair<int, QColor> columns[] = {{0, Qt::red},    {1, Qt::red},    {2, Qt::green},
                                              {15, Qt::green}, {26, Qt::green}, {27, Qt::blue},
                                              {29, Qt::blue}};
    for (const auto& [x, colour] : columns)
        EXPECT_EQ(target.pixelColor(x, 2), colour) << x;
}

TEST_F(SkinImage, OutlineLeavesWhiteCornersOut)
{
    const QString name = SaveRoundedPicture(20, 4);
    const QRegion outline = CMyImage::Instance().GetOutlineRegion(name, 20, 4, 20, -1);
    EXPECT_FALSE(outline.contains(QPoint(1, 1)));
    EXPECT_FALSE(outline.contains(QPoint(18, 18)));
    EXPECT_TRUE(outline.contains(QPoint(10, 10)));
    EXPECT_TRUE(outline.contains(QPoint(1, 10)));
    EXPECT_TRUE(outline.contains(QPoint(10, 1)));

    QImage blank(8, 8, QImage::Format_RGB32);
    blank.fill(Qt::white);
    EXPECT_TRUE(CMyImage::TraceOutlinePoints(blank).isEmpty());

    // The skinned edit box takes the outline as its shape.
    TControlEdit edit;
    edit.resize(20, 20);
    edit.SetCornerWidth(4);
    edit.SetBKPicName(name);
    EXPECT_FALSE(edit.mask().contains(QPoint(1, 1)));
    EXPECT_TRUE(edit.mask().contains(QPoint(10, 10)));
}
