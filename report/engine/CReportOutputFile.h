#pragma once
#include <QByteArray>
#include <QString>

// Every export ends here: the file is replaced only when all of it was written, so a failed export
// never leaves a half-written file behind or an old file damaged.
class CReportOutputFile
{
public:
    // False with "无法写入文件<name>：<reason>" when the file cannot be written.
    static bool Save(const QString& fileName, const QByteArray& bytes, QString& error);
};
