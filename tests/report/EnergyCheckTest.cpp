#include "report/CEnergyCheckData.h"
#include "report/CIndexCheckValues.h"
#include "report/EnergyChecks.h"
#include "tests/report/EnergyCheckFixture.h"
#include "tests/report/ReportTestSupport.h"

#include "model/CBuilding.h"
#include "model/CProjectData.h"
#include "platform/core/Exception.h"

#include <QDate>

namespace {
constexpr double kTolerance = 1e-9;
// Value index of row and column in the ten-row checks.
int At(int column, int row)
{
    return column * 10 + row;
}
} // namespace

class EnergyCheck : public EnergyCheckFixture
{
};

// Hand calculation: one room of 7 m × 5 m on a 7 m storey is 245 m³; walls 2 × 7 × 7 + 2 × 5 × 7 =
// 168 m², a roof of 35 m², a gap wall of 49 m² and a projection floor of 360.5 m² make 612.5 m².
TEST_F(EnergyCheck, ShapeCoefficientIsOuterSurfaceOverVolume)
{
    const int room = AddRoom(AddStorey(AddBuilding("甲楼"), 7), 7, 5);
    for (double length : {7.0, 7.0, 5.0, 5.0})
        Insert("OutsideWall", {{"parent_id", room},
                               {"IsLWInputArea", 0},
                               {"Length", length},
                               {"Height", 7.0},
                               {"Direction", 1}});
    Insert("Roof",
           {{"parent_id", room}, {"IsLWInputArea", 2}, {"Length", 1.0}, {"Width", 1.0}, {"Area", 1.0}});
    AddByArea("GapWall", room, 49);
    AddByArea("ProjectionFloor", room, 360.5);
    // Neither openings, inside elements nor the ground add to the outer surface.
    AddByArea("Ground", room, 35);
    AddByArea("Floor", room, 35);
    AddByArea("OutsideWindow", Int("select min(ID) from OutsideWall"), 4);

    double area = 0, volume = 0;
    EXPECT_NEAR(ComputeShapeCoefficient("甲楼", area, volume), 2.5, kTolerance);
    EXPECT_NEAR(area, 612.5, kTolerance);
    EXPECT_NEAR(volume, 245, kTolerance);
}

TEST_F(EnergyCheck, VolumeCountsAboveGroundStoreysAndRoomsByTheirInput)
{
    // All storeys below ground: no volume, a coefficient of 0, while the surface counts.
    const int cellar = AddStorey(AddBuilding("地下"), 4, true);
    AddByArea("Roof", AddRoom(cellar, 5, 4), 20);
    double area = 0, volume = 0;
    EXPECT_EQ(ComputeShapeCoefficient("地下", area, volume), 0);
    EXPECT_EQ(volume, 0);
    EXPECT_NEAR(area, 20, kTolerance);

    // A room entered by area counts by its area even with length and width filled in.
    const int storey = AddStorey(AddBuilding("乙楼"), 3);
    AddRoom(storey, 10, 10, 12, 1);
    AddRoom(storey, 2, 3);
    EXPECT_NEAR(ComputeBuildingVolume("乙楼"), (12 + 6) * 3, kTolerance);

    // No building of the name: nothing, not another building's values.
    EXPECT_EQ(ComputeShapeCoefficient("无此建筑", area, volume), 0);
    EXPECT_EQ(area + volume, 0);
}

// Names reach the statements as bound values: a quote is part of the name, not of the SQL.
TEST_F(EnergyCheck, BuildingsAreFoundByNameWithoutPastingIt)
{
    const int id = AddBuilding("O'Neil楼");
    AddBuilding("O'Neil楼");
    EXPECT_EQ(CEnergyCheckData::FindBuildingIdByName("O'Neil楼"), id);
    EXPECT_EQ(CEnergyCheckData::FindBuildingIdByName("x' or '1'='1"), 0);
    StoreCheckValues("O'Neil楼", OutsideWallColumns(), {0.5, 0, 0, 0, 0, 0, 0});
    // Only the first building of the name was written.
    EXPECT_EQ(Column("select outsidewall_data0 from Building order by ID"), QStringList({"0.5", "0"}));
}

