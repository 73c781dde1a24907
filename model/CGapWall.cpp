#include "model/CGapWall.h"

#include "model/CEleAttrs.h"

CGapWall::CGapWall() : CEnvelopeElement(TypeCode, 15, QStringLiteral("GapWallName")) {}

bool CGapWall::SetDefaults()
{
    ClearNameAndStatus();
    SetMaterialDefaults();
    GapWallType = 0;
    IsLWInputArea = 0;
    Length = 0;
    Height = 0;
    Area = 0;
    return true;
}

void CGapWall::ExchangeAttrs(CEleAttrs& attrs)
{
    CEnvelopeElement::ExchangeAttrs(attrs);
    ExchangeMaterialId(attrs);
    ExchangeMaterialName(attrs);
    EleAttrsExchangeInt(attrs, QStringLiteral("GapWallType"), GapWallType);
    ExchangeArea(attrs);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Height"), Height);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Area"), Area);
}
