#pragma once
// Design-day outdoor temperature: t(τ) = t_mean + β_τ·Δt_r with the hourly coefficients of
// GB 50736-2012 §4.1 (CalcTables kDesignDayBeta).

namespace calclib {

// Daily mean of the design day whose maximum (14:00) is peak: peak − 0.52·range.
double DesignDayMean(double peak, double range);
void DesignDayProfile(double mean, double range, double out[24]);
// The profile between a given maximum and minimum; its extremes are exactly those two values.
void ProfileFromExtremes(double maxValue, double minValue, double out[24]);

} // namespace calclib
