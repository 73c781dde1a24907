// Walls, windows and doors: their columns in order and positions, what a new one starts with, where it takes
// the storey height and the room's winter flag from, and the area of a wall's openings.
#include "tests/model/ModelFixture.h"

#include "model/CBasementWall.h"
#include "model/CEleAttrs.h"
#include "model/CElementManage.h"
#include "model/CGapWall.h"
#include "model/CGlassCurtainWall.h"
#include "model/CInsideDoor.h"
#include "model/CInsideWall.h"
#include "model/CInsideWindow.h"
#include "model/CMaterialParamNameList.h"
#include "model/COutsideDoor.h"
#include "model/COutsideWall.h"
#include "model/COutsideWindow.h"
#include "model/TInitalizationManage.h"
#include "platform/core/Exception.h"

#include <map>
#include <memory>
#include <vector>

namespace {

// Ancestors by type, as the tree would hand them out.
class AncestorNode : public CElementNode
{
public:
    int ParentElementId() const override { return -1; }
    QString NodePath() const override { return QStringLiteral("工程~楼~层~房间~墙"); }
    CElementBase* AncestorElement(int type) const override
    {
        const auto it = ancestors.find(type);
        return it == ancestors.end() ? nullptr : it->second;
    }
    std::map<int, CElementBase*> ancestors;
};

// Stand-ins for the storey and the room: only the one column each that the walls read.
class StoreyStub : public CElementBase
{
public:
    StoreyStub() : CElementBase(2) {}
    void ExchangeAttrs(CEleAttrs& attrs) override
    {
        CElementBase::ExchangeAttrs(attrs);
        EleAttrsExchangeDouble(attrs, QStringLiteral("StoreyHeight"), StoreyHeight);
    }
    double StoreyHeight = 3;
};

class RoomStub : public CElementBase
{
public:
    RoomStub() : CElementBase(3) {}
    void ExchangeAttrs(CEleAttrs& attrs) override
    {
        CElementBase::ExchangeAttrs(attrs);
        EleAttrsExchangeInt(attrs, QStringLiteral("IsWinter_Heat_Transfer"), IsWinter_Heat_Transfer);
    }
    int IsWinter_Heat_Transfer = 1;
};

// The nine classes by type code (independent of the program's factory).
std::unique_ptr<CElementBase> CreateWall(int type)
{
    switch (type) {
    case COutsideWall::TypeCode:
        return std::make_unique<COutsideWall>();
    case COutsideWindow::TypeCode:
        return std::make_unique<COutsideWindow>();
    case COutsideDoor::TypeCode:
        return std::make_unique<COutsideDoor>();
    case CGlassCurtainWall::TypeCode:
        return std::make_unique<CGlassCurtainWall>();
    case CInsideWall::TypeCode:
        return std::make_unique<CInsideWall>();
    case CInsideWindow::TypeCode:
        return std::make_unique<CInsideWindow>();
    case CInsideDoor::TypeCode:
        return std::make_unique<CInsideDoor>();
    case CGapWall::TypeCode:
        return std::make_unique<CGapWall>();
    case CBasementWall::TypeCode:
        return std::make_unique<CBasementWall>();
    default:
        return nullptr;
    }
}

QStringList ColumnsOf(CElementBase& element)
{
    CEleAttrs attrs;
    element.ExchangeAttrs(attrs);
    QStringList names;
    for (const CEleAttr* attr : attrs.Attributes())
        names << attr->Name;
    return names;
}

class WallElements : public ModelFixture
{
protected:
    void SetUp() override
    {
        ModelFixture::SetUp();
        m_registry.LoadElementTypes(m_sysParam.ElementBasePerformance);
        m_defaults.Load(m_project.Initialization);
        m_names.SetDataSet(&m_project.MaterialParamTable);
        m_node.ancestors[2] = &m_storey;
        m_node.ancestors[3] = &m_room;
    }

