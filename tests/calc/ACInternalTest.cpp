// Outdoor air and internal loads of the detailed air-conditioning calculation: the arguments each
// library call receives (through the recording library), the result arrays they feed, and the
// physics of the real library on small rooms checked against hand calculations.
#include "calc/CCalculate_Manager.h"
#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "calc/CCalculate_Room.h"
#include "calclib/dizedozev.h"
#include "model/CElectricEquipment.h"
#include "model/CElectronicEquipment.h"
#include "model/CEvaporating.h"
#include "model/CFood.h"
#include "model/CHeatingEquipment.h"
#include "model/CInfiltration.h"
#include "model/CLighting.h"
#include "model/CPeople.h"
#include "model/CRoom.h"
#include "tests/calc/CRecordingCalcLibrary.h"
#include "tests/model/ProjectTreeFixture.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <vector>

namespace {

constexpr int kHours = 24;

// Schedules "表1" to "表10", one per source of load; schedule i is i % all day in July and
// (50 + i) % all day in January, so that a call shows whose schedule and which season it got.
enum ScheduleOf : int
{
    kRoomSchedule = 1,
    kPeopleSchedule,
    kLightingSchedule,
    kHeatingSchedule,
    kElectricSchedule,
    kElectronicSchedule,
    kFoodSchedule,
    kChemistrySchedule,
    kWaterSchedule,
    kInfiltrationSchedule,
    kScheduleCount = kInfiltrationSchedule
};

QString ScheduleName(int i)
{
    return QStringLiteral("表%1").arg(i);
}

std::vector<double> Flat(double value)
{
    return std::vector<double>(kHours, value);
}

std::vector<double> SummerSchedule(int i)
{
    return Flat(static_cast<float>(i) * 0.01f);
}

std::vector<double> WinterSchedule(int i)
{
    return Flat(static_cast<float>(50 + i) * 0.01f);
}

// An expected argument of a recorded call.
struct Arg
{
    RecordedArg::Kind Kind = RecordedArg::Int;
    double Value = 0;
    std::vector<double> Values;
};

Arg I(int value)
{
    return {RecordedArg::Int, static_cast<double>(value), {}};
}

Arg R(double value)
{
    return {RecordedArg::Real, value, {}};
}

Arg In(const std::vector<double>& values)
{
    return {RecordedArg::Input, 0, values};
}

Arg Out()
{
    return {RecordedArg::Output, 0, {}};
}

// Reals are compared as the 32-bit floats the library takes.
void ExpectArgs(const RecordedCall& call, const std::vector<Arg>& expected)
{
    SCOPED_TRACE(call.Text().toStdString());
    ASSERT_EQ(call.Args.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("argument " + std::to_string(i + 1));
        const RecordedArg& actual = call.Args[i];
        ASSERT_EQ(actual.Type, expected[i].Kind);
        switch (actual.Type) {
        case RecordedArg::Int:
            EXPECT_EQ(actual.Value, expected[i].Value);
            break;
        case RecordedArg::Real:
            EXPECT_FLOAT_EQ(static_cast<float>(actual.Value), static_cast<float>(expected[i].Value));
            break;
        case RecordedArg::Input:
            ASSERT_EQ(actual.Values.size(), expected[i].Values.size());
            for (size_t h = 0; h < actual.Values.size(); ++h)
                EXPECT_FLOAT_EQ(static_cast<float>(actual.Values[h]),
                                static_cast<float>(expected[i].Values[h]))
                    << "hour " << h;
            break;
        case RecordedArg::Output:
            break;
        }
    }
}

// Winter calls are told apart by their schedule, the last array they read.
bool IsWinterCall(const RecordedCall& call)
{
    for (auto it = call.Args.rbegin(); it != call.Args.rend(); ++it)
        if (it->Type == RecordedArg::Input)
            return !it->Values.empty() && it->Values.front() > 0.3;
    return false;
}

// What the recording library writes into output k of a call in the array tests: 4, 2, 1, 0.5 for
// outputs 0 to 3 (so that sensible parts stay below totals), ten times that in winter.
double SeasonValue(int output, bool winter)
{
    return (winter ? 10.0 : 1.0) * 4.0 / (1 << output);
}

} // namespace

