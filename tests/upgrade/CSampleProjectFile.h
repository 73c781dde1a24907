#pragma once
#include "platform/core/CDbConnection.h"
#include "platform/core/CDbQuery.h"

#include <QTemporaryDir>

// A copy of the new-project template of a program folder, "Office.VLZ" in a folder of its own, with
// the sample rows of CSampleProjectRows, opened on a connection of its own.
class CSampleProjectFile
{
public:
    explicit CSampleProjectFile(const QString& programFolder);

    QString Path() const { return m_dir.filePath(QStringLiteral("Office.VLZ")); }
    QString Folder(const QString& relative) const { return m_dir.filePath(relative); }
    CDbConnection& Connection() { return m_connection; }
    CDbQuery& Query() { return m_query; }
    void Exec(const CSQLStatement& statement);
    QString Scalar(const CSQLStatement& statement);
    // The values of the first column, one per row.
    QStringList Column(const CSQLStatement& statement);

private:
    static inline int s_counter = 0;
    QTemporaryDir m_dir;
    CDbConnection m_connection;
    CDbQuery m_query;
};
