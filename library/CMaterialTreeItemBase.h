#pragma once
#include <QString>

class CMaterialNode;

// The item of a tree view that shows one library tree node. The library tree frame implements it
// over its widget; the node sets the item's look, rebuilds its child items and deletes it when the
// node is deleted. Items belong to their tree view, never to the node.
class CMaterialTreeItemBase
{
public:
    virtual ~CMaterialTreeItemBase() = default;

    virtual void SetText(const QString& text) = 0;
    // Image and selected image: 0 root, 1 category, 2 record.
    virtual void SetImageIndex(int index) = 0;
    // The node the item stands for (its data).
    virtual void SetNode(CMaterialNode* node) = 0;
    // Deletes every child item with its own children.
    virtual void DeleteChildren() = 0;
    // Adds a last child item with empty text and answers it.
    virtual CMaterialTreeItemBase* AddChild() = 0;
    // Removes the item and its children from the tree view and destroys it.
    virtual void Delete() = 0;
    // Sorts every item of the tree view the item belongs to by the view's order of items.
    virtual void SortTree() = 0;
};
