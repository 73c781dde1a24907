#include "tests/library/forms/LibraryFormsFixture.h"

#include "library/CMaterialNode.h"
#include "library/forms/TTLibManageForm.h"
#include "platform/core/CDbQuery.h"
#include "tests/app/TestApplication.h"

#include <QApplication>
#include <QTimer>

LibraryFormsFixture::LibraryFormsFixture()
{
    EnsureTestApplication();
}

void LibraryFormsFixture::SetUp()
{
    ModelFixture::SetUp();
    m_names.SetDataSet(&m_project.MaterialParamTable);
}

std::unique_ptr<TTLibManageForm> LibraryFormsFixture::Manager(int kind)
{
    auto form = std::make_unique<TTLibManageForm>();
    form->SetLibraryKind(kind);
    return form;
}

CMaterialNode* LibraryFormsFixture::Record(CMaterialNode* root, const QString& caption)
{
    return root ? root->FindByCaption(CMaterialNode::KindRecord, caption) : nullptr;
}

int LibraryFormsFixture::Pick(int kind, int currentId, const std::function<void(TTLibManageForm&)>& script)
{
    QTimer::singleShot(0, [script] {
        auto* form = qobject_cast<TTLibManageForm*>(QApplication::activeModalWidget());
        if (!form)
            return;
        script(*form);
        if (form->isVisible())
            form->CancelClick();
    });
    return PickLibraryItem(kind, currentId);
}

void LibraryFormsFixture::ExecProject(const QString& sql)
{
    CDbQuery query(m_project.ProjectCon);
    query.SetSQL(CSQLStatement(sql));
    query.ExecSQL();
}
