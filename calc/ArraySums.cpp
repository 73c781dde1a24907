#include "calc/ArraySums.h"

#include <initializer_list>

namespace {
// Blocks of fixed width, every source read before the block is written: each value still sums its
// sources in order, and the fixed width lets the compiler keep a block in vector registers.
constexpr int kBlock = 24;

void AddSources(float* destination, std::initializer_list<const float*> sources, int n, bool zeroFirst)
{
    int i = 0;
    for (; i + kBlock <= n; i += kBlock) {
        float sum[kBlock] = {};
        if (!zeroFirst)
            for (int k = 0; k < kBlock; ++k)
                sum[k] = destination[i + k];
        for (const float* source : sources)
            for (int k = 0; k < kBlock; ++k)
                sum[k] += source[i + k];
        for (int k = 0; k < kBlock; ++k)
            destination[i + k] = sum[k];
    }
    for (; i < n; ++i) {
        float sum = zeroFirst ? 0.0f : destination[i];
        for (const float* source : sources)
            sum += source[i];
        destination[i] = sum;
    }
}
} // namespace

// Where the processor has wider vector registers the same sums take half the instructions.
#if defined(__GNUC__) && defined(__x86_64__) && defined(__linux__)
__attribute__((target_clones("avx2", "default")))
#endif
void AddArray(float* destination, const float* s1, int n, bool zeroFirst)
{
    if (zeroFirst) {
        AddSources(destination, {s1}, n, zeroFirst);
        return;
    }
    // The commonest sum of all, days added into days, without the loop over sources: four values
    // at a time, each read before it is written, a vector register's worth.
    constexpr int kLane = 4;
    int i = 0;
    for (; i + kLane <= n; i += kLane) {
        float sum[kLane];
        for (int k = 0; k < kLane; ++k)
            sum[k] = destination[i + k] + s1[i + k];
        for (int k = 0; k < kLane; ++k)
            destination[i + k] = sum[k];
    }
    for (; i < n; ++i)
        destination[i] += s1[i];
}

void AddArrays2(float* destination, const float* s1, const float* s2, int n, bool zeroFirst)
{
    AddSources(destination, {s1, s2}, n, zeroFirst);
}

void AddArrays3(float* destination, const float* s1, const float* s2, const float* s3, int n, bool zeroFirst)
{
    AddSources(destination, {s1, s2, s3}, n, zeroFirst);
}

void AddArrays6(float* destination, const float* s1, const float* s2, const float* s3, const float* s4,
                const float* s5, const float* s6, int n, bool zeroFirst)
{
    AddSources(destination, {s1, s2, s3, s4, s5, s6}, n, zeroFirst);
}

void AddArrays8(float* destination, const float* s1, const float* s2, const float* s3, const float* s4,
                const float* s5, const float* s6, const float* s7, const float* s8, int n, bool zeroFirst)
{
    AddSources(destination, {s1, s2, s3, s4, s5, s6, s7, s8}, n, zeroFirst);
}

void AddArrays9(float* destination, const float* s1, const float* s2, const float* s3, const float* s4,
                const float* s5, const float* s6, const float* s7, const float* s8, const float* s9, int n,
                bool zeroFirst)
{
    AddSources(destination, {s1, s2, s3, s4, s5, s6, s7, s8, s9}, n, zeroFirst);
}

void AddArrays17(float* destination, const float* s1, const float* s2, const float* s3, const float* s4,
                 const float* s5, const float* s6, const float* s7, const float* s8, const float* s9,
                 const float* s10, const float* s11, const float* s12, const float* s13, const float* s14,
                 const float* s15, const float* s16, const float* s17, int n, bool zeroFirst)
{
    // Summed in source order with every step rounded to float, which is what the two passes of
    // eight and nine sources give.
    AddSources(destination, {s1, s2, s3, s4, s5, s6, s7, s8, s9, s10, s11, s12, s13, s14, s15, s16, s17}, n,
               zeroFirst);
}
