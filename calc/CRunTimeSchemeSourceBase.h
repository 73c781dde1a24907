#pragma once
#include "platform/core/CCurrent.h"

// What the daily air-conditioning results need of the operating schemes: the hour flags of the
// scheme that holds a room while the operating-scheme mode is on. The scheme manager implements
// it and is registered as the current source while it lives; without one no room has a scheme.
class CRunTimeSchemeSourceBase : public CCurrent<CRunTimeSchemeSourceBase>
{
public:
    static constexpr const char* SlotName = "CRunTimeSchemeSourceBase";
    static constexpr int Days = 365;
    static constexpr int Hours = 24;

    virtual ~CRunTimeSchemeSourceBase() = default;

    // Days x Hours flags, day-major (day d, hour h at d * 24 + h; 1 on, 0 off), of the current
    // scheme when it lists the room's tree node id, else of the first scheme that does; null when
    // the scheme mode is off, no scheme exists or none lists the room.
    virtual const unsigned char* SchemeFlagsOfRoom(int roomNodeId) const = 0;
};
