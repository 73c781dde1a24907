#include "tools/shots/CFormShots.h"

#include "cad/CADDealStorey.h"
#include "cad/CCADImage.h"
#include "cad/model/CDWGInfo.h"
#include "tools/CDemoDxfPlan.h"

#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>

namespace {
std::vector<CCADPoint> Points(const std::vector<QPointF>& corners)
{
    std::vector<CCADPoint> points;
    for (const QPointF& corner : corners)
        points.push_back({corner.x(), corner.y()});
    return points;
}

// The office storey drawn as the modelling window's underlay, with the storey outline and two
// offices traced on it and the second office's corridor wall selected.
std::unique_ptr<QWidget> OfficeUnderlay()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("标准层.dxf")));
    if (!file.open(QIODevice::WriteOnly) || file.write(CDemoDxfPlan::OfficeStorey()) < 0)
        return nullptr;
    file.close();
    CCADImage underlay;
    if (!underlay.Open(file.fileName()))
        return nullptr;
    const QSize size(1280, 640);
    underlay.FitAll(size.height(), size.width());

    CADDealStorey storey;
    storey.SetWallTypeFlags({true, false, true, true});
    storey.storeyHeight = 3.6;
    CDWGInfo drawing;
    storey.AddTracedPolygon(Points(CDemoDxfPlan::OutlineCorners()), true);
    storey.CommitPolygon(true);
    storey.UpdateWalls(-1, {}, drawing);
    std::vector<CCADPoint> office = Points(CDemoDxfPlan::FirstOfficeCorners());
    for (int k = 0; k < 2; ++k) {
        storey.AddTracedPolygon(office, false);
        storey.CommitPolygon(false);
        storey.Room(k)->name = QStringLiteral("办公室%1").arg(101 + k);
        storey.UpdateWalls(k, {}, drawing);
        for (CCADPoint& corner : office)
            corner.x += CDemoDxfPlan::Bay;
    }
    storey.HighlightWall(1, 2);

    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    underlay.Draw(painter);
    storey.Draw(underlay, painter);
    painter.end();

    auto label = std::make_unique<QLabel>();
    label->setWindowTitle(QStringLiteral("建模"));
    label->setPixmap(QPixmap::fromImage(picture));
    label->setFixedSize(size);
    return label;
}
} // namespace

void AddCadFormShots(FormShotList& shots)
{
    shots.push_back({QStringLiteral("CCADImage-office"), [](TVoro_Main&) { return OfficeUnderlay(); }});
}
