// The internal loads of a room: starting values with and without a room above, what a room use
// gives each kind, people counts from the room, power for an area and the lighting row update.
#include "tests/model/ModelFixture.h"

#include "model/CElectricEquipment.h"
#include "model/CElectronicEquipment.h"
#include "model/CEvaporating.h"
#include "model/CFood.h"
#include "model/CHeatingEquipment.h"
#include "model/CInfiltration.h"
#include "model/CLIB_RoomOccupation.h"
#include "model/CLighting.h"
#include "model/CMaterialParamNameList.h"
#include "model/COccupationFields.h"
#include "model/COthers.h"
#include "model/CPeople.h"
#include "model/CRoom.h"
#include "model/CRoomOccupationCache.h"
#include "model/TInitalizationManage.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/Exception.h"

#include <climits>
#include <cmath>

namespace {

// A tree node whose only ancestor is a room.
class RoomNode : public CElementNode
{
public:
    explicit RoomNode(CRoom* room) : m_room(room) {}
    int ParentElementId() const override { return m_room ? m_room->ID : -1; }
    QString NodePath() const override { return QStringLiteral("工程~房间~负荷"); }
    CElementBase* AncestorElement(int type) const override { return type == 3 ? m_room : nullptr; }

private:
    CRoom* m_room;
};

constexpr int kUseId = 900;

class LoadElements : public ModelFixture
{
protected:
    void SetUp() override
    {
        ModelFixture::SetUp();
        m_defaults.Load(m_project.Initialization);
        m_names.SetDataSet(&m_project.MaterialParamTable);
        // A room use of our own, so that every number below is worked out by hand.
        m_project.ExecSQL(
            {"insert into RoomOccupation (ID, Name, LightingPower, SimultaneousUseCoefficient, "
             "LightScheduleName,"
             " LaborType, PeopleScheduleName, HeatingEquipmentPower, ElecHeatUnit, HeatingUseCoefficient,"
             " HeatingEquipmentScheduleName, ElectronicEquipmentPower, ElecUnit, ElectronicUseCoefficient,"
             " ElectronicEquipmentScheduleName, ElectricEquipmentPower, ElecPowerUnit, "
             "ElectricUseCoefficient,"
             " ElectricEquipmentScheduleName, FoodPeopleDensity)"
             " values (?, '测试用途', 11, 0.7, '照明作息', 3, '人员作息', 25, 1, 0.6, '电热作息', 40, 1, "
             "0.55,"
             " '电子作息', 1500, 0, 0.45, '电动作息', 0.8)",
             {kUseId}});
        m_room.RoomUse = kUseId;
        m_room.ID = 31;
        m_room.IsLWInputArea = 1;
        m_room.Area = 20;
    }

    QString ScheduleOfDefault(const QString& name)
    {
        const QStringList names = ProjectColumn(
            QStringLiteral("select s.Name from Schedule s, Initialization i where i.I_Name = '%1' and "
                           "s.ID = cast(i.I_Value as integer)")
                .arg(name));
        return names.isEmpty() ? QString() : names.first();
    }

    TInitalizationManage m_defaults;
    CMaterialParamNameList m_names;
    CRoomOccupationCache m_uses;
    CRoom m_room;
    RoomNode m_node{&m_room};
};

// A use record made in memory for the field-by-field cases.
CLIB_RoomOccupation Use()
{
    CLIB_RoomOccupation use;
    use.LightingPower = 11;
    use.SimultaneousUseCoefficient = 0.7;
    use.LightScheduleName = QStringLiteral("照明作息");
    use.HeatingEquipmentPower = 25;
    use.ElecHeatUnit = 1;
    use.HeatingUseCoefficient = 0.6;
    use.ElectronicEquipmentPower = 40;
    use.ElecUnit = 1;
    use.ElectronicUseCoefficient = 0.55;
    use.ElectricEquipmentPower = 1500;
    use.ElecPowerUnit = 1;
    use.ElectricUseCoefficient = 0.45;
    use.ElectricEquipmentScheduleName = QStringLiteral("电动作息");
    use.FoodPeopleDensity = 0.8;
    return use;
}

} // namespace

