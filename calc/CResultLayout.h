#pragma once
#include <initializer_list>
#include <utility>
#include <vector>

// One peak of a totals record: the array it is taken from, the totals field it goes to and the
// sign filter of the search (0 all values, 1 values >= 0, 2 values <= 0).
struct SPeakRule
{
    int Array = 0;
    int Field = 0;
    int Filter = 0;
};

// What the family operations of one result record class touch. Values are addressed by index:
// for an estimate record value k is float k (width 1), for an hourly record it is array k of 24
// floats (width 24), stored one after the other.
// - Convert: the loads; moisture (g/h), airflow (m3/h) and index (W/m2) values are not loads and
//   are never scaled.
// - Add: the values summed hour by hour.
// - Peaks: where ComputeTotals writes each array's peak.
// - Summed fields: the totals fields AddTotals sums.
class CResultLayout
{
public:
    // W to kcal/h, in single precision.
    static constexpr float KcalPerW = 0.8598452f;

    CResultLayout(int width, std::vector<int> converted, std::vector<int> added,
                  std::vector<SPeakRule> peaks = {}, std::vector<int> summedFields = {});

    // With a non-zero flag multiplies every converted value by KcalPerW; flag 0 changes nothing.
    void ConvertToKcal(float* values, int flag) const;
    void Add(float* target, const float* source) const;
    // Overwrites the peak fields; other fields keep their values.
    void WritePeaks(const float* values, float* fields) const;
    void AddFields(float* target, const float* source) const;

    // 0 .. count-1 without the listed indexes, ascending.
    static std::vector<int> Indexes(int count, std::initializer_list<int> except = {});

private:
    int m_width;
    std::vector<int> m_converted;
    std::vector<int> m_added;
    // m_added as runs of consecutive values: first value and count.
    std::vector<std::pair<int, int>> m_addedRuns;
    std::vector<SPeakRule> m_peaks;
    std::vector<int> m_summedFields;
};
