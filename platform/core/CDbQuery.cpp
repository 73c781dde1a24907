#include "platform/core/CDbQuery.h"

#include "platform/core/CDbConnection.h"
#include "platform/core/CDbError.h"
#include "platform/core/Exception.h"

#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {
// The key under which FieldIndex finds a name: folded character by character, as the
// case-insensitive comparison of names folds them.
QString FieldKey(const QString& name)
{
    QString key = name;
    for (qsizetype i = 0; i < key.size(); ++i) {
        const char16_t c = key.at(i).unicode();
        // Plain letters first: names are ASCII, and a string without capitals is shared, not copied.
        if (c >= u'A' && c <= u'Z')
            key[i] = QChar(c + (u'a' - u'A'));
        else if (c >= 0x80)
            key[i] = key.at(i).toCaseFolded();
    }
    return key;
}

QSqlQuery Prepare(const QString& connection, const CSQLStatement& statement)
{
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    if (!db.isValid() || !db.isOpen())
        throw Exception(QStringLiteral("数据库连接未打开"));
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(statement.Text))
        throw Exception(CDbError::Describe(query.lastError()));
    for (const QVariant& value : statement.Values)
        query.addBindValue(value);
    if (!query.exec())
        throw Exception(CDbError::Describe(query.lastError()));
    return query;
}
} // namespace

CDbQuery::CDbQuery(const CDbConnection& connection) : m_connection(connection.Name()) {}

void CDbQuery::SetConnection(const CDbConnection& connection)
{
    m_connection = connection.Name();
}

void CDbQuery::Close()
{
    m_state = EditState::Browse;
    m_buffer.clear();
    m_fields.clear();
    m_fieldIndex.clear();
    m_rows.clear();
    m_recno = 0;
    m_open = false;
}

void CDbQuery::Open()
{
    Close();
    QSqlQuery query = Prepare(m_connection, m_statement);
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i) {
        m_fields << record.fieldName(i);
        const QString key = FieldKey(m_fields.last());
        if (!m_fieldIndex.contains(key)) // a duplicate name finds its first column
            m_fieldIndex.insert(key, i);
    }
    while (query.next()) {
        QVector<QVariant> row(record.count());
        for (int i = 0; i < record.count(); ++i)
            row[i] = query.value(i);
        m_rows.push_back(std::move(row));
    }
    m_open = true;
}

int CDbQuery::ExecSQL()
{
    Close();
    QSqlQuery query = Prepare(m_connection, m_statement);
    return query.numRowsAffected();
}

void CDbQuery::Next()
{
    if (m_recno < RecordCount())
        ++m_recno;
}

void CDbQuery::MoveTo(int recno)
{
    m_recno = qBound(0, recno - 1, RecordCount());
}

int CDbQuery::FieldIndex(const QString& name) const
{
    return m_fieldIndex.value(FieldKey(name), -1);
}

QVariant CDbQuery::Field(int index) const
{
    if (index < 0 || index >= m_fields.size())
        throw Exception(QStringLiteral("字段序号超出范围: %1").arg(index));
    if (m_state != EditState::Browse)
        return m_buffer[index];
    if (Eof())
        return {};
    return m_rows[m_recno][index];
}

QVariant CDbQuery::FieldByName(const QString& name) const
{
    const int index = FieldIndex(name);
    if (index < 0)
        throw Exception(QStringLiteral("找不到字段: %1").arg(name));
    return Field(index);
}

QString CDbQuery::AsString(const QString& name) const
{
    return FieldByName(name).toString();
}

int CDbQuery::AsInt(const QString& name) const
{
    return FieldByName(name).toInt();
}

double CDbQuery::AsDouble(const QString& name) const
{
    return FieldByName(name).toDouble();
}