class ACInternalTest : public ProjectTreeFixture
{
protected:
    void SetUp() override
    {
        ProjectTreeFixture::SetUp();
        for (int i = 1; i <= kScheduleCount; ++i)
            InsertSchedule(ScheduleName(i), i, 50 + i);
        InsertSchedule(QStringLiteral("全天"), 100, 100);

        CNodeData* building = Make(&Root(), 1);
        CNodeData* storey = Make(building, 2);
        m_roomNode = Make(storey, 3);
        m_peopleNode = Make(m_roomNode, 4);
        m_lightingNode = Make(m_roomNode, 5);
        for (int kind : {6, 7, 8, 25, 26, 27})
            m_nodes[kind] = Make(m_roomNode, kind);
        Show();

        CRoom& room = Element<CRoom>(m_roomNode);
        room.IsLWInputArea = 1;
        room.Area = 20;
        room.Height = 3;
        room.RoomType = 1;
        room.SummerACTemperature = 26;
        room.WinterACTemperature = 20;
        room.SummerACRH = 60;
        room.WinterACRH = 40;
        room.ScheduleName = ScheduleName(kRoomSchedule);
        room.NewWind_Type = 0;
        room.NewWind_Temp_St = 27;
        room.NewWind_Humidity_Sh = 55;
        room.NewWind_Temp_Wt = 18;
        room.NewWind_Humidity_Wh = 35;

        CPeople& people = Element<CPeople>(m_peopleNode);
        people.ScheduleName = ScheduleName(kPeopleSchedule);
        people.LaborType = 2;
        people.PeopleClassifyCoeffient = 0.93;

        CLighting& lighting = Element<CLighting>(m_lightingNode);
        lighting.ScheduleName = ScheduleName(kLightingSchedule);
        lighting.LampPower = 100;
        lighting.ExposedFluorescencePower_Outside = 40;
        lighting.ExposedFluorescencePower_Inside = 30;
        lighting.ConcealedFluorescencePower = 20;
        lighting.SimultaneousUseCoefficient = 0.8;
        lighting.LampshadeType = 1;

        CHeatingEquipment& heating = Element<CHeatingEquipment>(m_nodes[6]);
        heating.ScheduleName = ScheduleName(kHeatingSchedule);
        heating.TypeP = 1;
        heating.Power = 15; // W/m²: 300 W in the room
        heating.SimultaneousUseCoefficient = 0.9;
        heating.UsageCoefficient = 0.8;
        heating.LoadCoefficient = 0.7;
        heating.VentilationCoefficient = 0.6;
        heating.HumidityLoad = 50;

        CElectricEquipment& electric = Element<CElectricEquipment>(m_nodes[8]);
        electric.ScheduleName = ScheduleName(kElectricSchedule);
        electric.TypeP = 0;
        electric.Power = 1000;
        electric.SimultaneousUseCoefficient = 0.9;
        electric.LoadMultiple_Move = 0.5;
        electric.InputPowerMultiple_Move = 0.8;
        electric.InputPowerCoefficient = 0.25;
        electric.ElectromotorEfficient = 0.85;
        electric.EquipmentLocation = 2;
        electric.HumidityLoad = 70;

        CElectronicEquipment& electronic = Element<CElectronicEquipment>(m_nodes[7]);
        electronic.ScheduleName = ScheduleName(kElectronicSchedule);
        electronic.EleCatMethod = 0;
        electronic.TypeP = 0;
        electronic.Power = 500;
        electronic.NormalSimUseCoefficient = 0.9;
        electronic.NormalUsageCoefficient = 0.8;
        electronic.NormalLoadCoefficient = 0.7;
        electronic.SimultaneousUseCoefficient = 0.6;
        electronic.UsageCoefficient = 0.5;
        electronic.HeatRelease = 10;
        electronic.HeatReleaseUnit = 1;
        electronic.PowerDensity = 12;

        SetFood(Element<CFood>(m_nodes[25]), 2.5);

        CEvaporating& water = Element<CEvaporating>(m_nodes[26]);
        water.ScheduleName = ScheduleName(kWaterSchedule);
        water.SurfaceArea = 2.5;
        water.WaterTemperature = 40;

        CInfiltration& infiltration = Element<CInfiltration>(m_nodes[27]);
        infiltration.ScheduleName = ScheduleName(kInfiltrationSchedule);
        infiltration.PeopleQUantity = 30;
        infiltration.DoorType = 3;
        infiltration.n_data = 0.5;

        m_room = std::make_unique<CCalculate_Room>(CBaseData(*m_roomNode->TreeItem()));
        m_room->People = std::make_unique<CBaseData>(*m_peopleNode->TreeItem());
        m_room->Lighting = std::make_unique<CBaseData>(*m_lightingNode->TreeItem());
        for (const auto& [kind, node] : m_nodes)
            m_room->Elements(kind).push_back(std::make_unique<CBaseData>(*node->TreeItem()));

        m_context.Room = &room;
        m_context.SummerCooling = true;
        m_context.WinterAC = true;
        m_context.PersonsPerArea = 0.2f;
        m_context.OutdoorAirVolume = 120;
        m_context.CalcInfiltration = true;
        m_context.WinterGainFactor = 0.9f;
        m_context.OutdoorWetBulb = -11.2;

        m_conditions.SummerDryBulb = 33.5f;
        m_conditions.SummerWetBulb = 26.4f;
        m_conditions.WinterDryBulb = -9.9f;
        m_conditions.SummerMeanDryBulb = 29.6f;
        m_conditions.Pressure[Summer] = 100020;
        m_conditions.Pressure[Winter] = 102170;
        for (int h = 0; h < kHours; ++h) {
            m_conditions.HourlyDryBulb[Summer][h] = 30 + 0.1f * h;
            m_conditions.HourlyWetBulb[Summer][h] = 25 + 0.05f * h;
            m_conditions.HourlyDryBulb[Winter][h] = -10 + 0.1f * h;
            m_conditions.HourlyWetBulb[Winter][h] = -12 + 0.05f * h;
        }
        m_conditions.RoomTemperature[Summer] = 26;
        m_conditions.RoomTemperature[Winter] = 20;
        m_conditions.RoomRH[Summer] = 60;
        m_conditions.RoomRH[Winter] = 40;
        m_conditions.Height = 3;
        m_conditions.WinterSteadyFlag = 1;

        m_manager.SetCalcLibrary(&m_library);
    }

    template <typename T> T& Element(CNodeData* node)
    {
        auto* element = dynamic_cast<T*>(node->LoadElement());
        EXPECT_NE(element, nullptr);
        return *element;
    }

