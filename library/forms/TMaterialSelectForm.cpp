#include "library/forms/TMaterialSelectForm.h"

#include "library/CMaterialNode.h"
#include "library/forms/TTMaterialTreeFrame.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

#include <QApplication>
#include <QPointer>
#include <QVBoxLayout>

TMaterialSelectForm::TMaterialSelectForm(QWidget* parent) : QWidget(parent, Qt::Popup)
{
    setObjectName(QStringLiteral("MaterialSelectForm"));
    resize(300, 293);
    TMaterialTreeFrame1 = new TTMaterialTreeFrame(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(TMaterialTreeFrame1);
    TMaterialTreeFrame1->OnSelect = [this](QTreeWidgetItem*) { TreeSelect(); };
}

TMaterialSelectForm& TMaterialSelectForm::Shared()
{
    // Lives until the application quits; never destroyed after it.
    static QPointer<TMaterialSelectForm> shared;
    if (!shared) {
        shared = new TMaterialSelectForm;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, shared, &QObject::deleteLater);
    }
    return *shared;
}

void TMaterialSelectForm::Open(CMaterialSelectTargetBase* target, int kind, int currentId,
                               const QPoint& screenPosition)
{
    move(screenPosition);
    Target = nullptr;
    TMaterialTreeFrame1->LoadTree(kind);
    TMaterialTreeFrame1->SelectById(currentId);
    Target = target;
    show();
}

void TMaterialSelectForm::TreeSelect()
{
    if (!Target)
        return;
    CMaterialNode* record = nullptr;
    try {
        record = TMaterialTreeFrame1->GetSelectedMaterial();
    } catch (const Exception& e) {
        CTool::Current().ShowMessage(e.Message());
        return;
    }
    if (!record)
        return;
    const QString category =
        record->Parent && record->Parent->NodeKind == CMaterialNode::KindCategory ? record->Parent->Caption : QString();
    CMaterialSelectTargetBase* target = Target;
    Target = nullptr;
    hide();
    target->SetValue(record->ID, category, record->Caption);
}
