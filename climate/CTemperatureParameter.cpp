#include "climate/CTemperatureParameter.h"

#include "calclib/dizedozev.h"
#include "platform/core/CSavepoint.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

#include <algorithm>

namespace {
QString HourColumn(int hour)
{
    return QStringLiteral("Temperature_%1").arg(hour);
}

CDbQuery& Bound(CDbQuery* dataSet)
{
    if (!dataSet)
        throw Exception(QStringLiteral("逐时温度没有数据集"));
    return *dataSet;
}
} // namespace

void CTemperatureParameter::Load()
{
    std::fill_n(&Temperature[0][0][0], 2 * 12 * 24, 0.0f);
    CDbQuery& query = Bound(DataSet);
    if (CTool::OpenQuery(query, CSQLStatement(" select * from TemperatureParameter ")) > 0) {
        for (query.First(); !query.Eof(); query.Next()) {
            const int month = query.AsInt(QStringLiteral("Month"));
            const int kind = query.AsInt(QStringLiteral("DrybulbOrWetbulb"));
            if (month < 0 || month > 11 || kind < 0 || kind > 1)
                continue;
            for (int h = 0; h < 24; ++h)
                Temperature[kind][month][h] = static_cast<float>(query.AsDouble(HourColumn(h)));
        }
    }
    CalcMonthlyExtremes();
}

void CTemperatureParameter::Save()
{
    CDbQuery& query = Bound(DataSet);
    // A failed delete followed by 24 inserts would double the rows: every step raises instead.
    CSavepoint savepoint(query.ConnectionName());
    ExecQueryGuarded(query, CSQLStatement("delete from TemperatureParameter "));
    OpenQueryGuarded(query, CSQLStatement(" select * from TemperatureParameter "));
    for (int kind = 0; kind < 2; ++kind) {
        for (int month = 0; month < 12; ++month) {
            query.Append();
            query.SetFieldValue(QStringLiteral("Month"), month);
            query.SetFieldValue(QStringLiteral("DrybulbOrWetbulb"), kind);
            for (int h = 0; h < 24; ++h)
                query.SetFieldValue(HourColumn(h), static_cast<double>(Temperature[kind][month][h]));
            query.Post();
        }
    }
    savepoint.Commit();
}

void CTemperatureParameter::CalcMonthlyExtremes()
{
    for (int kind = 0; kind < 2; ++kind) {
        for (int month = 0; month < 12; ++month) {
            float day[24];
            std::copy_n(Temperature[kind][month], 24, day);
            GetMax(day, &MonthlyMax[kind][month], &MonthlyMin[kind][month]);
        }
    }
}

void CTemperatureParameter::RebuildDailyProfiles()
{
    for (int month = 0; month < 12; ++month) {
        for (int kind = 0; kind < 2; ++kind) {
            float day[24];
            GetDB(MonthlyMax[kind][month], MonthlyMin[kind][month], day);
            std::copy_n(day, 24, Temperature[kind][month]);
        }
    }
}
