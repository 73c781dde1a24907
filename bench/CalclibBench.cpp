// Throughput of the calculation library through its C interface, as the program calls it.
// One "room-day" is one call of every internal-gain and outdoor-air function for one room and one
// design day; the daily calculation makes 730 of these per room. The monthly solar table
// (GetMaxSHG12) is run once per project and is timed on its own line.
//
// Usage: bench_calclib [seconds per measurement, default 1]

#include "calclib/dizedozev.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

using Clock = std::chrono::steady_clock;

struct Inputs
{
    float sched[24];
    float db[24];
    float wb[24];
    double dsched[24];
};

struct Outputs
{
    float a[24], b[24], c[24], d[24];
    double x[24], y[24], z[24];
    float solar[12 * 9];
    float sunrise[365], sunset[365];
};

Inputs MakeInputs()
{
    // Beijing summer design day: 33.5 ℃ peak, range 8.8 K, wet bulb 26.4 ℃; office hours.
    static const double beta[24] = {-0.26, -0.35, -0.38, -0.42, -0.45, -0.47, -0.41, -0.28,
                                    -0.12, 0.03,  0.16,  0.29,  0.40,  0.48,  0.52,  0.51,
                                    0.43,  0.39,  0.28,  0.14,  0.00,  -0.10, -0.17, -0.23};
    Inputs in{};
    for (int h = 0; h < 24; ++h) {
        in.sched[h] = (h >= 8 && h <= 18) ? 1.0f : (h == 7 || h == 19 ? 0.5f : 0.0f);
        in.dsched[h] = in.sched[h];
        in.db[h] = static_cast<float>(33.5 - 0.52 * 8.8 + beta[h] * 8.8);
        in.wb[h] = 26.4f;
    }
    return in;
}

// Keeps results observable so that no call can be dropped.
double g_sink = 0.0;

void Consume(const Outputs& o)
{
    g_sink += o.a[14] + o.b[15] + o.c[16] + o.d[17] + o.x[14] + o.y[15] + o.z[16];
}

void RoomDay(const Inputs& in, Outputs& o, int i)
{
    const float area = 40.0f + static_cast<float>(i % 13);
    const float t = 25.0f + 0.1f * static_cast<float>(i % 20);
    const float p = 100020.0f;
    GetCL_Person(area, 0.15f, 1, t, 1, 0.93f, 0, 0, 1.0f, in.sched, o.a, o.b);
    GetDL_Person(area, 0.15f, t, 1, 0.93f, in.sched, o.c);
    GetCL_Light(1, 100.0f, 200.0f, 400.0f, 300.0f, 0.8f, 0, 0, 0, 1.0f, in.sched, o.a);
    GetCL_HeatingEquipment(1, 2000.0f, 0.5f, 0.8f, 0.6f, 0.5f, 0, 0, 1.0f, in.sched, o.b);
    GetCL_ElectricEquipment(1, 3000.0f, 0.5f, 0.8f, 0.85f, 0, 0, 0, 1.0f, in.sched, o.c);
    GetCL_ElectronicEquipment(1, area * 15.0f, 1.0f, 1.0f, 1.0f, 0, 0, 1.0f, in.sched, o.d);
    GetDL_Equipment(1, 300.0f, in.sched, o.a);
    GetCL_Addition_Food(20, 0.9f, 0, 0, 1.0f, in.sched, o.b);
    GetDL_Addition_Food(20, 0.9f, in.sched, o.c);
    GetCL_ChemicalReaction(0.95, 0.5, 2.0, 35000.0, 1.6, in.dsched, o.x, o.y, o.z);
    GetCL_Addition_Vapor_Precision(5.0f, 35.0f, 0, 0, 1.0f, in.sched, o.d, t, 55.0f, p);
    GetDL_Addition_Vapor_Precision(5.0f, 35.0f, 0, 1.0f, in.sched, o.a, t, 55.0f, p);
    GetCL_Addition_Infiltration_N(area, 3.0f, p, t, 55.0f, in.db, in.wb, 20.0f, 0, in.sched, o.b, o.c, -1.0f);
    GetDL_Addition_Infiltration(area, 3.0f, p, t, 55.0f, in.db, in.wb, 20.0f, 0, in.sched, o.d);
    GetCL_FreshAir_D(area * 3.0f, p, t, 55.0f, in.db, in.wb, in.sched, o.a, o.b, o.c, o.d);
    GetCL_Enclose_Simple(area, 45.0f, o.a);
    GetCL_FanAndDuct(5000.0, 0.5, 0.3, in.dsched, o.x);
    GetDL_Enclosure(100.0, in.dsched, o.y, o.z);
    GetCL_PumpAndPipe(30.0, 0.2, 0.1, in.dsched, o.x);
    Consume(o);
}
constexpr int kCallsPerRoomDay = 19;

