#include "model/COthers.h"

#include "model/CEleAttrs.h"

bool COthers::SetDefaults()
{
    Name.clear();
    Coord.Clear();
    HeatConsumption_Water = 0;
    HeatConsumption_ColdObject = 0;
    HeatConsumption_Ventilation = 0;
    HeatConsumption_Other = 0;
    HeatEmission_Equipment = 0;
    HeatEmission_HotDuct = 0;
    HeatEmission_HotObject = 0;
    HeatEmission_Other = 0;
    Humidity_Other = 0;
    DeHumidity_Other = 0;
    ScheduleName = DefaultScheduleName(QStringLiteral("ScheduleName_Others"));
    Status = 1;
    return true;
}

void COthers::ExchangeAttrs(CEleAttrs& attrs)
{
    CLoadElement::ExchangeAttrs(attrs);
    EleAttrsExchangeDouble(attrs, QStringLiteral("HeatConsumption_Water"), HeatConsumption_Water);
    EleAttrsExchangeDouble(attrs, QStringLiteral("HeatConsumption_ColdObject"), HeatConsumption_ColdObject);
    EleAttrsExchangeDouble(attrs, QStringLiteral("HeatConsumption_Ventilation"), HeatConsumption_Ventilation);
    EleAttrsExchangeDouble(attrs, QStringLiteral("HeatConsumption_Other"), HeatConsumption_Other);
    EleAttrsExchangeDouble(attrs, QStringLiteral("HeatEmission_Equipment"), HeatEmission_Equipment);
    EleAttrsExchangeDouble(attrs, QStringLiteral("HeatEmission_HotDuct"), HeatEmission_HotDuct);
    EleAttrsExchangeDouble(attrs, QStringLiteral("HeatEmission_HotObject"), HeatEmission_HotObject);
    EleAttrsExchangeDouble(attrs, QStringLiteral("HeatEmission_Other"), HeatEmission_Other);
    EleAttrsExchangeDouble(attrs, QStringLiteral("Humidity_Other"), Humidity_Other);
    EleAttrsExchangeDouble(attrs, QStringLiteral("DeHumidity_Other"), DeHumidity_Other);
    EleAttrsExchangeString(attrs, QStringLiteral("ScheduleName"), ScheduleName);
}
