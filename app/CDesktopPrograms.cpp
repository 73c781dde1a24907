#include "app/CDesktopPrograms.h"

#include <QProcess>
#include <QStandardPaths>

QString CDesktopPrograms::Find(const QString& name) const
{
    return QStandardPaths::findExecutable(name);
}

bool CDesktopPrograms::Start(const QString& program, const QString& workingFolder)
{
    return QProcess::startDetached(program, {}, workingFolder);
}