    // Day schedules of summerPercent and winterPercent all day, used by a schedule whose January
    // takes the winter week and every other month the summer week.
    void InsertSchedule(const QString& name, double summerPercent, double winterPercent)
    {
        const int summerWeek = InsertWeek(name + QStringLiteral("夏"), summerPercent);
        const int winterWeek = InsertWeek(name + QStringLiteral("冬"), winterPercent);
        QStringList columns{QStringLiteral("Name"), QStringLiteral("ScheduleType")};
        QStringList marks{QStringLiteral("?"), QStringLiteral("?")};
        QVariantList values{name, 0};
        for (int month = 1; month <= 12; ++month) {
            columns << QStringLiteral("WeekSchedule_%1").arg(month);
            marks << QStringLiteral("?");
            values << (month == 1 ? winterWeek : summerWeek);
        }
        m_project.ExecSQL(
            {QStringLiteral("insert into Schedule (%1) values (%2)").arg(columns.join(','), marks.join(',')),
             values});
    }

    int InsertWeek(const QString& dayName, double percent)
    {
        QStringList columns{QStringLiteral("DayScheduleName")};
        QStringList marks{QStringLiteral("?")};
        QVariantList values{dayName};
        for (int h = 0; h < kHours; ++h) {
            columns << QStringLiteral("Value_%1").arg(h);
            marks << QStringLiteral("?");
            values << percent;
        }
        m_project.ExecSQL({QStringLiteral("insert into DaySchedule (%1) values (%2)")
                               .arg(columns.join(','), marks.join(',')),
                           values});
        m_project.ExecSQL({"insert into WeekSchedule (DaySchedule_DesignDay) values (?)", {dayName}});
        return m_project.QueryInt(CSQLStatement("select max(ID) from WeekSchedule"));
    }

    static void SetFood(CFood& food, double maxFuel)
    {
        food.ScheduleName = ScheduleName(kFoodSchedule);
        food.PeopleQuantity = 12;
        food.PeopleClassifyCoeffient = 0.89;
        food.Chemistry_Time = ScheduleName(kChemistrySchedule);
        food.Chemistry_NoRatio = 0.95;
        food.Chemistry_Ratio = 0.7;
        food.Chemistry_Max_Value = maxFuel;
        food.Chemistry_Heat_Value = 35000;
        food.Chemistry_Moisure_Gain = 0.8;
    }

    // Every pass of this file in the order of the room calculation.
    void RunAll()
    {
        m_manager.CalculateACOutdoorAir(m_context, m_conditions, *m_room, *m_result);
        m_manager.CalculateACPeople(m_context, m_conditions, *m_room, *m_result);
        m_manager.CalculateACLighting(m_context, m_conditions, *m_room, *m_result);
        m_manager.CalculateACHeatingEquipment(m_context, m_conditions, *m_room, *m_result);
        m_manager.CalculateACElectricEquipment(m_context, m_conditions, *m_room, *m_result);
        m_manager.CalculateACElectronicEquipment(m_context, m_conditions, *m_room, *m_result);
        m_manager.CalculateACFood(m_context, m_conditions, *m_room, *m_result);
        m_manager.CalculateACEvaporating(m_context, m_conditions, *m_room, *m_result);
        m_manager.CalculateACInfiltration(m_context, m_conditions, *m_room, *m_result);
    }

    // The two calls of a function, summer first.
    QList<RecordedCall> Pair(const QString& name) const
    {
        QList<RecordedCall> calls = m_library.CallsOf(name);
        EXPECT_EQ(calls.size(), 2) << name.toStdString();
        while (calls.size() < 2)
            calls << RecordedCall();
        return calls;
    }

    const float* Array(int n) const { return m_result->Hourly[n]; }

    CRecordingCalcLibrary m_library;
    CCalculate_Manager m_manager;
    CNodeData* m_roomNode = nullptr;
    CNodeData* m_peopleNode = nullptr;
    CNodeData* m_lightingNode = nullptr;
    std::map<int, CNodeData*> m_nodes;
    std::unique_ptr<CCalculate_Room> m_room;
    RoomCalcContext m_context;
    ACDesignConditions m_conditions;
    std::unique_ptr<CCalculate_Result_IsACLoadCalculation> m_result =
        std::make_unique<CCalculate_Result_IsACLoadCalculation>();
};

