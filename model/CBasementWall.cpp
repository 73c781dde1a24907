#include "model/CBasementWall.h"

#include "model/CEleAttrs.h"

CBasementWall::CBasementWall() : CEnvelopeElement(TypeCode, 19, QStringLiteral("BasementWallName")) {}

bool CBasementWall::SetDefaults()
{
    ClearNameAndStatus();
    SetMaterialDefaults();
    IsLWInputArea = 0;
    Length = 0;
    Width = 0;
    Area = 0;
    return true;
}

void CBasementWall::ExchangeAttrs(CEleAttrs& attrs)
{
    CEnvelopeElement::ExchangeAttrs(attrs);
    ExchangeMaterialName(attrs);
    ExchangeArea(attrs);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Width"), Width);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Area"), Area);
    ExchangeMaterialId(attrs);
}
