#pragma once
#include <array>
#include <functional>

class CNodeData;

// Which nodes a tree view built by CTreeView2DB::FillTreeView shows: a mask over the element
// types 0..30, usually a type with all the types above it, and an optional callback that may
// refuse single nodes of the types the mask lets through.
class CNodeFilter
{
public:
    using Callback = std::function<bool(const CNodeData&)>;

    // An empty mask: nothing passes until SetType.
    CNodeFilter() = default;
    // The type and all its ancestor types.
    explicit CNodeFilter(int type);

    // Clears the mask, sets the type when asked, then its parent type, that type's parent type
    // and so on up the registry's parent types.
    void SetType(int type, bool includeType);
    void SetCallback(Callback callback) { m_callback = std::move(callback); }
    bool IsTypeSet(int type) const;
    bool Accepts(const CNodeData& node) const;

private:
    std::array<bool, 31> m_mask{};
    Callback m_callback;
};
