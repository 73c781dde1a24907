#include "tests/lang/LanguageFolder.h"

#include <QFile>

void LanguageFolder::Write(const QString& name, const QByteArray& bytes) const
{
    QFile file(File(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray LanguageFolder::Read(const QString& name) const
{
    QFile file(File(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString LanguageFolder::LanguageFile(const QString& groups)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<root><trans>") + groups +
           QStringLiteral("</trans></root>\n");
}
