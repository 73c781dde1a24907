// The upper levels of the tree and the room: starting values taken from defaults, ancestors and the
// room use, applying a use with filters and to the loads below, the room-use cache, the area and
// height statistics, and the project parameters row with its registry value and scheme file.
#include "tests/model/ModelFixture.h"

#include "model/CBuilding.h"
#include "model/CEleAttrs.h"
#include "model/CInfiltration.h"
#include "model/CLIB_RoomOccupation.h"
#include "model/CLighting.h"
#include "model/CMaterialParamNameList.h"
#include "model/COccupationFields.h"
#include "model/CPeople.h"
#include "model/CProject.h"
#include "model/CProjectData.h"
#include "model/CRoom.h"
#include "model/CRoomOccupationCache.h"
#include "model/CStorey.h"
#include "model/CSubTree.h"
#include "model/TInitalizationManage.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/Exception.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <initializer_list>
#include <map>

namespace {

// A tree node stand-in: ancestors by type and the elements below, in the order the tree gives them.
class FakeNode : public CElementNode
{
public:
    int ParentElementId() const override { return m_parentId; }
    QString NodePath() const override { return QStringLiteral("工程~楼~层~房间"); }
    CElementBase* AncestorElement(int type) const override
    {
        const auto it = m_ancestors.find(type);
        return it == m_ancestors.end() ? nullptr : it->second;
    }
    QList<CElementBase*> DescendantElements() const override { return m_descendants; }

    int m_parentId = -1;
    std::map<int, CElementBase*> m_ancestors;
    QList<CElementBase*> m_descendants;
};

// A room use with a distinct value in every field the room copies.
constexpr int kUseId = 700;

void InsertUse(TDM_Project& project, int id, double summerTemperature)
{
    project.ExecSQL(
        {"insert into RoomOccupation (ID, Name, SummerACTemperature, WinterACTemperature, "
         "WinterHeatingTemperature, "
         "TemperatureVariation, TemperatureVariation_Heating, SummerACRH, WinterACRH, WinterHeatingRH, "
         "RHVariation, "
         "RHVariation_Heating, PeopleDensity, LightingPower, Noise, OutsideAirSupply, MaximumAirVelocity, "
         "TotalCoolIndex, TotalHeatIndex, EnclosureCoolIndex, EnclosureHeatIndex, PeopleCoolIndex, "
         "PeopleHeatIndex, "
         "OutsideAirCoolIndex, OutsideAirHeatIndex, OthersCoolIndex, PthersHeatIndex, LaborType, "
         "NewWindScheduleName, PeopleScheduleName, LightScheduleName, Fan_Time, Maintenance_Time, "
         "NewWindUnit, "
         "PeopleDensityUnit) values (?, '试验用途', ?, 21.5, 18.5, 1.5, 2.5, 55.5, 35.5, 33.5, 5.5, 6.5, "
         "0.25, 11.5, "
         "42.5, 30.5, 0.2, 101.5, 102.5, 103.5, 104.5, 105.5, 106.5, 107.5, 108.5, 109.5, 110.5, 3, "
         "'新风表', "
         "'人员表', '照明表', '风机表', '围护表', 2, 1)",
         {id, summerTemperature}});
}

class UpperElements : public ModelFixture
{
protected:
    void SetUp() override
    {
        ModelFixture::SetUp();
        m_defaults.Load(m_project.Initialization);
        m_names.SetDataSet(&m_project.MaterialParamTable);
        m_parameters.DataSet = &m_project.ProjectParameter;
        CProjectData::SetCurrent(&m_parameters);
        InsertUse(m_project, kUseId, 27.5);
    }

    double ProjectReal(const QString& sql) { return ProjectColumn(sql).value(0).toDouble(); }