TEST_F(EnergyCheck, WindowWallRatioByOrientation)
{
    const int room = AddRoomInNewBuilding("丙楼");
    // East wall of 10 m² with a 2 m × 1.5 m window: 3 / 10.
    const int east = AddByArea("OutsideWall", room, 10, {{"Direction", 7}});
    Insert("OutsideWindow",
           {{"parent_id", east}, {"IsLWInputArea", 0}, {"Length", 2.0}, {"Height", 1.5}, {"Quantity", 1}});
    // A south glass curtain wall of 20 m² is transparent and wall area at once.
    AddByArea("GlassCurtainWall", room, 20, {{"Direction", 1}});
    // A north wall with two doors of 2 m² each (quantity 2).
    const int north = AddByArea("OutsideWall", room, 16, {{"Direction", 5}});
    AddByArea("OutsideDoor", north, 2, {{"Quantity", 2}});

    const std::vector<double> r = ComputeWindowWallRatio("丙楼", true);
    ASSERT_EQ(r.size(), 40u);
    EXPECT_NEAR(r[At(0, 6)], 3, kTolerance);
    EXPECT_NEAR(r[At(1, 6)], 10, kTolerance);
    EXPECT_NEAR(r[At(2, 6)], 0.3, kTolerance);
    EXPECT_NEAR(r[At(0, 0)], 20, kTolerance);
    EXPECT_NEAR(r[At(1, 0)], 20, kTolerance);
    EXPECT_NEAR(r[At(2, 0)], 1, kTolerance);
    EXPECT_NEAR(r[At(0, 4)], 4, kTolerance);
    EXPECT_NEAR(r[At(2, 4)], 0.25, kTolerance);
    // All orientations: the sums of rows 0..7.
    EXPECT_NEAR(r[At(0, 8)], 27, kTolerance);
    EXPECT_NEAR(r[At(1, 8)], 46, kTolerance);
    EXPECT_NEAR(r[At(2, 8)], 27.0 / 46, kTolerance);
    for (int row = 0; row < 10; ++row)
        EXPECT_EQ(r[At(3, row)], 0) << row;
}

TEST_F(EnergyCheck, WindowWallRatioOfTheRoofAndOfElementsWithoutOrientation)
{
    const int room = AddRoomInNewBuilding("丁楼");
    // A flat roof is roof area; its sky windows (two of 1.5 m²) and a glass roof are transparent.
    const int roof = AddByArea("Roof", room, 50, {{"Direction", 0}});
    AddByArea("SkyWindow", roof, 1.5, {{"Quantity", 2}});
    AddByArea("GlassRoof", room, 7, {{"Direction", 0}});
    AddByArea("Roof", room, 13, {{"Direction", 3}});
    // A wall marked horizontal (code 0) and a code outside 0..8 have no orientation row.
    const int flat = AddByArea("OutsideWall", room, 30, {{"Direction", 0}});
    AddByArea("OutsideWindow", flat, 5);
    AddByArea("OutsideWall", room, 30, {{"Direction", 9}});

    const std::vector<double> r = ComputeWindowWallRatio("丁楼", true);
    EXPECT_NEAR(r[At(0, 9)], 10, kTolerance);
    EXPECT_NEAR(r[At(1, 9)], 70, kTolerance);
    EXPECT_NEAR(r[At(2, 9)], 10.0 / 70, kTolerance);
    for (int row = 0; row <= 8; ++row) {
        EXPECT_EQ(r[At(0, row)], 0) << row;
        EXPECT_EQ(r[At(1, row)], 0) << row;
    }

    // Sky windows in a roof with no roof area: the ratio stays 0.
    const int alone = AddRoomInNewBuilding("戊楼");
    AddByArea("SkyWindow", AddByArea("Roof", alone, 0), 2);
    const std::vector<double> s = ComputeWindowWallRatio("戊楼", true);
    EXPECT_NEAR(s[At(0, 9)], 2, kTolerance);
    EXPECT_EQ(s[At(2, 9)], 0);
}

TEST_F(EnergyCheck, RecomputeSettingDecidesBetweenElementsAndStoredValues)
{
    const int room = AddRoomInNewBuilding("己楼");
    const int wall = AddByArea("OutsideWall", room, 10, {{"Direction", 1}});
    AddByArea("OutsideWindow", wall, 4);
    const int building = Int("select ID from Building where Name = '己楼'");
    SetStored(building, "wd_data0_0", 1.5);
    SetStored(building, "wd_data1_0", 6);

    const struct
    {
        const char* value; // null: no such default
        double south;      // transparent area shown for 南
    } cases[] = {{"1", 4}, {"0", 1.5}, {"", 1.5}, {nullptr, 1.5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value ? c.value : "missing");
        if (c.value) {
            SetAutoRefresh(c.value);
        } else {
            ExecQueryGuarded(m_project.qryTemp,
                             CSQLStatement("delete from Initialization where I_Name = 'autorefresh'"));
            m_defaults.Load(m_project.Initialization);
        }
        const std::vector<double> r = ComputeWindowWallRatio("己楼", false);
        EXPECT_NEAR(r[At(0, 0)], c.south, kTolerance);
        EXPECT_NEAR(r[At(2, 0)], c.south / (c.south == 4 ? 10 : 6), kTolerance);
        // Forcing always recomputes.
        EXPECT_NEAR(ComputeWindowWallRatio("己楼", true)[At(0, 0)], 4, kTolerance);
    }
}

