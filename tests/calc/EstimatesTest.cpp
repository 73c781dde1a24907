#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "calc/CCalculate_Result_IsACLoadIntelligentEstimation.h"
#include "calc/CCalculate_Result_IsACLoadItemizedEstimation.h"
#include "calc/CCalculate_Result_IsACLoadSimpleEstimation.h"
#include "calc/ResultByType.h"
#include "climate/CLIB_WeatherParameter.h"
#include "model/CBuilding.h"
#include "model/CElectricEquipment.h"
#include "model/CElectronicEquipment.h"
#include "model/CEvaporating.h"
#include "model/CFood.h"
#include "model/CHeatingEquipment.h"
#include "model/CInfiltration.h"
#include "model/CLighting.h"
#include "model/CPeople.h"
#include "model/CRoom.h"
#include "platform/core/Exception.h"
#include "tests/calc/CRecordingCalcLibrary.h"
#include "tests/calc/CalcFixture.h"

#include <cmath>
#include <stdexcept>

namespace {
constexpr float kKcal = 0.8598452f;
const QString kSchedule = QStringLiteral("估算时间表");
} // namespace

// Rooms for the estimates beside the calculation fixture's tree, in storey S3 of building B2:
// "Loads" with one element of every internal-load kind, "Devices" with one electronic equipment.
// Schedule kSchedule: the January design day 50 % all day, the July one 100 % from 8 to 17 h and
// 0 otherwise. Weather values are set by hand (no table behind them).
class EstimatesTest : public CalcFixture
{
protected:
    void SetUp() override
    {
        CalcFixture::SetUp();
        InsertSchedule();
        SetDefault(QStringLiteral("IsWinterACLoadSteady"), QStringLiteral("1"));

        m_weather.WinterBarometric = 102000;
        m_weather.SummerBarometric = 100000;
        m_weather.WinterAirConditioningDesignDrybulbTemperature = -9.9;
        m_weather.SummerAirConditioningDesignDrybulbTemperature = 33.5;
        m_weather.SummerAirConditioningDesignWetbulbTemperature = 26.4;
        float(&rows)[2][12][24] = m_weather.TemperatureParameter.Temperature;
        for (int h = 0; h < 24; ++h) {
            rows[0][0][h] = -10.0f + 0.5f * h;
            rows[1][0][h] = -12.0f + 0.25f * h;
            rows[0][6][h] = 28.0f + 0.25f * h;
            rows[1][6][h] = 24.0f + 0.125f * h;
        }

        Loads = MakeRoom(S3, 50);
        auto& room = Element<CRoom>(Loads);
        room.Height = 3;
        room.RoomType = 1;
        room.SummerACTemperature = 26;
        room.WinterACTemperature = 20;
        room.SummerACRH = 55;
        room.WinterACRH = 45;
        room.ScheduleName = kSchedule;
        room.NewWind_Type = 0;
        room.EnclosureCoolIndex = 30;
        room.EnclosureHeatIndex = 40;

        auto& people = Element<CPeople>(Make(Loads, 4));
        people.ScheduleName = kSchedule;
        people.LaborType = 2;
        people.PeopleClassifyCoeffient = 0.93;
        auto& light = Element<CLighting>(Make(Loads, 5));
        light.ScheduleName = kSchedule;
        light.LampPower = 100;
        light.ExposedFluorescencePower_Outside = 20;
        light.ExposedFluorescencePower_Inside = 30;
        light.ConcealedFluorescencePower = 40;
        light.SimultaneousUseCoefficient = 0.8;
        light.LampshadeType = 1;
        auto& heater = Element<CHeatingEquipment>(Make(Loads, 6));
        heater.ScheduleName = kSchedule;
        heater.TypeP = 1;
        heater.Power = 10; // W/m2
        heater.SimultaneousUseCoefficient = 0.9;
        heater.UsageCoefficient = 0.7;
        heater.LoadCoefficient = 0.6;
        heater.VentilationCoefficient = 0.5;
        heater.HumidityLoad = 150;
        auto& electronic = Element<CElectronicEquipment>(Make(Loads, 7));
        SetElectronic(electronic, 0);
        auto& motor = Element<CElectricEquipment>(Make(Loads, 8));
        motor.ScheduleName = kSchedule;
        motor.TypeP = 0;
        motor.Power = 1200;
        motor.SimultaneousUseCoefficient = 0.5;
        motor.LoadMultiple_Move = 0.5;
        motor.InputPowerMultiple_Move = 0.8;
        motor.InputPowerCoefficient = 0.25;
        motor.ElectromotorEfficient = 0.85;
        motor.EquipmentLocation = 2;
        motor.HumidityLoad = 60;
        auto& food = Element<CFood>(Make(Loads, 25));
        food.ScheduleName = kSchedule;
        food.PeopleQuantity = 12;
        food.PeopleClassifyCoeffient = 0.9;
        auto& water = Element<CEvaporating>(Make(Loads, 26));
        water.ScheduleName = kSchedule;
        water.SurfaceArea = 2.5;
        water.WaterTemperature = 40;
        auto& infiltration = Element<CInfiltration>(Make(Loads, 27));
        infiltration.ScheduleName = kSchedule;
        infiltration.PeopleQUantity = 30;
        infiltration.DoorType = 2;
        infiltration.n_data = 0.7;

        Devices = MakeRoom(S3, 50);
        Element<CRoom>(Devices).RoomType = 1;
        SetElectronic(Element<CElectronicEquipment>(Make(Devices, 7)), 0);
        Show();
    }