    TInitalizationManage m_defaults;
    CMaterialParamNameList m_names;
    CRoomOccupationCache m_uses;
    CProjectData m_parameters;
};

TEST_F(UpperElements, BuildingDefaultsTakeTheWaterScheduleByItsDefaultId)
{
    CBuilding building;
    building.Name = QStringLiteral("综合楼");
    ASSERT_TRUE(building.SetDefaults());
    EXPECT_EQ(building.Name, QStringLiteral("综合楼"));
    EXPECT_EQ(building.Status, 1);
    EXPECT_EQ(building.BuildingHeight, 3);
    EXPECT_EQ(building.SiloTemperature, 18);
    EXPECT_EQ(building.IsWinter_Heat_Transfer, 1);
    EXPECT_EQ(building.IsWinterHeatRebateCoefficient, 0);
    EXPECT_EQ(building.IsOutputLoadHourlyData, 1);
    EXPECT_EQ(building.HIsOutputLoadHourlyData, 1);
    const QString scheduleId = m_defaults.GetInitValue(QStringLiteral("ScheduleName_Water"));
    const QString expected =
        ProjectColumn(QStringLiteral("select Name from Schedule where ID = %1").arg(scheduleId)).value(0);
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(building.Water_Time, expected);

    m_defaults.SetValue(QStringLiteral("ScheduleName_Water"), QStringLiteral("99999"));
    ASSERT_TRUE(building.SetDefaults());
    EXPECT_EQ(building.Water_Time, QString());
}

TEST_F(UpperElements, MissingOrNonNumericDefaultsStopTheElementBeingMade)
{
    const struct
    {
        const char* defaultName;
        int type;
    } cases[] = {
        {"ScheduleName_Water", 1}, {"StoreyUse", 2}, {"RoomUse", 3}, {"WinterHeatGainCoefficient", 3}};
    for (const auto& c : cases) {
        for (const QString& bad : {QString(), QStringLiteral("abc")}) {
            SCOPED_TRACE(std::string(c.defaultName) + " = '" + bad.toStdString() + "'");
            const QString name = QString::fromLatin1(c.defaultName);
            const QString good = m_defaults.GetInitValue(name);
            m_defaults.SetValue(name, bad);
            std::unique_ptr<CElementBase> element;
            if (c.type == 1)
                element = std::make_unique<CBuilding>();
            else if (c.type == 2)
                element = std::make_unique<CStorey>();
            else
                element = std::make_unique<CRoom>();
            try {
                element->SetDefaults();
                ADD_FAILURE() << "no exception";
            } catch (const Exception& e) {
                EXPECT_TRUE(e.Message().contains(name)) << e.Message().toStdString();
            }
            m_defaults.SetValue(name, good);
        }
    }
}

TEST_F(UpperElements, BuildingNeverTouchesTheEnergyCheckColumns)
{
    CBuilding building;
    building.SetDefaults();
    building.ID = 5;
    ASSERT_EQ(building.InsertRecord(), 1);
    m_project.ExecSQL({"update Building set seltype_area = 1, seltype_cubage = 1, wd_data1_3 = 0.45, "
                       "outsidewall_data2 = 0.8 where ID = 5"});
    building.figure_area = 1234.5;
    building.figure_coff = 0.31;
    ASSERT_EQ(building.UpdateRecord(), 1);
    EXPECT_EQ(ProjectColumn(
                  QStringLiteral("select seltype_area || ',' || seltype_cubage || ',' || wd_data1_3 || ','"
                                 " || outsidewall_data2 || ',' || figure_area || ',' || figure_coff "
                                 "from Building where ID = 5")),
              QStringList{QStringLiteral("1,1,0.45,0.8,1234.5,0.31")});

    CEleAttrs attrs;
    building.ExchangeAttrs(attrs);
    for (const CEleAttr* attr : attrs.Attributes())
        EXPECT_FALSE(attr->Name.startsWith(QLatin1String("seltype")) ||
                     attr->Name.contains(QLatin1String("_data")))
            << attr->Name.toStdString();
}

TEST_F(UpperElements, StoreyTakesTheWinterFlagsOfItsBuilding)
{
    CBuilding building;
    building.SetDefaults();
    building.IsWinterHeatRebateCoefficient = 1;
    building.IsWinter_Heat_Transfer = 0;
    building.IsHeating_Flood_Solar = 1;
    FakeNode node;
    node.m_ancestors[1] = &building;

    CStorey storey;
    storey.Node = &node;
    storey.Name = QStringLiteral("old");
    ASSERT_TRUE(storey.SetDefaults());
    EXPECT_EQ(storey.Name, QString());
    EXPECT_EQ(storey.StoreyHeight, 3);
    EXPECT_EQ(storey.StoreyUse, m_defaults.GetInitValue(QStringLiteral("StoreyUse")).toInt());
    EXPECT_EQ(storey.IsWinterHeatRebateCoefficient, 1);
    EXPECT_EQ(storey.IsWinter_Heat_Transfer, 0);
    EXPECT_EQ(storey.IsHeating_Flood_Solar, 1);
    EXPECT_EQ(storey.bOutputHL, 1);

    CStorey alone;
    ASSERT_TRUE(alone.SetDefaults());
    EXPECT_EQ(alone.IsWinterHeatRebateCoefficient, 0);
    EXPECT_EQ(alone.IsWinter_Heat_Transfer, 1);
    EXPECT_EQ(alone.IsHeating_Flood_Solar, 0);
}

TEST_F(UpperElements, NewRoomTakesTheDefaultUseAndItsStorey)
{
    m_defaults.SetValue(QStringLiteral("RoomUse"), QString::number(kUseId));
    m_defaults.SetValue(QStringLiteral("WinterHeatGainCoefficient"), QStringLiteral("0.85"));
    CStorey storey;
    storey.SetDefaults();
    storey.StoreyHeight = 3.6;
    storey.IsWinterHeatRebateCoefficient = 1;
    storey.IsWinter_Heat_Transfer = 0;
    FakeNode node;
    node.m_ancestors[2] = &storey;

    CRoom room;
    room.Node = &node;
    ASSERT_TRUE(room.SetDefaults());
    EXPECT_EQ(room.RoomUse, kUseId);
    EXPECT_EQ(room.Height, 3.6);
    EXPECT_EQ(room.IsWinterHeatRebateCoefficient, 1);
    EXPECT_EQ(room.IsWinter_Heat_Transfer, 0);
    EXPECT_EQ(room.IsHeating_Flood_Solar, 0);
    // The use gives the conditions, but not the room category: its kind of work is 3.
    EXPECT_EQ(room.SummerACTemperature, 27.5);
    EXPECT_EQ(room.PthersHeatIndex, 110.5);
    EXPECT_EQ(room.ScheduleName, QStringLiteral("新风表"));
    EXPECT_EQ(room.InputTypeofPeopleDensity, 1);
    EXPECT_EQ(room.InputTypeofOutsideAirSupply, 2);
    EXPECT_EQ(room.BuildingType, 0);
    EXPECT_EQ(room.NewWind_Temp_St, 27.5);
    EXPECT_EQ(room.NewWind_Temp_Wt, 21.5);
    EXPECT_EQ(room.NewWind_Humidity_Sh, 55.5);
    EXPECT_EQ(room.NewWind_Humidity_Wh, 35.5);
    EXPECT_EQ(room.WinterHeatGainCoefficient, 0.85);
    EXPECT_EQ(room.WinterHeatRebateCoefficient, 1);
    EXPECT_EQ(room.FenCengAir, 100);
    EXPECT_EQ(room.RoomType, 1);
    EXPECT_EQ(room.ACRoomQuantity, 1);
    EXPECT_EQ(room.HLRoomQuantity, 1);
    EXPECT_EQ(room.ACHRoomQuantity, 1);

    // Applied later from the room page, the same use also sets the category.
    ASSERT_TRUE(room.ApplyOccupation(kUseId, true, COccupationFields()));
    EXPECT_EQ(room.BuildingType, 3);

    CRoom alone;
    ASSERT_TRUE(alone.SetDefaults());
    EXPECT_EQ(alone.Height, 0);
    EXPECT_EQ(alone.IsWinter_Heat_Transfer, 1);
}

TEST_F(UpperElements, FieldsCopyExactlyTheNamedRecordColumns)
{
    struct Case
    {
        QStringList fields;
        QStringList changed; // room columns expected to take the use's value
    };
    const Case cases[] = {
        {{"Fan_Time"}, {"Fan_Time"}},
        // A name never matches inside another one.
        {{"TemperatureVariation_Heating"}, {"TemperatureVariation_Heating"}},
        {{"FoodPeopleDensity"}, {}},
        {{"PeopleScheduleName"}, {}}, // the people's schedule, not the room's fresh-air one
        {{"NewWindScheduleName"}, {"ScheduleName"}},
        // A density or supply comes with its unit.
        {{"PeopleDensity"}, {"InputTypeofPeopleDensity", "PeopleDensity"}},
        {{"OutsideAirSupply"}, {"InputTypeofOutsideAirSupply", "OutsideAirSupply"}},
        {{"LaborType"}, {}}, // the people's kind of work, never the room category
        {{"noise"}, {}},     // case counts
        {{"NoiseMaintenance_Time"}, {}},
        {{"Noise", "Maintenance_Time"}, {"Noise", "Maintenance_Time"}},
    };
    CRoom fresh;
    CEleAttrs before;
    fresh.ExchangeAttrs(before);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fields.join(QLatin1Char(',')).toStdString());
        CRoom room;
        ASSERT_TRUE(room.ApplyOccupation(kUseId, true, COccupationFields(c.fields)));
        QStringList changed;
        CEleAttrs after;
        room.ExchangeAttrs(after);
        for (const CEleAttr* attr : after.Attributes())
            if (attr->Name != QLatin1String("RoomUse") &&
                attr->Value != before.GetAttr(attr->Name, false)->Value)
                changed << attr->Name;
        EXPECT_EQ(changed, c.changed);
        EXPECT_EQ(room.RoomUse, kUseId);
    }

    CRoom all;
    ASSERT_TRUE(all.ApplyOccupation(kUseId, true, COccupationFields()));
    CEleAttrs after;
    all.ExchangeAttrs(after);
    int changed = 0;
    for (const CEleAttr* attr : after.Attributes())
        changed += attr->Value != before.GetAttr(attr->Name, false)->Value ? 1 : 0;
    EXPECT_EQ(changed, 31 + 1); // the 31 fields and RoomUse
    EXPECT_EQ(all.BuildingType, 3);
    EXPECT_EQ(all.Maintenance_Time, QStringLiteral("围护表"));
}

