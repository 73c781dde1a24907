// One calculation run of the daily air-conditioning design type over a generated office building of
// 200 rooms (see CBenchProject), through the driver with a stand-in room engine that fills each
// room's 365 daily records: the cost of the driver, the structure and the result pool alone.
// Prints the time of the run and the peak memory of the process before and after it; building the
// project is not timed.
#include "bench/CBenchProject.h"
#include "calc/CCalMsgOutput.h"
#include "calc/CCalResultBuffer.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"
#include "calc/CNodeDataBuffer.h"
#include "calc/CRoomLoadEngineBase.h"
#include "calc/ResultByType.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {
constexpr int kDaily = 5;
constexpr int kDays = 365;
constexpr int kRooms = 200;

// Fills every day of the room's result as a daily calculation would, and steps the gauge.
class BenchRoomEngine : public CRoomLoadEngineBase
{
public:
    bool CalculateRoomLoads(CCalculate_Manager&, CCalculate_Room& room,
                            const CElementDetailCallback&) override
    {
        if (CCalMsgOutput::IsCurrentStopped())
            return false;
        room.Entry.GetElement();
        CCalResultBuffer::Current().AcquireResult(room.Result);
        auto* days = static_cast<CCalculate_Result_IsACLoadStepCalculation*>(room.Result);
        for (int day = 0; day < kDays; ++day)
            for (int array = 0; array < 55; ++array)
                for (int hour = 0; hour < 24; ++hour)
                    days[day].Hourly[array][hour] = static_cast<float>(array + hour);
        CCalMsgOutput::Current().StepProgress(QString());
        ++Rooms;
        return true;
    }
    void CalculatePumpAndPipeLoad(CCalculate_Manager&, CCalculate_Building&) override {}

    int Rooms = 0;
};
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    CBenchProject project(kDaily);
    project.BuildOfficeBuilding(kRooms);
    const long before = CBenchProject::PeakMemoryKiB();

    BenchRoomEngine engine;
    QElapsedTimer timer;
    int kind = -1;
    {
        CNodeDataBuffer nodeBuffer;
        CCalResultBuffer pool;
        CCalMsgOutput progress(QStringLiteral("正在计算最大负荷"), nullptr);
        void* total = nullptr;
        AllocResultByType(total);
        timer.start();
        {
            CCalculate_Manager manager;
            manager.SetRoomEngine(&engine);
            kind = manager.Calculate(project.ProjectItem(), total);
        }
        FreeResultByType(total);
    }
    const qint64 elapsed = timer.elapsed();
    const long after = CBenchProject::PeakMemoryKiB();
    std::printf("daily design type, %d rooms calculated (run result %d): %lld ms; peak memory %ld KiB before "
                "the run, %ld KiB after it (+%ld KiB)\n",
                engine.Rooms, kind, static_cast<long long>(elapsed), before, after, after - before);
    return engine.Rooms == kRooms && kind == 0 ? 0 : 1;
}
