#include "tests/model/ProjectTreeFixture.h"

void ProjectTreeFixture::SetUp()
{
    ModelFixture::SetUp();
    m_registry.LoadElementTypes(m_sysParam.ElementBasePerformance);
    m_defaults.Load(m_project.Initialization);
    m_names.SetDataSet(&m_project.MaterialParamTable);
    m_store.SetHost(&m_host);
    m_store.LoadTree();
}

CNodeData* ProjectTreeFixture::Make(CNodeData* parent, int type, const QString& name)
{
    CNodeData* node = parent->CreateChild(type, name, nullptr, 0);
    EXPECT_NE(node, nullptr) << "type " << type;
    return node;
}

int ProjectTreeFixture::Int(const QString& sql)
{
    return m_project.QueryInt(CSQLStatement(sql));
}

CTreeItem* ProjectTreeFixture::ItemAt(const CNodeTreeView& view, const QString& path) const
{
    CTreeItem* item = view.TopItem(0);
    if (path.isEmpty())
        return item;
    for (const QString& text : path.split(QLatin1Char('/'))) {
        CTreeItem* next = nullptr;
        for (int i = 0; item && i < item->Count() && !next; ++i)
            if (item->Item(i)->Text() == text)
                next = item->Item(i);
        item = next;
    }
    return item;
}

QStringList ProjectTreeFixture::Texts(const CTreeItem* item)
{
    QStringList texts;
    for (int i = 0; item && i < item->Count(); ++i)
        texts << item->Item(i)->Text();
    return texts;
}
