#include "model/CInfiltration.h"

#include "model/CEleAttrs.h"
#include "model/CRoom.h"

bool CInfiltration::SetDefaults()
{
    Name.clear();
    Coord.Clear();
    PeopleQUantity = 0;
    DoorType = 0;
    n_data = -1;
    ScheduleName = DefaultScheduleName(QStringLiteral("ScheduleName_Infiltration"));
    if (const CRoom* room = Room())
        PeopleQUantity = PeopleNumber(*room);
    Status = 1;
    return true;
}

void CInfiltration::ExchangeAttrs(CEleAttrs& attrs)
{
    CLoadElement::ExchangeAttrs(attrs);
    EleAttrsExchangeInt(attrs, QStringLiteral("PeopleQUantity"), PeopleQUantity);
    EleAttrsExchangeInt(attrs, QStringLiteral("DoorType"), DoorType);
    EleAttrsExchangeString(attrs, QStringLiteral("ScheduleName"), ScheduleName);
    EleAttrsExchangeDouble(attrs, QStringLiteral("n_data"), n_data);
}