    template <typename T> static T& Element(CNodeData* node)
    {
        return *dynamic_cast<T*>(node->LoadElement());
    }

    static void SetElectronic(CElectronicEquipment& equipment, int method)
    {
        equipment.ScheduleName = kSchedule;
        equipment.EleCatMethod = method;
        equipment.TypeP = 0;
        equipment.Power = 800;
        equipment.NormalSimUseCoefficient = 0.9;
        equipment.NormalUsageCoefficient = 0.8;
        equipment.NormalLoadCoefficient = 0.7;
        equipment.SimultaneousUseCoefficient = 0.6;
        equipment.UsageCoefficient = 0.4;
        equipment.HeatRelease = 1000;
        equipment.HeatReleaseUnit = 0;
        equipment.PowerDensity = 12;
    }

    void InsertSchedule()
    {
        const auto day = [this](const QString& name, auto percent) {
            QStringList columns{QStringLiteral("DayScheduleName")};
            QVariantList values{name};
            for (int h = 0; h < 24; ++h) {
                columns << QStringLiteral("Value_%1").arg(h);
                values << percent(h);
            }
            m_project.ExecSQL({QStringLiteral("insert into DaySchedule (%1) values (?%2)")
                                   .arg(columns.join(','), QStringLiteral(",?").repeated(24)),
                               values});
        };
        day(QStringLiteral("估算冬日"), [](int) { return 50.0; });
        day(QStringLiteral("估算夏日"), [](int h) { return h >= 8 && h <= 17 ? 100.0 : 0.0; });
        const auto week = [this](const QString& designDay) {
            m_project.ExecSQL({"insert into WeekSchedule (DaySchedule_DesignDay) values (?)", {designDay}});
            return m_project.QueryInt(CSQLStatement("select max(ID) from WeekSchedule"));
        };
        const int winter = week(QStringLiteral("估算冬日"));
        const int summer = week(QStringLiteral("估算夏日"));
        QStringList columns{QStringLiteral("Name"), QStringLiteral("ScheduleType")};
        QVariantList values{kSchedule, 0};
        for (int month = 1; month <= 12; ++month) {
            columns << QStringLiteral("WeekSchedule_%1").arg(month);
            values << (month == 1 ? winter : summer);
        }
        m_project.ExecSQL({QStringLiteral("insert into Schedule (%1) values (?%2)")
                               .arg(columns.join(','), QStringLiteral(",?").repeated(13)),
                           values});
    }

    // The room's loads as the intelligent estimate leaves them, calculated by a new manager with
    // the recording library (or the real one when m_realLibrary); valid until the next call.
    CCalculate_Result_IsACLoadIntelligentEstimation& Intelligent(CNodeData* roomNode)
    {
        m_manager = std::make_unique<CCalculate_Manager>();
        if (!m_realLibrary)
            m_manager->SetCalcLibrary(&m_library);
        m_manager->BuildCalcStructure(Item(roomNode));
        CCalculate_Room& room = *m_manager->Buildings().at(0)->Storeys.at(0)->Rooms.at(0);
        m_pool.AcquireResult(room.Result);
        m_context.Room = &Element<CRoom>(roomNode);
        m_manager->CalculateACLoadIntelligentEstimation(m_context, room);
        return *static_cast<CCalculate_Result_IsACLoadIntelligentEstimation*>(room.Result);
    }

    CLIB_WeatherParameter m_weather;
    CRecordingCalcLibrary m_library;
    bool m_realLibrary = false;
    CCalResultBuffer m_pool{2};
    std::unique_ptr<CCalculate_Manager> m_manager;
    RoomCalcContext m_context = [] {
        RoomCalcContext context;
        context.SummerCooling = true;
        context.WinterAC = true;
        context.PersonsPerArea = 0.2f;
        context.OutdoorAirVolume = 300;
        context.WinterGainFactor = 0.5f;
        context.OutdoorWetBulb = -12.5;
        context.CalcInfiltration = true;
        context.SteadyFreshAir = true;
        return context;
    }();
    CNodeData* Loads = nullptr;
    CNodeData* Devices = nullptr;
};

// --- Design types 0 and 1 ------------------------------------------------------------------------

TEST_F(EstimatesTest, SimpleEstimateIsIndexTimesAreaOnTheConditionedSides)
{
    struct SCase
    {
        bool summer, winter;
        int unit;
        double area;
        std::array<float, 4> expected;
    };
    // Indexes 120 W/m2 cooling and 80 W/m2 heating.
    const SCase cases[] = {
        {true, true, 0, 50, {6000, 120, 80, 4000}},
        {true, false, 0, 50, {6000, 120, 0, 0}},
        {false, true, 0, 50, {0, 0, 80, 4000}},
        {true, true, 1, 50, {6000 * kKcal, 120, 80, 4000 * kKcal}},
        {true, true, 0, 0, {0, 120, 80, 0}},
    };
    SetDesignType(0);
    for (const SCase& c : cases) {
        CCalResultBuffer pool(0);
        CCalculate_Manager manager;
        manager.BuildCalcStructure(Item(Loads));
        CCalculate_Room& room = *manager.Buildings()[0]->Storeys[0]->Rooms[0];
        pool.AcquireResult(room.Result);
        auto& element = Element<CRoom>(Loads);
        element.Area = c.area;
        element.TotalCoolIndex = 120;
        element.TotalHeatIndex = 80;
        m_parameters.Unit = c.unit;
        RoomCalcContext context;
        context.Room = &element;
        context.SummerCooling = c.summer;
        context.WinterAC = c.winter;
        manager.CalculateACLoadSimpleEstimation(context, room);
        const auto& result = *static_cast<CCalculate_Result_IsACLoadSimpleEstimation*>(room.Result);
        for (int i = 0; i < 4; ++i)
            EXPECT_FLOAT_EQ(result.Value[i], c.expected[i])
                << "value " << i << " summer " << c.summer << " winter " << c.winter << " unit " << c.unit;
    }
}

