#pragma once

class CTreeItem;

// What a visible tree (the main window's project tree, the trees of dialogs) must mirror of its
// core tree view (CNodeTreeView). The view calls these after each change; the item handles stay
// valid until ItemRemoving has returned for them or the view was cleared.
class CTreeViewObserverBase
{
public:
    virtual ~CTreeViewObserverBase() = default;

    // A new, empty item was appended as the last child of item->Parent() (top level when null).
    virtual void ItemAdded(CTreeItem* item) = 0;
    // The item and all items below it are about to be deleted.
    virtual void ItemRemoving(CTreeItem* item) = 0;
    // Every item was deleted.
    virtual void ItemsCleared() = 0;
    // The item's text changed (a new caption).
    virtual void ItemRenamed(CTreeItem* item) = 0;
    // The item's image (and selected image) changed: a new node, or the node turned active or idle.
    virtual void ItemImageChanged(CTreeItem* item) = 0;
    // The item was expanded; children are not expanded with it.
    virtual void ItemExpanded(CTreeItem* item) = 0;
    // The selected item changed; null when nothing is selected.
    virtual void SelectionChanged(CTreeItem* item) = 0;
    // A batch of changes starts or ends (nested); the view may repaint once at the end.
    virtual void UpdateBegun() {}
    virtual void UpdateEnded() {}
};
