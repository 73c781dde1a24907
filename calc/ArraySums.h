#pragma once

// Sums of hourly arrays for the room engine and the step results.

// Per element i < n: destination[i] += the sources' values at i; with zeroFirst the destination's
// first n values are set to 0 before. Single-precision, summed in source order.
void AddArray(float* destination, const float* s1, int n, bool zeroFirst);
void AddArrays2(float* destination, const float* s1, const float* s2, int n, bool zeroFirst);
void AddArrays3(float* destination, const float* s1, const float* s2, const float* s3, int n, bool zeroFirst);
void AddArrays6(float* destination, const float* s1, const float* s2, const float* s3, const float* s4,
                const float* s5, const float* s6, int n, bool zeroFirst);
void AddArrays8(float* destination, const float* s1, const float* s2, const float* s3, const float* s4,
                const float* s5, const float* s6, const float* s7, const float* s8, int n, bool zeroFirst);
void AddArrays9(float* destination, const float* s1, const float* s2, const float* s3, const float* s4,
                const float* s5, const float* s6, const float* s7, const float* s8, const float* s9, int n,
                bool zeroFirst);
void AddArrays17(float* destination, const float* s1, const float* s2, const float* s3, const float* s4,
                 const float* s5, const float* s6, const float* s7, const float* s8, const float* s9,
                 const float* s10, const float* s11, const float* s12, const float* s13, const float* s14,
                 const float* s15, const float* s16, const float* s17, int n, bool zeroFirst);
