#include "tests/upgrade/CSampleProjectFile.h"

#include "platform/core/CTool.h"
#include "tests/upgrade/CSampleProjectRows.h"

#include <QFile>

CSampleProjectFile::CSampleProjectFile(const QString& programFolder)
    : m_connection(QStringLiteral("sample_project_%1").arg(++s_counter)), m_query(m_connection)
{
    QFile::copy(programFolder + QStringLiteral("/Project/ProjectModule.dat"), Path());
    QFile(Path()).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    m_connection.Open(Path());
    CDbTransaction transaction(m_connection);
    CSampleProjectRows::Insert(m_query);
    transaction.Commit();
}

void CSampleProjectFile::Exec(const CSQLStatement& statement)
{
    ExecQueryGuarded(m_query, statement);
}

QString CSampleProjectFile::Scalar(const CSQLStatement& statement)
{
    OpenQueryGuarded(m_query, statement);
    return m_query.Field(0).toString();
}

QStringList CSampleProjectFile::Column(const CSQLStatement& statement)
{
    OpenQueryGuarded(m_query, statement);
    QStringList values;
    for (m_query.First(); !m_query.Eof(); m_query.Next())
        values << m_query.Field(0).toString();
    return values;
}
