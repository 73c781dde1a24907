#include "calclib/ColdAirInfiltration.h"

#include "calclib/CalcTables.h"
#include "calclib/SharedValueTable.h"

#include <algorithm>
#include <cmath>

namespace calclib::heating {

using namespace calclib::tables;

double OutdoorAirDensity(double outdoorTemp)
{
    // Held above −100 ℃ so that a mistyped temperature cannot divide by zero.
    return kAirDensityConstant / (kKelvin + std::max(outdoorTemp, -100.0));
}

double CrackAirFlow(const CrackLeakage& c, double outdoorTemp)
{
    if (c.crackLength <= 0.0 || c.crackCoef <= 0.0)
        return 0.0;
    const double h = std::max(c.openingHeight, kMinOpeningHeight);
    const double hPow = std::pow(h, kHeightCorrectionExponent);
    const double heightCorrection = kHeightCorrectionCoef * hPow;
    double pressure = c.windPressure * c.windSpeed * c.windSpeed * std::pow(c.orientation, 1.0 / c.exponent);
    if (c.withStack)
        pressure += kStackCoef * (c.neutralHeight - h) / hPow * (c.shaftTemp - outdoorTemp) /
                    (kStackReferenceKelvin + c.shaftTemp);
    pressure *= c.thermalPressure * heightCorrection;
    if (!(pressure > 0.0))
        return 0.0;
    return c.crackCoef * c.crackLength *
           std::pow(0.5 * OutdoorAirDensity(outdoorTemp) * pressure, c.exponent);
}

namespace {
using CrackKey = SharedKey<36>;
thread_local SharedValueTable<CrackKey, UnitHours, 4096> t_crackDays;
} // namespace

void CrackAirFlowDay(const CrackLeakage& c, const double outdoorTemp24[24], double out24[24])
{
    if (c.crackLength <= 0.0 || c.crackCoef <= 0.0) {
        std::fill(out24, out24 + 24, 0.0);
        return;
    }
    CrackKey key;
    for (double value : {c.crackLength, c.crackCoef, c.exponent, c.orientation, c.windPressure,
                         c.thermalPressure, c.windSpeed, c.openingHeight, c.neutralHeight, c.shaftTemp})
        key.Add(value);
    key.Add(c.withStack ? 1 : 0);
    key.Add(outdoorTemp24, 24);
    UnitHours scratch;
    const UnitHours& day = SharedValue(t_crackDays, key, scratch, [&](UnitHours& d) {
        for (int h = 0; h < 24; ++h)
            d.v[h] = CrackAirFlow(c, outdoorTemp24[h]);
    });
    std::copy(day.v, day.v + 24, out24);
}

double CrackCoefficient(int32_t tightnessGrade)
{
    return kCrackCoef[tightnessGrade >= 0 && tightnessGrade <= 4 ? tightnessGrade : kFallbackTightnessGrade];
}

double ThermalPressureCoefficient(int32_t partitionType, double custom)
{
    if (partitionType >= 0 && partitionType <= 4)
        return kThermalPressureCoef[partitionType];
    if (partitionType == 5)
        return std::isfinite(custom) ? std::max(0.0, custom) : kFallbackThermalPressureCoef;
    return kFallbackThermalPressureCoef;
}

double AirChangesByWalls(int32_t wallsWithWindows)
{
    return kAirChangesByWalls[std::clamp(wallsWithWindows, 1, 3) - 1];
}

double InfiltrationHeat(double airFlow, double roomTemp, double outdoorTemp)
{
    return -kInfiltrationFactor * kInfiltrationCp * OutdoorAirDensity(outdoorTemp) * airFlow *
           (roomTemp - outdoorTemp);
}

void InfiltrationHeatDay(const double airFlow24[24], double roomTemp, const double outdoorTemp24[24],
                         double out24[24])
{
    for (int h = 0; h < 24; ++h)
        out24[h] = InfiltrationHeat(airFlow24[h], roomTemp, outdoorTemp24[h]);
}

} // namespace calclib::heating
