#pragma once
#include "model/CLoadElement.h"

// An evaporating water surface in a room (type 26, table Evaporating).
class CEvaporating : public CLoadElement
{
public:
    CEvaporating() : CLoadElement(26) {}

    double SurfaceArea = 0;      // m²
    double WaterTemperature = 0; // ℃

    // Keeps Name. No surface, water at 20 ℃, the default evaporating schedule. Status 1.
    bool SetDefaults() override;
    void ExchangeAttrs(CEleAttrs& attrs) override;
};
