// Ceilings, floors, roofs, sky windows, blind storeys, glass roofs, ground slabs and projection
// floors: their starting values, the size they take from the room, and the columns they write.
#include "tests/model/ModelFixture.h"

#include "model/CBlindStorey.h"
#include "model/CCeiling.h"
#include "model/CEleAttrs.h"
#include "model/CElementManage.h"
#include "model/CFloor.h"
#include "model/CGlassRoof.h"
#include "model/CGround.h"
#include "model/CMaterialParamNameList.h"
#include "model/CProjectionFloor.h"
#include "model/CRoof.h"
#include "model/CRoom.h"
#include "model/CSkyWindow.h"
#include "model/TInitalizationManage.h"
#include "platform/core/Exception.h"

#include <functional>
#include <map>

namespace {

// A tree node stand-in: the parent's element ID and the ancestors by type.
class FakeNode : public CElementNode
{
public:
    int ParentElementId() const override { return m_parentId; }
    QString NodePath() const override { return QStringLiteral("工程~房间~楼板"); }
    CElementBase* AncestorElement(int type) const override
    {
        const auto it = m_ancestors.find(type);
        return it == m_ancestors.end() ? nullptr : it->second;
    }
    int m_parentId = -1;
    std::map<int, CElementBase*> m_ancestors;
};

struct SlabType
{
    const char* table;
    const char* defaultName; // the name column and the default of the construction ID
    bool takesRoomSize;
    std::function<std::unique_ptr<CSlabElement>()> make;
};

template <class T> std::unique_ptr<CSlabElement> Make()
{
    return std::make_unique<T>();
}

const SlabType kTypes[] = {
    {"Ceiling", "CeilingName", true, Make<CCeiling>},
    {"Floor", "FloorName", true, Make<CFloor>},
    {"Roof", "RoofName", true, Make<CRoof>},
    {"SkyWindow", "SkyWindowName", false, Make<CSkyWindow>},
    {"BlindStorey", "BlindStoreyName", false, Make<CBlindStorey>},
    {"GlassRoof", "GlassRoofName", true, Make<CGlassRoof>},
    {"Ground", "GroundName", true, Make<CGround>},
    {"ProjectionFloor", "ProjectionFloorName", false, Make<CProjectionFloor>},
};

class SlabElements : public ModelFixture
{
protected:
    void SetUp() override
    {
        ModelFixture::SetUp();
        m_registry.LoadElementTypes(m_sysParam.ElementBasePerformance);
        m_defaults.Load(m_project.Initialization);
        m_names.SetDataSet(&m_project.MaterialParamTable);
    }

    // The element's columns in exchange order.
    static QStringList Columns(CElementBase& element)
    {
        CEleAttrs attrs;
        element.ExchangeAttrs(attrs);
        QStringList names;
        for (const CEleAttr* attr : attrs.Attributes())
            names << attr->Name;
        return names;
    }

    CElementManage m_registry;
    TInitalizationManage m_defaults;
    CMaterialParamNameList m_names;
};

} // namespace

TEST_F(SlabElements, MostTakeTheRoomSizeAndTheOthersStartAtZero)
{
    CRoom room;
    room.IsLWInputArea = 0;
    room.Length = 6;
    room.Width = 5;
    room.Area = 30;
    FakeNode node;
    node.m_ancestors[CRoom::TypeCode] = &room;

    for (const SlabType& type : kTypes) {
        SCOPED_TRACE(type.table);
        std::unique_ptr<CSlabElement> element = type.make();
        element->Node = &node;
        ASSERT_TRUE(element->SetDefaults());
        EXPECT_EQ(element->IsLWInputArea, 0);
        EXPECT_EQ(element->Length, type.takesRoomSize ? 6 : 0);
        EXPECT_EQ(element->Width, type.takesRoomSize ? 5 : 0);
        EXPECT_EQ(element->Area, type.takesRoomSize ? 30 : 0);
        EXPECT_EQ(element->Status, 1);
        EXPECT_TRUE(element->Name.isEmpty());
    }
}

TEST_F(SlabElements, RoomSizeIsCopiedExactlyAndOnlyFromARoom)
{
    // A room entered by its area, with a value that needs all 17 digits.
    CRoom room;
    room.IsLWInputArea = 1;
    room.Area = 0.1 + 0.2;
    FakeNode inRoom;
    inRoom.m_ancestors[CRoom::TypeCode] = &room;
    CGround ground;
    ground.Node = &inRoom;
    ground.SetDefaults();
    EXPECT_EQ(ground.IsLWInputArea, 1);
    EXPECT_EQ(ground.Area, 0.1 + 0.2);
    EXPECT_EQ(ground.Length, 0);

    // A node without a room above it, and no node at all: size 0. A value left from before is
    // cleared, not kept.
    FakeNode noRoom;
    for (CElementNode* node : {static_cast<CElementNode*>(&noRoom), static_cast<CElementNode*>(nullptr)}) {
        CCeiling ceiling;
        ceiling.Area = 12;
        ceiling.IsLWInputArea = 1;
        ceiling.Node = node;
        ceiling.SetDefaults();
        EXPECT_EQ(ceiling.IsLWInputArea, 0);
        EXPECT_EQ(ceiling.Area, 0);
    }
}

