#pragma once
#include "platform/core/CDbConnection.h"
#include "platform/core/CCurrent.h"
#include "platform/core/CDbQuery.h"

#include <QString>

// The data module of the two system databases in the program folder: "System\SysParam.dat"
// (ADOConnection1: settings, element types, templates) and "System\SysData.dat"
// (ADOConnection2: default values, material parameter names, schedules, weather, libraries).
// Both connections stay open for the whole run once DataModuleCreate succeeded.
class TDM_SysParam : public CCurrent<TDM_SysParam>
{
public:
    static constexpr const char* SlotName = "TDM_SysParam";

    TDM_SysParam();

    // Opens SysData.dat, then SysParam.dat, and brings the system data up to date.
    // False after telling the user under "严重错误" (a missing file: "系统找不到配置文件\n" and
    // its path); start-up must then end. It never leaves half-opened databases behind.
    bool DataModuleCreate();

    QString SysDataPath() const;
    QString SysParamPath() const;

    CDbConnection ADOConnection1{QStringLiteral("SysParam")};
    CDbConnection ADOConnection2{QStringLiteral("SysData")};

    CDbQuery RegistryTable;
    CDbQuery ElementBasePerformance;
    CDbQuery Module;
    CDbQuery SysParamInit;
    CDbQuery Initialization;
    CDbQuery MaterialParamTable;
    CDbQuery Schedule;
    CDbQuery WeatherData;
    CDbQuery ADOQuery1;
    CDbQuery TempQuery;

private:
    bool Fail(const QString& message);
};
