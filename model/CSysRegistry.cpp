#include "model/CSysRegistry.h"

#include "model/TDM_SysParam.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

namespace {
const char* const DeleteRows = "delete from RegistryTable where Name=? and Type = 2";
const char* const InsertRow = "insert into RegistryTable (Name,KeyValue,Type) values (?,?,2)";
} // namespace

int CSysRegistry::Select(const QString& name, int type)
{
    return CTool::OpenQuery(
        TDM_SysParam::Current().RegistryTable,
        CSQLStatement("select Name,Type,KeyValue,Remark from RegistryTable where Name=? and "
                      "Type = ? order by rowid",
                      {name, type}));
}

int CSysRegistry::ReadValue(const QString& name, QString& value)
{
    if (Select(name, 2) <= 0)
        return 0;
    value = TDM_SysParam::Current().RegistryTable.AsString(QStringLiteral("KeyValue"));
    return 1;
}

int CSysRegistry::ReadValues(const QString& name, QStringList& values)
{
    if (Select(name, 2) <= 0)
        return 0;
    CDbQuery& query = TDM_SysParam::Current().RegistryTable;
    for (query.First(); !query.Eof(); query.Next())
        values << query.AsString(QStringLiteral("KeyValue"));
    return 1;
}

int CSysRegistry::WriteValue(const QString& name, const QString& value)
{
    return WriteValues(name, {value}) ? 1 : 0;
}

bool CSysRegistry::WriteValues(const QString& name, const QStringList& values)
{
    TDM_SysParam& dm = TDM_SysParam::Current();
    try {
        CDbTransaction transaction(dm.ADOConnection1);
        ExecQueryGuarded(dm.RegistryTable, CSQLStatement(DeleteRows, {name}));
        for (const QString& value : values)
            ExecQueryGuarded(dm.RegistryTable, CSQLStatement(InsertRow, {name, value}));
        transaction.Commit();
        return true;
    } catch (const Exception& e) {
        CTool::Current().ShowMessage(e.Message());
        return false;
    }
}

int CSysRegistry::InsertValue(const QString& name, const QString& value)
{
    return CTool::ExecQuery(TDM_SysParam::Current().RegistryTable, CSQLStatement(InsertRow, {name, value})) ==
                   1
               ? 1
               : 0;
}
