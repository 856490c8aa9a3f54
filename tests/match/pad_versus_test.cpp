#include <gtest/gtest.h>

#include "match/controls.h"
#include "match/match_run.h"
#include "match/versus_run.h"
#include "platform/pad_input.h"

namespace {

// The pad's player-2 buttons are exactly the match's player-2 keys, and its
// player-1 buttons player 1's.
TEST(PadControls, EveryMatchActionHasItsButton) {
    struct Case {
        PadButton button;
        int PlayerKeys::*key;
    };
    const Case cases[] = {
        {PadButton::up, &PlayerKeys::up},       {PadButton::right, &PlayerKeys::right},
        {PadButton::down, &PlayerKeys::down},   {PadButton::left, &PlayerKeys::left},
        {PadButton::a, &PlayerKeys::swap},      {PadButton::x, &PlayerKeys::select},
        {PadButton::y, &PlayerKeys::drop},      {PadButton::leftShoulder, &PlayerKeys::exDelete},
        {PadButton::rightShoulder, &PlayerKeys::exMaxdelete},
        {PadButton::b, &PlayerKeys::cancel},    {PadButton::start, &PlayerKeys::pause},
    };
    for (int p = 0; p < 2; ++p) {
        for (const Case& c : cases) EXPECT_EQ(PadKey(p, c.button), playerKeys[p].*c.key) << p;
    }
}

// The menu does not lead to versus yet: the match is entered as the menu
// enters the other modes.
bool StartVersus() { return frontendSteps::BootToMenu() && versusRun::EnterVersus(); }

// Holds the seat's right button until the player's cursor sets off right.
bool CursorSetsOffRight(int seat, int player) {
    harness::TapPad(seat, PadButton::right, 4);
    return harness::RunUntil([player] { return players[player].cursorMoveDir == 2 || players[player].cursorX > 3; },
                             2000);
}

TEST(PadVersus, TheSecondPadSteersTheRightBoard) {
    ASSERT_TRUE(StartVersus());
    matchRun::Step();
    EXPECT_EQ(PadPlayers(), 2);
    EXPECT_TRUE(CursorSetsOffRight(1, 1));
    EXPECT_EQ(players[0].cursorX, 3);
    EXPECT_EQ(players[0].cursorMoveDir, 0);
    harness::RunFrames(60);
    EXPECT_TRUE(CursorSetsOffRight(0, 0));
}

TEST(PadVersus, OutsideVersusBothPadsPlayTheOneBoard) {
    ASSERT_TRUE(matchRun::MenuToMatch(endlessMode));
    matchRun::Step();
    EXPECT_EQ(PadPlayers(), 1);
    EXPECT_TRUE(CursorSetsOffRight(1, 0));
}

TEST(PadVersus, LeavingTheMatchGivesTheMenuBothPadsAgain) {
    ASSERT_TRUE(StartVersus());
    matchRun::Step();
    ASSERT_EQ(PadPlayers(), 2);
    harness::TapPad(1, PadButton::back, 3);
    ASSERT_TRUE(harness::RunUntil([] { return currentScene != MatchScene; }, 200000));
    harness::RunFrames(2);
    EXPECT_EQ(PadPlayers(), 1);
}

}  // namespace
