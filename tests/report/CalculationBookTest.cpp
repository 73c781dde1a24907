// The calculation book: which sections it holds and how they are numbered, a stop and a failure
// on the way, and the rows of the cover, project, weather, indoor design, envelope and formula
// sections.
#include "calc/CCalMsgOutput.h"
#include "model/CBuilding.h"
#include "model/CGround.h"
#include "model/COutsideWall.h"
#include "model/COutsideWindow.h"
#include "model/CRoom.h"
#include "model/CStorey.h"
#include "report/CCalculationBook.h"
#include "report/engine/CQORReport.h"
#include "tests/report/BookFixture.h"

#include <QFile>

namespace {
class CalculationBookTest : public BookFixture
{
protected:
    CNodeData* Building(const QString& name)
    {
        CNodeData* node = Make(&Root(), 1, name);
        Element<CBuilding>(node).Name = name;
        Element<CBuilding>(node).UpdateRecord();
        return node;
    }
    CNodeData* Storey(CNodeData* building, const QString& name, bool belowGround = false, double height = 3)
    {
        CNodeData* node = Make(building, 2, name);
        auto& storey = Element<CStorey>(node);
        storey.IsBelowGroundStorey = belowGround ? 1 : 0;
        storey.StoreyHeight = height;
        storey.StoreyArea = 0;
        storey.UpdateRecord();
        return node;
    }
    CNodeData* Room(CNodeData* storey, const QString& name, double area = 20, int use = 1)
    {
        CNodeData* node = Make(storey, 3, name);
        auto& room = Element<CRoom>(node);
        room.IsLWInputArea = 1;
        room.Area = area;
        room.RoomUse = use;
        room.ACRoomQuantity = 1;
        room.IsOutputIndoorParameter = 1;
        room.UpdateRecord();
        return node;
    }
    // An outside wall of the construction, with a window of the glazing when one is given.
    void Wall(CNodeData* room, int wallRecord, int windowRecord = 0)
    {
        CNodeData* wall = Make(room, COutsideWall::TypeCode);
        Element<COutsideWall>(wall).material_id = wallRecord;
        Element<COutsideWall>(wall).UpdateRecord();
        if (windowRecord) {
            CNodeData* window = Make(wall, COutsideWindow::TypeCode);
            Element<COutsideWindow>(window).material_id = windowRecord;
            Element<COutsideWindow>(window).UpdateRecord();
        }
    }
    int WallRecord(const QString& name, double kSummer, double kWinter)
    {
        return AddRecord(QStringLiteral("OutsideWall_Lib"),
                         QStringLiteral("Name,Deta,K_S,K_W,Beta,D,v_S,v_W,Kesi_S,Kesi_W,vn_S,vn_W,Kesin_S,Kesin_W"),
                         {name, 240, kSummer, kWinter, 0.35, 3.1, 12.5, 13.5, 8.2, 8.4, 1.6, 1.7, 2.5, 2.6});
    }
    QString EnvelopeRows() { return Rows(*Section(QStringLiteral("围护结构参数"))); }
};
} // namespace

TEST_F(CalculationBookTest, SectionsAreNumberedOverThoseTickedAndTheFirstStartsAPage)
{
    Storey(Building(QStringLiteral("办公楼")), QStringLiteral("一层"));
    struct SCase
    {
        std::vector<int> ticked;
        int unit;
        QStringList titles;
    };
    const SCase cases[] = {
        {{}, 0, {"封面"}},
        {{19, 79}, 0, {"封面", "一、室外气象参数", "二、负荷计算方法及公式"}},
        // The subtitle page is left out, with its number, when no table follows it.
        {{80}, 0, {"封面"}},
        // Hourly loads of no flagged node: no page either.
        {{10, 310}, 1, {"封面", "一、建筑概况"}},
        {{310}, 0, {"封面"}},
        {{10, 19, 38, 67, 79}, 0,
         {"封面", "一、建筑概况", "二、室外气象参数", "三、室内设计参数", "四、围护结构参数",
          "五、负荷计算方法及公式"}},
    };
    for (const SCase& c : cases) {
        OnlySections(c.ticked);
        m_parameters.Unit = c.unit;
        Assemble();
        EXPECT_EQ(Titles(), c.titles) << c.titles.join(' ').toStdString();
        for (int i = 0; i < m_bookReport->SubReportCount(); ++i) {
            const auto& headers = m_bookReport->SubReport(i)->ReportObject().ReportHeaders();
            EXPECT_EQ(!headers.empty() && headers.front()->newPage == 2, i == 1)
                << c.titles.join(' ').toStdString() << " section " << i;
        }
        EXPECT_TRUE(m_calcHost.OutputLines.isEmpty());
    }
}

