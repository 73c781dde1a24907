#include "model/CEvaporating.h"

#include "model/CEleAttrs.h"

bool CEvaporating::SetDefaults()
{
    Coord.Clear();
    SurfaceArea = 0;
    WaterTemperature = 20;
    ScheduleName = DefaultScheduleName(QStringLiteral("ScheduleName_Evaporating"));
    Status = 1;
    return true;
}

void CEvaporating::ExchangeAttrs(CEleAttrs& attrs)
{
    CLoadElement::ExchangeAttrs(attrs);
    EleAttrsExchangeDouble(attrs, QStringLiteral("SurfaceArea"), SurfaceArea);
    EleAttrsExchangeDouble(attrs, QStringLiteral("WaterTemperature"), WaterTemperature);
    EleAttrsExchangeString(attrs, QStringLiteral("ScheduleName"), ScheduleName);
}
