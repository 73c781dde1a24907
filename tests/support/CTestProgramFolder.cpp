#include "tests/support/CTestProgramFolder.h"

#include "platform/core/CProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <cstdlib>

QString GeneratedProgramFolder()
{
    const char* env = std::getenv("DIDIVOV_BIN_DIR");
    return env ? QString::fromLocal8Bit(env) : QString(DIDIVOV_BIN_DIR_DEFAULT);
}

CTestProgramFolder::CTestProgramFolder()
{
    const QString from = GeneratedProgramFolder();
    QDirIterator it(from, QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        const QString folder = it.next();
        QDirIterator files(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                           QDirIterator::Subdirectories);
        QDir().mkpath(m_dir.path() + '/' + QDir(from).relativeFilePath(folder));
        while (files.hasNext()) {
            const QString file = files.next();
            const QString target = m_dir.path() + '/' + QDir(from).relativeFilePath(file);
            if (QFileInfo(file).isDir())
                QDir().mkpath(target);
            else
                QFile::copy(file, target);
        }
    }
    CProgramFolder::SetPath(m_dir.path());
}

bool CTestProgramFolder::AddLibrary(const QString& fileName) const
{
    return QFile::copy(GeneratedProgramFolder() + '/' + fileName, File(fileName));
}

CTestProgramFolder::~CTestProgramFolder()
{
    CProgramFolder::SetPath(QString());
}
