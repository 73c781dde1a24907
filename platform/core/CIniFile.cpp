#include "platform/core/CIniFile.h"

#include "platform/core/CGbkCodec.h"

#include <QFile>
#include <QSaveFile>
#include <functional>

namespace {
// A section header (Key empty) or a key line with the section it stands in.
struct SIniLine
{
    int Index;
    QString Section;
    QString Key;
    QString Value;
};

// One pass over the lines; a visit returning true ends it.
void ScanLines(const QStringList& lines, const std::function<bool(const SIniLine&, bool header)>& visit)
{
    QString section;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(';'))
            continue;
        if (line.startsWith('[')) {
            const int end = line.indexOf(']');
            section = end > 0 ? line.mid(1, end - 1).trimmed() : QString();
            if (end > 0 && visit({i, section, {}, {}}, true))
                return;
            continue;
        }
        const int eq = line.indexOf('=');
        if (eq > 0 && visit({i, section, line.left(eq).trimmed(), line.mid(eq + 1).trimmed()}, false))
            return;
    }
}

bool SameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QStringList ReadLines(const QString& path)
{
    QString text;
    if (!CGbkCodec::ReadTextFile(path, text))
        return {};
    return text.split('\n');
}
} // namespace

QString CIniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    QString result = defaultValue;
    ScanLines(ReadLines(m_path), [&](const SIniLine& line, bool header) {
        if (header || !SameName(line.Section, section) || !SameName(line.Key, key))
            return false;
        result = line.Value;
        return true;
    });
    return result;
}

QStringList CIniFile::SectionNames() const
{
    QStringList names;
    ScanLines(ReadLines(m_path), [&](const SIniLine& line, bool header) {
        if (header && !names.contains(line.Section, Qt::CaseInsensitive))
            names << line.Section;
        return false;
    });
    return names;
}

bool CIniFile::WriteString(const QString& section, const QString& key, const QString& value) const
{
    QByteArray bytes;
    if (QFile file(m_path); file.exists()) {
        if (!file.open(QIODevice::ReadOnly))
            return false;
        bytes = file.readAll();
    }
    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    const QString text = CGbkCodec::DecodeUtf8OrGbk(bytes);
    // Valid UTF-8 decodes and encodes back to the same bytes; anything else was read as GBK.
    const bool utf8 = text.toUtf8() == (bom ? bytes.mid(3) : bytes);
    const QString lineEnd = text.contains(QLatin1String("\r\n")) ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QStringList lines = text.isEmpty() ? QStringList() : text.split(lineEnd);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();

    int keyLine = -1;
    int sectionEnd = -1; // the last header or key line of the section
    ScanLines(lines, [&](const SIniLine& line, bool header) {
        if (!SameName(line.Section, section))
            return false;
        if (!header && SameName(line.Key, key)) {
            keyLine = line.Index;
            return true;
        }
        sectionEnd = line.Index;
        return false;
    });
    const QString entry = key + '=' + value;
    if (keyLine >= 0) {
        const QString old = lines.at(keyLine);
        lines[keyLine] = old.left(old.indexOf('=')).trimmed() + '=' + value;
    } else if (sectionEnd >= 0) {
        lines.insert(sectionEnd + 1, entry);
    } else {
        lines << '[' + section + ']' << entry;
    }

    const QString written = lines.join(lineEnd) + lineEnd;
    QByteArray out = utf8 ? written.toUtf8() : CGbkCodec::ToGbk(written);
    if (bom)
        out.prepend("\xEF\xBB\xBF");
    QSaveFile file(m_path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size() && file.commit();
}
