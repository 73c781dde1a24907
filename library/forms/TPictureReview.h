#pragma once
#include "library/forms/CPointerDrag.h"

#include <QPoint>
#include <QWidget>

class QLabel;

// The legend of the shading kinds: a borderless window that stays on top, shows one picture
// (lib/img/legend_shading.png) and is dragged with the mouse. It hides itself when it loses the
// activation.
class TPictureReview : public QWidget
{
    Q_OBJECT
public:
    explicit TPictureReview(QWidget* owner = nullptr);

    QLabel* Image1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    CPointerDrag m_drag;
};