TEST_F(UpperElements, UnknownUseRaisesAfterSettingTheIdOnly)
{
    CRoom room;
    room.SummerACTemperature = 24;
    try {
        room.ApplyOccupation(4242, true, COccupationFields());
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("材料[ID:4242]不存在，请重新指定材料"));
    }
    EXPECT_EQ(room.RoomUse, 4242);
    EXPECT_EQ(room.SummerACTemperature, 24);
}

TEST_F(UpperElements, UseReachesEveryLoadBelowTheRoomButNotTheRoomRow)
{
    m_project.ExecSQL({"insert into Building (ID, Name) values (1, 'B')"});
    m_project.ExecSQL({"insert into Storey (ID, Name, parent_id) values (10, 'S', 1)"});
    FakeNode node;
    node.m_parentId = 10;
    CRoom room;
    room.Node = &node;
    room.SetDefaults();
    room.ID = 31;
    ASSERT_EQ(room.InsertRecord(), 1);
    const QString roomBefore =
        ProjectColumn(QStringLiteral("select SummerACTemperature from Room where ID = 31")).value(0);

    CPeople people;   // directly under the room
    CPeople inFolder; // inside a folder, disabled
    CLighting lighting;
    CInfiltration infiltration; // no room-use operation
    people.ID = 41;
    inFolder.ID = 42;
    inFolder.Status = 0;
    lighting.ID = 51;
    infiltration.ID = 61;
    infiltration.ScheduleName = QStringLiteral("不变");
    FakeNode loadNode;
    loadNode.m_parentId = 31;
    for (CElementBase* e :
         std::initializer_list<CElementBase*>{&people, &inFolder, &lighting, &infiltration}) {
        e->Node = &loadNode;
        ASSERT_EQ(e->InsertRecord(), 1);
        e->Node = nullptr;
    }

    node.m_descendants = {&people, &inFolder, &lighting, &infiltration};
    ASSERT_TRUE(room.ApplyOccupation(kUseId, false, COccupationFields()));

    EXPECT_EQ(ProjectColumn(QStringLiteral(
                  "select ID || ':' || ScheduleName || ':' || LaborType from People order by ID")),
              (QStringList{QStringLiteral("41:人员表:3"), QStringLiteral("42:人员表:3")}));
    EXPECT_EQ(ProjectColumn(QStringLiteral("select ScheduleName from Lighting where ID = 51")),
              QStringList{QStringLiteral("照明表")});
    EXPECT_EQ(ProjectColumn(QStringLiteral("select ScheduleName from Infiltration where ID = 61")),
              QStringList{QStringLiteral("不变")});
    EXPECT_EQ(ProjectColumn(QStringLiteral("select SummerACTemperature from Room where ID = 31")).value(0),
              roomBefore);
    EXPECT_EQ(room.SummerACTemperature, 27.5);

    // With roomOnly set the loads stay as they are, in memory and in their rows.
    people.ScheduleName = QStringLiteral("手改");
    ASSERT_TRUE(room.ApplyOccupation(kUseId, true, COccupationFields()));
    EXPECT_EQ(people.ScheduleName, QStringLiteral("手改"));
}

