#include "calc/CCalcLibraryBase.h"
#include "calc/CCalculateHostBase.h"
#include "calc/CCalculate_Manager.h"
#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "calc/CCalculate_Result_IsACLoadIntelligentEstimation.h"
#include "calc/CCalculate_Result_IsACLoadItemizedEstimation.h"
#include "calc/CCalculate_Result_IsACLoadSimpleEstimation.h"
#include "calc/ResultByType.h"
#include "climate/CLIB_WeatherParameter.h"
#include "model/CBuilding.h"
#include "model/CDefaultValue.h"
#include "model/CElectricEquipment.h"
#include "model/CElectronicEquipment.h"
#include "model/CEvaporating.h"
#include "model/CFood.h"
#include "model/CHeatingEquipment.h"
#include "model/CInfiltration.h"
#include "model/CLighting.h"
#include "model/CNodeData.h"
#include "model/CPeople.h"
#include "model/CProjectData.h"
#include "model/CRoom.h"
#include "platform/core/Exception.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kHours = 24;
constexpr int kDesignDayType = 1;
constexpr int kDetailedCooling = 3;
constexpr int kJanuary = 0; // rows of the hourly design temperature table
constexpr int kJuly = 6;
// Element kinds of the room's load lists.
constexpr int kHeatingEquipment = 6;
constexpr int kElectronicEquipment = 7;
constexpr int kElectricEquipment = 8;
constexpr int kFood = 25;
constexpr int kEvaporating = 26;
constexpr int kInfiltration = 27;

using Day = float[kHours];

int ProjectUnit()
{
    return CProjectData::Current().Unit;
}

template <typename T> T& ElementOf(const CBaseData& entry)
{
    auto* element = dynamic_cast<T*>(entry.GetElement());
    if (!element)
        throw Exception(QStringLiteral("找不到[%1]的数据").arg(entry.Caption));
    return *element;
}

// Captions of the node and its ancestors below the root, top first, joined with "~".
QString PathBelowRoot(const CBaseData& entry)
{
    if (!entry.Node)
        return entry.Caption;
    QStringList captions;
    for (const CNodeData* node = entry.Node; node && node->Parent(); node = node->Parent())
        captions.prepend(node->Caption());
    return captions.join(QLatin1Char('~'));
}

QString FullPath(const CBaseData& entry)
{
    return entry.Node ? entry.Node->GetFullPath(QStringLiteral("~")) : entry.Caption;
}

void AddInto(float* destination, const float* values)
{
    for (int h = 0; h < kHours; ++h)
        destination[h] += values[h];
}

// Design type 2 for one room: internal gains, outdoor air and infiltration from the library for
// the July and January design days, the envelope from the room's indexes.
class CIntelligentEstimate
{
public:
    CIntelligentEstimate(CCalculate_Manager& manager, RoomCalcContext& context, CCalculate_Room& room)
        : m_manager(manager), m_library(manager.CalcLibrary()), m_context(context), m_room(room),
          m_element(*context.Room), m_weather(CLIB_WeatherParameter::Current()),
          m_result(*static_cast<CCalculate_Result_IsACLoadIntelligentEstimation*>(room.Result))
    {
    }

    void Run()
    {
        m_context.WinterSteady = CDefaultValue::Int(QStringLiteral("IsWinterACLoadSteady"));
        ClearSchedules();
        if (m_room.People)
            People(*m_room.People);
        OutdoorAir();
        if (m_room.Lighting)
            Lighting(*m_room.Lighting);
        for (const auto& entry : m_room.Elements(kHeatingEquipment))
            HeatingEquipment(*entry);
        for (const auto& entry : m_room.Elements(kElectronicEquipment))
            ElectronicEquipment(*entry);
        for (const auto& entry : m_room.Elements(kElectricEquipment))
            ElectricEquipment(*entry);
        for (const auto& entry : m_room.Elements(kFood))
            Food(*entry);
        for (const auto& entry : m_room.Elements(kEvaporating))
            Evaporating(*entry);
        if (m_context.CalcInfiltration)
            for (const auto& entry : m_room.Elements(kInfiltration))
                Infiltration(*entry);
        Envelope();
        Sums();
        m_result.ConvertToKcal(ProjectUnit());
    }

private:
    static int WinterFlag(ACSeason s) { return s == Winter ? 1 : 0; }
    int Steady(ACSeason s) const { return s == Winter && m_context.WinterSteady != 0 ? 1 : 0; }
    float Gain() const { return m_context.WinterGainFactor; }
    int Type() const { return m_element.RoomType; }
    float Area() const { return static_cast<float>(m_element.Area); }
    float RoomTemp(ACSeason s) const
    {
        return static_cast<float>(s == Summer ? m_element.SummerACTemperature
                                              : m_element.WinterACTemperature);
    }
    float RoomRH(ACSeason s) const
    {
        return static_cast<float>(s == Summer ? m_element.SummerACRH : m_element.WinterACRH);
    }
    float Pressure(ACSeason s) const
    {
        return static_cast<float>(s == Summer ? m_weather.SummerBarometric : m_weather.WinterBarometric);
    }
    const float* DryBulbRow(ACSeason s) const
    {
        return m_weather.TemperatureParameter.Temperature[0][s == Summer ? kJuly : kJanuary];
    }
    const float* WetBulbRow(ACSeason s) const
    {
        return m_weather.TemperatureParameter.Temperature[1][s == Summer ? kJuly : kJanuary];
    }
    bool SideOn(ACSeason s) const { return s == Summer ? m_context.SummerCooling : m_context.WinterAC; }
    float* Array(int k) { return m_result.Hourly[k]; }