TEST_F(EstimatesTest, ItemizedEstimateSumsTheComponentIndexes)
{
    // Area 50; cooling indexes envelope 40, people 30, outdoor air 20, others 10; heating indexes
    // envelope 25, people 15, outdoor air 35, others 5.
    using Values = std::array<float, 22>;
    const Values cooling = {5000, 100, 0, 0,    4000, 0,  40, 0,   2000, 0,  1500,
                            0,    30,  0, 1000, 0,    20, 0,  500, 0,    10, 0};
    const Values heating = {0,   0, 80, 4000, 0,    2250, 0,  25, 0,   1250, 0,
                            750, 0, 15, 0,    1750, 0,    35, 0,  250, 0,    5};
    struct SCase
    {
        bool summer, winter;
        int unit;
    };
    SetDesignType(1);
    for (const SCase c :
         {SCase{true, true, 0}, SCase{true, false, 0}, SCase{false, true, 0}, SCase{true, true, 1}}) {
        CCalResultBuffer pool(1);
        CCalculate_Manager manager;
        manager.BuildCalcStructure(Item(Loads));
        CCalculate_Room& room = *manager.Buildings()[0]->Storeys[0]->Rooms[0];
        pool.AcquireResult(room.Result);
        auto& element = Element<CRoom>(Loads);
        element.EnclosureCoolIndex = 40;
        element.PeopleCoolIndex = 30;
        element.OutsideAirCoolIndex = 20;
        element.OthersCoolIndex = 10;
        element.EnclosureHeatIndex = 25;
        element.PeopleHeatIndex = 15;
        element.OutsideAirHeatIndex = 35;
        element.PthersHeatIndex = 5;
        m_parameters.Unit = c.unit;
        RoomCalcContext context;
        context.Room = &element;
        context.SummerCooling = c.summer;
        context.WinterAC = c.winter;
        manager.CalculateACLoadItemizedEstimation(context, room);
        const auto& result = *static_cast<CCalculate_Result_IsACLoadItemizedEstimation*>(room.Result);
        const bool indexField[22] = {false, true, true, false, false, false, true, true,  false, false, false,
                                     false, true, true, false, false, true,  true, false, false, true,  true};
        for (int i = 0; i < 22; ++i) {
            float expected = (c.summer ? cooling[i] : 0) + (c.winter ? heating[i] : 0);
            if (c.unit != 0 && !indexField[i])
                expected *= kKcal;
            EXPECT_FLOAT_EQ(result.Value[i], expected)
                << "value " << i << " summer " << c.summer << " winter " << c.winter << " unit " << c.unit;
        }
    }
}

// --- Design type 2 -------------------------------------------------------------------------------

