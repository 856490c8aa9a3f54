#include <gtest/gtest.h>

#include "match/match_run.h"
#include "platform/keys.h"
#include "platform/virtual/virtual_backend.h"
#include "shell/game_mode.h"

// The match takes a step every 20 ms; the loop passes in between present
// nothing. A key pressed and let go between two steps reaches the next step.
namespace {

TEST(StepTap, AMoveKeyTappedBetweenTwoStepsMovesTheCursorOneCell) {
    ASSERT_TRUE(matchRun::MenuToMatch(endlessMode));
    for (int i = 0; i < 5; ++i) matchRun::Step();
    const int8_t x = players[0].cursorX;
    ASSERT_LT(x, 6);
    const uint32_t stepped = frameClock.lastStep;
    // Both changes come in on the next pass, which is not a step's.
    harness::Tap('H', 0);
    harness::Pass();
    ASSERT_EQ(frameClock.lastStep, stepped);
    EXPECT_FALSE(keyDown['H']);
    for (int i = 0; i < 30; ++i) matchRun::Step();
    EXPECT_EQ(players[0].cursorX, x + 1);
}

}  // namespace
