#include "platform/core/CDbQuery.h"

#include "platform/core/CDbConnection.h"
#include "platform/core/Exception.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {
QSqlQuery Prepare(const QString& connection, const CSQLStatement& statement)
{
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    if (!db.isValid() || !db.isOpen())
        throw Exception(QStringLiteral("数据库连接未打开"));
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(statement.Text))
        throw Exception(query.lastError().text());
    for (const QVariant& value : statement.Values)
        query.addBindValue(value);
    if (!query.exec())
        throw Exception(query.lastError().text());
    return query;
}
} // namespace

CDbQuery::CDbQuery(const CDbConnection& connection) : m_connection(connection.Name())
{
}

void CDbQuery::SetConnection(const CDbConnection& connection)
{
    m_connection = connection.Name();
}

void CDbQuery::Close()
{
    m_fields.clear();
    m_rows.clear();
    m_recno = 0;
    m_open = false;
}

void CDbQuery::Open()
{
    Close();
    QSqlQuery query = Prepare(m_connection, m_statement);
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        m_fields << record.fieldName(i);
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
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant CDbQuery::Field(int index) const
{
    if (index < 0 || index >= m_fields.size())
        throw Exception(QStringLiteral("字段序号超出范围: %1").arg(index));
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