TEST_F(UpperElements, RoomUseCacheReadsEachUseOnce)
{
    CLIB_RoomOccupation& first = GetRoomOccupation(kUseId);
    EXPECT_EQ(first.Name, QStringLiteral("试验用途"));
    EXPECT_EQ(first.SummerACTemperature, 27.5);
    EXPECT_EQ(first.PeopleScheduleName, QStringLiteral("人员表"));
    EXPECT_EQ(first.ElectricEquipmentScheduleName, QString()); // null column
    EXPECT_EQ(first.PeopleDensityUnit, 1);

    m_project.ExecSQL({"update RoomOccupation set SummerACTemperature = 30 where ID = ?", {kUseId}});
    EXPECT_EQ(&GetRoomOccupation(kUseId), &first);
    EXPECT_EQ(GetRoomOccupation(kUseId).SummerACTemperature, 27.5);
    EXPECT_EQ(m_uses.Count(), 1);

    ClearRoomOccupationCache();
    EXPECT_EQ(m_uses.Count(), 0);
    EXPECT_EQ(GetRoomOccupation(kUseId).SummerACTemperature, 30);
    ClearRoomOccupationCache();
    ClearRoomOccupationCache(); // empty: nothing to do

    // A miss caches nothing, so the use is found once it exists.
    for (int id : {-1, 701}) {
        try {
            GetRoomOccupation(id);
            ADD_FAILURE() << id;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("材料[ID:%1]不存在，请重新指定材料").arg(id));
        }
    }
    EXPECT_EQ(m_uses.Count(), 0);
    InsertUse(m_project, 701, 25.5);
    EXPECT_EQ(GetRoomOccupation(701).SummerACTemperature, 25.5);
}

TEST_F(UpperElements, RoomUseCacheReadsTheSystemLibraryWithoutAProject)
{
    m_project.ProjectCon.Close();
    const QStringList expected = [this] {
        CDbQuery query(m_sysParam.ADOConnection2);
        OpenQueryGuarded(query, {"select Name from RoomOccupation where ID = 1"});
        return QStringList{query.Field(0).toString()};
    }();
    ASSERT_FALSE(expected.first().isEmpty());
    EXPECT_EQ(GetRoomOccupation(1).Name, expected.first());
}

