#include "model/COutsideDoor.h"

#include "model/CEleAttrs.h"

COutsideDoor::COutsideDoor() : CEnvelopeElement(TypeCode, 7, QStringLiteral("OutsideDoorName")) {}

bool COutsideDoor::SetDefaults()
{
    ClearNameAndStatus();
    SetMaterialDefaults();
    Quantity = 1;
    AirSupplyType = DefaultInt(QStringLiteral("AirSupplyType"));
    ApertureLength = 0;
    IsColdAir = 0;
    DoorType = 0;
    IsLWInputArea = 0;
    Length = 0;
    Height = 0;
    Area = 0;
    ShieldType = 0;
    InsideShieldMaterials = 0;
    OutsideShield = SOutsideShield();
    return true;
}

void COutsideDoor::ExchangeAttrs(CEleAttrs& attrs)
{
    CEnvelopeElement::ExchangeAttrs(attrs);
    ExchangeMaterialId(attrs);
    ExchangeMaterialName(attrs);
    EleAttrsExchangeInt(attrs, QStringLiteral("Quantity"), Quantity);
    EleAttrsExchangeInt(attrs, QStringLiteral("AirSupplyType"), AirSupplyType);
    EleAttrsExchangeDouble(attrs, QStringLiteral("ApertureLength"), ApertureLength);
    EleAttrsExchangeInt(attrs, QStringLiteral("IsColdAir"), IsColdAir);
    EleAttrsExchangeInt(attrs, QStringLiteral("DoorType"), DoorType);
    ExchangeArea(attrs);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Height"), Height);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Area"), Area);
    EleAttrsExchangeInt(attrs, QStringLiteral("ShieldType"), ShieldType);
    EleAttrsExchangeInt(attrs, QStringLiteral("InsideShieldMaterials"), InsideShieldMaterials);
    OutsideShield.Exchange(attrs);
}
