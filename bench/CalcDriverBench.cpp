// One calculation run of the daily air-conditioning design type over a project of 200 rooms (10
// storeys of 20 rooms, each with an outside wall and its window, people and a floor), through the
// driver with a stand-in room engine that fills each room's 365 daily records. Prints the time of
// the run and the peak memory of the process before and after it; building the project is not
// timed.
#include "calc/CCalMsgOutput.h"
#include "calc/CCalResultBuffer.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CCalculate_Result_IsACLoadStepCalculation.h"
#include "calc/CNodeDataBuffer.h"
#include "calc/CRoomLoadEngineBase.h"
#include "calc/ResultByType.h"
#include "model/CElementManage.h"
#include "model/CMaterialParamNameList.h"
#include "model/CNodeClipboard.h"
#include "model/CNodeData.h"
#include "model/CNodeTreeView.h"
#include "model/CProjectData.h"
#include "model/CProjectTreeHostBase.h"
#include "model/CRoomOccupationCache.h"
#include "model/CTreeView2DB.h"
#include "model/TDM_Project.h"
#include "model/TDM_SysParam.h"
#include "model/TInitalizationManage.h"
#include "platform/core/CTool.h"
#include "tests/support/CFakeToolDialogs.h"
#include "tests/support/CTestProgramFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <sys/resource.h>

namespace {
constexpr int kDaily = 5;
constexpr int kDays = 365;
constexpr int kStoreys = 10;
constexpr int kRoomsPerStorey = 20;

class TreeHost : public CProjectTreeHostBase
{
public:
    CNodeTreeView* MainTreeView() override { return &View; }
    bool IsElementTypeUsed(int) override { return true; }
    void HideOpenPage() override {}
    void ReloadTreeView() override { CTreeView2DB::Current().FillTreeView(View, nullptr, true); }
    void OpenWithShell(const QString&) override {}
    CNodeTreeView View;
};

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

long PeakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    CTestProgramFolder folder;
    CTool tool(std::make_unique<CFakeToolDialogs>());
    TDM_SysParam sysParam;
    TDM_Project project;
    if (!sysParam.DataModuleCreate())
        return 1;
    const QString path = folder.File(QStringLiteral("User/Bench.VLZ"));
    QFile::copy(folder.File(QStringLiteral("Project/ProjectModule.dat")), path);
    QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    project.ProjectCon.Open(path);

    CProjectData parameters;
    CProjectData::SetCurrent(&parameters);
    parameters.DesignType = kDaily;
    CElementManage registry;
    registry.LoadElementTypes(sysParam.ElementBasePerformance);
    TInitalizationManage defaults;
    defaults.Load(project.Initialization);
    CMaterialParamNameList names;
    names.SetDataSet(&project.MaterialParamTable);
    CRoomOccupationCache roomUses;
    TreeHost treeHost;
    CTreeView2DB store;
    store.SetHost(&treeHost);
    store.LoadTree();
    CNodeClipboard clipboard;

    CNodeData* building = store.Root().CreateChild(1, QString(), nullptr, 0);
    for (int s = 0; s < kStoreys; ++s) {
        CNodeData* storey = building->CreateChild(2, QString(), nullptr, 0);
        for (int r = 0; r < kRoomsPerStorey; ++r) {
            CNodeData* room = storey->CreateChild(3, QString(), nullptr, 0);
            room->CreateChild(9, QString(), nullptr, 0)->CreateChild(10, QString(), nullptr, 0);
            room->CreateChild(4, QString(), nullptr, 0);
            room->CreateChild(21, QString(), nullptr, 0);
        }
    }
    store.Root().ReleaseElements(true, true);
    store.FillTreeView(treeHost.View, nullptr, true);
    const long before = PeakKiB();

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
            kind = manager.Calculate(treeHost.View.TopItem(0), total);
        }
        FreeResultByType(total);
    }
    const qint64 elapsed = timer.elapsed();
    const long after = PeakKiB();
    std::printf("daily design type, %d rooms calculated (run result %d): %lld ms; peak memory %ld KiB before "
                "the run, %ld KiB after it (+%ld KiB)\n",
                engine.Rooms, kind, static_cast<long long>(elapsed), before, after, after - before);
    return engine.Rooms == kStoreys * kRoomsPerStorey && kind == 0 ? 0 : 1;
}
