#include "calc/CBaseData.h"

#include "model/CNodeData.h"
#include "model/CTreeItem.h"

CBaseData::CBaseData(const CTreeItem& item) : Kind(item.Type()), Caption(item.Text()), Node(item.Node())
{
    if (Node)
        Id = QString::number(Node->GetElementId());
}

CElementBase* CBaseData::GetElement() const
{
    return Node ? Node->LoadElement() : nullptr;
}
