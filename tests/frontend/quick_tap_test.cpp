#include <gtest/gtest.h>

#include "frontend/frontend_steps.h"
#include "shell/farewell.h"
#include "shell/game_mode.h"

// A key pressed and let go between two frames (a quick tap, or one that falls
// inside a frame that stalled) still reaches the next frame.
namespace {

using namespace frontendSteps;

// The press and the release both come in before the next frame.
void TapBetweenFrames(int vk) { harness::Tap(vk, 0); }

TEST(QuickTap, EscapeBetweenTwoFramesOfTheTitleChoosesTheEndAndSaysGoodbye) {
    ASSERT_TRUE(BootToTitle());
    harness::RunFrames(2);
    TapBetweenFrames(vkEscape);
    harness::RunFrames(1);
    EXPECT_FALSE(KeyHeld(vkEscape)) << "seen by one frame only";
    EXPECT_EQ(titleState.titleSelection, 1);
    EXPECT_EQ(titleState.titleDecided, 1);
    EXPECT_TRUE(harness::RunUntil([] { return At(ExitScene); }));
}

TEST(QuickTap, ARightBetweenTwoFramesOfTheMenuMovesItsCursorOnce) {
    ASSERT_TRUE(BootToMenu());
    gameMode = endlessMode;
    TapBetweenFrames(vkRight);
    harness::RunFrames(10);
    EXPECT_EQ(gameMode, puzzleMode);
}

}  // namespace
