#pragma once
#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

// A fresh SQLite file in a temporary folder, opened on a connection of its own, with a query on it.
class CTempDatabase
{
public:
    CTempDatabase()
        : m_connection(QStringLiteral("test_db_%1").arg(++Counter())), m_query(m_connection.Name())
    {
        EXPECT_TRUE(m_dir.isValid());
        m_connection.Open(FilePath(), true);
    }

    QString FilePath() const { return m_dir.filePath(QStringLiteral("test.dat")); }
    QString Folder() const { return m_dir.path(); }
    CDbConnection& Connection() { return m_connection; }
    CDbQuery& Query() { return m_query; }

    // Runs set-up statements that must not fail.
    void Exec(const CSQLStatement& statement)
    {
        CDbQuery query(m_connection.Name());
        query.SetSQL(statement);
        query.ExecSQL();
    }

    // The single value of a one-row query.
    QVariant Scalar(const CSQLStatement& statement)
    {
        CDbQuery query(m_connection.Name());
        query.SetSQL(statement);
        query.Open();
        return query.Field(0);
    }

private:
    static int& Counter()
    {
        static int counter = 0;
        return counter;
    }

    QTemporaryDir m_dir;
    CDbConnection m_connection;
    CDbQuery m_query;
};
