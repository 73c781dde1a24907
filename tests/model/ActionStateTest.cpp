#include "model/CActionState.h"
#include "model/CElementManage.h"
#include "model/NameTables.h"
#include "tests/model/ModelFixture.h"

#include <gtest/gtest.h>
#include <vector>

namespace {
const char* const AlwaysOn[] = {"Action_OpenProject",
                                "Action_NewProject",
                                "Action_Exit",
                                "Action_ParamInit",
                                "Action_OutsidWall",
                                "Action_InsideWall",
                                "Action_Ceiling",
                                "Action_Floor",
                                "Action_Roof",
                                "Action_Blindstory",
                                "Action_OutsideWindow",
                                "Action_OutsideDoor",
                                "Action_GlassCurtainWall",
                                "Action_GlassRoof",
                                "Action_InsideWindow",
                                "Action_InsideDoor",
                                "Action_SkyWindow",
                                "Action_Ground",
                                "Action_ProjectionFloor",
                                "Action_GapWall",
                                "Action_BasementWall",
                                "act_base_material",
                                "Action_WorkSchedule",
                                "Action_Weather",
                                "Action_RoomUsage",
                                "Action_StoryUsage",
                                "Action_NotePad",
                                "Action_EasyCaculate",
                                "Action_Caculate",
                                "Action_Help",
                                "Action_About"};

// Enabled with a project whatever its design type: file, tree, coordinate, design-type, standard
// and output commands.
const char* const WithProject[] = {"Action_ProjectSummary",
                                   "Action_Save",
                                   "Action_SaveAs",
                                   "Action1",
                                   "Action2",
                                   "Action_CloseProject",
                                   "Action_ACLoadSimpleEstimation",
                                   "Action_ACLoadItemizedEstimation",
                                   "Action_ACLoadIntelligentEstimation",
                                   "Action_ACLoadDetailedCalculation",
                                   "Action_ACLoadMonthlyCalculation",
                                   "Action_ACLoadDailyCalculation",
                                   "Action_HeatingLoadDetailedCalculation",
                                   "Action_HeatingLoadMonthlyCalculation",
                                   "Action_HeatingLoadDailyCalculation",
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
                                   "Action_MakeCurrentProjectToModule",
                                   "Action_MergePrj",
                                   "Action_XML",
                                   "RedirectToProjectPath",
                                   "Action_CloudRegister",
                                   "Action_CloudCal",
                                   "Action_OutputAndSet",
                                   "act_STDType1",
                                   "act_STDType2",
                                   "act_STDType3",
                                   "act_STDType4",
                                   "act_STDType5",
                                   "act_STDType6",
                                   "act_STDType7",
                                   "act_RefreshBuilerList",
                                   "act_FigureParam",
                                   "act_WindowWallCoff",
                                   "act_outsidewindowcoff",
                                   "act_outsidewallcoff",
                                   "act_outputtable"};

const char* const Structure[] = {"Action_ADD",      "act_structure_rework", "act_structure_rework1",
                                 "atc_BatchDelete", "atc_BatchCopy",        "atc_BatchAlter",
                                 "atc_BatchAdd",    "atc_BatchOp"};

SActionInputs Inputs(bool open, int designType, int nodeType = -1)
{
    SActionInputs in;
    in.ProjectOpen = open;
    in.DesignType = designType;
    in.SelectedNodeType = nodeType;
    in.EnergyStandardIndex = 0;
    return in;
}

// The program starts without a project: the project actions are disabled, then the window is
// refreshed for no design type.
CActionState AtStart()
{
    CActionState state;
    const SActionInputs none = Inputs(false, -1);
    state.EnableProjectActions(false, none);
    state.RefreshMainWindow(none);
    return state;
}

// Loading a project: its design type is made current (a refresh), the project actions are
// enabled, and the load ends with another refresh.
void Open(CActionState& state, const SActionInputs& in)
{
    state.RefreshMainWindow(in);
    state.EnableProjectActions(true, in);
    state.RefreshMainWindow(in);
}

void ExpectEnabled(const CActionState& state, const QString& name, bool expected, const char* label)
{
    EXPECT_TRUE(state.HasEnabled(name)) << label << " " << qPrintable(name);
    EXPECT_EQ(state.IsEnabled(name), expected) << label << " " << qPrintable(name);
}
} // namespace

