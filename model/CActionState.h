#pragma once
#include <QList>
#include <QMap>
#include <QString>
#include <QtGlobal>

class CElementManage;

// What the main window's action state reads from the program's state. The main window fills it
// from the global project object, the tree, the energy-check settings, the default values and the
// project weather each time it asks for a refresh.
struct SActionInputs
{
    bool ProjectOpen = false;     // a project file path is set
    int DesignType = -1;          // 0..8; -1 without a project
    int SelectedNodeType = -1;    // element type of the tree's selected item; -1 when none
    int EnergyStandardIndex = -1; // current energy-saving standard 0..6 of the energy-check settings
    QString DesignerName;         // default value "DesignerName"
    QString City;                 // City of the project weather
};

// One button of the element tool bar, in the order the bar creates them.
struct SElementToolButton
{
    int Tag = -1;       // element type code; -1 for the arrow (no tool)
    QString Caption;    // display name of the type; empty for the arrow
    QString Hint;       // "short|long" for type buttons, "无" for the arrow
    int ImageIndex = 0; // 61 for the arrow, the type's TypeIndex otherwise
};

// The state of the main window's actions, tool buttons, status-bar panels and element tool bar,
// kept apart from the widgets. Controls are named by the main window's object names
// ("Action_Save", "ToolButton1", "act_STDType3", "RedirectToProjectPath"). Each operation changes
// only what it sets; a control no operation has touched keeps its form state, so the maps hold
// only controls that have been set. The main window applies EnabledStates, CheckedStates and the
// status panels after each operation, hides the start page after EnableProjectActions and
// rebuilds its Output menu after RefreshMainWindow.
class CActionState
{
public:
    static constexpr int ArrowImageIndex = 61;
    // A second press on the same tool within this many milliseconds adds an element.
    static constexpr qint64 DoublePressMs = 500;

    // Enables or disables the project-dependent actions (true once a project is loaded, false in
    // the state without a project); checks the action of the energy-saving standard; enables
    // Action_CAD only with a project and a storey selected.
    void EnableProjectActions(bool enabled, const SActionInputs& in);
    // Sets the design-type-dependent commands, the batch actions, the status-bar panels 2 to 4.
    // A design type outside 0..8 disables what no design type allows and leaves the tool buttons
    // and the structure actions as they were.
    void RefreshMainWindow(const SActionInputs& in);

    // Unset when no operation has set the control.
    bool HasEnabled(const QString& name) const { return m_enabled.contains(name); }
    bool IsEnabled(const QString& name) const { return m_enabled.value(name, false); }
    bool IsChecked(const QString& name) const { return m_checked.value(name, false); }
    const QMap<QString, bool>& EnabledStates() const { return m_enabled; }
    const QMap<QString, bool>& CheckedStates() const { return m_checked; }
    // Text of StatusBar1's panel 2, 3 or 4; empty for any other panel or before a refresh.
    QString StatusPanel(int index) const { return m_statusPanels.value(index); }

    // Empties the bar; no tool remains chosen.
    void ClearElementToolbar();
    // The arrow, pressed, then one button per type from 30 down to 1 that the design type uses,
    // captioned with the type's display name from the registry. No tool is chosen afterwards.
    void BuildElementToolbar(int designType, CElementManage& registry);
    const QList<SElementToolButton>& ToolButtons() const { return m_buttons; }
    // Type code of the chosen tool, the pressed button; -1 when the arrow is pressed.
    int CurrentElementTool() const { return m_currentTool; }
    // A press of the button with the tag at the monotonic time nowMs. Returns the element type
    // to add under the selected tree item when the same tool was pressed less than DoublePressMs
    // before (the bar is then back on the arrow); otherwise the pressed tool becomes current and
    // -1 is returned.
    int ElementToolClick(int tag, qint64 nowMs);

    // Whether the design type uses the element type: the project (0) always; a type outside
    // 0..30 or a design type outside 0..8 never; otherwise the type's design-type flag.
    static bool IsElementTypeUsed(int type, int designType, CElementManage& registry);
    // Object name of the action of a design type 0..8; empty for any other.
    static QString DesignTypeActionName(int designType);

private:
    void SetEnabled(const QString& name, bool enabled) { m_enabled.insert(name, enabled); }

    QMap<QString, bool> m_enabled;
    QMap<QString, bool> m_checked;
    QMap<int, QString> m_statusPanels;
    QList<SElementToolButton> m_buttons;
    int m_currentTool = -1;
    qint64 m_lastPressMs = 0;
};
