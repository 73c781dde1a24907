// Internal gains: people, lights, equipment, food, gas burning and open water surfaces.
// Each sensible gain is the hourly instantaneous gain Q·sched(τ) passed through the Radiant Time
// Series of the room (unless steady); latent gains reach the room air at once. The winter switch
// scales every output of a gain function that carries it, moisture included.
//
// Codes outside their range: RoomType → medium construction; LaborType → 极轻劳动 (office work);
// LampshadeType other than 0 → the unvented factor 0.70; EquipmentLocation → motor and process
// equipment both in the room. A motor efficiency outside (0, 1] (or missing) is taken as 1, so
// location 1 (only the motor in the room) then gives no gain.

#include "calclib/dizedozev.h"

#include "calclib/CalcTables.h"
#include "calclib/InputGuard.h"
#include "calclib/Psychrometrics.h"
#include "calclib/RadiantTimeSeries.h"
#include "calclib/SharedValueTable.h"

#include <algorithm>
#include <cmath>

using namespace calclib;
using namespace calclib::tables;

namespace {

// Per-person sensible and latent heat (W) at room temperature t: linear between whole degrees,
// the end columns outside 16..30 ℃.
struct PersonHeat
{
    double sensible;
    double latent;
};

int LaborRow(int32_t laborType)
{
    return laborType >= 0 && laborType <= 4 ? laborType : kFallbackLaborType;
}

// The temperature the people table is read at.
double PeopleTableTemp(float roomTemp)
{
    return std::clamp(Finite(roomTemp), kPeopleTableFirstTemp,
                      kPeopleTableFirstTemp + kPeopleTableColumns - 1);
}

PersonHeat PersonHeatAt(int32_t laborType, double tableTemp)
{
    const int row = LaborRow(laborType);
    const double x = tableTemp - kPeopleTableFirstTemp;
    const int i = std::min(static_cast<int>(x), kPeopleTableColumns - 2);
    const double f = x - i;
    return {kPeopleSensible[row][i] + f * (kPeopleSensible[row][i + 1] - kPeopleSensible[row][i]),
            kPeopleLatent[row][i] + f * (kPeopleLatent[row][i + 1] - kPeopleLatent[row][i])};
}

double PersonCount(float area, float personsPerM2, float clusterCoef)
{
    return NonNegative(area) * NonNegative(personsPerM2) * NonNegative(clusterCoef);
}

// A constant gain Q following the schedule.
template <typename S> void Hourly(double q, const S* sched24, double out[24])
{
    for (int h = 0; h < 24; ++h)
        out[h] = q * ScheduleAt(sched24, h);
}

using ScheduleKey = SharedKey<16>;
thread_local SharedValueTable<ScheduleKey, UnitHours, 4096> t_scheduleUnits;

// Cooling load of a sensible gain of 1 W following the schedule; every room on the schedule shares
// it.
const UnitHours& UnitGainLoad(double radiantFraction, int32_t roomType, bool steady, const float* sched24,
                              UnitHours& scratch)
{
    ScheduleKey key;
    key.Add(sched24, 24);
    key.Add(radiantFraction);
    key.Add(RtsConstructionOf(roomType));
    key.Add(steady ? 1 : 0);
    return SharedValue(t_scheduleUnits, key, scratch, [&](UnitHours& u) {
        double schedule[24];
        Hourly(1.0, sched24, schedule);
        CoolingLoadFromGain(roomType, RtsSeries::NonSolar, radiantFraction, steady, schedule, u.v);
    });
}

// Sensible gain Q·sched through the room response, scaled by the winter factor, stored.
void StoreSensibleGain(double q, double radiantFraction, int32_t roomType, int32_t steady, int32_t winter,
                       double coef, const float* sched24, float* out24)
{
    UnitHours scratch;
    const UnitHours& unit = UnitGainLoad(radiantFraction, roomType, steady != 0, sched24, scratch);
    const double factor = GainFactor(winter, coef);
    double load[24];
    for (int h = 0; h < 24; ++h)
        load[h] = q * unit.v[h] * factor;
    Store(out24, 24, load);
}

double WaterTemp(float waterTemp)
{
    return std::clamp(Finite(waterTemp), kWaterTempMin, kWaterTempMax);
}

// Evaporation from a water surface, kg/h (never negative).
double Evaporation(float surfaceArea, float waterTemp, float roomTemp, float roomRH, float p)
{
    const double tw = WaterTemp(waterTemp);
    const double pressure = psy::PressurePa(p);
    double alpha;
    if (tw <= kWaterCoefTemp[0]) {
        alpha = kWaterCoef[0];
    } else if (tw >= kWaterCoefTemp[kWaterCoefPoints - 1]) {
        alpha = kWaterCoef[kWaterCoefPoints - 1];
    } else {
        int i = 0;
        while (tw > kWaterCoefTemp[i + 1])
            ++i;
        const double f = (tw - kWaterCoefTemp[i]) / (kWaterCoefTemp[i + 1] - kWaterCoefTemp[i]);
        alpha = kWaterCoef[i] + f * (kWaterCoef[i + 1] - kWaterCoef[i]);
    }
    const double pvRoom = psy::RhPercent(roomRH) / 100.0 *
                          psy::SaturationPressure(std::clamp(Finite(roomTemp), kAirTempMin, kAirTempMax));
    const double drive = std::max(0.0, psy::SaturationPressure(tw) - pvRoom);
    return (alpha + kWaterAirSpeedCoef * kWaterAirSpeed) * drive * NonNegative(surfaceArea) *
           (kStandardPressure / pressure);
}

} // namespace