TEST_F(EstimatesTest, IntelligentEstimatePassesEachElementsArgumentsInOrder)
{
    SetDesignType(2);
    Intelligent(Loads);
    EXPECT_EQ(m_context.WinterSteady, 1);
    // Winter calls carry the steady switch of "IsWinterACLoadSteady" and the winter flag, summer
    // calls 0, 0; both the winter gain factor 0.5. [x] is an input array beginning with x ("…"
    // when not flat): the January schedule is [0.5], the July one [0 …].
    const QStringList expected = {
        "GetDL_Person(50, 0.2, 20, 2, 0.93, [0.5], out)",
        "GetDL_Person(50, 0.2, 26, 2, 0.93, [0 …], out)",
        "GetCL_Person(50, 0.2, 1, 20, 2, 0.93, 1, 1, 0.5, [0.5], out, out)",
        "GetCL_Person(50, 0.2, 1, 26, 2, 0.93, 0, 0, 0.5, [0 …], out, out)",
        "GetCL_FreshAir_D(300, 102000, 20, 45, [-9.9], [-12.5], [0.5], out, out, out, out)",
        "GetCL_FreshAir_D(300, 100000, 26, 55, [33.5], [26.4], [0 …], out, out, out, out)",
        "GetCL_Light(1, 100, 20, 30, 40, 0.8, 1, 1, 1, 0.5, [0.5], out)",
        "GetCL_Light(1, 100, 20, 30, 40, 0.8, 1, 0, 0, 0.5, [0 …], out)",
        "GetCL_HeatingEquipment(1, 500, 0.9, 0.7, 0.6, 0.5, 1, 1, 0.5, [0.5], out)",
        "GetCL_HeatingEquipment(1, 500, 0.9, 0.7, 0.6, 0.5, 0, 0, 0.5, [0 …], out)",
        "GetDL_Equipment(1, 150, [0.5], out)",
        "GetDL_Equipment(1, 150, [0 …], out)",
        "GetCL_ElectronicEquipment(1, 800, 0.9, 0.8, 0.7, 1, 1, 0.5, [0.5], out)",
        "GetCL_ElectronicEquipment(1, 800, 0.9, 0.8, 0.7, 0, 0, 0.5, [0 …], out)",
        "GetCL_ElectricEquipment(1, 1200, 0.2, 0.25, 0.85, 2, 1, 1, 0.5, [0.5], out)",
        "GetCL_ElectricEquipment(1, 1200, 0.2, 0.25, 0.85, 2, 0, 0, 0.5, [0 …], out)",
        "GetDL_Equipment(1, 60, [0.5], out)",
        "GetDL_Equipment(1, 60, [0 …], out)",
        "GetCL_Addition_Food(12, 0.9, 1, 1, 0.5, [0.5], out)",
        "GetCL_Addition_Food(12, 0.9, 0, 0, 0.5, [0 …], out)",
        "GetDL_Addition_Food(12, 0.9, [0.5], out)",
        "GetDL_Addition_Food(12, 0.9, [0 …], out)",
        "GetCL_Addition_Vapor_Precision(2.5, 40, 1, 1, 0.5, [0.5], out, 20, 45, 102000)",
        "GetCL_Addition_Vapor_Precision(2.5, 40, 0, 0, 0.5, [0 …], out, 26, 55, 100000)",
        "GetDL_Addition_Vapor_Precision(2.5, 40, 1, 0.5, [0.5], out, 20, 45, 102000)",
        "GetDL_Addition_Vapor_Precision(2.5, 40, 0, 0.5, [0 …], out, 26, 55, 100000)",
        "GetCL_Addition_Infiltration_N(50, 3, 102000, 20, 45, [-10 …], [-12 …], 30, 2, [0.5], out, out, 0.7)",
        "GetCL_Addition_Infiltration_N(50, 3, 100000, 26, 55, [28 …], [24 …], 30, 2, [0 …], out, out, 0.7)",
        "GetDL_Addition_Infiltration(50, 3, 102000, 20, 45, [-10 …], [-12 …], 30, 2, [0.5], out)",
        "GetDL_Addition_Infiltration(50, 3, 100000, 26, 55, [28 …], [24 …], 30, 2, [0 …], out)",
        "GetCL_Enclose_Simple(50, 30, out)",
        "GetCL_Enclose_Simple(50, -40, out)",
    };
    QStringList calls;
    for (const RecordedCall& call : m_library.Calls)
        calls << call.Text();
    EXPECT_EQ(calls, expected);
    // The outdoor-air profiles differ only in their first value from the rows: check they are flat.
    for (const RecordedCall& call : m_library.CallsOf("GetCL_FreshAir_D"))
        EXPECT_EQ(call.Input(5), std::vector<double>(24, call.Input(5)[0]));
}

TEST_F(EstimatesTest, IntelligentEstimateFillsAndSumsTheConditionedSides)
{
    // Output k of a call is (k + 1) x the function's scale at every hour, so that each sum shows
    // which arrays it took: the envelope estimate 100, evaporating water 10, the rest 1.
    m_library.Fill = [](const RecordedCall& call, int output, int) {
        double scale = 1;
        if (call.Name == "GetCL_Enclose_Simple")
            scale = 100;
        else if (call.Name.contains("Vapor_Precision"))
            scale = 10;
        return (output + 1) * scale;
    };
    // Arrays by side (Loads the side's loads; Moisture and volume the arrays filled regardless).
    const std::map<int, float> summerLoads = {{6, 2},   {7, 3},   {18, 1},  {19, 2},  {24, 1}, {26, 1},
                                              {30, 1},  {32, 1},  {36, 1},  {40, 10}, {44, 1}, {48, 100},
                                              {2, 117}, {3, 108}, {0, 119}, {1, 111}};
    const std::map<int, float> winterLoads = {{15, 2},   {16, 3},   {21, 1},  {22, 2},  {25, 1}, {27, 1},
                                              {31, 1},   {33, 1},   {37, 1},  {41, 10}, {45, 1}, {49, 100},
                                              {11, 117}, {12, 108}, {9, 119}, {10, 111}};
    // Infiltration moisture comes in kg/h and is kept in g/h.
    const std::map<int, float> always = {{5, 1},     {14, 1},    {20, 1},   {23, 1},   {28, 1},  {29, 1},
                                         {34, 1},    {35, 1},    {38, 1},   {39, 1},   {42, 10}, {43, 10},
                                         {46, 1000}, {47, 1000}, {4, 1014}, {13, 1014}};
    SetDesignType(2);
    struct SCase
    {
        bool summer, winter;
    };
    for (const SCase c : {SCase{true, true}, SCase{true, false}, SCase{false, true}}) {
        m_context.SummerCooling = c.summer;
        m_context.WinterAC = c.winter;
        const auto& result = Intelligent(Loads);
        for (int k = 0; k < 50; ++k) {
            float expected = 0;
            if (c.summer && summerLoads.count(k))
                expected = summerLoads.at(k);
            if (c.winter && winterLoads.count(k))
                expected = winterLoads.at(k);
            if (always.count(k))
                expected = always.at(k);
            for (int h : {0, 12, 23})
                ASSERT_FLOAT_EQ(result.Hourly[k][h], expected)
                    << "array " << k << " hour " << h << " summer " << c.summer << " winter " << c.winter;
        }
    }
    // Lighting is calculated only for a conditioned side.
    EXPECT_EQ(m_library.CallsOf("GetCL_Light").size(), 2 + 1 + 1);
}