TEST_F(EnergyCheck, StoredValuesComeBackAsStored)
{
    const int building = AddBuilding("庚楼");
    SetAutoRefresh("0");
    std::vector<double> values(20, 0.0);
    values[3] = 10;
    values[13] = 40;
    values[9] = 2.25;
    StoreCheckValues("庚楼", WindowWallColumns(), values);
    const std::vector<double> r = ComputeWindowWallRatio("庚楼", false);
    EXPECT_EQ(r[At(0, 3)], 10);
    EXPECT_EQ(r[At(1, 3)], 40);
    EXPECT_EQ(r[At(2, 3)], 0.25);
    EXPECT_EQ(r[At(0, 9)], 2.25);
    EXPECT_EQ(r[At(2, 9)], 0); // no roof area
    EXPECT_EQ(
        Int(QStringLiteral("select count(*) from Building where ID = %1 and wd_data1_3 = 40").arg(building)),
        1);

    std::vector<double> window(20, 0.0);
    window[0] = 2.8;
    window[10] = 0.7;
    StoreCheckValues("庚楼", OutsideWindowColumns(), window);
    const std::vector<double> w = ComputeOutsideWindowK("庚楼", false);
    EXPECT_EQ(w[0], 2.8);
    EXPECT_EQ(w[10], 0.7);
    StoreCheckValues("庚楼", OutsideWallColumns(), {0.45, 0, 0, 0, 0, 0.3, 0});
    const std::vector<double> k = ComputeOutsideWallK("庚楼", false);
    EXPECT_EQ(k[0], 0.45);
    EXPECT_EQ(k[5], 0.3);
}

TEST_F(EnergyCheck, WindowCoefficientsAreAreaWeighted)
{
    const int room = AddRoomInNewBuilding("辛楼");
    // South: one window of 4 m² with K_S 3.0 and K_W 2.6 (K 2.8) and g 0.7.
    const int south = AddByArea("OutsideWall", room, 20, {{"Direction", 1}});
    AddByArea("OutsideWindow", south, 4, {{"material_id", AddConstruction(6, 3.0, 2.6, 0.7)}});
    // West: 2 m² with K 3 and 6 m² with K 2 give (6 + 12) / 8 = 2.25, not the mean 2.5.
    const int west = AddByArea("OutsideWall", room, 20, {{"Direction", 3}});
    AddByArea("OutsideWindow", west, 2, {{"material_id", AddConstruction(6, 3, 3, 0.5)}});
    AddByArea("OutsideWindow", west, 6, {{"material_id", AddConstruction(6, 2, 2, 0.3)}});

    std::vector<double> w = ComputeOutsideWindowK("辛楼", true);
    EXPECT_NEAR(w[At(0, 0)], 2.8, kTolerance);
    EXPECT_NEAR(w[At(1, 0)], 0.7, kTolerance);
    EXPECT_NEAR(w[At(0, 2)], 2.25, kTolerance);
    EXPECT_NEAR(w[At(1, 2)], (2 * 0.5 + 6 * 0.3) / 8, kTolerance);
    EXPECT_NEAR(w[At(0, 8)], (4 * 2.8 + 2 * 3 + 6 * 2) / 12, kTolerance);
    EXPECT_EQ(w[At(0, 9)], 0);

    // A sky window changes row 9 only; an opening in a wall without orientation counts in row 8.
    AddByArea("SkyWindow", AddByArea("Roof", room, 30), 1, {{"material_id", AddConstruction(12, 4, 4, 0.6)}});
    const int flat = AddByArea("OutsideWall", room, 20, {{"Direction", 0}});
    AddByArea("OutsideWindow", flat, 12, {{"material_id", AddConstruction(6, 1, 1, 0.4)}});
    w = ComputeOutsideWindowK("辛楼", true);
    EXPECT_NEAR(w[At(0, 9)], 4, kTolerance);
    EXPECT_NEAR(w[At(1, 9)], 0.6, kTolerance);
    EXPECT_NEAR(w[At(0, 0)], 2.8, kTolerance);
    EXPECT_NEAR(w[At(0, 8)], (4 * 2.8 + 2 * 3 + 6 * 2 + 12 * 1) / 24, kTolerance);
    for (int row = 0; row < 10; ++row) {
        EXPECT_EQ(w[At(2, row)], 0);
        EXPECT_EQ(w[At(3, row)], 0);
    }
}

