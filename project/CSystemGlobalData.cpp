#include "project/CSystemGlobalData.h"

#include "cad/model/CADInfoFile.h"
#include "cad/model/CCADInfo.h"
#include "climate/CLIB_WeatherParameter.h"
#include "model/CActionState.h"
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
#include "model/TDM_Project.h"
#include "model/TDM_SysParam.h"
#include "model/TInitalizationManage.h"
#include "platform/core/CTool.h"
#include "platform/core/CWaitCursor.h"
#include "platform/core/Exception.h"
#include "project/CProjectLifecycleHostBase.h"
#include "upgrade/ProjectDatabaseUpgrade.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
constexpr int kFolderType = 30;
constexpr int kStoreyType = 2;

CNodeTreeView* MainTreeView()
{
    if (!CTreeView2DB::Exists())
        return nullptr;
    CProjectTreeHostBase* host = CTreeView2DB::Current().Host();
    return host ? host->MainTreeView() : nullptr;
}

void ClearMainTreeView()
{
    if (CNodeTreeView* view = MainTreeView())
        view->Clear();
}

// Why the project cannot be opened where it lies; empty when it can. An open project is backed
// up, upgraded and saved in place and its database keeps its journal beside it, so the file and
// its folder must both take writes. One without any write permission counts as read-only also for
// a user whom the system would let write it anyway: the mark is the owner's wish.
QString ReadOnlyReason(const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return QString();
    const auto readOnly = [](const QFileInfo& info) {
        const QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
        return !info.isWritable() || !(info.permissions() & anyWrite);
    };
    if (!readOnly(file) && !readOnly(QFileInfo(file.absolutePath())))
        return QString();
    return QStringLiteral("工程文件或其所在文件夹是只读的，无法打开工程“%1”。\n"
                          "打开工程时要备份、升级并保存它，工程文件和它所在的文件夹都必须可以写入。"
                          "请取消只读属性，或把工程复制到可以写入的文件夹后再打开。")
        .arg(QDir::toNativeSeparators(path));
}

double Z0Of(CNodeData* node)
{
    CElementBase* element = node->LoadElement();
    if (!element)
        return 0;
    double x, y, z, x0, y0, z0;
    element->GetCoordinates(x, y, z, x0, y0, z0);
    return z0;
}

// Adds the heights of the above-ground storeys below the node, in child order, until the storey
// captioned stopCaption; true once it was reached.
bool SumStoreyHeights(CNodeData* parent, const QString& stopCaption, double& sum)
{
    for (int i = 0; i < parent->ChildCount(); ++i) {
        CNodeData* child = parent->Child(i);
        if (child->Type() == kFolderType) {
            if (SumStoreyHeights(child, stopCaption, sum))
                return true;
        } else if (child->Type() == kStoreyType) {
            if (child->Caption() == stopCaption)
                return true;
            if (auto* storey = dynamic_cast<CStorey*>(child->LoadElement());
                storey && storey->IsBelowGroundStorey == 0)
                sum += storey->StoreyHeight;
        }
    }
    return false;
}
} // namespace

bool CCurRunSolInfo::ContainsId(int roomId) const
{
    if (!CSystemGlobalData::Exists() || !CSystemGlobalData::Current().Host())
        return false;
    const QList<int>* rooms = CSystemGlobalData::Current().Host()->SchemeRooms(SchemeName);
    return rooms && rooms->lastIndexOf(roomId) >= 0;
}

CSystemGlobalData::CSystemGlobalData()
{
    CProjectData::SetCurrent(&m_projectData);
    CProjectData::SetHost(&m_dataHost);
}

CSystemGlobalData::~CSystemGlobalData()
{
    if (CProjectData::Host() == &m_dataHost)
        CProjectData::SetHost(nullptr);
}

QString CSystemGlobalData::CadFileName(const QString& projectPath)
{
    return CadInfoFilePath(projectPath);
}

