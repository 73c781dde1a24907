#include "app/controls/TPopupTree.h"

#include "app/controls/CDropDownCapture.h"
#include "app/controls/CTreeWidgetImages.h"
#include "model/CElementManage.h"
#include "model/CTreeItem.h"

#include <QMouseEvent>
#include <QPointer>

namespace {
constexpr int kNodeRole = Qt::UserRole + 22;
}

TPopupTree::TPopupTree(QWidget* owner) : QTreeWidget(owner)
{
    setHeaderHidden(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    CDropDownCapture::MakeDropDown(this);
}

TPopupTree& TPopupTree::SharedPopupTree()
{
    static QPointer<TPopupTree> shared;
    if (!shared)
        shared = new TPopupTree;
    return *shared;
}

bool TPopupTree::AssignTree(int type, CTreeItem* item)
{
    clear();
    CTreeItem* source = item ? item->Parent() : nullptr;
    while (source && source->Type() != type)
        source = source->Parent();
    if (!source)
        return false;
    auto* root = new QTreeWidgetItem(QStringList(QStringLiteral("建筑元素")));
    addTopLevelItem(root);
    CTreeWidgetImages::SetIndexes(root, 0, 0, m_images);
    DepthAppendNode(source, root);
    return true;
}

QTreeWidgetItem* TPopupTree::DepthAppendNode(CTreeItem* source, QTreeWidgetItem* parent)
{
    auto* item = new QTreeWidgetItem(QStringList(source->Text()));
    parent->addChild(item);
    CTreeWidgetImages::SetIndexes(item, source->ImageIndex(), source->ImageIndex(), m_images);
    item->setData(0, kNodeRole, QVariant::fromValue(reinterpret_cast<quintptr>(source->Node())));
    if (TypeOf(item) != PickType)
        for (int i = 0; i < source->Count(); ++i)
            DepthAppendNode(source->Item(i), item);
    return item;
}

CNodeData* TPopupTree::NodeOf(const QTreeWidgetItem* item)
{
    return item ? reinterpret_cast<CNodeData*>(item->data(0, kNodeRole).value<quintptr>()) : nullptr;
}

int TPopupTree::TypeOf(const QTreeWidgetItem* item)
{
    return CElementManage::ImageIndexToType(CTreeWidgetImages::ImageIndex(item));
}

void TPopupTree::SetImages(const QList<QIcon>& images)
{
    m_images = images;
    CTreeWidgetImages::Refresh(this, m_images);
}

void TPopupTree::setVisible(bool visible)
{
    if (!visible)
        CDropDownCapture::Hiding(this);
    QTreeWidget::setVisible(visible);
    if (visible)
        CDropDownCapture::Shown(this);
}

void TPopupTree::CloseUp(bool accepted)
{
    hide();
    Accepted = accepted;
    if (OnCloseUp)
        OnCloseUp(this);
    clear();
}

void TPopupTree::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeWidget::mouseReleaseEvent(event);
    const QPoint at = event->position().toPoint();
    QTreeWidgetItem* item = itemAt(at);
    if (CDropDownCapture::IsOutside(this, at.x(), at.y()))
        CloseUp(false);
    else if (event->button() == Qt::LeftButton && item && TypeOf(item) == PickType) {
        setCurrentItem(item);
        CloseUp(true);
    }
}

void TPopupTree::enterEvent(QEnterEvent* event)
{
    QTreeWidget::enterEvent(event);
    CDropDownCapture::PointerEntered(this);
}

void TPopupTree::leaveEvent(QEvent* event)
{
    QTreeWidget::leaveEvent(event);
    CDropDownCapture::PointerLeft(this);
}
