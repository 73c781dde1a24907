#pragma once

// A holder (building, storey, room, air system) keeps its result as one untyped pointer whose
// shape is fixed by the design type of the run:
//   0 CCalculate_Result_IsACLoadSimpleEstimation        1 CCalculate_Result_IsACLoadItemizedEstimation
//   2 CCalculate_Result_IsACLoadIntelligentEstimation   3 CCalculate_Result_IsACLoadCalculation
//   4 / 5 an array of 12 / 365 CCalculate_Result_IsACLoadStepCalculation (January, 1 January first)
//   6 / 7 / 8 one / 12 / 365 CCalculate_Result_IsHeatingLoadStepCalculation
// Every pointer comes from AllocResultByType, which keeps the design type it was made as beside the
// records: freeing and resetting follow that type, so a record outliving a change of design type is
// still freed as what it is. Adding and reading records still assume one design type per run.

// The design type of the program-wide project parameters (0..8; the main window keeps it equal to
// the current one); -1 when none are installed.
int CurrentDesignType();
// Records behind one result pointer: 1, 12 or 365; 0 for a design type outside 0..8.
int ResultStepCount(int designType);

// Stores a new record (or array) of the design type, zeroed and without totals, in the pointer;
// a design type outside 0..8 leaves the pointer untouched.
void AllocResultByType(void*& result, int designType = CurrentDesignType());
// The design type the record was made as; -1 for null.
int ResultDesignType(const void* result);
// Reset of the record, or of each record of the array; nothing for null.
void ResetResultByType(void* result);
// Deletes the record or the whole array as the type it was made as; nothing for null.
void FreeResultByType(void* result);
