#pragma once
#include <QString>
#include <memory>
#include <vector>

class CNodeData;
class CTreeItem;
class CTreeViewObserverBase;

// A tree view kept apart from its widget: the items, their texts, images and nodes, the selection
// and the expanded state. The tree code fills and changes it; the widget that shows it implements
// CTreeViewObserverBase and mirrors every change. Deleting an item makes a node bound to it forget
// it, so a node never points at a deleted item.
class CNodeTreeView
{
public:
    explicit CNodeTreeView(CTreeViewObserverBase* observer = nullptr);
    ~CNodeTreeView();
    CNodeTreeView(const CNodeTreeView&) = delete;
    CNodeTreeView& operator=(const CNodeTreeView&) = delete;

    void SetObserver(CTreeViewObserverBase* observer) { m_observer = observer; }

    // Nested brackets around a batch of changes.
    void BeginUpdate();
    void EndUpdate();
    int UpdateDepth() const { return m_updateDepth; }

    void Clear();
    // A new empty item appended under the parent (at the top level for null).
    CTreeItem* AddItem(CTreeItem* parent);
    // Deletes the item with all items below it.
    void DeleteItem(CTreeItem* item);
    void DeleteChildren(CTreeItem* item);
    // Text, image (and selected image) and node of the item in one step.
    void SetItem(CTreeItem* item, const QString& text, int imageIndex, CNodeData* node);
    void SetText(CTreeItem* item, const QString& text);
    void SetImageIndex(CTreeItem* item, int imageIndex);
    void Expand(CTreeItem* item);

    CTreeItem* Selected() const { return m_selected; }
    void Select(CTreeItem* item);

    int TopCount() const { return static_cast<int>(m_items.size()); }
    CTreeItem* TopItem(int index) const;

private:
    std::vector<std::unique_ptr<CTreeItem>>& SiblingsOf(CTreeItem* item);
    // Forgets the selection and the node bindings of the item's subtree before it goes.
    void Forget(CTreeItem* item, bool& selectionLost);

    CTreeViewObserverBase* m_observer;
    std::vector<std::unique_ptr<CTreeItem>> m_items;
    CTreeItem* m_selected = nullptr;
    int m_updateDepth = 0;
};
