#include "project/CProjectFileCopy.h"

#include "model/CProjectData.h"
#include "project/CStagedFiles.h"
#include "project/CSystemGlobalData.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

// A file of the set: the source's copy replaces the target; without a source, a target left by
// an earlier project of the target's name goes.
bool StageReplacement(CStagedFiles& files, const QString& source, const QString& target, QString& message)
{
    if (QFileInfo::exists(source))
        return files.Stage(source, target, message);
    files.StageRemoval(target);
    return true;
}

bool StageMissing(CStagedFiles& files, const QString& source, const QString& target, QString& message)
{
    if (QFileInfo::exists(target))
        return true;
    return files.Stage(source, target, message);
}

bool StageFolderSettings(CStagedFiles& files, const QDir& from, const QDir& to, QString& message)
{
    const QStringList settings =
        from.entryList({QStringLiteral("OutPutConfig.data"), QStringLiteral("*.config")}, QDir::Files);
    for (const QString& name : settings)
        if (!StageMissing(files, from.filePath(name), to.filePath(name), message))
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
        if (!StageMissing(files, file, copy, message))
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
    // Everything is copied beside its target first: a copy that fails leaves the files of the
    // target's name as they were.
    CStagedFiles files;
    if (!files.Stage(source, target, message) ||
        !StageReplacement(files, CSystemGlobalData::CadFileName(source),
                          CSystemGlobalData::CadFileName(target), message) ||
        !StageReplacement(files, CProjectData::RunFileName(source), CProjectData::RunFileName(target),
                          message))
        return false;
    const QDir from = QFileInfo(source).absoluteDir();
    const QDir to = QFileInfo(target).absoluteDir();
    if (from.canonicalPath() != to.canonicalPath() && !StageFolderSettings(files, from, to, message))
        return false;
    return files.Commit(message);
}
