// Detailed air-conditioning loads of a room: outdoor air and the internal loads (people, lighting,
// equipment, food with its chemical reaction, water surfaces, infiltration).
#include "calc/ArraySums.h"
#include "calc/CCalcLibraryBase.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "model/CElectricEquipment.h"
#include "model/CElectronicEquipment.h"
#include "model/CEvaporating.h"
#include "model/CFood.h"
#include "model/CHeatingEquipment.h"
#include "model/CInfiltration.h"
#include "model/CLighting.h"
#include "model/CPeople.h"
#include "model/CRoom.h"
#include "platform/core/Exception.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int Hours = 24;
constexpr ACSeason Seasons[] = {Summer, Winter};

// Element type codes of the room's lists read here.
constexpr int HeatingEquipmentKind = 6;
constexpr int ElectronicEquipmentKind = 7;
constexpr int ElectricEquipmentKind = 8;
constexpr int FoodKind = 25;
constexpr int EvaporatingKind = 26;
constexpr int InfiltrationKind = 27;

// Result arrays of the detailed record written here.
enum ResultArray : int
{
    IndoorCoolTotal = 2,
    IndoorCoolSensible = 3,
    SummerMoisture = 4,
    SummerAirVolume = 5,
    FreshAirCoolTotal = 6,
    FreshAirCoolSensible = 7,
    WinterIndoorCoolTotal = 13,
    WinterIndoorCoolSensible = 14,
    FreshAirHeatTotal = 15,
    FreshAirHeatSensible = 16,
    WinterMoisture = 18,
    WinterAirVolume = 19,
    PeopleSummerTotal = 20,
    PeopleSummerSensible = 21,
    PeopleSummerMoisture = 22,
    PeopleWinterTotal = 23,
    PeopleWinterSensible = 24,
    PeopleWinterMoisture = 25,
    LightingSummer = 26,
    LightingWinter = 27,
    HeatingEquipmentSummer = 28,
    HeatingEquipmentWinter = 29,
    HeatingEquipmentSummerMoisture = 30,
    HeatingEquipmentWinterMoisture = 31,
    ElectronicSummer = 32,
    ElectronicWinter = 33,
    ElectricSummer = 34,
    ElectricWinter = 35,
    ElectricSummerMoisture = 36,
    ElectricWinterMoisture = 37,
    FoodSummer = 38,
    FoodWinter = 39,
    FoodSummerMoisture = 40,
    FoodWinterMoisture = 41,
    WaterSummer = 42,
    WaterWinter = 43,
    WaterSummerMoisture = 44,
    WaterWinterMoisture = 45,
    InfiltrationSummer = 46,
    InfiltrationWinter = 47,
    InfiltrationSummerMoisture = 48,
    InfiltrationWinterMoisture = 49,
    ChemicalSummerMoisture = 110,
    ChemicalWinterMoisture = 111,
    ChemicalSummerTotal = 112,
    ChemicalWinterTotal = 113,
    ChemicalSummerLatent = 114,
    ChemicalWinterLatent = 115,
};

using SeasonArrays = float[2][Hours];

// The design-day schedules of the named schedule, indexed by season: January into the winter
// row, July into the summer row, day type 1.
void ReadSeasonSchedules(CCalculate_Manager& manager, const QString& name, SeasonArrays& schedules)
{
    manager.GetDaySchedule(name, ACDesignConditions::Month(Winter), 1, schedules[Winter]);
    manager.GetDaySchedule(name, ACDesignConditions::Month(Summer), 1, schedules[Summer]);
}

// The element of an entry, its area brought up to date first. An entry without an element of the
// expected class ends the room's calculation.
template <typename Element> Element& StartElement(CCalculate_Manager& manager, const CBaseData& entry)
{
    manager.ComputeElementArea(entry);
    auto* element = dynamic_cast<Element*>(entry.GetElement());
    if (!element)
        throw Exception(QStringLiteral("无法读取元素[%1]").arg(entry.Caption));
    return *element;
}

// Summer outputs take the cooling plus factor; winter outputs of internal gains take it too, but
// never the winter rebate factor.
void ApplyGainFactors(const RoomCalcContext& context, ACSeason season, float* values)
{
    if (season == Summer)
        CCalculate_Manager::ApplyACSummerFactors(context, values);
    else
        CCalculate_Manager::ApplyACWinterFactors(context, values, false);
}