TEST_F(EstimatesTest, IntelligentEstimateMarginEnlargesLoadsAndMoistureButNotTheAirVolume)
{
    SetDesignType(2);
    float plain[50][24];
    std::copy_n(&Intelligent(Loads).Hourly[0][0], 50 * 24, &plain[0][0]);
    m_context.CoolPlusFactor = 1.1;
    m_context.CoolPlusOn = true;
    const auto& plussed = Intelligent(Loads);
    for (int k = 0; k < 50; ++k) {
        // The volumes are what the room is supplied with; a load margin does not change them.
        const float factor = k == 5 || k == 14 ? 1.0f : 1.1f;
        EXPECT_NEAR(plussed.Hourly[k][12], plain[k][12] * factor, 1e-3f * std::fabs(plain[k][12]))
            << "array " << k;
    }
    EXPECT_GT(plain[46][12], 0.0f);
}

TEST_F(EstimatesTest, SteadyOutdoorAirUsesDesignValuesAndFlattensOnlyTheSummerLoads)
{
    SetDesignType(2);
    // Outdoor-air outputs follow the schedule: output k at hour h is (k + 1)(h + 1) x schedule.
    m_library.Fill = [](const RecordedCall& call, int output, int hour) {
        const double schedule = call.Name == "GetCL_FreshAir_D" ? call.Input(7)[hour] : 0.0;
        return (output + 1) * (hour + 1) * schedule;
    };
    for (const bool steady : {true, false}) {
        m_context.SteadyFreshAir = steady;
        m_library.Calls.clear();
        const auto& result = Intelligent(Loads);
        const QList<RecordedCall> calls = m_library.CallsOf("GetCL_FreshAir_D");
        ASSERT_EQ(calls.size(), 2);
        const RecordedCall& winter = calls[0];
        const RecordedCall& summer = calls[1];
        if (steady) {
            EXPECT_EQ(winter.Input(5), std::vector<double>(24, -9.899999618530273));
            EXPECT_EQ(winter.Input(6), std::vector<double>(24, -12.5));
            EXPECT_EQ(summer.Input(5), std::vector<double>(24, 33.5));
            EXPECT_EQ(summer.Input(6), std::vector<double>(24, 26.399999618530273));
        } else {
            const auto& rows = m_weather.TemperatureParameter.Temperature;
            EXPECT_EQ(winter.Input(5), std::vector<double>(rows[0][0], rows[0][0] + 24));
            EXPECT_EQ(winter.Input(6), std::vector<double>(rows[1][0], rows[1][0] + 24));
            EXPECT_EQ(summer.Input(5), std::vector<double>(rows[0][6], rows[0][6] + 24));
            EXPECT_EQ(summer.Input(6), std::vector<double>(rows[1][6], rows[1][6] + 24));
        }
        for (int h = 0; h < 24; ++h) {
            const bool occupied = h >= 8 && h <= 17;
            // Summer loads: zero outside the schedule, the day's peak (hour 17) inside it.
            const float summerTotal = !occupied ? 0.0f : steady ? 2.0f * 18 : 2.0f * (h + 1);
            const float summerSensible = !occupied ? 0.0f : steady ? 3.0f * 18 : 3.0f * (h + 1);
            EXPECT_FLOAT_EQ(result.Hourly[6][h], summerTotal) << "hour " << h << " steady " << steady;
            EXPECT_FLOAT_EQ(result.Hourly[7][h], summerSensible) << "hour " << h << " steady " << steady;
            EXPECT_FLOAT_EQ(result.Hourly[5][h], occupied ? h + 1.0f : 0.0f) << "hour " << h;
            EXPECT_FLOAT_EQ(result.Hourly[15][h], 0.5f * 2 * (h + 1)) << "hour " << h;
        }
    }
}

TEST_F(EstimatesTest, InfiltrationIsLeftOutWhenNotCalculated)
{
    SetDesignType(2);
    m_context.CalcInfiltration = false;
    const auto& result = Intelligent(Loads);
    EXPECT_TRUE(m_library.CallsOf("GetCL_Addition_Infiltration_N").isEmpty());
    EXPECT_TRUE(m_library.CallsOf("GetDL_Addition_Infiltration").isEmpty());
    for (int k = 44; k <= 47; ++k)
        EXPECT_FLOAT_EQ(result.Hourly[k][12], 0.0f) << "array " << k;
    // The default fill: 12 load arrays of 1 beside the envelope's 1 and the people's sensible 2.
    EXPECT_FLOAT_EQ(result.Hourly[3][12], 1 + 2 + 5);
    EXPECT_FLOAT_EQ(result.Hourly[4][12], 5);
}

