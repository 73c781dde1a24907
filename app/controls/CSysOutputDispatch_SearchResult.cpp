#include "app/controls/CSysOutputDispatch_SearchResult.h"

#include "model/CNodeTreeView.h"
#include "model/CTreeItem.h"
#include "model/CTreeView2DB.h"

void CSysOutputDispatch_SearchResult::Dispatch()
{
    if (!CTreeView2DB::Exists())
        return;
    CNodeData* node = CTreeView2DB::Current().Root().FindNodeById(m_nodeId);
    if (!node || !node->TreeItem())
        return;
    CTreeItem* item = node->TreeItem();
    item->View()->Select(item);
}
