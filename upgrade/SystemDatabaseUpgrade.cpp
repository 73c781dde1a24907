#include "upgrade/SystemDatabaseUpgrade.h"

#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

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

int UpgradeSystemDatabase(CDbConnection&, CDbConnection&, CDbQuery& sysDataQuery, CDbQuery&)
{
    const int version = ReadSystemVersion(sysDataQuery);
    if (version == CurrentSchemaVersion)
        return 0;
    if (version > CurrentSchemaVersion)
        return 1;
    throw Exception(QStringLiteral("系统数据库版本%1过旧，本程序无法升级。").arg(version));
}
