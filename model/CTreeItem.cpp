#include "model/CTreeItem.h"

#include "model/CElementManage.h"
#include "model/CNodeTreeView.h"

int CTreeItem::Type() const
{
    return CElementManage::ImageIndexToType(m_imageIndex);
}

CTreeItem* CTreeItem::Item(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return m_children[static_cast<size_t>(index)].get();
}

int CTreeItem::Index() const
{
    if (m_parent) {
        for (int i = 0; i < m_parent->Count(); ++i)
            if (m_parent->Item(i) == this)
                return i;
        return -1;
    }
    for (int i = 0; i < m_view->TopCount(); ++i)
        if (m_view->TopItem(i) == this)
            return i;
    return -1;
}

int CTreeItem::EffectiveType() const
{
    int type = Type();
    for (const CTreeItem* item = this; type == 30;) {
        item = item->Parent();
        if (!item)
            return Type();
        type = item->Type();
    }
    return type;
}