// Repeats body in growing batches until `seconds` have passed; returns repetitions per second.
double Rate(double seconds, const std::function<void(int)>& body)
{
    long long done = 0;
    long long batch = 1;
    const auto start = Clock::now();
    double elapsed = 0.0;
    while (elapsed < seconds) {
        for (long long k = 0; k < batch; ++k)
            body(static_cast<int>((done + k) & 0x7fffffff));
        done += batch;
        elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        if (elapsed < seconds / 10)
            batch *= 2;
    }
    return static_cast<double>(done) / elapsed;
}

} // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 1.0;
    const Inputs in = MakeInputs();
    static Outputs o;
    const float p = 100020.0f;

    std::printf("calculation library throughput (%.1f s per line)\n", seconds);
    const double roomDays = Rate(seconds, [&](int i) { RoomDay(in, o, i); });
    std::printf("  room-days per second          %12.0f\n", roomDays);
    std::printf("  calls per second (room-day)   %12.0f   (%d calls per room-day)\n",
                roomDays * kCallsPerRoomDay, kCallsPerRoomDay);

    struct Line
    {
        const char* name;
        std::function<void(int)> body;
    } lines[] = {
        {"GetCL_Person",
         [&](int i) {
             GetCL_Person(40.0f + (i & 7), 0.15f, 1, 26.0f, 1, 0.93f, 0, 0, 1.0f, in.sched, o.a, o.b);
             Consume(o);
         }},
        {"GetCL_Light",
         [&](int i) {
             GetCL_Light(2, 100.0f + (i & 7), 200.0f, 400.0f, 300.0f, 0.8f, 0, 0, 0, 1.0f, in.sched, o.a);
             Consume(o);
         }},
        {"GetCL_Addition_Vapor_Precision",
         [&](int i) {
             GetCL_Addition_Vapor_Precision(5.0f + (i & 7), 35.0f, 0, 0, 1.0f, in.sched, o.d, 26.0f, 55.0f,
                                            p);
             Consume(o);
         }},
        {"GetCL_Addition_Infiltration_N",
         [&](int i) {
             GetCL_Addition_Infiltration_N(40.0f + (i & 7), 3.0f, p, 26.0f, 55.0f, in.db, in.wb, 20.0f, 0,
                                           in.sched, o.b, o.c, -1.0f);
             Consume(o);
         }},
        {"GetDL_Addition_Infiltration",
         [&](int i) {
             GetDL_Addition_Infiltration(40.0f + (i & 7), 3.0f, p, 26.0f, 55.0f, in.db, in.wb, 20.0f, 0,
                                         in.sched, o.d);
             Consume(o);
         }},
        {"GetCL_FreshAir_D",
         [&](int i) {
             GetCL_FreshAir_D(1000.0f + (i & 7), p, 26.0f, 55.0f, in.db, in.wb, in.sched, o.a, o.b, o.c, o.d);
             Consume(o);
         }},
        {"GetMaxSHG12 (per project)",
         [&](int i) {
             GetMaxSHG12(39.93f + 0.01f * (i & 7), 116.28f, 8.0f, 1, o.solar, 0.75f, 0, 2003);
             g_sink += o.solar[5 * 9 + 3];
         }},
        {"SunriseSunset (per project)",
         [&](int i) {
             SunriseSunset(39.93f + 0.01f * (i & 7), o.sunrise, o.sunset);
             g_sink += o.sunrise[171];
         }},
    };
    std::printf("  per function, calls per second:\n");
    for (const Line& line : lines)
        std::printf("    %-32s %12.0f\n", line.name, Rate(seconds, line.body));
    std::printf("(checksum %g)\n", g_sink);
    return 0;
}