TEST_F(LoadElements, WithoutARoomEachKindTakesItsFixedValuesAndDefaultSchedule)
{
    CPeople people;
    people.Name = QStringLiteral("旧名");
    people.Coord.X = 5; // a reused object starts clean
    ASSERT_TRUE(people.SetDefaults());
    EXPECT_EQ(people.Name, QString());
    EXPECT_EQ(people.Coord.X, 0.0);
    EXPECT_EQ(people.LaborType, 0);
    EXPECT_DOUBLE_EQ(people.PeopleClassifyCoeffient, 0.9);
    EXPECT_EQ(people.ScheduleName, ScheduleOfDefault("ScheduleName_People"));
    EXPECT_EQ(people.Status, 1);

    CLighting lighting;
    lighting.LampPower = 100;
    lighting.LampshadeType = 1;
    ASSERT_TRUE(lighting.SetDefaults());
    EXPECT_DOUBLE_EQ(lighting.SimultaneousUseCoefficient, 0.65);
    EXPECT_EQ(lighting.LampPower, 0.0);
    EXPECT_EQ(lighting.LampshadeType, 0);
    EXPECT_EQ(lighting.ScheduleName, ScheduleOfDefault("ScheduleName_Lighting"));

    CHeatingEquipment heating;
    heating.Power = 300;
    ASSERT_TRUE(heating.SetDefaults());
    EXPECT_EQ(heating.Power, 0.0);
    EXPECT_EQ(heating.TypeP, 0);
    EXPECT_DOUBLE_EQ(heating.SimultaneousUseCoefficient, 1.0);
    EXPECT_DOUBLE_EQ(heating.UsageCoefficient, 0.8);
    EXPECT_DOUBLE_EQ(heating.LoadCoefficient, 0.5);
    EXPECT_DOUBLE_EQ(heating.VentilationCoefficient, 1.0);
    EXPECT_EQ(heating.ScheduleName, ScheduleOfDefault("ScheduleName_HeatingEquipment"));

    CElectronicEquipment electronic;
    ASSERT_TRUE(electronic.SetDefaults());
    // The class writes 1.0 where the table's own default is 0.5.
    EXPECT_DOUBLE_EQ(electronic.NormalSimUseCoefficient, 1.0);
    EXPECT_DOUBLE_EQ(electronic.NormalUsageCoefficient, 0.8);
    EXPECT_DOUBLE_EQ(electronic.NormalLoadCoefficient, 0.5);
    EXPECT_EQ(electronic.EleCatMethod, 0);
    EXPECT_EQ(electronic.ScheduleName, ScheduleOfDefault("ScheduleName_ElectronicEquipment"));

    CElectricEquipment electric;
    ASSERT_TRUE(electric.SetDefaults());
    EXPECT_DOUBLE_EQ(electric.ElectromotorEfficient, 0.8);
    EXPECT_DOUBLE_EQ(electric.LoadMultiple_Move, 0.5);
    EXPECT_DOUBLE_EQ(electric.InputPowerMultiple_Move, 0.8);
    EXPECT_DOUBLE_EQ(electric.InputPowerCoefficient, 0.25);
    EXPECT_EQ(electric.ScheduleName, ScheduleOfDefault("ScheduleName_ElectricEquipment"));

    // Food and evaporating water keep the name they were given.
    CFood food;
    food.Name = QStringLiteral("厨房");
    ASSERT_TRUE(food.SetDefaults());
    EXPECT_EQ(food.Name, QStringLiteral("厨房"));
    EXPECT_EQ(food.PeopleQuantity, 0);
    EXPECT_DOUBLE_EQ(food.PeopleClassifyCoeffient, 0.9);
    EXPECT_DOUBLE_EQ(food.Chemistry_NoRatio, 0.95);
    EXPECT_EQ(food.ScheduleName, ScheduleOfDefault("ScheduleName_Food"));
    EXPECT_EQ(food.Chemistry_Time, ScheduleOfDefault("Chemistry_Time"));
    EXPECT_FALSE(food.Chemistry_Time.isEmpty());

    CEvaporating water;
    water.Name = QStringLiteral("水池");
    ASSERT_TRUE(water.SetDefaults());
    EXPECT_EQ(water.Name, QStringLiteral("水池"));
    EXPECT_EQ(water.WaterTemperature, 20.0);
    EXPECT_EQ(water.ScheduleName, ScheduleOfDefault("ScheduleName_Evaporating"));

    CInfiltration infiltration;
    ASSERT_TRUE(infiltration.SetDefaults());
    EXPECT_EQ(infiltration.PeopleQUantity, 0);
    EXPECT_EQ(infiltration.n_data, -1.0);
    EXPECT_EQ(infiltration.ScheduleName, ScheduleOfDefault("ScheduleName_Infiltration"));

    COthers others;
    others.HeatEmission_HotDuct = 7;
    ASSERT_TRUE(others.SetDefaults());
    EXPECT_EQ(others.HeatEmission_HotDuct, 0.0);
    EXPECT_EQ(others.ScheduleName, ScheduleOfDefault("ScheduleName_Others"));
    EXPECT_FALSE(others.ScheduleName.isEmpty());
}