TEST_F(ACInternalTest, EveryCallReceivesItsArgumentsInOrder)
{
    RunAll();
    const std::vector<double> summerDry(std::begin(m_conditions.HourlyDryBulb[Summer]),
                                        std::end(m_conditions.HourlyDryBulb[Summer]));
    const std::vector<double> summerWet(std::begin(m_conditions.HourlyWetBulb[Summer]),
                                        std::end(m_conditions.HourlyWetBulb[Summer]));
    const std::vector<double> winterDry(std::begin(m_conditions.HourlyDryBulb[Winter]),
                                        std::end(m_conditions.HourlyDryBulb[Winter]));
    const std::vector<double> winterWet(std::begin(m_conditions.HourlyWetBulb[Winter]),
                                        std::end(m_conditions.HourlyWetBulb[Winter]));
    struct Season
    {
        int Index;
        double Temperature, Humidity, Pressure;
        int Steady, Winter;
        std::vector<double> Dry, Wet;
        std::vector<double> (*Schedule)(int);
    };
    const Season seasons[] = {{0, 26, 60, 100020, 0, 0, summerDry, summerWet, SummerSchedule},
                              {1, 20, 40, 102170, 1, 1, winterDry, winterWet, WinterSchedule}};
    const double coef = 0.9;

    for (const Season& s : seasons) {
        SCOPED_TRACE(s.Winter ? "winter" : "summer");
        const auto sched = [&](int i) { return In(s.Schedule(i)); };
        ExpectArgs(Pair("GetCL_FreshAir_D")[s.Index],
                   {R(120), R(s.Pressure), R(s.Temperature), R(s.Humidity), In(s.Dry), In(s.Wet),
                    sched(kRoomSchedule), Out(), Out(), Out(), Out()});
        ExpectArgs(Pair("GetCL_Person")[s.Index],
                   {R(20), R(0.2), I(1), R(s.Temperature), I(2), R(0.93), I(s.Steady), I(s.Winter), R(coef),
                    sched(kPeopleSchedule), Out(), Out()});
        ExpectArgs(Pair("GetDL_Person")[s.Index],
                   {R(20), R(0.2), R(s.Temperature), I(2), R(0.93), sched(kPeopleSchedule), Out()});
        ExpectArgs(Pair("GetCL_Light")[s.Index],
                   {I(1), R(100), R(40), R(30), R(20), R(0.8), I(1), I(s.Steady), I(s.Winter), R(coef),
                    sched(kLightingSchedule), Out()});
        ExpectArgs(Pair("GetCL_HeatingEquipment")[s.Index],
                   {I(1), R(300), R(0.9), R(0.8), R(0.7), R(0.6), I(s.Steady), I(s.Winter), R(coef),
                    sched(kHeatingSchedule), Out()});
        ExpectArgs(Pair("GetCL_ElectricEquipment")[s.Index],
                   {I(1), R(1000), R(0.9 * 0.5 * 0.8), R(0.25), R(0.85), I(2), I(s.Steady), I(s.Winter),
                    R(coef), sched(kElectricSchedule), Out()});
        const QList<RecordedCall> moisture = m_library.CallsOf(QStringLiteral("GetDL_Equipment"));
        ASSERT_EQ(moisture.size(), 4);
        ExpectArgs(moisture[s.Index], {I(1), R(50), sched(kHeatingSchedule), Out()});
        ExpectArgs(moisture[2 + s.Index], {I(1), R(70), sched(kElectricSchedule), Out()});
        ExpectArgs(Pair("GetCL_ElectronicEquipment")[s.Index],
                   {I(1), R(500), R(0.9), R(0.8), R(0.7), I(s.Steady), I(s.Winter), R(coef),
                    sched(kElectronicSchedule), Out()});
        ExpectArgs(Pair("GetCL_Addition_Food")[s.Index],
                   {I(12), R(0.89), I(s.Steady), I(s.Winter), R(coef), sched(kFoodSchedule), Out()});
        ExpectArgs(Pair("GetDL_Addition_Food")[s.Index], {I(12), R(0.89), sched(kFoodSchedule), Out()});
        // The chemical reaction is calculated for January first.
        ExpectArgs(
            Pair("GetCL_ChemicalReaction")[1 - s.Index],
            {R(0.95), R(0.7), R(2.5), R(35000), R(0.8), sched(kChemistrySchedule), Out(), Out(), Out()});
        ExpectArgs(Pair("GetCL_Addition_Vapor_Precision")[s.Index],
                   {R(2.5), R(40), I(s.Steady), I(s.Winter), R(coef), sched(kWaterSchedule), Out(),
                    R(s.Temperature), R(s.Humidity), R(s.Pressure)});
        ExpectArgs(Pair("GetDL_Addition_Vapor_Precision")[s.Index],
                   {R(2.5), R(40), I(s.Winter), R(coef), sched(kWaterSchedule), Out(), R(s.Temperature),
                    R(s.Humidity), R(s.Pressure)});
        ExpectArgs(Pair("GetCL_Addition_Infiltration_N")[s.Index],
                   {R(20), R(3), R(s.Pressure), R(s.Temperature), R(s.Humidity), In(s.Dry), In(s.Wet), R(30),
                    I(3), sched(kInfiltrationSchedule), Out(), Out(), R(0.5)});
        ExpectArgs(Pair("GetDL_Addition_Infiltration")[s.Index],
                   {R(20), R(3), R(s.Pressure), R(s.Temperature), R(s.Humidity), In(s.Dry), In(s.Wet), R(30),
                    I(3), sched(kInfiltrationSchedule), Out()});
    }
    // Summer before winter for every function; the chemical reaction's January call comes first.
    for (const RecordedCall& call : m_library.Calls) {
        const QList<RecordedCall> same = m_library.CallsOf(call.Name);
        const bool firstOfItsName = same.front().Sequence == call.Sequence;
        const bool winterFirst = call.Name == QStringLiteral("GetCL_ChemicalReaction");
        if (call.Name != QStringLiteral("GetDL_Equipment")) {
            EXPECT_EQ(IsWinterCall(call), firstOfItsName == winterFirst) << call.Text().toStdString();
        }
    }
}

TEST_F(ACInternalTest, OutdoorAirTakesTheSupplyConditionsOfItsOwnColumns)
{
    Element<CRoom>(m_roomNode).NewWind_Type = 1;
    m_manager.CalculateACOutdoorAir(m_context, m_conditions, *m_room, *m_result);
    const QList<RecordedCall> calls = Pair("GetCL_FreshAir_D");
    EXPECT_FLOAT_EQ(calls[0].Real(1), 120.0f);
    EXPECT_FLOAT_EQ(calls[0].Real(3), 27.0f);
    EXPECT_FLOAT_EQ(calls[0].Real(4), 55.0f);
    EXPECT_FLOAT_EQ(calls[1].Real(1), 120.0f);
    EXPECT_FLOAT_EQ(calls[1].Real(3), 18.0f);
    EXPECT_FLOAT_EQ(calls[1].Real(4), 35.0f);
}

