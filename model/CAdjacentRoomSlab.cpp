#include "model/CAdjacentRoomSlab.h"

#include "model/CEleAttrs.h"

CAdjacentRoomSlab::CAdjacentRoomSlab(int type, int libraryKind, const QString& nameColumn,
                                     const QString& storeyColumn)
    : CSlabElement(type, libraryKind, nameColumn), m_storeyColumn(storeyColumn)
{
}

bool CAdjacentRoomSlab::SetDefaults()
{
    ClearNameAndStatus();
    SetMaterialDefaults();
    AdjacentRoomStatus = 0;
    AdjacentRoomStatus_Heating = 0;
    AdjacentRoomName.clear();
    AdjacentRoomStoreyName.clear();
    SetSizeDefaults(true);
    TransHeat_Between = 0;
    Temperature_Range = 0;
    NearRoomDeltaT_Sum = 0;
    NearRoomDeltaT_Win = 0;
    Coefficient_Value = 1;
    AdjacentRoomID = -1;
    bWinter_Heat_Transfer = 1;
    return true;
}

void CAdjacentRoomSlab::ExchangeAttrs(CEleAttrs& attrs)
{
    CEnvelopeElement::ExchangeAttrs(attrs);
    ExchangeMaterialId(attrs);
    ExchangeMaterialName(attrs);
    EleAttrsExchangeInt(attrs, QStringLiteral("AdjacentRoomStatus"), AdjacentRoomStatus);
    EleAttrsExchangeInt(attrs, QStringLiteral("AdjacentRoomStatus_Heating"), AdjacentRoomStatus_Heating);
    EleAttrsExchangeString(attrs, QStringLiteral("AdjacentRoomName"), AdjacentRoomName);
    EleAttrsExchangeString(attrs, m_storeyColumn, AdjacentRoomStoreyName);
    ExchangeSize(attrs);
    EleAttrsExchangeInt(attrs, QStringLiteral("TransHeat_Between"), TransHeat_Between);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Temperature_Range"), Temperature_Range);
    EleAttrsExchangeDouble(attrs, QStringLiteral("NearRoomDeltaT_Sum"), NearRoomDeltaT_Sum);
    EleAttrsExchangeDouble(attrs, QStringLiteral("NearRoomDeltaT_Win"), NearRoomDeltaT_Win);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Coefficient_Value"), Coefficient_Value);
    EleAttrsExchangeInt(attrs, QStringLiteral("AdjacentRoomID"), AdjacentRoomID);
    EleAttrsExchangeInt(attrs, QStringLiteral("bWinter_Heat_Transfer"), bWinter_Heat_Transfer);
}