DIZEDOZEV_API void GetCL_Person(float area, float personsPerM2, int32_t roomType, float roomTemp,
                                int32_t laborType, float clusterCoef, int32_t steady, int32_t winter,
                                float coef, const float* sched24, float* total24, float* sensible24)
{
    const double n = PersonCount(area, personsPerM2, clusterCoef);
    const PersonHeat q = PersonHeatAt(laborType, PeopleTableTemp(roomTemp));
    UnitHours scratch;
    const UnitHours& unit = UnitGainLoad(kRadiantPeople, roomType, steady != 0, sched24, scratch);
    const double perPersonSensible = n * q.sensible;
    const double factor = GainFactor(winter, coef);
    double sensible[24], total[24];
    for (int h = 0; h < 24; ++h) {
        sensible[h] = perPersonSensible * unit.v[h] * factor;
        total[h] = sensible[h] + factor * n * q.latent * ScheduleAt(sched24, h);
    }
    Store(total24, 24, total);
    Store(sensible24, 24, sensible);
}

DIZEDOZEV_API void GetDL_Person(float area, float personsPerM2, float roomTemp, int32_t laborType,
                                float clusterCoef, const float* sched24, float* moisture24)
{
    // q_l W = J/s; ×3600 s/h ÷ r kJ/kg (= J/g) gives g/h. r is taken where the table is read, which
    // differs from the room temperature only outside 16..30 ℃ (by under 1 %).
    const double t = PeopleTableTemp(roomTemp);
    const double gPerHour = PersonCount(area, personsPerM2, clusterCoef) * PersonHeatAt(laborType, t).latent *
                            3600.0 / psy::LatentHeat(t);
    double out[24];
    Hourly(gPerHour, sched24, out);
    Store(moisture24, 24, out);
}

DIZEDOZEV_API void GetCL_Light(int32_t roomType, float incandescent, float exposedBallastOutside,
                               float exposedBallastInside, float concealed, float simultaneous,
                               int32_t lampshadeType, int32_t steady, int32_t winter, float coef,
                               const float* sched24, float* out24)
{
    const double ns = NonNegative(simultaneous);
    const double n2 = lampshadeType == 0 ? kLightConcealedVented : kLightConcealedUnvented;
    // Parts of the lighting gain and their radiant fractions; RTS is linear, so one convolution
    // of the summed radiant part serves all four.
    const double parts[4] = {ns * kLightIncandescentFactor * NonNegative(incandescent),
                             ns * kLightBallastOutsideFactor * NonNegative(exposedBallastOutside),
                             ns * kLightBallastInsideFactor * NonNegative(exposedBallastInside),
                             ns * n2 * NonNegative(concealed)};
    const double radiantFractions[4] = {kRadiantIncandescent, kRadiantFluorescentExposed,
                                        kRadiantFluorescentExposed, kRadiantFluorescentRecessed};
    double q = 0.0, qRadiant = 0.0;
    for (int i = 0; i < 4; ++i) {
        q += parts[i];
        qRadiant += parts[i] * radiantFractions[i];
    }
    StoreSensibleGain(q, q > 0.0 ? qRadiant / q : 0.0, roomType, steady, winter, coef, sched24, out24);
}

DIZEDOZEV_API void GetCL_HeatingEquipment(int32_t roomType, float power, float simultaneous, float usage,
                                          float load, float ventilation, int32_t steady, int32_t winter,
                                          float coef, const float* sched24, float* out24)
{
    const double q = NonNegative(power) * NonNegative(simultaneous) * NonNegative(usage) * NonNegative(load) *
                     NonNegative(ventilation);
    StoreSensibleGain(q, kRadiantEquipment, roomType, steady, winter, coef, sched24, out24);
}

