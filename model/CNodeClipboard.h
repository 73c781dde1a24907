#pragma once
#include "platform/core/CCurrent.h"

#include <functional>

class CNodeData;
class CTreeItem;

// Copy, cut and paste of project-tree nodes. It holds the node id of what was copied or cut,
// never a pointer, so a node deleted after the copy is simply not found and a node changed after
// the copy is pasted as it is at paste time. One exists for the run, registered as Current();
// the project lifecycle clears it whenever another project is opened or the project is closed.
//
// A paste runs as one tree edit: for a cut, taking the source out, copying it and deleting it
// succeed together or not at all, so a failed copy leaves the source where it was.
class CNodeClipboard : public CCurrent<CNodeClipboard>
{
public:
    static constexpr const char* SlotName = "CNodeClipboard";
    // Mirrors the copy of a paste (the batch copy's room mirroring): mode 0 point, 1 north-south,
    // 2 east-west; it may write the copy's rows and runs inside the paste's edit.
    using MirrorFunction = std::function<void(int mirrorMode, CNodeData& source, CNodeData& copy)>;

    // Remembers the main tree view's selected node in copy mode; nothing without a selection.
    void Copy();
    // Remembers the item's node in copy mode; nothing for a null item.
    void CopyNode(CTreeItem* item);
    // Remembers the selected node in cut mode; nothing (the clipboard unchanged) without one.
    void Cut();
    // 0 refused (the user is told why when a node is held), 1 paste over a node of the same type,
    // 2 paste as a child.
    int CanPaste(CTreeItem* target);
    // Pastes onto the main tree view's selected item (kind 1 or 2, as CanPaste answered), rebuilds
    // the main tree view and selects the result.
    void Paste(int kind);
    // Pastes onto the given item and mirrors the copy; the tree view is left to the caller.
    // Returns the pasted node, or null when nothing was pasted.
    CNodeData* PasteMirrored(CTreeItem* target, int kind, int mirrorMode, const MirrorFunction& mirror);
    // Forgets what is held.
    void Clear();

    int NodeId() const { return m_nodeId; }
    // 0 copy, 1 cut, -1 nothing held.
    int Mode() const { return m_mode; }
    // The held node's type, or for a folder the type of the first node inside it that is no
    // folder (30 when it holds only folders or nothing).
    int ContentType() const { return m_contentType; }

private:
    CNodeData* Held() const;
    bool Remember(CTreeItem* item);
    CNodeData* PasteOnto(CTreeItem* target, CNodeData& source, int kind, const MirrorFunction* mirror,
                         int mirrorMode);

    int m_nodeId = -1;
    int m_mode = -1;
    int m_contentType = -1;
};
