#include "report/CXmlAttributeList.h"

#include "platform/core/CXmlSafeText.h"

#include <QXmlStreamWriter>

void CXmlAttributeList::Set(const QString& name, const QString& value)
{
    const QString safe = CXmlSafeText::EncodeName(name);
    const auto found = m_index.constFind(safe);
    if (found != m_index.cend()) {
        m_items[*found].second = value;
        return;
    }
    m_index.insert(safe, m_items.size());
    m_items.append({safe, value});
}

void CXmlAttributeList::WriteTo(QXmlStreamWriter& writer) const
{
    for (const auto& [name, value] : m_items)
        writer.writeAttribute(name, CXmlSafeText::CleanValue(value));
}