// Steady outdoor air: every hour that carries a load holds the day's peak.
void FlattenToPeak(float* values)
{
    const float peak = CCalculate_Manager::FindAbsPeak24(values);
    for (int h = 0; h < Hours; ++h)
        if (std::fabs(values[h]) > 1e-8f)
            values[h] = peak;
}

void Add(float* destination, const float* values)
{
    AddArray(destination, values, Hours, false);
}

float Narrow(double value)
{
    return static_cast<float>(value);
}

} // namespace

void CCalculate_Manager::CalculateACOutdoorAir(RoomCalcContext& context, const ACDesignConditions& conditions,
                                               CCalculate_Room&,
                                               CCalculate_Result_IsACLoadCalculation& result)
{
    const CRoom& room = *context.Room;
    SeasonArrays schedule{};
    ReadSeasonSchedules(*this, room.ScheduleName, schedule);

    float temperature[2];
    float humidity[2];
    if (room.NewWind_Type != 0) {
        temperature[Summer] = Narrow(room.NewWind_Temp_St);
        humidity[Summer] = Narrow(room.NewWind_Humidity_Sh);
        temperature[Winter] = Narrow(room.NewWind_Temp_Wt);
        humidity[Winter] = Narrow(room.NewWind_Humidity_Wh);
    } else {
        std::copy_n(conditions.RoomTemperature, 2, temperature);
        std::copy_n(conditions.RoomRH, 2, humidity);
    }

    SeasonArrays dryBulb{};
    SeasonArrays wetBulb{};
    if (context.SteadyFreshAir) {
        std::fill_n(dryBulb[Summer], Hours, conditions.SummerDryBulb);
        std::fill_n(wetBulb[Summer], Hours, conditions.SummerWetBulb);
        std::fill_n(dryBulb[Winter], Hours, conditions.WinterDryBulb);
        std::fill_n(wetBulb[Winter], Hours, Narrow(context.OutdoorWetBulb));
    } else {
        std::copy_n(&conditions.HourlyDryBulb[0][0], 2 * Hours, &dryBulb[0][0]);
        std::copy_n(&conditions.HourlyWetBulb[0][0], 2 * Hours, &wetBulb[0][0]);
    }

    SeasonArrays volume{};
    SeasonArrays total{};
    SeasonArrays sensible{};
    float unused[Hours]{};
    for (ACSeason s : Seasons) {
        CalcLibrary().GetCL_FreshAir_D(context.OutdoorAirVolume, conditions.Pressure[s], temperature[s],
                                       humidity[s], dryBulb[s], wetBulb[s], schedule[s], volume[s], total[s],
                                       sensible[s], unused);
        if (s == Summer) {
            ApplyACSummerFactors(context, total[s]);
            ApplyACSummerFactors(context, sensible[s]);
        } else {
            ApplyACWinterFactors(context, total[s], true);
            ApplyACWinterFactors(context, sensible[s], true);
        }
    }

    float(&r)[CCalculate_Result_IsACLoadCalculation::ArrayCount][Hours] = result.Hourly;
    AddACSeasonPair(context, r[FreshAirCoolTotal], total[Summer], r[FreshAirHeatTotal], total[Winter]);
    AddACSeasonPair(context, r[FreshAirCoolSensible], sensible[Summer], r[FreshAirHeatSensible],
                    sensible[Winter]);
    Add(r[WinterAirVolume], volume[Winter]);
    Add(r[SummerAirVolume], volume[Summer]);

    if (context.SteadyFreshAir)
        for (int array : {FreshAirHeatTotal, FreshAirHeatSensible, FreshAirCoolTotal, FreshAirCoolSensible})
            FlattenToPeak(r[array]);
}

