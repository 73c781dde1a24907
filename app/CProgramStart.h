#pragma once
#include <memory>

class CLIB_WeatherParameter;
class CTool;
class CToolDialogsBase;
class TReportPreviewer;
class TDM_Project;
class TDM_SysParam;

// The program-wide objects of one run, built in the start order and destroyed in reverse:
// the tool object (dialogs), then the system and project data modules, the project weather bound
// to the project module, and the report preview window.
class CProgramStart
{
public:
    explicit CProgramStart(std::unique_ptr<CToolDialogsBase> dialogs);
    ~CProgramStart();
    CProgramStart(const CProgramStart&) = delete;
    CProgramStart& operator=(const CProgramStart&) = delete;

    // Opens and updates the system databases. False when the program must end; the user has
    // been told why under "严重错误".
    bool Start();

private:
    std::unique_ptr<CTool> m_tool;
    std::unique_ptr<TDM_SysParam> m_sysParam;
    std::unique_ptr<TDM_Project> m_project;
    std::unique_ptr<CLIB_WeatherParameter> m_weather;
    std::unique_ptr<TReportPreviewer> m_previewer;
};
