#pragma once
#include "platform/core/CXMLNode.h"

#include <QDomDocument>
#include <QString>

// A small XML document: a file parsed with Qt XML's DOM, or a tree of CXMLNode built in memory and
// written as a new file. The document owns its root node, whose Name is the document element's
// name when the tree is written (it is never read from a parsed file).
class CXMLDocument
{
public:
    CXMLDocument();
    ~CXMLDocument();
    CXMLDocument(const CXMLDocument&) = delete;
    CXMLDocument& operator=(const CXMLDocument&) = delete;

    // Parses the file and keeps it; false, with the document left as it was, when the file is
    // missing, unreadable or not well-formed. The root node is not touched.
    bool LoadFromFile(const QString& path);
    // Never null. An unbound root is bound to the parsed document element on first use.
    CXMLNode* GetRootNode();
    // Writes the tree under the root node (UTF-8, declared as version 1.0 with its encoding, indented)
    // as the file at path, replacing it only once the whole file is written. Raises Exception when
    // a name is not a valid XML name or the file cannot be written; the old file is then kept.
    void CreateNewFile(const QString& path);

private:
    QDomDocument m_document;
    CXMLNode m_root;
};
