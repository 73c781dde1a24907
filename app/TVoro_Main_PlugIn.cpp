// Plug-ins, the custom tools, the project merge and the remote calculation service of the main
// window.
#include "app/CDynamicToolMenu.h"
#include "app/TVoro_Main.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/CTool.h"
#include "plugin/CPlug.h"
#include "plugin/CPlugHostFunctions.h"
#include "plugin/CPlugManage.h"
#include "plugin/CPlugRunner.h"
#include "project/CProjectMerge.h"
#include "project/CSystemGlobalData.h"
#include "report/engine/CQORReport.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QToolBar>
#include <QToolButton>

namespace {
int CurrentDesign()
{
    return CSystemGlobalData::Exists() ? CSystemGlobalData::Current().DesignType : -1;
}
} // namespace

void TVoro_Main::CreatePlugInHost()
{
    m_plugManage = std::make_unique<CPlugManage>();
    CPlugHostFunctions::Register();
    m_plugInPopup = new QMenu(this);
    m_plugInPopup->setObjectName(QStringLiteral("PopupMenu3"));
    CreatePlugInActions();

    auto on = [this](const char* name, void (TVoro_Main::*handler)()) {
        connect(Action(QString::fromLatin1(name)), &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    };
    on("btnseason_chart", &TVoro_Main::act_extendtoolExecute);
    on("Action_PlugManage", &TVoro_Main::Action_PlugManageExecute);
    on("Action_MergePrj", &TVoro_Main::Action_MergePrjExecute);
    on("Action_CloudRegister", &TVoro_Main::Action_CloudRegisterExecute);
    on("Action_CloudCal", &TVoro_Main::Action_CloudCalExecute);
    Action(QStringLiteral("Action_PlugManage"))->setEnabled(true);
    if (auto* bar = findChild<QToolBar*>(QStringLiteral("ToolBar1")))
        bar->addAction(Action(QStringLiteral("btnseason_chart")));
}

void TVoro_Main::CreatePlugInActions()
{
    // The list and the actions are rebuilt together, so an action's tag is always its plug-in.
    qDeleteAll(m_outputPlugActions);
    m_outputPlugActions.clear();
    for (int i = 0; i < m_plugManage->Count(); ++i) {
        auto* action = new QAction(m_plugManage->Get(i)->Name(), this);
        action->setData(i);
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, [this, action] { OutMenuItemsClick(action); });
        m_outputPlugActions << action;
    }
}

void TVoro_Main::BuildPlugInPopupMenu()
{
    m_plugInPopup->clear();
    for (int i = 0; i < m_plugManage->Count(); ++i) {
        if (!m_plugManage->Get(i)->Enabled)
            continue;
        QAction* item = m_plugInPopup->addAction(m_plugManage->Get(i)->Name());
        item->setData(i);
        item->setEnabled(false);
        connect(item, &QAction::triggered, this, [this, item] { PopupMenuItemsClick(item); });
    }
}

void TVoro_Main::BuildOutputMenu()
{
    auto* output = findChild<QMenu*>(QStringLiteral("OutputMenu"));
    if (!output)
        return;
    // The menu's own commands stay; the plug-in entries follow a separator of their own.
    for (QAction* entry : m_outputPlugActions)
        output->removeAction(entry);
    if (!m_outputPlugSeparator)
        m_outputPlugSeparator = output->addSeparator();
    const int designType = CurrentDesign();
    for (int i = 0; i < m_plugManage->Count() && i < m_outputPlugActions.size(); ++i) {
        const CPlug* plug = m_plugManage->Get(i);
        if (!plug->Enabled)
            continue;
        m_outputPlugActions[i]->setEnabled(plug->CalculateType() == designType);
        output->addAction(m_outputPlugActions[i]);
    }
}

void TVoro_Main::act_extendtoolExecute()
{
    const int designType = CurrentDesign();
    for (QAction* item : m_plugInPopup->actions()) {
        const CPlug* plug = m_plugManage->Get(item->data().toInt());
        item->setEnabled(plug && plug->CalculateType() == designType);
    }
    QPoint where = mapToGlobal(QPoint(0, 0));
    if (auto* bar = findChild<QToolBar*>(QStringLiteral("ToolBar1")))
        if (QWidget* button = bar->widgetForAction(Action(QStringLiteral("btnseason_chart"))))
            where = button->mapToGlobal(QPoint(0, 0));
    m_plugInPopup->popup(where);
}

void TVoro_Main::PopupMenuItemsClick(QAction* sender)
{
    if (sender)
        RunPlugIn(sender->data().toInt());
}

void TVoro_Main::OutMenuItemsClick(QAction* sender)
{
    if (sender)
        RunPlugIn(sender->data().toInt());
}

void TVoro_Main::RunPlugIn(int index)
{
    CPlug* plug = m_plugManage->Get(index);
    if (!plug)
        return;
    CommitCurrentEditor();
    if (CPlugRunner::Run(*plug, this, [](CQORReport& report) { report.PreviewReport(); }))
        ShowElementEditor(SelectedItem());
}

void TVoro_Main::Action_PlugManageExecute()
{
    const QString manager = CProgramFolder::Path() + QStringLiteral("PlugManage");
    if (QFileInfo(manager).isExecutable())
        QProcess::execute(manager, {});
    else
        AddWarning(QStringLiteral("插件管理程序PlugManage不在程序目录中，已重新读取插件和PlugConfig.data。"));
    m_plugManage->LoadPlugs();
    CreatePlugInActions();
    BuildPlugInPopupMenu();
    BuildOutputMenu();
}

void TVoro_Main::LoadOutputConfig(const QString& projectFolder)
{
    if (m_plugManage)
        m_plugManage->LoadOutputConfig(projectFolder);
}

void TVoro_Main::BuildCustomToolMenu()
{
    auto* tools = findChild<QMenu*>(QStringLiteral("PopupMenu2"));
    QMenu* menu = nullptr;
    if (tools)
        for (QAction* entry : tools->actions())
            if (entry->objectName() == QLatin1String("Z1"))
                menu = entry->menu();
    if (!menu)
        return;
    CDynamicToolMenu build(menu);
    menu->setEnabled(!menu->actions().isEmpty());
}

void TVoro_Main::Action_MergePrjExecute()
{
    if (!CSystemGlobalData::Exists() || !CSystemGlobalData::Current().IsProjectOpen())
        return;
    CommitCurrentEditor();
    CProjectMerge::Run();
}

void TVoro_Main::Action_CloudRegisterExecute()
{
    CTool::Current().ShowMessage(QStringLiteral("本版本未接入远程计算服务，无法进行会员注册。"));
}

void TVoro_Main::Action_CloudCalExecute()
{
    CTool::Current().ShowMessage(QStringLiteral("本版本未接入远程计算服务，云计算不可用。"));
}
