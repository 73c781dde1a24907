#pragma once
#include "model/CLoadElement.h"

// Other heat and moisture gains and losses of a room (type 28, table Others), in W.
class COthers : public CLoadElement
{
public:
    COthers() : CLoadElement(28) {}

    double HeatConsumption_Water = 0;
    double HeatConsumption_ColdObject = 0;
    double HeatConsumption_Ventilation = 0;
    double HeatConsumption_Other = 0;
    double HeatEmission_Equipment = 0;
    double HeatEmission_HotDuct = 0;
    double HeatEmission_HotObject = 0;
    double HeatEmission_Other = 0;
    double Humidity_Other = 0;
    double DeHumidity_Other = 0;

    // All ten values 0, the default schedule for other loads. Status 1.
    bool SetDefaults() override;
    void ExchangeAttrs(CEleAttrs& attrs) override;
};
