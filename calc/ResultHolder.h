#pragma once

// Gives a holder's result record back and clears the pointer: to the current result pool, or,
// when no pool is current, freed. Nothing for null.
void ReturnHeldResult(void*& result);