TEST_F(LoadElements, ScheduleIdWithoutScheduleGivesEmptyNameAndABadDefaultRaises)
{
    m_defaults.SetValue("ScheduleName_Others", "99999");
    COthers others;
    others.ScheduleName = QStringLiteral("旧");
    EXPECT_TRUE(others.SetDefaults());
    EXPECT_EQ(others.ScheduleName, QString());

    m_defaults.SetValue("PeopleClassifyCoeffient", "abc");
    CPeople people;
    EXPECT_THROW(people.SetDefaults(), Exception);
}

TEST_F(LoadElements, UnderARoomThePeopleLightingAndEquipmentTakeTheRoomUse)
{
    m_defaults.SetValue("LightingPowerTo", "1");
    CLighting lighting;
    lighting.Node = &m_node;
    ASSERT_TRUE(lighting.SetDefaults());
    // 11 W/m² × 20 m² into the concealed fluorescent lamps, the other three empty.
    EXPECT_DOUBLE_EQ(lighting.ConcealedFluorescencePower, 220.0);
    EXPECT_EQ(lighting.LampPower, 0.0);
    EXPECT_EQ(lighting.ExposedFluorescencePower_Inside, 0.0);
    EXPECT_EQ(lighting.ExposedFluorescencePower_Outside, 0.0);
    EXPECT_DOUBLE_EQ(lighting.SimultaneousUseCoefficient, 0.7);
    EXPECT_EQ(lighting.ScheduleName, QStringLiteral("照明作息"));

    CPeople people;
    people.Node = &m_node;
    ASSERT_TRUE(people.SetDefaults());
    EXPECT_EQ(people.LaborType, 3);
    EXPECT_EQ(people.ScheduleName, QStringLiteral("人员作息"));
    EXPECT_DOUBLE_EQ(people.PeopleClassifyCoeffient, 0.9);

    CHeatingEquipment heating;
    heating.Node = &m_node;
    ASSERT_TRUE(heating.SetDefaults());
    EXPECT_EQ(heating.Power, 25.0);
    EXPECT_EQ(heating.TypeP, 1);
    EXPECT_DOUBLE_EQ(heating.SimultaneousUseCoefficient, 0.6);
    EXPECT_EQ(heating.ScheduleName, QStringLiteral("电热作息"));
    EXPECT_DOUBLE_EQ(heating.GetPower(static_cast<float>(m_room.Area)), 500.0);

    CElectronicEquipment electronic;
    electronic.Node = &m_node;
    ASSERT_TRUE(electronic.SetDefaults());
    EXPECT_EQ(electronic.Power, 40.0);
    EXPECT_EQ(electronic.TypeP, 1);
    EXPECT_DOUBLE_EQ(electronic.SimultaneousUseCoefficient, 0.55);
    EXPECT_EQ(electronic.ScheduleName, QStringLiteral("电子作息"));

    CElectricEquipment electric;
    electric.Node = &m_node;
    ASSERT_TRUE(electric.SetDefaults());
    EXPECT_EQ(electric.Power, 1500.0);
    EXPECT_EQ(electric.TypeP, 0);
    EXPECT_DOUBLE_EQ(electric.SimultaneousUseCoefficient, 0.45);
    EXPECT_EQ(electric.ScheduleName, QStringLiteral("电动作息"));
    EXPECT_DOUBLE_EQ(electric.GetPower(20.0f), 1500.0);
}

