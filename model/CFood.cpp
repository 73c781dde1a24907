#include "model/CFood.h"

#include "model/CEleAttrs.h"
#include "model/CLIB_RoomOccupation.h"
#include "model/COccupationFields.h"
#include "model/CRoom.h"

bool CFood::SetDefaults()
{
    Coord.Clear();
    PeopleQuantity = 0;
    PeopleClassifyCoeffient = 0.9;
    Chemistry_NoRatio = 0.95;
    Chemistry_Ratio = 0;
    Chemistry_Max_Value = 0;
    Chemistry_Heat_Value = 0;
    Chemistry_Moisure_Gain = 0;
    ScheduleName = DefaultScheduleName(QStringLiteral("ScheduleName_Food"));
    Chemistry_Time = DefaultScheduleName(QStringLiteral("Chemistry_Time"));
    if (const CRoom* room = Room())
        PeopleQuantity = PeopleNumber(*room);
    Status = 1;
    return true;
}

void CFood::ExchangeAttrs(CEleAttrs& attrs)
{
    CLoadElement::ExchangeAttrs(attrs);
    EleAttrsExchangeInt(attrs, QStringLiteral("PeopleQuantity"), PeopleQuantity);
    EleAttrsExchangeDouble(attrs, QStringLiteral("PeopleClassifyCoeffient"), PeopleClassifyCoeffient);
    EleAttrsExchangeString(attrs, QStringLiteral("ScheduleName"), ScheduleName);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Chemistry_NoRatio"), Chemistry_NoRatio);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Chemistry_Ratio"), Chemistry_Ratio);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Chemistry_Max_Value"), Chemistry_Max_Value);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Chemistry_Heat_Value"), Chemistry_Heat_Value);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Chemistry_Moisure_Gain"), Chemistry_Moisure_Gain);
    EleAttrsExchangeString(attrs, QStringLiteral("Chemistry_Time"), Chemistry_Time);
}

void CFood::ApplyOccupation(const CRoom& room, const CLIB_RoomOccupation& use, const COccupationFields& fields)
{
    // The diners go by the Area column whatever the room's way of entering its size.
    if (fields.Has(QStringLiteral("FoodPeopleDensity")))
        PeopleQuantity = WholePart(use.FoodPeopleDensity * room.Area);
}
