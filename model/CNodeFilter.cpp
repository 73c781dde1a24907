#include "model/CNodeFilter.h"

#include "model/CElementManage.h"
#include "model/CNodeData.h"

CNodeFilter::CNodeFilter(int type)
{
    SetType(type, true);
}

void CNodeFilter::SetType(int type, bool includeType)
{
    m_mask.fill(false);
    if (type < 0 || type >= CElementManage::TypeCount)
        return;
    if (includeType)
        m_mask[static_cast<size_t>(type)] = true;
    CElementManage& registry = CElementManage::Current();
    // The walk is bounded by the number of types, should the registry hold a cycle.
    for (int step = 0, parent = registry.GetParentType(type);
         step < CElementManage::TypeCount && parent >= 0 && parent < CElementManage::TypeCount;
         ++step, parent = registry.GetParentType(parent))
        m_mask[static_cast<size_t>(parent)] = true;
}

bool CNodeFilter::IsTypeSet(int type) const
{
    return type >= 0 && type < CElementManage::TypeCount && m_mask[static_cast<size_t>(type)];
}

bool CNodeFilter::Accepts(const CNodeData& node) const
{
    if (!IsTypeSet(node.Type()))
        return false;
    return m_callback ? m_callback(node) : true;
}