TEST_F(LoadElements, LightingPowerGoesWhereTheDefaultSaysOnTheRoomFloorArea)
{
    struct Case
    {
        const char* to;
        int isLWInputArea;
        double expected[4]; // LampPower, concealed, exposed inside, exposed outside
    };
    // Area 20 m² and 4 m × 6 m; the lamps start at 1, 2, 3, 4 W.
    const Case cases[] = {
        {"0", 1, {220, 0, 0, 0}}, {"2", 1, {0, 0, 220, 0}},
        {"3", 0, {0, 0, 0, 264}}, // length × width when the area is not entered
        {"1", 2, {0, 264, 0, 0}}, // only 1 means the area was entered
        {"4", 1, {1, 2, 3, 4}},   // no such lamp column: all four stay
        {"-1", 1, {1, 2, 3, 4}},
    };
    const CLIB_RoomOccupation use = Use();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("LightingPowerTo ") + c.to + " IsLWInputArea " +
                     std::to_string(c.isLWInputArea));
        m_defaults.SetValue("LightingPowerTo", c.to);
        CRoom room;
        room.IsLWInputArea = c.isLWInputArea;
        room.Area = 20;
        room.Length = 4;
        room.Width = 6;
        CLighting lighting;
        lighting.LampPower = 1;
        lighting.ConcealedFluorescencePower = 2;
        lighting.ExposedFluorescencePower_Inside = 3;
        lighting.ExposedFluorescencePower_Outside = 4;
        lighting.ApplyOccupation(room, use, COccupationFields());
        EXPECT_DOUBLE_EQ(lighting.LampPower, c.expected[0]);
        EXPECT_DOUBLE_EQ(lighting.ConcealedFluorescencePower, c.expected[1]);
        EXPECT_DOUBLE_EQ(lighting.ExposedFluorescencePower_Inside, c.expected[2]);
        EXPECT_DOUBLE_EQ(lighting.ExposedFluorescencePower_Outside, c.expected[3]);
    }
}

