#include "model/CSkyWindow.h"

#include "model/CEleAttrs.h"

CSkyWindow::CSkyWindow() : CSlabElement(TypeCode, 12, QStringLiteral("SkyWindowName")) {}

bool CSkyWindow::SetDefaults()
{
    ClearNameAndStatus();
    SetMaterialDefaults();
    Quantity = 1;
    SetSizeDefaults(false);
    Shield = 1;
    return true;
}

void CSkyWindow::ExchangeAttrs(CEleAttrs& attrs)
{
    CEnvelopeElement::ExchangeAttrs(attrs);
    ExchangeMaterialId(attrs);
    ExchangeMaterialName(attrs);
    EleAttrsExchangeInt(attrs, QStringLiteral("Quantity"), Quantity);
    ExchangeSize(attrs);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Shield"), Shield);
}
