#include "calclib/ColdAirInfiltration.h"

#include "calclib/CalcTables.h"

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

} // namespace calclib::heating
