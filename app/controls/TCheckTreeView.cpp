#include "app/controls/TCheckTreeView.h"

#include "app/controls/CTreeWidgetImages.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionViewItem>

namespace {
constexpr int kNotCheckable = 3;
}

TCheckTreeView::TCheckTreeView(QWidget* owner) : QTreeWidget(owner), m_images(DefaultCheckImages())
{
    setHeaderHidden(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

QList<QIcon> TCheckTreeView::DefaultCheckImages()
{
    QList<QIcon> images;
    const QStyle::State states[] = {QStyle::State_Off, QStyle::State_On, QStyle::State_NoChange};
    for (QStyle::State state : states) {
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        QStyleOptionButton option;
        option.rect = QRect(1, 1, 14, 14);
        option.state = QStyle::State_Enabled | state;
        QApplication::style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter);
        painter.end();
        images << QIcon(pixmap);
    }
    return images;
}

void TCheckTreeView::SetImages(const QList<QIcon>& images)
{
    m_images = images;
    CTreeWidgetImages::Refresh(this, m_images);
}

QTreeWidgetItem* TCheckTreeView::AddItem(QTreeWidgetItem* parent, const QString& text, int imageIndex)
{
    auto* item = new QTreeWidgetItem(QStringList(text));
    if (parent)
        parent->addChild(item);
    else
        addTopLevelItem(item);
    SetState(item, imageIndex);
    return item;
}

int TCheckTreeView::State(const QTreeWidgetItem* item)
{
    return CTreeWidgetImages::ImageIndex(item);
}

void TCheckTreeView::SetState(QTreeWidgetItem* item, int state)
{
    CTreeWidgetImages::SetIndexes(item, state, state, m_images);
}

void TCheckTreeView::FireNodeChange(QTreeWidgetItem* item)
{
    if (OnNodeSatueChange)
        OnNodeSatueChange(item);
}

void TCheckTreeView::ChangeState(QTreeWidgetItem* item, int state)
{
    if (State(item) == state)
        return;
    SetState(item, state);
    FireNodeChange(item);
}

void TCheckTreeView::SetCheck(QTreeWidgetItem* item, bool flag)
{
    if (!item)
        return;
    const int state = flag ? 0 : 1;
    SetChildNodeStatue(item, state);
    SetParentNodeStatue(item, state);
}

void TCheckTreeView::SetChildNodeStatue(QTreeWidgetItem* item, int state)
{
    ChangeState(item, state);
    for (int i = 0; i < item->childCount(); ++i)
        SetChildNodeStatue(item->child(i), state);
}

void TCheckTreeView::SetParentNodeStatue(QTreeWidgetItem* item, int state)
{
    ChangeState(item, state);
    for (QTreeWidgetItem* parent = item->parent(); parent && State(parent) < kNotCheckable;
         parent = parent->parent()) {
        int counts[3] = {0, 0, 0};
        for (int i = 0; i < parent->childCount(); ++i) {
            const int childState = State(parent->child(i));
            if (childState >= 0 && childState < kNotCheckable)
                ++counts[childState];
        }
        const int parentState = counts[1] == 0 && counts[2] == 0   ? 0
                                : counts[0] == 0 && counts[2] == 0 ? 1
                                                                   : 2;
        ChangeState(parent, parentState);
    }
}

QRect TCheckTreeView::PictureRect(QTreeWidgetItem* item) const
{
    const QModelIndex index = indexFromItem(item);
    if (!index.isValid() || item->icon(0).isNull())
        return QRect();
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    option.index = index;
    option.features |= QStyleOptionViewItem::HasDecoration | QStyleOptionViewItem::HasDisplay;
    option.icon = item->icon(0);
    option.decorationSize = option.icon.actualSize(option.decorationSize);
    option.text = item->text(0);
    return style()->subElementRect(QStyle::SE_ItemViewItemDecoration, &option, this);
}

void TCheckTreeView::mousePressEvent(QMouseEvent* event)
{
    QTreeWidget::mousePressEvent(event);
    const QPoint at = event->position().toPoint();
    QTreeWidgetItem* item = itemAt(at);
    if (item)
        setCurrentItem(item);
    if (item && event->button() == Qt::LeftButton && State(item) < kNotCheckable &&
        PictureRect(item).contains(at)) {
        const int state = State(item) == 0 ? 1 : 0;
        const int selected = CTreeWidgetImages::SelectedIndex(item) == 0 ? 1 : 0;
        CTreeWidgetImages::SetIndexes(item, state, selected, m_images);
        FireNodeChange(item);
        if (ApplyToChild)
            SetChildNodeStatue(item, state);
        if (ApplyToParent)
            SetParentNodeStatue(item, state);
        if (OnManualStatueChanged)
            OnManualStatueChanged(item);
    }
    viewport()->update();
}