TEST_F(SlabElements, EachTakesItsDefaultConstructionFromItsOwnLibrary)
{
    // One record with the same ID in every library, named after its table: a wrong library kind
    // shows as a wrong or empty name.
    for (const SlabType& type : kTypes) {
        m_project.ExecSQL({QStringLiteral("insert into %1_Lib (ID, Name) values (7, ?)").arg(type.table),
                           {QStringLiteral("%1结构").arg(type.table)}});
        m_defaults.SetValue(type.defaultName, QStringLiteral("7"));
    }
    for (const SlabType& type : kTypes) {
        SCOPED_TRACE(type.table);
        std::unique_ptr<CSlabElement> element = type.make();
        ASSERT_TRUE(element->SetDefaults());
        EXPECT_EQ(element->material_id, 7);
        EXPECT_EQ(element->GetAttribute(type.defaultName), QStringLiteral("%1结构").arg(type.table));
    }

    // An ID without a record is kept, with an empty name.
    m_defaults.SetValue(QStringLiteral("RoofName"), QStringLiteral("99"));
    CRoof roof;
    roof.SetDefaults();
    EXPECT_EQ(roof.material_id, 99);
    EXPECT_EQ(roof.MaterialName, QString());
}

TEST_F(SlabElements, ClassDefaultsThatDifferFromTheirNeighbours)
{
    m_defaults.SetValue(QStringLiteral("RoofColor"), QStringLiteral("2"));

    CCeiling ceiling;
    ceiling.SetDefaults();
    EXPECT_EQ(ceiling.Coefficient_Value, 1); // an inside wall starts with 0
    EXPECT_EQ(ceiling.AdjacentRoomID, -1);
    EXPECT_EQ(ceiling.bWinter_Heat_Transfer, 1);
    EXPECT_EQ(ceiling.AdjacentRoomStatus, 0);

    CRoof roof;
    roof.SetDefaults();
    EXPECT_EQ(roof.Direction, 0); // horizontal, where an outside wall faces south
    EXPECT_EQ(roof.Color, 2);

    CBlindStorey blind;
    blind.SetDefaults();
    EXPECT_EQ(blind.Color, 2);

    CSkyWindow sky;
    sky.SetDefaults();
    EXPECT_EQ(sky.Quantity, 1);
    EXPECT_EQ(sky.Shield, 1);

    CGlassRoof glass;
    glass.SetDefaults();
    EXPECT_EQ(glass.Direction, 0);
    EXPECT_EQ(glass.Shield, 1);
}

TEST_F(SlabElements, MissingOrNonNumericDefaultsRaise)
{
    const struct
    {
        const char* name;
        const char* value;
        std::function<std::unique_ptr<CSlabElement>()> make;
    } cases[] = {
        {"CeilingName", "", Make<CCeiling>},
        {"FloorName", "abc", Make<CFloor>},
        {"RoofColor", "", Make<CRoof>},
        {"RoofColor", "浅色", Make<CBlindStorey>},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString kept = m_defaults.GetInitValue(c.name);
        m_defaults.SetValue(c.name, c.value);
        std::unique_ptr<CSlabElement> element = c.make();
        EXPECT_THROW(element->SetDefaults(), Exception);
        m_defaults.SetValue(c.name, kept);
    }
}

TEST_F(SlabElements, FloorAndCeilingStoreTheAdjacentStoreyInTheirOwnColumn)
{
    m_project.ExecSQL({"insert into Room (ID, Name) values (5, 'R')"});
    FakeNode node;
    node.m_parentId = 5;

    CCeiling ceiling;
    CFloor floor;
    int id = 1;
    for (CAdjacentRoomSlab* slab :
         {static_cast<CAdjacentRoomSlab*>(&ceiling), static_cast<CAdjacentRoomSlab*>(&floor)}) {
        slab->Node = &node;
        slab->SetDefaults();
        slab->ID = id++;
        slab->AdjacentRoomStoreyName = QStringLiteral("二层");
        ASSERT_EQ(slab->InsertRecord(), 1);
    }
    EXPECT_EQ(ProjectColumn("select AdjacentRoomStoreyName from Ceiling"), QStringList{"二层"});
    EXPECT_EQ(ProjectColumn("select AdjacentRoomStoryName from Floor"), QStringList{"二层"});
    EXPECT_EQ(ProjectColumn("select Coefficient_Value || '/' || AdjacentRoomID from Floor"),
              QStringList{"1.0/-1"});
    EXPECT_TRUE(Dialogs().Messages.isEmpty()) << Dialogs().Messages.join('\n').toStdString();
}

TEST_F(SlabElements, BlindStoreyListsItsNameColumnFirstAndMaterialIdLast)
{
    CBlindStorey blind;
    const QStringList columns = Columns(blind);
    EXPECT_EQ(columns.mid(8), (QStringList{"BlindStoreyName", "RibHeight", "RibDistance", "IsLWInputArea",
                                           "Length", "Width", "Area", "Color", "material_id"}));
    CRoof roof;
    EXPECT_EQ(Columns(roof).mid(8, 2), (QStringList{"material_id", "RoofName"}));
}
