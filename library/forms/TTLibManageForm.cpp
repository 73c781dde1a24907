#include "library/forms/TTLibManageForm.h"

#include "app/controls/ModalResult.h"
#include "app/controls/TBMPButton.h"
#include "library/CHvacData.h"
#include "library/CMaterialNode.h"
#include "library/forms/TEditPicture.h"
#include "library/forms/TTMaterialTreeFrame.h"
#include "library/forms/TTMaterial_Glazing.h"
#include "library/forms/TTMaterial_Ground.h"
#include "library/forms/TTMaterial_RoomOccupation.h"
#include "library/forms/TTMaterial_Wall.h"
#include "library/forms/TTStoreyOccupation.h"
#include "model/CRoomOccupationCache.h"
#include "model/NameTables.h"
#include "model/TDM_Project.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

#include <QApplication>
#include <QGroupBox>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int kYes = 6;

bool ProjectIsOpen()
{
    return TDM_Project::Exists() && TDM_Project::Current().ProjectCon.IsOpen();
}

TTMaterial_BaseForm* CreateRecordFrame(int kind, QWidget* host)
{
    switch (kind) {
    case 6:
        return new TTMaterial_OutsideWindow(host);
    case 7:
        return new TTMaterial_OutsideDoor(host);
    case 8:
        return new TTMaterial_GlassCurtainWall(host);
    case 9:
    case 12:
        return new TTMaterial_GlassRoof_SkyWindow(host);
    case 10:
        return new TTMaterial_InsideWindow(host);
    case 11:
        return new TTMaterial_InsideDoor(host);
    case 13:
        return new TTMaterial_Ground(host);
    case 16:
        return new TTMaterial_RoomOccupation(host);
    case 18:
        return new TTStoreyOccupation(host);
    case 19:
        return new TTMaterial_BasementWall(host);
    default:
        return new TTMaterial_Wall(host);
    }
}

int Ask(const QString& message)
{
    return CTool::Current().ShowMessageBox(QStringLiteral("警告"), message, 9, 0, QStringLiteral("是"),
                                           QStringLiteral("否"));
}
} // namespace

