#include "app/controls/TBMPButton.h"

#include <QDialog>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>

TBMPButton::TBMPButton(QWidget* parent) : QWidget(parent), m_skin(ButtonSkin())
{
    setFocusPolicy(Qt::StrongFocus);
    m_font = QFont(QStringLiteral("宋体"));
    m_font.setPointSize(10);
    resize(75, 22);
    SetButtonState(0);
    PlaceCaption();
}

TBMPButton::TBMPButton(const QString& caption, QWidget* parent) : TBMPButton(parent)
{
    SetText(caption);
}

QImage TBMPButton::ButtonSkin()
{
    QImage skin(32, 16, QImage::Format_RGB888);
    const QColor top(227, 232, 238);
    const QColor bottom(158, 168, 177);
    for (int y = 0; y < 16; ++y) {
        const auto blend = [&](int from, int to) { return from + (to - from) * y / 15; };
        const QColor shade(blend(top.red(), bottom.red()), blend(top.green(), bottom.green()),
                           blend(top.blue(), bottom.blue()));
        for (int x = 0; x < 16; ++x) {
            skin.setPixelColor(x, y, QColor(223, 230, 236));
            skin.setPixelColor(16 + x, y, shade);
        }
    }
    return skin;
}

void TBMPButton::PlaceCaption()
{
    const QFontMetrics metrics(m_font);
    m_captionPos =
        QPoint((width() - metrics.horizontalAdvance(m_caption)) / 2, (height() - metrics.height()) / 2);
}

void TBMPButton::SetText(const QString& caption)
{
    m_caption = caption;
    PlaceCaption();
    update();
}

void TBMPButton::SetFont(const QFont& font)
{
    m_font = font;
    PlaceCaption();
    update();
}

void TBMPButton::SetBitmap(const QImage& glyph)
{
    m_glyph = glyph;
    update();
}

void TBMPButton::SetDefault(bool isDefault)
{
    m_default = isDefault;
    WatchWindow();
}

void TBMPButton::SetCancel(bool isCancel)
{
    m_cancel = isCancel;
    WatchWindow();
}

void TBMPButton::WatchWindow()
{
    // Enter and Escape reach the window when the focused control leaves them; the window's
    // filter lets the default or cancel button take them before the window does.
    QWidget* target = window();
    if (target == this)
        target = nullptr;
    if (m_watchedWindow == target)
        return;
    if (m_watchedWindow)
        m_watchedWindow->removeEventFilter(this);
    m_watchedWindow = target;
    if (m_watchedWindow)
        m_watchedWindow->installEventFilter(this);
}

void TBMPButton::SetButtonState(int state)
{
    m_state = state;
    const int half = m_skin.width() / 2;
    m_source = QRect(state == 0 ? half : 0, 0, half, m_skin.height());
    repaint();
}

void TBMPButton::ClickEvent()
{
    const QPointer<TBMPButton> self(this);
    emit OnClick();
    if (!self || m_modalResult == 0)
        return;
    for (QWidget* owner = parentWidget(); owner; owner = owner->parentWidget()) {
        if (owner->isWindow()) {
            if (auto* dialog = qobject_cast<QDialog*>(owner))
                dialog->done(m_modalResult);
            return;
        }
    }
}

bool TBMPButton::event(QEvent* event)
{
    if (event->type() == QEvent::ParentChange && (m_default || m_cancel))
        WatchWindow();
    return QWidget::event(event);
}

bool TBMPButton::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_watchedWindow && event->type() == QEvent::KeyPress && isEnabled() && isVisible()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if ((enter && m_default) || (key->key() == Qt::Key_Escape && m_cancel)) {
            SetButtonState(1);
            SetButtonState(0);
            ClickEvent();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TBMPButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect client = rect();
    painter.fillRect(client, palette().button());
    painter.drawImage(client, m_skin, m_source);
    if (m_glyph.width() < 1) {
        QFont font = m_font;
        font.setBold(!isEnabled());
        painter.setFont(font);
        painter.setPen(isEnabled() ? QColor(0, 0, 0) : palette().color(QPalette::Active, QPalette::Base));
        painter.drawText(QRect(m_captionPos + QPoint(m_state, m_state), QSize(width() * 2, height() * 2)),
                         Qt::AlignLeft | Qt::AlignTop, m_caption);
    } else {
        const QPoint at((width() - m_glyph.width()) / 2 + m_state,
                        (height() - m_glyph.height()) / 2 + m_state);
        if (isEnabled()) {
            QPixmap glyph = QPixmap::fromImage(m_glyph);
            if (m_glyph.width() > 2 && m_glyph.height() > 2)
                glyph.setMask(glyph.createMaskFromColor(m_glyph.pixelColor(2, 2), Qt::MaskInColor));
            painter.drawPixmap(at, glyph);
        } else {
            const QPainter::CompositionMode previous = painter.compositionMode();
            painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            painter.drawImage(at, m_glyph);
            painter.setCompositionMode(previous);
        }
    }
    painter.setPen(QColor(0, 0, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(client.adjusted(0, 0, -1, -1));
    if (hasFocus()) {
        painter.setPen(QPen(QColor(0, 0, 0), 1, Qt::DotLine));
        const int w = client.width();
        const int h = client.height();
        painter.drawPolyline(
            QPolygon({QPoint(1, 1), QPoint(w - 2, 1), QPoint(w - 2, h - 2), QPoint(1, h - 2), QPoint(1, 1)}));
    }
}

void TBMPButton::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    PlaceCaption();
}

void TBMPButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    SetButtonState(1);
}

void TBMPButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    // A release left of or above the button is outside as well.
    if (at.x() < 0 || at.y() < 0 || at.x() > width() || at.y() > height())
        return;
    const QPointer<TBMPButton> self(this);
    if (m_state == 1)
        ClickEvent();
    if (self)
        SetButtonState(0);
}

void TBMPButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!event->isAutoRepeat())
            SetButtonState(1);
        return;
    }
    QWidget::keyPressEvent(event);
}

void TBMPButton::keyReleaseEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        // Only an Enter pressed here clicks: the release of an Enter that moved the focus onto the
        // button from an edit box must not.
        const bool pressed = m_state == 1;
        SetButtonState(0);
        if (pressed)
            ClickEvent();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void TBMPButton::focusInEvent(QFocusEvent* event)
{
    repaint();
    QWidget::focusInEvent(event);
}

void TBMPButton::focusOutEvent(QFocusEvent* event)
{
    if (isEnabled() && isVisible())
        SetButtonState(0);
    else
        repaint();
    QWidget::focusOutEvent(event);
}

void TBMPButton::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}
