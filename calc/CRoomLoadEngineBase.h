#pragma once
#include <functional>

class CCalculate_Building;
class CCalculate_Manager;
class CCalculate_Room;
class CElementBase;

// Called by the detailed heating calculation after each element it calculates, with the element,
// its detail rates (7 values), detail blocks (8 x 24), its 24 hourly loads, a second array of 24
// values, an integer and a factor. Only the heating-load calculation book supplies one.
using CElementDetailCallback = std::function<void(CElementBase* element, float* rates, float (*blocks)[24],
                                                  float* loads, float* extra, int flag, double factor)>;

// The room engine in place of the manager's own: the loads of one room and the pump and pipe
// load of a building. A manager given one (CCalculate_Manager::SetRoomEngine) calls it for every
// room and building it calculates.
class CRoomLoadEngineBase
{
public:
    virtual ~CRoomLoadEngineBase() = default;

    // True when the room was calculated, reused or skipped; false when the run's stop flag was set
    // on entry or the room failed (then reported and the stop flag set).
    virtual bool CalculateRoomLoads(CCalculate_Manager& manager, CCalculate_Room& room,
                                    const CElementDetailCallback& detail) = 0;
    // Adds the building's pump and pipe load into its result record.
    virtual void CalculatePumpAndPipeLoad(CCalculate_Manager& manager, CCalculate_Building& building) = 0;
};
