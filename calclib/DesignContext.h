#pragma once
// Location and climate of the current run for functions whose arguments carry none (walls, roofs,
// glazing conduction). Set once per run by the calculation; defaults when unset.

#include <string>

namespace calclib {

struct DesignContext
{
    bool hasLocation = false; // false: apparent solar time = clock time
    double longitude = 0.0;   // degrees, east positive
    double timeZone = 0.0;    // hours east of UTC
    double dailyRange;        // K
    double clarity;           // atmospheric transparency P; outside (0, 1): ASHRAE clear sky
    double groundReflectance;
    double summerPressure; // Pa
    double winterPressure; // Pa
    double heatingSwing;   // s_h of the heating design day
    // Total area of the outside doors, windows and curtain walls of the room being calculated (m²);
    // 0 when unknown. Shares the air-change infiltration of the room among its openings.
    double roomOpeningArea = 0.0;
    DesignContext();
};

const DesignContext& CurrentDesignContext();
const std::string& LibDir();

} // namespace calclib
