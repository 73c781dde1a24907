#pragma once
#include <QString>
#include <QStringList>

// Reads and writes values of a Windows-style INI file: sections and keys match case-insensitively,
// the file is UTF-8 or GBK, ';' starts a comment line. The file is read at each call, so edits made
// while the program runs are seen.
class CIniFile
{
public:
    explicit CIniFile(const QString& path) : m_path(path) {}
    const QString& Path() const { return m_path; }
    // The value, trimmed; the default when the file, the section or the key is missing. A key
    // written with nothing after '=' gives "".
    QString ReadString(const QString& section, const QString& key, const QString& defaultValue = {}) const;
    // The section names in file order, each once (as first written); empty when the file is missing.
    QStringList SectionNames() const;
    // Sets the key of the section, adding the key or the section when missing (the file too). Every
    // other line stays as it was, and so do the file's encoding (UTF-8 or GBK) and line ends. The
    // file is replaced only once wholly written: false, with the old file intact, when it cannot be.
    bool WriteString(const QString& section, const QString& key, const QString& value) const;

private:
    QString m_path;
};