TEST(ActionState, EnabledSetsByProjectAndDesignType)
{
    struct Case
    {
        const char* label;
        bool open;
        int designType;
        int nodeType;
        bool airCase;    // Action_RetailDesign_AirCase
        bool airSystems; // Action_AirSystem, Action_FrieshAirSystem
        bool maxLoad;    // ToolButton1
        bool curves;     // ToolButton2
        bool thermal;    // ToolButton3
        bool season;     // btnseason_chart
        bool structure;  // Action_ADD, the structure and batch actions
        bool schemes;    // act_LoadCalculation
        bool heatReport; // act_HeatReport
        bool cad;        // Action_CAD
    };
    const Case cases[] = {
        {"no project", false, -1, 2, false, false, false, false, false, false, false, false, false, false},
        {"type 0, building", true, 0, 1, false, true, true, false, false, true, false, false, false, false},
        {"type 1, storey", true, 1, 2, false, true, true, false, false, true, false, false, false, true},
        {"type 2, room", true, 2, 3, true, true, true, true, false, true, true, false, false, false},
        {"type 3, none", true, 3, -1, true, true, true, true, false, true, true, false, false, false},
        {"type 4, storey", true, 4, 2, true, true, true, true, false, true, true, false, false, true},
        {"type 5, project", true, 5, 0, true, true, true, true, false, true, true, true, false, false},
        {"type 6, wall", true, 6, 9, false, false, true, true, true, true, true, false, true, false},
        {"type 7, storey", true, 7, 2, false, false, true, true, true, true, true, false, false, true},
        {"type 8, folder", true, 8, 30, false, false, true, true, true, true, true, false, false, false},
    };
    for (const Case& c : cases) {
        CActionState state = AtStart();
        if (c.open)
            Open(state, Inputs(true, c.designType, c.nodeType));
        else
            state.EnableProjectActions(false, Inputs(false, -1, c.nodeType));

        for (const char* name : AlwaysOn)
            ExpectEnabled(state, QString::fromLatin1(name), true, c.label);
        for (const char* name : WithProject)
            ExpectEnabled(state, QString::fromLatin1(name), c.open, c.label);
        for (const char* name : Structure)
            ExpectEnabled(state, QString::fromLatin1(name), c.structure, c.label);
        ExpectEnabled(state, QStringLiteral("Action_RetailDesign_AirCase"), c.airCase, c.label);
        ExpectEnabled(state, QStringLiteral("Action_AirSystem"), c.airSystems, c.label);
        ExpectEnabled(state, QStringLiteral("Action_FrieshAirSystem"), c.airSystems, c.label);
        ExpectEnabled(state, QStringLiteral("ToolButton1"), c.maxLoad, c.label);
        ExpectEnabled(state, QStringLiteral("ToolButton2"), c.curves, c.label);
        ExpectEnabled(state, QStringLiteral("ToolButton3"), c.thermal, c.label);
        ExpectEnabled(state, QStringLiteral("btnseason_chart"), c.season, c.label);
        ExpectEnabled(state, QStringLiteral("act_LoadCalculation"), c.schemes, c.label);
        ExpectEnabled(state, QStringLiteral("act_HeatReport"), c.heatReport, c.label);
        ExpectEnabled(state, QStringLiteral("Action_CAD"), c.cad, c.label);
    }
}

