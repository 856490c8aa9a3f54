#include <gtest/gtest.h>

#include "frontend/frontend_steps.h"
#include "match/match_scene.h"
#include "match/match_state.h"
#include "platform/pad_input.h"
#include "shell/game_mode.h"

namespace {

using namespace frontendSteps;

void Press(int seat, PadButton button) {
    harness::TapPad(seat, button);
    harness::RunFrames(2);
}

// Either pad steers the menus: the buttons hold player 1's keys there.
class PadMenuTest : public ::testing::TestWithParam<int> {};

TEST_P(PadMenuTest, APadOpensTheMenuMovesItsCursorAndStartsAMatch) {
    const int seat = GetParam();
    ASSERT_TRUE(BootToTitle());
    harness::TapPad(seat, PadButton::a);
    ASSERT_TRUE(harness::RunUntil([] { return At(MainMenuScene) && wipeState == 0; }));
    EXPECT_EQ(gameMode, 0);
    struct Move {
        PadButton button;
        int8_t mode;
    };
    const Move moves[] = {
        {PadButton::right, 2}, {PadButton::stickRight, 4}, {PadButton::down, 5},
        {PadButton::left, 3},  {PadButton::stickUp, 2},    {PadButton::stickLeft, 0},
    };
    for (const Move& m : moves) {
        Press(seat, m.button);
        EXPECT_EQ(gameMode, m.mode) << static_cast<int>(m.button);
    }
    harness::TapPad(seat, PadButton::a);
    ASSERT_TRUE(harness::RunUntil([] { return currentScene == MatchScene && matchStarted == 1; }, 5000000));
    EXPECT_EQ(PadPlayers(), 1);
}

TEST_P(PadMenuTest, BackLeavesTheMenuForTheTitle) {
    const int seat = GetParam();
    ASSERT_TRUE(BootToMenu());
    harness::TapPad(seat, PadButton::b);
    ASSERT_TRUE(harness::RunUntil([] { return At(TitleScene); }));
}

INSTANTIATE_TEST_SUITE_P(EitherSeat, PadMenuTest, ::testing::Values(0, 1));

}  // namespace
