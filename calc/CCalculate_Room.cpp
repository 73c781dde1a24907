#include "calc/CCalculate_Room.h"

#include "calc/ResultHolder.h"
#include "platform/core/Exception.h"

#include <algorithm>

CCalculate_Room::~CCalculate_Room()
{
    Clear();
}

int CCalculate_Room::ElementListIndex(int kind)
{
    const auto it = std::find(ElementListKinds.begin(), ElementListKinds.end(), kind);
    return it == ElementListKinds.end() ? -1 : static_cast<int>(it - ElementListKinds.begin());
}

CBaseDataList& CCalculate_Room::Elements(int kind)
{
    const int index = ElementListIndex(kind);
    if (index < 0)
        throw Exception(QStringLiteral("房间没有类型%1的元素列表").arg(kind));
    return ElementLists[static_cast<size_t>(index)];
}

const CBaseDataList& CCalculate_Room::Elements(int kind) const
{
    return const_cast<CCalculate_Room*>(this)->Elements(kind);
}

void CCalculate_Room::Clear()
{
    for (CBaseDataList& list : ElementLists)
        list.clear();
    Roofs.clear();
    InsideWalls.clear();
    OutsideWalls.clear();
    ReturnHeldResult(Result);
}
