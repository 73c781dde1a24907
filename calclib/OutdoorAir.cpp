// Outdoor air, infiltration and the plant-side additions (fans and ducts, pumps and pipes,
// envelope estimate and envelope moisture).
//
// Air quantities are m³/h of outdoor air; its mass uses the moist-air density at the outdoor state
// of the hour (or 1.2 kg/m³ when the fixed density rule is chosen in CalcTables.h). An outdoor wet
// bulb above the dry bulb is read as saturated air. Infiltration DoorType codes outside 0..5 count
// as 普通门-单扇; a missing air-change value (NaN) counts as 0 h⁻¹, a negative one chooses the rate by
// room volume.

#include "calclib/dizedozev.h"

#include "calclib/CalcTables.h"
#include "calclib/InputGuard.h"
#include "calclib/Psychrometrics.h"
#include "calclib/SharedValueTable.h"

#include <algorithm>

using namespace calclib;
using namespace calclib::tables;

namespace {

double AirTemp(double t)
{
    return std::clamp(Finite(t), kAirTempMin, kAirTempMax);
}

struct AirState
{
    double t;
    double w; // kg/kg dry air
};

AirState IndoorState(float roomTemp, float roomRH, double p)
{
    const double t = AirTemp(roomTemp);
    return {t, psy::HumidityRatioFromRh(t, psy::RhPercent(roomRH) / 100.0, p)};
}

// Mass of dry air per m³ of outdoor air: the enthalpies and humidity ratios are per kg of dry air.
double DryAirDensity(const AirState& outdoor, double p)
{
    return kUseActualAirDensity ? psy::Density(outdoor.t, outdoor.w, p) / (1.0 + outdoor.w)
                                : kStandardAirDensity;
}

// Sensible heat of moist air per kg dry air and K, kJ/(kg·K).
double MoistAirCp(double w)
{
    return kCpDryAir + kCpVapour * w;
}

// The outdoor air of every hour of a day, which the outdoor-air and infiltration calls of every
// room share.
struct OutdoorHour
{
    AirState air;
    double density; // kg dry air per m³
    double cp;      // kJ/(kg·K)
    double enthalpy;
};

struct OutdoorDay
{
    OutdoorHour hours[24];
};

void ComputeOutdoorDay(const float* db24, const float* wb24, double p, OutdoorDay& day)
{
    for (int h = 0; h < 24; ++h) {
        const double t = AirTemp(ValueAt(db24, h));
        const AirState air{t, psy::HumidityRatioFromWetBulb(t, AirTemp(ValueAt(wb24, h)), p)};
        day.hours[h] = {air, DryAirDensity(air, p), MoistAirCp(air.w), psy::Enthalpy(air.t, air.w)};
    }
}

using OutdoorKey = SharedKey<28>;
thread_local SharedValueTable<OutdoorKey, OutdoorDay, 2048> t_outdoorDays;

// The day of the arguments; scratch holds it when it is not shared.
const OutdoorDay& OutdoorDayOf(const float* db24, const float* wb24, double p, OutdoorDay& scratch)
{
    OutdoorKey key;
    key.Add(db24, 24);
    key.Add(wb24, 24);
    key.Add(p);
    return SharedValue(t_outdoorDays, key, scratch,
                       [&](OutdoorDay& day) { ComputeOutdoorDay(db24, wb24, p, day); });
}

// What one m³/h of outdoor air brings into a room at a state over the day, which every room at that
// state on that schedule shares: full and sensible heat (W) and moisture (kg/h).
struct OutdoorAirUnits
{
    double total[24];
    double sensible[24];
    double moisture[24];
};

using UnitsKey = SharedKey<40>;
thread_local SharedValueTable<UnitsKey, OutdoorAirUnits, 4096> t_outdoorAirUnits;

const OutdoorAirUnits& OutdoorAirUnitsOf(float p, float roomTemp, float roomRH, const float* db24,
                                         const float* wb24, const float* sched24, OutdoorAirUnits& scratch)
{
    const double pa = psy::PressurePa(p);
    UnitsKey key;
    key.Add(db24, 24);
    key.Add(wb24, 24);
    key.Add(sched24, 24);
    key.Add(pa);
    key.Add(roomTemp);
    key.Add(roomRH);
    return SharedValue(t_outdoorAirUnits, key, scratch, [&](OutdoorAirUnits& units) {
        const AirState in = IndoorState(roomTemp, roomRH, pa);
        const double hIn = psy::Enthalpy(in.t, in.w);
        OutdoorDay dayScratch;
        const OutdoorDay& day = OutdoorDayOf(db24, wb24, pa, dayScratch);
        for (int h = 0; h < 24; ++h) {
            const OutdoorHour& out = day.hours[h];
            const double mass = out.density * ScheduleAt(sched24, h); // kg/h
            units.total[h] = mass * (out.enthalpy - hIn) / 3.6;
            units.sensible[h] = mass * out.cp * (out.air.t - in.t) / 3.6;
            units.moisture[h] = mass * (out.air.w - in.w);
        }
    });
}

double AirChangesByVolume(double volume)
{
    for (int i = 0; i < kAirChangeSteps - 1; ++i)
        if (volume <= kAirChangeVolumeLimit[i])
            return kAirChangeRate[i];
    return kAirChangeRate[kAirChangeSteps - 1];
}

// The moisture call carries no air changes: the load call leaves them here for the same room and
// door (newest first; a few rooms may be worked in turn before their moisture is asked for).
struct InfiltrationKey
{
    double area, height, persons;
    int32_t doorType;
    bool operator==(const InfiltrationKey&) const = default;
};

struct RememberedAirChanges
{
    InfiltrationKey key;
    double airChanges;
    bool used;
};

thread_local RememberedAirChanges t_remembered[kInfiltrationMemory] = {};
thread_local int t_nextSlot = 0;

InfiltrationKey KeyOf(float area, float height, float personsPerHour, int32_t doorType)
{
    return {NonNegative(area), NonNegative(height), NonNegative(personsPerHour), doorType};
}

void Remember(const InfiltrationKey& key, double airChanges)
{
    for (RememberedAirChanges& r : t_remembered) {
        if (r.used && r.key == key) {
            r.airChanges = airChanges;
            return;
        }
    }
    t_remembered[t_nextSlot] = {key, airChanges, true};
    t_nextSlot = (t_nextSlot + 1) % kInfiltrationMemory;
}

// airChanges < 0 when none is remembered.
double Recall(const InfiltrationKey& key)
{
    for (const RememberedAirChanges& r : t_remembered)
        if (r.used && r.key == key)
            return r.airChanges;
    return -1.0;
}

// Infiltrated air, m³/h at full schedule: air changes of the room plus air entering through the
// outside doors with the passers-by.
double InfiltrationAir(const InfiltrationKey& key, double airChanges)
{
    const double volume = key.area * key.height;
    const double n = airChanges >= 0.0 ? airChanges : AirChangesByVolume(volume);
    const int door = key.doorType >= 0 && key.doorType <= 5 ? key.doorType : kFallbackDoorType;
    return n * volume + key.persons * kDoorAirPerPassage[door];
}

} // namespace

