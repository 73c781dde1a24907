#pragma once
#include "model/CLoadElement.h"

class CLIB_RoomOccupation;
class COccupationFields;

// Food and chemical reactions in a room (type 25, table Food).
class CFood : public CLoadElement
{
public:
    CFood() : CLoadElement(25) {}

    int PeopleQuantity = 0; // diners
    double PeopleClassifyCoeffient = 0;
    double Chemistry_NoRatio = 0;      // incomplete combustion coefficient
    double Chemistry_Ratio = 0;        // chemical reaction load coefficient
    double Chemistry_Max_Value = 0;    // m³/h
    double Chemistry_Heat_Value = 0;   // kJ/m³
    double Chemistry_Moisure_Gain = 0; // per m³
    QString Chemistry_Time;            // chemical reaction schedule

    // Keeps Name. Group coefficient 0.9, combustion 0.95, the default food and chemical reaction
    // schedules, diners from the room's people density (0 without a room above). Status 1.
    bool SetDefaults() override;
    void ExchangeAttrs(CEleAttrs& attrs) override;

    // "FoodPeopleDensity" asked for: diners = the use's diners per m² × the room's Area column, cut to the
    // whole number. Changes only the object.
    void ApplyOccupation(const CRoom& room, const CLIB_RoomOccupation& use, const COccupationFields& fields);
};
