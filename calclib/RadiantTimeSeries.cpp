#include "calclib/RadiantTimeSeries.h"

#include "calclib/CalcTables.h"
#include "calclib/InputGuard.h"

namespace calclib {

namespace {

using namespace calclib::tables;

struct RtsSets
{
    double r[2][3][24]; // [series][construction][hour]
};

// The printed columns are whole percent; dividing by the column's own sum keeps the daily sum
// of load equal to that of gain even if a column were edited to not add up to 100.
constexpr void Normalise(const double (&percent)[24], double (&out)[24])
{
    double sum = 0.0;
    for (double v : percent)
        sum += v;
    for (int j = 0; j < 24; ++j)
        out[j] = percent[j] / sum;
}

constexpr RtsSets BuildSets()
{
    RtsSets s{};
    for (int c = 0; c < 3; ++c) {
        Normalise(kRtsNonSolarExterior[c][kRtsFloorInUse][kRtsGlassInUse], s.r[0][c]);
        Normalise(kRtsSolarExterior[c][kRtsFloorInUse][kRtsGlassInUse], s.r[1][c]);
    }
    return s;
}

constexpr RtsSets kSets = BuildSets();

} // namespace

int RtsConstructionOf(int32_t roomType)
{
    return roomType >= RtsLight && roomType <= RtsHeavy ? static_cast<int>(roomType)
                                                        : static_cast<int>(RtsMedium);
}

const double* RtsFractions(int32_t roomType, RtsSeries series)
{
    return kSets.r[series == RtsSeries::Solar ? 1 : 0][RtsConstructionOf(roomType)];
}

void ApplyRts(int32_t roomType, RtsSeries series, const double in24[24], double out24[24])
{
    const double* r = RtsFractions(roomType, series);
    // Two periods of the input, so that hour h - j of the cyclic day is in[h - j + 24]: the
    // hottest loop of the daily design types runs over contiguous hours without a remainder. Each
    // hour still sums its terms in the order of j.
    double in[48];
    for (int h = 0; h < 24; ++h)
        in[h] = in[h + 24] = in24[h];
    double sum[24] = {};
    for (int j = 0; j < 24; ++j) {
        const double fraction = r[j];
        const double* delayed = in + 24 - j;
        for (int h = 0; h < 24; ++h)
            sum[h] += fraction * delayed[h];
    }
    for (int h = 0; h < 24; ++h)
        out24[h] = sum[h];
}

void CoolingLoadFromGain(int32_t roomType, RtsSeries series, double radiantFraction, bool steady,
                         const double gain24[24], double out24[24])
{
    if (steady) {
        for (int h = 0; h < 24; ++h)
            out24[h] = gain24[h];
        return;
    }
    double radiant[24];
    for (int h = 0; h < 24; ++h)
        radiant[h] = radiantFraction * gain24[h];
    double delayed[24];
    ApplyRts(roomType, series, radiant, delayed);
    for (int h = 0; h < 24; ++h)
        out24[h] = gain24[h] - radiant[h] + delayed[h];
}

} // namespace calclib
