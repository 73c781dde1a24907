#pragma once
#include <QString>

// Reads one value of a Windows-style INI file: sections and keys match case-insensitively, the
// file is UTF-8 or GBK, ';' starts a comment line. The file is read at each call, so edits made
// while the program runs are seen.
class CIniFile
{
public:
    explicit CIniFile(const QString& path) : m_path(path) {}
    const QString& Path() const { return m_path; }
    // The value, trimmed; the default when the file, the section or the key is missing.
    QString ReadString(const QString& section, const QString& key, const QString& defaultValue = {}) const;

private:
    QString m_path;
};
