#pragma once
#include "platform/core/CMyMap.h"

#include <QString>

// Named settings of the open project in tbl_registry (f_key, f_value), grouped by a section:
// the key is "<section>_<name>", or the name alone for an empty section. Reads come from the
// values loaded last; writes go to memory and to the table at once (one row per key).
// Booleans are stored as "TRUE"/"FALSE", integers as decimal digits.
class CRegistry
{
public:
    static QString MakeRegistryKey(const QString& section, const QString& name);

    // Replaces the loaded values with the keys of the section (every key for an empty section,
    // which leaves the current section as it was).
    void LoadRegistrySection(const QString& section);
    void LoadAllRegistry();

    // The loaded value, or "" when the key is not loaded.
    QString ReadRegistryKey(const QString& section, const QString& name) const;
    QString ReadRegistryString(const QString& name) const;
    // The default for an absent key; otherwise true exactly for "TRUE".
    bool ReadRegistryBool(const QString& name, bool defaultValue) const;
    // -1 for an absent key; otherwise the leading decimal number (0 without digits).
    int ReadRegistryInt(const QString& name) const;

    void WriteRegistryString(const QString& section, const QString& name, const QString& value);
    void WriteRegistryValue(const QString& name, const QString& value);
    void WriteRegistryBool(const QString& name, bool flag);

    const QString& Section() const { return m_section; }

private:
    void LoadRows();

    CMyMap<QString, QString> m_values;
    QString m_section;
};
