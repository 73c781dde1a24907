#include "tools/shots/CFormShots.h"

#include "report/engine/CReportPage.h"
#include "report/engine/CReportPainter.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

FormShotList AllFormShots()
{
    FormShotList shots;
    AddMainWindowFormShots(shots);
    AddLanguageFormShots(shots);
    AddBookFormShots(shots);
    AddBulkFormShots(shots);
    AddCadFormShots(shots);
    AddScheduleFormShots(shots);
    AddSchemeFormShots(shots);
    AddEnergyFormShots(shots);
    AddLibraryManagerFormShots(shots);
    AddLibraryEditorFormShots(shots);
    AddChartFormShots(shots);
    return shots;
}

std::unique_ptr<QWidget> PagePicture(const CReportPage* page)
{
    constexpr double kDotsPerMm = 100 / 25.4;
    auto label = std::make_unique<QLabel>();
    if (!page)
        return label;
    QImage image(qRound(page->size.width() * kDotsPerMm), qRound(page->size.height() * kDotsPerMm),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    CReportPainter::PaintPage(painter, *page, kDotsPerMm);
    painter.end();
    label->setPixmap(QPixmap::fromImage(image));
    label->setFixedSize(image.size());
    return label;
}