TEST(ActionState, DesignTypeSwitchRefreshesOnlyTheCalculationCommands)
{
    CActionState state = AtStart();
    Open(state, Inputs(true, 6, 9));
    EXPECT_TRUE(state.IsEnabled(QStringLiteral("ToolButton3")));

    // A switch refreshes the window without enabling the project actions again.
    state.RefreshMainWindow(Inputs(true, 0));
    EXPECT_FALSE(state.IsEnabled(QStringLiteral("ToolButton2")));
    EXPECT_FALSE(state.IsEnabled(QStringLiteral("ToolButton3")));
    EXPECT_FALSE(state.IsEnabled(QStringLiteral("atc_BatchOp")));
    EXPECT_FALSE(state.IsEnabled(QStringLiteral("act_HeatReport")));
    EXPECT_TRUE(state.IsEnabled(QStringLiteral("Action_AirSystem")));
    EXPECT_TRUE(state.IsEnabled(QStringLiteral("Action_Save")));

    state.RefreshMainWindow(Inputs(true, 5));
    EXPECT_TRUE(state.IsEnabled(QStringLiteral("act_LoadCalculation")));
    EXPECT_TRUE(state.IsEnabled(QStringLiteral("atc_BatchOp")));
    state.RefreshMainWindow(Inputs(true, 0));
    EXPECT_FALSE(state.IsEnabled(QStringLiteral("act_LoadCalculation")));
}

TEST(ActionState, UnknownDesignTypeKeepsToolButtonsAndStructureActions)
{
    // A load that stops before the project's design type is made current refreshes with -1.
    CActionState state = AtStart();
    Open(state, Inputs(true, 3));
    state.RefreshMainWindow(Inputs(true, -1));

    EXPECT_TRUE(state.IsEnabled(QStringLiteral("ToolButton1")));
    EXPECT_TRUE(state.IsEnabled(QStringLiteral("ToolButton2")));
    EXPECT_FALSE(state.IsEnabled(QStringLiteral("ToolButton3")));
    EXPECT_TRUE(state.IsEnabled(QStringLiteral("Action_ADD")));
    EXPECT_TRUE(state.IsEnabled(QStringLiteral("atc_BatchAdd")));
    EXPECT_FALSE(state.IsEnabled(QStringLiteral("btnseason_chart")));
    EXPECT_FALSE(state.IsEnabled(QStringLiteral("Action_AirSystem")));
    EXPECT_FALSE(state.IsEnabled(QStringLiteral("Action_RetailDesign_AirCase")));
    EXPECT_FALSE(state.IsEnabled(QStringLiteral("act_LoadCalculation")));
    EXPECT_EQ(state.StatusPanel(2), QStringLiteral("设计类型:"));

    // Nothing has set the structure actions yet: the batch actions keep their form state too.
    CActionState fresh;
    fresh.RefreshMainWindow(Inputs(false, -1));
    EXPECT_FALSE(fresh.HasEnabled(QStringLiteral("atc_BatchDelete")));
    EXPECT_FALSE(fresh.HasEnabled(QStringLiteral("ToolButton1")));
    EXPECT_TRUE(fresh.HasEnabled(QStringLiteral("btnseason_chart")));
}

TEST(ActionState, ActionCadFollowsTheSelectionWhenProjectActionsAreSet)
{
    CActionState state;
    state.EnableProjectActions(true, Inputs(true, 3, 2));
    EXPECT_TRUE(state.IsEnabled(QStringLiteral("Action_CAD")));
    // A refresh leaves it alone; only the next enabling (or the tree's selection) changes it.
    state.RefreshMainWindow(Inputs(true, 3, 3));
    EXPECT_TRUE(state.IsEnabled(QStringLiteral("Action_CAD")));
    state.EnableProjectActions(true, Inputs(true, 3, 3));
    EXPECT_FALSE(state.IsEnabled(QStringLiteral("Action_CAD")));
    state.EnableProjectActions(false, Inputs(false, -1, 2));
    EXPECT_FALSE(state.IsEnabled(QStringLiteral("Action_CAD")));
}

TEST(ActionState, StatusPanelsNameDesignTypeCityAndDesigner)
{
    CActionState state = AtStart();
    SActionInputs in = Inputs(true, 3);
    in.City = QStringLiteral("北京");
    in.DesignerName = QStringLiteral("华东院");
    Open(state, in);
    EXPECT_EQ(state.StatusPanel(2), QStringLiteral("设计类型:空调负荷详细计算"));
    EXPECT_EQ(state.StatusPanel(3), QStringLiteral("所在城市:北京"));
    EXPECT_EQ(state.StatusPanel(4), QStringLiteral("设计单位:华东院"));

    in.DesignType = 8;
    state.RefreshMainWindow(in);
    EXPECT_EQ(state.StatusPanel(2), QStringLiteral("设计类型:采暖负荷逐日计算"));

    // Closing: the city and designer still known to the caller are not shown.
    in.ProjectOpen = false;
    in.DesignType = -1;
    state.EnableProjectActions(false, in);
    state.RefreshMainWindow(in);
    for (int panel = 2; panel <= 4; ++panel)
        EXPECT_EQ(state.StatusPanel(panel), QString()) << panel;
}

