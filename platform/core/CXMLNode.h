#pragma once
#include "platform/core/CMyList.h"
#include "platform/core/CMyMap.h"

#include <QDomNode>
#include <QString>

class QXmlStreamWriter;

// One element of a CXMLDocument. A node is either bound to an element of a loaded file, whose
// children it reads from the parsed document once they are first asked for (AddChild,
// GetChildCount), or built in memory (unbound), reaching a file only through
// CXMLDocument::CreateNewFile. A node owns its children; children added with AddChild are unbound
// even under a bound node.
//
// Attributes set with SetAttribute live in the node's own map (ordered by name, case-sensitive) and
// are the only ones written; reads look in that map first, then in the parsed element, and give ""
// for an absent attribute.
class CXMLNode
{
public:
    CXMLNode();
    ~CXMLNode();
    CXMLNode(const CXMLNode&) = delete;
    CXMLNode& operator=(const CXMLNode&) = delete;

    // Loads the children first, then appends a new unbound child of that name.
    CXMLNode* AddChild(const QString& name);
    // Loads the children first.
    int GetChildCount();
    // Null for an index out of range. Does not load: callers ask for the count first.
    CXMLNode* GetChild(int index);

    QString GetAttribute(const QString& name) const;
    // Text is Unicode throughout, so the wide form reads the same as GetAttribute.
    QString GetAttributeW(const QString& name) const { return GetAttribute(name); }
    // Stored in the node's map, replacing an earlier value, and set on the parsed element of a
    // bound node too.
    void SetAttribute(const QString& name, const QString& value);

    // Reads the children of a bound node from the parsed document, once; nothing for an unbound node.
    void LoadChildren();
    // Writes the attributes of the map (ascending names) into the element the writer has open, then
    // Text when it is not empty, else every child as an element of its Name. Raises Exception for a
    // name that is not a valid XML name.
    void WriteTo(QXmlStreamWriter& writer);

    bool IsBound() const { return !m_domNode.isNull(); }

    QString Text;
    QString Name;

private:
    friend class CXMLDocument;
    void Bind(const QDomNode& node) { m_domNode = node; }

    QDomNode m_domNode;
    bool m_loaded = false;
    CMyList<CXMLNode> m_children{true};
    CMyMap<QString, QString> m_attributes;
};
