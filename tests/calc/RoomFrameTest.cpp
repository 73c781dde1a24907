#include "tests/calc/RoomEngineFixture.h"

#include "calc/CCalculate_Result_IsACLoadCalculation.h"
#include "calc/CCalculate_Result_IsACLoadSimpleEstimation.h"
#include "calc/CIndexArea.h"
#include "model/CRoom.h"
#include "platform/core/CProgramFolder.h"

#include <QFile>

namespace {
const QString kWetBulbNotice = QStringLiteral("未找到ROZADIZO.DLL，无法及时室外湿球温度。");

TEST(RoomFrameHelpers, FindAbsPeak24KeepsTheSignAndTheEarlierHour)
{
    struct SCase
    {
        std::vector<float> Leading; // hours from 0, the rest 0
        float Peak;
    };
    const SCase cases[] = {
        {{-5, 3, 5}, -5},
        {{}, 0},
        {{1, -2, 2}, -2},
        {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7}, 7},
        {{3, 4, -4.5f, 4.5f}, -4.5f},
    };
    for (const SCase& c : cases) {
        float values[24] = {};
        std::copy(c.Leading.begin(), c.Leading.end(), values);
        EXPECT_EQ(CCalculate_Manager::FindAbsPeak24(values), c.Peak);
    }
}

TEST(RoomFrameHelpers, SelectDayIndoorStateTakesTheWarmerStateFromTheMidpointOn)
{
    struct SCase
    {
        float TempA, RhA, TempB, RhB, DayPeak;
        float Temp, Rh;
    };
    const SCase cases[] = {
        {20, 40, 26, 60, 23.0f, 26, 60}, // the peak at the midpoint counts as warm
        {20, 40, 26, 60, 22.9f, 20, 40},
        {26, 60, 20, 40, 23.0f, 26, 60}, // the pairs may come in either order
        {26, 60, 20, 40, 22.9f, 20, 40},
        {22, 50, 22, 55, 21.0f, 22, 55}, // equal temperatures: the first pair is the warm one
        {22, 50, 22, 55, 22.0f, 22, 50},
    };
    for (const SCase& c : cases) {
        float dryBulb[24];
        for (int hour = 0; hour < 24; ++hour)
            dryBulb[hour] = c.DayPeak - 30 + hour; // climbs towards 23 h: only the plain maximum counts
        dryBulb[23] = c.DayPeak;
        dryBulb[0] = -40; // a larger magnitude that is no peak
        float temp = -1, rh = -1;
        EXPECT_TRUE(CCalculate_Manager::SelectDayIndoorState(101325, c.TempA, c.RhA, c.TempB, c.RhB, dryBulb,
                                                             nullptr, temp, rh));
        EXPECT_EQ(temp, c.Temp) << c.DayPeak;
        EXPECT_EQ(rh, c.Rh) << c.DayPeak;
    }
}

class RoomFrameTest : public RoomEngineFixture
{
protected:
    // A run's cursor on R4 (B1, S2), for the calls the driver does not make.
    struct SRoomCall
    {
        CCalResultBuffer Pool;
        CCalMsgOutput Progress{QStringLiteral("负荷计算"), nullptr};
        CCalculate_Manager Manager;
        CCalculate_Room* Room = nullptr;

        SRoomCall(CTreeItem* item, CCalcLibraryBase& library)
        {
            Manager.SetCalcLibrary(&library);
            Manager.BuildCalcStructure(item);
            CCalculate_Building& building = *Manager.Buildings().at(0);
            Manager.SetCurrentBuilding(&building);
            Manager.SetCurrentStorey(building.Storeys.at(0).get());
            Room = building.Storeys.at(0)->Rooms.at(0).get();
        }
    };

    QString FullPath(const CNodeData* room)
    {
        return QStringList{Root().Caption(), B1->Caption(), S2->Caption(), room->Caption()}.join(
            QLatin1Char('~'));
    }
};

TEST_F(RoomFrameTest, AStopAskedForBeforeTheRoomLeavesItUntouched)
{
    SRoomCall call(Item(R4), m_library);
    call.Progress.Stop();
    EXPECT_FALSE(call.Manager.CalculateRoomLoads(*call.Room, CElementDetailCallback()));
    EXPECT_EQ(call.Room->Result, nullptr);
    EXPECT_TRUE(m_library.Calls.isEmpty());
    EXPECT_TRUE(Dialogs().MessageBoxes.isEmpty()) << "the wet bulb is not even looked up";
    EXPECT_EQ(call.Progress.Position(), 0);
}