    void ClearSchedules() { std::fill(&m_schedule[0][0], &m_schedule[0][0] + 2 * kHours, 0.0f); }
    // The July and January design-day schedules of the name.
    void LoadSchedules(const QString& name)
    {
        m_manager.GetDaySchedule(name, 1, kDesignDayType, m_schedule[Winter]);
        m_manager.GetDaySchedule(name, 7, kDesignDayType, m_schedule[Summer]);
    }
    template <typename T> T& Prepare(const CBaseData& entry)
    {
        m_manager.ComputeElementArea(entry);
        T& element = ElementOf<T>(entry);
        LoadSchedules(element.ScheduleName);
        return element;
    }

    void Plus(float* values) const
    {
        if (!m_context.CoolPlusOn)
            return;
        const auto factor = static_cast<float>(m_context.CoolPlusFactor);
        for (int h = 0; h < kHours; ++h)
            values[h] *= factor;
    }
    // Loads go in only on a side the room is conditioned on; moisture always.
    void AddLoads(int summerArray, const Day& summer, int winterArray, const Day& winter)
    {
        if (m_context.SummerCooling)
            AddInto(Array(summerArray), summer);
        if (m_context.WinterAC)
            AddInto(Array(winterArray), winter);
    }
    void AddMoisture(int summerArray, const Day& summer, int winterArray, const Day& winter)
    {
        AddInto(Array(summerArray), summer);
        AddInto(Array(winterArray), winter);
    }

    void People(const CBaseData& entry)
    {
        const auto& people = Prepare<CPeople>(entry);
        const auto labor = static_cast<int32_t>(people.LaborType);
        const auto cluster = static_cast<float>(people.PeopleClassifyCoeffient);
        const float persons = m_context.PersonsPerArea;
        m_library.GetDL_Person(Area(), persons, RoomTemp(Winter), labor, cluster, m_schedule[Winter],
                               Array(23));
        Plus(Array(23));
        m_library.GetDL_Person(Area(), persons, RoomTemp(Summer), labor, cluster, m_schedule[Summer],
                               Array(20));
        Plus(Array(20));
        for (const ACSeason s : {Winter, Summer}) {
            float* total = Array(s == Winter ? 21 : 18);
            float* sensible = Array(s == Winter ? 22 : 19);
            m_library.GetCL_Person(Area(), persons, Type(), RoomTemp(s), labor, cluster, Steady(s),
                                   WinterFlag(s), Gain(), m_schedule[s], total, sensible);
            Plus(total);
            Plus(sensible);
        }
        for (const ACSeason s : {Winter, Summer})
            if (!SideOn(s)) {
                std::fill_n(Array(s == Winter ? 22 : 18), kHours, 0.0f);
                std::fill_n(Array(s == Winter ? 21 : 19), kHours, 0.0f);
            }
    }

