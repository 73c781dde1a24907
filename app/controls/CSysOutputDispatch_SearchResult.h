#pragma once
#include "app/controls/CSysOutputDispatchBase.h"

// The action of a search hit: selects the tree item of the node with the node id (f_nodeid),
// looked up in the whole tree from the root. Nothing happens when the node is gone or has no item
// in the main tree view.
class CSysOutputDispatch_SearchResult : public CSysOutputDispatchBase
{
public:
    explicit CSysOutputDispatch_SearchResult(int nodeId) : m_nodeId(nodeId) {}

    void Dispatch() override;
    int NodeId() const { return m_nodeId; }

private:
    int m_nodeId;
};