// Building 1: storey A above ground (declared 120 m², height 3) with rooms of 60 (cooling and
// heating room, heating-load room), 40 (heating only), 30 (heating-load only); storey B above ground
// (declared 50, height 3) with a cooling room of 80; storey C below ground (declared 200, height
// 4.5) with a heating-load room of 70 and an uncounted room of 15.
class BuildingStatistics : public UpperElements
{
protected:
    void SetUp() override
    {
        UpperElements::SetUp();
        m_project.ExecSQL({"insert into Building (ID, Name) values (1, 'B')"});
        m_project.ExecSQL(
            {"insert into Storey (ID, Name, parent_id, StoreyArea, StoreyHeight, IsBelowGroundStorey) "
             "values (10, 'A', 1, 120, 3, 0), (11, 'B', 1, 50, 3, 0), (12, 'C', 1, 200, 4.5, 1)"});
        m_project.ExecSQL(
            {"insert into Room (ID, parent_id, Area, ACRoomQuantity, ACHRoomQuantity, HLRoomQuantity, "
             "Height) values (100, 10, 60, 1, 1, 1, 3), (101, 10, 40, 0, 1, 0, 3), "
             "(102, 10, 30, 0, 0, 1, 2.8), (103, 11, 80, 1, 0, 0, 3), (104, 12, 70, 0, 0, 1, 3.04), "
             "(105, 12, 15, 0, 0, 0, 3)"});
        m_building.ID = 1;
        m_storeyA.ID = 10;
        m_storeyA.StoreyArea = 120;
    }

    CBuilding m_building;
    CStorey m_storeyA;
};

TEST_F(BuildingStatistics, CoolingDesignTypesCountAirConditionedRooms)
{
    m_parameters.DesignType = 3;
    EXPECT_EQ(m_building.GetRoomArea(-1), 180);
    EXPECT_EQ(m_building.GetRoomArea(0), 180);
    EXPECT_EQ(m_building.GetRoomArea(1), 0);
    // A: max(120, 100); B: max(50, 80); C has no counted room and takes no part.
    EXPECT_EQ(m_building.GetStoreyAreaSum(-1), 200);
    EXPECT_EQ(m_building.GetStoreyAreaSum(1), 0);
    EXPECT_EQ(m_building.GetIndexArea(0), 180);
    EXPECT_EQ(m_building.GetIndexArea(1), 200);
    m_building.OverGroundBuildingArea = 250;
    m_building.BelowGroundBuildingArea = 50;
    EXPECT_EQ(m_building.GetIndexArea(1), 300);
    // The default area type is 1.
    EXPECT_EQ(m_building.GetIndexArea(-1), 300);

    double cooling = -1, heating = -1;
    m_building.GetCountedRoomAreas(cooling, heating);
    EXPECT_EQ(cooling, 140);
    EXPECT_EQ(heating, 100);
    m_building.GetIndexAreas(cooling, heating, 0);
    EXPECT_EQ(cooling, 140);
    EXPECT_EQ(heating, 100);
    m_building.OverGroundBuildingArea = 150;
    m_building.BelowGroundBuildingArea = 0;
    m_building.GetIndexAreas(cooling, heating, 1); // compares with the room area, not the storey sum
    EXPECT_EQ(cooling, 180);
    EXPECT_EQ(heating, 180);

    EXPECT_EQ(m_storeyA.GetRoomArea(), 100);
    EXPECT_EQ(m_storeyA.GetIndexArea(0), 100);
    EXPECT_EQ(m_storeyA.GetIndexArea(1), 120);
    m_storeyA.GetCountedRoomAreas(cooling, heating);
    EXPECT_EQ(cooling, 60);
    EXPECT_EQ(heating, 100);
    m_storeyA.GetIndexAreas(cooling, heating, 1);
    EXPECT_EQ(cooling, 120);
    EXPECT_EQ(heating, 120);
}

TEST_F(BuildingStatistics, HeatingDesignTypesCountHeatingLoadRoomsOnly)
{
    m_parameters.DesignType = 7;
    EXPECT_EQ(m_building.GetRoomArea(-1), 160); // the 80 m² cooling room is left out
    EXPECT_EQ(m_building.GetRoomArea(1), 70);
    // A: max(120, 90); B none; C: max(200, 70).
    EXPECT_EQ(m_building.GetStoreyAreaSum(-1), 320);
    EXPECT_EQ(m_building.GetStoreyAreaSum(0), 120);
    double cooling = -1, heating = -1;
    m_building.GetCountedRoomAreas(cooling, heating);
    EXPECT_EQ(cooling, 160);
    EXPECT_EQ(heating, 160);
    EXPECT_EQ(m_storeyA.GetRoomArea(), 90);
    m_storeyA.GetCountedRoomAreas(cooling, heating);
    EXPECT_EQ(cooling, 90);
    EXPECT_EQ(heating, 90);
}

TEST_F(BuildingStatistics, EmptyBuildingGivesZeroAndTheDeclaredAreas)
{
    m_parameters.DesignType = 3;
    CBuilding empty;
    empty.ID = 2;
    empty.OverGroundBuildingArea = 900;
    empty.BelowGroundBuildingArea = 100;
    EXPECT_EQ(empty.GetRoomArea(-1), 0);
    EXPECT_EQ(empty.GetStoreyAreaSum(-1), 0);
    EXPECT_EQ(empty.GetStoreyHeightSum(0), 0);
    EXPECT_EQ(empty.GetIndexArea(0), 0);
    EXPECT_EQ(empty.GetIndexArea(1), 1000);
}

