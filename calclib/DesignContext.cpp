#include "calclib/DesignContext.h"

#include "calclib/CalcTables.h"
#include "calclib/InputGuard.h"
#include "calclib/Psychrometrics.h"
#include "calclib/SharedValueTable.h"
#include "calclib/dizedozev.h"

namespace calclib {

namespace {
DesignContext g_context;
std::string g_libDir;

// The parts of the context that shared values depend on.
bool SameClimate(const DesignContext& a, const DesignContext& b)
{
    return a.hasLocation == b.hasLocation && a.longitude == b.longitude && a.timeZone == b.timeZone &&
           a.dailyRange == b.dailyRange && a.clarity == b.clarity &&
           a.groundReflectance == b.groundReflectance && a.summerPressure == b.summerPressure &&
           a.winterPressure == b.winterPressure;
}

// Shared values outlive a context set again unchanged: a run per room keeps them.
void SetContext(const DesignContext& context)
{
    if (!SameClimate(context, g_context))
        ForgetSharedValues();
    g_context = context;
}
} // namespace

DesignContext::DesignContext()
    : dailyRange(tables::kDefaultDailyRange), clarity(tables::kDefaultClarity),
      groundReflectance(tables::kDefaultGroundReflectance), summerPressure(tables::kDefaultPressure),
      winterPressure(tables::kDefaultPressure), heatingSwing(tables::kDefaultHeatingSwing)
{
}

const DesignContext& CurrentDesignContext()
{
    return g_context;
}
const std::string& LibDir()
{
    return g_libDir;
}

} // namespace calclib

using namespace calclib;

void SetLibDir(const char* path)
{
    try {
        g_libDir = path ? path : "";
    } catch (...) {
        g_libDir.clear(); // out of memory: run without data-file overrides
    }
}

void SetDesignContext(float longitude, float timeZone, float dailyRange, float clarity, int32_t groundGrade,
                      float summerPressure, float winterPressure)
{
    DesignContext c;
    c.heatingSwing = g_context.heatingSwing;
    c.roomOpeningArea = g_context.roomOpeningArea;
    c.hasLocation = std::isfinite(longitude) && std::isfinite(timeZone);
    c.longitude = Finite(longitude);
    c.timeZone = Finite(timeZone);
    if (Finite(dailyRange) > 0.0)
        c.dailyRange = dailyRange;
    c.clarity = Finite(clarity, tables::kDefaultClarity);
    if (groundGrade >= 0 && groundGrade < 6)
        c.groundReflectance = tables::kGroundReflectance[groundGrade];
    c.summerPressure = psy::PressurePa(summerPressure);
    c.winterPressure = psy::PressurePa(winterPressure);
    SetContext(c);
}

void ResetDesignContext(void)
{
    SetContext(DesignContext());
}

void SetHeatingSwingFactor(float factor)
{
    const double f = Finite(factor);
    g_context.heatingSwing = f < 0.0 ? 0.0 : (f > 1.0 ? 1.0 : f);
}

void SetRoomOpeningArea(float area)
{
    g_context.roomOpeningArea = NonNegative(area);
}
