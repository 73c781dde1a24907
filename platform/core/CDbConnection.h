#pragma once
#include <QString>

class QSqlDatabase;

// One named connection to an SQLite database file (in place of an ADO connection).
// Foreign keys are enforced on every connection. Non-copyable; closing removes the connection.
class CDbConnection
{
public:
    explicit CDbConnection(const QString& name);
    ~CDbConnection();
    CDbConnection(const CDbConnection&) = delete;
    CDbConnection& operator=(const CDbConnection&) = delete;

    // Opens the file; a missing file is an error unless create is set. Raises Exception with the
    // file's path and the database's message on failure. An open connection is closed first.
    void Open(const QString& path, bool create = false);
    void Close();
    bool IsOpen() const;
    const QString& Name() const { return m_name; }
    const QString& FileName() const { return m_fileName; }
    QSqlDatabase Database() const;

    void BeginTransaction();
    void Commit();
    void Rollback();

private:
    QString m_name;
    QString m_fileName;
};

// All or nothing: rolls back in its destructor unless Commit() was called.
class CDbTransaction
{
public:
    explicit CDbTransaction(CDbConnection& connection);
    ~CDbTransaction();
    CDbTransaction(const CDbTransaction&) = delete;
    CDbTransaction& operator=(const CDbTransaction&) = delete;
    void Commit();

private:
    CDbConnection& m_connection;
    bool m_done = false;
};