TEST_F(RoomFrameTest, ARoomThatHoldsAResultIsNotCalculatedAgain)
{
    for (int designType : {3, 0}) {
        SCOPED_TRACE(designType);
        SetDesignType(designType);
        m_library.Calls.clear();
        SRoomCall call(Item(R4), m_library);
        call.Pool.AcquireResult(call.Room->Result);
        if (designType == 3) {
            auto* result = static_cast<CCalculate_Result_IsACLoadCalculation*>(call.Room->Result);
            result->Hourly[0][3] = 50;
            result->Hourly[9][4] = -30;
        } else {
            static_cast<CCalculate_Result_IsACLoadSimpleEstimation*>(call.Room->Result)->Value[0] = 5;
        }
        CIndexArea::Reset();
        EXPECT_TRUE(call.Manager.CalculateRoomLoads(*call.Room, CElementDetailCallback()));
        EXPECT_TRUE(m_library.Calls.isEmpty());
        EXPECT_EQ(call.Progress.Position(), 0);
        if (designType == 3) {
            // The detailed type hands the room to the index areas once more.
            EXPECT_DOUBLE_EQ(CIndexArea::CoolingArea(), 40);
            EXPECT_DOUBLE_EQ(CIndexArea::HeatingArea(), 40);
            EXPECT_EQ(static_cast<CCalculate_Result_IsACLoadCalculation*>(call.Room->Result)->Hourly[0][3],
                      50);
        } else {
            EXPECT_DOUBLE_EQ(CIndexArea::CoolingArea(), 0);
            EXPECT_EQ(static_cast<CCalculate_Result_IsACLoadSimpleEstimation*>(call.Room->Result)->Value[0],
                      5);
        }
        call.Room->Clear();
    }
}

TEST_F(RoomFrameTest, RoomsTheDesignTypeDoesNotConcernAreSkippedWithoutAStep)
{
    struct SCase
    {
        int DesignType;
        int Cooling, Heating, HeatingLoad; // ACRoomQuantity, ACHRoomQuantity, HLRoomQuantity
        int Steps;
    };
    const SCase cases[] = {
        {6, 1, 1, 0, 0}, // heating types look at HLRoomQuantity alone
        {0, 0, 0, 1, 0},
        {0, 2, 0, 1, 1}, // passes the gate, yet neither side counts
        {9, 1, 1, 1, 1}, // no such design type: nothing to calculate
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.DesignType);
        SetDesignType(c.DesignType);
        EditRoom(R4, [&](CRoom& room) {
            room.ACRoomQuantity = c.Cooling;
            room.ACHRoomQuantity = c.Heating;
            room.HLRoomQuantity = c.HeatingLoad;
            room.TotalCoolIndex = 100;
            room.TotalHeatIndex = 50;
        });
        Dialogs().MessageBoxes.clear();
        EXPECT_EQ(Run(R4), 3);
        EXPECT_FALSE(m_stopped);
        EXPECT_TRUE(m_calcHost.Messages.isEmpty())
            << m_calcHost.Messages.join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(m_gaugePosition, c.Steps);
        if (c.DesignType == 0) {
            const auto& total = Total<CCalculate_Result_IsACLoadSimpleEstimation>();
            for (float value : total.Value)
                EXPECT_EQ(value, 0.0f);
        }
        // The test's program folder has no psychrometric library: every room that gets past the
        // entry says so, skipped or not.
        ASSERT_EQ(Dialogs().MessageBoxes.size(), 1);
        EXPECT_EQ(Dialogs().MessageBoxes[0].caption, QStringLiteral("提示"));
        EXPECT_EQ(Dialogs().MessageBoxes[0].message, kWetBulbNotice);
    }
}

TEST_F(RoomFrameTest, PeopleAndOutdoorAirInputsReachTheLibraryConverted)
{
    SetDesignType(3);
    Make(R4, 4);
    Show();
    struct SCase
    {
        int PeopleInput;
        double People;
        int AirInput;
        double Air;
        float PersonsPerArea;
        float Volume;
    };
    // R4: 40 m², 3 m high.
    const SCase cases[] = {
        {0, 0.1, 0, 30, 0.1f, 120}, // persons/m² and m³/h per person: 30 × 0.1 × 40
        {1, 0, 0, 30, 0, 0},        // m² per person with no area per person: nobody
        {1, 8, 1, 2, 0.125f, 80},   // 8 m² each; 2 m³/h per m²
        {2, 4, 2, 150, 0.1f, 150},  // 4 persons in 40 m²; the volume as entered
        {2, 4, 3, 1.5, 0.1f, 180},  // 1.5 air changes of 120 m³
        {5, 4, 7, 1, 0, 0},         // unknown inputs count nothing
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.PeopleInput * 10 + c.AirInput);
        EditRoom(R4, [&](CRoom& room) {
            room.Height = 3;
            room.InputTypeofPeopleDensity = c.PeopleInput;
            room.PeopleDensity = c.People;
            room.InputTypeofOutsideAirSupply = c.AirInput;
            room.OutsideAirSupply = c.Air;
        });
        m_library.Calls.clear();
        ASSERT_EQ(Run(R4), 3) << m_calcHost.Messages.join(QLatin1Char('\n')).toStdString();
        const QList<RecordedCall> air = m_library.CallsOf(QStringLiteral("GetCL_FreshAir_D"));
        const QList<RecordedCall> people = m_library.CallsOf(QStringLiteral("GetDL_Person"));
        ASSERT_EQ(air.size(), 2);
        ASSERT_EQ(people.size(), 2);
        for (const RecordedCall& call : air)
            EXPECT_FLOAT_EQ(call.Real(1), c.Volume);
        for (const RecordedCall& call : people) {
            EXPECT_FLOAT_EQ(call.Real(1), 40);
            EXPECT_FLOAT_EQ(call.Real(2), c.PersonsPerArea);
        }
    }
}