TEST_F(BuildingStatistics, BuildingHeightRisesToTheStoreysAboveGround)
{
    m_project.ExecSQL(
        {"insert into Storey (ID, parent_id, StoreyHeight, IsBelowGroundStorey) values (13, 1, 4.5, 0)"});
    EXPECT_EQ(m_building.GetStoreyHeightSum(0), 10.5);
    EXPECT_EQ(m_building.GetStoreyHeightSum(1), 4.5);
    EXPECT_EQ(m_building.GetStoreyHeightSum(-1), 15);
    m_building.BuildingHeight = 9;
    EXPECT_EQ(m_building.UpdateBuildingHeight(0), 10.5);
    EXPECT_EQ(m_building.BuildingHeight, 10.5);
    m_building.BuildingHeight = 12;
    EXPECT_EQ(m_building.UpdateBuildingHeight(0), 12);
}

TEST_F(BuildingStatistics, StoreyHeightChangeMovesTheRoomsAtTheOldHeight)
{
    CStorey storeyC;
    storeyC.ID = 12;
    m_storeyA.ChangeRoomHeights(3.3, 3);
    EXPECT_EQ(ProjectColumn(QStringLiteral("select Height from Room where parent_id = 10 order by ID")),
              (QStringList{QStringLiteral("3.3"), QStringLiteral("3.3"), QStringLiteral("2.8")}));
    // 3.04 is compared as 3.0: the room of 3.04 keeps its height, the room of 3 moves.
    storeyC.ChangeRoomHeights(3.25, 3.04);
    EXPECT_EQ(ProjectColumn(QStringLiteral("select Height from Room where parent_id = 12 order by ID")),
              (QStringList{QStringLiteral("3.04"), QStringLiteral("3.25")}));
    // Rooms of other storeys stay.
    EXPECT_EQ(ProjectReal(QStringLiteral("select Height from Room where ID = 103")), 3);
}

TEST_F(BuildingStatistics, AFailingStatementRaisesTheQueryMessage)
{
    m_parameters.DesignType = 3;
    m_project.ExecSQL({"drop table Room"});
    try {
        m_building.GetRoomArea(-1);
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("查询SQL发生异常:\n")))
            << e.Message().toStdString();
    }
}

TEST_F(UpperElements, FolderAndProjectCoordinates)
{
    CSubTree folder;
    folder.X0 = 7;
    ASSERT_TRUE(folder.SetDefaults());
    folder.Y0 = 2.5;
    double x = 1, y = 2, z = 3, x0 = 4, y0 = 5, z0 = 6;
    folder.GetCoordinates(x, y, z, x0, y0, z0);
    EXPECT_EQ((std::vector<double>{x, y, z, x0, y0, z0}), (std::vector<double>{1, 2, 3, 0, 2.5, 0}));

    CEleAttrs attrs;
    folder.ExchangeAttrs(attrs);
    QStringList names;
    for (const CEleAttr* attr : attrs.Attributes())
        names << attr->Name;
    EXPECT_EQ(names, (QStringList{"Status", "X0", "Y0", "Z0"}));

    CProject project;
    project.GetCoordinates(x, y, z, x0, y0, z0);
    EXPECT_EQ((std::vector<double>{x, y, z, x0, y0, z0}), (std::vector<double>{1, 2, 3, 0, 2.5, 0}));

    CRoom room;
    room.Coord = {1, 2, 3, 4, 5, 6}; // X0 Y0 Z0 X Y Z
    room.GetCoordinates(x, y, z, x0, y0, z0);
    EXPECT_EQ((std::vector<double>{x, y, z, x0, y0, z0}), (std::vector<double>{4, 5, 6, 1, 2, 3}));
}

// The layers above, recorded.
class FakeHost : public CProjectDataHost
{
public:
    QString ProjectFilePath() const override { return m_path; }
    void ShowCoordinateMode(bool relative) override { m_calls << (relative ? "relative" : "absolute"); }
    void ClearRunSchemes() override { m_calls << "clear"; }
    void LoadRunSchemeFile(const QString& fileName) override { m_calls << "load " + fileName; }
    void SaveRunSchemeFile(const QString& fileName) override
    {
        m_calls << QStringLiteral("save %1 %2").arg(fileName).arg(QFile::exists(fileName));
        if (m_saveFails)
            throw Exception(QStringLiteral("fwrite string error"));
    }
    QString m_path;
    QStringList m_calls;
    bool m_saveFails = false;
};

class ProjectParameters : public UpperElements
{
protected:
    void SetUp() override
    {
        UpperElements::SetUp();
        CProjectData::SetHost(&m_host);
        CProjectData::SetMaxTime(0);
    }
    void TearDown() override { CProjectData::SetHost(nullptr); }

    FakeHost m_host;
};

