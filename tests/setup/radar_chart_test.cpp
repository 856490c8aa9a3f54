#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "platform/keys.h"
#include "setup/radar_chart.h"
#include "setup/setup_steps.h"

namespace {

using namespace setupSteps;

struct VertexCase {
    int side;
    std::array<int, 5> levels;
    std::array<Point, 5> vertices;
};

// Worked out with pi as 3.141592 and each coordinate cut toward zero.
const VertexCase vertexCases[] = {
    {0, {0, 0, 0, 0, 0}, {{{160, 245}, {164, 248}, {162, 254}, {157, 254}, {155, 248}}}},
    {0, {5, 5, 5, 5, 5}, {{{160, 145}, {259, 217}, {221, 334}, {98, 334}, {60, 217}}}},
    {1, {1, 2, 3, 4, 5}, {{{480, 225}, {522, 236}, {518, 302}, {430, 318}, {380, 217}}}},
    {0, {15, 0, 0, 0, 0}, {{{160, -54}, {164, 248}, {162, 254}, {157, 254}, {155, 248}}}},
};

TEST(RadarChart, LevelVerticesLieWhereTheChartPutsThem) {
    for (const VertexCase& c : vertexCases) {
        for (int k = 0; k < 5; ++k) {
            SCOPED_TRACE(testing::Message() << "side " << c.side << " vertex " << k);
            const Point v = LevelVertex(c.side, k, c.levels[static_cast<size_t>(k)]);
            EXPECT_EQ(v.x, c.vertices[static_cast<size_t>(k)].x);
            EXPECT_EQ(v.y, c.vertices[static_cast<size_t>(k)].y);
        }
    }
}

uint8_t Red() { return NearestPaletteIndex(MakeRgb(255, 0, 0)); }
uint8_t Black() { return NearestPaletteIndex(MakeRgb(0, 0, 0)); }
uint8_t GridPink() { return NearestPaletteIndex(MakeRgb(255, 128, 255)); }

// The pixel a little further out than vertex k along its ray.
Point Beyond(int side, int k, int level, int extra) { return RadarPoint(side, 90 - 72 * k, 20 * level + 5 + extra); }

TEST(RadarChart, TheLevelPolygonIsDrawnRedOverTheGrid) {
    ASSERT_TRUE(BootToSetup());
    Raise(paramEx, 5);
    Raise(paramSpeed, 5);
    Raise(paramLuck, 5);
    harness::RunFrames(1);
    const std::array<int, 5> levels{5, 5, 5, 0, 0};
    EXPECT_EQ(harness::PixelAt(160, 250), Red()) << "filled";
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        const int level = levels[static_cast<size_t>(k)];
        const Point v = LevelVertex(0, k, level);
        EXPECT_EQ(harness::PixelAt(v.x, v.y), Red());
        const Point out = Beyond(0, k, level, 4);
        EXPECT_NE(harness::PixelAt(out.x, out.y), Red());
    }
}

TEST(RadarChart, TheGridHasItsRingsSpokesAndPlates) {
    ASSERT_TRUE(BootToSetup());
    harness::RunFrames(1);
    ASSERT_NE(GridPink(), colorKey);
    // The outer ring's corners in black, pink between the rings.
    const Point outer[5] = {{160, 142}, {57, 216}, {96, 337}, {223, 337}, {262, 216}};
    for (const Point& p : outer) EXPECT_EQ(harness::PixelAt(p.x, p.y), Black()) << p.x << "," << p.y;
    // Down a column right of the upper spoke: pink, the ring of radius 88, pink.
    EXPECT_EQ(harness::PixelAt(175, 162), GridPink());
    EXPECT_EQ(harness::PixelAt(175, 182), GridPink());
    EXPECT_GT(harness::CountIndex(Black(), 175, 170, 176, 176), 0) << "the ring of radius 88";
    // A spoke pokes out of the outer ring on its way to radius 115.
    const double a = 56.0 / 180;
    const int sx = static_cast<int>(160 + 112 * std::cos(a)), sy = static_cast<int>(250 - 112 * std::sin(a));
    EXPECT_GT(harness::CountIndex(Black(), sx - 1, sy - 1, sx + 2, sy + 2), 0);
    // The plates: blue inside, names on them.
    EXPECT_EQ(harness::PixelAt(160 - 25, 115 + 2), BlueIndex());
    EXPECT_TRUE(TextShown("EX", 1, 125, 115, 195, 135, 6));
    EXPECT_TRUE(TextShown("CHAIN", 1, 20, 325, 90, 345, 6));
}

// With the cap lifted EX reaches far past the top of the screen: the polygon
// is cut by the edge.
TEST(RadarChart, ALevelPastTheCapIsCutByTheScreenEdge) {
    ASSERT_TRUE(BootToSetup());
    StepTimes('V', 10);
    Raise(paramEx, 15);
    ASSERT_EQ(playerParams[0][paramEx], 15);
    harness::RunFrames(1);
    EXPECT_EQ(harness::PixelAt(160, 0), Red());
    EXPECT_EQ(harness::PixelAt(160, 200), Red());
    EXPECT_NE(harness::PixelAt(120, 0), Red());
    EXPECT_TRUE(At(SetupScene));
}

TEST(RadarChart, TheConfirmationShowsBothPlayersCharts) {
    ASSERT_TRUE(BootToSetup());
    Raise(paramLock, 5);
    DecideOn(decideEntry);
    Raise(paramSpeed, 5);
    ASSERT_TRUE(ToConfirmation());
    harness::RunFrames(1);
    for (int side = 0; side < 2; ++side) {
        SCOPED_TRACE(side);
        const int k = side == 0 ? paramLock : paramSpeed;
        const Point v = LevelVertex(side, k, 5);
        EXPECT_EQ(harness::PixelAt(v.x, v.y), Red());
        const Point grid = RadarPoint(side, 90, 108);
        EXPECT_EQ(harness::PixelAt(grid.x, grid.y), Black());
        const Point small = LevelVertex(side, paramEx, 0);
        EXPECT_EQ(harness::PixelAt(small.x + 5, small.y - 8), GridPink()) << "EX is 0";
    }
}

}  // namespace