TEST_F(EstimatesTest, ElectronicEquipmentFollowsItsMethod)
{
    SetDesignType(2);
    // The library's shape: (h + 1) x schedule, so July peaks at 17 h (18) and January at 23 h (12).
    m_library.Fill = [](const RecordedCall& call, int, int hour) {
        if (call.Name == "GetCL_ElectronicEquipment")
            return (hour + 1) * call.Input(9)[hour];
        if (call.Name == "GetCL_ElectricEquipment")
            return (hour + 1) * call.Input(10)[hour];
        return 0.0;
    };
    struct SCase
    {
        int method;
        int heatReleaseUnit;
        QString schedule;
        QStringList calls; // the summer call of each season pair
        float summer17, winter23, summer8;
    };
    const SCase cases[] = {
        {0,
         0,
         kSchedule,
         {"GetCL_ElectronicEquipment(1, 800, 0.9, 0.8, 0.7, 0, 0, 0.5, [0 …], out)"},
         18,
         12,
         9},
        {1,
         0,
         kSchedule,
         {"GetCL_ElectricEquipment(1, 800, 0.6, 0.4, 0.84, 1, 0, 0, 0.5, [0 …], out)"},
         18,
         12,
         9},
        // Entered load 1000 W at the peak hour; winter also times the winter gain factor.
        {2,
         0,
         kSchedule,
         {"GetCL_ElectronicEquipment(1, 100, 1, 0.8, 0.5, 0, 0, 0.5, [0 …], out)"},
         1000,
         500,
         500},
        // 1000 W per m2 of the room's 50 m2.
        {2,
         1,
         kSchedule,
         {"GetCL_ElectronicEquipment(1, 100, 1, 0.8, 0.5, 0, 0, 0.5, [0 …], out)"},
         50000,
         25000,
         25000},
        // A schedule that is 0 all day has no peak: nothing is added.
        {2,
         0,
         QStringLiteral("无此时间表"),
         {"GetCL_ElectronicEquipment(1, 100, 1, 0.8, 0.5, 0, 0, 0.5, [0], out)"},
         0,
         0,
         0},
        {3, 0, kSchedule, {"GetCL_ElectronicEquipment(1, 600, 1, 1, 1, 0, 0, 0.5, [0 …], out)"}, 18, 12, 9},
        {4, 0, kSchedule, {}, 0, 0, 0},
    };
    for (const SCase& c : cases) {
        auto& equipment = Element<CElectronicEquipment>(Devices->Child(0));
        SetElectronic(equipment, c.method);
        equipment.HeatReleaseUnit = c.heatReleaseUnit;
        equipment.ScheduleName = c.schedule;
        m_library.Calls.clear();
        const auto& result = Intelligent(Devices);
        QStringList summerCalls;
        for (const RecordedCall& call : m_library.Calls)
            if (call.Name.contains("Equipment") && call.Text().contains(", 0, 0, 0.5, "))
                summerCalls << call.Text();
        EXPECT_EQ(summerCalls, c.calls) << "method " << c.method;
        EXPECT_FLOAT_EQ(result.Hourly[30][17], c.summer17) << "method " << c.method;
        EXPECT_FLOAT_EQ(result.Hourly[30][8], c.summer8) << "method " << c.method;
        EXPECT_FLOAT_EQ(result.Hourly[31][23], c.winter23) << "method " << c.method;
    }
}

TEST_F(EstimatesTest, WinterSteadySettingMustBeAnInteger)
{
    SetDesignType(2);
    SetDefault(QStringLiteral("IsWinterACLoadSteady"), QStringLiteral("0"));
    Intelligent(Devices);
    EXPECT_EQ(m_context.WinterSteady, 0);
    EXPECT_EQ(m_library.CallsOf("GetCL_ElectronicEquipment").first().Int(6), 0) << "winter call, not steady";

    for (const QString& text : {QString(), QStringLiteral("是")}) {
        SetDefault(QStringLiteral("IsWinterACLoadSteady"), text);
        m_library.Calls.clear();
        EXPECT_THROW(Intelligent(Devices), Exception) << text.toStdString();
        EXPECT_TRUE(m_library.Calls.isEmpty());
    }
}

TEST_F(EstimatesTest, IntelligentEstimateConvertsLoadsToKcal)
{
    SetDesignType(2);
    m_parameters.Unit = 1;
    const auto& result = Intelligent(Loads);
    EXPECT_FLOAT_EQ(result.Hourly[0][12], 11 * kKcal); // default fill: nine ones indoors, 2 of outdoor air
    EXPECT_FLOAT_EQ(result.Hourly[48][12], kKcal);
}

// The real library on a Beijing-like design day: hand-checked outdoor air and envelope, and the
// signs of the seasons.
TEST_F(EstimatesTest, IntelligentEstimateWithTheLibraryIsPhysicallySound)
{
    SetDesignType(2);
    m_realLibrary = true;
    m_context.SteadyFreshAir = true;
    m_context.CalcInfiltration = false;
    const auto& result = Intelligent(Loads);

    // Envelope estimate: area x index every hour.
    for (int h = 0; h < 24; ++h) {
        EXPECT_NEAR(result.Hourly[48][h], 50 * 30, 1e-3);
        EXPECT_NEAR(result.Hourly[49][h], -50 * 40, 1e-3);
    }
    // Summer outdoor air at noon, 300 m3/h from 33.5 C to 26 C: rho c L dt / 3.6 with
    // rho 1.14 kg/m3 and c 1.03 kJ/(kg K) of humid air gives about 734 W sensible.
    EXPECT_NEAR(result.Hourly[7][12], 1.14 * 1.03 * 300 * 7.5 / 3.6, 0.1 * 734);
    EXPECT_FLOAT_EQ(result.Hourly[5][12], 300);
    // Outside the July schedule there is no outdoor air and no moisture from people (their
    // sensible heat stored by the room still comes out at night).
    EXPECT_FLOAT_EQ(result.Hourly[6][3], 0);
    EXPECT_FLOAT_EQ(result.Hourly[20][3], 0);
    // Cooling in summer is positive and larger than the room's own load by the outdoor air;
    // winter heating (with the building losses) is negative; people give off moisture.
    EXPECT_GT(result.Hourly[6][12], result.Hourly[7][12]) << "humid summer air adds latent load";
    EXPECT_GT(result.Hourly[2][12], 0);
    EXPECT_GT(result.Hourly[0][12], result.Hourly[2][12]);
    EXPECT_LT(result.Hourly[15][12], 0);
    EXPECT_LT(result.Hourly[9][12], 0);
    EXPECT_GT(result.Hourly[4][12], 0);
    EXPECT_GT(result.Hourly[13][12], 0);
    // Night loads are below the occupied hours in summer.
    EXPECT_LT(result.Hourly[0][3], result.Hourly[0][12]);
}

