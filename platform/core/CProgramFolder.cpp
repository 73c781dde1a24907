#include "platform/core/CProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString& Override()
{
    static QString folder;
    return folder;
}

QString WithSlash(QString folder)
{
    if (!folder.endsWith('/'))
        folder += '/';
    return folder;
}

const char* const DataFolders[] = {"System", "lib", "lg", "PlugIn", "CustomTool", "Project",
                                   "Module", "IssueData", "User"};

bool CopyTree(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QString target = to + '/' + QDir(from).relativeFilePath(it.filePath());
        if (it.fileInfo().isDir()) {
            if (!QDir().mkpath(target))
                return false;
        } else if (!QFile::exists(target) && !QFile::copy(it.filePath(), target)) {
            return false;
        }
    }
    return true;
}
} // namespace

QString CProgramFolder::Path()
{
    if (!Override().isEmpty())
        return Override();
    return WithSlash(QCoreApplication::applicationDirPath());
}

void CProgramFolder::SetPath(const QString& folder)
{
    Override() = folder.isEmpty() ? QString() : WithSlash(QDir::cleanPath(folder));
}

QString CProgramFolder::Resolve(const QString& relativePath)
{
    return ResolveIn(Path(), relativePath);
}

QString CProgramFolder::ResolveIn(const QString& baseFolder, const QString& relativePath)
{
    QString path = QDir::cleanPath(baseFolder);
    const QStringList parts = QString(relativePath).replace('\\', '/').split('/', Qt::SkipEmptyParts);
    bool exists = QFileInfo(path).isDir();
    for (const QString& part : parts) {
        QString chosen = part;
        if (exists && part != "." && part != "..") {
            const QDir dir(path);
            if (!dir.exists(part)) {
                chosen.clear();
                const QStringList entries = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
                for (const QString& entry : entries) {
                    if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                        chosen = entry;
                        break;
                    }
                }
                if (chosen.isEmpty()) {
                    chosen = part;
                    exists = false;
                }
            }
        }
        path += '/' + chosen;
    }
    return QDir::cleanPath(path);
}

bool CProgramFolder::PrepareWritable(QString& error)
{
    const QString own = Path();
    if (QFileInfo(own + "System").isWritable() && QFileInfo(own).isWritable())
        return true;
    const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/didivov";
    for (const char* folder : DataFolders) {
        const QString from = ResolveIn(own, folder);
        if (QFileInfo(from).isDir() && !CopyTree(from, user + '/' + folder)) {
            error = QString("无法复制程序数据到用户目录: %1").arg(user);
            return false;
        }
    }
    SetPath(user);
    return true;
}