    void OutdoorAir()
    {
        LoadSchedules(m_element.ScheduleName);
        const bool treated = m_element.NewWind_Type != 0;
        Day dryBulb, wetBulb, scratch{};
        for (const ACSeason s : {Winter, Summer}) {
            if (m_context.SteadyFreshAir) {
                const double dry = s == Winter ? m_weather.WinterAirConditioningDesignDrybulbTemperature
                                               : m_weather.SummerAirConditioningDesignDrybulbTemperature;
                const double wet = s == Winter ? m_context.OutdoorWetBulb
                                               : m_weather.SummerAirConditioningDesignWetbulbTemperature;
                std::fill_n(dryBulb, kHours, static_cast<float>(dry));
                std::fill_n(wetBulb, kHours, static_cast<float>(wet));
            } else {
                std::copy_n(DryBulbRow(s), kHours, dryBulb);
                std::copy_n(WetBulbRow(s), kHours, wetBulb);
            }
            float temp = RoomTemp(s);
            float rh = RoomRH(s);
            if (treated) {
                temp =
                    static_cast<float>(s == Winter ? m_element.NewWind_Temp_Wt : m_element.NewWind_Temp_St);
                rh = static_cast<float>(s == Winter ? m_element.NewWind_Humidity_Wh
                                                    : m_element.NewWind_Humidity_Sh);
            }
            const int first = s == Winter ? 14 : 5;
            m_library.GetCL_FreshAir_D(m_context.OutdoorAirVolume, Pressure(s), temp, rh, dryBulb, wetBulb,
                                       m_schedule[s], Array(first), Array(first + 1), Array(first + 2),
                                       scratch);
            if (!SideOn(s)) {
                std::fill_n(Array(first + 1), kHours, 0.0f);
                std::fill_n(Array(first + 2), kHours, 0.0f);
            }
            // The volume is what the room is given, not a load: the margin does not enlarge it.
            Plus(Array(first + 1));
            Plus(Array(first + 2));
        }
        if (m_context.SteadyFreshAir)
            for (const int k : {6, 7}) {
                const float peak = CCalculate_Manager::FindAbsPeak24(Array(k));
                for (int h = 0; h < kHours; ++h)
                    if (std::fabs(Array(k)[h]) > 1e-8f)
                        Array(k)[h] = peak;
            }
    }

    void Lighting(const CBaseData& entry)
    {
        const auto& light = Prepare<CLighting>(entry);
        for (const ACSeason s : {Winter, Summer}) {
            if (!SideOn(s))
                continue;
            float* out = Array(s == Winter ? 25 : 24);
            m_library.GetCL_Light(Type(), static_cast<float>(light.LampPower),
                                  static_cast<float>(light.ExposedFluorescencePower_Outside),
                                  static_cast<float>(light.ExposedFluorescencePower_Inside),
                                  static_cast<float>(light.ConcealedFluorescencePower),
                                  static_cast<float>(light.SimultaneousUseCoefficient), light.LampshadeType,
                                  Steady(s), WinterFlag(s), Gain(), m_schedule[s], out);
            Plus(out);
        }
    }

    // Moisture of an equipment element, winter then summer, plussed.
    void EquipmentMoisture(double humidityLoad, Day (&moisture)[2])
    {
        for (const ACSeason s : {Winter, Summer}) {
            m_library.GetDL_Equipment(Type(), static_cast<float>(humidityLoad), m_schedule[s], moisture[s]);
            Plus(moisture[s]);
        }
    }

    void HeatingEquipment(const CBaseData& entry)
    {
        const auto& equipment = Prepare<CHeatingEquipment>(entry);
        const auto power = static_cast<float>(equipment.GetPower(Area()));
        Day load[2]{}, moisture[2]{};
        for (const ACSeason s : {Winter, Summer}) {
            m_library.GetCL_HeatingEquipment(
                Type(), power, static_cast<float>(equipment.SimultaneousUseCoefficient),
                static_cast<float>(equipment.UsageCoefficient), static_cast<float>(equipment.LoadCoefficient),
                static_cast<float>(equipment.VentilationCoefficient), Steady(s), WinterFlag(s), Gain(),
                m_schedule[s], load[s]);
            Plus(load[s]);
        }
        EquipmentMoisture(equipment.HumidityLoad, moisture);
        AddLoads(26, load[Summer], 27, load[Winter]);
        AddMoisture(28, moisture[Summer], 29, moisture[Winter]);
    }

