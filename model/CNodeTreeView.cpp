#include "model/CNodeTreeView.h"

#include "model/CNodeData.h"
#include "model/CTreeItem.h"
#include "model/CTreeViewObserverBase.h"

#include <algorithm>

CNodeTreeView::CNodeTreeView(CTreeViewObserverBase* observer) : m_observer(observer) {}

CNodeTreeView::~CNodeTreeView()
{
    // Nodes outlive views of dialogs; they must not keep pointers into a view that is gone.
    m_observer = nullptr;
    Clear();
}

void CNodeTreeView::BeginUpdate()
{
    ++m_updateDepth;
    if (m_observer)
        m_observer->UpdateBegun();
}

void CNodeTreeView::EndUpdate()
{
    if (m_updateDepth == 0)
        return;
    --m_updateDepth;
    if (m_observer)
        m_observer->UpdateEnded();
}

void CNodeTreeView::Clear()
{
    bool selectionLost = false;
    for (const auto& item : m_items)
        Forget(item.get(), selectionLost);
    m_items.clear();
    if (m_observer)
        m_observer->ItemsCleared();
    if (selectionLost && m_observer)
        m_observer->SelectionChanged(nullptr);
}

CTreeItem* CNodeTreeView::AddItem(CTreeItem* parent)
{
    auto owned = std::unique_ptr<CTreeItem>(new CTreeItem(this, parent));
    CTreeItem* item = owned.get();
    (parent ? parent->m_children : m_items).push_back(std::move(owned));
    if (m_observer)
        m_observer->ItemAdded(item);
    return item;
}

std::vector<std::unique_ptr<CTreeItem>>& CNodeTreeView::SiblingsOf(CTreeItem* item)
{
    return item->m_parent ? item->m_parent->m_children : m_items;
}

void CNodeTreeView::Forget(CTreeItem* item, bool& selectionLost)
{
    if (item == m_selected) {
        m_selected = nullptr;
        selectionLost = true;
    }
    if (item->m_node && item->m_node->TreeItem() == item)
        item->m_node->SetTreeItem(nullptr);
    for (const auto& child : item->m_children)
        Forget(child.get(), selectionLost);
}

void CNodeTreeView::DeleteItem(CTreeItem* item)
{
    if (!item || item->m_view != this)
        return;
    if (m_observer)
        m_observer->ItemRemoving(item);
    bool selectionLost = false;
    Forget(item, selectionLost);
    auto& siblings = SiblingsOf(item);
    const auto it =
        std::find_if(siblings.begin(), siblings.end(), [item](const auto& p) { return p.get() == item; });
    if (it != siblings.end())
        siblings.erase(it);
    if (selectionLost && m_observer)
        m_observer->SelectionChanged(nullptr);
}

void CNodeTreeView::DeleteChildren(CTreeItem* item)
{
    if (!item)
        return;
    while (item->Count() > 0)
        DeleteItem(item->Item(item->Count() - 1));
}

void CNodeTreeView::SetItem(CTreeItem* item, const QString& text, int imageIndex, CNodeData* node)
{
    if (!item)
        return;
    item->m_node = node;
    item->m_text = text;
    item->m_imageIndex = imageIndex;
    if (m_observer) {
        m_observer->ItemRenamed(item);
        m_observer->ItemImageChanged(item);
    }
}

void CNodeTreeView::SetText(CTreeItem* item, const QString& text)
{
    if (!item || item->m_text == text)
        return;
    item->m_text = text;
    if (m_observer)
        m_observer->ItemRenamed(item);
}

void CNodeTreeView::SetImageIndex(CTreeItem* item, int imageIndex)
{
    if (!item || item->m_imageIndex == imageIndex)
        return;
    item->m_imageIndex = imageIndex;
    if (m_observer)
        m_observer->ItemImageChanged(item);
}

void CNodeTreeView::Expand(CTreeItem* item)
{
    if (!item || item->m_expanded)
        return;
    item->m_expanded = true;
    if (m_observer)
        m_observer->ItemExpanded(item);
}

void CNodeTreeView::Select(CTreeItem* item)
{
    if (item && item->m_view != this)
        return;
    if (item == m_selected)
        return;
    m_selected = item;
    if (m_observer)
        m_observer->SelectionChanged(item);
}

CTreeItem* CNodeTreeView::TopItem(int index) const
{
    if (index < 0 || index >= TopCount())
        return nullptr;
    return m_items[static_cast<size_t>(index)].get();
}
