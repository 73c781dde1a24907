#include "upgrade/SystemDatabaseUpgrade.h"

#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"
#include "upgrade/CSystemUpgradeChain.h"

int ReadSystemVersion(CDbQuery& query)
{
    try {
        query.Close();
        query.SetSQL(CSQLStatement("select f_value from tbl_sysversion where f_key = 'sysversion'"));
        query.Open();
        bool ok = false;
        const int version = query.Field(0).toString().toInt(&ok);
        if (!query.Eof() && ok)
            return version;
    } catch (const Exception&) {
        // A missing table reads as the oldest known version, created below.
    }
    ExecQueryGuarded(query, "create table tbl_sysversion (f_key TEXT(50),f_value TEXT(50))");
    ExecQueryGuarded(query, "insert into tbl_sysversion (f_key,f_value) values('sysversion','45')");
    return 45;
}

int UpgradeSystemDatabase(CDbConnection& sysData, CDbConnection& sysParam, CDbQuery& sysDataQuery,
                          CDbQuery& sysParamQuery)
{
    return UpgradeSystemDatabase(sysData, sysParam, sysDataQuery, sysParamQuery,
                                 CSystemUpgradeChain::Program());
}

int UpgradeSystemDatabase(CDbConnection& sysData, CDbConnection& sysParam, CDbQuery& sysDataQuery,
                          CDbQuery& sysParamQuery, const CSystemUpgradeChain& chain)
{
    CSystemVersionControl context{sysDataQuery, sysData, sysParamQuery, sysParam};
    context.StoredVersion = ReadSystemVersion(sysDataQuery);
    if (context.StoredVersion == CurrentSchemaVersion)
        return 0;
    if (context.StoredVersion > CurrentSchemaVersion)
        return 1;
    {
        CDbTransaction transaction(sysData);
        ExecQueryGuarded(sysDataQuery,
                         "update OutputOption set IsHeatingLoadCalculation_Output=-1,"
                         "IsHeatingLoadMonthlyCalculation_Output=-1,IsHeatingLoadDailyCalculation_Output=-1 "
                         "where ID in (468,469)");
        ExecQueryGuarded(sysDataQuery,
                         {"update WeatherData set Area=? where Area=? and City=?",
                          {QStringLiteral("广西"), QStringLiteral("广东省"), QStringLiteral("南宁")}});
        transaction.Commit();
    }
    const auto finish = [&context, &chain] {
        ExecQueryGuarded(context.Query,
                         "update OutputOption set IsHeatingLoadCalculation_Output=-1 where ID=654");
        chain.Refresh(context);
    };
    const auto writeVersion = [&context](int version) {
        ExecQueryGuarded(context.Query, {"update tbl_sysversion set f_value = ? where f_key='sysversion'",
                                         {QString::number(version)}});
    };
    chain.Run(
        context, sysData, context.StoredVersion, CurrentSchemaVersion,
        [](const CSystemUpgradeChain::SStep&) {}, finish, writeVersion);
    return -1;
}
