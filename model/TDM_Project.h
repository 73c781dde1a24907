#pragma once
#include "platform/core/CDbConnection.h"
#include "platform/core/CCurrent.h"
#include "platform/core/CDbQuery.h"

// The data module of the open project database. ProjectCon is open while a project is open.
// The queries are shared scratch objects: each operation closes and refills the query it uses, so
// a result set lives only until the next operation on the same query.
class TDM_Project : public CCurrent<TDM_Project>
{
public:
    static constexpr const char* SlotName = "TDM_Project";

    TDM_Project();

    // On qryTemp. Raise Exception "执行数据发生异常:\n%s\n执行的语句:%s" (ExecSQL) or
    // "查询SQL发生异常:\n%s\n执行的语句:%s" (the queries) with the statement attached.
    int ExecSQL(const CSQLStatement& statement);
    // The first field of the first record; 0, 0 or "" when there is no record.
    double QueryDouble(const CSQLStatement& statement);
    int QueryInt(const CSQLStatement& statement);
    QString QueryString(const CSQLStatement& statement);

    CDbConnection ProjectCon{QStringLiteral("Project")};

    CDbQuery qryTemp;
    CDbQuery Query;
    CDbQuery Element;
    CDbQuery ProjectParameter;
    CDbQuery Initialization;
    CDbQuery MaterialParamTable;
    CDbQuery WeatherParameter;
    CDbQuery Schedule;
    CDbQuery OutputOption;
    CDbQuery ADOQuery1;

private:
    QVariant QueryFirst(const CSQLStatement& statement);
};
