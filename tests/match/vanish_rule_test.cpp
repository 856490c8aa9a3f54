#include <gtest/gtest.h>

#include "match/drops.h"
#include "match/match_state.h"
#include "match/score.h"
#include "match/vanish_rule.h"
#include "match/vanish_test_util.h"

using namespace vanishTest;

namespace {

constexpr int endless = 0, versus = 1, practice = 3;
constexpr int target7 = 0, target8 = 1, target10 = 3;

// Confirms a horizontal line of the given values in row 2 of player 0.
void ConfirmRow(std::initializer_list<int> values) {
    PutRow(0, 2, 0, values);
    SelectLine(0, 0, 2, static_cast<int>(values.size()) - 1, 2);
    ConfirmLine(0);
}

// Confirms a zero-free 3, 4, 3 (target 10) and puts the board back for the next.
void CleanClear() {
    players[0].clearingLine = LineCells{};
    ConfirmRow({3, 4, 3});
}

}  // namespace

TEST(VanishRule, WorkedExampleScoresFortyThreeTimesFour) {
    FreshMatch(endless, target10);
    PutRow(0, 2, 0, {3, 4, 3});
    SelectLine(0, 0, 2, 2, 2);
    players[0].cursorX = 0;
    ConfirmLine(0);
    const Player& pl = players[0];
    EXPECT_EQ(pl.lineScore, 43);  // 36 x 1 x 1.1 x 1.1 = 43.56
    EXPECT_EQ(pl.lineWeight, 4);
    EXPECT_EQ(pl.chain, 1);
    EXPECT_EQ(panelsCleared, 3);
    EXPECT_EQ(pl.popupTimer, 1);
    EXPECT_EQ(pl.popupX, 49 + 48);
    EXPECT_EQ(pl.popupY, 322);
    // The cells are marked, the line handed to the clear, the cursor on its end.
    EXPECT_EQ(Cell(0, 2, 0), 12);
    EXPECT_EQ(Cell(0, 2, 1), 13);
    EXPECT_EQ(Cell(0, 2, 2), 12);
    EXPECT_EQ(pl.clearingLine.startX, 0);
    EXPECT_EQ(pl.clearingLine.endX, 2);
    EXPECT_EQ(pl.clearingLine.startY, 2);
    EXPECT_EQ(pl.lineStartX, -1);
    EXPECT_EQ(pl.lineEndY, -1);
    EXPECT_EQ(pl.cursorX, 2);
    EXPECT_EQ(pl.cursorY, 2);
    EXPECT_EQ(pl.failingLine.Active(), false);
}

TEST(VanishRule, SecondChainedLineIsMultipliedByTwoPointSixFour) {
    FreshMatch(endless, target10);
    players[0].chain = 1;
    ConfirmRow({3, 3, 4});
    EXPECT_EQ(players[0].chain, 2);
    EXPECT_EQ(players[0].lineScore, 95);  // 36 x 2 x 1.2 x 1.1 = 95.04
    EXPECT_EQ(players[0].lineWeight, 5);
}

TEST(VanishRule, OtherModesLeaveTheLevelOut) {
    FreshMatch(practice, target10);
    level = 5;
    ConfirmRow({3, 4, 3});
    EXPECT_EQ(players[0].lineScore, 39);  // 36 x 1.1 = 39.6
    EXPECT_EQ(panelsCleared, 0);          // practice does not count panels
}

TEST(VanishRule, LongPopupRowsAndVerticalLines) {
    FreshMatch(endless, target10);
    PutColumn(0, 4, 10, {2, 3, 5});
    SelectLine(0, 4, 12, 4, 10);
    ConfirmLine(0);
    EXPECT_TRUE(players[0].clearingLine.Active());
    EXPECT_EQ(players[0].popupX, 49 + 96);
    EXPECT_EQ(players[0].popupY, 322 - 24 * 10);
    EXPECT_EQ(players[0].cursorY, 10);
    EXPECT_EQ(Cell(0, 11, 4), 12);
}

TEST(VanishRule, TargetSevenNeedsTwoSevensOrNone) {
    FreshMatch(endless, target7);
    ConfirmRow({7, 0});
    EXPECT_TRUE(players[0].failingLine.Active()) << "a single 7 never vanishes";
    EXPECT_EQ(players[0].lineScore, 0);

    FreshMatch(endless, target7);
    ConfirmRow({7, 7});
    EXPECT_TRUE(players[0].clearingLine.Active());
    EXPECT_EQ(players[0].lineScore, 16);  // 14 x 1.1 x 1.1 = 16.94
    EXPECT_EQ(players[0].lineWeight, 3);

    FreshMatch(endless, target7);
    ConfirmRow({7, 0, 7});
    EXPECT_TRUE(players[0].clearingLine.Active());
    EXPECT_EQ(players[0].lineScore, 16);  // 7 x sevens replaces the product 0
    EXPECT_EQ(players[0].exGauge, 0);     // but the 0-panel keeps the gauge still

    FreshMatch(endless, target7);
    ConfirmRow({3, 4});
    EXPECT_TRUE(players[0].clearingLine.Active());
    EXPECT_EQ(players[0].lineScore, 14);  // 12 x 1.21

    FreshMatch(endless, target7);
    ConfirmRow({7, 7, 3});
    EXPECT_TRUE(players[0].failingLine.Active()) << "sevens vanish only with zeros";
}

