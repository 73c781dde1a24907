#include "climate/CLIB_WeatherData.h"

#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

namespace {
CDbQuery& Bound(CDbQuery* dataSet)
{
    if (!dataSet)
        throw Exception(QStringLiteral("气象资料没有数据集"));
    return *dataSet;
}
} // namespace

void CLIB_WeatherData::Load()
{
    const CDbQuery& row = Bound(DataSet);
    Lib_name = row.AsString(QStringLiteral("Lib_name"));
    ReadLocation(row);
}

void CLIB_WeatherData::Save() const
{
    CDbQuery& row = Bound(DataSet);
    row.SetFieldValue(QStringLiteral("Lib_name"), Lib_name);
    WriteLocation(row);
}

bool CLIB_WeatherData::CopyRow(CDbQuery& source, CDbQuery& target, const QString& libName,
                               const QString& country, const QString& area, const QString& city)
{
    const CSQLStatement select(
        "select * from WeatherData where Lib_name = ? and Country = ? and Area = ? and City = ? ",
        {libName, country, area, city});
    if (CTool::OpenQuery(source, select) <= 0)
        return false;
    CLIB_WeatherData record;
    record.DataSet = &source;
    record.Load();

    const int found = CTool::OpenQuery(target, select);
    if (found < 0)
        return false;
    if (found > 0)
        target.Edit();
    else
        target.Append();
    record.DataSet = &target;
    record.Save();
    try {
        target.Post();
    } catch (const Exception&) {
        target.Cancel();
        throw;
    }
    return true;
}