TEST_F(ProjectParameters, BlankProjectLoadsItsRow)
{
    m_parameters.DesignType = 8;
    m_parameters.MonthCheck[4] = 1;
    m_parameters.LoadProjectData();
    EXPECT_EQ(m_parameters.DesignType, 3);
    EXPECT_EQ(m_parameters.TimeEnd, 23);
    EXPECT_EQ(m_parameters.HourfromMaximumLoad, 12);
    EXPECT_EQ(m_parameters.yeartotal_fromtime, 7);
    EXPECT_EQ(m_parameters.yeartotal_totime, 16);
    EXPECT_EQ(m_parameters.MonthCheck[4], 0);
    EXPECT_EQ(m_parameters.DesignDate, QDate(1899, 12, 30));
    // The blank project holds the registry row: the output tables use 24 hours per row.
    EXPECT_EQ(CProjectData::MaxTime(), 24);
    EXPECT_EQ(m_host.m_calls, (QStringList{"absolute", "clear"}));
    EXPECT_TRUE(Dialogs().Messages.isEmpty());
}

TEST_F(ProjectParameters, SavedFieldsReadBackUnchanged)
{
    m_parameters.ProjectName = QStringLiteral("O'Brien's \"大厦\"");
    m_parameters.Designer = QStringLiteral("张'三");
    m_parameters.NodeFullPath = QStringLiteral("1234");
    m_parameters.DesignDate = QDate(2024, 2, 29);
    m_parameters.X = 12.346;
    m_parameters.Z0 = 0.1 + 0.2;
    m_parameters.Unit = 1;
    m_parameters.OutputTo = 5;
    m_parameters.StatisticalStyle = 1;
    m_parameters.yeartotal_output = 0;
    m_parameters.MonthCheck[0] = m_parameters.MonthCheck[11] = 1;
    m_parameters.DayCheck[364] = 7; // any non-zero flag is chosen
    m_parameters.DayCheck_Total[58] = 1;
    m_parameters.SaveProjectData();
    EXPECT_EQ(
        ProjectColumn(QStringLiteral("select length(MonthCheck) || ',' || length(DayCheck) || ',' || "
                                     "length(MonthCheck_Total) || ',' || length(DayCheck_Total) || ',' || "
                                     "MonthCheck || ',' || DesignDate from ProjectParameter")),
        QStringList{QStringLiteral("12,365,12,365,100000000001,2024-02-29")});

    CProjectData loaded;
    loaded.DataSet = &m_project.qryTemp;
    loaded.LoadProjectData();
    EXPECT_EQ(loaded.ProjectName, m_parameters.ProjectName);
    EXPECT_EQ(loaded.Designer, m_parameters.Designer);
    EXPECT_EQ(loaded.NodeFullPath, QStringLiteral("1234"));
    EXPECT_EQ(loaded.DesignDate, QDate(2024, 2, 29));
    // Coordinates keep every digit.
    EXPECT_EQ(loaded.X, 12.346);
    EXPECT_EQ(loaded.Z0, 0.1 + 0.2);
    EXPECT_EQ(loaded.Unit, 1);
    EXPECT_EQ(loaded.OutputTo, 5);
    EXPECT_EQ(loaded.StatisticalStyle, 1);
    EXPECT_EQ(loaded.yeartotal_output, 0);
    EXPECT_EQ(loaded.MonthCheck, m_parameters.MonthCheck);
    EXPECT_EQ(loaded.DayCheck[364], 1);
    EXPECT_EQ(loaded.DayCheck_Total[58], 1);
    EXPECT_EQ(loaded.DayCheck_Total[57], 0);
}

TEST_F(ProjectParameters, CheckTextsOfAnyLengthLoad)
{
    m_project.ExecSQL(
        {"update ProjectParameter set MonthCheck = '101', DayCheck = ?, MonthCheck_Total = 'x1y1', "
         "DayCheck_Total = null, Coordinate = 2",
         {QString(400, QLatin1Char('1'))}});
    m_parameters.DayCheck_Total.fill(1);
    m_parameters.LoadProjectData();
    std::array<int, 12> months{};
    months[0] = months[2] = 1;
    EXPECT_EQ(m_parameters.MonthCheck, months);
    months = {};
    months[1] = months[3] = 1;
    EXPECT_EQ(m_parameters.MonthCheck_Total, months);
    EXPECT_EQ(std::count(m_parameters.DayCheck.begin(), m_parameters.DayCheck.end(), 1), 365);
    EXPECT_EQ(std::count(m_parameters.DayCheck_Total.begin(), m_parameters.DayCheck_Total.end(), 0), 365);
    EXPECT_EQ(m_host.m_calls.value(0), QStringLiteral("relative"));
}

