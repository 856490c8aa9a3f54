#include <gtest/gtest.h>

#include "content/game_palette.h"
#include "content/palette_layout.h"
#include "frontend/boot_scene.h"
#include "frontend/frontend_steps.h"
#include "platform/present.h"
#include "shell/farewell.h"
#include "shell/game_loop.h"

namespace {

using namespace frontendSteps;

TEST(Farewell, ClosingTheWindowShowsTheFarewellWithItsJingle) {
    ASSERT_TRUE(BootToMenu());
    harness::ClearSoundLog();
    virtualBackend::state.windowCloseRequested = true;
    harness::Pass();
    EXPECT_TRUE(At(ExitScene));
    EXPECT_TRUE(harness::Played("GameEnd.wav", 0, false));
    harness::RunFrames(1);
    // Black screen, the four white characters in their boxes.
    EXPECT_EQ(harness::PixelAt(5, 5), paletteLayout::black);
    for (int box : {0, 1, 2, 3}) {
        const int left = 150 + 90 * box;
        const int top = box % 2 == 0 ? 190 : 220;
        EXPECT_GT(harness::CountIndex(paletteLayout::white, left, top, left + 70, top + 70), 150) << box;
    }
    EXPECT_EQ(harness::CountIndex(paletteLayout::white, 0, 0, 640, 180), 0);
}

TEST(Farewell, EndsAfterThreeSecondsWithTheLoopFinished) {
    ASSERT_TRUE(BootToTitle());
    virtualBackend::state.windowCloseRequested = true;
    const uint32_t closedAt = harness::Now();
    bool running = true;
    while (running) running = harness::Pass();
    EXPECT_TRUE(quitPosted);
    EXPECT_GT(harness::Now() - closedAt, 3000u);
    EXPECT_LT(harness::Now() - closedAt, 3040u);
    EXPECT_EQ(mainSheet, nullptr);
    EXPECT_EQ(logoSheet, nullptr);
    EXPECT_EQ(tileSurface, nullptr);
    EXPECT_EQ(bgmBuffer.sound, nullptr);
}

TEST(Farewell, MeasuresFromTheMarkNotFromItsFirstCall) {
    harness::Boot();
    harness::Pass();
    BeginFarewell();
    const uint32_t mark = sceneClock.mark;
    virtualBackend::state.nowMs = mark + 2990;
    harness::Pass();
    EXPECT_TRUE(At(ExitScene));
    virtualBackend::state.nowMs = mark + 3001;
    harness::Pass();
    EXPECT_TRUE(At(ShutdownScene));
}

TEST(Farewell, ASecondCloseDoesNotRestartIt) {
    harness::Boot();
    harness::Pass();
    BeginFarewell();
    const uint32_t mark = sceneClock.mark;
    harness::RunMs(1000);
    WindowClosed();
    EXPECT_EQ(sceneClock.mark, mark);
}

int calls = 0;
void CountingScene();
void OtherScene() { calls += 100; }
void CountingScene() {
    ++calls;
    currentScene = OtherScene;
    Present();
}

TEST(MainLoop, StartUpShowsThroughTheGamesOwnPalette) {
    harness::StartFresh();  // an all-black palette, as at process start
    StartGame(BootScene);
    for (int i = 0; i < 256; ++i) EXPECT_EQ(displayPalette[i], gamePaletteColours[static_cast<size_t>(i)]) << i;
}

TEST(MainLoop, ASceneThatSwitchesIsNotFollowedByTheNewOneInTheSamePass) {
    harness::StartFresh();
    calls = 0;
    currentScene = CountingScene;
    harness::Pass();
    EXPECT_EQ(calls, 1);
    harness::Pass();
    EXPECT_EQ(calls, 101);
}

void SilentScene() {}

TEST(MainLoop, APassThatPresentsNothingGivesOneMillisecondBack) {
    harness::StartFresh();
    currentScene = SilentScene;
    const uint32_t before = harness::Now();
    harness::Pass();
    harness::Pass();
    EXPECT_EQ(harness::Now() - before, 2u);
}

TEST(MainLoop, PresentAdvancesToTheNextRefresh) {
    harness::StartFresh();
    currentScene = CountingScene;
    harness::Pass();
    EXPECT_EQ(harness::Now(), 16u);
    currentScene = CountingScene;
    harness::Pass();
    EXPECT_EQ(harness::Now(), 33u);
}

}  // namespace
