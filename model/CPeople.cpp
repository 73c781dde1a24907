#include "model/CPeople.h"

#include "model/CDefaultValue.h"
#include "model/CEleAttrs.h"
#include "model/CLIB_RoomOccupation.h"
#include "model/COccupationFields.h"
#include "model/CRoom.h"

bool CPeople::SetDefaults()
{
    Name.clear();
    Coord.Clear();
    LaborType = 0;
    if (CRoom* room = Room())
        ApplyOccupation(*room, room->GetOccupation(), COccupationFields());
    else
        ScheduleName = DefaultScheduleName(QStringLiteral("ScheduleName_People"));
    PeopleClassifyCoeffient = CDefaultValue::Real(QStringLiteral("PeopleClassifyCoeffient"));
    Status = 1;
    return true;
}

void CPeople::ExchangeAttrs(CEleAttrs& attrs)
{
    CLoadElement::ExchangeAttrs(attrs);
    EleAttrsExchangeInt(attrs, QStringLiteral("LaborType"), LaborType);
    EleAttrsExchangeDouble(attrs, QStringLiteral("PeopleClassifyCoeffient"), PeopleClassifyCoeffient);
    EleAttrsExchangeString(attrs, QStringLiteral("ScheduleName"), ScheduleName);
}

void CPeople::ApplyOccupation(const CRoom&, const CLIB_RoomOccupation& use, const COccupationFields& fields)
{
    if (fields.Has(QStringLiteral("LaborType")))
        LaborType = use.LaborType;
    if (fields.Has(QStringLiteral("PeopleScheduleName")))
        ScheduleName = use.PeopleScheduleName;
}
