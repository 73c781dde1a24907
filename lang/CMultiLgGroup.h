#pragma once
#include <QHash>
#include <QString>

// One translation group of a language file: key to translated text. Keys match exactly (letter
// case counts); a later text for a key replaces the earlier one.
class CMultiLgGroup
{
public:
    explicit CMultiLgGroup(const QString& name) : m_name(name) {}

    const QString& Name() const { return m_name; }
    int Count() const { return static_cast<int>(m_texts.size()); }
    void SetText(const QString& key, const QString& text) { m_texts.insert(key, text); }
    // True, with the text, when the group holds the key.
    bool Find(const QString& key, QString& text) const;

private:
    QString m_name;
    QHash<QString, QString> m_texts;
};

// The group's text for the key, or the default; an empty key is never looked up.
QString TranslateText(const CMultiLgGroup& group, const QString& key, const QString& defaultText);
