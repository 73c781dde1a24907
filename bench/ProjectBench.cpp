// Open, save and close of a project of 500 rooms (each with an outside wall, a window, people and a
// floor), on a private copy of the program folder. Prints the times; building the project is not timed.
#include "model/CElementManage.h"
#include "model/CMaterialParamNameList.h"
#include "model/CNodeClipboard.h"
#include "model/CNodeData.h"
#include "model/CNodeTreeView.h"
#include "model/CProjectTreeHostBase.h"
#include "model/CRoomOccupationCache.h"
#include "model/CTreeView2DB.h"
#include "model/TDM_Project.h"
#include "model/TDM_SysParam.h"
#include "model/TInitalizationManage.h"
#include "platform/core/CTool.h"
#include "project/CProjectLifecycleHostBase.h"
#include "project/CSystemGlobalData.h"
#include "tests/support/CFakeToolDialogs.h"
#include "tests/support/CTestProgramFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>

namespace {
class TreeHost : public CProjectTreeHostBase
{
public:
    CNodeTreeView* MainTreeView() override { return &View; }
    bool IsElementTypeUsed(int type) override { return CSystemGlobalData::Current().IsElementTypeUsed(type); }
    void HideOpenPage() override {}
    void ReloadTreeView() override { CTreeView2DB::Current().FillTreeView(View, nullptr, true); }
    void OpenWithShell(const QString&) override {}
    CNodeTreeView View;
};
class LifecycleHost : public CProjectLifecycleHostBase
{
};
int CountNodes(const CNodeData& node)
{
    int n = 1;
    for (int i = 0; i < node.ChildCount(); ++i)
        n += CountNodes(*node.Child(i));
    return n;
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
    CElementManage registry;
    registry.LoadElementTypes(sysParam.ElementBasePerformance);
    TInitalizationManage defaults;
    CMaterialParamNameList names;
    CRoomOccupationCache roomUses;
    TreeHost treeHost;
    CTreeView2DB store;
    store.SetHost(&treeHost);
    CNodeClipboard clipboard;
    LifecycleHost host;
    CSystemGlobalData global;
    global.SetHost(&host);
    global.OpenProject(QString());

    const QString path = folder.File(QStringLiteral("User/Bench.VLZ"));
    QFile::copy(folder.File(QStringLiteral("Project/ProjectModule.dat")), path);
    QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    global.OpenProject(path);
    CNodeData& root = store.Root();
    CNodeData* building = root.CreateChild(1, QString(), nullptr, 0);
    for (int s = 0; s < 20; ++s) {
        CNodeData* storey = building->CreateChild(2, QString(), nullptr, 0);
        for (int r = 0; r < 25; ++r) {
            CNodeData* room = storey->CreateChild(3, QString(), nullptr, 0);
            CNodeData* wall = room->CreateChild(9, QString(), nullptr, 0);
            wall->CreateChild(10, QString(), nullptr, 0);
            room->CreateChild(4, QString(), nullptr, 0);
            room->CreateChild(21, QString(), nullptr, 0);
        }
    }
    global.SaveProject();
    global.OpenProject(QString());

    QElapsedTimer timer;
    timer.start();
    global.OpenProject(path);
    const qint64 open = timer.restart();
    const int nodes = CountNodes(store.Root());
    global.SaveProject();
    const qint64 save = timer.restart();
    global.OpenProject(QString());
    const qint64 close = timer.elapsed();
    std::printf("project of 500 rooms (%d nodes loaded): open %lld ms, save %lld ms, close %lld ms, together "
                "%lld ms\n",
                nodes, static_cast<long long>(open), static_cast<long long>(save),
                static_cast<long long>(close), static_cast<long long>(open + save + close));
    return 0;
}
