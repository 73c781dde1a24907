#include "project/CStagedFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace {

QString Native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

std::filesystem::path FsPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

} // namespace

CStagedFiles::~CStagedFiles()
{
    for (const SFile& file : m_files)
        QFile::remove(file.Copy);
}

bool CStagedFiles::Stage(const QString& source, const QString& target, QString& message)
{
    auto fail = [&](const QString& reason) {
        message = QStringLiteral("无法把“%1”复制为“%2”：%3").arg(Native(source), Native(target), reason);
        return false;
    };
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return fail(in.errorString());
    // The copy's name keeps the target's, so that one left by a crash shows what it belongs to.
    QTemporaryFile out(target + QStringLiteral(".XXXXXX"));
    out.setAutoRemove(false);
    if (!out.open())
        return fail(out.errorString());
    const QString copy = out.fileName();
    auto failCopy = [&](const QString& reason) {
        out.close();
        QFile::remove(copy);
        return fail(reason);
    };
    constexpr qint64 chunk = 1 << 20;
    while (!in.atEnd()) {
        const QByteArray data = in.read(chunk);
        if (data.isEmpty() && in.error() != QFileDevice::NoError)
            return failCopy(in.errorString());
        if (out.write(data) != data.size())
            return failCopy(out.errorString());
    }
    if (in.error() != QFileDevice::NoError)
        return failCopy(in.errorString());
    if (!out.flush())
        return failCopy(out.errorString());
    out.close();
    // A temporary file is private; the copy takes the permissions a copied file has.
    if (!QFile::setPermissions(copy, in.permissions() | QFileDevice::WriteOwner)) {
        QFile::remove(copy);
        return fail(QStringLiteral("无法设置文件权限"));
    }
    m_files.push_back({copy, target});
    return true;
}

void CStagedFiles::StageRemoval(const QString& target)
{
    m_removals << target;
}

bool CStagedFiles::Commit(QString& message)
{
    while (!m_files.empty()) {
        const SFile file = m_files.front();
        std::error_code error;
        std::filesystem::rename(FsPath(file.Copy), FsPath(file.Target), error);
        if (error) {
            message = QStringLiteral("无法替换文件“%1”：%2")
                          .arg(Native(file.Target), QString::fromLocal8Bit(error.message().c_str()));
            return false;
        }
        m_files.erase(m_files.begin());
    }
    while (!m_removals.isEmpty()) {
        const QString target = m_removals.takeFirst();
        const QFileInfo info(target);
        if (!info.exists() && !info.isSymLink())
            continue;
        QFile file(target);
        if (!file.remove()) {
            message = QStringLiteral("无法删除文件“%1”：%2").arg(Native(target), file.errorString());
            return false;
        }
    }
    return true;
}
