#include "app/TNewModuleForm.h"

#include "app/controls/ModalResult.h"
#include "platform/core/CTool.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TNewModuleForm::TNewModuleForm(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("NewModuleForm"));
    setWindowTitle(QStringLiteral("请输入..."));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(227, 236, 238));
    setPalette(palette);
    setAutoFillBackground(true);

    Label1 = new QLabel(QStringLiteral("模板名称:"), this);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Button1 = new QPushButton(QStringLiteral("确定"), this);
    Button1->setDefault(true);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Edit1, 1);
    layout->addWidget(Button1);
    resize(320, 60);
    connect(Button1, &QPushButton::clicked, this, &TNewModuleForm::Button1Click);
}

void TNewModuleForm::Button1Click()
{
    if (Edit1->text().isEmpty()) {
        CTool::Current().ShowMessage(QStringLiteral("请输入模板名称!!!"));
        return;
    }
    done(mrOk);
}

void TNewModuleForm::reject()
{
    done(mrCancel);
}
