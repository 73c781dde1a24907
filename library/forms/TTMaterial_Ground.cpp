#include "library/forms/TTMaterial_Ground.h"

#include <QGridLayout>

TTMaterial_Ground::TTMaterial_Ground(QWidget* owner) : TTMaterial_BaseForm(owner, {324, 229})
{
    setObjectName(QStringLiteral("TMaterial_Ground"));
    auto* grid = new QGridLayout(this);
    AddList(grid, 0, 0, QStringLiteral("GroundType"), QStringLiteral("Edit_GroundType"), QStringLiteral("地面类别:"),
            ValueKind::ListByIndex,
            {QStringLiteral("0-基层为碎石混凝土,面层为木材、塑料等"), QStringLiteral("1-基层为碎砖混凝土,面层为水泥砂浆等"),
             QStringLiteral("2-基层为碎石混凝土,面层为水泥砂浆、水磨石、豆石混凝土等")});
    AddText(grid, 1, 0, QStringLiteral("InsulationMaterials"), QStringLiteral("Edit_InsulationMaterials"),
            QStringLiteral("保温材料:"));
    AddNumber(grid, 2, 0, QStringLiteral("Deta"), QStringLiteral("Edit_Deta"), QStringLiteral("δ(mm):"));
    AddHeatTransferRows(grid, 3, QStringLiteral("传热系数W/m^2℃"));
    grid->setRowStretch(4, 1);
    FitDesignSize();
}

TTMaterial_BasementWall::TTMaterial_BasementWall(QWidget* owner) : TTMaterial_BaseForm(owner, {262, 174})
{
    setObjectName(QStringLiteral("TMaterial_BasementWall"));
    auto* grid = new QGridLayout(this);
    AddText(grid, 0, 0, QStringLiteral("InsulationMaterials"), QStringLiteral("Edit_InsulationMaterials"),
            QStringLiteral("保温材料:"));
    AddNumber(grid, 1, 0, QStringLiteral("Deta"), QStringLiteral("Edit_Deta"), QStringLiteral("δ(mm):"));
    AddNumber(grid, 2, 0, QStringLiteral("D"), QStringLiteral("Edit_D"), QStringLiteral("热惰性指标:"));
    AddHeatTransferRows(grid, 3, QStringLiteral("传热系数W/m^2℃"));
    grid->setRowStretch(4, 1);
    FitDesignSize();
}
