#include "report/engine/CReportOutputFile.h"

#include <QSaveFile>

bool CReportOutputFile::Save(const QString& fileName, const QByteArray& bytes, QString& error)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = QStringLiteral("无法写入文件%1：%2").arg(fileName, file.errorString());
        return false;
    }
    return true;
}
