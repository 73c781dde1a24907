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

[[noreturn]] void FailCopy(const QString& from, const QString& to, const QString& reason)
{
    throw Exception(QStringLiteral("备份工程文件失败，工程未作任何修改。\n无法将 %1 复制到 %2：%3")
                        .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(to), reason));
}

// Written beside the target and renamed over it at the end, so that a failure never leaves a
// partial copy nor costs the previous backup of the same name.
void CopyReplacing(const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        FailCopy(from, to, source.errorString());
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly))
        FailCopy(from, to, target.errorString());
    constexpr qint64 chunk = 1 << 20;
    while (!source.atEnd()) {
        const QByteArray data = source.read(chunk);
        if (data.isEmpty() && source.error() != QFileDevice::NoError)
            FailCopy(from, to, source.errorString());
        if (target.write(data) != data.size())
            FailCopy(from, to, target.errorString());
    }
    if (!target.commit())
        FailCopy(from, to, target.errorString());
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
    QDir folder = QFileInfo(projectPath).absoluteDir();
    // An existing folder is fine; a folder that cannot be made shows in the copy's failure.
    folder.mkdir(BackupFolderName);
    folder.setPath(folder.filePath(BackupFolderName));

    if (fileName.isEmpty()) {
        const QString stamp = now.toString(QStringLiteral("yyyyMMddHHmmss"));
        CopyReplacing(projectPath, folder.filePath(stamp + QStringLiteral(".vlz")));
        ThinOutRollingCopies(folder, stamp.left(8));
        return;
    }
    folder.mkdir(FullFolderName);
    CopyReplacing(projectPath, folder.filePath(FullFolderName + '/' + fileName));
}
