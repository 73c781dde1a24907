#include "model/CNodeStateKeep.h"

#include "model/CNodeData.h"
#include "model/CNodeTreeView.h"
#include "model/CProjectTreeHostBase.h"
#include "model/CTreeItem.h"
#include "model/CTreeView2DB.h"

CNodeStateKeep::CNodeStateKeep()
{
    m_ids.fill(-1);
    if (!CTreeView2DB::Exists())
        return;
    CTreeView2DB& store = CTreeView2DB::Current();
    if (CProjectTreeHostBase* host = store.Host())
        m_view = host->MainTreeView();
    CNodeData* node = m_view && m_view->Selected() ? m_view->Selected()->Node() : nullptr;
    if (!node)
        node = &store.Root();
    int slot = 0;
    for (; node && slot < Slots - 1; ++slot, node = node->Parent())
        m_ids[static_cast<size_t>(slot)] = node->NodeId();
    m_ids[static_cast<size_t>(slot)] = -1;
    if (m_view)
        m_view->BeginUpdate();
}

CNodeStateKeep::~CNodeStateKeep()
{
    if (CTreeView2DB::Exists()) {
        CNodeData& root = CTreeView2DB::Current().Root();
        CTreeItem* item = nullptr;
        for (int id : m_ids) {
            if (id == -1)
                break;
            const CNodeData* node = root.FindNodeById(id);
            if (node && node->TreeItem()) {
                item = node->TreeItem();
                break;
            }
        }
        if (!item)
            item = root.TreeItem();
        if (item)
            item->View()->Select(item);
    }
    if (m_view)
        m_view->EndUpdate();
}