TEST_F(CalculationBookTest, AStopEndsTheBookAfterTheSectionInHand)
{
    Storey(Building(QStringLiteral("办公楼")), QStringLiteral("一层"));
    OnlySections({10, 19, 38, 67, 79});
    CCalMsgOutput::SetFormFactory([this](QObject*) -> std::unique_ptr<CMsgOutputFormBase> {
        return std::make_unique<StopAtLine>(m_form, QStringLiteral("正在处理室内设计参数"));
    });
    Assemble();
    EXPECT_EQ(Titles(), (QStringList{"封面", "一、建筑概况", "二、室外气象参数"}));
    EXPECT_TRUE(m_calcHost.OutputLines.isEmpty());
}

TEST_F(CalculationBookTest, AFailingSectionIsReportedAndTheBookKeepsWhatWasBuilt)
{
    Storey(Building(QStringLiteral("办公楼")), QStringLiteral("一层"));
    OnlySections({10, 19, 38});
    m_weather.reset();
    Assemble();
    EXPECT_EQ(Titles(), (QStringList{"封面", "一、建筑概况"}));
    EXPECT_EQ(m_calcHost.OutputLines, QStringList{QStringLiteral("1:系统发生异常，请与我们联系,谢谢!!!")});
    ASSERT_EQ(Dialogs().MessageBoxes.size(), 1);
    EXPECT_TRUE(Dialogs().MessageBoxes[0].message.contains(QStringLiteral("CLIB_WeatherParameter")));
}

TEST_F(CalculationBookTest, TheCoverCarriesTheProjectAndTheSignatureLines)
{
    m_parameters.ProjectName = QStringLiteral("示例工程");
    m_parameters.ProjectNumber = QStringLiteral("2024-08");
    m_parameters.Owner = QStringLiteral("某建设单位");
    m_parameters.Designer = QStringLiteral("张工");
    m_parameters.Checker = QStringLiteral("李工");
    m_parameters.Examiner = QStringLiteral("王工");
    m_defaults.SetValue(QStringLiteral("DesignerName"), QStringLiteral("某设计院"));
    OnlySections({});
    Assemble();
    const CQORReport& cover = *m_bookReport->SubReport(0);
    EXPECT_EQ(cover.Parameter(QStringLiteral("DesignerName")), QStringLiteral("某设计院"));
    EXPECT_EQ(cover.Parameter(QStringLiteral("DesignTypeName")), QStringLiteral("空调负荷详细计算"));
    EXPECT_EQ(Rows(cover), QStringLiteral("工程名称:,示例工程|工程编号:,2024-08|建设单位:,某建设单位|"
                                          "计算人 :张工,签名：,日期:|校对人 :李工,签名：,日期:|审定人 :王工,签名：,日期:"));

    SetFlags({9, 3}, 0);
    Assemble();
    EXPECT_EQ(Rows(*m_bookReport->SubReport(0)),
              QStringLiteral("工程名称:,示例工程|建设单位:,某建设单位|计算人 :张工,签名：|校对人 :李工,签名：|"
                             "审定人 :王工,签名："));
}

TEST_F(CalculationBookTest, ProjectInformationCountsStoreysAndTakesTheLargerArea)
{
    CNodeData* building = Building(QStringLiteral("办公楼"));
    auto& element = Element<CBuilding>(building);
    element.GroundArea = 800;
    element.BelowGroundBuildingArea = 500;
    element.BuildingHeight = 0;
    element.UpdateRecord();
    for (int i = 0; i < 3; ++i)
        Room(Storey(building, QStringLiteral("地上%1").arg(i + 1)), QStringLiteral("房间"), 100);
    CNodeData* basement[] = {Storey(building, QStringLiteral("地下1"), true, 4),
                             Storey(building, QStringLiteral("地下2"), true, 4)};
    CNodeData* rooms[] = {Room(basement[0], QStringLiteral("车库1"), 210), Room(basement[1], QStringLiteral("车库2"), 210)};
    OnlySections({10});
    Assemble();
    // A building's height counts its storeys above ground only: 3 x 3 m, not 17 m.
    EXPECT_EQ(Rows(*Section(QStringLiteral("建筑概况"))),
              QStringLiteral("建筑数量,1|建筑名称,办公楼|地上层数,3|地下层数,2|占地面积(m^2),800.00|"
                             "地上建筑面积(m^2),300.00|地下建筑面积(m^2),500.00|建筑高度(m),9.00"));

    for (CNodeData* room : rooms) {
        Element<CRoom>(room).Area = 260;
        Element<CRoom>(room).UpdateRecord();
    }
    Assemble();
    EXPECT_TRUE(Rows(*Section(QStringLiteral("建筑概况"))).contains(QStringLiteral("地下建筑面积(m^2),520.00")));
}

