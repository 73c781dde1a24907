#include "upgrade/CSQLMaker.h"

#include "platform/core/Exception.h"

#include <cmath>

CSQLMaker::CSQLMaker(const QString& tableName) : m_pairs(true), m_tableName(tableName)
{
}

CSQLMaker::~CSQLMaker() = default;

CSQLMaker& CSQLMaker::Append(const QString& field, const QVariant& value)
{
    m_pairs.Add(new CSQLData{field, value});
    return *this;
}

CSQLMaker& CSQLMaker::AddSQLField(const QString& field, const QString& value, bool quoted)
{
    if (quoted)
        return Append(field, value.isNull() ? QString("") : value);
    if (value.isEmpty())
        return Append(field, QVariant());
    bool ok = false;
    const qlonglong asInt = value.toLongLong(&ok);
    if (ok)
        return Append(field, asInt);
    const double asReal = value.toDouble(&ok);
    if (ok && std::isfinite(asReal))
        return Append(field, asReal);
    return Append(field, value);
}

CSQLMaker& CSQLMaker::AddIntField(const QString& field, int value)
{
    return Append(field, value);
}

CSQLMaker& CSQLMaker::AddFloatField(const QString& field, double value)
{
    return Append(field, value);
}

CSQLMaker& CSQLMaker::AddIntCondition(const QString& field, int value, const QString& op)
{
    static const QStringList allowed = {"=", "<>", "<", ">", "<=", ">="};
    const QString trimmed = op.trimmed();
    if (!trimmed.isEmpty() && !allowed.contains(trimmed))
        throw Exception(QStringLiteral("不支持的比较运算符: %1").arg(op));
    if (!m_extraCondition.isEmpty())
        m_extraCondition += QStringLiteral(" and ");
    m_extraCondition += field + (trimmed.isEmpty() ? QStringLiteral(" = ") : ' ' + trimmed + ' ') + '?';
    m_extraValues << value;
    return *this;
}

CSQLStatement CSQLMaker::MakeUpdateSQL(const QString& condition, const QVariantList& conditionValues) const
{
    CSQLStatement statement(QStringLiteral("update ") + m_tableName + QStringLiteral(" set "));
    for (int i = 0; i < m_pairs.Count(); ++i) {
        const CSQLData* pair = m_pairs.Get(i);
        if (i > 0)
            statement.Text += ',';
        statement.Text += '[' + pair->Field + QStringLiteral("] = ?");
        statement.Values << pair->Value;
    }
    statement.Text += ' ' + condition;
    statement.Values << conditionValues;
    if (!m_extraCondition.isEmpty()) {
        statement.Text += condition.isEmpty() ? QStringLiteral(" where (") : QStringLiteral(" and (");
        statement.Text += m_extraCondition + ')';
        statement.Values << m_extraValues;
    }
    return statement;
}

CSQLStatement CSQLMaker::MakeInsertSQL() const
{
    QString fields;
    QString marks;
    QVariantList values;
    for (int i = 0; i < m_pairs.Count(); ++i) {
        const CSQLData* pair = m_pairs.Get(i);
        if (i > 0) {
            fields += ',';
            marks += ',';
        }
        fields += '[' + pair->Field + ']';
        marks += '?';
        values << pair->Value;
    }
    return CSQLStatement(QStringLiteral("insert into ") + m_tableName + QStringLiteral(" (") + fields +
                             QStringLiteral(") values(") + marks + QStringLiteral(");"),
                         values);
}