void CCalculate_Manager::CalculateACPeople(RoomCalcContext& context, const ACDesignConditions& conditions,
                                           CCalculate_Room& room,
                                           CCalculate_Result_IsACLoadCalculation& result)
{
    if (!room.People)
        return;
    const CPeople& people = StartElement<CPeople>(*this, *room.People);
    SeasonArrays schedule{};
    ReadSeasonSchedules(*this, people.ScheduleName, schedule);

    const CRoom& element = *context.Room;
    const float area = Narrow(element.Area);
    const float cluster = Narrow(people.PeopleClassifyCoeffient);
    const auto heat = [&](ACSeason s, float* total, float* sensible) {
        CalcLibrary().GetCL_Person(area, context.PersonsPerArea, element.RoomType,
                                   conditions.RoomTemperature[s], people.LaborType, cluster,
                                   conditions.SteadyFlag(s), ACDesignConditions::WinterFlag(s),
                                   context.WinterGainFactor, schedule[s], total, sensible);
        ApplyGainFactors(context, s, total);
        ApplyGainFactors(context, s, sensible);
    };
    float(&r)[CCalculate_Result_IsACLoadCalculation::ArrayCount][Hours] = result.Hourly;
    if (context.SummerCooling)
        heat(Summer, r[PeopleSummerTotal], r[PeopleSummerSensible]);
    if (context.WinterAC)
        heat(Winter, r[PeopleWinterTotal], r[PeopleWinterSensible]);

    for (ACSeason s : Seasons) {
        float* moisture = r[s == Summer ? PeopleSummerMoisture : PeopleWinterMoisture];
        CalcLibrary().GetDL_Person(area, context.PersonsPerArea, conditions.RoomTemperature[s],
                                   people.LaborType, cluster, schedule[s], moisture);
        ApplyGainFactors(context, s, moisture);
    }
}

void CCalculate_Manager::CalculateACLighting(RoomCalcContext& context, const ACDesignConditions& conditions,
                                             CCalculate_Room& room,
                                             CCalculate_Result_IsACLoadCalculation& result)
{
    if (!room.Lighting)
        return;
    const CLighting& lighting = StartElement<CLighting>(*this, *room.Lighting);
    SeasonArrays schedule{};
    ReadSeasonSchedules(*this, lighting.ScheduleName, schedule);

    for (ACSeason s : Seasons) {
        if (!(s == Summer ? context.SummerCooling : context.WinterAC))
            continue;
        float* out = result.Hourly[s == Summer ? LightingSummer : LightingWinter];
        CalcLibrary().GetCL_Light(
            context.Room->RoomType, Narrow(lighting.LampPower),
            Narrow(lighting.ExposedFluorescencePower_Outside),
            Narrow(lighting.ExposedFluorescencePower_Inside), Narrow(lighting.ConcealedFluorescencePower),
            Narrow(lighting.SimultaneousUseCoefficient), lighting.LampshadeType, conditions.SteadyFlag(s),
            ACDesignConditions::WinterFlag(s), context.WinterGainFactor, schedule[s], out);
        ApplyGainFactors(context, s, out);
    }
}

void CCalculate_Manager::CalculateACHeatingEquipment(RoomCalcContext& context,
                                                     const ACDesignConditions& conditions,
                                                     CCalculate_Room& room,
                                                     CCalculate_Result_IsACLoadCalculation& result)
{
    const int roomType = context.Room->RoomType;
    const float roomArea = Narrow(context.Room->Area);
    for (const auto& entry : room.Elements(HeatingEquipmentKind)) {
        const CHeatingEquipment& equipment = StartElement<CHeatingEquipment>(*this, *entry);
        SeasonArrays schedule{};
        ReadSeasonSchedules(*this, equipment.ScheduleName, schedule);
        SeasonArrays load{};
        SeasonArrays moisture{};
        const float power = Narrow(equipment.GetPower(roomArea));
        for (ACSeason s : Seasons) {
            CalcLibrary().GetCL_HeatingEquipment(
                roomType, power, Narrow(equipment.SimultaneousUseCoefficient),
                Narrow(equipment.UsageCoefficient), Narrow(equipment.LoadCoefficient),
                Narrow(equipment.VentilationCoefficient), conditions.SteadyFlag(s),
                ACDesignConditions::WinterFlag(s), context.WinterGainFactor, schedule[s], load[s]);
            ApplyGainFactors(context, s, load[s]);
        }
        for (ACSeason s : Seasons) {
            CalcLibrary().GetDL_Equipment(roomType, Narrow(equipment.HumidityLoad), schedule[s], moisture[s]);
            ApplyGainFactors(context, s, moisture[s]);
        }
        AddACSeasonPair(context, result.Hourly[HeatingEquipmentSummer], load[Summer],
                        result.Hourly[HeatingEquipmentWinter], load[Winter]);
        Add(result.Hourly[HeatingEquipmentWinterMoisture], moisture[Winter]);
        Add(result.Hourly[HeatingEquipmentSummerMoisture], moisture[Summer]);
    }
}

