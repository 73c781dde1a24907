#include "bulk/TMirrorForm.h"

#include "app/controls/ModalResult.h"
#include "bulk/CBulkTree.h"
#include "model/CEleAttrs.h"
#include "model/CElementBase.h"
#include "model/CNodeData.h"
#include "model/CNodeFilter.h"
#include "model/CTreeEdit.h"
#include "model/CTreeItem.h"
#include "platform/core/CTool.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {
constexpr int kStoreyType = 2;
constexpr int kRoomType = 3;

// One exchanged column of the element at full precision; false when the class has no such column.
bool ReadColumn(CElementBase& element, const QString& name, QVariant& value)
{
    CEleAttrs attrs(name);
    element.ExchangeAttrs(attrs);
    const CEleAttr* attr = attrs.GetAttr(name, false);
    if (!attr)
        return false;
    value = attr->Exact.isValid() ? attr->Exact : QVariant(attr->Value);
    return true;
}

void WriteColumn(CElementBase& element, const QString& name, const QVariant& value)
{
    CEleAttrs attrs(name);
    CEleAttr* attr = attrs.GetAttr(name, true);
    attr->Exact = value;
    attr->Value = value.typeId() == QMetaType::Double ? EleAttrRealText(value.toDouble()) : value.toString();
    attrs.mode = CEleAttrs::WriteBack;
    element.ExchangeAttrs(attrs);
}

// Turns the element's orientation; false when its row could not be written.
bool MirrorElement(int mode, CNodeData& node)
{
    CElementBase* element = node.LoadElement();
    if (!element)
        return false;
    QVariant code;
    if (!ReadColumn(*element, QStringLiteral("Direction"), code))
        return true;
    QVariant deviation(0.0);
    const bool hasAngle = ReadColumn(*element, QStringLiteral("Direction_Angle"), deviation);
    int direction = EleAttrReadInt(code.toString());
    double angle = deviation.toDouble();
    if (!TMirrorForm::MirrorDirection(mode, node.Type(), direction, angle))
        return true;
    node.KeepElementsForUndo(false);
    WriteColumn(*element, QStringLiteral("Direction"), direction);
    if (hasAngle)
        WriteColumn(*element, QStringLiteral("Direction_Angle"), angle);
    return element->UpdateRecord() == 1;
}
} // namespace

TMirrorForm::TMirrorForm(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("MirrorForm"));
    setWindowTitle(QStringLiteral("房间镜像"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setMinimumSize(345, 401);

    auto* sourceGroup = new QGroupBox(QStringLiteral("房间源"), this);
    MirrorTreeView = new QTreeWidget(sourceGroup);
    MirrorTreeView->setHeaderHidden(true);
    MirrorTreeView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MirrorTreeView->setSelectionBehavior(QAbstractItemView::SelectRows);
    (new QVBoxLayout(sourceGroup))->addWidget(MirrorTreeView);

    RadioGroup1 = new QGroupBox(QStringLiteral("镜像方式"), this);
    m_modes = new QButtonGroup(this);
    auto* modes = new QHBoxLayout(RadioGroup1);
    const QString captions[] = {QStringLiteral("点镜像"), QStringLiteral("南北镜像"), QStringLiteral("东西镜像")};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QRadioButton(captions[i], RadioGroup1);
        m_modes->addButton(button, i);
        modes->addWidget(button);
    }
    SetMode(0);

    MirrorOK = new QPushButton(QStringLiteral("确定"), this);
    MirrorOK->setDefault(true);
    MirrorCancel = new QPushButton(QStringLiteral("取消"), this);
    connect(MirrorOK, &QPushButton::clicked, this, &TMirrorForm::MirrorOKClick);
    connect(MirrorCancel, &QPushButton::clicked, this, [this] { done(mrCancel); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(MirrorOK);
    buttons->addWidget(MirrorCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sourceGroup, 1);
    layout->addWidget(RadioGroup1);
    layout->addLayout(buttons);
}

int TMirrorForm::Mode() const
{
    return m_modes->checkedId();
}

void TMirrorForm::SetMode(int mode)
{
    if (QAbstractButton* button = m_modes->button(mode))
        button->setChecked(true);
}

void TMirrorForm::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TMirrorForm::FormShow()
{
    CNodeFilter filter(kRoomType);
    filter.SetCallback([this](const CNodeData& node) { return &node != m_target; });
    CBulkTree::Fill(*MirrorTreeView, filter, kStoreyType, [this](QTreeWidgetItem* parent, const CTreeItem& source) {
        auto* item = new QTreeWidgetItem(QStringList(source.Text()));
        if (parent)
            parent->addChild(item);
        else
            MirrorTreeView->addTopLevelItem(item);
        return item;
    });
}

void TMirrorForm::MirrorOKClick()
{
    const QList<QTreeWidgetItem*> selected = MirrorTreeView->selectedItems();
    CNodeData* source = selected.isEmpty() ? nullptr : CBulkTree::NodeOf(selected.first());
    if (!source || source->Type() != kRoomType || !m_target) {
        CTool::Current().ShowMessage(QStringLiteral("请选择镜像的房间源!"));
        return;
    }
    if (!MirrorCopy(Mode(), *source, *m_target)) {
        CTool::Current().ShowMessage(QStringLiteral("房间镜像未能完成，工程未作任何修改。"));
        return;
    }
    done(mrOk);
}

bool TMirrorForm::MirrorCopy(int mode, CNodeData& source, CNodeData& target)
{
    CTreeEdit edit;
    if (!target.CopyContentFrom(&source, true))
        return false;
    bool written = true;
    target.Traverse([mode, &written](CNodeData* node) {
        written = MirrorElement(mode, *node);
        return !written;
    });
    if (!written)
        return false;
    edit.Commit();
    return true;
}

bool TMirrorForm::MirrorDirection(int mode, int type, int& direction, double& angle)
{
    const bool turns = type == 9 || type == 12 || type == 17 || type == 20;
    if (!turns || direction < 1 || direction > 8 || mode < 0 || mode > 2)
        return false;
    // Azimuth clockwise from south, degrees.
    double azimuth = (direction - 1) * 45.0 + angle;
    switch (mode) {
    case 0:
        azimuth += 180;
        break;
    case 1: // north and south exchange: mirrored about the east-west axis
        azimuth = 180 - azimuth;
        break;
    default: // east and west exchange: mirrored about the north-south axis
        azimuth = -azimuth;
        break;
    }
    azimuth = std::fmod(azimuth, 360.0);
    if (azimuth < 0)
        azimuth += 360.0;
    // A deviation a rounding error short of 45 degrees belongs to the next octant.
    const int octant = static_cast<int>(std::floor(azimuth / 45.0 + 1e-9));
    angle = std::max(0.0, azimuth - octant * 45.0);
    direction = octant % 8 + 1;
    return true;
}
