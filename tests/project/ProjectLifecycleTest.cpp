#include "tests/model/ModelFixture.h"

#include "cad/model/CADInfoFile.h"
#include "model/CElementManage.h"
#include "model/CMaterialParamNameList.h"
#include "model/CNodeClipboard.h"
#include "model/CNodeData.h"
#include "model/CNodeTreeView.h"
#include "model/CProjectTreeHostBase.h"
#include "model/CRoomOccupationCache.h"
#include "model/CStorey.h"
#include "model/CSysRegistry.h"
#include "model/CTreeItem.h"
#include "model/CTreeView2DB.h"
#include "model/TInitalizationManage.h"
#include "project/CProjectLifecycleHostBase.h"
#include "project/CSystemGlobalData.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
class FakeTreeHost : public CProjectTreeHostBase
{
public:
    CNodeTreeView* MainTreeView() override { return &View; }
    bool IsElementTypeUsed(int type) override { return CSystemGlobalData::Current().IsElementTypeUsed(type); }
    void HideOpenPage() override {}
    void ReloadTreeView() override { CTreeView2DB::Current().FillTreeView(View, nullptr, true); }
    void OpenWithShell(const QString&) override {}

    CNodeTreeView View;
};

// The main window and the subsystems above as the lifecycle sees them.
class FakeLifecycleHost : public CProjectLifecycleHostBase
{
public:
    void ClearHistory() override { ++HistoryClears; }
    void AddWarning(const QString& text) override { Warnings << text; }
    void SetCaption(const QString& caption) override { Caption = caption; }
    void SetLibraryMenuCaption(const QString& caption) override { MenuCaption = caption; }
    void EnableProjectActions(bool enabled) override { ProjectActions = enabled; }
    void BuildElementToolbar(int designType) override { ToolbarBuilds << designType; }
    void CheckDesignTypeAction(int designType) override { CheckedAction = designType; }
    bool HasAnnualWeather() override { return AnnualWeather; }
    void LoadOutputConfig(const QString& folder) override { OutputConfigFolders << folder; }
    bool LoadRunSchemeFile(const QString& fileName, QString& message) override
    {
        if (RunFileReadable)
            return true;
        message = QStringLiteral("运行方案文件已损坏");
        return false;
    }
    void SaveRunSchemeFile(const QString& fileName) override
    {
        SavedRunFiles << fileName;
        QFile file(fileName);
        if (file.open(QIODevice::WriteOnly))
            file.write("saved");
    }
    const QList<int>* SchemeRooms(const QString& name) override
    {
        return name == QStringLiteral("方案1") ? &Rooms : nullptr;
    }

    QString Caption;
    QString MenuCaption;
    bool ProjectActions = false;
    QList<int> ToolbarBuilds;
    int CheckedAction = -1;
    bool AnnualWeather = true;
    QStringList OutputConfigFolders;
    bool RunFileReadable = true;
    QStringList SavedRunFiles;
    QList<int> Rooms{5, 7};
    int HistoryClears = 0;
    QStringList Warnings;
};

