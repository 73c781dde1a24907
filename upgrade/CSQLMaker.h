#pragma once
#include "platform/core/CMyList.h"
#include "platform/core/CSQLStatement.h"

// One field/value pair of a statement being built. The value is bound, never pasted: a null
// value stands for SQL null.
struct CSQLData
{
    QString Field;
    QVariant Value;
};

// Builds the INSERT or UPDATE statement of one table from field/value pairs added in order.
// The statements carry "?" placeholders and the bound values, so quotes in texts need no escaping
// and reals keep their full precision. The same field added twice occurs twice.
class CSQLMaker
{
public:
    explicit CSQLMaker(const QString& tableName);
    virtual ~CSQLMaker();
    CSQLMaker(const CSQLMaker&) = delete;
    CSQLMaker& operator=(const CSQLMaker&) = delete;

    // quoted: the value is a text. Unquoted: an empty value is null; a number text is bound as a
    // number; any other text is bound as it stands.
    CSQLMaker& AddSQLField(const QString& field, const QString& value, bool quoted);
    CSQLMaker& AddIntField(const QString& field, int value);
    CSQLMaker& AddFloatField(const QString& field, double value);
    // Appends "field op ?" to the extra condition of the UPDATE, joined by " and "; an empty
    // operator means " = ". Only the comparison operators are accepted.
    CSQLMaker& AddIntCondition(const QString& field, int value, const QString& op = QString());

    // "update T set [a] = ?,[b] = ? <condition>" and, with an extra condition,
    // " where (<extra>)" (" and (<extra>)" when a condition was given). The condition is a
    // complete clause beginning with " where ", with its own placeholders bound to conditionValues.
    CSQLStatement MakeUpdateSQL(const QString& condition = QString(), const QVariantList& conditionValues = {}) const;
    // "insert into T ([a],[b]) values(?,?);"
    CSQLStatement MakeInsertSQL() const;

    const QString& TableName() const { return m_tableName; }
    int FieldCount() const { return m_pairs.Count(); }

private:
    CSQLMaker& Append(const QString& field, const QVariant& value);

    mutable CMyList<CSQLData> m_pairs;
    QString m_tableName;
    QString m_extraCondition;
    QVariantList m_extraValues;
};
