#include "cad/CCADImage.h"
#include "tools/CDemoDxfPlan.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

QString WritePlan(const QTemporaryDir& dir, const QByteArray& data)
{
    const QString path = dir.filePath(QStringLiteral("plan.dxf"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
    return path;
}

// The generated office storey is what the screenshot traces on and the benchmark renders: it
// must read whole, with its GBK layer names, its box from the header's extents, and its outside
// wall exactly where CDemoDxfPlan says the outline's corners are.
TEST(DemoDxfPlan, OfficeStoreyReadsWithItsLayersBoxAndOutline)
{
    QTemporaryDir dir;
    CCADImage image;
    ASSERT_TRUE(image.Open(WritePlan(dir, CDemoDxfPlan::OfficeStorey()))) << image.LastError().toStdString();
    EXPECT_EQ(image.Units(), 1);
    EXPECT_DOUBLE_EQ(image.GetBoxWidth(), 57600 + 12000);
    EXPECT_DOUBLE_EQ(image.GetBoxHeight(), 15600 + 12000);
    QStringList layers;
    for (int i = 0; i < image.GetLayerCount(); ++i)
        layers << image.GetLayerName(i);
    EXPECT_TRUE(layers.contains(QStringLiteral("墙体"))) << layers.join(',').toStdString();
    EXPECT_TRUE(layers.contains(QStringLiteral("房间名称"))) << layers.join(',').toStdString();

    image.FitAll(640, 1280);
    // A point 20 mm off each corner of the outside face lands on it, not on the column or the
    // inner face a little further away.
    const double nudge = 20;
    for (const QPointF& corner : CDemoDxfPlan::OutlineCorners()) {
        CCADPoint point{corner.x() + nudge, corner.y() - nudge};
        ASSERT_TRUE(image.SnapToEntity(point));
        EXPECT_NEAR(point.x, corner.x(), 1e-6);
        EXPECT_NEAR(point.y, corner.y(), 1e-6);
    }
}

TEST(DemoDxfPlan, ManyStoreysHoldAtLeastTheEntitiesAsked)
{
    int count = 0;
    const QByteArray plan = CDemoDxfPlan::ManyStoreys(50000, &count);
    EXPECT_GE(count, 50000);
    EXPECT_LT(count, 50000 + 2000) << "no more than one storey beyond the count";
    QTemporaryDir dir;
    CCADImage image;
    EXPECT_TRUE(image.Open(WritePlan(dir, plan))) << image.LastError().toStdString();
}

} // namespace