QByteArray Digest(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

class ProjectLifecycleTest : public ModelFixture
{
protected:
    void SetUp() override
    {
        ModelFixture::SetUp();
        m_registry.LoadElementTypes(m_sysParam.ElementBasePerformance);
        m_store.SetHost(&m_treeHost);
        m_global.SetHost(&m_host);
        m_global.OpenProject(QString()); // the state without a project, as at start
    }

    // A fresh copy of the blank project under the name (which may start with a folder of User).
    QString NewProject(const QString& fileName)
    {
        const QString path = m_folder.File(QStringLiteral("User/") + fileName);
        QDir().mkpath(QFileInfo(path).path());
        EXPECT_TRUE(QFile::copy(m_folder.File(QStringLiteral("Project/ProjectModule.dat")), path));
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }
    // Runs statements on a closed project file.
    void Alter(const QString& path, const QStringList& statements)
    {
        CDbConnection con(QStringLiteral("LifecycleAlter"));
        con.Open(path);
        CDbQuery query(con);
        for (const QString& sql : statements)
            ExecQueryGuarded(query, CSQLStatement(sql));
        query.Close();
        con.Close();
    }
    QString ActiveProject()
    {
        QString value;
        CSysRegistry().ReadValue(QStringLiteral("ActiveProjectName"), value);
        return value;
    }
    CNodeData* Make(CNodeData* parent, int type)
    {
        CNodeData* node = parent->CreateChild(type, QString(), nullptr, 0);
        EXPECT_NE(node, nullptr) << "type " << type;
        return node;
    }

    CElementManage m_registry;
    TInitalizationManage m_defaults;
    CMaterialParamNameList m_names;
    CRoomOccupationCache m_roomUses;
    FakeTreeHost m_treeHost;
    CTreeView2DB m_store;
    CNodeClipboard m_clipboard;
    FakeLifecycleHost m_host;
    CSystemGlobalData m_global;
};

TEST_F(ProjectLifecycleTest, OpensAProjectAndClosesItAgain)
{
    const QString path = NewProject(QStringLiteral("a.b.VLZ"));
    Dialogs().ProgressSteps = 0;
    Dialogs().OpenProgress = 0;
    int version = 0;
    m_global.OpenProject(path, version);

    EXPECT_TRUE(m_global.IsProjectOpen());
    EXPECT_EQ(m_global.ProjectFilePath(), path);
    EXPECT_EQ(m_global.ProjectName(), QStringLiteral("a"));
    EXPECT_EQ(m_global.ProjectFolder(), m_folder.File(QStringLiteral("User/")));
    EXPECT_EQ(m_host.Caption, QStringLiteral("DID-IVOV V4.0 工程文件:") + path + QStringLiteral(" "));
    EXPECT_EQ(m_host.MenuCaption, QStringLiteral("工程参数库(&R)"));
    EXPECT_TRUE(m_host.ProjectActions);
    EXPECT_EQ(version, 57);
    EXPECT_EQ(ActiveProject(), path);
    EXPECT_EQ(m_global.DesignType, m_global.ProjectData().DesignType);
    EXPECT_EQ(m_host.CheckedAction, m_global.DesignType);
    EXPECT_EQ(m_host.OutputConfigFolders, QStringList{m_global.ProjectFolder()});
    ASSERT_EQ(m_treeHost.View.TopCount(), 1);
    EXPECT_EQ(Dialogs().ProgressSteps, 5);
    EXPECT_EQ(Dialogs().OpenProgress, 0);
    EXPECT_TRUE(Dialogs().Messages.isEmpty()) << Dialogs().Messages.join('\n').toStdString();
    EXPECT_EQ(m_names.DataSet(), &m_project.MaterialParamTable);

    m_global.ProjectData().ProjectName = QStringLiteral("办公楼");
    m_global.OpenProject(QString());
    EXPECT_FALSE(m_global.IsProjectOpen());
    EXPECT_TRUE(m_global.ProjectName().isEmpty());
    EXPECT_TRUE(m_global.ProjectFolder().isEmpty());
    EXPECT_EQ(m_global.DesignType, -1);
    EXPECT_EQ(m_host.Caption, QStringLiteral("DID-IVOV V4.0"));
    EXPECT_EQ(m_host.MenuCaption, QStringLiteral("系统参数库(&R)"));
    EXPECT_FALSE(m_host.ProjectActions);
    EXPECT_EQ(m_treeHost.View.TopCount(), 0);
    EXPECT_FALSE(m_project.ProjectCon.IsOpen());
    EXPECT_EQ(m_names.DataSet(), &m_sysParam.MaterialParamTable);
    // Closing saved the project parameters.
    m_global.OpenProject(path);
    EXPECT_EQ(m_global.ProjectData().ProjectName, QStringLiteral("办公楼"));
}

TEST_F(ProjectLifecycleTest, AFailedOpenReturnsToTheStateWithoutAProject)
{
    const QString good = NewProject(QStringLiteral("Good.VLZ"));
    const QString noTree = NewProject(QStringLiteral("NoTree.VLZ"));
    Alter(noTree, {QStringLiteral("drop table tbl_tree")});
    const QString garbage = m_folder.File(QStringLiteral("User/Garbage.VLZ"));
    {
        QFile file(garbage);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
    }
    const QString missing = m_folder.File(QStringLiteral("User/Missing.VLZ"));

    for (const QString& bad : {missing, garbage, noTree}) {
        SCOPED_TRACE(bad.toStdString());
        m_global.OpenProject(good);
        ASSERT_TRUE(m_global.IsProjectOpen());
        const QByteArray before = Digest(bad);
        const int progress = Dialogs().OpenProgress;

        EXPECT_THROW(m_global.OpenProject(bad), Exception);
        EXPECT_FALSE(m_global.IsProjectOpen());
        EXPECT_EQ(m_global.DesignType, -1);
        EXPECT_FALSE(m_project.ProjectCon.IsOpen());
        EXPECT_EQ(m_host.MenuCaption, QStringLiteral("系统参数库(&R)"));
        EXPECT_FALSE(m_host.ProjectActions);
        EXPECT_EQ(m_store.Root().ChildCount(), 0);
        EXPECT_EQ(m_names.DataSet(), &m_sysParam.MaterialParamTable);
        EXPECT_GT(m_defaults.GetCount(), 0);
        EXPECT_EQ(ActiveProject(), good);
        EXPECT_LE(Dialogs().OpenProgress, progress); // no progress window left open
        // Nothing of the half-loaded project was saved into it when it was abandoned.
        EXPECT_FALSE(QFileInfo::exists(CadInfoFilePath(bad)));
        if (bad == noTree) {
            EXPECT_EQ(Digest(bad), before);
        }
    }
    // The program is usable again.
    m_global.OpenProject(good);
    EXPECT_TRUE(m_global.IsProjectOpen());
}

TEST_F(ProjectLifecycleTest, ANewerProjectIsRefusedUntouched)
{
    const QString path = NewProject(QStringLiteral("Newer.VLZ"));
    Alter(path, {QStringLiteral("update tbl_registry set f_value = '99' where f_key = 'prjversion'"),
                 QStringLiteral("update tbl_registry set f_value = '99' where f_key = 'BeOpenLowVersion'"),
                 QStringLiteral("delete from OutputOption where ID >= 613")});
    const QByteArray before = Digest(path);
    const QString previous = NewProject(QStringLiteral("Previous.VLZ"));
    m_global.OpenProject(previous);

    int version = 0;
    m_global.OpenProject(path, version);

    EXPECT_EQ(version, 99);
    EXPECT_TRUE(Dialogs().Messages.contains(QString::fromUtf8(CSystemGlobalData::NewerProjectMessage)));
    EXPECT_FALSE(m_global.IsProjectOpen());
    EXPECT_EQ(m_global.DesignType, -1);
    EXPECT_FALSE(m_project.ProjectCon.IsOpen());
    EXPECT_EQ(m_host.Caption, QStringLiteral("DID-IVOV V4.0"));
    EXPECT_EQ(Digest(path), before);
    EXPECT_FALSE(QFileInfo::exists(CadInfoFilePath(path)));
    // No backup either: nothing was about to be written.
    EXPECT_TRUE(
        QDir(m_folder.File(QStringLiteral("User/Backup"))).entryList({QStringLiteral("Newer*")}).isEmpty());
    EXPECT_EQ(ActiveProject(), previous);
}

// The project is backed up, upgraded and saved where it lies: one that cannot be written there is
// refused before anything is written, with the reason the user can act on.
TEST_F(ProjectLifecycleTest, AProjectThatCannotBeWrittenIsRefusedUntouched)
{
    const QString previous = NewProject(QStringLiteral("Previous.VLZ"));
    m_global.OpenProject(previous);
    const QString readOnlyFile = NewProject(QStringLiteral("File/ReadOnly.VLZ"));
    const QString inReadOnlyFolder = NewProject(QStringLiteral("Folder/Locked.VLZ"));
    const QFile::Permissions readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const QFile::Permissions open = readable | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    const QString lockedFolder = QFileInfo(inReadOnlyFolder).path();
    ASSERT_TRUE(QFile::setPermissions(readOnlyFile, readable));
    ASSERT_TRUE(QFile::setPermissions(lockedFolder, open));
    struct SUnlock
    {
        QString Folder;
        ~SUnlock() { QFile::setPermissions(Folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); }
    } unlock{lockedFolder};

    for (const QString& path : {readOnlyFile, inReadOnlyFolder}) {
        SCOPED_TRACE(path.toStdString());
        const QByteArray before = Digest(path);
        try {
            m_global.OpenProject(path);
            ADD_FAILURE() << "the project was opened";
        } catch (const Exception& e) {
            EXPECT_TRUE(
                e.Message().startsWith(QStringLiteral("工程文件或其所在文件夹是只读的，无法打开工程“%1”。")
                                           .arg(QDir::toNativeSeparators(path))))
                << e.Message().toStdString();
        }
        EXPECT_FALSE(m_global.IsProjectOpen());
        EXPECT_FALSE(m_project.ProjectCon.IsOpen());
        EXPECT_EQ(Digest(path), before);
        EXPECT_EQ(QDir(QFileInfo(path).path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList{QFileInfo(path).fileName()})
            << "no backup, CAD model or journal";
        EXPECT_EQ(ActiveProject(), previous);
    }
}

// The rolling backup at opening is a safety net: when it cannot be made the project still opens,
// and the message panel says that this opening has no backup.
TEST_F(ProjectLifecycleTest, AFailedRollingBackupIsAWarningAndTheProjectOpens)
{
    const QString path = NewProject(QStringLiteral("Blocked/Blocked.VLZ"));
    QFile blocker(QFileInfo(path).path() + QStringLiteral("/Backup"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    m_global.OpenProject(path);
    EXPECT_TRUE(m_global.IsProjectOpen());
    ASSERT_EQ(m_host.Warnings.size(), 1);
    EXPECT_TRUE(m_host.Warnings[0].startsWith(QStringLiteral("打开工程时未能备份工程文件")))
        << m_host.Warnings[0].toStdString();
    EXPECT_TRUE(Dialogs().Messages.isEmpty()) << Dialogs().Messages.join('\n').toStdString();
    EXPECT_EQ(ActiveProject(), path);
}

TEST_F(ProjectLifecycleTest, FilesThatFailedToLoadAreNotOverwrittenBySaving)
{
    const QString path = NewProject(QStringLiteral("Damaged.VLZ"));
    const QString cadFile = CadInfoFilePath(path);
    const QString runFile = CProjectData::RunFileName(path);
    for (const QString& file : {cadFile, runFile}) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("not what it should be");
    }
    const QByteArray cadBefore = Digest(cadFile);
    const QByteArray runBefore = Digest(runFile);
    m_host.RunFileReadable = false;

    m_global.OpenProject(path);
    ASSERT_TRUE(m_global.IsProjectOpen());
    EXPECT_EQ(Dialogs().Messages.size(), 2) << Dialogs().Messages.join('\n').toStdString();
    m_global.SaveProject();
    m_global.OpenProject(QString());

    EXPECT_EQ(Digest(cadFile), cadBefore);
    EXPECT_EQ(Digest(runFile), runBefore);
    EXPECT_TRUE(m_host.SavedRunFiles.isEmpty());

    // Once the files read well, saving writes them again.
    m_host.RunFileReadable = true;
    QFile::remove(cadFile);
    m_global.OpenProject(path);
    m_global.OpenProject(QString());
    EXPECT_EQ(m_host.SavedRunFiles, QStringList{runFile});
    EXPECT_TRUE(QFileInfo::exists(cadFile));
}

TEST_F(ProjectLifecycleTest, NothingOfOneProjectReachesTheNext)
{
    const QString first = NewProject(QStringLiteral("First.VLZ"));
    const QString second = NewProject(QStringLiteral("Second.VLZ"));
    m_global.OpenProject(first);
    CNodeData* building = Make(&m_store.Root(), 1);
    ASSERT_NE(building, nullptr);
    m_treeHost.ReloadTreeView();
    m_clipboard.CopyNode(building->TreeItem());
    ASSERT_EQ(m_clipboard.Mode(), 0);
    m_defaults.SetValue(QStringLiteral("DesignerName"), QStringLiteral("张工"));
    const int historyClears = m_host.HistoryClears;

    m_global.OpenProject(second);

    EXPECT_EQ(m_clipboard.Mode(), -1);
    EXPECT_GT(m_host.HistoryClears, historyClears);
    EXPECT_EQ(m_roomUses.Count(), 0);
    EXPECT_NE(m_defaults.GetInitValue(QStringLiteral("DesignerName")), QStringLiteral("张工"));
    EXPECT_EQ(m_store.Root().ChildCount(), 0);
    // The pending default went to the project it was made in.
    m_global.OpenProject(first);
    EXPECT_EQ(m_defaults.GetInitValue(QStringLiteral("DesignerName")), QStringLiteral("张工"));
    EXPECT_EQ(m_store.Root().ChildCount(), 1);
}

TEST_F(ProjectLifecycleTest, DesignTypeSwitch)
{
    m_global.OpenProject(NewProject(QStringLiteral("Types.VLZ")));
    CNodeData* building = Make(&m_store.Root(), 1);
    m_global.ProjectData().NodeFullPath = QString::number(building->NodeId());
    const int builds = m_host.ToolbarBuilds.size();
    m_global.SetDesignType(m_global.DesignType);
    EXPECT_EQ(m_host.ToolbarBuilds.size(), builds);

    m_host.AnnualWeather = false;
    const int current = m_global.DesignType;
    m_global.SetDesignType(current == 5 ? 8 : 5);
    const int daily = m_global.DesignType;
    EXPECT_TRUE(daily == 5 || daily == 8);
    EXPECT_EQ(m_global.ProjectData().DesignType, daily);
    EXPECT_EQ(m_host.ToolbarBuilds.last(), daily);
    ASSERT_FALSE(Dialogs().MessageBoxes.isEmpty());
    EXPECT_EQ(Dialogs().MessageBoxes.last().caption, QStringLiteral("注意"));
    EXPECT_EQ(Dialogs().MessageBoxes.last().message, QStringLiteral("缺少全年气象参数,请到气象参数中配置."));
    ASSERT_NE(m_treeHost.View.Selected(), nullptr);
    EXPECT_EQ(m_treeHost.View.Selected()->Node(), building);

    // A node id that no node has selects the project.
    m_global.ProjectData().NodeFullPath = QStringLiteral("99999");
    m_global.SetDesignType(3);
    ASSERT_NE(m_treeHost.View.Selected(), nullptr);
    EXPECT_EQ(m_treeHost.View.Selected()->Node(), &m_store.Root());
}

TEST_F(ProjectLifecycleTest, ElementTypesUsedWithoutAProject)
{
    EXPECT_TRUE(CSystemGlobalData::IsElementTypeUsed(0, -1));
    EXPECT_FALSE(CSystemGlobalData::IsElementTypeUsed(3, -1));
    EXPECT_FALSE(CSystemGlobalData::IsElementTypeUsed(31, 3));
    EXPECT_TRUE(CSystemGlobalData::IsElementTypeUsed(3, 3));
    EXPECT_FALSE(m_global.IsElementTypeUsed(3)); // no project open
}

TEST_F(ProjectLifecycleTest, TreePathPlacementAndElevation)
{
    m_global.OpenProject(NewProject(QStringLiteral("Tree.VLZ")));
    m_global.SetDesignType(3);
    CNodeData* building = Make(&m_store.Root(), 1);
    CNodeData* storey1 = Make(building, 2);
    CNodeData* below = Make(building, 2);
    CNodeData* folder = Make(building, 30);
    CNodeData* storey2 = Make(folder, 2);
    CNodeData* storey3 = Make(building, 2);
    CNodeData* storeyFolder = Make(storey1, 30);
    CNodeData* room = Make(storeyFolder, 3);
    ASSERT_TRUE(building && storey1 && below && folder && storey2 && storey3 && storeyFolder && room);
    m_treeHost.ReloadTreeView();

    EXPECT_EQ(CSystemGlobalData::GetTreePath(room->TreeItem()), QStringLiteral("大楼1~楼层1~房间1"));
    EXPECT_EQ(CSystemGlobalData::GetTreePath(nullptr), QString());

    EXPECT_TRUE(CSystemGlobalData::CanAddElement(storey1->TreeItem(), 3));
    EXPECT_TRUE(CSystemGlobalData::CanAddElement(storeyFolder->TreeItem(), 3));
    EXPECT_FALSE(CSystemGlobalData::CanAddElement(building->TreeItem(), 3));
    EXPECT_TRUE(CSystemGlobalData::CanAddElement(room->TreeItem(), 30));
    EXPECT_FALSE(CSystemGlobalData::CanAddElement(nullptr, 3));

    const auto storey = [](CNodeData* node) { return dynamic_cast<CStorey*>(node->LoadElement()); };
    for (CNodeData* node : {storey1, below, storey2, storey3})
        storey(node)->Coord.Z0 = 0;
    storey(storey1)->StoreyHeight = 3.0;
    storey(below)->StoreyHeight = 4.0;
    storey(below)->IsBelowGroundStorey = 1;
    storey(storey2)->StoreyHeight = 3.6;
    m_global.ProjectData().Coordinate = 0;
    EXPECT_DOUBLE_EQ(m_global.GetElevation(storey3->TreeItem()), 6.6);

    storey(storey3)->Coord.Z0 = 4.5;
    EXPECT_DOUBLE_EQ(m_global.GetElevation(storey3->TreeItem()), 4.5);
}

TEST_F(ProjectLifecycleTest, OperatingSchemeSelection)
{
    CCurRunSolInfo selection;
    selection.SchemeName = QStringLiteral("方案1");
    EXPECT_TRUE(selection.ContainsId(7));
    EXPECT_FALSE(selection.ContainsId(6));
    selection.SchemeName = QStringLiteral("方案2");
    EXPECT_FALSE(selection.ContainsId(7));
}
} // namespace

namespace {
// "type:caption" of every node below the node, in tree order, indented by depth.
void Describe(const CNodeData& node, int depth, QStringList& out)
{
    for (int i = 0; i < node.ChildCount(); ++i) {
        const CNodeData* child = node.Child(i);
        out << QString(depth, ' ') + QStringLiteral("%1:%2:%3")
                                         .arg(child->Type())
                                         .arg(child->Caption())
                                         .arg(child->GetElementId());
        Describe(*child, depth + 1, out);
    }
}
} // namespace

// A tree built through the node operations survives save, close and reopen: the same nodes and the
// same element rows.
TEST_F(ProjectLifecycleTest, ATreeBuiltThroughTheNodesComesBackAfterReopening)
{
    const QString path = NewProject(QStringLiteral("Tree.VLZ"));
    m_global.OpenProject(path);
    ASSERT_TRUE(m_global.IsProjectOpen());
    CNodeData& root = CTreeView2DB::Current().Root(); // the project node
    ASSERT_EQ(root.Caption(), QStringLiteral("工程"));
    CNodeData* building = Make(&root, 1);
    for (int s = 0; s < 2; ++s) {
        CNodeData* storey = Make(building, 2);
        for (int r = 0; r < 2; ++r) {
            CNodeData* room = Make(storey, 3);
            CNodeData* wall = Make(room, 9);
            Make(wall, 10);
            Make(room, 4);
            Make(room, 21);
        }
    }
    QStringList before;
    Describe(root, 0, before);
    const QStringList tables = {"Building",      "Storey", "Room", "OutsideWall",
                                "OutsideWindow", "People", "Floor"};
    QStringList rowsBefore;
    for (const QString& table : tables)
        rowsBefore << table + QStringLiteral("=") +
                          QString::number(m_project.QueryInt({"select count(*) from " + table}));
    m_global.SaveProject();
    m_global.OpenProject(QString());
    ASSERT_FALSE(m_global.IsProjectOpen());

    m_global.OpenProject(path);
    QStringList after;
    Describe(CTreeView2DB::Current().Root(), 0, after);
    EXPECT_EQ(after, before);
    QStringList rowsAfter;
    for (const QString& table : tables)
        rowsAfter << table + QStringLiteral("=") +
                         QString::number(m_project.QueryInt({"select count(*) from " + table}));
    EXPECT_EQ(rowsAfter, rowsBefore);
    EXPECT_EQ(rowsAfter.first(), QStringLiteral("Building=1"));
    EXPECT_EQ(rowsAfter.at(2), QStringLiteral("Room=4"));
    EXPECT_TRUE(Dialogs().Messages.isEmpty()) << Dialogs().Messages.join('\n').toStdString();
}
