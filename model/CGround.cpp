#include "model/CGround.h"

#include "model/CEleAttrs.h"

CGround::CGround() : CSlabElement(TypeCode, 13, QStringLiteral("GroundName")) {}

bool CGround::SetDefaults()
{
    ClearNameAndStatus();
    SetMaterialDefaults();
    SetSizeDefaults(true);
    GroundType = 0;
    return true;
}

void CGround::ExchangeAttrs(CEleAttrs& attrs)
{
    CEnvelopeElement::ExchangeAttrs(attrs);
    ExchangeMaterialId(attrs);
    ExchangeMaterialName(attrs);
    ExchangeSize(attrs);
    EleAttrsExchangeInt(attrs, QStringLiteral("GroundType"), GroundType);
}
