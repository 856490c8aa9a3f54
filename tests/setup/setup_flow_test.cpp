#include <gtest/gtest.h>

#include <array>

#include "match/match_scene.h"
#include "match/match_setup.h"
#include "match/match_state.h"
#include "platform/keys.h"
#include "platform/sound.h"
#include "setup/setup_steps.h"

namespace {

using namespace setupSteps;

TEST(SetupFlow, PlayerTwoCancelsBackToPlayerOneWhoseProfileStays) {
    ASSERT_TRUE(BootToSetup(FirstItems(4)));
    Raise(paramSpeed, 3);
    ChooseItemsAt({2});
    DecideOn(decideEntry);
    ASSERT_EQ(S().setupPlayer, 1);
    EXPECT_EQ(S().setupCursor, 0);
    Raise(paramLuck, 2);
    DecideOn(itemUseRow);
    harness::ClearSoundLog();
    DecideOn(cancelEntry);
    EXPECT_TRUE(harness::Played("Ok.wav", seBuffer2.index, false));
    EXPECT_TRUE(At(SetupScene));
    EXPECT_EQ(S().setupPlayer, 0);
    EXPECT_EQ(S().setupCursor, 0);
    EXPECT_EQ(Levels(0), (std::array<int, 5>{0, 3, 0, 0, 0}));
    EXPECT_EQ(pointsLeft[0], 12);
    EXPECT_EQ(itemSlots[0][0], 2);
    EXPECT_EQ(Levels(1), (std::array<int, 5>{0, 0, 0, 0, 0})) << "player 2 starts over";
    EXPECT_EQ(pointsLeft[1], 15);
    EXPECT_EQ(itemUseOff[1], 0);
}

TEST(SetupFlow, PlayerOneCancellingOrEscapeGoesBackToTheMenu) {
    struct Case {
        const char* name;
        int player;
        bool escape;
    };
    const Case cases[] = {{"player 1 cancels", 0, false}, {"Escape on player 1", 0, true}, {"Escape on player 2", 1, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(BootToSetup());
        if (c.player == 1) DecideOn(decideEntry);
        Raise(paramChain, 2);
        if (c.escape) {
            Step(vkEscape);
        } else {
            DecideOn(cancelEntry);
        }
        EXPECT_EQ(wipeState, 1);
        ASSERT_TRUE(harness::RunUntil([] { return At(MainMenuScene) && wipeState == 0; }));
        EXPECT_EQ(S().setupPlayer, 0);
        EXPECT_EQ(logoSheet, nullptr);
        EXPECT_EQ(gameMode, versusMode) << "the menu's cursor stays on versus";
        harness::RunFrames(30);
        EXPECT_TRUE(At(MainMenuScene)) << "the decide key held on does not choose again";
    }
}

TEST(SetupFlow, AnAcceptedPlayerCanNoLongerToggleAndTheMatchWaitsForBoth) {
    ASSERT_TRUE(BootToSetup());
    ASSERT_TRUE(ToConfirmation());
    Step('H');
    EXPECT_EQ(S().confirmChoice[0], 1);
    Step('G');
    EXPECT_EQ(S().confirmChoice[0], 0);
    harness::ClearSoundLog();
    Step('X');
    EXPECT_EQ(S().confirmDone[0], 1);
    EXPECT_TRUE(harness::Played("Ok.wav", seBuffer2.index, false));
    Step('H');
    EXPECT_EQ(S().confirmChoice[0], 0) << "accepted, player 1 cannot toggle";
    harness::RunFrames(30);
    EXPECT_EQ(wipeState, 0) << "player 2 has not answered";
    Step(vkRight);
    Step(vkLeft);
    EXPECT_EQ(S().confirmChoice[1], 0);
    Step('L');
    EXPECT_EQ(wipeState, 1);
}

// One decide key held keeps the other player's from acting; let go, it acts.
TEST(SetupFlow, TheSharedDecideLatchIsFreedWhenBothKeysAreUp) {
    ASSERT_TRUE(BootToSetup());
    ASSERT_TRUE(ToConfirmation());
    harness::Hold('X');
    harness::RunFrames(3);
    EXPECT_EQ(S().confirmDone[0], 1);
    Step('L');
    EXPECT_EQ(S().confirmDone[1], 0) << "player 1's key is still down";
    harness::Release('X');
    harness::RunFrames(2);
    EXPECT_EQ(confirmHeld, 0);
    Step('L');
    EXPECT_EQ(S().confirmDone[1], 1);
    EXPECT_EQ(wipeState, 1);
}

TEST(SetupFlow, ARedoSendsThatPlayerBackAndClearsBothAnswers) {
    for (int redoing : {0, 1}) {
        SCOPED_TRACE(redoing);
        ASSERT_TRUE(BootToSetup());
        Raise(paramLuck, 2);
        ASSERT_TRUE(ToConfirmation());
        const int other = 1 - redoing;
        Step(DecideKey(other));
        ASSERT_EQ(S().confirmDone[other], 1);
        Step(redoing == 0 ? 'H' : vkRight);
        Step(DecideKey(redoing));
        EXPECT_TRUE(At(SetupScene));
        EXPECT_EQ(S().setupPlayer, redoing);
        EXPECT_EQ(wipeState, 0) << "no wipe";
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(S().confirmDone[i], 0);
            EXPECT_EQ(S().confirmChoice[i], 0);
        }
        EXPECT_EQ(playerParams[0][paramLuck], 2) << "the profiles stay";
        harness::RunFrames(12);
        DecideOn(decideEntry);
        if (redoing == 0) {
            EXPECT_EQ(S().setupPlayer, 1) << "player 2 follows again";
            DecideOn(decideEntry);
        }
        EXPECT_TRUE(At(SetupConfirmScene));
    }
}

// Both accept: the match starts with the profiles as set, and a rematch
// keeps them.
TEST(SetupFlow, BothAcceptingStartsTheMatchWithTheProfiles) {
    ASSERT_TRUE(BootToSetup(FirstItems(6)));
    Raise(paramSpeed, 4);
    ChooseItemsAt({5});
    DecideOn(decideEntry);
    DecideOn(itemUseRow);
    Raise(paramChain, 5);
    ASSERT_TRUE(ToConfirmation());
    Step('X');
    Step('L');
    ASSERT_TRUE(harness::RunUntil([] { return At(MatchScene) && matchStarted == 1; }, 5000000));
    EXPECT_EQ(gameMode, versusMode);
    EXPECT_EQ(twoPlayers, 1);
    EXPECT_EQ(logoSheet, nullptr);
    const auto check = [] {
        EXPECT_EQ(Levels(0), (std::array<int, 5>{0, 4, 0, 0, 0}));
        EXPECT_EQ(Levels(1), (std::array<int, 5>{0, 0, 0, 5, 0}));
        EXPECT_EQ(itemSlots[0][0], 5);
        EXPECT_EQ(itemUseOff[1], 1);
        EXPECT_EQ(pointsLeft[1], 5);
    };
    check();
    // A rematch goes through the match set-up again.
    currentScene = MatchSetupScene;
    ASSERT_TRUE(harness::RunUntil([] { return At(MatchScene) && matchStarted == 1; }, 5000000));
    check();
}

TEST(SetupFlow, ChoosingVersusAgainStartsFromFreshProfiles) {
    ASSERT_TRUE(BootToSetup());
    Raise(paramEx, 3);
    DecideOn(decideEntry);
    Raise(paramLuck, 3);
    Step(vkEscape);
    ASSERT_TRUE(harness::RunUntil([] { return At(MainMenuScene) && wipeState == 0; }));
    ASSERT_TRUE(MenuToSetup());
    EXPECT_EQ(S().setupPlayer, 0);
    for (int p = 0; p < 2; ++p) {
        EXPECT_EQ(Levels(p), (std::array<int, 5>{0, 0, 0, 0, 0}));
        EXPECT_EQ(pointsLeft[p], 15);
    }
}

}  // namespace
