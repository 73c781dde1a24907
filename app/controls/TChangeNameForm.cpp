#include "app/controls/TChangeNameForm.h"

#include "app/controls/ModalResult.h"
#include "platform/core/CTool.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TChangeNameForm::TChangeNameForm(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("ChangeNameForm"));
    setWindowTitle(QStringLiteral("更名"));
    setWindowFlags((windowFlags() | Qt::WindowMaximizeButtonHint) & ~Qt::WindowContextHelpButtonHint);
    resize(303, 138);

    Label1 = new QLabel(QStringLiteral("请输入新名称："), this);
    NewName = new QLineEdit(this);
    NewName->setObjectName(QStringLiteral("NewName"));
    BMPButton2 = new QPushButton(QStringLiteral("确定"), this);
    BMPButton2->setDefault(true);
    BMPButton1 = new QPushButton(QStringLiteral("取消"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BMPButton2);
    buttons->addWidget(BMPButton1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(NewName);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(BMPButton2, &QPushButton::clicked, this, &TChangeNameForm::BMPButton2Click);
    connect(BMPButton1, &QPushButton::clicked, this, &TChangeNameForm::BMPButton1Click);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TChangeNameForm::BMPButton2Click()
{
    // Only an exactly empty name is refused here; blanks are the caller's to judge.
    if (NewName->text().isEmpty()) {
        if (CTool::Exists())
            CTool::Current().ShowMessage(QStringLiteral("信息栏不能为空!!!"));
        else
            QMessageBox::information(this, QGuiApplication::applicationDisplayName(),
                                     QStringLiteral("信息栏不能为空!!!"));
        return;
    }
    done(mrOk);
}

void TChangeNameForm::BMPButton1Click()
{
    done(mrCancel);
}

void TChangeNameForm::reject()
{
    done(mrCancel);
}
