#pragma once
#include <functional>
#include <memory>

class CNodeData;

// One edit of the project tree, all or nothing: its statements run in one transaction of the
// project database and the node tree in memory follows them. An edit that ends without Commit
// (a failed step returns, or an exception passes) rolls its statements back and undoes its changes
// to the nodes in reverse order. Edits nest: an inner edit is a savepoint of the outer one, and
// what it did becomes final only with the outermost commit. Nodes an edit takes out of the tree
// are destroyed, and the changes it makes to tree views are made, only after the outermost commit,
// so a rolled-back edit leaves the tree views as they were.
//
// Needs the project connection of TDM_Project. User-interface thread only.
class CTreeEdit
{
public:
    CTreeEdit();
    ~CTreeEdit();
    CTreeEdit(const CTreeEdit&) = delete;
    CTreeEdit& operator=(const CTreeEdit&) = delete;

    // Raises Exception when the database refuses the commit; the edit is then rolled back.
    void Commit();

    static bool Active();
    // Registers the undoing of a change just made in memory. Outside an edit it is dropped.
    static void OnUndo(std::function<void()> undo);
    // Runs the action once the outermost edit has committed; at once outside an edit.
    static void OnCommit(std::function<void()> action);
    // Keeps a node taken out of the tree until the outermost commit destroys it; outside an edit
    // it is destroyed at once.
    static void Bury(std::unique_ptr<CNodeData> node);
    // Gives a buried node back (for undoing its removal); null when it is not buried.
    static std::unique_ptr<CNodeData> Exhume(CNodeData* node);

private:
    size_t m_undoMark;
    size_t m_commitMark;
    int m_depth;
    bool m_done = false;
};