    void ElectronicEquipment(const CBaseData& entry)
    {
        const auto& equipment = Prepare<CElectronicEquipment>(entry);
        const auto power = static_cast<float>(equipment.GetPower(Area()));
        Day load[2]{};
        for (const ACSeason s : {Winter, Summer}) {
            float* out = load[s];
            switch (equipment.EleCatMethod) {
            case 0:
                m_library.GetCL_ElectronicEquipment(Type(), power,
                                                    static_cast<float>(equipment.NormalSimUseCoefficient),
                                                    static_cast<float>(equipment.NormalUsageCoefficient),
                                                    static_cast<float>(equipment.NormalLoadCoefficient),
                                                    Steady(s), WinterFlag(s), Gain(), m_schedule[s], out);
                break;
            case 1: // as motor equipment of which only the motor is in the room
                m_library.GetCL_ElectricEquipment(Type(), power,
                                                  static_cast<float>(equipment.SimultaneousUseCoefficient),
                                                  static_cast<float>(equipment.UsageCoefficient), 0.84f, 1,
                                                  Steady(s), WinterFlag(s), Gain(), m_schedule[s], out);
                break;
            case 2: {
                // The library gives the shape of the day; the entered load sets its peak.
                m_library.GetCL_ElectronicEquipment(Type(), 100.0f, 1.0f, 0.8f, 0.5f, Steady(s),
                                                    WinterFlag(s), Gain(), m_schedule[s], out);
                const float peak = CCalculate_Manager::FindAbsPeak24(out);
                double heat = equipment.HeatRelease;
                if (equipment.HeatReleaseUnit != 0)
                    heat *= m_element.Area;
                for (int h = 0; h < kHours; ++h) {
                    double value = (peak != 0.0f ? out[h] / peak : 0.0) * heat;
                    if (s == Winter)
                        value *= Gain();
                    out[h] = static_cast<float>(value);
                }
                break;
            }
            case 3:
                m_library.GetCL_ElectronicEquipment(
                    Type(), static_cast<float>(m_element.Area * equipment.PowerDensity), 1.0f, 1.0f, 1.0f,
                    Steady(s), WinterFlag(s), Gain(), m_schedule[s], out);
                break;
            default:
                break;
            }
            Plus(out);
        }
        AddLoads(30, load[Summer], 31, load[Winter]);
    }

    void ElectricEquipment(const CBaseData& entry)
    {
        const auto& equipment = Prepare<CElectricEquipment>(entry);
        const auto power = static_cast<float>(equipment.GetPower(Area()));
        const auto use = static_cast<float>(equipment.SimultaneousUseCoefficient *
                                            equipment.LoadMultiple_Move * equipment.InputPowerMultiple_Move);
        Day load[2]{}, moisture[2]{};
        for (const ACSeason s : {Winter, Summer}) {
            m_library.GetCL_ElectricEquipment(
                Type(), power, use, static_cast<float>(equipment.InputPowerCoefficient),
                static_cast<float>(equipment.ElectromotorEfficient), equipment.EquipmentLocation, Steady(s),
                WinterFlag(s), Gain(), m_schedule[s], load[s]);
            Plus(load[s]);
        }
        EquipmentMoisture(equipment.HumidityLoad, moisture);
        AddLoads(32, load[Summer], 33, load[Winter]);
        AddMoisture(34, moisture[Summer], 35, moisture[Winter]);
    }

    void Food(const CBaseData& entry)
    {
        const auto& food = Prepare<CFood>(entry);
        const auto cluster = static_cast<float>(food.PeopleClassifyCoeffient);
        Day load[2]{}, moisture[2]{};
        for (const ACSeason s : {Winter, Summer}) {
            m_library.GetCL_Addition_Food(food.PeopleQuantity, cluster, Steady(s), WinterFlag(s), Gain(),
                                          m_schedule[s], load[s]);
            Plus(load[s]);
        }
        for (const ACSeason s : {Winter, Summer}) {
            m_library.GetDL_Addition_Food(food.PeopleQuantity, cluster, m_schedule[s], moisture[s]);
            Plus(moisture[s]);
        }
        AddLoads(36, load[Summer], 37, load[Winter]);
        AddMoisture(38, moisture[Summer], 39, moisture[Winter]);
    }

    void Evaporating(const CBaseData& entry)
    {
        const auto& water = Prepare<CEvaporating>(entry);
        const auto surface = static_cast<float>(water.SurfaceArea);
        const auto waterTemp = static_cast<float>(water.WaterTemperature);
        Day load[2]{}, moisture[2]{};
        for (const ACSeason s : {Winter, Summer}) {
            m_library.GetCL_Addition_Vapor_Precision(surface, waterTemp, Steady(s), WinterFlag(s), Gain(),
                                                     m_schedule[s], load[s], RoomTemp(s), RoomRH(s),
                                                     Pressure(s));
            Plus(load[s]);
        }
        for (const ACSeason s : {Winter, Summer}) {
            m_library.GetDL_Addition_Vapor_Precision(surface, waterTemp, WinterFlag(s), Gain(), m_schedule[s],
                                                     moisture[s], RoomTemp(s), RoomRH(s), Pressure(s));
            Plus(moisture[s]);
        }
        AddLoads(40, load[Summer], 41, load[Winter]);
        AddMoisture(42, moisture[Summer], 43, moisture[Winter]);
    }

