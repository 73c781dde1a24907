#include "tests/app/MainWindowFixture.h"

#include "app/controls/TControlEdit.h"
#include "model/CNodeData.h"
#include "model/CTreeView2DB.h"
#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CSQLStatement.h"
#include "platform/core/CTool.h"
#include "project/CSystemGlobalData.h"
#include "report/forms/TECO_OutWindow.h"
#include "report/forms/TECO_OutsideDoor.h"
#include "report/forms/TFigureParamSet.h"
#include "report/forms/TReport.h"
#include "report/forms/TReportPrintViewer.h"
#include "report/forms/TWinWallRatio.h"
#include "tests/climate/forms/CModalSteps.h"

#include <QAction>
#include <QFile>
#include <QLabel>

namespace {
QString RegistryValue(const QString& project, const QString& key)
{
    CDbConnection con(QStringLiteral("EnergyCommandsRead"));
    con.Open(project);
    CDbQuery query(con);
    OpenQueryGuarded(query, CSQLStatement("select f_value from tbl_registry where f_key = ?", {key}));
    const QString value = query.Eof() ? QString() : query.Field(0).toString();
    query.Close();
    con.Close();
    return value;
}
} // namespace

class EnergyCheckCommands : public MainWindowFixture
{
protected:
    QAction* BuildingAction(int slot) const
    {
        return m_window->Action(QStringLiteral("act_SetCurBuilder%1").arg(slot));
    }
    QStringList VisibleBuildings() const
    {
        QStringList names;
        for (int slot = 1; slot <= 10; ++slot)
            if (BuildingAction(slot)->isVisible())
                names << BuildingAction(slot)->text();
        return names;
    }
    void ChooseFirstBuilding()
    {
        Trigger("act_RefreshBuilerList");
        BuildingAction(1)->trigger();
    }
};

TEST_F(EnergyCheckCommands, BuildingActionsOfferTheFirstTenBuildings)
{
    OpenSmallProject();
    Trigger("act_RefreshBuilerList");
    EXPECT_EQ(VisibleBuildings(), QStringList({"大楼1"}));
    CNodeData& root = CTreeView2DB::Current().Root();
    for (int i = 0; i < 11; ++i)
        ASSERT_NE(root.CreateChild(1, QString(), nullptr, 0), nullptr);
    Trigger("act_RefreshBuilerList");
    const QStringList shown = VisibleBuildings();
    ASSERT_EQ(shown.size(), 10);
    EXPECT_EQ(shown.first(), "大楼1");
    EXPECT_EQ(shown.last(), "大楼10");

    // Without buildings every action is hidden.
    ASSERT_TRUE(root.DeleteChildren());
    Trigger("act_RefreshBuilerList");
    EXPECT_TRUE(VisibleBuildings().isEmpty());
}

TEST_F(EnergyCheckCommands, ChosenBuildingAndStandardAreKeptWithTheProject)
{
    OpenSmallProject();
    CTreeView2DB::Current().Root().CreateChild(1, QString(), nullptr, 0);
    Trigger("act_RefreshBuilerList");
    BuildingAction(2)->trigger();
    const int chosen = BuildingAction(2)->data().toInt();
    EXPECT_EQ(RegistryValue(m_projectPath, "curbuildingid"), QString::number(chosen));
    Trigger("act_STDType4");
    EXPECT_EQ(RegistryValue(m_projectPath, "stdtypeindex"), "3");

    // After saving, the chosen building carries the mark; reopened, both choices are back.
    CSystemGlobalData::Current().SaveProject();
    EXPECT_TRUE(BuildingAction(2)->isChecked());
    EXPECT_FALSE(BuildingAction(1)->isChecked());
    CSystemGlobalData::Current().OpenProject(QString());
    CSystemGlobalData::Current().OpenProject(m_projectPath);
    EXPECT_TRUE(BuildingAction(2)->isChecked());
    EXPECT_TRUE(m_window->Action("act_STDType4")->isChecked());
}

TEST_F(EnergyCheckCommands, CommandsWithoutACheckBuildingWarn)
{
    OpenSmallProject();
    // No registry rows: building 0 (none), standard 0.
    CSystemGlobalData::Current().OpenProject(QString());
    {
        CDbConnection con(QStringLiteral("EnergyCommandsWrite"));
        con.Open(m_projectPath);
        CDbQuery query(con);
        ExecQueryGuarded(query, CSQLStatement("delete from tbl_registry where f_key in ('curbuildingid', "
                                              "'stdtypeindex')"));
        query.Close();
        con.Close();
    }
    CSystemGlobalData::Current().OpenProject(m_projectPath);
    EXPECT_TRUE(m_window->Action("act_STDType1")->isChecked());
    for (const char* command : {"act_FigureParam", "act_WindowWallCoff", "act_outsidewindowcoff",
                                "act_outsidewallcoff", "act_outputtable"}) {
        SCOPED_TRACE(command);
        m_dialogs->MessageBoxes.clear();
        Trigger(command);
        ASSERT_EQ(m_dialogs->MessageBoxes.size(), 1);
        EXPECT_EQ(m_dialogs->MessageBoxes.first().caption, "警告");
        EXPECT_EQ(m_dialogs->MessageBoxes.first().message, "请先设定当前计算建筑");
    }
}

TEST_F(EnergyCheckCommands, CommandsOpenTheirChecksForTheChosenBuilding)
{
    OpenSmallProject();
    ChooseFirstBuilding();
    CModalSteps steps;
    QStringList seen;
    steps.On<TFigureParamSet>([&](TFigureParamSet& d) {
        seen << d.windowTitle() + ":" + d.BuildingName() + ":" + d.lbl4->text();
        d.reject();
    });
    steps.On<TWinWallRatio>([&](TWinWallRatio& d) {
        seen << d.windowTitle() + ":" + d.BuildingName() + ":" + d.Edit(0, 8)->text();
        d.reject();
    });
    steps.On<TECO_OutWindow>([&](TECO_OutWindow& d) {
        seen << d.windowTitle() + ":" + d.BuildingName();
        d.reject();
    });
    steps.On<TECO_OutsideDoor>([&](TECO_OutsideDoor& d) {
        seen << d.windowTitle() + ":" + d.BuildingName();
        d.reject();
    });
    steps.On<TReport>([&](TReport& d) {
        seen << d.windowTitle() + ":" + QString::number(d.frxPreview1->PageCount());
        d.reject();
    });
    for (const char* command : {"act_FigureParam", "act_WindowWallCoff", "act_outsidewindowcoff",
                                "act_outsidewallcoff", "act_outputtable"})
        Trigger(command);
    EXPECT_EQ(steps.Pending(), 0);
    EXPECT_EQ(seen, QStringList({"体形系数计算:大楼1:0", "窗墙面积比计算:大楼1:0", "外窗传热系数计算:大楼1",
                                 "外墙传热系数计算:大楼1", "报表:1"}));
    EXPECT_TRUE(m_dialogs->MessageBoxes.isEmpty());
}

TEST_F(EnergyCheckCommands, ReportWithoutItsTemplateIsRefused)
{
    OpenSmallProject();
    ChooseFirstBuilding();
    ASSERT_TRUE(QFile::remove(m_folder.File("lib/reportA.fr3")));
    Trigger("act_outputtable");
    ASSERT_EQ(m_dialogs->MessageBoxes.size(), 1);
    EXPECT_EQ(m_dialogs->MessageBoxes.first().caption, "警告");
    EXPECT_EQ(m_dialogs->MessageBoxes.first().message, "报表文件缺失，请联系软件供应商");
}
