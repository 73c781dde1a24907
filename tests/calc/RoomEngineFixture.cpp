#include "tests/calc/RoomEngineFixture.h"

#include "calc/ResultByType.h"
#include "model/CRoom.h"

void RoomEngineFixture::SetUp()
{
    CalcFixture::SetUp();
    m_weather.Latitude = 39.8;
    m_weather.Longitude = 116.47;
    m_weather.TimeZone = 8;
    m_weather.GroundGrade = 3;
    m_weather.SummerAirConditioningDesignDrybulbTemperature = 33.5;
    m_weather.SummerAirConditioningDesignWetbulbTemperature = 26.4;
    m_weather.SummerAirConditioningDailyAverageDesignDrybulbTemperature = 29.6;
    m_weather.WinterAirConditioningDesignDrybulbTemperature = -9.9;
    m_weather.WinterAirConditioningDesignRelativeHumidity = 44;
    m_weather.SummerBarometric = 100020;
    m_weather.WinterBarometric = 102170;
    m_weather.SummerWindSpeed = 2.1;
    m_weather.WinterWindSpeed = 2.6;
    m_weather.SummerTemperatueRange = 8.8;
    m_weather.GroundTemperature[0] = 2;
    m_weather.GroundTemperature[6] = 24;
    CTemperatureParameter& table = m_weather.TemperatureParameter;
    for (int hour = 0; hour < 24; ++hour) {
        table.Temperature[0][6][hour] = 26.0f + hour * 0.25f;
        table.Temperature[1][6][hour] = 24.0f;
        table.Temperature[0][0][hour] = -12.0f + hour * 0.125f;
        table.Temperature[1][0][hour] = -14.0f;
    }
    table.MonthlyMax[0][6] = 33.5f;
    table.MonthlyMax[0][0] = -9.0f;
}

void RoomEngineFixture::TearDown()
{
    FreeResultByType(m_total);
    CalcFixture::TearDown();
}

int RoomEngineFixture::Run(CNodeData* node, CCalcLibraryBase* library)
{
    FreeResultByType(m_total);
    m_total = nullptr;
    AllocResultByType(m_total);
    CCalResultBuffer pool;
    CCalMsgOutput progress(QStringLiteral("正在计算最大负荷"), nullptr);
    int kind = 0;
    {
        CCalculate_Manager manager;
        manager.SetCalcLibrary(library ? library : &m_library);
        kind = manager.Calculate(Item(node), m_total);
    }
    m_gaugePosition = progress.Position();
    m_stopped = progress.IsStopped();
    return kind;
}

CRoom& RoomEngineFixture::EditRoom(CNodeData* node, const std::function<void(CRoom&)>& edit)
{
    auto* room = dynamic_cast<CRoom*>(node->LoadElement());
    edit(*room);
    EXPECT_EQ(room->UpdateRecord(), 1);
    return *room;
}

void RoomEngineFixture::DropDefault(const QString& name)
{
    m_project.ExecSQL(
        {QStringLiteral("update Initialization set I_Name='~'||I_Name where I_Name=?"), {name}});
    m_defaults.Load(m_project.Initialization);
}

void RoomEngineFixture::RestoreDefault(const QString& name)
{
    m_project.ExecSQL(
        {QStringLiteral("update Initialization set I_Name=? where I_Name='~'||?"), {name, name}});
    m_defaults.Load(m_project.Initialization);
}
