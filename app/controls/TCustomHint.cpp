#include "app/controls/TCustomHint.h"

#include "model/CTreeItem.h"
#include "model/NameTables.h"

#include <QCursor>
#include <QEnterEvent>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

TCustomHint::TCustomHint(QWidget* owner)
    : QFrame(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("CustomHint"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0xFD, 0xFB, 0xE1)); // 14810365 as BGR
    setPalette(colours);
    setWindowOpacity(0.9);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->setSpacing(2);
    m_label1 = new QLabel(this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setAlignment(Qt::AlignCenter);
    m_label1->setStyleSheet(QStringLiteral("color: white; background-color: #325AFC; font-size: 14px;"));
    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setAlignment(Qt::AlignCenter);
    m_label2 = new QLabel(this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label3 = new QLabel(this);
    m_label3->setObjectName(QStringLiteral("Label3"));
    layout->addWidget(m_label1);
    layout->addWidget(m_image1);
    layout->addWidget(m_label2);
    layout->addWidget(m_label3);

    m_timer1 = new QTimer(this);
    m_timer1->setInterval(600);
    connect(m_timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
}

void TCustomHint::Attach(QTreeWidget* tree, ItemOf itemOf)
{
    m_tree = tree;
    m_itemOf = std::move(itemOf);
    m_viewport = tree->viewport();
    m_viewport->installEventFilter(this);
}

bool TCustomHint::eventFilter(QObject* watched, QEvent* event)
{
    // The viewport is compared as it was attached: it still sends events while the tree around it is
    // being destroyed, when the tree must not be asked anything.
    if (m_viewport && watched == m_viewport && event->type() == QEvent::ToolTip) {
        ShowTreeHint(m_tree, m_tree->viewport()->mapFromGlobal(QCursor::pos()));
        return true; // the tree's standard tooltip is never shown
    }
    return QFrame::eventFilter(watched, event);
}

void TCustomHint::ShowTreeHint(QTreeWidget* tree, const QPoint& viewportPos)
{
    QTreeWidgetItem* widgetItem = tree->itemAt(viewportPos);
    CTreeItem* item = widgetItem && m_itemOf ? m_itemOf(widgetItem) : nullptr;
    if (!item) {
        ShowHintAt(false, 0, 0);
        return;
    }
    const int type = item->Type();
    m_image1->clear();
    m_label1->setText(type >= 0 && type < ElementTypeCount ? ElementTypeName(type) : QString());
    m_label2->setText(QStringLiteral("名称: %1").arg(item->Text()));
    m_label3->setText(item->IsActive() ? QStringLiteral("状态: 激活") : QStringLiteral("状态: 闲置"));
    adjustSize();
    const QRect rect = tree->visualItemRect(widgetItem);
    const int textRight = rect.left() + tree->fontMetrics().horizontalAdvance(item->Text()) + 8;
    const QPoint at =
        tree->viewport()->mapToGlobal(QPoint(std::min(textRight, rect.right()) + 2, rect.top()));
    ShowHintAt(true, at.x(), at.y());
}

void TCustomHint::ShowHintAt(bool visible, int x, int y)
{
    if (!visible) {
        hide();
        m_timer1->stop();
        return;
    }
    const QPoint cursor = QCursor::pos();
    if (cursor == m_lastCursor)
        return;
    m_lastCursor = cursor;
    m_tickCount = 0;
    move(x, y);
    show();
    m_timer1->start();
}

void TCustomHint::Timer1Timer()
{
    if (++m_tickCount > 2)
        ShowHintAt(false, 0, 0);
}

void TCustomHint::enterEvent(QEnterEvent* event)
{
    m_timer1->stop();
    QFrame::enterEvent(event);
}

void TCustomHint::leaveEvent(QEvent* event)
{
    if (!geometry().contains(QCursor::pos())) {
        m_tickCount = 0;
        hide();
    }
    QFrame::leaveEvent(event);
}

QString TCustomHint::Title() const
{
    return m_label1->text();
}

QString TCustomHint::NameLine() const
{
    return m_label2->text();
}

QString TCustomHint::StatusLine() const
{
    return m_label3->text();
}
