#pragma once
#include "model/CActionState.h"
#include "model/CNodeTreeView.h"
#include "model/CProjectTreeHostBase.h"
#include "model/CTreeViewObserverBase.h"
#include "project/CProjectLifecycleHostBase.h"

#include <QByteArray>
#include <QHash>
#include <QMainWindow>
#include <QStringList>
#include <memory>

class CCalculateHostBase;
class CDesktopProgramsBase;
class CPlugManage;
enum class EAccessoryKind : int;
class QAction;
class QActionGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollArea;
class QSplitter;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class TCustomHint;
class TNodeInfoPage;
class TSeachForm;
class TSysOutputPanel;

// The main window: the project tree on the left, the parameter area over the message panel on
// the right, menus and tool bars above, the status bar below. It implements what the project
// tree and the project lifecycle need of a window; no core code touches one of its widgets.
//
// Its constructor touches no database: it is created before the data modules. Commands are
// named after the actions and buttons they serve; those taking a QAction* read its tag.
class TVoro_Main : public QMainWindow,
                   public CTreeViewObserverBase,
                   public CProjectTreeHostBase,
                   public CProjectLifecycleHostBase
{
    Q_OBJECT
public:
    explicit TVoro_Main(QWidget* parent = nullptr);
    ~TVoro_Main() override;

    // The caption of the program while no project is open.
    static QString ProductCaption();
    // The text shown for commands whose subsystem is not part of this program yet.
    static QString NotAvailableText();
    // Joins the command-line parameters (without the program) with one blank: a path holding
    // blanks arrives split into several parameters.
    static QString JoinCommandLine(const QStringList& parameters);
    // Whether a project that stored the schema version (-1 unknown) predates the weather data
    // published with GB50736-2012.
    static bool NeedsNewWeatherWarning(int storedVersion);
    // The GB50736 notice and the weather input for a project of such a version.
    void WarnAboutOldWeather(int storedVersion);
    // The command-line parameters opened as a project when the window is first shown.
    void SetCommandLine(const QStringList& parameters) { m_commandLine = parameters; }

    // --- start-up and shut-down
    void FormCreate();
    void FormShow();
    void FormClose();
    void Action_ExitExecute();
    void Action_HelpExecute();
    void Action_AboutExecute();
    // New project and templates (TVoro_Main_New.cpp)
    void Action_NewProjectExecute();
    void Action_MakeCurrentProjectToModuleExecute();
    // --- project commands (TVoro_Main_Project.cpp)
    void Action_OpenProjectExecute();
    void Action_SaveExecute();
    void Action_SaveAsExecute();
    void Action_CloseProjectExecute();
    void Action_ProjectSummaryExecute();
    void Action_XMLExecute();

    // --- property pages and node-dependent actions
    void CommitCurrentEditor() override;
    void ShowElementEditor(CTreeItem* item);
    void ReloadTreeView() override;
    void UpdateNodeActions(CTreeItem* item) override;
    void RefreshSelectedPage();
    void TreeView1Change(CTreeItem* item);
    void Action_RelativeCoordinateExecute(QAction* sender);
    void m_X0Change();
    void Action1Execute();
    void Action2Execute();

    // --- project tree commands and events
    // Left or right button press on the tree at the viewport position.
    void TreeView1MouseDown(Qt::MouseButton button, const QPoint& pos);
    void TreeView1MouseMove(const QPoint& pos);
    void TreeView1DblClick(const QPoint& pos);
    // A character typed into the tree (13 is Enter).
    void TreeView1KeyPress(int key);
    void TreeView1Click();
    // The label editor ended with the new text; the text comes back as the label shows it.
    void TreeView1Edited(CTreeItem* item, QString& text);
    // Key preview of the whole window; true when the key was used.
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void Action_CopyExecute();
    void Action_CutExecute();
    void Action_PasteExecute();
    void Action_DeleteExecute();
    void Action_FindExecute();
    void Action_EnabledExecute();
    void Action_DisEnabledExecute();
    void Action_TopExecute();
    void Action_FrontExecute();
    void Action_HeirExecute();
    void Action_ParentExecute();
    void Action_ReViewExecute();
    void Action_ExpandExecute();
    void Action_FurlExecute();
    void act_editExecute();
    void Action_ADDExecute();
    void atc_BatchAlterExecute();
    void atc_BatchDeleteExecute();
    void atc_BatchCopyExecute();
    void atc_BatchAddExecute();
    void atc_BatchOpExecute();
    void AddElementUnderNode(CTreeItem* item, int type);
    // True when the batch storey-and-room dialog closed with OK.
    bool ShowBatchStoreyRoomForm(CTreeItem* item, const QString& kind);
    // A press of a button of the element tool bar (tag -1 is the arrow).
    void ElementToolClick(int tag);

    // --- design types and calculation commands (TVoro_Main_Calc.cpp)
    void Aa(QAction* sender);
    void ToolButton1Click();
    void ToolButton2Click();
    void ToolButton3Click();
    void testoutputClick();
    void act_LoadCalculationExecuteExecute();
    void act_HeatReportExecute();
    void Action_OutputAndSetExecute();
    void Action_RetailDesign_AirCaseExecute();
    // Installs the program's calculation host for the window's lifetime (into m_calcHost).
    void CreateCalculateHost();
    // Creates the hover hint of the project tree (into m_customHint).
    void CreateCustomHint();

    // --- commands into other subsystems
    void Action_ParamInitExecute();
    void Action_OutsidWallExecute(QAction* sender);
    void Action_WeatherExecute();
    void Action_WeatherParamInputExecute();
    void Action_WorkScheduleExecute();
    void act_base_materialExecute();
    void Action_GroupFloorExecute();
    void Action_AirSystemExecute(QAction* sender);
    // Refills the tree view and selects the first node of the path (node ids, nearest first) that
    // is still in the tree (TVoro_Main_Schedule.cpp).
    void ReloadTreeKeepingSelection(const QList<int>& path);
    void act_structure_reworkExecute();
    void act_structure_rework1Execute();
    void Action_CADExecute();
    // The desktop's text editor and calculator (TVoro_Main_Tools.cpp); a missing one is named.
    void Action_NotePadExecute();
    void Action_CaculateExecute();
    void Action_EasyCaculateExecute();
    // Where the accessories are looked up and started; tests install a fake.
    void SetDesktopPrograms(std::unique_ptr<CDesktopProgramsBase> programs);
    void Action_ReCalExecute();
    void act_STDType1Execute(QAction* sender);
    void act_SetCurBuilderExecute(QAction* sender);
    void act_RefreshBuilerListExecute();
    void act_FigureParamExecute();
    void act_WindowWallCoffExecute();
    void act_outsidewindowcoffExecute();
    void act_outsidewallcoffExecute();
    void act_outputtableExecute();
    void Button1Click();
    void Button2Click();
    void RedirectToProjectPathClick();
    void testbuttonClick();
    void N25Click();
    void HideStartPage();
    // Tells the user that the command's subsystem is not available yet.
    void NotAvailable(const QString& command);

    // --- plug-ins, custom tools, merge and remote service (TVoro_Main_PlugIn.cpp)
    // Scans the plug-ins, hands the host data functions over, creates the output actions.
    void CreatePlugInHost();
    // One disabled output action per plug-in, tag = index; replaces those made before.
    void CreatePlugInActions();
    void BuildPlugInPopupMenu();
    // The output actions of the enabled plug-ins after the Output menu's own commands, each
    // enabled while the design type is the plug-in's.
    void BuildOutputMenu();
    void act_extendtoolExecute();
    void PopupMenuItemsClick(QAction* sender);
    void OutMenuItemsClick(QAction* sender);
    void RunPlugIn(int index);
    void Action_PlugManageExecute();
    void BuildCustomToolMenu();
    void Action_MergePrjExecute();
    void Action_CloudRegisterExecute();
    void Action_CloudCalExecute();
    CPlugManage& PlugManage() const { return *m_plugManage; }
    QMenu* PlugInPopup() const { return m_plugInPopup; }
    const QList<QAction*>& OutputPlugActions() const { return m_outputPlugActions; }

    // --- interface language (TVoro_Main_Language.cpp)
    // Makes the language of that section of lg/config.ini current: the open windows take its
    // texts and the program starts in it next time.
    void Action_LanguageExecute(const QString& language);
    // After each translation: renews the texts the window makes at run time and lists in the
    // message panel what went wrong with the language files.
    void LanguageTranslated();
    // A text the window makes at run time in the current language; the Chinese text is its key.
    QString LgText(const QString& text) const;
    // The caption without its accelerator, shortcut and ellipsis, as buttons and notices show it.
    static QString PlainCaption(const QString& caption);

    // --- what the project tree needs of the window
    CNodeTreeView* MainTreeView() override { return &m_treeView; }
    bool IsElementTypeUsed(int type) override;
    void HideOpenPage() override;
    void OpenWithShell(const QString& path) override;

    // --- what the project lifecycle needs of the window
    void CloseOpenPage() override;
    void ClearMessages() override;
    void AddWarning(const QString& text) override;
    void CloseSearch() override;
    void ClearHistory() override;
    void SetCaption(const QString& caption) override;
    void SetLibraryMenuCaption(const QString& caption) override;
    void SetPathCaption(const QString& caption) override;
    void SetWeatherActionVisible(bool visible) override;
    void HideCurrentBuildingActions() override;
    void EnableProjectActions(bool enabled) override;
    void RefreshMainWindow() override;
    void ClearElementToolbar() override;
    void BuildElementToolbar(int designType) override;
    void CheckDesignTypeAction(int designType) override;
    void ShowCoordinateMode(bool relative) override;
    bool HasAnnualWeather() override;
    void LoadEnergyCheckSettings() override;
    void LoadOutputParams() override;
    void FillCurrentBuildingActions() override;
    void LoadOutputConfig(const QString& projectFolder) override;
    // The operating schemes are those of CRunTimeMgr (TVoro_Main_Project.cpp).
    void ClearRunSchemes() override;
    bool LoadRunSchemeFile(const QString& fileName, QString& message) override;
    void SaveRunSchemeFile(const QString& fileName) override;
    const QList<int>* SchemeRooms(const QString& schemeName) override;
    // The name of the current check building; empty when none is set or found.
    QString GetCurrentBuildingName() const;

    // --- access for commands and tests
    // The action, tool button or menu command of that object name; null when there is none.
    QAction* Action(const QString& name) const;
    CActionState& ActionState() { return m_actionState; }
    QTreeWidget* TreeWidget() const { return m_treeWidget; }
    QTreeWidgetItem* WidgetItem(CTreeItem* item) const { return m_widgetItems.value(item); }
    CTreeItem* TreeItemOf(QTreeWidgetItem* widgetItem) const;
    CTreeItem* SelectedItem() const { return m_treeView.Selected(); }
    TSysOutputPanel* MessagePanel() const { return m_messagePanel; }
    // The page shown in the parameter area; null when none is open.
    QWidget* OpenPage() const;
    QString PathCaption() const;
    QString StatusText(int panel) const;
    QToolBar* ElementToolBar() const { return m_elementBar; }
    bool IsRenaming() const { return m_renaming; }
    // The open search panel (SeachForm); null when it is closed.
    TSeachForm* SearchForm() const { return m_searchForm; }
    TCustomHint* CustomHint() const { return m_customHint; }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // --- mirror of the core tree view
    void ItemAdded(CTreeItem* item) override;
    void ItemRemoving(CTreeItem* item) override;
    void ItemsCleared() override;
    void ItemRenamed(CTreeItem* item) override;
    void ItemImageChanged(CTreeItem* item) override;
    void ItemExpanded(CTreeItem* item) override;
    void SelectionChanged(CTreeItem* item) override;
    void UpdateBegun() override;
    void UpdateEnded() override;
    void ForgetWidgetItems(CTreeItem* item);

    // --- construction (TVoro_Main.cpp)
    QAction* AddAction(const QString& name, const QString& caption, const QString& hint = QString(),
                       int tag = 0);
    void BuildLayout();
    void BuildMenus();
    void BuildToolBars();
    void BuildStatusBar();
    void ConnectCommands();
    // Sets the enabled and checked states the action state holds on the actions.
    void ApplyActionState();
    SActionInputs ActionInputs() const;
    // The tree widget's current item followed the core view.
    void OnWidgetCurrentChanged(QTreeWidgetItem* current);
    void OnWidgetItemChanged(QTreeWidgetItem* widgetItem);
    void OnWidgetItemExpanded(QTreeWidgetItem* widgetItem, bool expanded);
    void StartRename();
    // Enables or disables every control of the open page.
    void EnablePageControls(bool enabled);
    // The path caption and the page's path after the selected node or an ancestor was renamed.
    void ShowSelectedPath();
    // The parameter area and the node commands while no node is selected.
    void ShowNoSelection();
    // Moves the selected node among its siblings by the offset.
    void MoveSelectedBy(int offset);
    void StartAccessory(EAccessoryKind kind, const QString& workingFolder);
    // One checkable entry per language of the configuration, the current one checked.
    void FillLanguageMenu();
    // Translates the texts of the window again, those of buttons built since included.
    void TranslateBuiltTexts();
    // The unnamed entries of the menu and its submenus in the current language, their Chinese
    // texts being the keys.
    void TranslateMenuEntries(QMenu* menu);

    CActionState m_actionState;
    CNodeTreeView m_treeView;
    std::unique_ptr<CCalculateHostBase> m_calcHost;
    std::unique_ptr<CDesktopProgramsBase> m_desktopPrograms;
    std::unique_ptr<CPlugManage> m_plugManage;
    QList<QAction*> m_outputPlugActions; // OutputPlugActions
    QAction* m_outputPlugSeparator = nullptr;
    QMenu* m_plugInPopup = nullptr; // PopupMenu3
    QHash<QString, QAction*> m_actions;
    QHash<CTreeItem*, QTreeWidgetItem*> m_widgetItems;
    QActionGroup* m_designTypeGroup = nullptr;
    QActionGroup* m_coordinateGroup = nullptr;
    QActionGroup* m_standardGroup = nullptr;
    QActionGroup* m_buildingGroup = nullptr;
    QMenu* m_libraryMenu = nullptr;
    QString m_libraryCaption;
    QMenu* m_languageMenu = nullptr;
    QMenu* m_treePopup = nullptr;
    QSplitter* m_mainSplitter = nullptr;
    QSplitter* m_rightSplitter = nullptr;
    QTreeWidget* m_treeWidget = nullptr;
    QToolBar* m_elementBar = nullptr;
    QGroupBox* m_pageGroup = nullptr;          // GroupBox1
    QScrollArea* m_pageScroll = nullptr;       // ScrollBox1
    QGroupBox* m_coordinateGroupBox = nullptr; // GroupBox2
    QLineEdit* m_coordinateEdits[6] = {};      // X, Y, Z, X0, Y0, Z0
    TNodeInfoPage* m_infoPage = nullptr;
    QWidget* m_openPage = nullptr;
    TSysOutputPanel* m_messagePanel = nullptr;
    QScrollArea* m_searchScroll = nullptr; // ScrollBox2
    QWidget* m_searchPanel = nullptr;      // SearchPanel
    TSeachForm* m_searchForm = nullptr;    // SeachForm
    TCustomHint* m_customHint = nullptr;   // CustomHint
    QLabel* m_statusPanels[6] = {};
    QStringList m_commandLine;
    // The energy-check settings of the open project (tbl_registry).
    int m_curBuildingId = -1;
    int m_stdTypeIndex = 0;
    bool m_shown = false;
    bool m_renaming = false;
    // Set while the widget follows the core view, so that its signals are not taken as the user's.
    int m_mirroring = 0;
};
