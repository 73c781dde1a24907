#include "platform/core/CDbConnection.h"

#include "platform/core/CDbError.h"
#include "platform/core/Exception.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

CDbConnection::CDbConnection(const QString& name) : m_name(name)
{
}

CDbConnection::~CDbConnection()
{
    Close();
}

void CDbConnection::Open(const QString& path, bool create)
{
    Close();
    if (!create && !QFileInfo::exists(path))
        throw Exception(QStringLiteral("数据库文件不存在: %1").arg(path));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        if (!db.open()) {
            const QString message = CDbError::Describe(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_name);
            throw Exception(QStringLiteral("无法打开数据库 %1\n%2").arg(path, message));
        }
        QSqlQuery pragma(db);
        // A file that is not a database fails here, not at the first real statement.
        if (!pragma.exec(QStringLiteral("PRAGMA foreign_keys=ON")) ||
            !pragma.exec(QStringLiteral("select count(*) from sqlite_master"))) {
            const QString message = CDbError::Describe(pragma.lastError());
            pragma = QSqlQuery();
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_name);
            throw Exception(QStringLiteral("无法打开数据库 %1\n%2").arg(path, message));
        }
    }
    m_fileName = path;
}

void CDbConnection::Close()
{
    if (!QSqlDatabase::contains(m_name))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
    m_fileName.clear();
}

bool CDbConnection::IsOpen() const
{
    return QSqlDatabase::contains(m_name) && QSqlDatabase::database(m_name, false).isOpen();
}

QSqlDatabase CDbConnection::Database() const
{
    return QSqlDatabase::database(m_name, false);
}

void CDbConnection::BeginTransaction()
{
    QSqlDatabase db = Database();
    if (!db.transaction())
        throw Exception(QStringLiteral("无法开始事务: %1").arg(CDbError::Describe(db.lastError())));
}

void CDbConnection::Commit()
{
    QSqlDatabase db = Database();
    if (!db.commit())
        throw Exception(QStringLiteral("无法提交事务: %1").arg(CDbError::Describe(db.lastError())));
}

void CDbConnection::Rollback()
{
    Database().rollback();
}

CDbTransaction::CDbTransaction(CDbConnection& connection) : m_connection(connection)
{
    m_connection.BeginTransaction();
}

CDbTransaction::~CDbTransaction()
{
    if (!m_done)
        m_connection.Rollback();
}

void CDbTransaction::Commit()
{
    m_connection.Commit();
    m_done = true;
}
