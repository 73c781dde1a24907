#include "platform/core/CXMLDocument.h"

#include "platform/core/CXmlSafeText.h"
#include "platform/core/Exception.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QXmlStreamWriter>

CXMLDocument::CXMLDocument() = default;
CXMLDocument::~CXMLDocument() = default;

bool CXMLDocument::LoadFromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QDomDocument parsed;
    if (!parsed.setContent(&file))
        return false;
    m_document = parsed;
    return true;
}

CXMLNode* CXMLDocument::GetRootNode()
{
    if (!m_root.IsBound() && !m_document.isNull())
        m_root.Bind(m_document.documentElement());
    return &m_root;
}

void CXMLDocument::CreateNewFile(const QString& path)
{
    if (!CXmlSafeText::IsValidName(m_root.Name))
        throw Exception(QStringLiteral("XML元素名无效：“%1”").arg(m_root.Name));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Exception(
            QStringLiteral("不能写入文件%1\n%2").arg(QDir::toNativeSeparators(path), file.errorString()));
    QXmlStreamWriter writer(&file);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(2);
    writer.writeStartDocument(QStringLiteral("1.0"));
    writer.writeStartElement(m_root.Name);
    m_root.WriteTo(writer);
    writer.writeEndElement();
    writer.writeEndDocument();
    if (writer.hasError() || !file.commit())
        throw Exception(
            QStringLiteral("不能写入文件%1\n%2").arg(QDir::toNativeSeparators(path), file.errorString()));
}
