#pragma once
#include "tests/calc/RoomEngineFixture.h"

#include "calc/CDizedozevLibrary.h"
#include "calc/ResultByType.h"
#include "climate/CLIB_WeatherData.h"
#include "model/CLighting.h"
#include "model/COutsideWall.h"
#include "model/COutsideWindow.h"
#include "model/CPeople.h"
#include "model/CRoof.h"
#include "model/CRoom.h"

inline const QString kOfficePeople = QStringLiteral("办公人员-公共建筑节能标准");
inline const QString kOfficeLighting = QStringLiteral("办公照明-公共建筑节能标准");

// One office room in Beijing, 4 x 5 x 3 m, under a roof, with a south wall holding a 2 x 1.5 m
// window; 4 people doing very light work, 200 W of exposed fluorescent lamps (ballast outside the
// room), 30 m³/h of outdoor air per person; 26 ℃ / 60 % in summer. Constructions: wall K 0.6
// W/(m²·K), decrement 0.2, lag 8 h; window K 3.0, total solar transmittance 0.5, no shading;
// roof K 0.45, decrement 0.15, lag 10 h, medium colour. Calculated with the real library.
class OfficeRoomFixture : public RoomEngineFixture
{
protected:
    void SetUp() override
    {
        RoomEngineFixture::SetUp();
        TakeBeijingWeather();
        InsertConstructions();
        BuildRoom();
    }

    void TakeBeijingWeather()
    {
        CDbQuery library(m_sysParam.ADOConnection2);
        OpenQueryGuarded(library,
                         CSQLStatement("select * from WeatherData where City = ?", {QStringLiteral("北京")}));
        ASSERT_EQ(library.RecordCount(), 1);
        CLIB_WeatherData city;
        city.DataSet = &library;
        city.Load();
        CDbQuery project(m_project.ProjectCon);
        OpenQueryGuarded(project, CSQLStatement("select * from WeatherParameter"));
        ASSERT_EQ(project.RecordCount(), 1);
        project.Edit();
        city.DataSet = &project;
        city.Save();
        project.Post();

        m_weather.Load();
        m_weather.GroundGrade = 3; // crushed rock around the building: reflectance 0.20
        m_weather.CalcMonthlyDesignValues();
        ASSERT_DOUBLE_EQ(m_weather.SummerAirConditioningDesignDrybulbTemperature, 33.5);
        ASSERT_DOUBLE_EQ(m_weather.SummerTemperatueRange, 7.5);
        ASSERT_FLOAT_EQ(m_weather.TemperatureParameter.MonthlyMax[0][6], 33.5f);
    }

    void InsertConstructions()
    {
        m_project.ExecSQL({"insert into OutsideWall_Lib (ID, Name, K_S, K_W, Beta, Kesi_S, Kesi_W) "
                           "values (1, '保温砖墙', 0.6, 0.6, 0.2, 8, 8)"});
        m_project.ExecSQL(
            {"insert into OutsideWindow_Lib (ID, Name, K_S, K_W, g, Inside_Sunshade, "
             "Outside_Sunshade, Glass_Revise) values (1, '中空玻璃窗', 3.0, 3.0, 0.5, 1, 1, 1)"});
        m_project.ExecSQL({"insert into Roof_Lib (ID, Name, K_S, K_W, Beta, Kesi_S, Kesi_W) "
                           "values (1, '保温屋面', 0.45, 0.45, 0.15, 10, 10)"});
    }

    void BuildRoom()
    {
        CNodeData* building = Make(&Root(), 1);
        CNodeData* storey = Make(building, 2);
        m_room = Make(storey, CRoom::TypeCode);
        EditRoom(m_room, [](CRoom& room) {
            room.IsLWInputArea = 0;
            room.Length = 4;
            room.Width = 5;
            room.Height = 3;
            room.RoomType = 1;
            room.ACRoomQuantity = 1;
            room.ACHRoomQuantity = 1;
            room.SummerACTemperature = 26;
            room.SummerACRH = 60;
            room.WinterACTemperature = 20;
            room.WinterACRH = 40;
            room.InputTypeofPeopleDensity = 2;
            room.PeopleDensity = 4;
            room.InputTypeofOutsideAirSupply = 0;
            room.OutsideAirSupply = 30;
            room.ScheduleName = kOfficePeople;
            room.IsFenCengAir = 0;
            room.NewWind_Type = 0;
            room.IsWinterHeatRebateCoefficient = 0;
            room.WindQuantity = 0;
            room.Maintenance_Gain = 0;
            room.TotalCoolIndex = 100;
            room.TotalHeatIndex = 80;
            room.EnclosureCoolIndex = 40;
            room.EnclosureHeatIndex = 50;
            room.PeopleCoolIndex = 30;
            room.PeopleHeatIndex = 10;
            room.OutsideAirCoolIndex = 20;
            room.OutsideAirHeatIndex = 15;
            room.OthersCoolIndex = 10;
            room.PthersHeatIndex = 5;
        });

        CNodeData* wallNode = Make(m_room, COutsideWall::TypeCode);
        auto* wall = dynamic_cast<COutsideWall*>(wallNode->LoadElement());
        wall->material_id = 1;
        wall->Direction = 1;
        wall->Direction_Angle = 0;
        wall->IsLWInputArea = 0;
        wall->Length = 4;
        wall->Height = 3;
        EXPECT_EQ(wall->UpdateRecord(), 1);

        auto* window = dynamic_cast<COutsideWindow*>(Make(wallNode, COutsideWindow::TypeCode)->LoadElement());
        window->material_id = 1;
        window->IsLWInputArea = 0;
        window->Length = 2;
        window->Height = 1.5;
        window->Quantity = 1;
        window->ShieldType = 0;
        EXPECT_EQ(window->UpdateRecord(), 1);

        auto* roof = dynamic_cast<CRoof*>(Make(m_room, CRoof::TypeCode)->LoadElement());
        roof->material_id = 1;
        roof->IsLWInputArea = 0;
        roof->Length = 4;
        roof->Width = 5;
        roof->Direction = 0;
        roof->Obliquity = 0;
        roof->Color = 1;
        EXPECT_EQ(roof->UpdateRecord(), 1);

        auto* people = dynamic_cast<CPeople*>(Make(m_room, 4)->LoadElement());
        people->ScheduleName = kOfficePeople;
        people->LaborType = 1;
        people->PeopleClassifyCoeffient = 1.0;
        EXPECT_EQ(people->UpdateRecord(), 1);

        auto* lighting = dynamic_cast<CLighting*>(Make(m_room, 5)->LoadElement());
        lighting->ScheduleName = kOfficeLighting;
        lighting->LampPower = 0;
        lighting->ConcealedFluorescencePower = 0;
        lighting->ExposedFluorescencePower_Inside = 0;
        lighting->ExposedFluorescencePower_Outside = 200;
        lighting->SimultaneousUseCoefficient = 1.0;
        EXPECT_EQ(lighting->UpdateRecord(), 1);
        Show();
    }

    // The fixture frees its total by the design type current when it runs again: a total of
    // another type goes first.
    void SwitchDesignType(int designType)
    {
        if (m_total)
            FreeResultByType(m_total);
        m_total = nullptr;
        SetDesignType(designType);
    }

    int RunReal()
    {
        const int kind = Run(m_room, &CDizedozevLibrary::Instance());
        EXPECT_TRUE(m_calcHost.Messages.isEmpty())
            << m_calcHost.Messages.join(QLatin1Char('\n')).toStdString();
        return kind;
    }

    CNodeData* m_room = nullptr;
};
