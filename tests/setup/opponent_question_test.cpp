#include <gtest/gtest.h>

#include <set>

#include "frontend/main_menu.h"
#include "gallery/item_file.h"
#include "setup/opponent_choice.h"
#include "setup/opponent_question.h"
#include "setup/profile_rules.h"
#include "setup/setup_steps.h"
#include "setup/setup_guides.h"
#include "shell/key_guide.h"
#include "shell/scene_links.h"

namespace {

using namespace setupSteps;

// The question's choice, moved with Right from 「ふたりで」.
void Choose(int choice) { StepTimes('H', choice); }

TEST(OpponentQuestion, TwoPeopleLeadToBothPlayersSettingUp) {
    ASSERT_TRUE(BootToSetup());
    EXPECT_EQ(computerOpponent, twoPeople);
    DecideOn(decideEntry);
    EXPECT_TRUE(At(SetupScene)) << "player 2 sets up after player 1";
    EXPECT_EQ(S().setupPlayer, 1);
}

TEST(OpponentQuestion, TheComputerSetsItselfUpAndHasAcceptedOnTheConfirmation) {
    ASSERT_TRUE(frontendSteps::BootToMenu());
    ASSERT_TRUE(MenuToQuestion());
    Choose(3);
    EXPECT_EQ(opponentQuestion.choice, 3);
    EXPECT_TRUE(TextShown("つよさ 3  ふつう", textCenter, 350, 245, 570, 267, 10));
    Step('X');
    ASSERT_TRUE(harness::RunUntil([] { return At(SetupScene); }));
    harness::RunFrames(12);
    EXPECT_EQ(computerOpponent, 3);
    Raise(paramSpeed, 2);
    DecideOn(decideEntry);
    harness::RunFrames(12);
    ASSERT_TRUE(At(SetupConfirmScene)) << "player 2's set-up is the computer's own";
    EXPECT_EQ(S().confirmDone[1], 1);
    EXPECT_EQ(S().confirmChoice[1], 0);
    EXPECT_EQ(Levels(1), (std::array<int, 5>{1, 4, 4, 5, 1}));
    // Player 1 redoing sets up alone again, and the computer accepts again.
    Step('G');
    Step('X');
    ASSERT_TRUE(harness::RunUntil([] { return At(SetupScene); }));
    harness::RunFrames(12);
    EXPECT_EQ(S().setupPlayer, 0);
    DecideOn(decideEntry);
    harness::RunFrames(12);
    ASSERT_TRUE(At(SetupConfirmScene));
    EXPECT_EQ(S().confirmDone[1], 1);
}

TEST(OpponentQuestion, LeftAndRightStopAtEitherEnd) {
    ASSERT_TRUE(frontendSteps::BootToMenu());
    ASSERT_TRUE(MenuToQuestion());
    Step('G');
    EXPECT_EQ(opponentQuestion.choice, 0);
    Choose(9);
    EXPECT_EQ(opponentQuestion.choice, computerStrengths);
    Step(vkLeft);
    EXPECT_EQ(opponentQuestion.choice, computerStrengths - 1);
}

void HostingStandIn() {}
void JoiningStandIn() {}

// The lower row: Down from either column reaches it, Left and Right choose
// between hosting and joining there, Up goes back to the upper row with
// the computer's strength as it was.
TEST(OpponentQuestion, UpAndDownMoveBetweenTheRowsOfFourChoices) {
    ASSERT_TRUE(frontendSteps::BootToMenu());
    ASSERT_TRUE(MenuToQuestion());
    harness::SaveFramePng("/tmp/sumline-lobby-question.png");
    EXPECT_TRUE(TextShown("ネットで対戦（ホスト）", textCenter, 60, 335, 300, 357, 6));
    EXPECT_TRUE(TextShown("ネットで対戦（さんか）", textCenter, 340, 335, 580, 357, 6));
    Choose(2);
    struct Move {
        int key;
        int row, netChoice, choice;
    };
    const Move moves[] = {
        {'B', 1, 0, 2},      {vkRight, 1, 1, 2}, {'H', 1, 1, 2}, {vkDown, 1, 1, 2}, {'G', 1, 0, 2},
        {vkLeft, 1, 0, 2},   {vkUp, 0, 0, 2},    {'Y', 0, 0, 2}, {vkRight, 0, 0, 3}, {vkDown, 1, 0, 3},
    };
    for (const Move& m : moves) {
        Step(m.key);
        if (m.key == 'B') harness::SaveFramePng("/tmp/sumline-lobby-question-lower.png");
        EXPECT_EQ(opponentQuestion.row, m.row) << m.key;
        EXPECT_EQ(opponentQuestion.netChoice, m.netChoice) << m.key;
        EXPECT_EQ(opponentQuestion.choice, m.choice) << m.key;
    }
    // The key guide names the row keys beside the choice keys.
    Step(vkF1);
    ASSERT_TRUE(KeyGuideOpen());
    ASSERT_EQ(KeyGuidePageOpen(), &opponentGuide);
    EXPECT_STREQ(opponentGuide.lines[1].action, "上下の段をえらぶ");
    EXPECT_EQ(*opponentGuide.lines[1].keys[0][0], vkUp);
    harness::SaveFramePng("/tmp/sumline-lobby-question-guide.png");
    Step(vkF1);
}

// Deciding on the lower row goes to the hosting or the joining screen.
TEST(OpponentQuestion, DecidingOnTheNetworkRowLeadsToHostingOrJoining) {
    const SceneLinks kept = sceneLinks;
    for (const bool host : {true, false}) {
        SCOPED_TRACE(host);
        ASSERT_TRUE(frontendSteps::BootToMenu());
        sceneLinks.hostNetGame = HostingStandIn;
        sceneLinks.joinNetGame = JoiningStandIn;
        ASSERT_TRUE(MenuToQuestion());
        Choose(4);
        Step('B');
        if (!host) Step('H');
        harness::Tap('X');
        ASSERT_TRUE(harness::RunUntil([] { return !At(OpponentQuestionScene); }, 50));
        EXPECT_TRUE(At(host ? HostingStandIn : JoiningStandIn));
        EXPECT_EQ(computerOpponent, twoPeople) << "no computer plays online";
    }
    sceneLinks = kept;
}

TEST(OpponentQuestion, TheBackKeyReturnsToTheMenuAndTheChoiceIsForgotten) {
    for (int key : {int{'Z'}, int{vkEscape}}) {
        SCOPED_TRACE(key);
        ASSERT_TRUE(frontendSteps::BootToMenu());
        ASSERT_TRUE(MenuToQuestion());
        Choose(4);
        Step(key);
        ASSERT_TRUE(harness::RunUntil([] { return At(MainMenuScene) && wipeState == 0; }));
        EXPECT_EQ(computerOpponent, twoPeople);
        harness::RunFrames(5);
        ASSERT_TRUE(MenuToQuestion());
        EXPECT_EQ(opponentQuestion.choice, 0) << "the question starts from 「ふたりで」 again";
    }
}

// The computer's profile as the set-up's rules allow: the whole budget of
// fifteen points, no level above the cap, items on and two different items.
TEST(OpponentQuestion, TheComputersProfileIsLegal) {
    for (int strength = 1; strength <= computerStrengths; ++strength) {
        for (uint32_t dice : {0u, 1u, 49u, 50u, 2499u, 123456789u}) {
            SCOPED_TRACE(strength * 1000000000ull + dice);
            ResetSetupRecords();
            ChooseComputerProfile(strength, dice);
            int spent = 0;
            for (int k = 0; k < paramCount; ++k) {
                EXPECT_GE(playerParams[1][k], 0);
                EXPECT_LE(playerParams[1][k], LevelCap());
                spent += playerParams[1][k];
            }
            EXPECT_EQ(spent + pointsLeft[1], budgetItemsOn);
            EXPECT_EQ(pointsLeft[1], 0) << "the computer spends every point";
            EXPECT_EQ(itemUseOff[1], 0);
            EXPECT_GE(itemSlots[1][0], 0);
            EXPECT_LT(itemSlots[1][0], itemCount);
            EXPECT_GE(itemSlots[1][1], 0);
            EXPECT_LT(itemSlots[1][1], itemCount);
            EXPECT_NE(itemSlots[1][0], itemSlots[1][1]);
            EXPECT_EQ(Levels(0), (std::array<int, 5>{0, 0, 0, 0, 0})) << "player 1's profile is his own";
        }
    }
}

}  // namespace
