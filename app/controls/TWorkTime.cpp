#include "app/controls/TWorkTime.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

namespace {
const QColor kBlue(65, 97, 237);
const QColor kColumn(229, 243, 110);
const QColor kSelected(255, 255, 0);
const QColor kPreviewBar(255, 0, 0);
const QColor kStrip(211, 217, 197);

QRect Edges(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}
} // namespace

TWorkTime::TWorkTime(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    Layout();
}

void TWorkTime::Layout()
{
    const int w = width();
    const int h = height();
    if (m_editing) {
        const int right = static_cast<int>(w * 90 * 0.01);
        const int bottom = static_cast<int>(h * 85 * 0.01);
        m_columnWidth = right / 24;
        m_valueArea = Edges(0, 0, 24 * m_columnWidth, bottom);
        m_scaleStrip = Edges(24 * m_columnWidth, 0, w, h);
        m_hourStrip = Edges(0, bottom, w, h);
    } else {
        const int areaHeight = static_cast<int>(h * 90 * 0.01);
        m_columnWidth = w / 24;
        const int areaWidth = 24 * m_columnWidth;
        m_valueArea = QRect((w - areaWidth) / 2, h - areaHeight, areaWidth, areaHeight);
    }
}

void TWorkTime::SetStatus(bool editing)
{
    m_editing = editing;
    Layout();
}

void TWorkTime::SetActiving(bool active)
{
    m_activing = active;
    Layout();
}

void TWorkTime::SetColume(int hour)
{
    const int previous = m_activeColume;
    m_activeColume = hour;
    PaintValue(previous);
    PaintValue(hour);
}

void TWorkTime::SetTimeValue(int hour, float value)
{
    if (hour < 0 || hour > 23)
        return;
    Values[hour] = value;
    PaintValue(hour);
    emit OnValueChange(hour, value);
}

void TWorkTime::ChangeValue(int delta)
{
    if (m_activeColume < 0 || m_activeColume > 23)
        return;
    SetTimeValue(m_activeColume,
                 std::clamp(Values[m_activeColume] + static_cast<float>(delta), 0.0f, 100.0f));
}

void TWorkTime::MyPaint()
{
    // A hidden widget gets its resize event only when shown; the layout follows the size now.
    Layout();
    if (m_picture.size() != size())
        m_picture = QImage(size(), QImage::Format_RGB32);
    if (!m_picture.isNull()) {
        m_picture.fill(m_activing ? QColor(0, 0, 0) : QColor(100, 100, 100));
        PaintValues();
        if (m_editing) {
            PaintMark();
            PaintHourMark();
        }
    }
    update();
}

void TWorkTime::PaintValues()
{
    if (m_picture.isNull())
        return;
    {
        QPainter painter(&m_picture);
        painter.fillRect(m_valueArea, kBlue);
    }
    for (int hour = 0; hour < 24; ++hour)
        PaintValue(hour);
}

void TWorkTime::PaintValue(int hour)
{
    if (hour < 0 || hour > 23 || m_picture.isNull())
        return;
    const int left = hour * m_columnWidth + m_valueArea.left();
    const int right = (hour + 1) * m_columnWidth + m_valueArea.left();
    const int top = m_valueArea.top();
    const int bottom = m_valueArea.top() + m_valueArea.height();
    const int barTop = static_cast<int>(bottom - m_valueArea.height() * Values[hour] * 0.01);
    QPainter painter(&m_picture);
    if (m_editing) {
        const QRect column = Edges(left, top, right, bottom);
        painter.fillRect(column, kColumn);
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(column.adjusted(0, 0, -1, -1));
        painter.fillRect(Edges(left + 1, barTop, right - 1, bottom),
                         hour == m_activeColume ? kSelected : kBlue);
    } else {
        painter.fillRect(Edges(left + 1, barTop, right, bottom), kPreviewBar);
    }
    update();
}

void TWorkTime::PaintMark()
{
    if (m_picture.isNull())
        return;
    QPainter painter(&m_picture);
    painter.fillRect(m_scaleStrip, kStrip);
    painter.setPen(Qt::black);
    const int bottom = m_valueArea.top() + m_valueArea.height();
    for (int i = 1; i <= 9; ++i) {
        const int y = static_cast<int>(bottom - m_valueArea.height() * i * 10 * 0.01);
        const int x = m_scaleStrip.left();
        painter.drawLine(x, y, x + 3, y);
        const QString label = m_type ? QStringLiteral("%1%").arg(i * 10) : QStringLiteral("%1C").arg(i * 10);
        painter.drawText(QRect(x + 3, y, m_scaleStrip.width(), m_valueArea.height()),
                         Qt::AlignLeft | Qt::AlignTop, label);
    }
}

void TWorkTime::PaintHourMark()
{
    if (m_picture.isNull())
        return;
    QPainter painter(&m_picture);
    painter.fillRect(m_hourStrip, kStrip);
    QFont small = font();
    small.setPointSize(6);
    painter.setFont(small);
    painter.setPen(Qt::black);
    const int top = m_hourStrip.top();
    const int half = m_hourStrip.height() / 2;
    const int bottom = top + m_hourStrip.height();
    for (int hour = 0; hour < 24; ++hour) {
        const int left = hour * m_columnWidth;
        const int right = (hour + 1) * m_columnWidth;
        painter.drawText(Edges(left, top, right, top + half), Qt::AlignHCenter | Qt::AlignTop,
                         QString::number(hour / 10));
        painter.drawText(Edges(left, top + half, right, bottom), Qt::AlignHCenter | Qt::AlignTop,
                         QString::number(hour % 10));
    }
}

void TWorkTime::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_picture.size() != size())
        painter.fillRect(rect(), m_activing ? QColor(0, 0, 0) : QColor(100, 100, 100));
    else
        painter.drawImage(0, 0, m_picture);
}

void TWorkTime::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Layout();
    MyPaint();
}

void TWorkTime::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    if (!m_editing || event->button() != Qt::LeftButton)
        return;
    setToolTip(QString());
    const QPoint at = event->position().toPoint();
    if (!m_valueArea.contains(at) || m_columnWidth <= 0)
        return;
    const int hour = at.x() / m_columnWidth;
    if (hour > 23)
        return;
    const int previous = m_activeColume;
    m_activeColume = hour;
    PaintValue(previous);
    const int bottom = m_valueArea.top() + m_valueArea.height();
    const float value =
        static_cast<float>(bottom - at.y()) * 100.0f / static_cast<float>(m_valueArea.height());
    const QString hint = QString::number(value, 'f', 2) + QLatin1Char('%');
    setToolTip(hint);
    // The value shows at once, without the usual hover delay.
    QToolTip::showText(event->globalPosition().toPoint(), hint, this);
    Values[hour] = value;
    PaintValue(hour);
    if (hour != previous)
        emit OnActiveChange(hour, Values[hour]);
    emit OnWindowValueChange(hour, value);
    emit OnValueChange(hour, Values[hour]);
}

void TWorkTime::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    if (m_editing) {
        setToolTip(QString());
        QToolTip::hideText();
    }
}

void TWorkTime::keyPressEvent(QKeyEvent* event)
{
    // Keys are swallowed: the editor is driven by the mouse and its owning form.
    event->accept();
}
