#include "bulk/CBulkTree.h"

#include "model/CNodeTreeView.h"
#include "model/CTreeItem.h"
#include "model/CTreeView2DB.h"

#include <QTreeWidget>

namespace {
constexpr int kNodeRole = Qt::UserRole + 41;

void Copy(QTreeWidget& tree, const CTreeItem& source, QTreeWidgetItem* parent, const CBulkTree::ItemMaker& make)
{
    QTreeWidgetItem* item = make(parent, source);
    item->setData(0, kNodeRole, QVariant::fromValue(reinterpret_cast<quintptr>(source.Node())));
    for (int i = 0; i < source.Count(); ++i)
        Copy(tree, *source.Item(i), item, make);
    // An item takes its expanded state only once it sits in the tree.
    item->setExpanded(source.Expanded());
}

void Collect(QTreeWidgetItem* item, QList<QTreeWidgetItem*>& items)
{
    items << item;
    for (int i = 0; i < item->childCount(); ++i)
        Collect(item->child(i), items);
}
} // namespace

void CBulkTree::Fill(QTreeWidget& tree, const CNodeFilter& filter, int expandType, const ItemMaker& make)
{
    tree.clear();
    CNodeTreeView source;
    CTreeView2DB& store = CTreeView2DB::Current();
    store.FillTreeView(source, &filter, false);
    if (expandType >= 0 && source.TopCount() > 0)
        store.ExpandTreeToLevel(source.TopItem(0), expandType);
    for (int i = 0; i < source.TopCount(); ++i)
        Copy(tree, *source.TopItem(i), nullptr, make);
}

CNodeData* CBulkTree::NodeOf(const QTreeWidgetItem* item)
{
    return item ? reinterpret_cast<CNodeData*>(item->data(0, kNodeRole).value<quintptr>()) : nullptr;
}

QList<QTreeWidgetItem*> CBulkTree::Items(const QTreeWidget& tree)
{
    QList<QTreeWidgetItem*> items;
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        Collect(tree.topLevelItem(i), items);
    return items;
}
