#pragma once
#include "model/CNodeData.h"
#include "platform/core/CCurrent.h"

class CNodeFilter;
class CNodeTreeView;
class CProjectTreeHostBase;
class CTreeItem;

// The tree store: owns the project node (the root) and through it the whole tree of the open
// project, loads it from tbl_tree, fills tree views from it and hands out node ids. One exists for
// the run, registered as Current(); the rows of single nodes are written by the nodes.
class CTreeView2DB : public CCurrent<CTreeView2DB>
{
public:
    static constexpr const char* SlotName = "CTreeView2DB";

    CTreeView2DB() = default;

    CNodeData& Root() { return m_root; }

    // Replaces the tree in memory with the content of tbl_tree and resets the element ID
    // counters. Rows whose parent row is not loaded are reported: the user chooses between
    // deleting them (with their element rows) and appending them to msg.log in the current folder.
    // A table without the project row gets one, so that new top-level nodes have a parent row.
    // A failing query raises; the tree is then empty.
    void LoadTree();
    // Shows the tree in the view: one top-level item for the root, the nodes below it as
    // CNodeData::BuildTreeItems decides. The main window binds; dialogs pass a filter and no bind.
    void FillTreeView(CNodeTreeView& view, const CNodeFilter* filter, bool bind);
    // Highest loaded id plus 1, 2, ...; never reused until the next load.
    int GetNextNodeId() { return ++m_lastNodeId; }
    int LastNodeId() const { return m_lastNodeId; }
    // Expands the item and, below it, every item whose element type is below the type code;
    // folders always.
    void ExpandTreeToLevel(CTreeItem* item, int type);

    void SetHost(CProjectTreeHostBase* host) { m_host = host; }
    CProjectTreeHostBase* Host() const { return m_host; }
    // The project always; without a host every element type is shown.
    bool IsElementTypeUsed(int type) const;

private:
    int m_lastNodeId = 0;
    CNodeData m_root;
    CProjectTreeHostBase* m_host = nullptr;
};
