#pragma once
#include "calc/CResultLayout.h"

#include <algorithm>
#include <cstring>
#include <memory>

// Common part of the result records made of hourly arrays: N arrays of 24 floats (hour 0 first)
// and the totals record, null until the first ComputeTotals or AddTotals creates it zeroed. The
// derived class names what each operation touches in its static Layout() (CResultLayout); a
// derived class may extend an operation by hiding it and calling this one.
//
// Records are plain data, never copied. Loads are in W (kcal/h after ConvertToKcal), cooling
// positive and heating negative where a record holds signed loads.
template <typename Derived, int N, typename TTotals> class CHourlyResultRecord
{
public:
    static constexpr int ArrayCount = N;
    static constexpr int Hours = 24;

    float Hourly[N][Hours];
    std::unique_ptr<TTotals> Totals;

    CHourlyResultRecord(const CHourlyResultRecord&) = delete;
    CHourlyResultRecord& operator=(const CHourlyResultRecord&) = delete;

    // Every array zero; an existing totals record stays, with all its fields zero.
    void Reset()
    {
        // All bits zero is 0.0f: the library's block fill, much quicker than a loop of floats.
        std::memset(Hourly, 0, sizeof Hourly);
        if (Totals)
            *Totals = TTotals{};
    }
    // The loads (not moisture, airflow or index arrays) from W to kcal/h when the flag is
    // non-zero. The totals record is not converted. Each call converts again.
    void ConvertToKcal(int flag) { Derived::Layout().ConvertToKcal(&Hourly[0][0], flag); }
    // Adds the other record's arrays hour by hour; totals untouched.
    void Add(const Derived& other) { Derived::Layout().Add(&Hourly[0][0], &other.Hourly[0][0]); }
    // Creates the totals when missing and overwrites every peak field from the arrays.
    void ComputeTotals() { Derived::Layout().WritePeaks(&Hourly[0][0], EnsureTotals().Value); }
    // Sums the other's peaks into this record's totals (created when missing); the other's totals
    // are computed first when it has none. The hourly arrays are not touched.
    void AddTotals(Derived& other)
    {
        TTotals& totals = EnsureTotals();
        if (!other.Totals)
            other.ComputeTotals();
        Derived::Layout().AddFields(totals.Value, other.Totals->Value);
    }
    TTotals& EnsureTotals()
    {
        if (!Totals)
            Totals = std::make_unique<TTotals>();
        return *Totals;
    }

protected:
    CHourlyResultRecord() : Hourly{} {}
    ~CHourlyResultRecord() = default;
};
