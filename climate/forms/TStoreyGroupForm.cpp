#include "climate/forms/TStoreyGroupForm.h"

#include "app/controls/TBMPButton.h"
#include "app/controls/TControlEdit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QScopeGuard>

TStoreyGroupForm::TStoreyGroupForm(QWidget* owner)
    : TGroupingFormBase({QStringLiteral("楼层"), QStringLiteral("组名:"), QString(), QStringLiteral("组名:"),
                         QStringLiteral("新组"), QStringLiteral("组更名"), QStringLiteral("删除组")},
                        owner)
{
    setObjectName(QStringLiteral("StoreyGroupForm"));
    setWindowTitle(QStringLiteral("楼层组管理"));
    ControlEdit1 = new TControlEdit(this);
    ControlEdit1->SetControlMode(MSTRING);
    ControlEdit1->setReadOnly(true);
    Button4 = NewButton(QStringLiteral("清零"), this);
    Button1 = NewButton(QStringLiteral("基层"), this);
    Button6 = NewButton(QStringLiteral("应用"), this);
    MiddleButtons()->insertWidget(MiddleButtons()->count() - 1, Button4);
    ExtraControls()->addWidget(new QLabel(QStringLiteral("基层:"), this), 0, 0);
    ExtraControls()->addWidget(ControlEdit1, 0, 1);
    ExtraControls()->addWidget(Button1, 0, 2);
    ExtraControls()->setColumnStretch(1, 1);
    BottomButtons()->insertWidget(0, Button6);

    connect(Button4, &TBMPButton::OnClick, this, &TStoreyGroupForm::Button4Click);
    connect(Button1, &TBMPButton::OnClick, this, &TStoreyGroupForm::Button1Click);
    connect(Button6, &TBMPButton::OnClick, this, &TStoreyGroupForm::Button6Click);
    LoadLists();
}

QList<QPair<QString, int>> TStoreyGroupForm::FreeLines(int buildingId)
{
    QList<QPair<QString, int>> lines;
    for (const SStoreyRef& storey : m_groups.FreeStoreys(buildingId))
        lines.append({storey.StoreyName, storey.ID});
    return lines;
}

QList<QPair<QString, int>> TStoreyGroupForm::MemberLines(const QString& group)
{
    QList<QPair<QString, int>> lines;
    for (const SStoreyRef& storey : m_groups.Members(group))
        lines.append({storey.Key(), storey.ID});
    return lines;
}

void TStoreyGroupForm::MembersShown()
{
    // A group without members shows no base storey.
    const QString group = ChosenGroup();
    ControlEdit1->setText(ListBox2->count() > 0 ? m_groups.BaseStorey(group) : QString());
}

void TStoreyGroupForm::Button4Click()
{
    if (ComboBox2->currentIndex() < 0)
        return;
    m_groups.Clear(ChosenGroup());
    ComboBox1Change();
    ComboBox2Change();
}

void TStoreyGroupForm::Button1Click()
{
    const QList<QListWidgetItem*> selected = ListBox2->selectedItems();
    if (ComboBox2->currentIndex() < 0 || selected.size() != 1)
        return;
    if (m_groups.SetBaseStorey(ChosenGroup(), selected.first()->data(Qt::UserRole).toInt()))
        ControlEdit1->setText(selected.first()->text());
}

void TStoreyGroupForm::Button6Click()
{
    FlatButton2->setEnabled(false);
    const auto enable = qScopeGuard([this] { FlatButton2->setEnabled(true); });
    m_groups.Apply();
}
