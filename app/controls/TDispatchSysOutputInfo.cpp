#include "app/controls/TDispatchSysOutputInfo.h"

#include "app/controls/CSysOutputDispatchBase.h"
#include "app/controls/ModalResult.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

TDispatchSysOutputInfo::TDispatchSysOutputInfo(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("DispatchSysOutputInfo"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    resize(260, 177);

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setReadOnly(true);
    RichEdit1->setEnabled(false);
    RichEdit1->setFixedHeight(145);
    Button1 = new QPushButton(QStringLiteral("关闭"), this);
    Button2 = new QPushButton(this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button2);
    buttons->addWidget(Button1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(RichEdit1);
    layout->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, [this] { done(mrCancel); });
    connect(Button2, &QPushButton::clicked, this, &TDispatchSysOutputInfo::Button2Click);
}

void TDispatchSysOutputInfo::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TDispatchSysOutputInfo::FormShow()
{
    RichEdit1->clear();
    if (!m_action)
        return;
    const QString buttonText = m_action->GetButtonText();
    Button2->setText(buttonText);
    Button2->setVisible(!buttonText.isEmpty());
    setWindowTitle(m_action->GetCaption());
    RichEdit1->append(m_action->GetDetailText());
}

void TDispatchSysOutputInfo::Button2Click()
{
    done(mrOk);
    if (m_action)
        m_action->Dispatch();
}