QString CSystemGlobalData::ProjectNameOf(const QString& path)
{
    const QString fileName = QFileInfo(path).fileName();
    const int dot = fileName.indexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : fileName.left(dot);
}

void CSystemGlobalData::ShowMessage(const QString& message)
{
    CTool::Current().ShowMessage(message);
}

void CSystemGlobalData::OpenProject(const QString& path, int& storedVersion, bool created)
{
    storedVersion = -1;
    // The progress window ends on every way out, also when no window was begun.
    struct SEndProgress
    {
        ~SEndProgress()
        {
            if (CTool::Exists())
                CTool::Current().EndProgress();
        }
    } endProgress;

    try {
        CloseProject();
        if (path.isEmpty()) {
            EnterNoProjectState();
        } else if (!LoadProject(path, storedVersion, created)) {
            ShowMessage(QString::fromUtf8(NewerProjectMessage));
            CloseProject();
            EnterNoProjectState();
        }
    } catch (...) {
        // Nothing of a half-loaded project is saved: closing without the load mark skips the save.
        m_loaded = false;
        CloseProject();
        EnterNoProjectState();
        CTool::Current().StepProgress(1);
        if (m_host)
            m_host->RefreshMainWindow();
        throw;
    }

    if (m_loaded && m_host)
        m_host->LoadOutputConfig(m_projectFolder);
    CTool::Current().StepProgress(1);
    if (m_host)
        m_host->RefreshMainWindow();
}

void CSystemGlobalData::CloseProject()
{
    if (m_host)
        m_host->CloseOpenPage();
    if (IsProjectOpen() && m_loaded)
        SaveProject();

    if (m_host) {
        m_host->ClearMessages();
        m_host->CloseSearch();
    }
    CMaterialParamNameList::Current().ClearAll();
    ClearMainTreeView();
    if (m_host)
        m_host->ClearElementToolbar();
    DesignType = -1;

    // Nothing of the closed project may reach the next one: pending default values go to the
    // project they were made in, while its connection is still open.
    TInitalizationManage::Current().Clear();
    if (CNodeClipboard::Exists())
        CNodeClipboard::Current().Clear();
    if (m_host)
        m_host->ClearHistory();
    if (CRoomOccupationCache::Exists())
        ClearRoomOccupationCache();
    if (CTreeView2DB::Exists())
        CTreeView2DB::Current().Root().ClearChildren();
    CCADInfo::Global().Clear();
    TDM_Project::Current().ProjectCon.Close();

    m_loaded = false;
    m_failedRunFile.clear();
    m_projectFilePath.clear();
    m_projectName.clear();
    m_projectFolder.clear();
}

void CSystemGlobalData::EnterNoProjectState()
{
    CWaitCursor wait;
    if (m_host) {
        m_host->SetCaption(QString::fromUtf8(ProductCaption));
        m_host->SetLibraryMenuCaption(QStringLiteral("系统参数库(&R)"));
        m_host->SetPathCaption(QString());
        m_host->SetWeatherActionVisible(true);
        m_host->EnableProjectActions(false);
    }
    TDM_SysParam& sys = TDM_SysParam::Current();
    TInitalizationManage::Current().Load(sys.Initialization);
    CMaterialParamNameList::Current().SetDataSet(&sys.MaterialParamTable);
    ClearMainTreeView();
    if (m_host)
        m_host->HideCurrentBuildingActions();
    m_projectFilePath.clear();
    m_projectName.clear();
    m_projectFolder.clear();
}

