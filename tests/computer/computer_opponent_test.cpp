#include <gtest/gtest.h>

#include "computer/computer_player.h"
#include "computer/computer_source.h"
#include "frontend/frontend_steps.h"
#include "match/match_state.h"
#include "match/step_input.h"
#include "match/versus_run.h"
#include "platform/keys.h"
#include "setup/opponent_choice.h"

namespace {

// A versus match through the real scenes with the computer on the right, as
// the question before the set-up leaves it; the keyboard source back after.
class ComputerOpponent : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(frontendSteps::BootToMenu());
        computerOpponent = 3;
        ChooseComputerProfile(3, 7);
        InstallComputerOpponent();
        ASSERT_TRUE(versusRun::EnterVersus());
    }
    void TearDown() override {
        matchInputSource = KeyboardMatchInput;
        computerOpponent = twoPeople;
    }
};

TEST_F(ComputerOpponent, ClearsLinesOnItsBoardWithinThirtySeconds) {
    EXPECT_TRUE(versusRun::StepUntil([] { return players[1].score > 0; }, 50 * 30));
    EXPECT_EQ(players[0].score, 0) << "player 1 pressed nothing";
    EXPECT_GT(computerPlayers[1].hands.presses, 0);
}

TEST_F(ComputerOpponent, PlayerOneSteersWithTheArrowsToo) {
    const int8_t before = players[0].cursorX;
    harness::Hold(vkRight);
    versusRun::Steps(1);
    harness::Release(vkRight);
    versusRun::Steps(30);
    EXPECT_EQ(players[0].cursorX, before + 1);
}

TEST_F(ComputerOpponent, ARematchKeepsTheStrengthAndTheComputerStartsAfresh) {
    versusRun::Steps(300);
    EXPECT_GE(computerPlayers[1].steps, 300);
    ASSERT_TRUE(versusRun::EnterVersus());
    versusRun::Steps(5);
    EXPECT_EQ(computerOpponent, 3);
    EXPECT_EQ(computerPlayers[1].strength, 3);
    EXPECT_LE(computerPlayers[1].steps, 10) << "a new match is thought over from its start";
}

}  // namespace
