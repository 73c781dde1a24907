#include "model/CRoof.h"

#include "model/CEleAttrs.h"

CRoof::CRoof() : CSlabElement(TypeCode, 4, QStringLiteral("RoofName")) {}

bool CRoof::SetDefaults()
{
    ClearNameAndStatus();
    SetMaterialDefaults();
    Direction = 0;
    Color = DefaultInt(QStringLiteral("RoofColor"));
    Obliquity = 0;
    SetSizeDefaults(true);
    Direction_Angle = 0;
    return true;
}

void CRoof::ExchangeAttrs(CEleAttrs& attrs)
{
    CEnvelopeElement::ExchangeAttrs(attrs);
    ExchangeMaterialId(attrs);
    ExchangeMaterialName(attrs);
    EleAttrsExchangeInt(attrs, QStringLiteral("Direction"), Direction);
    EleAttrsExchangeInt(attrs, QStringLiteral("Color"), Color);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Obliquity"), Obliquity);
    ExchangeSize(attrs);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Direction_Angle"), Direction_Angle);
}
