#include "library/forms/CPointerDrag.h"

#include <QMouseEvent>

std::optional<QPoint> CPointerDrag::Handle(QEvent* event, bool mayStart)
{
    // Every event of the watched widget comes here; only mouse events may be read as such.
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return std::nullopt;
    auto* mouse = static_cast<QMouseEvent*>(event);
    switch (type) {
    case QEvent::MouseButtonPress:
        if (mouse->button() == Qt::LeftButton && mayStart) {
            m_dragging = true;
            m_grip = mouse->position().toPoint();
        }
        break;
    case QEvent::MouseMove:
        if (m_dragging)
            return mouse->position().toPoint() - m_grip;
        break;
    case QEvent::MouseButtonRelease:
        if (mouse->button() == Qt::LeftButton)
            m_dragging = false;
        break;
    default:
        break;
    }
    return std::nullopt;
}
