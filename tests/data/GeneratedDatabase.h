#pragma once
#include "platform/core/CDbConnection.h"

#include <QString>
#include <QStringList>
#include <QVariant>

// One database of the generated program folder (build/bin), opened for reading.
class GeneratedDatabase
{
public:
    explicit GeneratedDatabase(const QString& relativePath);
    ~GeneratedDatabase();
    GeneratedDatabase(const GeneratedDatabase&) = delete;
    GeneratedDatabase& operator=(const GeneratedDatabase&) = delete;

    bool HasTable(const QString& table) const;
    // Column names as declared, from PRAGMA table_info.
    QStringList Columns(const QString& table) const;
    // Column names absent from the table (compared case-insensitively), for readable failures.
    QStringList MissingColumns(const QString& table, const QStringList& expected) const;
    // First column of every row of a query.
    QVariantList Column(const QString& sql, const QVariantList& values = {}) const;
    QVariant Scalar(const QString& sql, const QVariantList& values = {}) const;
    const QString& ConnectionName() const { return m_connection.Name(); }

private:
    CDbConnection m_connection;
};
