#pragma once
#include <QString>

// Statistics over float series (usually the 24 hours of one result array, hour 0 first).
//
// Sign filter: 0 every value takes part, 1 values >= 0, 2 values <= 0, any other code none. Every
// value, the first included, must pass the filter to take part: a first hour that the filter
// excludes is never a peak. Among the values taking part the largest (smallest) magnitude wins,
// sign kept; on equal magnitudes the earlier index wins.

// The peak value, or 0 when no value takes part.
float FindPeakValue(const float* series, int n, int filter);
// The index of the peak, or -1 when no value takes part.
int FindPeakIndex(const float* series, int n, int filter);
// The value of smallest magnitude, or 0 when no value takes part.
float FindMinValue(const float* series, int n, int filter);
// Its index, or -1 when no value takes part.
int FindMinIndex(const float* series, int n, int filter);

// "00:00" .. "09:00", "10:00" .. "23:00"; "-" for any other hour.
QString FormatHourText(int hour);
// The hour label of the peak; "-" when fewer than two values take part or all of them have the
// same magnitude (a flat series has no peak hour).
QString FormatPeakHourText(const float* series, int n, int filter);
// Arithmetic mean, summed in single precision from index 0; 0 for n <= 0.
float AverageOf(const float* series, int n);
// Index of the first of the n texts equal to the text (case-sensitive), or -1.
int FindTextIndex(const QString* texts, const QString& text, int n);
// positive[i] = series[i] when > 0, else 0; negative[i] = series[i] when <= 0, else 0.
void SplitBySign(const float* series, float* positive, float* negative, int n);
