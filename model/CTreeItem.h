#pragma once
#include <QString>
#include <memory>
#include <vector>

class CNodeData;
class CNodeTreeView;

// One item of a tree view: the text and image it shows and the tree node it stands for. Items
// belong to their view (CNodeTreeView), which alone creates, changes and deletes them, so that
// every change reaches the view's observer.
class CTreeItem
{
public:
    CTreeItem(const CTreeItem&) = delete;
    CTreeItem& operator=(const CTreeItem&) = delete;

    const QString& Text() const { return m_text; }
    // Image and selected image: the element type code, plus 30 for an idle element.
    int ImageIndex() const { return m_imageIndex; }
    // The element type the image shows; -1 for an image above 60.
    int Type() const;
    CNodeData* Node() const { return m_node; }
    CTreeItem* Parent() const { return m_parent; }
    // The type of the item or, for a folder, of its nearest ancestor that is not a folder (a folder
    // whose ancestors are all folders stays 30).
    int EffectiveType() const;
    // An enabled node shows an image of 30 or less.
    bool IsActive() const { return m_imageIndex <= 30; }
    CNodeTreeView* View() const { return m_view; }
    int Count() const { return static_cast<int>(m_children.size()); }
    // Null for an index outside 0..Count()-1.
    CTreeItem* Item(int index) const;
    // Position among the parent's items (or the top-level items).
    int Index() const;
    bool Expanded() const { return m_expanded; }

private:
    friend class CNodeTreeView;
    friend class CNodeData;
    CTreeItem(CNodeTreeView* view, CTreeItem* parent) : m_view(view), m_parent(parent) {}

    CNodeTreeView* m_view;
    CTreeItem* m_parent;
    QString m_text;
    int m_imageIndex = 0;
    CNodeData* m_node = nullptr;
    bool m_expanded = false;
    std::vector<std::unique_ptr<CTreeItem>> m_children;
};