void CCalculate_Manager::CalculateACElectricEquipment(RoomCalcContext& context,
                                                      const ACDesignConditions& conditions,
                                                      CCalculate_Room& room,
                                                      CCalculate_Result_IsACLoadCalculation& result)
{
    const int roomType = context.Room->RoomType;
    const float roomArea = Narrow(context.Room->Area);
    for (const auto& entry : room.Elements(ElectricEquipmentKind)) {
        const CElectricEquipment& equipment = StartElement<CElectricEquipment>(*this, *entry);
        SeasonArrays schedule{};
        ReadSeasonSchedules(*this, equipment.ScheduleName, schedule);
        SeasonArrays load{};
        SeasonArrays moisture{};
        const float power = Narrow(equipment.GetPower(roomArea));
        const float use = Narrow(equipment.SimultaneousUseCoefficient * equipment.LoadMultiple_Move *
                                 equipment.InputPowerMultiple_Move);
        for (ACSeason s : Seasons) {
            CalcLibrary().GetCL_ElectricEquipment(
                roomType, power, use, Narrow(equipment.InputPowerCoefficient),
                Narrow(equipment.ElectromotorEfficient), equipment.EquipmentLocation,
                conditions.SteadyFlag(s), ACDesignConditions::WinterFlag(s), context.WinterGainFactor,
                schedule[s], load[s]);
            ApplyGainFactors(context, s, load[s]);
        }
        for (ACSeason s : Seasons) {
            CalcLibrary().GetDL_Equipment(roomType, Narrow(equipment.HumidityLoad), schedule[s], moisture[s]);
            ApplyGainFactors(context, s, moisture[s]);
        }
        AddACSeasonPair(context, result.Hourly[ElectricSummer], load[Summer], result.Hourly[ElectricWinter],
                        load[Winter]);
        Add(result.Hourly[ElectricWinterMoisture], moisture[Winter]);
        Add(result.Hourly[ElectricSummerMoisture], moisture[Summer]);
    }
}

void CCalculate_Manager::CalculateACElectronicEquipment(RoomCalcContext& context,
                                                        const ACDesignConditions& conditions,
                                                        CCalculate_Room& room,
                                                        CCalculate_Result_IsACLoadCalculation& result)
{
    const CRoom& element = *context.Room;
    const int roomType = element.RoomType;
    for (const auto& entry : room.Elements(ElectronicEquipmentKind)) {
        const CElectronicEquipment& equipment = StartElement<CElectronicEquipment>(*this, *entry);
        SeasonArrays schedule{};
        ReadSeasonSchedules(*this, equipment.ScheduleName, schedule);
        SeasonArrays load{};
        const float power = Narrow(equipment.GetPower(Narrow(element.Area)));
        for (ACSeason s : Seasons) {
            const int steady = conditions.SteadyFlag(s);
            const int winter = ACDesignConditions::WinterFlag(s);
            const float coef = context.WinterGainFactor;
            switch (equipment.EleCatMethod) {
            case 0:
                CalcLibrary().GetCL_ElectronicEquipment(
                    roomType, power, Narrow(equipment.NormalSimUseCoefficient),
                    Narrow(equipment.NormalUsageCoefficient), Narrow(equipment.NormalLoadCoefficient), steady,
                    winter, coef, schedule[s], load[s]);
                break;
            case 1:
                CalcLibrary().GetCL_ElectricEquipment(
                    roomType, power, Narrow(equipment.SimultaneousUseCoefficient),
                    Narrow(equipment.UsageCoefficient), 0.84f, 1, steady, winter, coef, schedule[s], load[s]);
                break;
            case 2: {
                // A profile of a nominal appliance, scaled so that its peak is the heat release entered.
                CalcLibrary().GetCL_ElectronicEquipment(roomType, 100.0f, 1.0f, 0.8f, 0.5f, steady, winter,
                                                        coef, schedule[s], load[s]);
                const double heatRelease = equipment.HeatReleaseUnit != 0
                                               ? equipment.HeatRelease * element.Area
                                               : equipment.HeatRelease;
                const float peak = FindAbsPeak24(load[s]);
                double factor = peak != 0 ? heatRelease / peak : 0.0;
                if (s == Winter)
                    factor *= context.WinterGainFactor;
                for (float& value : load[s])
                    value = Narrow(value * factor);
                break;
            }
            case 3:
                CalcLibrary().GetCL_ElectronicEquipment(
                    roomType, Narrow(element.Area * equipment.PowerDensity), 1.0f, 1.0f, 1.0f, steady, winter,
                    coef, schedule[s], load[s]);
                break;
            default:
                break;
            }
            ApplyGainFactors(context, s, load[s]);
        }
        AddACSeasonPair(context, result.Hourly[ElectronicSummer], load[Summer],
                        result.Hourly[ElectronicWinter], load[Winter]);
    }
}