// Which side of the room's switches opens a result array.
enum Gate
{
    kSummerHeat,  // SummerCooling
    kWinterHeat,  // WinterAC
    kAlways,      // moisture and air volumes
    kCoolingSide, // the chemical reaction's heat: SummerCooling, in summer and winter alike
};

struct ArrayCase
{
    int Array;
    double Base; // the value the library's output leads to, before factors
    Gate Opened;
    bool Plus;   // takes CoolPlusFactor
    bool Rebate; // takes HeatRebateFactor
};

struct SwitchCase
{
    bool SummerCooling;
    bool WinterAC;
    bool PlusOn;
    double PlusFactor;
    double RebateFactor;
};

TEST_F(ACInternalTest, LoadsReachTheirArraysThroughTheSwitchesAndFactors)
{
    const double S0 = SeasonValue(0, false), S1 = SeasonValue(1, false), S2 = SeasonValue(2, false);
    const double W0 = SeasonValue(0, true), W1 = SeasonValue(1, true), W2 = SeasonValue(2, true);
    const std::vector<ArrayCase> arrays = {
        // outdoor air: volume, total, sensible
        {5, S0, kAlways, false, false},
        {19, W0, kAlways, false, false},
        {6, S1, kSummerHeat, true, false},
        {7, S2, kSummerHeat, true, false},
        {15, W1, kWinterHeat, true, true},
        {16, W2, kWinterHeat, true, true},
        // people
        {20, S0, kSummerHeat, true, false},
        {21, S1, kSummerHeat, true, false},
        {22, S0, kAlways, true, false},
        {23, W0, kWinterHeat, true, false},
        {24, W1, kWinterHeat, true, false},
        {25, W0, kAlways, true, false},
        // lighting
        {26, S0, kSummerHeat, true, false},
        {27, W0, kWinterHeat, true, false},
        // heating equipment, electronic equipment, electric equipment
        {28, S0, kSummerHeat, true, false},
        {29, W0, kWinterHeat, true, false},
        {30, S0, kAlways, true, false},
        {31, W0, kAlways, true, false},
        {32, S0, kSummerHeat, true, false},
        {33, W0, kWinterHeat, true, false},
        {34, S0, kSummerHeat, true, false},
        {35, W0, kWinterHeat, true, false},
        {36, S0, kAlways, true, false},
        {37, W0, kAlways, true, false},
        // food; its chemical reaction (moisture, total, latent; sensible = total - latent)
        {38, S0, kSummerHeat, true, false},
        {39, W0, kWinterHeat, true, false},
        {40, S0, kAlways, true, false},
        {41, W0, kAlways, true, false},
        {110, S0, kAlways, true, false},
        {111, W0, kAlways, true, false},
        {112, S1, kCoolingSide, true, false},
        {113, W1, kCoolingSide, true, false},
        {114, S2, kCoolingSide, true, false},
        {115, W2, kCoolingSide, true, false},
        {2, S1, kCoolingSide, true, false},
        {3, S1 - S2, kCoolingSide, true, false},
        {13, W1, kCoolingSide, true, false},
        {14, W1 - W2, kCoolingSide, true, false},
        {4, S0, kAlways, true, false},
        {18, W0, kAlways, true, false},
        // water surfaces
        {42, S0, kSummerHeat, true, false},
        {43, W0, kWinterHeat, true, false},
        {44, S0, kAlways, true, false},
        {45, W0, kAlways, true, false},
        // infiltration: the library's moisture is in kg/h, the result's in g/h
        {46, S0, kSummerHeat, true, false},
        {47, W0, kWinterHeat, true, true},
        {48, 1000 * S0, kAlways, true, false},
        {49, 1000 * W0, kAlways, true, false},
    };
    const SwitchCase cases[] = {
        {true, true, false, 1.05, 0.8},
        {true, false, true, 1.05, 0.8},
        {false, true, true, 1.05, 0.8},
    };

    for (const SwitchCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "summer " << c.SummerCooling << ", winter " << c.WinterAC << ", plus " << c.PlusOn);
        m_library.Calls.clear();
        m_library.Fill = [](const RecordedCall& call, int output, int) {
            return SeasonValue(output, IsWinterCall(call));
        };
        m_result->Reset();
        m_context.SummerCooling = c.SummerCooling;
        m_context.WinterAC = c.WinterAC;
        m_context.CoolPlusOn = c.PlusOn;
        m_context.CoolPlusFactor = c.PlusFactor;
        m_context.HeatRebateFactor = c.RebateFactor;
        RunAll();

        std::vector<bool> listed(CCalculate_Result_IsACLoadCalculation::ArrayCount, false);
        for (const ArrayCase& a : arrays) {
            listed[static_cast<size_t>(a.Array)] = true;
            const bool open = a.Opened == kAlways || (a.Opened == kSummerHeat && c.SummerCooling) ||
                              (a.Opened == kCoolingSide && c.SummerCooling) ||
                              (a.Opened == kWinterHeat && c.WinterAC);
            double expected = open ? a.Base : 0.0;
            if (a.Plus && c.PlusOn)
                expected *= c.PlusFactor;
            if (a.Rebate)
                expected *= c.RebateFactor;
            for (int h = 0; h < kHours; ++h)
                ASSERT_NEAR(Array(a.Array)[h], expected, 1e-4 * std::max(1.0, std::fabs(expected)))
                    << "array " << a.Array << " hour " << h;
        }
        for (int n = 0; n < CCalculate_Result_IsACLoadCalculation::ArrayCount; ++n)
            if (!listed[static_cast<size_t>(n)]) {
                EXPECT_TRUE(std::all_of(Array(n), Array(n) + kHours, [](float v) { return v == 0.0f; }))
                    << "array " << n << " should stay untouched";
            }
    }
}

