#pragma once
#include <QHash>
#include <QList>
#include <QString>

class QXmlStreamWriter;

// The attributes of one element about to be written, in the order first set. Setting a name again
// replaces its value in place, as on an element of a document, so an element never carries a name
// twice. Names are written in their XML-safe form (CXmlSafeText::EncodeName), values cleaned of
// characters XML cannot carry.
class CXmlAttributeList
{
public:
    void Set(const QString& name, const QString& value);
    // Writes the attributes into the element the writer has just started.
    void WriteTo(QXmlStreamWriter& writer) const;

private:
    QList<std::pair<QString, QString>> m_items;
    QHash<QString, qsizetype> m_index;
};
