#pragma once
#include "model/CProjectData.h"
#include "platform/core/CCurrent.h"

#include <QString>

class CProjectLifecycleHostBase;
class CTreeItem;

// Which rooms a calculation covers: all of them (mode 0) or those of the named operating scheme
// (mode 1, set by the operating-scheme command while its dialog runs).
class CCurRunSolInfo
{
public:
    int Mode = 0;
    QString SchemeName;
    int PlugInIndex = 0; // set by the operating-scheme dialog

    // Whether the scheme of that name lists the room; false when no scheme bears the name.
    bool ContainsId(int roomId) const;
};

// The one global project object: whether a project is open and which one, the current design
// type and operating-scheme selection, and the only place where the program switches between
// no project and a project open. Registered as Current() while it lives; it installs the
// program-wide project parameters (CProjectData) and serves as their host.
//
// It needs, while it works, the program-wide CTool, TDM_SysParam, TDM_Project, CElementManage,
// TInitalizationManage, CMaterialParamNameList and CTreeView2DB; CNodeClipboard and
// CRoomOccupationCache are cleared when they exist, and the project weather
// (CLIB_WeatherParameter), when it exists, is reloaded on every opening.
class CSystemGlobalData : public CCurrent<CSystemGlobalData>
{
public:
    static constexpr const char* SlotName = "CSystemGlobalData";
    static constexpr const char* ProductCaption = "DID-IVOV V4.0";
    static constexpr const char* ProjectCaptionFormat = "DID-IVOV V4.0 工程文件:%1 ";
    static constexpr const char* NewerProjectMessage =
        "你打开的工程是高版本生成的，为保证数据安全，请使用高版本的软件打开";

    CSystemGlobalData();
    ~CSystemGlobalData();

    void SetHost(CProjectLifecycleHostBase* host) { m_host = host; }
    CProjectLifecycleHostBase* Host() const { return m_host; }

    // Saves and closes the open project, then opens the project file; an empty path enters the
    // state without a project. storedVersion receives the schema version the file held before
    // the upgrade (-1 when no file was read); created is handed to the upgrade (the project was
    // just made from the blank project).
    //
    // A project written by a newer program is refused untouched, with the user told. A failure
    // while opening or loading raises after the program is back in the state without a project;
    // the file is left as the upgrade left it, and nothing of the half-loaded project is saved.
    // "ActiveProjectName" is recorded only for a project that opened completely.
    void OpenProject(const QString& path, int& storedVersion, bool created = false);
    void OpenProject(const QString& path)
    {
        int version = -1;
        OpenProject(path, version, false);
    }
    // Writes the project parameters, the current building list, the operating schemes and the
    // CAD model of the open project; nothing without one. A CAD or operating-scheme file that
    // failed to load at opening is left as it is, with the user told for the CAD file.
    void SaveProject();

    // Makes the design type current: refreshes the window, refills the tree for it, selects the
    // node selected last, rebuilds the element tool bar. Nothing for the current type. For the
    // daily calculations (5, 8) without annual hourly weather the user is told after the switch.
    void SetDesignType(int designType);
    // Makes the design type stored in the project current and enables the project actions.
    bool CheckDesignType();

    // The project (0) always; a type outside 0..30 or a design type outside 0..8 never; else the
    // type's design-type flag (6, 7 and 8 share one).
    static bool IsElementTypeUsed(int type, int designType);
    bool IsElementTypeUsed(int type) const { return IsElementTypeUsed(type, DesignType); }
    // Whether an element of the type may be added under the item: a folder anywhere, anything
    // under a folder that has only folders above it, else only under the type's parent type.
    static bool CanAddElement(const CTreeItem* item, int type);
    // Captions from the top down joined with "~", leaving out the project and folders; empty
    // for null.
    static QString GetTreePath(const CTreeItem* item);
    // Elevation (m) of the storey shown by the item: its Z0, in relative coordinates plus the
    // Z0 of the project, the building and the folders between; when that is not above zero, the
    // heights of the above-ground storeys before it in the building.
    double GetElevation(const CTreeItem* item) const;

    bool IsProjectOpen() const { return !m_projectFilePath.isEmpty(); }
    const QString& ProjectFilePath() const { return m_projectFilePath; }
    const QString& ProjectName() const { return m_projectName; }
    const QString& ProjectFolder() const { return m_projectFolder; }
    // The CAD model file of a project database.
    static QString CadFileName(const QString& projectPath);
    // The project name of a path: the file name up to its first "."; empty without a dot.
    static QString ProjectNameOf(const QString& path);

    CProjectData& ProjectData() { return m_projectData; }

    CCurRunSolInfo CurRunSolInfo;
    int DesignType = 0; // 0..8; -1 without a project

private:
    // The project parameters reach the window and the operating schemes through this.
    class CDataHost : public CProjectDataHost
    {
    public:
        explicit CDataHost(CSystemGlobalData& owner) : m_owner(owner) {}
        // The project whose operating schemes are read and written; empty while the scheme
        // file that failed to load must be kept, so that saving neither deletes nor rewrites it.
        QString ProjectFilePath() const override;
        void ShowCoordinateMode(bool relative) override;
        void ClearRunSchemes() override;
        void LoadRunSchemeFile(const QString& fileName) override;
        void SaveRunSchemeFile(const QString& fileName) override;

    private:
        CSystemGlobalData& m_owner;
    };

    void CloseProject();
    void EnterNoProjectState();
    // False when the project needs a newer program.
    bool LoadProject(const QString& path, int& storedVersion, bool created);
    void ShowMessage(const QString& message);

    CProjectLifecycleHostBase* m_host = nullptr;
    CDataHost m_dataHost{*this};
    CProjectData m_projectData;
    QString m_projectFilePath;
    QString m_projectName;
    QString m_projectFolder;
    // The open project has been loaded completely: only then may it be saved.
    bool m_loaded = false;
    // The operating-scheme file that could not be read at opening; it is never rewritten.
    QString m_failedRunFile;
};
