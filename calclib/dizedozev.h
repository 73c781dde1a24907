#pragma once
// C interface of the load-calculation library libdizedozev.so.
// Functions keep 32-bit int/float arguments and float[24] hourly arrays so that every caller
// passes the same shapes the calculation Parts describe.

#if defined(__GNUC__)
#define DIZEDOZEV_API extern "C" __attribute__((visibility("default")))
#else
#define DIZEDOZEV_API extern "C"
#endif