TEST_F(ACInternalTest, SteadyOutdoorAirUsesDesignValuesAndHoldsThePeakWhereverThereIsLoad)
{
    m_context.SteadyFreshAir = true;
    // Volume h; total and sensible 0 before 06:00, a trace at 06:00, then growing with the hour
    // (losses in winter).
    m_library.Fill = [](const RecordedCall& call, int output, int hour) -> double {
        if (output == 0)
            return hour;
        const double sign = IsWinterCall(call) ? -1.0 : 1.0;
        if (hour < 6)
            return 0.0;
        if (hour == 6)
            return sign * 1e-9;
        return sign * hour * (output == 1 ? 2.0 : 1.0);
    };
    m_manager.CalculateACOutdoorAir(m_context, m_conditions, *m_room, *m_result);

    const QList<RecordedCall> calls = Pair("GetCL_FreshAir_D");
    EXPECT_EQ(calls[0].Input(5), Flat(33.5f));
    EXPECT_EQ(calls[0].Input(6), Flat(26.4f));
    EXPECT_EQ(calls[1].Input(5), Flat(-9.9f));
    EXPECT_EQ(calls[1].Input(6), Flat(-11.2f));

    const struct
    {
        int Array;
        float Peak;
    } flattened[] = {{6, 46}, {7, 23}, {15, -46}, {16, -23}};
    for (const auto& f : flattened)
        for (int h = 0; h < kHours; ++h) {
            const float expected = h < 6 ? 0.0f : h == 6 ? (f.Peak > 0 ? 1e-9f : -1e-9f) : f.Peak;
            EXPECT_FLOAT_EQ(Array(f.Array)[h], expected) << "array " << f.Array << " hour " << h;
        }
    for (int h = 0; h < kHours; ++h) {
        EXPECT_FLOAT_EQ(Array(5)[h], static_cast<float>(h));
        EXPECT_FLOAT_EQ(Array(19)[h], static_cast<float>(h));
    }
}

TEST_F(ACInternalTest, ElectronicEquipmentFollowsItsMethod)
{
    // Summer output hour + 1, winter twice that; zero everywhere for the row that says so.
    struct Case
    {
        int Method;
        bool ZeroOutput;
        const char* Function;
        std::vector<double> Leading; // arguments 2 to 5
        double SummerPeak;           // of array 32
        double WinterPeak;           // of array 33
    };
    const double heatRelease = 10.0 * 20; // 10 W/m² in the 20 m² room
    const Case cases[] = {
        {0, false, "GetCL_ElectronicEquipment", {500, 0.9, 0.8, 0.7}, 24, 48},
        {1, false, "GetCL_ElectricEquipment", {500, 0.6, 0.5, 0.84}, 24, 48},
        {2, false, "GetCL_ElectronicEquipment", {100, 1.0, 0.8, 0.5}, heatRelease, heatRelease * 0.9},
        {2, true, "GetCL_ElectronicEquipment", {100, 1.0, 0.8, 0.5}, 0, 0},
        {3, false, "GetCL_ElectronicEquipment", {20 * 12, 1, 1, 1}, 24, 48},
        {5, false, nullptr, {}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "method " << c.Method << (c.ZeroOutput ? ", zero output" : ""));
        Element<CElectronicEquipment>(m_nodes[7]).EleCatMethod = c.Method;
        m_library.Calls.clear();
        m_library.Fill = [&c](const RecordedCall& call, int, int hour) {
            return c.ZeroOutput ? 0.0 : (hour + 1) * (IsWinterCall(call) ? 2.0 : 1.0);
        };
        m_result->Reset();
        m_manager.CalculateACElectronicEquipment(m_context, m_conditions, *m_room, *m_result);

        if (!c.Function) {
            EXPECT_TRUE(m_library.Calls.isEmpty());
        } else {
            const QList<RecordedCall> calls = Pair(QString::fromLatin1(c.Function));
            for (const RecordedCall& call : calls)
                for (int i = 0; i < 4; ++i)
                    EXPECT_FLOAT_EQ(call.Real(2 + i), static_cast<float>(c.Leading[static_cast<size_t>(i)]))
                        << "argument " << 2 + i;
            if (c.Method == 1) {
                EXPECT_EQ(calls[0].Int(6), 1);
                EXPECT_FLOAT_EQ(calls[1].Real(9), 0.9f);
            }
        }
        EXPECT_NEAR(CCalculate_Manager::FindAbsPeak24(Array(32)), c.SummerPeak, 1e-3);
        EXPECT_NEAR(CCalculate_Manager::FindAbsPeak24(Array(33)), c.WinterPeak, 1e-3);
        // Rescaling keeps the shape of the profile.
        if (c.SummerPeak != 0) {
            EXPECT_NEAR(Array(32)[11] / Array(32)[23], 12.0 / 24.0, 1e-6);
        }
    }
}

