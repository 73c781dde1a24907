#include "upgrade/ProjectBackup.h"

#include "platform/core/Exception.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>

namespace {
const QString BackupFolderName = QStringLiteral("Backup");
const QString FullFolderName = QStringLiteral("Full");

bool FailCopy(const QString& from, const QString& to, const QString& why, QString& reason)
{
    reason = QStringLiteral("无法将 %1 复制到 %2：%3")
                 .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(to), why);
    return false;
}

// Written beside the target and renamed over it at the end, so that a failure never leaves a
// partial copy nor costs the previous backup of the same name.
bool CopyReplacing(const QString& from, const QString& to, QString& reason)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return FailCopy(from, to, source.errorString(), reason);
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly))
        return FailCopy(from, to, target.errorString(), reason);
    constexpr qint64 chunk = 1 << 20;
    while (!source.atEnd()) {
        const QByteArray data = source.read(chunk);
        if (data.isEmpty() && source.error() != QFileDevice::NoError)
            return FailCopy(from, to, source.errorString(), reason);
        if (target.write(data) != data.size())
            return FailCopy(from, to, target.errorString(), reason);
    }
    if (!target.commit())
        return FailCopy(from, to, target.errorString(), reason);
    return true;
}

// The first 8 characters of a rolling copy's name are its day; text order is time order.
void ThinOutRollingCopies(const QDir& folder, const QString& today)
{
    static const QRegularExpression stamped(QStringLiteral("^\\d{14}\\.vlz$"),
                                            QRegularExpression::CaseInsensitiveOption);
    QStringList copies;
    QStringList earlierDays;
    for (const QString& name : folder.entryList({QStringLiteral("*.vlz")}, QDir::Files)) {
        if (!stamped.match(name).hasMatch())
            continue;
        copies << name;
        const QString day = name.left(8);
        if (day < today && !earlierDays.contains(day))
            earlierDays << day;
    }
    std::sort(earlierDays.begin(), earlierDays.end(), std::greater<>());
    const QStringList keptDays = earlierDays.mid(0, 2);
    for (const QString& name : copies) {
        const QString day = name.left(8);
        if (day < today && !keptDays.contains(day))
            QFile::remove(folder.filePath(name));
    }
}
} // namespace

void BackupProjectFile(const QString& projectPath, const QString& fileName)
{
    BackupProjectFile(projectPath, fileName, QDateTime::currentDateTime());
}

void BackupProjectFile(const QString& projectPath, const QString& fileName, const QDateTime& now)
{
    QString reason;
    if (!TryBackupProjectFile(projectPath, fileName, now, reason))
        throw Exception(QStringLiteral("备份工程文件失败，工程未作任何修改。\n") + reason);
}

bool TryBackupProjectFile(const QString& projectPath, const QString& fileName, const QDateTime& now,
                          QString& reason)
{
    QDir folder = QFileInfo(projectPath).absoluteDir();
    // An existing folder is fine; a folder that cannot be made shows in the copy's failure.
    folder.mkdir(BackupFolderName);
    folder.setPath(folder.filePath(BackupFolderName));

    if (fileName.isEmpty()) {
        const QString stamp = now.toString(QStringLiteral("yyyyMMddHHmmss"));
        if (!CopyReplacing(projectPath, folder.filePath(stamp + QStringLiteral(".vlz")), reason))
            return false;
        ThinOutRollingCopies(folder, stamp.left(8));
        return true;
    }
    folder.mkdir(FullFolderName);
    return CopyReplacing(projectPath, folder.filePath(FullFolderName + '/' + fileName), reason);
}
