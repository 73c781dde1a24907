#include "app/controls/CHistoryManage.h"

#include "model/CNodeData.h"
#include "model/CTreeItem.h"
#include "model/CTreeView2DB.h"

#include <algorithm>

CHistoryManage& CHistoryManage::Instance()
{
    static CHistoryManage instance;
    return instance;
}

void CHistoryManage::Push(CTreeItem* item)
{
    if (m_navigating || !item || !item->Node())
        return;
    if (m_count == Capacity) {
        std::copy(m_ids + 1, m_ids + Capacity, m_ids);
        m_count = Capacity - 1;
    }
    m_ids[m_count++] = item->Node()->NodeId();
    m_justPushed = true;
}

CTreeItem* CHistoryManage::Back(CNodeData& root)
{
    if (m_justPushed) {
        m_justPushed = false;
        if (m_count > 0)
            --m_count;
    }
    while (m_count > 0) {
        --m_count;
        CNodeData* node = root.FindNodeById(m_ids[m_count]);
        if (node && node->TreeItem())
            return node->TreeItem();
    }
    return nullptr;
}

CTreeItem* CHistoryManage::Back()
{
    if (!CTreeView2DB::Exists())
        return nullptr;
    return Back(CTreeView2DB::Current().Root());
}

void CHistoryManage::Clear()
{
    m_justPushed = false;
    m_count = 0;
}
