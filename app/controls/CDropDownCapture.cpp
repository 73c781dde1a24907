#include "app/controls/CDropDownCapture.h"

#include <QAbstractScrollArea>
#include <QWidget>

void CDropDownCapture::MakeDropDown(QAbstractScrollArea* tree)
{
    tree->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    tree->setFrameStyle(QFrame::Box | QFrame::Plain);
    tree->setLineWidth(1);
    tree->hide();
}

void CDropDownCapture::Shown(QAbstractScrollArea* tree)
{
    tree->viewport()->grabMouse();
    tree->activateWindow();
    tree->setFocus();
}

void CDropDownCapture::Hiding(QAbstractScrollArea* tree)
{
    if (QWidget::mouseGrabber() == tree->viewport())
        tree->viewport()->releaseMouse();
}

void CDropDownCapture::PointerEntered(QAbstractScrollArea* tree)
{
    Hiding(tree);
}

void CDropDownCapture::PointerLeft(QAbstractScrollArea* tree)
{
    if (tree->isVisible())
        tree->viewport()->grabMouse();
}

bool CDropDownCapture::IsOutside(const QAbstractScrollArea* tree, int viewportX, int viewportY)
{
    const QPoint at = tree->viewport()->mapTo(tree, QPoint(viewportX, viewportY));
    return at.x() < 0 || at.y() < 0 || at.x() > tree->width() || at.y() > tree->height();
}
