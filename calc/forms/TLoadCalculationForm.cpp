#include "calc/forms/TLoadCalculationForm.h"

#include "app/controls/TBMPButton.h"
#include "app/controls/TCheckTreeView.h"
#include "app/controls/TRadioGroup.h"
#include "bulk/CBulkTree.h"
#include "calc/CCalMsgOutput.h"
#include "calc/CCalResultBuffer.h"
#include "calc/CCalculateHostBase.h"
#include "calc/CNodeDataBuffer.h"
#include "calc/CRunTimeMgr.h"
#include "calc/CSchemePlugInBase.h"
#include "calc/forms/TSetRunTimeModule.h"
#include "model/CNodeData.h"
#include "model/CNodeFilter.h"
#include "model/CTreeItem.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"
#include "report/engine/CQORReport.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace {
constexpr int kRoomType = 3;
constexpr int kModalOk = 1;
// Rooms named in the message about rooms of other schemes; the rest are counted.
constexpr int kListedConflicts = 10;

CRunTimeMgr& Schemes()
{
    return CRunTimeMgr::Current();
}

CTool& Tool()
{
    return CTool::Current();
}

// The file name with its extension replaced by ".CSV" (appended when it has none).
QString CsvPath(const QString& path)
{
    const int dot = static_cast<int>(path.lastIndexOf(QLatin1Char('.')));
    const int slash = static_cast<int>(std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))));
    return (dot > slash ? path.left(dot) : path) + QStringLiteral(".CSV");
}

void SetSchemeName(const QString& name)
{
    if (CCalculateHostBase* host = CCalculateHostBase::GetCurrent())
        host->SetSchemeName(name);
}
} // namespace

