#include "app/controls/TControlEdit.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CProgramFolder.h"
#include "report/EnergyChecks.h"
#include "report/forms/TECO_OutWindow.h"
#include "report/forms/TECO_OutsideDoor.h"
#include "report/forms/TFigureParamSet.h"
#include "report/forms/TReport.h"
#include "report/forms/TReportPrintViewer.h"
#include "report/forms/TWinWallRatio.h"
#include "tests/app/TestApplication.h"
#include "tests/report/EnergyCheckFixture.h"
#include "tests/report/ReportTestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

class EnergyCheckForms : public EnergyCheckFixture
{
protected:
    void SetUp() override
    {
        EnsureTestApplication();
        EnergyCheckFixture::SetUp();
    }

    // 甲楼: one room of 7 m × 5 m on a 7 m storey (245 m³) with 612.5 m² of outer surface; its
    // east wall of 10 m² holds a 3 m² window.
    void AddShapeBuilding()
    {
        const int room = AddRoom(AddStorey(AddBuilding("甲楼"), 7), 7, 5);
        const int east = AddByArea("OutsideWall", room, 10, {{"Direction", 7}});
        AddByArea("OutsideWindow", east, 3);
        AddByArea("ProjectionFloor", room, 602.5);
    }

    QStringList Stored(const QString& columns) { return Column("select " + columns + " from Building"); }
};

TEST_F(EnergyCheckForms, ShapeCoefficientDialogShowsComputedOrTypedValues)
{
    AddShapeBuilding();
    TFigureParamSet dialog(nullptr, "甲楼");
    dialog.show();
    EXPECT_EQ(dialog.ControlEdit1->text(), "612.5");
    EXPECT_EQ(dialog.ControlEdit2->text(), "245");
    EXPECT_EQ(dialog.lbl4->text(), "2.5");
    EXPECT_FALSE(dialog.ControlEdit1->isEnabled());
    EXPECT_FALSE(dialog.ControlEdit2->isEnabled());

    // Typing the volume: only its edit opens; a volume of 0 gives the coefficient 0.
    dialog.cbb2->setCurrentIndex(1);
    EXPECT_FALSE(dialog.ControlEdit1->isEnabled());
    EXPECT_TRUE(dialog.ControlEdit2->isEnabled());
    dialog.ControlEdit2->setText("0");
    EXPECT_EQ(dialog.lbl4->text(), "0");
    dialog.ControlEdit2->setText("2041.67");
    EXPECT_EQ(dialog.lbl4->text(), "0.3");
    dialog.ControlEdit2->setText("612.5");
    EXPECT_EQ(dialog.lbl4->text(), "1");
    dialog.ControlEdit2->setText("2489.84");
    EXPECT_EQ(dialog.lbl4->text(), "0.25"); // 0.246

    // Back to the computed value: queried again.
    dialog.cbb2->setCurrentIndex(0);
    EXPECT_EQ(dialog.ControlEdit2->text(), "245");
}

TEST_F(EnergyCheckForms, ShapeCoefficientChoicesAreKeptOnlyWhenValid)
{
    AddShapeBuilding();
    {
        TFigureParamSet dialog(nullptr, "甲楼");
        dialog.show();
        dialog.cbb2->setCurrentIndex(1);
        dialog.ControlEdit2->setText("");
        dialog.Button1->click();
        // Refused: the dialog stays, nothing is written.
        ASSERT_EQ(Dialogs().MessageBoxes.size(), 1);
        EXPECT_EQ(Dialogs().MessageBoxes.first().message, "“建筑体积”应为不小于0的数值，请重新输入。");
        EXPECT_EQ(dialog.result(), 0);
        EXPECT_EQ(Stored("seltype_cubage"), QStringList({"0"}));

        dialog.ControlEdit2->setText("490");
        dialog.Button1->click();
        EXPECT_EQ(dialog.result(), 1);
    }
    EXPECT_EQ(
        Stored(
            "seltype_area || ',' || figure_area || ',' || seltype_cubage || ',' || figure_cubage || ',' || "
            "figure_coff"),
        QStringList({"0,612.5,1,490.0,1.25"}));

    // Opened again: the typed volume is back.
    TFigureParamSet again(nullptr, "甲楼");
    again.show();
    EXPECT_EQ(again.cbb2->currentIndex(), 1);
    EXPECT_TRUE(again.ControlEdit2->isEnabled());
    EXPECT_EQ(again.ControlEdit2->text(), "490");
    EXPECT_EQ(again.lbl4->text(), "1.25");
}

