#include "model/CInsideWindow.h"

#include "model/CEleAttrs.h"

CInsideWindow::CInsideWindow() : CEnvelopeElement(TypeCode, 10, QStringLiteral("InsideWindowName")) {}

bool CInsideWindow::SetDefaults()
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

void CInsideWindow::ExchangeAttrs(CEleAttrs& attrs)
{
    CEnvelopeElement::ExchangeAttrs(attrs);
    ExchangeMaterialId(attrs);
    ExchangeMaterialName(attrs);
    EleAttrsExchangeInt(attrs, QStringLiteral("Quantity"), Quantity);
    ExchangeArea(attrs);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Width"), Width);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Area"), Area);
}
