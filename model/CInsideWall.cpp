#include "model/CInsideWall.h"

#include "model/CEleAttrs.h"

namespace {
constexpr int kRoomType = 3;
}

CInsideWall::CInsideWall() : CEnvelopeElement(TypeCode, 1, QStringLiteral("InsideWallName")) {}

bool CInsideWall::SetDefaults()
{
    ClearNameAndStatus();
    Height = StoreyHeight();
    // Without a room to ask, heat transfer through inside walls is counted.
    int roomTransfer = 1;
    if (CElementBase* room = Ancestor(kRoomType))
        ColumnInt(*room, QStringLiteral("IsWinter_Heat_Transfer"), roomTransfer);
    Winter_Heat_Transfer = roomTransfer == 1;
    SetMaterialDefaults();
    AdjacentRoomStatus = 0;
    AdjacentRoomStatus_Heating = 0;
    AdjacentRoomName.clear();
    IsLWInputArea = 0;
    Length = 0;
    Area = 0;
    Winter_NearRoomDeltaT = 0;
    Summer_NearRoomDeltaT = 0;
    Coefficient = 0;
    TransHeat_Between = 0;
    AdjacentRoomID = -1;
    return true;
}

void CInsideWall::ExchangeAttrs(CEleAttrs& attrs)
{
    CEnvelopeElement::ExchangeAttrs(attrs);
    ExchangeMaterialId(attrs);
    ExchangeMaterialName(attrs);
    EleAttrsExchangeInt(attrs, QStringLiteral("AdjacentRoomStatus"), AdjacentRoomStatus);
    EleAttrsExchangeInt(attrs, QStringLiteral("AdjacentRoomStatus_Heating"), AdjacentRoomStatus_Heating);
    EleAttrsExchangeString(attrs, QStringLiteral("AdjacentRoomName"), AdjacentRoomName);
    ExchangeArea(attrs);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Height"), Height);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Area"), Area);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Winter_NearRoomDeltaT"), Winter_NearRoomDeltaT);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Summer_NearRoomDeltaT"), Summer_NearRoomDeltaT);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Coefficient"), Coefficient);
    EleAttrsExchangeBool(attrs, QStringLiteral("Winter_Heat_Transfer"), Winter_Heat_Transfer);
    EleAttrsExchangeInt(attrs, QStringLiteral("TransHeat_Between"), TransHeat_Between);
    EleAttrsExchangeInt(attrs, QStringLiteral("AdjacentRoomID"), AdjacentRoomID);
}

double CInsideWall::GetOpeningArea(int wallId)
{
    return SumOpeningArea(QStringLiteral("InsideWindow"), wallId) +
           SumOpeningArea(QStringLiteral("InsideDoor"), wallId);
}
