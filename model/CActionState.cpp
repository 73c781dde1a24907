#include "model/CActionState.h"

#include "model/CElementManage.h"
#include "model/NameTables.h"

#include <optional>

namespace {
const char* const AlwaysEnabled[] = {
    "Action_OpenProject", "Action_NewProject", "Action_Exit", "Action_ParamInit",
    // the libraries
    "Action_OutsidWall", "Action_InsideWall", "Action_Ceiling", "Action_Floor", "Action_Roof",
    "Action_Blindstory", "Action_OutsideWindow", "Action_OutsideDoor", "Action_GlassCurtainWall",
    "Action_GlassRoof", "Action_InsideWindow", "Action_InsideDoor", "Action_SkyWindow", "Action_Ground",
    "Action_ProjectionFloor", "Action_GapWall", "Action_BasementWall", "act_base_material",
    // tools and help
    "Action_WorkSchedule", "Action_Weather", "Action_RoomUsage", "Action_StoryUsage", "Action_NotePad",
    "Action_EasyCaculate", "Action_Caculate", "Action_Help", "Action_About"};

const char* const DesignTypeActions[] = {
    "Action_ACLoadSimpleEstimation",         "Action_ACLoadItemizedEstimation",
    "Action_ACLoadIntelligentEstimation",    "Action_ACLoadDetailedCalculation",
    "Action_ACLoadMonthlyCalculation",       "Action_ACLoadDailyCalculation",
    "Action_HeatingLoadDetailedCalculation", "Action_HeatingLoadMonthlyCalculation",
    "Action_HeatingLoadDailyCalculation"};

// Besides the nine design-type actions and the seven energy-saving standards.
const char* const ProjectActions[] = {"Action_ProjectSummary",
                                      "Action_Save",
                                      "Action_SaveAs",
                                      "Action1",
                                      "Action2",
                                      "Action_CloseProject",
                                      "Action_WeatherParamInput",
                                      "Action_Copy",
                                      "Action_Cut",
                                      "Action_Paste",
                                      "Action_Delete",
                                      "Action_Find",
                                      "Action_Enabled",
                                      "Action_DisEnabled",
                                      "Action_Top",
                                      "Action_Parent",
                                      "Action_ReView",
                                      "Action_Expand",
                                      "Action_Furl",
                                      "Action_Front",
                                      "Action_Heir",
                                      "Action_AbsoluteCoordinate",
                                      "Action_RelativeCoordinate",
                                      "Action_GroupFloor",
                                      "Action_AirSystem",
                                      "Action_FrieshAirSystem",
                                      "act_structure_rework",
                                      "act_structure_rework1",
                                      "Action_ADD",
                                      "Action_MakeCurrentProjectToModule",
                                      "Action_MergePrj",
                                      "Action_XML",
                                      "RedirectToProjectPath",
                                      "Action_CloudRegister",
                                      "Action_CloudCal",
                                      "Action_OutputAndSet",
                                      "act_LoadCalculation",
                                      "act_RefreshBuilerList",
                                      "act_FigureParam",
                                      "act_WindowWallCoff",
                                      "act_outsidewindowcoff",
                                      "act_outsidewallcoff",
                                      "act_outputtable"};

const char* const BatchActions[] = {"atc_BatchDelete", "atc_BatchCopy", "atc_BatchAlter", "atc_BatchAdd",
                                    "atc_BatchOp"};

constexpr int EnergyStandardCount = 7;
constexpr int StoreyType = 2;

QString StandardActionName(int index)
{
    return QStringLiteral("act_STDType%1").arg(index + 1);
}

// What a design type allows among the calculation-dependent controls; an empty value leaves the
// control as it was (a design type outside the known ones).
struct SDesignTypeRow
{
    bool AirCase;
    bool AirSystems;
    std::optional<bool> LoadButton;
    std::optional<bool> CurveButton;
    std::optional<bool> ThermalButton;
    bool SeasonChart;
    std::optional<bool> Structure;
};

SDesignTypeRow RowOf(int designType)
{
    switch (designType) {
    case 0:
    case 1:
        return {false, true, true, false, false, true, false};
    case 2:
    case 3:
    case 4:
    case 5:
        return {true, true, true, true, false, true, true};
    case 6:
    case 7:
    case 8:
        return {false, false, true, true, true, true, true};
    default:
        return {false, false, std::nullopt, std::nullopt, std::nullopt, false, std::nullopt};
    }
}
} // namespace