TEST(VanishRule, AboveSevenASevenIsAnOrdinaryNumber) {
    FreshMatch(endless, target8);
    ConfirmRow({1, 7});
    EXPECT_TRUE(players[0].clearingLine.Active());
    EXPECT_EQ(players[0].lineScore, 8);  // 7 x 1.21 = 8.47

    FreshMatch(endless, target8);
    ConfirmRow({7, 7});
    EXPECT_TRUE(players[0].failingLine.Active());
}

TEST(VanishRule, ZeroLineVanishesForNothing) {
    FreshMatch(endless, target10);
    ConfirmRow({0, 3, 3, 4});
    EXPECT_TRUE(players[0].clearingLine.Active());
    EXPECT_EQ(players[0].lineScore, 0);
    EXPECT_EQ(players[0].lineWeight, 5);
    EXPECT_EQ(players[0].exGauge, 0);
    EXPECT_EQ(players[0].chain, 1);
}

TEST(VanishRule, MissTurnsToZerosAndQueuesSevenPanels) {
    FreshMatch(endless, target10);
    players[0].chain = 4;
    ConfirmRow({3, 3});
    const Player& pl = players[0];
    EXPECT_TRUE(pl.failingLine.Active());
    EXPECT_FALSE(pl.clearingLine.Active());
    EXPECT_EQ(pl.chain, 0);
    EXPECT_EQ(pl.lineScore, 0);
    EXPECT_EQ(pl.lineWeight, 2);
    EXPECT_EQ(pl.popupTimer, 1);
    EXPECT_EQ(pl.dropPending, 7);
    EXPECT_EQ(pl.dropPhase, 0);
    EXPECT_EQ(pl.dropActive, 1);
    EXPECT_EQ(pl.cursorX, 1);

    // Thirteen frames on, the line is made of ordinary 0-panels.
    for (int i = 0; i < 12; ++i) AnimateFail(0);
    EXPECT_EQ(Cell(0, 2, 0), 12);
    AnimateFail(0);
    EXPECT_EQ(Cell(0, 2, 0), 0);
    EXPECT_EQ(Cell(0, 2, 1), 0);
    for (int i = 0; i < 11; ++i) AnimateFail(0);
    EXPECT_TRUE(players[0].failingLine.Active());
    AnimateFail(0);
    EXPECT_FALSE(players[0].failingLine.Active());
    EXPECT_EQ(players[0].failTimer, -1);
}

TEST(VanishRule, MissedLineLosesAPuzzle) {
    FreshMatch(2, target10);
    ConfirmRow({1, 1});
    for (int i = 0; i < 25; ++i) AnimateFail(0);
    EXPECT_EQ(matchState, 1);
    EXPECT_TRUE(players[0].failingLine.Active());
}

TEST(VanishRule, RepeatedMissesSaturateTheOverflow) {
    FreshMatch(endless, target10);
    players[0].dropActive = 1;
    players[0].dropPending = 35;
    players[0].dropPhase = 2;
    for (int i = 0; i < 20; ++i) {
        players[0].failingLine = LineCells{};
        ConfirmRow({1, 1});
    }
    EXPECT_EQ(players[0].dropOverflow, 127) << "20 x 7 would wrap a signed byte";
    EXPECT_EQ(players[0].dropPending, 35);
}

TEST(VanishRule, ThirteenSevensWithoutOverflow) {
    // 7^13 does not fit in 32 bits; a missed line of them is worth 0.
    FreshMatch(endless, target10);
    for (int r = 2; r <= 14; ++r) Cell(0, r, 3) = 7;
    SelectLine(0, 3, 2, 3, 14);
    ConfirmLine(0);
    EXPECT_TRUE(players[0].failingLine.Active());
    EXPECT_EQ(players[0].lineScore, 0);
    EXPECT_EQ(players[0].lineWeight, 13);

    // At target 7 they are thirteen sevens: 91 before the factors.
    FreshMatch(endless, target7);
    for (int r = 2; r <= 14; ++r) Cell(0, r, 3) = 7;
    SelectLine(0, 3, 14, 3, 2);
    ConfirmLine(0);
    EXPECT_TRUE(players[0].clearingLine.Active());
    EXPECT_EQ(players[0].lineScore, 110);  // 91 x 1.21 = 110.11
    EXPECT_EQ(players[0].lineWeight, 14);
    EXPECT_EQ(players[0].popupY, 34);
}

