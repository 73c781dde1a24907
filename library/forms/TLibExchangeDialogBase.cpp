#include "library/forms/TLibExchangeDialogBase.h"

#include "app/controls/ModalResult.h"
#include "app/controls/TBMPButton.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

TLibExchangeDialogBase::TLibExchangeDialogBase(QWidget* parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    m_top = new QVBoxLayout;
    m_top->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(QStringLiteral("结构名称列表："), Panel2);
    label->setObjectName(QStringLiteral("Label2"));
    CheckListBox1 = new QListWidget(Panel2);
    CheckListBox1->setObjectName(QStringLiteral("CheckListBox1"));
    CheckListBox1->setFrameShape(QFrame::NoFrame);
    CheckBox1 = new QCheckBox(QStringLiteral("全选"), Panel2);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox2 = new QCheckBox(QStringLiteral("全不选"), Panel2);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    connect(CheckBox1, &QCheckBox::clicked, this, &TLibExchangeDialogBase::CheckBox1Click);
    connect(CheckBox2, &QCheckBox::clicked, this, &TLibExchangeDialogBase::CheckBox2Click);

    auto* panel = new QVBoxLayout(Panel2);
    panel->setContentsMargins(8, 8, 8, 0);
    panel->addLayout(m_top);
    panel->addWidget(label);
    panel->addWidget(CheckListBox1, 1);
    auto* ticks = new QHBoxLayout;
    ticks->addWidget(CheckBox1);
    ticks->addWidget(CheckBox2);
    ticks->addStretch();
    panel->addLayout(ticks);

    FlatButton2 = new TBMPButton(QStringLiteral("确定"), this);
    FlatButton2->setObjectName(QStringLiteral("FlatButton2"));
    BMPButton1 = new TBMPButton(QStringLiteral("取消"), this);
    BMPButton1->setObjectName(QStringLiteral("BMPButton1"));
    BMPButton1->SetModalResult(mrCancel);
    BMPButton1->SetCancel(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(FlatButton2);
    buttons->addWidget(BMPButton1);
    buttons->setContentsMargins(8, 4, 8, 8);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Panel2, 1);
    layout->addLayout(buttons);
}

void TLibExchangeDialogBase::AddItem(const QString& text)
{
    auto* item = new QListWidgetItem(text, CheckListBox1);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
}

QByteArray TLibExchangeDialogBase::CheckFlags() const
{
    QByteArray flags(CheckListBox1->count(), 0);
    for (int i = 0; i < CheckListBox1->count(); ++i)
        flags[i] = CheckListBox1->item(i)->checkState() == Qt::Checked ? 1 : 0;
    return flags;
}

int TLibExchangeDialogBase::CheckedCount() const
{
    return static_cast<int>(CheckFlags().count(char(1)));
}

void TLibExchangeDialogBase::CheckBox1Click()
{
    if (!CheckBox1->isChecked())
        return;
    for (int i = 0; i < CheckListBox1->count(); ++i)
        CheckListBox1->item(i)->setCheckState(Qt::Checked);
    CheckBox2->setChecked(false);
}

void TLibExchangeDialogBase::CheckBox2Click()
{
    if (!CheckBox2->isChecked())
        return;
    for (int i = 0; i < CheckListBox1->count(); ++i)
        CheckListBox1->item(i)->setCheckState(Qt::Unchecked);
    CheckBox1->setChecked(false);
}
