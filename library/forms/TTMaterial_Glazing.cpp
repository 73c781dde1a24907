#include "library/forms/TTMaterial_Glazing.h"

#include <QGridLayout>

namespace {
const QString kG = QStringLiteral("构造修正系数/太阳得热系数：");
const QString kDoorFrame = QStringLiteral("门框材料和类型:");
} // namespace

TTMaterial_GlazingBase::TTMaterial_GlazingBase(QWidget* owner, const QSize& designSize, const QString& name,
                                               const SParts& parts)
    : TTMaterial_BaseForm(owner, designSize)
{
    setObjectName(name);
    auto* grid = new QGridLayout(this);
    int row = 0;
    AddList(grid, row++, 0, QStringLiteral("Pane"), QStringLiteral("Edit_Pane"), QStringLiteral("玻璃层数:"),
            ValueKind::ListByText, {QStringLiteral("单层"), QStringLiteral("双层")});
    AddText(grid, row++, 0, QStringLiteral("GlassType"), QStringLiteral("Edit_GlassType"),
            QStringLiteral("玻璃材料和厚度:"));
    AddText(grid, row++, 0, QStringLiteral("FrameType"), QStringLiteral("Edit_FrameType"), parts.frameCaption);
    AddHeatTransferRows(grid, row++, QStringLiteral("传热系数W/m^2℃:"));
    if (!parts.gCaption.isEmpty())
        AddNumber(grid, row++, 0, QStringLiteral("g"), QStringLiteral("Edit_g"), parts.gCaption);
    if (parts.exfiltration) {
        AddList(grid, row++, 0, QStringLiteral("ExfiltrationGrade"), QStringLiteral("Edit_ExfiltrationGrade"),
                QStringLiteral("空气渗透性能等级:"), ValueKind::ListByText,
                {QStringLiteral("I"), QStringLiteral("II"), QStringLiteral("III"), QStringLiteral("IV"),
                 QStringLiteral("V")});
        AddNumber(grid, row++, 0, QStringLiteral("ExfiltrationCoefficient"),
                  QStringLiteral("Edit_ExfiltrationCoefficient"), QStringLiteral("空气渗透系数m^3/m.h.Pa^0.67:"));
    }
    if (parts.shading) {
        AddNumber(grid, row++, 0, QStringLiteral("Inside_Sunshade"), QStringLiteral("Edit_Inside_Sunshade"),
                  QStringLiteral("遮阳修正系数: 内"));
        AddNumber(grid, row++, 0, QStringLiteral("Outside_Sunshade"), QStringLiteral("Edit_Outside_Sunshade"),
                  QStringLiteral("遮阳修正系数: 外"));
        AddNumber(grid, row++, 0, QStringLiteral("Glass_Revise"), QStringLiteral("Edit_Glass_Revise"),
                  QStringLiteral("玻璃修正系数:"));
    }
    grid->setRowStretch(row, 1);
    FitDesignSize();
}

TTMaterial_OutsideWindow::TTMaterial_OutsideWindow(QWidget* owner)
    : TTMaterial_GlazingBase(owner, {362, 251}, QStringLiteral("TMaterial_OutsideWindow"),
                             {QStringLiteral("窗框材料和类型:"), QStringLiteral("窗户的构造修正系数/太阳得热系数"), true, true})
{
}

TTMaterial_OutsideDoor::TTMaterial_OutsideDoor(QWidget* owner)
    : TTMaterial_GlazingBase(owner, {449, 241}, QStringLiteral("TMaterial_OutsideDoor"),
                             {kDoorFrame, QStringLiteral("门的构造修正系数/太阳得热系数："), true, false})
{
}

TTMaterial_GlassCurtainWall::TTMaterial_GlassCurtainWall(QWidget* owner)
    : TTMaterial_GlazingBase(owner, {383, 204}, QStringLiteral("TMaterial_GlassCurtainWall"),
                             {QStringLiteral("框架材料和类型:"), kG, true, false})
{
}

TTMaterial_GlassRoof_SkyWindow::TTMaterial_GlassRoof_SkyWindow(QWidget* owner)
    : TTMaterial_GlazingBase(owner, {335, 162}, QStringLiteral("TMaterial_GlassRoof_SkyWindow"),
                             {QStringLiteral("框架材料和类型:"), kG, false, false})
{
}

TTMaterial_InsideWindow::TTMaterial_InsideWindow(QWidget* owner)
    : TTMaterial_GlazingBase(owner, {374, 131}, QStringLiteral("TMaterial_InsideWindow"), {})
{
}

TTMaterial_InsideDoor::TTMaterial_InsideDoor(QWidget* owner)
    : TTMaterial_GlazingBase(owner, {385, 131}, QStringLiteral("TMaterial_InsideDoor"), {kDoorFrame, {}, false, false})
{
}
