#include "app/CProgramStart.h"

#include "calc/forms/TMsgOutputForm.h"
#include "climate/CLIB_WeatherParameter.h"
#include "model/TDM_Project.h"
#include "model/TDM_SysParam.h"
#include "platform/core/CTool.h"
#include "platform/core/CToolDialogsBase.h"
#include "report/forms/TReportPreviewer.h"

CProgramStart::CProgramStart(std::unique_ptr<CToolDialogsBase> dialogs)
    : m_tool(std::make_unique<CTool>(std::move(dialogs)))
{
}

CProgramStart::~CProgramStart()
{
    m_previewer.reset();
    m_weather.reset();
    m_project.reset();
    m_sysParam.reset();
    m_tool.reset();
}

bool CProgramStart::Start()
{
    m_sysParam = std::make_unique<TDM_SysParam>();
    if (!m_sysParam->DataModuleCreate())
        return false;
    m_project = std::make_unique<TDM_Project>();
    m_weather = std::make_unique<CLIB_WeatherParameter>(&m_project->WeatherParameter);
    m_previewer = std::make_unique<TReportPreviewer>();
    TMsgOutputForm::Install();
    return true;
}
