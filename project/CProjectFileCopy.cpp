#include "project/CProjectFileCopy.h"

#include "model/CProjectData.h"
#include "project/CSystemGlobalData.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

bool ReplaceFile(const QString& source, const QString& target, QString& message)
{
    if (QFileInfo::exists(target) && !QFile::remove(target)) {
        message = QStringLiteral("无法替换文件“%1”。").arg(QDir::toNativeSeparators(target));
        return false;
    }
    if (!QFileInfo::exists(source))
        return true;
    if (!QFile::copy(source, target)) {
        message = QStringLiteral("无法把“%1”复制为“%2”。")
                      .arg(QDir::toNativeSeparators(source), QDir::toNativeSeparators(target));
        return false;
    }
    // A copy of a read-only file must still take the user's edits.
    QFile(target).setPermissions(QFile(target).permissions() | QFile::WriteOwner);
    return true;
}

bool CopyMissing(const QString& source, const QString& target, QString& message)
{
    if (QFileInfo::exists(target))
        return true;
    return ReplaceFile(source, target, message);
}

bool CopyFolderSettings(const QDir& from, const QDir& to, QString& message)
{
    const QStringList settings =
        from.entryList({QStringLiteral("OutPutConfig.data"), QStringLiteral("*.config")}, QDir::Files);
    for (const QString& name : settings)
        if (!CopyMissing(from.filePath(name), to.filePath(name), message))
            return false;

    const QDir drawings(from.filePath(QStringLiteral("CAD")));
    if (!drawings.exists())
        return true;
    QDirIterator it(drawings.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString copy = to.filePath(QStringLiteral("CAD/") + drawings.relativeFilePath(file));
        if (!QDir().mkpath(QFileInfo(copy).absolutePath())) {
            message = QStringLiteral("无法创建文件夹“%1”。")
                          .arg(QDir::toNativeSeparators(QFileInfo(copy).absolutePath()));
            return false;
        }
        if (!CopyMissing(file, copy, message))
            return false;
    }
    return true;
}

} // namespace

bool CProjectFileCopy::SameFile(const QString& first, const QString& second)
{
    const QFileInfo a(first);
    const QFileInfo b(second);
    if (a.exists() && b.exists())
        return a.canonicalFilePath() == b.canonicalFilePath();
    return a.absoluteFilePath() == b.absoluteFilePath();
}

bool CProjectFileCopy::Copy(const QString& source, const QString& target, QString& message)
{
    if (SameFile(source, target)) {
        message = QStringLiteral("目标文件就是原工程文件。");
        return false;
    }
    if (!QFileInfo(source).isFile()) {
        message = QStringLiteral("工程文件“%1”不存在。").arg(QDir::toNativeSeparators(source));
        return false;
    }
    if (!ReplaceFile(source, target, message))
        return false;
    if (!ReplaceFile(CSystemGlobalData::CadFileName(source), CSystemGlobalData::CadFileName(target),
                     message) ||
        !ReplaceFile(CProjectData::RunFileName(source), CProjectData::RunFileName(target), message))
        return false;
    const QDir from = QFileInfo(source).absoluteDir();
    const QDir to = QFileInfo(target).absoluteDir();
    if (from.canonicalPath() == to.canonicalPath())
        return true;
    return CopyFolderSettings(from, to, message);
}