    // A new element of the type with its defaults, under the stand-in storey and room when placed.
    std::unique_ptr<CElementBase> New(int type, bool placed)
    {
        std::unique_ptr<CElementBase> element = CreateWall(type);
        if (placed)
            element->Node = &m_node;
        EXPECT_TRUE(element->SetDefaults());
        return element;
    }

    int Insert(const QString& sql) { return m_project.ExecSQL(CSQLStatement(sql)); }

    CElementManage m_registry;
    TInitalizationManage m_defaults;
    CMaterialParamNameList m_names;
    StoreyStub m_storey;
    RoomStub m_room;
    AncestorNode m_node;
};

} // namespace

TEST_F(WallElements, ColumnsAreExchangedInTheTablesOrder)
{
    const QString head = QStringLiteral("Name Status X0 Y0 Z0 X Y Z ");
    const QString shading = QStringLiteral(
        " ShieldType InsideShieldMaterials OutsideShield_B OutsideShield_H OutsideShield_l OutsideShield_m"
        " OutsideShield_f OutsideShield_g");
    const std::pair<int, QString> cases[] = {
        {9, "material_id OutsideWallName Direction IsLWInputArea Length Height Area Direction_Angle"},
        {10, "material_id OutsideWindowName Quantity AirSupplyType ApertureLength IsLWInputArea Length "
             "Height Area" +
                 shading},
        {11,
         "material_id OutsideDoorName Quantity AirSupplyType ApertureLength IsColdAir DoorType IsLWInputArea "
         "Length Height Area" +
             shading},
        {12, "material_id GlassCurtainWallName Direction IsLWInputArea Length Height Area AirSupplyType "
             "ShieldType "
             "InsideShieldMaterials Direction_Angle"},
        {13, "material_id InsideWallName AdjacentRoomStatus AdjacentRoomStatus_Heating AdjacentRoomName "
             "IsLWInputArea Length Height Area Winter_NearRoomDeltaT Summer_NearRoomDeltaT Coefficient "
             "Winter_Heat_Transfer TransHeat_Between AdjacentRoomID"},
        {14, "material_id InsideWindowName Quantity IsLWInputArea Length Width Area"},
        {15, "material_id InsideDoorName Quantity IsLWInputArea Length Width Area"},
        {24, "material_id GapWallName GapWallType IsLWInputArea Length Height Area"},
        // The name first and material_id last, unlike its siblings.
        {29, "BasementWallName IsLWInputArea Length Width Area material_id"},
    };
    for (const auto& [type, columns] : cases) {
        std::unique_ptr<CElementBase> element = CreateWall(type);
        ASSERT_TRUE(element) << type;
        EXPECT_EQ(ColumnsOf(*element).join(' '), head + columns) << type;

        // Positions come back as X, Y, Z, X0, Y0, Z0.
        const char* coordinates[] = {"X0", "Y0", "Z0", "X", "Y", "Z"};
        for (int i = 0; i < 6; ++i)
            element->SetAttribute(QString::fromLatin1(coordinates[i]), QString::number(i + 1));
        double v[6] = {};
        element->GetCoordinates(v[0], v[1], v[2], v[3], v[4], v[5]);
        EXPECT_EQ(std::vector<double>(v, v + 6), (std::vector<double>{4, 5, 6, 1, 2, 3})) << type;
    }
}

