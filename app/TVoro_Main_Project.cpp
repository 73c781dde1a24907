// The project commands of the main window: open, save, save as, close, the project summary and
// the exchange file; the operating schemes loaded and saved with the project.
#include "app/TOpenProject.h"
#include "app/TProjectSurveyForm.h"
#include "app/TVoro_Main.h"
#include "app/controls/ModalResult.h"
#include "cad/model/CCADInfo.h"
#include "calc/CRunTimeMgr.h"
#include "model/CTreeView2DB.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"
#include "project/CProjectFileCopy.h"
#include "project/CSystemGlobalData.h"
#include "report/CXmlSDB.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>

void TVoro_Main::Action_OpenProjectExecute()
{
    TOpenProject dialog(this);
    if (dialog.exec() != mrOk)
        return;
    Action(QStringLiteral("N31"))->setEnabled(true);
    const QString fileName = dialog.ComboBox1->currentText();
    if (fileName.isEmpty())
        return;
    CommitCurrentEditor();
    int version = 0;
    CSystemGlobalData::Current().OpenProject(fileName, version);
    WarnAboutOldWeather(version);
}

void TVoro_Main::Action_SaveExecute()
{
    CommitCurrentEditor();
    CSystemGlobalData::Current().SaveProject();
}

void TVoro_Main::Action_SaveAsExecute()
{
    CSystemGlobalData& global = CSystemGlobalData::Current();
    const QString current = global.ProjectFilePath();
    QString fileName = current;
    if (!CTool::Current().GetSaveFileName(QStringLiteral("工程另存为"), QStringLiteral("VORO工程文件(*.VLZ)"),
                                          fileName))
        return;
    CommitCurrentEditor();
    global.SaveProject();

    const QString target = EnsureSuffix(fileName, QStringLiteral(".VLZ"));
    // Another spelling of the open file's path is the same file: copying it onto itself would
    // delete it.
    if (target == current || CProjectFileCopy::SameFile(target, current))
        return;
    if (QFileInfo::exists(target) &&
        CTool::Current().ShowMessageBox(QStringLiteral("工程已经存在"), QStringLiteral("是否覆盖?"), 9, 2,
                                        QStringLiteral("确定"), QStringLiteral("取消")) != 6)
        return;
    // The CAD model, the operating schemes and the plug-in settings go with the database, and a
    // copy that fails leaves the open project open instead of opening a half-made one.
    QString message;
    if (!CProjectFileCopy::Copy(current, target, message)) {
        CTool::Current().ShowMessageBox(QStringLiteral("错误"), QStringLiteral("工程另存失败：") + message, 6,
                                        1);
        return;
    }
    global.OpenProject(target);
}

void TVoro_Main::Action_CloseProjectExecute()
{
    CSystemGlobalData::Current().OpenProject(QString());
    CCADInfo::Global().Clear();
    Action(QStringLiteral("N31"))->setEnabled(false);
}

void TVoro_Main::Action_ProjectSummaryExecute()
{
    TProjectSurveyForm form(this);
    CProjectData& data = CSystemGlobalData::Current().ProjectData();
    form.LoadFromData(data);
    if (form.exec() != mrOk)
        return;
    form.SaveToData(data);
    data.SaveProjectData();
}

void TVoro_Main::Action_XMLExecute()
{
    CommitCurrentEditor();
    CSystemGlobalData& global = CSystemGlobalData::Current();
    global.SaveProject();
    CXmlSDB writer;
    if (writer.ExportProjectXml(CTreeView2DB::Current().Root(), global.ProjectFilePath(), QStringLiteral("0")))
        CTool::Current().ShowMessage(QStringLiteral("成功导出vlzx文件，可到工程目录查看。"));
}

void TVoro_Main::ClearRunSchemes()
{
    if (CRunTimeMgr::Exists())
        CRunTimeMgr::Current().Clear();
}

bool TVoro_Main::LoadRunSchemeFile(const QString& fileName, QString&)
{
    // The reader tells the user itself why a file was refused.
    return !CRunTimeMgr::Exists() || CRunTimeMgr::Current().LoadSchemeFile(fileName);
}

void TVoro_Main::SaveRunSchemeFile(const QString& fileName)
{
    // A project that never had a scheme gets no file; one whose schemes were all deleted keeps an
    // empty one.
    if (!CRunTimeMgr::Exists() || (CRunTimeMgr::Current().Count() == 0 && !QFileInfo::exists(fileName)))
        return;
    CRunTimeMgr::Current().SaveSchemeFile(fileName);
}

const QList<int>* TVoro_Main::SchemeRooms(const QString& schemeName)
{
    const RunTimeSys* scheme = CRunTimeMgr::Exists() ? CRunTimeMgr::Current().GetScheme(schemeName) : nullptr;
    return scheme ? &scheme->RoomIds : nullptr;
}
