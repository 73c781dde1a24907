#include "climate/forms/TGroupingFormBase.h"

#include "app/controls/ModalResult.h"
#include "app/controls/TBMPButton.h"
#include "app/controls/TControlEdit.h"
#include "climate/CProjectGroupingBase.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
QListWidget* LineList(QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    return list;
}

QComboBox* Choice(QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(12);
    return box;
}
} // namespace

TGroupingFormBase::TGroupingFormBase(const SCaptions& captions, QWidget* owner) : QDialog(owner)
{
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    ComboBox1 = Choice(this);
    ListBox1 = LineList(this);
    ComboBox2 = Choice(this);
    ListBox2 = LineList(this);
    ControlEdit2 = new TControlEdit(this);
    ControlEdit2->SetControlMode(MSTRING);
    Button2 = NewButton(QStringLiteral("==>"), this);
    Button3 = NewButton(QStringLiteral("<=="), this);
    Button9 = NewButton(captions.NewCaption, this);
    Button10 = NewButton(captions.RenameCaption, this);
    Button11 = NewButton(captions.DeleteCaption, this);
    FlatButton2 = NewButton(QStringLiteral("确定"), this);
    FlatButton2->SetModalResult(mrOk);
    FlatButton3 = NewButton(QStringLiteral("取消"), this);
    FlatButton3->SetModalResult(mrCancel);

    auto* left = new QGridLayout;
    left->addWidget(new QLabel(QStringLiteral("建筑物"), this), 0, 0);
    left->addWidget(ComboBox1, 0, 1);
    left->addWidget(new QLabel(captions.FreeList, this), 1, 0, 1, 2);
    left->addWidget(ListBox1, 2, 0, 1, 2);
    left->setRowStretch(2, 1);
    left->setColumnStretch(1, 1);

    m_middle = new QVBoxLayout;
    m_middle->addStretch();
    m_middle->addWidget(Button2);
    m_middle->addWidget(Button3);
    m_middle->addStretch();

    auto* right = new QGridLayout;
    right->addWidget(new QLabel(captions.Groups, this), 0, 0);
    right->addWidget(ComboBox2, 0, 1);
    right->addWidget(new QLabel(captions.Members, this), 1, 0, 1, 2);
    right->addWidget(ListBox2, 2, 0, 1, 2);
    right->setRowStretch(2, 1);
    right->setColumnStretch(1, 1);
    m_extra = new QGridLayout;
    right->addLayout(m_extra, 3, 0, 1, 2);

    auto* lists = new QHBoxLayout;
    lists->addLayout(left, 1);
    lists->addLayout(m_middle);
    lists->addLayout(right, 1);

    auto* names = new QHBoxLayout;
    names->addWidget(new QLabel(captions.Name, this));
    names->addWidget(ControlEdit2, 1);
    names->addWidget(Button9);
    names->addWidget(Button10);
    names->addWidget(Button11);
    m_bottom = new QHBoxLayout;
    m_bottom->addStretch();
    m_bottom->addWidget(FlatButton2);
    m_bottom->addWidget(FlatButton3);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(names);
    layout->addLayout(m_bottom);
    resize(700, 420);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { ComboBox1Change(); });
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, [this] { ComboBox2Change(); });
    connect(Button2, &TBMPButton::OnClick, this, &TGroupingFormBase::Button2Click);
    connect(Button3, &TBMPButton::OnClick, this, &TGroupingFormBase::Button3Click);
    connect(Button9, &TBMPButton::OnClick, this, &TGroupingFormBase::Button9Click);
    connect(Button10, &TBMPButton::OnClick, this, &TGroupingFormBase::Button10Click);
    connect(Button11, &TBMPButton::OnClick, this, &TGroupingFormBase::Button11Click);
}

TGroupingFormBase::~TGroupingFormBase() = default;

TBMPButton* TGroupingFormBase::NewButton(const QString& caption, QWidget* parent)
{
    auto* button = new TBMPButton(caption, parent);
    button->setFixedSize(80, 24);
    return button;
}

void TGroupingFormBase::reject()
{
    done(mrCancel);
}

