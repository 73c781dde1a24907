#include "lang/CMultiLgGroup.h"

bool CMultiLgGroup::Find(const QString& key, QString& text) const
{
    const auto it = m_texts.constFind(key);
    if (it == m_texts.constEnd())
        return false;
    text = *it;
    return true;
}

QString TranslateText(const CMultiLgGroup& group, const QString& key, const QString& defaultText)
{
    QString text;
    if (key.isEmpty() || !group.Find(key, text))
        return defaultText;
    return text;
}
