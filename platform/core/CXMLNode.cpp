#include "platform/core/CXMLNode.h"

#include "platform/core/CXmlSafeText.h"
#include "platform/core/Exception.h"

#include <QDomElement>
#include <QDomNodeList>
#include <QXmlStreamWriter>

namespace {
const QString& CheckedName(const QString& name, const char* what)
{
    if (!CXmlSafeText::IsValidName(name))
        throw Exception(QStringLiteral("XML%1名无效：“%2”").arg(QString::fromUtf8(what), name));
    return name;
}
} // namespace

CXMLNode::CXMLNode() = default;
CXMLNode::~CXMLNode() = default;

CXMLNode* CXMLNode::AddChild(const QString& name)
{
    LoadChildren();
    auto* child = new CXMLNode;
    child->Name = name;
    m_children.Add(child);
    return child;
}

int CXMLNode::GetChildCount()
{
    LoadChildren();
    return m_children.Count();
}

CXMLNode* CXMLNode::GetChild(int index)
{
    return m_children.Get(index);
}

QString CXMLNode::GetAttribute(const QString& name) const
{
    if (m_attributes.Contains(name))
        return m_attributes.Get(name);
    const QDomElement element = m_domNode.toElement();
    if (element.isNull() || !element.hasAttribute(name))
        return QString();
    return element.attribute(name);
}

void CXMLNode::SetAttribute(const QString& name, const QString& value)
{
    m_attributes.Set(name, value);
    QDomElement element = m_domNode.toElement();
    if (!element.isNull())
        element.setAttribute(name, value);
}

void CXMLNode::LoadChildren()
{
    if (m_loaded || !IsBound())
        return;
    const QDomNodeList nodes = m_domNode.childNodes();
    for (int i = 0; i < nodes.count(); ++i) {
        auto* child = new CXMLNode;
        child->Bind(nodes.at(i));
        child->Name = nodes.at(i).nodeName();
        m_children.Add(child);
    }
    m_loaded = true;
}

void CXMLNode::WriteTo(QXmlStreamWriter& writer)
{
    for (m_attributes.First(); !m_attributes.Eof(); m_attributes.Next()) {
        QString name, value;
        m_attributes.GetCurrent(name, value);
        writer.writeAttribute(CheckedName(name, "属性"), CXmlSafeText::CleanValue(value));
    }
    if (!Text.isEmpty()) {
        writer.writeCharacters(CXmlSafeText::CleanValue(Text));
        return;
    }
    for (int i = 0; i < m_children.Count(); ++i) {
        CXMLNode* child = m_children.Get(i);
        writer.writeStartElement(CheckedName(child->Name, "元素"));
        child->WriteTo(writer);
        writer.writeEndElement();
    }
}
