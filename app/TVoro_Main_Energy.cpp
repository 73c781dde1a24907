#include "app/TVoro_Main.h"

#include "model/TDM_Project.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CProgramFolder.h"
#include "platform/core/CSQLStatement.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"
#include "platform/ui/TApplication.h"
#include "project/CSystemGlobalData.h"
#include "report/forms/TECO_OutWindow.h"
#include "report/forms/TECO_OutsideDoor.h"
#include "report/forms/TFigureParamSet.h"
#include "report/forms/TReport.h"
#include "report/forms/TWinWallRatio.h"

#include <QAction>
#include <QFileInfo>

// The energy-saving menu: the standard, the current check building and the check commands.

void TVoro_Main::act_STDType1Execute(QAction* sender)
{
    if (!sender || !CSystemGlobalData::Current().IsProjectOpen())
        return;
    m_stdTypeIndex = sender->data().toInt();
    CDbQuery& query = TDM_Project::Current().qryTemp;
    query.Close();
    CTool::ExecQuery(
        query,
        CSQLStatement(QStringLiteral("update tbl_registry set f_value = ? where f_key = 'stdtypeindex'"),
                      {QString::number(m_stdTypeIndex)}));
}

void TVoro_Main::act_SetCurBuilderExecute(QAction* sender)
{
    if (!sender || !CSystemGlobalData::Current().IsProjectOpen())
        return;
    m_curBuildingId = sender->data().toInt();
    CDbQuery& query = TDM_Project::Current().qryTemp;
    query.Close();
    CTool::ExecQuery(
        query,
        CSQLStatement(QStringLiteral("update tbl_registry set f_value = ? where f_key = 'curbuildingid'"),
                      {QString::number(m_curBuildingId)}));
    sender->setChecked(true);
}

void TVoro_Main::act_RefreshBuilerListExecute()
{
    FillCurrentBuildingActions();
}

namespace {
bool RequireCheckBuilding(const QString& name)
{
    if (!name.isEmpty())
        return true;
    CTool::Current().ShowMessageBox(QStringLiteral("警告"), QStringLiteral("请先设定当前计算建筑"), 6, 0);
    return false;
}

// The check dialog for the current check building, shown modally, or the warning without one.
template <typename Dialog> void OpenCheck(const QString& buildingName)
{
    if (!RequireCheckBuilding(buildingName))
        return;
    Dialog dialog(nullptr, buildingName);
    dialog.exec();
}
} // namespace

void TVoro_Main::act_FigureParamExecute()
{
    OpenCheck<TFigureParamSet>(GetCurrentBuildingName());
}

void TVoro_Main::act_WindowWallCoffExecute()
{
    OpenCheck<TWinWallRatio>(GetCurrentBuildingName());
}

void TVoro_Main::act_outsidewindowcoffExecute()
{
    OpenCheck<TECO_OutWindow>(GetCurrentBuildingName());
}

void TVoro_Main::act_outsidewallcoffExecute()
{
    OpenCheck<TECO_OutsideDoor>(GetCurrentBuildingName());
}

void TVoro_Main::act_outputtableExecute()
{
    const QString report = CProgramFolder::Resolve(QStringLiteral("Lib\\reportA.fr3"));
    if (!QFileInfo::exists(report)) {
        CTool::Current().ShowMessageBox(QStringLiteral("警告"),
                                        QStringLiteral("报表文件缺失，请联系软件供应商"), 6, 0);
        return;
    }
    const QString name = GetCurrentBuildingName();
    if (!RequireCheckBuilding(name))
        return;
    try {
        TReport window(nullptr);
        window.SetBuildingName(name);
        window.SetTemplatePath(report);
        window.LoadIndexCheckValues();
    } catch (const Exception& e) {
        TApplication::ShowException(e.Message());
    }
}

void TVoro_Main::LoadEnergyCheckSettings()
{
    m_curBuildingId = -1;
    m_stdTypeIndex = 0;
    CDbQuery& query = TDM_Project::Current().qryTemp;
    auto value = [&query](const char* key) {
        query.Close();
        OpenQueryGuarded(query,
                         CSQLStatement(QStringLiteral("select f_value from tbl_registry where f_key = ?"),
                                       {QString::fromLatin1(key)}));
        const QString text =
            query.Eof() ? QString() : query.FieldByName(QStringLiteral("f_value")).toString();
        query.Close();
        return text.trimmed().toInt(); // 0 when not a number
    };
    m_curBuildingId = value("curbuildingid");
    m_stdTypeIndex = value("stdtypeindex");
}

void TVoro_Main::FillCurrentBuildingActions()
{
    HideCurrentBuildingActions();
    CDbQuery& query = TDM_Project::Current().qryTemp;
    query.Close();
    if (CTool::OpenQuery(query, CSQLStatement(QStringLiteral("select ID,Name from Building"))) < 0)
        return;
    for (int slot = 1; slot <= 10 && !query.Eof(); ++slot, query.Next()) {
        QAction* action = Action(QStringLiteral("act_SetCurBuilder%1").arg(slot));
        const int id = query.FieldByName(QStringLiteral("ID")).toInt();
        action->setData(id);
        action->setText(query.FieldByName(QStringLiteral("Name")).toString());
        action->setEnabled(true);
        action->setVisible(true);
        action->setChecked(id == m_curBuildingId);
    }
    query.Close();
}

QString TVoro_Main::GetCurrentBuildingName() const
{
    if (m_curBuildingId < 0 || !CSystemGlobalData::Current().IsProjectOpen())
        return {};
    CDbQuery& query = TDM_Project::Current().qryTemp;
    query.Close();
    if (CTool::OpenQuery(query, CSQLStatement(QStringLiteral("select Name from Building where ID = ?"),
                                              {m_curBuildingId})) < 0)
        return {};
    const QString name = query.Eof() ? QString() : query.FieldByName(QStringLiteral("Name")).toString();
    query.Close();
    return name;
}
