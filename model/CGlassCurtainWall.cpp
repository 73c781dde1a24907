#include "model/CGlassCurtainWall.h"

#include "model/CEleAttrs.h"

CGlassCurtainWall::CGlassCurtainWall() : CEnvelopeElement(TypeCode, 8, QStringLiteral("GlassCurtainWallName"))
{
}

bool CGlassCurtainWall::SetDefaults()
{
    ClearNameAndStatus();
    Height = StoreyHeight();
    SetMaterialDefaults();
    Direction = 1;
    IsLWInputArea = 0;
    Length = 0;
    Area = 0;
    AirSupplyType = DefaultInt(QStringLiteral("AirSupplyType"));
    ShieldType = 0;
    InsideShieldMaterials = 0;
    Direction_Angle = 0;
    return true;
}

void CGlassCurtainWall::ExchangeAttrs(CEleAttrs& attrs)
{
    CEnvelopeElement::ExchangeAttrs(attrs);
    ExchangeMaterialId(attrs);
    ExchangeMaterialName(attrs);
    EleAttrsExchangeInt(attrs, QStringLiteral("Direction"), Direction);
    ExchangeArea(attrs);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Height"), Height);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Area"), Area);
    EleAttrsExchangeInt(attrs, QStringLiteral("AirSupplyType"), AirSupplyType);
    EleAttrsExchangeInt(attrs, QStringLiteral("ShieldType"), ShieldType);
    EleAttrsExchangeInt(attrs, QStringLiteral("InsideShieldMaterials"), InsideShieldMaterials);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Direction_Angle"), Direction_Angle);
}
