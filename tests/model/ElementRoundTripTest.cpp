// Every element type, from a table: created with its defaults on the blank project, one field of
// each column kind changed, written, reloaded and compared column by column.
#include "tests/model/ModelFixture.h"

#include "model/CEleAttrs.h"
#include "model/CElementBase.h"
#include "model/CElementManage.h"
#include "model/CMaterialParamNameList.h"
#include "model/CRoomOccupationCache.h"
#include "model/TInitalizationManage.h"
#include "platform/core/CDbQuery.h"

#include <map>

namespace {

// A tree node stand-in: the parent's element ID and the ancestors by type.
class FakeNode : public CElementNode
{
public:
    int ParentElementId() const override { return m_parentId; }
    QString NodePath() const override { return QStringLiteral("工程~测试"); }
    CElementBase* AncestorElement(int type) const override
    {
        const auto it = m_ancestors.find(type);
        return it == m_ancestors.end() ? nullptr : it->second;
    }
    int m_parentId = -1;
    std::map<int, CElementBase*> m_ancestors;
};

class ElementRoundTrip : public ModelFixture
{
protected:
    void SetUp() override
    {
        ModelFixture::SetUp();
        m_registry.LoadElementTypes(m_sysParam.ElementBasePerformance);
        m_defaults.Load(m_project.Initialization);
        m_names.SetDataSet(&m_project.MaterialParamTable);
    }

    // Creates, defaults and inserts an element of the type under the ancestors made so far.
    CElementBase* Make(int type)
    {
        auto node = std::make_unique<FakeNode>();
        for (const auto& [t, e] : m_made)
            node->m_ancestors[t] = e.get();
        const int parentType = m_registry.GetParentType(type);
        node->m_parentId = m_made.count(parentType) ? m_made[parentType]->ID : -1;
        std::unique_ptr<CElementBase> element = CElementManage::CreateElement(type);
        element->Node = node.get();
        element->Name = QStringLiteral("元素%1").arg(type);
        EXPECT_TRUE(element->SetDefaults()) << type;
        element->ID = m_registry.Info(type).NewElementId();
        EXPECT_EQ(element->InsertRecord(), 1) << type;
        m_nodes.push_back(std::move(node));
        m_made[type] = std::move(element);
        return m_made[type].get();
    }

    static std::vector<CEleAttr> Collect(CElementBase& element)
    {
        CEleAttrs attrs;
        element.ExchangeAttrs(attrs);
        std::vector<CEleAttr> result;
        for (const CEleAttr* attr : attrs.Attributes())
            result.push_back(*attr);
        return result;
    }

    CElementManage m_registry;
    TInitalizationManage m_defaults;
    CMaterialParamNameList m_names;
    CRoomOccupationCache m_roomUses;
    std::map<int, std::unique_ptr<CElementBase>> m_made;
    std::vector<std::unique_ptr<FakeNode>> m_nodes;
};

} // namespace

TEST_F(ElementRoundTrip, EveryTypeWritesAndReadsBackEveryColumnKind)
{
    // Parents before children, as the tree places them.
    const int order[] = {1,  2,  3,  9,  13, 17, 4,  5,  6,  7,  8,  10, 11, 12, 14,
                         15, 16, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30};
    for (int type : order) {
        SCOPED_TRACE(QStringLiteral("type %1 %2").arg(type).arg(GetElementTableName(type)).toStdString());
        CElementBase* element = Make(type);
        if (HasFailure())
            return;
        // One change per column kind: an integer, a real that needs all 17 digits, a text with a quote.
        bool changed[3] = {false, false, false};
        for (const CEleAttr& attr : Collect(*element)) {
            if (attr.Name == QLatin1String("Status") || changed[attr.Kind])
                continue;
            if (attr.Kind == 0)
                element->SetAttribute(attr.Name, QString::number(EleAttrReadInt(attr.Value) + 1));
            else if (attr.Kind == 1)
                element->SetAttribute(attr.Name, QStringLiteral("0.12345678901234567"));
            else
                element->SetAttribute(attr.Name, attr.Value + QStringLiteral("改'"));
            changed[attr.Kind] = true;
        }
        element->Status = 0;
        const std::vector<CEleAttr> expected = Collect(*element);
        ASSERT_EQ(element->UpdateRecord(), 1);

        std::unique_ptr<CElementBase> reloaded = CElementManage::CreateElement(type);
        CDbQuery& query = m_project.Element;
        OpenQueryGuarded(
            query,
            {QStringLiteral("select * from %1 where ID = ?").arg(GetElementTableName(type)), {element->ID}});
        ASSERT_EQ(query.RecordCount(), 1);
        query.First();
        reloaded->LoadFromDataSet(query);
        const std::vector<CEleAttr> actual = Collect(*reloaded);
        ASSERT_EQ(actual.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(actual[i].Name, expected[i].Name);
            EXPECT_EQ(actual[i].Value, expected[i].Value) << expected[i].Name.toStdString();
            if (expected[i].Kind == 1) {
                EXPECT_EQ(actual[i].Exact.toDouble(), expected[i].Exact.toDouble())
                    << expected[i].Name.toStdString();
            }
        }
    }
    EXPECT_TRUE(Dialogs().Messages.isEmpty()) << Dialogs().Messages.join('\n').toStdString();
}