    void Infiltration(const CBaseData& entry)
    {
        const auto& infiltration = Prepare<CInfiltration>(entry);
        const auto height = static_cast<float>(m_element.Height);
        const auto passers = static_cast<float>(infiltration.PeopleQUantity);
        Day load[2]{}, moisture[2]{}, scratch{};
        for (const ACSeason s : {Winter, Summer}) {
            m_library.GetCL_Addition_Infiltration_N(Area(), height, Pressure(s), RoomTemp(s), RoomRH(s),
                                                    DryBulbRow(s), WetBulbRow(s), passers,
                                                    infiltration.DoorType, m_schedule[s], load[s], scratch,
                                                    static_cast<float>(infiltration.n_data));
            Plus(load[s]);
        }
        for (const ACSeason s : {Winter, Summer}) {
            m_library.GetDL_Addition_Infiltration(Area(), height, Pressure(s), RoomTemp(s), RoomRH(s),
                                                  DryBulbRow(s), WetBulbRow(s), passers,
                                                  infiltration.DoorType, m_schedule[s], moisture[s]);
            for (float& value : moisture[s])
                value *= 1000.0f; // kg/h to g/h
            Plus(moisture[s]);
        }
        AddLoads(44, load[Summer], 45, load[Winter]);
        AddMoisture(46, moisture[Summer], 47, moisture[Winter]);
    }

    void Envelope()
    {
        if (m_context.SummerCooling) {
            m_library.GetCL_Enclose_Simple(Area(), static_cast<float>(m_element.EnclosureCoolIndex),
                                           Array(48));
            Plus(Array(48));
        }
        if (m_context.WinterAC) {
            m_library.GetCL_Enclose_Simple(Area(), static_cast<float>(-1.0 * m_element.EnclosureHeatIndex),
                                           Array(49));
            Plus(Array(49));
        }
    }

    void Sums()
    {
        // The sensible sums take the people's sensible part and leave evaporating water out.
        struct SSum
        {
            int Target;
            std::initializer_list<int> Parts;
        };
        static const SSum sums[] = {
            {3, {48, 19, 24, 26, 30, 32, 36, 44}},
            {2, {48, 18, 24, 26, 30, 32, 36, 40, 44}},
            {11, {49, 21, 25, 27, 31, 33, 37, 41, 45}},
            {12, {49, 22, 25, 27, 31, 33, 37, 45}},
            {4, {20, 28, 34, 38, 42, 46}},
            {13, {23, 29, 35, 39, 43, 47}},
            {9, {11, 15}},
            {10, {12, 16}},
            {0, {2, 6}},
            {1, {3, 7}},
        };
        for (const SSum& sum : sums)
            for (const int part : sum.Parts)
                AddInto(Array(sum.Target), Array(part));
    }

    CCalculate_Manager& m_manager;
    CCalcLibraryBase& m_library;
    RoomCalcContext& m_context;
    CCalculate_Room& m_room;
    const CRoom& m_element;
    const CLIB_WeatherParameter& m_weather;
    CCalculate_Result_IsACLoadIntelligentEstimation& m_result;
    float m_schedule[2][kHours]{}; // by ACSeason
};
} // namespace

void CCalculate_Manager::CalculateACLoadSimpleEstimation(RoomCalcContext& context, CCalculate_Room& room)
{
    auto& result = *static_cast<CCalculate_Result_IsACLoadSimpleEstimation*>(room.Result);
    const CRoom& element = *context.Room;
    m_indexCheck.AddRoom(0, context);
    if (context.SummerCooling) {
        result.Value[1] = static_cast<float>(element.TotalCoolIndex);
        result.Value[0] = static_cast<float>(element.TotalCoolIndex * element.Area);
    }
    if (context.WinterAC) {
        result.Value[2] = static_cast<float>(element.TotalHeatIndex);
        result.Value[3] = static_cast<float>(element.TotalHeatIndex * element.Area);
    }
    result.ConvertToKcal(ProjectUnit());
}