bool CSystemGlobalData::LoadProject(const QString& path, int& storedVersion, bool created)
{
    if (m_host) {
        m_host->SetLibraryMenuCaption(QStringLiteral("工程参数库(&R)"));
        m_host->SetWeatherActionVisible(false);
    }
    // Refused before anything is written, not halfway through with the database's own words.
    if (const QString reason = ReadOnlyReason(path); !reason.isEmpty())
        throw Exception(reason);
    TDM_Project& dm = TDM_Project::Current();
    QString backupWarning;
    {
        CWaitCursor wait;
        dm.ProjectCon.Open(path);
        const QFileInfo info(path);
        m_projectFolder = QDir::toNativeSeparators(info.absolutePath());
        if (!m_projectFolder.endsWith(QDir::separator()))
            m_projectFolder += QDir::separator();
        m_projectName = ProjectNameOf(path);
        m_projectFilePath = path;

        if (UpgradeProjectDatabase(dm.ProjectCon, dm.Query, storedVersion, created, &backupWarning) >= 1)
            return false;
        if (!backupWarning.isEmpty() && m_host)
            m_host->AddWarning(backupWarning);

        TInitalizationManage::Current().Load(dm.Initialization);
        CMaterialParamNameList::Current().SetDataSet(&dm.MaterialParamTable);
        m_projectData.DataSet = &dm.ProjectParameter;
        m_projectData.LoadProjectData();
        if (CLIB_WeatherParameter::Exists())
            CLIB_WeatherParameter::Current().Load();
        if (m_host)
            m_host->LoadProjectWeather();
    }

    CTool& tool = CTool::Current();
    tool.BeginProgress(false, 5, QStringLiteral("正在装载工程..."));
    tool.StepProgress(1);
    if (m_host)
        m_host->LoadEnergyCheckSettings();
    tool.StepProgress(1);
    if (m_host)
        m_host->LoadOutputParams();
    tool.StepProgress(1);

    if (m_host)
        m_host->SetCaption(QString::fromUtf8(ProjectCaptionFormat).arg(path));
    CTreeView2DB& tree = CTreeView2DB::Current();
    tree.LoadTree();
    // Drawings made before walls carried their node find them through the loaded tree.
    const auto resolver = [&tree](int elementType, int elementId) {
        CNodeData* node = tree.Root().FindNode(elementType, elementId);
        return node ? node->NodeId() : -1;
    };
    if (LoadCadInfoFile(CCADInfo::Global(), CadFileName(path), resolver) == 0)
        ShowMessage(CCADInfo::Global().LoadError());
    CheckDesignType();
    if (m_host)
        m_host->FillCurrentBuildingActions();
    tool.StepProgress(1);

    if (CNodeTreeView* view = MainTreeView(); view && view->Selected() && m_host)
        m_host->UpdateNodeActions(view->Selected());

    m_loaded = true;
    // Only a project that opened is offered as the last one at the next start.
    CSysRegistry().WriteValue(QStringLiteral("ActiveProjectName"), path);
    return true;
}

void CSystemGlobalData::SaveProject()
{
    if (!IsProjectOpen() || !m_loaded)
        return;
    CWaitCursor wait;
    if (m_host)
        m_host->CommitCurrentEditor();
    m_projectData.SaveProjectData();
    if (m_host)
        m_host->FillCurrentBuildingActions();
    QString message;
    if (SaveCadInfoFile(CCADInfo::Global(), CadFileName(m_projectFilePath), &message) == 0)
        ShowMessage(message);
}

void CSystemGlobalData::SetDesignType(int designType)
{
    if (designType == DesignType)
        return;
    if (m_host)
        m_host->CloseOpenPage();
    DesignType = designType;
    if (m_host)
        m_host->RefreshMainWindow();

    if (CTreeView2DB::Exists()) {
        CTreeView2DB& tree = CTreeView2DB::Current();
        if (CProjectTreeHostBase* treeHost = tree.Host())
            treeHost->ReloadTreeView();
        bool isNumber = false;
        const int nodeId = m_projectData.NodeFullPath.toInt(&isNumber);
        CNodeData* node = isNumber ? tree.Root().FindNodeById(nodeId) : nullptr;
        CTreeItem* item = node && node->TreeItem() ? node->TreeItem() : tree.Root().TreeItem();
        if (item && item->View())
            item->View()->Select(item);
    }

    m_projectData.DesignType = designType;
    if (m_host)
        m_host->BuildElementToolbar(designType);

    const bool daily = designType == 5 || designType == 8;
    if (daily && m_host && !m_host->HasAnnualWeather())
        CTool::Current().ShowMessageBox(QStringLiteral("注意"),
                                        QStringLiteral("缺少全年气象参数,请到气象参数中配置."), 6, 0,
                                        QStringLiteral("确定"), QStringLiteral("取消"));
}

