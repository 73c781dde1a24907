#pragma once
#include <memory>

class CElementManage;
class CLIB_WeatherParameter;
class CMaterialParamNameList;
class CNodeClipboard;
class COutputParams;
class CRoomOccupationCache;
class CRoomUseApplier;
class CRunTimeMgr;
class CSystemGlobalData;
class CTool;
class CToolDialogsBase;
class CTreeView2DB;
class CWaitNoteWindow;
class QWidget;
class TInitalizationManage;
class TReportPreviewer;
class TDM_Project;
class TDM_SysParam;

// The program-wide objects of one run, built in the start order and destroyed in reverse:
// the interface language of lg/config.ini is read first;
// the tool object (dialogs), then the system and project data modules with the element-type
// registry, the project weather bound to the project module, the report preview window, the
// default values, the name caches, the project tree store with the operating schemes, the tree
// clipboard and the global project object, and the wait window.
class CProgramStart
{
public:
    explicit CProgramStart(std::unique_ptr<CToolDialogsBase> dialogs);
    ~CProgramStart();
    CProgramStart(const CProgramStart&) = delete;
    CProgramStart& operator=(const CProgramStart&) = delete;

    // Names the running application and gives it the program's title, Qt's Chinese texts and
    // the translation of every window; called before any window is made.
    static void PrepareApplication();

    // Opens and updates the system databases. False when the program must end; the user has
    // been told why under "严重错误". The main window, when given, is where wait notes appear.
    bool Start(QWidget* mainWindow = nullptr);

private:
    std::unique_ptr<CTool> m_tool;
    std::unique_ptr<TDM_SysParam> m_sysParam;
    std::unique_ptr<CElementManage> m_registry;
    std::unique_ptr<TDM_Project> m_project;
    std::unique_ptr<CLIB_WeatherParameter> m_weather;
    std::unique_ptr<TReportPreviewer> m_previewer;
    std::unique_ptr<TInitalizationManage> m_defaults;
    std::unique_ptr<CMaterialParamNameList> m_names;
    std::unique_ptr<CRoomOccupationCache> m_roomUses;
    std::unique_ptr<CRoomUseApplier> m_roomUseApplier;
    std::unique_ptr<CTreeView2DB> m_tree;
    std::unique_ptr<CRunTimeMgr> m_schemes;
    std::unique_ptr<COutputParams> m_outputParams;
    std::unique_ptr<CNodeClipboard> m_clipboard;
    std::unique_ptr<CSystemGlobalData> m_global;
    std::unique_ptr<CWaitNoteWindow> m_waitNotes;
};
