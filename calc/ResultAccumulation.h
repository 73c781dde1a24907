#pragma once
#include "calc/ResultByType.h"

// Combining the result records of a run, by design type, so that callers need not know whether a
// holder keeps one record or 12 or 365 step records (step i always meets step i). peakMode is the
// project's StatisticalStyle: 0 sums the hourly arrays (the peaks of the sum are found later by
// ComputeResultTotals), non-zero sums only the peaks (AddTotals). Null pointers and design types
// outside 0..8 do nothing.

// Adds the member into the total: types 0 and 1 always by Add (loads only); 2, 3, 6 and each step
// of 4, 5, 7, 8 by AddTotals in peak mode, else by Add.
void AddResultToTotal(void* total, void* member, int peakMode, int designType = CurrentDesignType());

// The heating design types (6..8; others do nothing): as AddResultToTotal, and for type 6 the
// heat the member exchanges with adjacent rooms is first taken out of the total's hourly arrays:
// total 0 -= member 25, 5 -= 27, 17 -= 28, 6 -= 29, 7 -= 30, and at level 1 (a storey's total;
// level 0 is a building's) also 12 -= 31 and 13 -= 32.
void AddHeatingResultToTotal(void* total, void* member, int peakMode, int level,
                             int designType = CurrentDesignType());

// ComputeTotals of the record or of every step; nothing for types 0 and 1.
void ComputeResultTotals(void* result, int designType = CurrentDesignType());

// Design type 5 only: multiplies hour h of day d of the room's 365 step records by the flag of
// the operating scheme that holds the room (CRunTimeSchemeSourceBase); rooms without a scheme,
// and runs outside the scheme mode, are left as they are.
void ApplyRunTimeScheme(int roomNodeId, void* stepResults, int designType = CurrentDesignType());
