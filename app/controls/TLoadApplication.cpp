#include "app/controls/TLoadApplication.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

namespace {

constexpr int ImageWidth = 522;
constexpr int ImageHeight = 366;

// The splash picture, drawn rather than shipped as a bitmap.
QPixmap SplashPicture()
{
    QPixmap picture(ImageWidth, ImageHeight);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, 0, ImageHeight);
    gradient.setColorAt(0, QColor(32, 84, 150));
    gradient.setColorAt(1, QColor(196, 220, 240));
    painter.fillRect(picture.rect(), gradient);
    painter.setPen(Qt::white);
    QFont title(QStringLiteral("Noto Sans CJK SC"));
    title.setPixelSize(40);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRect(0, 90, ImageWidth, 60), Qt::AlignCenter, QStringLiteral("DID-IVOV V4.0"));
    QFont subtitle(QStringLiteral("Noto Sans CJK SC"));
    subtitle.setPixelSize(20);
    painter.setFont(subtitle);
    painter.drawText(QRect(0, 160, ImageWidth, 40), Qt::AlignCenter, QStringLiteral("建筑冷热负荷计算"));
    subtitle.setPixelSize(13);
    painter.setFont(subtitle);
    painter.setPen(QColor(32, 60, 100));
    painter.drawText(QRect(0, ImageHeight - 40, ImageWidth, 24), Qt::AlignCenter,
                     QStringLiteral("正在启动..."));
    return picture;
}

} // namespace

TLoadApplication::TLoadApplication(QWidget* centreOn)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("LoadApplication"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setEnabled(false);
    setWindowOpacity(0.95);
    setStyleSheet(QStringLiteral("TLoadApplication { background: silver; border: 1px solid gray; }"));
    setFixedSize(ImageWidth + 2, ImageHeight + 2);

    Image1 = new QLabel(this);
    Image1->setGeometry(1, 1, ImageWidth, ImageHeight);
    Image1->setPixmap(SplashPicture());

    QRect area;
    if (centreOn)
        area = centreOn->frameGeometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid())
        move(area.center() - rect().center());
    show();
    repaint();
}
