#include "app/TVoro_Main.h"

#include "app/CAccessoryPrograms.h"
#include "app/CDesktopProgramsBase.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/CTool.h"

void TVoro_Main::SetDesktopPrograms(std::unique_ptr<CDesktopProgramsBase> programs)
{
    m_desktopPrograms = std::move(programs);
}

void TVoro_Main::StartAccessory(EAccessoryKind kind, const QString& workingFolder)
{
    const QString message =
        CAccessoryPrograms::Start(*m_desktopPrograms, kind, workingFolder);
    if (!message.isEmpty())
        CTool::Current().ShowMessageBox(QStringLiteral("提示"), message, 6, 2);
}

void TVoro_Main::Action_NotePadExecute()
{
    StartAccessory(EAccessoryKind::TextEditor, QString());
}

void TVoro_Main::Action_CaculateExecute()
{
    StartAccessory(EAccessoryKind::Calculator, QString());
}

void TVoro_Main::Action_EasyCaculateExecute()
{
    // The area calculator's place is taken by the desktop's calculator, started in the program
    // folder as the area calculator was.
    StartAccessory(EAccessoryKind::Calculator, CProgramFolder::Path());
}