TEST_F(EnergyCheckForms, RatioDialogRecomputesTheEditedRowOnly)
{
    AddShapeBuilding();
    SetAutoRefresh("1");
    TWinWallRatio dialog(nullptr, "甲楼");
    dialog.show();
    EXPECT_EQ(dialog.Edit(0, 6)->text(), "3");
    EXPECT_EQ(dialog.Edit(1, 6)->text(), "10");
    EXPECT_EQ(dialog.Edit(2, 6)->text(), "0.3");
    EXPECT_EQ(dialog.Edit(3, 6)->text(), "0");
    EXPECT_FALSE(dialog.Edit(2, 6)->isEnabled());
    EXPECT_TRUE(dialog.Edit(1, 6)->isEnabled());

    dialog.Edit(0, 3)->setText("10");
    dialog.Edit(1, 3)->setText("40");
    EXPECT_EQ(dialog.Edit(2, 3)->text(), "0.25");
    dialog.Edit(1, 3)->setText("0");
    EXPECT_EQ(dialog.Edit(2, 3)->text(), "0");
    dialog.Edit(1, 3)->setText("30");
    EXPECT_EQ(dialog.Edit(2, 3)->text(), "0.333333333333333");
    // The sum over the orientations is not redone.
    EXPECT_EQ(dialog.Edit(0, 8)->text(), "3");
}

TEST_F(EnergyCheckForms, RatioDialogStoresParsedValuesAndKeepsBadInput)
{
    AddShapeBuilding();
    SetAutoRefresh("0");
    TWinWallRatio dialog(nullptr, "甲楼");
    dialog.show();
    // Without recompute and nothing stored: zeros; 刷新 computes without storing.
    EXPECT_EQ(dialog.Edit(0, 6)->text(), "0");
    dialog.Button3->click();
    EXPECT_EQ(dialog.Edit(0, 6)->text(), "3");
    EXPECT_EQ(Stored("wd_data0_6"), QStringList({"0"}));

    dialog.Edit(1, 2)->setText("");
    dialog.Button1->click();
    ASSERT_EQ(Dialogs().MessageBoxes.size(), 1);
    EXPECT_EQ(Dialogs().MessageBoxes.first().caption, "警告");
    EXPECT_EQ(Dialogs().MessageBoxes.first().message,
              "“西”的“墙或屋顶总面积(m^2)”应为不小于0的数值，请重新输入。");
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(dialog.Edit(0, 6)->text(), "3"); // nothing typed is lost
    EXPECT_EQ(Stored("wd_data0_6"), QStringList({"0"}));

    dialog.Edit(1, 2)->setText("12.5");
    dialog.Button1->click();
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(Stored("wd_data0_6 || ',' || wd_data1_6 || ',' || wd_data1_2"), QStringList({"3.0,10.0,12.5"}));

    // Opened again without recompute: the stored areas and their ratios.
    TWinWallRatio again(nullptr, "甲楼");
    again.show();
    EXPECT_EQ(again.Edit(0, 6)->text(), "3");
    EXPECT_EQ(again.Edit(2, 6)->text(), "0.3");
    EXPECT_EQ(again.Edit(1, 2)->text(), "12.5");
}

TEST_F(EnergyCheckForms, WindowDialogShowsTwoDecimalsAfterRefresh)
{
    const int room = AddRoomInNewBuilding("乙楼");
    const int south = AddByArea("OutsideWall", room, 20, {{"Direction", 1}});
    AddByArea("OutsideWindow", south, 4, {{"material_id", AddConstruction(6, 3.0, 2.6, 0.7)}});
    SetAutoRefresh("1");
    TECO_OutWindow dialog(nullptr, "乙楼");
    dialog.show();
    EXPECT_EQ(dialog.Edit(0, 0)->text(), "2.8");
    EXPECT_EQ(dialog.Edit(1, 8)->text(), "0.7");
    EXPECT_EQ(dialog.Edit(0, 1)->text(), "0");
    dialog.Button3->click();
    EXPECT_EQ(dialog.Edit(0, 0)->text(), "2.80");
    EXPECT_EQ(dialog.Edit(0, 1)->text(), "0.00");
    dialog.Button1->click();
    EXPECT_EQ(Stored("outsidewindow_data0_0 || ',' || outsidewindow_data1_0"), QStringList({"2.8,0.7"}));
}

