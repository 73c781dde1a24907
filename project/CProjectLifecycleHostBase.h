#pragma once
#include <QList>
#include <QString>

class CTreeItem;

// What opening, saving and closing a project need from the main window and from the subsystems
// above the data model (weather, operating schemes, energy checks, calculation-book options,
// plug-ins, history). The program installs one with CSystemGlobalData::SetHost; tests install a
// recording fake. Every operation does nothing by default, so a missing part of the program
// leaves the project data as they are.
class CProjectLifecycleHostBase
{
public:
    virtual ~CProjectLifecycleHostBase() = default;

    // --- main window
    // Commits the open property page, hides it and forgets it; nothing when none is open.
    virtual void CloseOpenPage() {}
    // Commits the open property page and keeps it shown.
    virtual void CommitCurrentEditor() {}
    // Empties the six categories of the message panel.
    virtual void ClearMessages() {}
    // Adds a line to the warning category of the message panel.
    virtual void AddWarning(const QString& text) {}
    // Closes the search window, or collapses the search area when there is none.
    virtual void CloseSearch() {}
    // Forgets the back-navigation history of selected nodes.
    virtual void ClearHistory() {}
    virtual void SetCaption(const QString& caption) {}
    // The seventh entry of the main menu bar ("系统参数库(&R)" or "工程参数库(&R)").
    virtual void SetLibraryMenuCaption(const QString& caption) {}
    // The caption above the property page (GroupBox1).
    virtual void SetPathCaption(const QString& caption) {}
    virtual void SetWeatherActionVisible(bool visible) {}
    // Hides the ten current-building actions.
    virtual void HideCurrentBuildingActions() {}
    // The action state of the main window and its element tool bar.
    virtual void EnableProjectActions(bool enabled) {}
    virtual void RefreshMainWindow() {}
    virtual void ClearElementToolbar() {}
    virtual void BuildElementToolbar(int designType) {}
    // Shows the design type's action (0..8) as chosen.
    virtual void CheckDesignTypeAction(int designType) {}
    // Updates the node-dependent actions for the selected tree item.
    virtual void UpdateNodeActions(CTreeItem* item) {}
    // Checks the relative or the absolute coordinate action and unchecks the other.
    virtual void ShowCoordinateMode(bool relative) {}

    // --- other subsystems
    // The project weather of the open project (table WeatherParameter).
    virtual void LoadProjectWeather() {}
    // Whether the project weather holds the annual hourly data the daily calculations need.
    virtual bool HasAnnualWeather() { return true; }
    virtual void LoadEnergyCheckSettings() {}
    virtual void LoadOutputParams() {}
    // The building list of the current-building actions, also written back on save.
    virtual void FillCurrentBuildingActions() {}
    // The output plug-ins chosen in "OutPutConfig.data" of the project folder.
    virtual void LoadOutputConfig(const QString& projectFolder) {}

    // --- operating schemes
    virtual void ClearRunSchemes() {}
    // Reads the schemes from the file (which exists). False, with the reason in message (shown
    // by the caller), when the file cannot be read; the schemes are then empty and the file is
    // kept as it is until the project is opened again.
    virtual bool LoadRunSchemeFile(const QString& fileName, QString& message) { return true; }
    // Writes the current schemes to the file, replacing it only once they are written whole;
    // raises on failure.
    virtual void SaveRunSchemeFile(const QString& fileName) {}
    // The room identifiers of the scheme with the name; null when no scheme bears it.
    virtual const QList<int>* SchemeRooms(const QString& schemeName) { return nullptr; }
};
