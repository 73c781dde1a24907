#include "model/CBlindStorey.h"

#include "model/CEleAttrs.h"

CBlindStorey::CBlindStorey() : CSlabElement(TypeCode, 5, QStringLiteral("BlindStoreyName")) {}

bool CBlindStorey::SetDefaults()
{
    ClearNameAndStatus();
    SetMaterialDefaults();
    RibHeight = 0;
    RibDistance = 0;
    SetSizeDefaults(false);
    Color = DefaultInt(QStringLiteral("RoofColor"));
    return true;
}

void CBlindStorey::ExchangeAttrs(CEleAttrs& attrs)
{
    CEnvelopeElement::ExchangeAttrs(attrs);
    ExchangeMaterialName(attrs);
    EleAttrsExchangeDouble(attrs, QStringLiteral("RibHeight"), RibHeight);
    EleAttrsExchangeDouble(attrs, QStringLiteral("RibDistance"), RibDistance);
    ExchangeSize(attrs);
    EleAttrsExchangeInt(attrs, QStringLiteral("Color"), Color);
    ExchangeMaterialId(attrs);
}