TEST_F(EnergyCheckForms, WallDialogShowsTheWeightedCoefficient)
{
    const int room = AddRoomInNewBuilding("丙楼");
    AddByArea("OutsideWall", room, 30, {{"material_id", AddConstruction(0, 0.6, 0.5)}});
    AddByArea("GapWall", room, 10, {{"material_id", AddConstruction(15, 1.0, 1.0)}});
    SetAutoRefresh("1");
    TECO_OutsideDoor dialog(nullptr, "丙楼");
    dialog.show();
    EXPECT_EQ(dialog.Edit(0, 0)->text(), "0.66");
    EXPECT_EQ(dialog.Edit(1, 0)->text(), "0");
    EXPECT_FALSE(dialog.Edit(1, 0)->isEnabled());
    EXPECT_EQ(dialog.Edit(0, 4)->text(), "0");
    dialog.Button3->click();
    EXPECT_EQ(dialog.Edit(0, 0)->text(), "0.66");
}

TEST_F(EnergyCheckForms, ReportWindowPrintsTheValuesAndTheTypedProjectNumber)
{
    AddShapeBuilding();
    SetAutoRefresh("1");
    ExecQueryGuarded(m_project.qryTemp, CSQLStatement("update ProjectParameter set ProjectNumber = 'P-7', "
                                                      "ProjectName = '节能工程', Designer = '张工'"));
    TReport report;
    report.SetBuildingName("甲楼");
    report.SetTemplatePath(CProgramFolder::Resolve("Lib\\reportA.fr3"));
    EXPECT_EQ(report.edt1->text(), "P-7");
    EXPECT_EQ(report.edt2->text(), "节能工程");
    ASSERT_TRUE(report.GatherValues());
    report.show();
    EXPECT_EQ(report.frxReport1GetValue("PRJNO"), "P-7");
    EXPECT_EQ(report.frxReport1GetValue("D4"), "2.5");
    EXPECT_EQ(report.frxReport1GetValue("D11"), "0.3"); // 东
    ASSERT_EQ(report.frxPreview1->PageCount(), 1);
    QStringList texts = report.frxPreview1->Pages().first().Texts();
    EXPECT_TRUE(texts.contains("工程编号：P-7"));
    EXPECT_TRUE(texts.contains("设计：张工"));
    EXPECT_TRUE(texts.contains("612.5"));
    EXPECT_FALSE(texts.join("").contains("[#"));

    report.edt1->setText("P-8");
    report.Button1->click();
    EXPECT_EQ(report.frxReport1GetValue("PRJNO"), "P-8");
    texts = report.frxPreview1->Pages().first().Texts();
    EXPECT_TRUE(texts.contains("工程编号：P-8"));

    const double millimetre = report.frxPreview1->logicalDpiX() / 25.4;
    for (QToolButton* button : {report.btn1, report.btn2, report.btn3}) {
        button->click();
        EXPECT_NEAR(report.frxPreview1->Zoom(), button->property("Tag").toInt() / 100.0 * millimetre, 1e-9);
    }
}

TEST_F(EnergyCheckForms, ReportWithoutItsTemplateSaysSo)
{
    TReport report;
    report.SetBuildingName("甲楼");
    report.SetTemplatePath(m_folder.File("lib/没有.fr3"));
    EXPECT_FALSE(report.GatherValues());
    ASSERT_EQ(Dialogs().MessageBoxes.size(), 1);
    EXPECT_EQ(Dialogs().MessageBoxes.first().caption, "错误");
    EXPECT_EQ(Dialogs().MessageBoxes.first().message, "未发现报表资源 " + m_folder.File("lib/没有.fr3"));
}
