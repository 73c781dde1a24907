#include "model/CProjectionFloor.h"

#include "model/CEleAttrs.h"

CProjectionFloor::CProjectionFloor() : CSlabElement(TypeCode, 14, QStringLiteral("ProjectionFloorName")) {}

bool CProjectionFloor::SetDefaults()
{
    ClearNameAndStatus();
    SetMaterialDefaults();
    SetSizeDefaults(false);
    return true;
}

void CProjectionFloor::ExchangeAttrs(CEleAttrs& attrs)
{
    CEnvelopeElement::ExchangeAttrs(attrs);
    ExchangeMaterialId(attrs);
    ExchangeMaterialName(attrs);
    ExchangeSize(attrs);
}