TTLibManageForm::TTLibManageForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TLibManageForm"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    resize(753, 572);
    setAutoFillBackground(true);

    ActionToolBar1 = new QToolBar(this);
    ActionToolBar1->setObjectName(QStringLiteral("ActionToolBar1"));
    ActionToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    QStyle* style = QApplication::style();
    auto action = [&](const char* name, const QString& text, QStyle::StandardPixmap icon, void (TTLibManageForm::*slot)()) {
        auto* act = new QAction(style->standardIcon(icon), text, this);
        act->setObjectName(QString::fromLatin1(name));
        ActionToolBar1->addAction(act);
        connect(act, &QAction::triggered, this, slot);
        return act;
    };
    act_clone = action("act_clone", QStringLiteral("创建副本(&Y)"), QStyle::SP_FileDialogNewFolder,
                       &TTLibManageForm::act_cloneExecute);
    act_rename = action("act_rename", QStringLiteral("更名(&V)"), QStyle::SP_FileDialogDetailedView,
                        &TTLibManageForm::act_renameExecute);
    act_delete = action("act_delete", QStringLiteral("删除(&Z)"), QStyle::SP_TrashIcon, &TTLibManageForm::act_deleteExecute);
    ActionToolBar1->addSeparator();
    act_movetoprj = action("act_movetoprj", QStringLiteral("添加到工程库(&W)"), QStyle::SP_ArrowRight,
                           &TTLibManageForm::act_movetoprjExecute);
    act_movetosys = action("act_movetosys", QStringLiteral("添加到系统库(&X)"), QStyle::SP_ArrowLeft,
                           &TTLibManageForm::act_movetosysExecute);

    GroupBox1 = new QGroupBox(QStringLiteral("目录结构"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    TMaterialTreeFrame1 = new TTMaterialTreeFrame(GroupBox1);
    auto* treeLayout = new QVBoxLayout(GroupBox1);
    treeLayout->addWidget(TMaterialTreeFrame1);
    GroupBox2 = new QGroupBox(QStringLiteral("详细参数"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox3 = new QGroupBox(QStringLiteral("图示"), this);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    EditPicture1 = new TEditPicture(GroupBox3);
    auto* pictureLayout = new QVBoxLayout(GroupBox3);
    pictureLayout->addWidget(EditPicture1);

    BMPButton1 = new TBMPButton(QStringLiteral("确定"), this);
    BMPButton2 = new TBMPButton(QStringLiteral("取消"), this);
    BMPButton3 = new TBMPButton(QStringLiteral("保存"), this);
    BMPButton1->setObjectName(QStringLiteral("BMPButton1"));
    BMPButton2->setObjectName(QStringLiteral("BMPButton2"));
    BMPButton3->setObjectName(QStringLiteral("BMPButton3"));
    connect(BMPButton1, &TBMPButton::OnClick, this, &TTLibManageForm::OkClick);
    connect(BMPButton2, &TBMPButton::OnClick, this, &TTLibManageForm::CancelClick);
    connect(BMPButton3, &TBMPButton::OnClick, this, [this] { SaveClick(); });
    UpdateActionStates();
}

void TTLibManageForm::SetLibraryKind(int kind)
{
    m_libKind = kind;
    RecordFrame = CreateRecordFrame(kind, GroupBox2);
    RecordFrame->Manager = this;
    RecordFrame->RefreshLists();
    RecordFrame->move(20, 20);
    RecordFrame->hide();

    const bool construction = LibraryShape(kind) == 0;
    const int toolBarHeight = ActionToolBar1->sizeHint().height();
    const int top = toolBarHeight + 4;
    const int width = std::max(RecordFrame->width(), 300) + 40;
    const int recordHeight = RecordFrame->height() + 40;
    const int treeHeight = std::max(480, construction ? recordHeight + 6 + 200 : recordHeight);
    GroupBox1->setGeometry(8, top, 260, treeHeight);
    const int left = GroupBox1->geometry().right() + 8;
    if (construction) {
        GroupBox2->setGeometry(left, top, width, recordHeight);
        GroupBox3->setGeometry(left, top + recordHeight + 6, width, treeHeight - recordHeight - 6);
    } else {
        GroupBox2->setGeometry(left, top, width, treeHeight);
        GroupBox3->setGeometry(left, top, width, 0);
    }
    GroupBox3->setVisible(construction);
    const int formWidth = GroupBox3->x() + GroupBox3->width() + 10;
    const int buttonTop = top + treeHeight + 10;
    setFixedSize(formWidth, buttonTop + 22 + 10);
    ActionToolBar1->setGeometry(0, 0, formWidth, toolBarHeight);
    BMPButton3->setGeometry(formWidth - 20 - 75, buttonTop, 75, 22);
    BMPButton1->setGeometry(formWidth / 2 - 2 - 75, buttonTop, 75, 22);
    BMPButton2->setGeometry(formWidth / 2 + 2, buttonTop, 75, 22);

    TMaterialTreeFrame1->OnSelect = [this](QTreeWidgetItem* item) { SelectionChanged(item); };
    TMaterialTreeFrame1->LoadTree(kind);
    CurrentItem = nullptr;
    ShowCurrentNode();
    UpdateActionStates();
    setWindowTitle(QStringLiteral("%1编辑").arg(LibraryName(kind)));
}

CMaterialNode* TTLibManageForm::CurrentNode() const
{
    return TTMaterialTreeFrame::NodeOf(CurrentItem);
}

void TTLibManageForm::SelectionChanged(QTreeWidgetItem* item)
{
    if (item == CurrentItem)
        return;
    if (!StoreCurrentNode()) {
        // The shown record keeps its place until its boxes hold numbers.
        const QSignalBlocker blocker(TMaterialTreeFrame1->TreeView1);
        TMaterialTreeFrame1->TreeView1->setCurrentItem(CurrentItem);
        return;
    }
    CurrentItem = item;
    ShowCurrentNode();
    UpdateActionStates();
}

bool TTLibManageForm::StoreCurrentNode()
{
    CMaterialNode* node = CurrentNode();
    if (!node || node->NodeKind != CMaterialNode::KindRecord || !RecordFrame)
        return true;
    CHvacData* data = node->GetData();
    if (!data)
        return true;
    const QString invalid = RecordFrame->InvalidNumberCaption();
    if (!invalid.isEmpty()) {
        CTool::Current().ShowMessageBox(QStringLiteral("警告"),
                                        QStringLiteral("“%1”的值不是有效的数值，请改正后再保存。").arg(invalid.trimmed()),
                                        6, 0);
        return false;
    }
    CHvacData fresh;
    RecordFrame->ExchangeData(fresh, false);
    if (LibraryShape(m_libKind) == 0)
        fresh.Blob = EditPicture1->SavePicture();
    if (!data->IsEqual(fresh)) {
        data->Assign(fresh);
        if (node->State == CMaterialNode::StateClean)
            node->State = CMaterialNode::StateModified;
    }
    return true;
}

void TTLibManageForm::ShowCurrentNode()
{
    CMaterialNode* node = CurrentNode();
    CHvacData* data = nullptr;
    if (node && node->NodeKind == CMaterialNode::KindRecord) {
        try {
            data = node->GetData();
        } catch (const Exception& e) {
            CTool::Current().ShowMessage(e.Message());
        }
    }
    if (!data) {
        RecordFrame->hide();
        EditPicture1->hide();
        return;
    }
    RecordFrame->show();
    EditPicture1->show();
    RecordFrame->ShownNode = node;
    RecordFrame->ExchangeData(*data, true);
    if (LibraryShape(m_libKind) == 0)
        EditPicture1->LoadPicture(data->Blob, node->Caption);
}

void TTLibManageForm::UpdateActionStates()
{
    act_delete->setEnabled(false);
    act_rename->setEnabled(false);
    act_clone->setEnabled(false);
    act_movetoprj->setVisible(false);
    act_movetosys->setVisible(false);
    CMaterialNode* node = CurrentNode();
    if (!node || node->NodeKind != CMaterialNode::KindRecord)
        return;
    const int source = node->GetSource();
    const bool open = ProjectIsOpen();
    const bool editable = source == CMaterialNode::SourceProject || (!open && source == CMaterialNode::SourceSystem);
    bool deletable = false;
    try {
        deletable = node->CanDelete();
    } catch (const Exception& e) {
        CTool::Current().ShowMessage(e.Message());
    }
    act_delete->setEnabled(deletable);
    act_rename->setEnabled(editable);
    act_clone->setEnabled(editable);
    act_movetoprj->setVisible(source != CMaterialNode::SourceProject && open);
    act_movetosys->setVisible(source != CMaterialNode::SourceSystem);
}

bool TTLibManageForm::HasChanges()
{
    StoreCurrentNode();
    return TMaterialTreeFrame1->HasModified();
}

bool TTLibManageForm::SaveClick()
{
    if (!StoreCurrentNode())
        return false;
    try {
        TMaterialTreeFrame1->SaveAll();
    } catch (const Exception& e) {
        CTool::Current().ShowMessage(QStringLiteral("保存失败，数据未作任何修改：\n%1").arg(e.Message()));
        return false;
    }
    UpdateActionStates();
    if (m_libKind == 16 && CRoomOccupationCache::Exists())
        ClearRoomOccupationCache();
    return true;
}

void TTLibManageForm::OkClick()
{
    try {
        TMaterialTreeFrame1->SaveAll();
    } catch (const Exception& e) {
        CTool::Current().ShowMessage(QStringLiteral("保存失败，数据未作任何修改：\n%1").arg(e.Message()));
        return;
    }
    done(mrOk);
}

void TTLibManageForm::CancelClick()
{
    done(mrCancel);
}

void TTLibManageForm::reject()
{
    CancelClick();
}

void TTLibManageForm::done(int result)
{
    if (m_closing)
        return QDialog::done(result);
    CMaterialNode* node = CurrentNode();
    if (node && RecordFrame && !RecordFrame->InvalidNumberCaption().isEmpty()) {
        const QString caption = RecordFrame->InvalidNumberCaption().trimmed();
        if (Ask(QStringLiteral("“%1”的值不是有效的数值，此记录的修改将不会保存。是否关闭？").arg(caption)) != kYes)
            return;
        CurrentItem = nullptr; // its edits are given up
    } else {
        StoreCurrentNode();
    }
    if (TMaterialTreeFrame1->HasModified()) {
        if (Ask(QStringLiteral("数据已经被修改，是否保存？")) == kYes) {
            if (!SaveClick())
                return; // the edits stay for another try
            result = mrOk;
        }
    }
    m_closing = true;
    QDialog::done(result);
}

void TTLibManageForm::act_deleteExecute()
{
    CMaterialNode* node = CurrentNode();
    if (!node || node->NodeKind != CMaterialNode::KindRecord || !node->CanDelete())
        return;
    if (Ask(QStringLiteral("确认删除[%1]？").arg(node->Caption)) != kYes)
        return;
    CMaterialNode* parent = node->Parent;
    CurrentItem = nullptr;
    {
        const QSignalBlocker blocker(TMaterialTreeFrame1->TreeView1);
        node->MarkDeleted();
    }
    TMaterialTreeFrame1->SelectNode(parent);
    SelectionChanged(TMaterialTreeFrame1->TreeView1->currentItem());
}

void TTLibManageForm::act_renameExecute()
{
    CMaterialNode* node = CurrentNode();
    if (!node || node->NodeKind != CMaterialNode::KindRecord)
        return;
    QString name = node->Caption;
    while (true) {
        if (CTool::Current().Input(QStringLiteral("新名称:  "), name, 0, QStringLiteral("更名  ")) != kYes)
            return;
        if (name.isEmpty())
            continue;
        if (node->Rename(name))
            break;
    }
    TMaterialTreeFrame1->TreeView1->sortItems(0, Qt::AscendingOrder);
    UpdateActionStates();
}

void TTLibManageForm::CopyCurrentTo(CMaterialNode* root, bool noQuestion)
{
    CMaterialNode* node = CurrentNode();
    if (!node || node->NodeKind != CMaterialNode::KindRecord || !root)
        return;
    if (!StoreCurrentNode())
        return;
    CurrentItem = nullptr;
    CMaterialNode* copy = nullptr;
    try {
        const QSignalBlocker blocker(TMaterialTreeFrame1->TreeView1);
        copy = node->CopyTo(root, noQuestion);
    } catch (const Exception& e) {
        CTool::Current().ShowMessage(e.Message());
    }
    TMaterialTreeFrame1->SelectNode(copy ? copy : node);
    SelectionChanged(TMaterialTreeFrame1->TreeView1->currentItem());
}

void TTLibManageForm::act_cloneExecute()
{
    if (CMaterialNode* node = CurrentNode())
        CopyCurrentTo(node->GetRoot(), true);
}

void TTLibManageForm::act_movetoprjExecute()
{
    if (CMaterialNode* project = TMaterialTreeFrame1->GetProjectRoot())
        CopyCurrentTo(project, false);
}

void TTLibManageForm::act_movetosysExecute()
{
    CopyCurrentTo(TMaterialTreeFrame1->GetSystemRoot(), false);
}

int PickLibraryItem(int kind, int currentId, QWidget* parent)
{
    TTLibManageForm form(parent);
    form.SetLibraryKind(kind);
    form.TMaterialTreeFrame1->SelectById(currentId);
    if (form.exec() != mrOk)
        return -1;
    try {
        CMaterialNode* node = form.TMaterialTreeFrame1->GetSelectedMaterial();
        return node ? node->ID : -1;
    } catch (const Exception& e) {
        CTool::Current().ShowMessage(e.Message());
        return -1;
    }
}