TEST_F(CalculationBookTest, WeatherRowsFollowTheOptionsInOrder)
{
    m_weather->City = QStringLiteral("北京");
    m_weather->Latitude = 39.8;
    m_weather->MaximumFrozenEarthDepth = 66;
    OnlySections({19});
    SetFlags({20, 21, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36}, 0);
    Assemble();
    EXPECT_EQ(Rows(*Section(QStringLiteral("室外气象参数"))),
              QStringLiteral("城市,北京|纬度,39.80|最大冻土深度(cm),66.00"));
}

TEST_F(CalculationBookTest, IndoorDesignPrintsRoomsOrRoomUses)
{
    CNodeData* building = Building(QStringLiteral("办公楼"));
    Element<CBuilding>(building).IsOutputIndoorParameter = 1;
    Element<CBuilding>(building).UpdateRecord();
    CNodeData* storey = Storey(building, QStringLiteral("一层"));
    Element<CStorey>(storey).IsOutputIndoorParameter = 0;
    Element<CStorey>(storey).UpdateRecord();
    CNodeData* counted = Room(storey, QStringLiteral("办公室A"), 48);
    Element<CRoom>(counted).InputTypeofPeopleDensity = 2;
    Element<CRoom>(counted).PeopleDensity = 12;
    Element<CRoom>(counted).UpdateRecord();
    CNodeData* perPerson = Room(storey, QStringLiteral("办公室B"), 20);
    Element<CRoom>(perPerson).InputTypeofPeopleDensity = 1;
    Element<CRoom>(perPerson).PeopleDensity = 4;
    Element<CRoom>(perPerson).UpdateRecord();
    Room(storey, QStringLiteral("无用途"), 20, 999);
    CNodeData* hidden = Room(storey, QStringLiteral("不输出"), 20);
    Element<CRoom>(hidden).IsOutputIndoorParameter = 0;
    Element<CRoom>(hidden).UpdateRecord();
    OnlySections({38});
    // Use, area and people only.
    for (int id = 51; id <= 66; ++id)
        if (id != 58)
            SetFlags({id}, 0);

    Assemble();
    // The building is marked for the path, the storey is not.
    const QString path = building->Caption() + QLatin1Char('~');
    EXPECT_EQ(Rows(*Section(QStringLiteral("室内设计参数"))).toStdString(),
              (path + counted->Caption() + QStringLiteral(",办公室,48.00,,,,,,,,0.25|") + path + perPerson->Caption() +
               QStringLiteral(",办公室,20.00,,,,,,,,0.25"))
                  .toStdString());

    m_parameters.InRoomDesignParamType = 1;
    Assemble();
    const CQORReport& byUse = *Section(QStringLiteral("室内设计参数"));
    ASSERT_EQ(byUse.RecordCount(), 1);
    EXPECT_EQ(byUse.Cell(0, 0), QString());
    EXPECT_EQ(byUse.Cell(0, 1), QStringLiteral("办公室"));
    EXPECT_EQ(byUse.Cell(0, 2), QString());
    EXPECT_FALSE(byUse.Cell(0, 10).isEmpty());
}

TEST_F(CalculationBookTest, EnvelopePrintsEachConstructionOnceWithItsSeasons)
{
    const int wall = WallRecord(QStringLiteral("外墙A"), 0.6, 0.65);
    // Another construction of the same name is another construction: it is printed too.
    const int sameName = WallRecord(QStringLiteral("外墙A"), 0.45, 0.5);
    const int window = AddRecord(QStringLiteral("OutsideWindow_Lib"), QStringLiteral("Name,K_S,K_W"),
                                 {QStringLiteral("窗A"), 2.8, 3.0});
    CNodeData* storey = Storey(Building(QStringLiteral("办公楼")), QStringLiteral("一层"));
    Wall(Room(storey, QStringLiteral("房间1")), wall, window);
    Wall(Room(storey, QStringLiteral("房间2")), wall);
    Wall(Room(storey, QStringLiteral("房间3")), wall, window);
    Wall(Room(storey, QStringLiteral("房间4")), sameName);
    OnlySections({67});

    Assemble();
    EXPECT_EQ(EnvelopeRows(),
              QStringLiteral("外墙(夏季),外墙A,240.00,0.60,0.35,12.50,8.20,1.60,2.50,3.10,1.67|"
                             "外墙(冬季),外墙A,240.00,0.65,0.35,13.50,8.40,1.70,2.60,3.10,1.54|"
                             "外窗(夏季),窗A,-,2.80,-,-,-,-,-,-,0.36|外窗(冬季),窗A,-,3.00,-,-,-,-,-,-,0.33|"
                             "外墙(夏季),外墙A,240.00,0.45,0.35,12.50,8.20,1.60,2.50,3.10,2.22|"
                             "外墙(冬季),外墙A,240.00,0.50,0.35,13.50,8.40,1.70,2.60,3.10,2.00"));
    EXPECT_TRUE(m_calcHost.Messages.isEmpty());

    m_parameters.DesignType = 6;
    m_options.LoadOutputParams();
    Assemble();
    EXPECT_EQ(EnvelopeRows(),
              QStringLiteral("外墙(冬季),外墙A,240.00,0.65,0.35,13.50,8.40,1.70,2.60,3.10,1.54|"
                             "外窗(冬季),窗A,-,3.00,-,-,-,-,-,-,0.33|"
                             "外墙(冬季),外墙A,240.00,0.50,0.35,13.50,8.40,1.70,2.60,3.10,2.00"));
}

