#include "model/CLIB_OccupationBase.h"

void CLIB_OccupationBase::AddColumns(CColumns& columns)
{
    columns.insert(columns.end(), {{"SummerACTemperature", &SummerACTemperature},
                                   {"WinterACTemperature", &WinterACTemperature},
                                   {"WinterHeatingTemperature", &WinterHeatingTemperature},
                                   {"TemperatureVariation", &TemperatureVariation},
                                   {"TemperatureVariation_Heating", &TemperatureVariation_Heating},
                                   {"SummerACRH", &SummerACRH},
                                   {"WinterACRH", &WinterACRH},
                                   {"WinterHeatingRH", &WinterHeatingRH},
                                   {"RHVariation", &RHVariation},
                                   {"RHVariation_Heating", &RHVariation_Heating},
                                   {"PeopleDensity", &PeopleDensity},
                                   {"LightingPower", &LightingPower},
                                   {"Noise", &Noise},
                                   {"OutsideAirSupply", &OutsideAirSupply},
                                   {"MaximumAirVelocity", &MaximumAirVelocity},
                                   {"TotalCoolIndex", &TotalCoolIndex},
                                   {"TotalHeatIndex", &TotalHeatIndex},
                                   {"EnclosureCoolIndex", &EnclosureCoolIndex},
                                   {"EnclosureHeatIndex", &EnclosureHeatIndex},
                                   {"PeopleCoolIndex", &PeopleCoolIndex},
                                   {"PeopleHeatIndex", &PeopleHeatIndex},
                                   {"OutsideAirCoolIndex", &OutsideAirCoolIndex},
                                   {"OutsideAirHeatIndex", &OutsideAirHeatIndex},
                                   {"OthersCoolIndex", &OthersCoolIndex},
                                   {"PthersHeatIndex", &PthersHeatIndex},
                                   {"LaborType", &LaborType}});
}
