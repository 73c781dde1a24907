#include "tests/data/GeneratedDatabase.h"

#include "platform/core/CDbQuery.h"
#include "tests/support/CTestProgramFolder.h"

#include <QAtomicInt>

namespace {
QString UniqueName()
{
    static QAtomicInt counter;
    return QStringLiteral("generated_%1").arg(counter.fetchAndAddRelaxed(1));
}
} // namespace

GeneratedDatabase::GeneratedDatabase(const QString& relativePath) : m_connection(UniqueName())
{
    m_connection.Open(GeneratedProgramFolder() + '/' + relativePath);
}

GeneratedDatabase::~GeneratedDatabase() = default;

bool GeneratedDatabase::HasTable(const QString& table) const
{
    return Scalar("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE",
                  {table})
               .toInt() > 0;
}

QStringList GeneratedDatabase::Columns(const QString& table) const
{
    QStringList names;
    CDbQuery query(m_connection);
    query.SetSQL({"SELECT name FROM pragma_table_info(?)", {table}});
    query.Open();
    for (query.First(); !query.Eof(); query.Next())
        names << query.Field(0).toString();
    return names;
}

QStringList GeneratedDatabase::MissingColumns(const QString& table, const QStringList& expected) const
{
    const QStringList present = Columns(table);
    QStringList missing;
    for (const QString& name : expected)
        if (!present.contains(name, Qt::CaseInsensitive))
            missing << name;
    return missing;
}

QVariantList GeneratedDatabase::Column(const QString& sql, const QVariantList& values) const
{
    QVariantList result;
    CDbQuery query(m_connection);
    query.SetSQL({sql, values});
    query.Open();
    for (query.First(); !query.Eof(); query.Next())
        result << query.Field(0);
    return result;
}

QVariant GeneratedDatabase::Scalar(const QString& sql, const QVariantList& values) const
{
    const QVariantList rows = Column(sql, values);
    return rows.isEmpty() ? QVariant() : rows.first();
}
