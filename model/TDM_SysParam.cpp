#include "model/TDM_SysParam.h"

#include "platform/core/CProgramFolder.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"
#include "upgrade/SystemDatabaseUpgrade.h"

#include <QDir>
#include <QFileInfo>

TDM_SysParam::TDM_SysParam()
{
    for (CDbQuery* query : {&RegistryTable, &ElementBasePerformance, &Module, &SysParamInit})
        query->SetConnection(ADOConnection1);
    for (CDbQuery* query : {&Initialization, &MaterialParamTable, &Schedule, &WeatherData, &ADOQuery1})
        query->SetConnection(ADOConnection2);
}

QString TDM_SysParam::SysDataPath() const
{
    return QDir::toNativeSeparators(CProgramFolder::Resolve(QStringLiteral("System\\SysData.dat")));
}

QString TDM_SysParam::SysParamPath() const
{
    return QDir::toNativeSeparators(CProgramFolder::Resolve(QStringLiteral("System\\SysParam.dat")));
}

bool TDM_SysParam::Fail(const QString& message)
{
    ADOConnection1.Close();
    ADOConnection2.Close();
    if (CTool::Exists())
        CTool::Current().ShowMessageBox(QStringLiteral("严重错误"), message, 6, 1);
    return false;
}

bool TDM_SysParam::DataModuleCreate()
{
    const QString sysData = SysDataPath();
    if (!QFileInfo(sysData).isFile())
        return Fail(QStringLiteral("系统找不到配置文件\n") + sysData);
    try {
        ADOConnection2.Open(sysData);
        const QString sysParam = SysParamPath();
        if (!QFileInfo(sysParam).isFile())
            return Fail(QStringLiteral("系统找不到配置文件\n") + sysParam);
        ADOConnection1.Open(sysParam);
        UpgradeSystemDatabase(ADOConnection2, ADOConnection1, ADOQuery1, SysParamInit);
    } catch (const Exception& e) {
        // Going on without the system data would leave an empty element-type registry and
        // empty libraries; start-up ends instead.
        return Fail(e.Message());
    }
    return true;
}
