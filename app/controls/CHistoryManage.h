#pragma once

class CNodeData;
class CTreeItem;

// The back-navigation history: node ids (f_nodeid) of the last 20 selected nodes, oldest first.
// Ids, not items, are kept so that a deleted node or a node the current design type does not show
// is simply passed over on the way back. One program-wide instance (Instance()); tests may make
// their own. User-interface thread only.
class CHistoryManage
{
public:
    static constexpr int Capacity = 20;

    static CHistoryManage& Instance();

    // Remembers the item's node; ignored while navigating or for an item without a node. A full
    // history drops its oldest id.
    void Push(CTreeItem* item);
    // The item of the previous node that still exists and is shown, looked up from the root; null
    // when there is none. The id of the node being shown (pushed last) is dropped first, and every
    // id passed over is dropped.
    CTreeItem* Back(CNodeData& root);
    // Back from the root of the open project's tree; null when there is no tree.
    CTreeItem* Back();
    // Forgets every id: the ids of one project mean other nodes in the next.
    void Clear();

    // Set while the history itself selects a node, so that the selection is not pushed again.
    void SetNavigating(bool navigating) { m_navigating = navigating; }
    bool Navigating() const { return m_navigating; }
    int Count() const { return m_count; }
    // 0 for an index outside 0..Count()-1.
    int Id(int index) const { return index >= 0 && index < m_count ? m_ids[index] : 0; }

private:
    bool m_justPushed = false;
    int m_ids[Capacity] = {};
    int m_count = 0;
    bool m_navigating = false;
};