void CActionState::EnableProjectActions(bool enabled, const SActionInputs& in)
{
    for (const char* name : AlwaysEnabled)
        SetEnabled(QString::fromLatin1(name), true);
    for (const char* name : ProjectActions)
        SetEnabled(QString::fromLatin1(name), enabled);
    for (const char* name : DesignTypeActions)
        SetEnabled(QString::fromLatin1(name), enabled);
    for (int i = 0; i < EnergyStandardCount; ++i)
        SetEnabled(StandardActionName(i), enabled);
    if (!enabled) {
        SetEnabled(QStringLiteral("Action_RetailDesign_AirCase"), false);
        SetEnabled(QStringLiteral("ToolButton1"), false);
        SetEnabled(QStringLiteral("ToolButton2"), false);
        SetEnabled(QStringLiteral("ToolButton3"), false);
    }
    // The standards form one group: checking one releases the others. An index outside the seven
    // has no action and changes nothing.
    if (in.EnergyStandardIndex >= 0 && in.EnergyStandardIndex < EnergyStandardCount) {
        for (int i = 0; i < EnergyStandardCount; ++i)
            m_checked.insert(StandardActionName(i), i == in.EnergyStandardIndex);
    }
    SetEnabled(QStringLiteral("Action_CAD"), enabled && in.SelectedNodeType == StoreyType);
}

void CActionState::RefreshMainWindow(const SActionInputs& in)
{
    const SDesignTypeRow row = RowOf(in.DesignType);
    SetEnabled(QStringLiteral("Action_RetailDesign_AirCase"), row.AirCase);
    SetEnabled(QStringLiteral("Action_AirSystem"), row.AirSystems);
    SetEnabled(QStringLiteral("Action_FrieshAirSystem"), row.AirSystems);
    const auto setIfKnown = [this](const char* name, std::optional<bool> enabled) {
        if (enabled)
            SetEnabled(QString::fromLatin1(name), *enabled);
    };
    setIfKnown("ToolButton1", row.LoadButton);
    setIfKnown("ToolButton2", row.CurveButton);
    setIfKnown("ToolButton3", row.ThermalButton);
    SetEnabled(QStringLiteral("btnseason_chart"), row.SeasonChart);
    setIfKnown("Action_ADD", row.Structure);
    setIfKnown("act_structure_rework", row.Structure);
    setIfKnown("act_structure_rework1", row.Structure);

    const QString structure = QStringLiteral("act_structure_rework1");
    if (HasEnabled(structure)) {
        for (const char* name : BatchActions)
            SetEnabled(QString::fromLatin1(name), IsEnabled(structure));
    }
    SetEnabled(QStringLiteral("act_LoadCalculation"), in.ProjectOpen && in.DesignType == 5);

    if (in.ProjectOpen) {
        // A project whose load stopped before its design type was made current has none to name.
        const bool known = in.DesignType >= 0 && in.DesignType < DesignTypeCount;
        m_statusPanels.insert(2, QStringLiteral("设计类型:") +
                                     (known ? DesignTypeName(in.DesignType) : QString()));
        m_statusPanels.insert(4, QStringLiteral("设计单位:") + in.DesignerName);
        m_statusPanels.insert(3, QStringLiteral("所在城市:") + in.City);
    } else {
        for (int panel = 2; panel <= 4; ++panel)
            m_statusPanels.insert(panel, QString());
    }
    SetEnabled(QStringLiteral("act_HeatReport"), in.DesignType == 6);
}

void CActionState::ClearElementToolbar()
{
    m_buttons.clear();
    // Without a bar there is no pressed button, so no tool may stay chosen for a later tree click.
    m_currentTool = -1;
}

void CActionState::BuildElementToolbar(int designType, CElementManage& registry)
{
    ClearElementToolbar();
    m_buttons.append({-1, QString(), QStringLiteral("无"), ArrowImageIndex});
    m_currentTool = -1;
    for (int type = CElementManage::TypeCount - 1; type >= 1; --type) {
        if (!IsElementTypeUsed(type, designType, registry))
            continue;
        const SElementTypeInfo& info = registry.Info(type);
        m_buttons.append(
            {type, info.Remark, QStringLiteral("%1|建筑元素: %1").arg(info.Remark), info.TypeIndex});
    }
}

int CActionState::ElementToolClick(int tag, qint64 nowMs)
{
    if (nowMs - m_lastPressMs < DoublePressMs && tag == m_currentTool && m_currentTool != -1) {
        const int add = m_currentTool;
        // Back on the arrow, and the next press starts afresh.
        m_currentTool = -1;
        m_lastPressMs = 0;
        return add;
    }
    m_lastPressMs = nowMs;
    m_currentTool = tag;
    return -1;
}

bool CActionState::IsElementTypeUsed(int type, int designType, CElementManage& registry)
{
    if (type == 0)
        return true;
    if (type < 0 || type >= CElementManage::TypeCount || designType < 0 || designType >= DesignTypeCount)
        return false;
    return registry.Info(type).UsedByDesignType(designType) != 0;
}

QString CActionState::DesignTypeActionName(int designType)
{
    if (designType < 0 || designType >= DesignTypeCount)
        return QString();
    return QString::fromLatin1(DesignTypeActions[designType]);
}
