#include "climate/CSolarRadiation.h"

#include "platform/core/CSavepoint.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

#include <algorithm>

const char* const CSolarRadiation::ColumnNames[10] = {
    "Multiple",
    "Radiation_East",
    "Radiation_SouthEast",
    "Radiation_South",
    "Radiation_SouthWest",
    "Radiation_West",
    "Radiation_NorthWest",
    "Radiation_North",
    "Radiation_NorthEast",
    "Radiation_Level",
};

namespace {
CDbQuery& Bound(CDbQuery* dataSet)
{
    if (!dataSet)
        throw Exception(QStringLiteral("太阳辐射没有数据集"));
    return *dataSet;
}
} // namespace

void CSolarRadiation::Load()
{
    std::fill_n(&Radiation[0][0], 12 * 10, 0.0f);
    CDbQuery& query = Bound(DataSet);
    if (CTool::OpenQuery(query, CSQLStatement(" select * from SolarRadiation ")) <= 0)
        return;
    for (query.First(); !query.Eof(); query.Next()) {
        const int month = query.AsInt(QStringLiteral("Month")) - 1;
        if (month < 0 || month > 11)
            continue;
        for (int c = 0; c < 10; ++c)
            Radiation[month][c] = static_cast<float>(query.AsDouble(QString::fromLatin1(ColumnNames[c])));
    }
}

void CSolarRadiation::Save()
{
    CDbQuery& query = Bound(DataSet);
    // A failed delete followed by 12 inserts would double the rows: every step raises instead.
    CSavepoint savepoint(query.ConnectionName());
    ExecQueryGuarded(query, CSQLStatement("delete from SolarRadiation "));
    OpenQueryGuarded(query, CSQLStatement("select * from SolarRadiation "));
    for (int month = 0; month < 12; ++month) {
        query.Append();
        query.SetFieldValue(QStringLiteral("Month"), month + 1);
        for (int c = 0; c < 10; ++c)
            query.SetFieldValue(QString::fromLatin1(ColumnNames[c]),
                                static_cast<double>(Radiation[month][c]));
        query.Post();
    }
    savepoint.Commit();
}
