#pragma once
#include <QString>
#include <utility>
#include <vector>

class CTreeItem;

// What the search panel asks for.
struct SNodeSearchOptions
{
    QString Pattern;          // trimmed, non-empty; found case-sensitively within the caption
    int Type = 0;             // 0 any type (the project node too), 1..30 that element type only
    bool IncludeIdle = false; // idle nodes count as hits too
    bool StopAtFirst = false; // stop at the first hit instead of listing all
};

struct SNodeSearchHit
{
    CTreeItem* Item = nullptr;
    int NodeId = 0;
    QString Path; // captions from the top item down to the hit, joined with "~"
};

// Finds the items of a tree view whose caption holds the pattern, in pre-order (an item before
// its children, children in tree order). A node that is not a hit (idle, other type) still has
// its children searched. Widget-free; the tree must not change while it runs.
class CNodeSearch
{
public:
    explicit CNodeSearch(SNodeSearchOptions options) : m_options(std::move(options)) {}

    // Searches the item and everything below it; the prefix is the path of the item's parent
    // (empty at the top). True when the search stopped at a hit.
    bool SearchNode(CTreeItem* item, const QString& prefix);
    // The captions of the item's ancestors from the top item down, joined with "~".
    static QString AncestorPrefix(const CTreeItem* item);

    int HitCount() const { return static_cast<int>(m_hits.size()); }
    const std::vector<SNodeSearchHit>& Hits() const { return m_hits; }

private:
    bool IsHit(const CTreeItem* item) const;

    SNodeSearchOptions m_options;
    std::vector<SNodeSearchHit> m_hits;
};
