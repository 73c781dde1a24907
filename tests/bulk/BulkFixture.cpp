#include "tests/bulk/BulkFixture.h"

#include "tests/app/TestApplication.h"

BulkFixture::BulkFixture()
{
    EnsureTestApplication();
}

void BulkFixture::SetUp()
{
    ProjectTreeFixture::SetUp();
    m_building = Make(&Root(), 1);
    m_storey = Make(m_building, 2);
}

QStringList BulkFixture::Captions(const CNodeData* node)
{
    QStringList captions;
    for (int i = 0; node && i < node->ChildCount(); ++i)
        captions << node->Child(i)->Caption();
    return captions;
}