TEST(VanishRule, LineScoreStopsAt999999) {
    FreshMatch(endless, target7);
    players[0].chain = 998;
    level = 999;
    ConfirmRow({7, 7});
    EXPECT_EQ(players[0].chain, 999);
    EXPECT_EQ(players[0].lineScore, 999999);
    EXPECT_EQ(players[0].lineWeight, 1001);
    ConfirmLine(0);  // the clear is still running: nothing happens
    EXPECT_EQ(players[0].chain, 999);

    players[0].clearingLine = LineCells{};
    ConfirmRow({7, 7});
    EXPECT_EQ(players[0].chain, 999) << "the chain saturates";
    EXPECT_EQ(level, 999);
}

TEST(VanishRule, EveryTenthChainLinkRaisesTheLevel) {
    FreshMatch(endless, target10);
    for (int i = 0; i < 25; ++i) CleanClear();
    EXPECT_EQ(players[0].chain, 25);
    EXPECT_EQ(level, 3);
    EXPECT_EQ(PlayCount("Levelup.wav", levelUpSound.index), 2);

    FreshMatch(versus, target10);
    for (int i = 0; i < 10; ++i) CleanClear();
    EXPECT_EQ(level, 1);
    EXPECT_EQ(PlayCount("Levelup.wav", levelUpSound.index), 0);
}

TEST(VanishRule, EndlessGaugeFillsOnTheSeventyFifthClearWithOneSound) {
    FreshMatch(endless, target10, 1);
    for (int i = 0; i < 74; ++i) CleanClear();
    EXPECT_EQ(players[0].exGauge, 296);
    EXPECT_EQ(PlayCount("Item.wav", effectSound.index), 0);
    CleanClear();
    EXPECT_EQ(players[0].exGauge, 300);
    EXPECT_EQ(gaugeFullSounded, 1);
    for (int i = 0; i < 5; ++i) CleanClear();
    EXPECT_EQ(players[0].exGauge, 300);
    EXPECT_EQ(PlayCount("Item.wav", effectSound.index), 1);

    // Emptied by an attack, the gauge may sound again when it fills again.
    players[0].exGauge = 0;
    CleanClear();
    EXPECT_EQ(gaugeFullSounded, 0);
}

TEST(VanishRule, EndlessGaugeGainFollowsDifficulty) {
    FreshMatch(endless, target10, 0);
    CleanClear();
    EXPECT_EQ(players[0].exGauge, 5);
    FreshMatch(endless, target10, 2);
    CleanClear();
    EXPECT_EQ(players[0].exGauge, 3);
    FreshMatch(practice, target10);
    CleanClear();
    EXPECT_EQ(players[0].exGauge, 0);
}

TEST(VanishRule, VersusGaugeBanksOnTheTwentySecondClear) {
    FreshMatch(versus, target10);
    playerParams[0][paramEx] = 5;
    for (int i = 0; i < 21; ++i) CleanClear();
    EXPECT_EQ(players[0].exGauge, 147);
    EXPECT_EQ(players[0].exStock, 0);
    CleanClear();
    EXPECT_EQ(players[0].exStock, 1);
    EXPECT_EQ(players[0].exGauge, 4);
    EXPECT_EQ(PlayCount("Item.wav", effectSound.index), 0);

    // A full bank keeps the gauge full instead.
    players[0].exStock = 9;
    players[0].exGauge = 147;
    CleanClear();
    EXPECT_EQ(players[0].exStock, 9);
    EXPECT_EQ(players[0].exGauge, 150);

    // Items off: no gauge at all.
    FreshMatch(versus, target10);
    itemUseOff[0] = 1;
    CleanClear();
    EXPECT_EQ(players[0].exGauge, 0);
}

TEST(VanishRule, DroppedLineOverAnEmptiedCellEarnsNothing) {
    // Gravity took a panel out of a held line; its stored cells are confirmed
    // as they are now. The empty cell adds -1 and makes the product negative.
    FreshMatch(endless, target10);
    ConfirmRow({4, -1, 7});
    EXPECT_TRUE(players[0].clearingLine.Active());
    EXPECT_EQ(players[0].lineScore, 0) << "never a negative score";
    EXPECT_EQ(Cell(0, 2, 1), markedEmpty);
    AddScore(0, -50);
    EXPECT_EQ(players[0].score, 0);
}