bool CSystemGlobalData::CheckDesignType()
{
    SetDesignType(m_projectData.DesignType);
    if (m_host) {
        if (DesignType >= 0 && DesignType <= 8)
            m_host->CheckDesignTypeAction(DesignType);
        m_host->EnableProjectActions(true);
    }
    return true;
}

bool CSystemGlobalData::IsElementTypeUsed(int type, int designType)
{
    if (type == 0)
        return true;
    if (type < 0 || type > kFolderType || designType < 0 || designType > 8)
        return false;
    return CActionState::IsElementTypeUsed(type, designType, CElementManage::Current());
}

bool CSystemGlobalData::CanAddElement(const CTreeItem* item, int type)
{
    if (!item || type < 0 || type > kFolderType)
        return false;
    if (type == kFolderType)
        return true;
    const CTreeItem* above = item;
    while (above && above->Type() == kFolderType)
        above = above->Parent();
    const int placeType = above ? above->Type() : item->Type();
    return placeType == kFolderType || placeType == CElementManage::Current().GetParentType(type);
}

QString CSystemGlobalData::GetTreePath(const CTreeItem* item)
{
    QStringList captions;
    for (; item; item = item->Parent()) {
        if (item->Type() != 0 && item->Type() != kFolderType)
            captions.prepend(item->Text());
    }
    return captions.join(QLatin1Char('~'));
}

double CSystemGlobalData::GetElevation(const CTreeItem* item) const
{
    CNodeData* node = item ? item->Node() : nullptr;
    if (!node)
        return 0;
    double elevation = Z0Of(node);
    CNodeData* building = node->GetBuildingNode();
    if (m_projectData.Coordinate != 0) {
        elevation += m_projectData.Z0;
        if (building)
            elevation += Z0Of(building);
        for (CNodeData* above = node->Parent(); above && above != building; above = above->Parent()) {
            if (above->Type() != 0)
                elevation += Z0Of(above);
        }
    }
    if (elevation < 1e-11) {
        elevation = 0;
        if (building)
            SumStoreyHeights(building, node->Caption(), elevation);
    }
    return elevation;
}

QString CSystemGlobalData::CDataHost::ProjectFilePath() const
{
    if (!m_owner.m_failedRunFile.isEmpty())
        return QString();
    return m_owner.m_projectFilePath;
}

void CSystemGlobalData::CDataHost::ShowCoordinateMode(bool relative)
{
    if (m_owner.m_host)
        m_owner.m_host->ShowCoordinateMode(relative);
}

void CSystemGlobalData::CDataHost::ClearRunSchemes()
{
    if (m_owner.m_host)
        m_owner.m_host->ClearRunSchemes();
}

void CSystemGlobalData::CDataHost::LoadRunSchemeFile(const QString& fileName)
{
    if (!m_owner.m_host)
        return;
    QString message;
    if (!m_owner.m_host->LoadRunSchemeFile(fileName, message)) {
        m_owner.m_failedRunFile = fileName;
        if (!message.isEmpty())
            m_owner.ShowMessage(message);
    }
}

void CSystemGlobalData::CDataHost::SaveRunSchemeFile(const QString& fileName)
{
    if (m_owner.m_host && fileName != m_owner.m_failedRunFile)
        m_owner.m_host->SaveRunSchemeFile(fileName);
}
