#pragma once
#include <QString>

// All or nothing on one database connection, also inside a transaction someone else opened: a
// SAVEPOINT that Commit releases and the destructor otherwise rolls back.
class CSavepoint
{
public:
    // Raises Exception when the database refuses the savepoint.
    explicit CSavepoint(const QString& connectionName);
    ~CSavepoint();
    CSavepoint(const CSavepoint&) = delete;
    CSavepoint& operator=(const CSavepoint&) = delete;

    // Raises Exception when the database refuses; the changes are then rolled back.
    void Commit();

private:
    void Run(const QString& sql, bool raise);

    QString m_connection;
    QString m_name;
    bool m_done = false;
};