TEST_F(RoomFrameTest, TheCoolingPlusFactorAppliesOnlyWhenItDiffersFromOne)
{
    SetDesignType(3);
    EditRoom(R4, [](CRoom& room) { room.ACRoomQuantity = 1; });
    const struct
    {
        const char* Percent;
        float Factor;
    } cases[] = {{"0", 1.0f}, {"0.00005", 1.0f}, {"0.005", 1.0f}, {"0.02", 1.0002f}, {"5", 1.05f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Percent);
        SetDefault(QStringLiteral("ACLoadPlusPercent"), QLatin1String(c.Percent));
        ASSERT_EQ(Run(R4), 3);
        // The recording library gives 1 as the summer fan and duct load at every hour.
        const auto& total = Total<CCalculate_Result_IsACLoadCalculation>();
        for (int hour : {0, 13, 23})
            EXPECT_FLOAT_EQ(total.Hourly[108][hour], c.Factor);
    }
}

TEST_F(RoomFrameTest, InitializationValuesThatDoNotConvertFailTheRoomAndStopTheRun)
{
    SetDesignType(3);
    struct SCase
    {
        const char* Key;
        const char* Value; // null: the row is missing
        bool Fails;
    };
    const SCase cases[] = {
        {"IsGetNetWallArea", nullptr, true},           {"ACLoadPlusPercent", "abc", true},
        {"HeatingLoadPlusPercent", "", true},          {"IsWinterACLoadSteady", nullptr, true},
        {"ACLoadPlusFullYearPercent", "abc", false}, // read leniently as 0
        {"ACLoadPlusFullYearPercent", nullptr, false},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.Key);
        const QString key = QLatin1String(c.Key);
        const QString saved = m_defaults.GetInitValue(key);
        if (c.Value)
            SetDefault(key, QLatin1String(c.Value));
        else
            DropDefault(key);
        m_calcHost.Messages.clear();

        EXPECT_EQ(Run(R4), c.Fails ? -1 : 3);
        EXPECT_EQ(m_stopped, c.Fails);
        if (c.Fails) {
            ASSERT_EQ(m_calcHost.Messages.size(), 1);
            const QString& message = m_calcHost.Messages[0];
            EXPECT_TRUE(message.startsWith(QStringLiteral("计算发生异常\n") + FullPath(R4) +
                                           QStringLiteral("\n错误信息:")))
                << message.toStdString();
            EXPECT_TRUE(message.contains(key)) << message.toStdString();
        } else {
            EXPECT_TRUE(m_calcHost.Messages.isEmpty());
        }
        if (c.Value)
            SetDefault(key, saved);
        else
            RestoreDefault(key);
    }
}

TEST_F(RoomFrameTest, TheOutdoorWetBulbComesFromThePsychrometricLibrary)
{
    m_weather.WinterBarometric = 101325;
    m_weather.WinterAirConditioningDesignDrybulbTemperature = 20;
    m_weather.WinterAirConditioningDesignRelativeHumidity = 50;
    CCalculate_Manager manager;
    EXPECT_EQ(manager.GetOutdoorWetBulb(), 0.0);
    ASSERT_EQ(Dialogs().MessageBoxes.size(), 1);
    EXPECT_EQ(Dialogs().MessageBoxes[0].message, kWetBulbNotice);

    ASSERT_TRUE(m_folder.AddLibrary(QStringLiteral("librozadizo.so")));
    // 20 ℃ and 50 % at sea level: 13.7 ℃ wet bulb on the psychrometric chart.
    EXPECT_NEAR(manager.GetOutdoorWetBulb(), 13.7, 0.15);
    EXPECT_EQ(Dialogs().MessageBoxes.size(), 1);
}

TEST_F(RoomFrameTest, TheDesignContextIsHandedToTheLibraryOncePerRun)
{
    SetDesignType(3);
    MakeRoom(S2, 15);
    Show();
    ASSERT_EQ(Run(S2), 2);
    const QList<RecordedCall> calls = m_library.CallsOf(QStringLiteral("SetDesignContext"));
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(m_library.Calls.first().Name, QStringLiteral("SetDesignContext"));
    const RecordedCall& call = calls[0];
    EXPECT_FLOAT_EQ(call.Real(1), 116.47f);
    EXPECT_FLOAT_EQ(call.Real(2), 8);
    EXPECT_FLOAT_EQ(call.Real(3), 8.8f);
    EXPECT_FLOAT_EQ(call.Real(4), 0);
    EXPECT_EQ(call.Int(5), 3);
    EXPECT_FLOAT_EQ(call.Real(6), 100020);
    EXPECT_FLOAT_EQ(call.Real(7), 102170);
}
} // namespace