TEST_F(ACInternalTest, ChemicalReactionArraysShowTheLastFoodWhileTheSumsTakeEveryOne)
{
    CNodeData* second = Make(m_roomNode, 25);
    SetFood(Element<CFood>(second), 5.0);
    Show();
    m_room->Elements(25).push_back(std::make_unique<CBaseData>(*second->TreeItem()));
    // The reaction's outputs grow with the fuel: 2.5 m³/h for the first food, 5 for the second.
    m_library.Fill = [](const RecordedCall& call, int output, int) {
        const double fuel = call.Name == QStringLiteral("GetCL_ChemicalReaction") ? call.Real(3) : 1.0;
        return fuel * SeasonValue(output, IsWinterCall(call));
    };
    m_manager.CalculateACFood(m_context, m_conditions, *m_room, *m_result);

    const struct
    {
        int Array;
        double Expected;
    } cases[] = {
        {110, 5 * 4.0}, {111, 5 * 40.0},    {112, 5 * 2.0}, {113, 5 * 20.0},
        {114, 5 * 1.0}, {115, 5 * 10.0},    {4, 7.5 * 4},   {18, 7.5 * 40},
        {2, 7.5 * 2},   {3, 7.5 * (2 - 1)}, {13, 7.5 * 20}, {14, 7.5 * (20 - 10)},
        {38, 2 * 4.0},  {39, 2 * 40.0},     {40, 2 * 4.0},  {41, 2 * 40.0},
    };
    for (const auto& c : cases)
        for (int h = 0; h < kHours; ++h)
            EXPECT_FLOAT_EQ(Array(c.Array)[h], static_cast<float>(c.Expected)) << "array " << c.Array;
}

TEST_F(ACInternalTest, PassesWithoutTheirElementsOrSwitchCallNothing)
{
    m_room->People.reset();
    m_room->Lighting.reset();
    m_context.CalcInfiltration = false;
    m_manager.CalculateACPeople(m_context, m_conditions, *m_room, *m_result);
    m_manager.CalculateACLighting(m_context, m_conditions, *m_room, *m_result);
    m_manager.CalculateACInfiltration(m_context, m_conditions, *m_room, *m_result);
    EXPECT_TRUE(m_library.Calls.isEmpty()) << m_library.Names().join(',').toStdString();
    for (int n = 20; n <= 27; ++n)
        EXPECT_EQ(CCalculate_Manager::FindAbsPeak24(Array(n)), 0.0f) << "array " << n;
    for (int n = 46; n <= 49; ++n)
        EXPECT_EQ(CCalculate_Manager::FindAbsPeak24(Array(n)), 0.0f) << "array " << n;
}

// The real library on the fixture room: constant schedules, so that every gain is steady and the
// hand calculations below apply hour by hour.
class ACInternalPhysicsTest : public ACInternalTest
{
protected:
    void SetUp() override
    {
        ACInternalTest::SetUp();
        m_manager.SetCalcLibrary(nullptr);
        m_conditions.WinterSteadyFlag = 0;
        for (CNodeData* node : {m_roomNode, m_peopleNode, m_lightingNode})
            SetAllDay(node);
        for (const auto& [kind, node] : m_nodes)
            SetAllDay(node);
        Element<CFood>(m_nodes[25]).Chemistry_Time = QStringLiteral("全天");
    }

    void SetAllDay(CNodeData* node)
    {
        if (auto* room = dynamic_cast<CRoom*>(node->LoadElement()))
            room->ScheduleName = QStringLiteral("全天");
        else if (auto* load = dynamic_cast<CLoadElement*>(node->LoadElement()))
            load->ScheduleName = QStringLiteral("全天");
    }

    // The Beijing design days of July and January from the library's own profile builders.
    void UseBeijingDesignDays()
    {
        float dry[12][24];
        float wet[12][24];
        GetDB12(33.5f, 7.5f, -9.9f, &dry[0][0]);
        GetWB12(100020, 102170, 33.5f, 26.4f, 7.5f, -9.9f, 44, &wet[0][0]);
        std::copy_n(dry[6], kHours, m_conditions.HourlyDryBulb[Summer]);
        std::copy_n(wet[6], kHours, m_conditions.HourlyWetBulb[Summer]);
        std::copy_n(dry[0], kHours, m_conditions.HourlyDryBulb[Winter]);
        std::copy_n(wet[0], kHours, m_conditions.HourlyWetBulb[Winter]);
    }
};

TEST_F(ACInternalPhysicsTest, PeopleAndLightingMatchTheHandCalculation)
{
    // 4 seated persons (0.2 per m² of 20 m²), group coefficient 1. Per person at 26 ℃: 63 W
    // sensible + 45 W latent; at 20 ℃: 84 W + 26 W. A steady gain leaves the room unchanged.
    // Moisture = latent heat / latent heat of vaporisation: 4 x 45 W x 3600 / 2439 kJ/kg = 266 g/h.
    // Lamps: 200 W incandescent, all in use.
    CPeople& people = Element<CPeople>(m_peopleNode);
    people.LaborType = 0;
    people.PeopleClassifyCoeffient = 1.0;
    CLighting& lighting = Element<CLighting>(m_lightingNode);
    lighting.LampPower = 200;
    lighting.ExposedFluorescencePower_Outside = 0;
    lighting.ExposedFluorescencePower_Inside = 0;
    lighting.ConcealedFluorescencePower = 0;
    lighting.SimultaneousUseCoefficient = 1.0;

    m_manager.CalculateACPeople(m_context, m_conditions, *m_room, *m_result);
    m_manager.CalculateACLighting(m_context, m_conditions, *m_room, *m_result);

    for (int h = 0; h < kHours; h += 5) {
        SCOPED_TRACE(h);
        EXPECT_NEAR(Array(20)[h], 4 * (63 + 45), 4.0);
        EXPECT_NEAR(Array(21)[h], 4 * 63, 3.0);
        EXPECT_NEAR(Array(22)[h], 266, 266 * 0.02);
        EXPECT_NEAR(Array(23)[h], 4 * (84 + 26) * 0.9, 4.0); // winter gains x the gain factor 0.9
        EXPECT_NEAR(Array(24)[h], 4 * 84 * 0.9, 3.0);
        EXPECT_GT(Array(25)[h], 0.0f);
        EXPECT_LT(Array(25)[h], Array(22)[h]); // less latent heat in the cooler winter room
        EXPECT_NEAR(Array(26)[h], 200, 2.0);
        EXPECT_NEAR(Array(27)[h], 200 * 0.9, 2.0);
    }
}

