#pragma once

// Gives a holder's result record back and clears the pointer: to the current result pool, or,
// when no pool is current, freed by the current design type so that it is not lost. Nothing for
// null.
void ReturnHeldResult(void*& result);