TLoadCalculationForm::TLoadCalculationForm(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("LoadCalculationForm"));
    setWindowTitle(QStringLiteral("运行方案管理"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    lblModelName = new QLabel(QStringLiteral("运行方案"), this);
    cbbModelName = new QComboBox(this);
    cbbModelName->setObjectName(QStringLiteral("cbbModelName"));
    cbbModelName->setMinimumWidth(220);
    bmpbtnAddNewModelName = new TBMPButton(QStringLiteral("新方案"), this);
    bmpbtnUpdateModelName = new TBMPButton(QStringLiteral("更名"), this);
    bmpbtnDeleteModel = new TBMPButton(QStringLiteral("删除"), this);

    auto* grp2 = new QGroupBox(QStringLiteral("方案管理"), this);
    Label1 = new QLabel(QStringLiteral("方案控制区域"), grp2);
    CheckTreeView1 = new TCheckTreeView(grp2);
    CheckTreeView1->setObjectName(QStringLiteral("CheckTreeView1"));
    CheckTreeView1->setHeaderHidden(true);
    CheckTreeView1->setMinimumSize(280, 300);
    CheckTreeView1->ApplyToParent = true;
    CheckTreeView1->ApplyToChild = true;
    bmpbtnSchemeSet = new TBMPButton(QStringLiteral("方案设置"), grp2);
    RadioGroup3 = new TRadioGroup(QStringLiteral("报告清单"), {}, 1, grp2);
    BMPButton1 = new TBMPButton(QStringLiteral("显示报告"), grp2);
    BMPButton3 = new TBMPButton(QStringLiteral("重置"), grp2);
    BMPButton2 = new TBMPButton(QStringLiteral("保存"), grp2);
    Label2 = new QLabel(QStringLiteral("注:同一房间只能添加到一个运行方案中"), grp2);
    Label2->setStyleSheet(QStringLiteral("color: red;"));

    RadioGroup1 = new TRadioGroup(QStringLiteral("汇总方式"),
                                  {QStringLiteral("按月"), QStringLiteral("按日"), QStringLiteral("按时")}, 3, this);
    RadioGroup1->SetItemIndex(0);
    bmpbtnOutput = new TBMPButton(QStringLiteral("汇总输出"), this);

    auto* top = new QHBoxLayout;
    top->addWidget(lblModelName);
    top->addWidget(cbbModelName, 1);
    top->addWidget(bmpbtnAddNewModelName);
    top->addWidget(bmpbtnUpdateModelName);
    top->addWidget(bmpbtnDeleteModel);

    auto* side = new QVBoxLayout;
    side->addWidget(bmpbtnSchemeSet);
    side->addWidget(RadioGroup3, 1);
    side->addWidget(BMPButton1);
    auto* treeColumn = new QVBoxLayout;
    treeColumn->addWidget(Label1);
    treeColumn->addWidget(CheckTreeView1, 1);
    auto* middle = new QHBoxLayout;
    middle->addLayout(treeColumn, 1);
    middle->addLayout(side);
    auto* store = new QHBoxLayout;
    store->addWidget(BMPButton3);
    store->addWidget(BMPButton2);
    store->addWidget(Label2, 1);
    auto* group = new QVBoxLayout(grp2);
    group->addLayout(middle, 1);
    group->addLayout(store);

    auto* output = new QHBoxLayout;
    output->addWidget(RadioGroup1, 1);
    output->addWidget(bmpbtnOutput, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grp2, 1);
    layout->addLayout(output);

    EnableStoreButtons(false);
    CheckTreeView1->OnManualStatueChanged = [this](QTreeWidgetItem*) { CheckTreeView1ManualStatueChanged(); };
    connect(cbbModelName, &QComboBox::activated, this, [this] { cbbModelNameChange(); });
    connect(bmpbtnAddNewModelName, &TBMPButton::OnClick, this, [this] { bmpbtnAddNewModelNameClick(); });
    connect(bmpbtnUpdateModelName, &TBMPButton::OnClick, this, [this] { bmpbtnUpdateModelNameClick(); });
    connect(bmpbtnDeleteModel, &TBMPButton::OnClick, this, [this] { bmpbtnDeleteModelClick(); });
    connect(bmpbtnSchemeSet, &TBMPButton::OnClick, this, [this] { bmpbtnSchemeSetClick(); });
    connect(BMPButton1, &TBMPButton::OnClick, this, [this] { BMPButton1Click(); });
    connect(BMPButton2, &TBMPButton::OnClick, this, [this] { BMPButton2Click(); });
    connect(BMPButton3, &TBMPButton::OnClick, this, [this] { BMPButton3Click(); });
    connect(bmpbtnOutput, &TBMPButton::OnClick, this, [this] { bmpbtnOutputClick(); });

    setFixedSize(sizeHint().expandedTo(QSize(480, 520)));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TLoadCalculationForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TLoadCalculationForm::FormShow()
{
    RefreshRoomTree();
    if (Schemes().Count() > 0)
        FillSchemeList();
}

void TLoadCalculationForm::RefreshRoomTree()
{
    CheckTreeView1->clear();
    const CNodeFilter rooms(kRoomType);
    CBulkTree::Fill(*CheckTreeView1, rooms, -1, [this](QTreeWidgetItem* parent, const CTreeItem& source) {
        return CheckTreeView1->AddItem(parent, source.Text(), 0);
    });
    UncheckAll();
    FillReportList();
    if (QTreeWidgetItem* first = CheckTreeView1->topLevelItem(0))
        first->setExpanded(true);
}

void TLoadCalculationForm::FillReportList()
{
    const CCalculateHostBase* host = CCalculateHostBase::GetCurrent();
    m_plugIns = host ? host->SchemePlugIns() : std::vector<CSchemePlugInBase*>();
    QStringList names;
    for (const CSchemePlugInBase* plugIn : m_plugIns)
        names << plugIn->Name();
    auto* list = new TRadioGroup(RadioGroup3->title(), names, 1, RadioGroup3->parentWidget());
    delete RadioGroup3->parentWidget()->layout()->replaceWidget(RadioGroup3, list);
    delete RadioGroup3;
    RadioGroup3 = list;
    RadioGroup3->SetItemIndex(0);
}

void TLoadCalculationForm::UncheckAll()
{
    for (QTreeWidgetItem* item : CBulkTree::Items(*CheckTreeView1))
        CheckTreeView1->SetState(item, 0);
}

void TLoadCalculationForm::FillSchemeList()
{
    cbbModelName->clear();
    for (int i = 0; i < Schemes().Count(); ++i)
        cbbModelName->addItem(Schemes().SchemeAt(i)->Name);
    cbbModelName->setCurrentIndex(0);
    cbbModelNameChange();
}

RunTimeSys* TLoadCalculationForm::CurrentScheme() const
{
    return Schemes().SchemeAt(cbbModelName->currentIndex());
}

void TLoadCalculationForm::cbbModelNameChange()
{
    if (RunTimeSys* scheme = CurrentScheme())
        ShowSchemeRooms(scheme);
}

void TLoadCalculationForm::ShowSchemeRooms(const RunTimeSys* scheme)
{
    for (QTreeWidgetItem* item : CBulkTree::Items(*CheckTreeView1)) {
        const CNodeData* node = CBulkTree::NodeOf(item);
        const bool ticked = scheme && node && node->Type() == kRoomType && scheme->RoomIds.contains(node->NodeId());
        CheckTreeView1->SetState(item, ticked ? 1 : 0);
    }
    UpdateParentStates(CheckTreeView1->topLevelItem(0));
    EnableStoreButtons(false);
}

void TLoadCalculationForm::UpdateParentStates(QTreeWidgetItem* item)
{
    if (!item || item->childCount() == 0)
        return;
    bool anyUnchecked = false;
    bool anyChecked = false;
    bool anyPartly = false;
    for (int i = 0; i < item->childCount(); ++i) {
        UpdateParentStates(item->child(i));
        const int state = TCheckTreeView::State(item->child(i));
        anyUnchecked |= state == 0;
        anyChecked |= state == 1;
        anyPartly |= state == 2;
    }
    const int state = !anyUnchecked && !anyPartly && anyChecked ? 1 : !anyChecked && !anyPartly ? 0 : 2;
    CheckTreeView1->SetState(item, state);
}

void TLoadCalculationForm::CheckTreeView1ManualStatueChanged()
{
    EnableStoreButtons(CurrentScheme() != nullptr);
}

void TLoadCalculationForm::EnableStoreButtons(bool enabled)
{
    BMPButton2->setEnabled(enabled);
    BMPButton3->setEnabled(enabled);
}

void TLoadCalculationForm::StoreSchemeRooms(RunTimeSys& scheme)
{
    scheme.RoomIds.clear();
    for (QTreeWidgetItem* item : CBulkTree::Items(*CheckTreeView1)) {
        const CNodeData* node = CBulkTree::NodeOf(item);
        if (node && node->Type() == kRoomType && TCheckTreeView::State(item) == 1)
            scheme.RoomIds.append(node->NodeId());
    }
}

bool TLoadCalculationForm::BMPButton2Click()
{
    RunTimeSys* scheme = CurrentScheme();
    if (!scheme)
        return false;
    // A room in two schemes would be switched off outside the plan of the other one.
    QStringList conflicts;
    int conflictCount = 0;
    for (QTreeWidgetItem* item : CBulkTree::Items(*CheckTreeView1)) {
        const CNodeData* node = CBulkTree::NodeOf(item);
        if (!node || node->Type() != kRoomType || TCheckTreeView::State(item) != 1)
            continue;
        for (int i = 0; i < Schemes().Count(); ++i) {
            const RunTimeSys* other = Schemes().SchemeAt(i);
            if (other == scheme || !other->RoomIds.contains(node->NodeId()))
                continue;
            if (++conflictCount <= kListedConflicts)
                conflicts << QStringLiteral("%1（%2）").arg(node->GetFullPath(QStringLiteral("~")), other->Name);
            break;
        }
    }
    if (conflictCount > 0) {
        if (conflictCount > kListedConflicts)
            conflicts << QStringLiteral("……共%1个房间").arg(conflictCount);
        Tool().ShowMessageBox(QStringLiteral("错误"),
                              QStringLiteral("注:同一房间只能添加到一个运行方案中\n以下房间已属于其他运行方案，"
                                             "请取消勾选后再保存：\n%1")
                                  .arg(conflicts.join(QLatin1Char('\n'))),
                              6, 1);
        return false;
    }
    StoreSchemeRooms(*scheme);
    EnableStoreButtons(false);
    return true;
}

void TLoadCalculationForm::BMPButton3Click()
{
    if (RunTimeSys* scheme = CurrentScheme())
        ShowSchemeRooms(scheme);
}

void TLoadCalculationForm::bmpbtnAddNewModelNameClick()
{
    QString name = QStringLiteral("新方案");
    if (Tool().Input(QStringLiteral("方案名称"), name, 0, QStringLiteral("新增方案")) != 6 || name.trimmed().isEmpty())
        return;
    if (cbbModelName->findText(name, Qt::MatchFixedString) >= 0) {
        Tool().ShowMessageBox(QStringLiteral("错误"), QStringLiteral("使用了相同的模式名称"), 6, 1);
        return;
    }
    auto scheme = std::make_unique<RunTimeSys>();
    scheme->Name = name;
    if (!Schemes().AddScheme(name, scheme))
        return;
    cbbModelName->addItem(name);
    cbbModelName->setCurrentIndex(cbbModelName->count() - 1);
    cbbModelNameChange();
}

void TLoadCalculationForm::bmpbtnUpdateModelNameClick()
{
    RunTimeSys* scheme = CurrentScheme();
    if (!scheme)
        return;
    QString name = scheme->Name;
    if (Tool().Input(QStringLiteral("方案新名称"), name, 0, QStringLiteral("方案更名")) != 6 || name.trimmed().isEmpty())
        return;
    // Another scheme's name is ignored as the list compares it, letter case aside; the scheme's own
    // name may change its letter case.
    const int index = cbbModelName->currentIndex();
    for (int i = 0; i < cbbModelName->count(); ++i)
        if (i != index && cbbModelName->itemText(i).compare(name, Qt::CaseInsensitive) == 0)
            return;
    Schemes().RenameScheme(Schemes().ListName(index), name);
    cbbModelName->setItemText(index, name);
}

void TLoadCalculationForm::bmpbtnDeleteModelClick()
{
    const int index = cbbModelName->currentIndex();
    if (!CurrentScheme() || cbbModelName->currentText().isEmpty())
        return;
    if (Tool().ShowMessageBox(QStringLiteral("删除方案"), QStringLiteral("确认删除当前的方案？"), 9, 0,
                              QStringLiteral("是"), QStringLiteral("否"), 2) != 6)
        return;
    const QString listName = Schemes().ListName(index);
    cbbModelName->removeItem(index);
    cbbModelName->setCurrentIndex(cbbModelName->count() > 0 ? 0 : -1);
    Schemes().DeleteScheme(listName);
    if (!CurrentScheme())
        EnableStoreButtons(false);
    cbbModelNameChange();
}

void TLoadCalculationForm::bmpbtnSchemeSetClick()
{
    RunTimeSys* scheme = CurrentScheme();
    if (!scheme || cbbModelName->currentText().trimmed().isEmpty())
        return;
    TSetRunTimeModule editor(this);
    editor.Flags = scheme->HourFlags;
    editor.ts1Change(0);
    if (editor.exec() == kModalOk)
        scheme->HourFlags = editor.Flags;
}

void TLoadCalculationForm::bmpbtnOutputClick()
{
    if (!CurrentScheme()) {
        Tool().ShowMessage(QStringLiteral("请先设置方案"));
        return;
    }
    QString path;
    if (!Tool().GetSaveFileName(QStringLiteral("汇总输出"), QStringLiteral("运行模式结果文件(*.CSV)"), path))
        return;
    CNodeDataBuffer nodeBuffer;
    CCalResultBuffer resultBuffer;
    SetSchemeName(cbbModelName->currentText());
    CCalMsgOutput progress(QStringLiteral("正在计算负荷"), this);
    try {
        Schemes().ExportSchemeCsv(CsvPath(path), RadioGroup1->ItemIndex());
    } catch (const Exception& e) {
        Tool().ShowMessage(e.Message());
    }
}

void TLoadCalculationForm::BMPButton1Click()
{
    if (!CurrentScheme()) {
        Tool().ShowMessage(QStringLiteral("请先设置方案"));
        return;
    }
    if (RadioGroup3->ItemIndex() < 0) {
        Tool().ShowMessage(QStringLiteral("请在右侧选择方案输出类型!!!"));
        return;
    }
    // The plug-in reports on the stored rooms, so pending ticks are stored first; ticks that break
    // the one-scheme rule stop the report.
    if (BMPButton2->isEnabled() && !BMPButton2Click())
        return;
    const int item = RadioGroup3->ItemIndex();
    if (item >= static_cast<int>(m_plugIns.size()))
        return;
    CSchemePlugInBase& plugIn = *m_plugIns[static_cast<size_t>(item)];
    SetSchemeName(cbbModelName->currentText());
    CNodeDataBuffer nodeBuffer;
    CCalResultBuffer resultBuffer;
    if (CCalculateHostBase* host = CCalculateHostBase::GetCurrent())
        host->SetSchemePlugInIndex(plugIn.Index());
    plugIn.OutPutOrMainForm(RadioGroup3->Button(item)->text() == QStringLiteral("建筑日能耗") ? 2 : 1);
    if (!plugIn.RunConfig())
        return;
    CCalMsgOutput progress(QStringLiteral("负荷计算"), this);
    progress.DisableCancel();
    if (!plugIn.HasReport()) {
        plugIn.RunExe();
        return;
    }
    if (CQORReport* report = plugIn.GetReport())
        report->PreviewReport();
}
