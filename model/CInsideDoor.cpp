#include "model/CInsideDoor.h"

#include "model/CEleAttrs.h"

CInsideDoor::CInsideDoor() : CEnvelopeElement(TypeCode, 11, QStringLiteral("InsideDoorName")) {}

bool CInsideDoor::SetDefaults()
{
    ClearNameAndStatus();
    SetMaterialDefaults();
    Quantity = 1;
    IsLWInputArea = 0;
    Length = 0;
    Width = 0;
    Area = 0;
    return true;
}

void CInsideDoor::ExchangeAttrs(CEleAttrs& attrs)
{
    CEnvelopeElement::ExchangeAttrs(attrs);
    ExchangeMaterialId(attrs);
    ExchangeMaterialName(attrs);
    EleAttrsExchangeInt(attrs, QStringLiteral("Quantity"), Quantity);
    ExchangeArea(attrs);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Width"), Width);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Area"), Area);
}