TEST_F(CalculationBookTest, EnvelopeWithoutHeatTransferPrintsNoResistance)
{
    const int ground = AddRecord(QStringLiteral("Ground_Lib"), QStringLiteral("Name,Deta,K_S,K_W"),
                                 {QStringLiteral("地面A"), 120, 0.0, 0.5});
    CNodeData* room = Room(Storey(Building(QStringLiteral("办公楼")), QStringLiteral("一层")), QStringLiteral("房间1"));
    Wall(room, WallRecord(QStringLiteral("绝热墙"), 0, 0));
    CNodeData* slab = Make(room, CGround::TypeCode);
    Element<CGround>(slab).material_id = ground;
    Element<CGround>(slab).MaterialName = QStringLiteral("地面A");
    Element<CGround>(slab).UpdateRecord();
    OnlySections({67});
    SetFlags({73}, 0);
    Assemble();
    EXPECT_EQ(EnvelopeRows(),
              QStringLiteral("外墙(夏季),绝热墙,240.00,0.00,0.35,,8.20,1.60,2.50,3.10,0.00|"
                             "外墙(冬季),绝热墙,240.00,0.00,0.35,,8.40,1.70,2.60,3.10,0.00|"
                             "地面(夏季),地面A,120.00,0.00,-,-,-,-,-,-,0.00|"
                             "地面(冬季),地面A,120.00,0.50,-,-,-,-,-,-,2.00"));
}

TEST_F(CalculationBookTest, GroundRowsAloneKeepTheColumnsTheyFill)
{
    const int ground = AddRecord(QStringLiteral("Ground_Lib"), QStringLiteral("Name,Deta,K_S,K_W"),
                                 {QStringLiteral("地面A"), 120, 0.4, 0.5});
    CNodeData* room = Room(Storey(Building(QStringLiteral("办公楼")), QStringLiteral("一层")), QStringLiteral("房间1"));
    CNodeData* slab = Make(room, CGround::TypeCode);
    Element<CGround>(slab).material_id = ground;
    Element<CGround>(slab).MaterialName = QStringLiteral("地面A");
    Element<CGround>(slab).UpdateRecord();
    OnlySections({67});
    Assemble();
    const CQORReport& envelope = *Section(QStringLiteral("围护结构参数"));
    QStringList used;
    for (int i = 0; i < envelope.FieldCount(); ++i)
        if (envelope.Field(i)->m_Used)
            used << envelope.Field(i)->m_Name;
    EXPECT_EQ(used, (QStringList{"EncloseName", "Name", "Deta", "K", "ChuanReZhu"}));
    EXPECT_TRUE(envelope.m_Landscape);
}

TEST_F(CalculationBookTest, FormulasComeFromTheTextOfTheDesignTypeAndAMissingTextIsSaid)
{
    Storey(Building(QStringLiteral("办公楼")), QStringLiteral("一层"));
    m_parameters.DesignType = 6;
    m_options.LoadOutputParams();
    OnlySections({19, 79});
    QFile text(m_folder.File(QStringLiteral("lib/Loadformula_Heat.txt")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly | QIODevice::Truncate));
    text.write("一、采暖热负荷\r\n\r\nQ = K·F·(tn - tw)\r\n");
    text.close();
    Assemble();
    EXPECT_EQ(Rows(*Section(QStringLiteral("负荷计算方法及公式"))),
              QStringLiteral("一、采暖热负荷||Q = K·F·(tn - tw)"));

    ASSERT_TRUE(QFile::remove(text.fileName()));
    Assemble();
    EXPECT_EQ(Titles(), (QStringList{"封面", "一、室外气象参数", "二、负荷计算方法及公式"}));
    EXPECT_TRUE(Rows(*Section(QStringLiteral("负荷计算方法及公式"))).startsWith(QStringLiteral("无法读取计算方法及公式文件")));
    EXPECT_TRUE(m_calcHost.OutputLines.isEmpty());
}
