#include "model/CGlassRoof.h"

#include "model/CEleAttrs.h"

CGlassRoof::CGlassRoof() : CSlabElement(TypeCode, 9, QStringLiteral("GlassRoofName")) {}

bool CGlassRoof::SetDefaults()
{
    ClearNameAndStatus();
    SetMaterialDefaults();
    Direction = 0;
    Obliquity = 0;
    SetSizeDefaults(true);
    Direction_Angle = 0;
    Shield = 1;
    return true;
}

void CGlassRoof::ExchangeAttrs(CEleAttrs& attrs)
{
    CEnvelopeElement::ExchangeAttrs(attrs);
    ExchangeMaterialId(attrs);
    ExchangeMaterialName(attrs);
    EleAttrsExchangeInt(attrs, QStringLiteral("Direction"), Direction);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Obliquity"), Obliquity);
    ExchangeSize(attrs);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Direction_Angle"), Direction_Angle);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Shield"), Shield);
}
