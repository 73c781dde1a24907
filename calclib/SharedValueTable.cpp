#include "calclib/SharedValueTable.h"

#include "calclib/dizedozev.h"

namespace calclib {

namespace {
bool g_enabled = true;
uint32_t g_generation = 1;
} // namespace

bool SharedValuesEnabled()
{
    return g_enabled;
}

uint32_t SharedValuesGeneration()
{
    return g_generation;
}

void ForgetSharedValues()
{
    ++g_generation;
}

} // namespace calclib

void SetSharedValues(int32_t enabled)
{
    calclib::g_enabled = enabled != 0;
    calclib::ForgetSharedValues();
}