QString CDbQuery::UpdateTable() const
{
    if (!m_updateTable.isEmpty())
        return m_updateTable;
    static const QRegularExpression from(QStringLiteral("\\bfrom\\s+\\[?([A-Za-z_][A-Za-z0-9_]*)\\]?"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = from.match(m_statement.Text);
    return match.hasMatch() ? match.captured(1) : QString();
}

void CDbQuery::Edit()
{
    if (m_state != EditState::Browse)
        return;
    if (!m_open || Eof())
        throw Exception(QStringLiteral("没有可编辑的当前记录"));
    m_buffer = m_rows[m_recno];
    m_state = EditState::Edit;
}

void CDbQuery::Append()
{
    if (!m_open)
        throw Exception(QStringLiteral("数据集未打开"));
    m_buffer = QVector<QVariant>(m_fields.size());
    m_state = EditState::Insert;
}

void CDbQuery::SetFieldValue(const QString& name, const QVariant& value)
{
    const int index = FieldIndex(name);
    if (index < 0)
        throw Exception(QStringLiteral("找不到字段: %1").arg(name));
    if (m_state == EditState::Browse)
        throw Exception(QStringLiteral("数据集不在编辑状态，不能修改字段: %1").arg(name));
    m_buffer[index] = value;
}

void CDbQuery::Cancel()
{
    m_state = EditState::Browse;
    m_buffer.clear();
}

void CDbQuery::Post()
{
    if (m_state == EditState::Browse)
        return;
    const QString table = UpdateTable();
    if (table.isEmpty())
        throw Exception(QStringLiteral("无法确定要更新的数据表\nSQL:%1").arg(m_statement.Text));
    if (m_state == EditState::Edit)
        PostUpdate(table);
    else
        PostInsert(table);
    m_state = EditState::Browse;
    m_buffer.clear();
}

namespace {
// Strict on purpose: writing an unchanged column costs nothing, skipping a changed one loses an
// edit (a picture replaced by one of equal size is compared byte by byte).
bool SameValue(const QVariant& a, const QVariant& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    return a.typeId() == b.typeId() && a == b;
}
} // namespace

void CDbQuery::PostUpdate(const QString& table)
{
    const QVector<QVariant>& original = m_rows[m_recno];
    QStringList sets;
    QVariantList values;
    for (int i = 0; i < m_fields.size(); ++i) {
        if (SameValue(original[i], m_buffer[i]))
            continue;
        sets << QStringLiteral("[%1] = ?").arg(m_fields[i]);
        values << m_buffer[i];
    }
    if (!sets.isEmpty()) {
        QString where;
        const int id = FieldIndex(QStringLiteral("ID"));
        if (id >= 0) {
            where = QStringLiteral("[%1] = ?").arg(m_fields[id]);
            values << original[id];
        } else {
            QStringList match;
            for (int i = 0; i < m_fields.size(); ++i) {
                match << QStringLiteral("[%1] IS ?").arg(m_fields[i]);
                values << original[i];
            }
            where = QStringLiteral("rowid = (select rowid from [%1] where %2 limit 1)")
                        .arg(table, match.join(QStringLiteral(" and ")));
        }
        const CSQLStatement update(
            QStringLiteral("update [%1] set %2 where %3").arg(table, sets.join(QStringLiteral(", ")), where),
            values);
        Prepare(m_connection, update);
    }
    m_rows[m_recno] = m_buffer;
}

void CDbQuery::PostInsert(const QString& table)
{
    QStringList names;
    QStringList marks;
    QVariantList values;
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_buffer[i].isNull())
            continue; // the column's default applies, as for a field never set
        names << QStringLiteral("[%1]").arg(m_fields[i]);
        marks << QStringLiteral("?");
        values << m_buffer[i];
    }
    const QString text =
        names.isEmpty() ? QStringLiteral("insert into [%1] default values").arg(table)
                        : QStringLiteral("insert into [%1] (%2) values (%3)")
                              .arg(table, names.join(QStringLiteral(",")), marks.join(QStringLiteral(",")));
    QSqlQuery query = Prepare(m_connection, CSQLStatement(text, values));
    const int id = FieldIndex(QStringLiteral("ID"));
    if (id >= 0 && m_buffer[id].isNull())
        m_buffer[id] = query.lastInsertId();
    m_rows.push_back(m_buffer);
    m_recno = RecordCount() - 1;
}