DIZEDOZEV_API void GetCL_Addition_Infiltration_N(float area, float height, float p, float roomTemp,
                                                 float roomRH, const float* db24, const float* wb24,
                                                 float personsPerHour, int32_t doorType, const float* sched24,
                                                 float* load24, float* spare24, float airChanges)
{
    const InfiltrationKey key = KeyOf(area, height, personsPerHour, doorType);
    const double n = Finite(airChanges);
    Remember(key, n);
    const double air = InfiltrationAir(key, n);
    OutdoorAirUnits scratch;
    const OutdoorAirUnits& units = OutdoorAirUnitsOf(p, roomTemp, roomRH, db24, wb24, sched24, scratch);
    double load[24], spare[24];
    for (int h = 0; h < 24; ++h) {
        spare[h] = air * ScheduleAt(sched24, h);
        load[h] = air * units.sensible[h];
    }
    Store(load24, 24, load);
    Store(spare24, 24, spare);
}

DIZEDOZEV_API void GetDL_Addition_Infiltration(float area, float height, float p, float roomTemp,
                                               float roomRH, const float* db24, const float* wb24,
                                               float personsPerHour, int32_t doorType, const float* sched24,
                                               float* moisture24)
{
    const InfiltrationKey key = KeyOf(area, height, personsPerHour, doorType);
    const double air = InfiltrationAir(key, Recall(key));
    OutdoorAirUnits scratch;
    const OutdoorAirUnits& units = OutdoorAirUnitsOf(p, roomTemp, roomRH, db24, wb24, sched24, scratch);
    double moisture[24];
    for (int h = 0; h < 24; ++h)
        moisture[h] = air * units.moisture[h];
    Store(moisture24, 24, moisture);
}

DIZEDOZEV_API void GetCL_FreshAir_D(float volume, float p, float roomTemp, float roomRH, const float* db24,
                                    const float* wb24, const float* sched24, float* volume24, float* total24,
                                    float* sensible24, float* moisture24)
{
    const double v = NonNegative(volume);
    OutdoorAirUnits scratch;
    const OutdoorAirUnits& units = OutdoorAirUnitsOf(p, roomTemp, roomRH, db24, wb24, sched24, scratch);
    double air[24], total[24], sensible[24], moisture[24];
    for (int h = 0; h < 24; ++h) {
        air[h] = v * ScheduleAt(sched24, h);
        total[h] = v * units.total[h];
        sensible[h] = v * units.sensible[h];
        moisture[h] = v * units.moisture[h] * 1000.0;
    }
    Store(volume24, 24, air);
    Store(total24, 24, total);
    Store(sensible24, 24, sensible);
    Store(moisture24, 24, moisture);
}

DIZEDOZEV_API void GetCL_Enclose_Simple(float area, float index, float* out24)
{
    // The index is already a design peak; heating passes it negative.
    StoreConstant(out24, 24, NonNegative(area) * Finite(index));
}

DIZEDOZEV_API void GetCL_FanAndDuct(double airVolume, double fanRise, double ductRise, const double* sched24,
                                    double* out24)
{
    const double q =
        kStandardAirDensity * kAirCp * NonNegative(airVolume) * (Finite(fanRise) + Finite(ductRise)) / 3.6;
    double out[24];
    for (int h = 0; h < 24; ++h)
        out[h] = q * ScheduleAt(sched24, h);
    Store(out24, 24, out);
}

DIZEDOZEV_API void GetDL_Enclosure(double moistureGain, const double* sched24, double* moisture24,
                                   double* latent24)
{
    const double g = NonNegative(moistureGain);
    double m[24], l[24];
    for (int h = 0; h < 24; ++h) {
        m[h] = g * ScheduleAt(sched24, h);
        l[h] = m[h] * kEnvelopeLatent / 3600.0;
    }
    Store(moisture24, 24, m);
    Store(latent24, 24, l);
}

DIZEDOZEV_API void GetCL_PumpAndPipe(double waterFlow, double pumpRise, double pipeRise,
                                     const double* sched24, double* out24)
{
    const double q =
        kWaterDensity * kWaterCp * NonNegative(waterFlow) * (Finite(pumpRise) + Finite(pipeRise)) / 3.6;
    double out[24];
    for (int h = 0; h < 24; ++h)
        out[h] = q * ScheduleAt(sched24, h);
    Store(out24, 24, out);
}