DIZEDOZEV_API void GetCL_ElectricEquipment(int32_t roomType, float power, float useCoef, float inputCoef,
                                           float efficiency, int32_t location, int32_t steady, int32_t winter,
                                           float coef, const float* sched24, float* out24)
{
    double eta = Finite(efficiency);
    if (eta <= 0.0 || eta > 1.0)
        eta = 1.0;
    const int where = location >= 0 && location <= 2 ? location : kFallbackEquipmentLocation;
    const double locationFactor = where == 0 ? 1.0 / eta : where == 1 ? (1.0 - eta) / eta : 1.0;
    const double q = NonNegative(power) * NonNegative(useCoef) * NonNegative(inputCoef) * locationFactor;
    StoreSensibleGain(q, kRadiantEquipment, roomType, steady, winter, coef, sched24, out24);
}

DIZEDOZEV_API void GetCL_ElectronicEquipment(int32_t roomType, float power, float c1, float c2, float c3,
                                             int32_t steady, int32_t winter, float coef, const float* sched24,
                                             float* out24)
{
    // The convective part is immediate, so the load is non-zero wherever the schedule is.
    const double q = NonNegative(power) * NonNegative(c1) * NonNegative(c2) * NonNegative(c3);
    StoreSensibleGain(q, kRadiantEquipment, roomType, steady, winter, coef, sched24, out24);
}

DIZEDOZEV_API void GetDL_Equipment(int32_t, float moistureGain, const float* sched24, float* out24)
{
    double out[24];
    Hourly(NonNegative(moistureGain), sched24, out);
    Store(out24, 24, out);
}

DIZEDOZEV_API void GetCL_Addition_Food(int32_t diners, float clusterCoef, int32_t steady, int32_t winter,
                                       float coef, const float* sched24, float* out24)
{
    const double q = NonNegative(diners) * NonNegative(clusterCoef) * kFoodSensiblePerDiner;
    // Food has no RoomType of its own: the medium construction serves.
    StoreSensibleGain(q, kRadiantFood, RtsMedium, steady, winter, coef, sched24, out24);
}

DIZEDOZEV_API void GetDL_Addition_Food(int32_t diners, float clusterCoef, const float* sched24, float* out24)
{
    double out[24];
    Hourly(NonNegative(diners) * NonNegative(clusterCoef) * kFoodMoisturePerDiner, sched24, out);
    Store(out24, 24, out);
}

DIZEDOZEV_API void GetCL_ChemicalReaction(double incompleteCombustion, double loadRatio, double maxFuel,
                                          double heatValue, double moistureYield, const double* sched24,
                                          double* moisture24, double* total24, double* latent24)
{
    const double fuel = NonNegative(loadRatio) * NonNegative(maxFuel); // m³/h
    const double heat = NonNegative(incompleteCombustion) * fuel * NonNegative(heatValue) / 3.6;
    const double water = 1000.0 * fuel * NonNegative(moistureYield); // g/h
    const double latent = water * kReactionLatent / 3600.0;
    // Burning heat already contains the latent part; it can only fall short of it with an
    // inconsistent heat value, and the total never counts less than the vapour brings.
    const double total = std::max(heat, latent);
    double m[24], t[24], l[24];
    for (int h = 0; h < 24; ++h) {
        const double s = ScheduleAt(sched24, h);
        m[h] = water * s;
        t[h] = total * s;
        l[h] = latent * s;
    }
    Store(moisture24, 24, m);
    Store(total24, 24, t);
    Store(latent24, 24, l);
}

DIZEDOZEV_API void GetCL_Addition_Vapor_Precision(float surfaceArea, float waterTemp, int32_t, int32_t winter,
                                                  float coef, const float* sched24, float* out24,
                                                  float roomTemp, float roomRH, float p)
{
    // Latent gain is immediate, so the steady switch changes nothing here.
    const double kgPerHour = Evaporation(surfaceArea, waterTemp, roomTemp, roomRH, p);
    double out[24];
    Hourly(GainFactor(winter, coef) * kgPerHour * psy::LatentHeat(WaterTemp(waterTemp)) / 3.6, sched24, out);
    Store(out24, 24, out);
}

DIZEDOZEV_API void GetDL_Addition_Vapor_Precision(float surfaceArea, float waterTemp, int32_t winter,
                                                  float coef, const float* sched24, float* out24,
                                                  float roomTemp, float roomRH, float p)
{
    const double kgPerHour = Evaporation(surfaceArea, waterTemp, roomTemp, roomRH, p);
    double out[24];
    Hourly(GainFactor(winter, coef) * kgPerHour * 1000.0, sched24, out);
    Store(out24, 24, out);
}
