#pragma once
// Input sanitising shared by every exported function: the library must give a defined result for
// any input the program can pass (NaN from an empty field, a negative area, RH outside 0..100).

#include <cmath>
#include <cstdint>

namespace calclib {

// A non-finite real counts as fallback.
inline double Finite(double x, double fallback = 0.0)
{
    return std::isfinite(x) ? x : fallback;
}

// Quantities that cannot be negative (areas, powers, volumes, counts): negatives count as 0.
inline double NonNegative(double x)
{
    const double v = Finite(x);
    return v > 0.0 ? v : 0.0;
}

// Schedule fraction of hour h; a missing schedule is all zeros.
inline double ScheduleAt(const float* sched24, int h)
{
    return sched24 ? NonNegative(sched24[h]) : 0.0;
}
inline double ScheduleAt(const double* sched24, int h)
{
    return sched24 ? NonNegative(sched24[h]) : 0.0;
}

inline double ValueAt(const float* values24, int h, double fallback = 0.0)
{
    return values24 ? Finite(values24[h], fallback) : fallback;
}

// Writes all n values of an output, tolerating a null pointer.
template <typename T, typename U> inline void Store(T* out, int n, const U* values)
{
    if (!out)
        return;
    for (int i = 0; i < n; ++i)
        out[i] = static_cast<T>(values[i]);
}
template <typename T> inline void StoreConstant(T* out, int n, double value)
{
    if (!out)
        return;
    for (int i = 0; i < n; ++i)
        out[i] = static_cast<T>(value);
}
template <typename T> inline void StoreScalar(T* out, double value)
{
    if (out)
        *out = static_cast<T>(value);
}

// The winter switch scales gains by the winter gain factor.
inline double GainFactor(int32_t winter, double coef)
{
    return winter ? Finite(coef, 1.0) : 1.0;
}

} // namespace calclib
