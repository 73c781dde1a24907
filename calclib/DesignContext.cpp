#include "calclib/DesignContext.h"

#include "calclib/CalcTables.h"
#include "calclib/InputGuard.h"
#include "calclib/Psychrometrics.h"
#include "calclib/dizedozev.h"

namespace calclib {

namespace {
DesignContext g_context;
std::string g_libDir;
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
    const double swing = g_context.heatingSwing;
    const double openings = g_context.roomOpeningArea;
    g_context = DesignContext();
    g_context.heatingSwing = swing;
    g_context.roomOpeningArea = openings;
    g_context.hasLocation = std::isfinite(longitude) && std::isfinite(timeZone);
    g_context.longitude = Finite(longitude);
    g_context.timeZone = Finite(timeZone);
    if (Finite(dailyRange) > 0.0)
        g_context.dailyRange = dailyRange;
    g_context.clarity = Finite(clarity, tables::kDefaultClarity);
    if (groundGrade >= 0 && groundGrade < 6)
        g_context.groundReflectance = tables::kGroundReflectance[groundGrade];
    g_context.summerPressure = psy::PressurePa(summerPressure);
    g_context.winterPressure = psy::PressurePa(winterPressure);
}

void ResetDesignContext(void)
{
    g_context = DesignContext();
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