TEST_F(ElementRoundTrip, NewIdsStartAboveTheLargestStoredOne)
{
    SElementTypeInfo& buildings = m_registry.Info(1);
    EXPECT_EQ(buildings.NewElementId(), 2); // empty table
    EXPECT_EQ(buildings.NewElementId(), 3);
    m_project.ExecSQL({"insert into Building (ID, Name) values (40, 'B')"});
    m_registry.ResetElementIds();
    EXPECT_EQ(buildings.NewElementId(), 42);
}

TEST_F(ElementRoundTrip, ProjectWritesNothingAndAMissingRowIsReported)
{
    auto project = CElementManage::CreateElement(0);
    EXPECT_EQ(project->InsertRecord(), 1);
    EXPECT_EQ(project->UpdateRecord(), 1);

    auto building = CElementManage::CreateElement(1);
    building->ID = 999;
    FakeNode node;
    building->Node = &node;
    EXPECT_EQ(building->UpdateRecord(), 0);
    ASSERT_EQ(Dialogs().Messages.size(), 1);
    EXPECT_EQ(Dialogs().Messages.first(), QStringLiteral("更新实体记录工程~测试失败"));
}

TEST(ElementAttributes, ValueTextsAndFilter)
{
    EXPECT_EQ(EleAttrRealText(0.1), QStringLiteral("0.1"));
    EXPECT_EQ(EleAttrRealText(25.0), QStringLiteral("25"));
    EXPECT_EQ(EleAttrRealText(1e20), QStringLiteral("1E20"));
    EXPECT_EQ(EleAttrRealText(1.0 / 3.0), QStringLiteral("0.333333333333333"));
    EXPECT_EQ(EleAttrReadInt(QStringLiteral("  -12abc")), -12);
    EXPECT_EQ(EleAttrReadInt(QStringLiteral("abc")), 0);
    EXPECT_DOUBLE_EQ(EleAttrReadReal(QStringLiteral(" 2.5e3x")), 2500.0);

    CElementBase element(1);
    element.Name = QStringLiteral("楼");
    element.Status = 1;
    CEleAttrs onlyStatus(QStringLiteral("Status"));
    element.ExchangeAttrs(onlyStatus);
    ASSERT_EQ(onlyStatus.Count(), 1);
    EXPECT_EQ(onlyStatus.GetAttr(QStringLiteral("Status"), false)->Value, QStringLiteral("1"));

    element.SetAttribute(QStringLiteral("NoSuchColumn"), QStringLiteral("5"));
    element.SetAttribute(QStringLiteral("Status"), QStringLiteral("0"));
    EXPECT_EQ(element.Status, 0);
    EXPECT_EQ(element.Name, QStringLiteral("楼"));

    CElementBase copy(5);
    copy.ID = 77;
    copy.CopyFrom(element);
    EXPECT_EQ(copy.Type(), 1);
    EXPECT_EQ(copy.Name, QStringLiteral("楼"));
    EXPECT_EQ(copy.ID, 77);
    EXPECT_EQ(CElementManage::ImageIndexToType(45), 15);
    EXPECT_EQ(CElementManage::ImageIndexToType(61), -1);
    EXPECT_EQ(CElementManage::ImageIndexToType(30), 30);
    EXPECT_TRUE(CElementManage::IsActiveImage(30));
}