void CCalculate_Manager::CalculateACLoadItemizedEstimation(RoomCalcContext& context, CCalculate_Room& room)
{
    auto& result = *static_cast<CCalculate_Result_IsACLoadItemizedEstimation*>(room.Result);
    float* value = result.Value;
    const CRoom& element = *context.Room;
    const double area = element.Area;
    m_indexCheck.AddRoom(1, context);
    // Each side: the four component indexes and their loads, then the total index as the sum of
    // the stored indexes, its load, and the indoor load without the outdoor air.
    if (context.SummerCooling) {
        value[6] = static_cast<float>(element.EnclosureCoolIndex);
        value[8] = static_cast<float>(element.EnclosureCoolIndex * area);
        value[10] = static_cast<float>(element.PeopleCoolIndex * area);
        value[12] = static_cast<float>(element.PeopleCoolIndex);
        value[14] = static_cast<float>(element.OutsideAirCoolIndex * area);
        value[16] = static_cast<float>(element.OutsideAirCoolIndex);
        value[18] = static_cast<float>(element.OthersCoolIndex * area);
        value[20] = static_cast<float>(element.OthersCoolIndex);
        value[1] = static_cast<float>(static_cast<double>(value[20]) + value[6] + value[12] + value[16]);
        value[0] = static_cast<float>(area * value[1]);
        value[4] = static_cast<float>(static_cast<double>(value[0]) - value[14]);
    }
    if (context.WinterAC) {
        value[9] = static_cast<float>(element.EnclosureHeatIndex * area);
        value[7] = static_cast<float>(element.EnclosureHeatIndex);
        value[11] = static_cast<float>(element.PeopleHeatIndex * area);
        value[13] = static_cast<float>(element.PeopleHeatIndex);
        value[15] = static_cast<float>(element.OutsideAirHeatIndex * area);
        value[17] = static_cast<float>(element.OutsideAirHeatIndex);
        value[19] = static_cast<float>(element.PthersHeatIndex * area);
        value[21] = static_cast<float>(element.PthersHeatIndex);
        value[2] = static_cast<float>(static_cast<double>(value[21]) + value[7] + value[13] + value[17]);
        value[3] = static_cast<float>(area * value[2]);
        value[5] = static_cast<float>(static_cast<double>(value[3]) - value[15]);
    }
    result.ConvertToKcal(ProjectUnit());
}

void CCalculate_Manager::CalculateACLoadIntelligentEstimation(RoomCalcContext& context, CCalculate_Room& room)
{
    m_indexCheck.AddRoom(2, context);
    CIntelligentEstimate(*this, context, room).Run();
}

void CCalculate_Manager::CalculatePumpAndPipeLoadOwn(CCalculate_Building& building)
{
    if (CurrentDesignType() != kDetailedCooling)
        return;
    const QString path = PathBelowRoot(building.Entry);
    try {
        if (m_currentBuilding)
            ComputeElementArea(m_currentBuilding->Entry);
        ComputeElementArea(building.Entry);
        const auto& element = ElementOf<CBuilding>(building.Entry);

        float schedule[2][kHours];
        GetDaySchedule(element.Water_Time, 1, kDesignDayType, schedule[Winter]);
        GetDaySchedule(element.Water_Time, 7, kDesignDayType, schedule[Summer]);
        auto& result = *static_cast<CCalculate_Result_IsACLoadCalculation*>(building.Result);
        for (const ACSeason s : {Summer, Winter}) {
            double wideSchedule[kHours];
            double load[kHours] = {};
            std::copy_n(schedule[s], kHours, wideSchedule);
            CalcLibrary().GetCL_PumpAndPipe(element.WaterYield, element.WaterPumpTemRise,
                                            element.WaterPipeTemRise, wideSchedule, load);
            std::copy_n(load, kHours, result.Hourly[s == Summer ? 106 : 107]);
        }
        // The building's record is added to room records, which hold kcal/h in such projects;
        // only arrays 106 and 107 hold values, so converting the record converts them alone.
        result.ConvertToKcal(ProjectUnit());
    } catch (const Exception& e) {
        CCalculateHostBase::PostMessage(
            QStringLiteral("计算发生异常\n%1\n错误信息:%2").arg(FullPath(building.Entry), e.Message()));
    } catch (const std::exception&) {
        CCalculateHostBase::PostMessage(QStringLiteral("计算发生异常\n%1").arg(path));
    }
}
