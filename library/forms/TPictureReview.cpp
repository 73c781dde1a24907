#include "library/forms/TPictureReview.h"

#include "platform/core/CProgramFolder.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

TPictureReview::TPictureReview(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("PictureReview"));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    const QPixmap legend(CProgramFolder::Resolve(QStringLiteral("lib\\img\\legend_shading.png")));
    if (legend.isNull())
        Image1->setText(QStringLiteral("暂无图片"));
    else
        Image1->setPixmap(legend);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Image1);
    if (legend.isNull())
        resize(300, 242);
    else
        setFixedSize(legend.size());
}

bool TPictureReview::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Image1)
        if (const auto offset = m_drag.Handle(event))
            move(pos() + *offset);
    return QWidget::eventFilter(watched, event);
}

void TPictureReview::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible())
        hide();
}