TEST_F(WallElements, NewElementsTakeTheDefaultConstructionAndTheirTablesStartingValues)
{
    // The blank project's defaults name record 1 of each library. Each library gets records named
    // after itself, so a lookup in the wrong library shows.
    const struct
    {
        int type;
        const char* library;
        QStringList values; // column=value after SetDefaults
    } cases[] = {
        {9, "OutsideWall_Lib", {"Direction=1", "IsLWInputArea=0", "Height=0", "Area=0", "Direction_Angle=0"}},
        {10, "OutsideWindow_Lib", {"Quantity=1", "AirSupplyType=1", "ApertureLength=0", "ShieldType=0"}},
        {11, "OutsideDoor_Lib", {"Quantity=1", "AirSupplyType=1", "IsColdAir=0", "DoorType=0"}},
        {12, "GlassCurtainWall_Lib", {"Direction=1", "AirSupplyType=1", "Height=0", "ShieldType=0"}},
        {13, "InsideWall_Lib", {"AdjacentRoomID=-1", "Winter_Heat_Transfer=1", "Coefficient=0", "Height=0"}},
        {14, "InsideWindow_Lib", {"Quantity=1", "Width=0", "Area=0"}},
        {15, "InsideDoor_Lib", {"Quantity=1", "Width=0", "Area=0"}},
        {24, "GapWall_Lib", {"GapWallType=0", "Height=0"}},
        {29, "BasementWall_Lib", {"Width=0", "Area=0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        std::unique_ptr<CElementBase> element = CreateWall(c.type);
        element->Name = QStringLiteral("旧名");
        element->Status = 0;
        ASSERT_TRUE(element->SetDefaults());
        EXPECT_EQ(element->Name, QString());
        EXPECT_EQ(element->Status, 1);
        EXPECT_EQ(element->GetAttribute(QStringLiteral("material_id")), QStringLiteral("1"));
        const QString library = QString::fromLatin1(c.library);
        const QString nameColumn = library.chopped(4) + QStringLiteral("Name");
        EXPECT_EQ(element->GetAttribute(nameColumn), QString()); // the library is still empty
        Insert(QStringLiteral("insert into %1 (ID, Name) values (2, '%1 二'), (1, '%1 一')").arg(library));
        ASSERT_TRUE(element->SetDefaults());
        EXPECT_EQ(element->GetAttribute(nameColumn), library + QStringLiteral(" 一"));
        for (const QString& pair : c.values) {
            const QString column = pair.section('=', 0, 0);
            EXPECT_EQ(element->GetAttribute(column), pair.section('=', 1)) << column.toStdString();
        }
    }
}

TEST_F(WallElements, StoreyHeightGoesToOutsideCurtainAndInsideWallsButNotGapWalls)
{
    m_storey.StoreyHeight = 3.2;
    EXPECT_EQ(static_cast<COutsideWall&>(*New(9, true)).Height, 3.2);
    EXPECT_EQ(static_cast<CGlassCurtainWall&>(*New(12, true)).Height, 3.2);
    EXPECT_EQ(static_cast<CInsideWall&>(*New(13, true)).Height, 3.2);
    EXPECT_EQ(static_cast<CGapWall&>(*New(24, true)).Height, 0.0);

    const auto wall = New(9, true);
    const auto& outside = static_cast<COutsideWall&>(*wall);
    EXPECT_EQ(outside.Direction, 1);
    EXPECT_EQ(outside.Area, 0.0);

    // Taken at full precision, not through a rounded text.
    m_storey.StoreyHeight = 0.1 + 0.2;
    EXPECT_EQ(static_cast<COutsideWall&>(*New(9, true)).Height, 0.1 + 0.2);

    // A node without a storey above gives 0, as no node does.
    m_node.ancestors.erase(2);
    EXPECT_EQ(static_cast<COutsideWall&>(*New(9, true)).Height, 0.0);
}

TEST_F(WallElements, InsideWallTakesTheRoomsWinterHeatTransferFlag)
{
    m_room.IsWinter_Heat_Transfer = 0;
    auto off = New(13, true);
    EXPECT_FALSE(static_cast<CInsideWall&>(*off).Winter_Heat_Transfer);
    EXPECT_EQ(static_cast<CInsideWall&>(*off).AdjacentRoomID, -1);
    EXPECT_EQ(off->GetAttribute(QStringLiteral("Winter_Heat_Transfer")), QStringLiteral("0"));

    m_room.IsWinter_Heat_Transfer = 1;
    EXPECT_TRUE(static_cast<CInsideWall&>(*New(13, true)).Winter_Heat_Transfer);
    // Without a tree node the transfer is counted.
    EXPECT_TRUE(static_cast<CInsideWall&>(*New(13, false)).Winter_Heat_Transfer);
}

TEST_F(WallElements, BadDefaultsRaiseAndAnUnknownConstructionLeavesTheNameEmpty)
{
    const std::pair<const char*, const char*> bad[] = {
        {"OutsideWallName", "abc"}, {"OutsideWallName", ""}, {"OutsideWallName", "1.5"}};
    for (const auto& [name, value] : bad) {
        m_defaults.SetValue(QString::fromLatin1(name), QString::fromLatin1(value));
        COutsideWall wall;
        EXPECT_THROW(wall.SetDefaults(), Exception) << value;
    }

    // The windows, doors and curtain walls also need the air-supply default.
    m_defaults.SetValue(QStringLiteral("OutsideWallName"), QStringLiteral("1"));
    m_defaults.SetValue(QStringLiteral("AirSupplyType"), QStringLiteral("x"));
    for (int type : {10, 11, 12}) {
        auto element = CreateWall(type);
        EXPECT_THROW(element->SetDefaults(), Exception) << type;
    }
    COutsideWall wall;
    EXPECT_TRUE(wall.SetDefaults());

    m_defaults.SetValue(QStringLiteral("InsideWallName"), QStringLiteral(" 99999 "));
    CInsideWall inside;
    inside.MaterialName = QStringLiteral("旧构造");
    ASSERT_TRUE(inside.SetDefaults());
    EXPECT_EQ(inside.material_id, 99999);
    EXPECT_EQ(inside.MaterialName, QString());
}

TEST_F(WallElements, OpeningAreaSumsAreaTimesQuantityOfTheWallsOwnWindowsAndDoors)
{
    Insert("insert into OutsideWall (ID, Name, Area) values (1, 'W1', 7), (2, 'W2', 10), (3, 'W3', 5)");
    Insert("insert into OutsideWindow (ID, Area, Quantity, parent_id) values (1, 1.5, 2, 1), (2, 1.5, 2, 1),"
           " (3, 4, 3, 2)");
    Insert("insert into OutsideDoor (ID, Area, Quantity, parent_id) values (1, 2, 1, 1), (2, 9, 1, 2)");
    COutsideWall wall;
    EXPECT_DOUBLE_EQ(wall.GetOpeningArea(1), 8.0); // 2 × 1.5 × 2 + 2
    EXPECT_DOUBLE_EQ(wall.GetOpeningArea(2), 21.0);
    EXPECT_EQ(wall.GetOpeningArea(3), 0.0);
    EXPECT_DOUBLE_EQ(7.0 - wall.GetOpeningArea(1), -1.0); // the net area the page shows

    Insert("insert into InsideWall (ID, Name) values (1, 'N1'), (2, 'N2')");
    Insert("insert into InsideWindow (ID, Area, Quantity, parent_id) values (1, 0.75, 4, 1), (2, 1, 1, 2)");
    Insert("insert into InsideDoor (ID, Area, Quantity, parent_id) values (1, 1.8, 2, 1)");
    CInsideWall inside;
    EXPECT_DOUBLE_EQ(inside.GetOpeningArea(1), 6.6); // 0.75 × 4 + 1.8 × 2
    EXPECT_DOUBLE_EQ(inside.GetOpeningArea(2), 1.0);
    EXPECT_EQ(inside.GetOpeningArea(99), 0.0);
}

TEST_F(WallElements, OpeningAreaRaisesTheQueryFailureWithItsStatement)
{
    Insert("drop table OutsideDoor");
    COutsideWall wall;
    try {
        wall.GetOpeningArea(1);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("查询SQL发生异常:\n")))
            << e.Message().toStdString();
        EXPECT_TRUE(e.Message().contains(QStringLiteral("执行的语句:select Area,Quantity from OutsideDoor")))
            << e.Message().toStdString();
    }
    EXPECT_TRUE(Dialogs().Messages.isEmpty());

    CInsideWall detached;
    detached.m_Query = nullptr;
    EXPECT_THROW(detached.GetOpeningArea(1), Exception);
}
