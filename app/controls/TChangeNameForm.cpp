#include "app/controls/TChangeNameForm.h"

#include "app/controls/ModalResult.h"
#include "app/controls/TBMPButton.h"
#include "platform/core/CTool.h"
#include "platform/ui/TApplication.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
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
    BMPButton2 = new TBMPButton(QStringLiteral("确定"), this);
    BMPButton2->SetDefault(true);
    BMPButton1 = new TBMPButton(QStringLiteral("取消"), this);
    BMPButton1->SetCancel(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BMPButton2);
    buttons->addWidget(BMPButton1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(NewName);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(BMPButton2, &TBMPButton::OnClick, this, &TChangeNameForm::BMPButton2Click);
    connect(BMPButton1, &TBMPButton::OnClick, this, &TChangeNameForm::BMPButton1Click);

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
            QMessageBox::information(this, TApplication::Title(),
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
