#pragma once
#include <array>

class CNodeTreeView;

// Keeps the selection of the main tree view across a command that rebuilds it. The constructor
// records the path of the selected node (or of the root when nothing is selected) by node ids,
// the node first, at most 49 of them, and begins an update of the view; the destructor selects
// the deepest node of that path that still exists and is shown (else the root's item) and ends
// the update. Declared in the command handler around the rebuild.
class CNodeStateKeep
{
public:
    CNodeStateKeep();
    ~CNodeStateKeep();
    CNodeStateKeep(const CNodeStateKeep&) = delete;
    CNodeStateKeep& operator=(const CNodeStateKeep&) = delete;

    static constexpr int Slots = 50;

private:
    CNodeTreeView* m_view = nullptr;
    std::array<int, Slots> m_ids{};
};