void CCalculate_Manager::CalculateACFood(RoomCalcContext& context, const ACDesignConditions& conditions,
                                         CCalculate_Room& room, CCalculate_Result_IsACLoadCalculation& result)
{
    float(&r)[CCalculate_Result_IsACLoadCalculation::ArrayCount][Hours] = result.Hourly;
    for (const auto& entry : room.Elements(FoodKind)) {
        const CFood& food = StartElement<CFood>(*this, *entry);
        SeasonArrays schedule{};
        ReadSeasonSchedules(*this, food.ScheduleName, schedule);
        SeasonArrays load{};
        SeasonArrays moisture{};
        const float cluster = Narrow(food.PeopleClassifyCoeffient);
        for (ACSeason s : Seasons) {
            CalcLibrary().GetCL_Addition_Food(food.PeopleQuantity, cluster, conditions.SteadyFlag(s),
                                              ACDesignConditions::WinterFlag(s), context.WinterGainFactor,
                                              schedule[s], load[s]);
            ApplyGainFactors(context, s, load[s]);
        }
        for (ACSeason s : Seasons) {
            CalcLibrary().GetDL_Addition_Food(food.PeopleQuantity, cluster, schedule[s], moisture[s]);
            ApplyGainFactors(context, s, moisture[s]);
        }

        // The chemical reaction works in doubles; January first, then July.
        SeasonArrays chemistrySchedule{};
        ReadSeasonSchedules(*this, food.Chemistry_Time, chemistrySchedule);
        double chemistryHours[2][Hours]{};
        double chemistryMoisture[2][Hours]{};
        double chemistryTotal[2][Hours]{};
        double chemistryLatent[2][Hours]{};
        for (ACSeason s : {Winter, Summer}) {
            std::copy_n(chemistrySchedule[s], Hours, chemistryHours[s]);
            CalcLibrary().GetCL_ChemicalReaction(food.Chemistry_NoRatio, food.Chemistry_Ratio,
                                                 food.Chemistry_Max_Value, food.Chemistry_Heat_Value,
                                                 food.Chemistry_Moisure_Gain, chemistryHours[s],
                                                 chemistryMoisture[s], chemistryTotal[s], chemistryLatent[s]);
        }

        // Arrays 110 to 115 hold the last food element of the room; the sums below take every one.
        SeasonArrays chemistrySensible{};
        for (int h = 0; h < Hours; ++h) {
            if (context.SummerCooling) {
                r[ChemicalSummerTotal][h] = Narrow(chemistryTotal[Summer][h]);
                r[ChemicalSummerLatent][h] = Narrow(chemistryLatent[Summer][h]);
                r[ChemicalWinterTotal][h] = Narrow(chemistryTotal[Winter][h]);
                r[ChemicalWinterLatent][h] = Narrow(chemistryLatent[Winter][h]);
            }
            r[ChemicalSummerMoisture][h] = Narrow(chemistryMoisture[Summer][h]);
            r[ChemicalWinterMoisture][h] = Narrow(chemistryMoisture[Winter][h]);
            chemistrySensible[Summer][h] = r[ChemicalSummerTotal][h] - r[ChemicalSummerLatent][h];
            chemistrySensible[Winter][h] = r[ChemicalWinterTotal][h] - r[ChemicalWinterLatent][h];
        }
        for (float* values : {r[ChemicalSummerMoisture], r[ChemicalSummerTotal], r[ChemicalSummerLatent],
                              r[ChemicalWinterMoisture], r[ChemicalWinterTotal], r[ChemicalWinterLatent],
                              chemistrySensible[Summer], chemistrySensible[Winter]})
            ApplyACSummerFactors(context, values);

        if (context.SummerCooling) {
            Add(r[WinterIndoorCoolTotal], r[ChemicalWinterTotal]);
            Add(r[WinterIndoorCoolSensible], chemistrySensible[Winter]);
            Add(r[IndoorCoolTotal], r[ChemicalSummerTotal]);
            Add(r[IndoorCoolSensible], chemistrySensible[Summer]);
        }
        AddACSeasonPair(context, r[FoodSummer], load[Summer], r[FoodWinter], load[Winter]);
        Add(r[SummerMoisture], r[ChemicalSummerMoisture]);
        Add(r[WinterMoisture], r[ChemicalWinterMoisture]);
        Add(r[FoodSummerMoisture], moisture[Summer]);
        Add(r[FoodWinterMoisture], moisture[Winter]);
    }
}

