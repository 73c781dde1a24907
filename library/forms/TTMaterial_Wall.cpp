#include "library/forms/TTMaterial_Wall.h"

#include "library/CMaterialNode.h"
#include "platform/core/CTool.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

TTMaterial_Wall::TTMaterial_Wall(QWidget* owner) : TTMaterial_BaseForm(owner, {371, 214})
{
    setObjectName(QStringLiteral("TMaterial_Wall"));
    auto* grid = new QGridLayout(this);
    AddText(grid, 0, 0, QStringLiteral("InsulationMaterials"), QStringLiteral("Edit_InsulationMaterials"),
            QStringLiteral("保温材料:"));
    AddNumber(grid, 1, 0, QStringLiteral("Deta"), QStringLiteral("Edit_Deta"), QStringLiteral("δ(mm):"));
    AddNumber(grid, 2, 0, QStringLiteral("Beta"), QStringLiteral("Edit_Beta"), QStringLiteral("β:"));
    AddNumber(grid, 3, 0, QStringLiteral("D"), QStringLiteral("Edit_D"), QStringLiteral("D:"));
    AddSeasonTitles(grid, 4, 0);
    AddSummerWinter(grid, 5, 0, QStringLiteral("K_S"), QStringLiteral("K_W"), QStringLiteral("K(w/m^2℃)"));
    AddSummerWinter(grid, 6, 0, QStringLiteral("v_S"), QStringLiteral("v_W"), QStringLiteral("v"));
    AddSummerWinter(grid, 7, 0, QStringLiteral("Kesi_S"), QStringLiteral("Kesi_W"), QStringLiteral("ξ(h)"));
    AddSummerWinter(grid, 8, 0, QStringLiteral("vn_S"), QStringLiteral("vn_W"), QStringLiteral("νn"));
    AddSummerWinter(grid, 9, 0, QStringLiteral("Kesin_S"), QStringLiteral("Kesin_W"), QStringLiteral("ξn(h)"));

    Button8 = new QPushButton(QStringLiteral("材料编辑"), this);
    Button8->setObjectName(QStringLiteral("Button8"));
    Label12 = new QLabel(QStringLiteral("请先点击保存"), this);
    Label12->setObjectName(QStringLiteral("Label12"));
    Label12->setStyleSheet(QStringLiteral("color: red"));
    Label12->hide();
    grid->addWidget(Button8, 10, 1);
    grid->addWidget(Label12, 10, 2);
    connect(Button8, &QPushButton::clicked, this, &TTMaterial_Wall::Button8Click);
    FitDesignSize();
}

void TTMaterial_Wall::ExchangeData(CHvacData& bag, bool load)
{
    const bool isNew = ShownNode && ShownNode->State == CMaterialNode::StateNew;
    Button8->setEnabled(!isNew);
    Label12->setVisible(isNew);
    TTMaterial_BaseForm::ExchangeData(bag, load);
}

void TTMaterial_Wall::Button8Click()
{
    // The layer editor is a window of its own that this version does not have yet.
    CTool::Current().ShowMessageBox(QStringLiteral("提示"), QStringLiteral("“材料编辑”：该功能在本版本中尚未提供。"), 6, 2);
}
