#include "app/TProjectSurveyForm.h"

#include "app/TProjectInfoFields.h"
#include "app/controls/ModalResult.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TProjectSurveyForm::TProjectSurveyForm(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("ProjectSurveyForm"));
    setWindowTitle(QStringLiteral("工程概况"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    Fields = new TProjectInfoFields(this);
    Button2 = new QPushButton(QStringLiteral("确定"), this);
    Button2->setDefault(true);
    Button3 = new QPushButton(QStringLiteral("取消"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button2);
    buttons->addWidget(Button3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Fields);
    layout->addLayout(buttons);

    connect(Button2, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(Button3, &QPushButton::clicked, this, [this] { done(mrCancel); });
}

void TProjectSurveyForm::LoadFromData(const CProjectData& data)
{
    Fields->LoadFromData(data);
}

void TProjectSurveyForm::SaveToData(CProjectData& data) const
{
    Fields->SaveToData(data);
}

void TProjectSurveyForm::reject()
{
    done(mrCancel);
}
