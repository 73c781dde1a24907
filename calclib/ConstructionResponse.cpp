#include "calclib/ConstructionResponse.h"

#include "calclib/InputGuard.h"
#include "calclib/SharedValueTable.h"

#include <algorithm>
#include <cmath>

namespace calclib {

double DailyMean(const double values[24])
{
    double sum = 0.0;
    for (int h = 0; h < 24; ++h)
        sum += values[h];
    return sum / 24.0;
}

double PeriodicAt(const double values[24], double t)
{
    double s = std::fmod(Finite(t), 24.0);
    if (s < 0.0)
        s += 24.0;
    const double floorS = std::floor(s);
    const int i0 = static_cast<int>(floorS) % 24; // s may round up to exactly 24.0
    const int i1 = (i0 + 1) % 24;
    const double f = s - floorS;
    return values[i0] + f * (values[i1] - values[i0]);
}

namespace {

void ComputeResponse(const double solAir[24], double b, double lag, double out[24])
{
    const double mean = DailyMean(solAir);
    for (int h = 0; h < 24; ++h)
        out[h] = mean + b * (PeriodicAt(solAir, h - lag) - mean);
}

struct Response
{
    double t[24];
};
using ResponseKey = SharedKey<28>;
thread_local SharedValueTable<ResponseKey, Response, 8192> t_responses;

} // namespace

void ConstructionResponse(const double solAir[24], double beta, double lagHours, double out[24])
{
    const double b = Finite(beta);
    const double lag = Finite(lagHours);
    ResponseKey key;
    key.Add(solAir, 24);
    key.Add(b);
    key.Add(lag);
    Response scratch;
    const Response& response =
        SharedValue(t_responses, key, scratch, [&](Response& r) { ComputeResponse(solAir, b, lag, r.t); });
    std::copy(response.t, response.t + 24, out);
}

} // namespace calclib
