#include "platform/core/CXMLDocument.h"
#include "platform/core/Exception.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {
class XmlDocument : public ::testing::Test
{
protected:
    QString Write(const QString& name, const QByteArray& content)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }
    QByteArray Read(const QString& path)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return file.readAll();
    }

    QTemporaryDir m_dir;
};

// A language file as the translation layer reads it.
const QByteArray LanguageFile = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                "<root lang=\"zh\">\n"
                                "  <!-- 窗体 -->\n"
                                "  <item name=\"TForm1\" value=\"窗体\" Name=\"upper\"/>\n"
                                "  <item name=\"Label1\" value=\"标签\">text</item>\n"
                                "</root>\n";
} // namespace

// The tree under the root is written as it was built: attributes by ascending name, text in place
// of children, children in the order added.
TEST_F(XmlDocument, NewFileIsWrittenFromTheTreeInMemory)
{
    CXMLDocument document;
    CXMLNode* root = document.GetRootNode();
    EXPECT_FALSE(root->IsBound());
    EXPECT_EQ(root->GetChildCount(), 0);
    root->Name = QStringLiteral("root");
    CXMLNode* group = root->AddChild(QStringLiteral("group"));
    group->SetAttribute(QStringLiteral("name"), QStringLiteral("TVoro_Main"));
    CXMLNode* item = group->AddChild(QStringLiteral("item"));
    item->SetAttribute(QStringLiteral("value"), QStringLiteral("文件 & <工程>"));
    item->SetAttribute(QStringLiteral("name"), QStringLiteral("N1"));
    item->SetAttribute(QStringLiteral("remark"), QStringLiteral("菜单"));
    item->SetAttribute(QStringLiteral("name"), QStringLiteral("N2")); // replaces
    CXMLNode* note = root->AddChild(QStringLiteral("note"));
    note->Text = QStringLiteral("说明");
    note->AddChild(QStringLiteral("hidden")); // a node with text writes no children
    EXPECT_EQ(root->GetChildCount(), 2);
    EXPECT_EQ(root->GetChild(1), note);
    EXPECT_EQ(root->GetChild(2), nullptr);
    EXPECT_EQ(root->GetChild(-1), nullptr);

    const QString path = m_dir.filePath(QStringLiteral("lang.xml"));
    document.CreateNewFile(path);
    EXPECT_EQ(Read(path),
              QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                         "<root>\n"
                         "  <group name=\"TVoro_Main\">\n"
                         "    <item name=\"N2\" remark=\"菜单\" value=\"文件 &amp; &lt;工程&gt;\"/>\n"
                         "  </group>\n"
                         "  <note>说明</note>\n"
                         "</root>\n"));
}

// A parsed file: the root binds on first use, children are read when counted, attributes come from
// the file unless set since, names are case-sensitive and an absent attribute is empty.
TEST_F(XmlDocument, LoadedFileIsReadOnDemand)
{
    CXMLDocument document;
    ASSERT_TRUE(document.LoadFromFile(Write(QStringLiteral("zh.xml"), LanguageFile)));
    CXMLNode* root = document.GetRootNode();
    EXPECT_TRUE(root->IsBound());
    EXPECT_EQ(root->Name, "") << "the name is not read from the file";
    EXPECT_EQ(root->GetAttribute(QStringLiteral("lang")), "zh");
    EXPECT_EQ(root->GetChild(0), nullptr) << "children are read only when counted";
    ASSERT_EQ(root->GetChildCount(), 3);
    EXPECT_EQ(root->GetChild(0)->Name, "#comment");
    CXMLNode* form = root->GetChild(1);
    EXPECT_EQ(form->Name, "item");
    EXPECT_EQ(form->GetAttribute(QStringLiteral("value")), "窗体");
    EXPECT_EQ(form->GetAttributeW(QStringLiteral("Name")), "upper");
    EXPECT_EQ(form->GetAttribute(QStringLiteral("NAME")), "");
    EXPECT_EQ(form->GetAttribute(QStringLiteral("missing")), "") << "not the map's default 0";
    EXPECT_EQ(form->Text, "") << "loaded nodes carry no text";
    form->SetAttribute(QStringLiteral("value"), QStringLiteral("主窗体"));
    EXPECT_EQ(form->GetAttribute(QStringLiteral("value")), "主窗体");
    CXMLNode* added = root->AddChild(QStringLiteral("item"));
    EXPECT_EQ(root->GetChildCount(), 4);
    EXPECT_EQ(root->GetChild(3), added);
    EXPECT_FALSE(added->IsBound());
}

// Written again, a loaded tree keeps only what was set in memory; a comment cannot become an
// element, so that write fails and leaves the file before it alone.
TEST_F(XmlDocument, LoadedTreeWrittenAgainKeepsWhatWasSet)
{
    CXMLDocument document;
    ASSERT_TRUE(document.LoadFromFile(Write(QStringLiteral("zh.xml"), LanguageFile)));
    CXMLNode* root = document.GetRootNode();
    root->Name = QStringLiteral("root");
    ASSERT_EQ(root->GetChildCount(), 3);
    root->GetChild(1)->SetAttribute(QStringLiteral("value"), QStringLiteral("主窗体"));
    root->GetChild(2)->GetChildCount();
    const QString path = Write(QStringLiteral("out.xml"), "old");
    EXPECT_THROW(document.CreateNewFile(path), Exception) << "#comment is no element name";
    EXPECT_EQ(Read(path), "old");

    CXMLDocument second;
    ASSERT_TRUE(
        second.LoadFromFile(Write(QStringLiteral("plain.xml"), "<a x=\"1\"><b y=\"2\">t</b><c/></a>")));
    CXMLNode* a = second.GetRootNode();
    a->Name = QStringLiteral("a");
    ASSERT_EQ(a->GetChildCount(), 2);
    a->GetChild(1)->SetAttribute(QStringLiteral("z"), QStringLiteral("3"));
    second.CreateNewFile(path);
    EXPECT_EQ(Read(path),
              QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<a>\n  <b/>\n  <c z=\"3\"/>\n</a>\n"));
}

TEST_F(XmlDocument, UnreadableFilesAreRefused)
{
    CXMLDocument document;
    EXPECT_FALSE(document.LoadFromFile(m_dir.filePath(QStringLiteral("missing.xml"))));
    EXPECT_FALSE(document.LoadFromFile(Write(QStringLiteral("bad.xml"), "<a><b></a>")));
    EXPECT_FALSE(document.GetRootNode()->IsBound());
    ASSERT_TRUE(document.LoadFromFile(Write(QStringLiteral("good.xml"), "<a><b/></a>")));
    EXPECT_FALSE(document.LoadFromFile(Write(QStringLiteral("bad2.xml"), "<a>")));
    EXPECT_EQ(document.GetRootNode()->GetChildCount(), 1) << "the earlier document stays";
}
