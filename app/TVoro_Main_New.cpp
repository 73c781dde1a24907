// The New-project command and the template command of the main window.
#include "app/TNewModuleForm.h"
#include "app/TNewProject.h"
#include "app/TVoro_Main.h"
#include "app/controls/ModalResult.h"
#include "app/controls/TControlEdit.h"
#include "platform/core/CTool.h"
#include "project/CNewProjectMaker.h"
#include "project/CProjectTemplates.h"
#include "project/CSystemGlobalData.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

void TVoro_Main::Action_NewProjectExecute()
{
    TNewProject dialog(this);
    dialog.SaveLocation = CNewProjectMaker::DefaultLocation();
    if (dialog.exec() != mrOk)
        return;
    if (QAction* check = Action(QStringLiteral("N31")))
        check->setEnabled(true);
    CommitCurrentEditor();

    CNewProjectRequest request;
    request.FileName = dialog.Edit1->text();
    request.Folder = dialog.Edit2->text();
    request.FromTemplate = dialog.RadioGroup2Index() == 1;
    request.TemplateName = dialog.ComboBox1->currentText();
    const CNewProjectMaker::Result result =
        CNewProjectMaker::Create(request, [&dialog](CProjectData& data) { dialog.GetProjectData(data); });
    if (result == CNewProjectMaker::Result::Refused)
        return;
    if (result == CNewProjectMaker::Result::Blank)
        Action_WeatherParamInputExecute();
    TreeWidget()->expandAll();
}

void TVoro_Main::Action_MakeCurrentProjectToModuleExecute()
{
    CSystemGlobalData& global = CSystemGlobalData::Current();
    if (!global.IsProjectOpen())
        return;
    TNewModuleForm form(this);
    for (;;) {
        if (form.exec() != mrOk)
            return;
        const QString name = form.Edit1->text();
        if (!CProjectTemplates::Exists(name))
            break;
        CTool::Current().ShowMessage(QStringLiteral("重名，请重新输入!!!"));
    }
    CommitCurrentEditor();
    QString message;
    if (!CProjectTemplates::Make(form.Edit1->text(), global.ProjectFilePath(), message)) {
        if (!message.isEmpty())
            CTool::Current().ShowMessageBox(QStringLiteral("错误"), message, 6, 1);
        return;
    }
    CTool::Current().ShowMessageBox(QStringLiteral("成功"), QStringLiteral("已经成功将当前工程保存为模板"), 6,
                                    2);
}
