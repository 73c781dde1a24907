#include "platform/core/CSavepoint.h"

#include "platform/core/CDbError.h"
#include "platform/core/Exception.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {
// Savepoints nest; a counter keeps their names apart.
int g_savepoints = 0;
} // namespace

CSavepoint::CSavepoint(const QString& connectionName)
    : m_connection(connectionName), m_name(QStringLiteral("climate_%1").arg(++g_savepoints))
{
    Run(QStringLiteral("SAVEPOINT ") + m_name, true);
}

CSavepoint::~CSavepoint()
{
    if (m_done)
        return;
    // Nothing may leave a destructor: a failed rollback shows in the caller's next statement.
    Run(QStringLiteral("ROLLBACK TO ") + m_name, false);
    Run(QStringLiteral("RELEASE ") + m_name, false);
}

void CSavepoint::Commit()
{
    Run(QStringLiteral("RELEASE ") + m_name, true);
    m_done = true;
}

void CSavepoint::Run(const QString& sql, bool raise)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!query.exec(sql) && raise)
        throw Exception(
            QStringLiteral("执行数据发生异常:\n%1\n执行的语句:%2").arg(CDbError::Describe(query.lastError()), sql));
}