void CCalculate_Manager::CalculateACEvaporating(RoomCalcContext& context,
                                                const ACDesignConditions& conditions, CCalculate_Room& room,
                                                CCalculate_Result_IsACLoadCalculation& result)
{
    for (const auto& entry : room.Elements(EvaporatingKind)) {
        const CEvaporating& water = StartElement<CEvaporating>(*this, *entry);
        SeasonArrays schedule{};
        ReadSeasonSchedules(*this, water.ScheduleName, schedule);
        SeasonArrays load{};
        SeasonArrays moisture{};
        const float surface = Narrow(water.SurfaceArea);
        const float waterTemperature = Narrow(water.WaterTemperature);
        for (ACSeason s : Seasons) {
            CalcLibrary().GetCL_Addition_Vapor_Precision(
                surface, waterTemperature, conditions.SteadyFlag(s), ACDesignConditions::WinterFlag(s),
                context.WinterGainFactor, schedule[s], load[s], conditions.RoomTemperature[s],
                conditions.RoomRH[s], conditions.Pressure[s]);
            ApplyGainFactors(context, s, load[s]);
        }
        for (ACSeason s : Seasons) {
            CalcLibrary().GetDL_Addition_Vapor_Precision(
                surface, waterTemperature, ACDesignConditions::WinterFlag(s), context.WinterGainFactor,
                schedule[s], moisture[s], conditions.RoomTemperature[s], conditions.RoomRH[s],
                conditions.Pressure[s]);
            ApplyGainFactors(context, s, moisture[s]);
        }
        AddACSeasonPair(context, result.Hourly[WaterSummer], load[Summer], result.Hourly[WaterWinter],
                        load[Winter]);
        Add(result.Hourly[WaterSummerMoisture], moisture[Summer]);
        Add(result.Hourly[WaterWinterMoisture], moisture[Winter]);
    }
}

void CCalculate_Manager::CalculateACInfiltration(RoomCalcContext& context,
                                                 const ACDesignConditions& conditions, CCalculate_Room& room,
                                                 CCalculate_Result_IsACLoadCalculation& result)
{
    if (!context.CalcInfiltration)
        return;
    const CRoom& element = *context.Room;
    const float area = Narrow(element.Area);
    for (const auto& entry : room.Elements(InfiltrationKind)) {
        const CInfiltration& infiltration = StartElement<CInfiltration>(*this, *entry);
        SeasonArrays schedule{};
        ReadSeasonSchedules(*this, infiltration.ScheduleName, schedule);
        SeasonArrays load{};
        SeasonArrays moisture{};
        float unused[Hours]{};
        const float passages = static_cast<float>(infiltration.PeopleQUantity);
        for (ACSeason s : Seasons) {
            CalcLibrary().GetCL_Addition_Infiltration_N(
                area, conditions.Height, conditions.Pressure[s], conditions.RoomTemperature[s],
                conditions.RoomRH[s], conditions.HourlyDryBulb[s], conditions.HourlyWetBulb[s], passages,
                infiltration.DoorType, schedule[s], load[s], unused, Narrow(infiltration.n_data));
            if (s == Summer)
                ApplyACSummerFactors(context, load[s]);
            else
                ApplyACWinterFactors(context, load[s], true);
        }
        for (ACSeason s : Seasons) {
            CalcLibrary().GetDL_Addition_Infiltration(
                area, conditions.Height, conditions.Pressure[s], conditions.RoomTemperature[s],
                conditions.RoomRH[s], conditions.HourlyDryBulb[s], conditions.HourlyWetBulb[s], passages,
                infiltration.DoorType, schedule[s], moisture[s]);
            // The library gives kg/h; the result keeps g/h.
            for (float& value : moisture[s])
                value *= 1000.0f;
            ApplyGainFactors(context, s, moisture[s]);
        }
        AddACSeasonPair(context, result.Hourly[InfiltrationSummer], load[Summer],
                        result.Hourly[InfiltrationWinter], load[Winter]);
        Add(result.Hourly[InfiltrationSummerMoisture], moisture[Summer]);
        Add(result.Hourly[InfiltrationWinterMoisture], moisture[Winter]);
    }
}