// --- Pump and pipe load of a building ------------------------------------------------------------

class PumpAndPipeLoadTest : public EstimatesTest
{
protected:
    void SetUp() override
    {
        EstimatesTest::SetUp();
        SetDesignType(3);
        auto& building = Element<CBuilding>(B2);
        building.WaterYield = 10;
        building.WaterPumpTemRise = 0.5;
        building.WaterPipeTemRise = 0.3;
        building.Water_Time = kSchedule;
    }

    // The pump and pipe load of building B2 into a fresh detailed record.
    CCalculate_Result_IsACLoadCalculation& Run(CCalResultBuffer& pool, CCalculate_Manager& manager)
    {
        manager.BuildCalcStructure(Item(B2));
        CCalculate_Building& building = *manager.Buildings().at(0);
        pool.AcquireResult(building.Result);
        manager.SetCurrentBuilding(&building);
        manager.CalculatePumpAndPipeLoad(building);
        return *static_cast<CCalculate_Result_IsACLoadCalculation*>(building.Result);
    }
};

TEST_F(PumpAndPipeLoadTest, SummerAndWinterLoadsGoIntoTheirOwnArraysAlone)
{
    m_library.Fill = [](const RecordedCall& call, int, int hour) { return 100 * call.Input(4)[hour] + hour; };
    CCalResultBuffer pool(3);
    CCalculate_Manager manager;
    manager.SetCalcLibrary(&m_library);
    const auto& result = Run(pool, manager);
    QStringList calls;
    for (const RecordedCall& call : m_library.Calls)
        calls << call.Text();
    EXPECT_EQ(calls, QStringList({"GetCL_PumpAndPipe(10, 0.5, 0.3, [0 …], out)",
                                  "GetCL_PumpAndPipe(10, 0.5, 0.3, [0.5], out)"}));
    for (int k = 0; k < 120; ++k)
        for (int h = 0; h < 24; ++h) {
            float expected = 0;
            if (k == 106)
                expected = (h >= 8 && h <= 17 ? 100.0f : 0.0f) + h;
            else if (k == 107)
                expected = 50.0f + h;
            ASSERT_FLOAT_EQ(result.Hourly[k][h], expected) << "array " << k << " hour " << h;
        }
    EXPECT_TRUE(m_calcHost.Messages.isEmpty());
}

TEST_F(PumpAndPipeLoadTest, OnlyTheDetailedCoolingCalculationHasIt)
{
    SetDesignType(2);
    CCalResultBuffer pool(2);
    CCalculate_Manager manager;
    manager.SetCalcLibrary(&m_library);
    manager.BuildCalcStructure(Item(B2));
    manager.CalculatePumpAndPipeLoad(*manager.Buildings().at(0));
    EXPECT_TRUE(m_library.Calls.isEmpty());
}

TEST_F(PumpAndPipeLoadTest, LibraryLoadIsTheWatersHeatInTheProjectsUnit)
{
    // 1000 kg/m3 x 4.187 kJ/(kg K) x 10 m3/h x 0.8 K / 3.6 = 9304 W at full schedule.
    for (const int unit : {0, 1}) {
        m_parameters.Unit = unit;
        CCalResultBuffer pool(3);
        CCalculate_Manager manager;
        const auto& result = Run(pool, manager);
        const double factor = unit ? kKcal : 1.0;
        EXPECT_NEAR(result.Hourly[106][12], 9304 * factor, 0.01 * 9304) << "unit " << unit;
        EXPECT_NEAR(result.Hourly[106][3], 0, 1e-6) << "unit " << unit;
        EXPECT_NEAR(result.Hourly[107][3], 4652 * factor, 0.01 * 4652) << "unit " << unit;
    }
}

TEST_F(PumpAndPipeLoadTest, FailureIsReportedAndTheRunGoesOn)
{
    struct SCase
    {
        bool own;
        QString message;
    };
    const QString buildingPath = B2->Caption();
    const QString fullPath = Root().Caption() + QLatin1Char('~') + B2->Caption();
    const SCase cases[] = {
        {true, QStringLiteral("计算发生异常\n%1\n错误信息:水泵数据无效").arg(fullPath)},
        {false, QStringLiteral("计算发生异常\n%1").arg(buildingPath)},
    };
    for (const SCase& c : cases) {
        m_calcHost.Messages.clear();
        m_library.Fill = [&](const RecordedCall&, int, int) -> double {
            if (c.own)
                throw Exception(QStringLiteral("水泵数据无效"));
            throw std::runtime_error("bad");
        };
        CCalResultBuffer pool(3);
        CCalMsgOutput progress(QStringLiteral("负荷计算"), nullptr);
        CCalculate_Manager manager;
        manager.SetCalcLibrary(&m_library);
        Run(pool, manager);
        EXPECT_EQ(m_calcHost.Messages, QStringList{c.message});
        EXPECT_FALSE(CCalMsgOutput::IsCurrentStopped());
    }
}

