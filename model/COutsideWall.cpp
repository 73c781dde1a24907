#include "model/COutsideWall.h"

#include "model/CEleAttrs.h"

COutsideWall::COutsideWall() : CEnvelopeElement(TypeCode, 0, QStringLiteral("OutsideWallName")) {}

bool COutsideWall::SetDefaults()
{
    ClearNameAndStatus();
    Height = StoreyHeight();
    SetMaterialDefaults();
    Direction = 1;
    IsLWInputArea = 0;
    Length = 0;
    Area = 0;
    Direction_Angle = 0;
    return true;
}

void COutsideWall::ExchangeAttrs(CEleAttrs& attrs)
{
    CEnvelopeElement::ExchangeAttrs(attrs);
    ExchangeMaterialId(attrs);
    ExchangeMaterialName(attrs);
    EleAttrsExchangeInt(attrs, QStringLiteral("Direction"), Direction);
    ExchangeArea(attrs);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Height"), Height);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Area"), Area);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Direction_Angle"), Direction_Angle);
}

double COutsideWall::GetOpeningArea(int wallId)
{
    return SumOpeningArea(QStringLiteral("OutsideWindow"), wallId) +
           SumOpeningArea(QStringLiteral("OutsideDoor"), wallId);
}
