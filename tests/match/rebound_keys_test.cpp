#include <gtest/gtest.h>

#include "frontend/frontend_steps.h"
#include "match/match_run.h"
#include "match/match_scene.h"
#include "match/match_state.h"
#include "match/step_input.h"
#include "platform/key_bindings.h"
#include "shell/menu_input.h"

namespace {

// Player 1's keys moved: the old key of each action does nothing in a real
// endless match, and the new one does the action.
TEST(ReboundKeys, InAMatchTheOldKeyDoesNothingAndTheNewOneActs) {
    ASSERT_TRUE(frontendSteps::BootToMenu());
    playerKeys[0].swap = 'J';
    playerKeys[0].right = 0xBA;  // ;
    FollowBoundKeys();
    gameMode = endlessMode;
    harness::Tap(vkReturn);
    ASSERT_TRUE(harness::RunUntil([] { return currentScene == MatchScene && matchStarted == 1; }, 5000000));
    ASSERT_EQ(matchState, 0) << "the match runs";

    const struct {
        int vk;
        uint16_t bit;  // the bit the key gives player 1, 0 for none
    } cases[] = {
        {'X', 0}, {'J', inputSwap}, {0xBA, inputRight}, {'H', 0}, {'Y', inputUp},
    };
    for (const auto& c : cases) {
        harness::Hold(c.vk);
        matchRun::Step();
        matchRun::Step();
        EXPECT_EQ(matchInput.player[0] & ~inputLeave, c.bit) << c.vk;
        harness::Release(c.vk);
        matchRun::Step();
        matchRun::Step();
    }
    // And the board answers: the new right key moves the cursor, the old
    // one does not.
    const auto press = [](int vk) {
        harness::Hold(vk);
        for (int i = 0; i < 3; ++i) matchRun::Step();
        harness::Release(vk);
        for (int i = 0; i < 10; ++i) matchRun::Step();
    };
    const int x = players[0].cursorX;
    ASSERT_LT(x, 6);
    press('H');
    EXPECT_EQ(players[0].cursorX, x);
    press(0xBA);
    EXPECT_EQ(players[0].cursorX, x + 1);
}

// The arrows steer player 1 outside versus unless he bound one to an
// action; then it does that alone.
TEST(ReboundKeys, AnArrowBoundToAnActionNoLongerSteers) {
    harness::StartFresh();
    gameMode = endlessMode;
    playerKeys[0].swap = vkDown;
    keyDown[vkDown] = true;
    MatchInput in{};
    KeyboardMatchInput(in);
    EXPECT_EQ(in.player[0], inputSwap);
    keyDown[vkDown] = false;
    keyDown[vkUp] = true;
    KeyboardMatchInput(in);
    EXPECT_EQ(in.player[0], inputUp);
}

}  // namespace
