#pragma once
#include <QIcon>
#include <QList>
#include <QTreeWidget>
#include <functional>

class CNodeData;
class CTreeItem;

// A borderless drop-down copy of one branch of the project tree, from which the user picks one
// element of PickType (the pickers pick rooms, 3). Items copy the source items' text, image
// indexes and node (the root item "建筑元素" has none); an item of PickType is a leaf.
//
// Releasing the left button on an item of PickType selects it, hides the drop-down with Accepted
// true and fires OnCloseUp; a release outside the control hides it with Accepted false and fires
// OnCloseUp. After OnCloseUp has returned the items are cleared, so that no item outlives the
// nodes it points to. Any other release leaves it open.
class TPopupTree : public QTreeWidget
{
public:
    explicit TPopupTree(QWidget* owner = nullptr);

    // The one drop-down all pickers share, created read-only on first use and kept for the run.
    static TPopupTree& SharedPopupTree();

    // Rebuilds the drop-down from the branch of the item's view that holds the item: the nearest
    // ancestor (never the item itself) whose element type is the type (1 building, 2 storey),
    // under a root item "建筑元素". False, and the drop-down left empty, when there is none.
    bool AssignTree(int type, CTreeItem* item);
    // Copies the source under the parent and, unless it is of PickType, its subtree.
    QTreeWidgetItem* DepthAppendNode(CTreeItem* source, QTreeWidgetItem* parent);

    // The node a drop-down item stands for; null for the root item.
    static CNodeData* NodeOf(const QTreeWidgetItem* item);
    // The element type its picture shows.
    static int TypeOf(const QTreeWidgetItem* item);

    void SetImages(const QList<QIcon>& images);

    bool Accepted = false;
    int PickType = 3;
    std::function<void(QObject* sender)> OnCloseUp;

    void setVisible(bool visible) override;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void CloseUp(bool accepted);

    QList<QIcon> m_images;
};
