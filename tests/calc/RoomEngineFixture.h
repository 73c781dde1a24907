#pragma once
#include "climate/CLIB_WeatherParameter.h"
#include "tests/calc/CRecordingCalcLibrary.h"
#include "tests/calc/CalcFixture.h"

class CRoom;

// The calculation fixture with a project weather of fixed design values and the room engine of
// the manager itself, calling the recording library unless a test hands it another.
class RoomEngineFixture : public CalcFixture
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Calculates the node through the driver, as the load command does, into a fresh total of the
    // current design type. Returns the driver's answer; the gauge and stop flag are kept.
    int Run(CNodeData* node, CCalcLibraryBase* library = nullptr);
    template <typename T> T& Total() { return *static_cast<T*>(m_total); }
    // The room element of the node, saved after the edit.
    CRoom& EditRoom(CNodeData* node, const std::function<void(CRoom&)>& edit);
    // Hides the Initialization row from the defaults, as in a project without it, and back.
    void DropDefault(const QString& name);
    void RestoreDefault(const QString& name);

    CLIB_WeatherParameter m_weather{&m_project.WeatherParameter};
    CRecordingCalcLibrary m_library;
    void* m_total = nullptr;
    int m_gaugePosition = 0;
    bool m_stopped = false;
};
