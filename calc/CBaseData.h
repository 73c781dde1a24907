#pragma once
#include <QString>
#include <memory>
#include <vector>

class CElementBase;
class CNodeData;
class CTreeItem;

// One entry of the calculation structure: a reference to a tree node, never a copy of its element
// values. The element object stays owned by the tree node.
struct CBaseData
{
    QString Id;                // element id of the node (row ID in its table), as decimal text
    int Kind = -1;             // element type code 0..30, -1 for an item that shows no type
    QString Caption;           // caption of the node's item
    CNodeData* Node = nullptr; // not owned; null for an item bound to no node

    CBaseData() = default;
    // The entry of a tree item: its type from the image (a disabled node maps back to its type),
    // its text, and the node bound to it.
    explicit CBaseData(const CTreeItem& item);

    // The node's element object, loaded on demand and kept by the node; null without a node.
    CElementBase* GetElement() const;
};

// An owning list of entries, in the pre-order of the project tree.
using CBaseDataList = std::vector<std::unique_ptr<CBaseData>>;
