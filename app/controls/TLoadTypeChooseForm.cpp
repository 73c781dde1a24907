#include "app/controls/TLoadTypeChooseForm.h"

#include "app/controls/ModalResult.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TLoadTypeChooseForm::TLoadTypeChooseForm(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("LoadTypeChooseForm"));
    setWindowTitle(QStringLiteral("负荷类型选择"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(318, 106);

    ComboBox1 = new QComboBox(this);
    ComboBox1->addItems({QStringLiteral("全热"), QStringLiteral("显热"), QStringLiteral("潜热")});
    ComboBox1->setCurrentIndex(0);
    Button1 = new QPushButton(QStringLiteral("确定"), this);
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("取消"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ComboBox1);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(Button2, &QPushButton::clicked, this, [this] { done(mrCancel); });
}

void TLoadTypeChooseForm::reject()
{
    done(mrCancel);
}