// A missing construction is named in the message list and leaves its element out of the weighting.
TEST_F(EnergyCheck, MissingConstructionIsReportedAndLeftOut)
{
    const int room = AddRoomInNewBuilding("壬楼");
    const int wall = AddByArea("OutsideWall", room, 20,
                               {{"Direction", 1}, {"material_id", 9999}, {"OutsideWallName", "丢失的墙"}});
    AddByArea("OutsideWindow", wall, 4, {{"material_id", AddConstruction(6, 3, 3, 0.7)}});
    AddByArea("OutsideWindow", wall, 4, {{"material_id", 8888}, {"OutsideWindowName", "丢失的窗"}});
    AddByArea("GapWall", room, 10, {{"material_id", AddConstruction(15, 1, 1)}});

    const std::vector<double> w = ComputeOutsideWindowK("壬楼", true);
    EXPECT_NEAR(w[At(0, 0)], 3, kTolerance);
    const std::vector<double> k = ComputeOutsideWallK("壬楼", true);
    EXPECT_NEAR(k[0], 1, kTolerance);
    const QString messages = Dialogs().Messages.join('\n');
    EXPECT_TRUE(messages.contains("材料[丢失的窗 ID:8888]不存在，请重新指定材料")) << messages.toStdString();
    EXPECT_TRUE(messages.contains("材料[丢失的墙 ID:9999]不存在")) << messages.toStdString();
}

TEST_F(EnergyCheck, OpaqueCoefficientsByGroup)
{
    // 30 m² outside wall with K_S 0.6 and K_W 0.5 and a 10 m² gap wall with K 1.0:
    // (30 × 0.55 + 10 × 1.0) / 40 = 0.6625.
    const int edge = AddRoomInNewBuilding("癸楼");
    AddByArea("OutsideWall", edge, 30, {{"Direction", 0}, {"material_id", AddConstruction(0, 0.6, 0.5)}});
    AddByArea("GapWall", edge, 10, {{"material_id", AddConstruction(15, 1.0, 1.0)}});
    AddByArea("Roof", edge, 20, {{"material_id", AddConstruction(4, 0.5, 0.5)}});
    AddByArea("BlindStorey", edge, 20, {{"material_id", AddConstruction(5, 0.7, 0.7)}});
    AddByArea("ProjectionFloor", edge, 8, {{"material_id", AddConstruction(14, 1.2, 1.2)}});
    AddByArea("InsideWall", edge, 12, {{"material_id", AddConstruction(1, 1.5, 1.5)}});
    AddByArea("Floor", edge, 20, {{"material_id", AddConstruction(3, 2.0, 2.0)}});
    AddByArea("BasementWall", edge, 15, {{"material_id", AddConstruction(19, 0.9, 0.9)}});
    // Ground: the room with an outside wall lies on the edge; a room within has none.
    AddByArea("Ground", edge, 20, {{"material_id", AddConstruction(13, 0.3, 0.3)}});
    const int inner = AddRoom(Int("select parent_id from Room where ID = " + QString::number(edge)), 4, 4);
    AddByArea("Ground", inner, 16, {{"material_id", AddConstruction(13, 0.2, 0.2)}});

    const std::vector<double> k = ComputeOutsideWallK("癸楼", true);
    ASSERT_EQ(k.size(), 14u);
    const double expected[7] = {0.6625, 0.6, 1.2, (12 * 1.5 + 20 * 2.0) / 32, 0.3, 0.2, 0.9};
    for (int row = 0; row < 7; ++row) {
        EXPECT_NEAR(k[row], expected[row], kTolerance) << row;
        EXPECT_EQ(k[7 + row], 0) << row;
    }

    // Without ground both ground rows are 0.
    const int bare = AddRoomInNewBuilding("空楼");
    AddByArea("OutsideWall", bare, 10, {{"material_id", AddConstruction(0, 0.4, 0.4)}});
    const std::vector<double> none = ComputeOutsideWallK("空楼", true);
    EXPECT_EQ(none[4], 0);
    EXPECT_EQ(none[5], 0);
}

