#pragma once
#include <QPoint>
#include <optional>

class QEvent;

// A left-button drag on a widget that moves with the pointer (a picture or a whole window): the
// grip is where the button went down, relative to the widget, and stays there while it moves.
class CPointerDrag
{
public:
    // Follows the widget's mouse events. A press starts a drag when mayStart holds; a move during
    // a drag answers how far to move the widget; a release ends the drag.
    std::optional<QPoint> Handle(QEvent* event, bool mayStart = true);

private:
    bool m_dragging = false;
    QPoint m_grip;
};
