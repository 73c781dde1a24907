#pragma once
#include <QList>
#include <functional>

class CNodeData;
class CNodeFilter;
class CTreeItem;
class QTreeWidget;
class QTreeWidgetItem;

// The project tree copied into the tree widget of a bulk-editing dialog: the project item and the
// nodes the filter lets through, each widget item carrying its node. The dialogs are modal, so the
// copy never outlives the nodes it points to.
class CBulkTree
{
public:
    // Makes the widget item of a view item under the parent (a top-level item for null).
    using ItemMaker = std::function<QTreeWidgetItem*(QTreeWidgetItem* parent, const CTreeItem& source)>;

    // Clears the widget and fills it from the open project's tree. With expandType 0 or above, the
    // project item and the items of types below expandType are expanded (folders always), as
    // CTreeView2DB::ExpandTreeToLevel does; with -1 nothing is.
    static void Fill(QTreeWidget& tree, const CNodeFilter& filter, int expandType, const ItemMaker& make);
    // The node of an item; null for none.
    static CNodeData* NodeOf(const QTreeWidgetItem* item);
    // Every item of the widget in tree order (pre-order), the first top-level item first.
    static QList<QTreeWidgetItem*> Items(const QTreeWidget& tree);
};
