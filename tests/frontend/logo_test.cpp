#include <gtest/gtest.h>

#include <vector>

#include "content/palette_layout.h"
#include "frontend/frontend_steps.h"
#include "platform/tiled_background.h"
#include "shell/menu_assets.h"

namespace {

using namespace frontendSteps;

TEST(Logo, BootMakesTheFrontEndSheetsAndHandsOverWithoutPresenting) {
    harness::Boot();
    harness::Pass();
    EXPECT_TRUE(At(LogoScene));
    EXPECT_EQ(harness::Frames(), 0u);
    ASSERT_NE(mainSheet, nullptr);
    EXPECT_EQ(mainSheet->width, 384);
    EXPECT_EQ(mainSheet->height, 418);
    ASSERT_NE(logoSheet, nullptr);
    EXPECT_EQ(logoSheet->width, 270);
    ASSERT_NE(tileSurface, nullptr);
    EXPECT_EQ(tileSurface->width, 640);
}

TEST(Logo, BouncesFiveTimesOnTheFrameTimeline) {
    harness::Boot();
    harness::Pass();
    std::vector<uint32_t> bounceFrames;
    int32_t last = 0;
    while (harness::Frames() < 120) {
        harness::Pass();
        if (logoState.bounceCount != last && logoState.bounceCount <= 5) bounceFrames.push_back(harness::Frames());
        last = logoState.bounceCount;
    }
    // 25 frames of fall, then 33, 17, 9 and 5 frames in the air.
    EXPECT_EQ(bounceFrames, (std::vector<uint32_t>{25, 58, 75, 84, 89}));
    EXPECT_EQ(logoState.logoY, 190);
}

TEST(Logo, FirstFramesShowTheLogoCutAtTheTopEdge) {
    harness::Boot();
    harness::RunFrames(10);
    // After 10 frames the top is at -55: only the lower 45 rows are on screen.
    EXPECT_EQ(logoState.logoY, -55);
    const uint8_t light = paletteLayout::logoBackground;
    EXPECT_LT(harness::CountIndex(light, 200, 0, 420, 45), 220 * 45);
    EXPECT_EQ(harness::CountIndex(light, 0, 46, 640, 480), 640 * 434);
}

TEST(Logo, JinglePlaysOnceAfterTheFifthBounceAndTheEmblemSpins) {
    harness::Boot();
    harness::RunUntil([] { return logoState.bounceCount == 6; });
    EXPECT_TRUE(harness::Played("Logo.wav", 0, false));
    EXPECT_EQ(harness::Frames(), 90u);
    // Six spins of 340 ms each, measured on the shared mark.
    const uint32_t start = sceneClock.mark;
    harness::RunUntil([] { return logoState.spinCount == 6; });
    const uint32_t spins = sceneClock.mark - start;
    EXPECT_GE(spins, 6u * 340u);
    EXPECT_LT(spins, 6u * 340u + 6u * 17u);
}

TEST(Logo, EmblemVanishesAtItsEdgeOnSlot17) {
    harness::Boot();
    harness::RunUntil([] { return logoState.bounceCount == 6; });
    // Half a turn in: 172 ms after the spin began the emblem is edge-on.
    virtualBackend::state.nowMs = sceneClock.mark + 172;
    harness::Pass();
    EXPECT_EQ(harness::CountIndex(paletteLayout::logoBackground, 350, 210, 384, 243), 34 * 33);
    // A quarter turn in it is half its width.
    virtualBackend::state.nowMs = sceneClock.mark + 85;
    harness::Pass();
    EXPECT_LT(harness::CountIndex(paletteLayout::logoBackground, 358, 210, 376, 243), 18 * 33);
    EXPECT_EQ(harness::CountIndex(paletteLayout::logoBackground, 350, 210, 357, 243), 7 * 33);
}

TEST(Logo, HoldsTwoAndAHalfSecondsThenWipesIntoTheTitle) {
    harness::Boot();
    harness::RunUntil([] { return logoState.spinCount == 6; });
    const uint32_t holdStart = sceneClock.mark;
    harness::RunUntil([] { return logoState.spinCount == 7; });
    EXPECT_GT(sceneClock.mark - holdStart, 2500u);
    EXPECT_LE(sceneClock.mark - holdStart, 2517u);
    // The close began in the frame that ended the hold.
    EXPECT_EQ(wipeState, 1);
    const uint32_t closeStart = harness::Frames() - 1;
    const int toggleBefore = tileToggle;
    harness::RunUntil([] { return At(TitleScene); });
    EXPECT_EQ(harness::Frames() - closeStart, 41u);
    EXPECT_EQ(wipeState, 2);
    EXPECT_EQ(tileToggle, 1 - toggleBefore);
    EXPECT_EQ(logoState.logoY, -100);
    EXPECT_EQ(logoState.bounceCount, 0);
}

TEST(Logo, StaysOnScreenWhileTheWipeCloses) {
    harness::Boot();
    harness::RunUntil([] { return logoState.spinCount == 7; });
    harness::RunFrames(3);
    ASSERT_EQ(wipeState, 1);
    // Strips are covered only 8 pixels into each 40: the logo still shows
    // between them, and the emblem at its rest place.
    EXPECT_LT(harness::CountIndex(paletteLayout::logoBackground, 210, 200, 240, 280), 30 * 80);
    EXPECT_LT(harness::CountIndex(paletteLayout::logoBackground, 370, 212, 380, 240), 10 * 28);
}

TEST(Logo, FromTheTitleTimeOutNothingMovesUntilTheWipeIsOpen) {
    harness::Boot();
    harness::Pass();
    wipeState = 2;
    wipeWidth = 82;
    harness::RunFrames(40);
    EXPECT_EQ(logoState.logoY, -100);
    EXPECT_EQ(logoState.logoVelocity, 0);
    harness::RunFrames(1);
    EXPECT_EQ(wipeState, 0);
    harness::RunFrames(1);
    EXPECT_EQ(logoState.logoVelocity, 1);
}

}  // namespace
