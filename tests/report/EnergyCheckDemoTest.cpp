#include "report/EnergyChecks.h"
#include "tests/model/ProjectTreeFixture.h"

#include <QFile>

namespace {
constexpr double kTolerance = 1e-9;

// The shipped office demonstration, as the build writes it into the program folder.
class EnergyCheckDemo : public ProjectTreeFixture
{
protected:
    void SetUp() override
    {
        ProjectTreeFixture::SetUp();
        const QString file = m_folder.File(QStringLiteral("User/示例工程/示例工程.VLZ"));
        ASSERT_TRUE(QFile::exists(file));
        m_project.ProjectCon.Open(file);
    }
};

// The demonstration's plan: two storeys of 3.3 m with the same four rooms; each outside wall runs
// along its room's length at full storey height and holds 1.5 m × 1.8 m windows, two in a wall of
// 6 m or more; the upper rooms carry the roof.
struct SPlanRoom
{
    double Length, Width;
    int Walls[2]; // direction codes
};
constexpr double kHeight = 3.3;
constexpr SPlanRoom kPlan[] = {{9, 6, {1, 7}}, {6, 6, {1, 3}}, {9, 5, {5, 7}}, {6, 5, {5, 3}}};
constexpr int kStoreys = 2;
} // namespace

TEST_F(EnergyCheckDemo, ShapeCoefficientAndRatiosMatchTheHandCalculation)
{
    double floor = 0, walls = 0;
    double wallArea[8] = {}, windowArea[8] = {};
    for (const SPlanRoom& room : kPlan) {
        floor += room.Length * room.Width;
        for (int direction : room.Walls) {
            wallArea[direction - 1] += kStoreys * room.Length * kHeight;
            windowArea[direction - 1] += kStoreys * 1.5 * 1.8 * (room.Length >= 6 ? 2 : 1);
            walls += kStoreys * room.Length * kHeight;
        }
    }
    const double volume = kStoreys * floor * kHeight; // 1089 m³
    const double surface = walls + floor;             // walls 396 m², roof 165 m²

    double area = 0, shownVolume = 0;
    const double coefficient = ComputeShapeCoefficient(QStringLiteral("示例办公楼"), area, shownVolume);
    EXPECT_NEAR(shownVolume, 1089, kTolerance);
    EXPECT_NEAR(area, 561, kTolerance);
    EXPECT_NEAR(shownVolume, volume, kTolerance);
    EXPECT_NEAR(area, surface, kTolerance);
    EXPECT_NEAR(coefficient, surface / volume, kTolerance);

    const std::vector<double> r = ComputeWindowWallRatio(QStringLiteral("示例办公楼"), true);
    double allWindows = 0, allWalls = 0;
    for (int row = 0; row < 8; ++row) {
        EXPECT_NEAR(r[row], windowArea[row], kTolerance) << row;
        EXPECT_NEAR(r[10 + row], wallArea[row], kTolerance) << row;
        EXPECT_NEAR(r[20 + row], wallArea[row] != 0 ? windowArea[row] / wallArea[row] : 0, kTolerance) << row;
        allWindows += windowArea[row];
        allWalls += wallArea[row];
    }
    // South 21.6 of 99 m², west 21.6 of 79.2 m².
    EXPECT_NEAR(r[20], 21.6 / 99, kTolerance);
    EXPECT_NEAR(r[22], 21.6 / 79.2, kTolerance);
    EXPECT_NEAR(r[28], allWindows / allWalls, kTolerance);
    EXPECT_NEAR(r[19], floor, kTolerance); // the flat roofs make the roof area
    EXPECT_EQ(r[29], 0);
}