TEST_F(LoadElements, EachKindTakesExactlyTheNamedRecordColumns)
{
    const CLIB_RoomOccupation use = Use();
    // Fields named; the values each of lighting, heating, electronic and electric equipment then hold
    // (coefficient, power, unit, schedule).
    struct Case
    {
        QStringList fields;
        double coefficient[4];
        double power[3]; // heating, electronic, electric
        int unit[3];
        const char* schedule[2]; // lighting, electric
    };
    const Case cases[] = {
        // The lighting coefficient is the lighting's alone; the heating equipment has its own column.
        {{"SimultaneousUseCoefficient"}, {0.7, 0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {"", ""}},
        {{"HeatingUseCoefficient"}, {0, 0.6, 0, 0}, {0, 0, 0}, {0, 0, 0}, {"", ""}},
        {{"ElectronicUseCoefficient", "ElectricUseCoefficient"}, {0, 0, 0.55, 0.45}, {0, 0, 0}, {0, 0, 0}, {"", ""}},
        // Each power comes with its unit; a unit column alone names nothing the dialog offers.
        {{"HeatingEquipmentPower"}, {0, 0, 0, 0}, {25, 0, 0}, {1, 0, 0}, {"", ""}},
        {{"ElectronicEquipmentPower"}, {0, 0, 0, 0}, {0, 40, 0}, {0, 1, 0}, {"", ""}},
        {{"ElectricEquipmentPower"}, {0, 0, 0, 0}, {0, 0, 1500}, {0, 0, 1}, {"", ""}},
        {{"ElecUnit", "ElecPowerUnit", "ElecHeatUnit"}, {0, 0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {"", ""}},
        {{"lightscheduleName"}, {0, 0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {"", ""}}, // letter case counts
        // Names are whole: a text holding two of them names neither.
        {{"LightScheduleNameElectricEquipmentScheduleName"}, {0, 0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {"", ""}},
        {{"LightScheduleName", "ElectricEquipmentScheduleName"},
         {0, 0, 0, 0},
         {0, 0, 0},
         {0, 0, 0},
         {"照明作息", "电动作息"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fields.join(QLatin1Char(',')).toStdString());
        const COccupationFields fields(c.fields);
        CLighting l;
        CHeatingEquipment h;
        CElectronicEquipment n;
        CElectricEquipment e;
        l.ApplyOccupation(m_room, use, fields);
        h.ApplyOccupation(m_room, use, fields);
        n.ApplyOccupation(m_room, use, fields);
        e.ApplyOccupation(m_room, use, fields);
        EXPECT_EQ(l.SimultaneousUseCoefficient, c.coefficient[0]);
        EXPECT_EQ(h.SimultaneousUseCoefficient, c.coefficient[1]);
        EXPECT_EQ(n.SimultaneousUseCoefficient, c.coefficient[2]);
        EXPECT_EQ(e.SimultaneousUseCoefficient, c.coefficient[3]);
        EXPECT_EQ(l.ConcealedFluorescencePower + l.LampPower, 0.0);
        EXPECT_EQ(h.Power, c.power[0]);
        EXPECT_EQ(n.Power, c.power[1]);
        EXPECT_EQ(e.Power, c.power[2]);
        EXPECT_EQ(h.TypeP, c.unit[0]);
        EXPECT_EQ(n.TypeP, c.unit[1]);
        EXPECT_EQ(e.TypeP, c.unit[2]);
        EXPECT_EQ(l.ScheduleName, QString::fromUtf8(c.schedule[0]));
        EXPECT_EQ(e.ScheduleName, QString::fromUtf8(c.schedule[1]));
        EXPECT_EQ(h.ScheduleName, QString());
    }
}

TEST_F(LoadElements, DinersAndInfiltrationPeopleComeFromTheRoomDensity)
{
    struct Case
    {
        int unit;
        double density;
        int isLWInputArea;
        double area, length, width;
        int expected;
    };
    const Case cases[] = {
        {0, 0.25, 1, 30, 0, 0, 7},  // 7.5 persons cut to 7
        {1, 4, 1, 30, 0, 0, 7},     // 30 m² at 4 m² per person
        {2, 12.6, 1, 30, 0, 0, 12}, // persons given directly
        {1, 0, 1, 30, 0, 0, 0},     // no area per person: no one
        {3, 5, 1, 30, 0, 0, 0},     // unknown unit
        {0, 0.5, 0, 99, 3, 5, 7},   // length × width when the area is not entered
        {0, 0.5, 2, 30, 3, 5, 15},  // any non-zero flag takes the area
        {0, 0.29, 1, 100, 0, 0, 29},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "unit " << c.unit << " density " << c.density);
        m_room.InputTypeofPeopleDensity = c.unit;
        m_room.PeopleDensity = c.density;
        m_room.IsLWInputArea = c.isLWInputArea;
        m_room.Area = c.area;
        m_room.Length = c.length;
        m_room.Width = c.width;
        CFood food;
        food.Node = &m_node;
        ASSERT_TRUE(food.SetDefaults());
        EXPECT_EQ(food.PeopleQuantity, c.expected);
        CInfiltration infiltration;
        infiltration.Node = &m_node;
        ASSERT_TRUE(infiltration.SetDefaults());
        EXPECT_EQ(infiltration.PeopleQUantity, c.expected);
        EXPECT_EQ(infiltration.n_data, -1.0);
    }
}

TEST_F(LoadElements, DinersFromTheUseGoByTheAreaColumn)
{
    CLIB_RoomOccupation use = Use();
    m_room.IsLWInputArea = 0; // not entered, yet the Area column counts here
    m_room.Length = 1;
    m_room.Width = 1;
    const struct
    {
        double density, area;
        int expected;
    } cases[] = {{0.8, 30, 24}, {0.25, 10, 2}, {0.29, 100, 29}, {0, 30, 0}};
    for (const auto& c : cases) {
        use.FoodPeopleDensity = c.density;
        m_room.Area = c.area;
        CFood food;
        food.ApplyOccupation(m_room, use, COccupationFields());
        EXPECT_EQ(food.PeopleQuantity, c.expected) << c.density << " × " << c.area;
    }
    CFood food;
    food.PeopleQuantity = 5;
    food.ApplyOccupation(m_room, use, COccupationFields({QStringLiteral("LaborType")}));
    EXPECT_EQ(food.PeopleQuantity, 5);
    use.FoodPeopleDensity = 0.8;
    food.ApplyOccupation(m_room, use, COccupationFields({QStringLiteral("FoodPeopleDensity")}));
    EXPECT_EQ(food.PeopleQuantity, 24);
}

TEST(LoadElementPower, PowerPerAreaOnlyWhenTheUnitSaysSo)
{
    struct Case
    {
        int typeP;
        double power;
        float area;
        double expected;
    };
    const Case cases[] = {{0, 500, 20.0f, 500},
                          {1, 15, 20.0f, 300},
                          {2, 15, 20.0f, 300},
                          {1, 15, 0.0f, 0},
                          {-1, 2.5, 12.5f, 31.25}};
    for (const Case& c : cases) {
        CHeatingEquipment heating;
        CElectronicEquipment electronic;
        CElectricEquipment electric;
        heating.TypeP = electronic.TypeP = electric.TypeP = c.typeP;
        heating.Power = electronic.Power = electric.Power = c.power;
        EXPECT_DOUBLE_EQ(heating.GetPower(c.area), c.expected) << c.typeP;
        EXPECT_DOUBLE_EQ(electronic.GetPower(c.area), c.expected) << c.typeP;
        EXPECT_DOUBLE_EQ(electric.GetPower(c.area), c.expected) << c.typeP;
    }
}

TEST(LoadElementCounts, WholePartCutsTowardZeroButKeepsWholeProducts)
{
    EXPECT_EQ(CLoadElement::WholePart(7.5), 7);
    EXPECT_EQ(CLoadElement::WholePart(7.999), 7);
    EXPECT_EQ(CLoadElement::WholePart(-2.5), -2);
    EXPECT_EQ(CLoadElement::WholePart(0.29 * 100), 29);
    EXPECT_EQ(CLoadElement::WholePart(1e30), INT_MAX);
    EXPECT_EQ(CLoadElement::WholePart(std::nan("")), 0);
}

TEST_F(LoadElements, LightingRowUpdateWritesFullPrecisionAndThePosition)
{
    m_project.ExecSQL({"insert into Lighting (ID, Name, parent_id) values (5, '照明', null)"});
    CLighting lighting;
    lighting.ID = 5;
    lighting.SimultaneousUseCoefficient = 0.12345678901234567;
    lighting.LampPower = 1.0 / 3.0;
    lighting.ExposedFluorescencePower_Outside = 250;
    lighting.LampshadeType = 1;
    lighting.ScheduleName = QStringLiteral("O'Brien作息");
    lighting.Status = 0;
    lighting.Coord.X0 = 1.5;
    lighting.Coord.Z = 2.0 / 3.0;
    EXPECT_EQ(lighting.UpdateRecord(), 1);

    CDbQuery& row = m_project.Query;
    OpenQueryGuarded(row, {"select * from Lighting where ID = 5"});
    ASSERT_EQ(row.RecordCount(), 1);
    EXPECT_EQ(row.AsDouble("SimultaneousUseCoefficient"), 0.12345678901234567);
    EXPECT_EQ(row.AsDouble("LampPower"), 1.0 / 3.0);
    EXPECT_EQ(row.AsDouble("ExposedFluorescencePower_Outside"), 250.0);
    EXPECT_EQ(row.AsInt("LampshadeType"), 1);
    EXPECT_EQ(row.AsString("ScheduleName"), QStringLiteral("O'Brien作息"));
    EXPECT_EQ(row.AsInt("Status"), 0);
    EXPECT_EQ(row.AsDouble("X0"), 1.5);
    EXPECT_EQ(row.AsDouble("Z"), 2.0 / 3.0);
    EXPECT_EQ(row.AsString("Name"), QStringLiteral("照明")); // not one of the columns written

    CLighting gone;
    gone.ID = 6;
    EXPECT_EQ(gone.UpdateRecord(), 0);
    EXPECT_TRUE(Dialogs().Messages.isEmpty());

    m_project.ExecSQL({"drop table Lighting"});
    try {
        lighting.UpdateRecord();
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("执行数据发生异常"))) << e.Message().toStdString();
    }
}
