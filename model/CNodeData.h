#pragma once
#include "model/CElementBase.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class CNodeFilter;
class CTreeItem;

// One node of the project tree: the project (the root, held by CTreeView2DB), a building, storey,
// room, envelope or load element, or a folder (type 30). Every node is mirrored by one row of
// tbl_tree and, but the project, by one row of its element table; the node owns its children and
// its element object once loaded.
//
// Every edit (create, copy, delete, rename, move, activate) writes the rows at once and runs as
// one CTreeEdit: when a step fails or raises, nothing of the edit stays, neither in the database
// nor in memory. Statements on single rows count only when exactly one row is affected.
// Operations that delete nodes destroy them when the outermost edit commits.
class CNodeData final : public CElementNode
{
public:
    using Visitor = std::function<bool(CNodeData*)>;

    CNodeData();
    ~CNodeData() override;
    CNodeData(const CNodeData&) = delete;
    CNodeData& operator=(const CNodeData&) = delete;

    // What the element of this node reads of the tree.
    int ParentElementId() const override;
    QString NodePath() const override;
    CElementBase* AncestorElement(int type) const override;
    QList<CElementBase*> DescendantElements() const override;

    int GetElementId() const { return m_elementId; }
    // In memory only.
    void SetElementId(int id) { m_elementId = id; }
    int NodeId() const { return m_nodeId; }
    // Element type 0..30; -1 in a new node or for an image above 60.
    int Type() const { return m_type; }
    int ImageIndex() const { return m_imageIndex; }
    const QString& Caption() const { return m_caption; }
    int Index() const { return m_index; }
    int Level() const { return m_level; }
    CNodeData* Parent() const { return m_parent; }
    int ChildCount() const { return static_cast<int>(m_children.size()); }
    // Null for an index outside 0..ChildCount()-1.
    CNodeData* Child(int index) const;
    // The item of the main tree view that shows the node; null while it is not shown.
    CTreeItem* TreeItem() const { return m_treeItem; }
    void SetTreeItem(CTreeItem* item) { m_treeItem = item; }
    // A dialog's own record for the node while it is open; the tree never reads it.
    void* Record() const { return m_record; }
    void SetRecord(void* record) { m_record = record; }
    // The element object when loaded, else null (no loading).
    CElementBase* Element() const { return m_element.get(); }

    // The values of a tbl_tree row (the loader): the type follows from the image index.
    void SetRow(int nodeId, int elementId, int imageIndex, const QString& caption);
    // Destroys all children in memory, no rows touched (the loader, before a load).
    void ClearChildren();

    // Appends the child: index, parent and level follow. No database work.
    CNodeData* AddChild(std::unique_ptr<CNodeData> child);
    // Takes the node out of its parent's children (renumbering the rest when asked); inside an
    // enclosing edit the node lives on until that edit commits, outside one it is destroyed at
    // once. False only when the renumbering fails; true without a parent.
    bool Unlink(bool renumber);
    // Gives every child its position as index, writing the rows whose index changed.
    bool RenumberChildren();
    // Moves the node among its siblings by the offset, clamped to the first and last place.
    bool MoveBy(int offset);

    // Nearest ancestor that is neither a folder nor the project; null when none.
    CNodeData* GetNonFolderParent() const;
    CNodeData* GetAncestorOfType(int type) const;
    CNodeData* GetRoomNode() const { return GetAncestorOfType(3); }
    CNodeData* GetStoreyNode() const { return GetAncestorOfType(2); }
    CNodeData* GetBuildingNode() const { return GetAncestorOfType(1); }
    // Whether a node of the type may be placed under the parent: a folder anywhere, any other
    // type under its parent type (the first node at or above the parent that is no folder).
    static bool CanBeChildOf(int type, const CNodeData* parent);

    // Pre-order searches of the subtree, the node itself first.
    CNodeData* FindNode(int type, int elementId);
    CNodeData* FindNodeById(int nodeId);
    // An empty caption matches any node of the type.
    CNodeData* FindNodeByCaption(int type, const QString& caption);
    // Pre-order walk until the visitor returns true; whether it stopped.
    bool Traverse(const Visitor& visitor);
    // All nodes below this one, pre-order.
    void CollectDescendants(QList<CNodeData*>& list) const;
    // Captions from the root down to this node, joined with the separator.
    QString GetFullPath(const QString& separator) const;
    bool IsActive() const;

    bool InsertNodeRow();
    bool UpdateNodeRow();

    // The element object, read from its row on first use. A lost row is written again with
    // default values and the user warned; null (after telling the user) when that fails.
    CElementBase* LoadElement();
    // Drops the loaded element objects (self, and with recursive every descendant's); the next
    // LoadElement reads the rows again.
    void ReleaseElements(bool recursive, bool self);
    // Keeps the present values of the element objects (self and, with recursive, every
    // descendant's, loading them first) to be given back should the enclosing edit roll back, so
    // that objects and rows agree again. Outside an edit it does nothing.
    void KeepElementsForUndo(bool recursive);

    // A new child of the type, captioned with the name (the type's name when empty) and the first
    // free number, zero-padded to width; its element copied from the template or set to its
    // defaults. Null when the placement is refused or a step fails.
    CNodeData* CreateChild(int type, const QString& name, const CElementBase* templateElement, int width);
    // Copies the node (with recursive its subtree) as the last child of the target; null when
    // the placement is refused, the target lies in the node's own subtree, or a step fails.
    CNodeData* CopyUnder(CNodeData* target, bool recursive);
    // The node takes the source's values (keeping caption, ids and place) and, with recursive,
    // copies of the source's children in place of its own. Both nodes must be of one type and
    // neither may lie in the other's subtree.
    bool CopyContentFrom(CNodeData* source, bool recursive);
    // Deletes the node with its subtree and all their rows; the node is destroyed on success.
    bool DeleteNodeRows(bool renumber);
    bool DeleteChildren();
    // Refused (false, nothing written) for names with "~" or "@", longer than 25 GBK bytes,
    // blank, or used by another node of the type in the scope; the root cannot be renamed.
    bool RenameNode(const QString& name);
    void SetNodeStatus(bool active);

    // Shows the subtree in the item's view: nodes of types the design type does not use or the
    // filter refuses are left out (a folder still passes its children up). With bind the nodes
    // remember their items.
    void BuildTreeItems(CTreeItem* item, const CNodeFilter* filter, bool bind);
    void ClearTreeItems(bool recursive);

private:
    int IndexInParent() const;
    std::unique_ptr<CNodeData> TakeChild(int position);
    void InsertChild(int position, std::unique_ptr<CNodeData> child);
    // Scope of caption uniqueness for new children of this node.
    CNodeData* CaptionScope();
    bool Contains(const CNodeData* node) const;
    // A new node of the type under this one, with its tbl_tree row; null when the row fails.
    CNodeData* AddNewChildRow(int type, int imageIndex, const QString& caption,
                              const CNodeData* reportedNode);

    int m_elementId = -1;
    std::unique_ptr<CElementBase> m_element;
    int m_index = 0;
    int m_level = 0;
    int m_nodeId = -1;
    int m_type = -1;
    int m_imageIndex = 0;
    QString m_caption;
    CTreeItem* m_treeItem = nullptr;
    CNodeData* m_parent = nullptr;
    void* m_record = nullptr;
    std::vector<std::unique_ptr<CNodeData>> m_children;
};
