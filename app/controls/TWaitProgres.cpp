#include "app/controls/TWaitProgres.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>

namespace {

// The hourglass-like icon of the note, drawn rather than shipped as a bitmap.
QPixmap WaitIcon()
{
    QPixmap icon(69, 65);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 160), 3));
    painter.drawEllipse(QRect(8, 6, 52, 52));
    painter.drawLine(34, 32, 34, 14);
    painter.drawLine(34, 32, 48, 40);
    return icon;
}

} // namespace

TWaitProgres::TWaitProgres(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool)
{
    setObjectName(QStringLiteral("WaitProgres"));
    setFixedSize(547, 70);
    setAutoFillBackground(true);

    Image1 = new QLabel(this);
    Image1->setGeometry(3, 2, 69, 65);
    Image1->setPixmap(WaitIcon());
    Image1->setAttribute(Qt::WA_TranslucentBackground);

    Label1 = new QLabel(this);
    Label1->setGeometry(74, 20, 547 - 74 - 8, 30);
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(15);
    Label1->setFont(font);
    QPalette palette = Label1->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    Label1->setPalette(palette);
}

void TWaitProgres::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(Qt::blue, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