TEST_F(EnergyCheck, ShapeCoefficientChoiceIsKeptAndReachesTheLoadedBuilding)
{
    CNodeData* node = Make(&Root(), CBuilding::TypeCode);
    auto* building = dynamic_cast<CBuilding*>(node->LoadElement());
    ASSERT_NE(building, nullptr);
    const QString name = node->Caption();
    SShapeCoefficientChoice choice;
    choice.AreaType = 1;
    choice.Area = 612.5;
    choice.Volume = 245;
    choice.Coefficient = 2.5;
    StoreShapeCoefficientChoice(name, choice);

    const SShapeCoefficientChoice back = LoadShapeCoefficientChoice(name);
    EXPECT_EQ(back.AreaType, 1);
    EXPECT_EQ(back.VolumeType, 0);
    EXPECT_EQ(back.Area, 612.5);
    EXPECT_EQ(back.Coefficient, 2.5);
    // Saving the element later keeps what the check stored.
    EXPECT_EQ(building->figure_area, 612.5);
    EXPECT_EQ(building->figure_coff, 2.5);
}

TEST_F(EnergyCheck, ReportVariablesAnswerTheChecks)
{
    const int room = AddRoomInNewBuilding("报表楼");
    const int building = Int("select ID from Building where Name = '报表楼'");
    SetStored(building, "OverGroundBuildingArea", 20);
    const int south =
        AddByArea("OutsideWall", room, 10, {{"Direction", 1}, {"material_id", AddConstruction(0, 0.5, 0.5)}});
    AddByArea("OutsideWindow", south, 4, {{"material_id", AddConstruction(6, 3.0, 2.6, 0.7)}});
    SetAutoRefresh("1");

    CProjectData project;
    project.Designer = "张工";
    project.Checker = "李工";
    project.Examiner = QString();
    CIndexCheckValues values;
    values.Gather("报表楼", project);
    values.SetText("PRJNO", "2024-01");

    const struct
    {
        const char* name;
        QString answer;
    } cases[] = {
        {"D1", "20"},         {"D2", "10"},
        {"D3", "60"},         {"D4", "0.17"},
        {"D5", "0.4"},        {"D13", "0.4"},
        {"D33", "0.5"},       {"D37", "2.8"},
        {"D45", "2.8"},       {"D46", "0.7"},
        {"D0", "0"},          {"D27", "0"},
        {"D99", "0"},         {"D100", "0"},
        {"D-5", "0"},         {"D7X", "0"},
        {"D5X", "0.4"},       {"D+5", "0.4"},
        {"D", "0"},           {"d5", "0"},
        {"PRJNO", "2024-01"}, {"PERSON1", "张工"},
        {"PERSON2", "李工"},  {"PERSON3", ""},
        {"WHO", "0"},         {"NOW", QDate::currentDate().toString("yyyy-MM-dd")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(values.Answer(c.name), c.answer) << c.name;
    EXPECT_NEAR(values.Value(4), 10.0 / 60, kTolerance);
    EXPECT_EQ(values.Value(100), 0);
}

// Without recomputing and nothing stored, the checks print 0, the shape coefficient still counts.
TEST_F(EnergyCheck, ReportWithoutRecomputeShowsStoredChecksAndComputedShape)
{
    const int room = AddRoomInNewBuilding("旧楼");
    AddByArea("OutsideWindow", AddByArea("OutsideWall", room, 10, {{"Direction", 1}}), 4);
    SetAutoRefresh("0");
    CProjectData project;
    CIndexCheckValues values;
    values.Gather("旧楼", project);
    EXPECT_EQ(values.Answer("D2"), "10");
    EXPECT_EQ(values.Answer("D3"), "60");
    for (int i = 5; i < CIndexCheckValues::Count; ++i)
        EXPECT_EQ(values.Value(i), 0) << i;
}

TEST_F(EnergyCheck, FailingStatementNamesItself)
{
    ExecQueryGuarded(m_project.qryTemp, CSQLStatement("drop table GapWall"));
    AddRoomInNewBuilding("坏楼");
    try {
        ComputeOuterSurfaceArea("坏楼");
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().startsWith("查询SQL发生异常:")) << e.Message().toStdString();
        EXPECT_TRUE(e.Message().contains("执行的语句:")) << e.Message().toStdString();
        EXPECT_TRUE(e.Message().contains("GapWall"));
    }
}