TEST_F(ProjectParameters, OlderRowsAndMissingRows)
{
    // No registry row: the hours per row keep their value.
    m_project.ExecSQL({"delete from tbl_registry where f_key = 'maxtime'"});
    // A project from before the annual statistics.
    m_project.ExecSQL({"alter table ProjectParameter drop column yeartotal_totime"});
    m_project.ExecSQL({"update ProjectParameter set ProjectName = 'old'"});
    m_parameters.LoadProjectData();
    EXPECT_EQ(CProjectData::MaxTime(), 0);
    EXPECT_EQ(m_parameters.ProjectName, QStringLiteral("old"));
    EXPECT_EQ(m_parameters.yeartotal_fromtime, 7);
    EXPECT_EQ(m_parameters.yeartotal_totime, 16);
    EXPECT_EQ(m_parameters.yeartotal_output, 1);

    // An empty table keeps the previous project's values, and still renews the schemes.
    m_project.ExecSQL({"delete from ProjectParameter"});
    const QString project = m_folder.File("User/Test.VLZ");
    QFile run(QDir(m_folder.File("User")).filePath("Test.run"));
    ASSERT_TRUE(run.open(QIODevice::WriteOnly));
    run.close();
    m_host.m_path = project;
    m_host.m_calls.clear();
    m_parameters.LoadProjectData();
    EXPECT_EQ(m_parameters.ProjectName, QStringLiteral("old"));
    EXPECT_EQ(m_host.m_calls, (QStringList{"clear", "load " + run.fileName()}));
}

TEST_F(ProjectParameters, AMissingColumnEndsTheLoad)
{
    m_project.ExecSQL({"alter table ProjectParameter drop column HourInterval"});
    m_project.ExecSQL({"update ProjectParameter set ProjectName = 'new', DesignType = 6"});
    EXPECT_THROW(m_parameters.LoadProjectData(), Exception);
    EXPECT_EQ(m_parameters.ProjectName, QStringLiteral("new"));
    EXPECT_EQ(m_parameters.DesignType, 3); // read after the missing column
    EXPECT_TRUE(m_host.m_calls.isEmpty());
}

TEST_F(ProjectParameters, SavingRewritesTheSchemeFileOfTheOpenProjectOnly)
{
    m_parameters.SaveProjectData();
    EXPECT_TRUE(m_host.m_calls.isEmpty());

    const QString runFile = QDir(m_folder.File("User")).filePath("Test.run");
    QFile run(runFile);
    ASSERT_TRUE(run.open(QIODevice::WriteOnly));
    run.write("schemes");
    run.close();
    m_host.m_path = m_folder.File("User/Test.VLZ");
    m_parameters.SaveProjectData();
    // The writer replaces the old file itself, once the new one is whole.
    EXPECT_EQ(m_host.m_calls, QStringList{QStringLiteral("save %1 1").arg(runFile)});

    // A write that fails loses nothing: the schemes saved before are still there.
    m_host.m_saveFails = true;
    EXPECT_THROW(m_parameters.SaveProjectData(), Exception);
    ASSERT_TRUE(run.open(QIODevice::ReadOnly));
    EXPECT_EQ(run.readAll(), QByteArray("schemes"));
}

TEST(ProjectDataFiles, SchemeFileNameReplacesTheExtension)
{
    EXPECT_EQ(CProjectData::RunFileName("/a/b/Office.VLZ"), QStringLiteral("/a/b/Office.run"));
    EXPECT_EQ(CProjectData::RunFileName("/a/b.c/Office"), QStringLiteral("/a/b.c/Office.run"));
    EXPECT_EQ(CProjectData::RunFileName("/a/Office.v2.VLZ"), QStringLiteral("/a/Office.v2.run"));
}

TEST_F(ProjectParameters, NewProjectCorrectionsRunAllOrNothing)
{
    m_project.ExecSQL(
        {"update RoomOccupation set MaximumAirVelocity = 0.25, Noise = 45 where ID = ?", {kUseId}});
    m_project.ExecSQL(
        {"insert into Room (ID, SummerACTemperature, WinterACTemperature, SummerACRH, WinterACRH, "
         "MaximumAirVelocity, Noise) values (1, 25, 20, 60, 50, 0.3, 50)"});
    m_project.ExecSQL({"insert into Building (ID, BuildingHeight) values (1, 30)"});
    CProjectData::MigrateProjectDefaults(m_project.Query);
    EXPECT_EQ(ProjectColumn(QStringLiteral(
                                "select MaximumAirVelocity || ',' || Noise from RoomOccupation where ID = %1")
                                .arg(kUseId)),
              QStringList{QStringLiteral("0.15,40.0")});
    EXPECT_EQ(
        ProjectColumn(QStringLiteral("select SummerACTemperature || ',' || WinterACRH || ',' || "
                                     "MaximumAirVelocity || ',' || Noise || ',' || NewWind_Temp_St || ',' || "
                                     "NewWind_Temp_Wt || ',' || NewWind_Humidity_Sh || ',' || "
                                     "NewWind_Humidity_Wh from Room")),
        QStringList{QStringLiteral("26.0,45.0,0.3,40.0,26.0,20.0,60.0,45.0")});
    EXPECT_EQ(ProjectReal(QStringLiteral("select BuildingHeight from Building")), 3);

    m_project.ExecSQL({"update Room set Noise = 50"});
    m_project.ExecSQL({"drop table Lighting"});
    try {
        CProjectData::MigrateProjectDefaults(m_project.Query);
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("执行数据发生异常:\n")))
            << e.Message().toStdString();
        EXPECT_TRUE(
            e.Message().contains(QStringLiteral("update Lighting set SimultaneousUseCoefficient = 0.65")));
    }
    EXPECT_EQ(ProjectReal(QStringLiteral("select Noise from Room")), 50);
}

} // namespace