QString TGroupingFormBase::ChosenGroup() const
{
    return ComboBox2->currentIndex() >= 0 ? ComboBox2->currentText() : QString();
}

int TGroupingFormBase::LineId(const QListWidget* list, int row)
{
    return list->item(row)->data(Qt::UserRole).toInt();
}

QList<int> TGroupingFormBase::SelectedIds(const QListWidget* list)
{
    QList<int> ids;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->isSelected())
            ids << LineId(list, row);
    return ids;
}

void TGroupingFormBase::FillLines(QListWidget* list, const QList<QPair<QString, int>>& lines)
{
    list->clear();
    for (const auto& [text, id] : lines) {
        auto* item = new QListWidgetItem(text, list);
        item->setData(Qt::UserRole, id);
    }
}

void TGroupingFormBase::LoadLists()
{
    const QList<SBuildingRef> buildings = Grouping().Buildings();
    {
        const QSignalBlocker blockBuildings(ComboBox1);
        const QSignalBlocker blockGroups(ComboBox2);
        ComboBox1->clear();
        m_buildingIds.clear();
        for (const SBuildingRef& building : buildings) {
            ComboBox1->addItem(building.Name);
            m_buildingIds << building.ID;
        }
        ComboBox2->clear();
        if (!buildings.isEmpty() || GroupsWithoutBuildings())
            ComboBox2->addItems(Grouping().Names());
        ComboBox1->setCurrentIndex(ComboBox1->count() > 0 ? 0 : -1);
        ComboBox2->setCurrentIndex(ComboBox2->count() > 0 ? 0 : -1);
    }
    ComboBox1Change();
    ComboBox2Change();
}

void TGroupingFormBase::ComboBox1Change()
{
    ListBox1->clear();
    const int index = ComboBox1->currentIndex();
    if (index >= 0 && index < m_buildingIds.size())
        FillLines(ListBox1, FreeLines(m_buildingIds[index]));
}

void TGroupingFormBase::ComboBox2Change()
{
    const QString group = ChosenGroup();
    ControlEdit2->setText(group);
    ListBox2->clear();
    if (ComboBox2->currentIndex() >= 0)
        FillLines(ListBox2, MemberLines(group));
    MembersShown();
}

void TGroupingFormBase::Button2Click()
{
    MoveSelected(ListBox1, true);
}

void TGroupingFormBase::Button3Click()
{
    MoveSelected(ListBox2, false);
}

void TGroupingFormBase::MoveSelected(const QListWidget* list, bool join)
{
    const QList<int> ids = SelectedIds(list);
    if (ComboBox2->currentIndex() < 0 || ids.isEmpty())
        return;
    if (join)
        Grouping().Assign(ChosenGroup(), ids);
    else
        Grouping().Remove(ChosenGroup(), ids);
    ComboBox1Change();
    ComboBox2Change();
}

void TGroupingFormBase::Button9Click()
{
    const QString name = ControlEdit2->text();
    if (!Grouping().NewName(name))
        return;
    {
        const QSignalBlocker blocker(ComboBox2);
        ComboBox2->addItem(name);
        ComboBox2->setCurrentIndex(ComboBox2->count() - 1);
    }
    ComboBox2Change();
}

void TGroupingFormBase::Button10Click()
{
    const int index = ComboBox2->currentIndex();
    if (index < 0)
        return;
    const QString newName = ControlEdit2->text();
    if (Grouping().Rename(ComboBox2->itemText(index), newName)) {
        const QSignalBlocker blocker(ComboBox2);
        ComboBox2->setItemText(index, newName);
    }
}

void TGroupingFormBase::Button11Click()
{
    const int index = ComboBox2->currentIndex();
    if (index < 0)
        return;
    Grouping().Delete(ComboBox2->itemText(index));
    {
        const QSignalBlocker blocker(ComboBox2);
        ComboBox2->removeItem(index);
        ComboBox2->setCurrentIndex(ComboBox2->count() == 0 ? -1 : index > 0 ? index - 1 : 0);
    }
    ComboBox1Change();
    ComboBox2Change();
}