TEST_F(EstimatesTest, IntelligentEstimateRunsInsideTheRoomCalculation)
{
    SetDesignType(2);
    auto& room = Element<CRoom>(Devices);
    room.ACRoomQuantity = 1;
    ASSERT_EQ(room.UpdateRecord(), 1);
    struct SCase
    {
        QString steady;
        int kind;
        QStringList messages;
    };
    const SCase cases[] = {
        {QStringLiteral("1"), 3, {}},
        {QString(),
         -1,
         {QStringLiteral("计算发生异常\n%1\n错误信息:缺省值IsWinterACLoadSteady的值\"\"不是有效的整数")
              .arg(Devices->GetFullPath(QStringLiteral("~")))}},
    };
    for (const SCase& c : cases) {
        SetDefault(QStringLiteral("IsWinterACLoadSteady"), c.steady);
        m_calcHost.Messages.clear();
        CCalMsgOutput progress(QStringLiteral("负荷计算"), nullptr);
        void* total = nullptr;
        AllocResultByType(total);
        {
            CCalculate_Manager manager;
            manager.SetCalcLibrary(&m_library);
            EXPECT_EQ(manager.Calculate(Item(Devices), total), c.kind) << c.steady.toStdString();
        }
        const auto& loads = *static_cast<CCalculate_Result_IsACLoadIntelligentEstimation*>(total);
        EXPECT_EQ(m_calcHost.Messages, c.messages);
        if (c.kind > 0) {
            EXPECT_GT(loads.Hourly[0][12], 0.0f) << "the room's loads reach the total";
        }
        FreeResultByType(total);
    }
}

// Rooms whose indexes are all 0 get an estimate of 0 (types 0 and 1) or one without its envelope
// (type 2); the run says so in the warning category, naming the rooms or, when every room is
// such, saying that all indexes are 0.
TEST_F(EstimatesTest, RunWarnsOfRoomsWhoseLoadIndexesAreAllZero)
{
    CNodeData* const rooms[] = {R5, Loads, Devices};
    const auto path = [this](const CNodeData* room) {
        return QStringList{B2->Caption(), S3->Caption(), room->Caption()}.join(QLatin1Char('~'));
    };
    const auto roomLine = [&](const CNodeData* room, const QString& names, const QString& consequence) {
        return QStringLiteral("0:房间[%1]的%2均为0，%3。").arg(path(room), names, consequence);
    };
    const QString totals = QStringLiteral("总冷指标和总热指标");
    const QString parts = QStringLiteral("围护、人员、新风和其它冷热指标");
    const QString zero = QStringLiteral("估算负荷为0");
    struct SCase
    {
        const char* name;
        int designType;
        CNodeData* item;
        std::function<void(CRoom&)> edit; // applied to Loads, or to every room
        bool everyRoom;
        QStringList expected;
    };
    const SCase cases[] = {
        {"every room 0", 0, B2, [](CRoom&) {}, false,
         {QStringLiteral("0:所有房间的%1均为0，%2。请在房间页输入负荷指标(W/m^2)，或选用带负荷指标的房间用途。")
              .arg(totals, zero)}},
        {"one room with a cooling index", 0, B2, [](CRoom& r) { r.TotalCoolIndex = 100; }, false,
         {roomLine(R5, totals, zero), roomLine(Devices, totals, zero)}},
        {"the heating index of a room that is not heated does not count", 0, B2,
         [](CRoom& r) {
             r.ACHRoomQuantity = 0;
             r.TotalHeatIndex = 80;
         },
         false,
         {QStringLiteral("0:所有房间的%1均为0，%2。请在房间页输入负荷指标(W/m^2)，或选用带负荷指标的房间用途。")
              .arg(totals, zero)}},
        {"itemised: one part is enough", 1, B2, [](CRoom& r) { r.PthersHeatIndex = 5; }, false,
         {roomLine(R5, parts, zero), roomLine(Devices, parts, zero)}},
        {"itemised: the totals are not read", 1, Loads, [](CRoom& r) { r.TotalCoolIndex = 100; }, false,
         {roomLine(Loads, parts, zero)}},
        {"intelligent: no envelope", 2, Devices, [](CRoom&) {}, false,
         {roomLine(Devices, QStringLiteral("围护冷指标和围护热指标"), QStringLiteral("估算负荷不含围护结构负荷"))}},
        {"every room with indexes", 0, B2, [](CRoom& r) { r.TotalCoolIndex = 100; }, true, {}},
    };
    for (const SCase& c : cases) {
        SetDesignType(c.designType);
        for (CNodeData* node : rooms) {
            auto& room = Element<CRoom>(node);
            room.ACRoomQuantity = 1;
            room.ACHRoomQuantity = 1;
            for (double* index : {&room.TotalCoolIndex, &room.TotalHeatIndex, &room.EnclosureCoolIndex,
                                  &room.EnclosureHeatIndex, &room.PeopleCoolIndex, &room.PeopleHeatIndex,
                                  &room.OutsideAirCoolIndex, &room.OutsideAirHeatIndex, &room.OthersCoolIndex,
                                  &room.PthersHeatIndex})
                *index = 0;
            if (node == Loads || c.everyRoom)
                c.edit(room);
            ASSERT_EQ(room.UpdateRecord(), 1);
        }
        m_calcHost.OutputLines.clear();
        CCalMsgOutput progress(QStringLiteral("负荷计算"), nullptr);
        void* total = nullptr;
        AllocResultByType(total);
        {
            CCalculate_Manager manager;
            manager.SetCalcLibrary(&m_library);
            EXPECT_GT(manager.Calculate(Item(c.item), total), 0) << c.name;
        }
        FreeResultByType(total);
        QStringList warnings;
        for (const QString& line : m_calcHost.OutputLines)
            if (line.startsWith(QLatin1String("0:")))
                warnings << line;
        EXPECT_EQ(warnings, c.expected) << c.name;
    }
}
