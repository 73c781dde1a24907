#include "platform/core/CIniFile.h"

#include "platform/core/CGbkCodec.h"

QString CIniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    QString text;
    if (!CGbkCodec::ReadTextFile(m_path, text))
        return defaultValue;
    bool inSection = false;
    const QStringList lines = text.split('\n');
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(';'))
            continue;
        if (line.startsWith('[')) {
            const int end = line.indexOf(']');
            inSection = end > 0 && line.mid(1, end - 1).trimmed().compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection)
            continue;
        const int eq = line.indexOf('=');
        if (eq > 0 && line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return line.mid(eq + 1).trimmed();
    }
    return defaultValue;
}