TEST(ActionState, CurrentEnergyStandardIsTheOneChecked)
{
    CActionState state;
    SActionInputs in = Inputs(true, 3);
    in.EnergyStandardIndex = 3;
    state.EnableProjectActions(true, in);
    for (int i = 1; i <= 7; ++i)
        EXPECT_EQ(state.IsChecked(QStringLiteral("act_STDType%1").arg(i)), i == 4) << i;

    in.EnergyStandardIndex = 0;
    state.EnableProjectActions(true, in);
    EXPECT_TRUE(state.IsChecked(QStringLiteral("act_STDType1")));
    EXPECT_FALSE(state.IsChecked(QStringLiteral("act_STDType4")));

    // A stored index with no standard action checks nothing new.
    for (int index : {7, -1}) {
        in.EnergyStandardIndex = index;
        state.EnableProjectActions(true, in);
        EXPECT_TRUE(state.IsChecked(QStringLiteral("act_STDType1"))) << index;
        EXPECT_EQ(state.CheckedStates().size(), 7) << index;
    }
}

TEST(ActionState, ElementTypeUseFollowsTheDesignTypeFlags)
{
    CElementManage registry;
    registry.Info(9).IsACLoadCalculation = 1;
    registry.Info(28).IsHeatingLoadCalculation = 1;

    EXPECT_TRUE(CActionState::IsElementTypeUsed(0, -1, registry));
    EXPECT_TRUE(CActionState::IsElementTypeUsed(0, 4, registry));
    EXPECT_FALSE(CActionState::IsElementTypeUsed(3, -1, registry));
    EXPECT_TRUE(CActionState::IsElementTypeUsed(9, 3, registry));
    EXPECT_FALSE(CActionState::IsElementTypeUsed(9, 4, registry));
    EXPECT_FALSE(CActionState::IsElementTypeUsed(9, 9, registry));
    for (int designType : {6, 7, 8})
        EXPECT_TRUE(CActionState::IsElementTypeUsed(28, designType, registry)) << designType;
    EXPECT_FALSE(CActionState::IsElementTypeUsed(28, 5, registry));
    EXPECT_FALSE(CActionState::IsElementTypeUsed(31, 3, registry));
    EXPECT_FALSE(CActionState::IsElementTypeUsed(-1, 3, registry));
}

TEST(ActionState, ToolbarOffersTheArrowAndTheUsedTypes)
{
    CElementManage registry;
    for (int type = 0; type < CElementManage::TypeCount; ++type) {
        registry.Info(type).Remark = ElementTypeName(type);
        registry.Info(type).TypeIndex = type;
    }
    registry.Info(0).IsACLoadSimpleEstimation = 1;
    registry.Info(30).IsACLoadSimpleEstimation = 1;
    registry.Info(30).IsHeatingLoadCalculation = 1;
    registry.Info(9).IsACLoadSimpleEstimation = 1;
    registry.Info(3).IsACLoadSimpleEstimation = 1;
    registry.Info(28).IsHeatingLoadCalculation = 1;

    CActionState state;
    state.BuildElementToolbar(0, registry);
    const QList<SElementToolButton>& buttons = state.ToolButtons();
    ASSERT_EQ(buttons.size(), 4);
    EXPECT_EQ(buttons[0].Tag, -1);
    EXPECT_EQ(buttons[0].Hint, QStringLiteral("无"));
    EXPECT_EQ(buttons[0].ImageIndex, 61);
    EXPECT_EQ(buttons[1].Tag, 30);
    EXPECT_EQ(buttons[2].Tag, 9);
    EXPECT_EQ(buttons[2].Caption, QStringLiteral("外墙"));
    EXPECT_EQ(buttons[2].Hint, QStringLiteral("外墙|建筑元素: 外墙"));
    EXPECT_EQ(buttons[2].ImageIndex, 9);
    EXPECT_EQ(buttons[3].Tag, 3);
    EXPECT_EQ(state.CurrentElementTool(), -1);

    state.BuildElementToolbar(7, registry);
    ASSERT_EQ(state.ToolButtons().size(), 3);
    EXPECT_EQ(state.ToolButtons()[1].Tag, 30);
    EXPECT_EQ(state.ToolButtons()[2].Tag, 28);

    state.BuildElementToolbar(-1, registry);
    ASSERT_EQ(state.ToolButtons().size(), 1);
    EXPECT_EQ(state.ToolButtons()[0].Tag, -1);
}

