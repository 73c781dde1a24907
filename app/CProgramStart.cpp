#include "app/CProgramStart.h"

#include "app/CRoomUseApplier.h"
#include "app/controls/CWaitNoteWindow.h"
#include "calc/CRunTimeMgr.h"
#include "calc/forms/TMsgOutputForm.h"
#include "climate/CLIB_WeatherParameter.h"
#include "lang/CMultiLanguage.h"
#include "lang/forms/CLgFormAttacher.h"
#include "model/CElementManage.h"
#include "model/CMaterialParamNameList.h"
#include "model/CNodeClipboard.h"
#include "model/CRoomOccupationCache.h"
#include "model/CTreeView2DB.h"
#include "model/TDM_Project.h"
#include "model/TDM_SysParam.h"
#include "model/TInitalizationManage.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/CTool.h"
#include "platform/core/CToolDialogsBase.h"
#include "platform/ui/TApplication.h"
#include "project/CSystemGlobalData.h"
#include "report/forms/TReportPreviewer.h"
#include "report/COutputParams.h"

CProgramStart::CProgramStart(std::unique_ptr<CToolDialogsBase> dialogs)
    : m_tool(std::make_unique<CTool>(std::move(dialogs)))
{
    // From the program folder in use, which may be the per-user copy; before any window exists.
    GetMultiLanguage().ReadLanguageConfig(CProgramFolder::Resolve(QStringLiteral("lg")));
}

CProgramStart::~CProgramStart()
{
    m_waitNotes.reset();
    m_global.reset();
    m_clipboard.reset();
    m_schemes.reset();
    m_tree.reset();
    m_roomUseApplier.reset();
    m_roomUses.reset();
    m_names.reset();
    m_outputParams.reset();
    m_defaults.reset();
    m_previewer.reset();
    m_weather.reset();
    m_project.reset();
    m_registry.reset();
    m_sysParam.reset();
    m_tool.reset();
}

void CProgramStart::PrepareApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("didivov"));
    // Not Qt's display name: the window system would repeat it after every caption.
    TApplication::SetTitle(QString::fromUtf8(CSystemGlobalData::ProductCaption));
    TApplication::LoadQtTranslations();
    CLgFormAttacher::Install();
}

bool CProgramStart::Start(QWidget* mainWindow)
{
    m_sysParam = std::make_unique<TDM_SysParam>();
    if (!m_sysParam->DataModuleCreate())
        return false;
    m_registry = std::make_unique<CElementManage>();
    m_registry->LoadElementTypes(m_sysParam->ElementBasePerformance);
    m_project = std::make_unique<TDM_Project>();
    m_weather = std::make_unique<CLIB_WeatherParameter>(&m_project->WeatherParameter);
    m_previewer = std::make_unique<TReportPreviewer>();
    m_defaults = std::make_unique<TInitalizationManage>();
    m_names = std::make_unique<CMaterialParamNameList>();
    m_roomUses = std::make_unique<CRoomOccupationCache>();
    m_roomUseApplier = std::make_unique<CRoomUseApplier>();
    m_tree = std::make_unique<CTreeView2DB>();
    m_schemes = std::make_unique<CRunTimeMgr>();
    m_clipboard = std::make_unique<CNodeClipboard>();
    m_outputParams = std::make_unique<COutputParams>();
    m_global = std::make_unique<CSystemGlobalData>();
    m_waitNotes = std::make_unique<CWaitNoteWindow>(mainWindow);
    TMsgOutputForm::Install();
    return true;
}
