#include "model/TDM_Project.h"

#include "platform/core/CTool.h"

TDM_Project::TDM_Project()
{
    for (CDbQuery* query : {&qryTemp, &Query, &Element, &ProjectParameter, &Initialization,
                            &MaterialParamTable, &WeatherParameter, &Schedule, &OutputOption})
        query->SetConnection(ProjectCon);
    OutputOption.SetSQL(CSQLStatement("select * from OutputOption order by ID"));
}

int TDM_Project::ExecSQL(const CSQLStatement& statement)
{
    return ExecQueryGuarded(qryTemp, statement);
}

QVariant TDM_Project::QueryFirst(const CSQLStatement& statement)
{
    OpenQueryGuarded(qryTemp, statement);
    if (qryTemp.Eof() || qryTemp.FieldCount() == 0)
        return {};
    return qryTemp.Field(0);
}

double TDM_Project::QueryDouble(const CSQLStatement& statement)
{
    return QueryFirst(statement).toDouble();
}

int TDM_Project::QueryInt(const CSQLStatement& statement)
{
    return QueryFirst(statement).toInt();
}

QString TDM_Project::QueryString(const CSQLStatement& statement)
{
    return QueryFirst(statement).toString();
}