TEST_F(ACInternalPhysicsTest, OutdoorAirAndInfiltrationMatchTheHandCalculation)
{
    UseBeijingDesignDays();
    m_context.OutdoorAirVolume = 120;
    CInfiltration& infiltration = Element<CInfiltration>(m_nodes[27]);
    infiltration.PeopleQUantity = 0;
    infiltration.n_data = 0.5; // 0.5 x 60 m³ = 30 m³/h

    m_manager.CalculateACOutdoorAir(m_context, m_conditions, *m_room, *m_result);
    m_manager.CalculateACInfiltration(m_context, m_conditions, *m_room, *m_result);

    // 14:00 of the July design day, 33.5 ℃ / 26.4 ℃ wet bulb at 100.02 kPa: d = 19.1 g/kg,
    // h = 82.8 kJ/kg, density 1.12 kg/m³. Room 26 ℃ / 60 %: d = 12.8 g/kg, h = 58.8 kJ/kg.
    // Outdoor air: 1.12 x 120 x (82.8 - 58.8) / 3.6 = 896 W total,
    // 1.12 x 120 x 1.04 x (33.5 - 26) / 3.6 = 291 W sensible.
    // Infiltration: 1.12 x 30 x (19.1 - 12.8) = 212 g/h of moisture, 73 W sensible.
    EXPECT_NEAR(Array(6)[14], 896, 896 * 0.1);
    EXPECT_NEAR(Array(7)[14], 291, 291 * 0.1);
    EXPECT_NEAR(Array(48)[14], 212, 212 * 0.1);
    EXPECT_NEAR(Array(46)[14], 73, 73 * 0.1);

    // Shape: the peak in the afternoon, the night below the day, humid summer air (total above
    // sensible), losses at every winter hour, the air volume as supplied.
    int peakHour = 0;
    for (int h = 1; h < kHours; ++h)
        if (Array(6)[h] > Array(6)[peakHour])
            peakHour = h;
    EXPECT_GE(peakHour, 12);
    EXPECT_LE(peakHour, 17);
    EXPECT_LT(Array(6)[4], 0.8f * Array(6)[peakHour]);
    for (int h = 0; h < kHours; ++h) {
        SCOPED_TRACE(h);
        EXPECT_GT(Array(6)[h], Array(7)[h]);
        EXPECT_LT(Array(15)[h], 0.0f);
        EXPECT_LT(Array(16)[h], 0.0f);
        EXPECT_LT(Array(47)[h], 0.0f);
        EXPECT_NEAR(Array(5)[h], 120, 1e-3);
        EXPECT_NEAR(Array(19)[h], 120, 1e-3);
    }
    // The coldest January hour against a 20 ℃ room at 102.17 kPa: density p / (287 T), sensible
    // loss density x 120 x 1.006 x (t - 20) / 3.6 (about -1540 W at -13.9 ℃).
    const float* january = m_conditions.HourlyDryBulb[Winter];
    const int coldest = static_cast<int>(std::min_element(january, january + kHours) - january);
    const double density = 102170 / (287.042 * (january[coldest] + 273.15));
    const double loss = density * 120 * 1.006 * (january[coldest] - 20) / 3.6;
    EXPECT_NEAR(Array(16)[coldest], loss, std::fabs(loss) * 0.1);
}

TEST_F(ACInternalPhysicsTest, ChemicalReactionAndDirectElectronicLoadMatchTheHandCalculation)
{
    // Gas burning: 0.95 x 0.7 x 2.5 m³/h x 35000 kJ/m³ / 3.6 = 16163 W of heat; moisture
    // 0.7 x 2.5 m³/h x 0.8 kg/m³ = 1.4 kg/h, whose latent heat (about 2450 kJ/kg) is 953 W.
    Element<CElectronicEquipment>(m_nodes[7]).EleCatMethod = 2;
    m_manager.CalculateACFood(m_context, m_conditions, *m_room, *m_result);
    m_manager.CalculateACElectronicEquipment(m_context, m_conditions, *m_room, *m_result);

    EXPECT_NEAR(Array(112)[12], 16163, 16163 * 0.01);
    EXPECT_NEAR(Array(110)[12], 1400, 1400 * 0.01);
    EXPECT_NEAR(Array(114)[12], 953, 953 * 0.05);
    EXPECT_FLOAT_EQ(Array(3)[12], Array(112)[12] - Array(114)[12]);
    EXPECT_FLOAT_EQ(Array(13)[12], Array(113)[12]);

    // 10 W/m² entered directly in the 20 m² room: the profile peaks at 200 W in summer and at
    // 200 W x the winter gain factor in winter.
    EXPECT_NEAR(CCalculate_Manager::FindAbsPeak24(Array(32)), 200, 1e-3);
    EXPECT_NEAR(CCalculate_Manager::FindAbsPeak24(Array(33)), 180, 1e-3);
}