TEST(ActionState, SecondPressOnTheSameToolWithinHalfASecondAdds)
{
    struct Press
    {
        int tag;
        qint64 at;
        int adds;      // element type added, -1 none
        int toolAfter; // current element tool afterwards
    };
    struct Case
    {
        const char* label;
        std::vector<Press> presses;
    };
    const Case cases[] = {
        {"499 ms apart", {{9, 1000, -1, 9}, {9, 1499, 9, -1}}},
        {"500 ms apart", {{9, 1000, -1, 9}, {9, 1500, -1, 9}}},
        {"different buttons", {{9, 1000, -1, 9}, {10, 1100, -1, 10}, {9, 1200, -1, 9}}},
        {"arrow twice", {{-1, 1000, -1, -1}, {-1, 1100, -1, -1}}},
        {"third press starts afresh",
         {{9, 1000, -1, 9}, {9, 1200, 9, -1}, {9, 1300, -1, 9}, {9, 1400, 9, -1}}},
        {"first press soon after start", {{9, 100, -1, 9}}},
    };
    for (const Case& c : cases) {
        CActionState state;
        int step = 0;
        for (const Press& p : c.presses) {
            EXPECT_EQ(state.ElementToolClick(p.tag, p.at), p.adds) << c.label << " press " << step;
            EXPECT_EQ(state.CurrentElementTool(), p.toolAfter) << c.label << " press " << step;
            ++step;
        }
    }
}

TEST(ActionState, EmptiedToolbarLeavesNoToolChosen)
{
    CElementManage registry;
    registry.Info(3).IsACLoadCalculation = 1;
    CActionState state;
    state.BuildElementToolbar(3, registry);
    state.ElementToolClick(3, 1000);
    ASSERT_EQ(state.CurrentElementTool(), 3);

    state.ClearElementToolbar();
    EXPECT_TRUE(state.ToolButtons().isEmpty());
    EXPECT_EQ(state.CurrentElementTool(), -1);
    // A press right after on the old button cannot add into the next project.
    EXPECT_EQ(state.ElementToolClick(3, 1100), -1);
}

class ActionStateShipped : public ModelFixture
{
protected:
    void SetUp() override
    {
        ModelFixture::SetUp();
        m_registry.LoadElementTypes(m_sysParam.ElementBasePerformance);
    }

    QList<int> Tags(int designType)
    {
        CActionState state;
        state.BuildElementToolbar(designType, m_registry);
        QList<int> tags;
        for (const SElementToolButton& button : state.ToolButtons())
            tags << button.Tag;
        return tags;
    }

    CElementManage m_registry;
};

TEST_F(ActionStateShipped, ToolbarsOfTheShippedRegistry)
{
    // Simple estimation works with buildings, storeys and rooms only.
    EXPECT_EQ(Tags(0), (QList<int>{-1, 30, 3, 2, 1}));
    // Heating uses the envelope, the basement wall and "other" loads, but no people or equipment.
    QList<int> heating{-1, 30, 29, 28};
    for (int type = 24; type >= 9; --type)
        heating << type;
    heating << 3 << 2 << 1;
    EXPECT_EQ(Tags(6), heating);

    CActionState state;
    state.BuildElementToolbar(0, m_registry);
    EXPECT_EQ(state.ToolButtons()[2].Caption, QStringLiteral("房间"));
    EXPECT_EQ(state.ToolButtons()[2].ImageIndex, 3);
}
