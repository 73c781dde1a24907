#include "model/CSlabElement.h"

#include "model/CEleAttrs.h"

namespace {
constexpr int kRoomType = 3;
}

void CSlabElement::ExchangeSize(CEleAttrs& attrs)
{
    ExchangeArea(attrs);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Width"), Width);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Area"), Area);
}

void CSlabElement::SetSizeDefaults(bool fromRoom)
{
    IsLWInputArea = 0;
    Length = 0;
    Width = 0;
    Area = 0;
    if (!fromRoom)
        return;
    if (CElementBase* room = Ancestor(kRoomType)) {
        ColumnInt(*room, QStringLiteral("IsLWInputArea"), IsLWInputArea);
        ColumnReal(*room, QStringLiteral("Length"), Length);
        ColumnReal(*room, QStringLiteral("Width"), Width);
        ColumnReal(*room, QStringLiteral("Area"), Area);
    }
}
